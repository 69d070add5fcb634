#include "party/item_exchange_screen.h"

#include <cstring>

#include "game/game_state.h"
#include "party/exchange_art.h"
#include "platform/hit_test.h"
#include "platform/sprite_sheet.h"

namespace {

namespace ea = exchange_art;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// A body slot on one figure: where its item's icon lies, where it is picked
// up and dropped on, and the outline shown while it is empty.
struct SlotSpot {
  int32_t iconX, iconY;
  ScreenRect rect;
  int outline;
  int32_t outlineX, outlineY;
};

// Body slots 12..30 of the left figure, then of the right figure.
constexpr SlotSpot kSlots[2][kBodySlotCount] = {
    {
        {255, 155, {265, 150, 45, 70}, ea::kItemMarkAmulet, 260, 159},
        {300, 155, {310, 150, 45, 70}, ea::kItemMarkAmulet, 305, 159},
        {345, 155, {355, 150, 45, 70}, ea::kItemMarkAmulet, 350, 159},
        {250, 85, {255, 85, 50, 55}, ea::kItemMarkHelmet, 255, 84},
        {55, 160, {55, 160, 65, 65}, ea::kItemMarkTorso, 60, 164},
        {281, 313, {285, 328, 55, 33}, ea::kItemMarkBelt, 285, 314},
        {225, 330, {230, 330, 45, 70}, ea::kItemMarkPants, 230, 334},
        {281, 348, {275, 361, 75, 44}, ea::kItemMarkShoes, 285, 350},
        {305, 85, {305, 80, 60, 60}, ea::kItemMarkGloves, 310, 84},
        {12, 283, {22, 290, 36, 40}, ea::kItemMarkRing, 15, 285},
        {46, 283, {58, 290, 34, 40}, ea::kItemMarkRing, 48, 285},
        {80, 283, {92, 290, 34, 40}, ea::kItemMarkRing, 81, 285},
        {113, 283, {126, 290, 34, 40}, ea::kItemMarkRing, 114, 285},
        {204, 283, {218, 290, 34, 40}, ea::kItemMarkRing, 208, 285},
        {238, 283, {252, 290, 34, 40}, ea::kItemMarkRing, 241, 285},
        {272, 283, {286, 290, 34, 40}, ea::kItemMarkRing, 274, 285},
        {306, 283, {320, 290, 34, 40}, ea::kItemMarkRing, 307, 285},
        {320, 220, {325, 225, 60, 60}, ea::kItemMarkShield, 315, 224},
        {270, 227, {290, 220, 40, 72}, ea::kItemMarkSword, 265, 219},
    },
    {
        {664, 155, {670, 150, 45, 70}, ea::kItemMarkAmulet, 670, 159},
        {710, 155, {715, 150, 45, 70}, ea::kItemMarkAmulet, 712, 159},
        {750, 155, {760, 150, 45, 70}, ea::kItemMarkAmulet, 754, 159},
        {440, 85, {445, 85, 50, 55}, ea::kItemMarkHelmet, 442, 84},
        {460, 150, {460, 160, 65, 65}, ea::kItemMarkTorso, 468, 150},
        {486, 313, {490, 328, 55, 33}, ea::kItemMarkBelt, 490, 314},
        {434, 330, {445, 330, 45, 70}, ea::kItemMarkPants, 440, 334},
        {485, 348, {490, 361, 75, 44}, ea::kItemMarkShoes, 490, 350},
        {500, 85, {500, 80, 60, 60}, ea::kItemMarkGloves, 505, 84},
        {432, 283, {444, 290, 36, 40}, ea::kItemMarkRing, 435, 285},
        {466, 283, {480, 290, 34, 40}, ea::kItemMarkRing, 468, 285},
        {499, 283, {514, 290, 34, 40}, ea::kItemMarkRing, 501, 285},
        {533, 283, {548, 290, 34, 40}, ea::kItemMarkRing, 534, 285},
        {625, 283, {637, 290, 34, 40}, ea::kItemMarkRing, 628, 285},
        {658, 283, {671, 290, 34, 40}, ea::kItemMarkRing, 661, 285},
        {691, 283, {705, 290, 34, 40}, ea::kItemMarkRing, 694, 285},
        {725, 283, {739, 290, 34, 40}, ea::kItemMarkRing, 727, 285},
        {475, 220, {480, 225, 60, 60}, ea::kItemMarkShield, 475, 224},
        {430, 220, {440, 220, 40, 72}, ea::kItemMarkSword, 425, 219},
    },
};
constexpr int32_t kRightBagX = 544;
constexpr int32_t kBagTop = 408;
constexpr int kBagColumns = 4;
constexpr int32_t kCell = kItemIconSize;

// Right-figure slots whose icon spot moves once an item arrives by a drop
// or a return rather than by the opening layout.
struct ArrivalSpot {
  int place;
  int32_t droppedX, droppedY, returnedX, returnedY;
};
constexpr ArrivalSpot kRightArrivals[] = {
    {kFirstBodyPlace + kBodyPants, 430, 334, 434, 330},
    {kFirstBodyPlace + kBodySword, 430, 227, 430, 227},
};

const SlotSpot& SpotOf(uint8_t side, int place) {
  return kSlots[side == kItemSideRight ? 1 : 0][place - kFirstBodyPlace];
}

bool ValidId(int32_t id) { return id >= 1 && id < kItemIdCount; }

constexpr exchange_common::TotalsArt kTotalsArt = {
    ea::kItemHealthDigits,
    ea::kItemAttackDigits,
    ea::kItemShieldDigits,
    ea::kItemSlash,
    ea::kItemHealthIcon,
    ea::kItemAttackIcon,
    ea::kItemShieldIcon,
    50,
    -46,
    26,
    26,
    -40,
};

using exchange_common::Load;

void SyncBody(WornFigure& worn, const uint8_t* places) {
  std::memcpy(worn.bodyItems, places + kFirstBodyPlace, sizeof worn.bodyItems);
}

}  // namespace

