// Loading item icons and worn pictures into a screen's sheets (headless
// device, the generated game folder as the working directory).

#include <gtest/gtest.h>

#include "game/item_catalog.h"
#include "platform/asset_log.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"
#include "platform/sprite_sheet.h"

namespace {

class ItemPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBackend(Backend::Headless);
    headless::Reset();
    ClearMissingAssets();
    ASSERT_EQ(device.CreateDirect3D(), 1u);
    ASSERT_EQ(device.CreateDevice(nullptr, 0, 0, 800, 600, 16), 1u);
  }
  void TearDown() override { device.Release(); }

  static bool Loaded(const SpriteSheet* sheet, int image) {
    return sheet && image < sheet->count && sheet->textures[image].texture != nullptr;
  }
  // Alpha of a picture's top-left pixel: 0 where the colour key cut it out.
  static uint32_t CornerAlpha(const SpriteSheet* sheet, int image) {
    return sheet->textures[image].texture->pixels[0] >> 24;
  }

  GraphicsDevice device;
};

}  // namespace

TEST_F(ItemPictureTest, IconsFollowTheHeldFlags) {
  ItemView view;
  view.iconSheet = new SpriteSheet();
  ASSERT_EQ(view.iconSheet->Init(&device, kItemIconImages), 1u);

  // Nothing held: no icon, but the kind and icon tables are filled.
  ItemCatalog::LoadItemPictures(view);
  for (int n = 0; n < kItemIconImages; ++n) EXPECT_FALSE(Loaded(view.iconSheet, n)) << n;
  EXPECT_EQ(view.itemKind[0], kKindAmulet);
  EXPECT_EQ(view.itemKind[150], kKindRing);
  EXPECT_EQ(view.itemKind[191], kKindNone);  // id 192 is no item
  EXPECT_EQ(view.itemKind[232], kKindSword);
  EXPECT_EQ(view.itemKind[255], kKindSword);
  EXPECT_EQ(view.iconIndex[100], 100);
  EXPECT_EQ(view.iconIndex[249], 249);

  // Held flags on ids without an icon load nothing; the others load.
  for (int n : {191, 200, 219, 250, 254}) view.itemHeld[n] = 1;
  for (int n : {0, 150, 179, 180, 220, 249}) view.itemHeld[n] = 1;
  ItemCatalog::LoadItemPictures(view);
  for (int n : {191, 200, 219, 250, 254}) EXPECT_FALSE(Loaded(view.iconSheet, n)) << n;
  for (int n : {0, 150, 179, 180, 220, 249}) EXPECT_TRUE(Loaded(view.iconSheet, n)) << n;
  EXPECT_TRUE(MissingAssets().empty()) << MissingAssets().front();

  // Icons 180 and 181 are cut out against black, the others against red:
  // either way the corner of the generated icon is transparent.
  for (int n : {0, 150, 179, 180, 220, 249}) EXPECT_EQ(CornerAlpha(view.iconSheet, n), 0u) << n;

  // An icon of an earlier member stays when the next one does not hold it.
  view.itemHeld[0] = 0;
  ItemCatalog::LoadItemPictures(view);
  EXPECT_TRUE(Loaded(view.iconSheet, 0));

  view.iconSheet->Release();
  delete view.iconSheet;

  // A screen that never made its sheet still gets its tables.
  ItemView bare;
  bare.itemHeld[3] = 1;
  ItemCatalog::LoadItemPictures(bare);
  EXPECT_EQ(bare.itemKind[3], kKindAmulet);
}

