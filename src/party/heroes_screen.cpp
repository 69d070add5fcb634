#include "party/heroes_screen.h"

#include <algorithm>
#include <iterator>

#include "battle/battle_art.h"
#include "game/hero_figure.h"
#include "map/control_bar_picture.h"
#include "party/heroes_art.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/input_device.h"
#include "platform/sprite_sheet.h"

namespace ha = heroes_art;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr int32_t kStripY = 30;
constexpr int32_t kScreenWidth = 800;
constexpr float kPortraitScale = float(kStripCellSize) / 128.0f;
constexpr float kCellScale = float(kStripCellSize) / 64.0f;
constexpr float kMarkerScale = float(kStripCellSize) / 32.0f;
constexpr MemberLayout kHeroLayout = {144, 14, -20, 184, 260, 335, 1.0f, true};

// The heroes screen's Back button, and the player screen's, whose lower
// edge reaches into the strip's last cell.
constexpr ScreenRect kBackRect = {700, 0, 100, 30};
constexpr ScreenRect kPlayerBackRect = {730, 6, 64, 32};
constexpr ScreenRect kRenameArmyRect = {570, 200, 64, 32};

// Rectangles by HeroButton (index 0 unused).
constexpr ScreenRect kHeroButtonRects[kHeroButtonCount] = {
    {0, 0, 0, 0},      {0, 0, 100, 30},   {100, 0, 100, 30}, {200, 0, 100, 30},
    {300, 0, 100, 30}, {490, 0, 128, 30}, {626, 0, 64, 30},  {484, 180, 64, 32},
};

bool Inside(const ScreenRect& r, int32_t x, int32_t y) {
  return PointInRect(r.x, r.y, r.w, r.h, x, y) != 0;
}

// Digits of a small number: one at onlyX below 10, else tens and units.
void DrawTwoDigits(SpriteSheet* ui, int image, int value, int32_t onlyX, int32_t tensX,
                   int32_t unitsX, int32_t y, float sx, float sy) {
  if (value < 10) {
    ui->Draw(image, value, onlyX, y, kWhite, sx, sy);
    return;
  }
  ui->Draw(image, value / 10 % 10, tensX, y, kWhite, sx, sy);
  ui->Draw(image, value % 10, unitsX, y, kWhite, sx, sy);
}

}  // namespace

HeroesScreen::~HeroesScreen() { ReleaseHeroPictures(); }

void HeroesScreen::LoadHeroPictures(GraphicsDevice* device) {
  // The player screen's sheet with this screen's own pictures in place.
  for (int image : ha::kPlayerOnlyImages) uiSheet->FreeImage(image);
  for (const ha::SheetEntry& e : ha::kHeroesPictures)
    uiSheet->LoadImage(e.image, e.picture.path, e.picture.frameWidth, e.picture.frameHeight,
                       e.picture.key, party_art::kTextureFormat);
  const ha::Picture* shared[] = {&ha::kNameCodeDigitsFile, &ha::kNameLetters1, &ha::kNameLetters2};
  SpriteSheet* sheets[] = {uiSheet, nameLetters1, nameLetters2};
  const int images[] = {ha::kNameCodeDigits, 0, 0};
  for (int i = 0; i < 3; ++i)
    sheets[i]->LoadImage(images[i], shared[i]->path, shared[i]->frameWidth, shared[i]->frameHeight,
                         shared[i]->key, party_art::kTextureFormat);

  heroPortraits = new SpriteSheet;
  heroPortraits->Init(device, kHeroCount);
  heroPortraits->SetAlphaTest(1);
  for (int k = 0; k < kHeroCount; ++k) {
    const battle_art::Picture& p = battle_art::kHeroPortraits[k];
    heroPortraits->LoadImage(k, p.path, p.frameWidth, p.frameHeight, p.key,
                             party_art::kTextureFormat);
  }
}

void HeroesScreen::ReleaseHeroPictures() { DeleteSheet(heroPortraits); }

void HeroesScreen::LoadStrip(const GameState& state) {
  strip.Load(state.heroPresent, state.heroStripPlace);
  strip.AssignPlaces();
}

void HeroesScreen::LoadHero(const GameState& state, int hero) {
  uint8_t heroName[kGlyphNameLength];
  state.GetHeroName(hero, heroName);
  SetName(heroName);
  ++nameLength;  // the hero's name is centred on one letter more
  figureLook = state.heroPortrait[hero];
  items.Load(state.heroItems[hero].items);
  armies.Load(state.heroArmies[hero]);
  // The chosen army box stays chosen from hero to hero; the chosen item and
  // the strip press do not.
  items.chosenItem = 0;
  strip.clickedCell = 0;
  for (uint8_t& flag : items.figure.reloadFlags) flag = 1;
  ItemCatalog::LoadWornItemPictures(items.figure);
  ItemCatalog::LoadItemPictures(items.view);
  items.statsDirty = 1;
}

