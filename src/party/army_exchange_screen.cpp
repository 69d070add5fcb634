#include "party/army_exchange_screen.h"

#include <utility>

#include "game/hero_figure.h"
#include "party/exchange_art.h"
#include "party/exchange_choice_screen.h"
#include "party/exchange_common.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace {

namespace ea = exchange_art;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// The cells stand in three columns per member and two rows; cells 1..3 and
// 7..9 are the top row, 4..6 and 10..12 the bottom row.
struct Column {
  int32_t rectX, rectW, frameX, homeX, oneDigitX, tensX, unitsX, markLeftX, markRightX, highlightX;
};
constexpr Column kColumns[6] = {
    {0, 113, 1, 27, 48, 41, 56, 3, 88, 0},
    {113, 112, 113, 139, 160, 153, 168, 115, 200, 112},
    {225, 112, 225, 251, 272, 265, 280, 227, 312, 224},
    {464, 112, 464, 490, 511, 504, 519, 466, 551, 464},
    {576, 112, 576, 602, 623, 616, 631, 578, 663, 576},
    {688, 112, 688, 714, 735, 728, 743, 690, 775, 688},
};
struct Row {
  int32_t rectY, rectH, frameY, homeY, countY, markUpperY, markLowerY, highlightY;
};
constexpr Row kRows[2] = {
    {402, 98, 402, 422, 476, 406, 477, 402},
    {500, 100, 500, 522, 575, 505, 576, 500},
};

// Column and row of cell c (1..12).
const Column& ColumnOf(int cell) {
  const int i = cell - 1;
  const int side = i / kExchangeSideEntries;
  return kColumns[side * 3 + (i % kExchangeSideEntries) % 3];
}
const Row& RowOf(int cell) { return kRows[((cell - 1) % kExchangeSideEntries) / 3]; }

bool InCell(int cell, int32_t x, int32_t y) {
  const Column& c = ColumnOf(cell);
  const Row& r = RowOf(cell);
  return PointInRect(c.rectX, r.rectY, c.rectW, r.rectH, x, y) != 0;
}

// A fresh press of either button that began on the cell.
bool FreshPressOnCell(int cell, InputDevice* mouse) {
  const Column& c = ColumnOf(cell);
  const Row& r = RowOf(cell);
  return mouse && FreshPressIn(*mouse, c.rectX, r.rectY, c.rectW, r.rectH);
}

using exchange_common::AnyButton;
constexpr int32_t kBackX = 730, kBackY = 6;

struct ValueBox {
  uint8_t id;
  int32_t x, y;
};
constexpr ValueBox kValueBoxes[4] = {
    {kValueAttack, 285, 245},
    {kValueTraining, 410, 245},
    {kValueShield, 285, 275},
    {kValueEquipment, 410, 275},
};
constexpr int32_t kValueBoxW = 115, kValueBoxH = 25;

constexpr uint8_t kCountOneDigitBelow = 10;
constexpr uint8_t kCountShownBelow = 100;

using exchange_common::Load;

// Frame d of a digit picture for the digit d.
void Digit(SpriteSheet* sheet, int image, int32_t value, int32_t x, int32_t y, float sx, float sy) {
  if (sheet) sheet->Draw(image, value % 10, x, y, kWhite, sx, sy);
}

}  // namespace

void ArmyCellHome(int cell, int32_t* x, int32_t* y) {
  *x = ColumnOf(cell).homeX;
  *y = RowOf(cell).homeY;
}

ArmyExchangeScreen::ArmyExchangeScreen() = default;

ArmyExchangeScreen::~ArmyExchangeScreen() { ReleasePictures(); }

