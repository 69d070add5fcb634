#pragma once
// The bare body parts from which the heroes screen and the player screen
// draw a party member's figure, in layers under the worn items. The
// application keeps one HeroFigure from its first use to the end.

#include <cstdint>

class GraphicsDevice;
class SpriteSheet;

// Body look 0, 1 or 2 of a party member: heroes take GameState::heroPortrait,
// the player look 0 for portrait 0 and the look-2 pictures for portrait 1.
using FigureLook = uint8_t;
constexpr int kFigureLookCount = 3;
constexpr int kBodyPartImages = 16;  // image 0 stays empty

// Images of HeroFigure::bodyParts.
enum BodyPartImage : uint8_t {
  kPartLegs = 1,
  kPartChest = 2,
  kPartHand1 = 3,
  kPartHand2 = 4,
  kPartFoot1 = 5,
  kPartFoot2 = 6,
  kPartLegs2 = 7,
  kPartChest2 = 8,
  kPartLegs3 = 9,
  kPartChest3 = 10,
  kPartHand3 = 11,
  kPartHand4 = 12,
  kPartFoot3 = 13,
  kPartFoot4 = 14,
  kPartBody = 15,  // loaded, never drawn
};

// The body-part images of one look.
struct FigureLookParts {
  uint8_t legs, chest, hand1, hand2, foot1, foot2;
};
extern const FigureLookParts kFigureLookParts[kFigureLookCount];

// The look the player's figure is drawn with for a portrait number (0 or 1);
// any other portrait gives a look outside 0..2, which draws no body.
FigureLook PlayerFigureLook(uint8_t portrait);

class HeroFigure {
 public:
  HeroFigure();
  virtual ~HeroFigure();
  HeroFigure(const HeroFigure&) = delete;
  HeroFigure& operator=(const HeroFigure&) = delete;

  // Creates both sheets on the device and loads body-part images 1..15.
  void LoadBodyParts(GraphicsDevice* device);

  // Draws the bare body of a figure whose left edge is x (the party screens
  // pass 255): legs, chest, hands and feet of the look, each only while the
  // body slot that covers it (pants, torso, gloves, shoes) holds no item
  // that fits there. A look outside 0..2 draws nothing. bodyItems are the
  // 19 body slots (WornFigure::bodyItems). dy moves the whole figure up or
  // down (the party screens pass 0).
  void DrawBody(int32_t x, FigureLook look, const uint8_t* bodyItems, int32_t dy = 0) const;

  uint8_t reserved1;
  SpriteSheet* singleSheet;  // one image, never loaded
  SpriteSheet* bodyParts;    // sixteen images, see BodyPartImage
  uint8_t reserved2;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v("reserved1", reserved1);
    v.Handle(singleSheet);
    v.Handle(bodyParts);
    v("reserved2", reserved2);
  }
};
