// The battle's view and input: scrolling within its limits by keys and
// edges, the cell under a click, the buttons' looks and actions, and the
// confirm and continue steps.

#include <gtest/gtest.h>

#include "battle/battle_layout.h"
#include "battle/battle_screen.h"
#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/input_device.h"
#include "platform/mouse_cursor.h"

using namespace battle;

namespace {

class BattleInput : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBackend(Backend::Headless);
    headless::Reset();
    ASSERT_EQ(system.Create(nullptr, nullptr), 1u);
    ASSERT_EQ(keyboard.Create(&system, kDeviceKeyboard, 1), 1u);
    ASSERT_EQ(mouse.Create(&system, kDeviceMouse, 0), 1u);
    b.mouseArmed = 1;
  }
  void TearDown() override {
    keyboard.Release();
    mouse.Release();
    system.Release();
    headless::Reset();
  }
  void Press(int button, bool down) {
    headless::MouseButton(button, down);
    mouse.Acquire(1);
    mouse.Poll();
  }
  void Keys() {
    keyboard.Acquire(1);
    keyboard.Poll();
  }
  InputSystem system;
  InputDevice keyboard;
  InputDevice mouse;
  BattleScreen b;
};

}  // namespace

TEST_F(BattleInput, KeysAndEdgesScrollWithinTheLimits) {
  MouseCursor cursor;
  cursor.x = 794;  // the right edge
  cursor.y = 300;
  headless::KeyDown(kKeyRight);
  Keys();
  b.viewX = 800;
  b.ScrollByKeys(&keyboard, 10);
  b.ScrollView(&cursor, 10);
  EXPECT_EQ(b.viewX, 820);  // two steps a frame
  b.ScrollByKeys(&keyboard, 10);
  b.ScrollView(&cursor, 10);
  EXPECT_EQ(b.viewX, kViewMaxX);
  b.ScrollByKeys(&keyboard, 10);
  EXPECT_EQ(b.viewX, kViewMaxX);
  headless::KeyUp(kKeyRight);

  // Opposite keys cancel; the keypad scrolls too.
  headless::KeyDown(kKeyLeft);
  headless::KeyDown(kKeyNumpad6);
  Keys();
  b.viewX = 300;
  b.ScrollByKeys(&keyboard, 7);
  EXPECT_EQ(b.viewX, 300);
  headless::KeyUp(kKeyLeft);
  headless::KeyUp(kKeyNumpad6);

  // The bottom edge stops at 734 and leaves 734 alone; the top edge at -26.
  cursor.x = 400;
  cursor.y = 594;
  b.viewY = 730;
  b.ScrollView(&cursor, 9);
  EXPECT_EQ(b.viewY, kViewMaxY);
  b.ScrollView(&cursor, 9);
  EXPECT_EQ(b.viewY, kViewMaxY);
  cursor.y = 6;
  b.viewY = -20;
  b.ScrollView(&cursor, 9);
  EXPECT_EQ(b.viewY, kViewMinY);
  cursor.y = 7;
  cursor.x = 7;
  b.viewX = 0;
  b.viewY = 0;
  b.ScrollView(&cursor, 9);  // inside the edges: nothing
  EXPECT_EQ(b.viewX, 0);
  EXPECT_EQ(b.viewY, 0);

  // Centring on an action keeps the view inside the limits.
  b.CentreViewOnAction(1520, 1120, 1440, 1120, true);
  EXPECT_EQ(b.viewX, kViewMaxX);
  EXPECT_EQ(b.viewY, kViewMaxY);
  b.CentreViewOnAction(400, 100, 400, 300, false);  // target far below: 200 lower
  EXPECT_EQ(b.viewX, 0);
  EXPECT_EQ(b.viewY, 200 + 200 - 300);
}

TEST_F(BattleInput, ClickPicksTheCellUnderTheScrolledView) {
  b.viewX = kViewMinX;
  b.viewY = kViewMinY;
  EXPECT_EQ(b.ClickCell(30, 30, &mouse), 0u);  // no press: nothing
  EXPECT_EQ(b.destinationClicked, 0);
  Press(kMouseLeft, true);
  EXPECT_EQ(b.ClickCell(30, 30, &mouse), 1u);
  EXPECT_EQ(b.clickedCell, 1u);
  EXPECT_EQ(b.destinationClicked, 1);

  b.viewX = kViewMaxX;
  b.viewY = kViewMaxY;
  EXPECT_EQ(b.ClickCell(10, 10, &mouse), 1u);
  EXPECT_EQ(b.clickedCell, 191u);  // column 10, row 9
  EXPECT_EQ(b.clickedX, 800);
  EXPECT_EQ(b.clickedY, 720);

  // The rim and the band below the field are no cell.
  b.viewX = kViewMinX;
  b.clickedCell = 0;
  EXPECT_EQ(b.ClickCell(10, 300, &mouse), 0u);
  b.viewY = kViewMaxY;
  EXPECT_EQ(b.ClickCell(300, 500, &mouse), 0u);
  EXPECT_EQ(b.clickedCell, 0u);
}