void ArmyExchangeScreen::Reset() {
  dragging = heldCode = heldCell = shownStack = 0;
  valueHover = kValueNone;
  backLook = backPressed = backHovered = backArmed = 0;
  lastMouseX = lastMouseY = returnX = returnY = 0;
  for (uint8_t& u : armyUsed) u = 0;
  for (uint8_t& p : heroPortrait) p = 0;
  namesDirty = 1;
  for (uint8_t& f : leftWorn.reloadFlags) f = 1;
  for (uint8_t& f : rightWorn.reloadFlags) f = 1;
}

void ArmyExchangeScreen::LoadPictures(GraphicsDevice* device) {
  armySheet = NewSheet(device, ea::kArmyIconImages);
  uiSheet = NewSheet(device, ea::kArmyUiImages);
  for (const ea::NumberedPicture& p : ea::kArmyUiPictures) Load(uiSheet, p.image, p.picture);
  exchange_common::LoadLetterSheets(device, &nameLetters1, &nameLetters2, &textLetters1,
                                    &textLetters2);
}

void ArmyExchangeScreen::CreatePictureSheets(GraphicsDevice* device) {
  ItemCatalog::CreatePictureSheets(leftWorn, device);
  ItemCatalog::CreatePictureSheets(rightWorn, device);
}

void ArmyExchangeScreen::LoadPortraits(GraphicsDevice* device) {
  portraitSheet = NewSheet(device, 2);
  exchange_common::LoadMemberPortrait(portraitSheet, 0, leftMember, playerPortrait,
                                      ea::kArmyPlayerPortraits);
  exchange_common::LoadMemberPortrait(portraitSheet, 1, rightMember, playerPortrait,
                                      ea::kArmyPlayerPortraits);
}

void ArmyExchangeScreen::LoadArmyIcons(GraphicsDevice* device) {
  for (const ea::NumberedPicture& p : ea::kArmyIcons) Load(armySheet, p.image, p.picture);
}

void ArmyExchangeScreen::LoadLeftWornItemPictures() {
  for (int s = 0; s < kBodySlotCount; ++s) leftWorn.bodyItems[s] = leftItems[kFirstBodyPlace + s];
  ItemCatalog::LoadWornItemPictures(leftWorn);
}

void ArmyExchangeScreen::LoadRightWornItemPictures() {
  for (int s = 0; s < kBodySlotCount; ++s) rightWorn.bodyItems[s] = rightItems[kFirstBodyPlace + s];
  ItemCatalog::LoadWornItemPictures(rightWorn);
}

void ArmyExchangeScreen::LayoutCells() {
  for (int i = 0; i < kExchangeEntries; ++i) {
    armyCell[i] = static_cast<uint8_t>(i + 1);
    ArmyCellHome(i + 1, &stackX[i], &stackY[i]);
  }
}

void ArmyExchangeScreen::UpdateLengths() {
  if (!namesDirty) return;
  namesDirty = 0;
  leftNameLast = exchange_common::LastLetter(leftName, 0);
  rightNameLast = exchange_common::LastLetter(rightName, 0);
  for (int i = 0; i < kExchangeEntries; ++i)
    armyNameLast[i] = exchange_common::LastLetter(armyNames[i], 0);
}

void ArmyExchangeScreen::HoverBack(int32_t x, int32_t y) {
  exchange_common::BackButton{backLook, backHovered, backPressed, backArmed}.Hover(x, y);
}

void ArmyExchangeScreen::HoverValues(int32_t x, int32_t y) {
  for (const ValueBox& b : kValueBoxes)
    if (PointInRect(b.x, b.y, kValueBoxW, kValueBoxH, x, y)) valueHover = b.id;
}

uint32_t ArmyExchangeScreen::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  return exchange_common::BackButton{backLook, backHovered, backPressed, backArmed}.Click(x, y,
                                                                                          mouse);
}

