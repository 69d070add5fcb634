// The figure of a party member: its body parts, which of them are hidden
// by worn items, and a picture of figures in their start items for a person
// to look at (hero_figures.png, hero_figures_tiers*.png in the test output).

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "game/hero_figure.h"
#include "game/item_catalog.h"
#include "game/item_data.h"
#include "platform/asset_log.h"
#include "platform/backend.h"
#include "platform/graphics_device.h"
#include "platform/headless.h"
#include "platform/sprite_sheet.h"
#include "test_folder.h"

namespace {

class HeroFigureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBackend(Backend::Headless);
    headless::Reset();
    ClearMissingAssets();
    ASSERT_EQ(device.CreateDirect3D(), 1u);
    ASSERT_EQ(device.CreateDevice(nullptr, 0, 0, 800, 600, 16), 1u);
  }
  void TearDown() override { device.Release(); }

  void Begin() {
    device.BeginScene();
    device.Clear(0xFF000000u, 1.0f);
  }
  const uint32_t* End() {
    device.EndScene();
    device.Present();
    return headless::FramePixels();
  }
  static int LitIn(const uint32_t* px, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += (px[y * 800 + x] & 0xFFFFFF) != 0;
    return n;
  }

  GraphicsDevice device;
};

// Puts every item of a member's bag on the first body slot that takes it,
// as the party screens' drag and drop would.
void WearBag(const uint8_t* items, WornFigure& f) {
  for (int cell = 0; cell < kBagCells; ++cell) {
    const int id = items[cell];
    for (int s = 0; s < kBodySlotCount && id; ++s) {
      if (f.bodyItems[s] == 0 && ItemCatalog::FitsBodySlot(id, s)) {
        f.bodyItems[s] = uint8_t(id);
        break;
      }
    }
  }
}

// The id of the first item of a kind and tier.
int ItemOf(uint8_t kind, int tier) {
  for (const items::ItemEntry& e : items::kItemTable)
    if (ItemCatalog::KindOf(e.id) == kind && e.tier == tier) return e.id;
  return 0;
}

}  // namespace

TEST_F(HeroFigureTest, LoadsItsBodyParts) {
  HeroFigure figure;
  EXPECT_EQ(figure.bodyParts, nullptr);
  figure.LoadBodyParts(&device);
  ASSERT_NE(figure.bodyParts, nullptr);
  ASSERT_NE(figure.singleSheet, nullptr);
  EXPECT_EQ(figure.bodyParts->count, kBodyPartImages);
  EXPECT_EQ(figure.singleSheet->count, 1);
  EXPECT_EQ(figure.singleSheet->textures[0].texture, nullptr);  // never loaded
  EXPECT_EQ(figure.bodyParts->textures[0].texture, nullptr);    // image 0 stays empty
  for (int i = 1; i < kBodyPartImages; ++i)
    EXPECT_NE(figure.bodyParts->textures[i].texture, nullptr) << i;
  EXPECT_TRUE(MissingAssets().empty()) << MissingAssets().front();
  EXPECT_EQ(figure.bodyParts->frameWidth[kPartLegs], 128);
  EXPECT_EQ(figure.bodyParts->frameHeight[kPartLegs], 256);
  EXPECT_EQ(figure.bodyParts->frameWidth[kPartBody], 256);
  EXPECT_EQ(figure.bodyParts->frameHeight[kPartBody], 512);
  // Loading again replaces the sheets.
  figure.LoadBodyParts(&device);
  EXPECT_NE(figure.bodyParts->textures[15].texture, nullptr);

  EXPECT_EQ(PlayerFigureLook(0), 0);
  EXPECT_EQ(PlayerFigureLook(1), 2);
  EXPECT_GE(PlayerFigureLook(7), kFigureLookCount);
  EXPECT_EQ(kFigureLookParts[1].chest, kPartChest3);
  EXPECT_EQ(kFigureLookParts[2].legs, kPartLegs2);
  EXPECT_EQ(kFigureLookParts[2].hand1, kPartHand1);
}

TEST_F(HeroFigureTest, WornItemsHideTheBodyParts) {
  HeroFigure figure;
  figure.LoadBodyParts(&device);
  WornFigure f;

  // Bare: legs, chest, hands and feet all show.
  Begin();
  figure.DrawBody(255, 0, f.bodyItems);
  const uint32_t* px = End();
  EXPECT_GT(LitIn(px, 300, 400, 380, 460), 100);  // legs
  EXPECT_GT(LitIn(px, 300, 290, 380, 340), 100);  // chest
  EXPECT_GT(LitIn(px, 285, 368, 303, 388), 20);   // the left hand
  EXPECT_GT(LitIn(px, 290, 480, 330, 500), 20);   // the left foot

  // Pants, torso armour, gloves and shoes: no body part at all.
  f.bodyItems[kBodyPants] = 99;
  f.bodyItems[kBodyTorso] = 57;
  f.bodyItems[kBodyGloves] = 139;
  f.bodyItems[kBodyShoes] = 127;
  for (FigureLook look = 0; look < kFigureLookCount; ++look) {
    Begin();
    figure.DrawBody(255, look, f.bodyItems);
    EXPECT_EQ(LitIn(End(), 0, 0, 800, 600), 0) << int(look);
  }
  // Only pants: the legs go, the chest stays.
  WornFigure pantsOnly;
  pantsOnly.bodyItems[kBodyPants] = 99;
  Begin();
  figure.DrawBody(255, 1, pantsOnly.bodyItems);
  px = End();
  EXPECT_EQ(LitIn(px, 300, 420, 380, 460), 0);
  EXPECT_GT(LitIn(px, 300, 290, 380, 340), 100);

  // An unknown look draws nothing.
  Begin();
  figure.DrawBody(255, 3, pantsOnly.bodyItems);
  EXPECT_EQ(LitIn(End(), 0, 0, 800, 600), 0);
}

