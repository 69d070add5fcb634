#include "party/wealth_screen.h"

#include <cstdio>
#include <cstring>

#include "game/game_state.h"
#include "party/wealth_picture.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace wp = wealth_picture;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// Gems: two rows of 15 places, 52 px apart.
constexpr int kGemRow = 15;
constexpr int32_t kItemLeft = 18;
constexpr int32_t kItemStep = 52;
constexpr int32_t kGemTopY = 50;
constexpr int32_t kGemBottomY = 90;
constexpr int32_t kArtifactY = 190;
// Places laid out of each kind: all 30 gem places, the first 15 artifact
// places, 8 village places and all 10 town-and-mine places.
constexpr int kArtifactPlaces = 15;
constexpr int kVillagePlaces = 8;
constexpr int kTownPlaces = 10;
constexpr int32_t kVillageLeft = 20;
constexpr int32_t kVillageStep = 96;
constexpr int32_t kVillageY = 315;
constexpr int32_t kTownLeft = 70;
constexpr int32_t kTownStep = 120;
constexpr int32_t kTownY = 440;

// The plate stands 6 px up and left of its village, town or mine.
constexpr int32_t kPlateMargin = 6;

// Digits of the total and the gold: units at a fixed x, each higher digit
// 29 px further left.
constexpr int32_t kDigitStep = 29;
constexpr int32_t kNumberY = 566;
constexpr int32_t kTotalUnitsX = 208;
constexpr int kTotalDigits = 3;
constexpr int32_t kGoldUnitsX = 658;
constexpr int kGoldDigits = 6;
constexpr float kNumberScale = 0.8f;

template <size_t N>
uint32_t CountOwned(const uint8_t (&owned)[N]) {
  uint32_t n = 0;
  for (uint8_t flag : owned)
    if (flag) ++n;
  return n;
}

// Places 0..placeCount-1: entry j puts item places[j] at (xs[j], ys[j]). The
// entries come from the game record; one naming no item of the position
// arrays (itemCount long) is passed over.
void PlaceItems(const uint8_t* places, int placeCount, const int32_t* xs, const int32_t* ys,
                int32_t* itemX, int32_t* itemY, int itemCount) {
  for (int j = 0; j < placeCount; ++j) {
    const int n = places[j];
    if (n == 0 || n > itemCount) continue;
    itemX[n - 1] = xs[j];
    itemY[n - 1] = ys[j];
  }
}

// A kind's item sheet with the picture of each owned item.
SpriteSheet* LoadItems(GraphicsDevice* device, int count, const uint8_t* owned,
                       const char* pathFormat, const char* const* paths, int16_t w, int16_t h,
                       uint32_t (*key)(int)) {
  SpriteSheet* items = new SpriteSheet;
  items->Init(device, count);
  items->SetAlphaTest(1);
  char path[64];
  for (int i = 0; i < count; ++i) {
    if (!owned[i]) continue;
    const char* file = paths ? paths[i] : path;
    if (!paths) std::snprintf(path, sizeof path, pathFormat, i + 1);
    items->LoadImage(i, file, w, h, key(i), kFormatA1R5G5B5);
  }
  return items;
}

uint32_t ArtifactKey(int) { return wp::kArtifactKey; }
uint32_t NoKey(int) { return 0; }

void DrawNumber(SpriteSheet* sheet, uint32_t value, int32_t unitsX, int maxDigits) {
  uint32_t rest = value;
  for (int d = 0; d < maxDigits; ++d) {
    sheet->Draw(wp::kDigits, static_cast<int32_t>(rest % 10), unitsX - kDigitStep * d, kNumberY,
                kWhite, kNumberScale, kNumberScale);
    rest /= 10;
    if (rest == 0) break;
  }
}

// A caption, its kind's points in digits and "points each" after them.
void DrawKindCaption(SpriteSheet* sheet, int caption, int32_t x, int32_t y, float scale) {
  sheet->Draw(caption, 0, x, y, kWhite, scale, scale);
  sheet->Draw(wp::kPointsCaption, 0, 440, y, kWhite, 0.9f, 0.9f);
}

}  // namespace

WealthScreen::WealthScreen()
    : sheet(nullptr),
      gemSheet(nullptr),
      artifactSheet(nullptr),
      villageSheet(nullptr),
      townSheet(nullptr),
      total(0),
      gold(0),
      gemPlaces{},
      gemOwned{},
      gemImage{},
      gemX{},
      gemY{},
      artifactPlaces{},
      artifactOwned{},
      artifactImage{},
      artifactX{},
      artifactY{},
      villagePlaces{},
      villageJoined{},
      villageImage{},
      villageX{},
      villageY{},
      townPlaces{},
      townOwned{},
      townImage{},
      townX{},
      townY{},
      backLook(0),
      held(0),
      hoverId(0),
      pressedId(0) {
  for (int32_t* xs : {gemX, gemY, artifactX, artifactY})
    for (int i = 0; i < 30; ++i) xs[i] = kWealthUnplaced;
  for (int32_t* xs : {villageX, villageY, townX, townY})
    for (int i = 0; i < 10; ++i) xs[i] = kWealthUnplaced;
}

