#pragma once
// The heroes screen's own pictures, described once: the images of its
// sheet that differ from the player screen's (the strip, its buttons and
// counters, the hero's Name button, the member background, the value panel,
// the army boxes, the bag), and the letters of the hero's name. The loader,
// the drawing and the asset generator all read this table.
//
// Header-only, plain constant data.

#include <cstdint>

#include "party/party_art.h"

namespace heroes_art {

using party_art::kKeyBlack;
using party_art::kKeyNone;
using party_art::kKeyRed;
using party_art::Picture;
using party_art::SheetEntry;
constexpr uint32_t kKeyBlue = 0xFF0000FFu;

// Buttons hold one frame per look (idle, hovered, pressed).
constexpr int kLooks = 3;

// Images of the heroes screen's sheet (the same sheet as the player's; the
// numbers not named here keep the player screen's pictures).
enum HeroesImage : int {
  kMemberTile = 0,   // the member background, tiled 4 x 2
  kScrollBack = 1,   // scroll buttons 1..4: one place back, one forward,
  kScrollAhead = 2,  // seven back, seven forward
  kScrollPageBack = 3,
  kScrollPageAhead = 4,
  kStripCell = 6,
  kTopFiller = 8,
  kStripRule = 9,
  kBackButton = 10,
  kSwitchButton = 11,
  kCountButton = 12,
  kCountPanel = 13,
  kCountColon = 14,
  kCountDigits = 15,  // the player's health digits
  kStripMarker = 16,
  kSwitchMarker = 17,  // the player's army selection frame
  kPlaceDigits = 18,
  kNameCodeDigits = 19,
  kNameButton = 20,
  kNameCaption = 21,
  kNameCaptionLit = 22,
  kArmyBox = 24,
  kBagRow = 25,
  kBagSelected = 43,
  kValuePanel = 65,
};

constexpr SheetEntry kHeroesPictures[] = {
    {kMemberTile, {"Art\\Heroes\\Back2.bmp", 128, 128, 128, 128, kKeyNone, 1}},
    {kScrollBack, {"Art\\Heroes\\Arrow1.bmp", 384, 32, 128, 32, kKeyBlue, kLooks}},
    {kScrollAhead, {"Art\\Heroes\\Arrow2.bmp", 384, 32, 128, 32, kKeyBlue, kLooks}},
    {kScrollPageBack, {"Art\\Heroes\\Arrow3.bmp", 384, 32, 128, 32, kKeyBlue, kLooks}},
    {kScrollPageAhead, {"Art\\Heroes\\Arrow4.bmp", 384, 32, 128, 32, kKeyBlue, kLooks}},
    {kStripCell, {"Art\\Heroes\\Back3.bmp", 64, 64, 64, 64, kKeyNone, 1}},
    {kTopFiller, {"Art\\Heroes\\Back5.bmp", 64, 16, 64, 16, kKeyNone, 1}},
    {kStripRule, {"Art\\Heroes\\Back6.bmp", 128, 4, 128, 4, kKeyNone, 1}},
    {kBackButton, {"Art\\Heroes\\ButtonBack1.bmp", 384, 32, 128, 32, kKeyBlue, kLooks}},
    {kSwitchButton, {"Art\\Heroes\\ButtonSwitch.bmp", 384, 32, 128, 32, kKeyRed, kLooks}},
    {kCountButton, {"Art\\Heroes\\ButtonCount.bmp", 192, 32, 64, 32, kKeyRed, kLooks}},
    {kCountPanel, {"Art\\Heroes\\Write1.bmp", 128, 64, 128, 64, kKeyRed, 1}},
    {kCountColon, {"Art\\Heroes\\Write2.bmp", 16, 8, 16, 8, kKeyBlue, 1}},
    {kStripMarker, {"Art\\Heroes\\Back7.bmp", 32, 32, 32, 32, kKeyBlack, 1}},
    {kPlaceDigits, {"Art\\Heroes\\Write4.bmp", 160, 32, 16, 32, kKeyRed, 10}},
    {kNameButton, {"Art\\Heroes\\Button1.bmp", 192, 32, 64, 32, kKeyNone, kLooks}},
    {kNameCaption, {"Art\\Heroes\\Name.bmp", 32, 16, 32, 16, kKeyNone, 1}},
    {kNameCaptionLit, {"Art\\Heroes\\Write8.bmp", 128, 32, 128, 32, kKeyBlack, 1}},
    {kArmyBox, {"Art\\Heroes\\Back9.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kBagRow, {"Art\\Heroes\\bag.bmp", 128, 32, 128, 32, kKeyNone, 1}},
    {kBagSelected, {"Art\\Heroes\\Selected.bmp", 32, 32, 32, 32, kKeyNone, 1}},
    {kValuePanel, {"Art\\Heroes\\Back11.bmp", 128, 256, 128, 256, kKeyNone, 1}},
};

// The picture of an image of the table (the first one for any other).
constexpr const Picture& HeroesPicture(int image) {
  for (const SheetEntry& e : kHeroesPictures)
    if (e.image == image) return e.picture;
  return kHeroesPictures[0].picture;
}

// Pictures the heroes screen shares with other screens (their tables make
// them): the letter codes from 80 on draw digits, and the name's letters.
constexpr Picture kNameCodeDigitsFile = {"Art\\Heroes\\Write7.bmp", 0, 0, 16, 32, kKeyBlack, 10};
constexpr Picture kNameLetters1 = {"Art\\Heroes\\Write5.bmp", 0, 0, 16, 32, kKeyRed, 0};
constexpr Picture kNameLetters2 = {"Art\\Heroes\\Write6.bmp", 0, 0, 16, 32, kKeyRed, 0};

// Player-screen images the heroes screen has no use for.
constexpr int kPlayerOnlyImages[] = {party_art::kMemberBack, party_art::kGreens};

}  // namespace heroes_art
