#pragma once
// MapEncounters: everything that stands or moves on the kingdom map - the
// player's figure, the ten heroes, gold piles, treasure bags and chests, the
// 100 enemy armies, the cells of the places and quest spots, a code per map
// cell, the walk in progress, the enemy marches, inspection, fame rewards,
// messages and the unit panel.
//
// The map screen owns one record: it builds it from the game record when the
// map is entered, drives it every frame and copies the results back when it
// hands over to another screen. The operations take few or no arguments and
// return nothing: each one sets flags of the record (beginStepPending,
// walkEnded, exchangeRequested, attackRequested, battleStarted, the entered
// flags ...) that the map screen reads and clears.
//
// Cell ids are MapCellIds 1..10800 (game/cell_geometry.h); the position of a
// map object is the top-left world corner of its cell; an x of 10000 marks an
// object that is not on the map.
//
// Cell codes (cellCode, one byte per cell): 0 nothing, 1 the player, 2..11
// hero 0..9, 12 + k gold pile k, 32 + k bag k, 52 + k chest k, 102 + k
// standing army k (0..49), army index + 80 for a marching army at the end of
// a leg.
//
// Met codes (metCode, what the cell where a walk ended holds): 0 nothing;
// 12..31 gold pile; 32..51 bag; 52..101 chest; 102..151 army 0..49; 152..204
// town cell; 205..231 village cell; 302..307 palace; 312..317 temple;
// 322..343 castle; 344 the tower; 345..444 special place; 1000..1029 quest
// cell; 2000..2049 army 50..99.

#include <cstdint>

class GraphicsDevice;
class SpriteSheet;
class TextFont;
class InputDevice;
class SoundChannel;

// One fixed road of the marching armies.
struct MapRoad {
  int32_t startX;
  int32_t startY;
  uint32_t startCell;
  uint8_t length;  // road points in use
  uint32_t roadCell[50];
  int32_t roadX[50];
  int32_t roadY[50];

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("startX", startX);
    v("startY", startY);
    v("startCell", startCell);
    v("length", length);
    v("roadCell", roadCell);
    v("roadX", roadX);
    v("roadY", roadY);
  }
};

class MapEncounters {
 public:
  MapEncounters();
  virtual ~MapEncounters();  // releases its pictures (ReleaseArt)
  MapEncounters(const MapEncounters&) = delete;
  MapEncounters& operator=(const MapEncounters&) = delete;

  // ---- pictures (map_encounters.cpp)
  void LoadArt(GraphicsDevice* device);
  // The pictures of the last find: item, gem, artifact (each sheet empty when
  // its flag is clear).
  void LoadFindArt(GraphicsDevice* device);
  void ReleaseArt();

  // playerAlive from the player's current health word: the player counts as
  // a target of the marching armies while his health is above 0.
  static uint8_t AliveFromHealth(int32_t health) { return health > 0 ? 1 : 0; }

  // Plays the pending find sounds ("Data\Key.wav" at 90, "Data\Coin.wav" at
  // 84, once each) when soundsOn, and clears both flags.
  void PlayPendingSounds(SoundChannel* sound, uint8_t soundsOn);

  // The cell code table by MapCellId; ids outside 1..10800 read 0 and are
  // never written.
  uint8_t CodeAt(uint32_t cell) const;
  void SetCode(uint32_t cell, uint8_t code);
  // What a walk that ends on the cell finds there (the met code).
  uint32_t MetCodeOf(uint32_t cell) const;

  // ---- cells, steps, entering places (map_encounters_walk.cpp)
  void CellAtPoint();
  void BeginStep();
  void SettleStep(uint8_t speed);
  void EnterPlace(int32_t& gold);
  void StoreFind();
  // The find's box goes without its closing click (End Turn, Hide, the
  // day's end, Enter, a leave): the find, shown or still to be shown, is
  // taken all the same.
  void PutFindAway();

  // ---- start tables, cell codes, inspecting (map_encounters_tables.cpp)
  void FillStartTables();
  void FillCellCodes();
  void InspectCell(uint32_t cell);