TEST_F(HeroFigureTest, FiguresInTheirStartItems) {
  GameState state;
  state.InitHeroStats();
  state.InitHeroRecords();
  state.ResetHeroTables();
  state.ResetPlayer();
  state.ResetProgress();

  HeroFigure figure;
  figure.LoadBodyParts(&device);

  // The heads come from the portrait pictures of the party screens.
  SpriteSheet heads;
  heads.Init(&device, 11);
  heads.SetAlphaTest(1);
  char path[64];
  for (int k = 0; k < 10; ++k) {
    std::snprintf(path, sizeof path, "Art\\Heroes\\Heroe%d.bmp", k + 1);
    heads.LoadImage(k, path, 128, 128, (k == 2 || k == 8 || k == 9) ? 0xFF000000u : 0xFFFF0000u,
                    kFormatA1R5G5B5);
  }
  heads.LoadImage(10, "Art\\You\\Portraits.bmp", 128, 128, 0xFF000000u, kFormatA1R5G5B5);
  ClearMissingAssets();  // the portraits are not ours to check here

  struct Member {
    int hero;  // -1 the player
    int x;
  };
  // The player, and heroes 4 (helmet, sword, amulet), 9 (gloves, pants, belt)
  // and 1 (torso, shoes, sword) in their start items, looks 0, 0, 1, 0.
  const Member members[] = {{-1, -25}, {4, 135}, {9, 295}, {1, 455}, {2, 615}};
  WornFigure worn[5];
  Begin();
  for (int m = 0; m < 5; ++m) {
    WornFigure& f = worn[m];
    ItemCatalog::CreatePictureSheets(f, &device);
    const int hero = members[m].hero;
    FigureLook look;
    if (hero < 0) {
      WearBag(state.playerItems, f);
      look = PlayerFigureLook(state.playerPortrait);
    } else {
      WearBag(state.heroItems[hero].items, f);
      look = state.heroPortrait[hero];
    }
    for (uint8_t& flag : f.reloadFlags) flag = 1;
    ItemCatalog::LoadWornItemPictures(f);
    const int x = members[m].x;
    if (f.bodyItems[kBodyHelmet] == 0) {
      if (hero < 0) heads.Draw(10, look == 0 ? 0 : 1, x + 34, 194, 0xFFFFFFFFu, 0.7f, 0.7f);
      else heads.Draw(hero, 0, x + 34, 193, 0xFFFFFFFFu, 0.7f, 0.7f);
    }
    figure.DrawBody(x, look, f.bodyItems);
    ItemCatalog::DrawWornItems(f, x);
  }
  const uint32_t* px = End();
  EXPECT_TRUE(MissingAssets().empty()) << MissingAssets().front();
  const std::string out = TestFile("hero_figures.png");
  EXPECT_EQ(headless::WritePng(out.c_str()), 1);

  // Hero 4's helmet stands where the head would, his sword in his right hand.
  EXPECT_GT(LitIn(px, 135 + 55, 205, 135 + 105, 255), 1500);
  EXPECT_GT(LitIn(px, 135 + 34, 260, 135 + 44, 360), 200);
  // Hero 9's belt lies over his waist.
  EXPECT_GT(LitIn(px, 295 + 55, 373, 295 + 105, 385), 400);

  for (WornFigure& f : worn) ItemCatalog::ReleasePictureSheets(f);

  // Full sets, one make per figure, for a look at how the layers sit.
  for (int half = 0; half < 2; ++half) {
    WornFigure sets[3];
    Begin();
    for (int i = 0; i < 3; ++i) {
      const int tier = half * 3 + i;
      WornFigure& f = sets[i];
      ItemCatalog::CreatePictureSheets(f, &device);
      const uint8_t kinds[kBodySlotCount] = {1, 1, 1, 2, 3, 4, 5, 6, 7, 8,
                                             8, 0, 0, 0, 0, 0, 0, 9, 10};
      for (int s = 0; s < kBodySlotCount; ++s) {
        if (!kinds[s]) continue;
        // The amulets come in three makes only: bronze, silver, gold.
        const int t = kinds[s] == kKindAmulet ? std::max(2, std::min(4, tier)) : tier;
        int id = ItemOf(kinds[s], t);
        if (!id) id = ItemOf(kinds[s], t > 0 ? t - 1 : t + 1);
        if (s == kBodyAmulet2 || s == kBodyAmulet3) id += s;  // another amulet of the series
        f.bodyItems[s] = uint8_t(id);
      }
      for (uint8_t& flag : f.reloadFlags) flag = 1;
      ItemCatalog::LoadWornItemPictures(f);
      figure.DrawBody(i * 250 + 10, FigureLook(i), f.bodyItems);
      ItemCatalog::DrawWornItems(f, i * 250 + 10);
    }
    End();
    EXPECT_TRUE(MissingAssets().empty()) << MissingAssets().front();
    const std::string tiers = TestFile("hero_figures_tiers") + std::to_string(half + 1) + ".png";
    EXPECT_EQ(headless::WritePng(tiers.c_str()), 1);
    for (WornFigure& f : sets) ItemCatalog::ReleasePictureSheets(f);
  }
  heads.Release();
}
