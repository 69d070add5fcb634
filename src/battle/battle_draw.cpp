// The battlefield under the scrolled view: the rim around the field, the
// terrain backdrop of the battle, the optional grid, and everything standing
// on the field with its soldier counts, the selection rings, the planned path
// and its markers, and the hit effects of a blow. Also the small drawing
// pieces the panels and the bottom bar share: pictures, names, digits and
// texts.

#include "battle/battle_art.h"
#include "battle/battle_layout.h"
#include "battle/battle_screen.h"
#include "battle/battle_texts.h"
#include "platform/number_text.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

using namespace battle;
using namespace battle_art;

namespace {

constexpr uint32_t kUntinted = 0xFFFFFFFFu;
constexpr int32_t kScreenW = 800, kScreenH = 600;

// Whether a w x h picture at screen (x, y) reaches into the screen.
bool OnScreen(float x, float y, float w, float h) {
  return x + w > 0 && y + h > 0 && x < kScreenW && y < kScreenH;
}

// Soldier counts under a unit (image kUiCountDigits, scale 0.5, at y + 67).
constexpr DigitPlaces kCountPlaces2 = {28, 32, 19, 38, 23, 10, 2};
constexpr DigitPlaces kCountPlaces3 = {28, 32, 19, 38, 23, 10, 3};
// The fighter's health under the figure, by the way it faces.
constexpr DigitPlaces kHealthPlacesLeft = {31, 37, 24, 45, 32, 19, 3};
constexpr DigitPlaces kHealthPlacesRight = {27, 33, 20, 41, 28, 15, 3};
constexpr int32_t kCountDy = 67;

// The frame of a unit picture: standing, walking or striking.
int UnitFrame(uint8_t facing, bool walking, bool striking, uint8_t swingFrame, uint8_t hitFrame) {
  const int f = facing & 7;
  if (striking) return StrikeFrame(f, hitFrame);
  if (walking) return WalkFrame(f, swingFrame);
  return StandFrame(f);
}

}  // namespace

// ------------------------------------------------------------------ shared pieces

void BattleScreen::DrawPicture(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y,
                               float scaleX, float scaleY) {
  if (sheet) sheet->Draw(image, frame, x, y, kUntinted, scaleX, scaleY);
}

void BattleScreen::DrawField(SpriteSheet* sheet, int image, int frame, int32_t x, int32_t y,
                             float scaleX, float scaleY) {
  DrawPicture(sheet, image, frame, x - viewX, y - viewY, scaleX, scaleY);
}

void BattleScreen::DrawPanelBack(int32_t x, int32_t y, float scaleX, float scaleY) {
  DrawPicture(uiSheet, kUiPanelBack, 0, x, y, scaleX, scaleY);
}

void BattleScreen::DrawName(const uint8_t* name, int32_t x, int32_t y, float scaleX, float scaleY) {
  for (int j = 0; j < kGlyphNameLength; ++j) {
    const uint8_t c = name[j];
    const int32_t cx = x + 14 * j;
    if (c == 1) continue;
    if (c < kLetterRedFirstCode) {
      DrawPicture(letterSheet, 0, c, cx, y, scaleX, scaleY);
      continue;
    }
    DrawPicture(letterSheetRed, 0, c - kLetterRedFirstCode, cx, y, scaleX, scaleY);
    if (c >= kLetterDigitFirstCode) {
      DrawPicture(uiSheet, kUiNameDigits, c - kLetterDigitFirstCode, cx, y, scaleX, scaleY);
    }
  }
}

void BattleScreen::DrawDigits(SpriteSheet* sheet, int image, int32_t value, int32_t y, float scaleX,
                              float scaleY, const DigitPlaces& places, int32_t dx) {
  if (value < 0) value = 0;
  if (value < 10) {
    DrawPicture(sheet, image, value, dx + places.one, y, scaleX, scaleY);
  } else if (value < 100) {
    DrawPicture(sheet, image, value % 10, dx + places.twoOnes, y, scaleX, scaleY);
    DrawPicture(sheet, image, value / 10, dx + places.twoTens, y, scaleX, scaleY);
  } else if (places.maxDigits >= 3) {
    DrawPicture(sheet, image, value % 10, dx + places.threeOnes, y, scaleX, scaleY);
    DrawPicture(sheet, image, value / 10 % 10, dx + places.threeTens, y, scaleX, scaleY);
    DrawPicture(sheet, image, value / 100 % 10, dx + places.threeHundreds, y, scaleX, scaleY);
  }
}

