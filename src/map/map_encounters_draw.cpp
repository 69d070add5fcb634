// MapEncounters: drawing the treasures, the enemy armies and the party over
// the map, the unit panel with its six buttons, and the walking and chest
// animations.

#include "map/map_encounters.h"
#include "map/screen_offset.h"
#include "platform/clock.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kUntinted = 0xFFFFFFFFu;

// objectSheet pictures.
constexpr int kPlayerFigure = 0;
constexpr int kRing = 1;
constexpr int kDot = 2;
constexpr int kGoldPile = 3;
constexpr int kBag = 4;
constexpr int kChest = 5;
constexpr int kHeroFigure = 6;
constexpr int kDigits = 8;
constexpr int kPrison = 9;
constexpr int kPanelButton = 19;
constexpr int kPlayerPortrait = 20;
constexpr int kHeroPortraits = 21;
constexpr int kPanelBack = 22;
constexpr int kBlockedMark = 23;
constexpr int kBattleMark = 24;
constexpr int kClickBlocked = 25;
constexpr int kTradeMark = 26;
constexpr int kStepsBack = 31;

struct PanelButton {
  int id;
  int32_t x;
  int icon;
  int32_t iconX, iconY;
  float iconScaleX, iconScaleY;
  int word;
  int32_t wordX;
  float wordScaleX, wordScaleY;
};

const PanelButton kPanelButtons[6] = {
    {1, 391, 11, 406, 544, 1.1f, 1.0f, 15, 391, 1.0f, 1.0f},  // Walk
    {2, 460, 26, 473, 541, 1.1f, 1.1f, 16, 460, 1.0f, 1.0f},  // Trade
    {3, 529, 13, 543, 541, 1.1f, 1.1f, 17, 529, 1.0f, 1.0f},  // Attack
    {4, 598, 14, 612, 541, 1.1f, 1.1f, 18, 598, 1.0f, 1.0f},  // Inspect
    {5, 667, 27, 681, 541, 1.1f, 1.1f, 28, 667, 1.0f, 1.1f},  // Center
    {6, 736, 29, 750, 541, 1.1f, 1.1f, 30, 736, 1.0f, 1.0f},  // Next
};
constexpr int32_t kButtonY = 530;
constexpr int32_t kButtonW = 64;
constexpr int32_t kButtonH = 58;

bool TreasureOnScreen(int32_t sx, int32_t sy) {
  return sx > -40 && sx < 800 && sy > -40 && sy < 600;
}

// One step of a two-state clock: 1 when the period has passed and the clock
// starts again.
bool ClockStep(uint8_t& state, uint32_t& start, uint32_t periodMs) {
  const uint32_t now = timeGetTime();
  if (state == 1) {
    start = now;
    state = 2;
    return false;
  }
  if (state == 2 && now - start > periodMs) {
    state = 1;
    return true;
  }
  return false;
}

}  // namespace

void MapEncounters::DrawTreasures(int32_t camX, int32_t camY) {
  if (!objectSheet) return;
  for (int k = 0; k < 20; ++k) {
    const int32_t sx = ScreenOffset(goldPileX[k], camX), sy = ScreenOffset(goldPileY[k], camY);
    if (goldPilePresent[k] && TreasureOnScreen(sx, sy))
      objectSheet->Draw(kGoldPile, 0, sx, sy, kUntinted, 0.625f, 0.625f);
  }
  for (int k = 0; k < 16; ++k) {
    const int32_t sx = ScreenOffset(bagX[k], camX), sy = ScreenOffset(bagY[k], camY);
    if (bagPresent[k] && TreasureOnScreen(sx, sy))
      objectSheet->Draw(kBag, 0, sx, sy, kUntinted, 0.625f, 0.625f);
  }
  for (int k = 0; k < 50; ++k) {
    const int32_t sx = ScreenOffset(chestX[k], camX), sy = ScreenOffset(chestY[k], camY);
    if (chestPresent[k] && TreasureOnScreen(sx, sy))
      objectSheet->Draw(kChest, chestFrame, sx, sy, kUntinted, 0.625f, 0.625f);
  }
}