void ArmyExchangeScreen::PickUpStack(int32_t x, int32_t y, InputDevice* mouse) {
  for (int c = 1; c <= kExchangeEntries; ++c) {
    if (dragging || heldCode || !InCell(c, x, y) || !FreshPressOnCell(c, mouse)) continue;
    lastMouseX = x;
    lastMouseY = y;
    dragging = 1;
    heldCode = armyCode[c - 1];
    heldCell = static_cast<uint8_t>(c);
    ArmyCellHome(c, &returnX, &returnY);
    armyCode[c - 1] = 0;
    shownStack = heldCode;
  }
}

void ArmyExchangeScreen::DropStack(int32_t x, int32_t y, InputDevice* mouse) {
  if (mouse && mouse->PressCut()) return;
  for (int t = 1; t <= kExchangeEntries; ++t) {
    if (!dragging || !heldCode || !InCell(t, x, y) || AnyButton(mouse)) continue;
    const int s = heldCell;
    const int T = t - 1, S = s - 1;
    namesDirty = 1;
    dragging = 0;
    lastTarget = static_cast<uint8_t>(T);
    const uint8_t occupant = armyCode[T];
    armyUsed[T] = 1;
    ArmyCellHome(t, &stackX[T], &stackY[T]);
    armyCell[T] = static_cast<uint8_t>(t);
    if (occupant != 0) {
      // The two stacks change places, each with everything it carries.
      armyCode[T] = heldCode;
      armyUsed[S] = 1;
      stackX[S] = returnX;
      stackY[S] = returnY;
      armyCell[S] = static_cast<uint8_t>(s);
      armyCode[S] = occupant;
      std::swap(armyKind[T], armyKind[S]);
      std::swap(armyAttack[T], armyAttack[S]);
      std::swap(armyShield[T], armyShield[S]);
      std::swap(armyTraining[T], armyTraining[S]);
      std::swap(armyEquipment[T], armyEquipment[S]);
      std::swap(armyCount[T], armyCount[S]);
      std::swap(armyMark1[T], armyMark1[S]);
      std::swap(armyMark2[T], armyMark2[S]);
      std::swap(armyMark3[T], armyMark3[S]);
      std::swap(armyMark4[T], armyMark4[S]);
      std::swap(armyNames[T], armyNames[S]);
    } else {
      armyCode[T] = heldCode;
      armyKind[T] = armyKind[S];
      armyAttack[T] = armyAttack[S];
      armyShield[T] = armyShield[S];
      armyTraining[T] = armyTraining[S];
      armyEquipment[T] = armyEquipment[S];
      armyCount[T] = armyCount[S];
      armyMark1[T] = armyMark1[S];
      armyMark2[T] = armyMark2[S];
      armyMark3[T] = armyMark3[S];
      armyMark4[T] = armyMark4[S];
      if (s != t) {
        armyUsed[S] = 0;
        for (int j = 0; j < kGlyphNameLength; ++j) armyNames[T][j] = armyNames[S][j];
      }
    }
    heldCode = 0;
    if (mouse) {
      mouse->SetLatch(kMouseLeft, 1);
      mouse->SetLatch(kMouseRight, 1);
    }
  }
}

void ArmyExchangeScreen::DragFollow(int32_t x, int32_t y) {
  if (!dragging || !heldCode || !heldCell) return;
  stackX[heldCell - 1] += x - lastMouseX;
  stackY[heldCell - 1] += y - lastMouseY;
  lastMouseX = x;
  lastMouseY = y;
}

void ArmyExchangeScreen::DrawBackground() {
  if (!uiSheet) return;
  uiSheet->Draw(ea::kArmyBackground, 0, 0, 0, kWhite, 6.25f, 4.6875f);
  uiSheet->Draw(ea::kArmyBack, backLook, kBackX, kBackY, kWhite, 1.0f, 1.0f);
  uiSheet->Draw(ea::kArmyTrade, 0, 370, 470, kWhite, 0.9f, 0.9f);
}

