// The kingdom map screen played headless: a new game's map, a walk onto a
// gold pile, the end of a day, scrolling to every edge, walks into places and
// against an army, trades, the returns from the screens it hands over to, and
// the game's ends.

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "e2e_armies.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "harness/scenario_script.h"
#include "map/control_bar.h"
#include "map/day_change.h"
#include "map/invasion_turn.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "map/map_game_copy.h"
#include "platform/input_device.h"

namespace {

std::string Out(const char* name) { return TestFile(name); }

// The start of every map test: a new game, the map, the day's board closed.
const char kOnTheMap[] =
    "tick 16\n"
    "frames 2\n"
    "goto GoKingdomMap\n"
    "frames 5\n"
    "expect screen MapProc\n"
    "click 600 560\n"
    "frames 2\n"
    "expect app.mapShowMessages 0\n";

int RunScript(const std::string& script, const char* name, std::string* err) {
  ScenarioOptions options;
  options.gameDir = TestFolder();
  std::ostringstream errors;
  const int rc = RunScenarioText(script, name, options, errors);
  *err = errors.str();
  return rc;
}

// A driver on the map of a new game whose record the caller may change
// first (setup runs before the map's first frame).
class MapGame {
 public:
  template <class Setup>
  explicit MapGame(Setup setup) {
    driver.Start();
    driver.RunFrames(2);
    setup(*driver.App().gameState);
    driver.Goto("GoKingdomMap");
    driver.RunFrames(3);
  }
  MapGame() : MapGame([](GameState&) {}) {}

  GameApp& App() { return driver.App(); }
  MapEncounters& Map() { return *driver.App().mapEncounters; }
  KingdomMap& View() { return *driver.App().kingdomMap; }
  GameState& State() { return *driver.App().gameState; }

  // Shows (x, y) of the world at the middle of the screen.
  void LookAt(int32_t x, int32_t y) {
    View().cameraX = x - 400;
    View().cameraY = y - 300;
    driver.RunFrames(1);
  }
  // A click on the world cell whose corner is (x, y), then two frames with
  // the buttons up so that the next click is a fresh one.
  void ClickWorld(int32_t x, int32_t y, int button = kMouseLeft) {
    driver.Click(x - View().cameraX + 20, y - View().cameraY + 20, button);
    driver.RunFrames(2);
  }
  // Closes the day's board with a click where nothing is.
  void CloseBoard() {
    driver.Click(600, 560, kMouseLeft);
    driver.RunFrames(2);
  }
  // Plans the player's walk to the cell at (x, y) and confirms it with Enter.
  void WalkPlayerTo(int32_t x, int32_t y, int frames = 90) {
    CloseBoard();
    LookAt(Map().playerX, Map().playerY);
    ClickWorld(Map().playerX, Map().playerY);
    ClickWorld(x, y);
    driver.PressKey(kKeyEnter);
    for (int i = 0; i < frames && driver.App().screenProc == GameApp::GoKingdomMap; ++i)
      driver.RunFrames(1);
  }

  ScenarioDriver driver;
};

// The map population of a new game, as the map screen builds it.
void BuildNewGamePopulation(MapEncounters& probe) {
  GameState s;
  RunNewGameSequence(s);
  map_copy::BuildFromGame(probe, s);
}

// Runs the armies' turn (and the night after it) to its end, closing every
// message with Enter; false when it has not ended within 5000 frames or the
// map was left.
bool RunArmiesTurn(MapGame& game) {
  ScenarioDriver& d = game.driver;
  for (int frames = 0; frames < 5000; ++frames) {
    if (d.App().screenProc != GameApp::GoKingdomMap) return false;
    if (game.Map().marchPhase == MapEncounters::kTurnOver && !d.App().dayRecoveryPending)
      return true;
    if (game.Map().questMessage || game.Map().outcomeShown) d.PressKey(kKeyEnter);
    d.RunFrames(1);
  }
  return false;
}

// The corner of the cell left of the given cell.
void CellLeftOf(uint32_t cell, uint32_t* left, int32_t* x, int32_t* y) {
  int cx = 0, cy = 0;
  cells::CellCorner(cell, &cx, &cy);
  *x = cx;
  *y = cy;
  *left = cells::CellAt(cx - 40, cy);
}

// After a walk began with a button or the magnifier asked for: a click on
// the player chooses him and does nothing else; the view stays.
void ExpectAClickOnThePlayerOnlyChoosesHim(MapGame& game) {
  MapEncounters& map = game.Map();
  const int32_t cameraX = game.View().cameraX, cameraY = game.View().cameraY;
  game.ClickWorld(map.playerX, map.playerY);
  EXPECT_EQ(map.playerSelected, 1);
  EXPECT_EQ(map.selectedHero, 0);
  EXPECT_EQ(map.meetingState, MapEncounters::kMeetNone);
  EXPECT_EQ(map.infoMode, MapEncounters::kInfoOff);
  EXPECT_EQ(map.inspectShown, 0);
  EXPECT_EQ(game.View().cameraX, cameraX) << "the view stays";
  EXPECT_EQ(game.View().cameraY, cameraY);
}

}  // namespace

class MapE2E : public EndToEnd {};

TEST_F(MapE2E, NewGameWalksOntoGoldPileZero) {
  std::string err;
  const std::string script = std::string(kOnTheMap) + "shot " + Out("map_screen_start.png") +
                             "\n"
                             // The player stands at (-720, 600), gold pile 0 three cells east.
                             "click 415 300\n"
                             "frames 2\n"
                             "expect objects.mapEncounters.playerSelected 1\n"
                             "click 535 300\n"
                             "frames 2\n"
                             "expect objects.mapEncounters.playerWalkState 1\n"
                             "key ENTER\n"
                             "frames 80\n"
                             "shot " +
                             Out("map_screen_walk.png") +
                             "\n"
                             "expect state.gold 50\n"
                             "expect objects.mapEncounters.playerStepsLeft 4\n"
                             "expect objects.mapEncounters.playerX -600\n"
                             "expect objects.mapEncounters.goldPilePresent.0 0\n"
                             "expect objects.mapEncounters.findShown 2\n"
                             "key ENTER\n"
                             "frames 2\n"
                             "expect objects.mapEncounters.findShown 0\n"
                             "expect state.gold 50\n"
                             // The end of the day, then the day's board and the night.
                             "click 726 461\n"
                             "frames 3\n"
                             "expect state.day 2\n"
                             "expect objects.mapEncounters.day 2\n"
                             "expect objects.mapEncounters.playerStepsLeft 7\n"
                             "expect app.dayRecoveryPending 0\n"
                             // A new game owns nothing and has no fame: no income, no reward.
                             "expect state.score 0\n"
                             "expect state.gold 50\n"
                             "expect objects.mapEncounters.fameRewardsShown 0\n"
                             "shot " +
                             Out("map_screen_day_two.png") +
                             "\n"
                             "expect screen MapProc\n";
  EXPECT_EQ(RunScript(script, "gold.txt", &err), 0) << err;
}

TEST_F(MapE2E, EndOfDayPaysIncomeAndFame) {
  MapGame game([](GameState& s) {
    s.fame = 5;                     // above rungs 1 (100 gold) and 2 (hero 1)
    s.wealth.gemOwned[0] = 1;       // 3 a day
    s.wealth.villageJoined[0] = 1;  // 10 a day
    s.gold = 7;
  });
  game.CloseBoard();
  game.driver.Click(726, 461, kMouseLeft);
  game.driver.RunFrames(2);
  GameState& s = game.State();
  EXPECT_EQ(s.day, 2u);
  EXPECT_EQ(s.score, 13u);
  EXPECT_EQ(s.gold, 7 + 13 + 100);
  EXPECT_EQ(s.fameRungDone()[0], 1);
  EXPECT_EQ(s.fameRungDone()[1], 1);
  EXPECT_EQ(game.Map().heroOnMap[1], 1) << "hero 1 joins at fame 5";
  EXPECT_EQ(game.App().mapShowMessages, 1);
  game.driver.WriteShot(Out("map_screen_day_change.png"));
  const std::string dump = game.driver.Dump();
  EXPECT_NE(dump.find("\"Because of your high fame:\""), std::string::npos);
  EXPECT_NE(dump.find("\"A hero joins you!\""), std::string::npos);

  // Enter closes the board and centres on the hero who joined.
  game.driver.PressKey(kKeyEnter);
  EXPECT_EQ(game.App().mapShowMessages, 0);
  EXPECT_EQ(game.Map().selectedHero, 2);
}

TEST_F(MapE2E, ScrollsToEveryEdge) {
  std::string err;
  const std::string script = std::string(kOnTheMap) +
                             "keydown RIGHT\nframes 300\nkeyup RIGHT\nframes 1\n"
                             "expect objects.kingdomMap.cameraX 2958\n"
                             "keydown DOWN\nframes 150\nkeyup DOWN\nframes 1\n"
                             "expect objects.kingdomMap.cameraY 1480\n"
                             "shot " +
                             Out("map_screen_south_east.png") +
                             "\n"
                             "keydown LEFT\nframes 320\nkeyup LEFT\nframes 1\n"
                             "expect objects.kingdomMap.cameraX -1826\n"
                             // The top edge by the mouse.
                             "move 400 2\nframes 200\nmove 400 300\nframes 1\n"
                             "expect objects.kingdomMap.cameraY -1226\n"
                             "shot " +
                             Out("map_screen_north_west.png") + "\n";
  EXPECT_EQ(RunScript(script, "scroll.txt", &err), 0) << err;
}

