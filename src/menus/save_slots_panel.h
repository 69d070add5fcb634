#pragma once
// The five save slots, shown in two screens: the load list (pick a used slot
// to load) and the new game's slot choice (pick the slot to take over when
// every slot is used). Each row shows the slot's number and, for a used slot,
// the fame, the day and the player's name read from its save file.

#include <cstdint>

#include "game/glyph_name.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
class Texture;

constexpr int kSaveSlots = 5;

// Button ids: 1..5 the slots, 6 Back.
constexpr uint8_t kSlotBack = 6;

// A rectangle for PointInRect.
struct SlotRect {
  int32_t x, y, w, h;
};
// The slot buttons (slot n at index n - 1) and Back.
inline constexpr SlotRect kSlotButtons[kSaveSlots] = {
    {470, 182, 115, 76}, {470, 268, 115, 76}, {470, 352, 115, 76},
    {470, 435, 115, 76}, {470, 520, 115, 76},
};
inline constexpr SlotRect kSlotBackButton = {710, 20, 64, 32};

// Where each row's summary is drawn (slot n at index n - 1).
constexpr int32_t kSummaryX = 20;
inline constexpr int32_t kSummaryY[kSaveSlots] = {186, 270, 354, 438, 522};

// One picture of a row's summary: which sheet, image and frame, where and
// how large.
enum class SlotSheet : uint8_t { kPanel, kLettersLow, kLettersHigh };
struct SlotSprite {
  SlotSheet sheet;
  int32_t image, frame;
  int32_t x, y;
  float scaleX, scaleY;
};
// Two labels, 21 letters, five fame and three day digits; a damaged slot's
// two lines of text fit as well.
constexpr int kMaxSummarySprites = 31;

// What a damaged slot's row says, in the letters of the players' names: a
// slot whose file is there but cannot be read, and, once it was picked in
// the load list, why nothing happens.
constexpr const char* kDamagedSlotText = "Damaged save";
constexpr const char* kUnreadableSlotText = "Cannot be read";
// unreadableNotice when no damaged slot was picked.
constexpr uint8_t kNoUnreadableNotice = 0;

class SaveSlotsPanel {
 public:
  SaveSlotsPanel();
  virtual ~SaveSlotsPanel();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();
  // nameLast of each slot from its summary name.
  void MeasureNames();
  void DrawLoad();
  void DrawNewGame();
  // Slot n's (1..5) fame, day and name at x, y; for a damaged slot the
  // damaged text (and the notice when it was picked); nothing for a free
  // slot or the one that is loading.
  void DrawSlotSummary(int n, int32_t x, int32_t y);
  // Every slot's summary in its row (kSummaryX, kSummaryY).
  void DrawSlotSummaries();
  // What DrawSlotSummary draws, in order; the count (at most
  // kMaxSummarySprites). Fills digits as a side effect.
  int SummarySprites(int n, int32_t x, int32_t y, SlotSprite* out);
  void HoverSlot(int n, int32_t x, int32_t y);
  void HoverBack(int32_t x, int32_t y);
  // 1, and pressedId := the button, when the cursor is in it and mouse
  // button 0 or 1 is freshly pressed by a press that began in it.
  uint32_t ClickSlot(int n, int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickBack(int32_t x, int32_t y, InputDevice* mouse);
  void ClearHover();
  // The frame's mouse work of both slot screens: the hover tests, the click
  // tests of a fresh press (look 2 and held for the button pressed), and the
  // button to act on now: a pressed one the cursor has left, or one let go
  // over it. 0 when none.
  uint8_t TakeMouse(int32_t x, int32_t y, InputDevice* mouse);

  // A slot whose file opened and held a game the load step can take.
  bool Loadable(int n) const;
  // A slot whose name exists but whose file holds no game that can be read:
  // not free, not loadable, taken over only when the player picks it.
  bool Damaged(int n) const;

  // Arrays by slot: slot n at index n - 1.
  Texture* background;                // the load list's heading
  SpriteSheet* sheet;                 // fifteen images (save_slots_picture.h)
  SpriteSheet* lettersHigh;           // letter codes 28 and up
  SpriteSheet* lettersLow;            // letter codes 0 and 2..27
  uint8_t summaryWanted[kSaveSlots];  // the summary must still be read from the file
  uint8_t summaryDay[kSaveSlots];     // low byte of the day
  uint32_t summaryFame[kSaveSlots];
  uint8_t digits[8];             // scratch: five fame digits, three day digits
  uint8_t nameLast[kSaveSlots];  // index of the last non-zero letter code, 0 when none
  uint8_t summaryName[kSaveSlots][kGlyphNameLength];
  uint8_t loadingSlot;           // the row showing the loading picture, 0 none
  uint8_t slotUsed[kSaveSlots];  // the slot's name exists (a file or anything else)
  // The slot is used but holds no game that can be loaded (not a regular
  // file, unreadable, short, long or refused): the row shows it damaged and
  // the load list does not take it.
  uint8_t slotUnreadable[kSaveSlots];
  // The damaged slot last picked in the load list, whose row says it cannot
  // be read; kNoUnreadableNotice when none.
  uint8_t unreadableNotice;
  uint8_t backLook;  // 0 normal, 1 hovered, 2 pressed
  uint8_t slotLooks[kSaveSlots];
  uint8_t held;       // from a press until it is acted on
  uint8_t pressedId;  // 1..5 slot, 6 Back, 0 none
  uint8_t hoverId;    // under the cursor this frame

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(background);
    v.Handle(sheet);
    v.Handle(lettersHigh);
    v.Handle(lettersLow);
    v("summaryWanted", summaryWanted);
    v("summaryDay", summaryDay);
    v("summaryFame", summaryFame);
    v("digits", digits);
    v("nameLast", nameLast);
    v.Name("summaryName", summaryName);
    v("loadingSlot", loadingSlot);
    v("slotUsed", slotUsed);
    v("slotUnreadable", slotUnreadable);
    v("unreadableNotice", unreadableNotice);
    v("backLook", backLook);
    v("slotLooks", slotLooks);
    v("held", held);
    v("pressedId", pressedId);
    v("hoverId", hoverId);
  }

 private:
  // The separator lines and Back; the slot buttons and what each row shows.
  void DrawRows();
  void DrawSlots();
};
