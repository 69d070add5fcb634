#pragma once
// HouseScreen: the screen of a place the party visits, one object per visit.
// The same class serves the nine villages, the four towns, the palace, the
// temple, the castle and the tower; what is particular to a place comes from
// its row of the place table (places/place_table.h) and its pictures
// (places/house_art.h). The six small subclasses only name the kind, so that
// each place procedure keeps its own GameApp field.
//
// A visit works on copies: when the object is created the procedure copies
// the visitor's health, bag, item tables and armies, the quest stages and
// the place's held-back rewards in (CopyVisitorIn, CopyHeldBackIn), and on
// leaving writes them back (WriteBack). Gold, fame and the joined flags are
// written into the game record at once. The object keeps no pointer into
// the record; it owns its sheets and its font and releases them when it is
// deleted.
//
// Army slots are parallel arrays indexed by slot 0..5; armyPlace[s] is the
// panel cell 0..5 where slot s is drawn, and a selected cell k (1..6) means
// slot k - 1. Item tables are indexed by item number n = item id - 1.
//
// The operations live in several files; the declarations below are grouped
// the same way.

#include <cstdint>

#include "game/glyph_name.h"
#include "places/place_table.h"

class GameState;
class GraphicsDevice;
struct PlaceTalk;
class InputDevice;
class SpriteSheet;
class TextFont;

// The buttons' ids (hoveredId, pressedId).
constexpr uint8_t kHouseLeave = 1;
constexpr uint8_t kHouseHeal = 2;
constexpr uint8_t kHouseRecruit = 3;
constexpr uint8_t kHouseTalk = 4;
constexpr uint8_t kHouseDisband = 5;
constexpr uint8_t kHouseDisbandYes = 6;
constexpr uint8_t kHouseDisbandNo = 7;
constexpr uint8_t kHouseRecruitYes = 8;
constexpr uint8_t kHouseRecruitNo = 9;
constexpr uint8_t kHouseAcceptYes = 10;
constexpr uint8_t kHouseAcceptNo = 11;
constexpr uint8_t kHouseName = 12;

// The joined state (joinState) of a village or town.
constexpr uint8_t kNotJoined = 0;
constexpr uint8_t kFoundJoined = 1;   // the joined prices come next frame
constexpr uint8_t kJoinedPrices = 2;  // the joined prices are in force

// The fame triggers (fameGain, fameLoss).
constexpr uint8_t kFameRaised = 1;   // the procedure applies it
constexpr uint8_t kFameApplied = 2;  // applied, once per visit

// Sizes of the object's tables and sheets.
constexpr int kHouseArmySlots = 6;
constexpr int kHouseBagCells = 12;
constexpr int kHouseItemNumbers = 256;
constexpr int kHouseQuests = 100;
constexpr int kHouseCandidates = 10;  // room for ten, five are offered
constexpr int kHouseButtonImages = 33;
constexpr int kHouseArmyIcons = 40;
constexpr int kHouseItemIcons = 250;
constexpr int kHouseMoreRewards = 4;  // items of further quests closed by the same pass

// The top-left corner of the four values of the selected army and of the
// recruit panel, as the procedure passes it.
constexpr int32_t kHousePanelX = 170;
constexpr int32_t kHousePanelY = 200;

class HouseScreen {
 public:
  explicit HouseScreen(PlaceKind kind = PlaceKind::Village);
  virtual ~HouseScreen();  // releases the art
  HouseScreen(const HouseScreen&) = delete;
  HouseScreen& operator=(const HouseScreen&) = delete;

  // The place's row of the place table; nullptr while a village or town
  // number is outside its kind's range.
  const PlaceRow* Place() const;

  // ---- art (house_screen.cpp)
  void LoadArt(GraphicsDevice* device);            // buttons, font, letters
  void LoadPlacePictures(GraphicsDevice* device);  // the place's sheet, Recruit icon
  void LoadPortraits(GraphicsDevice* device);
  void LoadArmyIcons(GraphicsDevice* device);
  void ReleaseArt();