TEST_F(MapE2E, WalkIntoAVillage) {
  uint32_t left = 0;
  int32_t x = 0, y = 0;
  CellLeftOf(1352, &left, &x, &y);
  MapGame game([left](GameState& s) { s.partyCell = left; });
  game.WalkPlayerTo(x, y);
  EXPECT_STREQ(game.driver.ScreenName(), "VillageProc");
  GameState& s = game.State();
  EXPECT_EQ(s.villageNumber, 1);
  EXPECT_EQ(s.visitorCode, 1);
  EXPECT_EQ(s.placeVisitFlag, 1);
  EXPECT_EQ(s.partyCell, 1352u) << "the walk is written back";
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotMapLeft);
  EXPECT_EQ(game.App().mapEncounters, nullptr);
  game.driver.RunFrames(2);
  game.driver.WriteShot(Out("map_screen_village_standin.png"));

  // Escape goes back to the map, which builds itself again from the record.
  game.driver.PressKey(kKeyEscape);
  EXPECT_STREQ(game.driver.ScreenName(), "MapProc");
  ASSERT_NE(game.App().mapEncounters, nullptr);
  EXPECT_EQ(game.Map().playerCell, 1352u);
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotRestored);
}

TEST_F(MapE2E, WalkIntoTheCastle) {
  uint32_t left = 0;
  int32_t x = 0, y = 0;
  CellLeftOf(4375, &left, &x, &y);
  MapGame game([left](GameState& s) { s.partyCell = left; });
  game.WalkPlayerTo(x, y);
  EXPECT_STREQ(game.driver.ScreenName(), "CastleProc");
  EXPECT_EQ(game.State().visitorCode, 1);
}

TEST_F(MapE2E, WalkAgainstAnArmy) {
  // Army 2 stands seven cells north of the player's start.
  MapGame game;
  const int32_t ax = game.Map().enemyX[2];
  const int32_t ay = game.Map().enemyY[2];
  ASSERT_EQ(ax, game.Map().playerX);
  game.WalkPlayerTo(ax, ay, 200);
  EXPECT_STREQ(game.driver.ScreenName(), "BattleProc");
  GameState& s = game.State();
  EXPECT_EQ(s.battleId, 3);
  EXPECT_EQ(s.battleByPlayer, 1);
  EXPECT_EQ(s.battleHero, 0);
  EXPECT_EQ(s.battlePending, 1);
  EXPECT_EQ(s.relocationState, GameState::kRelocationNone) << "no marching army caught anybody";
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotMapLeft);
  EXPECT_EQ(s.partyCell, cells::CellAt(ax, ay + 40)) << "the walk ends beside the army";
}

TEST_F(MapE2E, AHerosFindGoesIntoHisOwnBag) {
  // Hero 0 stands left of chest 0, whose find holds an item; the army that
  // guards it was beaten.
  MapEncounters probe;
  BuildNewGamePopulation(probe);
  const int32_t cx = probe.chestX[0];
  const int32_t cy = probe.chestY[0];
  uint8_t playerBag[kBagCells] = {};
  MapGame game([&](GameState& s) {
    s.enemyPresent[0] = 0;
    s.heroPresent[0] = 1;
    s.heroCell[0] = cells::CellAt(cx - 40, cy);
    for (int c = 0; c < kBagCells; ++c) {
      s.heroItems[0].items[c] = 0;
      playerBag[c] = s.playerItems[c];
    }
    for (int n = 0; n < kItemNumbers; ++n) s.heroItems[0].held[n] = 0;
  });
  game.CloseBoard();
  game.LookAt(cx, cy);
  game.ClickWorld(cx - 40, cy);
  ASSERT_EQ(game.Map().selectedHero, 1);
  game.ClickWorld(cx, cy);
  game.driver.PressKey(kKeyEnter);
  game.driver.RunFrames(60);
  ASSERT_STREQ(game.driver.ScreenName(), "MapProc");
  ASSERT_EQ(game.Map().findShown, MapEncounters::kFindShown);
  game.driver.PressKey(kKeyEnter);
  game.driver.RunFrames(2);
  GameState& s = game.State();
  int inHeroBag = 0;
  for (int c = 0; c < kBagCells; ++c) inHeroBag += s.heroItems[0].items[c] != 0;
  EXPECT_EQ(inHeroBag, 1) << "the chest's item is in the hero's bag";
  for (int c = 0; c < kBagCells; ++c)
    EXPECT_EQ(s.playerItems[c], playerBag[c]) << "player's bag cell " << c;
}

TEST_F(MapE2E, ControlBarButtonsAndTheirReturns) {
  MapGame game;
  game.CloseBoard();
  struct Button {
    int x, y;
    const char* screen;
  };
  const Button buttons[] = {
      {700, 130, "PlayerProc"},   {700, 200, "HeroesProc"},  {700, 270, "WealthProc"},
      {700, 340, "QuestLogProc"}, {720, 405, "OptionsProc"}, {680, 25, "SaveAndQuitProc"},
  };
  for (const Button& b : buttons) {
    game.driver.Click(b.x, b.y, kMouseLeft);
    EXPECT_STREQ(game.driver.ScreenName(), b.screen);
    if (std::string(b.screen) == "OptionsProc") {
      EXPECT_EQ(game.App().optionsFromMap, 1);
    }
    if (std::string(b.screen) == "SaveAndQuitProc") {
      EXPECT_EQ(game.App().saveQuitFromMap, 1);
      EXPECT_NE(game.App().mapEncounters, nullptr) << "the map stays under the question";
    } else {
      EXPECT_EQ(game.App().mapEncounters, nullptr);
    }
    game.driver.RunFrames(2);
    // Back by Escape; the next button is clicked in the map's first frame.
    game.driver.KeyDown(kKeyEscape);
    game.driver.RunFrames(1);
    game.driver.KeyUp(kKeyEscape);
    EXPECT_STREQ(game.driver.ScreenName(), "MapProc") << b.screen;
    EXPECT_EQ(game.App().optionsFromMap, 0);
    EXPECT_EQ(game.App().saveQuitFromMap, 0);
  }
  // Escape on the map itself asks whether to save and quit.
  game.driver.PressKey(kKeyEscape);
  EXPECT_STREQ(game.driver.ScreenName(), "SaveAndQuitProc");
}

TEST_F(MapE2E, BattleReturnLeavesTheFighterNoSteps) {
  MapGame game([](GameState& s) { s.heroPresent[1] = 1; });
  ScenarioDriver& d = game.driver;
  game.CloseBoard();
  d.Click(700, 130, kMouseLeft);  // away from the map: it writes itself back
  ASSERT_EQ(d.App().mapEncounters, nullptr);
  // A battle ends after a defeat fought by the player and hero 2.
  d.App().battleReturned = 1;
  d.App().battleFoughtByPlayer = 1;
  d.App().battleFoughtByHero = 2;
  d.Goto("GoKingdomMap");
  d.RunFrames(1);
  EXPECT_EQ(game.Map().playerStepsLeft, 0);
  EXPECT_EQ(game.Map().heroStepsLeft[1], 0);
  EXPECT_EQ(game.Map().heroStepsLeft[0], 7);
  EXPECT_EQ(game.App().battleReturned, 0);
  EXPECT_EQ(game.App().battleFoughtByPlayer, 0);
  EXPECT_EQ(game.App().battleFoughtByHero, 0);

  // A battle that moved the party keeps their steps.
  d.Click(700, 130, kMouseLeft);
  d.App().battleReturned = 1;
  d.App().battleFoughtByPlayer = 1;
  d.App().battleRelocated = 1;
  d.App().gameState->playerDayAllowance = 5;
  d.Goto("GoKingdomMap");
  d.RunFrames(1);
  EXPECT_EQ(game.Map().playerStepsLeft, 5);
  EXPECT_EQ(game.App().battleRelocated, 0);
}

TEST_F(MapE2E, TheGameEnds) {
  // A battle won at the enemy's castle: the map goes to the save step.
  {
    MapGame game;
    game.App().endVictory = 1;
    game.driver.RunFrames(1);
    EXPECT_STREQ(game.driver.ScreenName(), "SaveGameProc");
  }
  // The day change that makes day 110 goes there in the same frame.
  {
    MapGame game([](GameState& s) { s.day = 109; });
    game.CloseBoard();
    game.driver.MoveTo(726, 461);
    game.driver.ButtonDown(kMouseLeft);
    game.driver.RunFrames(1);
    game.driver.ButtonUp(kMouseLeft);
    game.driver.RunFrames(1);
    EXPECT_EQ(game.State().day, 110u);
    EXPECT_EQ(game.App().endPeaceTreaty, 1);
    EXPECT_STREQ(game.driver.ScreenName(), "SaveGameProc");
  }
}

