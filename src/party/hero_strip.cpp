#include "party/hero_strip.h"

#include <cstring>

#include "platform/hit_test.h"

namespace {

constexpr int32_t kStripTop = 30;

bool InTable(int place) { return place >= 1 && place <= kStripPlaces; }

}  // namespace

void HeroStrip::Load(const uint8_t present[kHeroCount], const uint8_t places[kHeroCount]) {
  std::memcpy(heroPresent, present, sizeof heroPresent);
  heroCount = 0;
  for (int k = 0; k < kHeroCount; ++k) {
    heroPlace[k] = InTable(places[k]) ? places[k] : kNoStripPlace;
    if (heroPresent[k]) ++heroCount;
  }
  AssignPlaces();
}

void HeroStrip::PutHero(int hero, int place) {
  placeHero[place - 1] = uint8_t(hero + 1);
  heroPlace[hero] = uint8_t(place);
  heroX[hero] = (place - 1) * kStripCellSize;
}

void HeroStrip::AssignPlaces() {
  if (!stripBuilt) {
    for (int k = 0; k < kHeroCount; ++k)
      if (heroPresent[k] && heroPlace[k] != kNoStripPlace) {
        // Two heroes stored in one place: the later one gets a free place.
        if (placeHero[heroPlace[k] - 1]) heroPlace[k] = kNoStripPlace;
        else PutHero(k, heroPlace[k]);
      }
    stripBuilt = 1;
  }
  for (int k = 0; k < kHeroCount; ++k) {
    if (!heroPresent[k] || heroPlace[k] != kNoStripPlace) continue;
    for (int p = 1; p <= kStripPlaces; ++p)
      if (placeHero[p - 1] == 0) {
        PutHero(k, p);
        break;
      }
  }
}

void HeroStrip::ScrollTo(int first) {
  if (first < 0) first = 0;
  if (first > kLastFirstPlace) first = kLastFirstPlace;
  firstPlace = uint8_t(first);
  stripOffset = -first * kStripCellSize;
}

void HeroStrip::Scroll(StripScroll button) {
  if (!scrollArmed) return;
  scrollArmed = 0;
  switch (button) {
    case kScrollBackOne: ScrollTo(firstPlace - 1); break;
    case kScrollForwardOne: ScrollTo(firstPlace + 1); break;
    case kScrollBackPage: ScrollTo(firstPlace - kStripPageStep); break;
    case kScrollForwardPage: ScrollTo(firstPlace + kStripPageStep); break;
  }
}

void HeroStrip::PressCell(int cell) {
  if (cell < 1 || cell > kStripCells) return;
  const int q = firstPlace + cell;
  if (!InTable(q)) return;
  clickedCell = uint8_t(cell);
  selectedPlace = selectedPlace == q ? kNoStripPlace : uint8_t(q);
  markerX = (q - 1) * kStripCellSize;
  if (pickedPlace != kNoStripPlace) {
    const int moving = HeroAt(pickedPlace);
    const int staying = HeroAt(q);
    const uint8_t pickedEntry = placeHero[pickedPlace - 1];
    placeHero[pickedPlace - 1] = placeHero[q - 1];
    placeHero[q - 1] = pickedEntry;
    if (moving >= 0) {
      heroPlace[moving] = uint8_t(q);
      heroX[moving] = (q - 1) * kStripCellSize;
    }
    if (staying >= 0) {
      heroPlace[staying] = pickedPlace;
      heroX[staying] = (pickedPlace - 1) * kStripCellSize;
    }
    pickedPlace = kNoStripPlace;
    switchMode = kSwitchIdle;
  }
}

void HeroStrip::CommitMark() {
  if (selectedPlace != kNoStripPlace && switchMode != kSwitchIdle) {
    pickedPlace = selectedPlace;
    switchMode = kSwitchPicked;
  }
}

int HeroStrip::HeroAt(int place) const {
  if (!InTable(place) || placeHero[place - 1] == 0) return -1;
  return placeHero[place - 1] - 1;
}

int HeroStrip::CellAt(int32_t x, int32_t y) {
  for (int k = 1; k <= kStripCells; ++k) {
    const ScreenRect r = CellRect(k);
    if (PointInRect(r.x, r.y, r.w, r.h, x, y)) return k;
  }
  return 0;
}

ScreenRect HeroStrip::CellRect(int cell) {
  return {(cell - 1) * kStripCellSize, kStripTop, kStripCellSize, kStripCellSize};
}
