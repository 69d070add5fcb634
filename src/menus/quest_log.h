#pragma once
// The quest log: the quests given so far, 40 places a page on three pages,
// each an open quest (with its little fire) or a finished one; a click on a
// place shows the quest's number and objective below. Opened from the
// kingdom map's control bar; Back, Backspace and Escape return to the map.
// It reads the quest stages and changes nothing in the game record.

#include <cstdint>

#include "game/game_state.h"

class GraphicsDevice;
class InputDevice;
class SpriteSheet;
class TextFont;

constexpr int kQuestLogPages = 3;
constexpr int kQuestLogPlaces = 40;  // places a page
constexpr int kQuestLogQuests = kQuestLogPages * kQuestLogPlaces;
constexpr int kQuestLogColumns = 10;

// Button ids.
constexpr uint8_t kQuestLogBack = 1;
constexpr uint8_t kQuestLogNext = 2;

// The buttons' rectangles.
constexpr int32_t kQuestLogBackX = 720;
constexpr int32_t kQuestLogNextX = 630;
constexpr int32_t kQuestLogButtonY = 10;
constexpr int32_t kQuestLogButtonW = 64;
constexpr int32_t kQuestLogButtonH = 32;

// Place i (1..40): its rectangle for hover and click.
constexpr int32_t QuestPlaceX(int place) { return 7 + 80 * ((place - 1) % kQuestLogColumns); }
constexpr int32_t QuestPlaceY(int place) { return 70 + 80 * ((place - 1) / kQuestLogColumns); }
constexpr int32_t kQuestPlaceSize = 64;

// How a quest stands in the log: not shown before it is accepted.
constexpr bool QuestShown(uint8_t stage) { return stage >= kQuestAccepted; }
constexpr bool QuestFinished(uint8_t stage) { return stage >= kQuestAchieved; }

// The fire's step: one frame per this many milliseconds (and a little more).
constexpr uint32_t kQuestFireStepMs = 200;

// One line of an objective: its text in the box (x, y, w, 32); a null text
// is not drawn.
struct ObjectiveLine {
  const char* text;
  int16_t x;
  int16_t w;
};
struct QuestObjective {
  uint8_t quest;
  ObjectiveLine line1;
  ObjectiveLine line2;
};
constexpr int kObjectiveQuests = 98;  // quests 1..98 have an objective
extern const QuestObjective kQuestObjectives[kObjectiveQuests];
// The objective of quest 1..120, or nullptr when it has none.
const QuestObjective* ObjectiveOf(int quest);

constexpr int32_t kObjectiveY1 = 520;
constexpr int32_t kObjectiveY2 = 550;
constexpr int32_t kObjectiveH = 32;
constexpr uint32_t kObjectiveColour = 0xFFE6E6E6;

class QuestLog {
 public:
  QuestLog();
  virtual ~QuestLog();

  void LoadArt(GraphicsDevice* device);
  void ReleaseArt();
  // Takes the stages of quests 1..100 from the game record.
  void CopyStages(const GameState& state);
  void HoverButtons(int32_t x, int32_t y);
  void HoverIcons(int32_t x, int32_t y);
  // 1 when the click was taken (a button, or a place): the cursor over it and
  // the press begun on it.
  uint32_t ClickButtons(int32_t x, int32_t y, InputDevice* mouse);
  uint32_t ClickIcons(int32_t x, int32_t y, InputDevice* mouse);
  // Next: the following page, after page 3 page 1; the objective goes.
  void TurnPage();
  // The stage of the quest on place i (1..40) of the page shown.
  uint8_t PlaceStage(int place) const;
  void AnimateFire();
  void DrawFrame();
  void DrawQuestIcons();
  void DrawSelectedQuest();
  void ClearHover();

  SpriteSheet* sheet;
  TextFont* font;  // "Arial" 23
  uint8_t page;    // 1..3
  uint8_t stages[kQuestLogQuests];
  uint8_t selectedQuest;  // 1..120, 0 none
  uint32_t fireStartMs;
  uint8_t fireState;  // 1 take a time stamp, 2 waiting
  uint8_t backLook;   // 0 normal, 1 cursor over it, 2 pressed
  uint8_t nextLook;
  uint8_t fireFrame;  // 0..7
  uint8_t held;       // from a button press until it is acted on
  uint8_t pressedId;  // 0 none, 1 Back, 2 Next
  uint8_t hoverId;
  uint8_t hoveredIcon;   // place 1..40 under the cursor this frame, 0 none
  uint8_t selectedIcon;  // place last clicked, 0 none

  // Every member once, in the order of the state dump (game/field_list.h).
  template <class V>
  void VisitFields(V& v) const {
    v.Handle(sheet);
    v.Handle(font);
    v("page", page);
    v("stages", stages);
    v("selectedQuest", selectedQuest);
    v("fireStartMs", fireStartMs);
    v("fireState", fireState);
    v("backLook", backLook);
    v("nextLook", nextLook);
    v("fireFrame", fireFrame);
    v("held", held);
    v("pressedId", pressedId);
    v("hoverId", hoverId);
    v("hoveredIcon", hoveredIcon);
    v("selectedIcon", selectedIcon);
  }
};