TEST_F(MapE2E, InvadersMarchOnceADay) {
  uint32_t left = 0;
  int32_t vx = 0, vy = 0;
  CellLeftOf(1352, &left, &vx, &vy);
  MapGame game([left](GameState& s) {
    s.day = 10;  // the day change makes day 11: army 80 enters the map
    s.partyCell = left;
  });
  ScenarioDriver& d = game.driver;
  game.CloseBoard();
  d.Click(726, 461, kMouseLeft);
  ASSERT_EQ(game.State().day, 11u);
  ASSERT_NE(game.Map().enemyPresent[80], 0);
  EXPECT_NE(game.Map().marchPhase, MapEncounters::kTurnOver) << "the armies' turn begins";
  const int32_t startX = game.Map().enemyX[80];
  const int32_t startY = game.Map().enemyY[80];

  // Escape is not read while the armies move; Enter closes each message.
  d.PressKey(kKeyEscape);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
  ASSERT_TRUE(RunArmiesTurn(game)) << "the armies' turn ends";
  EXPECT_EQ(game.App().dayRecoveryPending, 0) << "the night followed";
  const int32_t armyX = game.Map().enemyX[80];
  const int32_t armyY = game.Map().enemyY[80];
  EXPECT_TRUE(armyX != startX || armyY != startY) << "army 80 marched";

  // A visit to the village and back: the army stays where it is.
  game.WalkPlayerTo(vx, vy);
  ASSERT_STREQ(d.ScreenName(), "VillageProc");
  d.RunFrames(2);
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  for (int i = 0; i < 120; ++i) {
    d.RunFrames(1);
    ASSERT_EQ(game.Map().marchPhase, MapEncounters::kTurnOver) << "frame " << i;
  }
  EXPECT_EQ(game.Map().enemyX[80], armyX);
  EXPECT_EQ(game.Map().enemyY[80], armyY);
}

TEST_F(MapE2E, ClicksInTheArmiesTurnNeitherStopThemNorStartAWalk) {
  // The armies' march steers with the same direction flags as the party's
  // walks: a walk planned or set off in their turn left the army or the walk
  // standing still for ever, and the map never at rest again.
  uint32_t left = 0;
  int32_t vx = 0, vy = 0;
  CellLeftOf(1352, &left, &vx, &vy);
  MapGame game([left](GameState& s) {
    s.day = 10;
    s.partyCell = left;
  });
  ScenarioDriver& d = game.driver;
  game.CloseBoard();
  d.Click(726, 461, kMouseLeft);
  d.RunFrames(30);
  ASSERT_NE(game.Map().marchPhase, MapEncounters::kTurnOver);
  const int32_t px = game.Map().playerX;
  const int32_t py = game.Map().playerY;
  game.CloseBoard();
  game.LookAt(px, py);
  game.ClickWorld(px, py);
  game.LookAt(px, py);
  game.ClickWorld(px, py + 80);
  d.PressKey(kKeyEnter);
  EXPECT_NE(game.Map().playerWalkState, MapEncounters::kWalkRunning) << "not in the armies' turn";
  ASSERT_TRUE(RunArmiesTurn(game));
  d.RunFrames(200);
  EXPECT_NE(game.Map().playerWalkState, MapEncounters::kWalkRunning);
  d.PressKey(kKeyEscape);
  EXPECT_STREQ(d.ScreenName(), "SaveAndQuitProc") << "the party is at rest";
}

TEST_F(MapE2E, TradeWithAMemberBeside) {
  // Hero 0 stands east of the player; steps decide whether the trade opens.
  for (uint8_t heroSteps : {uint8_t{7}, uint8_t{0}}) {
    MapGame game([heroSteps](GameState& s) {
      int x = 0, y = 0;
      cells::CellCorner(s.partyCell, &x, &y);
      s.heroPresent[0] = 1;
      s.heroCell[0] = cells::CellAt(x + 40, y);
      s.heroDayAllowance[0] = heroSteps;
    });
    ScenarioDriver& d = game.driver;
    game.CloseBoard();
    game.LookAt(game.Map().playerX, game.Map().playerY);
    game.ClickWorld(game.Map().playerX, game.Map().playerY);
    ASSERT_EQ(game.Map().playerSelected, 1);
    d.Click(460 + 32, 530 + 29, kMouseLeft);  // the unit panel's Trade button
    d.RunFrames(2);
    ASSERT_EQ(game.Map().meetingState, MapEncounters::kMeetAsked);
    game.ClickWorld(game.Map().heroX[0], game.Map().heroY[0]);
    if (heroSteps) {
      EXPECT_STREQ(d.ScreenName(), "ExchangeChoiceProc");
      EXPECT_EQ(game.State().exchangeLeft, 2) << "hero 0";
      EXPECT_EQ(game.State().exchangeRight, 1) << "the player";
    } else {
      EXPECT_STREQ(d.ScreenName(), "MapProc") << "a member without steps refuses";
      EXPECT_EQ(game.Map().meetingCalledOff, 1);
      EXPECT_EQ(game.Map().meetingState, MapEncounters::kMeetNone);
      d.PressKey(kKeyEnter);
      EXPECT_EQ(game.Map().meetingCalledOff, 0);
    }
  }
}

TEST_F(MapE2E, ARefusedTradeLeavesNoWalkArmed) {
  // Hero 0 stands seven cells west and three north of the player, who walks
  // his seven steps west and stands three cells south of the hero.
  MapGame game([](GameState& s) {
    int x = 0, y = 0;
    cells::CellCorner(s.partyCell, &x, &y);
    s.heroPresent[0] = 1;
    s.heroCell[0] = cells::CellAt(x - 7 * 40, y - 3 * 40);
  });
  ScenarioDriver& d = game.driver;
  const int32_t startX = game.Map().playerX;
  const int32_t startY = game.Map().playerY;
  game.CloseBoard();
  game.LookAt(startX, startY);
  game.ClickWorld(startX, startY);
  game.ClickWorld(startX - 7 * 40, startY);
  game.ClickWorld(startX, startY + 200, kMouseRight);  // sets the walk off
  d.RunFrames(200);
  ASSERT_EQ(game.Map().playerX, startX - 7 * 40);
  ASSERT_EQ(game.Map().playerStepsLeft, 0);

  // The hero, Trade, the player: the hero walks up to him and is refused.
  const int32_t heroX = game.Map().heroX[0];
  const int32_t heroY = game.Map().heroY[0];
  game.LookAt(heroX, heroY);
  game.ClickWorld(heroX, heroY);
  ASSERT_EQ(game.Map().selectedHero, 1);
  d.Click(460 + 32, 530 + 29, kMouseLeft);  // the unit panel's Trade button
  d.RunFrames(2);
  ASSERT_EQ(game.Map().meetingState, MapEncounters::kMeetAsked);
  game.ClickWorld(game.Map().playerX, game.Map().playerY);
  d.RunFrames(100);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(game.Map().heroY[0], game.Map().playerY - 40) << "beside the player";
  EXPECT_EQ(game.Map().meetingCalledOff, 1);
  EXPECT_NE(d.Dump().find("\"Can't Trade. Someone has 0 movement left.\""), std::string::npos);
  EXPECT_EQ(game.Map().heroWalkReady, 0) << "no walk order is left armed";
  EXPECT_EQ(game.Map().playerWalkState, MapEncounters::kWalkIdle);

  // The right button anywhere starts nothing: the party stays at rest.
  game.ClickWorld(game.Map().playerX + 200, game.Map().playerY + 120, kMouseRight);
  d.RunFrames(10);
  EXPECT_EQ(game.Map().heroWalking, 0);
  EXPECT_EQ(game.Map().heroY[0], game.Map().playerY - 40);
  EXPECT_EQ(game.Map().heroStepsLeft[0], 5) << "the walk to the player, and nothing more";

  // Escape asks to save and quit; back on the map, End Turn ends the day.
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "SaveAndQuitProc");
  d.RunFrames(2);
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  d.RunFrames(3);
  const uint32_t day = game.State().day;
  d.Click(726, 461, kMouseLeft);  // End Turn
  d.RunFrames(2);
  EXPECT_EQ(game.State().day, day + 1);
  ASSERT_TRUE(RunArmiesTurn(game));

  // The hero walks when he is given a route.
  game.CloseBoard();
  game.LookAt(game.Map().heroX[0], game.Map().heroY[0]);
  game.ClickWorld(game.Map().heroX[0], game.Map().heroY[0]);
  ASSERT_EQ(game.Map().selectedHero, 1);
  const int32_t toX = game.Map().heroX[0] - 2 * 40;
  const int32_t toY = game.Map().heroY[0];
  game.ClickWorld(toX, toY);
  game.ClickWorld(toX + 200, toY + 120, kMouseRight);
  d.RunFrames(100);
  EXPECT_EQ(game.Map().heroWalking, 0);
  EXPECT_EQ(game.Map().heroX[0], toX);
  EXPECT_EQ(game.Map().heroY[0], toY);
  EXPECT_EQ(game.Map().heroStepsLeft[0], 5);
}

TEST_F(MapE2E, AClickWithNobodySelectedInspects) {
  MapGame game;
  ScenarioDriver& d = game.driver;
  game.CloseBoard();
  game.ClickWorld(game.Map().enemyX[2], game.Map().enemyY[2]);  // army 2, north of the player
  EXPECT_EQ(game.Map().inspectShown, 1);
  EXPECT_NE(d.Dump().find("\"Quest: Weak raiding party.\""), std::string::npos);
  // A click where nothing stands closes it.
  game.ClickWorld(game.Map().playerX - 200, game.Map().playerY + 120);
  EXPECT_EQ(game.Map().inspectShown, 0);
  EXPECT_EQ(d.Dump().find("\"Quest: Weak raiding party.\""), std::string::npos);
  // The click that closes a text on another thing tells of that thing.
  game.ClickWorld(game.Map().goldPileX[0], game.Map().goldPileY[0]);
  ASSERT_EQ(game.Map().inspectShown, 1);
  game.ClickWorld(game.Map().enemyX[2], game.Map().enemyY[2]);
  EXPECT_EQ(game.Map().inspectShown, 1);
  EXPECT_NE(d.Dump().find("\"Quest: Weak raiding party.\""), std::string::npos);
}

