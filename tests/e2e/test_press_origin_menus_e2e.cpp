// A press belongs to what it began on, on the menus and in the places: a
// press begun beside a button, moved onto it and let go there does nothing,
// while a click on the same button still acts.

#include <cstdint>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "map/control_bar.h"
#include "menus/credits_screen.h"
#include "menus/hall_of_fame_screen.h"
#include "menus/info_screen.h"
#include "menus/main_menu_screen.h"
#include "menus/name_entry_screen.h"
#include "menus/new_game_menu.h"
#include "menus/options_screen.h"
#include "menus/quest_log.h"
#include "menus/save_and_quit_dialog.h"
#include "menus/save_slots_panel.h"
#include "party/heroes_screen.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/input_device.h"

using namespace house_layout;

namespace {

struct Point {
  int32_t x, y;
};

template <class R>
Point Centre(const R& r) {
  return {r.x + r.w / 2, r.y + r.h / 2};
}

// Down at `from`, a frame there, moved to `to`, a frame there, let go, and
// a frame with the button up.
void Slide(ScenarioDriver& d, Point from, Point to) {
  d.MoveTo(from.x, from.y);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  d.MoveTo(to.x, to.y);
  d.RunFrames(1);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
}

void ClickAt(ScenarioDriver& d, Point p) {
  d.Click(p.x, p.y, kMouseLeft);
  d.RunFrames(1);
}

// A spot on no button of the screens below.
constexpr Point kBeside = {400, 250};
// The main menu's New Game, in the part of it on the screen.
constexpr Point kNewGame = {kMenuButtons[kMenuNewGame - 1].x + kMenuButtons[kMenuNewGame - 1].w / 2,
                            kMenuButtons[kMenuNewGame - 1].y + 30};

}  // namespace

class PressOriginMenus : public EndToEnd {};

// On each screen, a press begun beside the button that leaves it, moved onto
// that button and let go there, leaves nothing; a click on it leaves.
TEST_F(PressOriginMenus, APressMovedOntoAButtonFromBesideIsNotItsClick) {
  const struct {
    const char* stub;  // nullptr: the main menu the game starts on
    const char* proc;
    Point from, button;
    void (*setup)(GameApp&);
  } screens[] = {
      {nullptr, "MainMenuProc", {400, 300}, kNewGame, nullptr},
      {"GoCredits", "CreditsProc", kBeside,
       Centre(Rect{kCreditsBackX, kCreditsBackY, kCreditsBackW, kCreditsBackH}), nullptr},
      {"GoHelp", "HelpProc", kBeside, Centre(kHelpBackRect), nullptr},
      {"GoHallOfFame", "HallOfFameProc", kBeside,
       Centre(Rect{kHallBackX, kHallBackY, kHallBackW, kHallBackH}), nullptr},
      {"GoLoadSlots", "LoadSlotsProc", kBeside, Centre(kSlotBackButton), nullptr},
      {"GoNameEntry", "NameEntryProc", kBeside, Centre(kNameEntryBackRect), nullptr},
      {"GoNewGamePortrait", "NewGamePortraitProc", kBeside, Centre(kPortraitBackButton), nullptr},
      {"GoOptions", "OptionsProc", kBeside, Centre(kOptionsButtons[kOptionsBack - 1]),
       [](GameApp& app) { app.optionsFromMap = 1; }},
      {"GoQuestLog", "QuestLogProc", kBeside,
       Centre(Rect{kQuestLogBackX, kQuestLogButtonY, kQuestLogButtonW, kQuestLogButtonH}), nullptr},
      {"GoSaveAndQuit", "SaveAndQuitProc", kBeside, Centre(kQuestionButtons[kQuestionNo - 1]),
       nullptr},
  };
  for (const auto& screen : screens) {
    SCOPED_TRACE(screen.proc);
    ScenarioDriver d;
    d.Start();
    d.RunFrames(2);
    if (screen.setup) screen.setup(d.App());
    if (screen.stub) {
      ASSERT_TRUE(d.Goto(screen.stub));
      d.RunFrames(2);
    }
    ASSERT_STREQ(d.ScreenName(), screen.proc);
    Slide(d, screen.from, screen.button);
    EXPECT_STREQ(d.ScreenName(), screen.proc);
    ClickAt(d, screen.button);
    EXPECT_STRNE(d.ScreenName(), screen.proc);
  }
}

