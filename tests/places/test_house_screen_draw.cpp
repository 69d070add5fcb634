// The place screen's buttons and drawing: the looks through a press, the
// buttons that are not on the screen, the numbers of the army panel and the
// reward items' colour keys.

#include <gtest/gtest.h>

#include <vector>

#include "game/item_catalog.h"
#include "map/test_map_encounters_util.h"
#include "places/house_draw.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/bmp_reader.h"
#include "platform/paths.h"
#include "platform/sprite_sheet.h"

using namespace house_layout;
using house_art::kLookHovered;
using house_art::kLookIdle;
using house_art::kLookPressed;

namespace {

int32_t CentreX(const Rect& r) { return r.x + r.w / 2; }
int32_t CentreY(const Rect& r) { return r.y + r.h / 2; }

// A visit's object without pictures, under a headless mouse.
class PlaceInput : public ::testing::Test {
 protected:
  // One frame's input as the visit procedure runs it: the hover, then on a
  // press the click tests and the selection.
  void Frame(const Rect& at, bool down) {
    mouse.Set(kMouseLeft, down);
    const int32_t x = CentreX(at), y = CentreY(at);
    h.Hover(x, y);
    if (down) {
      if (h.Click(x, y, &mouse.mouse)) h.clickTaken = 1;
      h.SelectTests(x, y, &mouse.mouse);
    }
    h.ClearHover();
  }
  // The procedure's end of a press: the button has acted.
  void Acted() {
    h.pressedId = 0;
    h.clickTaken = 0;
  }
  // A press on the button at `at` taken by the click tests; 0 when none.
  uint8_t Pressed(const Rect& at) {
    mouse.Set(kMouseLeft, true);
    const uint8_t id = h.Click(CentreX(at), CentreY(at), &mouse.mouse) ? h.pressedId : 0;
    mouse.Set(kMouseLeft, false);
    Acted();
    return id;
  }

  poptest::TestMouse mouse;
  HouseScreen h{PlaceKind::Village};
};

TEST_F(PlaceInput, LooksFollowHoverPressSlideOffAndRelease) {
  const Rect nowhere = {300, 300, 1, 1};
  Frame(kHealRect, false);
  EXPECT_EQ(h.lookHeal, kLookHovered);
  EXPECT_EQ(h.lookLeave, kLookIdle);

  Frame(kHealRect, true);
  EXPECT_EQ(h.pressedId, kHouseHeal);
  EXPECT_EQ(h.lookHeal, kLookPressed);

  // Slid off with the button held: the look stays pressed until the
  // procedure has acted, then follows the cursor again.
  Frame(nowhere, true);
  EXPECT_EQ(h.pressedId, kHouseHeal);
  EXPECT_EQ(h.lookHeal, kLookPressed);
  Acted();
  Frame(nowhere, true);
  EXPECT_EQ(h.lookHeal, kLookIdle);
  EXPECT_EQ(h.pressedId, 0);

  // Released over the button: hovered again once it has acted. A held
  // press moved onto another button takes that one instead.
  Frame(kTalkRect, true);
  EXPECT_EQ(h.lookTalk, kLookPressed);
  Frame(kLeaveRect, true);
  EXPECT_EQ(h.pressedId, kHouseLeave);
  EXPECT_EQ(h.lookTalk, kLookPressed);
  Acted();
  Frame(kLeaveRect, false);
  EXPECT_EQ(h.lookTalk, kLookIdle);
  EXPECT_EQ(h.lookLeave, kLookHovered);

  // Disband and Name have no pressed look; Disband asks at once.
  h.armyUsed[2] = 1;
  h.armyPlace[2] = 2;
  Frame({kCellX[2], kCellY[2], kCellW, kCellH}, true);
  ASSERT_EQ(h.selectedArmy, 3);
  Acted();
  Frame(kDisbandRect, true);
  EXPECT_EQ(h.pressedId, kHouseDisband);
  EXPECT_EQ(h.lookDisband, kLookHovered);
  EXPECT_EQ(h.disbandAsked, 1);
  EXPECT_EQ(h.selectedArmy, 3);  // the question keeps its army
}

TEST_F(PlaceInput, ButtonsNotOnTheScreenTakeNoPress) {
  // The Accept question left up by a talk that has closed.
  h.acceptAsked = 1;
  EXPECT_EQ(Pressed(kAcceptYesRect), 0);
  EXPECT_EQ(Pressed(kAcceptNoRect), 0);
  h.talkOpen = 1;
  EXPECT_EQ(Pressed(kAcceptYesRect), kHouseAcceptYes);

  // A candidate still chosen after Heal or Talk closed the recruit panel.
  h.selectedCandidate = 2;
  EXPECT_EQ(Pressed(kRecruitYesRect), 0);
  EXPECT_EQ(Pressed(kRecruitNoRect), 0);
  h.recruitOpen = 1;
  EXPECT_EQ(Pressed(kRecruitNoRect), kHouseRecruitNo);

  // An empty cell selected shows no box: no Name, no Disband.
  h.selectedArmy = 4;
  EXPECT_EQ(Pressed(kNameRect), 0);
  EXPECT_EQ(Pressed(kDisbandRect), 0);
  EXPECT_EQ(h.disbandAsked, 0);
  h.armyUsed[3] = 1;
  EXPECT_EQ(Pressed(kNameRect), kHouseName);
}

// A town visited by the player, with its pictures, on a headless device.
class PlaceDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(d.created);
    h.placeNumber = 1;
    h.visitorCode = 1;
    h.LoadArt(&d.dev);
    h.LoadPlacePictures(&d.dev);
    h.LoadPortraits(&d.dev);
    h.LoadArmyIcons(&d.dev);
  }
  template <class F>
  std::vector<uint32_t> Frame(F draw) {
    d.Begin();
    draw();
    d.End();
    const uint32_t* p = headless::FramePixels();
    return std::vector<uint32_t>(p, p + 800 * 600);
  }
  std::vector<uint32_t> Panel() {
    return Frame([&] { h.DrawMainPanel(kHousePanelX, kHousePanelY); });
  }
  // Pixels that differ in the rectangle.
  static int Differ(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, const Rect& r) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x) n += a[y * 800 + x] != b[y * 800 + x];
    return n;
  }

  poptest::HeadlessDevice d;
  HouseScreen h{PlaceKind::Town};
};

