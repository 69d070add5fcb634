#pragma once
// The quests and the talk of the places, as data. Each village, town and
// single place has one PlaceTalk row: its five quests in the order the step
// pass handles them, what opens each, what its acceptance and its completion
// pay, and the dialogue boxes the talk draws for it, one TalkBox a box
// (position and scale, heading, lines with their rectangles, where the item
// picture and "Fame +1 " stand). The step pass (house_quests.cpp) and the
// talk drawer (house_talk.cpp) read these rows and nothing else; the texts
// stand here exactly as the game shows them, typos included.
//
// Show-box flags (HouseScreen::showBox): quest slot s (0..4) owns the four
// flags 4s (offer), 4s + 1 (accepted), 4s + 2 (running) and 4s + 3 (done);
// kOfferNoRoomBox, kNoRoomBox and kNobodyBox are the flags of the whole place.
//
// Joining is not in these rows: the place table's joiningQuest
// (places/place_table.h) names the quest whose done box is followed by the
// place's join box, and whose stage 6 marks the place joined at Talk.
//
// The rows are filled per place group in their own files (see the end of
// this header); a row whose quests are all empty (quest 0) only ever shows
// its nobody box.

#include <cstdint>

#include "places/place_table.h"

class HouseScreen;

constexpr int kPlaceQuests = 5;  // quests of one place, and its slots
constexpr int kTalkBoxLines = 5;

// The four boxes of a quest slot: flag QuestBox(slot, kind).
constexpr int kOfferBox = 0;
constexpr int kAcceptedBox = 1;
constexpr int kRunningBox = 2;
constexpr int kDoneBox = 3;
constexpr int kBoxesPerSlot = 4;
constexpr int QuestBox(int slot, int kind) { return kBoxesPerSlot * slot + kind; }
// An offer's item would find no room, so Yes was refused and the quest
// stays on offer.
constexpr int kOfferNoRoomBox = 97;
// A quest's reward waits because neither the bag nor the held-back list has
// room for its item; the quest stays where it is until there is room.
constexpr int kNoRoomBox = 98;
constexpr int kNobodyBox = 99;  // nothing else to show

// One text in its rectangle, drawn left and top aligned. A null text is not
// drawn.
struct TalkText {
  const char* text{nullptr};
  int16_t x{0};
  int16_t y{0};
  int16_t w{0};
  int16_t h{0};
};

constexpr int16_t kNoPicture = -1;

// One dialogue box: the box tile at (x, y) stretched by the two factors
// (64 pixels a unit), the heading in the heading colour, the lines in the
// body colour (a nobody box draws its lines in the heading colour), the item
// picture and the fame line. A box whose scaleX is 0 is not drawn.
//
// Which item picture a box shows: an accepted box the quest's offer item, a
// done box its completion item.
struct TalkBox {
  int16_t x{0};
  int16_t y{0};
  float scaleX{0.0f};
  float scaleY{0.0f};
  TalkText heading{};
  TalkText lines[kTalkBoxLines]{};
  int16_t itemX{kNoPicture};  // kNoPicture: the box shows no item
  int16_t itemY{0};
  TalkText fame{};  // "Fame +1 " (kFameText) where the box shows it
};

// What opens a quest (stage 0 to 1) in a step pass.
enum class QuestOpening : uint8_t {
  Elsewhere,   // never by the place: the game start or the day's quest chain gives it
  AtOnce,      // at the first pass
  OnVisitDay,  // once the visit's day is set (the first Talk of a visit)
  AfterQuest,  // when quest `after` (of any place) stands closed
};

// One quest of a place.
struct PlaceQuest {
  uint8_t quest{0};  // 1..100; 0 an empty row
  uint8_t slot{0};   // 0..4: its show-box flags
  QuestOpening opening{QuestOpening::Elsewhere};
  uint8_t after{0};  // AfterQuest: this quest must be closed (stage 7)
  // With AfterQuest, when alsoQuest[0] is non-zero: and at least one of the
  // non-zero alsoQuest entries has reached alsoStage.
  uint8_t alsoQuest[2]{};
  uint8_t alsoStage{0};
  // The offer item (ItemId, 0 none): its picture is wanted while the quest
  // is offered, and the acceptance pays it with acceptGold.
  uint8_t offerItem{0};
  uint32_t acceptGold{0};
  uint32_t doneGold{0};
  uint8_t doneItem{0};  // ItemId, 0 none
  TalkBox offer{};
  TalkBox accepted{};
  TalkBox running{};
  TalkBox done{};
};

// Every quest, box and rule of one place.
struct PlaceTalk {
  PlaceKind kind{PlaceKind::Village};
  uint8_t number{0};                      // village 1..9, town 1..4, 0 a single place
  PlaceQuest quests[kPlaceQuests]{};      // in the order of the step pass
  TalkBox join{};                         // after the done box of the joining quest
  TalkBox nobody{};                       // nothing to show; scaleX 0: no box at all
  TalkBox nobodyWhile{};                  // instead of nobody while
  uint8_t whileQuest{0};                  //   this quest (0: never)
  uint8_t whileBelow{0};                  //   stands below this stage
  TalkBox bagFullAfterDone{};             // when the bag is full, right after
  uint8_t bagFullAfterDoneSlot{0xFF};     //   the done box of this slot (0xFF none)
  bool bagFullAgainAfterAccepted{false};  // the bag-full note once more above the accepted boxes
  // Openings the fields above cannot say: run after the table's openings of
  // every pass, before the boxes are chosen; nullptr none.
  void (*openHook)(HouseScreen& h){nullptr};
};

