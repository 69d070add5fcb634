#include "party/heroes_screen.h"

#include <algorithm>
#include <iterator>

#include "battle/battle_art.h"
#include "game/hero_figure.h"
#include "platform/graphics_device.h"
#include "platform/hit_test.h"
#include "platform/sprite_sheet.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr int32_t kStripY = 30;
constexpr float kPortraitScale = float(kStripCellSize) / 128.0f;
constexpr int32_t kNameButtonX = 170;
constexpr int32_t kNameButtonY = 136;
constexpr MemberLayout kHeroLayout = {144, 28, -20, 184, 260, 335, 1.0f};

}  // namespace

HeroesScreen::~HeroesScreen() { ReleaseHeroPictures(); }

void HeroesScreen::LoadHeroPictures(GraphicsDevice* device) {
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
  figureLook = state.heroPortrait[hero];
  items.Load(state.heroItems[hero].items);
  armies.Load(state.heroArmies[hero]);
  armies.selectedArmy = kNoArmyBox;
  items.chosenItem = 0;
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

int HeroesScreen::ClickStrip(int32_t x, int32_t y) {
  const int cell = HeroStrip::CellAt(x, y);
  if (!cell) return 0;
  strip.PressCell(cell);
  return 1;
}

int HeroesScreen::ClickNameButton(int32_t x, int32_t y) {
  if (!PointInRect(kNameButtonX, kNameButtonY, 64, 32, x, y)) return 0;
  namePressed = 1;
  return 1;
}

int HeroesScreen::SelectedHero() const {
  return strip.selectedPlace ? strip.HeroAt(strip.selectedPlace) : -1;
}

void HeroesScreen::DrawHeroes(const HeroFigure* figure, const GameState& state, int hero) const {
  SpriteSheet* ui = uiSheet;
  ui->Draw(party_art::kTopBar, 0, 0, 0, kWhite, 6.25f, 4.375f);
  ui->Draw(party_art::kBackButton, buttonLooks[kPlayerBack], 730, 0, kWhite, 1, 0.9f);
  for (int cell = 1; cell <= kStripCells; ++cell) {
    const int place = strip.firstPlace + cell;
    const int32_t x = (cell - 1) * kStripCellSize;
    const int h = strip.HeroAt(place);
    if (h >= 0) heroPortraits->Draw(h, 0, x, kStripY, kWhite, kPortraitScale, kPortraitScale);
    if (place == strip.selectedPlace)
      ui->Draw(party_art::kArmySelection, 0, x, kStripY, kWhite, 3.125f, 3.125f);
  }
  ui->Draw(party_art::kMemberBack, 0, 0, 130, kWhite, 3.125f, 1.445f);
  ui->Draw(party_art::kValuePanel, 0, 0, 130, kWhite, 1.25f, 1.445f);
  for (int b = 0; b < kArmySlots; ++b)
    ui->Draw(party_art::kArmyBox, 0, b < 5 ? 1 + 133 * b : 666, 500, kWhite, 2.083f, 1.5625f);
  if (hero < 0 || hero >= kHeroCount) return;
  const MemberValues values = {state.heroStats[kStatHealth][hero],
                               state.heroStats[kStatMaxHealth][hero],
                               state.heroStats[kStatAttack][hero],
                               state.heroStats[kStatShield][hero],
                               state.heroLevel[hero],
                               uint32_t(state.heroStats[kStatExperience][hero])};
  const MemberHead head = {heroPortraits, hero, 0, 193};
  ui->Draw(party_art::kRenameButton, namePressed ? party_art::kLookPressed : party_art::kLookIdle,
           kNameButtonX, kNameButtonY, kWhite, 1, 1);
  DrawMember(figure, values, head, FigureLook(state.heroPortrait[hero]), kHeroLayout);
}