TEST_F(MapE2E, InspectingACellWithNothingOnItEndsTheInspectMode) {
  MapGame game;
  game.CloseBoard();
  game.ClickWorld(game.Map().playerX, game.Map().playerY);
  ASSERT_EQ(game.Map().playerSelected, 1);
  game.driver.PressKey(kKeyI);
  ASSERT_EQ(game.Map().infoMode, MapEncounters::kInfoArmed);
  game.ClickWorld(game.Map().playerX - 200, game.Map().playerY + 120);  // nothing stands there
  EXPECT_EQ(game.Map().inspectShown, 0);
  EXPECT_EQ(game.Map().infoMode, MapEncounters::kInfoOff)
      << "no busy cursor left without a text to close";
  game.ClickWorld(game.Map().playerX + 40, game.Map().playerY);
  EXPECT_EQ(game.Map().playerWalkState, MapEncounters::kWalkPlanned) << "the map plans walks again";
}

TEST_F(MapE2E, InputRules) {
  MapGame game;
  ScenarioDriver& d = game.driver;
  game.CloseBoard();
  KingdomMap& view = game.View();

  // A right click acknowledges but never clicks the map.
  game.ClickWorld(game.Map().playerX, game.Map().playerY);
  ASSERT_EQ(game.Map().playerSelected, 1);
  game.ClickWorld(game.Map().playerX + 120, game.Map().playerY, kMouseRight);
  EXPECT_EQ(game.Map().playerWalkState, MapEncounters::kWalkIdle)
      << "no walk planned by a right click";

  // With the bar hidden only its toggle works.
  d.Click(726 + 32, 12 + 16, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(game.App().controlBar->hideShowState, 0);
  EXPECT_EQ(game.Map().playerSelected, 0) << "hiding drops the selection";
  d.Click(700, 130, kMouseLeft);  // the player's screen button, hidden
  d.RunFrames(2);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
  d.Click(726 + 32, 12 + 16, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(game.App().controlBar->hideShowState, 1);

  // Pressing a bar button and sliding off it acts at once.
  d.MoveTo(700, 130);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
  d.MoveTo(400, 300);
  d.RunFrames(1);
  EXPECT_STREQ(d.ScreenName(), "PlayerProc");
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);

  // A key held when the map is entered does not scroll on that first frame.
  const int32_t x = view.cameraX;
  d.KeyDown(kKeyRight);
  d.PressKey(kKeyEscape);  // back to the map: its first frame has the arrow held
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(view.cameraX, x);
  d.RunFrames(2);
  EXPECT_GT(view.cameraX, x) << "from the next frame on it scrolls";
  d.KeyUp(kKeyRight);
}

TEST_F(MapE2E, TheEnemysCastleAlwaysFights) {
  // Black Zima Castle, fixed place kind 6, is battle 73 whatever its state.
  MapEncounters probe;
  BuildNewGamePopulation(probe);
  uint32_t target = 0;
  for (uint32_t cell : probe.specialCell) {
    if (cell && probe.MetCodeOf(cell) >= 388 && probe.MetCodeOf(cell) <= 410) {
      target = cell;
      break;
    }
  }
  ASSERT_NE(target, 0u);
  uint32_t left = 0;
  int32_t x = 0, y = 0;
  CellLeftOf(target, &left, &x, &y);
  MapGame game([left](GameState& s) { s.partyCell = left; });
  game.WalkPlayerTo(x, y);
  EXPECT_STREQ(game.driver.ScreenName(), "BattleProc");
  EXPECT_EQ(game.State().battleId, 73);
  EXPECT_EQ(game.State().battleByPlayer, 1);
  EXPECT_EQ(game.State().battlePending, 1);
}

TEST_F(MapE2E, AnInvaderCatchesThePlayer) {
  // Where army 80 walks on its first night: the player waits on its third
  // step. (The walk is found on a population of the same new game.)
  int32_t px = 0, py = 0;
  ASSERT_NO_FATAL_FAILURE(ThirdStepOfArmy80(&px, &py));
  MapGame game([px, py](GameState& s) {
    s.day = 10;
    s.partyCell = cells::CellAt(px, py);
  });
  ScenarioDriver& d = game.driver;
  game.CloseBoard();
  d.Click(726, 461, kMouseLeft);
  ASSERT_NE(game.Map().marchPhase, MapEncounters::kTurnOver);
  int frames = 0;
  while (d.App().screenProc == GameApp::GoKingdomMap && frames < 5000) {
    if (game.Map().questMessage || game.Map().outcomeShown) d.PressKey(kKeyEnter);
    d.RunFrames(1);
    frames += 1;
  }
  ASSERT_STREQ(d.ScreenName(), "BattleProc");
  GameState& s = game.State();
  EXPECT_EQ(s.battleId, 81);
  EXPECT_EQ(s.battleByPlayer, 1);
  EXPECT_EQ(s.battleHero, 0);
  EXPECT_EQ(s.relocationState, GameState::kRelocationPending)
      << "the battle places the caught player afterwards";
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotMapLeft);
  EXPECT_EQ(s.mapSnapshot.member1[0], 80) << "the moving army is kept for the return";

  // The battle is lost without moving anybody (as the battle reports it,
  // before its first frame): back on the map the night's turn comes to its
  // end, and the player cannot walk any more today.
  d.App().battleReturned = 1;
  d.App().battleFoughtByPlayer = 1;
  d.App().gameState->relocationState = GameState::kRelocationDone;
  d.Goto("GoKingdomMap");
  d.RunFrames(1);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(game.Map().playerStepsLeft, 0);
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotRestored);
  EXPECT_TRUE(RunArmiesTurn(game)) << "the armies' turn ends after the battle";
  EXPECT_EQ(d.App().dayRecoveryPending, 0) << "and the night follows";
}

TEST_F(MapE2E, NextMemberGoesRoundTheParty) {
  MapGame game([](GameState& s) {
    s.heroPresent[0] = 1;
    s.heroCell[0] = 1600;
    s.heroPresent[2] = 1;
    s.heroCell[2] = 3000;
  });
  ScenarioDriver& d = game.driver;
  game.CloseBoard();
  game.ClickWorld(game.Map().playerX, game.Map().playerY);
  ASSERT_EQ(game.Map().playerSelected, 1);
  const uint8_t expected[] = {1, 3, 0};  // hero 0, hero 2, then the player
  for (uint8_t hero : expected) {
    d.Click(736 + 32, 530 + 29, kMouseLeft);  // the unit panel's Next button
    d.RunFrames(2);
    EXPECT_EQ(game.Map().selectedHero, hero);
    EXPECT_EQ(game.Map().playerSelected, hero == 0 ? 1 : 0);
    const int32_t x = hero ? game.Map().heroX[hero - 1] : game.Map().playerX;
    const int32_t y = hero ? game.Map().heroY[hero - 1] : game.Map().playerY;
    int32_t cx = x - 400, cy = y - 300;
    if (cx < kCameraMinX) cx = kCameraMinX;
    if (cy < kCameraMinY) cy = kCameraMinY;
    EXPECT_EQ(game.View().cameraX, cx) << "centred on the member";
    EXPECT_EQ(game.View().cameraY, cy);
  }
}

TEST_F(MapE2E, APanelPressActsOnlyForTheMemberItWasMadeFor) {
  // Hero 0 stands east of the player, who plans a walk three cells south
  // and sets off with Enter while a panel button is held down (or with the
  // magnifier asked by the key I); the button is let go after the walk.
  // Afterwards a click on the player and one on hero 0 only choose them,
  // and the button acts at its first press, for hero 0.
  enum class Asked { kTradeHeld, kNextHeld, kInspectHeld, kTheKeyI };
  auto play = [](Asked asked) {
    MapGame game([](GameState& s) {
      int x = 0, y = 0;
      cells::CellCorner(s.partyCell, &x, &y);
      s.heroPresent[0] = 1;
      s.heroCell[0] = cells::CellAt(x + 40, y);
    });
    ScenarioDriver& d = game.driver;
    MapEncounters& map = game.Map();
    const int buttonX = asked == Asked::kNextHeld ? 736 : asked == Asked::kTradeHeld ? 460 : 598;
    game.CloseBoard();
    const int32_t playerX = map.playerX, playerY = map.playerY;
    game.LookAt(playerX, playerY);
    game.ClickWorld(playerX, playerY);
    game.ClickWorld(playerX, playerY + 3 * 40);
    ASSERT_EQ(map.playerWalkState, MapEncounters::kWalkPlanned);
    if (asked == Asked::kTheKeyI) {
      d.PressKey(kKeyI);
      ASSERT_EQ(map.infoMode, MapEncounters::kInfoArmed);
      d.PressKey(kKeyEnter);
      d.RunFrames(150);
    } else {
      d.MoveTo(buttonX + 32, 530 + 29);
      d.ButtonDown(kMouseLeft);
      d.RunFrames(2);
      d.PressKey(kKeyEnter);
      d.RunFrames(150);
      d.ButtonUp(kMouseLeft);
      d.RunFrames(2);
    }
    ASSERT_STREQ(d.ScreenName(), "MapProc");
    ASSERT_EQ(map.playerY, playerY + 3 * 40) << "the walk went";

    ExpectAClickOnThePlayerOnlyChoosesHim(game);
    game.ClickWorld(map.heroX[0], map.heroY[0]);
    d.RunFrames(100);
    ASSERT_STREQ(d.ScreenName(), "MapProc");
    EXPECT_EQ(map.selectedHero, 1);
    EXPECT_EQ(map.meetingState, MapEncounters::kMeetNone);
    EXPECT_EQ(map.inspectShown, 0);
    EXPECT_EQ(map.playerY, playerY + 3 * 40) << "nobody walks";

    d.Click(buttonX + 32, 530 + 29, kMouseLeft);
    d.RunFrames(2);
    switch (asked) {
      case Asked::kTradeHeld: EXPECT_EQ(map.meetingState, MapEncounters::kMeetAsked); break;
      case Asked::kNextHeld: EXPECT_EQ(map.playerSelected, 1) << "Next after hero 0"; break;
      case Asked::kInspectHeld:
      case Asked::kTheKeyI: EXPECT_EQ(map.infoMode, MapEncounters::kInfoArmed); break;
    }
  };
  for (Asked asked : {Asked::kTradeHeld, Asked::kNextHeld, Asked::kInspectHeld, Asked::kTheKeyI}) {
    SCOPED_TRACE(int(asked));
    play(asked);
  }
}

