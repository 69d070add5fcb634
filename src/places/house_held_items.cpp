// The pictures of the items a place's talk may show as a quest's reward:
// every item the quest steps have asked for so far, built anew on entry, on
// Talk and on accepting a quest.

#include "game/item_catalog.h"
#include "places/house_screen.h"
#include "platform/sprite_sheet.h"

void HouseScreen::LoadHeldItemPictures(GraphicsDevice* device) {
  DeleteSheet(itemIcons);
  itemIcons = new SpriteSheet;
  itemIcons->Init(device, house_art::kItemIconImageCount);
  itemIcons->SetAlphaTest(1);
  char path[40];
  for (int n = 0; n < house_art::kItemIconImageCount; ++n) {
    if (!itemPictureWanted[n] || !house_art::HeldItemLoadable(n)) continue;
    // Each picture with its own colour key: a few are cut out against black.
    uint32_t key = 0;
    if (!ItemCatalog::IconFile(n + 1, path, sizeof path, &key)) continue;
    itemIcons->LoadImage(n, path, house_art::kItemIconSize, house_art::kItemIconSize, key,
                         house_art::kTextureFormat);
  }
}