void BattleScreen::DrawLine(TextFont* font, const char* text, int32_t x, int32_t y, int32_t w,
                            int32_t h, uint32_t colour) {
  if (font) font->DrawText(text, x, y, w, h, colour, kTextFormatTopLeft);
}

void BattleScreen::DrawLine(TextFont* font, const battle_texts::TextLine& line) {
  DrawLine(font, line.text, line.x, line.y, line.w, line.h, line.colour);
}

void BattleScreen::DrawNumber(TextFont* font, int32_t value, int32_t x, int32_t y, int32_t w,
                              int32_t h, uint32_t colour) {
  char text[16];
  PrintNumber(text, sizeof text, value);
  DrawLine(font, text, x, y, w, h, colour);
}

// ------------------------------------------------------------------ the rim, backdrops and grid

void BattleScreen::DrawBorder() {
  constexpr int32_t kRim = -26, kRight = kFieldWidth, kBottomRows = 5, kRowStep = 26;
  const auto piece = [this](int frame, int32_t x, int32_t y, float sx, float sy) {
    if (OnScreen(float(x - viewX), float(y - viewY), 32 * sx, 32 * sy))
      DrawField(uiSheet, kUiBorder, frame, x, y, sx, sy);
  };
  piece(kBorderCorner, kRim, kRim, 0.8f, 0.8f);
  piece(kBorderCorner, kRight, kRim, 0.8f, 0.8f);
  for (int r = 0; r < kBottomRows; ++r) {
    piece(kBorderCorner, kRim, kFieldHeight + kRowStep * r, 0.8f, 0.8f);
    piece(kBorderCorner, kRight, kFieldHeight + kRowStep * r, 0.8f, 0.8f);
  }
  for (int32_t x = 0; x < kFieldWidth; x += 40) {
    piece(kBorderHorizontal, x, kRim, 1.25f, 0.8f);
    for (int r = 0; r < kBottomRows; ++r)
      piece(kBorderHorizontal, x, kFieldHeight + kRowStep * r, 1.25f, 0.8f);
  }
  for (int32_t y = 0; y < kFieldHeight; y += 40) {
    piece(kBorderVertical, kRim, y, 0.8f, 1.25f);
    piece(kBorderVertical, kRight, y, 0.8f, 1.25f);
  }
}

void BattleScreen::DrawBackdrop(int image) {
  if (backdropDrawn || BackdropOf(battleId) != image) return;
  backdropDrawn = 1;
  constexpr float kScale = float(kBackdropTileSize) / 128.0f;
  // Scaled once, then its tiles are copied row by row.
  if (terrainSheet) terrainSheet->KeepScaled(image, 0, kScale, kScale);
  for (int j = 0; j < kBackdropRows; ++j) {
    for (int i = 0; i < kBackdropColumns; ++i) {
      const int32_t x = kBackdropTileSize * i, y = kBackdropTileSize * j;
      if (!OnScreen(float(x - viewX), float(y - viewY), kBackdropTileSize, kBackdropTileSize))
        continue;
      DrawField(terrainSheet, image, 0, x, y, kScale, kScale);
      if (image != kTerrainPlains) continue;
      for (const Decoration& d : kPlainsDecorations) {
        if (d.x / kBackdropTileSize == i && d.y / kBackdropTileSize == j) {
          DrawField(terrainSheet, kTerrainExtras1, d.frame, d.x, d.y, d.scaleX, d.scaleY);
        }
      }
    }
  }
}

void BattleScreen::DrawBackdropBlackZima() { DrawBackdrop(kTerrainBlackZima); }
void BattleScreen::DrawBackdropGrey() { DrawBackdrop(kTerrainGrey); }
void BattleScreen::DrawBackdropDesert() { DrawBackdrop(kTerrainDesert); }
void BattleScreen::DrawBackdropGrass() { DrawBackdrop(kTerrainGrass); }
void BattleScreen::DrawBackdropBrown() { DrawBackdrop(kTerrainBrown); }
void BattleScreen::DrawBackdropPlains() { DrawBackdrop(kTerrainPlains); }