TEST_F(MapE2E, NextLetsGoOfWhatWasAskedForTheMemberBefore) {
  // The player is chosen and the magnifier asked for him; Next chooses
  // hero 0, who stands in village 0 (where his last walk ended). The
  // magnifier went with the player: nothing is inspected, and a click on
  // the player only chooses him.
  MapEncounters probe;
  BuildNewGamePopulation(probe);
  const uint32_t village = probe.villageCell[0];
  MapGame game([village](GameState& s) {
    s.heroPresent[0] = 1;
    s.heroCell[0] = village;
  });
  ScenarioDriver& d = game.driver;
  MapEncounters& map = game.Map();
  game.CloseBoard();
  game.LookAt(map.playerX, map.playerY);
  game.ClickWorld(map.playerX, map.playerY);
  d.PressKey(kKeyI);
  ASSERT_EQ(map.infoMode, MapEncounters::kInfoArmed);
  d.Click(736 + 32, 530 + 29, kMouseLeft);  // Next
  d.RunFrames(2);
  ASSERT_EQ(map.selectedHero, 1);
  EXPECT_EQ(map.inspectShown, 0) << "the village is not inspected";
  EXPECT_EQ(map.infoMode, MapEncounters::kInfoOff);
  game.LookAt(map.playerX, map.playerY);
  game.ClickWorld(map.playerX, map.playerY);
  EXPECT_EQ(map.playerSelected, 1);
  EXPECT_EQ(map.inspectShown, 0);
}

TEST_F(MapE2E, SoundsOffKeepTheRequest) {
  for (uint8_t soundsOn : {uint8_t{1}, uint8_t{0}}) {
    MapGame game([soundsOn](GameState& s) { s.options[1] = soundsOn; });
    game.WalkPlayerTo(game.Map().playerX + 120, game.Map().playerY);  // gold pile 0
    ASSERT_EQ(game.State().gold, 50);
    EXPECT_EQ(game.Map().coinSoundPending, soundsOn ? 0 : 1);
  }
}

TEST_F(MapE2E, ARetreatFromTheBattleComesBackToTheMap) {
  MapGame game;
  ScenarioDriver& d = game.driver;
  const int32_t ax = game.Map().enemyX[2];
  const int32_t ay = game.Map().enemyY[2];
  game.WalkPlayerTo(ax, ay, 200);
  ASSERT_STREQ(d.ScreenName(), "BattleProc");
  d.RunFrames(3);
  d.PressKey(kKeyEnter);  // the turn panel
  for (int tries = 0; tries < 3 && d.App().battleScreen && !d.App().battleReturned; ++tries) {
    d.Click(740, 207, kMouseLeft);  // Retreat
    d.RunFrames(3);
    d.Click(346, 351, kMouseLeft);  // Yes
    d.RunFrames(2);
  }
  ASSERT_EQ(d.App().battleReturned, 1);
  for (int i = 0; i < 10 && d.App().screenProc != GameApp::GoKingdomMap; ++i) {
    d.Click(400, 300, kMouseLeft);  // the retreat message
    d.RunFrames(1);
  }
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  d.RunFrames(2);
  ASSERT_NE(d.App().mapEncounters, nullptr);
  EXPECT_EQ(d.App().battleReturned, 0);
  EXPECT_EQ(game.Map().playerStepsLeft, 0) << "who fought does not walk again today";
  EXPECT_EQ(game.Map().enemyPresent[2], 1) << "the army is still there";
  EXPECT_EQ(game.Map().playerCell, cells::CellAt(ax, ay + 40));
  EXPECT_EQ(game.State().mapSnapshotState, GameState::kSnapshotRestored);
  d.WriteShot(Out("map_screen_after_retreat.png"));
}

TEST_F(MapE2E, TradeModeEndsWhereTheSelectionGoes) {
  // Hero 0 is chosen and Trade pressed; then the selection goes (the day
  // ends, or the bar is hidden and shown). A member may be chosen again
  // without a click on the map: the pointer passes over the bar's player
  // button, or the day's board chooses a hero who has just joined through
  // fame. The next click on a member chooses him: nobody asked for a trade
  // since.
  enum class Chosen { kByNobody, kByTheHover, kByTheBoard };
  struct Case {
    const char* how;
    int heroCellsEast;
    bool endTheDay;  // or the bar is hidden and shown
    Chosen chosen;
  };
  auto play = [](const Case& c) {
    MapGame game([&c](GameState& s) {
      int x = 0, y = 0;
      cells::CellCorner(s.partyCell, &x, &y);
      s.heroPresent[0] = 1;
      s.heroCell[0] = cells::CellAt(x + c.heroCellsEast * 40, y);
      if (c.chosen == Chosen::kByTheBoard) s.fame = 5;
    });
    ScenarioDriver& d = game.driver;
    MapEncounters& map = game.Map();
    game.CloseBoard();
    game.LookAt(map.playerX + c.heroCellsEast * 20, map.playerY);
    game.ClickWorld(map.heroX[0], map.heroY[0]);
    ASSERT_EQ(map.selectedHero, 1);
    d.Click(460 + 32, 530 + 29, kMouseLeft);  // the unit panel's Trade button
    d.RunFrames(2);
    ASSERT_EQ(map.meetingState, MapEncounters::kMeetAsked);

    if (c.endTheDay) {
      d.Click(726, 461, kMouseLeft);  // End Turn
      d.RunFrames(2);
      ASSERT_EQ(game.State().day, 2u);
      ASSERT_TRUE(RunArmiesTurn(game));
      ASSERT_EQ(game.App().mapShowMessages, 1) << "the next day's board";
      game.CloseBoard();
    } else {
      d.Click(726 + 32, 12 + 16, kMouseLeft);  // hide
      d.RunFrames(2);
      d.Click(726 + 32, 12 + 16, kMouseLeft);  // show
      d.RunFrames(2);
      ASSERT_EQ(game.App().controlBar->hideShowState, 1);
    }
    EXPECT_EQ(map.meetingState, MapEncounters::kMeetNone) << "trade mode ends with the selection";

    if (c.chosen == Chosen::kByTheBoard) {
      ASSERT_EQ(map.selectedHero, 2) << "the board chose the hero who joined";
    } else if (c.chosen == Chosen::kByTheHover) {
      d.MoveTo(720, 135);  // over the bar's player button
      d.RunFrames(2);
      ASSERT_EQ(map.playerSelected, 1) << "the hover chose the player";
    }

    // A click on a member (another one, if one was chosen) chooses him, and
    // nobody walks.
    const bool clickHero = c.chosen == Chosen::kByTheHover;
    auto where = [&map] {
      return std::vector<int32_t>{map.playerX,  map.playerY,  map.heroX[0],
                                  map.heroY[0], map.heroX[1], map.heroY[1]};
    };
    const std::vector<int32_t> before = where();
    const int32_t heroX = map.heroX[0];
    game.LookAt(clickHero ? map.heroX[0] : map.playerX, map.playerY);
    game.ClickWorld(clickHero ? map.heroX[0] : map.playerX, map.playerY);
    d.RunFrames(60);
    ASSERT_STREQ(d.ScreenName(), "MapProc");
    EXPECT_EQ(map.playerSelected, clickHero ? 0 : 1);
    EXPECT_EQ(map.selectedHero, clickHero ? 1 : 0);
    EXPECT_EQ(map.meetingCalledOff, 0);
    EXPECT_EQ(d.Dump().find("Can't Trade"), std::string::npos);
    EXPECT_EQ(where(), before) << "nobody walks";
    EXPECT_EQ(map.heroWalking, 0);
    EXPECT_EQ(map.playerWalkState, MapEncounters::kWalkIdle);

    // Nine cells are beyond a day's walk: the hero first walks two of them.
    if (c.heroCellsEast < -7) {
      game.ClickWorld(map.heroX[0] + 2 * 40, map.heroY[0]);
      d.PressKey(kKeyEnter);
      for (int i = 0; i < 200 && map.heroX[0] != heroX + 2 * 40; ++i) d.RunFrames(1);
      ASSERT_EQ(map.heroX[0], heroX + 2 * 40);
      d.RunFrames(5);
    }

    // Trade asked now and a click on the partner opens the trade choice.
    game.LookAt((map.playerX + map.heroX[0]) / 2, map.playerY);
    if (map.selectedHero != 1 || c.heroCellsEast < -7) {
      game.ClickWorld(map.playerX, map.playerY);
      ASSERT_EQ(map.playerSelected, 1);
    }
    d.Click(460 + 32, 530 + 29, kMouseLeft);  // Trade
    d.RunFrames(2);
    ASSERT_EQ(map.meetingState, MapEncounters::kMeetAsked);
    const bool heroAsks = map.selectedHero == 1;
    game.ClickWorld(heroAsks ? map.playerX : map.heroX[0], map.playerY);
    for (int i = 0; i < 200 && d.App().screenProc == GameApp::GoKingdomMap; ++i) d.RunFrames(1);
    ASSERT_STREQ(d.ScreenName(), "ExchangeChoiceProc");
    EXPECT_EQ(game.State().exchangeLeft, heroAsks ? 1 : 2);
    EXPECT_EQ(game.State().exchangeRight, heroAsks ? 2 : 1);
  };
  for (const Case& c :
       {Case{"End Turn, the hover, the hero beside", 1, true, Chosen::kByTheHover},
        Case{"Hide and Show, the hover", 1, false, Chosen::kByTheHover},
        Case{"End Turn, the hover, the hero nine cells west", -9, true, Chosen::kByTheHover},
        Case{"End Turn, a hero joins", 1, true, Chosen::kByTheBoard},
        Case{"End Turn, nobody chosen, the hero seven cells west", -7, true, Chosen::kByNobody},
        Case{"Hide and Show, nobody chosen", -1, false, Chosen::kByNobody}}) {
    SCOPED_TRACE(c.how);
    play(c);
  }
}