  // ---- clicks on the map (map_encounters_click.cpp)
  void ClickCell(uint32_t cell, uint8_t& clickFlag, int32_t targetX, int32_t targetY);
  // Nobody is selected any more (the day ends, the bar is hidden): what was
  // asked for the member goes with him: his planned walk or attack and its
  // route, trade mode, inspect mode with its text, a trade's refusal and a
  // panel button pressed for him. A walk or an attack already set off
  // (before the bar's button was let go, or the walker being let go as he
  // sets off) goes on.
  void LetGoOfSelection();
  // The member (1 the player, k + 2 hero k) becomes the selected one, however
  // he comes to be chosen (a click, the hover, Next, the day's board): the
  // member selected before is let go first, with all that was asked for him.
  // A walk or an attack under way keeps its attacker.
  void ChooseMember(uint8_t member);
  // A walk has set off, or an attack beside the member has been launched.
  bool SetOff() const;
  // The unit panel's press still to act is dropped: it was made for the
  // member chosen then, and acts for nobody else. A press still held stays
  // taken until it is let go (panelPressDropped).
  void DropPanelPress();

  // ---- placement and fixed routes (map_encounters_place.cpp)
  void FindFreeCell();
  void PlaceEnemyArmies();
  void PlaceRoutes();
  void SelectNextMover();
  void AimAtRouteStart();
  void AdvanceOnRoute();

  // ---- marching armies (map_encounters_march.cpp)
  void BuildRoute();
  void SteerMover(uint8_t pixels);
  void FindDefender();

  // ---- inspection texts and fame rewards (map_encounters_inspect.cpp)
  void DrawInspectText();
  void DrawFameRewards(uint8_t showMessages);
  // The fame rewards of a day change: clears the last list, grants every
  // reward whose threshold fame exceeds and whose once-per-game flag
  // (grantedOnce[0..22]) is clear, adds the gold it names to gold (held at
  // the 32-bit limit) or lets its hero join (heroOnMap set and placed by
  // FindFreeCell, focusHero set; the caller mirrors heroOnMap and heroCell
  // into the game record), then numbers the rows. A rung whose hero is
  // already on the map is only marked in grantedOnce.
  void GrantFameRewards(int32_t fame, uint8_t* grantedOnce, int32_t& gold);
  // Rows 0..5 to the granted rewards in reward order (six passes; a seventh
  // reward keeps row 0).
  void NumberFameRewardRows();

  // ---- messages and the day-and-gold display (map_encounters_messages.cpp)
  void DrawMessages(int32_t x, int32_t y, uint8_t showMessages, uint32_t gold,
                    SpriteSheet* barSheet, uint8_t barShown);

  // ---- drawing and the unit panel (map_encounters_draw.cpp)
  void DrawTreasures(int32_t camX, int32_t camY);
  void DrawEnemies(int32_t camX, int32_t camY);
  void DrawParty(int32_t camX, int32_t camY);
  void DrawUnitPanel();
  void Animate();
  void HoverPanelButtons(int32_t mouseX, int32_t mouseY);
  uint32_t ClickPanelButtons(int32_t mouseX, int32_t mouseY, InputDevice* input);
  void ClearPanelHover();
  // panelButtonLook is kept in the order Center, Walk, Trade, Attack,
  // Inspect, Next: the entry of button id 1..6.
  static int LookIndex(int buttonId);

  // ================================================================ fields

  // Pictures, sounds and place states
  SpriteSheet* objectSheet{};  // 40 images: figures, map objects, controls
  SpriteSheet* armySheet{};    // 30 images: army icons
  SpriteSheet* enemySheet{};   // 10 images: enemy figures
  SpriteSheet* gemPicture{};   // the pictures of the last find
  SpriteSheet* artifactPicture{};
  SpriteSheet* itemPicture{};
  TextFont* messageFont{};  // Arial 22
  uint8_t coinSoundPending{};
  uint8_t keySoundPending{};
  uint8_t blockedKind{};
  uint8_t towerClosed{};
  uint8_t placeStates[30]{};

