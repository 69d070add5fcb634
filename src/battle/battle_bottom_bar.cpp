// The bottom bar of the battle: the selected unit (the fighter or one of the
// six armies) with its name, moves left, values and the hint that Enter moves
// it; or the report of the last blow on an enemy army, the fighter, an army or
// an allied unit. A later report draws over an earlier one.

#include "battle/battle_art.h"
#include "battle/battle_layout.h"
#include "battle/battle_screen.h"
#include "battle/battle_texts.h"
#include "platform/sprite_sheet.h"

using namespace battle;
using namespace battle_art;
using namespace battle_texts;

namespace {

constexpr int32_t kNameX = 10, kNameY = 496;
constexpr int32_t kValueY = 565;

// The three values of the bar: caption picture and place, digits picture and
// the places of the digits.
struct ValueLayout {
  int caption;
  int32_t captionX, captionY;
  float captionScaleX, captionScaleY;
  int digits;
  DigitPlaces places;
};
constexpr ValueLayout kHealthValue = {
    kUiHealthCaption, 224, 532, 1.0f, 0.9f, kUiHealthDigits, {256, 265, 248, 274, 257, 240, 3}};
constexpr ValueLayout kAttackValue = {
    kUiAttackCaption, 326, 529, 0.9f, 0.9f, kUiAttackDigits, {356, 365, 348, 374, 357, 340, 3}};
constexpr ValueLayout kShieldValue = {
    kUiShieldCaption, 426, 529, 0.9f, 0.9f, kUiMovesDigits, {471, 480, 463, 489, 472, 455, 3}};

constexpr DigitPlaces kKilledPlaces = {166, 175, 158, 0, 0, 0, 2};
constexpr DigitPlaces kAlivePlaces = {256, 265, 248, 0, 0, 0, 2};
constexpr DigitPlaces kWoundPlaces = {591, 600, 583, 0, 0, 0, 2};
constexpr DigitPlaces kDownCountPlaces = {600, 600, 585, 0, 0, 0, 2};
// The damage of a blow: on an enemy and on the fighter, and on an army or an
// allied unit.
constexpr DigitPlaces kEnemyDamagePlaces = {245, 256, 239, 263, 247, 231, 3};
constexpr DigitPlaces kUnitDamagePlaces = {145, 156, 139, 163, 147, 131, 3};
constexpr int32_t kDamageY = 545;
constexpr int32_t kWoundsY = 550;

}  // namespace

void BattleScreen::DrawBarBackground(bool nameStrip) {
  DrawPicture(uiSheet, kUiPanelBack, 0, 0, 527, 12.5f, 1.25f);
  if (nameStrip) DrawPicture(uiSheet, kUiNameStrip, 0, 0, 492, 12.5f, 1.1f);
}

void BattleScreen::DrawMoveHint(uint8_t moves) {
  if (moves == 0) {
    DrawPicture(uiSheet, kUiDone, 0, 350, 496, 1.1f, 0.9f);
  } else if (enterHintHovered) {
    DrawPicture(uiSheet, kUiEnterToMove, 0, 330, 500, 0.9f, 0.9f);
  } else {
    DrawPicture(uiSheet, kUiMoveArrow, 0, 350, 500, 0.9f, 0.9f);
  }
}

void BattleScreen::DrawMovesLeft(uint8_t moves) {
  DrawPicture(uiSheet, kUiMovesBox, 0, 78, 537, 1.3125f, 1.8f);
  DrawPicture(uiSheet, kUiMovesDigits, moves, 90, 557, 0.6f, 0.8f);
}

void BattleScreen::DrawBarValue(int which, int32_t value) {
  const ValueLayout& v = which == 0 ? kHealthValue : which == 1 ? kAttackValue : kShieldValue;
  DrawPicture(uiSheet, v.caption, 0, v.captionX, v.captionY, v.captionScaleX, v.captionScaleY);
  DrawDigits(uiSheet, v.digits, value, kValueY, 0.5f, 0.7f, v.places, 0);
}