TEST_F(MapE2E, TheBoardsClosingPressPressesNothingElse) {
  // Hero 1 joins at the day's end; the board chooses him as it closes, and
  // the unit panel's buttons appear under the same press.
  MapGame game([](GameState& s) { s.fame = 5; });
  ScenarioDriver& d = game.driver;
  MapEncounters& map = game.Map();
  game.CloseBoard();
  d.Click(726, 461, kMouseLeft);  // End Turn
  d.RunFrames(2);
  ASSERT_TRUE(RunArmiesTurn(game));
  ASSERT_EQ(game.App().mapShowMessages, 1);
  d.Click(600, 560, kMouseLeft);  // where the panel's Inspect button stands
  d.RunFrames(2);
  EXPECT_EQ(game.App().mapShowMessages, 0);
  ASSERT_EQ(map.selectedHero, 2);
  EXPECT_EQ(map.infoMode, MapEncounters::kInfoOff);
  game.LookAt(map.heroX[1], map.heroY[1]);
  game.ClickWorld(map.heroX[1] + 2 * 40, map.heroY[1]);
  EXPECT_EQ(map.heroWalkReady, 2) << "the click plans the new hero's walk";
  EXPECT_EQ(map.walkSteps, 2);

  // Nor does it press the bar's button beneath it.
  d.Click(726, 461, kMouseLeft);  // End Turn
  d.RunFrames(2);
  ASSERT_EQ(game.State().day, 3u);
  ASSERT_TRUE(RunArmiesTurn(game));
  ASSERT_EQ(game.App().mapShowMessages, 1);
  d.Click(726, 461, kMouseLeft);  // End Turn again, to close the board
  d.RunFrames(2);
  EXPECT_EQ(game.App().mapShowMessages, 0);
  EXPECT_EQ(game.State().day, 3u) << "the press only closed the board";

  // So does a press that closes another box: here the inspect text.
  game.LookAt(map.enemyX[2], map.enemyY[2]);
  game.ClickWorld(map.enemyX[2], map.enemyY[2]);
  ASSERT_EQ(map.inspectShown, 1);
  d.Click(726, 461, kMouseLeft);  // End Turn
  d.RunFrames(2);
  EXPECT_EQ(map.inspectShown, 0);
  EXPECT_EQ(game.State().day, 3u) << "the press only closed the text";
}

TEST_F(MapE2E, ThePressThatClosesAnArmysOutcomeIsItsAlone) {
  // Army 80 reaches the palace in the armies' turn and its outcome waits.
  // The right press that closes it, over End Turn, Quit or the player's
  // button, presses none of them: the day stays, nothing opens, and the
  // day's board comes up. Also when a click came earlier in the armies'
  // turn (the board, not shown then, took it before), and when the right
  // press is held on (it does not close the board as well). Nor does a left
  // press begun while the armies march and held on as Enter closes the
  // outcome press the button beneath it once the party's turn is back.
  enum class Press { kRightClick, kRightHeld, kLeftHeldFromTheMarch };
  const struct {
    const char* name;
    int x, y;
    Press press;
  } rows[] = {{"End Turn", 726, 461, Press::kRightClick},
              {"Quit", 680, 28, Press::kRightClick},
              {"the player's button", 700, 130, Press::kRightClick},
              {"held on End Turn", 726, 461, Press::kRightHeld},
              {"End Turn held from the march", 726, 461, Press::kLeftHeldFromTheMarch},
              {"Quit held from the march", 680, 28, Press::kLeftHeldFromTheMarch}};
  const invasion::Invader* palace = invasion::FindInvader(80);
  ASSERT_NE(palace, nullptr);
  for (const auto& row : rows)
    for (const bool clickedBefore : {false, true}) {
      SCOPED_TRACE(row.name);
      SCOPED_TRACE(clickedBefore ? "a click in the armies' turn" : "no click before");
      MapGame game([](GameState& s) {
        s.day = 10;  // the day change makes day 11: army 80 enters the map
      });
      ScenarioDriver& d = game.driver;
      MapEncounters& map = game.Map();
      game.CloseBoard();
      d.Click(726, 461, kMouseLeft);  // End Turn
      ASSERT_EQ(game.State().day, 11u);
      ASSERT_NE(map.marchPhase, MapEncounters::kTurnOver);
      if (clickedBefore) d.Click(300, 300, kMouseLeft);
      if (row.press == Press::kLeftHeldFromTheMarch) {
        d.MoveTo(row.x, row.y);
        d.ButtonDown(kMouseLeft);
        d.RunFrames(2);
      }
      // The army at its place, its quest under way.
      game.State().questStage[palace->quest - 1] = kQuestUnderWay;
      map.enemyX[80] = palace->at;
      map.movingArmy = 80;
      map.marchPhase = MapEncounters::kSettle;
      for (int i = 0; i < 60 && !map.outcomeShown; ++i) d.RunFrames(1);
      ASSERT_EQ(map.outcomeShown, 1);
      d.RunFrames(5);
      ASSERT_EQ(map.outcomeShown, 1) << "the outcome waits";

      if (row.press == Press::kLeftHeldFromTheMarch) {
        d.PressKey(kKeyEnter);
        d.RunFrames(5);
        d.ButtonUp(kMouseLeft);
      } else {
        d.MoveTo(row.x, row.y);
        d.ButtonDown(kMouseRight);
        d.RunFrames(row.press == Press::kRightHeld ? 10 : 1);
        d.ButtonUp(kMouseRight);
      }
      d.RunFrames(30);
      EXPECT_EQ(map.outcomeShown, 0);
      EXPECT_STREQ(d.ScreenName(), "MapProc") << "nothing opens";
      EXPECT_EQ(game.State().day, 11u) << "the day stays";
      EXPECT_EQ(map.marchPhase, MapEncounters::kTurnOver);
      EXPECT_EQ(game.App().mapShowMessages, 1) << "the day's board is up";
      game.CloseBoard();
      EXPECT_EQ(game.App().mapShowMessages, 0);
      d.Click(726, 461, kMouseLeft);
      EXPECT_EQ(game.State().day, 12u) << "End Turn works again";
    }

  // A click while the armies march is not the board's either: the board,
  // not shown then, stays to come up when their turn is over.
  MapGame game([](GameState& s) { s.day = 10; });
  ScenarioDriver& d = game.driver;
  game.CloseBoard();
  d.Click(726, 461, kMouseLeft);  // End Turn
  ASSERT_NE(game.Map().marchPhase, MapEncounters::kTurnOver);
  d.Click(300, 300, kMouseLeft);
  EXPECT_EQ(game.App().mapShowMessages, 1);
  ASSERT_TRUE(RunArmiesTurn(game));
  EXPECT_EQ(game.App().mapShowMessages, 1);
}

