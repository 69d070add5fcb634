#pragma once
// GameState: the one record of the whole game. The application owns exactly
// one; every screen copies the fields it shows or edits into its own object
// when it is entered and back when it is left. The save image
// (save_image.h) carries every member not marked "not saved".
//
// Member ids (MemberId) across the game: 1 = the player, k + 2 = hero k
// (k = 0..9). Per-hero tables are indexed 0..9; a hero number passed as
// 1..10 is the index + 1.

#include <cstdint>

#include "game/glyph_name.h"

// Member ids.
constexpr uint8_t kMemberPlayer = 1;
constexpr uint8_t kFirstHeroMember = 2;  // hero 0
constexpr uint8_t kLastHeroMember = 11;  // hero 9

constexpr int kHeroCount = 10;
constexpr int kQuestCount = 100;
constexpr int kPlaceCount = 30;
constexpr int kArmySlots = 6;
constexpr int kItemPlaces = 31;  // 12 bag cells, then 19 body slots
constexpr int kBagCells = 12;
constexpr int kItemNumbers = 256;  // per item number n = item id - 1
constexpr int kHallRows = 5;
constexpr int kEnemyArmies = 100;
constexpr int kFallbackCells = 11;
constexpr int kRouteLength = 7;
constexpr int kFameRungs = 23;       // rungs of the fame ladder
constexpr int kFameRungColumn = 12;  // where fameRungDone lies in heroNames row 0

// The quest stages (QuestStage, one byte per quest 1..100 at index q - 1).
constexpr uint8_t kQuestNotGiven = 0;
constexpr uint8_t kQuestOpen = 1;
constexpr uint8_t kQuestAccepted = 2;
constexpr uint8_t kQuestUnderWay = 4;
constexpr uint8_t kQuestAchieved = 5;
constexpr uint8_t kQuestAchievedSeen = 6;
constexpr uint8_t kQuestClosed = 7;

// The entries of GameState::options.
constexpr int kOptionMusic = 0;
constexpr int kOptionSounds = 1;
constexpr int kOptionMapSpeed = 2;
constexpr int kOptionBattleMoveSpeed = 3;
constexpr int kOptionSwingSpeed = 4;
constexpr int kOptionCount = 5;
// Values of the music and sounds switches.
constexpr uint8_t kSwitchOff = 0;
constexpr uint8_t kSwitchOn = 1;
// Values of the three speeds.
constexpr uint8_t kSpeedSlow = 1;
constexpr uint8_t kSpeedAverage = 2;
constexpr uint8_t kSpeedFast = 3;

// The nine stat words of the player (playerStats) and of each hero
// (heroStats row j).
enum StatWord : int {
  kStatBaseHealth = 0,
  kStatMaxHealth = 1,    // base + worn bonuses
  kStatThirdHealth = 2,  // a third health word no screen reads
  kStatHealth = 3,       // current
  kStatBaseAttack = 4,
  kStatAttack = 5,  // total
  kStatBaseShield = 6,
  kStatShield = 7,  // total
  kStatExperience = 8,
  kStatWords = 9
};