// A button that steps a page or a portrait, or toggles the member screens'
// empty places or the heroes' count, acts as the press leaves it (for
// beside it, or for another button); the same press brought back over it
// and let go there steps nothing more.
TEST_F(PressOriginMenus, AButtonSlidOffAndBackActsOnce) {
  const struct {
    const char* stub;
    const char* proc;
    Point button;
    int (*step)(const GameApp&);
    Point away = kBeside;
  } screens[] = {
      {"GoHelp", "HelpProc", Centre(kHelpRightRect),
       [](const GameApp& a) { return int(a.infoScreen->page); }},
      {"GoNewGamePortrait", "NewGamePortraitProc", Centre(kPortraitRightButton),
       [](const GameApp& a) { return int(a.newGameMenu->portrait); }},
      {"GoQuestLog", "QuestLogProc",
       Centre(Rect{kQuestLogNextX, kQuestLogButtonY, kQuestLogButtonW, kQuestLogButtonH}),
       [](const GameApp& a) { return int(a.questLog->page); }},
      {"GoPlayer",
       "PlayerProc",
       {485 + 32, 140 + 16},  // the empty places' toggle
       [](const GameApp& a) { return int(a.controlBar->hideShowState); }},
      {"GoHeroes",
       "HeroesProc",
       {626 + 32, 15},  // the count
       [](const GameApp& a) { return int(a.heroesScreen->countShown); },
       {490 + 64, 15}},  // onto Switch
  };
  for (const auto& screen : screens) {
    SCOPED_TRACE(screen.proc);
    ScenarioDriver d;
    d.Start();
    d.RunFrames(2);
    ASSERT_TRUE(d.Goto(screen.stub));
    d.RunFrames(2);
    ASSERT_STREQ(d.ScreenName(), screen.proc);
    const int before = screen.step(d.App());
    d.MoveTo(screen.button.x, screen.button.y);
    d.ButtonDown(kMouseLeft);
    d.RunFrames(1);
    d.MoveTo(screen.away.x, screen.away.y);
    d.RunFrames(1);
    const int once = screen.step(d.App());
    EXPECT_NE(once, before) << "the button acted as the press left it";
    d.MoveTo(screen.button.x, screen.button.y);
    d.RunFrames(1);
    d.ButtonUp(kMouseLeft);
    d.RunFrames(2);
    EXPECT_EQ(screen.step(d.App()), once) << "and not again";
    ClickAt(d, screen.button);
    EXPECT_NE(screen.step(d.App()), once) << "the next click acts";
  }
}

// In a place, presses moved from beside onto Leave, Recruit, an army's cell
// and a recruit's cell take none of them; clicks on them do.
TEST_F(PressOriginMenus, APlaceTakesOnlyThePressesBegunOnItsButtonsAndCells) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.villageNumber = 3;
  s.visitorCode = kVisitorPlayer;
  ASSERT_TRUE(d.Goto("GoVillage"));
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "VillageProc");
  const VillageHouseScreen& h = *d.App().villageScreen;
  ASSERT_NE(h.armyUsed[0], 0) << "a new game's player leads an army in the first cell";
  const Point firstArmy = Centre(Rect{kCellX[0], kCellY[0], kCellW, kCellH});
  const Point lastRecruit = Centre(Rect{kCandidateCellX[kCandidateCells - 1], kCandidateCellY,
                                        kCandidateCellSize, kCandidateCellSize});

  Slide(d, kBeside, firstArmy);
  EXPECT_EQ(h.selectedArmy, 0);
  ClickAt(d, firstArmy);
  EXPECT_EQ(h.selectedArmy, 1);

  Slide(d, kBeside, Centre(kRecruitRect));
  EXPECT_EQ(h.recruitOpen, 0);
  ClickAt(d, Centre(kRecruitRect));
  ASSERT_EQ(h.recruitOpen, 1);

  d.MoveTo(kBeside.x, kBeside.y);
  d.ButtonDown(kMouseLeft);
  d.RunFrames(1);
  d.MoveTo(lastRecruit.x, lastRecruit.y);
  d.RunFrames(1);
  EXPECT_EQ(h.selectedCandidate, 0);
  d.ButtonUp(kMouseLeft);
  d.RunFrames(2);
  ClickAt(d, Centre(kRecruitRect));
  ClickAt(d, lastRecruit);
  EXPECT_EQ(h.selectedCandidate, kCandidateCells);

  Slide(d, kBeside, Centre(kLeaveRect));
  EXPECT_STREQ(d.ScreenName(), "VillageProc");
  ClickAt(d, Centre(kLeaveRect));
  EXPECT_STREQ(d.ScreenName(), "MapProc");
}
