#include "menus/main_menu_screen.h"

#include <gtest/gtest.h>

#include "menus/save_and_quit_dialog.h"

TEST(MainMenuScreen, HoverLooksAndThePressLock) {
  MainMenuScreen menu;
  const MenuButton& load = kMenuButtons[kMenuLoad - 1];
  EXPECT_EQ(load.id, kMenuLoad);
  menu.HoverLoad(load.x, load.y);
  menu.HoverNewGame(load.x, load.y);
  EXPECT_EQ(menu.hoveredId, kMenuLoad);
  EXPECT_EQ(menu.look[kMenuLoad - 1], kLookHovered);
  EXPECT_EQ(menu.look[kMenuNewGame - 1], kLookNormal);
  menu.ClearHover();
  EXPECT_EQ(menu.hoveredId, kMenuNone);

  // The rectangles reach below the screen; only the visible part matters.
  const MenuButton& quit = kMenuButtons[kMenuQuit - 1];
  menu.HoverQuit(quit.x + quit.w - 1, 599);
  EXPECT_EQ(menu.hoveredId, kMenuQuit);
  menu.HoverQuit(quit.x + quit.w, 599);
  EXPECT_EQ(menu.look[kMenuQuit - 1], kLookNormal);

  // A pressed button keeps its look while the lock is set, wherever the
  // cursor goes.
  menu.look[kMenuLoad - 1] = kLookPressed;
  menu.pressLock = 1;
  menu.HoverLoad(0, 0);
  menu.HoverHelp(kMenuButtons[kMenuHelp - 1].x, 560);
  EXPECT_EQ(menu.look[kMenuLoad - 1], kLookPressed);
  EXPECT_EQ(menu.look[kMenuHelp - 1], kLookNormal);
  EXPECT_EQ(menu.hoveredId, kMenuHelp);
  // No click without a mouse.
  EXPECT_EQ(menu.ClickLoad(load.x, load.y, nullptr), 0u);
}

TEST(SaveAndQuitDialog, HoverLooks) {
  SaveAndQuitDialog dialog;
  dialog.HoverYes(90, 270);
  dialog.HoverNo(90, 270);
  EXPECT_EQ(dialog.hoverId, kQuestionYes);
  EXPECT_EQ(dialog.yesLook, 1);
  EXPECT_EQ(dialog.noLook, 0);
  dialog.HoverYes(330, 270);  // just right of Yes
  EXPECT_EQ(dialog.yesLook, 0);
  dialog.noLook = 2;
  dialog.held = 1;
  dialog.HoverNo(0, 0);
  EXPECT_EQ(dialog.noLook, 2);
  dialog.ClearHover();
  EXPECT_EQ(dialog.hoverId, 0);
}