TEST_F(MapE2E, WhatWasAskedForAMemberGoesWithHim) {
  // Hero 0 stands east of the player with no steps left; army 2 stands seven
  // cells north of the player, hero 1 just south of it.
  MapGame game([](GameState& s) {
    int x = 0, y = 0;
    cells::CellCorner(s.partyCell, &x, &y);
    s.heroPresent[0] = 1;
    s.heroCell[0] = cells::CellAt(x + 40, y);
    s.heroDayAllowance[0] = 0;
    s.heroPresent[1] = 1;
    s.heroCell[1] = cells::CellAt(x, y - 6 * 40);
  });
  ScenarioDriver& d = game.driver;
  MapEncounters& map = game.Map();
  auto hideAndShow = [&d] {
    for (int i = 0; i < 2; ++i) {
      d.Click(726 + 32, 12 + 16, kMouseLeft);
      d.RunFrames(2);
    }
  };
  game.CloseBoard();

  // An attack planned for a hero goes with the bar: Enter then starts no
  // battle for nobody, and no route is left drawn.
  game.LookAt(map.heroX[1], map.heroY[1]);
  game.ClickWorld(map.heroX[1], map.heroY[1]);
  game.ClickWorld(map.enemyX[2], map.enemyY[2]);
  ASSERT_EQ(map.attackAdjacent, 1);
  hideAndShow();
  d.PressKey(kKeyEnter);
  d.RunFrames(10);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(map.attackPending, 0);
  EXPECT_EQ(map.routeShown, 0);

  // A walk set off while the bar's button is held down goes on when the bar
  // hides on its release.
  const int32_t heroY = map.heroY[1];
  game.ClickWorld(map.heroX[1], heroY);
  game.ClickWorld(map.heroX[1], heroY + 2 * 40);
  d.MoveTo(726 + 32, 12 + 16);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  d.PressKey(kKeyEnter);
  ASSERT_NE(map.heroWalking, 0);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(100);
  EXPECT_EQ(game.App().controlBar->hideShowState, 0);
  EXPECT_EQ(map.heroY[1], heroY + 2 * 40) << "the hero arrives";
  EXPECT_EQ(map.heroWalking, 0);
  d.Click(726 + 32, 12 + 16, kMouseLeft);  // show
  d.RunFrames(2);

  // Inspect mode asked for the player goes with the bar too: the next click
  // on him selects him.
  game.LookAt(map.playerX, map.playerY);
  game.ClickWorld(map.playerX, map.playerY);
  d.PressKey(kKeyI);
  ASSERT_EQ(map.infoMode, MapEncounters::kInfoArmed);
  hideAndShow();
  EXPECT_EQ(map.infoMode, MapEncounters::kInfoOff);
  game.ClickWorld(map.playerX, map.playerY);
  EXPECT_EQ(map.playerSelected, 1);

  // The inspect text closed by leaving for the save-and-quit question takes
  // its inspect mode along, and the press held over the map meanwhile is
  // not played back: back on the map the next click plans a walk.
  d.PressKey(kKeyI);
  game.ClickWorld(map.enemyX[2], map.enemyY[2]);
  ASSERT_EQ(map.inspectShown, 1);
  const int32_t toX = map.playerX - 2 * 40, toY = map.playerY - 4 * 40;
  d.MoveTo(toX - game.View().cameraX + 20, toY - game.View().cameraY + 20);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "SaveAndQuitProc");
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  d.RunFrames(2);
  EXPECT_EQ(map.infoMode, MapEncounters::kInfoOff);
  EXPECT_EQ(map.playerWalkState, MapEncounters::kWalkIdle);
  game.ClickWorld(toX, toY);
  EXPECT_EQ(map.playerWalkState, MapEncounters::kWalkPlanned);

  // A refused trade is not carried onto the next day's board.
  game.ClickWorld(map.playerX, map.playerY);
  d.Click(460 + 32, 530 + 29, kMouseLeft);  // Trade
  d.RunFrames(2);
  game.ClickWorld(map.heroX[0], map.heroY[0]);
  ASSERT_EQ(map.meetingCalledOff, 1);
  d.Click(726, 461, kMouseLeft);  // End Turn
  d.RunFrames(2);
  ASSERT_EQ(game.State().day, 2u);
  ASSERT_EQ(game.App().mapShowMessages, 1);
  EXPECT_EQ(map.meetingCalledOff, 0);
  EXPECT_EQ(d.Dump().find("Can't Trade"), std::string::npos);
}

TEST_F(MapE2E, TheBoardsChoiceTakesOverNothingAskedOfAnother) {
  // Day 18 ends: day 19 opens with a dated warning over the board, and fame
  // brings hero 1, whom the board chooses once the warning is acknowledged.
  // The player stands just south of army 2, hero 0 two cells east of him.
  MapEncounters probe;
  BuildNewGamePopulation(probe);
  const int32_t armyX = probe.enemyX[2], armyY = probe.enemyY[2];
  enum class Asked {
    kTrade,
    kThePlayersAttack,
    kThePlayersAttackAsNextIsLetGo,
    kAHerosWalkAndAttack,
    kAHerosWalk,
    kAHerosWalkWithTradeHeld
  };
  auto play = [&](Asked asked) {
    MapGame game([&](GameState& s) {
      s.day = 18;
      s.fame = 5;
      s.questStage[6 - 1] = kQuestClosed;  // no army sets off today
      s.partyCell = cells::CellAt(armyX, armyY + 40);
      s.heroPresent[0] = 1;
      s.heroCell[0] = cells::CellAt(armyX + 2 * 40, armyY + 40);
    });
    ScenarioDriver& d = game.driver;
    MapEncounters& map = game.Map();
    game.CloseBoard();
    d.Click(726, 461, kMouseLeft);  // End Turn
    d.RunFrames(2);
    for (int i = 0; i < 3000 && map.marchPhase != MapEncounters::kTurnOver; ++i) d.RunFrames(1);
    ASSERT_EQ(game.State().day, 19u);
    ASSERT_NE(map.questMessage, 0) << "the warning stands over the board";
    ASSERT_EQ(map.focusHero, 2);
    // The party left of the warning's box.
    game.LookAt(armyX + 300, armyY + 140);

    const int32_t heroX = map.heroX[0];
    switch (asked) {
      case Asked::kTrade:
        game.ClickWorld(heroX, map.heroY[0]);
        ASSERT_EQ(map.selectedHero, 1);
        d.Click(460 + 32, 530 + 29, kMouseLeft);  // Trade
        d.RunFrames(2);
        ASSERT_EQ(map.meetingState, MapEncounters::kMeetAsked);
        d.PressKey(kKeyEnter);
        break;
      case Asked::kThePlayersAttack:
        game.ClickWorld(map.playerX, map.playerY);
        game.ClickWorld(armyX, armyY);
        ASSERT_EQ(map.attackAdjacent, 1);
        d.PressKey(kKeyEnter);
        break;
      case Asked::kThePlayersAttackAsNextIsLetGo:
        game.ClickWorld(map.playerX, map.playerY);
        game.ClickWorld(armyX, armyY);
        d.MoveTo(736 + 32, 530 + 29);  // the unit panel's Next button
        d.ButtonDown(kMouseLeft);
        d.RunFrames(1);
        d.KeyDown(kKeyEnter);
        d.ButtonUp(kMouseLeft);
        d.RunFrames(1);
        d.KeyUp(kKeyEnter);
        break;
      case Asked::kAHerosWalkAndAttack:
        game.ClickWorld(heroX, map.heroY[0]);
        game.ClickWorld(armyX, armyY);
        ASSERT_EQ(map.attackPending, 1);
        ASSERT_EQ(map.walkSteps, 1);
        d.Click(400, 60, kMouseRight);  // the right button acknowledges
        break;
      case Asked::kAHerosWalk:
        game.ClickWorld(heroX, map.heroY[0]);
        game.ClickWorld(heroX + 40, map.heroY[0]);
        d.PressKey(kKeyEnter);
        break;
      case Asked::kAHerosWalkWithTradeHeld: {
        // Trade is held down from before Enter until after the walk.
        const int32_t heroY = map.heroY[0];
        game.ClickWorld(heroX, heroY);
        game.ClickWorld(heroX, heroY + 40);
        d.MoveTo(460 + 32, 530 + 29);
        d.ButtonDown(kMouseLeft);
        d.RunFrames(2);
        d.PressKey(kKeyEnter);
        d.RunFrames(60);
        ASSERT_EQ(map.heroY[0], heroY + 40);
        d.ButtonUp(kMouseLeft);
        d.RunFrames(2);
        break;
      }
    }
    d.RunFrames(1);
    if (asked == Asked::kAHerosWalk) {
      // The hero whom the board chose as hero 0 set off stays chosen, and
      // fights the attack he is sent on next.
      d.RunFrames(60);
      ASSERT_EQ(map.heroX[0], heroX + 40);
      game.CloseBoard();
      ASSERT_EQ(map.selectedHero, 2);
      game.LookAt(map.heroX[1], map.heroY[1]);
      game.ClickWorld(probe.enemyX[6], probe.enemyY[6]);
      ASSERT_EQ(map.attackPending, 1);
      d.PressKey(kKeyEnter);
    }
    if (asked != Asked::kTrade && asked != Asked::kAHerosWalkWithTradeHeld) {
      // The attack set off before the board chose: its own member fights.
      for (int i = 0; i < 200 && d.App().screenProc == GameApp::GoKingdomMap; ++i) d.RunFrames(1);
      ASSERT_STREQ(d.ScreenName(), "BattleProc");
      const bool byPlayer =
          asked == Asked::kThePlayersAttack || asked == Asked::kThePlayersAttackAsNextIsLetGo;
      EXPECT_EQ(game.State().battleByPlayer, byPlayer ? 1 : 0);
      EXPECT_EQ(game.State().battleHero, byPlayer ? 0 : asked == Asked::kAHerosWalk ? 2 : 1);
      return;
    }
    ASSERT_EQ(map.selectedHero, 2) << "the board chose the hero who joined";
    EXPECT_EQ(map.meetingState, MapEncounters::kMeetNone) << "trade mode went with hero 0";
    game.CloseBoard();

    // A click on the player only chooses him.
    const int32_t playerX = map.playerX;
    const int32_t hero1X = map.heroX[1], hero1Y = map.heroY[1];
    game.ClickWorld(map.playerX, map.playerY);
    d.RunFrames(60);
    ASSERT_STREQ(d.ScreenName(), "MapProc");
    EXPECT_EQ(map.playerSelected, 1);
    EXPECT_EQ(map.meetingCalledOff, 0);
    EXPECT_EQ(d.Dump().find("Can't Trade"), std::string::npos);
    EXPECT_EQ(map.playerX, playerX);
    EXPECT_EQ(map.heroX[0], heroX);
    EXPECT_EQ(map.heroX[1], hero1X);
    EXPECT_EQ(map.heroY[1], hero1Y) << "nobody walks";
  };
  for (Asked asked :
       {Asked::kTrade, Asked::kThePlayersAttack, Asked::kThePlayersAttackAsNextIsLetGo,
        Asked::kAHerosWalkAndAttack, Asked::kAHerosWalk, Asked::kAHerosWalkWithTradeHeld}) {
    SCOPED_TRACE(int(asked));
    play(asked);
  }
}

