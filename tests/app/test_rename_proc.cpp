// The name editor's frame: it goes back to the screen that opened it, and on
// Ready or Enter the typed name reaches the army or hero the caller named,
// and nothing else.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "app/game_app.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "harness/scenario_driver.h"
#include "party/name_entry.h"
#include "places/place_table.h"
#include "platform/input_device.h"
#include "test_folder.h"

namespace {

constexpr uint8_t kNoHeroChosen = 100;
constexpr int32_t kReadyX = 400;
constexpr int32_t kReadyY = 500;
constexpr int32_t kBackX = 720;
constexpr int32_t kBackY = 20;

class RenameProc : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(TestFolder().c_str()), 0);
    d.Start();
    d.RunFrames(2);
  }

  // The editor opened for an army, as a place or party screen opens it.
  void OpenForArmy(uint8_t owner, uint8_t slot, uint8_t returnTo, const char* name) {
    GameApp& app = d.App();
    GlyphFromText(name, app.gameState->renameBuffer);
    app.renameArmy = 1;
    app.renameArmySlot = slot;
    app.renameOwner = owner;
    app.renameReturn = returnTo;
    ASSERT_TRUE(d.Goto("GoRename"));
    d.RunFrames(2);
    ASSERT_STREQ(d.ScreenName(), "RenameProc");
  }

  // The editor opened for a hero's name, as the heroes screen opens it.
  void OpenForHero(uint8_t hero, const char* name) {
    GameApp& app = d.App();
    GlyphFromText(name, app.gameState->heroNameBuffer);
    app.renameHero = 1;
    app.selectedHero = hero;
    app.renameReturn = kRenameHeroName;
    ASSERT_TRUE(d.Goto("GoRename"));
    d.RunFrames(2);
  }

  // Enter, stopped in the frame the editor leaves (before the next screen
  // runs).
  void Enter() {
    d.KeyDown(kKeyEnter);
    d.RunFrames(1);
    d.KeyUp(kKeyEnter);
  }

  void TypeCapital(int key) {
    d.KeyDown(kKeyLShift);
    d.PressKey(key);
    d.KeyUp(kKeyLShift);
  }

  ScenarioDriver d;
};

}  // namespace

TEST_F(RenameProc, GoesBackToTheScreenThatOpenedIt) {
  struct Way {
    uint8_t renameReturn;
    ScreenProc screen;
  };
  const Way ways[] = {
      {kRenameToVillage, GameApp::GoVillage}, {kRenameToPlayer, GameApp::GoPlayer},
      {kRenameToHeroes, GameApp::GoHeroes},   {kRenameToTown, GameApp::GoTown},
      {kRenameToTemple, GameApp::GoTemple},   {kRenameToPalace, GameApp::GoPalace},
      {kRenameToCastle, GameApp::GoCastle},   {kRenameToTower, GameApp::GoTower},
      {kRenameHeroName, GameApp::GoHeroes},   {9, GameApp::GoHeroes},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(int(way.renameReturn));
    OpenForArmy(kVisitorPlayer, 1, way.renameReturn, "Bold");
    d.App().renameReturned = 0;
    Enter();
    GameApp& app = d.App();
    EXPECT_EQ(app.screenProc, way.screen);
    EXPECT_EQ(app.nameEditor, nullptr);
    EXPECT_EQ(app.renameReturned, 1);
    EXPECT_EQ(app.renameReturn, 0);
    EXPECT_EQ(app.renameArmy, 0);
  }
}

TEST_F(RenameProc, ReadyStoresTheTypedArmyNameAndBackStoresNothing) {
  GameState& s = *d.App().gameState;
  constexpr uint8_t kHero1 = kVisitorFirstHero + 1;
  OpenForArmy(kHero1, 2, kRenameToTown, "ab");
  TypeCapital(kKeyB);
  d.PressKey(kKeyO);
  d.Click(kReadyX, kReadyY, kMouseLeft);
  EXPECT_EQ(GlyphToText(s.heroArmies[1].armyNames[1]), "abBo|");
  EXPECT_EQ(d.App().renameDone, 1);
  EXPECT_EQ(d.App().renameArmySlot, 2) << "the caller reads which army it was";
  EXPECT_EQ(d.App().renameOwner, kHero1);

  // Back after typing: the name stays, renameDone is not set.
  d.App().renameDone = 0;
  OpenForArmy(kVisitorPlayer, 3, kRenameToTown, "Old");
  const std::string before = GlyphToText(s.playerArmies.armyNames[2]);
  d.PressKey(kKeyX);
  d.Click(kBackX, kBackY, kMouseLeft);
  EXPECT_EQ(d.App().screenProc, GameApp::GoTown);
  EXPECT_EQ(GlyphToText(s.playerArmies.armyNames[2]), before);
  EXPECT_EQ(d.App().renameDone, 0);

  // No army selected (slot 0): nothing is stored anywhere.
  const ArmyRecord playerArmies = s.playerArmies;
  ArmyRecord heroArmies[kHeroCount];
  std::memcpy(heroArmies, s.heroArmies, sizeof heroArmies);
  OpenForArmy(kVisitorPlayer, 0, kRenameToTown, "Old");
  d.PressKey(kKeyX);
  Enter();
  EXPECT_EQ(std::memcmp(&playerArmies, &s.playerArmies, sizeof playerArmies), 0);
  EXPECT_EQ(std::memcmp(heroArmies, s.heroArmies, sizeof heroArmies), 0);
  EXPECT_EQ(d.App().renameDone, 1);
}

TEST_F(RenameProc, AHeroNameGoesToTheChosenHeroOnly) {
  GameState& s = *d.App().gameState;
  OpenForHero(4, "Ann");
  d.PressKey(kKeyA);
  EXPECT_TRUE(d.WriteShot(TestFile("name_editor_hero.png")));
  Enter();
  uint8_t name[kGlyphNameLength];
  s.GetHeroName(4, name);
  EXPECT_EQ(GlyphToText(name), "Anna|");
  EXPECT_EQ(GlyphToText(s.heroNameBuffer), "Anna|");
  EXPECT_EQ(d.App().screenProc, GameApp::GoHeroes);
  EXPECT_EQ(d.App().renameHero, 0);

  // No hero chosen: neither the names (nor what lies beside them) nor the
  // hand-over buffer change.
  uint8_t names[sizeof s.heroNames];
  std::memcpy(names, s.heroNames, sizeof names);
  OpenForHero(kNoHeroChosen, "Zed");
  uint8_t buffer[kGlyphNameLength];
  std::memcpy(buffer, s.heroNameBuffer, kGlyphNameLength);
  d.PressKey(kKeyA);
  Enter();
  EXPECT_EQ(std::memcmp(names, s.heroNames, sizeof names), 0);
  EXPECT_EQ(std::memcmp(buffer, s.heroNameBuffer, kGlyphNameLength), 0);
  EXPECT_EQ(d.App().screenProc, GameApp::GoHeroes);
}