  // Messages, raids and fame
  uint8_t siegeBattle{};
  uint8_t meetingCalledOff{};
  uint8_t raidSearchPos{};
  uint8_t outcomeDefendersAlone{};
  uint8_t outcomeDefendersHelped{};
  uint8_t outcomeArmyDefeated{};
  uint8_t outcomeShown{};
  uint8_t focusHero{};     // hero number 1..10 that joined at the day change
  uint8_t questMessage{};  // quest-event message 1..36
  uint32_t questCell[50]{};
  uint8_t questEventPending{};  // quest-cell text of the find panel
  uint8_t playerForcesHeal{};
  uint8_t enemyForcesHeal{};
  uint8_t castleEnemyHeals{};
  int32_t fame{};
  uint8_t fameRewardGranted[100]{};
  uint8_t fameRewardsShown{};
  uint8_t fameRewardRow[100]{};

  // Enemy armies and their marches
  uint8_t heroPlacePending{};
  uint8_t heroToPlace{};  // hero index to place
  uint8_t attackPlanned{};
  uint8_t freeCount{};
  uint8_t movingArmy{};
  uint8_t armyFinished{};
  uint8_t routePos[100]{};
  uint8_t routeIndex{};
  int32_t moverX{}, moverY{};
  int32_t legTargetX{}, legTargetY{};
  uint32_t legEndCell{};
  uint8_t legReady{};
  uint8_t armyStepping{};
  uint8_t legHasMeeting{};
  uint8_t legWaypoint{};
  uint8_t legReached{};
  uint8_t roadEnded[100]{};
  uint8_t enemyStepsLeft[100]{};
  uint8_t legCount{};
  uint8_t legPending[7]{};
  int32_t legX[7]{};
  int32_t legY[7]{};
  uint8_t legMeeting[7]{};
  uint8_t fighterCode{};  // 1 the player, 2..11 hero 0..9
  uint8_t legBuildStage{};
  uint8_t battleStarted{};
  uint8_t armyOnRoad[100]{};
  uint8_t moverFound{};
  uint8_t routeLength{};
  MapRoad roadA{};  // army 80 and armies 82..99
  MapRoad roadB{};  // army 81

  // Hand-over to the map screen, clicks and bags
  uint8_t battleId{};
  uint32_t walkClockStart{};
  uint8_t walkClockState{};
  uint8_t walkPhase{};
  uint8_t walkPhaseRising{};
  uint32_t chestClockStart{};
  uint8_t chestClockState{};
  uint8_t chestFrame{};
  uint32_t day{};
  // The invading armies' turn (invasion_turn.h).
  static constexpr uint8_t kTurnOver = 0;    // the player's turn
  static constexpr uint8_t kChooseArmy = 1;  // choose the next army
  static constexpr uint8_t kPlanLeg = 2;     // plan its leg
  static constexpr uint8_t kWalkLeg = 3;     // walk it
  static constexpr uint8_t kSettle = 200;    // every army has moved, or one stands at its place
  static constexpr uint8_t kArmyGone = 201;  // the army was gone when its place was searched
  uint8_t marchPhase{};
  uint8_t attackRequested{};
  uint8_t bagFull{};
  uint8_t walkSteps{};
  uint8_t enteredTown{};
  uint8_t townNumber{};
  uint8_t moverIsPlayer{};
  uint8_t moverHero{};
  uint8_t enteredVillage{};
  uint8_t villageNumber{};
  uint8_t attackCommand{};
  // A trade between two members.
  static constexpr uint8_t kMeetNone = 0;
  static constexpr uint8_t kMeetAsked = 1;    // the next click names the partner
  static constexpr uint8_t kMeetWalking = 2;  // walking to the partner
  static constexpr uint8_t kMeetReached = 3;  // partner reached: the exchange opens
  static constexpr uint8_t kMeetFar = 4;      // a far partner: the walk is planned
  static constexpr uint8_t kMeetOpen = 7;     // the exchange is open
  uint8_t meetingState{};
  uint8_t exchangeRequested{};
  uint8_t exchangeLeft{}, exchangeRight{};
  uint8_t inspectShown{};
  uint32_t inspectCode{};
  int32_t walkMarkX{}, walkMarkY{};
  uint8_t walkMarkShown{};
  uint8_t attackPending{};
  uint8_t enemyIndex{};
  uint8_t attackAdjacent{};
  uint8_t blockedMarkShown{};
  int32_t blockedMarkX{}, blockedMarkY{};
  uint8_t beginStepPending{};
  // Per unit (0 the player, h hero number 1..10): six slot-used flags, six
  // icon positions 0..5, six army kinds.
  uint8_t unitArmySlots[11][18]{};
  uint8_t portrait{};
  // The collector's bag: nothing to do, load it from the record, store it
  // back.
  static constexpr uint8_t kBagIdle = 0;
  static constexpr uint8_t kBagLoad = 1;
  static constexpr uint8_t kBagStore = 2;
  uint8_t bagState{};
  uint8_t bagHeroToLoad{};
  uint8_t bagOwner{};
  uint8_t playerCollects{};
  uint8_t heroCollects{};
  uint8_t storeFindPending{};
  uint8_t attackerCode{};
  uint8_t bagItems[12]{};   // item ids of the collector's bag cells
  uint8_t itemHeld[256]{};  // per item number
  uint8_t itemSlot[256]{};  // per item number: the item's place
  uint8_t gemSlots[30]{};
  uint8_t gemOwned[30]{};
  uint8_t gemSlotOf[30]{};
  uint8_t artifactSlots[30]{};
  uint8_t artifactOwned[30]{};
  uint8_t artifactSlotOf[30]{};
  uint32_t metCode{};
  uint8_t cellCode[10800]{};  // id 1 is the first byte