constexpr Rect kScreen = {0, 0, 800, 600};

TEST_F(PlaceDraw, NumbersDrawDigitByDigitAtTheirColumns) {
  h.armyUsed[0] = 1;
  h.armyKind[0] = 2;
  h.armyCount[0] = 42;
  const auto f42 = Panel();
  h.armyCount[0] = 43;
  const auto f43 = Panel();
  // Two counts draw differently, and only in the units' column of cell 1
  // (units at x 675, tens at 660, 16 x 32 digits at 0.8 x 0.7, y 438).
  const Rect units = {675, 438, 13, 23}, tens = {660, 438, 13, 23};
  ASSERT_GT(Differ(f42, f43, units), 0);
  EXPECT_EQ(Differ(f42, f43, kScreen), Differ(f42, f43, units));
  h.armyCount[0] = 32;
  EXPECT_GT(Differ(f42, Panel(), tens), 0);
  // From 100 a cell shows no count.
  h.armyCount[0] = 100;
  const auto f100 = Panel();
  h.armyCount[0] = 250;
  EXPECT_EQ(Differ(f100, Panel(), kScreen), 0);
  EXPECT_GT(Differ(f100, f42, units), 0);

  // The selected army's values show their last three digits.
  h.selectedArmy = 1;
  h.armyAttack[0] = 234;
  const auto f234 = Panel();
  h.armyAttack[0] = 235;
  ASSERT_GT(Differ(f234, Panel(), kScreen), 0);
  h.armyAttack[0] = 1234;
  EXPECT_EQ(Differ(f234, Panel(), kScreen), 0);
}

// Where an item picture is pure `key`, the box under it shows through.
TEST_F(PlaceDraw, RewardItemPicturesKeepTheirOwnColourKey) {
  constexpr int32_t kAt = 300;
  struct Case {
    int id;
    uint32_t key;
  };
  for (const Case& c : {Case{180, 0xFF000000u}, Case{181, 0xFF000000u}, Case{7, 0xFFFF0000u}}) {
    char path[40];
    ASSERT_TRUE(ItemCatalog::IconFile(c.id, path, sizeof path, nullptr));
    BmpImage img;
    ASSERT_TRUE(LoadBmpFile(ResolveGamePath(path).c_str(), &img)) << path;
    h.itemPictureWanted[c.id - 1] = 1;
    h.LoadHeldItemPictures(&d.dev);
    const auto box = Frame([&] { house_draw::Box(h, kAt, kAt, 2.0f, 2.0f); });
    const auto item = Frame([&] {
      house_draw::Box(h, kAt, kAt, 2.0f, 2.0f);
      h.itemIcons->Draw(c.id - 1, 0, kAt, kAt, house_draw::kWhite, 1.0f, 1.0f);
    });
    int keyed = 0, keyedShown = 0, drawn = 0;
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x) {
        const size_t at = (kAt + y) * 800 + kAt + x;
        const bool changed = item[at] != box[at];
        if (img.pixels[y * img.width + x] == c.key) {
          ++keyed;
          keyedShown += changed;
        } else {
          drawn += changed;
        }
      }
    EXPECT_GT(keyed, 0) << c.id;
    EXPECT_EQ(keyedShown, 0) << c.id;
    EXPECT_GT(drawn, 0) << c.id;
  }
}

}  // namespace
