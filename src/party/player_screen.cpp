#include "party/player_screen.h"

#include <cstring>

#include "game/game_state.h"
#include "game/glyph_name.h"
#include "game/hero_figure.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"

namespace pa = party_art;

namespace {

constexpr uint32_t kFontHeight = 22;

// Rectangles by pressed id (index 0 unused).
constexpr ScreenRect kButtonRects[kPlayerButtonCount] = {
    {0, 0, 0, 0},       {730, 6, 64, 32},   {570, 200, 64, 32},
    {715, 200, 77, 32}, {600, 410, 32, 32}, {710, 410, 32, 32},
    {715, 219, 64, 32}, {600, 410, 32, 32}, {710, 410, 32, 32},
};

struct ValueBox {
  uint8_t id;
  ScreenRect rect;
};
constexpr int kMemberValueBoxes = 5;
// The member's own values sit in other boxes on the heroes screen; the
// selected army's are the same on both.
constexpr ValueBox kPlayerValueBoxes[kMemberValueBoxes] = {
    {kHoverHealth, {10, 120, 133, 70}},     {kHoverAttack, {10, 210, 133, 60}},
    {kHoverShield, {10, 285, 133, 60}},     {kHoverLevel, {10, 365, 133, 60}},
    {kHoverExperience, {10, 435, 133, 60}},
};
constexpr ValueBox kHeroValueBoxes[kMemberValueBoxes] = {
    {kHoverHealth, {15, 140, 116, 74}},     {kHoverAttack, {15, 222, 115, 58}},
    {kHoverShield, {15, 293, 115, 61}},     {kHoverLevel, {15, 362, 115, 64}},
    {kHoverExperience, {15, 436, 115, 60}},
};
constexpr ValueBox kArmyValueBoxes[] = {
    {kHoverArmyAttack, {550, 240, 125, 34}},
    {kHoverArmyShield, {550, 274, 125, 34}},
    {kHoverArmyTraining, {675, 240, 125, 34}},
    {kHoverArmyEquipment, {675, 274, 125, 34}},
};

bool Inside(const ScreenRect& r, int32_t x, int32_t y) {
  return PointInRect(r.x, r.y, r.w, r.h, x, y) != 0;
}

void Load(SpriteSheet* sheet, int image, const pa::Picture& p) {
  sheet->LoadImage(image, p.path, p.frameWidth, p.frameHeight, p.key, pa::kTextureFormat);
}

}  // namespace

PlayerScreen::~PlayerScreen() { ReleasePictures(); }

void PlayerScreen::LoadPictures(GraphicsDevice* device) {
  uiSheet = NewSheet(device, pa::kPlayerImages);
  for (const pa::SheetEntry& e : pa::kPlayerPictures) Load(uiSheet, e.image, e.picture);
  portraitSheet = NewSheet(device, 1);
  Load(portraitSheet, 0, pa::kPlayerPortraits);
  nameLetters1 = NewSheet(device, 1);
  Load(nameLetters1, 0, pa::kNameLetters1);
  nameLetters2 = NewSheet(device, 1);
  Load(nameLetters2, 0, pa::kNameLetters2);
  textLetters1 = NewSheet(device, 1);
  Load(textLetters1, 0, pa::kTextLetters1);
  textLetters2 = NewSheet(device, 1);
  Load(textLetters2, 0, pa::kTextLetters2);
  armyIcons = NewSheet(device, pa::kArmyIconImages);
  for (const house_art::ArmyIconFile& icon : pa::kArmyIconFiles)
    armyIcons->LoadImage(icon.kind, icon.path, pa::kArmyIconSize, pa::kArmyIconSize, icon.key,
                         pa::kTextureFormat);
  items.view.iconSheet = NewSheet(device, kItemIconImages);
  ItemCatalog::CreatePictureSheets(items.figure, device);
  font = new TextFont;
  font->Create(device, "Arial", kFontHeight, 0, 0, 0, 0);
  font->Begin();
}

void PlayerScreen::ReleasePictures() {
  DeleteSheet(uiSheet);
  DeleteSheet(portraitSheet);
  DeleteSheet(nameLetters1);
  DeleteSheet(nameLetters2);
  DeleteSheet(textLetters1);
  DeleteSheet(textLetters2);
  DeleteSheet(armyIcons);
  DeleteSheet(items.view.iconSheet);
  ItemCatalog::ReleasePictureSheets(items.figure);
  if (font) {
    font->Release();
    delete font;
    font = nullptr;
  }
}

void PlayerScreen::LoadMember(const GameState& state) {
  SetName(state.playerName);
  figureLook = state.playerPortrait;
  items.Load(state.playerItems);
  armies.Load(state.playerArmies);
  armies.selectedArmy = kNoArmyBox;
  for (uint8_t& flag : items.figure.reloadFlags) flag = 1;
  ItemCatalog::LoadWornItemPictures(items.figure);
  ItemCatalog::LoadItemPictures(items.view);
  items.statsDirty = 1;
}

void PlayerScreen::SetName(const uint8_t* letters) {
  std::memcpy(name, letters, sizeof name);
  nameLength = uint8_t(LastFilledCell(name));
}

uint8_t PlayerScreen::ActOnPressed(InputDevice& mouse) {
  const int stillOver = hoverButton == pressedId;
  const int released = stillOver ? int(WaitForMouseRelease(&mouse)) : 1;
  const uint8_t acted = ActOnRelease(released, stillOver);
  // A button that acts as the press leaves it keeps the press: the place
  // or box beneath (the questions' answers lie over the bag) takes none.
  if (acted != kPlayerNoButton && !stillOver) KeepPressTaken(&mouse);
  return acted;
}

