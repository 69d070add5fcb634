#pragma once
// Every picture of the player screen, described once: the file as the game
// asks for it, the size of the whole image, the frame size, the colour key
// and the frames the drawing uses. The loader, the drawing and the asset
// generator all read this table.
//
// Header-only, plain constant data.

#include <cstdint>

#include "places/house_art.h"

namespace party_art {

// The shared picture record, keys and look frames of the play screens.
using house_art::kButtonLooks;
using house_art::kDigitFrames;
using house_art::kKeyBlack;
using house_art::kKeyNone;
using house_art::kKeyRed;
using house_art::kLookHovered;
using house_art::kLookIdle;
using house_art::kLookPressed;
using house_art::kTextureFormat;
using house_art::Picture;
constexpr uint32_t kKeyGreen = 0xFF00FF00u;
constexpr uint32_t kKeyWhite = 0xFFFFFFFFu;

// Images of the player screen's sheet.
enum PlayerImage : int {
  kTopBar = 0,
  kMemberBack = 5,
  kBackButton = 10,
  kHealthDigits = 15,
  kArmySelection = 17,
  kDigits = 23,
  kArmyBox = 24,
  kBagRow = 25,
  kMarkShoes = 26,
  kMarkPants = 27,
  kMarkBelt = 28,
  kMarkRing = 29,
  kMarkGloves = 30,
  kMarkTorso = 31,
  kMarkAmulet = 32,
  kMarkHelmet = 33,
  kHealthCaption = 34,
  kHealthSlash = 35,
  kAttackCaption = 36,
  kShieldCaption = 37,
  kLevelCaption = 39,
  kSmallDigits = 40,
  kExperienceCaption = 41,
  kBagSelected = 43,
  kMarkShield = 44,
  kMarkSword = 45,
  kTrainingCaption = 46,
  kEquipmentCaption = 47,
  kHealMark = 48,
  kSkull = 49,
  kDisbandButton = 50,
  kRenameButton = 51,
  kTossButton = 52,
  kYesButton = 53,
  kNoButton = 54,
  kQuestionBox = 55,
  kNameDigits = 56,
  kHealthIcon = 57,
  kAttackIcon = 58,
  kShieldIcon = 59,
  kLevelIcon = 60,
  kEquipmentIcon = 62,
  kTrainingIcon = 63,
  kArrow = 64,
  kValuePanel = 65,
  kGreens = 67,
  kPlayerImages = 68,
};

struct SheetEntry {
  int image;
  Picture picture;
};

constexpr SheetEntry kPlayerPictures[] = {
    {kTopBar, {"Art\\You\\Back4.bmp", 128, 32, 128, 32, kKeyNone, 1}},
    {kMemberBack, {"Art\\You\\Back3.bmp", 256, 256, 256, 256, kKeyNone, 1}},
    {kBackButton, {"Art\\Controls\\ButtonBack.bmp", 192, 32, 64, 32, kKeyNone, 3}},
    {kHealthDigits, {"Art\\Heroes\\Write3.bmp", 320, 32, 32, 32, 0xFF0000FFu, 10}},
    {kArmySelection, {"Art\\Heroes\\Back8.bmp", 32, 32, 32, 32, kKeyBlack, 1}},
    {kDigits, {"Art\\Heroes\\Write14.bmp", 320, 32, 32, 32, kKeyBlack, 10}},
    {kArmyBox, {"Art\\You\\Back9.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kBagRow, {"Art\\You\\bag.bmp", 128, 32, 128, 32, kKeyNone, 1}},
    {kMarkShoes, {"Art\\Heroes\\Bag1.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kMarkPants, {"Art\\Heroes\\Bag2.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kMarkBelt, {"Art\\Heroes\\Bag3.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kMarkRing, {"Art\\Heroes\\Bag4.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kMarkGloves, {"Art\\Heroes\\Bag5.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kMarkTorso, {"Art\\Heroes\\Bag6.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kMarkAmulet, {"Art\\Heroes\\Bag7.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kMarkHelmet, {"Art\\Heroes\\Bag8.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kHealthCaption, {"Art\\Heroes\\Write10.bmp", 128, 32, 128, 32, kKeyBlack, 1}},
    {kHealthSlash, {"Art\\Heroes\\Write11.bmp", 32, 32, 32, 32, kKeyBlack, 1}},
    {kAttackCaption, {"Art\\Heroes\\Write12.bmp", 128, 32, 128, 32, kKeyBlack, 1}},
    {kShieldCaption, {"Art\\Heroes\\Write13.bmp", 128, 32, 128, 32, kKeyBlack, 1}},
    {kLevelCaption, {"Art\\You\\Write.bmp", 128, 32, 128, 32, kKeyBlack, 1}},
    {kSmallDigits, {"Art\\Heroes\\Write19.bmp", 160, 32, 16, 32, kKeyBlack, 10}},
    {kExperienceCaption, {"Art\\Heroes\\Write18.bmp", 64, 32, 64, 32, kKeyBlack, 1}},
    {kBagSelected, {"Art\\You\\Selected.bmp", 32, 32, 32, 32, kKeyNone, 1}},
    {kMarkShield, {"Art\\Heroes\\Bag9.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kMarkSword, {"Art\\Heroes\\Bag10.bmp", 64, 64, 64, 64, kKeyBlack, 1}},
    {kTrainingCaption, {"Art\\Heroes\\Write20.bmp", 128, 32, 128, 32, kKeyBlack, 1}},
    {kEquipmentCaption, {"Art\\Heroes\\Write21.bmp", 128, 32, 128, 32, kKeyBlack, 1}},
    {kHealMark, {"Art\\Armies\\Heal.bmp", 32, 32, 32, 32, kKeyNone, 1}},
    {kSkull, {"Art\\Armies\\Skull.bmp", 32, 32, 32, 32, kKeyNone, 1}},
    {kDisbandButton, {"Art\\House\\Disband.bmp", 192, 32, 64, 32, kKeyNone, 3}},
    {kRenameButton, {"Art\\House\\Name.bmp", 192, 32, 64, 32, kKeyNone, 3}},
    {kTossButton, {"Art\\Controls\\Toss.bmp", 192, 32, 64, 32, kKeyNone, 3}},
    {kYesButton, {"Art\\House\\ButtonYes.bmp", 96, 32, 32, 32, kKeyBlack, 3}},
    {kNoButton, {"Art\\House\\ButtonNo.bmp", 96, 32, 32, 32, kKeyBlack, 3}},
    {kQuestionBox, {"Art\\Map\\Back.bmp", 64, 64, 64, 64, kKeyNone, 1}},
    {kNameDigits, {"Art\\Controls\\Numbers.bmp", 160, 32, 16, 32, kKeyBlack, 10}},
    {kHealthIcon, {"Art\\You\\Health.bmp", 32, 32, 32, 32, kKeyGreen, 1}},
    {kAttackIcon, {"Art\\You\\Attack.bmp", 32, 32, 32, 32, kKeyBlack, 1}},
    {kShieldIcon, {"Art\\You\\Shield.bmp", 32, 32, 32, 32, kKeyBlack, 1}},
    {kLevelIcon, {"Art\\You\\Level.bmp", 32, 32, 32, 32, kKeyRed, 1}},
    {kEquipmentIcon, {"Art\\You\\Equipment.bmp", 32, 32, 32, 32, kKeyBlack, 1}},
    {kTrainingIcon, {"Art\\You\\Training.bmp", 32, 32, 32, 32, kKeyRed, 1}},
    {kArrow, {"Art\\House\\Arrow.bmp", 32, 16, 32, 16, kKeyBlack, 1}},
    {kValuePanel, {"Art\\You\\Back10.bmp", 128, 256, 128, 256, kKeyNone, 1}},
    {kGreens, {"Art\\You\\Greens.bmp", 512, 32, 512, 32, kKeyWhite, 1}},
};

// The player's portrait: frame 0 and 1 for portrait 0 and 1.
constexpr Picture kPlayerPortraits = {"Art\\You\\Portraits.bmp", 256, 128, 128, 128, kKeyBlack, 2};
// Letters of the player's name and of item texts and army names.
constexpr Picture kNameLetters1 = {"Art\\You\\You4.bmp", 0, 0, 32, 64, kKeyBlack, 0};
constexpr Picture kNameLetters2 = {"Art\\You\\You5.bmp", 0, 0, 32, 64, kKeyBlack, 0};
constexpr Picture kTextLetters1 = {"Art\\Heroes\\Letters1.bmp", 0, 0, 16, 32, kKeyRed, 0};
constexpr Picture kTextLetters2 = {"Art\\Heroes\\Letters2.bmp", 0, 0, 16, 32, kKeyRed, 0};

// Army icons by ArmyKind: the place screens' files (the other kinds have
// none on these screens).
using house_art::kArmyIconFiles;
constexpr int kArmyIconImages = 30;
constexpr int16_t kArmyIconSize = 64;

}  // namespace party_art
