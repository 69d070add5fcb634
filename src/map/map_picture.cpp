// The picture of the land: the square grid, the places with their flags,
// the decorations and the frame around the world, block by block.

#include "map/map_picture.h"
#include "game/cell_geometry.h"
#include "map/kingdom_map.h"
#include "map/map_layout.h"
#include "platform/sprite_sheet.h"

namespace {

using namespace maplayout;

constexpr float kFlagScale = 0.8f;
constexpr uint32_t kUntinted = 0xFFFFFFFFu;

// When a place's picture or flag is drawn.
enum class When : uint8_t {
  Always,
  PlaceZero,   // placeStates[index] == 0
  PlaceSet,    // placeStates[index] != 0
  VillageSet,  // villageJoined[index] != 0
  VillageClear,
  TownSet,  // townOwned[index] != 0
  TownClear,
};

bool Holds(const KingdomMap& m, When when, int index) {
  switch (when) {
    case When::Always: return true;
    case When::PlaceZero: return m.placeStates[index] == 0;
    case When::PlaceSet: return m.placeStates[index] != 0;
    case When::VillageSet: return m.villageJoined[index] != 0;
    case When::VillageClear: return m.villageJoined[index] == 0;
    case When::TownSet: return m.townOwned[index] != 0;
    case When::TownClear: return m.townOwned[index] == 0;
  }
  return false;
}

// A square whose picture follows its place: the place picture and its flags
// while the condition holds, else the bare wasteland and no flag.
struct PlaceSquare {
  int32_t x, y;  // the square's corner
  int16_t image;
  When when;
  int8_t index;
  int8_t flagCount;
  int32_t flagX[2], flagY[2];
};

const PlaceSquare kPlaceSquares[] = {
    {2000, 600, kTower, When::PlaceZero, 10, 1, {2036, 0}, {684, 0}},
    {2200, 0, kTribe1, When::PlaceSet, 11, 1, {2275, 0}, {80, 0}},
    {2600, 400, kTribe5, When::PlaceSet, 12, 1, {2675, 0}, {425, 0}},
    {1800, 1200, kTribe4, When::PlaceSet, 13, 1, {1878, 0}, {1278, 0}},
    {3000, 1400, kTribe6, When::PlaceSet, 14, 1, {3077, 0}, {1490, 0}},
    {2400, -600, kTribe3, When::PlaceSet, 15, 1, {2476, 0}, {-515, 0}},
    {3000, -200, kTribe2, When::PlaceSet, 16, 1, {3077, 0}, {-120, 0}},
    {3200, -1000, kDarkTemple, When::PlaceSet, 17, 1, {3276, 0}, {-1022, 0}},
    {3400, 400, kCastleEvil, When::PlaceSet, 18, 2, {3409, 3544}, {409, 409}},
};

// The flag of the tower is the kingdom's; the camps, the temple and the
// castle fly the enemy's.
int16_t FlagOfPlaceSquare(const PlaceSquare& p) { return p.image == kTower ? kFlag1 : kFlag2; }

// Flags over squares of fixed pictures, in drawing order within a square.
struct FlagDraw {
  int32_t squareX, squareY;  // the square it belongs to
  int32_t x, y;
  int16_t image;
  When when;
  int8_t index;
};

const FlagDraw kFlags[] = {
    // The gold mine: the enemy's flag, the player's over it.
    {-600, 400, -523, 425, kFlag2, When::PlaceSet, 0},
    {-600, 400, -523, 425, kFlag4, When::TownSet, 0},
    // The iron mine: the other way round.
    {800, 0, 876, 22, kFlag4, When::TownSet, 5},
    {800, 0, 876, 22, kFlag2, When::PlaceSet, 1},
    // The castle.
    {1600, 600, 1668, 617, kFlag1, When::PlaceZero, 3},
    {1600, 600, 1668, 617, kFlag2, When::PlaceSet, 3},
    // The little village of the wasteland.
    {1800, -400, 1876, -310, kFlag1, When::PlaceZero, 2},
    // The towns: the player's flag once owned.
    {-1400, 600, -1322, 684, kFlag4, When::TownSet, 1},
    {-1400, 600, -1322, 684, kFlag1, When::TownClear, 1},
    {-600, 800, -524, 882, kFlag4, When::TownSet, 2},
    {-600, 800, -524, 882, kFlag1, When::TownClear, 2},
    {-600, 1400, -527, 1500, kFlag4, When::TownSet, 3},
    {-600, 1400, -527, 1500, kFlag1, When::TownClear, 3},
    {600, 600, 680, 680, kFlag4, When::TownSet, 4},
    {600, 600, 680, 680, kFlag1, When::TownClear, 4},
    // The villages: the player's flag once joined.
    {-800, 400, -724, 460, kFlag4, When::VillageSet, 0},
    {-800, 400, -724, 460, kFlag1, When::VillageClear, 0},
    {-1400, 1400, -1325, 1496, kFlag4, When::VillageSet, 1},
    {-1400, 1400, -1325, 1496, kFlag1, When::VillageClear, 1},
    {800, 200, 877, 299, kFlag4, When::VillageSet, 2},
    {800, 200, 877, 299, kFlag1, When::VillageClear, 2},
    {0, 1200, 77, 1253, kFlag4, When::VillageSet, 3},
    {0, 1200, 77, 1253, kFlag1, When::VillageClear, 3},
    {1000, 1400, 1077, 1452, kFlag4, When::VillageSet, 4},
    {1000, 1400, 1077, 1452, kFlag1, When::VillageClear, 4},
    {1400, 200, 1477, 286, kFlag4, When::VillageSet, 5},
    {1400, 200, 1477, 286, kFlag1, When::VillageClear, 5},
    {-600, -600, -526, -505, kFlag4, When::VillageSet, 6},
    {-600, -600, -526, -505, kFlag1, When::VillageClear, 6},
    {1600, -800, 1637, -748, kFlag4, When::VillageSet, 7},
    {1600, -800, 1637, -748, kFlag1, When::VillageClear, 7},
    // The palace and the temple fly the kingdom's flags always.
    {200, 0, 224, 20, kFlag1, When::Always, 0},
    {200, 0, 277, 39, kFlag1, When::Always, 0},
    {200, 0, 332, 20, kFlag1, When::Always, 0},
    {-400, 1600, -323, 1730, kFlag1, When::Always, 0},
};

// The one square that lays its decorations before its flag.
constexpr int32_t kDecorationsFirstX = 1000;
constexpr int32_t kDecorationsFirstY = 1400;

// The frame around the world: Border frames 0 (upright piece), 1 (lying
// piece) and 2 (corner piece).
constexpr int kBorderUpright = 0;
constexpr int kBorderLying = 1;
constexpr int kBorderCorner = 2;
constexpr int32_t kBorderRowsBelow[3] = {2000, 2026, 2052};
constexpr int32_t kBorderColumnsRight[6] = {3600, 3626, 3652, 3678, 3704, 3730};
constexpr int32_t kBorderTopY = -1226;
constexpr int32_t kBorderLeftX = -1826;
constexpr int32_t kBorderPiece = 32;

const PlaceSquare* PlaceSquareAt(int32_t x, int32_t y) {
  for (const PlaceSquare& p : kPlaceSquares) {
    if (p.x == x && p.y == y) return &p;
  }
  return nullptr;
}

// The square (its corner) that holds a decoration's point.
void SquareOfPoint(int32_t x, int32_t y, int32_t* sx, int32_t* sy) {
  int32_t i = (x - kGridLeft) / kSquareSize;
  int32_t j = (y - kGridTop) / kSquareSize;
  if (x < kGridLeft) i = 0;
  if (y < kGridTop) j = 0;
  if (i >= kSquareColumns) i = kSquareColumns - 1;
  if (j >= kSquareRows) j = kSquareRows - 1;
  *sx = kGridLeft + i * kSquareSize;
  *sy = kGridTop + j * kSquareSize;
}

class SquarePainter {
 public:
  SquarePainter(const KingdomMap& map, MapSpriteSink& sink) : map_(map), sink_(sink) {}