uint8_t PlayerScreen::ToggleEmptySlots() {
  showEmptySlots = showEmptySlots ? 0 : 1;
  if (!showEmptySlots) {
    armies.selectedArmy = kNoArmyBox;
    items.chosenItem = 0;
  }
  return showEmptySlots;
}

void PlayerScreen::StoreMember(GameState& state) const {
  std::memcpy(state.playerItems, items.itemSlots, sizeof state.playerItems);
  std::memcpy(state.playerItemHeld, items.view.itemHeld, sizeof state.playerItemHeld);
  std::memcpy(state.playerItemSlot, items.itemSlotOf, sizeof state.playerItemSlot);
  armies.Store(state.playerArmies);
}

bool PlayerScreen::ButtonShown(int id) const {
  switch (id) {
    case kPlayerBack:
    case kPlayerRenameArmy: return true;
    case kPlayerDisband: return armies.selectedArmy != kNoArmyBox;
    case kPlayerDisbandYes:
    case kPlayerDisbandNo: return disbandQuestion != 0;
    case kPlayerToss: return items.chosenItem != 0;
    case kPlayerThrowYes:
    case kPlayerThrowNo: return throwQuestion != 0;
    default: return false;
  }
}

void PlayerScreen::HoverButtons(int32_t x, int32_t y) {
  for (int id = kPlayerBack; id < kPlayerButtonCount; ++id) {
    const bool over = ButtonShown(id) && Inside(kButtonRects[id], x, y);
    if (over) hoverButton = uint8_t(id);
    if (!buttonHeld) buttonLooks[id] = over ? pa::kLookHovered : pa::kLookIdle;
  }
}

void PlayerScreen::HoverTabs(int32_t x, int32_t y, bool heroBoxes) {
  for (const ValueBox& box : heroBoxes ? kHeroValueBoxes : kPlayerValueBoxes)
    if (Inside(box.rect, x, y)) hoverValue = box.id;
  for (const ValueBox& box : kArmyValueBoxes)
    if (Inside(box.rect, x, y)) hoverValue = box.id;
}

int PlayerScreen::ClickButtons(int32_t x, int32_t y, const InputDevice* mouse) {
  for (int id = kPlayerBack; id < kPlayerButtonCount; ++id) {
    const ScreenRect& r = kButtonRects[id];
    if (!ButtonShown(id) || !Inside(r, x, y) || !PressBeganOn(mouse, r)) continue;
    pressedId = uint8_t(id);
    buttonHeld = 1;
    // Back and the throw answers look pressed, the others stay lit. The
    // questions open, and their Yes acts, on the press itself.
    const bool pressedLook = id == kPlayerBack || id == kPlayerThrowYes || id == kPlayerThrowNo;
    buttonLooks[id] = pressedLook ? pa::kLookPressed : pa::kLookHovered;
    switch (id) {
      case kPlayerDisband: disbandQuestion = 1; break;
      case kPlayerDisbandYes:
        armies.Disband(armies.selectedArmy);
        armies.selectedArmy = kNoArmyBox;
        break;
      case kPlayerToss: throwQuestion = 1; break;
      case kPlayerThrowYes: items.ThrowAwayChosen(); break;
      default: break;
    }
    return 1;
  }
  return 0;
}

void PlayerScreen::ClickArmiesAndItems(int32_t x, int32_t y, const InputDevice* mouse) {
  if (items.dragging || items.draggedItem) return;
  const uint8_t box = MemberArmies::BoxAt(x, y);
  if (box != kNoArmyBox) {
    if (!PressBeganOn(mouse, MemberArmies::BoxRect(box))) return;
    armies.selectedArmy = box;
    items.chosenItem = 0;
    return;
  }
  const int place = member_items::PlaceAt(x, y);
  if (place < 0 || !PressBeganOn(mouse, member_items::PlaceRect(place))) return;
  if (items.PickUp(x, y) && items.chosenItem) armies.selectedArmy = kNoArmyBox;
}

void PlayerScreen::StepItems(InputDevice& mouse, int32_t x, int32_t y, bool down) {
  if (!items.dragging) {
    if (down && !pressedId) ClickArmiesAndItems(x, y, &mouse);
  } else if (!down) {
    // Only the player's own release puts an item down; a press cut by the
    // focus leaving the window sends it home.
    if (mouse.PressCut()) items.ReturnToOrigin();
    else items.Drop(x, y);
    mouse.SetLatch(kMouseLeft, 1);
    mouse.SetLatch(kMouseRight, 1);
  }
  items.Follow(x, y);
  ItemCatalog::LoadWornItemPictures(items.figure);
  if (panel.describedItem != items.chosenItem) {
    ItemCatalog::DescribeItem(panel, items.chosenItem);
    ItemCatalog::ItemBonus(panel, items.chosenItem);
    panel.describedItem = uint8_t(items.chosenItem);
  }
}

uint8_t PlayerScreen::ActOnRelease(int released, int stillOver) {
  if (!pressedId) return kPlayerNoButton;
  if (stillOver && !released) return kPlayerNoButton;
  const uint8_t id = pressedId;
  switch (id) {
    case kPlayerDisbandYes:
    case kPlayerDisbandNo:
      disbandQuestion = 0;
      armies.selectedArmy = kNoArmyBox;
      break;
    case kPlayerThrowYes:
    case kPlayerThrowNo: throwQuestion = 0; break;
    default: break;
  }
  buttonLooks[id] = stillOver ? pa::kLookHovered : pa::kLookIdle;
  buttonHeld = 0;
  pressedId = kPlayerNoButton;
  return id;
}