WealthScreen::~WealthScreen() { ReleaseArt(); }

void WealthScreen::Init() {
  total = 0;
  gold = 0;
  backLook = 0;
  held = 0;
  hoverId = 0;
  pressedId = 0;
}

void WealthScreen::LoadArt(GraphicsDevice* device) {
  sheet = new SpriteSheet;
  sheet->Init(device, wp::kSheetImages);
  sheet->SetAlphaTest(1);
  for (const wp::SheetPicture& p : wp::kSheetPictures)
    sheet->LoadImage(p.image, p.file.path, p.file.frameWidth, p.file.frameHeight, p.file.colourKey,
                     kFormatA1R5G5B5);
}

void WealthScreen::CopyFrom(const Wealth& wealth, uint32_t goldOwned) {
  std::memcpy(gemPlaces, wealth.gemPicture, sizeof gemPlaces);
  std::memcpy(gemOwned, wealth.gemOwned, sizeof gemOwned);
  std::memcpy(artifactPlaces, wealth.artifactPicture, sizeof artifactPlaces);
  std::memcpy(artifactOwned, wealth.artifactOwned, sizeof artifactOwned);
  std::memcpy(villagePlaces, wealth.villagePicture, sizeof villagePlaces);
  std::memcpy(villageJoined, wealth.villageJoined, sizeof villageJoined);
  std::memcpy(townPlaces, wealth.townPicture, sizeof townPlaces);
  std::memcpy(townOwned, wealth.townOwned, sizeof townOwned);
  gold = goldOwned;
}

void WealthScreen::LoadGems(GraphicsDevice* device) {
  for (int i = 0; i < wp::kGemCount; ++i) gemImage[i] = static_cast<uint8_t>(i);
  gemSheet = LoadItems(device, wp::kGemCount, gemOwned, wp::kGemPathFormat, nullptr, wp::kGemSize,
                       wp::kGemSize, [](int i) { return wp::GemKey(i); });
}

void WealthScreen::LoadArtifacts(GraphicsDevice* device) {
  for (int i = 0; i < wp::kArtifactCount; ++i) artifactImage[i] = static_cast<uint8_t>(i);
  artifactSheet = LoadItems(device, wp::kArtifactCount, artifactOwned, wp::kArtifactPathFormat,
                            nullptr, wp::kArtifactWidth, wp::kArtifactHeight, ArtifactKey);
}

void WealthScreen::LoadVillages(GraphicsDevice* device) {
  for (int i = 0; i < wp::kVillageCount; ++i) villageImage[i] = static_cast<uint8_t>(i);
  villageSheet = LoadItems(device, wp::kVillageCount, villageJoined, wp::kVillagePathFormat,
                           nullptr, wp::kPlaceSize, wp::kPlaceSize, NoKey);
}

void WealthScreen::LoadTownsAndMines(GraphicsDevice* device) {
  for (int i = 0; i < wp::kTownCount; ++i) townImage[i] = static_cast<uint8_t>(i);
  townSheet = LoadItems(device, wp::kTownCount, townOwned, nullptr, wp::kTownPaths, wp::kPlaceSize,
                        wp::kPlaceSize, NoKey);
}

void WealthScreen::ComputeTotal() {
  total = kGemPoints * CountOwned(gemOwned) + kArtifactPoints * CountOwned(artifactOwned) +
          kVillagePoints * CountOwned(villageJoined) + kTownPoints * CountOwned(townOwned);
}

void WealthScreen::LayOut() {
  int32_t xs[30], ys[30];
  for (int j = 0; j < 30; ++j) {
    xs[j] = kItemLeft + kItemStep * (j % kGemRow);
    ys[j] = j < kGemRow ? kGemTopY : kGemBottomY;
  }
  PlaceItems(gemPlaces, 30, xs, ys, gemX, gemY, 30);
  for (int j = 0; j < kArtifactPlaces; ++j) {
    xs[j] = kItemLeft + kItemStep * j;
    ys[j] = kArtifactY;
  }
  PlaceItems(artifactPlaces, kArtifactPlaces, xs, ys, artifactX, artifactY, 30);
  for (int j = 0; j < kVillagePlaces; ++j) {
    xs[j] = kVillageLeft + kVillageStep * j;
    ys[j] = kVillageY;
  }
  PlaceItems(villagePlaces, kVillagePlaces, xs, ys, villageX, villageY, 10);
  for (int j = 0; j < kTownPlaces; ++j) {
    xs[j] = kTownLeft + kTownStep * j;
    ys[j] = kTownY;
  }
  PlaceItems(townPlaces, kTownPlaces, xs, ys, townX, townY, 10);
}

