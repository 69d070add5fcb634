// The map picture as a list of draws: blocks and culling, the place-state
// choices of squares and flags, the frame around the world, the quest
// markers, and the decoration table's placement.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "map/kingdom_map.h"
#include "map/map_layout.h"
#include "map/map_picture.h"

using namespace maplayout;

namespace {

class Recorder : public MapSpriteSink {
 public:
  void Sprite(const MapSprite& s) override { draws.push_back(s); }
  std::vector<MapSprite> draws;
};

std::vector<MapSprite> DrawAll(const KingdomMap& map) {
  Recorder r;
  for (int b = 1; b <= 9; ++b) EmitMapBlock(map, b, r);
  return r.draws;
}

// Draws of one image at a world point.
int CountAt(const KingdomMap& map, const std::vector<MapSprite>& draws, int image, int32_t wx,
            int32_t wy) {
  return int(std::count_if(draws.begin(), draws.end(), [&](const MapSprite& s) {
    return s.image == image && s.x == wx - map.cameraX && s.y == wy - map.cameraY;
  }));
}

// Index in the draw list of an image at a world point, -1 when absent.
int IndexAt(const KingdomMap& map, const std::vector<MapSprite>& draws, int image, int32_t wx,
            int32_t wy) {
  for (size_t i = 0; i < draws.size(); ++i) {
    if (draws[i].image == image && draws[i].x == wx - map.cameraX && draws[i].y == wy - map.cameraY)
      return int(i);
  }
  return -1;
}

// Points the camera so that the world point lies near the screen's middle.
void Aim(KingdomMap& map, int32_t wx, int32_t wy) {
  map.cameraX = std::clamp(wx - 300, kCameraMinX, kCameraMaxX);
  map.cameraY = std::clamp(wy - 250, kCameraMinY, kCameraMaxY);
}

// Squares with a road or a place on them (the palace, roads, towns, mines,
// villages, the mountain pass, the tower, the temple, the castle).
bool IsRoadOrPlace(int image) {
  static const int kRoadsAndPlaces[] = {1,  3,  9,  10, 12, 13,  16,  17,  18,  19,  20, 25,
                                        26, 28, 43, 50, 54, 55,  56,  57,  58,  59,  60, 67,
                                        68, 71, 80, 93, 97, 100, 102, 104, 108, 109, 114};
  return image < 0 || std::find(std::begin(kRoadsAndPlaces), std::end(kRoadsAndPlaces), image) !=
                          std::end(kRoadsAndPlaces);
}

}  // namespace

TEST(MapPicture, BlocksDrawnAtTheStartCamera) {
  KingdomMap map;  // (-1115, 320)
  for (int b = 1; b <= 9; ++b) {
    Recorder r;
    EmitMapBlock(map, b, r);
    EXPECT_EQ(!r.draws.empty(), b == 1 || b == 8) << "block " << b;
  }
  // Exactly the squares that overlap the screen, each at 1.5625.
  std::vector<MapSprite> draws = DrawAll(map);
  int squares = 0;
  for (const MapSprite& s : draws) {
    if (s.scaleX == kSquareScale && s.scaleY == kSquareScale) {
      ++squares;
      EXPECT_GT(s.x, -200);
      EXPECT_LT(s.x, 800);
      EXPECT_GT(s.y, -200);
      EXPECT_LT(s.y, 600);
    }
  }
  EXPECT_EQ(squares, 5 * 4);
  // The village of the west with its flag, the road below it.
  EXPECT_EQ(CountAt(map, draws, 20, -800, 400), 1);
  EXPECT_EQ(CountAt(map, draws, kFlag1, -724, 460), 1);
  EXPECT_EQ(CountAt(map, draws, 12, -1200, 600), 1);
  EXPECT_EQ(CountAt(map, draws, 109, -1400, 600), 0);  // just off the screen
}