void BattleScreen::DrawGrid() {
  constexpr int32_t kPiece = 400;
  for (int32_t by = 0; by < kFieldHeight; by += kPiece) {
    for (int32_t bx = 0; bx < kFieldWidth; bx += kPiece) {
      if (!OnScreen(float(bx - viewX), float(by - viewY), kPiece, kPiece)) continue;
      // The inner lines only: none on the field's outer edge.
      for (int32_t y = by; y < by + kPiece; y += kCellSize) {
        if (y > 0) DrawField(uiSheet, kUiGridHorizontal, 0, bx, y, 25.0f, 1.0f);
      }
      for (int32_t x = bx; x < bx + kPiece; x += kCellSize) {
        if (x > 0) DrawField(uiSheet, kUiGridVertical, 0, x, by, 1.0f, 25.0f);
      }
    }
  }
}

// ------------------------------------------------------------------ units

void BattleScreen::DrawCount(int32_t count, int32_t x, int32_t y, bool threeDigits) {
  DrawDigits(uiSheet, kUiCountDigits, count, y + kCountDy - viewY, 0.5f, 0.5f,
             threeDigits ? kCountPlaces3 : kCountPlaces2, x - viewX);
}

void BattleScreen::DrawHitEffect(int32_t x, int32_t y, bool allDown, bool someDown,
                                 int32_t allDownDx) {
  if (allDown) {
    DrawField(uiSheet, kUiAllDown, swingFrame, x + allDownDx, y + 20, 0.7f, 0.8f);
  } else {
    DrawField(uiSheet, kUiHurt, swingFrame, x + 23, y + 28, 0.43f, 0.43f);
    if (someDown) DrawField(uiSheet, kUiSomeDown, swingFrame, x + 19, y + 25, 0.55f, 0.55f);
  }
}

void BattleScreen::DrawUnits() {
  // Allied units.
  for (int u = 0; u < kAllySlots; ++u) {
    if (!allyPresent[u]) continue;
    const bool acting = u == actingAlly;
    const bool walking = acting && !allyStriking && allyWalking;
    const bool striking = acting && allyStriking && !allyWalking;
    DrawField(allySheet, allyPicture[u],
              UnitFrame(allyFacing[u], walking, striking, swingFrame, hitFrame), allyX[u] + 8,
              allyY[u] + 8, 0.9f, 0.9f);
    DrawCount(allyCount[u], allyX[u], allyY[u], false);
  }
  // Enemy armies.
  for (int e = 0; e < kEnemySlots; ++e) {
    if (!enemyAlive[e]) continue;
    const bool acting = e == actingEnemy;
    const bool walking = acting && !enemyStriking && enemyWalking;
    const bool striking = acting && enemyStriking && !enemyWalking;
    DrawField(enemySheet, enemyPicture[e],
              UnitFrame(enemyFacing[e], walking, striking, swingFrame, hitFrame), enemyX[e] + 8,
              enemyY[e] + 8, 0.9f, 0.9f);
    DrawCount(enemySoldiers[e], enemyX[e], enemyY[e], true);
  }
  // Selection rings.
  if (figureSelected) DrawField(uiSheet, kUiSelected, 0, figureX + 6, figureY + 6, 2.1f, 2.2f);
  if (armySelected >= 1 && armySelected <= kArmySlots) {
    DrawField(uiSheet, kUiSelected, 0, armyX[armySelected - 1] + 6, armyY[armySelected - 1] + 6,
              2.1f, 2.1f);
  }
  // The fighter.
  if (figureHealth != 0) {
    const bool strikes = hitMarks[kHitMarkFighter] != 0;
    const bool striking = strikes && selectState == kSelectNone;
    const bool walking = !strikes && selectState >= kSelectConfirmed;
    DrawField(figureSheet, 0, UnitFrame(figureFacing, walking, striking, swingFrame, hitFrame),
              figureX + 22, figureY + 8, 0.9f, 0.9f);
    const bool facingLeft = figureFacing >= kFacingDownLeft && figureFacing <= kFacingUpLeft;
    DrawDigits(uiSheet, kUiHealthDigits, figureHealth, figureY + kCountDy - viewY, 0.5f, 0.5f,
               facingLeft ? kHealthPlacesLeft : kHealthPlacesRight, figureX - viewX);
  }
  // The armies.
  for (int k = 0; k < kArmySlots; ++k) {
    if (!armyUsed[k]) continue;
    const bool strikes = hitMarks[kHitMarkArmy] != 0;
    const bool walking = !strikes && armyWalkState == k + kArmyWalkBase;
    const bool striking = strikes && strikingArmy == k + 1 && armyWalkState == 0;
    DrawField(armySheet, armyKind[k],
              UnitFrame(armyFacing[k], walking, striking, swingFrame, hitFrame), armyX[k] + 8,
              armyY[k] + 8, 0.9f, 0.9f);
    DrawCount(armyCount[k], armyX[k], armyY[k], false);
  }
  DrawPathAndMarkers();
  KeepHitMarks();
  DrawHitEffects();
}