  // The last find
  // The find message: none, its pictures to load, shown.
  static constexpr uint8_t kFindNone = 0;
  static constexpr uint8_t kFindLoad = 1;
  static constexpr uint8_t kFindShown = 2;
  uint8_t findShown{};
  uint8_t goldFound{};
  uint8_t gemFound{};
  uint8_t artifactFound{};
  uint8_t itemFound{};

  // Start points
  int32_t walkerStartX{}, walkerStartY{};
  int32_t legStartX{}, legStartY{};

  // The walk (one at a time, the player's or a hero's)
  // The player's walk: idle, planned, confirmed, walking.
  static constexpr uint8_t kWalkIdle = 0;
  static constexpr uint8_t kWalkPlanned = 1;
  static constexpr uint8_t kWalkConfirmed = 2;
  static constexpr uint8_t kWalkRunning = 3;
  uint8_t playerWalkState{};
  uint8_t arrivedX{}, arrivedY{};
  uint8_t waypointReached{};
  uint8_t walkEnded{};
  uint32_t targetCell{};
  uint8_t pointPending{};
  uint8_t moveRight{}, moveLeft{}, moveUp{}, moveDown{};
  int32_t pointX{}, pointY{};
  uint8_t routeShown{};
  uint8_t planState{};
  uint8_t waypointActive[10]{};
  int32_t waypointX[10]{};
  int32_t waypointY[10]{};
  uint8_t waypointCount{};
  uint8_t waypointIndex{};
  uint8_t selectionChanged{};

  // The player
  int32_t playerX{}, playerY{};
  uint32_t playerCell{};
  uint8_t playerAlive{};
  uint8_t playerFacing{};  // 0 up, then clockwise by eighths
  uint8_t playerSelected{};
  uint8_t playerStepLimit{};
  uint8_t playerStepsLeft{};
  uint8_t recomputeDirection{};

  // The heroes (index 0..9)
  uint8_t heroOnMap[10]{};
  int32_t heroX[10]{};
  int32_t heroY[10]{};
  uint8_t heroFacing[10]{};
  uint32_t heroCell[10]{};
  uint8_t heroStepLimit[10]{};
  uint8_t heroStepsLeft[10]{};
  uint8_t selectedHero{};  // hero number 1..10, 0 none
  uint8_t heroWalkReady{};
  uint8_t heroWalkPlanned{};
  uint8_t heroWalking{};
  uint8_t walkingHero{};  // index 0..9
  uint8_t fightByPlayer{};
  uint8_t fightHero{};