  // ---- hand-over (house_hand_over.cpp)
  // The visitor's health, bag, item tables and six armies; heroIndex.
  void CopyVisitorIn(const GameState& state);
  // The place's two held-back lists.
  void CopyHeldBackIn(const GameState& state);
  // Leaving: the held-back lists, the quest stages, the visitor's fields.
  void WriteBack(GameState& state) const;
  // The Talk button: every village (or town) whose joining quest stands at
  // stage 6 in questStage is marked joined in the record.
  void MarkJoinedPlaces(GameState& state) const;
  // Once per visit, when the place is found joined: the joined prices.
  void ApplyJoinedPrices(const GameState& state);

  // ---- held-back rewards (house_held_back.cpp)
  void NoteHeldBackItems();
  void ReturnHeldItems();

  // ---- drawing (house_screen_draw.cpp)
  void DrawPlace();
  void DrawMainPanel(int32_t x, int32_t y);

  // ---- recruiting (house_recruit.cpp, house_recruit_draw.cpp)
  // Once on entry: the place's five candidates, their prices and names.
  void SetUpRecruits(int32_t day);
  // Every frame: a confirmed candidate joins in the lowest free slot and is
  // paid from gold, or the no-money or no-room note goes up.
  void ApplyRecruit(int32_t& gold);
  // The purchase's notes and the Disband question.
  void DrawRecruitMessages();
  // The open recruit panel: the gold, the candidates, the picked one's box.
  void DrawRecruitPanel(int32_t x, int32_t y, int32_t gold);

  // ---- input (house_screen_input.cpp)
  void Hover(int32_t x, int32_t y);
  // 1 when a live button took a fresh press begun on it.
  uint32_t Click(int32_t x, int32_t y, InputDevice* mouse);
  void ClearHover();
  void SelectTests(int32_t x, int32_t y, InputDevice* mouse);
  void MeasureNames();
  void DisbandArmy();

  // ---- item pictures of the rewards (house_held_items.cpp)
  void LoadHeldItemPictures(GraphicsDevice* device);

  // ---- heal and raise (house_heal.cpp, house_heal_draw.cpp)
  // healResult: something needs healing and the gold pays for it;
  // healRefused (with healUnpaidNote): it needs healing, the gold is short.
  void CheckHeal(int32_t gold);
  // The Heal button's step: pays once and heals the visitor and its armies,
  // in the object and in the record at once; or sets the unpaid note.
  void Heal(GameState& state);
  // Raises the downed soldiers (and a visitor at 0 health) or, with nothing
  // down, sets every army's count to its full strength; sets the popups.
  void RefreshArmies();
  void DrawHealPopup();
  // The heal step's notes: nothing paid, too little gold, or paid.
  void DrawHealNotes();

  // ---- quests (house_quests.cpp), driven by the place's talk row
  // (places/talk_tables.h). One step pass of this place's quests.
  void StepQuests();
  void StepQuests(const PlaceTalk& talk);
  // Pays the gold and places the items the last pass prepared.
  void CollectReward(int32_t& gold);
  // The Yes answer: the offered quest is accepted (stage 2, fame + 1) and
  // true comes back; false, and the offer's no-room note, when its item
  // would find neither a bag cell nor a held-back place.
  bool AcceptQuest(GameState& state);
  bool AcceptQuest(GameState& state, const PlaceTalk& talk);

  // ---- talk (house_talk.cpp): the boxes the last pass flagged.
  void DrawTalk();
  void DrawTalk(const PlaceTalk& talk);

  // ---- pictures and font
  SpriteSheet* buttons{nullptr};        // 33 images
  SpriteSheet* placePictures{nullptr};  // 0 the place, 1 its name plate, 2 the kind caption
  SpriteSheet* portrait{nullptr};
  SpriteSheet* armyIcons{nullptr};  // image = ArmyKind
  SpriteSheet* itemIcons{nullptr};  // image n = item number n
  SpriteSheet* letters2{nullptr};
  SpriteSheet* letters1{nullptr};
  TextFont* font{nullptr};    // "Arial" 22
  int32_t townHeroHealth{0};  // a town's heal of a hero
  int32_t townHeroIndex{0};

  // ---- fame, joined state, raising
  uint8_t fameGain{0};
  uint8_t fameLoss{0};
  uint8_t joinState{kNotJoined};
  uint8_t armyGrew[kHouseArmySlots]{};
  uint8_t armyRaised[kHouseArmySlots]{};
  uint8_t raisedNote{0};
  uint8_t popupSeen{0};
  uint8_t grewNote{0};
  uint8_t armyBelowFull[kHouseArmySlots]{};
  uint8_t armyFullStrength[kHouseArmySlots]{};