TEST(MapPicture, BlockWindowsMatchWhatIsOnScreen) {
  // Wherever the camera is, a block is drawn exactly when some of it is on
  // the screen; and never more than 5 x 4 squares are drawn.
  for (int32_t cx = kCameraMinX; cx <= kCameraMaxX; cx += 97) {
    for (int32_t cy = kCameraMinY; cy <= kCameraMaxY; cy += 83) {
      KingdomMap map;
      map.cameraX = cx;
      map.cameraY = cy;
      int squares = 0;
      for (int b = 1; b <= 9; ++b) {
        Recorder r;
        EmitMapBlock(map, b, r);
        const int bx0[9] = {-800, 1200, 1200, 1200, -800, -800, -1800, -1800, -1800};
        const int bx1[9] = {1200, 3600, 3600, 3600, 1200, 1200, -800, -800, -800};
        const int by0[9] = {-600, -600, 1400, -1200, -1200, 1400, 1400, -600, -1200};
        const int by1[9] = {1400, 1400, 2000, -600, -600, 2000, 2000, 1400, -600};
        const bool onScreen =
            bx0[b - 1] < cx + 800 && bx1[b - 1] > cx && by0[b - 1] < cy + 600 && by1[b - 1] > cy;
        EXPECT_EQ(CameraInBlockWindow(b, cx, cy), onScreen) << cx << "," << cy << " block " << b;
        for (const MapSprite& s : r.draws) squares += s.scaleX == kSquareScale;
      }
      EXPECT_LE(squares, 20);
      EXPECT_GE(squares, 12);
    }
  }
}

