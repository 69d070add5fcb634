// The control bar: hover and click ids and looks, what it draws shown and
// hidden, the party screens' toggle, the fire.

#include <gtest/gtest.h>

#include <vector>

#include "map/control_bar.h"
#include "map/control_bar_picture.h"
#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/input_device.h"
#include "test_map_encounters_util.h"

namespace {

class Recorder : public MapSpriteSink {
 public:
  void Sprite(const MapSprite& s) override { draws.push_back(s); }
  std::vector<MapSprite> draws;
};

// The look field of each map button, by id.
uint8_t LookOf(const ControlBar& bar, uint8_t id) {
  switch (id) {
    case kBarEndDay: return bar.endDayLook;
    case kBarHideShow: return bar.buttonLook;
    case kBarSaveQuit: return bar.quitLook;
    case kBarPlayer: return bar.playerLook;
    case kBarHeroes: return bar.heroesLook;
    case kBarWealth: return bar.wealthLook;
    case kBarQuestLog: return bar.questLogLook;
    case kBarOptions: return bar.optionsLook;
  }
  return 255;
}

struct Spot {
  uint8_t id;
  int32_t x, y;
};
// A point inside each button.
const Spot kSpots[] = {{kBarEndDay, 700, 460},   {kBarHideShow, 750, 20}, {kBarSaveQuit, 660, 20},
                       {kBarPlayer, 700, 120},   {kBarHeroes, 700, 200},  {kBarWealth, 700, 260},
                       {kBarQuestLog, 700, 330}, {kBarOptions, 700, 400}};

}  // namespace

TEST(ControlBar, HoverIdsAndLooks) {
  ControlBar bar;
  for (const Spot& s : kSpots) {
    bar.Hover(s.x, s.y);
    EXPECT_EQ(bar.hoverId, s.id);
    for (const Spot& other : kSpots) EXPECT_EQ(LookOf(bar, other.id), other.id == s.id ? 1 : 0);
  }
  // Outside every button the looks go back to idle but the id stays until
  // ClearHover.
  bar.Hover(300, 300);
  EXPECT_EQ(bar.hoverId, kBarOptions);
  for (const Spot& s : kSpots) EXPECT_EQ(LookOf(bar, s.id), 0);
  bar.ClearHover();
  EXPECT_EQ(bar.hoverId, 0);

  // The panels reach past the screen's edge: x 799 is on, 800 is not there.
  bar.Hover(799, 150);
  EXPECT_EQ(bar.hoverId, kBarPlayer);
  bar.ClearHover();
  bar.Hover(800, 150);
  EXPECT_EQ(bar.hoverId, 0);
  // Edges: the left and top edges are inside, the right and bottom outside.
  bar.Hover(678, 440);
  EXPECT_EQ(bar.hoverId, kBarEndDay);
  bar.ClearHover();
  bar.Hover(774, 470);
  EXPECT_EQ(bar.hoverId, 0);

  // While a click is held the looks stay put; the id still follows.
  bar.Hover(750, 20);
  bar.buttonHeld = 1;
  bar.Hover(660, 20);
  EXPECT_EQ(bar.hoverId, kBarSaveQuit);
  EXPECT_EQ(bar.buttonLook, 1);
  EXPECT_EQ(bar.quitLook, 0);
}

TEST(ControlBar, ClickIds) {
  poptest::TestMouse m;
  ControlBar bar;
  // No fresh press: nothing.
  EXPECT_EQ(bar.Click(700, 460, &m.mouse), 0u);
  EXPECT_EQ(bar.pressedId, 0);
  for (int button : {0, 1}) {
    m.Set(button, true);
    for (const Spot& s : kSpots) {
      ControlBar b;
      EXPECT_EQ(b.Click(s.x, s.y, &m.mouse), 1u);
      EXPECT_EQ(b.pressedId, s.id);
      EXPECT_EQ(LookOf(b, s.id), 2);
    }
    m.Set(button, false);
  }
  // A latched (held) press does not click; off the buttons nothing clicks.
  m.Set(0, true);
  EXPECT_EQ(bar.Click(300, 300, &m.mouse), 0u);
  m.mouse.SetLatch(0, 1);
  EXPECT_EQ(bar.Click(700, 460, &m.mouse), 0u);
  EXPECT_EQ(bar.Click(700, 460, nullptr), 0u);
  EXPECT_EQ(bar.pressedId, 0);
  // Hidden, the bar still tests every rectangle (the map screen ignores
  // what it must not act on).
  m.Set(0, false);
  m.Set(1, true);
  bar.hideShowState = 0;
  EXPECT_EQ(bar.Click(700, 330, &m.mouse), 1u);
  EXPECT_EQ(bar.pressedId, kBarQuestLog);
}

