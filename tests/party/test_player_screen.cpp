// The player screen's buttons (what a press does at once and what waits for
// the release, and how each looks pressed) and where its numbers land.
#include "party/player_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/game_state.h"
#include "platform/asset_log.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"

namespace {

constexpr uint8_t kSword = 233;
constexpr int kReleased = 1, kStillOver = 1;

// Centres of the buttons (Rename army, Disband, Toss, Yes, No).
constexpr int32_t kRenameX = 600, kRenameY = 215;
constexpr int32_t kDisbandX = 750, kDisbandY = 215;
constexpr int32_t kTossX = 745, kTossY = 240;
constexpr int32_t kYesX = 615, kYesY = 425;
constexpr int32_t kNoX = 725, kNoY = 425;

// A player with armies in boxes 1 and 2 and a sword in the first bag cell.
struct Player {
  PlayerScreen screen;
  Player() {
    for (int i = 0; i < 2; ++i) {
      screen.armies.armyUsed[i] = 1;
      screen.armies.armyCode[i] = 1;
      screen.armies.armyPlace[i] = uint8_t(i);
    }
    uint8_t places[kItemPlaces] = {};
    places[0] = kSword;
    screen.items.Load(places);
  }
  // A press that the screen takes, then its release over the button.
  void Press(int32_t x, int32_t y, uint8_t id, uint8_t look) {
    screen.HoverButtons(x, y);
    ASSERT_EQ(screen.ClickButtons(x, y), 1);
    EXPECT_EQ(screen.pressedId, id);
    EXPECT_EQ(screen.buttonLooks[id], look) << int(id);
  }
  void Release(uint8_t id) { EXPECT_EQ(screen.ActOnRelease(kReleased, kStillOver), id); }
};

}  // namespace

// The heroes screen's member boxes are narrower and lower than the
// player's: the same point captions different values on the two screens.
TEST(PlayerScreenButtons, ValueBoxesDifferBetweenPlayerAndHeroes) {
  PlayerScreen s;
  const auto hover = [&](int32_t x, int32_t y, bool heroes) {
    s.hoverValue = kHoverNone;
    s.HoverTabs(x, y, heroes);
    return s.hoverValue;
  };
  EXPECT_EQ(hover(135, 150, false), kHoverHealth);
  EXPECT_EQ(hover(135, 150, true), kHoverNone);
  EXPECT_EQ(hover(20, 212, false), kHoverAttack);
  EXPECT_EQ(hover(20, 212, true), kHoverHealth);
  EXPECT_EQ(hover(700, 280, true), kHoverArmyEquipment);
}

// Rename army takes a press with no army chosen and while a question is
// open; Disband opens its question at the press, and Yes disbands the army
// drawn in the chosen box at the press, the question closing on release.
TEST(PlayerScreenButtons, DisbandActsOnThePressAndClosesOnRelease) {
  Player p;
  PlayerScreen& s = p.screen;
  p.Press(kRenameX, kRenameY, kPlayerRenameArmy, party_art::kLookHovered);
  p.Release(kPlayerRenameArmy);
  EXPECT_EQ(s.ClickButtons(kDisbandX, kDisbandY), 0);  // no army chosen

  s.armies.selectedArmy = 2;
  p.Press(kDisbandX, kDisbandY, kPlayerDisband, party_art::kLookHovered);
  EXPECT_EQ(s.disbandQuestion, 1);
  p.Release(kPlayerDisband);
  EXPECT_EQ(s.disbandQuestion, 1);
  p.Press(kRenameX, kRenameY, kPlayerRenameArmy, party_art::kLookHovered);
  p.Release(kPlayerRenameArmy);

  p.Press(kYesX, kYesY, kPlayerDisbandYes, party_art::kLookHovered);
  EXPECT_EQ(s.armies.armyUsed[1], 0);
  EXPECT_EQ(s.armies.armyUsed[0], 1);
  EXPECT_EQ(s.armies.selectedArmy, kNoArmyBox);
  EXPECT_EQ(s.disbandQuestion, 1);
  EXPECT_EQ(s.ActOnRelease(0, kStillOver), kPlayerNoButton);  // still held down
  p.Release(kPlayerDisbandYes);
  EXPECT_EQ(s.disbandQuestion, 0);
  EXPECT_EQ(s.ClickButtons(kYesX, kYesY), 0);
}