  // Objects on the map
  uint8_t goldPilePresent[20]{};
  int32_t goldPileX[20]{};
  int32_t goldPileY[20]{};
  uint32_t goldPileCell[20]{};
  uint32_t foundGold{};
  uint8_t foundGem{};
  uint8_t foundArtifact{};
  uint8_t foundItem{};  // item number; the item id is + 1
  uint8_t bagPresent[20]{};
  int32_t bagX[20]{};
  int32_t bagY[20]{};
  uint32_t bagCell[20]{};
  uint8_t chestPresent[50]{};
  int32_t chestX[50]{};
  int32_t chestY[50]{};
  uint32_t chestCell[50]{};
  uint32_t mineCell[4]{};
  uint8_t enemyPresent[100]{};
  int32_t enemyX[100]{};
  int32_t enemyY[100]{};
  uint32_t enemyCell[100]{};
  uint8_t enemyKind[100]{};
  uint8_t enemyPlaced[100]{};
  uint8_t enemyFacing[100]{};
  uint8_t enemyAnimRow[100]{};
  uint8_t enemyDone[100]{};

  // Places
  uint32_t townCell[53]{};
  uint32_t villageCell[27]{};
  uint32_t palaceCell[6]{};
  uint8_t enteredPalace{};
  uint32_t templeCell[6]{};
  uint8_t enteredTemple{};
  uint32_t castleCell[22]{};
  uint8_t enteredCastle{};
  uint32_t towerCell{};
  uint8_t enteredTower{};
  uint32_t specialCell[100]{};
  uint8_t placeKind{};
  uint8_t panelButtonLook[6]{};
  // The unit panel's buttons, as hoverPanelButton and pressedPanelButton
  // name them (0 none).
  static constexpr uint8_t kPanelWalk = 1;
  static constexpr uint8_t kPanelTrade = 2;
  static constexpr uint8_t kPanelAttack = 3;
  static constexpr uint8_t kPanelInspect = 4;
  static constexpr uint8_t kPanelCentre = 5;
  static constexpr uint8_t kPanelNext = 6;
  uint8_t hoverPanelButton{};
  uint8_t pressedPanelButton{};
  uint8_t panelButtonHeld{};
  // A panel press was dropped while the button may still be held: the map
  // screen keeps the press taken (the button is gone, and the cell beneath
  // it is no place for the press to go).
  uint8_t panelPressDropped{};

  // The map screen's own working state, kept here so that it starts afresh
  // with every new population.

  // Inspecting: off, the next map click inspects, inspecting, a text just
  // closed.
  static constexpr uint8_t kInfoOff = 0;
  static constexpr uint8_t kInfoArmed = 1;
  static constexpr uint8_t kInfoInspecting = 2;
  static constexpr uint8_t kInfoJustClosed = 7;
  uint8_t infoMode{};
  // A text closing by the mouse (inspectClose the inspect text,
  // refusedClose the trade refusal): no close under way, pressed, released,
  // pressed a second time; the next release closes it.
  static constexpr uint8_t kCloseNone = 0;
  static constexpr uint8_t kClosePressed = 1;
  static constexpr uint8_t kCloseReleased = 2;
  static constexpr uint8_t kCloseSecondPress = 3;
  uint8_t inspectClose{};
  uint8_t mouseDownSeen{};      // a press was seen (a click without a selection inspects)
  uint8_t messageClickArmed{};  // the next press may close the message board
  // The press closed the board: no map click and no button pressed until
  // both buttons are up.
  uint8_t messageClickTaken{};
  // The press closed another box, until both buttons are up: a find, the
  // bag-full note or an army's outcome (no map click and no button), or the
  // inspect text or a trade's refusal (no button).
  static constexpr uint8_t kBoxClickNone = 0;
  static constexpr uint8_t kBoxClickButtons = 1;
  static constexpr uint8_t kBoxClickAll = 2;
  uint8_t boxClickTaken{};
  // A press was seen outside the party's turn (the armies marching or a
  // message of theirs up, a walk under way): held on into the party's turn,
  // it presses no button until both buttons are up.
  uint8_t turnPressHeld{};
  uint8_t mapClickArmed{};  // both buttons were seen up since the population was made
  // Both buttons were seen up since the last press: the panel takes a
  // press only in the frame it begins, where it is. One held down since
  // before (moved onto the panel, held while its member was let go and
  // another chosen, or the click that chose the member whose panel then
  // appears under it) is no press of the panel's.
  uint8_t panelClickArmed{};
  uint8_t findClose{};     // a press on the find message: it closes on release
  uint8_t bagFullClose{};  // a press on the bag-full message: it closes on release
  uint8_t refusedClose{};  // the trade refusal closes at the second press

