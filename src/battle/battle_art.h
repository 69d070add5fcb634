#pragma once
// Every picture of the battle screen, described once: the file as the game
// asks for it, the size of the whole image, the frame size, the colour key and
// the frames the drawing can ask for, per sheet of BattleScreen. The loaders,
// the battlefield drawing and the asset generator all read these tables, so a
// picture is drawn at the very size and frame grid that the game cuts it by.
//
// Header-only, plain constant data.

#include <cstdint>

namespace battle_art {

// Colour keys as the sheets' load calls pass them (ARGB).
constexpr uint32_t kKeyNone = 0;
constexpr uint32_t kKeyBlack = 0xFF000000u;
constexpr uint32_t kKeyRed = 0xFFFF0000u;
constexpr uint32_t kKeyGreen = 0xFF00FF00u;

// The texture format every battle picture is loaded with.
constexpr uint32_t kTextureFormat = 25;

struct Picture {
  const char* path;       // as the game asks for it; nullptr for an image loaded another way
  int16_t width, height;  // the whole image
  int16_t frameWidth, frameHeight;
  uint32_t key;
  int16_t frames;  // frames 0 .. frames - 1 hold a picture
};

// ------------------------------------------------------------------ shared frame numbers

// Digit sheets: frame d shows the digit d.
constexpr int kDigitFrames = 10;

// Buttons: frame = look.
constexpr int kLookIdle = 0;
constexpr int kLookHovered = 1;
constexpr int kLookPressed = 2;
constexpr int kButtonLooks = 3;

// ------------------------------------------------------------------ uiSheet (63 images)

enum UiImage : int {
  kUiBorder = 0,             // "Art\Map\Border.bmp": the rim around the field
  kUiGridHorizontal = 1,     // "Art\Fight\Grid1.bmp" (Grid3 in battles 3 and 4), 16 x 1
  kUiGridVertical = 2,       // "Art\Fight\Grid2.bmp" (Grid4 in battles 3 and 4), 1 x 16
  kUiSelected = 3,           // "Art\Map\Selected.bmp": selection ring
  kUiDot = 4,                // "Art\Map\Dot.bmp": path waypoints
  kUiExp = 5,                // "Art\Fight\Exp.bmp"
  kUiBlock = 6,              // "Art\Fight\Block.bmp"
  kUiBlocked = 7,            // "Art\Fight\Blocked.bmp": attack marker, not yet reachable
  kUiBattle = 8,             // "Art\Fight\Battle.bmp": attack marker, attack on arrival
  kUiBlocked2 = 9,           // "Art\Fight\Blocked2.bmp": a click that cannot be walked to
  kUiEndTurnButton = 10,     // "Art\Controls\Button4.bmp"
  kUiPanelBack = 11,         // "Art\Map\Back.bmp": every panel background, stretched
  kUiHealthDigits = 12,      // "Art\Wealth\Numbers3.bmp"
  kUiMovesDigits = 13,       // "Art\Wealth\Numbers1.bmp" (also the shield's digits)
  kUiMovesBox = 14,          // "Art\Controls\Back7.bmp"
  kUiAttackDigits = 15,      // "Art\Wealth\Numbers2.bmp"
  kUiAttackCaption = 16,     // "Art\Heroes\Write12.bmp"
  kUiShieldCaption = 17,     // "Art\Heroes\Write13.bmp"
  kUiHealthCaption = 18,     // "Art\Heroes\Write10.bmp"
  kUiCountDigits = 19,       // "Art\Wealth\Numbers4.bmp": soldier counts
  kUiAlive = 20,             // "Art\Fight\Alive.bmp"
  kUiDown = 21,              // "Art\Fight\Down.bmp"
  kUiDownDigits = 22,        // "Art\Wealth\Numbers5.bmp"
  kUiLight = 23,             // "Art\Fight\Light.bmp": light wounds
  kUiSerious = 24,           // "Art\Fight\Serious.bmp"
  kUiCritical = 25,          // "Art\Fight\Critical.bmp"
  kUiWounds = 26,            // "Art\Fight\Wounds.bmp"
  kUiNameDigits = 27,        // "Art\Heroes\Write7.bmp": frame c - 80 for name codes 80..89
  kUiNameStrip = 28,         // "Art\Fight\Back1.bmp"
  kUiDamageDigits = 29,      // "Art\Heroes\Write19.bmp"
  kUiWordEnemy = 30,         // "Art\Fight\Enemy.bmp"
  kUiWordTakes = 31,         // "Art\Fight\Takes.bmp"
  kUiWordDamage = 32,        // "Art\Fight\Damage.bmp"
  kUiReportDigits = 33,      // "Art\Fight\Numbers1.bmp": soldiers down in a blow
  kUiWordTaken = 34,         // "Art\Fight\Taken.bmp"
  kUiPageBack = 35,          // "Art\Fight\Back2.bmp": the experience page
  kUiHealthIcon = 36,        // "Art\You\Health.bmp"
  kUiAttackIcon = 37,        // "Art\You\Attack.bmp"
  kUiShieldIcon = 38,        // "Art\You\Shield.bmp"
  kUiLevelIcon = 39,         // "Art\You\Level.bmp"
  kUiRowFrame = 40,          // "Art\You\Back9.bmp": an army's row on the experience page
  kUiEquipmentIcon = 41,     // "Art\You\Equipment.bmp"
  kUiTrainingIcon = 42,      // "Art\You\Training.bmp"
  kUiGold = 43,              // "Art\Map\Gold.bmp"
  kUiDone = 44,              // "Art\Fight\Done.bmp": no moves left
  kUiRetreatButton = 45,     // "Art\Fight\Retreat.bmp"
  kUiYesButton = 46,         // "Art\House\ButtonYes.bmp"
  kUiNoButton = 47,          // "Art\House\ButtonNo.bmp"
  kUiRaiseArrow = 48,        // "Art\House\Arrow.bmp"
  kUiGridButton = 49,        // "Art\Fight\ButtonGrid.bmp"
  kUiJoinedHero = 50,        // the joined hero's portrait (kHeroPortraits)
  kUiLevelCaption = 51,      // "Art\You\Write.bmp"
  kUiTrainingCaption = 52,   // "Art\Heroes\Write20.bmp"
  kUiEquipmentCaption = 53,  // "Art\Heroes\Write21.bmp"
  kUiHurt = 54,              // "Art\Fight\Hurt1.bmp": hit effect, unless all went down
  kUiSomeDown = 55,          // "Art\Fight\Down1.bmp": hit effect, some (not all) went down
  kUiAllDown = 56,           // "Art\Fight\Down2.bmp": hit effect, all down
  kUiEnterToMove = 57,       // "Art\Fight\EnterToMove.bmp"
  kUiMoveArrow = 58,         // "Art\Fight\Arrow.bmp"
  kUiQuitButton = 59,        // "Art\Controls\ButtonQuit.bmp"
  kUiOptionsButton = 60,     // "Art\Controls\Button51.bmp"
  kUiOptionsCaption = 61,    // "Art\Controls\WriteOptions.bmp"
  kUiOptionsIcon = 62,       // "Art\Controls\Options.bmp"
};
constexpr int kUiImageCount = 63;

// Frames of the rim.
constexpr int kBorderVertical = 0;    // drawn 0.8 x 1.25: 25.6 x 40
constexpr int kBorderHorizontal = 1;  // drawn 1.25 x 0.8: 40 x 25.6
constexpr int kBorderCorner = 2;      // drawn 0.8 x 0.8
// Frames of the path dots.
constexpr int kDotWaypoint = 0;
constexpr int kDotTarget = 1;
// The hit effects show frame swingFrame, which runs 1, 2, 3, 2, 1, 0, 1, ...
constexpr int kHitEffectFrames = 4;

inline constexpr Picture kUiPictures[kUiImageCount] = {
    {"Art\\Map\\Border.bmp", 96, 32, 32, 32, kKeyBlack, 3},
    {"Art\\Fight\\Grid1.bmp", 16, 1, 16, 1, kKeyNone, 1},
    {"Art\\Fight\\Grid2.bmp", 1, 16, 1, 16, kKeyNone, 1},
    {"Art\\Map\\Selected.bmp", 32, 32, 32, 32, kKeyBlack, 1},
    {"Art\\Map\\Dot.bmp", 64, 32, 32, 32, kKeyBlack, 2},
    {"Art\\Fight\\Exp.bmp", 32, 32, 32, 32, kKeyNone, 1},
    {"Art\\Fight\\Block.bmp", 32, 32, 32, 32, kKeyNone, 1},
    {"Art\\Fight\\Blocked.bmp", 32, 32, 32, 32, kKeyNone, 1},
    {"Art\\Fight\\Battle.bmp", 32, 32, 32, 32, kKeyNone, 1},
    {"Art\\Fight\\Blocked2.bmp", 32, 32, 32, 32, kKeyNone, 1},
    {"Art\\Controls\\Button4.bmp", 192, 32, 64, 32, kKeyNone, kButtonLooks},
    {"Art\\Map\\Back.bmp", 64, 64, 64, 64, kKeyNone, 1},
    {"Art\\Wealth\\Numbers3.bmp", 320, 32, 32, 32, kKeyBlack, kDigitFrames},
    {"Art\\Wealth\\Numbers1.bmp", 320, 32, 32, 32, kKeyBlack, kDigitFrames},
    {"Art\\Controls\\Back7.bmp", 32, 32, 32, 32, kKeyNone, 1},
    {"Art\\Wealth\\Numbers2.bmp", 320, 32, 32, 32, kKeyBlack, kDigitFrames},
    {"Art\\Heroes\\Write12.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write13.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write10.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Wealth\\Numbers4.bmp", 320, 32, 32, 32, kKeyBlack, kDigitFrames},
    {"Art\\Fight\\Alive.bmp", 64, 32, 64, 32, kKeyBlack, 1},
    {"Art\\Fight\\Down.bmp", 64, 32, 64, 32, kKeyBlack, 1},
    {"Art\\Wealth\\Numbers5.bmp", 320, 32, 32, 32, kKeyBlack, kDigitFrames},
    {"Art\\Fight\\Light.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Fight\\Serious.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Fight\\Critical.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Fight\\Wounds.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write7.bmp", 160, 32, 16, 32, kKeyBlack, kDigitFrames},
    {"Art\\Fight\\Back1.bmp", 64, 32, 64, 32, kKeyNone, 1},
    {"Art\\Heroes\\Write19.bmp", 160, 32, 16, 32, kKeyBlack, kDigitFrames},
    {"Art\\Fight\\Enemy.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Fight\\Takes.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Fight\\Damage.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Fight\\Numbers1.bmp", 160, 32, 16, 32, kKeyBlack, kDigitFrames},
    {"Art\\Fight\\Taken.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Fight\\Back2.bmp", 256, 256, 256, 256, kKeyNone, 1},
    {"Art\\You\\Health.bmp", 32, 32, 32, 32, kKeyGreen, 1},
    {"Art\\You\\Attack.bmp", 32, 32, 32, 32, kKeyBlack, 1},
    {"Art\\You\\Shield.bmp", 32, 32, 32, 32, kKeyBlack, 1},
    {"Art\\You\\Level.bmp", 32, 32, 32, 32, kKeyRed, 1},
    {"Art\\You\\Back9.bmp", 64, 64, 64, 64, kKeyNone, 1},
    {"Art\\You\\Equipment.bmp", 32, 32, 32, 32, kKeyBlack, 1},
    {"Art\\You\\Training.bmp", 32, 32, 32, 32, kKeyRed, 1},
    {"Art\\Map\\Gold.bmp", 64, 64, 64, 64, kKeyBlack, 1},
    {"Art\\Fight\\Done.bmp", 64, 32, 64, 32, kKeyBlack, 1},
    {"Art\\Fight\\Retreat.bmp", 192, 32, 64, 32, kKeyNone, kButtonLooks},
    {"Art\\House\\ButtonYes.bmp", 96, 32, 32, 32, kKeyBlack, kButtonLooks},
    {"Art\\House\\ButtonNo.bmp", 96, 32, 32, 32, kKeyBlack, kButtonLooks},
    {"Art\\House\\Arrow.bmp", 32, 16, 32, 16, kKeyBlack, 1},
    {"Art\\Fight\\ButtonGrid.bmp", 192, 32, 64, 32, kKeyNone, kButtonLooks},
    {nullptr, 128, 128, 128, 128, kKeyNone, 1},  // the joined hero: see kHeroPortraits
    {"Art\\You\\Write.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write20.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Heroes\\Write21.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Fight\\Hurt1.bmp", 256, 64, 64, 64, kKeyRed, kHitEffectFrames},
    {"Art\\Fight\\Down1.bmp", 256, 64, 64, 64, kKeyRed, kHitEffectFrames},
    {"Art\\Fight\\Down2.bmp", 128, 64, 32, 64, kKeyRed, kHitEffectFrames},
    {"Art\\Fight\\EnterToMove.bmp", 256, 32, 256, 32, kKeyBlack, 1},
    {"Art\\Fight\\Arrow.bmp", 64, 32, 64, 32, kKeyBlack, 1},
    {"Art\\Controls\\ButtonQuit.bmp", 192, 32, 64, 32, kKeyNone, kButtonLooks},
    {"Art\\Controls\\Button51.bmp", 192, 32, 64, 32, kKeyNone, kButtonLooks},
    {"Art\\Controls\\WriteOptions.bmp", 128, 32, 128, 32, kKeyBlack, 1},
    {"Art\\Controls\\Options.bmp", 64, 32, 64, 32, kKeyRed, 1},
};

// The grid of battles 3 and 4, in place of images 1 and 2.
inline constexpr Picture kGridHorizontalDark = {"Art\\Fight\\Grid3.bmp", 16, 1, 16, 1, kKeyNone, 1};
inline constexpr Picture kGridVerticalDark = {"Art\\Fight\\Grid4.bmp", 1, 16, 1, 16, kKeyNone, 1};
constexpr bool UsesDarkGrid(uint32_t battleId) { return battleId == 3 || battleId == 4; }

// ------------------------------------------------------------------ letter sheets

// Names (21 letter codes) are drawn letter j at x + 14 j: code 0 or 2..27 is
// frame code of kLetters, 28 and up frame code - 28 of kLettersRed, 80 and up
// in addition frame code - 80 of kUiNameDigits; code 1 draws nothing.
constexpr int kLetterSheetCodes = 28;      // codes 0..27 on kLetters
constexpr int kLetterRedFirstCode = 28;    // codes 28.. on kLettersRed
constexpr int kLetterDigitFirstCode = 80;  // codes 80..89 also on kUiNameDigits
constexpr int kLetterLastCode = 89;
inline constexpr Picture kLetters = {"Art\\Heroes\\Write5.bmp", 256, 64, 16, 32, kKeyRed,
                                     kLetterSheetCodes};
inline constexpr Picture kLettersRed = {"Art\\Heroes\\Write6.bmp",
                                        256,
                                        128,
                                        16,
                                        32,
                                        kKeyRed,
                                        kLetterLastCode - kLetterRedFirstCode + 1};

// ------------------------------------------------------------------ terrainSheet (10 images, 8
// loaded)

enum TerrainImage : int {
  kTerrainPlains = 0,
  kTerrainExtras1 = 1,  // the plains' decorations, frames 1..12
  kTerrainExtras2 = 2,
  kTerrainBlackZima = 3,
  kTerrainGrey = 4,
  kTerrainDesert = 5,
  kTerrainGrass = 6,
  kTerrainBrown = 7,
};
constexpr int kTerrainImageCount = 10;
constexpr int kTerrainLoaded = 8;

inline constexpr Picture kTerrainPictures[kTerrainLoaded] = {
    {"Art\\Fight\\Plains.bmp", 128, 128, 128, 128, kKeyNone, 1},
    {"Art\\Fight\\Extras1.bmp", 128, 128, 32, 32, kKeyBlack, 13},
    {"Art\\Fight\\Extras2.bmp", 64, 64, 16, 16, kKeyBlack, 16},
    {"Art\\Fight\\BlackZima.bmp", 128, 128, 128, 128, kKeyNone, 1},
    {"Art\\Fight\\Grey.bmp", 128, 128, 128, 128, kKeyNone, 1},
    {"Art\\Fight\\Desert.bmp", 128, 128, 128, 128, kKeyNone, 1},
    {"Art\\Fight\\Grass.bmp", 128, 128, 128, 128, kKeyNone, 1},
    {"Art\\Fight\\Brown.bmp", 128, 128, 128, 128, kKeyNone, 1},
};

// The backdrop a battle shows: one 128 x 128 square tiled 8 x 6 at 200 x 200.
constexpr int kBackdropTileSize = 200;
constexpr int kBackdropColumns = 8;
constexpr int kBackdropRows = 6;
constexpr int BackdropOf(uint32_t battleId) {
  if (battleId == 73) return kTerrainBlackZima;
  if (battleId == 62 || (battleId >= 66 && battleId <= 72) || battleId == 83 || battleId == 88 ||
      battleId == 89 || (battleId >= 91 && battleId <= 93))
    return kTerrainGrey;
  if ((battleId >= 54 && battleId <= 61) || battleId == 82 || battleId == 84 || battleId == 85 ||
      battleId == 87)
    return kTerrainDesert;
  if (battleId == 17 || battleId == 18 || battleId == 21 || battleId == 23 || battleId == 24 ||
      (battleId >= 31 && battleId <= 33) || (battleId >= 51 && battleId <= 53))
    return kTerrainGrass;
  if (battleId >= 44 && battleId <= 50) return kTerrainBrown;
  return kTerrainPlains;
}

// The plains' 28 decorations from kTerrainExtras1, at field positions.
struct Decoration {
  int16_t x, y;
  int16_t frame;
  float scaleX, scaleY;
};
constexpr int kDecorationCount = 28;
inline constexpr Decoration kPlainsDecorations[kDecorationCount] = {
    {480, 30, 1, 0.9f, 0.8f},   {540, 50, 2, 0.9f, 0.8f},    {840, 80, 3, 0.7f, 0.7f},
    {1070, 140, 5, 0.7f, 0.7f}, {1450, 110, 6, 0.7f, 0.7f},  {130, 250, 8, 0.5f, 0.7f},
    {210, 270, 9, 0.7f, 0.7f},  {450, 290, 12, 0.7f, 0.7f},  {650, 310, 11, 0.7f, 0.7f},
    {690, 340, 10, 0.7f, 0.7f}, {1200, 300, 6, 0.7f, 0.7f},  {1270, 310, 7, 0.7f, 0.7f},
    {650, 430, 2, 0.5f, 0.5f},  {700, 540, 1, 0.6f, 0.7f},   {1050, 500, 6, 0.6f, 0.6f},
    {1140, 530, 7, 0.6f, 0.6f}, {200, 820, 5, 0.6f, 0.5f},   {250, 800, 6, 0.4f, 0.5f},
    {290, 920, 7, 0.6f, 0.7f},  {800, 850, 10, 0.6f, 0.5f},  {890, 930, 6, 0.5f, 0.5f},
    {930, 880, 7, 0.6f, 0.6f},  {1400, 850, 10, 0.5f, 0.5f}, {1480, 820, 11, 0.4f, 0.5f},
    {1550, 880, 7, 0.6f, 0.6f}, {200, 500, 3, 0.7f, 0.6f},   {260, 520, 4, 0.6f, 0.6f},
    {1000, 450, 5, 0.5f, 0.5f},
};

// ------------------------------------------------------------------ unit pictures

// Every figure picture (the fighter, the armies, the allied units and the
// enemies) has 64 frames, four per facing (facing 0 up, clockwise to 7 up-left):
// standing 4 f, walking 4 f + swingFrame (1..3), striking 32 + 4 f + hitFrame
// (0..3). The images hold four frames a row: one facing a row, walking in
// rows 0..7 and striking in rows 8..15.
constexpr int kFacings = 8;
constexpr int kFramesPerFacing = 4;
constexpr int kStrikeFirstFrame = 32;
constexpr int kUnitFrames = 64;
constexpr int StandFrame(int facing) { return kFramesPerFacing * facing; }
constexpr int WalkFrame(int facing, int swingFrame) {
  return kFramesPerFacing * facing + swingFrame;
}
constexpr int StrikeFrame(int facing, int hitFrame) {
  return kStrikeFirstFrame + kFramesPerFacing * facing + hitFrame;
}
// The enemy's picture in the bottom bar's blow report: standing, facing up-right.
constexpr int kEnemyReportFrame = StandFrame(1);

constexpr int16_t kUnitFrameSize = 64;
constexpr int16_t kUnitImageWidth = kUnitFrameSize * kFramesPerFacing;                 // 256
constexpr int16_t kUnitImageHeight = kUnitFrameSize * kUnitFrames / kFramesPerFacing;  // 1024

// figureSheet (10 images, image 0 loaded): the fighter, 32 x 64 frames.
constexpr int kFigureImageCount = 10;
inline constexpr Picture kPlayerFigure = {"Art\\Map\\Dude.bmp", 128, 1024, 32, 64, kKeyBlack,
                                          kUnitFrames};
inline constexpr Picture kHeroFigure = {
    "Art\\Map\\Dude2.bmp", 128, 1024, 32, 64, kKeyBlack, kUnitFrames};
// A hero's figure wins when both bytes are set; nullptr when neither is.
constexpr const Picture* FigureOf(uint8_t fightByPlayer, uint8_t fightHero) {
  return fightHero != 0 ? &kHeroFigure : fightByPlayer != 0 ? &kPlayerFigure : nullptr;
}

// armySheet and armyIconSheet (30 images each, 64 x 64, index = army kind).
constexpr int kArmyImageCount = 30;
constexpr int kArmyKinds = 22;
struct ArmyKindPictures {
  Picture army;  // kNoPicture: the kind has no picture
  Picture icon;  // kNoPicture: the kind has no icon
};
constexpr Picture UnitPicture(const char* path, uint32_t key) {
  return {path, kUnitImageWidth, kUnitImageHeight, kUnitFrameSize, kUnitFrameSize,
          key,  kUnitFrames};
}
constexpr Picture IconPicture(const char* path, uint32_t key) {
  return {path, 64, 64, 64, 64, key, 1};
}
constexpr Picture kNoPicture = {nullptr, 0, 0, 0, 0, kKeyNone, 0};
inline constexpr ArmyKindPictures kArmyKindPictures[kArmyKinds] = {
    {UnitPicture("Art\\Armies\\Peasants1.bmp", kKeyBlack),
     IconPicture("Art\\Controls\\Peasants1.bmp", kKeyBlack)},
    {UnitPicture("Art\\Armies\\Militia1.bmp", kKeyBlack),
     IconPicture("Art\\Controls\\Militia.bmp", kKeyBlack)},
    {UnitPicture("Art\\Armies\\Infantry.bmp", kKeyBlack),
     IconPicture("Art\\Controls\\Infantry.bmp", kKeyBlack)},
    {UnitPicture("Art\\Armies\\GoldenInfantry.bmp", kKeyBlack),
     IconPicture("Art\\Controls\\GoldenInfantry.bmp", kKeyBlack)},
    {UnitPicture("Art\\Armies\\RoyalInfantry.bmp", kKeyBlack),
     IconPicture("Art\\Controls\\RoyalInfantry.bmp", kKeyBlack)},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {UnitPicture("Art\\Armies\\EliteGuards.bmp", kKeyBlack), kNoPicture},
    {UnitPicture("Art\\Armies\\SwordsMen1.bmp", kKeyBlack), kNoPicture},
    {UnitPicture("Art\\Armies\\Warriors1.bmp", kKeyBlack), kNoPicture},
    {UnitPicture("Art\\Armies\\Priests1.bmp", kKeyBlack), kNoPicture},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {kNoPicture, kNoPicture},
    {UnitPicture("Art\\Armies\\Dog.bmp", kKeyRed),
     IconPicture("Art\\Controls\\Dogs.bmp", kKeyBlack)},
    {UnitPicture("Art\\Armies\\Dog2.bmp", kKeyRed),
     IconPicture("Art\\Controls\\Dogs2.bmp", kKeyRed)},
};

// allySheet and allyIconSheet (10 images each, three used).
constexpr int kAllyImageCount = 10;
constexpr int kAllyKinds = 3;
inline constexpr ArmyKindPictures kAllyPictures[kAllyKinds] = {
    {UnitPicture("Art\\Armies\\Ally1.bmp", kKeyBlack),
     IconPicture("Art\\Controls\\Ally1.bmp", kKeyBlack)},
    {UnitPicture("Art\\Armies\\PalaceGuards.bmp", kKeyBlack),
     IconPicture("Art\\Controls\\PalaceGuards.bmp", kKeyBlack)},
    {UnitPicture("Art\\Armies\\CastleGuards.bmp", kKeyBlack),
     IconPicture("Art\\Controls\\CastleGuards.bmp", kKeyBlack)},
};

// enemySheet (11 images, index = enemy picture number).
constexpr int kEnemyPictureCount = 11;
inline constexpr Picture kEnemyPictures[kEnemyPictureCount] = {
    UnitPicture("Art\\Fight\\Enemy1.bmp", kKeyBlack),
    UnitPicture("Art\\Fight\\Enemy2.bmp", kKeyBlack),
    UnitPicture("Art\\Fight\\Enemy3.bmp", kKeyBlack),
    UnitPicture("Art\\Fight\\Enemy4.bmp", kKeyBlack),
    UnitPicture("Art\\Fight\\EnemyDog.bmp", kKeyRed),
    UnitPicture("Art\\Fight\\Enemy5.bmp", kKeyBlack),
    UnitPicture("Art\\Fight\\Enemy6.bmp", kKeyBlack),
    UnitPicture("Art\\Fight\\Enemy7.bmp", kKeyRed),
    UnitPicture("Art\\Fight\\Enemy8.bmp", kKeyBlack),
    UnitPicture("Art\\Fight\\Enemy10.bmp", kKeyRed),
    UnitPicture("Art\\Fight\\Enemy9.bmp", kKeyBlack),
};

// ------------------------------------------------------------------ portraits (128 x 128)

// portraitSheet (1 image): the player's by portrait number, or hero k's
// (1..10, index k - 1); uiSheet image 50 takes the joined hero's.
inline constexpr Picture kPlayerPortraits[2] = {
    {"Art\\Heroes\\You1.bmp", 128, 128, 128, 128, kKeyBlack, 1},
    {"Art\\Heroes\\You2.bmp", 128, 128, 128, 128, kKeyBlack, 1},
};
constexpr int kHeroCount = 10;
inline constexpr Picture kHeroPortraits[kHeroCount] = {
    {"Art\\Heroes\\Heroe1.bmp", 128, 128, 128, 128, kKeyRed, 1},
    {"Art\\Heroes\\Heroe2.bmp", 128, 128, 128, 128, kKeyRed, 1},
    {"Art\\Heroes\\Heroe3.bmp", 128, 128, 128, 128, kKeyBlack, 1},
    {"Art\\Heroes\\Heroe4.bmp", 128, 128, 128, 128, kKeyRed, 1},
    {"Art\\Heroes\\Heroe5.bmp", 128, 128, 128, 128, kKeyRed, 1},
    {"Art\\Heroes\\Heroe6.bmp", 128, 128, 128, 128, kKeyRed, 1},
    {"Art\\Heroes\\Heroe7.bmp", 128, 128, 128, 128, kKeyRed, 1},
    {"Art\\Heroes\\Heroe8.bmp", 128, 128, 128, 128, kKeyRed, 1},
    {"Art\\Heroes\\Heroe9.bmp", 128, 128, 128, 128, kKeyBlack, 1},
    {"Art\\Heroes\\Heroe10.bmp", 128, 128, 128, 128, kKeyBlack, 1},
};

}  // namespace battle_art
