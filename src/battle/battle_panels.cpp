// What the battle shows over the field: the column of side buttons with the
// retreat question and message, the turn panel, the defeat and victory
// messages, and the experience page of a won battle.

#include "battle/battle_art.h"
#include "battle/battle_layout.h"
#include "battle/battle_screen.h"
#include "battle/battle_texts.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

using namespace battle;
using namespace battle_art;
using namespace battle_texts;

namespace {

constexpr float kOptionsScaleX = 1.3f;

// One entry of the experience page: the gain's icon (or, hovered, its
// caption picture), then "+" and the gain.
struct GainEntry {
  int icon;
  int32_t iconX;
  int caption;
  int32_t captionX, captionDy;
  float captionScaleX, captionScaleY;
  int32_t plusX, numberX;
  uint32_t colour;
};

// The fighter's row (entries 1..4), at y 80.
constexpr GainEntry kFighterGains[4] = {
    {kUiLevelIcon, 160, kUiLevelCaption, 125, -1, 0.9f, 1.0f, 200, 220, 0xFF14D228},
    {kUiHealthIcon, 300, kUiHealthCaption, 260, 0, 0.9f, 1.0f, 340, 360, 0xFFE60A28},
    {kUiAttackIcon, 440, kUiAttackCaption, 410, 2, 0.7f, 0.8f, 480, 500, 0xFF969696},
    {kUiShieldIcon, 580, kUiShieldCaption, 530, 3, 0.7f, 0.8f, 620, 640, 0xFFFAFA32},
};
constexpr int32_t kFighterRowY = 80;

// An army's row (entries 4 k + 5 .. 4 k + 8), icons and texts at Y + 30.
constexpr GainEntry kArmyGains[4] = {
    {kUiTrainingIcon, 160, kUiTrainingCaption, 115, 3, 0.8f, 0.9f, 200, 220, 0xFFFA3232},
    {kUiEquipmentIcon, 300, kUiEquipmentCaption, 248, 5, 0.7f, 0.9f, 340, 360, 0xFFFA3232},
    {kUiAttackIcon, 440, kUiAttackCaption, 410, 2, 0.7f, 0.8f, 480, 500, 0xFF969696},
    {kUiShieldIcon, 580, kUiShieldCaption, 530, 3, 0.7f, 0.8f, 620, 640, 0xFFFAFA32},
};
constexpr int32_t ArmyRowY(int slot) { return 145 + 75 * slot; }

// Draws one entry of the experience page when its gain is non-zero. The
// fighter's captions sit at their own heights; an army's icons and texts lie
// 30 pixels into its row.
void DrawGain(BattleScreen& b, int entry, const GainEntry& e, int32_t rowY, int32_t gain) {
  if (gain == 0) return;
  const bool fighter = entry <= 4;
  const int32_t y = fighter ? rowY : rowY + 30;
  if (b.hoverEntry == entry) {
    b.DrawPicture(b.uiSheet, e.caption, 0, e.captionX, y + e.captionDy, e.captionScaleX,
                  e.captionScaleY);
  } else {
    b.DrawPicture(b.uiSheet, e.icon, 0, e.iconX, y, 1.0f, 1.0f);
  }
  b.DrawLine(b.fontLarge, kPlus, e.plusX, y, kPlusW, kPlusH, e.colour);
  b.DrawNumber(b.fontLarge, gain, e.numberX, y, kGainW, kGainH, e.colour);
}

}  // namespace

void BattleScreen::DrawButtonsAndRetreat() {
  DrawPicture(uiSheet, kUiQuitButton, buttonHover[kLookSaveQuit], 710, 20, 1.0f, 1.0f);
  const uint8_t optionsLook = buttonHover[kLookOptions];
  DrawPicture(uiSheet, kUiOptionsButton, optionsLook, 700, 70, kOptionsScaleX, 1.1f);
  if (optionsLook == battle::kLookIdle) {
    DrawPicture(uiSheet, kUiOptionsIcon, 0, 708, 72, 1.2f, 1.1f);
  } else {
    DrawPicture(uiSheet, kUiOptionsCaption, 0, 700, 74, 0.83f, 0.9f);
  }
  DrawPicture(uiSheet, kUiGridButton, buttonHover[kLookGrid], 700, 130, 1.3f, 1.1f);
  DrawPicture(uiSheet, kUiRetreatButton, buttonHover[kLookRetreat], 700, 190, 1.3f, 1.1f);
  DrawPicture(uiSheet, kUiEndTurnButton, buttonHover[kLookEndTurn], 700, 250, 1.3f, 1.2f);

  if (retreatAsked) {
    DrawPanelBack(255, 240, 4.5f, 2.25f);
    DrawLine(fontMedium, kRetreatQuestion);
    DrawPicture(uiSheet, kUiYesButton, buttonHover[kLookYes], 330, 335, 1.0f, 1.0f);
    DrawPicture(uiSheet, kUiNoButton, buttonHover[kLookNo], 430, 335, 1.0f, 1.0f);
  }
  if (retreatConfirmed != kRetreatNone) {
    DrawPanelBack(255, 250, 4.5f, 2.25f);
    for (const TextLine& line : kRetreatMessage) DrawLine(fontMedium, line);
  }
}