void BattleScreen::DrawSelectionBar() {
  if (figureSelected) {
    DrawBarBackground(true);
    DrawMoveHint(figureMoves);
    DrawPicture(portraitSheet, 0, 0, 4, 536, 0.5f, 0.5f);
    DrawName(fighterName, kNameX, kNameY, 0.875f, 1.0f);
    DrawMovesLeft(figureMoves);
    DrawBarValue(0, figureHealth);
    DrawBarValue(1, figureAttack);
    DrawBarValue(2, figureShield);
  }
  if (armySelected && armySlot < kArmySlots) {
    const int s = armySlot;
    DrawBarBackground(false);
    DrawPicture(armyIconSheet, armyKind[s], 0, 10, 535, 0.9f, 0.9f);
    DrawMovesLeft(armyMoves[s]);
    DrawPicture(uiSheet, kUiNameStrip, 0, 0, 492, 12.5f, 1.1f);
    DrawMoveHint(armyMoves[s]);
    DrawName(armyName[s], kNameX, kNameY, 0.875f, 1.0f);
    if (armyKilled[s] != 0) {
      DrawPicture(uiSheet, kUiDown, 0, 145, 531, 1.0f, 1.0f);
      DrawDigits(uiSheet, kUiDownDigits, armyKilled[s], kValueY, 0.5f, 0.7f, kKilledPlaces, 0);
    }
    DrawPicture(uiSheet, kUiAlive, 0, 235, 531, 1.0f, 1.0f);
    DrawDigits(uiSheet, kUiCountDigits, armyCount[s], kValueY, 0.5f, 0.7f, kAlivePlaces, 0);
    DrawBarValue(1, static_cast<int32_t>(armyAttack[s]));
    DrawBarValue(2, static_cast<int32_t>(armyShield[s]));
    const uint8_t wounds[3] = {armyWounds1[s], armyWounds2[s], armyWounds3[s]};
    const int captions[3] = {kUiLight, kUiSerious, kUiCritical};
    for (int w = 0; w < 3; ++w) {
      DrawPicture(uiSheet, captions[w], 0, 620, 525 + 25 * w, 0.9f, 0.9f);
      DrawDigits(uiSheet, kUiHealthDigits, wounds[w], 530 + 25 * w, 0.5f, 0.5f, kWoundPlaces, 0);
    }
  }
}

void BattleScreen::DrawBlowOutcome(const BlowReport& r) {
  if (r.light) {
    DrawPicture(uiSheet, kUiLight, 0, 530, kWoundsY, 1.0f, 1.0f);
    DrawPicture(uiSheet, kUiWounds, 0, 610, kWoundsY, 1.0f, 1.0f);
  }
  if (r.serious || r.critical) {
    DrawPicture(uiSheet, r.critical ? kUiCritical : kUiSerious, 0, 530, kWoundsY, 1.0f, 1.0f);
    DrawPicture(uiSheet, kUiWounds, 0, 636, kWoundsY, 1.0f, 1.0f);
  }
  if (r.oneDown) {
    DrawPicture(uiSheet, kUiReportDigits, 1, 600, 545, 1.0f, 1.1f);
    DrawLine(fontMedium, kGoes, 640, 536, kDownWordW, kDownWordH, kReportColour);
    DrawPicture(uiSheet, kUiDown, 0, 636, 560, 1.0f, 1.0f);
  }
  if (r.severalDown) {
    DrawDigits(uiSheet, kUiReportDigits, r.downCount, 545, 1.0f, 1.1f, kDownCountPlaces, 0);
    DrawLine(fontMedium, kGo, 654, 534, kDownWordW, kDownWordH, kReportColour);
    DrawPicture(uiSheet, kUiDown, 0, 636, 545, 1.0f, 1.0f);
  }
  if (r.allDown) {
    DrawLine(fontMedium, kAll, 654, 534, kDownWordW, kDownWordH, kReportColour);
    DrawPicture(uiSheet, kUiDown, 0, 636, 549, 1.0f, 1.0f);
  }
}

void BattleScreen::DrawEnemyHitReport() {
  if (figureSelected || armySelected || !enemyHitShown || hitEnemySlot >= kEnemySlots) return;
  DrawBarBackground(false);
  DrawPicture(enemySheet, enemyPicture[hitEnemySlot], kEnemyReportFrame, 5, 535, 0.9f, 0.9f);
  DrawPicture(uiSheet, kUiWordEnemy, 0, 60, 550, 1.0f, 1.0f);
  DrawPicture(uiSheet, kUiWordTakes, 0, 154, 550, 1.0f, 1.0f);
  DrawPicture(uiSheet, kUiWordDamage, 0, 278, 550, 1.0f, 1.0f);
  DrawDigits(uiSheet, kUiDamageDigits, damageShown, kDamageY, 1.0f, 1.0f, kEnemyDamagePlaces, 0);
  DrawBlowOutcome(EnemyReport());
}