  void Put(int image, int frame, int32_t worldX, int32_t worldY, float scaleX, float scaleY) {
    sink_.Sprite({image, frame, worldX - map_.cameraX, worldY - map_.cameraY, scaleX, scaleY});
  }

  // A border piece, when any of it lies on the screen.
  void PutBorder(int frame, int32_t worldX, int32_t worldY, float scaleX, float scaleY) {
    int32_t x = worldX - map_.cameraX;
    int32_t y = worldY - map_.cameraY;
    float w = kBorderPiece * scaleX;
    float h = kBorderPiece * scaleY;
    if (x + w <= 0 || y + h <= 0 || x >= 800 || y >= 600) return;
    sink_.Sprite({kBorder, frame, x, y, scaleX, scaleY});
  }

  void Square(int column, int row) {
    const int32_t x = kGridLeft + column * kSquareSize;
    const int32_t y = kGridTop + row * kSquareSize;
    const PlaceSquare* place = nullptr;
    bool placeShown = false;
    int image = kSquareImage[row][column];
    if (image < 0) {
      place = PlaceSquareAt(x, y);
      placeShown = place != nullptr && Holds(map_, place->when, place->index);
      image = placeShown ? place->image : kGrey6;
    }
    Put(image, 0, x, y, kSquareScale, kSquareScale);

    if (placeShown) {
      for (int k = 0; k < place->flagCount; ++k) {
        Put(FlagOfPlaceSquare(*place), map_.animFrame, place->flagX[k], place->flagY[k], kFlagScale,
            kFlagScale);
      }
    }
    const bool decorationsFirst = x == kDecorationsFirstX && y == kDecorationsFirstY;
    if (decorationsFirst) Decorations(x, y);
    for (const FlagDraw& f : kFlags) {
      if (f.squareX == x && f.squareY == y && Holds(map_, f.when, f.index)) {
        Put(f.image, map_.animFrame, f.x, f.y, kFlagScale, kFlagScale);
      }
    }
    if (!decorationsFirst) Decorations(x, y);
    Border(column, row, x, y);
  }