void MapEncounters::DrawEnemies(int32_t camX, int32_t camY) {
  if (objectSheet) {
    struct Prison {
      int army;
      int32_t x, y;
    };
    static const Prison kPrisons[3] = {{3, -347, 880}, {62, -1325, 210}, {63, 330, -314}};
    for (const Prison& p : kPrisons)
      if (enemyPresent[p.army])
        objectSheet->Draw(kPrison, 0, ScreenOffset(p.x, camX), ScreenOffset(p.y, camY), kUntinted,
                          1.0f, 1.0f);
  }
  if (!enemySheet) return;
  for (int a = 0; a < 80; ++a) {
    const int32_t sx = ScreenOffset(enemyX[a], camX);
    if (enemyPresent[a] && sx > -40 && sx < 800)
      enemySheet->Draw(enemyKind[a], 0, sx, ScreenOffset(enemyY[a], camY), kUntinted, 0.8f, 0.8f);
  }
  for (int a = 80; a < 100; ++a) {
    const int32_t sx = ScreenOffset(enemyX[a], camX);
    if (!enemyPresent[a] || sx <= -40 || sx >= 800) continue;
    const uint8_t facing = enemyFacing[a];
    if (facing == 0) enemyAnimRow[a] = 0;
    else if (facing <= 3) enemyAnimRow[a] = 1;
    else if (facing == 4) enemyAnimRow[a] = 2;
    else if (facing <= 7) enemyAnimRow[a] = 3;
    int frame = enemyAnimRow[a] * 4;
    if (armyStepping && a == movingArmy) frame += walkPhase;
    enemySheet->Draw(enemyKind[a], frame, sx, ScreenOffset(enemyY[a], camY), kUntinted, 0.8f, 0.8f);
  }
}

void MapEncounters::DrawParty(int32_t camX, int32_t camY) {
  if (!objectSheet) return;
  SpriteSheet* s = objectSheet;
  if (playerSelected == 1)
    s->Draw(kRing, 0, ScreenOffset(playerX, camX) - 5, ScreenOffset(playerY, camY) - 5, kUntinted,
            1.59f, 1.59f);
  if (selectedHero >= 1 && selectedHero <= 10) {
    const int h = selectedHero - 1;
    s->Draw(kRing, 0, ScreenOffset(heroX[h], camX) - 5, ScreenOffset(heroY[h], camY) - 5, kUntinted,
            1.59f, 1.59f);
  }
  int frame = playerFacing * 4 + (playerWalkState > kWalkPlanned ? walkPhase : 0);
  s->Draw(kPlayerFigure, frame, ScreenOffset(playerX, camX) + 8, ScreenOffset(playerY, camY) - 5,
          kUntinted, 0.8f, 0.8f);
  for (int k = 0; k < 10; ++k) {
    if (!heroOnMap[k]) continue;
    frame = heroFacing[k] * 4 + (heroWalking == k + 1 ? walkPhase : 0);
    s->Draw(kHeroFigure, frame, ScreenOffset(heroX[k], camX) + 8, ScreenOffset(heroY[k], camY) - 5,
            kUntinted, 0.8f, 0.8f);
  }

  if (!routeShown) return;
  for (int k = 0; k < 10; ++k) {
    if (!waypointActive[k]) continue;
    const int32_t sx = ScreenOffset(waypointX[k], camX), sy = ScreenOffset(waypointY[k], camY);
    if (waypointX[k] == pointX && waypointY[k] == pointY)
      s->Draw(kDot, 1, sx + 6, sy + 6, kUntinted, 0.9f, 0.9f);
    else s->Draw(kDot, 0, sx + 10, sy + 10, kUntinted, 0.6f, 0.6f);
  }
  if (walkMarkShown) {
    const int32_t sx = ScreenOffset(walkMarkX, camX), sy = ScreenOffset(walkMarkY, camY);
    if (!attackPending && !meetingState && !meetingCalledOff)
      s->Draw(kBlockedMark, 0, sx, sy, kUntinted, 1.25f, 1.25f);
    if (attackPending) s->Draw(kBattleMark, 0, sx, sy, kUntinted, 1.25f, 1.25f);
  }
  if (blockedMarkShown)
    s->Draw(kClickBlocked, 0, ScreenOffset(blockedMarkX, camX), ScreenOffset(blockedMarkY, camY),
            kUntinted, 1.25f, 1.25f);
  if (meetingState && walkMarkShown && !attackPlanned)
    s->Draw(kTradeMark, 0, ScreenOffset(walkMarkX, camX), ScreenOffset(walkMarkY, camY), kUntinted,
            1.25f, 1.25f);
}