TEST(MapPicture, PlaceStatesChooseSquaresAndFlags) {
  // An enemy camp: shown with its flag while its place state is non-zero.
  {
    KingdomMap map;
    Aim(map, 2400, -600);
    map.placeStates[15] = 0;
    std::vector<MapSprite> draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kGrey6, 2400, -600), 1);
    EXPECT_EQ(CountAt(map, draws, kTribe3, 2400, -600), 0);
    EXPECT_EQ(CountAt(map, draws, kFlag2, 2476, -515), 0);
    map.placeStates[15] = 3;
    map.animFrame = 2;
    draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kGrey6, 2400, -600), 0);
    EXPECT_EQ(CountAt(map, draws, kTribe3, 2400, -600), 1);
    int flag = IndexAt(map, draws, kFlag2, 2476, -515);
    ASSERT_GE(flag, 0);
    EXPECT_GT(flag, IndexAt(map, draws, kTribe3, 2400, -600));  // over its square
    EXPECT_EQ(draws[flag].frame, 2);
    EXPECT_FLOAT_EQ(draws[flag].scaleX, 0.8f);
    EXPECT_FLOAT_EQ(draws[flag].scaleY, 0.8f);
  }
  // The tower the other way round: gone once its state is non-zero.
  {
    KingdomMap map;
    Aim(map, 2000, 600);
    std::vector<MapSprite> draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kTower, 2000, 600), 1);
    EXPECT_EQ(CountAt(map, draws, kFlag1, 2036, 684), 1);
    map.placeStates[10] = 1;
    draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kTower, 2000, 600), 0);
    EXPECT_EQ(CountAt(map, draws, kGrey6, 2000, 600), 1);
    EXPECT_EQ(CountAt(map, draws, kFlag1, 2036, 684), 0);
  }
  // The black castle flies two flags; the evil temple's flag stands above
  // its square and still lies over the square above.
  {
    KingdomMap map;
    Aim(map, 3400, 400);
    map.placeStates[18] = 1;
    std::vector<MapSprite> draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kCastleEvil, 3400, 400), 1);
    EXPECT_EQ(CountAt(map, draws, kFlag2, 3409, 409), 1);
    EXPECT_EQ(CountAt(map, draws, kFlag2, 3544, 409), 1);
    KingdomMap temple;
    Aim(temple, 3200, -1000);
    temple.placeStates[17] = 1;
    draws = DrawAll(temple);
    EXPECT_GT(IndexAt(temple, draws, kFlag2, 3276, -1022),
              IndexAt(temple, draws, kGrey6, 3200, -1200));
  }
  // The mines: both flags, in opposite orders.
  {
    KingdomMap map;
    Aim(map, -600, 400);
    map.placeStates[0] = 1;
    map.townOwned[0] = 1;
    std::vector<MapSprite> draws = DrawAll(map);
    EXPECT_LT(IndexAt(map, draws, kFlag2, -523, 425), IndexAt(map, draws, kFlag4, -523, 425));
    map.placeStates[0] = 0;
    draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kFlag2, -523, 425), 0);
    EXPECT_EQ(CountAt(map, draws, kFlag4, -523, 425), 1);
    map.townOwned[0] = 0;
    draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kFlag4, -523, 425), 0);

    KingdomMap iron;
    Aim(iron, 800, 0);
    iron.placeStates[1] = 1;
    iron.townOwned[5] = 1;
    draws = DrawAll(iron);
    EXPECT_LT(IndexAt(iron, draws, kFlag4, 876, 22), IndexAt(iron, draws, kFlag2, 876, 22));
  }
  // Towns by their owned flag, villages by their joined flag, the castle
  // by its place state; no other byte changes the picture.
  {
    KingdomMap map;
    Aim(map, 600, 600);
    std::vector<MapSprite> draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kFlag1, 680, 680), 1);
    map.townOwned[4] = 1;
    draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kFlag1, 680, 680), 0);
    EXPECT_EQ(CountAt(map, draws, kFlag4, 680, 680), 1);

    KingdomMap village;
    Aim(village, 1400, 200);
    draws = DrawAll(village);
    EXPECT_EQ(CountAt(village, draws, kFlag1, 1477, 286), 1);
    village.villageJoined[5] = 1;
    draws = DrawAll(village);
    EXPECT_EQ(CountAt(village, draws, kFlag4, 1477, 286), 1);
    EXPECT_EQ(CountAt(village, draws, kFlag1, 1477, 286), 0);

    KingdomMap castle;
    Aim(castle, 1600, 600);
    draws = DrawAll(castle);
    EXPECT_EQ(CountAt(castle, draws, kFlag1, 1668, 617), 1);
    castle.placeStates[3] = 2;
    draws = DrawAll(castle);
    EXPECT_EQ(CountAt(castle, draws, kFlag2, 1668, 617), 1);
    EXPECT_EQ(CountAt(castle, draws, kFlag1, 1668, 617), 0);

    // The unread bytes.
    for (int32_t cx = kCameraMinX; cx <= kCameraMaxX; cx += 600) {
      for (int32_t cy = kCameraMinY; cy <= kCameraMaxY; cy += 450) {
        KingdomMap plain, busy;
        plain.cameraX = busy.cameraX = cx;
        plain.cameraY = busy.cameraY = cy;
        for (int k : {4, 5, 6, 7, 8, 9, 19, 20, 25, 29}) busy.placeStates[k] = 1;
        busy.villageJoined[8] = busy.villageJoined[9] = 1;
        for (int k = 6; k < 10; ++k) busy.townOwned[k] = 1;
        std::vector<MapSprite> a = DrawAll(plain), b = DrawAll(busy);
        ASSERT_EQ(a.size(), b.size());
        for (size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i].image, b[i].image);
      }
    }
  }
  // The palace's three flags and the temple's are always there.
  {
    KingdomMap map;
    Aim(map, 200, 0);
    std::vector<MapSprite> draws = DrawAll(map);
    EXPECT_EQ(CountAt(map, draws, kFlag1, 224, 20) + CountAt(map, draws, kFlag1, 277, 39) +
                  CountAt(map, draws, kFlag1, 332, 20),
              3);
  }
}

