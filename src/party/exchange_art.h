#pragma once
// Every picture of the three exchange screens (the choice between items and
// armies, the item exchange and the army exchange), described once: the file as the game asks
// for it, the frame size and the colour key. The loaders, the drawing and the
// picture generator all read these tables.
//
// Header-only, plain constant data.

#include <cstdint>

namespace exchange_art {

constexpr uint32_t kKeyNone = 0;
constexpr uint32_t kKeyBlack = 0xFF000000u;
constexpr uint32_t kKeyRed = 0xFFFF0000u;
constexpr uint32_t kKeyGreen = 0xFF00FF00u;
constexpr uint32_t kKeyBlue = 0xFF0000FFu;

// The texture format every exchange picture is loaded with.
constexpr uint32_t kTextureFormat = 25;

struct Picture {
  const char* path;  // nullptr: the slot stays empty
  int16_t frameWidth, frameHeight;
  uint32_t key;
};

constexpr Picture kNoPicture = {nullptr, 0, 0, kKeyNone};

// Button looks: frame = look.
constexpr uint8_t kLookIdle = 0;
constexpr uint8_t kLookHovered = 1;
constexpr uint8_t kLookPressed = 2;

// ------------------------------------------------------------------ the choice

enum ChoiceImage : int {
  kChoiceBackground = 0,
  kChoiceBack = 1,
  kChoicePortraitFrame = 2,
  kChoiceButton = 3,
  kChoiceArrows = 4,
  kChoiceItemsCaption = 5,
  kChoiceArmiesCaption = 6,
  kChoiceItemsPicture = 7,
  kChoiceArmiesPicture = 8,
};
constexpr int kChoiceImages = 10;  // slot 9 stays empty

constexpr Picture kChoicePictures[kChoiceImages] = {
    {"Art\\Controls\\Back11.bmp", 256, 256, kKeyNone},
    {"Art\\Controls\\ButtonBack.bmp", 64, 32, kKeyNone},
    {"Art\\Controls\\Back3.bmp", 128, 128, kKeyNone},
    {"Art\\Controls\\Button6.bmp", 128, 128, kKeyNone},
    {"Art\\Controls\\Arrows.bmp", 64, 64, kKeyNone},
    {"Art\\Controls\\Write6.bmp", 128, 32, kKeyBlack},
    {"Art\\Controls\\Write7.bmp", 128, 32, kKeyBlack},
    {"Art\\Controls\\Items.bmp", 128, 128, kKeyBlack},
    {"Art\\Controls\\Armies.bmp", 128, 128, kKeyBlack},
    kNoPicture,
};

// The choice's portraits: the player by portrait choice, hero k by k.
constexpr Picture kChoicePlayerPortraits[2] = {
    {"Art\\Heroes\\You1.bmp", 128, 128, kKeyBlack},
    {"Art\\Heroes\\You2.bmp", 128, 128, kKeyBlack},
};

// ------------------------------------------------------------------ shared

constexpr int kHeroPortraitCount = 10;
// Hero k's portrait on both screens.
constexpr Picture kHeroPortraits[kHeroPortraitCount] = {
    {"Art\\Heroes\\Heroe1.bmp", 128, 128, kKeyRed},
    {"Art\\Heroes\\Heroe2.bmp", 128, 128, kKeyRed},
    {"Art\\Heroes\\Heroe3.bmp", 128, 128, kKeyBlack},
    {"Art\\Heroes\\Heroe4.bmp", 128, 128, kKeyRed},
    {"Art\\Heroes\\Heroe5.bmp", 128, 128, kKeyRed},
    {"Art\\Heroes\\Heroe6.bmp", 128, 128, kKeyRed},
    {"Art\\Heroes\\Heroe7.bmp", 128, 128, kKeyRed},
    {"Art\\Heroes\\Heroe8.bmp", 128, 128, kKeyRed},
    {"Art\\Heroes\\Heroe9.bmp", 128, 128, kKeyBlack},
    {"Art\\Heroes\\Heroe10.bmp", 128, 128, kKeyBlack},
};

// Member names: codes 0 and 2..27 from the first sheet (frame = code),
// codes 28 and up from the second (frame = code - 28).
constexpr Picture kNameLetters1 = {"Art\\Heroes\\Write5.bmp", 16, 32, kKeyRed};
constexpr Picture kNameLetters2 = {"Art\\Heroes\\Write6.bmp", 16, 32, kKeyRed};
// Army names, split the same way.
constexpr Picture kTextLetters1 = {"Art\\Heroes\\Letters1.bmp", 16, 32, kKeyRed};
constexpr Picture kTextLetters2 = {"Art\\Heroes\\Letters2.bmp", 16, 32, kKeyRed};
constexpr uint8_t kFirstHighLetter = 28;
constexpr uint8_t kFirstDigitLetter = 80;
constexpr uint8_t kCaretLetter = 1;  // draws nothing

// ------------------------------------------------------------------ the army exchange

enum ArmyUiImage : int {
  kArmyBackground = 5,
  kArmyPanel = 7,
  kArmyBack = 10,
  kArmyHealthDigits = 15,
  kArmyHighlight = 17,
  kArmyAttackDigits = 23,
  kArmyCellFrame = 24,
  kArmyTrade = 25,
  kArmyHealthIcon = 26,
  kArmyAttackIcon = 27,
  kArmyShieldIcon = 28,
  kArmySeparator = 35,
  kArmyAttackLabel = 36,
  kArmyShieldLabel = 37,
  kArmyShieldDigits = 38,
  kArmyCountDigits = 40,
  kArmyNameDigits = 43,
  kArmyTrainingLabel = 46,
  kArmyEquipmentLabel = 47,
  kArmyHealMark = 48,
  kArmySkullMark = 49,
  kArmyPanelAttack = 50,
  kArmyPanelShield = 51,
  kArmyPanelEquipment = 52,
  kArmyPanelTraining = 53,
};
constexpr int kArmyUiImages = 54;

struct NumberedPicture {
  int image;
  Picture picture;
};

constexpr NumberedPicture kArmyUiPictures[] = {
    {kArmyBackground, {"Art\\Controls\\Back4.bmp", 128, 128, kKeyNone}},
    {kArmyPanel, {"Art\\Controls\\Back1.bmp", 128, 128, kKeyNone}},
    {kArmyBack, {"Art\\Controls\\ButtonBack.bmp", 64, 32, kKeyNone}},
    {kArmyHealthDigits, {"Art\\Heroes\\Write3.bmp", 32, 32, kKeyBlue}},
    {kArmyHighlight, {"Art\\Heroes\\Back10.bmp", 64, 64, kKeyBlack}},
    {kArmyAttackDigits, {"Art\\Heroes\\Write14.bmp", 32, 32, kKeyBlack}},
    {kArmyCellFrame, {"Art\\You\\Back9.bmp", 64, 64, kKeyBlack}},
    {kArmyTrade, {"Art\\Controls\\Trade.bmp", 64, 64, kKeyBlack}},
    {kArmyHealthIcon, {"Art\\You\\Health.bmp", 32, 32, kKeyGreen}},
    {kArmyAttackIcon, {"Art\\You\\Attack.bmp", 32, 32, kKeyBlack}},
    {kArmyShieldIcon, {"Art\\You\\Shield.bmp", 32, 32, kKeyBlack}},
    {kArmySeparator, {"Art\\Heroes\\Write11.bmp", 32, 32, kKeyBlack}},
    {kArmyAttackLabel, {"Art\\Heroes\\Write12.bmp", 128, 32, kKeyBlack}},
    {kArmyShieldLabel, {"Art\\Heroes\\Write13.bmp", 128, 32, kKeyBlack}},
    {kArmyShieldDigits, {"Art\\Heroes\\Write15.bmp", 32, 32, kKeyBlack}},
    {kArmyCountDigits, {"Art\\Heroes\\Write19.bmp", 16, 32, kKeyBlack}},
    {kArmyNameDigits, {"Art\\Controls\\Numbers.bmp", 16, 32, kKeyBlack}},
    {kArmyTrainingLabel, {"Art\\Heroes\\Write20.bmp", 128, 32, kKeyBlack}},
    {kArmyEquipmentLabel, {"Art\\Heroes\\Write21.bmp", 128, 32, kKeyBlack}},
    {kArmyHealMark, {"Art\\Armies\\Heal.bmp", 32, 32, kKeyNone}},
    {kArmySkullMark, {"Art\\Armies\\Skull.bmp", 32, 32, kKeyNone}},
    {kArmyPanelAttack, {"Art\\You\\Attack.bmp", 32, 32, kKeyBlack}},
    {kArmyPanelShield, {"Art\\You\\Shield.bmp", 32, 32, kKeyBlack}},
    {kArmyPanelEquipment, {"Art\\You\\Equipment.bmp", 32, 32, kKeyBlack}},
    {kArmyPanelTraining, {"Art\\You\\Training.bmp", 32, 32, kKeyRed}},
};

// Army icons: image = ArmyKind.
constexpr int kArmyIconImages = 30;
constexpr NumberedPicture kArmyIcons[] = {
    {0, {"Art\\Controls\\Peasants1.bmp", 64, 64, kKeyBlack}},
    {1, {"Art\\Controls\\Militia.bmp", 64, 64, kKeyBlack}},
    {2, {"Art\\Controls\\Infantry.bmp", 64, 64, kKeyBlack}},
    {3, {"Art\\Controls\\GoldenInfantry.bmp", 64, 64, kKeyBlack}},
    {4, {"Art\\Controls\\RoyalInfantry.bmp", 64, 64, kKeyBlack}},
    {7, {"Art\\Controls\\EliteGuards.bmp", 64, 64, kKeyBlack}},
    {8, {"Art\\Controls\\SwordsMen1.bmp", 64, 64, kKeyBlack}},
    {9, {"Art\\Controls\\Warriors1.bmp", 64, 64, kKeyBlack}},
    {10, {"Art\\Controls\\Priests1.bmp", 64, 64, kKeyBlack}},
    {20, {"Art\\Controls\\Dogs.bmp", 64, 64, kKeyBlack}},
    {21, {"Art\\Controls\\Dogs2.bmp", 64, 64, kKeyRed}},
};

// The army exchange's portraits.
constexpr Picture kArmyPlayerPortraits[2] = {
    {"Art\\Controls\\You1.bmp", 128, 128, kKeyBlack},
    {"Art\\Controls\\You2.bmp", 128, 128, kKeyBlack},
};

// ------------------------------------------------------------------ the item exchange

enum ItemUiImage : int {
  kItemBackground = 5,
  kItemPanel = 7,
  kItemBack = 10,
  kItemHealthDigits = 15,
  kItemAttackDigits = 23,
  kItemBagRow = 25,
  kItemMarkShoes = 26,
  kItemMarkPants = 27,
  kItemMarkBelt = 28,
  kItemMarkRing = 29,
  kItemMarkGloves = 30,
  kItemMarkTorso = 31,
  kItemMarkAmulet = 32,
  kItemMarkHelmet = 33,
  kItemNoItem = 34,
  kItemSlash = 35,
  kItemShieldDigits = 38,
  kItemBonusDigits = 40,
  kItemBagMarker = 43,
  kItemMarkShield = 44,
  kItemMarkSword = 45,
  kItemHealthIcon = 50,
  kItemAttackIcon = 51,
  kItemShieldIcon = 52,
};
constexpr int kItemUiImages = 53;

constexpr NumberedPicture kItemUiPictures[] = {
    {kItemBackground, {"Art\\Controls\\Back4.bmp", 128, 128, kKeyNone}},
    {kItemPanel, {"Art\\Controls\\Back10.bmp", 128, 128, kKeyNone}},
    {kItemBack, {"Art\\Controls\\ButtonBack.bmp", 64, 32, kKeyNone}},
    {kItemHealthDigits, {"Art\\Heroes\\Write3.bmp", 32, 32, kKeyBlue}},
    {kItemAttackDigits, {"Art\\Heroes\\Write14.bmp", 32, 32, kKeyBlack}},
    {kItemBagRow, {"Art\\You\\bag.bmp", 128, 32, kKeyNone}},
    {kItemMarkShoes, {"Art\\Heroes\\Bag1.bmp", 64, 64, kKeyBlack}},
    {kItemMarkPants, {"Art\\Heroes\\Bag2.bmp", 64, 64, kKeyBlack}},
    {kItemMarkBelt, {"Art\\Heroes\\Bag3.bmp", 64, 64, kKeyBlack}},
    {kItemMarkRing, {"Art\\Heroes\\Bag4.bmp", 64, 64, kKeyBlack}},
    {kItemMarkGloves, {"Art\\Heroes\\Bag5.bmp", 64, 64, kKeyBlack}},
    {kItemMarkTorso, {"Art\\Heroes\\Bag6.bmp", 64, 64, kKeyBlack}},
    {kItemMarkAmulet, {"Art\\Heroes\\Bag7.bmp", 64, 64, kKeyBlack}},
    {kItemMarkHelmet, {"Art\\Heroes\\Bag8.bmp", 64, 64, kKeyBlack}},
    {kItemNoItem, {"Art\\Controls\\Arrows.bmp", 64, 64, kKeyNone}},
    {kItemSlash, {"Art\\Heroes\\Write11.bmp", 32, 32, kKeyBlack}},
    {kItemShieldDigits, {"Art\\Heroes\\Write15.bmp", 32, 32, kKeyBlack}},
    {kItemBonusDigits, {"Art\\Heroes\\Write19.bmp", 16, 32, kKeyBlack}},
    {kItemBagMarker, {"Art\\You\\Selected2.bmp", 32, 32, kKeyNone}},
    {kItemMarkShield, {"Art\\Heroes\\Bag9.bmp", 64, 64, kKeyBlack}},
    {kItemMarkSword, {"Art\\Heroes\\Bag10.bmp", 64, 64, kKeyBlack}},
    {kItemHealthIcon, {"Art\\You\\Health.bmp", 32, 32, kKeyGreen}},
    {kItemAttackIcon, {"Art\\You\\Attack.bmp", 32, 32, kKeyBlack}},
    {kItemShieldIcon, {"Art\\You\\Shield.bmp", 32, 32, kKeyBlack}},
};

// The item exchange's portraits are the army exchange's (kArmyPlayerPortraits).

}  // namespace exchange_art
