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
  // A fresh press on a strip cell; 1 when a cell was hit.
  int ClickStrip(int32_t x, int32_t y);
  // The hero in the selected place, or -1.
  int SelectedHero() const;
  // The hero's Name button, shown while a hero is: a fresh press arms it.
  int ClickNameButton(int32_t x, int32_t y);

  void DrawHeroes(const HeroFigure* figure, const GameState& state, int hero) const;

  SpriteSheet* heroPortraits = nullptr;
  HeroStrip strip;
  uint8_t refreshRequest = 0;
  uint8_t namePressed = 0;

  template <class V>
  void VisitFields(V& v) const {
    PlayerScreen::VisitFields(v);
    v.Handle(heroPortraits);
    v("strip", strip);
    v("refreshRequest", refreshRequest);
    v("namePressed", namePressed);
  }
};
