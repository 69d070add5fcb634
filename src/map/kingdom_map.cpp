#include "map/kingdom_map.h"

#include <cstdio>

#include "game/cell_geometry.h"
#include "map/map_layout.h"
#include "map/map_picture.h"
#include "platform/clock.h"
#include "platform/graphics_device.h"
#include "platform/input_device.h"
#include "platform/mouse_cursor.h"
#include "platform/sprite_sheet.h"

uint32_t IsAtBottomEdge(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py) {
  (void)x;
  (void)w;
  (void)px;
  return py >= y + h - 1 ? 1u : 0u;
}

uint32_t IsAtTopEdge(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py) {
  (void)x;
  (void)w;
  (void)h;
  (void)px;
  return py <= y + 1 ? 1u : 0u;
}

uint32_t IsAtLeftEdge(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py) {
  (void)y;
  (void)w;
  (void)h;
  (void)py;
  return px <= x + 1 ? 1u : 0u;
}

uint32_t IsAtRightEdge(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py) {
  (void)y;
  (void)h;
  (void)py;
  return px >= x + w - 1 ? 1u : 0u;
}

KingdomMap::KingdomMap()
    : tileSheet(nullptr),
      animStartMs(0),
      animPhase(1),
      animFrame(0),
      animRising(0),
      placeStates{},
      villageJoined{},
      townOwned{},
      cameraX(-1115),
      cameraY(320),
      targetX(0),
      targetY(0),
      targetSet(0),
      clickLatch(0),
      targetCell(0) {}

// The map screen releases the sheet before it deletes the view; a view
// deleted without that still frees it rather than leaking.
KingdomMap::~KingdomMap() { ReleaseTiles(); }

uint32_t KingdomMap::LoadTiles(GraphicsDevice* device) {
  ReleaseTiles();
  tileSheet = new SpriteSheet();
  tileSheet->Init(device, maplayout::kImageCount);
  tileSheet->SetAlphaTest(1);
  uint32_t result = 0;
  char path[64];
  for (int i = 0; i < maplayout::kImageCount; ++i) {
    const maplayout::MapImage& image = maplayout::kImages[i];
    std::snprintf(path, sizeof path, "Art\\Map\\%s.bmp", image.name);
    result = tileSheet->LoadImage(i, path, image.frameWidth, image.frameHeight, image.colourKey,
                                  kFormatA1R5G5B5);
  }
  KeepSquaresScaled(*tileSheet);
  return result;
}

void KingdomMap::ReleaseTiles() { DeleteSheet(tileSheet); }

uint32_t KingdomMap::ClickBlock(int block, int32_t pointerX, int32_t pointerY, InputDevice* mouse) {
  const cells::MapBlock& b = cells::kBlocks[block - 1];
  // The cell under the pointer, found as the scan of the block's cells row
  // by row would find it: left and top edges inside, right and bottom out.
  int64_t dx = int64_t(pointerX) + cameraX - b.left;
  int64_t dy = int64_t(pointerY) + cameraY - b.top;
  if (dx < 0 || dy < 0 || dx >= int64_t(b.columns) * cells::kCellSize ||
      dy >= int64_t(b.rows) * cells::kCellSize) {
    return 0;
  }
  if (mouse == nullptr) return 0;
  const int32_t column = int32_t(dx / cells::kCellSize);
  const int32_t row = int32_t(dy / cells::kCellSize);
  // The press is the cell's only when it began on this same cell: one moved
  // here from a button, a box or another cell is not.
  const int64_t cellLeft = int64_t(b.left) + column * cells::kCellSize - cameraX;
  const int64_t cellTop = int64_t(b.top) + row * cells::kCellSize - cameraY;
  if (!FreshPressIn(*mouse, int32_t(cellLeft), int32_t(cellTop), cells::kCellSize,
                    cells::kCellSize))
    return 0;
  targetSet = 1;
  clickLatch = 1;
  targetCell = b.base + uint32_t(row * b.columns + column);
  targetX = b.left + column * cells::kCellSize;
  targetY = b.top + row * cells::kCellSize;
  return 1;
}

uint32_t KingdomMap::ClickBlock1(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(1, px, py, mouse);
}
uint32_t KingdomMap::ClickBlock2(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(2, px, py, mouse);
}
uint32_t KingdomMap::ClickBlock3(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(3, px, py, mouse);
}
uint32_t KingdomMap::ClickBlock4(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(4, px, py, mouse);
}
uint32_t KingdomMap::ClickBlock5(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(5, px, py, mouse);
}
uint32_t KingdomMap::ClickBlock6(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(6, px, py, mouse);
}
uint32_t KingdomMap::ClickBlock7(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(7, px, py, mouse);
}
uint32_t KingdomMap::ClickBlock8(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(8, px, py, mouse);
}
uint32_t KingdomMap::ClickBlock9(int32_t px, int32_t py, InputDevice* mouse) {
  return ClickBlock(9, px, py, mouse);
}

void KingdomMap::EdgeScroll(MouseCursor* cursor, uint8_t speed) {
  // With the window in the background the cursor only rests where it was
  // left: it scrolls nothing.
  if (cursor == nullptr || cursor->mouse.unreadable) return;
  const int32_t px = cursor->x;
  const int32_t py = cursor->y;
  if (IsAtBottomEdge(0, 0, 800, 595, px, py) && cameraY < kCameraMaxY) {
    cameraY += speed;
    if (cameraY > kCameraMaxY) cameraY = kCameraMaxY;
  }
  if (IsAtTopEdge(0, 5, 800, 600, px, py) && cameraY > kCameraMinY) {
    cameraY -= speed;
    if (cameraY < kCameraMinY) cameraY = kCameraMinY;
  }
  if (IsAtRightEdge(0, 0, 795, 600, px, py) && cameraX < kCameraMaxX) {
    cameraX += speed;
    if (cameraX > kCameraMaxX) cameraX = kCameraMaxX;
  }
  if (IsAtLeftEdge(5, 0, 800, 600, px, py) && cameraX > kCameraMinX) {
    cameraX -= speed;
    if (cameraX < kCameraMinX) cameraX = kCameraMinX;
  }
}

void KingdomMap::Animate() {
  const uint32_t now = timeGetTime();
  if (animPhase == 1) {
    animStartMs = now;
    animPhase = 2;
  }
  // The elapsed time, not the end time, is compared, so the step keeps its
  // length when the millisecond clock wraps round.
  if (animPhase == 2 && now - animStartMs > 200u) {
    animPhase = 1;
    if (animFrame > 3) animFrame = 3;
    if (animRising) {
      // A rising frame already at the top stays there and turns, so the
      // frame never leaves 0..3.
      if (animFrame < 3) ++animFrame;
      if (animFrame == 3) animRising = 0;
    } else {
      --animFrame;
      if (animFrame == 255) {
        animFrame = 1;
        animRising = 1;
      }
    }
  }
}