void MapEncounters::DrawUnitPanel() {
  if (!playerSelected && !selectedHero) return;
  if (!objectSheet) return;
  SpriteSheet* s = objectSheet;
  s->Draw(kPanelBack, 0, 100, 530, kUntinted, 4.7f, 1.8f);
  const int unit = playerSelected ? 0 : (selectedHero <= 10 ? selectedHero : 0);
  if (playerSelected)
    s->Draw(kPlayerPortrait, portrait == 0 ? 1 : 0, 0, 530, kUntinted, 0.9f, 0.9f);
  else s->Draw(kHeroPortraits, selectedHero - 1, 0, 530, kUntinted, 0.9f, 0.9f);
  s->Draw(kStepsBack, 0, 58, 530, kUntinted, 1.3125f, 1.8f);
  const uint8_t steps =
      playerSelected ? playerStepsLeft : heroStepsLeft[walkingHero < 10 ? walkingHero : 0];
  s->Draw(kDigits, steps, 70, 550, kUntinted, 0.6f, 0.8f);
  if (armySheet) {
    const uint8_t* slots = unitArmySlots[unit];
    for (int k = 0; k < 6; ++k)
      if (slots[k])
        armySheet->Draw(slots[12 + k], 0, slots[6 + k] * 48 + 103, 540, kUntinted, 0.7f, 0.7f);
  }
  for (const PanelButton& b : kPanelButtons) {
    const uint8_t look = panelButtonLook[LookIndex(b.id)];
    s->Draw(kPanelButton, look, b.x, kButtonY, kUntinted, 1.0f, 0.9f);
    if (look == 0) s->Draw(b.icon, 0, b.iconX, b.iconY, kUntinted, b.iconScaleX, b.iconScaleY);
    else s->Draw(b.word, 0, b.wordX, 540, kUntinted, b.wordScaleX, b.wordScaleY);
  }
}

void MapEncounters::Animate() {
  if (ClockStep(walkClockState, walkClockStart, 100)) {
    int phase = walkPhase > 3 ? 3 : walkPhase;
    if (walkPhaseRising) {
      phase += 1;
      if (phase >= 3) walkPhaseRising = 0;
    } else {
      phase -= 1;
      if (phase < 0) {
        phase = 1;
        walkPhaseRising = 1;
      }
    }
    walkPhase = uint8_t(phase);
  }
  if (ClockStep(chestClockState, chestClockStart, 500)) {
    chestFrame = uint8_t(chestFrame + 1);
    if (chestFrame == 4) chestFrame = 0;
  }
}

void MapEncounters::HoverPanelButtons(int32_t mouseX, int32_t mouseY) {
  if (!playerSelected && !selectedHero) return;
  for (const PanelButton& b : kPanelButtons) {
    uint8_t& look = panelButtonLook[LookIndex(b.id)];
    if (PointInRect(b.x, kButtonY, kButtonW, kButtonH, mouseX, mouseY)) {
      hoverPanelButton = uint8_t(b.id);
      if (!panelButtonHeld) look = 1;
    } else if (!panelButtonHeld) {
      look = 0;
    }
  }
}

uint32_t MapEncounters::ClickPanelButtons(int32_t mouseX, int32_t mouseY, InputDevice* input) {
  // The buttons exist only while the panel shows (a member is selected).
  if (!input || (!playerSelected && !selectedHero)) return 0;
  for (const PanelButton& b : kPanelButtons) {
    if (!PointInRect(b.x, kButtonY, kButtonW, kButtonH, mouseX, mouseY)) continue;
    if (!EitherButtonPressed(*input)) continue;
    pressedPanelButton = uint8_t(b.id);
    panelButtonLook[LookIndex(b.id)] = 2;
    panelButtonHeld = 1;
    return 1;
  }
  return 0;
}

void MapEncounters::ClearPanelHover() { hoverPanelButton = 0; }