TEST(MapPicture, FrameAroundTheWorld) {
  // At the far corner the right and bottom frame fill the screen's edges.
  KingdomMap map;
  map.cameraX = kCameraMaxX;
  map.cameraY = kCameraMaxY;
  std::vector<MapSprite> draws = DrawAll(map);
  float right = 0, bottom = 0;
  int corners = 0;
  for (const MapSprite& s : draws) {
    if (s.image != kBorder) continue;
    right = std::max(right, s.x + 32 * s.scaleX);
    bottom = std::max(bottom, s.y + 32 * s.scaleY);
    corners += s.frame == 2;
  }
  EXPECT_GE(right, 797.0f);
  EXPECT_GE(bottom, 597.0f);
  EXPECT_EQ(corners, 6 * 3);  // the six right columns by the three bottom rows
  // The bottom rows cover the screen's width, without gaps.
  std::vector<int32_t> xs;
  for (const MapSprite& s : draws) {
    if (s.image == kBorder && s.frame == 1 && s.y == 2052 - map.cameraY) xs.push_back(s.x);
  }
  std::sort(xs.begin(), xs.end());
  ASSERT_FALSE(xs.empty());
  EXPECT_LE(xs.front(), 0);
  for (size_t i = 1; i < xs.size(); ++i) EXPECT_EQ(xs[i] - xs[i - 1], 40);

  // At the near corner: the top row, the left column and the corner piece.
  KingdomMap nearCorner;
  nearCorner.cameraX = kCameraMinX;
  nearCorner.cameraY = kCameraMinY;
  draws = DrawAll(nearCorner);
  EXPECT_EQ(CountAt(nearCorner, draws, kBorder, -1826, -1226), 1);
  EXPECT_EQ(CountAt(nearCorner, draws, kBorder, -1800, -1226), 1);
  EXPECT_EQ(CountAt(nearCorner, draws, kBorder, -1826, -1200), 1);
  // Nothing of the frame is drawn where the screen does not show it.
  KingdomMap middle;
  middle.cameraX = 0;
  middle.cameraY = 0;
  for (const MapSprite& s : DrawAll(middle)) EXPECT_NE(s.image, kBorder);
}

TEST(MapPicture, QuestMarkersByStage) {
  uint8_t stages[100] = {};
  KingdomMap map;
  // A new game: every marker whose extra test holds. No camera lets all
  // four tested markers show at once.
  struct Case {
    int32_t cameraX;
    size_t shown;
  };
  for (Case c : {Case{0, 23}, Case{1100, 23}, Case{1500, 24}, Case{2500, 22}}) {
    map.cameraX = c.cameraX;
    Recorder r;
    EmitQuestMarkers(map, stages, r);
    EXPECT_EQ(r.draws.size(), c.shown) << c.cameraX;
    ASSERT_FALSE(r.draws.empty());
    EXPECT_EQ(r.draws[0].image, kItems);
    EXPECT_EQ(r.draws[0].x, 807 - c.cameraX);
    EXPECT_EQ(r.draws[0].y, 760 - map.cameraY);
    EXPECT_FLOAT_EQ(r.draws[0].scaleY, 0.95f);
  }
  // A stage below 5 shows the marker; 5, 6 and 7 hide it.
  map.cameraX = 0;
  map.cameraY = 0;
  for (uint8_t stage : {0, 1, 2, 4, 5, 6, 7, 200}) {
    stages[6] = stage;  // quest 7: the first marker
    Recorder r;
    EmitQuestMarkers(map, stages, r);
    const bool shown = std::any_of(r.draws.begin(), r.draws.end(), [](const MapSprite& s) {
      return s.image == kItems && s.frame == 0;
    });
    EXPECT_EQ(shown, stage < 5) << int(stage);
  }
  stages[6] = 0;
  // Whether the second sheet's frame shows at a camera x: quest 61's marker
  // tests 122 - cameraX; quests 88 and 89 test the point 2160, not their own x.
  auto shows = [&](int frame, int32_t cameraX) {
    KingdomMap m;
    m.cameraX = cameraX;
    Recorder r;
    EmitQuestMarkers(m, stages, r);
    return std::any_of(r.draws.begin(), r.draws.end(),
                       [&](const MapSprite& s) { return s.image == kItems2 && s.frame == frame; });
  };
  EXPECT_FALSE(shows(1, 152));   // 122 - 152 = -30
  EXPECT_TRUE(shows(1, 151));    // -29
  EXPECT_TRUE(shows(1, -677));   // 799
  EXPECT_FALSE(shows(1, -678));  // 800
  EXPECT_TRUE(shows(8, 2189));   // 2160 - 2189 = -29
  EXPECT_FALSE(shows(8, 2190));
  // No stages, no markers.
  Recorder none;
  EmitQuestMarkers(map, nullptr, none);
  EXPECT_TRUE(none.draws.empty());
}