TEST_F(MapE2E, ThePressThatClosesAFindActsOnNothingBeneath) {
  // The player walks onto the bag beside the palace from the west, hero 0
  // standing south-west of the bag; or, his bag full, onto chest 1 from the
  // east, whose item is placed back with the bag-full note.
  enum class Beneath { kAHero, kThePalace, kTheEndTurnButton, kAGoldPile };
  auto play = [](Beneath beneath) {
    const bool bagFull = beneath == Beneath::kAGoldPile;
    const int32_t findX = bagFull ? -680 : 400, findY = bagFull ? 400 : 200;
    MapGame game([&](GameState& s) {
      s.partyCell = cells::CellAt(findX + (bagFull ? 40 : -40), findY);
      s.heroPresent[0] = 1;
      s.heroCell[0] = cells::CellAt(findX - 40, findY + 40);
      for (int c = 0; bagFull && c < kBagCells; ++c) {
        if (s.playerItems[c] != 0) continue;
        s.playerItems[c] = uint8_t(200 + c);
        s.playerItemHeld[199 + c] = 1;
        s.playerItemSlot[199 + c] = uint8_t(c);
      }
    });
    ScenarioDriver& d = game.driver;
    MapEncounters& map = game.Map();
    game.CloseBoard();
    game.LookAt(findX, findY);
    game.ClickWorld(map.playerX, map.playerY);
    game.ClickWorld(findX, findY);
    d.PressKey(kKeyEnter);
    d.RunFrames(60);
    ASSERT_EQ(map.playerX, findX);
    ASSERT_EQ(map.findShown, MapEncounters::kFindShown);
    ASSERT_EQ(map.playerSelected + map.selectedHero, 0);
    if (bagFull) {
      d.PressKey(kKeyEnter);
      d.RunFrames(2);
      ASSERT_EQ(map.bagFull, 1);
    }

    // The box stands over the middle of the screen: what lies beneath it
    // is brought there.
    int32_t x = 0, y = 0;
    switch (beneath) {
      case Beneath::kAHero: x = map.heroX[0], y = map.heroY[0]; break;
      case Beneath::kThePalace: cells::CellCorner(map.palaceCell[0], &x, &y); break;
      case Beneath::kAGoldPile: x = map.goldPileX[0], y = map.goldPileY[0]; break;
      case Beneath::kTheEndTurnButton: break;
    }
    if (beneath == Beneath::kTheEndTurnButton) {
      d.Click(726, 461, kMouseLeft);
    } else {
      game.LookAt(x, y + 50);
      d.Click(420, 270, kMouseLeft);
    }
    d.RunFrames(2);
    EXPECT_EQ(map.findShown, MapEncounters::kFindNone);
    EXPECT_EQ(map.bagFull, 0);
    EXPECT_EQ(map.playerSelected + map.selectedHero, 0) << "nobody is chosen";
    EXPECT_EQ(map.inspectShown, 0) << "nothing is inspected";
    EXPECT_EQ(game.State().day, 1u) << "the day goes on";
  };
  for (Beneath beneath :
       {Beneath::kAHero, Beneath::kThePalace, Beneath::kTheEndTurnButton, Beneath::kAGoldPile}) {
    SCOPED_TRACE(int(beneath));
    play(beneath);
  }
}

TEST_F(MapE2E, AHerosWalkStartLetsGoOfWhatWasAskedForHim) {
  // Hero 0 stands east of the player and plans a walk three cells south; the
  // magnifier is asked for him by the key I, or Trade or Next is held down
  // around Enter and let go after the walk. His walk's start lets him go
  // with all of it: a click on the player afterwards only chooses him.
  enum class Asked { kTheKeyI, kTradeHeld, kNextHeld };
  for (Asked asked : {Asked::kTheKeyI, Asked::kTradeHeld, Asked::kNextHeld}) {
    SCOPED_TRACE(int(asked));
    MapGame game([](GameState& s) {
      int x = 0, y = 0;
      cells::CellCorner(s.partyCell, &x, &y);
      s.heroPresent[0] = 1;
      s.heroCell[0] = cells::CellAt(x + 40, y);
    });
    ScenarioDriver& d = game.driver;
    MapEncounters& map = game.Map();
    game.CloseBoard();
    const int32_t heroX = map.heroX[0], heroY = map.heroY[0];
    game.LookAt(heroX, heroY);
    game.ClickWorld(heroX, heroY);
    ASSERT_EQ(map.selectedHero, 1);
    game.ClickWorld(heroX, heroY + 3 * 40);
    ASSERT_NE(map.heroWalkReady, 0);
    if (asked == Asked::kTheKeyI) {
      d.PressKey(kKeyI);
      ASSERT_EQ(map.infoMode, MapEncounters::kInfoArmed);
      d.PressKey(kKeyEnter);
      d.RunFrames(150);
    } else {
      d.MoveTo((asked == Asked::kTradeHeld ? 460 : 736) + 32, 530 + 29);
      d.ButtonDown(kMouseLeft);
      d.RunFrames(2);
      d.PressKey(kKeyEnter);
      d.RunFrames(150);
      d.ButtonUp(kMouseLeft);
      d.RunFrames(2);
    }
    ASSERT_STREQ(d.ScreenName(), "MapProc");
    ASSERT_EQ(map.heroY[0], heroY + 3 * 40) << "the walk went";

    ExpectAClickOnThePlayerOnlyChoosesHim(game);
  }
}

TEST_F(MapE2E, APanelButtonLetGoAsItsMemberSetsOffDoesNothing) {
  // Hero 0 stands just south of army 2, the player six cells south of him.
  // Hero 0 plans an attack on the army beside him, or a walk two cells
  // south; Next is held down and let go in the very frame Enter sets him
  // off. He keeps his attack or walk, and Next chooses nobody else: the
  // view stays on him.
  for (const bool attack : {true, false}) {
    SCOPED_TRACE(attack ? "an attack beside him" : "a walk");
    MapGame game([](GameState& s) {
      int x = 0, y = 0;
      cells::CellCorner(s.partyCell, &x, &y);
      s.heroPresent[0] = 1;
      s.heroCell[0] = cells::CellAt(x, y - 6 * 40);
    });
    ScenarioDriver& d = game.driver;
    MapEncounters& map = game.Map();
    game.CloseBoard();
    const int32_t heroX = map.heroX[0], heroY = map.heroY[0];
    ASSERT_EQ(map.enemyY[2], heroY - 40) << "army 2 stands north of the hero";
    game.LookAt(heroX, heroY);
    game.ClickWorld(heroX, heroY);
    ASSERT_EQ(map.selectedHero, 1);
    if (attack) {
      game.ClickWorld(map.enemyX[2], map.enemyY[2]);
      ASSERT_EQ(map.attackAdjacent, 1);
    } else {
      game.ClickWorld(heroX, heroY + 2 * 40);
      ASSERT_NE(map.heroWalkReady, 0);
    }
    d.MoveTo(736 + 32, 530 + 29);  // Next
    d.ButtonDown(kMouseLeft);
    d.RunFrames(2);
    ASSERT_NE(map.pressedPanelButton, 0);
    const int32_t cameraX = game.View().cameraX, cameraY = game.View().cameraY;
    d.KeyDown(kKeyEnter);
    d.ButtonUp(kMouseLeft);
    d.RunFrames(1);
    d.KeyUp(kKeyEnter);
    EXPECT_EQ(game.View().cameraX, cameraX) << "the view stays";
    EXPECT_EQ(game.View().cameraY, cameraY);
    if (attack) {
      EXPECT_STREQ(d.ScreenName(), "BattleProc");
      EXPECT_EQ(game.State().battleByPlayer, 0);
      EXPECT_EQ(game.State().battleHero, 1) << "hero 0 fights";
    } else {
      EXPECT_EQ(map.selectedHero, 0) << "let go as he set off";
      EXPECT_EQ(map.playerSelected, 0);
      d.RunFrames(100);
      ASSERT_STREQ(d.ScreenName(), "MapProc");
      EXPECT_EQ(map.heroY[0], heroY + 2 * 40) << "the hero arrives";
      EXPECT_EQ(map.selectedHero, 0);
      EXPECT_EQ(map.playerSelected, 0);
    }
  }
}