ScreenRect ExchangePlaceRect(uint8_t side, int place) {
  if (member_items::IsBagPlace(place)) {
    const int32_t left = side == kItemSideRight ? kRightBagX : 0;
    return {left + kCell * (place % kBagColumns), kBagTop + kCell * (place / kBagColumns), kCell,
            kCell};
  }
  return SpotOf(side, place).rect;
}

void ExchangeIconPlace(uint8_t side, int place, int32_t* x, int32_t* y, IconArrival arrival) {
  if (member_items::IsBagPlace(place)) {
    const ScreenRect r = ExchangePlaceRect(side, place);
    *x = r.x;
    *y = r.y;
    return;
  }
  *x = SpotOf(side, place).iconX;
  *y = SpotOf(side, place).iconY;
  if (side != kItemSideRight || arrival == IconArrival::kLaidOut) return;
  for (const ArrivalSpot& a : kRightArrivals) {
    if (a.place != place) continue;
    *x = arrival == IconArrival::kDropped ? a.droppedX : a.returnedX;
    *y = arrival == IconArrival::kDropped ? a.droppedY : a.returnedY;
  }
}

ItemExchangeScreen::ItemExchangeScreen() = default;

ItemExchangeScreen::~ItemExchangeScreen() { ReleasePictures(); }

void ItemExchangeScreen::Reset() {
  heldItem = 0;
  dragging = sourcePlace = sourceSide = 0;
  backLook = backPressed = backHovered = backArmed = 0;
  totalsDirty = 0;
  panel = ItemPanel{};
  for (uint8_t& p : heroPortrait) p = 0;
  showWornIcons = 1;
  for (uint8_t& f : leftWorn.reloadFlags) f = 1;
  for (uint8_t& f : rightWorn.reloadFlags) f = 1;
  lastMouseX = lastMouseY = markerX = markerY = returnX = returnY = 0;
  describedItem = 0;
}

void ItemExchangeScreen::LoadPictures(GraphicsDevice* device) {
  view.iconSheet = NewSheet(device, kItemIconImages);
  uiSheet = NewSheet(device, ea::kItemUiImages);
  for (const ea::NumberedPicture& p : ea::kItemUiPictures) Load(uiSheet, p.image, p.picture);
  exchange_common::LoadLetterSheets(device, &nameLetters1, &nameLetters2, &textLetters1,
                                    &textLetters2);
}

void ItemExchangeScreen::CreatePictureSheets(GraphicsDevice* device) {
  ItemCatalog::CreatePictureSheets(leftWorn, device);
  ItemCatalog::CreatePictureSheets(rightWorn, device);
}

void ItemExchangeScreen::LoadPortraits(GraphicsDevice* device) {
  portraitSheet = NewSheet(device, 2);
  exchange_common::LoadMemberPortrait(portraitSheet, 0, leftMember, playerPortrait,
                                      ea::kArmyPlayerPortraits);
  exchange_common::LoadMemberPortrait(portraitSheet, 1, rightMember, playerPortrait,
                                      ea::kArmyPlayerPortraits);
}

