#pragma once
// The heroes screen's portrait strip: 35 places of 100 pixels, eight of them
// in view, scrolled by four buttons (one place or seven places either way).
// A hero is chosen by pressing his cell; the Switch button lets the player
// move the chosen hero to another place. The view never scrolls past the
// last full row of eight, so every cell shows a place of the table.

#include <cstdint>

#include "game/game_state.h"
#include "party/screen_rect.h"

constexpr int kStripPlaces = 35;
constexpr int kStripCells = 8;
constexpr int kLastFirstPlace = kStripPlaces - kStripCells;  // 27
constexpr int32_t kStripCellSize = 100;
constexpr int kStripPageStep = 7;
constexpr uint8_t kNoStripPlace = 0;

enum StripScroll : uint8_t {
  kScrollBackOne = 0,
  kScrollForwardOne = 1,
  kScrollBackPage = 2,
  kScrollForwardPage = 3,
};

enum SwitchMode : uint8_t {
  kSwitchIdle = 0,
  kSwitchArmed = 1,   // Switch pressed; the selected place is picked next
  kSwitchPicked = 2,  // a place is picked; the next cell pressed takes its hero
};

struct HeroStrip {
  uint8_t heroPresent[kHeroCount] = {};
  uint8_t heroPlace[kHeroCount] = {};    // place 1..35, 0 = none yet
  int32_t heroX[kHeroCount] = {};        // strip position (place - 1) x 100
  uint8_t placeHero[kStripPlaces] = {};  // hero number + 1 per place, 0 = empty
  uint8_t heroCount = 0;
  uint8_t stripBuilt = 0;
  uint8_t scrollArmed = 1;  // one step per press
  int32_t stripOffset = 0;  // 0 or negative, a multiple of 100
  uint8_t firstPlace = 0;   // places scrolled out on the left
  uint8_t selectedPlace = kNoStripPlace;
  int32_t markerX = 0;
  uint8_t switchMode = kSwitchIdle;
  uint8_t pickedPlace = kNoStripPlace;
  uint8_t clickedCell = 0;

  // Copies presence and places in, counts the heroes and gives each present
  // hero without a place the lowest free one.
  void Load(const uint8_t present[kHeroCount], const uint8_t places[kHeroCount]);
  void AssignPlaces();
  // One scroll step, only while armed; disarms.
  void Scroll(StripScroll button);
  // Scrolls by a number of places (the arrow keys), kept inside the table.
  void ScrollBy(int places) { ScrollTo(firstPlace + places); }
  // A press in cell 1..8: selects (or deselects) the place shown there and
  // finishes a switch.
  void PressCell(int cell);
  // While switching, the selected place becomes the picked one.
  void CommitMark();
  // The hero number in a place 1..35, or -1 for an empty place (also for
  // anything outside the table).
  int HeroAt(int place) const;
  // The cell 1..8 under the cursor, or 0.
  static int CellAt(int32_t x, int32_t y);
  // Where cell 1..8 lies on the screen.
  static ScreenRect CellRect(int cell);

  template <class V>
  void VisitFields(V& v) const {
    v("heroPresent", heroPresent);
    v("heroPlace", heroPlace);
    v("heroX", heroX);
    v("placeHero", placeHero);
    v("heroCount", heroCount);
    v("stripBuilt", stripBuilt);
    v("scrollArmed", scrollArmed);
    v("stripOffset", stripOffset);
    v("firstPlace", firstPlace);
    v("selectedPlace", selectedPlace);
    v("markerX", markerX);
    v("switchMode", switchMode);
    v("pickedPlace", pickedPlace);
    v("clickedCell", clickedCell);
  }

 private:
  void ScrollTo(int first);
  void PutHero(int hero, int place);
};