void ArmyExchangeScreen::DrawStacks() {
  if (!uiSheet) return;
  for (int c = 1; c <= kExchangeEntries; ++c)
    uiSheet->Draw(ea::kArmyCellFrame, 0, ColumnOf(c).frameX, RowOf(c).frameY, kWhite, 1.75f,
                  1.5625f);
  for (int i = 0; i < kExchangeEntries; ++i) {
    if (!armyUsed[i] || armyCell[i] == heldCell) continue;
    const int cell = armyCell[i];
    if (cell < 1 || cell > kExchangeEntries) continue;
    if (armySheet) armySheet->Draw(armyKind[i], 0, stackX[i], stackY[i], kWhite, 0.86f, 0.86f);
    const Column& col = ColumnOf(cell);
    const Row& row = RowOf(cell);
    if (armyCount[i] < kCountOneDigitBelow) {
      Digit(uiSheet, ea::kArmyCountDigits, armyCount[i], col.oneDigitX, row.countY, 0.8f, 0.8f);
    } else if (armyCount[i] < kCountShownBelow) {
      Digit(uiSheet, ea::kArmyCountDigits, armyCount[i] / 10, col.tensX, row.countY, 0.8f, 0.8f);
      Digit(uiSheet, ea::kArmyCountDigits, armyCount[i], col.unitsX, row.countY, 0.8f, 0.8f);
    }
    const uint8_t marks[4] = {armyMark1[i], armyMark2[i], armyMark3[i], armyMark4[i]};
    const int32_t markX[4] = {col.markLeftX, col.markRightX, col.markLeftX, col.markRightX};
    const int32_t markY[4] = {row.markUpperY, row.markUpperY, row.markLowerY, row.markLowerY};
    for (int m = 0; m < 4; ++m) {
      if (!marks[m]) continue;
      uiSheet->Draw(m == 3 ? ea::kArmySkullMark : ea::kArmyHealMark, 0, markX[m], markY[m], kWhite,
                    0.7f, 0.7f);
    }
  }
}

void ArmyExchangeScreen::DrawStackPanel(int32_t nameX, int32_t nameY, int32_t valueX) {
  if (shownStack && uiSheet) {
    uiSheet->Draw(ea::kArmyPanel, 0, 260, 120, kWhite, 2.2f, 1.8f);
    if (dragging == 1) {
      lastTarget = shownCell = static_cast<uint8_t>(heldCell - 1);
    } else {
      shownCell = lastTarget;
    }
    const int e = shownCell;
    if (e < kExchangeEntries && armyUsed[e]) {
      if (armySheet) armySheet->Draw(armyKind[e], 0, 380, 183, kWhite, 0.89f, 0.89f);
      uiSheet->Draw(ea::kArmyHighlight, 0, ColumnOf(e + 1).highlightX, RowOf(e + 1).highlightY,
                    kWhite, 1.78f, 1.56f);
      exchange_common::DrawLetters(textLetters1, textLetters2, armyNames[e],
                                   nameX - 6 * armyNameLast[e], nameY, 12, 0.75f, 0.9f, uiSheet,
                                   ea::kArmyNameDigits);
      struct Box {
        uint8_t hover;
        int label, icon;
        int32_t labelX, iconX, y, digitsY;
        float sx, sy, labelSx;
        int32_t value, digitsX;
      };
      const Box boxes[4] = {
          {kValueAttack, ea::kArmyAttackLabel, ea::kArmyPanelAttack, 318, 328, 245, 245, 0.8f, 0.8f,
           0.8f, armyAttack[e], valueX},
          {kValueShield, ea::kArmyShieldLabel, ea::kArmyPanelShield, 318, 328, 277, 277, 0.8f, 0.8f,
           0.7f, armyShield[e], valueX},
          {kValueTraining, ea::kArmyTrainingLabel, ea::kArmyPanelTraining, 448, 458, 246, 245, 0.8f,
           0.87f, 0.8f, armyTraining[e], valueX + 130},
          {kValueEquipment, ea::kArmyEquipmentLabel, ea::kArmyPanelEquipment, 448, 458, 277, 277,
           0.69f, 0.87f, 0.69f, armyEquipment[e], valueX + 130},
      };
      for (const Box& b : boxes) {
        if (valueHover == b.hover)
          uiSheet->Draw(b.label, 0, b.labelX, b.y, kWhite, b.labelSx, b.sy);
        else uiSheet->Draw(b.icon, 0, b.iconX, b.y, kWhite, b.sx, b.sy);
        const int32_t v = b.value < 0 ? 0 : b.value % 1000;
        Digit(uiSheet, ea::kArmyCountDigits, v, b.digitsX + 30, b.digitsY, 0.8f, 0.8f);
        if (b.value >= 10)
          Digit(uiSheet, ea::kArmyCountDigits, v / 10, b.digitsX + 15, b.digitsY, 0.8f, 0.8f);
        if (b.value >= 100)
          Digit(uiSheet, ea::kArmyCountDigits, v / 100, b.digitsX, b.digitsY, 0.8f, 0.8f);
      }
    }
  }
  if (heldCode && heldCell && armySheet)
    armySheet->Draw(armyKind[heldCell - 1], 0, stackX[heldCell - 1], stackY[heldCell - 1], kWhite,
                    0.95f, 0.95f);
}

