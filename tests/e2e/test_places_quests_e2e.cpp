// A quest played from a new game: Kapusta offers its first quest at Talk,
// Yes takes it and pays, the party walks to the apple tree and back, and the
// next Talk pays the reward; read from the state dump like any scenario.
// Then a full bag: the reward item is held back, said so, and comes back on
// a later visit.

#include <cstdint>
#include <string>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "map/day_change.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "places/house_screen.h"
#include "places/talk_tables.h"
#include "platform/input_device.h"

namespace {

std::string Shot(const char* name) { return TestFile(name); }

constexpr uint32_t kKapustaCell = 1353;
constexpr uint32_t kAppleTreeCell = 1508;  // quest 1's spot
constexpr int32_t kTalkX = 700, kTalkY = 280;
constexpr int32_t kYesX = 246, kYesY = 446;
constexpr int32_t kLeaveX = 700, kLeaveY = 40;
constexpr uint8_t kApples = 1;   // quest 1
constexpr uint8_t kAmulet = 12;  // its reward item

// A value of the state dump.
double Dumped(ScenarioDriver& d, const std::string& path) {
  JsonValue dump;
  if (!ParseJson(d.Dump(), &dump)) return -1;
  const JsonValue* v = FindJsonPath(dump, path);
  return v ? v->number : -1;
}

// The member standing on `from` walks to `to`: selected, the cell clicked
// with the camera on it, confirmed; runs until the walk is over or the map
// is left.
void WalkTo(ScenarioDriver& d, uint32_t from, uint32_t to) {
  KingdomMap& view = *d.App().kingdomMap;
  for (uint32_t cell : {from, to}) {
    int32_t x = 0, y = 0;
    cells::CellCorner(cell, &x, &y);
    view.cameraX = x - 400;
    view.cameraY = y - 300;
    d.RunFrames(1);
    d.Click(x - view.cameraX + 20, y - view.cameraY + 20, kMouseLeft);
    d.RunFrames(2);
  }
  d.PressKey(kKeyEnter);
  for (int i = 0; i < 200 && d.App().screenProc == GameApp::GoKingdomMap; ++i) {
    d.RunFrames(1);
    const MapEncounters* e = d.App().mapEncounters;
    if (e && i > 5 && e->playerWalkState == MapEncounters::kWalkIdle) break;
  }
}

void Press(ScenarioDriver& d, int32_t x, int32_t y) {
  d.Click(x, y, kMouseLeft);
  d.RunFrames(2);
}

bool Filled(const PlaceTalk& talk) { return talk.quests[0].quest != 0; }

}  // namespace

class PlacesQuestsE2E : public EndToEnd {};

TEST_F(PlacesQuestsE2E, KapustasFirstQuestIsTakenDoneAndPaid) {
  if (!Filled(*FindPlaceTalk(PlaceKind::Village, 1))) GTEST_SKIP() << "Kapusta's talk has not come";
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  d.Goto("GoKingdomMap");
  d.RunFrames(3);
  d.Click(600, 560, kMouseLeft);  // the day's board
  d.RunFrames(2);
  const uint32_t start = d.App().gameState->partyCell;
  const double gold0 = Dumped(d, "state.gold"), fame0 = Dumped(d, "state.fame");

  WalkTo(d, start, kKapustaCell);
  ASSERT_STREQ(d.ScreenName(), "VillageProc");
  d.RunFrames(2);
  Press(d, kTalkX, kTalkY);
  d.WriteShot(Shot("quest_offer.png"));
  ASSERT_EQ(d.App().villageScreen->questStage[kApples - 1], kQuestOpen);
  Press(d, kYesX, kYesY);
  d.WriteShot(Shot("quest_accepted.png"));
  EXPECT_EQ(Dumped(d, "state.gold"), gold0 + 20);
  EXPECT_EQ(Dumped(d, "state.fame"), fame0 + 1);
  Press(d, kLeaveX, kLeaveY);
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(Dumped(d, "state.questStage.0"), kQuestUnderWay);

  // The apple tree, with a fresh day's steps: its find closes with Enter
  // and the deed is done.
  d.App().mapEncounters->playerStepsLeft = day_change::kStepsPerDay;
  WalkTo(d, kKapustaCell, kAppleTreeCell);
  d.RunFrames(3);
  d.PressKey(kKeyEnter);
  d.RunFrames(3);
  EXPECT_EQ(Dumped(d, "state.questStage.0"), kQuestAchieved);

  d.App().mapEncounters->playerStepsLeft = day_change::kStepsPerDay;
  WalkTo(d, kAppleTreeCell, kKapustaCell);
  ASSERT_STREQ(d.ScreenName(), "VillageProc");
  d.RunFrames(2);
  Press(d, kTalkX, kTalkY);
  d.WriteShot(Shot("quest_done.png"));
  EXPECT_EQ(Dumped(d, "state.gold"), gold0 + 20 + 50);
  EXPECT_EQ(Dumped(d, "state.fame"), fame0 + 2);
  Press(d, kLeaveX, kLeaveY);
  d.RunFrames(3);
  EXPECT_EQ(Dumped(d, "state.questStage.0"), kQuestClosed);
  EXPECT_EQ(Dumped(d, "state.playerItems.0"), kAmulet) << "into the first bag cell";
}

