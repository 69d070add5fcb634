// The map view's geometry: click targets, edge scrolling, the flag timer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "game/cell_geometry.h"
#include "map/kingdom_map.h"
#include "map/map_layout.h"
#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/input_device.h"
#include "platform/mouse_cursor.h"
#include "test_map_encounters_util.h"

namespace {

using ClickFn = uint32_t (KingdomMap::*)(int32_t, int32_t, InputDevice*);
const ClickFn kClickBlock[9] = {
    &KingdomMap::ClickBlock1, &KingdomMap::ClickBlock2, &KingdomMap::ClickBlock3,
    &KingdomMap::ClickBlock4, &KingdomMap::ClickBlock5, &KingdomMap::ClickBlock6,
    &KingdomMap::ClickBlock7, &KingdomMap::ClickBlock8, &KingdomMap::ClickBlock9};

// Runs the click tests as the map screen does: in block order, each only
// while the camera lies in that block's window; the number of the block
// that took the click, 0 for none.
int ClickMap(KingdomMap& map, int32_t px, int32_t py, InputDevice* mouse) {
  for (int b = 1; b <= 9; ++b) {
    if (!maplayout::CameraInBlockWindow(b, map.cameraX, map.cameraY)) continue;
    if ((map.*kClickBlock[b - 1])(px, py, mouse)) return b;
  }
  return 0;
}

}  // namespace

TEST(KingdomMap, ReleasingTilesNeverLoadedIsHarmless) {
  KingdomMap map;
  map.ReleaseTiles();
  map.ReleaseTiles();
  EXPECT_EQ(map.tileSheet, nullptr);
}

TEST(KingdomMap, CornerCellsOfTheNumbering) {
  poptest::TestMouse m;
  m.Set(kMouseLeft, true);
  struct Case {
    int block;
    int32_t worldX, worldY;
    uint32_t cell;
  };
  const Case cases[] = {
      {1, -800, -600, 1},      // top-left cell of the middle block
      {2, 3560, 1360, 5500},   // bottom-right cell of block 2
      {9, -840, -640, 10800},  // the last cell of all
      {3, 1200, 1400, 5501},  {8, -1800, -600, 9176},
  };
  for (const Case& c : cases) {
    KingdomMap map;
    // A camera that shows the cell at screen point (300, 200).
    map.cameraX = c.worldX - 300;
    map.cameraY = c.worldY - 200;
    ASSERT_TRUE(maplayout::CameraInBlockWindow(c.block, map.cameraX, map.cameraY)) << c.block;
    EXPECT_EQ((map.*kClickBlock[c.block - 1])(300 + 39, 200 + 39, &m.mouse), 1u);
    EXPECT_EQ(map.targetCell, c.cell);
    EXPECT_EQ(map.targetX, c.worldX);
    EXPECT_EQ(map.targetY, c.worldY);
    EXPECT_EQ(map.targetSet, 1);
    EXPECT_EQ(map.clickLatch, 1);
    // The view's numbering is the one the rest of the map uses.
    EXPECT_EQ(cells::CellAt(c.worldX, c.worldY), c.cell);
  }
}

TEST(KingdomMap, ClickTargetsThroughEveryBlock) {
  poptest::TestMouse m;
  m.Set(kMouseRight, true);  // the right button clicks as well
  for (const cells::MapBlock& b : cells::kBlocks) {
    // Three cells of the block: first, a middle one, last.
    const int picks[3][2] = {{0, 0}, {b.columns / 2, b.rows / 2}, {b.columns - 1, b.rows - 1}};
    for (const auto& pick : picks) {
      const int32_t wx = b.left + pick[0] * 40;
      const int32_t wy = b.top + pick[1] * 40;
      KingdomMap map;
      // Camera within the limits showing the cell away from the screen's edges.
      map.cameraX = std::clamp(wx - 380, kCameraMinX, kCameraMaxX);
      map.cameraY = std::clamp(wy - 280, kCameraMinY, kCameraMaxY);
      const int32_t px = wx - map.cameraX + 17;
      const int32_t py = wy - map.cameraY + 23;
      ASSERT_EQ(ClickMap(map, px, py, &m.mouse), b.number) << "block " << b.number;
      EXPECT_EQ(map.targetCell, b.base + uint32_t(pick[1] * b.columns + pick[0]));
      EXPECT_EQ(map.targetX, wx);
      EXPECT_EQ(map.targetY, wy);
      EXPECT_EQ(map.targetCell, cells::CellAt(wx + 17, wy + 23));
    }
    // The other blocks' tests do not take a point of this block.
    KingdomMap map;
    map.cameraX = std::clamp(b.left - 380, kCameraMinX, kCameraMaxX);
    map.cameraY = std::clamp(b.top - 280, kCameraMinY, kCameraMaxY);
    for (int other = 1; other <= 9; ++other) {
      if (other == b.number) continue;
      EXPECT_EQ((map.*kClickBlock[other - 1])(b.left - map.cameraX, b.top - map.cameraY, &m.mouse),
                0u);
    }
  }
}