// The six army slots of one member as parallel arrays (slot s = 0..5). The
// party screens and the places know some of these by other names:
// armyKindCode = armyCode / playerArmyCode (the marker), armyPanelPlace =
// armySlot / playerArmyPlace, armyValue1..4 = attack, shield, training,
// equipment (armyAttack .. armyEquipment, playerArmyAttack ..), armyMark1..3 =
// the three heal/wound marks (armyMarkTopLeft, armyMarkTopRight,
// armyMarkBottomLeft, playerArmyWound1..3), armyMark4 = the skull, soldiers
// down (armySkull, playerArmyDowned), armyNames = playerArmyName, armyTail1/2
// = extraA/extraB.
struct ArmyRecord {
  uint8_t armyKindCode[kArmySlots];    // army kind + 1, 0 = none
  uint8_t armyUsed[kArmySlots];        // the slot holds an army
  uint8_t armyPanelPlace[kArmySlots];  // place 0..5 in the army panel
  uint8_t armyKind[kArmySlots];        // ArmyKind, the icon frame
  int32_t armyValue1[kArmySlots];
  int32_t armyValue2[kArmySlots];
  int32_t armyValue3[kArmySlots];
  int32_t armyValue4[kArmySlots];
  uint8_t armyCount[kArmySlots];  // soldiers
  uint8_t armyMark1[kArmySlots];
  uint8_t armyMark2[kArmySlots];
  uint8_t armyMark3[kArmySlots];
  uint8_t armyMark4[kArmySlots];
  uint8_t armyNames[kArmySlots][kGlyphNameLength];
  uint8_t armyTail1[kArmySlots];
  uint8_t armyTail2[kArmySlots];

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("armyKindCode", armyKindCode);
    v("armyUsed", armyUsed);
    v("armyPanelPlace", armyPanelPlace);
    v("armyKind", armyKind);
    v("armyValue1", armyValue1);
    v("armyValue2", armyValue2);
    v("armyValue3", armyValue3);
    v("armyValue4", armyValue4);
    v("armyCount", armyCount);
    v("armyMark1", armyMark1);
    v("armyMark2", armyMark2);
    v("armyMark3", armyMark3);
    v("armyMark4", armyMark4);
    v.Name("armyNames", armyNames);
    v("armyTail1", armyTail1);
    v("armyTail2", armyTail2);
  }
};

// A hero's items: the twins of playerItemHeld, playerItemSlot, playerItems.
// Invariant: for an item id v in place i, held[v - 1] != 0 and
// slot[v - 1] == i, the place itself (0..30); whoever puts an item into the
// bag writes the bag cell, never cell + 1.
struct ItemRecord {
  uint8_t held[kItemNumbers];
  uint8_t slot[kItemNumbers];
  uint8_t items[kItemPlaces];

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("held", held);
    v("slot", slot);
    v("items", items);
  }
};

// What the player owns, three arrays per kind: a picture number per place
// (1-based, 0 = empty), the owned flag (villages: joined), a second picture
// number. The map's population calls the gem arrays gemSlots, gemOwned,
// gemSlotOf; the places call townOwned townMineOwned. Towns and mines in the
// order gold mine, towns 1..4, iron mine.
struct Wealth {
  uint8_t gemPicture[30];
  uint8_t gemOwned[30];
  uint8_t gemPicture2[30];
  uint8_t artifactPicture[30];
  uint8_t artifactOwned[30];
  uint8_t artifactPicture2[30];
  uint8_t villagePicture[10];
  uint8_t villageJoined[10];
  uint8_t villagePicture2[10];
  uint8_t townPicture[10];
  uint8_t townOwned[10];
  uint8_t townPicture2[10];

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("gemPicture", gemPicture);
    v("gemOwned", gemOwned);
    v("gemPicture2", gemPicture2);
    v("artifactPicture", artifactPicture);
    v("artifactOwned", artifactOwned);
    v("artifactPicture2", artifactPicture2);
    v("villagePicture", villagePicture);
    v("villageJoined", villageJoined);
    v("villagePicture2", villagePicture2);
    v("townPicture", townPicture);
    v("townOwned", townOwned);
    v("townPicture2", townPicture2);
  }
};

// The map population's state, stored by the map before a battle and
// restored after it. Its meaning belongs to the map; the record keeps the
// widths and the order. member1[0] is a map entry index 0..99; heroIndex is
// the marching army's route waypoint index; snapshotLegX/Y are the world
// positions of the route's waypoints 0..6.
struct MapSnapshot {
  uint8_t member1[3];
  int32_t member2[5];
  uint8_t member3[3];
  uint8_t heroIndex;                   // member 3, element 3
  uint8_t member3Rest[109];            // member 3, elements 4..112
  int32_t snapshotLegA[kRouteLength];  // member 4, elements 0..6
  int32_t snapshotLegX[kRouteLength];  // member 4, elements 7..13
  int32_t snapshotLegY[kRouteLength];  // member 4, elements 14..20
  uint8_t member5[15];
  int32_t member6[3];
  uint8_t member7;
  int32_t member8[153];
  uint8_t member9;
  int32_t member10[150];

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("member1", member1);
    v("member2", member2);
    v("member3", member3);
    v("heroIndex", heroIndex);
    v("member3Rest", member3Rest);
    v("snapshotLegA", snapshotLegA);
    v("snapshotLegX", snapshotLegX);
    v("snapshotLegY", snapshotLegY);
    v("member5", member5);
    v("member6", member6);
    v("member7", member7);
    v("member8", member8);
    v("member9", member9);
    v("member10", member10);
  }
};

