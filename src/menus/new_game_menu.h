#pragma once
// The second screen of a new game: the typed name at the top, one of two
// portraits between two arrows, and Ready (or Enter) to confirm it; Back,
// Escape or Backspace return to the name entry. Asteroids tumble across the
// starry background while the player chooses.

#include <cstdint>

#include "game/glyph_name.h"
#include "menus/step_timer.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

// The buttons' ids (hoveredId, clickedId).
constexpr uint8_t kPortraitBack = 1;
constexpr uint8_t kPortraitLeft = 2;
constexpr uint8_t kPortraitRight = 3;
constexpr uint8_t kPortraitReady = 4;

// NewGameMenu::portrait: the portrait shown, 1 or 2 (the game record keeps
// portrait - 1).
constexpr uint8_t kFirstPortrait = 1;
constexpr uint8_t kSecondPortrait = 2;

struct PortraitButton {
  int32_t x, y, w, h;    // the hover and click rectangle
  int32_t drawX, drawY;  // where the picture is drawn
  float scale;
};
constexpr PortraitButton kPortraitBackButton = {715, 30, 64, 32, 715, 30, 1.0f};
constexpr PortraitButton kPortraitLeftButton = {170, 253, 90, 39, 170, 250, 1.4f};
constexpr PortraitButton kPortraitRightButton = {535, 253, 90, 39, 535, 250, 1.4f};
constexpr PortraitButton kPortraitReadyButton = {350, 400, 96, 96, 350, 400, 1.5f};

constexpr int kAsteroids = 5;
constexpr int kCorners = 4;
constexpr uint32_t kAsteroidStepMs = 100;
constexpr uint32_t kCornerStepMs = 100;

class NewGameMenu {
 public:
  NewGameMenu();
  virtual ~NewGameMenu();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();

  void HoverBack(int32_t x, int32_t y);
  void HoverLeft(int32_t x, int32_t y);
  void HoverRight(int32_t x, int32_t y);
  void HoverReady(int32_t x, int32_t y);
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickLeft(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickRight(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickReady(int32_t x, int32_t y, InputDevice* mouse);
  void ClearHover();

  void MeasureName();
  // The arrows: left steps 1 -> 2 -> 1, right 2 -> 1 -> 2.
  void StepLeft();
  void StepRight();
  // a: the slow step, b: the fast step of this frame.
  void MoveAsteroids(int32_t a, int32_t b);
  void StepAsteroidFrames(uint32_t nowMs);
  void StepCorners(uint32_t nowMs);

  void DrawBackButton();
  void DrawReadyButton();
  void DrawPortrait();
  void DrawBackground();
  void DrawLeftArrow();
  void DrawRightArrow();
  void DrawName();

  SpriteSheet* wordSheet;
  SpriteSheet* readySheet;
  SpriteSheet* pictureSheet;
  SpriteSheet* backSheet;
  SpriteSheet* leftArrowSheet;
  SpriteSheet* rightArrowSheet;
  SpriteSheet* upperLetterSheet;
  SpriteSheet* lowerLetterSheet;
  uint8_t backLook;
  uint8_t readyLook;
  uint8_t leftLook;
  uint8_t rightLook;
  uint8_t asteroidFrame[kAsteroids];
  uint8_t cornerFrame[kCorners];
  StepTimer cornerTimer;
  uint8_t nameLength;
  uint8_t name[kGlyphNameLength];
  StepTimer asteroidTimer;
  int32_t asteroidX[kAsteroids];
  int32_t asteroidY[kAsteroids];
  uint8_t portrait;
  uint8_t hoveredId;
  uint8_t clickedId;
  uint8_t pressLock;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(wordSheet);
    v.Handle(readySheet);
    v.Handle(pictureSheet);
    v.Handle(backSheet);
    v.Handle(leftArrowSheet);
    v.Handle(rightArrowSheet);
    v.Handle(upperLetterSheet);
    v.Handle(lowerLetterSheet);
    v("backLook", backLook);
    v("readyLook", readyLook);
    v("leftLook", leftLook);
    v("rightLook", rightLook);
    v("asteroidFrame", asteroidFrame);
    v("cornerFrame", cornerFrame);
    v.Inline("cornerTimer", cornerTimer);
    v("nameLength", nameLength);  // letters typed so far
    v.Name("name", name);
    v.Inline("asteroidTimer", asteroidTimer);
    v("asteroidX", asteroidX);
    v("asteroidY", asteroidY);
    v("portrait", portrait);
    v("hoveredId", hoveredId);
    v("clickedId", clickedId);
    v("pressLock", pressLock);
  }
};