  // ---- the place and the visitor
  PlaceKind placeKind;
  uint8_t placeNumber{0};  // village 1..9, town 1..4; 0 for a single place
  uint8_t playerPortrait{0};
  uint8_t visitorCode{0};  // MemberId: 1 the player, k + 2 hero k
  uint8_t heroIndex{0};    // visitorCode - 2 for a hero
  uint8_t recruitSlot{0};
  uint32_t visitDay{0};

  // ---- talk and quests
  uint8_t talkOpen{0};
  uint8_t boxCount{0};
  uint8_t questStage[kHouseQuests]{};  // quest q at index q - 1
  uint8_t showBox[kHouseQuests]{};     // the last entry is the nothing-to-talk box
  uint8_t acceptAsked{0};
  uint8_t currentQuest{0};
  uint8_t justAccepted{0};
  uint8_t acceptedShown{0};  // bit s: the accepted box of slot s was drawn
  uint8_t runningShown{0};
  uint8_t acceptedClose{0};
  uint8_t payGold{0};
  uint8_t giveItem{0};
  uint8_t itemPlaced{0};
  uint8_t moreRewards[kHouseMoreRewards]{};  // item numbers, after rewardItem
  uint8_t moreRewardCount{0};

  // ---- the visitor's bag and item tables
  uint8_t bag[kHouseBagCells]{};  // item ids, 0 empty
  uint8_t itemPictureWanted[kHouseItemNumbers]{};
  uint8_t itemHeld[kHouseItemNumbers]{};
  uint8_t itemSlot[kHouseItemNumbers]{};  // the item's place 0..30 in the record

  // ---- rewards and the held-back list
  uint8_t bagFull{0};
  uint8_t rewardItem{0};
  uint32_t rewardGold{0};
  uint8_t notEnoughGold{0};
  uint8_t heldBack[kHeldBackEntries]{};      // non-zero: an item waits
  uint8_t heldBackCopy[kHeldBackEntries]{};  // the item numbers
  uint8_t heldBackPlaced{0};
  uint8_t holdingAny{0};
  uint8_t heldBackCount{0};
  uint8_t itemsReturned{0};
  uint8_t severalHeldBack{0};
  uint8_t stillHolding{0};
  uint8_t clearReturnNotes{0};

  // ---- army selection and heal
  uint8_t selectedArmy{0};  // panel cell 1..6, 0 none
  uint8_t healRefused{0};
  uint8_t healAsked{0};
  int32_t health{0};
  int32_t maxHealth{0};
  uint8_t healResult{0};
  uint32_t healPrice{kHealPrice};

  // ---- recruits
  uint8_t recruitOpen{0};
  uint8_t candidateAvailable[kHouseCandidates]{};
  uint8_t selectedCandidate{0};  // 1..5, 0 none
  uint8_t recruitConfirmed{0};
  uint8_t recruited{0};
  uint8_t confirmedCandidate{0};
  uint32_t candidatePrice[kHouseCandidates]{};
  uint8_t candidateKind[kHouseCandidates]{};
  uint8_t candidateAttack[kHouseCandidates]{};
  uint8_t candidateShield[kHouseCandidates]{};
  uint8_t candidateTraining[kHouseCandidates]{};
  uint8_t candidateEquipment[kHouseCandidates]{};
  uint8_t candidateCount[kHouseCandidates]{};
  uint8_t candidateNameLength[kHouseCandidates]{};
  uint8_t candidateName[kHouseCandidates][kGlyphNameLength]{};
  uint8_t recruitNameBuffer[kGlyphNameLength]{};
  uint8_t recruitNameLength{0};

  // ---- notes and the Disband question
  uint8_t healUnpaidNote{0};
  uint8_t healPaidNote{0};
  uint8_t recruitJoinedNote{0};
  uint8_t noRoomNote{0};
  uint8_t disbandAsked{0};
  uint8_t disbandPlace{0};  // panel cell 1..6 to remove, 0 none

