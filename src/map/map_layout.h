#pragma once
// The fixed layout of the kingdom map's picture: the 120 images of the map
// sheet, the 27 x 16 grid of 200-pixel squares that covers the world, and
// the camera windows of the nine blocks. Plain constant data, shared by the
// map view and the asset generator that paints the sheet.

#include <cstdint>

namespace maplayout {

constexpr uint32_t kKeyBlackArgb = 0xFF000000u;
constexpr uint32_t kKeyRedArgb = 0xFFFF0000u;

struct MapImage {
  const char* name;  // file "Art\\Map\\" + name + ".bmp"
  int16_t frameWidth;
  int16_t frameHeight;
  uint32_t colourKey;  // 0 = none
};

constexpr int kImageCount = 120;

// In sheet order.
inline constexpr MapImage kImages[kImageCount] = {
    {"Grass1", 128, 128, 0},            // 0
    {"Palace3", 128, 128, 0},           // 1
    {"Grass2", 128, 128, 0},            // 2
    {"Road1", 128, 128, 0},             // 3
    {"Grass3", 128, 128, 0},            // 4
    {"Grass4", 128, 128, 0},            // 5
    {"Grass5", 128, 128, 0},            // 6
    {"Grass6", 128, 128, 0},            // 7
    {"Grass7", 128, 128, 0},            // 8
    {"Road2", 128, 128, 0},             // 9
    {"Road3", 128, 128, 0},             // 10
    {"Tree1", 128, 128, 0},             // 11
    {"Road4", 128, 128, 0},             // 12
    {"Road5", 128, 128, 0},             // 13
    {"GrassG1", 128, 128, 0},           // 14
    {"GrassG2", 128, 128, 0},           // 15
    {"Town1", 128, 128, 0},             // 16
    {"MineGold", 128, 128, 0},          // 17
    {"MineIron", 128, 128, 0},          // 18
    {"Village1", 128, 128, 0},          // 19
    {"Village2", 128, 128, 0},          // 20
    {"Desert1", 128, 128, 0},           // 21
    {"GrassG3", 128, 128, 0},           // 22
    {"Brown1", 128, 128, 0},            // 23
    {"Brown2", 128, 128, 0},            // 24
    {"Village3", 128, 128, 0},          // 25
    {"Road6", 128, 128, 0},             // 26
    {"Brown3", 128, 128, 0},            // 27
    {"Road7", 128, 128, 0},             // 28
    {"Brown4", 128, 128, 0},            // 29
    {"Brown5", 128, 128, 0},            // 30
    {"Brown6", 128, 128, 0},            // 31
    {"Brown7", 128, 128, 0},            // 32
    {"Desert2", 128, 128, 0},           // 33
    {"Water1", 128, 128, 0},            // 34
    {"GrassG4", 128, 128, 0},           // 35
    {"GrassG5", 128, 128, 0},           // 36
    {"GrassG6", 128, 128, 0},           // 37
    {"GrassG7", 128, 128, 0},           // 38
    {"Brown8", 128, 128, 0},            // 39
    {"GrassG8", 128, 128, 0},           // 40
    {"GrassG9", 128, 128, 0},           // 41
    {"GrassG10", 128, 128, 0},          // 42
    {"Village4", 128, 128, 0},          // 43
    {"Desert3", 128, 128, 0},           // 44
    {"Desert4", 128, 128, 0},           // 45
    {"Desert5", 128, 128, 0},           // 46
    {"Desert6", 128, 128, 0},           // 47
    {"Desert7", 128, 128, 0},           // 48
    {"Grass8", 128, 128, 0},            // 49
    {"Village5", 128, 128, 0},          // 50
    {"Water2", 128, 128, 0},            // 51
    {"Grass9", 128, 128, 0},            // 52
    {"Desert8", 128, 128, 0},           // 53
    {"Road8", 128, 128, 0},             // 54
    {"Road9", 128, 128, 0},             // 55
    {"Road10", 128, 128, 0},            // 56
    {"Road11", 128, 128, 0},            // 57
    {"Town2", 128, 128, 0},             // 58
    {"Road12", 128, 128, 0},            // 59
    {"Road13", 128, 128, 0},            // 60
    {"GrassG11", 128, 128, 0},          // 61
    {"GrassG12", 128, 128, 0},          // 62
    {"GrassG13", 128, 128, 0},          // 63
    {"M1", 128, 128, 0},                // 64
    {"M2", 128, 128, 0},                // 65
    {"M3", 128, 128, 0},                // 66
    {"M4", 128, 128, 0},                // 67
    {"M5", 128, 128, 0},                // 68
    {"M6", 128, 128, 0},                // 69
    {"M7", 128, 128, 0},                // 70
    {"M8", 128, 128, 0},                // 71
    {"M9", 128, 128, 0},                // 72
    {"M10", 128, 128, 0},               // 73
    {"Grey1", 128, 128, 0},             // 74
    {"Grey2", 128, 128, 0},             // 75
    {"Grey3", 128, 128, 0},             // 76
    {"Grey4", 128, 128, 0},             // 77
    {"Grey5", 128, 128, 0},             // 78
    {"Grey6", 128, 128, 0},             // 79
    {"Grey7", 128, 128, 0},             // 80
    {"Grey8", 128, 128, 0},             // 81
    {"Tribe1", 128, 128, 0},            // 82
    {"Tribe2", 128, 128, 0},            // 83
    {"Tribe3", 128, 128, 0},            // 84
    {"Tribe4", 128, 128, 0},            // 85
    {"Tribe5", 128, 128, 0},            // 86
    {"Tribe6", 128, 128, 0},            // 87
    {"CastleEvil", 128, 128, 0},        // 88
    {"Border", 32, 32, kKeyBlackArgb},  // 89
    {"MAPOthers", 8, 8, 0},             // 90
    {"Grey9", 128, 128, 0},             // 91
    {"Grey10", 128, 128, 0},            // 92
    {"Tower", 128, 128, 0},             // 93
    {"Grey11", 128, 128, 0},            // 94
    {"Grey12", 128, 128, 0},            // 95
    {"Grey13", 128, 128, 0},            // 96
    {"Grey14", 128, 128, 0},            // 97
    {"Grey15", 128, 128, 0},            // 98
    {"Grey16", 128, 128, 0},            // 99
    {"Town4", 128, 128, 0},             // 100
    {"GrassG14", 128, 128, 0},          // 101
    {"Mansion", 128, 128, 0},           // 102
    {"GrassG15", 128, 128, 0},          // 103
    {"Citadel", 128, 128, 0},           // 104
    {"Desert9", 128, 128, 0},           // 105
    {"Desert10", 128, 128, 0},          // 106
    {"Desert11", 128, 128, 0},          // 107
    {"Road14", 128, 128, 0},            // 108
    {"Town5", 128, 128, 0},             // 109
    {"MapOthers2", 8, 8, 0},            // 110
    {"MapOthers3", 16, 16, 0},          // 111
    {"DarkTemple", 128, 128, 0},        // 112
    {"MapOthers5", 32, 32, 0},          // 113
    {"Road15", 128, 128, 0},            // 114
    {"Flag1", 32, 32, kKeyRedArgb},     // 115
    {"Flag2", 32, 32, kKeyRedArgb},     // 116
    {"Flag4", 32, 32, kKeyBlackArgb},   // 117
    {"Items", 32, 32, kKeyRedArgb},     // 118
    {"Items2", 32, 32, kKeyRedArgb},    // 119
};

// Sheet indices the code names.
constexpr int kGrey6 = 79;
constexpr int kTribe1 = 82;
constexpr int kTribe2 = 83;
constexpr int kTribe3 = 84;
constexpr int kTribe4 = 85;
constexpr int kTribe5 = 86;
constexpr int kTribe6 = 87;
constexpr int kCastleEvil = 88;
constexpr int kBorder = 89;
constexpr int kMapOthers = 90;
constexpr int kTower = 93;
constexpr int kMapOthers2 = 110;
constexpr int kMapOthers3 = 111;
constexpr int kDarkTemple = 112;
constexpr int kMapOthers5 = 113;
constexpr int kFlag1 = 115;
constexpr int kFlag2 = 116;
constexpr int kFlag4 = 117;
constexpr int kItems = 118;
constexpr int kItems2 = 119;

// The square grid: square (i, j) has its top-left corner at world
// (-1800 + 200 i, -1200 + 200 j) and shows its 128-pixel image at 1.5625.
constexpr int kSquareSize = 200;
constexpr int kSquareColumns = 27;
constexpr int kSquareRows = 16;
constexpr int kGridLeft = -1800;
constexpr int kGridTop = -1200;
constexpr float kSquareScale = 1.5625f;

// Base image of each square by row (top first) and column (left first);
// -1 marks a square whose image follows the state of its place.
inline constexpr int8_t kSquareImage[kSquareRows][kSquareColumns] = {
    {53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53,
     53, 53, 53, 99, 79, 79, 79, 79, 79, 79, 79, 79, 79},  // y -1200
    {53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53,
     53, 53, 53, 98, 79, 79, 79, 79, 79, 79, 79, -1, 79},  // y -1000
    {53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53, 53,
     53, 53, 53, 97, 79, 79, 79, 79, 79, 79, 79, 79, 79},  // y -800
    {53, 53, 53, 53, 53, 53, 50, 48, 47, 46, 45, 44, 21, 33,
     32, 65, 73, 78, 79, 79, 79, -1, 79, 79, 79, 79, 79},  // y -600
    {45, 44, 107, 106, 105, 52, 49, 7,  4,  6,  34, 6,  4, 7,
     31, 64, 66,  77,  80,  79, 79, 79, 79, 79, 79, 79, 79},  // y -400
    {6,  8,  6,  8,  7,  8,  51, 6,  7,  8,  8,  7,  8, 4,
     30, 66, 64, 76, 79, 79, 79, 79, 79, 79, -1, 79, 79},  // y -200
    {7,  8,  8,  7,  6,  6,  7,  8,  6,  0,  1,  2,  6, 18,
     23, 64, 72, 75, 79, 79, -1, 79, 79, 79, 79, 79, 79},  // y 0
    {8,  8,  7,  6,  8,  4,  8,  7,  8,  5,  3,  4,  8, 25,
     24, 66, 71, 74, 79, 79, 79, 79, 79, 79, 79, 79, 79},  // y 200
    {6,  7,  8,  7,  6,  20, 17, 8,  8,  7,  9,  11, 8, 7,
     27, 64, 66, 81, 79, 79, 79, 79, -1, 79, 79, 79, -1},  // y 400
    {7,  8,  109, 12,  108, 57, 56, 55, 54, 13, 10, 114, 16, 26,
     28, 67, 68,  104, 79,  -1, 79, 79, 79, 79, 79, 79,  79},  // y 600
    {7,  6,  6,  8,  8,  7,  58, 6,  61, 14, 15, 36, 37, 38,
     29, 66, 64, 77, 79, 79, 79, 79, 79, 79, 79, 79, 79},  // y 800
    {6,  8,  7,  7,  6,  8,  59, 62, 22, 41, 22, 35, 22, 40,
     39, 69, 70, 91, 79, 79, 79, 79, 79, 79, 79, 79, 79},  // y 1000
    {8,  7,  6,  8,  7,  6,  60, 63, 22, 43, 22, 22, 41, 42,
     22, 22, 14, 92, -1, 79, 79, 79, 79, 79, 79, 79, 79},  // y 1200
    {7,  6,  19, 7,  6,  4,  100, 101, 22, 22, 22, 22, 22, 22,
     43, 22, 22, 94, 79, 79, 79,  79,  79, 79, -1, 79, 79},  // y 1400
    {6,  8,  7,  8,  7,  7,  5,  102, 22, 22, 22, 22, 22, 22,
     22, 22, 22, 95, 79, 79, 79, 79,  79, 79, 79, 79, 79},  // y 1600
    {11, 7,  6,  7,  8,  8,  0,  103, 22, 22, 22, 22, 22, 22,
     22, 22, 22, 96, 79, 79, 79, 79,  79, 79, 79, 79, 79},  // y 1800
};

// The camera window in which a block is drawn and clicked (all bounds
// strict): the camera must lie above each low bound and below each high one.
struct BlockWindow {
  int32_t minX, maxX, minY, maxY;
};
constexpr int32_t kNoBound = 0x7FFFFFFF;

// Block n at index n - 1.
inline constexpr BlockWindow kBlockWindows[9] = {
    {-1600, 1200, -1200, 1400},          // 1
    {400, kNoBound, -1200, 1400},        // 2
    {400, kNoBound, 800, kNoBound},      // 3
    {400, kNoBound, -kNoBound, -600},    // 4
    {-1600, 1200, -kNoBound, -600},      // 5
    {-1600, 1200, 800, kNoBound},        // 6
    {-kNoBound, -800, 800, kNoBound},    // 7
    {-kNoBound, -800, -1200, 1400},      // 8
    {-kNoBound, -800, -kNoBound, -600},  // 9
};

constexpr bool CameraInBlockWindow(int block, int32_t cameraX, int32_t cameraY) {
  if (block < 1 || block > 9) return false;
  const BlockWindow& w = kBlockWindows[block - 1];
  return cameraX > w.minX && cameraX < w.maxX && cameraY > w.minY && cameraY < w.maxY;
}

}  // namespace maplayout
