// The player screen's drawing, layer over layer from the background up.

#include "game/game_state.h"
#include "game/glyph_name.h"
#include "game/hero_figure.h"
#include "map/control_bar.h"
#include "party/exchange_common.h"
#include "party/heroes_art.h"
#include "party/player_screen.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"
#include "platform/texture.h"

namespace pa = party_art;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kTextColour = 0xFFE6E6E6u;
constexpr int32_t kFigureX = 255;

// The value's digits from the units leftwards, step pixels apart; at least
// `minDigits` digits, at most three.
void DrawDigits(SpriteSheet* sheet, int image, int32_t value, int32_t unitsX, int32_t y,
                int32_t step, float sx, float sy, int minDigits = 1) {
  if (value < 0) value = 0;
  for (int d = 0; d < 3; ++d) {
    if (d >= minDigits && value == 0) break;
    sheet->Draw(image, value % 10, unitsX - step * d, y, kWhite, sx, sy);
    value /= 10;
  }
}

// The member background, 256 x 256 set at 800 x 400 from (0, 100), drawn
// only where no opaque picture covers it later: the value panel takes its
// left 160 pixels, the bag rows the box from (544, 308). The pieces start on
// source pixels that land on whole screen pixels, so each screen pixel
// shows the very source pixel the whole picture would give it.
void DrawMemberBack(SpriteSheet* ui) {
  constexpr float kScaleX = 3.125f, kScaleY = 1.5625f;  // 25 / 8 and 25 / 16
  constexpr int32_t kLeft = 48, kSplit = 144, kBagLeft = 176, kSize = 256;
  if (!ui || ui->count <= pa::kMemberBack) return;
  Texture& back = ui->textures[pa::kMemberBack];
  // Down to the bag: from x 150 to the right edge, y 100 to 325.
  back.Draw(150, 100, kLeft, 0, kSize - kLeft, kSplit, kScaleX, kScaleY, kWhite);
  // Beside the bag: x 150 to 550, y 325 to 500.
  back.Draw(150, 325, kLeft, kSplit, kBagLeft - kLeft, kSize - kSplit, kScaleX, kScaleY, kWhite);
}

// The cells of a letter row up to its last letter: the spaces behind it
// draw nothing.
int Letters(const uint8_t* cells, int count) { return LastFilledCell(cells, count, -1) + 1; }

}  // namespace

void PlayerScreen::Draw(const HeroFigure* heroFigure, const GameState& state) const {
  SpriteSheet* ui = uiSheet;
  // Background, Back button, value panel, the green rule, the army boxes.
  ui->Draw(pa::kTopBar, 0, 0, 0, kWhite, 6.25f, 3.125f);
  DrawMemberBack(ui);
  ui->Draw(pa::kBackButton, buttonLooks[kPlayerBack], 730, 6, kWhite, 1, 1);
  ui->Draw(pa::kValuePanel, 0, 0, 100, kWhite, 1.25f, 1.5625f);
  ui->Draw(pa::kGreens, 0, 0, 86, kWhite, 1.5625f, 0.9f);
  for (int b = 0; b < kArmySlots; ++b)
    ui->Draw(pa::kArmyBox, 0, b < 5 ? 1 + 133 * b : 666, 500, kWhite, 2.083f, 1.5625f);
  const int32_t* stats = state.playerStats;
  const MemberValues values = {stats[kStatHealth], stats[kStatMaxHealth],
                               stats[kStatAttack], stats[kStatShield],
                               state.playerLevel,  uint32_t(stats[kStatExperience])};
  const MemberHead head = {figureLook <= 1 ? portraitSheet : nullptr, 0, figureLook,
                           figureLook ? 193 : 194};
  DrawMember(heroFigure, values, head, PlayerFigureLook(figureLook), kPlayerLayout);
}