// Toss opens its question at the press; the throw answers look pressed and
// Yes throws the chosen item away at the press. Back looks pressed too.
TEST(PlayerScreenButtons, ThrowActsOnThePressAndBackLooksPressed) {
  Player p;
  PlayerScreen& s = p.screen;
  EXPECT_EQ(s.ClickButtons(kTossX, kTossY), 0);  // no item chosen
  s.items.chosenItem = kSword;
  p.Press(kTossX, kTossY, kPlayerToss, party_art::kLookHovered);
  EXPECT_EQ(s.throwQuestion, 1);
  p.Release(kPlayerToss);

  p.Press(kNoX, kNoY, kPlayerThrowNo, party_art::kLookPressed);
  p.Release(kPlayerThrowNo);
  EXPECT_EQ(s.throwQuestion, 0);
  EXPECT_EQ(s.items.itemSlots[0], kSword);

  p.Press(kTossX, kTossY, kPlayerToss, party_art::kLookHovered);
  p.Release(kPlayerToss);
  p.Press(kYesX, kYesY, kPlayerThrowYes, party_art::kLookPressed);
  EXPECT_EQ(s.items.itemSlots[0], 0);
  EXPECT_EQ(s.items.view.itemHeld[kSword - 1], 0);
  EXPECT_EQ(s.items.chosenItem, 0);
  EXPECT_EQ(s.throwQuestion, 1);
  p.Release(kPlayerThrowYes);
  EXPECT_EQ(s.throwQuestion, 0);

  p.Press(760, 20, kPlayerBack, party_art::kLookPressed);
}

namespace {

// The player screen drawn headless; frames are compared to find where a
// change of one value shows.
class PlayerScreenDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBackend(Backend::Headless);
    headless::Reset();
    ClearMissingAssets();
    ASSERT_EQ(device.CreateDirect3D(), 1u);
    ASSERT_EQ(device.CreateDevice(nullptr, 0, 0, 800, 600, 16), 1u);
    screen.LoadPictures(&device);
  }
  void TearDown() override {
    screen.ReleasePictures();
    device.Release();
  }

  std::vector<uint32_t> Frame() {
    device.BeginScene();
    device.Clear(0xFF000000u, 1.0f);
    screen.Draw(nullptr, state);
    device.EndScene();
    device.Present();
    const uint32_t* p = headless::FramePixels();
    return std::vector<uint32_t>(p, p + 800 * 600);
  }
  std::vector<uint32_t> FrameWithExperience(int32_t experience) {
    state.playerStats[kStatExperience] = experience;
    return Frame();
  }

  struct Box {
    int x0 = 800, y0 = 600, x1 = -1, y1 = -1;  // x1, y1 inclusive; x1 -1: no change
  };
  static Box Changed(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    Box box;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) {
        if (a[y * 800 + x] == b[y * 800 + x]) continue;
        box.x0 = std::min(box.x0, x);
        box.y0 = std::min(box.y0, y);
        box.x1 = std::max(box.x1, x);
        box.y1 = std::max(box.y1, y);
      }
    return box;
  }
  // The change lies in a frame of w x h pixels drawn at (x, y) with the scale.
  static void ExpectIn(const Box& box, int x, int y, float sx, float sy, const char* what,
                       int w = 32, int h = 32) {
    ASSERT_GE(box.x1, 0) << what << ": nothing changed";
    EXPECT_GE(box.x0, x) << what;
    EXPECT_LT(box.x1, x + int(std::ceil(w * sx))) << what;
    EXPECT_GE(box.y0, y) << what;
    EXPECT_LT(box.y1, y + int(std::ceil(h * sy))) << what;
  }

  GraphicsDevice device;
  GameState state;
  PlayerScreen screen;
};

}  // namespace

// The experience digits are placed by how many there are: up to seven on
// row 471, eight larger on row 466 with gaps between the thousands; only
// the last eight digits show.
TEST_F(PlayerScreenDraw, ExperienceDigitsArePlacedByTheirCount) {
  ExpectIn(Changed(FrameWithExperience(5), FrameWithExperience(7)), 65, 471, 0.7f, 0.8f, "1 digit");
  ExpectIn(Changed(FrameWithExperience(1000), FrameWithExperience(1001)), 103, 471, 0.7f, 0.8f,
           "4 digits, units");
  ExpectIn(Changed(FrameWithExperience(1000), FrameWithExperience(2000)), 30, 471, 0.7f, 0.8f,
           "4 digits, thousands");
  ExpectIn(Changed(FrameWithExperience(100000), FrameWithExperience(100100)), 106, 471, 0.7f, 0.8f,
           "6 digits, hundreds");
  ExpectIn(Changed(FrameWithExperience(10000000), FrameWithExperience(10000001)), 181, 466, 0.8f,
           0.8f, "8 digits, units");
  ExpectIn(Changed(FrameWithExperience(10000000), FrameWithExperience(20000000)), 48, 466, 0.8f,
           0.8f, "8 digits, ten millions");
  EXPECT_EQ(FrameWithExperience(123456789), FrameWithExperience(23456789));
}

// With no item chosen the item corner draws nothing, not even an open
// "Throw Away?"; with one chosen, its bonus shows when either of the kind
// line's first two letters is set.
TEST_F(PlayerScreenDraw, ItemCornerNeedsAChosenItem) {
  const std::vector<uint32_t> plain = Frame();
  screen.throwQuestion = 1;
  EXPECT_EQ(Frame(), plain);

  screen.throwQuestion = 0;
  screen.items.chosenItem = kSword;
  screen.panel.describedItem = kSword;
  screen.panel.kindLine[1] = 5;
  screen.panel.itemBonus = 5;
  const std::vector<uint32_t> five = Frame();
  screen.panel.itemBonus = 7;
  ExpectIn(Changed(five, Frame()), 600, 275, 1, 1, "bonus units", 16);
}