TEST_F(PlacesQuestsE2E, AFullBagHoldsTheRewardBackUntilThereIsRoom) {
  if (!Filled(*FindPlaceTalk(PlaceKind::Village, 1))) GTEST_SKIP() << "Kapusta's talk has not come";
  constexpr uint8_t kRaiders = 2, kShoesRing = 151, kFiller = 200;
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  auto enter = [&] {
    s.villageNumber = 1;
    s.visitorCode = kVisitorPlayer;
    d.Goto("GoVillage");
    d.RunFrames(2);
  };
  s.questStage[kApples - 1] = kQuestClosed;
  s.questStage[kRaiders - 1] = kQuestAchieved;
  for (int c = 0; c < kHouseBagCells; ++c) s.playerItems[c] = kFiller;
  const int32_t gold0 = s.gold;
  enter();
  Press(d, kTalkX, kTalkY);
  d.WriteShot(Shot("quest_held_back.png"));
  EXPECT_EQ(Dumped(d, "objects.villageScreen.bagFull"), 1);
  EXPECT_EQ(s.gold, gold0 + 100);
  Press(d, kLeaveX, kLeaveY);
  d.RunFrames(2);
  const uint8_t* heldBack = s.worldBlockA[kVillageHeldBackRow];
  EXPECT_NE(heldBack[0], 0);
  EXPECT_EQ(s.worldBlockA[kVillageHeldBackCopyRow][0], kShoesRing - 1);

  s.playerItems[5] = 0;
  enter();
  d.WriteShot(Shot("quest_given_back.png"));
  EXPECT_EQ(Dumped(d, "objects.villageScreen.itemsReturned"), 1);
  EXPECT_EQ(Dumped(d, "objects.villageScreen.bag.5"), kShoesRing);
  Press(d, kLeaveX, kLeaveY);
  d.RunFrames(2);
  EXPECT_EQ(s.playerItems[5], kShoesRing);
  EXPECT_EQ(heldBack[0], 0);

  // No bag cell and no held-back place: quest 11 waits for room, unpaid.
  constexpr uint8_t kShoeThieves = 11;
  s.questStage[kRaiders - 1] = s.questStage[5 - 1] = kQuestClosed;
  s.questStage[kShoeThieves - 1] = kQuestAchieved;
  s.playerItems[5] = kFiller;
  for (int k = 0; k < kHeldBackEntries; ++k) {
    s.worldBlockA[kVillageHeldBackRow][k] = kFiller;
    s.worldBlockA[kVillageHeldBackCopyRow][k] = kFiller - 1;
  }
  const int32_t gold1 = s.gold;
  enter();
  Press(d, kTalkX, kTalkY);
  d.WriteShot(Shot("quest_no_room.png"));
  EXPECT_EQ(s.gold, gold1);
  EXPECT_EQ(Dumped(d, "objects.villageScreen.questStage.10"), kQuestAchievedSeen);

  // Still no room: Yes on an offer with an item keeps the talk up with the
  // note, the quest stays on offer and nothing is paid.
  constexpr uint8_t kEliteArmy = 34;
  Press(d, kLeaveX, kLeaveY);
  d.RunFrames(2);
  s.questStage[kShoeThieves - 1] = kQuestClosed;
  const int32_t fame2 = s.fame;
  enter();
  Press(d, kTalkX, kTalkY);
  ASSERT_EQ(d.App().villageScreen->questStage[kEliteArmy - 1], kQuestOpen);
  Press(d, kYesX, kYesY);
  d.WriteShot(Shot("quest_offer_no_room.png"));
  const HouseScreen& v = *d.App().villageScreen;
  EXPECT_EQ(v.questStage[kEliteArmy - 1], kQuestOpen);
  EXPECT_EQ(v.talkOpen, 1) << "the note is shown with the talk";
  EXPECT_EQ(v.showBox[kOfferNoRoomBox], 1);
  EXPECT_EQ(v.showBox[kNoRoomBox], 0) << "no reward waits";
  EXPECT_EQ(s.fame, fame2);
  EXPECT_EQ(s.gold, gold1);
}