// The head of the battle's resume state (the rest lies in worldBlockJ..N):
// turn number, fighter cell, six army cells, then state bytes and frames.
struct BattleResume {
  uint8_t member1;
  int32_t member2;
  int32_t member3[6];
  uint8_t member4[14];  // u8, u8[6], u8, u8[6]

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("member1", member1);
    v("member2", member2);
    v("member3", member3);
    v("member4", member4);
  }
};

class GameState {
 public:
  GameState();
  virtual ~GameState() = default;

  // The new-game initialisers, run in this order after the constructor (then
  // AdvanceQuestChains).
  void InitHeroStats();
  void InitHeroRecords();
  void ResetHeroTables();
  void ResetPlayer();
  void ResetProgress();

  // Opens (stage 0 -> 1) every quest whose chain condition holds.
  void AdvanceQuestChains();
  // score := the day's income from the wealth (at most 540).
  void ComputeScore();
  // Puts hallScore with playerName into the five hall-of-fame rows.
  void EnterHallOfFame();
  // Settles the fighting member's cell after a battle with a marching army.
  void RelocateAfterBattle(uint8_t battleId, uint8_t playerFought, uint8_t heroNumber);

  // Hero k's name (heroNames is stored column-wise).
  void GetHeroName(int k, uint8_t* out21) const;
  void SetHeroName(int k, const uint8_t* name21);

  // The player's named stat words.
  int32_t& playerBaseHealth() { return playerStats[kStatBaseHealth]; }
  int32_t& playerMaxHealth() { return playerStats[kStatMaxHealth]; }
  int32_t& playerHealth() { return playerStats[kStatHealth]; }
  int32_t& playerBaseAttack() { return playerStats[kStatBaseAttack]; }
  int32_t& playerAttack() { return playerStats[kStatAttack]; }
  int32_t& playerBaseShield() { return playerStats[kStatBaseShield]; }
  int32_t& playerShield() { return playerStats[kStatShield]; }
  int32_t& playerExperience() { return playerStats[kStatExperience]; }

  // ---- Calendar and world ----
  uint32_t reserved0[2]{};            // not saved
  uint32_t day{};                     // 1 at a new game
  uint8_t questStage[kQuestCount]{};  // quest q at index q - 1
  uint8_t placeState[kPlaceCount]{};  // 10 the tower, 11..17 the tribes and the evil temple
  // Save block A. The places keep their held-back reward lists here
  // (heldRewards), ten entries a row: rows 0..7 palaceHeldBack,
  // palaceHeldBackCopy, templeHeldBack, templeHeldBackCopy, castleHeldBack,
  // castleHeldBackCopy, towerHeldBack, towerHeldBackCopy; rows 8..16
  // villageHeldBack (villages 1..9), 17..25 villageHeldBackCopy; rows 26..29
  // townHeldBack (towns 1..4), 30..33 townHeldBackCopy.
  uint8_t worldBlockA[34][10]{};
  uint8_t slot{};                 // save slot 1..5, 0 = none
  uint8_t placeVisitFlag{};       // set on entering a village or the tower; not saved
  uint8_t musicRestartPending{};  // set by the battle on its way back; not saved
  uint8_t fallbackCount{};        // not saved
  uint8_t fallbackPending{};      // not saved
  // Whether the battle must place the member who fought afterwards. The map
  // writes kRelocationPending when a marching army catches a member and the
  // battle is handed over, and on every leave writes pending while a fighter
  // is set, else none. The battle, on a defeat or a retreat with
  // kRelocationPending, calls RelocateAfterBattle, which writes
  // kRelocationDone. Any value but none tells the map's next entry that the
  // battle came from an army's chase. (Also known as battleHandOverState /
  // relocatePending.)
  static constexpr uint8_t kRelocationNone = 0;
  static constexpr uint8_t kRelocationPending = 1;
  static constexpr uint8_t kRelocationDone = 2;
  uint8_t relocationState{};
  // The party was caught during an invasion event: relocate through the
  // fallback lists. (battleHandOverMode / relocateToFallback.)
  uint8_t useFallbackCells{};
  int32_t partyX{}, partyY{};                // start of the catching army's leg
  uint32_t fallbackCells[kFallbackCells]{};  // not saved
  // Index (battle id - 1) of the marching army just beaten. (mapAuxFlag /
  // beatenArmy.)
  uint8_t defeatedArmy{};
  uint8_t reserved1{};               // not saved
  uint8_t storyScene{};              // 1 intro, 2..4 endings; not saved
  uint8_t reserved2{};               // not saved
  uint8_t reserved3{};               // not saved
  uint8_t clockBase{};               // start value of new animation clocks; not saved
  uint8_t reserved4[2]{};            // not saved
  uint8_t* writeImage{};             // image being written; not saved
  uint8_t* writeImage2{};            // second buffer of the save step; not saved
  uint8_t* readImage{};              // image being read; not saved
  uint8_t* probeImage{};             // buffer of a probe of the save files; not saved
  uint8_t slotFilled[5]{};           // per save slot: the file exists; not saved
  uint8_t slotsStale{};              // re-read the save files (probeNeeded); not saved
  uint32_t hallScore{};              // score to enter into the hall of fame; not saved
  uint8_t hallUsed[kHallRows]{};     // not saved (kept in the hall-of-fame file)
  uint32_t hallScores[kHallRows]{};  // highest first; not saved

