// Where a press began, on the map and in the battle, played headless: a
// press moved onto a bar button, a unit-panel button slid off onto the map,
// a press moved across the battlefield onto a unit or a button, a panel press
// dropped as its member sets off, a press begun on a bar button that takes
// none, a button held through the save-and-quit question; and the map and
// the battle while the window is in the background, with a scroll key or a
// panel button held as the focus goes, or the cursor left at the screen's
// edge.

#include <cstdint>
#include <cstdlib>

#include "app/game_app.h"
#include "battle/battle_layout.h"
#include "battle/battle_screen.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "platform/input_device.h"

using namespace battle;

namespace {

// The middle of the bar's End Turn and Heroes buttons, and of the unit
// panel's Trade and Centre buttons (the panel's buttons are 64 wide from
// y 530).
constexpr int kEndTurnX = 726, kEndTurnY = 461;
constexpr int kHeroesX = 700, kHeroesY = 205;
constexpr int kPanelTop = 530;
constexpr int kTradeX = 460 + 32, kCentreX = 667 + 32, kPanelY = kPanelTop + 29;

// A new game's map with the day's board closed.
class MapGame {
 public:
  MapGame() {
    driver.Start();
    driver.RunFrames(2);
    driver.Goto("GoKingdomMap");
    driver.RunFrames(3);
    driver.Click(600, 560, kMouseLeft);  // closes the board: nothing is there
    driver.RunFrames(2);
  }
  MapEncounters& Map() { return *driver.App().mapEncounters; }
  KingdomMap& View() { return *driver.App().kingdomMap; }
  GameState& State() { return *driver.App().gameState; }

  // Shows the player at the middle of the screen and chooses him.
  void ChoosePlayer() {
    View().cameraX = Map().playerX - 400;
    View().cameraY = Map().playerY - 300;
    driver.RunFrames(1);
    driver.Click(420, 320, kMouseLeft);
    driver.RunFrames(2);
  }
  // A press begun at (x0, y0), moved to (x1, y1) while held and let go there.
  void Slide(int x0, int y0, int x1, int y1) {
    driver.MoveTo(x0, y0);
    driver.ButtonDown(kMouseLeft);
    driver.RunFrames(2);
    driver.MoveTo(x1, y1);
    driver.RunFrames(2);
    driver.ButtonUp(kMouseLeft);
    driver.RunFrames(2);
  }

  ScenarioDriver driver;
};

// A new game, then battle 1 as the map hands over to it when the player
// walks into its army.
void StartBattle(ScenarioDriver& driver) {
  driver.Start();
  driver.RunFrames(2);
  HandOverBattle(driver, 1);
}

// The same scroll case played on the kingdom map and in a battle: PLAY
// gets the driver and the view's x.
template <class Play>
void OnTheMapAndInABattle(Play play) {
  {
    SCOPED_TRACE("the map");
    MapGame game;
    play(game.driver, game.View().cameraX);
  }
  {
    SCOPED_TRACE("a battle");
    ScenarioDriver d;
    StartBattle(d);
    BattleScreen& b = *d.App().battleScreen;
    b.viewX = 0;
    play(d, b.viewX);
  }
}

// The middle of a field cell on the screen.
int ScreenX(const BattleScreen& b, uint32_t cell) { return CellX(cell) - b.viewX + kCellSize / 2; }
int ScreenY(const BattleScreen& b, uint32_t cell) { return CellY(cell) - b.viewY + kCellSize / 2; }

}  // namespace

class PressOriginMapE2E : public EndToEnd {};

TEST_F(PressOriginMapE2E, APressMovedOntoTheBarDoesNothingThere) {
  MapGame game;
  ScenarioDriver& d = game.driver;
  ASSERT_EQ(game.Map().playerSelected, 0);
  const uint32_t day = game.State().day;

  game.Slide(300, 200, kHeroesX, kHeroesY);
  ASSERT_STREQ(d.ScreenName(), "MapProc") << "the heroes screen stays closed";

  game.Slide(300, 200, kEndTurnX, kEndTurnY);
  EXPECT_EQ(game.State().day, day) << "the day goes on";
  EXPECT_EQ(game.Map().marchPhase, MapEncounters::kTurnOver) << "no army marches";
  EXPECT_EQ(d.App().controlBar->pressedId, 0);

  // A press of the button's own still works.
  d.Click(kHeroesX, kHeroesY, kMouseLeft);
  EXPECT_STREQ(d.ScreenName(), "HeroesProc");
}

