#pragma once
// The wealth screen: the gems and artifacts found, the villages that joined,
// the towns and mines held, what each kind is worth, the wealth total and the
// gold. It shows a copy of the game record's wealth tables taken on entry and
// writes nothing back; Back, Backspace and Escape return to the kingdom map.

#include <cstdint>

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
struct Wealth;

// Points each owned item of a kind is worth.
constexpr uint32_t kGemPoints = 3;
constexpr uint32_t kArtifactPoints = 5;
constexpr uint32_t kVillagePoints = 10;
constexpr uint32_t kTownPoints = 20;

// Hover and click rectangles of Back (the click one is wider and lower).
constexpr int32_t kWealthBackX = 700;
constexpr int32_t kWealthBackY = 0;
constexpr int32_t kWealthBackHoverW = 64;
constexpr int32_t kWealthBackHoverH = 32;
constexpr int32_t kWealthBackClickW = 100;
constexpr int32_t kWealthBackClickH = 30;

// The position of an owned item that stands in no place: never drawn.
constexpr int32_t kWealthUnplaced = -1;

class WealthScreen {
 public:
  WealthScreen();
  virtual ~WealthScreen();
  WealthScreen(const WealthScreen&) = delete;
  WealthScreen& operator=(const WealthScreen&) = delete;

  void Init();
  void LoadArt(GraphicsDevice* device);
  // The place and owned arrays of the four kinds and the gold, copied.
  void CopyFrom(const Wealth& wealth, uint32_t goldOwned);
  void LoadGems(GraphicsDevice* device);
  void LoadArtifacts(GraphicsDevice* device);
  void LoadVillages(GraphicsDevice* device);
  void LoadTownsAndMines(GraphicsDevice* device);
  void ComputeTotal();
  void LayOut();
  void ReleaseArt();

  void HoverBack(int32_t x, int32_t y);
  // 1 when mouse button 0 or 1 is freshly pressed inside Back's click box.
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);

  void DrawFrame();
  void DrawGems();
  void DrawArtifacts();
  void DrawVillages();
  void DrawTownsAndMines();
  void ClearHover();
  // Each owned village, town or mine on its plate, at its position.
  void DrawOnPlates(SpriteSheet* items, int count, const uint8_t* owned, const uint8_t* images,
                    const int32_t* xs, const int32_t* ys, float plateScale, float scale);

  SpriteSheet* sheet;
  SpriteSheet* gemSheet;
  SpriteSheet* artifactSheet;
  SpriteSheet* villageSheet;
  SpriteSheet* townSheet;
  uint32_t total;  // wealth points
  uint32_t gold;
  uint8_t gemPlaces[30];
  uint8_t gemOwned[30];
  uint8_t gemImage[30];
  int32_t gemX[30];
  int32_t gemY[30];
  uint8_t artifactPlaces[30];
  uint8_t artifactOwned[30];
  uint8_t artifactImage[15];
  int32_t artifactX[30];
  int32_t artifactY[30];
  uint8_t villagePlaces[10];
  uint8_t villageJoined[10];
  uint8_t villageImage[8];
  int32_t villageX[10];
  int32_t villageY[10];
  uint8_t townPlaces[10];  // towns and mines
  uint8_t townOwned[10];
  uint8_t townImage[6];
  int32_t townX[10];
  int32_t townY[10];
  uint8_t backLook;   // 0 normal, 1 cursor over it, 2 pressed
  uint8_t held;       // from the press on Back until it is acted on
  uint8_t hoverId;    // 1 while the cursor is over Back this frame
  uint8_t pressedId;  // 1 when Back was pressed

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v.Handle(gemSheet);
    v.Handle(artifactSheet);
    v.Handle(villageSheet);
    v.Handle(townSheet);
    v("total", total);
    v("gold", gold);
    v("gemPlaces", gemPlaces);
    v("gemOwned", gemOwned);
    v("gemImage", gemImage);
    v("gemX", gemX);
    v("gemY", gemY);
    v("artifactPlaces", artifactPlaces);
    v("artifactOwned", artifactOwned);
    v("artifactImage", artifactImage);
    v("artifactX", artifactX);
    v("artifactY", artifactY);
    v("villagePlaces", villagePlaces);
    v("villageJoined", villageJoined);
    v("villageImage", villageImage);
    v("villageX", villageX);
    v("villageY", villageY);
    v("townPlaces", townPlaces);
    v("townOwned", townOwned);
    v("townImage", townImage);
    v("townX", townX);
    v("townY", townY);
    v("backLook", backLook);
    v("held", held);
    v("hoverId", hoverId);
    v("pressedId", pressedId);
  }
};