void BattleScreen::DrawTurnPanel() {
  if (victory == kVictoryNone) {
    DrawPanelBack(220, 320, 5.6f, 2.6f);
    DrawLine(fontLarge, kTurnCaption);
    DrawNumber(fontLarge, static_cast<int32_t>(turnNumber), kTurnNumberX, kTurnNumberY,
               kTurnNumberW, kTurnNumberH, kTurnColour);
  }
  if (turnNumber == 1 && (carriedWear != 0 || carriedLosses != 0)) {
    DrawPanelBack(200, 120, 6.3f, 2.6f);
    for (const TextLine& line : kWeakenedNote) DrawLine(fontMedium, line);
    DrawLine(fontMedium, kWoundsPerEnemy);
    DrawNumber(fontMedium, carriedWear, kWeakenedNumberX, kWoundsPerEnemy.y, kWeakenedNumberW,
               kWeakenedNumberH, kWeakenedColour);
    DrawLine(fontMedium, kDownPerEnemy);
    DrawNumber(fontMedium, carriedLosses, kWeakenedNumberX, kDownPerEnemy.y, kWeakenedNumberW,
               kWeakenedNumberH, kWeakenedColour);
  }
  // The thresholds are compared as bytes, as the turn is saved.
  const uint8_t turn = static_cast<uint8_t>(turnNumber);
  const uint8_t thresholds[3] = {gradeTurns3, gradeTurns2, turnLimit};
  for (int k = 0; k < 3; ++k) {
    if (thresholds[k] <= turn) continue;
    turnsLeft = static_cast<uint8_t>(thresholds[k] - turn);
    const TextLine& line = kTurnsLeftLines[k];
    if (turnsLeft == 1) {
      DrawLine(fontMedium, kLastTurn, kLastTurnX, line.y, kLastTurnW, kLastTurnH, kLastTurnColour);
    } else {
      const int32_t x = turnsLeft >= 10 ? kTurnsLeftWideX : kTurnsLeftX;
      DrawNumber(fontMedium, turnsLeft, x, line.y, kTurnsLeftW, kTurnsLeftH, kTurnsLeftColour);
    }
    DrawLine(fontMedium, line);
  }
}

void BattleScreen::DrawResults() {
  if (battleOver != 1) return;
  if (defeat) {
    DrawPanelBack(223, 240, 5.5f, 2.4f);
    for (const TextLine& line : kDefeatMessage) DrawLine(fontMedium, line);
  }
  if (victory == kVictoryMessage) DrawVictoryMessage();
  if (victory == kVictoryExperience) DrawExperiencePage();
}

void BattleScreen::DrawVictoryMessage() {
  DrawPanelBack(182, 200, 6.8f, 4.0f);
  DrawLine(fontMedium, kYouWon);
  if (victoryGrade >= kGradeVictory && victoryGrade <= kGradeBrilliant) {
    const GradeLines& grade = kGradeLines[victoryGrade - 1];
    DrawLine(fontMedium, grade.title);
    DrawLine(fontMedium, grade.fame);
  }
  for (const BattleLine& b : kBattleLines) {
    if (b.battleId != battleId) continue;
    DrawLine(fontMedium, b.line);
    if (b.heroJoins) {
      DrawLine(fontMedium, kHeroJoins);
      DrawPicture(uiSheet, kUiJoinedHero, 0, 511, 362, 0.7f, 0.7f);
    }
  }
  DrawLine(fontMedium, kFindGold);
  DrawPicture(uiSheet, kUiGold, 0, 367, 365, 0.7f, 0.7f);
  DrawNumber(fontLarge, goldFound, kGoldX, kGoldY, kGoldW, kGoldH, kGoldColour);
}

void BattleScreen::DrawExperiencePage() {
  DrawPicture(uiSheet, kUiPageBack, 0, 0, 0, 3.125f, 2.34375f);
  DrawPanelBack(37, 45, 1.3f, 1.3f);
  DrawPicture(portraitSheet, 0, 0, 40, 50, 0.6f, 0.6f);
  DrawName(fighterName, 15, 11, 0.875f, 1.0f);
  DrawLine(fontLarge, kExperiencePlus);
  DrawNumber(fontLarge, experienceGained, kExperienceX, kExperienceY, kExperienceW, kExperienceH,
             kExperienceColour);

  const int32_t fighterGains[4] = {levelGain, healthGain, attackGain, shieldGain};
  for (int e = 0; e < 4; ++e)
    DrawGain(*this, e + 1, kFighterGains[e], kFighterRowY, fighterGains[e]);

  for (int k = 0; k < kArmySlots; ++k) {
    if (!armyUsedAtStart[k]) continue;
    const int32_t y = ArmyRowY(k);
    DrawPicture(uiSheet, kUiRowFrame, 0, 43, y, 1.1f, 1.1f);
    DrawPicture(armyIconSheet, armyKind[k], 0, 50, y + 10, 0.9f, 0.9f);
    if (armyCount[k] != 0) {
      const int32_t gains[4] = {armyTrainingGain[k], armyEquipmentGain[k], armyAttackGain[k],
                                armyShieldGain[k]};
      for (int e = 0; e < 4; ++e) DrawGain(*this, 4 * k + 5 + e, kArmyGains[e], y, gains[e]);
    }
    if (armyRaiseMark[k]) DrawPicture(uiSheet, kUiRaiseArrow, 0, 20, y + 45, 0.8f, 1.1f);
    DrawName(armyName[k], 110, y, 0.875f, 0.9f);
  }

  // The arrows of armies that may take on more soldiers, from the page's
  // second frame on.
  for (int k = 0; k < kArmySlots; ++k) {
    armyRaiseMark[k] = 0;
    armyRaiseLimit[k] = static_cast<uint8_t>((armyTraining[k] + armyEquipment[k]) / 10);
    if (armyRaiseLimit[k] > armyCount[k] + armyKilled[k]) armyRaiseMark[k] = 1;
  }
}