void ItemExchangeScreen::Layout(uint8_t side) {
  const uint8_t* places = Places(side);
  for (int p = 0; p < kExchangePlaces; ++p)
    if (ValidId(places[p])) PutItem(side, p, places[p]);
}

void ItemExchangeScreen::LayoutLeftItems() { Layout(kItemSideLeft); }
void ItemExchangeScreen::LayoutRightItems() { Layout(kItemSideRight); }

void ItemExchangeScreen::MergeHeldFlags() {
  for (int n = 0; n < kItemIdCount; ++n) view.itemHeld[n] = leftHeld[n] || rightHeld[n] ? 1 : 0;
}

void ItemExchangeScreen::LoadItemPictures() { ItemCatalog::LoadItemPictures(view); }

void ItemExchangeScreen::LoadLeftWornItemPictures() {
  SyncBody(leftWorn, leftItems);
  ItemCatalog::LoadWornItemPictures(leftWorn);
}

void ItemExchangeScreen::LoadRightWornItemPictures() {
  SyncBody(rightWorn, rightItems);
  ItemCatalog::LoadWornItemPictures(rightWorn);
}

void ItemExchangeScreen::UpdateLengths() {
  leftNameLast = exchange_common::LastLetter(leftName, 0);
  rightNameLast = exchange_common::LastLetter(rightName, 0);
}

void ItemExchangeScreen::HoverBack(int32_t x, int32_t y) {
  exchange_common::BackButton{backLook, backHovered, backPressed, backArmed}.Hover(x, y);
}

uint32_t ItemExchangeScreen::ClickBack(int32_t x, int32_t y, InputDevice* mouse) {
  return exchange_common::BackButton{backLook, backHovered, backPressed, backArmed}.Click(x, y,
                                                                                          mouse);
}

void ItemExchangeScreen::PutItem(uint8_t side, int place, int32_t itemId, IconArrival arrival) {
  Places(side)[place] = uint8_t(itemId);
  if (!ValidId(itemId)) return;
  itemPlace[itemId - 1] = uint8_t(place);
  ExchangeIconPlace(side, place, &itemX[itemId - 1], &itemY[itemId - 1], arrival);
}

void ItemExchangeScreen::FlagWorn(int place) {
  if (member_items::IsBagPlace(place)) return;
  const int flag = ItemCatalog::ReloadFlagOf(place - kFirstBodyPlace);
  if (flag < 0) return;
  leftWorn.reloadFlags[flag] = 1;
  rightWorn.reloadFlags[flag] = 1;
}

int ItemExchangeScreen::PickUp(int32_t x, int32_t y, const InputDevice* mouse) {
  if (dragging || heldItem) return 0;
  for (uint8_t side : {kItemSideLeft, kItemSideRight}) {
    for (int p = 0; p < kExchangePlaces; ++p) {
      const ScreenRect r = ExchangePlaceRect(side, p);
      if (!PointInRect(r.x, r.y, r.w, r.h, x, y)) continue;
      if (!PressBeganOn(mouse, r)) return 0;
      uint8_t* places = Places(side);
      heldItem = places[p];
      places[p] = 0;
      sourceSide = side;
      sourcePlace = uint8_t(p);
      ExchangeIconPlace(side, p, &returnX, &returnY, IconArrival::kReturned);
      lastMouseX = x;
      lastMouseY = y;
      dragging = 1;
      describedItem = heldItem;
      if (member_items::IsBagPlace(p)) {
        markerX = returnX;
        markerY = returnY;
      } else {
        totalsDirty = 1;
      }
      return 1;
    }
  }
  return 0;
}

int ItemExchangeScreen::Drop(int32_t x, int32_t y) {
  if (!dragging || !ValidId(heldItem)) return 0;
  for (uint8_t side : {kItemSideLeft, kItemSideRight}) {
    for (int p = 0; p < kExchangePlaces; ++p) {
      const ScreenRect r = ExchangePlaceRect(side, p);
      if (!PointInRect(r.x, r.y, r.w, r.h, x, y)) continue;
      const int32_t lying = Places(side)[p];
      if (member_items::DropRule(heldItem, sourcePlace, p, lying) ==
          member_items::DropOutcome::kPlaced) {
        PutItem(sourceSide, sourcePlace, lying, IconArrival::kReturned);
        PutItem(side, p, heldItem, IconArrival::kDropped);
        FlagWorn(p);
        if (lying || !member_items::IsBagPlace(p)) FlagWorn(sourcePlace);
        if (!member_items::IsBagPlace(p)) totalsDirty = 1;
        dragging = 0;
        heldItem = 0;
      } else {
        ReturnHeldItem();
      }
      if (member_items::IsBagPlace(p)) ExchangeIconPlace(side, p, &markerX, &markerY);
      return 1;
    }
  }
  return 0;
}