TEST(MapPicture, DecorationsDressTheirOwnGround) {
  ASSERT_GE(kMapDecorationCount, 180);
  const int frames[4][2] = {{kMapOthers, 2}, {kMapOthers2, 4}, {kMapOthers3, 8}, {kMapOthers5, 4}};
  for (int k = 0; k < kMapDecorationCount; ++k) {
    const MapDecoration& d = kMapDecorations[k];
    SCOPED_TRACE(testing::Message() << "decoration " << k << " at " << d.x << "," << d.y);
    int frameCount = 0, size = 0;
    for (const auto& f : frames) {
      if (f[0] == d.image) frameCount = f[1];
    }
    ASSERT_GT(frameCount, 0);
    EXPECT_LT(d.frame, frameCount);
    size = kImages[d.image].frameWidth;
    EXPECT_GE(d.scaleX, 0.5f);
    EXPECT_LE(d.scaleX, 2.9f);
    EXPECT_GE(d.scaleY, 0.5f);
    EXPECT_LE(d.scaleY, 2.9f);
    // Wholly inside one square, so it never vanishes with a neighbour.
    const int column = (d.x + 1800) / 200, row = (d.y + 1200) / 200;
    ASSERT_LT(column, kSquareColumns);
    ASSERT_LT(row, kSquareRows);
    const int32_t sx = -1800 + column * 200, sy = -1200 + row * 200;
    EXPECT_LE(d.x + size * d.scaleX, sx + 200.0f);
    EXPECT_LE(d.y + size * d.scaleY, sy + 200.0f);
    // Never on a road or a place; always on the ground its picture is painted on.
    const int image = kSquareImage[row][column];
    EXPECT_FALSE(IsRoadOrPlace(image));
    switch (GroundOfDecoration(d.image, d.frame)) {
      case DecorationGround::Grass:
        EXPECT_TRUE(image == 6 || image == 7 || image == 8) << image;
        break;
      case DecorationGround::Lush: EXPECT_EQ(image, 22); break;
      case DecorationGround::Desert: EXPECT_EQ(image, 53); break;
      case DecorationGround::Wasteland: EXPECT_EQ(image, kGrey6); break;
    }
    // Clear of the quest markers.
    for (const QuestMarker& m : kQuestMarkers) {
      const bool apart = d.x + size * d.scaleX <= m.x || m.x + 32 <= d.x ||
                         d.y + size * d.scaleY <= m.y || m.y + 32 <= d.y;
      EXPECT_TRUE(apart) << "marker of quest " << int(m.quest);
    }
  }
}

TEST(MapPicture, DecorationsFollowTheirSquare) {
  // A decoration is drawn right after its square, under the square's test:
  // when its square leaves the screen it goes too.
  const MapDecoration& d = kMapDecorations[0];
  const int column = (d.x + 1800) / 200, row = (d.y + 1200) / 200;
  const int32_t sx = -1800 + column * 200, sy = -1200 + row * 200;
  KingdomMap map;
  Aim(map, sx, sy);
  std::vector<MapSprite> draws = DrawAll(map);
  int square = IndexAt(map, draws, kSquareImage[row][column], sx, sy);
  int deco = IndexAt(map, draws, d.image, d.x, d.y);
  ASSERT_GE(square, 0);
  ASSERT_GE(deco, 0);
  EXPECT_GT(deco, square);
  for (int i = square + 1; i < deco; ++i) EXPECT_NE(draws[i].scaleX, kSquareScale);
  // Camera with the square just off the left of the screen.
  map.cameraX = sx + 200;
  if (map.cameraX <= kCameraMaxX) {
    draws = DrawAll(map);
    EXPECT_EQ(IndexAt(map, draws, d.image, d.x, d.y), -1);
  }
}
