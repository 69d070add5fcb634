// MapEncounters: construction, pictures, sounds and the cell tables.

#include "map/map_encounters.h"

#include <cstddef>
#include <cstdio>

#include "game/cell_geometry.h"
#include "platform/graphics_device.h"
#include "platform/music.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

namespace {

constexpr uint32_t kNoKey = 0;
constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kGreen = 0xFF00FF00u;

struct SheetImage {
  int32_t index;
  const char* path;
  int16_t frameWidth, frameHeight;
  uint32_t key;
};

const SheetImage kObjectImages[] = {
    {0, "Art\\Map\\Dude.bmp", 32, 64, kBlack},
    {1, "Art\\Map\\Selected.bmp", 32, 32, kBlack},
    {2, "Art\\Map\\Dot.bmp", 32, 32, kBlack},
    {3, "Art\\Map\\Gold.bmp", 64, 64, kBlack},
    {4, "Art\\Map\\Bag.bmp", 64, 64, kBlack},
    {5, "Art\\Map\\Chest.bmp", 64, 64, kBlack},
    {6, "Art\\Map\\Dude2.bmp", 32, 64, kBlack},
    {7, "Art\\Map\\Back.bmp", 64, 64, kNoKey},
    {8, "Art\\Wealth\\Numbers1.bmp", 32, 32, kBlack},
    {9, "Art\\Heroes\\Prison.bmp", 32, 32, kRed},
    {10, "Art\\Controls\\Button4.bmp", 64, 64, kNoKey},
    {11, "Art\\Controls\\Walk.bmp", 32, 32, kBlack},
    {13, "Art\\You\\Attack.bmp", 32, 32, kBlack},
    {14, "Art\\Controls\\Inspect.bmp", 32, 32, kBlack},
    {15, "Art\\Controls\\Write2.bmp", 64, 32, kBlack},
    {16, "Art\\Controls\\Write3.bmp", 64, 32, kBlack},
    {17, "Art\\Controls\\Write4.bmp", 64, 32, kBlack},
    {18, "Art\\Controls\\Write5.bmp", 64, 32, kBlack},
    {19, "Art\\Controls\\Button5.bmp", 64, 64, kNoKey},
    {20, "Art\\Controls\\Portrait2.bmp", 64, 64, kGreen},
    {21, "Art\\Controls\\H1.bmp", 64, 64, kNoKey},
    {22, "Art\\Controls\\Back.bmp", 64, 32, kNoKey},
    {23, "Art\\Fight\\Blocked.bmp", 32, 32, kNoKey},
    {24, "Art\\Fight\\Battle.bmp", 32, 32, kNoKey},
    {25, "Art\\Fight\\Blocked2.bmp", 32, 32, kNoKey},
    {26, "Art\\Controls\\Trade2.bmp", 32, 32, kBlack},
    {27, "Art\\Controls\\Center.bmp", 32, 32, kBlack},
    {28, "Art\\Controls\\Write8.bmp", 64, 32, kBlack},
    {29, "Art\\Controls\\Next.bmp", 32, 32, kBlack},
    {30, "Art\\Controls\\Write9.bmp", 64, 32, kBlack},
    {31, "Art\\Controls\\Back7.bmp", 32, 32, kNoKey},
    {32, "Art\\Controls\\DayAndGold.bmp", 64, 32, kBlack},
    {33, "Art\\Controls\\Fame.bmp", 64, 32, kBlack},
    {34, "Art\\Controls\\Mouse.bmp", 32, 64, kRed},
    {35, "Art\\Map\\Box.bmp", 256, 128, kNoKey},
    {36, "Art\\Controls\\Box.bmp", 128, 64, kNoKey},
};

const SheetImage kArmyImages[] = {
    {0, "Art\\Controls\\Peasants1.bmp", 64, 64, kBlack},
    {1, "Art\\Controls\\Militia.bmp", 64, 64, kBlack},
    {2, "Art\\Controls\\Infantry.bmp", 64, 64, kBlack},
    {3, "Art\\Controls\\GoldenInfantry.bmp", 64, 64, kBlack},
    {4, "Art\\Controls\\RoyalInfantry.bmp", 64, 64, kBlack},
    {20, "Art\\Controls\\Dogs.bmp", 64, 64, kBlack},
    {21, "Art\\Controls\\Dogs2.bmp", 64, 64, kRed},
};

const SheetImage kEnemyImages[] = {
    {0, "Art\\Map\\Enemy1.bmp", 64, 64, kBlack}, {1, "Art\\Map\\Enemy2.bmp", 64, 64, kBlack},
    {2, "Art\\Map\\EnemyDog.bmp", 64, 64, kRed}, {3, "Art\\Map\\Enemy3.bmp", 64, 64, kBlack},
    {4, "Art\\Map\\Enemy4.bmp", 64, 64, kBlack}, {5, "Art\\Map\\Enemy5.bmp", 64, 64, kBlack},
    {6, "Art\\Map\\Enemy6.bmp", 64, 64, kBlack}, {7, "Art\\Map\\Enemy7.bmp", 64, 64, kBlack},
    {8, "Art\\Map\\Enemy8.bmp", 64, 64, kBlack},
};

// The item numbers whose pictures a find can show.
const uint8_t kFindItemNumbers[] = {1,   2,   35,  36,  37,  39,  45,  48,  49,  56,  57,
                                    61,  64,  65,  66,  68,  75,  80,  81,  84,  103, 105,
                                    112, 113, 115, 122, 153, 220, 222, 223, 235, 240, 242};

template <std::size_t N>
SpriteSheet* MakeSheet(GraphicsDevice* device, int32_t count, const SheetImage (&images)[N]) {
  SpriteSheet* sheet = NewSheet(device, count);
  for (const SheetImage& image : images)
    sheet->LoadImage(image.index, image.path, image.frameWidth, image.frameHeight, image.key,
                     kFormatA1R5G5B5);
  return sheet;
}

}  // namespace

