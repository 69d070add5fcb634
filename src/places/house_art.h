#pragma once
// Every picture of the place screens (the nine villages, the four towns, the
// palace, the temple, the castle and the tower), described once: the file as
// the game asks for it, the size of the whole image, the frame size, the
// colour key and the frames the drawing can ask for, per sheet of the place
// screen. The loaders, the drawing and the asset generator all read these
// tables, so a picture is drawn at the very size and frame grid that the game
// cuts it by.
//
// Header-only, plain constant data.

#include <cstdint>

namespace house_art {

// Colour keys as the sheets' load calls pass them (ARGB).
constexpr uint32_t kKeyNone = 0;  // the whole picture is opaque
constexpr uint32_t kKeyBlack = 0xFF000000u;
constexpr uint32_t kKeyRed = 0xFFFF0000u;

// The texture format every place picture is loaded with.
constexpr uint32_t kTextureFormat = 25;

struct Picture {
  const char* path;       // as the game asks for it; nullptr: no picture
  int16_t width, height;  // the whole image
  int16_t frameWidth, frameHeight;
  uint32_t key;
  int16_t frames;  // frames 0 .. frames - 1 hold a picture
};

constexpr Picture kNoPicture = {nullptr, 0, 0, 0, 0, kKeyNone, 0};

// ------------------------------------------------------------------ shared frame numbers

// Digit sheets: frame d shows the digit d.
constexpr int kDigitFrames = 10;

// Buttons whose picture holds one frame per look: frame = look.
constexpr int kLookIdle = 0;
constexpr int kLookHovered = 1;
constexpr int kLookPressed = 2;
constexpr int kButtonLooks = 3;

// ------------------------------------------------------------------ buttons (33 images)

enum ButtonsImage : int {
  kButtonsBack = 0,               // "Art\House\Button1.bmp": back of the four right-hand buttons
  kButtonsHealIcon = 1,           // "Art\House\Heal.bmp"
  kButtonsHealCaption = 2,        // "Art\House\Write1.bmp"
  kButtonsLeaveIcon = 3,          // "Art\House\Leave.bmp"
  kButtonsLeaveCaption = 4,       // "Art\House\Write2.bmp"
  kButtonsRecruitIcon = 5,        // the place's Recruit icon (kPlaces[].recruitIcon)
  kButtonsRecruitCaption = 6,     // "Art\House\Write3.bmp"
  kButtonsTalkIcon = 7,           // "Art\House\Talk.bmp"
  kButtonsTalkCaption = 8,        // "Art\House\Write4.bmp"
  kButtonsArmyCell = 9,           // "Art\House\Back.bmp": a cell of the army panel
  kButtonsPortraitFrame = 10,     // "Art\House\Back2.bmp"
  kButtonsCellDigits = 11,        // "Art\Heroes\Write19.bmp": soldier counts
  kButtonsWoundMark = 12,         // "Art\Armies\Heal.bmp"
  kButtonsHealPrice10 = 13,       // "Art\House\Write5.bmp": "10 gold" under the Heal caption
  kButtonsBoxTile = 14,           // "Art\Map\Back.bmp": every box, stretched
  kButtonsSelection = 15,         // "Art\House\Back3.bmp": frame of a selected cell
  kButtonsAttackCaption = 16,     // "Art\Heroes\Write12.bmp"
  kButtonsShieldCaption = 17,     // "Art\Heroes\Write13.bmp"
  kButtonsTrainingCaption = 18,   // "Art\Heroes\Write20.bmp"
  kButtonsEquipmentCaption = 19,  // "Art\Heroes\Write21.bmp"
  kButtonsValueDigits = 20,       // "Art\Heroes\Write19.bmp" again: the four values
  kButtonsDisband = 21,           // "Art\House\Disband.bmp": frame = look
  kButtonsYes = 22,               // "Art\House\ButtonYes.bmp": frame = look
  kButtonsNo = 23,                // "Art\House\ButtonNo.bmp": frame = look
  kButtonsName = 24,              // "Art\House\Name.bmp": frame = look
  kButtonsNameDigits = 25,        // "Art\Controls\Numbers.bmp": frame c - 80 of name codes 80..89
  kButtonsBelowFullArrow = 26,    // "Art\House\Arrow.bmp": also the growth popup's arrow
  kButtonsRaisedArrow = 27,       // "Art\House\Arrow2.bmp": the raising popup's arrow
  kButtonsAttackIcon = 28,        // "Art\You\Attack.bmp"
  kButtonsShieldIcon = 29,        // "Art\You\Shield.bmp"
  kButtonsEquipmentIcon = 30,     // "Art\You\Equipment.bmp"
  kButtonsTrainingIcon = 31,      // "Art\You\Training.bmp" (keyed red)
  kButtonsHealPrice2 = 32,        // "Art\House\Write6.bmp": "2 gold", a joined place's price
};
constexpr int kButtonsImageCount = 33;

// The two heal prices that have a caption picture.
constexpr uint32_t kHealPriceFull = 10;
constexpr uint32_t kHealPriceJoined = 2;

// Letter codes 80..89 of a name show a digit of kButtonsNameDigits too.
constexpr int kNameDigitFirstCode = 80;

inline constexpr Picture kButtonsPictures[kButtonsImageCount] = {
    {"Art\\House\\Button1.bmp", 384, 64, 128, 64, kKeyNone, kButtonLooks},
    {"Art\\House\\Heal.bmp", 64, 64, 64, 64, kKeyBlack, 1},
    {"Art\\House\\Write1.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\House\\Leave.bmp", 64, 64, 64, 64, kKeyBlack, 1},
    {"Art\\House\\Write2.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    kNoPicture,  // loaded per place: kPlaces[].recruitIcon, RecruitIconPicture()
    {"Art\\House\\Write3.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\House\\Talk.bmp", 64, 64, 64, 64, kKeyBlack, 1},
    {"Art\\House\\Write4.bmp", 64, 32, 64, 32, kKeyBlack, 1},
    {"Art\\House\\Back.bmp", 64, 64, 64, 64, kKeyNone, 1},
    {"Art\\House\\Back2.bmp", 128, 64, 128, 64, kKeyNone, 1},
    {"Art\\Heroes\\Write19.bmp", 160, 32, 16, 32, kKeyBlack, kDigitFrames},
    {"Art\\Armies\\Heal.bmp", 32, 32, 32, 32, kKeyNone, 1},
    {"Art\\House\\Write5.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Map\\Back.bmp", 64, 64, 64, 64, kKeyNone, 1},
    {"Art\\House\\Back3.bmp", 64, 64, 64, 64, kKeyBlack, 1},
    {"Art\\Heroes\\Write12.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write13.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write20.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write21.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write19.bmp", 160, 32, 16, 32, kKeyBlack, kDigitFrames},
    {"Art\\House\\Disband.bmp", 192, 32, 64, 32, kKeyNone, kButtonLooks},
    {"Art\\House\\ButtonYes.bmp", 96, 32, 32, 32, kKeyBlack, kButtonLooks},
    {"Art\\House\\ButtonNo.bmp", 96, 32, 32, 32, kKeyBlack, kButtonLooks},
    {"Art\\House\\Name.bmp", 192, 32, 64, 32, kKeyNone, kButtonLooks},
    {"Art\\Controls\\Numbers.bmp", 160, 32, 16, 32, kKeyBlack, kDigitFrames},
    {"Art\\House\\Arrow.bmp", 32, 16, 32, 16, kKeyBlack, 1},
    {"Art\\House\\Arrow2.bmp", 32, 16, 32, 16, kKeyBlack, 1},
    {"Art\\You\\Attack.bmp", 32, 32, 32, 32, kKeyBlack, 1},
    {"Art\\You\\Shield.bmp", 32, 32, 32, 32, kKeyBlack, 1},
    {"Art\\You\\Equipment.bmp", 32, 32, 32, 32, kKeyBlack, 1},
    {"Art\\You\\Training.bmp", 32, 32, 32, 32, kKeyRed, 1},
    {"Art\\House\\Write6.bmp", 128, 32, 128, 32, kKeyBlack, 1},
};

// ------------------------------------------------------------------ letter sheets

// Names (21 letter codes): code 0 or 2..27 is frame code of kLetters1, code
// 28 and up frame code - 28 of kLetters2 (and, from 80, kButtonsNameDigits as
// well); code 1 draws nothing.
constexpr int kLetters1Codes = 28;
constexpr int kLetters2FirstCode = 28;
constexpr int kLetterLastCode = 89;
inline constexpr Picture kLetters1 = {
    "Art\\Heroes\\Letters1.bmp", 256, 64, 16, 32, kKeyRed, kLetters1Codes};
inline constexpr Picture kLetters2 = {"Art\\Heroes\\Letters2.bmp",
                                      256,
                                      128,
                                      16,
                                      32,
                                      kKeyRed,
                                      kLetterLastCode - kLetters2FirstCode + 1};

// ------------------------------------------------------------------ place sheet (3 images)

enum PlaceImage : int {
  kPlaceView = 0,         // the place picture, 512 x 512, drawn stretched to 634 x 600
  kPlaceNamePlate = 1,    // the place's name
  kPlaceKindCaption = 2,  // "Village", "Town", "Palace", ...
};
constexpr int kPlaceImageCount = 3;

constexpr int16_t kViewSize = 512;
constexpr int16_t kPlateWidth = 128, kPlateHeight = 32;
constexpr int16_t kRecruitIconSize = 64;

enum class PlaceKind : uint8_t { Village, Town, Palace, Temple, Castle, Tower };

struct Spot {
  int16_t x, y;
  float scaleX, scaleY;
};

// One place: its pictures and where the place screen draws the per-place ones.
struct Place {
  PlaceKind kind;
  uint8_t number;    // village 1..9 or town 1..4; 0 for the single places
  const char* name;  // the name plate reads name, the kind caption the kind's word
  const char* view;
  const char* namePlate;
  const char* kindCaption;  // shared by every place of a kind
  const char* recruitIcon;  // buttons image 5
  Spot plateAt, captionAt, recruitIconAt;
};

constexpr int kVillageCount = 9;
constexpr int kTownCount = 4;
constexpr int kPlaceCount = kVillageCount + kTownCount + 4;

// kPlaces index of each kind's first place.
constexpr int kFirstVillage = 0;
constexpr int kFirstTown = kFirstVillage + kVillageCount;
constexpr int kPalacePlace = kFirstTown + kTownCount;
constexpr int kTemplePlace = kPalacePlace + 1;
constexpr int kCastlePlace = kPalacePlace + 2;
constexpr int kTowerPlace = kPalacePlace + 3;

namespace detail {
constexpr Spot kPlate = {240, 10, 1.0f, 1.0f};  // villages and towns
constexpr Spot kVillageCaption = {240, 50, 0.9f, 0.8f};
constexpr Spot kVillageRecruit = {682, 174, 0.9f, 0.9f};
constexpr Spot kTownCaption = {250, 50, 0.9f, 0.8f};
constexpr Spot kSingleRecruit = {680, 173, 1.0f, 1.0f};  // towns and the single places
constexpr Spot kHallPlate = {220, 20, 1.0f, 1.0f};       // the palace and the temple
constexpr Spot kHallCaption = {320, 20, 0.9f, 0.8f};
constexpr Spot kCastlePlate = {210, 5, 1.0f, 1.0f};
constexpr Spot kCastleCaption = {310, 5, 0.9f, 0.8f};
constexpr Spot kTowerPlate = {8, 5, 0.95f, 1.0f};
constexpr Spot kTowerCaption = {130, 5, 0.9f, 0.8f};
constexpr const char* kWriteVillage = "Art\\House\\WriteVillage.bmp";
constexpr const char* kWriteTown = "Art\\House\\WriteTown2.bmp";
constexpr const char* kRecruitVillage = "Art\\House\\Recruit.bmp";
constexpr const char* kRecruitTown = "Art\\House\\Recruit2.bmp";
}  // namespace detail

inline constexpr Place kPlaces[kPlaceCount] = {
    {PlaceKind::Village, 1, "Kapusta", "Art\\House\\Village1.bmp", "Art\\House\\VillageName1.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Village, 2, "Burak", "Art\\House\\Village2.bmp", "Art\\House\\VillageName2.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Village, 3, "Iron", "Art\\House\\Village3.bmp", "Art\\House\\VillageName3.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Village, 4, "Balon", "Art\\House\\Village4.bmp", "Art\\House\\VillageName4.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Village, 5, "Trawa", "Art\\House\\Village5.bmp", "Art\\House\\VillageName5.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Village, 6, "Usta", "Art\\House\\Village6.bmp", "Art\\House\\VillageName6.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Village, 7, "Desert", "Art\\House\\Village7.bmp", "Art\\House\\VillageName7.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Village, 8, "Mountain", "Art\\House\\Village8.bmp", "Art\\House\\VillageName8.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Village, 9, "Little", "Art\\House\\Village9.bmp", "Art\\House\\VillageName9.bmp",
     detail::kWriteVillage, detail::kRecruitVillage, detail::kPlate, detail::kVillageCaption,
     detail::kVillageRecruit},
    {PlaceKind::Town, 1, "Cebula", "Art\\House\\Town1.bmp", "Art\\House\\TownName1.bmp",
     detail::kWriteTown, detail::kRecruitTown, detail::kPlate, detail::kTownCaption,
     detail::kSingleRecruit},
    {PlaceKind::Town, 2, "Rabarbar", "Art\\House\\Town2.bmp", "Art\\House\\TownName2.bmp",
     detail::kWriteTown, detail::kRecruitTown, detail::kPlate, detail::kTownCaption,
     detail::kSingleRecruit},
    {PlaceKind::Town, 3, "Ziemniak", "Art\\House\\Town3.bmp", "Art\\House\\TownName3.bmp",
     detail::kWriteTown, detail::kRecruitTown, detail::kPlate, detail::kTownCaption,
     detail::kSingleRecruit},
    {PlaceKind::Town, 4, "Moja", "Art\\House\\Town4.bmp", "Art\\House\\TownName4.bmp",
     detail::kWriteTown, detail::kRecruitTown, detail::kPlate, detail::kTownCaption,
     detail::kSingleRecruit},
    {PlaceKind::Palace, 0, "Pajaca", "Art\\House\\Palace.bmp", "Art\\House\\PalaceName.bmp",
     "Art\\House\\WritePalace.bmp", "Art\\House\\Recruit3.bmp", detail::kHallPlate,
     detail::kHallCaption, detail::kSingleRecruit},
    {PlaceKind::Temple, 0, "Golden", "Art\\House\\Temple.bmp", "Art\\House\\TempleName.bmp",
     "Art\\House\\WriteTemple.bmp", "Art\\Controls\\GoldenInfantry.bmp", detail::kHallPlate,
     detail::kHallCaption, detail::kSingleRecruit},
    {PlaceKind::Castle, 0, "Wawel", "Art\\CastleDone.bmp", "Art\\House\\CastleName.bmp",
     "Art\\House\\WriteCastle.bmp", "Art\\House\\Recruit2.bmp", detail::kCastlePlate,
     detail::kCastleCaption, detail::kSingleRecruit},
    {PlaceKind::Tower, 0, "Wasteland", "Art\\House\\Tower.bmp", "Art\\House\\TowerName.bmp",
     "Art\\House\\WriteTower.bmp", "Art\\House\\Recruit2.bmp", detail::kTowerPlate,
     detail::kTowerCaption, detail::kSingleRecruit},
};

// The word of each kind's caption, indexed by PlaceKind.
inline constexpr const char* kKindWords[] = {"Village", "Town",   "Palace",
                                             "Temple",  "Castle", "Tower"};

// The kPlaces index of a place, or -1 when the number is not one of the kind's
// (villages 1..9, towns 1..4; the single places take any number).
constexpr int PlaceIndex(PlaceKind kind, int number) {
  switch (kind) {
    case PlaceKind::Village:
      return number >= 1 && number <= kVillageCount ? kFirstVillage + number - 1 : -1;
    case PlaceKind::Town: return number >= 1 && number <= kTownCount ? kFirstTown + number - 1 : -1;
    case PlaceKind::Palace: return kPalacePlace;
    case PlaceKind::Temple: return kTemplePlace;
    case PlaceKind::Castle: return kCastlePlace;
    case PlaceKind::Tower: return kTowerPlace;
  }
  return -1;
}

// The four per-place pictures as whole pictures.
constexpr Picture ViewPicture(const Place& p) {
  return {p.view, kViewSize, kViewSize, kViewSize, kViewSize, kKeyNone, 1};
}
constexpr Picture NamePlatePicture(const Place& p) {
  return {p.namePlate, kPlateWidth, kPlateHeight, kPlateWidth, kPlateHeight, kKeyBlack, 1};
}
constexpr Picture KindCaptionPicture(const Place& p) {
  return {p.kindCaption, kPlateWidth, kPlateHeight, kPlateWidth, kPlateHeight, kKeyBlack, 1};
}
constexpr Picture RecruitIconPicture(const Place& p) {
  return {p.recruitIcon,
          kRecruitIconSize,
          kRecruitIconSize,
          kRecruitIconSize,
          kRecruitIconSize,
          kKeyBlack,
          1};
}

// ------------------------------------------------------------------ portrait (1 image)

// 128 x 128, chosen by the visitor code: 1 the player (by its portrait
// choice 0 or 1), 2..11 hero 0..9.
constexpr int16_t kPortraitSize = 128;
constexpr int kPlayerPortraitCount = 2;
constexpr int kHeroCount = 10;

struct PortraitFile {
  const char* path;
  uint32_t key;
};
inline constexpr PortraitFile kPlayerPortraitFiles[kPlayerPortraitCount] = {
    {"Art\\Heroes\\You1.bmp", kKeyBlack}, {"Art\\Heroes\\You2.bmp", kKeyBlack}};
inline constexpr PortraitFile kHeroPortraitFiles[kHeroCount] = {
    {"Art\\Heroes\\Heroe1.bmp", kKeyRed},   {"Art\\Heroes\\Heroe2.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe3.bmp", kKeyBlack}, {"Art\\Heroes\\Heroe4.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe5.bmp", kKeyRed},   {"Art\\Heroes\\Heroe6.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe7.bmp", kKeyRed},   {"Art\\Heroes\\Heroe8.bmp", kKeyRed},
    {"Art\\Heroes\\Heroe9.bmp", kKeyBlack}, {"Art\\Heroes\\Heroe10.bmp", kKeyBlack}};

constexpr uint8_t kVisitorPlayer = 1;
constexpr uint8_t kVisitorFirstHero = 2;

// The visitor's portrait; kNoPicture for a visitor code outside 1..11 or a
// player's portrait choice other than 0 and 1.
constexpr Picture PortraitPicture(int visitorCode, int playerPortrait) {
  const PortraitFile* f = nullptr;
  if (visitorCode == kVisitorPlayer) {
    if (playerPortrait >= 0 && playerPortrait < kPlayerPortraitCount)
      f = &kPlayerPortraitFiles[playerPortrait];
  } else if (visitorCode >= kVisitorFirstHero && visitorCode < kVisitorFirstHero + kHeroCount) {
    f = &kHeroPortraitFiles[visitorCode - kVisitorFirstHero];
  }
  if (!f) return kNoPicture;
  return {f->path, kPortraitSize, kPortraitSize, kPortraitSize, kPortraitSize, f->key, 1};
}

// ------------------------------------------------------------------ army icons (40 images)

// 64 x 64, image = army kind; only these kinds have an icon, the other images
// stay empty.
constexpr int kArmyIconImageCount = 40;
constexpr int16_t kArmyIconSize = 64;

struct ArmyIconFile {
  uint8_t kind;
  const char* path;
  uint32_t key;
};
inline constexpr ArmyIconFile kArmyIconFiles[] = {
    {0, "Art\\Controls\\Peasants1.bmp", kKeyBlack},
    {1, "Art\\Controls\\Militia.bmp", kKeyBlack},
    {2, "Art\\Controls\\Infantry.bmp", kKeyBlack},
    {3, "Art\\Controls\\GoldenInfantry.bmp", kKeyBlack},
    {4, "Art\\Controls\\RoyalInfantry.bmp", kKeyBlack},
    {20, "Art\\Controls\\Dogs.bmp", kKeyBlack},
    {21, "Art\\Controls\\Dogs2.bmp", kKeyRed},
};
constexpr int kArmyIconFileCount = int(sizeof kArmyIconFiles / sizeof kArmyIconFiles[0]);

constexpr Picture ArmyIconPicture(const ArmyIconFile& f) {
  return {f.path, kArmyIconSize, kArmyIconSize, kArmyIconSize, kArmyIconSize, f.key, 1};
}

// ------------------------------------------------------------------ held-item pictures (250
// images)

// Image n holds the picture of item number n (item id n + 1), 64 x 64, one
// frame. The file and its colour key come from ItemCatalog::IconFile (ids 180
// and 181 are keyed black, every other red). Item numbers 191..219 (ids
// 192..220) are never loaded; 250..255 have no image.
constexpr int kItemIconImageCount = 250;
constexpr int16_t kItemIconSize = 64;
constexpr int kHeldItemSkipFirst = 191;
constexpr int kHeldItemSkipLast = 219;

constexpr bool HeldItemLoadable(int itemNumber) {
  return itemNumber >= 0 && itemNumber < kItemIconImageCount &&
         (itemNumber < kHeldItemSkipFirst || itemNumber > kHeldItemSkipLast);
}

}  // namespace house_art