  // The day change and the invading armies' turn (day_change.h,
  // invasion_turn.h)
  uint8_t dayEnded{};      // a day change ran this frame: the map screen closes the inspect text
  uint8_t armyMet[100]{};  // the invading army searched its place for defenders
  uint8_t armyChased{};    // a place search ran in this turn
  uint8_t armyFollow{};    // the camera goes to the moving army this frame
  int32_t followX{}, followY{};  // where the camera last followed it

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(objectSheet);
    v.Handle(armySheet);
    v.Handle(enemySheet);
    v.Handle(gemPicture);
    v.Handle(artifactPicture);
    v.Handle(itemPicture);
    v.Handle(messageFont);
    v("coinSoundPending", coinSoundPending);
    v("keySoundPending", keySoundPending);
    v("blockedKind", blockedKind);
    v("towerClosed", towerClosed);
    v("placeStates", placeStates);
    v("siegeBattle", siegeBattle);
    v("meetingCalledOff", meetingCalledOff);
    v("raidSearchPos", raidSearchPos);
    v("outcomeDefendersAlone", outcomeDefendersAlone);
    v("outcomeDefendersHelped", outcomeDefendersHelped);
    v("outcomeArmyDefeated", outcomeArmyDefeated);
    v("outcomeShown", outcomeShown);
    v("focusHero", focusHero);
    v("questMessage", questMessage);
    v("questCell", questCell);
    v("questEventPending", questEventPending);
    v("playerForcesHeal", playerForcesHeal);
    v("enemyForcesHeal", enemyForcesHeal);
    v("castleEnemyHeals", castleEnemyHeals);
    v("fame", fame);
    v("fameRewardGranted", fameRewardGranted);
    v("fameRewardsShown", fameRewardsShown);
    v("fameRewardRow", fameRewardRow);
    v("heroPlacePending", heroPlacePending);
    v("heroToPlace", heroToPlace);
    v("attackPlanned", attackPlanned);
    v("freeCount", freeCount);
    v("movingArmy", movingArmy);
    v("armyFinished", armyFinished);
    v("routePos", routePos);
    v("routeIndex", routeIndex);
    v("moverX", moverX);
    v("moverY", moverY);
    v("legTargetX", legTargetX);
    v("legTargetY", legTargetY);
    v("legEndCell", legEndCell);
    v("legReady", legReady);
    v("armyStepping", armyStepping);
    v("legHasMeeting", legHasMeeting);
    v("legWaypoint", legWaypoint);
    v("legReached", legReached);
    v("roadEnded", roadEnded);
    v("enemyStepsLeft", enemyStepsLeft);
    v("legCount", legCount);
    v("legPending", legPending);
    v("legX", legX);
    v("legY", legY);
    v("legMeeting", legMeeting);
    v("fighterCode", fighterCode);
    v("legBuildStage", legBuildStage);
    v("battleStarted", battleStarted);
    v("armyOnRoad", armyOnRoad);
    v("moverFound", moverFound);
    v("routeLength", routeLength);
    v("battleId", battleId);
    v("walkClockStart", walkClockStart);
    v("walkClockState", walkClockState);
    v("walkPhase", walkPhase);
    v("walkPhaseRising", walkPhaseRising);
    v("chestClockStart", chestClockStart);
    v("chestClockState", chestClockState);
    v("chestFrame", chestFrame);
    v("day", day);
    v("marchPhase", marchPhase);
    v("attackRequested", attackRequested);
    v("bagFull", bagFull);
    v("walkSteps", walkSteps);
    v("enteredTown", enteredTown);
    v("townNumber", townNumber);
    v("moverIsPlayer", moverIsPlayer);
    v("moverHero", moverHero);
    v("enteredVillage", enteredVillage);
    v("villageNumber", villageNumber);
    v("attackCommand", attackCommand);
    v("meetingState", meetingState);
    v("exchangeRequested", exchangeRequested);
    v("exchangeLeft", exchangeLeft);
    v("exchangeRight", exchangeRight);
    v("inspectShown", inspectShown);
    v("inspectCode", inspectCode);
    v("walkMarkX", walkMarkX);
    v("walkMarkY", walkMarkY);
    v("walkMarkShown", walkMarkShown);
    v("attackPending", attackPending);
    v("enemyIndex", enemyIndex);
    v("attackAdjacent", attackAdjacent);
    v("blockedMarkShown", blockedMarkShown);
    v("blockedMarkX", blockedMarkX);
    v("blockedMarkY", blockedMarkY);
    v("beginStepPending", beginStepPending);
    v("unitArmySlots", unitArmySlots);
    v("portrait", portrait);
    v("bagState", bagState);
    v("bagHeroToLoad", bagHeroToLoad);
    v("bagOwner", bagOwner);
    v("playerCollects", playerCollects);
    v("heroCollects", heroCollects);
    v("storeFindPending", storeFindPending);
    v("attackerCode", attackerCode);
    v("bagItems", bagItems);
    v("itemHeld", itemHeld);
    v("itemSlot", itemSlot);
    v("gemSlots", gemSlots);
    v("gemOwned", gemOwned);
    v("gemSlotOf", gemSlotOf);
    v("artifactSlots", artifactSlots);
    v("artifactOwned", artifactOwned);
    v("artifactSlotOf", artifactSlotOf);
    v("metCode", metCode);
    v("cellCode", cellCode);
    v("findShown", findShown);
    v("goldFound", goldFound);
    v("gemFound", gemFound);
    v("artifactFound", artifactFound);
    v("itemFound", itemFound);
    v("walkerStartX", walkerStartX);
    v("walkerStartY", walkerStartY);
    v("legStartX", legStartX);
    v("legStartY", legStartY);
    v("playerWalkState", playerWalkState);
    v("arrivedX", arrivedX);
    v("arrivedY", arrivedY);
    v("waypointReached", waypointReached);
    v("walkEnded", walkEnded);
    v("targetCell", targetCell);
    v("pointPending", pointPending);
    v("moveRight", moveRight);
    v("moveLeft", moveLeft);
    v("moveUp", moveUp);
    v("moveDown", moveDown);
    v("pointX", pointX);
    v("pointY", pointY);
    v("routeShown", routeShown);
    v("planState", planState);
    v("waypointActive", waypointActive);
    v("waypointX", waypointX);
    v("waypointY", waypointY);
    v("waypointCount", waypointCount);
    v("waypointIndex", waypointIndex);
    v("selectionChanged", selectionChanged);
    v("playerX", playerX);
    v("playerY", playerY);
    v("playerCell", playerCell);
    v("playerAlive", playerAlive);
    v("playerFacing", playerFacing);
    v("playerSelected", playerSelected);
    v("playerStepLimit", playerStepLimit);
    v("playerStepsLeft", playerStepsLeft);
    v("recomputeDirection", recomputeDirection);
    v("heroOnMap", heroOnMap);
    v("heroX", heroX);
    v("heroY", heroY);
    v("heroFacing", heroFacing);
    v("heroCell", heroCell);
    v("heroStepLimit", heroStepLimit);
    v("heroStepsLeft", heroStepsLeft);
    v("selectedHero", selectedHero);
    v("heroWalkReady", heroWalkReady);
    v("heroWalkPlanned", heroWalkPlanned);
    v("heroWalking", heroWalking);
    v("walkingHero", walkingHero);
    v("fightByPlayer", fightByPlayer);
    v("fightHero", fightHero);
    v("goldPilePresent", goldPilePresent);
    v("goldPileX", goldPileX);
    v("goldPileY", goldPileY);
    v("goldPileCell", goldPileCell);
    v("foundGold", foundGold);
    v("foundGem", foundGem);
    v("foundArtifact", foundArtifact);
    v("foundItem", foundItem);
    v("bagPresent", bagPresent);
    v("bagX", bagX);
    v("bagY", bagY);
    v("bagCell", bagCell);
    v("chestPresent", chestPresent);
    v("chestX", chestX);
    v("chestY", chestY);
    v("chestCell", chestCell);
    v("mineCell", mineCell);
    v("enemyPresent", enemyPresent);
    v("enemyX", enemyX);
    v("enemyY", enemyY);
    v("enemyCell", enemyCell);
    v("enemyKind", enemyKind);
    v("enemyPlaced", enemyPlaced);
    v("enemyFacing", enemyFacing);
    v("enemyAnimRow", enemyAnimRow);
    v("enemyDone", enemyDone);
    v("townCell", townCell);
    v("villageCell", villageCell);
    v("palaceCell", palaceCell);
    v("enteredPalace", enteredPalace);
    v("templeCell", templeCell);
    v("enteredTemple", enteredTemple);
    v("castleCell", castleCell);
    v("enteredCastle", enteredCastle);
    v("towerCell", towerCell);
    v("enteredTower", enteredTower);
    v("specialCell", specialCell);
    v("placeKind", placeKind);
    v("panelButtonLook", panelButtonLook);
    v("hoverPanelButton", hoverPanelButton);
    v("pressedPanelButton", pressedPanelButton);
    v("panelButtonHeld", panelButtonHeld);
    v("panelPressDropped", panelPressDropped);
    v("infoMode", infoMode);
    v("inspectClose", inspectClose);
    v("mouseDownSeen", mouseDownSeen);
    v("messageClickArmed", messageClickArmed);
    v("messageClickTaken", messageClickTaken);
    v("boxClickTaken", boxClickTaken);
    v("turnPressHeld", turnPressHeld);
    v("mapClickArmed", mapClickArmed);
    v("panelClickArmed", panelClickArmed);
    v("findClose", findClose);
    v("bagFullClose", bagFullClose);
    v("refusedClose", refusedClose);
    v("dayEnded", dayEnded);
    v("armyMet", armyMet);
    v("armyChased", armyChased);
    v("armyFollow", armyFollow);
    v("followX", followX);
    v("followY", followY);
    // The roads come last in the dump.
    v("roadA", roadA);
    v("roadB", roadB);
  }

 private:
  // ---- steps shared by walk planning, walking and marching
  // (map_encounters_walk.cpp)
  void ClearMoveFlags();
  void ClearWaypoints();
  // moveRight/moveLeft/moveUp/moveDown: the whole cells from one point to
  // another on each axis.
  void CountCellsTo(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
  // The next cell from (x, y) towards the counted target, diagonally while
  // both axes have cells left; uses up one cell of each axis it moves on.
  void StepTowardsTarget(int32_t x, int32_t y, int32_t& nx, int32_t& ny);
  // A marching army's leg point n at (x, y): meeting the player or a hero
  // there ends the leg with a fight.
  void MeetOnLeg(int n, int32_t x, int32_t y);
};