TEST(ControlBar, PartyScreenToggle) {
  poptest::TestMouse m;
  ControlBar bar;
  bar.HoverHideShowButton(485, 140);
  EXPECT_EQ(bar.hoverId, kBarPartyToggle);
  EXPECT_EQ(bar.buttonLook, 1);
  bar.HoverHideShowButton(549, 140);
  EXPECT_EQ(bar.buttonLook, 0);
  // The map's toggle rectangle is not the party screens' one.
  m.Set(0, true);
  EXPECT_EQ(bar.ClickHideShowButton(750, 20, &m.mouse), 0u);
  EXPECT_EQ(bar.ClickHideShowButton(500, 160, &m.mouse), 1u);
  EXPECT_EQ(bar.pressedId, kBarPartyToggle);
  EXPECT_EQ(bar.buttonLook, 2);

  Recorder shown;
  EmitHideShowButton(bar, shown);
  ASSERT_EQ(shown.draws.size(), 1u);
  EXPECT_EQ(shown.draws[0].image, kBarButtonHide);
  EXPECT_EQ(shown.draws[0].frame, 2);
  EXPECT_EQ(shown.draws[0].x, 485);
  EXPECT_EQ(shown.draws[0].y, 140);
  bar.hideShowState = 0;
  Recorder hidden;
  EmitHideShowButton(bar, hidden);
  ASSERT_EQ(hidden.draws.size(), 1u);
  EXPECT_EQ(hidden.draws[0].image, kBarButtonShow);
}

TEST(ControlBar, DrawShownAndHidden) {
  ControlBar bar;
  bar.portrait = 0;
  Recorder idle;
  EmitControlBar(bar, idle);
  ASSERT_GE(idle.draws.size(), 12u);
  EXPECT_EQ(idle.draws[0].image, kBarButtonHide);
  // Idle panels show their pictures: the portrait, the heroes, the wealth,
  // the fire; the options button its icon.
  auto has = [](const Recorder& r, int image, int frame) {
    for (const MapSprite& s : r.draws) {
      if (s.image == image && s.frame == frame) return true;
    }
    return false;
  };
  EXPECT_TRUE(has(idle, kBarPortrait, 0));
  EXPECT_TRUE(has(idle, kBarPictures, 0));
  EXPECT_TRUE(has(idle, kBarPictures, 1));
  EXPECT_TRUE(has(idle, kBarFire, 0));
  EXPECT_TRUE(has(idle, kBarOptionsIcon, 0));
  EXPECT_FALSE(has(idle, kBarCaptions, 1));

  // Hovered panels show their captions instead.
  bar.Hover(700, 200);
  Recorder heroes;
  EmitControlBar(bar, heroes);
  EXPECT_FALSE(has(heroes, kBarPictures, 0));
  EXPECT_TRUE(has(heroes, kBarCaptions, 1));
  EXPECT_TRUE(has(heroes, kBarCaptions, 2));
  EXPECT_TRUE(has(heroes, kBarCaptions, 6));
  bar.Hover(700, 400);
  Recorder options;
  EmitControlBar(bar, options);
  EXPECT_TRUE(has(options, kBarOptionsButton, 1));
  EXPECT_TRUE(has(options, kBarOptionsCaption, 0));
  EXPECT_FALSE(has(options, kBarOptionsIcon, 0));

  // Hidden: only the show button.
  bar.hideShowState = 0;
  bar.buttonLook = 1;
  Recorder hidden;
  EmitControlBar(bar, hidden);
  ASSERT_EQ(hidden.draws.size(), 1u);
  EXPECT_EQ(hidden.draws[0].image, kBarButtonShow);
  EXPECT_EQ(hidden.draws[0].frame, 1);
  EXPECT_EQ(hidden.draws[0].x, 726);
  EXPECT_EQ(hidden.draws[0].y, 12);
}

TEST(ControlBar, FireRunsEightFramesAndSurvivesTheClockWrap) {
  SetBackend(Backend::Headless);
  headless::Reset();
  ControlBar bar;
  std::vector<int> frames;
  for (int i = 0; i < 16; ++i) {
    headless::SetNowMs(headless::NowMs() + 250);
    bar.Animate();
    if (i % 2 == 1) frames.push_back(bar.fireFrame);
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0}));

  ControlBar late;
  headless::SetNowMs(0xFFFFFFF0u);
  late.Animate();
  headless::SetNowMs(0xFFFFFFF0u + 150u);
  late.Animate();
  EXPECT_EQ(late.fireFrame, 0);
  headless::SetNowMs(0xFFFFFFF0u + 201u);
  late.Animate();
  EXPECT_EQ(late.fireFrame, 1);
  headless::Reset();
}