TEST(KingdomMap, CellEdgesAndPresses) {
  poptest::TestMouse m;
  KingdomMap map;  // start camera (-1115, 320): blocks 1 and 8
  // World x -800 is the boundary of blocks 8 and 1; screen x 315.
  m.Set(kMouseLeft, true);
  EXPECT_EQ(ClickMap(map, 315, 40, &m.mouse), 1);  // on the line: the cell to the right
  EXPECT_EQ(map.targetX, -800);
  EXPECT_EQ(map.targetY, 360);  // 40 + 320
  EXPECT_EQ(ClickMap(map, 314, 40, &m.mouse), 8);
  EXPECT_EQ(map.targetX, -840);
  // A horizontal cell line: the cell below.
  EXPECT_EQ(ClickMap(map, 400, 80, &m.mouse), 1);
  EXPECT_EQ(map.targetY, 400);
  EXPECT_EQ(ClickMap(map, 400, 79, &m.mouse), 1);
  EXPECT_EQ(map.targetY, 360);

  // No fresh press: nothing happens.
  m.Set(kMouseLeft, false);
  KingdomMap idle;
  EXPECT_EQ(ClickMap(idle, 400, 300, &m.mouse), 0);
  EXPECT_EQ(idle.targetSet, 0);
  EXPECT_EQ(idle.clickLatch, 0);
  EXPECT_EQ(idle.targetCell, 0u);
  // A held, latched button does not click either.
  m.Set(kMouseLeft, true);
  m.mouse.SetLatch(kMouseLeft, 1);
  EXPECT_EQ(ClickMap(idle, 400, 300, &m.mouse), 0);
  EXPECT_EQ(idle.targetSet, 0);
  // No mouse at all.
  EXPECT_EQ(idle.ClickBlock1(400, 300, nullptr), 0u);
}

TEST(KingdomMap, EdgeScrollThresholdsAndLimits) {
  MouseCursor cursor;
  auto scrollAt = [&](KingdomMap& map, int32_t x, int32_t y, uint8_t speed) {
    cursor.x = x;
    cursor.y = y;
    map.EdgeScroll(&cursor, speed);
  };
  KingdomMap map;
  scrollAt(map, 793, 300, 7);
  EXPECT_EQ(map.cameraX, -1115);  // not yet the edge
  scrollAt(map, 794, 300, 7);
  EXPECT_EQ(map.cameraX, -1108);
  scrollAt(map, 796, 300, 7);
  EXPECT_EQ(map.cameraX, -1101);
  EXPECT_EQ(map.cameraY, 320);
  scrollAt(map, 7, 300, 5);
  EXPECT_EQ(map.cameraX, -1101);
  scrollAt(map, 6, 300, 5);
  EXPECT_EQ(map.cameraX, -1106);
  scrollAt(map, 400, 7, 5);
  EXPECT_EQ(map.cameraY, 320);
  scrollAt(map, 400, 6, 5);
  EXPECT_EQ(map.cameraY, 315);
  scrollAt(map, 400, 593, 5);
  EXPECT_EQ(map.cameraY, 315);
  scrollAt(map, 400, 594, 5);
  EXPECT_EQ(map.cameraY, 320);

  // A corner moves both axes in one call.
  scrollAt(map, 796, 598, 10);
  EXPECT_EQ(map.cameraX, -1096);
  EXPECT_EQ(map.cameraY, 330);
  scrollAt(map, 2, 2, 10);
  EXPECT_EQ(map.cameraX, -1106);
  EXPECT_EQ(map.cameraY, 320);

  // Held against the right edge the camera stops at its limit, never beyond.
  for (int i = 0; i < 2000; ++i) scrollAt(map, 796, 300, 9);
  EXPECT_EQ(map.cameraX, kCameraMaxX);
  for (int i = 0; i < 2000; ++i) scrollAt(map, 2, 300, 9);
  EXPECT_EQ(map.cameraX, kCameraMinX);
  for (int i = 0; i < 2000; ++i) scrollAt(map, 400, 598, 9);
  EXPECT_EQ(map.cameraY, kCameraMaxY);
  for (int i = 0; i < 2000; ++i) scrollAt(map, 400, 2, 9);
  EXPECT_EQ(map.cameraY, kCameraMinY);

  // A camera put beyond a limit by someone else is not pulled back by the
  // edge it lies beyond, and scrolls back from the other one.
  map.cameraX = 2976;
  scrollAt(map, 796, 300, 9);
  EXPECT_EQ(map.cameraX, 2976);
  scrollAt(map, 2, 300, 9);
  EXPECT_EQ(map.cameraX, 2967);

  map.EdgeScroll(nullptr, 9);  // no cursor: nothing
  EXPECT_EQ(map.cameraX, 2967);
}