void ArmyExchangeScreen::DrawLeftName(int32_t x, int32_t y) {
  exchange_common::DrawLetters(nameLetters1, nameLetters2, leftName, x + 5 - 7 * leftNameLast, y,
                               14, 0.875f, 1.0f);
}

void ArmyExchangeScreen::DrawRightName(int32_t x, int32_t y) {
  exchange_common::DrawLetters(nameLetters1, nameLetters2, rightName, x + 468 - 7 * rightNameLast,
                               y, 14, 0.875f, 1.0f);
}

namespace {

constexpr exchange_common::TotalsArt kTotalsArt = {
    ea::kArmyHealthDigits,
    ea::kArmyAttackDigits,
    ea::kArmyShieldDigits,
    ea::kArmySeparator,
    ea::kArmyHealthIcon,
    ea::kArmyAttackIcon,
    ea::kArmyShieldIcon,
    45,
    -40,
    29,
    24,
    -39,
};

}  // namespace

void ArmyExchangeScreen::DrawHealth(int32_t x, int32_t y, int32_t health, int32_t maxHealth) {
  exchange_common::DrawHealth(uiSheet, kTotalsArt, x, y, health, maxHealth);
}

void ArmyExchangeScreen::DrawAttack(int32_t x, int32_t y, int32_t value) {
  exchange_common::DrawAttack(uiSheet, kTotalsArt, x, y, value);
}

void ArmyExchangeScreen::DrawShield(int32_t x, int32_t y, int32_t value) {
  exchange_common::DrawShield(uiSheet, kTotalsArt, x, y, value);
}

void ArmyExchangeScreen::DrawLeftFigure(int32_t x, int32_t y) {
  exchange_common::DrawMemberFigure(figure, leftWorn, portraitSheet, 0, leftMember, playerPortrait,
                                    heroPortrait, x, y);
}

void ArmyExchangeScreen::DrawRightFigure(int32_t x, int32_t y) {
  exchange_common::DrawMemberFigure(figure, rightWorn, portraitSheet, 1, rightMember,
                                    playerPortrait, heroPortrait, x, y);
}

void ArmyExchangeScreen::ClearHover() { valueHover = kValueNone; }

void ArmyExchangeScreen::ReleasePictures() {
  DeleteSheet(uiSheet);
  DeleteSheet(armySheet);
  DeleteSheet(nameLetters1);
  DeleteSheet(nameLetters2);
  DeleteSheet(textLetters1);
  DeleteSheet(textLetters2);
  DeleteSheet(portraitSheet);
  ItemCatalog::ReleasePictureSheets(leftWorn);
  ItemCatalog::ReleasePictureSheets(rightWorn);
}
