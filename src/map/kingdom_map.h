#pragma once
// The view of the kingdom map: the picture of the land, the camera that
// scrolls over it, the copies of the place states that choose the pictures
// of places and flags, the flag animation, the quest markers, and the click
// test that turns a mouse click on the land into a target cell. It holds no
// units: the party and the armies belong to the map population.

#include <cstdint>

class GraphicsDevice;
class InputDevice;
class MouseCursor;
class SpriteSheet;

// Camera limits of the map view.
constexpr int32_t kCameraMinX = -1826;
constexpr int32_t kCameraMaxX = 2958;
constexpr int32_t kCameraMinY = -1226;
constexpr int32_t kCameraMaxY = 1480;

// Edge tests of a rectangle (x, y, w, h) against a point (px, py); each
// ignores the arguments it does not name. Shared with the battle's view.
uint32_t IsAtBottomEdge(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py);
uint32_t IsAtTopEdge(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py);
uint32_t IsAtLeftEdge(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py);
uint32_t IsAtRightEdge(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py);

class KingdomMap {
 public:
  KingdomMap();
  virtual ~KingdomMap();  // releases the sheet (ReleaseTiles)

  KingdomMap(const KingdomMap&) = delete;
  KingdomMap& operator=(const KingdomMap&) = delete;

  // Creates the map sheet and loads its 120 images; the result of the last
  // load.
  uint32_t LoadTiles(GraphicsDevice* device);
  // Releases and deletes the sheet; harmless when there is none.
  void ReleaseTiles();

  // The click test of one block: 1 when a fresh press of either mouse
  // button over one of its cells set the target, else 0.
  uint32_t ClickBlock1(int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  uint32_t ClickBlock2(int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  uint32_t ClickBlock3(int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  uint32_t ClickBlock4(int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  uint32_t ClickBlock5(int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  uint32_t ClickBlock6(int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  uint32_t ClickBlock7(int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  uint32_t ClickBlock8(int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  uint32_t ClickBlock9(int32_t pointerX, int32_t pointerY, InputDevice* mouse);

  // Moves the camera by speed pixels on each axis whose screen edge the
  // cursor touches, within the camera limits; none while the window lacks
  // the focus.
  void EdgeScroll(MouseCursor* cursor, uint8_t speed);

  // Advances the flags' frame when its time has come.
  void Animate();
  // Draws the markers of the quests not yet done; questStages points at the
  // game record's 100 quest stages.
  void DrawQuestMarkers(const uint8_t* questStages);

  // Each draws the part of the land that lies in its block, when the camera
  // shows that block.
  void DrawBlock1();
  void DrawBlock2();
  void DrawBlock3();
  void DrawBlock4();
  void DrawBlock5();
  void DrawBlock6();
  void DrawBlock7();
  void DrawBlock8();
  void DrawBlock9();

  SpriteSheet* tileSheet;  // the 120-image map sheet (owned); null until LoadTiles
  uint32_t animStartMs;    // when the current flag step began
  uint8_t animPhase;       // 1 start a step at the next call, 2 a step runs
  uint8_t animFrame;       // flag frame 0..3
  uint8_t animRising;      // 1 while the frame counts up
  uint8_t placeStates[30];
  uint8_t villageJoined[10];
  uint8_t townOwned[10];
  int32_t cameraX;  // world point at the screen's top-left corner
  int32_t cameraY;
  int32_t targetX;  // world corner of the cell last clicked
  int32_t targetY;
  uint8_t targetSet;   // a click chose a target the population has not taken yet
  uint8_t clickLatch;  // set from a click until the mouse is seen released
  uint32_t targetCell;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(tileSheet);
    v("animStartMs", animStartMs);
    v("animPhase", animPhase);
    v("animFrame", animFrame);
    v("animRising", animRising);
    v("placeStates", placeStates);
    v("villageJoined", villageJoined);
    v("townOwned", townOwned);
    v("cameraX", cameraX);
    v("cameraY", cameraY);
    v("targetX", targetX);
    v("targetY", targetY);
    v("targetSet", targetSet);
    v("clickLatch", clickLatch);
    v("targetCell", targetCell);
  }

 private:
  uint32_t ClickBlock(int block, int32_t pointerX, int32_t pointerY, InputDevice* mouse);
  void DrawBlock(int block);
};