TEST_F(PressOriginMapE2E, APressMovedOntoACellDoesNothingThere) {
  // An inspect text is open; the next press closes it and may press a
  // button, or inspect the cell it is made on. Made on End Turn and moved
  // onto army 2 (north of the player), it inspects nothing there.
  MapGame game;
  MapEncounters& map = game.Map();
  game.View().cameraX = map.playerX - 400;
  game.View().cameraY = map.playerY - 300;
  game.driver.RunFrames(1);
  const int armyX = map.enemyX[2] - game.View().cameraX + 20;
  const int armyY = map.enemyY[2] - game.View().cameraY + 20;
  ASSERT_TRUE(armyX > 0 && armyX < 640 && armyY > 0 && armyY < 520) << "army 2 on the screen";
  game.driver.Click(armyX, armyY, kMouseLeft);
  game.driver.RunFrames(2);
  ASSERT_EQ(map.inspectShown, 1);
  game.driver.Click(120, 120, kMouseLeft);  // nothing there: the text closes
  game.driver.RunFrames(2);
  ASSERT_EQ(map.inspectShown, 0);
  game.driver.Click(map.goldPileX[0] - game.View().cameraX + 20,
                    map.goldPileY[0] - game.View().cameraY + 20, kMouseLeft);
  game.driver.RunFrames(2);
  ASSERT_EQ(map.inspectShown, 1);
  const uint32_t day = game.State().day;

  game.Slide(kEndTurnX, kEndTurnY, armyX, armyY);
  EXPECT_EQ(map.inspectShown, 0) << "the text closed and army 2 is not inspected";
  EXPECT_EQ(game.State().day, day);
}

TEST_F(PressOriginMapE2E, APanelButtonSlidOffActsButPlansNoWalk) {
  {
    SCOPED_TRACE("Centre, slid onto the map");
    MapGame game;
    game.ChoosePlayer();
    ASSERT_EQ(game.Map().playerSelected, 1);
    const int32_t centredX = game.View().cameraX, centredY = game.View().cameraY;
    game.View().cameraX += 200;  // the player off the middle
    game.driver.RunFrames(1);
    game.Slide(kCentreX, kPanelY, 400 + 2 * 40, 320);
    EXPECT_EQ(game.View().cameraX, centredX) << "Centre acted as the press left it";
    EXPECT_EQ(game.View().cameraY, centredY);
    EXPECT_EQ(game.Map().playerWalkState, MapEncounters::kWalkIdle) << "no walk planned";
    EXPECT_EQ(game.Map().pressedPanelButton, 0);
  }
  {
    // A pixel off the button: the map beneath is still the cell the press
    // began on, and it is no more the map's for that.
    SCOPED_TRACE("Trade, slid a pixel off");
    MapGame game;
    game.ChoosePlayer();
    ASSERT_EQ(game.Map().playerSelected, 1);
    game.Slide(kTradeX, kPanelTop, kTradeX, kPanelTop - 1);
    EXPECT_EQ(game.Map().meetingState, MapEncounters::kMeetAsked) << "Trade acted";
    EXPECT_EQ(game.Map().playerWalkState, MapEncounters::kWalkIdle) << "no walk planned";
    // The next click of the panel's own works as ever.
    game.driver.Click(kTradeX, kPanelY, kMouseLeft);
    game.driver.RunFrames(2);
    EXPECT_EQ(game.Map().meetingState, MapEncounters::kMeetNone);
  }
}