void HeroesScreen::StoreHero(GameState& state, int hero) const {
  ItemRecord& record = state.heroItems[hero];
  std::copy(std::begin(items.itemSlots), std::end(items.itemSlots), record.items);
  std::copy(std::begin(items.view.itemHeld), std::end(items.view.itemHeld), record.held);
  std::copy(std::begin(items.itemSlotOf), std::end(items.itemSlotOf), record.slot);
  armies.Store(state.heroArmies[hero]);
}

int HeroesScreen::ClickStrip(int32_t x, int32_t y, const InputDevice* mouse) {
  const int cell = HeroStrip::CellAt(x, y);
  if (!cell || !PressBeganOn(mouse, HeroStrip::CellRect(cell))) return 0;
  strip.PressCell(cell);
  return 1;
}

int HeroesScreen::SelectedHero() const {
  return strip.selectedPlace ? strip.HeroAt(strip.selectedPlace) : -1;
}

void HeroesScreen::HoverButtons(int32_t x, int32_t y, bool memberShown) {
  if (memberShown) PlayerScreen::HoverButtons(x, y);
  else if (Inside(kRenameArmyRect, x, y)) hoverButton = kPlayerRenameArmy;
  const bool overBack = Inside(kBackRect, x, y);
  if (overBack) hoverButton = kPlayerBack;
  if (!buttonHeld)
    buttonLooks[kPlayerBack] = overBack ? party_art::kLookHovered : party_art::kLookIdle;
  for (int id = kHeroScrollBack; id < kHeroButtonCount; ++id) {
    const bool over = (id != kHeroName || memberShown) && Inside(kHeroButtonRects[id], x, y);
    if (over) heroHover = uint8_t(id);
    if (!heroPressed) heroLooks[id] = over ? party_art::kLookHovered : party_art::kLookIdle;
  }
}

int HeroesScreen::ClickButtons(int32_t x, int32_t y, bool memberShown, const InputDevice* mouse) {
  // Back stays lit rather than pressed on this screen.
  if (Inside(kBackRect, x, y)) {
    if (!PressBeganOn(mouse, kBackRect)) return 0;
    pressedId = kPlayerBack;
    buttonLooks[kPlayerBack] = party_art::kLookHovered;
    buttonHeld = 1;
    return 1;
  }
  // Rename army answers even with no hero shown; the editor then has no
  // owner to store for.
  if (!memberShown) {
    if (!Inside(kRenameArmyRect, x, y) || !PressBeganOn(mouse, kRenameArmyRect)) return 0;
    pressedId = kPlayerRenameArmy;
    buttonLooks[kPlayerRenameArmy] = party_art::kLookHovered;
    buttonHeld = 1;
    return 1;
  }
  // The player's Back rectangle is the strip's here.
  if (Inside(kPlayerBackRect, x, y)) return 0;
  return PlayerScreen::ClickButtons(x, y, mouse);
}

int HeroesScreen::ClickHeroButtons(int32_t x, int32_t y, bool memberShown,
                                   const InputDevice* mouse) {
  for (int id = kHeroScrollBack; id < kHeroButtonCount; ++id) {
    if (!Inside(kHeroButtonRects[id], x, y)) continue;
    if (id == kHeroName && !memberShown) return 0;
    if (!PressBeganOn(mouse, kHeroButtonRects[id])) return 0;
    heroPressed = uint8_t(id);
    heroLooks[id] = party_art::kLookPressed;
    switch (id) {
      case kHeroScrollBack: strip.Scroll(kScrollBackOne); break;
      case kHeroScrollAhead: strip.Scroll(kScrollForwardOne); break;
      case kHeroScrollPageBack: strip.Scroll(kScrollBackPage); break;
      case kHeroScrollPageAhead: strip.Scroll(kScrollForwardPage); break;
      case kHeroSwitch: strip.switchMode = kSwitchArmed; break;
      case kHeroName: namePressed = 1; break;
      default: break;
    }
    return 1;
  }
  return 0;
}

uint8_t HeroesScreen::ActOnHeroButton(InputDevice& mouse) {
  if (!heroPressed) return kHeroNoButton;
  const bool stillOver = heroHover == heroPressed;
  if (stillOver && !WaitForMouseRelease(&mouse)) return kHeroNoButton;
  // Slid off, the button keeps the press: nothing beneath takes it.
  if (!stillOver) KeepPressTaken(&mouse);
  const uint8_t id = heroPressed;
  if (id <= kHeroScrollPageAhead) strip.scrollArmed = 1;
  if (id == kHeroCounter) {
    countShown = countShown ? 0 : 1;
    if (countShown) strip.selectedPlace = kNoStripPlace;
  }
  if (id == kHeroName) namePressed = 0;
  heroLooks[id] = stillOver ? party_art::kLookHovered : party_art::kLookIdle;
  heroPressed = kHeroNoButton;
  return id;
}

