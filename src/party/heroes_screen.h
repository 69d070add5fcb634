#pragma once
// The heroes screen: the portrait strip of the companion heroes over the
// member view of the player's screen. The hero chosen in the strip is copied
// in from the game record and written back when another is chosen, before
// the name editor runs and when the screen is left.

#include <cstdint>

#include "game/game_state.h"
#include "party/hero_strip.h"
#include "party/player_screen.h"

constexpr uint8_t kNoHeroShown = 100;
constexpr uint8_t kHeroesClosed = 200;

// The heroes screen's own buttons: the strip's four scroll buttons, Switch,
// Count (the hero counter) and the hero's Name.
enum HeroButton : uint8_t {
  kHeroNoButton = 0,
  kHeroScrollBack = 1,
  kHeroScrollAhead = 2,
  kHeroScrollPageBack = 3,
  kHeroScrollPageAhead = 4,
  kHeroSwitch = 5,
  kHeroCounter = 6,
  kHeroName = 7,
  kHeroButtonCount = 8,
};

class HeroesScreen : public PlayerScreen {
 public:
  HeroesScreen() = default;
  ~HeroesScreen() override;

  void LoadHeroPictures(GraphicsDevice* device);
  void ReleaseHeroPictures();
  // Presence and places of the strip from the game record.
  void LoadStrip(const GameState& state);
  // Copies hero k's name, items and armies in and lays the items out.
  void LoadHero(const GameState& state, int hero);
  // Writes hero k's items and armies back.
  void StoreHero(GameState& state, int hero) const;
  // A fresh press on a strip cell; 1 when a cell was hit. As with every
  // click test of the screen, a mouse given makes it take only a press that
  // began on the same cell or button.
  int ClickStrip(int32_t x, int32_t y, const InputDevice* mouse = nullptr);
  // The hero in the selected place, or -1.
  int SelectedHero() const;

  // The member screen's buttons with this screen's Back button; the
  // member's own buttons only while a hero is shown.
  void HoverButtons(int32_t x, int32_t y, bool memberShown);
  int ClickButtons(int32_t x, int32_t y, bool memberShown, const InputDevice* mouse = nullptr);
  // A fresh press on a strip button (scrolling and Switch act at once) or
  // on the hero's Name button; 1 when hit.
  int ClickHeroButtons(int32_t x, int32_t y, bool memberShown, const InputDevice* mouse = nullptr);
  // The pressed strip or Name button once released over it (at once when
  // the cursor left it, keeping the press until it is let go): re-arms
  // scrolling, flips the counter. Returns the button acted on, 0 while
  // waiting.
  uint8_t ActOnHeroButton(InputDevice& mouse);

  // The strip, and while a hero is shown his member view with the hide/show
  // button between his name button and his figure.
  void DrawHeroes(const HeroFigure* figure, SpriteSheet* barSheet, const GameState& state, int hero,
                  ControlBar* hideShow = nullptr) const;

  SpriteSheet* heroPortraits = nullptr;
  HeroStrip strip;
  uint8_t refreshRequest = 0;
  uint8_t namePressed = 0;
  uint8_t countShown = 0;
  uint8_t heroLooks[kHeroButtonCount] = {};
  uint8_t heroHover = kHeroNoButton;
  uint8_t heroPressed = kHeroNoButton;

  template <class V>
  void VisitFields(V& v) const {
    PlayerScreen::VisitFields(v);
    v.Handle(heroPortraits);
    v("strip", strip);
    v("refreshRequest", refreshRequest);
    v("namePressed", namePressed);
    v("countShown", countShown);
    v("heroLooks", heroLooks);
    v("heroHover", heroHover);
    v("heroPressed", heroPressed);
  }

 private:
  void DrawStripBar(SpriteSheet* barSheet, bool memberShown) const;
};
