#pragma once
// The hall of fame: the five best finished games, each a score and the
// player's name, on a still background with a Back button. Also the rules
// that turn a finished game into its row: the ending's fame adjustment and
// the score the row gets.

#include <cstdint>

#include "game/game_state.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;

constexpr const char* kHallOfFamePath = "Saves\\HallOfFame.save";

// Fame lost by surrendering (never below 0) and won by victory.
constexpr int32_t kSurrenderFameLoss = 100;
constexpr int32_t kVictoryFameBonus = 100;

// The fame a game ends with, after the ending's adjustment.
int32_t FinalFame(int32_t fame, uint8_t surrendered, uint8_t victory);
// The hall-of-fame score of a final fame: negative fame scores 0.
uint32_t HallScoreOf(int32_t fame);

// The Back button's rectangle.
constexpr int32_t kHallBackX = 727;
constexpr int32_t kHallBackY = 3;
constexpr int32_t kHallBackW = 64;
constexpr int32_t kHallBackH = 32;

// The sheet's images.
constexpr int kHallBackgroundImage = 0;
constexpr int kHallDigitImage = 1;
constexpr int kHallBackImage = 2;

constexpr int kHallDigits = 5;
// The score of a row shows this many digits (1..5) of its last five.
int HallDigitCount(uint32_t score);
// Where digit d (0 the units) of a score of count digits is drawn in row
// r, from the row's x.
int32_t HallDigitOffset(int row, int count, int d, uint8_t digit);

class HallOfFameScreen {
 public:
  HallOfFameScreen();
  virtual ~HallOfFameScreen();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();
  // Copies the rows from the game record, and measures the names.
  void CopyRows(const GameState& state);
  void MeasureNames();
  void DrawBackground();
  void DrawBack();
  void DrawNames();
  void DrawScore(int row, int32_t x, int32_t y);
  void HoverBack(int32_t x, int32_t y);
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  void ClearHover();

  SpriteSheet* sheet;        // 0 the background, 1 the digits, 2 Back
  SpriteSheet* lettersHigh;  // letter codes 28 and up
  SpriteSheet* lettersLow;   // letter codes 0 and 2..27
  uint8_t digits[kHallDigits];
  uint8_t rowUsed[kHallRows];
  uint32_t scores[kHallRows];
  uint8_t names[kHallRows][kGlyphNameLength];
  uint8_t nameLast[kHallRows];
  uint8_t backLook;
  uint8_t held;
  uint8_t pressedId;
  uint8_t hoverId;

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v.Handle(lettersHigh);
    v.Handle(lettersLow);
    v("digits", digits);
    v("rowUsed", rowUsed);
    v("scores", scores);
    v.Name("names", names);
    v("nameLast", nameLast);
    v("backLook", backLook);
    v("held", held);
    v("pressedId", pressedId);
    v("hoverId", hoverId);
  }
};
