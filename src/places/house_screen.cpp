// The place screen object: its construction and the art it loads and owns.

#include "places/house_screen.h"

#include "platform/graphics_device.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

namespace {

constexpr int32_t kFontHeight = 22;

void Load(SpriteSheet* sheet, int32_t index, const house_art::Picture& p) {
  if (p.path)
    sheet->LoadImage(index, p.path, p.frameWidth, p.frameHeight, p.key, house_art::kTextureFormat);
}

}  // namespace

HouseScreen::HouseScreen(PlaceKind kind) : placeKind(kind) {}

HouseScreen::~HouseScreen() { ReleaseArt(); }

const PlaceRow* HouseScreen::Place() const { return FindPlace(placeKind, placeNumber); }

void HouseScreen::LoadArt(GraphicsDevice* device) {
  buttons = NewSheet(device, kHouseButtonImages);
  for (int i = 0; i < kHouseButtonImages; ++i) Load(buttons, i, house_art::kButtonsPictures[i]);
  font = new TextFont;
  font->Create(device, "Arial", kFontHeight, 0, 0, 0, 0);
  font->Begin();
  letters2 = NewSheet(device, 1);
  Load(letters2, 0, house_art::kLetters2);
  letters1 = NewSheet(device, 1);
  Load(letters1, 0, house_art::kLetters1);
}

void HouseScreen::LoadPlacePictures(GraphicsDevice* device) {
  placePictures = NewSheet(device, house_art::kPlaceImageCount);
  const PlaceRow* row = Place();
  // The kind's caption comes first; a place number outside the kind's range
  // shows nothing else.
  const int kindRow = house_art::PlaceIndex(placeKind, 1);
  Load(placePictures, house_art::kPlaceKindCaption,
       house_art::KindCaptionPicture(house_art::kPlaces[kindRow]));
  if (!row) return;
  const house_art::Place& art = house_art::kPlaces[row - kPlaces];
  if (buttons) Load(buttons, house_art::kButtonsRecruitIcon, house_art::RecruitIconPicture(art));
  Load(placePictures, house_art::kPlaceView, house_art::ViewPicture(art));
  Load(placePictures, house_art::kPlaceNamePlate, house_art::NamePlatePicture(art));
}

void HouseScreen::LoadPortraits(GraphicsDevice* device) {
  portrait = NewSheet(device, 1);
  Load(portrait, 0, house_art::PortraitPicture(visitorCode, playerPortrait));
}

void HouseScreen::LoadArmyIcons(GraphicsDevice* device) {
  armyIcons = NewSheet(device, kHouseArmyIcons);
  for (const house_art::ArmyIconFile& f : house_art::kArmyIconFiles)
    Load(armyIcons, f.kind, house_art::ArmyIconPicture(f));
}

void HouseScreen::ReleaseArt() {
  DeleteSheet(buttons);
  DeleteSheet(placePictures);
  DeleteSheet(portrait);
  DeleteSheet(armyIcons);
  DeleteFont(font);
  DeleteSheet(letters2);
  DeleteSheet(letters1);
  DeleteSheet(itemIcons);
}
