#include "game/hero_figure.h"

#include "game/figure_layout.h"
#include "game/item_catalog.h"
#include "platform/graphics_device.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kKeyRed = 0xFFFF0000u;
constexpr uint32_t kKeyBlack = 0xFF000000u;

struct PartFile {
  const char* path;
  int16_t frameWidth, frameHeight;
  uint32_t key;
};

// Images 1..15 of the body-part sheet.
constexpr PartFile kPartFiles[kBodyPartImages - 1] = {
    {"Art\\Heroes\\Legs.bmp", 128, 256, kKeyRed},
    {"Art\\Heroes\\Chest.bmp", 256, 256, kKeyRed},
    {"Art\\Heroes\\Hand1.bmp", 64, 64, kKeyRed},
    {"Art\\Heroes\\Hand2.bmp", 64, 64, kKeyRed},
    {"Art\\Heroes\\Foot1.bmp", 64, 64, kKeyRed},
    {"Art\\Heroes\\Foot2.bmp", 64, 64, kKeyRed},
    {"Art\\Heroes\\Legs2.bmp", 128, 256, kKeyRed},
    {"Art\\Heroes\\Chest2.bmp", 256, 256, kKeyBlack},
    {"Art\\Heroes\\Legs3.bmp", 128, 256, kKeyBlack},
    {"Art\\Heroes\\Chest3.bmp", 256, 256, kKeyBlack},
    {"Art\\Heroes\\Hand3.bmp", 64, 64, kKeyBlack},
    {"Art\\Heroes\\Hand4.bmp", 64, 64, kKeyBlack},
    {"Art\\Heroes\\Foot3.bmp", 64, 64, kKeyBlack},
    {"Art\\Heroes\\Foot4.bmp", 64, 64, kKeyBlack},
    {"Art\\Heroes\\Body1.bmp", 256, 512, kKeyRed},
};

}  // namespace

const FigureLookParts kFigureLookParts[kFigureLookCount] = {
    {kPartLegs, kPartChest, kPartHand1, kPartHand2, kPartFoot1, kPartFoot2},
    {kPartLegs3, kPartChest3, kPartHand3, kPartHand4, kPartFoot3, kPartFoot4},
    {kPartLegs2, kPartChest2, kPartHand1, kPartHand2, kPartFoot1, kPartFoot2},
};

FigureLook PlayerFigureLook(uint8_t portrait) {
  if (portrait == 0) return 0;
  if (portrait == 1) return 2;
  return kFigureLookCount;
}

HeroFigure::HeroFigure() : reserved1(0), singleSheet(nullptr), bodyParts(nullptr), reserved2(0) {}

HeroFigure::~HeroFigure() {
  DeleteSheet(singleSheet);
  DeleteSheet(bodyParts);
}

void HeroFigure::LoadBodyParts(GraphicsDevice* device) {
  // Loading again replaces the sheets rather than leaking them.
  DeleteSheet(singleSheet);
  DeleteSheet(bodyParts);
  singleSheet = new SpriteSheet();
  singleSheet->Init(device, 1);
  singleSheet->SetAlphaTest(1);
  bodyParts = new SpriteSheet();
  bodyParts->Init(device, kBodyPartImages);
  bodyParts->SetAlphaTest(1);
  for (int i = 1; i < kBodyPartImages; ++i) {
    const PartFile& file = kPartFiles[i - 1];
    bodyParts->LoadImage(i, file.path, file.frameWidth, file.frameHeight, file.key,
                         kFormatA1R5G5B5);
  }
}

void HeroFigure::DrawBody(int32_t x, FigureLook look, const uint8_t* bodyItems, int32_t dy) const {
  if (!bodyParts || look >= kFigureLookCount) return;
  const FigureLookParts& parts = kFigureLookParts[look];
  auto covered = [bodyItems](int slot) {
    return bodyItems && ItemCatalog::FitsBodySlot(bodyItems[slot], slot);
  };
  auto draw = [this, x, dy](uint8_t image, figure_layout::BodyPlace where) {
    const figure_layout::Place& p = figure_layout::kBodyPlaces[where];
    bodyParts->Draw(image, 0, x + p.dx, p.y + dy, 0xFFFFFFFFu, p.scaleX, p.scaleY);
  };
  if (!covered(kBodyPants)) draw(parts.legs, figure_layout::kPlaceLegs);
  if (!covered(kBodyTorso)) draw(parts.chest, figure_layout::kPlaceChest);
  if (!covered(kBodyGloves)) {
    draw(parts.hand1, figure_layout::kPlaceHand1);
    draw(parts.hand2, figure_layout::kPlaceHand2);
  }
  if (!covered(kBodyShoes)) {
    draw(parts.foot1, figure_layout::kPlaceFoot1);
    draw(parts.foot2, figure_layout::kPlaceFoot2);
  }
}