void PlayerScreen::DrawMember(const HeroFigure* heroFigure, const MemberValues& v,
                              const MemberHead& head, FigureLook look, const MemberLayout& layout,
                              ControlBar* hideShow) const {
  SpriteSheet* ui = uiSheet;
  // The name, centred on x 335.
  constexpr int32_t kNameX = 335;
  // Codes from 80 on also draw a digit where the sheet has the digits.
  exchange_common::DrawLetters(nameLetters1, nameLetters2, name,
                               kNameX + 5 - layout.letterAdvance / 2 * nameLength, layout.nameY,
                               layout.letterAdvance, 0.875f, layout.nameScaleY, ui,
                               heroes_art::kNameCodeDigits, Letters(name, kGlyphNameLength));

  if (hideShow) hideShow->DrawHideShowButton();

  // The figure: head while no helmet, bare body, worn pictures.
  const uint8_t* body = items.figure.bodyItems;
  if (!body[kBodyHelmet] && head.sheet)
    head.sheet->Draw(head.image, head.frame, 289, head.y, kWhite, 0.7f, 0.7f);
  if (heroFigure) heroFigure->DrawBody(kFigureX, look, body);
  ItemCatalog::DrawWornItems(items.figure, kFigureX);
  if (showEmptySlots) {
    constexpr struct {
      int image;
      int32_t dx, y;
      float scale;
    } kMarks[kBodySlotCount] = {
        {pa::kMarkAmulet, 140, 250, 0.9f}, {pa::kMarkAmulet, 185, 250, 0.9f},
        {pa::kMarkAmulet, 230, 250, 0.9f}, {pa::kMarkHelmet, 145, 190, 0.9f},
        {pa::kMarkTorso, -60, 295, 0.9f},  {pa::kMarkBelt, -40, 343, 0.9f},
        {pa::kMarkPants, 120, 430, 0.9f},  {pa::kMarkShoes, 175, 435, 0.9f},
        {pa::kMarkGloves, -61, 230, 0.9f}, {pa::kMarkRing, -95, 381, 0.9f},
        {pa::kMarkRing, -62, 381, 0.9f},   {pa::kMarkRing, -29, 381, 0.9f},
        {pa::kMarkRing, 4, 381, 0.9f},     {pa::kMarkRing, 98, 381, 0.9f},
        {pa::kMarkRing, 131, 381, 0.9f},   {pa::kMarkRing, 164, 381, 0.9f},
        {pa::kMarkRing, 197, 381, 0.9f},   {pa::kMarkShield, 205, 320, 0.9f},
        {pa::kMarkSword, 155, 315, 1.1f},
    };
    for (int s = 0; s < kBodySlotCount; ++s)
      if (!body[s])
        ui->Draw(kMarks[s].image, 0, kFigureX + kMarks[s].dx, kMarks[s].y, kWhite, kMarks[s].scale,
                 kMarks[s].scale);
  }

  // The bag and its selection frame.
  for (int row = 0; row < 3; ++row) ui->Draw(pa::kBagRow, 0, 544, 308 + 64 * row, kWhite, 2, 2);
  if (items.chosenItem && items.selectedMarkY)
    ui->Draw(pa::kBagSelected, 0, items.selectedMarkX, items.selectedMarkY, kWhite, 2, 2);

  // Values: health current / total, attack, shield, level, experience.
  if (layout.panelWithHealth) ui->Draw(pa::kValuePanel, 0, 0, 134, kWhite, 1.25f, 1.43f);
  const int32_t maxHealth = v.maxHealth;
  const int32_t health = v.health > maxHealth ? maxHealth : v.health;
  {
    const int32_t x = layout.healthX, y = layout.healthY;
    DrawDigits(ui, pa::kHealthDigits, health, x + 66, y, 23, 0.7f, 0.8f);
    ui->Draw(pa::kHealthSlash, 0, x + 83, y - 5, kWhite, 1, 1.1f);
    const int32_t digits = maxHealth >= 100 ? 3 : maxHealth >= 10 ? 2 : 1;
    DrawDigits(ui, pa::kHealthDigits, maxHealth, x + 102 + 23 * (digits - 1), y, 23, 0.7f, 0.8f);
    if (hoverValue == kHoverHealth)
      ui->Draw(pa::kHealthCaption, 0, x + 49, y - 45, kWhite, 1.1f, 1.1f);
    else ui->Draw(pa::kHealthIcon, 0, x + 80, y - 40, kWhite, 1, 1);
  }
  struct ValueRow {
    int32_t value, y;
    int icon;
    float iconScaleY;
    int caption;
    int32_t captionDx, captionDy;
    int hover;
  };
  const ValueRow rows[] = {
      {v.attack, layout.attackY, pa::kAttackIcon, 0.9f, pa::kAttackCaption, 0, -45, kHoverAttack},
      {v.shield, layout.shieldY, pa::kShieldIcon, 1, pa::kShieldCaption, -10, -44, kHoverShield},
  };
  for (const ValueRow& row : rows) {
    constexpr int32_t x = 20;
    if (row.value >= 100) DrawDigits(ui, pa::kDigits, row.value, x + 66, row.y - 8, 23, 0.7f, 0.8f);
    else DrawDigits(ui, pa::kDigits, row.value, x + 53, row.y - 8, 23, 0.7f, 0.8f, 2);
    if (hoverValue == row.hover)
      ui->Draw(row.caption, 0, x + row.captionDx, row.y + row.captionDy, kWhite, 1.1f, 1.1f);
    else ui->Draw(row.icon, 0, x + 40, row.y - 40, kWhite, 1, row.iconScaleY);
  }
  {
    constexpr int32_t x = 20, y = 400;
    const int32_t level = v.level;
    DrawDigits(ui, pa::kDigits, level, level >= 10 ? x + 53 : x + 45, y, 23, 0.7f, 0.8f);
    if (hoverValue == kHoverLevel) ui->Draw(pa::kLevelCaption, 0, 35, y - 37, kWhite, 1.1f, 1.1f);
    else ui->Draw(pa::kLevelIcon, 0, x + 38, y - 35, kWhite, 1.1f, 1);
  }
  {
    constexpr int32_t x = 20, y = 420;
    // Eight digits at most, placed by how many there are, units first; the
    // longer numbers leave a gap between the thousands.
    constexpr int32_t kPlaces[8][8] = {
        {45},
        {53, 30},
        {66, 43, 20},
        {83, 60, 37, 10},
        {103, 86, 69, 45, 28},
        {120, 103, 86, 62, 45, 28},
        {144, 127, 110, 86, 69, 52, 28},
        {161, 144, 127, 103, 86, 69, 45, 28},
    };
    uint32_t experience = v.experience % 100000000u;
    int count = 1;
    for (uint32_t rest = experience / 10; rest; rest /= 10) ++count;
    const bool full = count == 8;
    for (int d = 0; d < count; ++d, experience /= 10)
      ui->Draw(pa::kDigits, int(experience % 10), x + kPlaces[count - 1][d], y + (full ? 46 : 51),
               kWhite, full ? 0.8f : 0.7f, 0.8f);
    if (hoverValue == kHoverExperience)
      ui->Draw(pa::kExperienceCaption, 0, 44, 437, kWhite, 1.1f, 1);
    else ui->Draw(pa::kTrainingIcon, 0, x + 38, y + 17, kWhite, 1.1f, 1);
  }

  // The items, the one in the air over them, the chosen one and its panel.
  for (int n = 0; n < kItemIdCount; ++n) {
    if (!items.view.itemHeld[n] || n + 1 == items.draggedItem) continue;
    if (!showEmptySlots && items.itemSlotOf[n] >= kFirstBodyPlace) continue;
    items.view.iconSheet->Draw(items.view.iconIndex[n], 0, items.itemX[n], items.itemY[n], kWhite,
                               1, 1);
  }
  if (items.draggedItem > 0) {
    const int n = items.draggedItem - 1;
    items.view.iconSheet->Draw(items.view.iconIndex[n], 0, items.itemX[n], items.itemY[n], kWhite,
                               1.2f, 1.2f);
  }
  constexpr int32_t px = 660, py = 135;
  if (items.chosenItem) {
    const int n = items.chosenItem - 1;
    ui->Draw(pa::kTossButton, buttonLooks[kPlayerToss], 715, 219, kWhite, 1, 1);
    items.view.iconSheet->Draw(items.view.iconIndex[n], 0, px - 27, py + 64, kWhite, 1.2f, 1.16f);
    if (throwQuestion) {
      ui->Draw(pa::kQuestionBox, 0, 540, 308, kWhite, 4.1f, 3);
      font->DrawText("Throw Away?", 620, 340, 500, 32, kTextColour, 0);
      ui->Draw(pa::kYesButton, buttonLooks[kPlayerThrowYes], 600, 410, kWhite, 1, 1);
      ui->Draw(pa::kNoButton, buttonLooks[kPlayerThrowNo], 710, 410, kWhite, 1, 1);
    }
    if (panel.describedItem == items.chosenItem) {
      const int l1 = LastFilledCell(panel.nameLine1, kItemNameCells);
      const int l2 = LastFilledCell(panel.nameLine2, kItemNameCells);
      exchange_common::DrawLetters(textLetters1, textLetters2, panel.nameLine1, px - 7 * l1, py, 14,
                                   0.875f, 0.9f, nullptr, 0,
                                   Letters(panel.nameLine1, kItemNameCells));
      exchange_common::DrawLetters(textLetters1, textLetters2, panel.nameLine2, px + 5 - 7 * l2,
                                   py + 31, 14, 0.875f, 0.9f, nullptr, 0,
                                   Letters(panel.nameLine2, kItemNameCells));
      exchange_common::DrawLetters(textLetters1, textLetters2, panel.kindLine, px - 39, py + 145,
                                   13, 0.8125f, 0.75f, nullptr, 0,
                                   Letters(panel.kindLine, kItemKindCells));
      if (panel.kindLine[0] || panel.kindLine[1])
        DrawDigits(ui, pa::kSmallDigits, panel.itemBonus, px - 60, py + 140, 16, 1, 1);
    }
  }

  // The armies, the selected one's details and the Disband question.
  for (int i = 0; i < kArmySlots; ++i) {
    if (!armies.armyUsed[i]) continue;
    const int32_t bx = 133 * armies.armyPlace[i];
    armyIcons->Draw(armies.armyKind[i], 0, bx + 41, 519, kWhite, 0.86f, 0.86f);
    const int32_t limit = (armies.armyEquipment[i] + armies.armyTraining[i]) / 10;
    if (armies.armyCount[i] + armies.armySkull[i] < limit)
      ui->Draw(pa::kArrow, 0, bx + 100, 540, kWhite, 0.8f, 1.1f);
    const int32_t count = armies.armyCount[i];
    if (count < 10) DrawDigits(ui, pa::kSmallDigits, count, bx + 63, 571, 15, 0.8f, 0.8f);
    else if (count < 100) DrawDigits(ui, pa::kSmallDigits, count, bx + 68, 571, 15, 0.8f, 0.8f);
    if (armies.armyMarkTopLeft[i]) ui->Draw(pa::kHealMark, 0, bx + 10, 510, kWhite, 0.7f, 0.7f);
    if (armies.armyMarkTopRight[i]) ui->Draw(pa::kHealMark, 0, bx + 104, 510, kWhite, 0.7f, 0.7f);
    if (armies.armyMarkBottomLeft[i]) ui->Draw(pa::kHealMark, 0, bx + 10, 570, kWhite, 0.7f, 0.7f);
    if (armies.armySkull[i]) ui->Draw(pa::kSkull, 0, bx + 104, 570, kWhite, 0.7f, 0.7f);
  }
  const int slot = armies.SlotInBox(armies.selectedArmy);
  if (slot >= 0) {
    armyIcons->Draw(armies.armyKind[slot], 0, 648, 183, kWhite, 0.89f, 0.89f);
    ui->Draw(pa::kArmySelection, 0, 133 * armies.armyPlace[slot], 499, kWhite, 4.2f, 3.2f);
    ui->Draw(pa::kRenameButton, buttonLooks[kPlayerRenameArmy], 570, 200, kWhite, 1, 1);
    ui->Draw(pa::kDisbandButton, buttonLooks[kPlayerDisband], 715, 200, kWhite, 1.2f, 1);
    const int last = LastFilledCell(armies.armyNames[slot]);
    exchange_common::DrawLetters(textLetters1, textLetters2, armies.armyNames[slot], 665 - 6 * last,
                                 150, 12, 0.75f, 0.9f, ui, pa::kNameDigits,
                                 Letters(armies.armyNames[slot], kGlyphNameLength));
    struct Picture {
      int image;
      int32_t x, y;
      float sx, sy;
    };
    struct ArmyValue {
      int32_t value, unitsX, y;
      Picture icon, caption;
      int hover;
    };
    const ArmyValue values[] = {
        {armies.armyAttack[slot],
         565,
         245,
         {pa::kAttackIcon, 590, 245, 0.8f, 0.8f},
         {pa::kAttackCaption, 584, 245, 0.8f, 0.8f},
         kHoverArmyAttack},
        {armies.armyShield[slot],
         565,
         277,
         {pa::kShieldIcon, 590, 277, 0.7f, 0.8f},
         {pa::kShieldCaption, 582, 277, 0.7f, 0.8f},
         kHoverArmyShield},
        {armies.armyTraining[slot],
         695,
         245,
         {pa::kTrainingIcon, 720, 243, 0.9f, 0.9f},
         {pa::kTrainingCaption, 712, 246, 0.8f, 0.87f},
         kHoverArmyTraining},
        {armies.armyEquipment[slot],
         695,
         277,
         {pa::kEquipmentIcon, 720, 277, 0.9f, 0.9f},
         {pa::kEquipmentCaption, 711, 277, 0.69f, 0.87f},
         kHoverArmyEquipment},
    };
    for (const ArmyValue& v : values) {
      DrawDigits(ui, pa::kSmallDigits, v.value % 1000, v.unitsX, v.y, 15, 0.8f, 0.8f);
      const Picture& p = hoverValue == v.hover ? v.caption : v.icon;
      ui->Draw(p.image, 0, p.x, p.y, kWhite, p.sx, p.sy);
    }
  }
  if (disbandQuestion) {
    ui->Draw(pa::kQuestionBox, 0, 540, 308, kWhite, 4.1f, 3);
    font->DrawText("Disband?", 630, 340, 500, 32, kTextColour, 0);
    ui->Draw(pa::kYesButton, buttonLooks[kPlayerDisbandYes], 600, 410, kWhite, 1, 1);
    ui->Draw(pa::kNoButton, buttonLooks[kPlayerDisbandNo], 710, 410, kWhite, 1, 1);
  }
}