TEST_F(ItemPictureTest, WornPicturesFollowTheReloadFlags) {
  WornFigure f;
  ItemCatalog::CreatePictureSheets(f, &device);
  ASSERT_NE(f.helmetSheet, nullptr);
  EXPECT_EQ(f.helmetSheet->count, 1);
  EXPECT_EQ(f.glovesSheet->count, 2);
  EXPECT_EQ(f.shoesSheet->count, 2);
  EXPECT_EQ(f.amuletSheet->count, 3);
  EXPECT_EQ(f.swordSheet->count, 1);

  // No flag set: nothing loads, whatever is worn.
  f.bodyItems[kBodyHelmet] = 37;
  ItemCatalog::LoadWornItemPictures(f);
  EXPECT_FALSE(Loaded(f.helmetSheet, 0));

  // Every flag set with a full set worn: every picture loads, every flag clears.
  const uint8_t worn[kBodySlotCount] = {1, 5, 36, 56, 86, 98, 126, 138, 150, 151,
                                        0, 0, 0,  0,  0,  0,  191, 232, 250};
  for (int s = 0; s < kBodySlotCount; ++s) f.bodyItems[s] = worn[s];
  for (uint8_t& flag : f.reloadFlags) flag = 1;
  ItemCatalog::LoadWornItemPictures(f);
  for (uint8_t flag : f.reloadFlags) EXPECT_EQ(flag, 0);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Loaded(f.amuletSheet, i)) << i;
  EXPECT_TRUE(Loaded(f.helmetSheet, 0));
  EXPECT_TRUE(Loaded(f.torsoSheet, 0));
  EXPECT_TRUE(Loaded(f.beltSheet, 0));
  EXPECT_TRUE(Loaded(f.pantsSheet, 0));
  EXPECT_TRUE(Loaded(f.shoesSheet, 0));
  EXPECT_TRUE(Loaded(f.shoesSheet, 1));
  EXPECT_TRUE(Loaded(f.glovesSheet, 0));
  EXPECT_TRUE(Loaded(f.glovesSheet, 1));
  EXPECT_TRUE(Loaded(f.shieldSheet, 0));
  EXPECT_TRUE(Loaded(f.swordSheet, 0));
  EXPECT_TRUE(MissingAssets().empty()) << MissingAssets().front();
  // Gloves are keyed black, the rest red: the generated corners are clear.
  EXPECT_EQ(CornerAlpha(f.glovesSheet, 0), 0u);
  EXPECT_EQ(CornerAlpha(f.torsoSheet, 0), 0u);
  // Sizes as the frames ask.
  EXPECT_EQ(f.beltSheet->frameWidth[0], 128);
  EXPECT_EQ(f.beltSheet->frameHeight[0], 32);
  EXPECT_EQ(f.glovesSheet->frameWidth[1], 32);
  EXPECT_EQ(f.swordSheet->frameHeight[0], 128);

  ItemCatalog::ReleasePictureSheets(f);
  EXPECT_EQ(f.helmetSheet, nullptr);
  EXPECT_EQ(f.swordSheet, nullptr);
}

TEST_F(ItemPictureTest, WrongIdsAndSingleSlots) {
  WornFigure f;
  ItemCatalog::CreatePictureSheets(f, &device);

  // A helmet in the torso slot and a sword id without an item: flags clear, nothing loads.
  f.bodyItems[kBodyTorso] = 40;
  f.bodyItems[kBodySword] = 251;
  f.reloadFlags[kReloadTorso] = 1;
  f.reloadFlags[kReloadSword] = 1;
  ItemCatalog::LoadWornItemPictures(f);
  EXPECT_EQ(f.reloadFlags[kReloadTorso], 0);
  EXPECT_EQ(f.reloadFlags[kReloadSword], 0);
  EXPECT_FALSE(Loaded(f.torsoSheet, 0));
  EXPECT_FALSE(Loaded(f.swordSheet, 0));

  // Amulet 5 in the second amulet slot goes into image 1 only.
  f.bodyItems[kBodyAmulet2] = 5;
  f.reloadFlags[kReloadAmulet2] = 1;
  ItemCatalog::LoadWornItemPictures(f);
  EXPECT_FALSE(Loaded(f.amuletSheet, 0));
  EXPECT_TRUE(Loaded(f.amuletSheet, 1));
  EXPECT_FALSE(Loaded(f.amuletSheet, 2));

  // An emptied slot keeps its old picture, but it is not drawn.
  f.bodyItems[kBodyAmulet2] = 0;
  f.reloadFlags[kReloadAmulet2] = 1;
  ItemCatalog::LoadWornItemPictures(f);
  EXPECT_TRUE(Loaded(f.amuletSheet, 1));
  device.BeginScene();
  device.Clear(0, 1.0f);
  ItemCatalog::DrawWornItems(f, 255);
  device.EndScene();
  device.Present();
  const uint32_t* px = headless::FramePixels();
  int lit = 0;
  for (int i = 0; i < 800 * 600; ++i) lit += (px[i] & 0xFFFFFF) != 0;
  EXPECT_EQ(lit, 0);

  // Rings have no picture and no flag: a figure of rings draws nothing either.
  WornFigure rings;
  for (int s = kBodyRing1; s <= kBodyRing8; ++s) rings.bodyItems[s] = uint8_t(151 + s);
  ItemCatalog::CreatePictureSheets(rings, &device);
  for (uint8_t& flag : rings.reloadFlags) flag = 1;
  ItemCatalog::LoadWornItemPictures(rings);
  EXPECT_FALSE(Loaded(rings.amuletSheet, 0));
  ItemCatalog::ReleasePictureSheets(rings);

  // A figure without sheets clears its flags and loads nothing.
  WornFigure sheetless;
  sheetless.bodyItems[kBodyHelmet] = 37;
  sheetless.reloadFlags[kReloadHelmet] = 1;
  ItemCatalog::LoadWornItemPictures(sheetless);
  EXPECT_EQ(sheetless.reloadFlags[kReloadHelmet], 0);
  ItemCatalog::DrawWornItems(sheetless, 255);

  ItemCatalog::ReleasePictureSheets(f);
  ItemCatalog::ReleasePictureSheets(f);  // twice is harmless
}