MapEncounters::MapEncounters() {
  walkClockState = 1;
  chestClockState = 1;
  day = 1;
  playerStepLimit = 7;
  playerStepsLeft = 7;
  for (int k = 0; k < 10; ++k) {
    heroStepLimit[k] = 7;
    heroStepsLeft[k] = 7;
  }
  for (uint8_t& steps : enemyStepsLeft) steps = 4;
}

MapEncounters::~MapEncounters() { ReleaseArt(); }

void MapEncounters::LoadArt(GraphicsDevice* device) {
  ReleaseArt();  // a second load replaces the first
  objectSheet = MakeSheet(device, 40, kObjectImages);
  armySheet = MakeSheet(device, 30, kArmyImages);
  enemySheet = MakeSheet(device, 10, kEnemyImages);
  messageFont = new TextFont();
  messageFont->Create(device, "Arial", 22, 0, 0, 0, 0);
  messageFont->Begin();
}

void MapEncounters::LoadFindArt(GraphicsDevice* device) {
  DeleteSheet(itemPicture);
  itemPicture = NewSheet(device, 1);
  DeleteSheet(gemPicture);
  gemPicture = NewSheet(device, 1);
  DeleteSheet(artifactPicture);
  artifactPicture = NewSheet(device, 1);

  char path[64];
  if (itemFound) {
    for (uint8_t n : kFindItemNumbers) {
      if (n != foundItem) continue;
      std::snprintf(path, sizeof path, "Art\\Items\\Item%d.bmp", n + 1);
      itemPicture->LoadImage(0, path, 64, 64, kRed, kFormatA1R5G5B5);
      break;
    }
  }
  if (gemFound && foundGem < 30) {
    std::snprintf(path, sizeof path, "Art\\Wealth\\Gem%d.bmp", foundGem + 1);
    gemPicture->LoadImage(0, path, 32, 32, foundGem == 1 ? kRed : kBlack, kFormatA1R5G5B5);
  }
  if (artifactFound && foundArtifact < 15) {
    std::snprintf(path, sizeof path, "Art\\Wealth\\Artifact%d.bmp", foundArtifact + 1);
    artifactPicture->LoadImage(0, path, 32, 64, kBlack, kFormatA1R5G5B5);
  }
}