namespace {

// Calls Animate with the fake clock advanced by stepMs before each call and
// returns the frames seen after each call.
std::vector<int> AnimateFrames(KingdomMap& map, uint32_t stepMs, int calls) {
  std::vector<int> frames;
  for (int i = 0; i < calls; ++i) {
    headless::SetNowMs(headless::NowMs() + stepMs);
    map.Animate();
    frames.push_back(map.animFrame);
  }
  return frames;
}

}  // namespace

TEST(KingdomMap, FlagFramesRunToAndFro) {
  SetBackend(Backend::Headless);
  headless::Reset();
  {
    // 250 ms per call: one call starts the step, the next ends it.
    KingdomMap map;
    std::vector<int> frames = AnimateFrames(map, 250, 24);
    std::vector<int> steps;
    for (size_t i = 1; i < frames.size(); i += 2) steps.push_back(frames[i]);
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0}));
    for (size_t i = 0; i < frames.size(); i += 2) EXPECT_EQ(frames[i], i == 0 ? 0 : frames[i - 1]);
  }
  {
    // 150 ms per call: a step on every third call.
    KingdomMap map;
    std::vector<int> frames = AnimateFrames(map, 150, 9);
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 1, 1, 1, 2, 2, 2, 3}));
  }
  {
    // Exactly 200 ms is not yet more than 200.
    KingdomMap map;
    map.Animate();
    headless::SetNowMs(headless::NowMs() + 200);
    map.Animate();
    EXPECT_EQ(map.animFrame, 0);
    headless::SetNowMs(headless::NowMs() + 1);
    map.Animate();
    EXPECT_EQ(map.animFrame, 1);
  }
  headless::Reset();
}

TEST(KingdomMap, FlagFrameStaysInRange) {
  SetBackend(Backend::Headless);
  headless::Reset();
  // A frame above 3 is pulled back to 3 before the step.
  KingdomMap map;
  map.animFrame = 9;
  map.animRising = 0;
  AnimateFrames(map, 250, 2);
  EXPECT_EQ(map.animFrame, 2);
  // Rising at the top, or above it, the frame stays within 0..3 and turns.
  for (uint8_t start : {3, 7, 200}) {
    KingdomMap up;
    up.animFrame = start;
    up.animRising = 1;
    // The first call only starts the step; from the first step on the
    // frame is within range.
    std::vector<int> frames = AnimateFrames(up, 250, 40);
    for (size_t i = 1; i < frames.size(); ++i) {
      EXPECT_GE(frames[i], 0);
      EXPECT_LE(frames[i], 3);
    }
    EXPECT_LE(up.animFrame, 3);
  }
  headless::Reset();
}

TEST(KingdomMap, FlagTimerSurvivesTheClockWrap) {
  SetBackend(Backend::Headless);
  headless::Reset();
  KingdomMap map;
  headless::SetNowMs(0xFFFFFF80u);  // 128 ms before the clock wraps
  map.Animate();
  EXPECT_EQ(map.animStartMs, 0xFFFFFF80u);
  // 100 ms later (after the wrap) the step has not run its 200 ms yet.
  headless::SetNowMs(0xFFFFFF80u + 100u);
  map.Animate();
  EXPECT_EQ(map.animFrame, 0);
  EXPECT_EQ(map.animPhase, 2);
  headless::SetNowMs(0xFFFFFF80u + 201u);
  map.Animate();
  EXPECT_EQ(map.animFrame, 1);
  headless::Reset();
}