  // ---- Map population tables (the map's own; indexed by enemy army 0..99) ----
  // Save block B: elements 0..99 a per-army table, element 100 the byte the
  // map sets when it hands a battle over; enemyPresent follows as 101..200.
  uint8_t worldBlockB[101]{};
  uint8_t enemyPresent[kEnemyArmies]{};    // 0..64 at a new game
  int32_t worldBlockC[3][kEnemyArmies]{};  // three words per army (enemyX, enemyY among them)
  uint8_t worldBlockD[4][kEnemyArmies]{};  // four bytes per army (the facing among them)
  uint8_t armyRoutePos[kEnemyArmies]{};    // save block E
  uint8_t armyOnRoad[kEnemyArmies]{};      // save block F
  // Save block G, elements 0..202: caughtByArmy, fameRewardGranted,
  // fameRewardsShown, fameRewardRow, worldBlockGEnd.
  uint8_t caughtByArmy{};            // read by the battle at its start
  uint8_t fameRewardGranted[100]{};  // per fame reward 0..22, this day only
  uint8_t fameRewardsShown{};
  uint8_t fameRewardRow[100]{};
  uint8_t worldBlockGEnd{};
  // The map's population in mapSnapshot. The map writes kSnapshotStored when
  // it stores it for a battle it hands over, and kSnapshotMapLeft on every
  // leave of the map (to a battle, a place or any other screen); the battle
  // writes kSnapshotMapLeft as it leaves. On its next entry the map restores
  // the snapshot when it reads kSnapshotMapLeft, then writes
  // kSnapshotRestored.
  static constexpr uint8_t kSnapshotRestored = 0;
  static constexpr uint8_t kSnapshotStored = 1;
  static constexpr uint8_t kSnapshotMapLeft = 2;
  uint8_t mapSnapshotState{};
  uint8_t mapEventFlag{};  // not saved
  int32_t fame{};
  MapSnapshot mapSnapshot{};
  uint8_t battleId{};  // enemy army index + 1
  // Per battle id (entry id - 1), handed to the battle and written back; the
  // battle calls them battleWear and battleLosses.
  uint8_t battleDifficulty[100]{};
  uint8_t battleExtra[100]{};
  uint8_t hallNames[kHallRows][kGlyphNameLength]{};
  // Save blocks H (the first 60 bytes) and I (the last 30): gold piles, bags,
  // chests present on the map (together the map's mapObjectFlags).
  uint8_t mapObjectFlagsA[20]{};  // gold piles
  uint8_t bagPresent[20]{};
  uint8_t chestPresent[50]{};
  uint8_t battlePending{};
  uint8_t battleByPlayer{};
  uint8_t battleHero{};                      // 1..10, 0 = the player
  uint8_t exchangeLeft{}, exchangeRight{};   // MemberIds, 100 = none
  uint8_t townNumber{};                      // 1..4
  uint8_t visitorCode{};                     // MemberId of the visitor
  uint8_t renameBuffer[kGlyphNameLength]{};  // an army name for the name editor
  uint8_t villageNumber{};                   // 1..9