void BattleScreen::DrawFighterHitReport() {
  if (!fighterHitShown) return;
  DrawBarBackground(true);
  DrawPicture(portraitSheet, 0, 0, 4, 536, 0.5f, 0.5f);
  DrawName(fighterName, kNameX, kNameY, 0.875f, 1.0f);
  DrawPicture(uiSheet, kUiWordTakes, 0, 154, 550, 1.0f, 1.0f);
  DrawPicture(uiSheet, kUiWordDamage, 0, 278, 550, 1.0f, 1.0f);
  DrawDigits(uiSheet, kUiDamageDigits, damageShown, kDamageY, 1.0f, 1.0f, kEnemyDamagePlaces, 0);
  if (figureHealth == 0) {
    DrawLine(fontMedium, kGoes, 654, 534, kDownWordW, kDownWordH, kReportColour);
    DrawPicture(uiSheet, kUiDown, 0, 636, 549, 1.0f, 1.0f);
  }
}

void BattleScreen::DrawUnitReport(SpriteSheet* icons, int icon, const uint8_t* name,
                                  const BlowReport& r) {
  DrawBarBackground(true);
  DrawPicture(icons, icon, 0, 10, 535, 0.9f, 0.9f);
  if (name) DrawName(name, kNameX, kNameY, 0.875f, 1.0f);
  DrawPicture(uiSheet, kUiWordDamage, 0, 180, 549, 1.0f, 1.0f);
  DrawPicture(uiSheet, kUiWordTaken, 0, 285, 549, 1.0f, 1.0f);
  DrawDigits(uiSheet, kUiDamageDigits, damageShown, kDamageY, 1.0f, 1.0f, kUnitDamagePlaces, 0);
  DrawBlowOutcome(r);
}

void BattleScreen::DrawUnitHitReport() {
  if (armyHitShown && hitArmySlot >= 0 && hitArmySlot < kArmySlots) {
    DrawUnitReport(armyIconSheet, armyKind[hitArmySlot], armyName[hitArmySlot], ArmyReport());
  }
  if (allyHitShown && hitAllySlot < kAllySlots) {
    // Only the first twelve allied units are named in the report.
    const uint8_t* name = hitAllySlot < kNamedAllies ? allyName[hitAllySlot] : nullptr;
    DrawUnitReport(allyIconSheet, allyPicture[hitAllySlot], name, AllyReport());
  }
}

BlowReport BattleScreen::EnemyReport() const {
  return {blowWound1 != 0,      blowWound2 != 0,    blowWound3 != 0, blowOneKilled != 0,
          blowKilledShown != 0, blowDestroyed != 0, blowKilledCount};
}

BlowReport BattleScreen::ArmyReport() const {
  return {armyBlowWound1 != 0,
          armyBlowWound2 != 0,
          armyBlowWound3 != 0,
          armyBlowOneKilled != 0,
          armyBlowKilledShown != 0,
          armyBlowDestroyed != 0,
          static_cast<uint8_t>(armyBlowKilledCount)};
}

BlowReport BattleScreen::AllyReport() const {
  return {allyBlowWound1 != 0,
          allyBlowWound2 != 0,
          allyBlowWound3 != 0,
          allyBlowOneKilled != 0,
          allyBlowKilledShown != 0,
          allyBlowDestroyed != 0,
          static_cast<uint8_t>(allyBlowKilledCount)};
}

void BattleScreen::NoteBlow() {
  damageShown = blowDamage;
  enemyHitShown = fighterHitShown = armyHitShown = allyHitShown = 0;
  if (enemyStriking) {
    if (struckFighter) fighterHitShown = 1;
    if (struckArmy) {
      armyHitShown = 1;
      hitArmySlot = struckArmySlot;
      downCount = static_cast<uint8_t>(armyBlowKilledCount);
    }
    if (struckAlly) {
      allyHitShown = 1;
      hitAllySlot = struckAllyIndex;
      downCount = static_cast<uint8_t>(allyBlowKilledCount);
    }
  } else {
    enemyHitShown = 1;
    hitEnemySlot = targetEnemy;
    downCount = blowKilledCount;
    shownEnemyRequest = 1;
  }
}