TEST_F(PressOriginMapE2E, ABattlePressMovedOntoAUnitOrAButtonDoesNothingThere) {
  ScenarioDriver d;
  StartBattle(d);
  BattleScreen& b = *d.App().battleScreen;
  // The view on the fighter, whose own army stands beside him.
  b.CentreView(b.figureX, b.figureY);
  d.RunFrames(1);
  int army = -1;
  for (int j = 0; j < battle::kArmySlots && army < 0; ++j) {
    if (!b.armyUsed[j]) continue;
    const int x = ScreenX(b, b.armyCell[j]), y = ScreenY(b, b.armyCell[j]);
    if (x > 0 && x < 640 && y > 0 && y < 460) army = j;
  }
  ASSERT_GE(army, 0) << "an army on the screen";
  const int fx = ScreenX(b, b.figureCell), fy = ScreenY(b, b.figureCell);
  ASSERT_TRUE(fx > 0 && fx < 640 && fy > 0 && fy < 460);
  d.Click(fx, fy, kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(b.figureSelected, 1);

  // From the fighter's own cell onto his army: the army is not chosen.
  d.MoveTo(fx, fy);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  d.MoveTo(ScreenX(b, b.armyCell[army]), ScreenY(b, b.armyCell[army]));
  d.RunFrames(2);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(b.armySelected, 0) << "the army stays unchosen";
  EXPECT_EQ(b.figureSelected, 1);

  // From the field onto End Turn: the turn goes on.
  const uint32_t turn = b.turnNumber;
  const ButtonRect& endTurn = kButtonRects[0];
  ASSERT_EQ(endTurn.id, kButtonEndTurn);
  d.MoveTo(fx, fy);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  d.MoveTo(endTurn.x + endTurn.w / 2, endTurn.y + endTurn.h / 2);
  d.RunFrames(2);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(b.turnNumber, turn);
  EXPECT_EQ(b.enemyPhase, 0) << "the enemy's turn has not begun";
  EXPECT_EQ(b.clickedButton, kButtonNone);

  // Grid pressed and slid a pixel off onto the field beneath: Grid acts as
  // the press leaves it, and the cell there is not clicked.
  const ButtonRect& grid = kButtonRects[4];
  ASSERT_EQ(grid.id, kButtonGrid);
  const uint8_t shown = b.gridShown;
  const uint32_t clicked = b.clickedCell;
  d.MoveTo(grid.x + grid.w / 2, grid.y);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  d.MoveTo(grid.x + grid.w / 2, grid.y - 1);
  d.RunFrames(2);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  EXPECT_NE(b.gridShown, shown) << "Grid acted";
  EXPECT_EQ(b.clickedCell, clicked) << "no cell clicked";
  EXPECT_EQ(b.pathLength, 0) << "no walk planned";
}

// Right held on the map, or in a battle, as another window takes the focus:
// the view stays still in the background, and still once the focus is back,
// whether Right was let go while away or is still held (the desktop telling
// of it again as the focus returns).
TEST_F(PressOriginMapE2E, NothingScrollsWhileTheWindowIsInTheBackground) {
  auto play = [](ScenarioDriver& d, int32_t& viewX) {
    d.MoveTo(400, 300);  // away from the screen's edges
    d.RunFrames(1);
    d.KeyDown(kKeyRight);
    d.RunFrames(3);
    const int32_t before = viewX;
    ASSERT_GT(before, -100000);
    d.RunFrames(2);
    ASSERT_GT(viewX, before) << "Right scrolls while the window has the focus";

    d.Focus(false);
    const int32_t away = viewX;
    d.RunFrames(30);
    EXPECT_EQ(viewX, away) << "still in the background";
    d.KeyUp(kKeyRight);  // let go in the other window
    d.RunFrames(2);
    d.Focus(true);
    d.RunFrames(10);
    EXPECT_EQ(viewX, away) << "still once the focus is back";

    // Held as the focus goes and still held as it returns: no scroll until
    // it has been let go and pressed anew.
    d.KeyDown(kKeyRight);
    d.RunFrames(2);
    d.Focus(false);
    d.RunFrames(5);
    d.Focus(true);
    d.KeyDown(kKeyRight);
    const int32_t back = viewX;
    d.RunFrames(10);
    EXPECT_EQ(viewX, back) << "a key held from before the background is not held";
    d.KeyUp(kKeyRight);
    d.RunFrames(1);
    d.KeyDown(kKeyRight);
    d.RunFrames(3);
    EXPECT_GT(viewX, back) << "pressed anew, it scrolls";
    d.KeyUp(kKeyRight);
    d.RunFrames(1);
  };
  OnTheMapAndInABattle(play);
}

// A panel button held as the focus goes: the press ends there, as if it had
// left the button, so the button acts once; it is neither stuck pressed nor
// pressed anew when the focus comes back, and the next click works.
TEST_F(PressOriginMapE2E, APanelButtonHeldAsTheFocusGoesActsAtMostOnce) {
  MapGame game;
  ScenarioDriver& d = game.driver;
  MapEncounters& map = game.Map();
  game.ChoosePlayer();
  ASSERT_EQ(map.playerSelected, 1);
  d.MoveTo(kTradeX, kPanelY);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(map.pressedPanelButton, MapEncounters::kPanelTrade);
  ASSERT_EQ(map.meetingState, MapEncounters::kMeetNone);

  d.Focus(false);
  d.RunFrames(10);
  EXPECT_EQ(map.pressedPanelButton, 0) << "the press ended with the focus";
  EXPECT_EQ(map.panelButtonHeld, 0);
  const uint8_t asked = map.meetingState;
  EXPECT_EQ(asked, MapEncounters::kMeetAsked) << "Trade acted once as the press ended";
  d.ButtonUp(kMouseLeft);  // let go in the other window
  d.RunFrames(2);
  d.Focus(true);
  d.RunFrames(10);
  EXPECT_EQ(map.meetingState, asked) << "Trade does not act again on the return";
  EXPECT_EQ(map.pressedPanelButton, 0) << "nor is it pressed anew";
  EXPECT_EQ(map.panelButtonHeld, 0);
  EXPECT_EQ(map.playerWalkState, MapEncounters::kWalkIdle);

  d.Click(kTradeX, kPanelY, kMouseLeft);
  d.RunFrames(2);
  EXPECT_EQ(map.meetingState, MapEncounters::kMeetNone) << "the next click acts";
  EXPECT_EQ(map.pressedPanelButton, 0);
}

// Trade held over the cell the player's walk ends on as Enter sets him off:
// the walk lets him go and drops the press, which stays the gone button's
// until it is let go. The cell beneath takes nothing: the player is not
// chosen again as he arrives, nor once the button is let go.
TEST_F(PressOriginMapE2E, APanelPressDroppedByAWalkIsTakenByNothingBeneath) {
  MapGame game;
  ScenarioDriver& d = game.driver;
  MapEncounters& map = game.Map();
  KingdomMap& view = game.View();
  game.ChoosePlayer();
  d.Click(kTradeX, 425, kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(map.playerWalkState, MapEncounters::kWalkPlanned);
  view.cameraY -= kPanelY - 425;  // the walk's end now lies under Trade
  d.RunFrames(1);
  d.MoveTo(kTradeX, kPanelY);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(2);
  ASSERT_EQ(map.pressedPanelButton, MapEncounters::kPanelTrade);

  d.PressKey(kKeyEnter);
  d.RunFrames(150);
  ASSERT_EQ(map.playerWalkState, MapEncounters::kWalkIdle) << "the walk is over";
  ASSERT_EQ(map.playerCell, cells::CellAt(kTradeX + view.cameraX, kPanelY + view.cameraY))
      << "the player stands under Trade";
  EXPECT_EQ(map.playerSelected, 0) << "the cell beneath did not take the press";
  EXPECT_EQ(view.targetSet, 0);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(3);
  EXPECT_EQ(map.playerSelected, 0);
  EXPECT_EQ(map.meetingState, MapEncounters::kMeetNone) << "Trade acted for nobody";
}

// End Turn pressed while the player walks, when the bar takes no press, and
// slid a few pixels off onto the map cell beneath the button: the press
// began on the button, and the cell does not take it.
TEST_F(PressOriginMapE2E, APressBegunOnARefusingBarButtonIsNoCellsPress) {
  MapGame game;
  ScenarioDriver& d = game.driver;
  MapEncounters& map = game.Map();
  KingdomMap& view = game.View();
  game.ChoosePlayer();
  d.Click(420 + 40, 320 + 4 * 40, kMouseLeft);
  d.RunFrames(2);
  d.PressKey(kKeyEnter);
  d.RunFrames(1);
  ASSERT_GE(map.playerWalkState, MapEncounters::kWalkConfirmed) << "the player walks";
  // A point of End Turn with the cell beneath it reaching 5 pixels further left.
  auto cellAt = [&view](int x, int y) { return cells::CellAt(x + view.cameraX, y + view.cameraY); };
  int x = 678;
  while (cellAt(x, kEndTurnY) != cellAt(x - 5, kEndTurnY)) ++x;
  ASSERT_LT(x, 678 + 40);
  game.Slide(x, kEndTurnY, x - 5, kEndTurnY);
  EXPECT_EQ(view.targetSet, 0) << "no cell clicked";
  EXPECT_EQ(d.App().controlBar->pressedId, 0);
}

// Two presses the map takes only once. The trade's refusal is up and its
// closing press begins on Trade, which takes no press while it closes the
// refusal; moved onto a cell, it plans no walk there. And a click on the
// player where his panel's Trade appears chooses him, and the same press is
// not the new panel's: Trade is not pressed, nor does it act on the release.
TEST_F(PressOriginMapE2E, APressTakenNowhereElseReachesNoCellNorANewPanel) {
  {
    SCOPED_TRACE("the refusal's closing press, moved onto a cell");
    MapGame game;
    MapEncounters& map = game.Map();
    game.ChoosePlayer();
    ASSERT_EQ(map.playerSelected, 1);
    map.meetingCalledOff = 1;  // the refusal shown, its first press let go
    map.refusedClose = MapEncounters::kCloseReleased;
    game.driver.RunFrames(1);
    game.Slide(kTradeX, kPanelY, 400 + 2 * 40 + 20, 320);
    EXPECT_EQ(map.meetingCalledOff, 0) << "the press closed the refusal";
    EXPECT_EQ(map.meetingState, MapEncounters::kMeetNone) << "Trade took nothing";
    EXPECT_EQ(map.playerWalkState, MapEncounters::kWalkIdle) << "the cell took nothing";
    EXPECT_EQ(game.View().targetSet, 0);
  }
  {
    SCOPED_TRACE("a click on the player where his panel's Trade appears");
    MapGame game;
    MapEncounters& map = game.Map();
    game.View().cameraX = map.playerX - (kTradeX - 20);
    game.View().cameraY = map.playerY - (kPanelY - 20);
    game.driver.RunFrames(1);
    ASSERT_EQ(map.playerSelected, 0);
    game.driver.MoveTo(kTradeX, kPanelY);
    game.driver.ButtonDown(kMouseLeft);
    game.driver.RunFrames(3);
    ASSERT_EQ(map.playerSelected, 1) << "the click chose the player";
    EXPECT_EQ(map.pressedPanelButton, 0) << "the press is not Trade's";
    game.driver.ButtonUp(kMouseLeft);
    game.driver.RunFrames(2);
    EXPECT_EQ(map.meetingState, MapEncounters::kMeetNone) << "Trade did not act";
    game.driver.Click(kTradeX, kPanelY, kMouseLeft);
    game.driver.RunFrames(2);
    EXPECT_EQ(map.meetingState, MapEncounters::kMeetAsked) << "the next click is Trade's";
  }
}

// The cursor left at the screen's right edge as another window takes the
// focus: the view stays still while the window is in the background, and
// scrolls at the edge again once the focus is back.
TEST_F(PressOriginMapE2E, TheEdgeScrollsNothingWhileTheWindowIsInTheBackground) {
  auto play = [](ScenarioDriver& d, int32_t& viewX) {
    d.MoveTo(796, 300);
    d.RunFrames(2);
    const int32_t before = viewX;
    d.RunFrames(2);
    ASSERT_GT(viewX, before) << "the edge scrolls while the window has the focus";
    d.Focus(false);
    const int32_t away = viewX;
    d.RunFrames(30);
    EXPECT_EQ(viewX, away) << "still in the background";
    d.Focus(true);
    d.RunFrames(3);
    EXPECT_GT(viewX, away) << "the edge scrolls again";
  };
  OnTheMapAndInABattle(play);
}

// A button held as Escape or the window's close opens the save-and-quit
// question, over the map (a unit-panel button) or a battle (End Turn, Grid),
// and let go on the question or after its No: the press was the question's,
// and the button does nothing. Clicked anew afterwards, it acts.
TEST_F(PressOriginMapE2E, AButtonHeldThroughTheSaveQuestionDoesNothingAfterNo) {
  enum class Opener { kEscape, kClose };
  enum class LetGo { kOnTheQuestion, kAfterNo };
  const Opener openers[] = {Opener::kEscape, Opener::kClose};
  const LetGo letGos[] = {LetGo::kOnTheQuestion, LetGo::kAfterNo};

  auto trace = [](const char* name, Opener opener, LetGo letGo) {
    return testing::Message() << name << (opener == Opener::kEscape ? ", Escape" : ", the close")
                              << (letGo == LetGo::kOnTheQuestion ? ", let go on the question"
                                                                 : ", let go after No");
  };

  // The press held at (x, y) through the question and its No; the question
  // shows, and the screen comes back.
  auto holdThroughQuestion = [](ScenarioDriver& d, int x, int y, Opener opener, LetGo letGo,
                                const char* screen) {
    d.MoveTo(x, y);
    d.ButtonDown(kMouseLeft);
    d.RunFrames(2);
    if (opener == Opener::kEscape) {
      d.PressKey(kKeyEscape);
    } else {
      d.Close();
      d.RunFrames(1);
    }
    d.RunFrames(3);
    EXPECT_STREQ(d.ScreenName(), "SaveAndQuitProc");
    if (letGo == LetGo::kOnTheQuestion) d.ButtonUp(kMouseLeft);
    d.RunFrames(3);
    d.PressKey(kKeyEscape);  // No
    d.RunFrames(5);
    EXPECT_STREQ(d.ScreenName(), screen);
    if (letGo == LetGo::kAfterNo) d.ButtonUp(kMouseLeft);
    d.RunFrames(5);
  };

  // The unit panel's buttons, each with what it changes when it acts, and
  // the bag-full note, whose closing press would close it.
  struct MapRow {
    const char* name;
    int x, y;
    bool note;  // the bag-full note up
    int32_t (*value)(MapGame&);
  };
  const MapRow mapRows[] = {
      {"Trade", kTradeX, kPanelY, false,
       [](MapGame& g) -> int32_t { return g.Map().meetingState; }},
      {"Attack", 529 + 32, kPanelY, false,
       [](MapGame& g) -> int32_t { return g.Map().attackCommand; }},
      {"Inspect", 598 + 32, kPanelY, false, [](MapGame& g) -> int32_t { return g.Map().infoMode; }},
      {"Centre", kCentreX, kPanelY, false, [](MapGame& g) { return g.View().cameraX; }},
      {"the bag-full note", 400, 300, true, [](MapGame& g) -> int32_t { return g.Map().bagFull; }},
  };
  for (const MapRow& row : mapRows) {
    for (Opener opener : openers) {
      for (LetGo letGo : letGos) {
        SCOPED_TRACE(trace(row.name, opener, letGo));
        MapGame game;
        ScenarioDriver& d = game.driver;
        game.ChoosePlayer();
        ASSERT_EQ(game.Map().playerSelected, 1);
        if (row.note) game.Map().bagFull = 1;
        game.View().cameraX += 200;  // the player off the middle, for Centre
        d.RunFrames(1);
        const int32_t before = row.value(game);

        holdThroughQuestion(d, row.x, row.y, opener, letGo, "MapProc");
        EXPECT_EQ(row.value(game), before) << "the press did nothing";
        EXPECT_EQ(game.Map().pressedPanelButton, 0);

        d.Click(row.x, row.y, kMouseLeft);
        d.RunFrames(2);
        EXPECT_NE(row.value(game), before) << "a new click acts";
      }
    }
  }

  // The battle's End Turn and Grid.
  struct BattleRow {
    const char* name;
    int index;  // in kButtonRects
    int32_t (*value)(const BattleScreen&);
  };
  const BattleRow battleRows[] = {
      {"End Turn", 0,
       [](const BattleScreen& b) { return int32_t(b.turnNumber * 2 + (b.enemyPhase != 0)); }},
      {"Grid", 4, [](const BattleScreen& b) -> int32_t { return b.gridShown; }},
  };
  for (const BattleRow& row : battleRows) {
    for (Opener opener : openers) {
      for (LetGo letGo : letGos) {
        SCOPED_TRACE(trace(row.name, opener, letGo));
        ScenarioDriver d;
        StartBattle(d);
        d.PressKey(kKeyEnter);  // the turn panel closes
        d.RunFrames(2);
        const BattleScreen& b = *d.App().battleScreen;
        ASSERT_EQ(b.turnPanelShown, 0);
        const ButtonRect& button = kButtonRects[row.index];
        const int x = button.x + button.w / 2, y = button.y + button.h / 2;
        const int32_t before = row.value(b);

        holdThroughQuestion(d, x, y, opener, letGo, "BattleProc");
        ASSERT_EQ(d.App().battleScreen, &b) << "the same battle goes on";
        EXPECT_EQ(row.value(b), before) << "the button did nothing";
        EXPECT_EQ(b.clickedButton, kButtonNone);

        d.Click(x, y, kMouseLeft);
        d.RunFrames(2);
        EXPECT_NE(row.value(b), before) << "a new click acts";
      }
    }
  }
}
