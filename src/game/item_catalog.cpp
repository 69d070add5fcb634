#include "game/item_catalog.h"

#include <cstdio>

#include "game/figure_layout.h"
#include "game/glyph_name.h"
#include "game/item_data.h"
#include "platform/graphics_device.h"
#include "platform/sprite_sheet.h"

namespace {

struct KindRange {
  uint8_t kind;
  int first, last;  // ids
};

// The kind table. The sword range reaches 255 though only 233..250 are items.
constexpr KindRange kKindRanges[] = {
    {kKindAmulet, 1, 36},    {kKindHelmet, 37, 56},  {kKindTorso, 57, 86},    {kKindBelt, 87, 98},
    {kKindPants, 99, 126},   {kKindShoes, 127, 138}, {kKindGloves, 139, 150}, {kKindRing, 151, 191},
    {kKindShield, 221, 232}, {kKindSword, 233, 255},
};

// The ids that are items of each kind (the kind's range cut to real items).
constexpr int ItemFirst(uint8_t kind) { return kKindRanges[kind - 1].first; }
constexpr int ItemLast(uint8_t kind) {
  return kind == kKindSword ? 250 : kKindRanges[kind - 1].last;
}

// The kind each body slot takes.
constexpr uint8_t kSlotKind[kBodySlotCount] = {
    kKindAmulet, kKindAmulet, kKindAmulet, kKindHelmet, kKindTorso, kKindBelt, kKindPants,
    kKindShoes,  kKindGloves, kKindRing,   kKindRing,   kKindRing,  kKindRing, kKindRing,
    kKindRing,   kKindRing,   kKindRing,   kKindShield, kKindSword,
};

// Row of kItemTable for each id, + 1 (0: no item).
struct EntryIndex {
  uint8_t row[kItemIdCount] = {};
};
constexpr EntryIndex MakeEntryIndex() {
  EntryIndex index;
  for (int r = 0; r < items::kItemTableSize; ++r)
    index.row[items::kItemTable[r].id] = uint8_t(r + 1);
  return index;
}
constexpr EntryIndex kEntryIndex = MakeEntryIndex();

const items::ItemEntry* EntryOf(int32_t itemId) {
  if (itemId < 1 || itemId > 255) return nullptr;
  const int row = kEntryIndex.row[itemId];
  return row ? &items::kItemTable[row - 1] : nullptr;
}

constexpr uint32_t kKeyRed = 0xFFFF0000u;
constexpr uint32_t kKeyBlack = 0xFF000000u;
constexpr uint32_t kFormat = kFormatA1R5G5B5;

// One body slot with a worn picture: where its file lies and where it goes.
struct WornRule {
  uint8_t bodySlot;
  uint8_t reloadFlag;
  uint8_t kind;
  const char* fileStem;  // "Art\\Items\\Helmets\\Helmet" ...
  char suffix;           // amulets: 'a', 'b', 'c' by slot; 0 for none
  bool pair;             // two pictures, suffixes 'a' and 'b'
  bool numberById;       // the file number is the id itself (amulets)
  SpriteSheet* WornFigure::*sheet;
  uint8_t image;  // first image of the sheet
  int16_t frameWidth, frameHeight;
  uint32_t key;
};

// In loading order: amulets 1..3, helmet, torso, belt, pants, shoes,
// gloves, shield, sword.
constexpr WornRule kWornRules[] = {
    {kBodyAmulet1, kReloadAmulet1, kKindAmulet, "Art\\Items\\Amulets\\Amulet", 'a', false, true,
     &WornFigure::amuletSheet, 0, 64, 64, kKeyRed},
    {kBodyAmulet2, kReloadAmulet2, kKindAmulet, "Art\\Items\\Amulets\\Amulet", 'b', false, true,
     &WornFigure::amuletSheet, 1, 64, 64, kKeyRed},
    {kBodyAmulet3, kReloadAmulet3, kKindAmulet, "Art\\Items\\Amulets\\Amulet", 'c', false, true,
     &WornFigure::amuletSheet, 2, 64, 64, kKeyRed},
    {kBodyHelmet, kReloadHelmet, kKindHelmet, "Art\\Items\\Helmets\\Helmet", 0, false, false,
     &WornFigure::helmetSheet, 0, 128, 128, kKeyRed},
    {kBodyTorso, kReloadTorso, kKindTorso, "Art\\Items\\Armor\\Torso", 0, false, false,
     &WornFigure::torsoSheet, 0, 256, 256, kKeyRed},
    {kBodyBelt, kReloadBelt, kKindBelt, "Art\\Items\\Belts\\Belt", 0, false, false,
     &WornFigure::beltSheet, 0, 128, 32, kKeyRed},
    {kBodyPants, kReloadPants, kKindPants, "Art\\Items\\Pants\\Pants", 0, false, false,
     &WornFigure::pantsSheet, 0, 128, 256, kKeyRed},
    {kBodyShoes, kReloadShoes, kKindShoes, "Art\\Items\\Shoes\\Shoe", 0, true, false,
     &WornFigure::shoesSheet, 0, 128, 128, kKeyRed},
    {kBodyGloves, kReloadGloves, kKindGloves, "Art\\Items\\Gloves\\Glove", 0, true, false,
     &WornFigure::glovesSheet, 0, 32, 64, kKeyBlack},
    {kBodyShield, kReloadShield, kKindShield, "Art\\Items\\Shields\\Shield", 0, false, false,
     &WornFigure::shieldSheet, 0, 128, 128, kKeyRed},
    {kBodySword, kReloadSword, kKindSword, "Art\\Items\\Swords\\Sword", 0, false, false,
     &WornFigure::swordSheet, 0, 64, 128, kKeyRed},
};

const WornRule* RuleOf(int32_t bodySlot) {
  for (const WornRule& rule : kWornRules)
    if (rule.bodySlot == bodySlot) return &rule;
  return nullptr;
}

bool InItemRange(const WornRule& rule, int32_t itemId) {
  return itemId >= ItemFirst(rule.kind) && itemId <= ItemLast(rule.kind);
}

// The file of picture 0 or 1 of the rule for an id in its range.
void WornPath(const WornRule& rule, int32_t itemId, int picture, char* path, size_t size) {
  const int number = rule.numberById ? itemId : itemId - ItemFirst(rule.kind) + 1;
  char suffix = rule.suffix;
  if (rule.pair) suffix = picture == 0 ? 'a' : 'b';
  if (suffix) std::snprintf(path, size, "%s%d%c.bmp", rule.fileStem, number, suffix);
  else std::snprintf(path, size, "%s%d.bmp", rule.fileStem, number);
}

// The nine sheets in their order, with their image counts.
struct SheetSlot {
  SpriteSheet* WornFigure::*sheet;
  int32_t images;
};
constexpr SheetSlot kSheets[] = {
    {&WornFigure::helmetSheet, 1}, {&WornFigure::torsoSheet, 1},  {&WornFigure::glovesSheet, 2},
    {&WornFigure::pantsSheet, 1},  {&WornFigure::shoesSheet, 2},  {&WornFigure::beltSheet, 1},
    {&WornFigure::amuletSheet, 3}, {&WornFigure::shieldSheet, 1}, {&WornFigure::swordSheet, 1},
};

// Index of the last non-zero cell, or -1.
int LastCode(const uint8_t* cells, int count) {
  int last = -1;
  for (int i = 0; i < count; ++i)
    if (cells[i] != 0) last = i;
  return last;
}

}  // namespace

