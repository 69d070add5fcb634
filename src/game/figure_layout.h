#pragma once
// Where the party screens draw each picture of a party member's figure: the
// bare body parts under the worn items, then the worn items. Every place is
// an offset from the figure's left edge (the x the screens pass), a screen y
// and a scale.
//
// Header-only so that the picture generator draws each picture to line up
// at the very place the screens put it.

#include <cstdint>

namespace figure_layout {

struct Place {
  int32_t dx, y;
  float scaleX, scaleY;
};

// The bare body parts of every look.
enum BodyPlace : uint8_t {
  kPlaceLegs = 0,
  kPlaceChest,
  kPlaceHand1,
  kPlaceHand2,
  kPlaceFoot1,
  kPlaceFoot2,
};
constexpr int kBodyPlaceCount = 6;

constexpr Place kBodyPlaces[kBodyPlaceCount] = {
    {27, 371, 0.68f, 0.68f},  // legs
    {29, 260, 0.57f, 0.6f},   // chest
    {29, 364, 0.57f, 0.6f},   // left hand
    {110, 364, 0.57f, 0.6f},  // right hand
    {28, 466, 0.68f, 0.68f},  // left foot
    {86, 466, 0.68f, 0.68f},  // right foot
};

// The worn-item pictures; the two shoes and the two gloves are separate
// pictures (a and b), and each amulet slot has its own.
enum WornPlace : uint8_t {
  kPlacePants = 0,
  kPlaceTorso,
  kPlaceAmulet1,
  kPlaceAmulet2,
  kPlaceAmulet3,
  kPlaceHelmet,
  kPlaceBelt,
  kPlaceShoe1,
  kPlaceShoe2,
  kPlaceGlove1,
  kPlaceGlove2,
  kPlaceShield,
  kPlaceSword,
};
constexpr int kWornPlaceCount = 13;

constexpr Place kWornPlaces[kWornPlaceCount] = {
    {50, 371, 0.6f, 0.6f},      // pants
    {28, 260, 0.648f, 0.6f},    // torso
    {56, 271, 0.84f, 0.72f},    // amulet, first slot
    {59, 271, 0.72f, 0.6f},     // amulet, second slot
    {61, 271, 0.636f, 0.444f},  // amulet, third slot
    {49, 200, 0.48f, 0.48f},    // helmet
    {50, 370, 0.768f, 0.78f},   // belt
    {26, 455, 0.65f, 0.6f},     // left shoe
    {82, 455, 0.66f, 0.6f},     // right shoe
    {28, 354, 0.66f, 0.6f},     // left glove
    {110, 354, 0.66f, 0.6f},    // right glove
    {60, 288, 0.88f, 0.86f},    // shield
    {6, 250, 0.82f, 1.16f},     // sword
};

}  // namespace figure_layout
