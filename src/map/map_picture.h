#pragma once
// Inside the map view: the picture of the land as a list of sprite draws.
// The view's draw methods send these draws to the map sheet; the tests send
// them to a recorder.

#include <cstdint>

class KingdomMap;
class SpriteSheet;

// One draw of a frame of a map-sheet image at a screen point.
struct MapSprite {
  int32_t image;
  int32_t frame;
  int32_t x, y;  // screen point
  float scaleX, scaleY;
};

class MapSpriteSink {
 public:
  virtual ~MapSpriteSink() = default;
  virtual void Sprite(const MapSprite& sprite) = 0;
};

// Draws onto a sprite sheet, untinted.
class SheetSpriteSink : public MapSpriteSink {
 public:
  explicit SheetSpriteSink(SpriteSheet* sheet) : sheet_(sheet) {}
  void Sprite(const MapSprite& sprite) override;

 private:
  SpriteSheet* sheet_;
};

// A small picture laid over the land at a fixed world point.
struct MapDecoration {
  int16_t image;  // MAPOthers, MapOthers2, MapOthers3 or MapOthers5
  int16_t frame;
  int32_t x, y;  // world point of the picture's top-left corner
  float scaleX, scaleY;
};
extern const MapDecoration kMapDecorations[];
extern const int kMapDecorationCount;

// What a decoration frame shows and the ground it is painted on; the
// decoration table puts each frame only on squares of that ground.
enum class DecorationGround : uint8_t { Grass, Lush, Desert, Wasteland };
DecorationGround GroundOfDecoration(int image, int frame);

// A quest marker: drawn while its quest's stage is below 5.
struct QuestMarker {
  uint8_t quest;  // 1..100
  int16_t image;  // Items or Items2
  int16_t frame;
  int32_t x, y;  // world point
  float scaleX, scaleY;
  int32_t testX;  // 0: always; else drawn only while testX - cameraX lies in -29..799
};
constexpr int kQuestMarkerCount = 26;
extern const QuestMarker kQuestMarkers[kQuestMarkerCount];

// The draws of one block (1..9) at the view's camera, in drawing order;
// nothing when the camera is outside the block's window.
void EmitMapBlock(const KingdomMap& map, int block, MapSpriteSink& sink);
// Keeps the squares' pictures scaled to their size on the map, so that the
// land is drawn by copying rows.
void KeepSquaresScaled(SpriteSheet& sheet);
// The draws of the quest markers.
void EmitQuestMarkers(const KingdomMap& map, const uint8_t* questStages, MapSpriteSink& sink);