void ItemExchangeScreen::ReturnHeldItem() {
  if (ValidId(heldItem)) PutItem(sourceSide, sourcePlace, heldItem, IconArrival::kReturned);
  dragging = 0;
  heldItem = 0;
}

void ItemExchangeScreen::DragFollow(int32_t x, int32_t y) {
  if (dragging && ValidId(heldItem)) {
    itemX[heldItem - 1] += x - lastMouseX;
    itemY[heldItem - 1] += y - lastMouseY;
  }
  lastMouseX = x;
  lastMouseY = y;
}

void ItemExchangeScreen::ComputeLeftStatTotals(int32_t baseHealth, int32_t baseAttack,
                                               int32_t baseShield, int32_t* health, int32_t* attack,
                                               int32_t* shield) {
  SyncBody(leftWorn, leftItems);
  ItemCatalog::ComputeStatTotals(leftWorn, baseHealth, baseAttack, baseShield, health, attack,
                                 shield);
}

void ItemExchangeScreen::ComputeRightStatTotals(int32_t baseHealth, int32_t baseAttack,
                                                int32_t baseShield, int32_t* health,
                                                int32_t* attack, int32_t* shield) {
  SyncBody(rightWorn, rightItems);
  ItemCatalog::ComputeStatTotals(rightWorn, baseHealth, baseAttack, baseShield, health, attack,
                                 shield);
}

void ItemExchangeScreen::SettleOwners() {
  for (int p = 0; p < kExchangePlaces; ++p) {
    if (ValidId(leftItems[p])) {
      leftHeld[leftItems[p] - 1] = 1;
      rightHeld[leftItems[p] - 1] = 0;
    }
    if (ValidId(rightItems[p])) {
      rightHeld[rightItems[p] - 1] = 1;
      leftHeld[rightItems[p] - 1] = 0;
    }
  }
}

void ItemExchangeScreen::DrawBackground() {
  if (!uiSheet) return;
  uiSheet->Draw(ea::kItemBackground, 0, 0, 0, kWhite, 6.25f, 3.1875f);
  uiSheet->Draw(ea::kItemBack, backLook, 730, 6, kWhite, 1.0f, 1.0f);
}

void ItemExchangeScreen::DrawLeftName(int32_t x, int32_t y) {
  exchange_common::DrawLetters(nameLetters1, nameLetters2, leftName, x + 5 - 7 * leftNameLast, y,
                               14, 0.875f, 1.0f);
}

void ItemExchangeScreen::DrawRightName(int32_t x, int32_t y) {
  exchange_common::DrawLetters(nameLetters1, nameLetters2, rightName, x + 5 - 7 * rightNameLast, y,
                               14, 0.875f, 1.0f);
}

namespace {

// The outlines of a figure's empty body slots.
void DrawOutlines(SpriteSheet* ui, const uint8_t* places, int side) {
  if (!ui) return;
  for (int s = 0; s < kBodySlotCount; ++s) {
    if (places[kFirstBodyPlace + s]) continue;
    const SlotSpot& spot = kSlots[side][s];
    const float scale = s == kBodySword ? 1.1f : 0.9f;
    ui->Draw(spot.outline, 0, spot.outlineX, spot.outlineY, kWhite, scale, scale);
  }
}

}  // namespace

void ItemExchangeScreen::DrawLeftFigure(int32_t x, int32_t y) {
  exchange_common::DrawMemberFigure(figure, leftWorn, portraitSheet, 0, leftMember, playerPortrait,
                                    heroPortrait, x, y);
  if (showWornIcons) DrawOutlines(uiSheet, leftItems, 0);
}

void ItemExchangeScreen::DrawRightFigure(int32_t x, int32_t y) {
  exchange_common::DrawMemberFigure(figure, rightWorn, portraitSheet, 1, rightMember,
                                    playerPortrait, heroPortrait, x, y);
  if (showWornIcons) DrawOutlines(uiSheet, rightItems, 1);
}

