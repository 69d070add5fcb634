#pragma once
// The rules of the items. An item is known by its one-byte id alone: the id's
// range gives its kind (and so the body slots it fits), its icon, its worn
// picture, its text and its bonus. There is no item data file.
//
// Every screen that shows items keeps its own groups of fields (ItemView,
// WornFigure, ItemPanel) and hands them to the ItemCatalog operations; a
// screen with two figures simply has two WornFigures.

#include <cstddef>
#include <cstdint>

class GraphicsDevice;
class SpriteSheet;

// ItemKind: 1..10 by id range, 0 for the ids that name no item.
constexpr uint8_t kKindNone = 0;
constexpr uint8_t kKindAmulet = 1;  // ids 1..36
constexpr uint8_t kKindHelmet = 2;  // 37..56
constexpr uint8_t kKindTorso = 3;   // 57..86
constexpr uint8_t kKindBelt = 4;    // 87..98
constexpr uint8_t kKindPants = 5;   // 99..126
constexpr uint8_t kKindShoes = 6;   // 127..138
constexpr uint8_t kKindGloves = 7;  // 139..150
constexpr uint8_t kKindRing = 8;    // 151..191
constexpr uint8_t kKindShield = 9;  // 221..232
constexpr uint8_t kKindSword = 10;  // 233..255 (items only up to 250)

constexpr int kItemIdCount = 256;     // per-item tables: entry n for item number n = id - 1
constexpr int kItemIconImages = 255;  // images of a screen's icon sheet
constexpr int kFirstBodyPlace = 12;   // item place of body slot 0 (places 0..11 are the bag)
constexpr int kBodySlotCount = 19;
constexpr int kWornPictureCount = 11;  // body slots with a picture (all but the rings)
constexpr int kItemNameCells = 21;
constexpr int kItemKindCells = kItemNameCells;  // every line of an item's text is one name row

// BodySlot s is item place 12 + s.
enum BodySlot : uint8_t {
  kBodyAmulet1 = 0,
  kBodyAmulet2 = 1,
  kBodyAmulet3 = 2,
  kBodyHelmet = 3,
  kBodyTorso = 4,
  kBodyBelt = 5,
  kBodyPants = 6,
  kBodyShoes = 7,
  kBodyGloves = 8,
  kBodyRing1 = 9,  // rings 1..8 are slots 9..16
  kBodyRing8 = 16,
  kBodyShield = 17,
  kBodySword = 18,
};

// Index of a body slot's reload flag in WornFigure::reloadFlags.
enum WornReload : uint8_t {
  kReloadAmulet1 = 0,
  kReloadAmulet2 = 1,
  kReloadAmulet3 = 2,
  kReloadHelmet = 3,
  kReloadTorso = 4,
  kReloadGloves = 5,
  kReloadPants = 6,
  kReloadShoes = 7,
  kReloadBelt = 8,
  kReloadShield = 9,
  kReloadSword = 10,
};

// The icons of the items a screen shows.
struct ItemView {
  SpriteSheet* iconSheet = nullptr;  // 255 images, owned by the screen; image n shows item number n
  uint8_t itemHeld[kItemIdCount] = {};   // non-zero: the screen shows item number n
  uint8_t iconIndex[kItemIdCount] = {};  // image of iconSheet for item number n
  uint8_t itemKind[kItemIdCount] = {};   // ItemKind of item number n
};

// One figure and the pictures of what it wears. The sheets are owned by the
// screen (one image per picture).
struct WornFigure {
  SpriteSheet* helmetSheet = nullptr;      // 1 image
  SpriteSheet* torsoSheet = nullptr;       // 1
  SpriteSheet* glovesSheet = nullptr;      // 2: left and right glove
  SpriteSheet* pantsSheet = nullptr;       // 1
  SpriteSheet* shoesSheet = nullptr;       // 2: left and right shoe
  SpriteSheet* beltSheet = nullptr;        // 1
  SpriteSheet* amuletSheet = nullptr;      // 3: image k for amulet slot k + 1
  SpriteSheet* shieldSheet = nullptr;      // 1
  SpriteSheet* swordSheet = nullptr;       // 1
  uint8_t bodyItems[kBodySlotCount] = {};  // item id per body slot (item places 12..30)
  uint8_t reloadFlags[kWornPictureCount] =
      {};  // WornReload order; set: load that slot's picture again
};

// The description of one item.
struct ItemPanel {
  uint8_t describedItem = 0;  // id whose text the panel holds, 0 = none
  uint8_t itemBonus = 0;
  uint8_t nameLine1Last = 0;  // index of the last non-zero code of nameLine1
  uint8_t nameLine2Last = 0;
  uint8_t nameLine1[kItemNameCells] = {};
  uint8_t nameLine2[kItemNameCells] = {};
  uint8_t kindLine[kItemKindCells] = {};
};

namespace ItemCatalog {

// --- rules of single ids -------------------------------------------------

// 1 for the ids that name an item (1..191, 221..250), else 0.
int IsItem(int32_t itemId);
// The ItemKind of an id; 0 outside 1..255 and for 192..220.
uint8_t KindOf(int32_t itemId);
// The kind that a body slot takes; 0 for a slot outside 0..18.
uint8_t BodySlotKind(int32_t bodySlot);
// 1 when the id is an item that may be worn in the body slot.
int FitsBodySlot(int32_t itemId, int32_t bodySlot);
// The bonus points of an id; 0 for anything that is no item.
uint8_t BonusOf(int32_t itemId);
// The reload flag of a body slot (WornReload), or -1 for the ring slots and
// anything else without a picture.
int ReloadFlagOf(int32_t bodySlot);
// The icon file of an id and its colour key; 0 (and nothing written) for an
// id without an icon.
int IconFile(int32_t itemId, char* path, size_t size, uint32_t* colourKey);
// The worn picture that body slot s loads for the id: picture 0, and for
// shoes and gloves also picture 1. 0 when the slot loads nothing for it.
int WornPictureFile(int32_t bodySlot, int32_t itemId, int picture, char* path, size_t size,
                    int16_t* frameWidth, int16_t* frameHeight, uint32_t* colourKey);

// --- operations on a screen's fields -------------------------------------

// Fills itemKind and iconIndex and loads the icon of every shown item.
void LoadItemPictures(ItemView& view);
// Creates the nine picture sheets of a figure on the device.
void CreatePictureSheets(WornFigure& figure, GraphicsDevice* device);
// Releases and deletes the nine sheets; safe on a figure without sheets.
void ReleasePictureSheets(WornFigure& figure);
// Loads the pictures of the body slots whose reload flag is set, clearing
// the flags.
void LoadWornItemPictures(WornFigure& figure);
// Writes the item's name lines and kind line into the panel.
void DescribeItem(ItemPanel& panel, int32_t itemId);
// Writes the item's bonus into the panel.
void ItemBonus(ItemPanel& panel, int32_t itemId);
// health = baseHealth + amulets and rings, attack = baseAttack + sword,
// shield = baseShield + every other worn piece; written through the pointers.
void ComputeStatTotals(const WornFigure& figure, int32_t baseHealth, int32_t baseAttack,
                       int32_t baseShield, int32_t* health, int32_t* attack, int32_t* shield);
// Draws the worn pictures of a figure whose left edge is x (the party
// screens pass 255), layer over layer, each only while its slot holds an
// item that fits it. dy moves the whole figure up or down (the party
// screens pass 0).
void DrawWornItems(const WornFigure& figure, int32_t x, int32_t dy = 0);

}  // namespace ItemCatalog
