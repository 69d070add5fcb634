// The battle screen's pictures and fonts: every sheet is made the same way
// (a new sheet, its image count, alpha testing on, then one load per image)
// from the picture tables of battle_art.h, and only the pictures the set-up
// asked for are loaded.

#include "battle/battle_art.h"
#include "battle/battle_screen.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

using namespace battle_art;

namespace {

void Load(SpriteSheet* sheet, int index, const Picture& picture) {
  if (!picture.path) return;
  sheet->LoadImage(index, picture.path, picture.frameWidth, picture.frameHeight, picture.key,
                   kTextureFormat);
}

TextFont* NewFont(GraphicsDevice* device, uint32_t height) {
  TextFont* font = new TextFont;
  font->Create(device, "Arial", height, 0, 0, 0, 0);
  font->Begin();
  return font;
}

// A sheet of one image whose alpha testing is switched on after the load.
SpriteSheet* LetterSheet(GraphicsDevice* device, const Picture& picture) {
  SpriteSheet* sheet = new SpriteSheet;
  sheet->Init(device, 1);
  Load(sheet, 0, picture);
  sheet->SetAlphaTest(1);
  return sheet;
}

// The portrait of hero k (1..10); none for any other number.
const Picture* HeroPortrait(uint8_t hero) {
  return hero >= 1 && hero <= kHeroCount ? &kHeroPortraits[hero - 1] : nullptr;
}

}  // namespace

void BattleScreen::LoadArt(GraphicsDevice* device) {
  uiSheet = NewSheet(device, kUiImageCount);
  const bool dark = UsesDarkGrid(battleId);
  for (int i = 0; i < kUiImageCount; ++i) {
    if (i == kUiGridHorizontal && dark) {
      Load(uiSheet, i, kGridHorizontalDark);
    } else if (i == kUiGridVertical && dark) {
      Load(uiSheet, i, kGridVerticalDark);
    } else {
      Load(uiSheet, i, kUiPictures[i]);
    }
  }
  fontMedium = NewFont(device, 22);
  fontLarge = NewFont(device, 30);
  letterSheetRed = LetterSheet(device, kLettersRed);
  letterSheet = LetterSheet(device, kLetters);
}

void BattleScreen::LoadTerrain(GraphicsDevice* device) {
  terrainSheet = NewSheet(device, kTerrainImageCount);
  for (int i = 0; i < kTerrainLoaded; ++i) Load(terrainSheet, i, kTerrainPictures[i]);
}

void BattleScreen::LoadPortrait(GraphicsDevice* device) {
  portraitSheet = NewSheet(device, 1);
  if (fightHero != 0) {
    if (const Picture* picture = HeroPortrait(fightHero)) Load(portraitSheet, 0, *picture);
  } else if (fightByPlayer) {
    Load(portraitSheet, 0, kPlayerPortraits[playerPortrait == 1 ? 1 : 0]);
  }
}

void BattleScreen::LoadFigure(GraphicsDevice* device) {
  figureSheet = NewSheet(device, kFigureImageCount);
  if (const Picture* picture = FigureOf(fightByPlayer, fightHero)) Load(figureSheet, 0, *picture);
}

void BattleScreen::LoadArmyPictures(GraphicsDevice* device) {
  // Kinds beyond the table (a damaged record) have no pictures: they are
  // neither marked nor loaded, and drawing them draws nothing.
  for (int s = 0; s < battle::kArmySlots; ++s) {
    if (armyUsed[s] && armyKind[s] < battle::kArmyKinds) armyKindUsed[armyKind[s]] = 1;
  }
  armySheet = NewSheet(device, kArmyImageCount);
  armyIconSheet = NewSheet(device, kArmyImageCount);
  allySheet = NewSheet(device, kAllyImageCount);
  allyIconSheet = NewSheet(device, kAllyImageCount);
  for (int kind = 0; kind < kArmyKinds; ++kind) {
    if (!armyKindUsed[kind]) continue;
    Load(armySheet, kind, kArmyKindPictures[kind].army);
    Load(armyIconSheet, kind, kArmyKindPictures[kind].icon);
  }
  for (int k = 0; k < kAllyKinds; ++k) {
    if (!allyPictureUsed[k]) continue;
    Load(allySheet, k, kAllyPictures[k].army);
    Load(allyIconSheet, k, kAllyPictures[k].icon);
  }
}

void BattleScreen::LoadEnemyPictures(GraphicsDevice* device) {
  enemySheet = NewSheet(device, kEnemyPictureCount);
  for (int p = 0; p < kEnemyPictureCount; ++p) {
    if (enemyPictureUsed[p]) Load(enemySheet, p, kEnemyPictures[p]);
  }
}

void BattleScreen::LoadJoinedHeroPortrait(GraphicsDevice* device) {
  if (!uiSheet) return;
  if (const Picture* picture = HeroPortrait(joinedHero)) Load(uiSheet, kUiJoinedHero, *picture);
}

void BattleScreen::ReleasePictures() {
  DeleteSheet(uiSheet);
  DeleteSheet(portraitSheet);
  DeleteSheet(terrainSheet);
  DeleteSheet(figureSheet);
  DeleteSheet(armySheet);
  DeleteSheet(armyIconSheet);
  DeleteSheet(allySheet);
  DeleteSheet(allyIconSheet);
  DeleteSheet(enemySheet);
  DeleteFont(fontMedium);
  DeleteFont(fontLarge);
  DeleteSheet(letterSheetRed);
  DeleteSheet(letterSheet);
}