void HeroesScreen::DrawStripBar(SpriteSheet* barSheet, bool memberShown) const {
  SpriteSheet* ui = uiSheet;
  ui->Draw(ha::kBackButton, buttonLooks[kPlayerBack], kBackRect.x, 0, kWhite, 1, 1);
  ui->Draw(ha::kTopFiller, 0, 400, 0, kWhite, 4.6875f, 1.875f);
  for (int i = 0; i < 4; ++i)
    ui->Draw(ha::kScrollBack + i, heroLooks[kHeroScrollBack + i], 100 * i, 0, kWhite, 1, 1);
  for (int k = 0; k < kStripCells; ++k)
    ui->Draw(ha::kStripCell, 0, kStripCellSize * k, kStripY, kWhite, kCellScale, kCellScale);
  ui->Draw(ha::kStripRule, 0, 0, 130, kWhite, 6.25f, 1);
  ui->Draw(ha::kSwitchButton, heroLooks[kHeroSwitch], 490, 0, kWhite, 1, 1);
  ui->Draw(ha::kCountButton, heroLooks[kHeroCounter], 626, 0, kWhite, 1, 1);
  // The member's ground: the parchment and army boxes while a hero is
  // shown, else the control bar's empty background.
  if (memberShown) {
    for (int j = 0; j < 2; ++j)
      for (int i = 0; i < 4; ++i)
        ui->Draw(ha::kMemberTile, 0, 200 * i, 134 + 233 * j, kWhite, 1.5625f, 1.82f);
    for (int b = 0; b < kArmySlots; ++b)
      ui->Draw(ha::kArmyBox, 0, b < 5 ? 1 + 133 * b : 666, 500, kWhite, 2.083f, 1.5625f);
  } else if (barSheet) {
    barSheet->Draw(kBarPartyBack, 0, 0, 134, kWhite, 3.125f, 1.821f);
  }
  if (countShown) {
    ui->Draw(ha::kCountPanel, 0, 283, 155, kWhite, 1.2f, 1.1f);
    ui->Draw(ha::kCountColon, 0, 450, 167, kWhite, 1.1f, 1.1f);
    ui->Draw(ha::kCountColon, 0, 450, 192, kWhite, 1.1f, 1.1f);
    DrawTwoDigits(ui, ha::kCountDigits, strip.heroCount, 485, 477, 513, 160, 1.2f, 1.25f);
  }
  DrawTwoDigits(ui, ha::kPlaceDigits, strip.firstPlace, 435, 426, 442, 0, 1, 1);

  // The portraits of the places in view, and the selection marker.
  for (int k = 0; k < kHeroCount; ++k) {
    if (!strip.heroPresent[k] || !strip.heroPlace[k]) continue;
    const int32_t x = strip.stripOffset + strip.heroX[k];
    if (x >= 0 && x < kScreenWidth)
      heroPortraits->Draw(k, 0, x, kStripY, kWhite, kPortraitScale, kPortraitScale);
  }
  const int32_t markerX = strip.markerX + strip.stripOffset;
  if (strip.selectedPlace && markerX >= 0 && markerX < kScreenWidth)
    ui->Draw(strip.switchMode == kSwitchIdle ? ha::kStripMarker : ha::kSwitchMarker, 0, markerX,
             kStripY, kWhite, kMarkerScale, kMarkerScale);
}

void HeroesScreen::DrawHeroes(const HeroFigure* figure, SpriteSheet* barSheet,
                              const GameState& state, int hero, ControlBar* hideShow) const {
  const bool shown = hero >= 0 && hero < kHeroCount;
  DrawStripBar(barSheet, shown);
  if (!shown) return;
  SpriteSheet* ui = uiSheet;
  const uint8_t nameLook = heroLooks[kHeroName];
  ui->Draw(ha::kNameButton, nameLook, 484, 180, kWhite, 1, 1);
  if (nameLook == party_art::kLookIdle) ui->Draw(ha::kNameCaption, 0, 492, 186, kWhite, 1.4f, 1.1f);
  else ui->Draw(ha::kNameCaptionLit, 0, 486, 182, kWhite, 0.75f, 0.9f);
  const MemberValues values = {state.heroStats[kStatHealth][hero],
                               state.heroStats[kStatMaxHealth][hero],
                               state.heroStats[kStatAttack][hero],
                               state.heroStats[kStatShield][hero],
                               state.heroLevel[hero],
                               uint32_t(state.heroStats[kStatExperience][hero])};
  const MemberHead head = {heroPortraits, hero, 0, 193};
  DrawMember(figure, values, head, FigureLook(state.heroPortrait[hero]), kHeroLayout, hideShow);
}