void ItemExchangeScreen::DrawBags() {
  if (!uiSheet) return;
  for (int32_t bx : {0, kRightBagX})
    for (int r = 0; r < 3; ++r)
      uiSheet->Draw(ea::kItemBagRow, 0, bx, kBagTop + kCell * r, kWhite, 2.0f, 2.0f);
  if (describedItem && markerY)
    uiSheet->Draw(ea::kItemBagMarker, 0, markerX, markerY, kWhite, 2.0f, 2.0f);
}

void ItemExchangeScreen::DrawHealth(int32_t x, int32_t y, int32_t health, int32_t maxHealth) {
  exchange_common::DrawHealth(uiSheet, kTotalsArt, x, y, health, maxHealth);
}

void ItemExchangeScreen::DrawAttack(int32_t x, int32_t y, int32_t value) {
  exchange_common::DrawAttack(uiSheet, kTotalsArt, x, y, value);
}

void ItemExchangeScreen::DrawShield(int32_t x, int32_t y, int32_t value) {
  exchange_common::DrawShield(uiSheet, kTotalsArt, x, y, value);
}

namespace {

// The icons of the items a side's owned table names, where they lie now.
void DrawOwnedIcons(const ItemExchangeScreen& s, const uint8_t* held) {
  if (!s.view.iconSheet) return;
  for (int n = 0; n < kItemIdCount; ++n) {
    if (!held[n] || n + 1 == s.heldItem) continue;
    if (!s.showWornIcons && s.itemPlace[n] >= kFirstBodyPlace) continue;
    s.view.iconSheet->Draw(s.view.iconIndex[n], 0, s.itemX[n], s.itemY[n], kWhite, 1.0f, 1.0f);
  }
}

}  // namespace

void ItemExchangeScreen::DrawLeftItems() { DrawOwnedIcons(*this, leftHeld); }
void ItemExchangeScreen::DrawRightItems() { DrawOwnedIcons(*this, rightHeld); }

void ItemExchangeScreen::DrawItemPanel(int32_t x, int32_t y) {
  if (!uiSheet) return;
  uiSheet->Draw(ea::kItemPanel, 0, 257, 408, kWhite, 2.24f, 1.5f);
  if (!ValidId(describedItem)) {
    uiSheet->Draw(ea::kItemNoItem, 0, 368, 472, kWhite, 1.0f, 1.0f);
    return;
  }
  if (view.iconSheet)
    view.iconSheet->Draw(view.iconIndex[describedItem - 1], 0, x - 27, y + 64, kWhite, 1.2f, 1.16f);
  if (panel.describedItem != describedItem) return;
  exchange_common::DrawLetters(textLetters1, textLetters2, panel.nameLine1,
                               x - 7 * panel.nameLine1Last, y, 14, 0.875f, 0.9f, nullptr, 0,
                               kItemNameCells);
  exchange_common::DrawLetters(textLetters1, textLetters2, panel.nameLine2,
                               x + 5 - 7 * panel.nameLine2Last, y + 31, 14, 0.875f, 0.9f, nullptr,
                               0, kItemNameCells);
  exchange_common::DrawLetters(textLetters1, textLetters2, panel.kindLine, x - 39, y + 145, 13,
                               0.8125f, 0.75f, nullptr, 0, kItemKindCells);
  if (!panel.kindLine[0] && !panel.kindLine[1]) return;
  const int32_t bonus = panel.itemBonus;
  const int32_t by = y + 140;
  uiSheet->Draw(ea::kItemBonusDigits, bonus % 10, x - 60, by, kWhite, 1.0f, 1.0f);
  if (bonus >= 10) uiSheet->Draw(ea::kItemBonusDigits, bonus / 10 % 10, x - 76, by, kWhite, 1, 1);
  if (bonus >= 100) uiSheet->Draw(ea::kItemBonusDigits, bonus / 100, x - 92, by, kWhite, 1, 1);
}

void ItemExchangeScreen::DrawDraggedItem() {
  if (!ValidId(heldItem) || !view.iconSheet) return;
  const int n = heldItem - 1;
  view.iconSheet->Draw(view.iconIndex[n], 0, itemX[n], itemY[n], kWhite, 1.2f, 1.2f);
}

void ItemExchangeScreen::ReleasePictures() {
  DeleteSheet(uiSheet);
  DeleteSheet(nameLetters1);
  DeleteSheet(nameLetters2);
  DeleteSheet(textLetters1);
  DeleteSheet(textLetters2);
  DeleteSheet(portraitSheet);
  DeleteSheet(view.iconSheet);
  ItemCatalog::ReleasePictureSheets(leftWorn);
  ItemCatalog::ReleasePictureSheets(rightWorn);
}