  // ---- The player ----
  uint8_t playerName[kGlyphNameLength]{};
  uint8_t playerPortrait{};      // PlayerFigureLook gives the figure's look
  uint8_t playerDayAllowance{};  // steps left today, 7 each day
  uint8_t playerItems[kItemPlaces]{};
  uint8_t playerItemHeld[kItemNumbers]{};
  uint8_t playerItemSlot[kItemNumbers]{};
  int32_t playerStats[kStatWords]{};
  uint8_t playerLevel{};
  uint32_t partyCell{};      // MapCellId where the party stands
  uint8_t playerMapState{};  // facing 0..7
  ArmyRecord playerArmies{};
  uint8_t heroDayAllowance[kHeroCount]{};

  // ---- The heroes (k = 0..9) ----
  uint32_t heroCell[kHeroCount]{};
  uint8_t heroMapState[kHeroCount]{};
  uint8_t heroPresent[kHeroCount]{};
  uint8_t heroStripPlace[kHeroCount]{};  // strip place 1..35, 0 = none yet
  uint8_t heroPortrait[kHeroCount]{};
  int32_t heroStats[kStatWords][kHeroCount]{};  // [stat word][hero]
  uint8_t heroLevel[kHeroCount]{};
  ArmyRecord heroArmies[kHeroCount]{};
  ItemRecord heroItems[kHeroCount]{};
  uint8_t heroNameBuffer[kGlyphNameLength]{};  // a hero name for the name editor
  uint8_t heroNames[kGlyphNameLength][35]{};  // letter j of hero k at [j][k]; columns 10..34 unused
  // The fame ladder's once-per-game flags (1 = rung k + 1 paid). No field of
  // the save image holds them, so they live in row 0, columns 12..34 of
  // heroNames (save words 10584-10606): saved and loaded with the names, and
  // never read or written as a name (the names use columns 0..9; the new game
  // sets row 0 of columns 10 and 11 and leaves these at 0).
  uint8_t* fameRungDone() { return &heroNames[0][kFameRungColumn]; }
  const uint8_t* fameRungDone() const { return &heroNames[0][kFameRungColumn]; }
  static_assert(kFameRungColumn >= 12 && kFameRungColumn + kFameRungs <= 35);

  // ---- Wealth, score, gold and flags ----
  Wealth wealth{};
  uint32_t score{};  // the day's income from the wealth
  int32_t gold{};
  uint8_t reserved5{};    // not saved
  uint8_t overlayOpen{};  // not saved
  uint8_t reserved6{};    // not saved
  uint8_t gamePresent{};  // not saved
  uint8_t savedInBattle{};
  BattleResume battleResume{};
  // The rest of the battle's resume state: per enemy slot (50) a byte, three
  // words and eleven bytes; per allied slot (20) a byte, three words, eleven
  // bytes; twenty allied names.
  uint8_t worldBlockJ[50]{};
  int32_t worldBlockK[150]{};
  uint8_t worldBlockL[570]{};
  int32_t worldBlockM[60]{};
  uint8_t worldBlockN[640]{};
  // Music on, sounds on, map speed, battle movement speed, battle swing
  // speed (speeds 1 slow, 2 average, 3 fast).
  uint8_t options[kOptionCount]{};

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("reserved0", reserved0);
    v("day", day);
    v("questStage", questStage);
    v("placeState", placeState);
    v("worldBlockA", worldBlockA);
    v("slot", slot);
    v("placeVisitFlag", placeVisitFlag);
    v("musicRestartPending", musicRestartPending);
    v("fallbackCount", fallbackCount);
    v("fallbackPending", fallbackPending);
    v("relocationState", relocationState);
    v("useFallbackCells", useFallbackCells);
    v("partyX", partyX);
    v("partyY", partyY);
    v("fallbackCells", fallbackCells);
    v("defeatedArmy", defeatedArmy);
    v("reserved1", reserved1);
    v("storyScene", storyScene);
    v("reserved2", reserved2);
    v("reserved3", reserved3);
    v("clockBase", clockBase);
    v("reserved4", reserved4);
    v("writeImage", writeImage);
    v("writeImage2", writeImage2);
    v("readImage", readImage);
    v("probeImage", probeImage);
    v("slotFilled", slotFilled);
    v("slotsStale", slotsStale);
    v("hallScore", hallScore);
    v("hallUsed", hallUsed);
    v("hallScores", hallScores);