void BattleScreen::DrawPathAndMarkers() {
  if (pathShown) {
    for (int k = 0; k < kPathSlots; ++k) {
      if (!pathMarked[k]) continue;
      const int frame = pathX[k] == targetX && pathY[k] == targetY ? kDotTarget : kDotWaypoint;
      DrawField(uiSheet, kUiDot, frame, pathX[k] + 20, pathY[k] + 20, 1.25f, 1.25f);
    }
  }
  pathExhausted = 0;
  if (figureSelected && figureMovesPlanned == 0) pathExhausted = 1;
  if (armySelected >= 1 && armySelected <= kArmySlots && armyMovesPlanned[armySelected - 1] == 0) {
    pathExhausted = 1;
  }
  if (attackPending) {
    DrawField(uiSheet, attackAtArrival ? kUiBattle : kUiBlocked, 0, attackEnemyX + 20,
              attackEnemyY + 20, 1.25f, 1.25f);
  }
  if (markerShown && !pathExhausted)
    DrawField(uiSheet, kUiBlocked2, 0, markerX + 20, markerY + 20, 1.25f, 1.25f);
}

void BattleScreen::KeepHitMarks() {
  // A blow of the player's side is kept in a copy and holds the pause.
  for (int mark : {kHitMarkFighter, kHitMarkArmy}) {
    if (!hitMarks[mark]) continue;
    hitMarks[mark + 1] = hitMarks[mark];
    pauseActive = kPauseRunning;
    pauseTimerState = kTimerStamp;
  }
  if (!hitMarks[kHitMarkFighter] && !hitMarks[kHitMarkArmy] && !allyStriking &&
      shownEnemy != targetEnemy) {
    hitMarks[kHitMarkFighterCopy] = hitMarks[kHitMarkArmyCopy] = 0;
  }
  if (shownEnemyRequest) {
    shownEnemyRequest = 0;
    shownEnemy = targetEnemy;
  }
}

void BattleScreen::DrawHitEffects() {
  // A blow on an enemy, by the player's side or an allied unit.
  const bool enemyStruck =
      hitMarks[kHitMarkFighterCopy] || hitMarks[kHitMarkArmyCopy] || allyStriking;
  if (enemyStruck && shownEnemy < kEnemySlots) {
    const BlowReport r = EnemyReport();
    DrawHitEffect(enemyX[shownEnemy], enemyY[shownEnemy], r.allDown, r.oneDown || r.severalDown,
                  25);
  }
  // An enemy's blow, on what it struck.
  if (!enemyStriking) return;
  if (enemyTarget == kEnemyTargetFighter) {
    DrawHitEffect(figureX, figureY, figureHealth == 0, false, 29);
  } else if (enemyTarget < kEnemyTargetAllyBase) {
    const int k = enemyTarget - kEnemyTargetArmyBase;
    const BlowReport r = ArmyReport();
    DrawHitEffect(armyX[k], armyY[k], r.allDown, r.oneDown || r.severalDown, 25);
  } else if (enemyTarget - kEnemyTargetAllyBase < kAllySlots) {
    const int u = enemyTarget - kEnemyTargetAllyBase;
    const BlowReport r = AllyReport();
    DrawHitEffect(allyX[u], allyY[u], r.allDown, r.oneDown || r.severalDown, 25);
  }
}