  // ---- the visitor's six armies (slot s = 0..5)
  uint8_t armyUsed[kHouseArmySlots]{};
  uint8_t armyCode[kHouseArmySlots]{};  // kind + 1, 0 a free slot
  uint8_t armyPlace[kHouseArmySlots]{};
  uint8_t armyKind[kHouseArmySlots]{};
  uint8_t armyCount[kHouseArmySlots]{};
  uint8_t armyCountBefore[kHouseArmySlots]{};
  uint8_t armyWound1[kHouseArmySlots]{};
  uint8_t armyWound2[kHouseArmySlots]{};
  uint8_t armyWound3[kHouseArmySlots]{};
  uint8_t armyDowned[kHouseArmySlots]{};
  int32_t armyAttack[kHouseArmySlots]{};
  int32_t armyShield[kHouseArmySlots]{};
  int32_t armyTraining[kHouseArmySlots]{};
  int32_t armyEquipment[kHouseArmySlots]{};
  uint8_t armyNameLength[kHouseArmySlots]{};
  uint8_t armyName[kHouseArmySlots][kGlyphNameLength]{};
  uint8_t rewardPending{0};

  // ---- buttons: looks house_art::kLookIdle, kLookHovered, kLookPressed
  uint8_t lookLeave{0};
  uint8_t lookHeal{0};
  uint8_t lookRecruit{0};
  uint8_t lookTalk{0};
  uint8_t lookName{0};
  uint8_t lookDisband{0};
  uint8_t lookDisbandYes{0};
  uint8_t lookDisbandNo{0};
  uint8_t lookRecruitYes{0};
  uint8_t lookRecruitNo{0};
  uint8_t lookAcceptYes{0};
  uint8_t lookAcceptNo{0};
  uint8_t healNoteShown{0};
  uint8_t recruitNoteShown{0};
  uint8_t hoveredStat{0};  // 5..8 the army value under the cursor, 0 none
  uint8_t mouseHeld{0};    // a press was seen, its release is awaited
  uint8_t clickTaken{0};   // a button took the press
  uint8_t pressedId{0};
  uint8_t hoveredId{0};

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(buttons);
    v.Handle(placePictures);
    v.Handle(portrait);
    v.Handle(armyIcons);
    v.Handle(itemIcons);
    v.Handle(letters2);
    v.Handle(letters1);
    v.Handle(font);
    v("townHeroHealth", townHeroHealth);
    v("townHeroIndex", townHeroIndex);
    v("fameGain", fameGain);
    v("fameLoss", fameLoss);
    v("joinState", joinState);
    v("armyGrew", armyGrew);
    v("armyRaised", armyRaised);
    v("raisedNote", raisedNote);
    v("popupSeen", popupSeen);
    v("grewNote", grewNote);
    v("armyBelowFull", armyBelowFull);
    v("armyFullStrength", armyFullStrength);
    v("placeKind", placeKind);
    v("placeNumber", placeNumber);
    v("playerPortrait", playerPortrait);
    v("visitorCode", visitorCode);
    v("heroIndex", heroIndex);
    v("recruitSlot", recruitSlot);
    v("visitDay", visitDay);
    v("talkOpen", talkOpen);
    v("boxCount", boxCount);
    v("questStage", questStage);
    v("showBox", showBox);
    v("acceptAsked", acceptAsked);
    v("currentQuest", currentQuest);
    v("justAccepted", justAccepted);
    v("acceptedShown", acceptedShown);
    v("runningShown", runningShown);
    v("acceptedClose", acceptedClose);
    v("payGold", payGold);
    v("giveItem", giveItem);
    v("itemPlaced", itemPlaced);
    v("moreRewards", moreRewards);
    v("moreRewardCount", moreRewardCount);
    v("bag", bag);
    v("itemPictureWanted", itemPictureWanted);
    v("itemHeld", itemHeld);
    v("itemSlot", itemSlot);
    v("bagFull", bagFull);
    v("rewardItem", rewardItem);
    v("rewardGold", rewardGold);
    v("notEnoughGold", notEnoughGold);
    v("heldBack", heldBack);
    v("heldBackCopy", heldBackCopy);
    v("heldBackPlaced", heldBackPlaced);
    v("holdingAny", holdingAny);
    v("heldBackCount", heldBackCount);
    v("itemsReturned", itemsReturned);
    v("severalHeldBack", severalHeldBack);
    v("stillHolding", stillHolding);
    v("clearReturnNotes", clearReturnNotes);
    v("selectedArmy", selectedArmy);
    v("healRefused", healRefused);
    v("healAsked", healAsked);
    v("health", health);
    v("maxHealth", maxHealth);
    v("healResult", healResult);
    v("healPrice", healPrice);
    v("recruitOpen", recruitOpen);
    v("candidateAvailable", candidateAvailable);
    v("selectedCandidate", selectedCandidate);
    v("recruitConfirmed", recruitConfirmed);
    v("recruited", recruited);
    v("confirmedCandidate", confirmedCandidate);
    v("candidatePrice", candidatePrice);
    v("candidateKind", candidateKind);
    v("candidateAttack", candidateAttack);
    v("candidateShield", candidateShield);
    v("candidateTraining", candidateTraining);
    v("candidateEquipment", candidateEquipment);
    v("candidateCount", candidateCount);
    v("candidateNameLength", candidateNameLength);
    v.Name("candidateName", candidateName);
    v.Name("recruitNameBuffer", recruitNameBuffer);
    v("recruitNameLength", recruitNameLength);
    v("healUnpaidNote", healUnpaidNote);
    v("healPaidNote", healPaidNote);
    v("recruitJoinedNote", recruitJoinedNote);
    v("noRoomNote", noRoomNote);
    v("disbandAsked", disbandAsked);
    v("disbandPlace", disbandPlace);
    v("armyUsed", armyUsed);
    v("armyCode", armyCode);
    v("armyPlace", armyPlace);
    v("armyKind", armyKind);
    v("armyCount", armyCount);
    v("armyCountBefore", armyCountBefore);
    v("armyWound1", armyWound1);
    v("armyWound2", armyWound2);
    v("armyWound3", armyWound3);
    v("armyDowned", armyDowned);
    v("armyAttack", armyAttack);
    v("armyShield", armyShield);
    v("armyTraining", armyTraining);
    v("armyEquipment", armyEquipment);
    v("armyNameLength", armyNameLength);
    v.Name("armyName", armyName);
    v("rewardPending", rewardPending);
    v("lookLeave", lookLeave);
    v("lookHeal", lookHeal);
    v("lookRecruit", lookRecruit);
    v("lookTalk", lookTalk);
    v("lookName", lookName);
    v("lookDisband", lookDisband);
    v("lookDisbandYes", lookDisbandYes);
    v("lookDisbandNo", lookDisbandNo);
    v("lookRecruitYes", lookRecruitYes);
    v("lookRecruitNo", lookRecruitNo);
    v("lookAcceptYes", lookAcceptYes);
    v("lookAcceptNo", lookAcceptNo);
    v("healNoteShown", healNoteShown);
    v("recruitNoteShown", recruitNoteShown);
    v("hoveredStat", hoveredStat);
    v("mouseHeld", mouseHeld);
    v("clickTaken", clickTaken);
    v("pressedId", pressedId);
    v("hoveredId", hoveredId);
  }
};

// The six kinds' screens: one GameApp field each.
class VillageHouseScreen : public HouseScreen {
 public:
  static constexpr PlaceKind kKind = PlaceKind::Village;
  VillageHouseScreen() : HouseScreen(kKind) {}
};
class TownHouseScreen : public HouseScreen {
 public:
  static constexpr PlaceKind kKind = PlaceKind::Town;
  TownHouseScreen() : HouseScreen(kKind) {}
};
class PalaceHouseScreen : public HouseScreen {
 public:
  static constexpr PlaceKind kKind = PlaceKind::Palace;
  PalaceHouseScreen() : HouseScreen(kKind) {}
};
class TempleHouseScreen : public HouseScreen {
 public:
  static constexpr PlaceKind kKind = PlaceKind::Temple;
  TempleHouseScreen() : HouseScreen(kKind) {}
};
class CastleHouseScreen : public HouseScreen {
 public:
  static constexpr PlaceKind kKind = PlaceKind::Castle;
  CastleHouseScreen() : HouseScreen(kKind) {}
};
class TowerHouseScreen : public HouseScreen {
 public:
  static constexpr PlaceKind kKind = PlaceKind::Tower;
  TowerHouseScreen() : HouseScreen(kKind) {}
};