 private:
  void Decorations(int32_t x, int32_t y) {
    for (int k = 0; k < kMapDecorationCount; ++k) {
      const MapDecoration& d = kMapDecorations[k];
      int32_t sx, sy;
      SquareOfPoint(d.x, d.y, &sx, &sy);
      if (sx == x && sy == y) Put(d.image, d.frame, d.x, d.y, d.scaleX, d.scaleY);
    }
  }

  // The frame pieces that run along a square at the world's edge.
  void Border(int column, int row, int32_t x, int32_t y) {
    const bool top = row == 0;
    const bool bottom = row == kSquareRows - 1;
    const bool left = column == 0;
    const bool right = column == kSquareColumns - 1;
    const int32_t piece = cells::kCellSize;
    if (top) {
      for (int32_t px = x; px < x + kSquareSize; px += piece)
        PutBorder(kBorderLying, px, kBorderTopY, 1.25f, 0.8f);
    }
    if (bottom) {
      for (int32_t by : kBorderRowsBelow) {
        for (int32_t px = x; px < x + kSquareSize; px += piece)
          PutBorder(kBorderLying, px, by, 1.25f, 0.8f);
      }
    }
    if (left) {
      for (int32_t py = y; py < y + kSquareSize; py += piece)
        PutBorder(kBorderUpright, kBorderLeftX, py, 0.8f, 1.25f);
    }
    if (right) {
      for (int32_t bx : kBorderColumnsRight) {
        for (int32_t py = y; py < y + kSquareSize; py += piece)
          PutBorder(kBorderUpright, bx, py, 0.8f, 1.25f);
      }
    }
    // Corner pieces with the squares at the world's corners.
    if ((top || bottom) && (left || right)) {
      if (left) {
        Corners(&kBorderLeftX, 1, top, bottom);
      } else {
        Corners(kBorderColumnsRight, 6, top, bottom);
      }
    }
  }

  void Corners(const int32_t* xs, int count, bool top, bool bottom) {
    for (int i = 0; i < count; ++i) {
      if (top) PutBorder(kBorderCorner, xs[i], kBorderTopY, 0.8f, 0.8f);
      if (bottom) {
        for (int32_t by : kBorderRowsBelow) PutBorder(kBorderCorner, xs[i], by, 0.8f, 0.8f);
      }
    }
  }

  const KingdomMap& map_;
  MapSpriteSink& sink_;
};

}  // namespace

void SheetSpriteSink::Sprite(const MapSprite& s) {
  sheet_->Draw(s.image, s.frame, s.x, s.y, kUntinted, s.scaleX, s.scaleY);
}

void EmitMapBlock(const KingdomMap& map, int block, MapSpriteSink& sink) {
  if (!CameraInBlockWindow(block, map.cameraX, map.cameraY)) return;
  const cells::MapBlock& b = cells::kBlocks[block - 1];
  const int firstColumn = (b.left - kGridLeft) / kSquareSize;
  const int firstRow = (b.top - kGridTop) / kSquareSize;
  const int columns = b.columns * cells::kCellSize / kSquareSize;
  const int rows = b.rows * cells::kCellSize / kSquareSize;
  SquarePainter painter(map, sink);
  for (int row = firstRow; row < firstRow + rows; ++row) {
    const int32_t y = kGridTop + row * kSquareSize;
    if (!(y - 600 < map.cameraY && map.cameraY < y + kSquareSize)) continue;
    for (int column = firstColumn; column < firstColumn + columns; ++column) {
      const int32_t x = kGridLeft + column * kSquareSize;
      if (!(x - 800 < map.cameraX && map.cameraX < x + kSquareSize)) continue;
      painter.Square(column, row);
    }
  }
}

void KeepSquaresScaled(SpriteSheet& sheet) {
  bool kept[kImageCount] = {};
  auto keep = [&](int image) {
    if (image < 0 || image >= kImageCount || kept[image]) return;
    kept[image] = true;
    sheet.KeepScaled(image, 0, kSquareScale, kSquareScale);
  };
  for (const auto& row : kSquareImage) {
    for (int8_t image : row) keep(image);
  }
  for (const PlaceSquare& p : kPlaceSquares) keep(p.image);
  keep(kGrey6);
}

void KingdomMap::DrawBlock(int block) {
  if (tileSheet == nullptr) return;
  SheetSpriteSink sink(tileSheet);
  EmitMapBlock(*this, block, sink);
}

void KingdomMap::DrawBlock1() { DrawBlock(1); }
void KingdomMap::DrawBlock2() { DrawBlock(2); }
void KingdomMap::DrawBlock3() { DrawBlock(3); }
void KingdomMap::DrawBlock4() { DrawBlock(4); }
void KingdomMap::DrawBlock5() { DrawBlock(5); }
void KingdomMap::DrawBlock6() { DrawBlock(6); }
void KingdomMap::DrawBlock7() { DrawBlock(7); }
void KingdomMap::DrawBlock8() { DrawBlock(8); }
void KingdomMap::DrawBlock9() { DrawBlock(9); }