// ================================================================ tables
// The fixed texts and layouts the drawing uses, readable by the tests and
// the map screen.
namespace map_encounters {

constexpr int32_t kOffMap = 10000;  // x of an object that is not on the map

// One line of the inspect box: the box (objectSheet picture 7) at (boxX, 200)
// scaled scaleX x scaleY, the text at (textX, textY) in a textW x textH
// rectangle.
struct InspectRow {
  uint32_t code;
  const char* text;
  int32_t boxX;
  float scaleX, scaleY;
  int32_t textX, textY, textW, textH;
};
// The row of an inspect code, nullptr when the code has none.
const InspectRow* FindInspectRow(uint32_t code);
// Whether an inspect code is shown with these place states (the tower and
// the tribes' names only while their places stand).
bool InspectCodeShown(uint32_t code, const uint8_t* placeStates);

struct FameReward {
  int32_t threshold;  // granted when fame exceeds it
  const char* text;
  int32_t textX;
  int32_t gold;       // 0 for a joining hero
  uint8_t heroIndex;  // the joining hero's index, 255 for gold
};
constexpr int kFameRewardCount = 23;
extern const FameReward kFameRewards[kFameRewardCount];

// Where the digits of a number go: count digits, leading digit first.
struct DigitLayout {
  int count;
  int32_t x[6];
  uint8_t digit[6];
};
// The day in the corner box (nothing from 1000 on).
DigitLayout CornerDayDigits(uint32_t day);
// The gold in the corner box (above 99999 the lowest six digits).
DigitLayout CornerGoldDigits(uint32_t gold);
// The fame in the fame box (nothing below 0 or from 1000 on).
DigitLayout FameDigits(int32_t fame);
// The gold of a find, relative to the x argument of DrawMessages.
DigitLayout FoundGoldDigits(uint32_t gold, int32_t x);

}  // namespace map_encounters