// ---- helpers for writing the rows

namespace talk {

inline constexpr const char* kFameText = "Fame +1 ";
inline constexpr const char* kVillageBenefits =
    "Benefits: 10 gold/day, cheaper healing and recruiting!";
inline constexpr const char* kTownBenefits =
    "Benefits: 20 gold/day, cheaper healing and recruiting!";

// A heading (100 x 32 unless said) and a body line (400 x 32 unless said).
constexpr TalkText Head(const char* text, int16_t x, int16_t y, int16_t w = 100, int16_t h = 32) {
  return {text, x, y, w, h};
}
constexpr TalkText At(const char* text, int16_t x, int16_t y, int16_t w = 400, int16_t h = 32) {
  return {text, x, y, w, h};
}

constexpr TalkBox MakeBox(int16_t x, int16_t y, float scaleX, float scaleY, TalkText heading,
                          TalkText l1 = {}, TalkText l2 = {}, TalkText l3 = {}, TalkText l4 = {},
                          TalkText l5 = {}) {
  TalkBox b;
  b.x = x;
  b.y = y;
  b.scaleX = scaleX;
  b.scaleY = scaleY;
  b.heading = heading;
  b.lines[0] = l1;
  b.lines[1] = l2;
  b.lines[2] = l3;
  b.lines[3] = l4;
  b.lines[4] = l5;
  return b;
}
constexpr TalkBox WithItem(TalkBox b, int16_t x, int16_t y) {
  b.itemX = x;
  b.itemY = y;
  return b;
}
constexpr TalkBox NoItem(TalkBox b) {
  b.itemX = kNoPicture;
  return b;
}
constexpr TalkBox WithFame(TalkBox b, int16_t x, int16_t y, int16_t w = 400) {
  b.fame = {kFameText, x, y, w, 32};
  return b;
}
constexpr TalkBox WithScale(TalkBox b, float scaleX, float scaleY) {
  b.scaleX = scaleX;
  b.scaleY = scaleY;
  return b;
}
// Moves one text: line index 0..4, or -1 for the heading.
constexpr TalkBox WithText(TalkBox b, int line, TalkText t) {
  if (line < 0) b.heading = t;
  else b.lines[line] = t;
  return b;
}

// The usual accepted box: at (150, 100), 5.0 x 3.8; heading at (190, 110);
// the two lines at (190, 140) and (190, 170); the item at (190, 200);
// "Fame +1 " at (190, 290).
constexpr TalkBox Accepted(const char* heading, const char* l1, const char* l2) {
  return WithFame(WithItem(MakeBox(150, 100, 5.0f, 3.8f, Head(heading, 190, 110), At(l1, 190, 140),
                                   At(l2, 190, 170)),
                           190, 200),
                  190, 290);
}
// The usual running box: at (155, 300) in the given scale; heading at
// (190, 320); the line at (lineX, 350), 400 wide.
constexpr TalkBox Running(float scaleX, float scaleY, const char* heading, const char* line,
                          int16_t lineX = 190) {
  return MakeBox(155, 300, scaleX, scaleY, Head(heading, 190, 320), At(line, lineX, 350));
}
// The usual done box: at (150, 100), scaleX x 3.8; heading at (180, 110);
// the three lines at x 180, y 140, 170 and 200; the item at (190, 230);
// "Fame +1 " at (fameX, 300).
constexpr TalkBox Done(float scaleX, const char* heading, const char* l1, const char* l2,
                       const char* l3, int16_t fameX = 190) {
  return WithFame(WithItem(MakeBox(150, 100, scaleX, 3.8f, Head(heading, 180, 110),
                                   At(l1, 180, 140), At(l2, 180, 170), At(l3, 180, 200)),
                           190, 230),
                  fameX, 300);
}
// The join box: at (50, 450), 8.7 x 1.4; the place's line at (80, 470),
// 450 wide; the benefits at (80, 500), 600 wide.
constexpr TalkBox Join(const char* line, const char* benefits) {
  return MakeBox(50, 450, 8.7f, 1.4f, TalkText{}, At(line, 80, 470, 450),
                 At(benefits, 80, 500, 600));
}

}  // namespace talk

// ---- the rows, one file per place group

// Villages 1..5 (village_talk_1_5.cpp; filled on branch talk-villages).
extern const PlaceTalk kVillageTalk1to5[5];
// Villages 6..9 (village_talk_6_9.cpp; filled on branch talk-villages69).
extern const PlaceTalk kVillageTalk6to9[4];
// Towns 1..4 (town_talk.cpp; filled on branch talk-towns).
extern const PlaceTalk kTownTalk[4];
// The palace, the temple, the castle and the tower, in that order
// (single_talk.cpp; filled on branch talk-single).
extern const PlaceTalk kSingleTalk[4];

// The row of a place; nullptr for a village or town number out of range.
const PlaceTalk* FindPlaceTalk(PlaceKind kind, uint8_t number);