    v("worldBlockB", worldBlockB);
    v("enemyPresent", enemyPresent);
    v("worldBlockC", worldBlockC);
    v("worldBlockD", worldBlockD);
    v("armyRoutePos", armyRoutePos);
    v("armyOnRoad", armyOnRoad);
    v("caughtByArmy", caughtByArmy);
    v("fameRewardGranted", fameRewardGranted);
    v("fameRewardsShown", fameRewardsShown);
    v("fameRewardRow", fameRewardRow);
    v("worldBlockGEnd", worldBlockGEnd);
    v("mapSnapshotState", mapSnapshotState);
    v("mapEventFlag", mapEventFlag);
    v("fame", fame);
    v.View("fameRungDone", fameRungDone(), kFameRungs);
    v("mapSnapshot", mapSnapshot);
    v("battleId", battleId);
    v("battleDifficulty", battleDifficulty);
    v("battleExtra", battleExtra);
    v.Name("hallNames", hallNames);
    v("mapObjectFlagsA", mapObjectFlagsA);
    v("bagPresent", bagPresent);
    v("chestPresent", chestPresent);
    v("battlePending", battlePending);
    v("battleByPlayer", battleByPlayer);
    v("battleHero", battleHero);
    v("exchangeLeft", exchangeLeft);
    v("exchangeRight", exchangeRight);
    v("townNumber", townNumber);
    v("visitorCode", visitorCode);
    v.Name("renameBuffer", renameBuffer);
    v("villageNumber", villageNumber);

    v.Name("playerName", playerName);
    v("playerPortrait", playerPortrait);
    v("playerDayAllowance", playerDayAllowance);
    v("playerItems", playerItems);
    v("playerItemHeld", playerItemHeld);
    v("playerItemSlot", playerItemSlot);
    v("playerStats", playerStats);
    v("playerLevel", playerLevel);
    v("partyCell", partyCell);
    v("playerMapState", playerMapState);
    v("playerArmies", playerArmies);
    v("heroDayAllowance", heroDayAllowance);

    v("heroCell", heroCell);
    v("heroMapState", heroMapState);
    v("heroPresent", heroPresent);
    v("heroStripPlace", heroStripPlace);
    v("heroPortrait", heroPortrait);
    v("heroStats", heroStats);
    v("heroLevel", heroLevel);
    v("heroArmies", heroArmies);
    v("heroItems", heroItems);
    v.Name("heroNameBuffer", heroNameBuffer);
    v.NameColumns("heroNames", heroNames, kHeroCount);

    v("wealth", wealth);
    v("score", score);
    v("gold", gold);
    v("reserved5", reserved5);
    v("overlayOpen", overlayOpen);
    v("reserved6", reserved6);
    v("gamePresent", gamePresent);
    v("savedInBattle", savedInBattle);
    v("battleResume", battleResume);
    v("worldBlockJ", worldBlockJ);
    v("worldBlockK", worldBlockK);
    v("worldBlockL", worldBlockL);
    v("worldBlockM", worldBlockM);
    v("worldBlockN", worldBlockN);
    v("options", options);
  }
};

// Builds a new game on a freshly constructed record: the five initialisers in
// their order, then AdvanceQuestChains.
void RunNewGameSequence(GameState& state);