namespace ItemCatalog {

int IsItem(int32_t itemId) { return EntryOf(itemId) != nullptr ? 1 : 0; }

uint8_t KindOf(int32_t itemId) {
  for (const KindRange& range : kKindRanges)
    if (itemId >= range.first && itemId <= range.last) return range.kind;
  return kKindNone;
}

uint8_t BodySlotKind(int32_t bodySlot) {
  if (bodySlot < 0 || bodySlot >= kBodySlotCount) return kKindNone;
  return kSlotKind[bodySlot];
}

int FitsBodySlot(int32_t itemId, int32_t bodySlot) {
  const uint8_t kind = BodySlotKind(bodySlot);
  return kind != kKindNone && IsItem(itemId) && KindOf(itemId) == kind ? 1 : 0;
}

uint8_t BonusOf(int32_t itemId) {
  const items::ItemEntry* entry = EntryOf(itemId);
  return entry ? entry->bonus : 0;
}

int ReloadFlagOf(int32_t bodySlot) {
  const WornRule* rule = RuleOf(bodySlot);
  return rule ? rule->reloadFlag : -1;
}

int IconFile(int32_t itemId, char* path, size_t size, uint32_t* colourKey) {
  if (!IsItem(itemId)) return 0;
  if (path && size) std::snprintf(path, size, "Art\\Items\\Item%d.bmp", int(itemId));
  // Two of the icons are cut out against black instead of red.
  if (colourKey) *colourKey = (itemId == 180 || itemId == 181) ? kKeyBlack : kKeyRed;
  return 1;
}

int WornPictureFile(int32_t bodySlot, int32_t itemId, int picture, char* path, size_t size,
                    int16_t* frameWidth, int16_t* frameHeight, uint32_t* colourKey) {
  const WornRule* rule = RuleOf(bodySlot);
  if (!rule || !InItemRange(*rule, itemId)) return 0;
  if (picture < 0 || picture > (rule->pair ? 1 : 0)) return 0;
  if (path && size) WornPath(*rule, itemId, picture, path, size);
  if (frameWidth) *frameWidth = rule->frameWidth;
  if (frameHeight) *frameHeight = rule->frameHeight;
  if (colourKey) *colourKey = rule->key;
  return 1;
}

void LoadItemPictures(ItemView& view) {
  // By item number; the last range runs to the end of the 256-entry tables.
  for (const KindRange& range : kKindRanges) {
    const int lastNumber = range.kind == kKindSword ? kItemIdCount - 1 : range.last - 1;
    for (int n = range.first - 1; n <= lastNumber; ++n) {
      view.itemKind[n] = range.kind;
      view.iconIndex[n] = uint8_t(n);
    }
  }
  if (!view.iconSheet) return;
  char path[64];
  for (int n = 0; n < kItemIconImages; ++n) {
    if (!view.itemHeld[n]) continue;
    uint32_t key = 0;
    if (!IconFile(n + 1, path, sizeof path, &key)) continue;  // ids without an icon load nothing
    view.iconSheet->LoadImage(n, path, 64, 64, key, kFormat);
  }
}

void CreatePictureSheets(WornFigure& figure, GraphicsDevice* device) {
  ReleasePictureSheets(figure);
  for (const SheetSlot& slot : kSheets) {
    SpriteSheet* sheet = new SpriteSheet();
    sheet->Init(device, slot.images);
    sheet->SetAlphaTest(1);
    figure.*slot.sheet = sheet;
  }
}

void ReleasePictureSheets(WornFigure& figure) {
  for (const SheetSlot& slot : kSheets) {
    DeleteSheet(figure.*slot.sheet);
  }
}

void LoadWornItemPictures(WornFigure& figure) {
  char path[64];
  for (const WornRule& rule : kWornRules) {
    if (!figure.reloadFlags[rule.reloadFlag]) continue;
    figure.reloadFlags[rule.reloadFlag] = 0;
    const int32_t id = figure.bodyItems[rule.bodySlot];
    if (!InItemRange(rule, id)) continue;  // empty slot, or an id of another kind
    SpriteSheet* sheet = figure.*rule.sheet;
    if (!sheet) continue;
    const int pictures = rule.pair ? 2 : 1;
    for (int p = 0; p < pictures; ++p) {
      WornPath(rule, id, p, path, sizeof path);
      sheet->LoadImage(rule.image + p, path, rule.frameWidth, rule.frameHeight, rule.key, kFormat);
    }
  }
}

void DescribeItem(ItemPanel& panel, int32_t itemId) {
  for (uint8_t& cell : panel.kindLine) cell = 0;
  const items::ItemEntry* entry = EntryOf(itemId);
  if (entry) {
    const uint8_t kind = KindOf(itemId);
    const char* kindText = kind == kKindSword                           ? items::kWeaponText
                           : (kind == kKindAmulet || kind == kKindRing) ? items::kJewelryText
                                                                        : items::kApparelText;
    GlyphFromText(kindText, panel.kindLine, kItemKindCells);
  }
  for (uint8_t& cell : panel.nameLine1) cell = 0;
  for (uint8_t& cell : panel.nameLine2) cell = 0;
  if (entry) {
    GlyphFromText(entry->name, panel.nameLine1, kItemNameCells);
    char line2[32];
    std::snprintf(line2, sizeof line2, "of %s", entry->word);
    GlyphFromText(line2, panel.nameLine2, kItemNameCells);
  }
  // A line without any code keeps its old last index.
  const int last1 = LastCode(panel.nameLine1, kItemNameCells);
  if (last1 >= 0) panel.nameLine1Last = uint8_t(last1);
  const int last2 = LastCode(panel.nameLine2, kItemNameCells);
  if (last2 >= 0) panel.nameLine2Last = uint8_t(last2);
}

void ItemBonus(ItemPanel& panel, int32_t itemId) { panel.itemBonus = BonusOf(itemId); }

void ComputeStatTotals(const WornFigure& figure, int32_t baseHealth, int32_t baseAttack,
                       int32_t baseShield, int32_t* health, int32_t* attack, int32_t* shield) {
  int32_t totalHealth = baseHealth, totalAttack = baseAttack, totalShield = baseShield;
  for (int s = 0; s < kBodySlotCount; ++s) {
    const int32_t id = figure.bodyItems[s];
    if (!FitsBodySlot(id, s)) continue;
    const int32_t bonus = BonusOf(id);
    const uint8_t kind = kSlotKind[s];
    if (kind == kKindAmulet || kind == kKindRing) totalHealth += bonus;
    else if (kind == kKindSword) totalAttack += bonus;
    else totalShield += bonus;
  }
  if (health) *health = totalHealth;
  if (attack) *attack = totalAttack;
  if (shield) *shield = totalShield;
}

void DrawWornItems(const WornFigure& figure, int32_t x, int32_t dy) {
  using namespace figure_layout;
  struct Layer {
    uint8_t bodySlot;
    SpriteSheet* WornFigure::*sheet;
    uint8_t image;
    WornPlace place;
  };
  // Bottom layer first.
  static constexpr Layer kLayers[] = {
      {kBodyPants, &WornFigure::pantsSheet, 0, kPlacePants},
      {kBodyTorso, &WornFigure::torsoSheet, 0, kPlaceTorso},
      {kBodyAmulet1, &WornFigure::amuletSheet, 0, kPlaceAmulet1},
      {kBodyAmulet2, &WornFigure::amuletSheet, 1, kPlaceAmulet2},
      {kBodyAmulet3, &WornFigure::amuletSheet, 2, kPlaceAmulet3},
      {kBodyHelmet, &WornFigure::helmetSheet, 0, kPlaceHelmet},
      {kBodyBelt, &WornFigure::beltSheet, 0, kPlaceBelt},
      {kBodyShoes, &WornFigure::shoesSheet, 0, kPlaceShoe1},
      {kBodyShoes, &WornFigure::shoesSheet, 1, kPlaceShoe2},
      {kBodyGloves, &WornFigure::glovesSheet, 0, kPlaceGlove1},
      {kBodyGloves, &WornFigure::glovesSheet, 1, kPlaceGlove2},
      {kBodyShield, &WornFigure::shieldSheet, 0, kPlaceShield},
      {kBodySword, &WornFigure::swordSheet, 0, kPlaceSword},
  };
  for (const Layer& layer : kLayers) {
    if (!FitsBodySlot(figure.bodyItems[layer.bodySlot], layer.bodySlot)) continue;
    SpriteSheet* sheet = figure.*layer.sheet;
    const Place& p = kWornPlaces[layer.place];
    if (sheet) sheet->Draw(layer.image, 0, x + p.dx, p.y + dy, 0xFFFFFFFFu, p.scaleX, p.scaleY);
  }
}

}  // namespace ItemCatalog