TEST_F(BattleInput, ButtonsLookAndActOnRelease) {
  // Hovering lights a button; the end of turn is not taken during the
  // enemy's phase.
  b.HoverButtons(720, 260);
  EXPECT_EQ(b.pressedButton, kButtonEndTurn);
  EXPECT_EQ(b.buttonHover[kLookEndTurn], kLookHover);
  b.ClearHover();
  b.enemyPhase = 1;
  b.HoverButtons(720, 260);
  EXPECT_EQ(b.pressedButton, kButtonNone);
  b.enemyPhase = 0;
  b.HoverButtons(10, 10);
  EXPECT_EQ(b.buttonHover[kLookEndTurn], kLookIdle);

  // The grid toggle: pressed look while held, flips once on release.
  Press(kMouseLeft, true);
  b.HoverButtons(720, 140);
  ASSERT_EQ(b.ClickButtons(720, 140, &mouse), 1u);
  EXPECT_EQ(b.clickedButton, kButtonGrid);
  EXPECT_EQ(b.buttonHover[kLookGrid], kLookPressed);
  b.HoverButtons(720, 140);
  EXPECT_EQ(b.buttonHover[kLookGrid], kLookPressed);  // held: the look stays
  EXPECT_EQ(b.gridShown, 0);
  b.ActOnButton();
  EXPECT_EQ(b.gridShown, 1);
  EXPECT_EQ(b.clickedButton, kButtonNone);
  EXPECT_EQ(b.buttonHover[kLookGrid], kLookIdle);

  // Retreat opens the question at the click with the hovered look; Yes
  // confirms; the options and save-and-quit buttons ask to leave.
  b.buttonHeld = 0;
  ASSERT_EQ(b.ClickButtons(720, 200, &mouse), 1u);
  EXPECT_EQ(b.retreatAsked, 1);
  EXPECT_EQ(b.buttonHover[kLookRetreat], kLookHover);
  b.ActOnButton();
  EXPECT_EQ(b.retreatAsked, 1);
  ASSERT_EQ(b.ClickButtons(340, 340, &mouse), 1u);
  EXPECT_EQ(b.retreatConfirmed, kRetreatYes);
  EXPECT_EQ(b.retreated, 1);
  b.ClickButtons(720, 80, &mouse);
  b.ActOnButton();
  EXPECT_EQ(b.leaveRequest, kGoToOptions);
  b.ClickButtons(720, 30, &mouse);
  b.ActOnButton();
  EXPECT_EQ(b.leaveRequest, kGoToSaveAndQuit);

  // No button acts during the allied phase but the grid toggle.
  b.leaveRequest = kStay;
  b.allyPhase = kAllyPick;
  b.clickedButton = kButtonOptions;
  b.ActOnButton();
  EXPECT_EQ(b.leaveRequest, kStay);
  b.clickedButton = kButtonGrid;
  b.ActOnButton();
  EXPECT_EQ(b.gridShown, 0);
}

TEST_F(BattleInput, GainEntriesOfTheExperiencePage) {
  b.HoverGainEntries(145, 80);
  EXPECT_EQ(b.hoverEntry, 1);
  b.HoverGainEntries(575, 80);
  EXPECT_EQ(b.hoverEntry, 4);
  b.HoverGainEntries(295, 175);  // column 290, row 1
  EXPECT_EQ(b.hoverEntry, 6);
  b.HoverGainEntries(575, 550);  // column 570, row 6
  EXPECT_EQ(b.hoverEntry, 28);
  b.HoverGainEntries(100, 80);  // outside every entry: unchanged
  EXPECT_EQ(b.hoverEntry, 28);
  b.ClearHover();
  EXPECT_EQ(b.hoverEntry, 0);
}

TEST_F(BattleInput, ConfirmAndContinueMoveTheResultsOn) {
  // Enter on the victory message shows the experience page; again leaves.
  b.victory = kVictoryMessage;
  b.Confirm();
  EXPECT_EQ(b.victory, kVictoryExperience);
  EXPECT_EQ(b.leaveRequest, kStay);
  b.Confirm();
  EXPECT_EQ(b.leaveRequest, kGoToMap);

  // A click on the retreat question's Yes: the continue step closes the
  // question and acknowledges; the next click leaves.
  BattleScreen r;
  r.retreatAsked = 1;
  r.retreatConfirmed = kRetreatYes;
  r.releaseSeen = 1;
  r.Continue();
  EXPECT_EQ(r.retreatAsked, 0);
  EXPECT_EQ(r.retreatConfirmed, kRetreatAcknowledged);
  EXPECT_EQ(r.leaveRequest, kStay);
  r.Continue();
  EXPECT_EQ(r.leaveRequest, kGoToMap);

  // Enter after a confirmed retreat leaves at once, and closes the turn panel.
  BattleScreen e;
  e.retreatConfirmed = kRetreatYes;
  e.Confirm();
  EXPECT_EQ(e.leaveRequest, kGoToMap);
  EXPECT_EQ(e.turnPanelShown, 0);
  EXPECT_TRUE(BattleScreen().ShowsSomethingToAcknowledge());  // the first turn panel
}