void WealthScreen::ReleaseArt() {
  DeleteSheet(sheet);
  DeleteSheet(gemSheet);
  DeleteSheet(artifactSheet);
  DeleteSheet(villageSheet);
  DeleteSheet(townSheet);
}

void WealthScreen::HoverBack(int32_t x, int32_t y) {
  const bool over =
      PointInRect(kWealthBackX, kWealthBackY, kWealthBackHoverW, kWealthBackHoverH, x, y) != 0;
  if (over) hoverId = 1;
  if (!held) backLook = over ? 1 : 0;
}

uint32_t WealthScreen::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  if (!mouse) return 0;
  if (!PointInRect(kWealthBackX, kWealthBackY, kWealthBackClickW, kWealthBackClickH, x, y))
    return 0;
  if (!FreshPressIn(*mouse, kWealthBackX, kWealthBackY, kWealthBackClickW, kWealthBackClickH))
    return 0;
  pressedId = 1;
  return 1;
}

void WealthScreen::DrawFrame() {
  if (!sheet) return;
  for (int32_t y : {0, 200, 400}) sheet->Draw(wp::kBackground, 0, 0, y, kWhite, 3.125f, 1.5625f);
  sheet->Draw(wp::kBackButton, backLook, kWealthBackX, kWealthBackY, kWhite, 1.0f, 1.0f);
  sheet->Draw(wp::kTotalCaption, 0, 70, 523, kWhite, 1.0f, 1.0f);
  DrawNumber(sheet, total, kTotalUnitsX, kTotalDigits);
  sheet->Draw(wp::kGoldCaption, 0, 544, 523, kWhite, 1.1f, 1.1f);
  DrawNumber(sheet, gold, kGoldUnitsX, kGoldDigits);
}

void WealthScreen::DrawGems() {
  if (!sheet) return;
  DrawKindCaption(sheet, wp::kGemsCaption, 220, 10, 0.9f);
  sheet->Draw(wp::kDigits, kGemPoints, 380, 10, kWhite, 0.8f, 0.8f);
  if (!gemSheet) return;
  for (int i = 0; i < wp::kGemCount; ++i)
    if (gemOwned[i] && gemX[i] != kWealthUnplaced)
      gemSheet->Draw(gemImage[i], 0, gemX[i], gemY[i], kWhite, 1.0f, 1.0f);
}

void WealthScreen::DrawArtifacts() {
  if (!sheet) return;
  DrawKindCaption(sheet, wp::kArtifactsCaption, 210, 150, 0.9f);
  sheet->Draw(wp::kDigits, kArtifactPoints, 380, 150, kWhite, 0.8f, 0.8f);
  if (!artifactSheet) return;
  for (int i = 0; i < wp::kArtifactCount; ++i)
    if (artifactOwned[i] && artifactX[i] != kWealthUnplaced)
      artifactSheet->Draw(artifactImage[i], 0, artifactX[i], artifactY[i], kWhite, 1.2f, 0.8f);
}

void WealthScreen::DrawVillages() {
  if (!sheet) return;
  DrawKindCaption(sheet, wp::kVillagesCaption, 210, 270, 1.1f);
  sheet->Draw(wp::kDigits, 1, 363, 270, kWhite, 0.8f, 0.8f);
  sheet->Draw(wp::kDigits, 0, 384, 270, kWhite, 0.8f, 0.8f);
  DrawOnPlates(villageSheet, wp::kVillageCount, villageJoined, villageImage, villageX, villageY,
               1.2f, 1.0f);
}

void WealthScreen::DrawTownsAndMines() {
  if (!sheet) return;
  DrawKindCaption(sheet, wp::kTownsCaption, 110, 394, 1.1f);
  sheet->Draw(wp::kDigits, 2, 363, 394, kWhite, 0.77f, 0.8f);
  sheet->Draw(wp::kDigits, 0, 385, 394, kWhite, 0.8f, 0.8f);
  DrawOnPlates(townSheet, wp::kTownCount, townOwned, townImage, townX, townY, 1.3f, 1.1f);
}

void WealthScreen::DrawOnPlates(SpriteSheet* items, int count, const uint8_t* owned,
                                const uint8_t* images, const int32_t* xs, const int32_t* ys,
                                float plateScale, float scale) {
  if (!items) return;
  for (int i = 0; i < count; ++i) {
    if (!owned[i] || xs[i] == kWealthUnplaced) continue;
    sheet->Draw(wp::kPlate, 0, xs[i] - kPlateMargin, ys[i] - kPlateMargin, kWhite, plateScale,
                plateScale);
    items->Draw(images[i], 0, xs[i], ys[i], kWhite, scale, scale);
  }
}

void WealthScreen::ClearHover() { hoverId = 0; }