void MapEncounters::ReleaseArt() {
  DeleteSheet(objectSheet);
  DeleteSheet(armySheet);
  DeleteSheet(enemySheet);
  DeleteSheet(gemPicture);
  DeleteSheet(artifactPicture);
  DeleteSheet(itemPicture);
  DeleteFont(messageFont);
}

void MapEncounters::PlayPendingSounds(SoundChannel* sound, uint8_t soundsOn) {
  if (soundsOn && sound) {
    if (keySoundPending) sound->Play("Data\\Key.wav", 90, 1);
    if (coinSoundPending) sound->Play("Data\\Coin.wav", 84, 1);
  }
  keySoundPending = 0;
  coinSoundPending = 0;
}

uint8_t MapEncounters::CodeAt(uint32_t cell) const {
  if (cell < 1 || cell > cells::kCellCount) return 0;
  return cellCode[cell - 1];
}

void MapEncounters::SetCode(uint32_t cell, uint8_t code) {
  if (cell < 1 || cell > cells::kCellCount) return;
  cellCode[cell - 1] = code;
}

uint32_t MapEncounters::MetCodeOf(uint32_t cell) const {
  // Searched in this order; a later match overwrites an earlier one.
  uint32_t code = 0;
  for (uint32_t i = 0; i < 20; ++i)
    if (goldPilePresent[i] && goldPileCell[i] == cell) code = 12 + i;
  for (uint32_t i = 0; i < 20; ++i)
    if (bagPresent[i] && bagCell[i] == cell) code = 32 + i;
  for (uint32_t i = 0; i < 50; ++i)
    if (chestPresent[i] && chestCell[i] == cell) code = 52 + i;
  for (uint32_t i = 0; i < 50; ++i)
    if (enemyPresent[i] && enemyCell[i] == cell) code = 102 + i;
  for (uint32_t i = 0; i < 53; ++i)
    if (townCell[i] == cell) code = 152 + i;
  for (uint32_t i = 0; i < 27; ++i)
    if (villageCell[i] == cell) code = 205 + i;
  for (uint32_t i = 0; i < 6; ++i)
    if (palaceCell[i] == cell) code = 302 + i;
  for (uint32_t i = 0; i < 6; ++i)
    if (templeCell[i] == cell) code = 312 + i;
  for (uint32_t i = 0; i < 22; ++i)
    if (castleCell[i] == cell) code = 322 + i;
  if (towerCell == cell && placeStates[10] == 0) code = 344;
  for (uint32_t i = 0; i < 100; ++i)
    if (specialCell[i] == cell) code = 345 + i;
  // Quest spots: entries 0 and 1 share 1000, 8 and 9 share 1007, 27 and 28
  // share 1025; the others count up by one.
  for (uint32_t i = 0; i < 33; ++i) {
    if (questCell[i] != cell) continue;
    uint32_t q = i;
    if (i >= 1) q -= 1;
    if (i >= 9) q -= 1;
    if (i >= 28) q -= 1;
    code = 1000 + q;
  }
  for (uint32_t i = 50; i < 100; ++i)
    if (enemyPresent[i] && enemyCell[i] == cell) code = 2000 + (i - 50);
  return code;
}

int MapEncounters::LookIndex(int buttonId) {
  switch (buttonId) {
    case 5: return 0;  // Center
    case 1: return 1;  // Walk
    case 2: return 2;  // Trade
    case 3: return 3;  // Attack
    case 4: return 4;  // Inspect
    case 6: return 5;  // Next
    default: return -1;
  }
}
