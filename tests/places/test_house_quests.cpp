// The quests of the places, walked through the screen's own steps: every
// quest of every place whose talk row is filled goes from not given to
// closed with the gold, items and fame each step must pay; then the engine's
// own rules on a small row of its own: two quests closed by one Talk, two
// acceptances in one visit, and the held-back list round trip with a full
// bag, down to a reward that finds no room anywhere.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "game/game_state.h"
#include "places/house_screen.h"
#include "places/place_table.h"
#include "places/talk_tables.h"

namespace {

// One visit in the order the place procedure runs it, without pictures.
class Visit {
 public:
  Visit(GameState& s, const PlaceRow& row, const PlaceTalk& talk) : s_(s), talk_(talk) {
    h_ = std::make_unique<HouseScreen>(row.kind);
    HouseScreen& h = *h_;
    h.placeNumber = row.number;
    h.visitorCode = kVisitorPlayer;
    std::memcpy(h.questStage, s.questStage, sizeof h.questStage);
    Pass();
    h.visitDay = s.day;
    h.CopyVisitorIn(s);
    h.CopyHeldBackIn(s);
    h.ReturnHeldItems();
    Draw();
  }
  HouseScreen& operator*() { return *h_; }
  HouseScreen* operator->() { return h_.get(); }

  void Talk() {
    HouseScreen& h = *h_;
    h.talkOpen = 1;
    h.MarkJoinedPlaces(s_);
    h.justAccepted = 0;
    Pass();
    if (h.rewardPending) {
      h.rewardPending = 0;
      h.CollectReward(s_.gold);
    }
    Draw();
  }
  bool Yes() {
    HouseScreen& h = *h_;
    if (!h.AcceptQuest(s_, talk_)) return false;
    h.talkOpen = 0;
    h.acceptAsked = 0;
    h.justAccepted = 1;
    Pass();
    h.CollectReward(s_.gold);
    Draw();
    return true;
  }
  void Leave() {
    Pass();
    h_->WriteBack(s_);
  }

 private:
  void Pass() {
    h_->NoteHeldBackItems();
    h_->StepQuests(talk_);
  }
  // The drawer's markers, and the fame a done box asks for.
  void Draw() {
    h_->DrawTalk(talk_);
    if (h_->fameGain == kFameRaised) {
      h_->fameGain = kFameApplied;
      ++s_.fame;
    }
  }
  GameState& s_;
  const PlaceTalk& talk_;
  std::unique_ptr<HouseScreen> h_;
};

bool InBag(const GameState& s, uint8_t itemId) {
  for (int c = 0; c < kHouseBagCells; ++c)
    if (s.playerItems[c] == itemId) return true;
  return false;
}

int ItemsInBag(const GameState& s) {
  int n = 0;
  for (int c = 0; c < kHouseBagCells; ++c)
    if (s.playerItems[c]) ++n;
  return n;
}

// What the game pays for each quest, place by place in the order the quests
// open. `before`: a quest the place does not open alone is first set to
// `beforeStage` (the day's chain giving it, another quest's deed).
constexpr uint8_t kAnyArmour = 0xFF;  // an armour of the implementer's choice
struct Expected {
  PlaceKind kind;
  uint8_t number;
  uint8_t quest;
  uint8_t slot;
  uint32_t acceptGold;
  uint8_t offerItem;  // ItemId, 0 none
  uint32_t doneGold;
  uint8_t doneItem;
  bool joins;
  uint8_t before{0};
  uint8_t beforeStage{0};
};

using K = PlaceKind;
// clang-format off
const Expected kExpected[] = {
    {K::Village, 1, 1, 2, 20, 0, 50, 12, false},
    {K::Village, 1, 2, 0, 30, 127, 100, 151, false},
    {K::Village, 1, 5, 1, 80, 247, 110, 99, true, 3, kQuestAchieved},
    {K::Village, 1, 11, 3, 60, 159, 100, 136, false},
    {K::Village, 1, 34, 4, 65, 167, 115, 148, false},
    {K::Village, 2, 29, 0, 30, 87, 60, 112, true},
    {K::Village, 2, 42, 1, 36, 24, 70, 185, false},
    {K::Village, 2, 50, 2, 41, 143, 72, 124, false},
    {K::Village, 2, 54, 3, 45, 170, 80, 56, false},
    {K::Village, 2, 59, 4, 50, 135, 100, 77, false},
    {K::Village, 3, 28, 0, 30, 47, 70, 71, true},
    {K::Village, 3, 36, 1, 35, 184, 78, 142, false},
    {K::Village, 3, 39, 2, 40, 105, 90, 19, false},
    {K::Village, 3, 47, 3, 50, 180, 100, 232, false},
    {K::Village, 3, 51, 4, 60, 238, 110, 61, false},
    {K::Village, 4, 40, 0, 30, 169, 60, 138, false},
    {K::Village, 4, 48, 1, 35, 93, 70, 11, true},
    {K::Village, 4, 61, 2, 40, 100, 80, 222, false},
    {K::Village, 4, 71, 3, 45, 242, 90, 21, false},
    {K::Village, 4, 72, 4, 50, 168, 100, 39, false},
    {K::Village, 5, 52, 0, 30, 145, 60, 191, false},
    {K::Village, 5, 66, 1, 35, 36, 70, 125, false},
    {K::Village, 5, 69, 2, 40, 97, 80, 178, false},
    {K::Village, 5, 73, 3, 45, 126, 90, 237, true},
    {K::Village, 5, 74, 4, 50, 41, 100, 79, false},
    {K::Village, 6, 35, 0, 30, 149, 60, 171, false},
    {K::Village, 6, 45, 1, 35, 14, 70, 103, false},
    {K::Village, 6, 49, 2, 40, 96, 80, 132, true},
    {K::Village, 6, 56, 3, 45, 16, 90, 40, false},
    {K::Village, 6, 63, 4, 50, 249, 100, 78, false},
    {K::Village, 7, 53, 0, 30, 245, 60, 227, false},
    {K::Village, 7, 57, 1, 35, 140, 70, 131, false},
    {K::Village, 7, 60, 2, 40, 117, 80, 95, false},
    {K::Village, 7, 62, 3, 45, 46, 90, 181, true},
    {K::Village, 7, 67, 4, 50, 118, 100, 240, false},
    {K::Village, 8, 55, 0, 30, 101, 60, 15, false},
    {K::Village, 8, 58, 1, 35, 229, 70, 18, false},
    {K::Village, 8, 64, 2, 40, 150, 80, 120, false},
    {K::Village, 8, 65, 3, 45, 20, 90, 48, true},
    {K::Village, 8, 68, 4, 50, 121, 100, 235, false},
    {K::Village, 9, 19, 0, 30, 52, 70, 176, false},
    {K::Village, 9, 20, 1, 40, 107, 80, 5, false},
    {K::Village, 9, 21, 2, 45, 177, 90, 94, false},
    {K::Village, 9, 22, 3, 50, 147, 100, 6, false},
    {K::Village, 9, 24, 4, 60, 175, 110, 7, false},
    {K::Town, 1, 12, 0, 55, 88, 100, 38, false},  // its box says 55
    {K::Town, 1, 13, 1, 55, 108, 110, 187, true},
    {K::Town, 1, 14, 2, 55, 244, 110, 130, false},
    {K::Town, 1, 17, 3, 55, 189, 110, 4, false},
    {K::Town, 1, 31, 4, 55, 23, 110, 60, false},
    {K::Town, 2, 3, 0, 40, 139, 100, 1, true, 3, kQuestOpen},
    {K::Town, 2, 16, 1, 50, 129, 100, 231, false},
    {K::Town, 2, 25, 2, 54, 9, 110, 230, false},
    {K::Town, 2, 30, 3, 60, 188, 114, 74, false},
    {K::Town, 2, 43, 4, 70, 13, 120, 234, false},
    {K::Town, 3, 8, 0, 40, 0, 80, 156, false},
    {K::Town, 3, 27, 1, 45, 8, 86, 102, false},
    {K::Town, 3, 33, 2, 50, 98, 90, 54, false},
    {K::Town, 3, 37, 3, 60, 165, 100, 59, false},
    {K::Town, 3, 38, 4, 62, 190, 110, 248, true},
    {K::Town, 4, 7, 0, 40, 141, 80, 37, false},
    {K::Town, 4, 18, 1, 40, 134, 100, 173, false},
    {K::Town, 4, 32, 2, 50, 10, 105, 109, false},
    {K::Town, 4, 44, 3, 60, 160, 110, 92, false},
    {K::Town, 4, 46, 4, 65, 162, 120, 63, true},
    {K::Palace, 0, 4, 0, 40, 111, 100, 91, false, 4, kQuestOpen},
    {K::Palace, 0, 70, 1, 55, 75, 110, 73, false, 6, kQuestClosed},
    {K::Palace, 0, 75, 2, 55, 45, 110, 29, false},
    {K::Palace, 0, 79, 3, 55, 174, 110, 33, false},
    {K::Palace, 0, 87, 4, 55, 226, 110, 60, false},
    {K::Temple, 0, 9, 0, 40, 110, 80, 157, false},
    {K::Temple, 0, 10, 1, 45, 51, 86, 158, false},
    {K::Temple, 0, 15, 2, 50, 64, 96, 146, false},
    {K::Temple, 0, 23, 3, 55, 89, 110, 44, false},  // a helmet, as its box says
    {K::Temple, 0, 41, 4, 55, 28, 110, 225, false},
    {K::Castle, 0, 81, 0, 40, 68, 100, 26, false},
    {K::Castle, 0, 82, 1, 55, 164, 110, 31, false},
    {K::Castle, 0, 83, 2, 55, 42, 110, 182, false},
    {K::Castle, 0, 85, 3, 55, 228, 110, 27, false},
    {K::Castle, 0, 91, 4, 55, 250, 110, kAnyArmour, false},
    {K::Tower, 0, 26, 0, 40, 22, 100, 83, false},
    {K::Tower, 0, 76, 1, 55, 35, 110, 53, false},
    {K::Tower, 0, 88, 2, 55, 32, 110, 80, false},
    {K::Tower, 0, 89, 3, 55, 163, 110, 239, false},
    {K::Tower, 0, 90, 4, 55, 122, 110, 86, false},
};
// clang-format on

constexpr uint8_t kFirstArmour = 57, kLastArmour = 86;

bool Filled(const PlaceTalk& talk) {
  for (const PlaceQuest& q : talk.quests)
    if (q.quest) return true;
  return false;
}

// One quest from not given to closed, in two visits: taken and accepted,
// then (its deed done) paid. The record holds the stages of the place's
// earlier quests.
void WalkQuest(GameState& s, const PlaceRow& row, const PlaceTalk& talk, const Expected& e) {
  SCOPED_TRACE(testing::Message() << "quest " << int(e.quest));
  std::memset(s.playerItems, 0, kHouseBagCells);
  if (e.before) {
    Visit early(s, row, talk);
    early.Talk();
    EXPECT_EQ(early->questStage[e.quest - 1], kQuestNotGiven) << "opened too early";
    early.Leave();
    s.questStage[e.before - 1] = e.beforeStage;
  }

  Visit take(s, row, talk);
  take.Talk();
  ASSERT_EQ(take->questStage[e.quest - 1], kQuestOpen);
  EXPECT_EQ(take->currentQuest, e.quest);
  EXPECT_EQ(take->showBox[QuestBox(e.slot, kOfferBox)], 1);
  EXPECT_EQ(take->acceptAsked, 1);
  const int32_t gold = s.gold, fame = s.fame;
  ASSERT_TRUE(take.Yes());
  EXPECT_EQ(s.gold, gold + int32_t(e.acceptGold));
  EXPECT_EQ(s.fame, fame + 1);
  take.Leave();
  EXPECT_EQ(s.questStage[e.quest - 1], kQuestUnderWay);
  if (e.offerItem) {
    EXPECT_TRUE(InBag(s, e.offerItem)) << "offer item " << int(e.offerItem);
  }
  EXPECT_EQ(ItemsInBag(s), e.offerItem ? 1 : 0);

  s.questStage[e.quest - 1] = kQuestAchieved;  // the deed, out in the world
  Visit pay(s, row, talk);
  EXPECT_EQ(pay->questStage[e.quest - 1], kQuestAchievedSeen);
  pay.Talk();
  EXPECT_EQ(pay->questStage[e.quest - 1], kQuestClosed);
  EXPECT_EQ(pay->showBox[QuestBox(e.slot, kDoneBox)], 1);
  EXPECT_EQ(s.gold, gold + int32_t(e.acceptGold + e.doneGold));
  EXPECT_EQ(s.fame, fame + 2);
  pay.Leave();
  if (e.doneItem == kAnyArmour) {
    bool armour = false;
    for (int c = 0; c < kHouseBagCells; ++c)
      armour |= s.playerItems[c] >= kFirstArmour && s.playerItems[c] <= kLastArmour;
    EXPECT_TRUE(armour);
  } else {
    EXPECT_TRUE(InBag(s, e.doneItem)) << "completion item " << int(e.doneItem);
  }
  EXPECT_EQ(ItemsInBag(s), e.offerItem ? 2 : 1);
  EXPECT_EQ(row.joiningQuest == e.quest, e.joins);
  const uint8_t* joined = JoinedFlag(s, row);
  if (joined && e.joins) {
    EXPECT_EQ(*joined, kPlaceJoined);
  }
}

}  // namespace

TEST(HouseQuests, EveryFilledPlaceWalksItsQuestsFromNotGivenToClosed) {
  int walked = 0;
  for (const PlaceRow& row : kPlaces) {
    const PlaceTalk* talk = FindPlaceTalk(row.kind, row.number);
    ASSERT_NE(talk, nullptr);
    EXPECT_EQ(talk->kind, row.kind);
    EXPECT_EQ(talk->number, row.number);
    if (!Filled(*talk)) continue;  // its talk has not come yet
    SCOPED_TRACE(testing::Message()
                 << "place kind " << int(row.kind) << " number " << int(row.number));
    auto s = std::make_unique<GameState>();
    s->day = 1;
    for (const Expected& e : kExpected) {
      if (e.kind != row.kind || e.number != row.number) continue;
      WalkQuest(*s, row, *talk, e);
      ++walked;
    }
    // Everything done: nobody left to talk to.
    Visit last(*s, row, *talk);
    last.Talk();
    EXPECT_EQ(last->showBox[kNobodyBox], 1);
    EXPECT_EQ(last->boxCount, 0);
  }
  RecordProperty("questsWalked", walked);
}

namespace {

// A row of the engine's own, on the place of village 9: two quests open at
// once; the second's completion item is item number 0.
PlaceTalk TestTalk() {
  PlaceTalk t{.kind = PlaceKind::Village, .number = 9};
  t.quests[0] = {.quest = 19,
                 .slot = 0,
                 .opening = QuestOpening::AtOnce,
                 .offerItem = 52,
                 .acceptGold = 30,
                 .doneGold = 70,
                 .doneItem = 176};
  t.quests[1] = {.quest = 20,
                 .slot = 1,
                 .opening = QuestOpening::AtOnce,
                 .offerItem = 107,
                 .acceptGold = 40,
                 .doneGold = 80,
                 .doneItem = 1};
  return t;
}

const PlaceRow& Village9() { return *FindPlace(PlaceKind::Village, 9); }

constexpr uint8_t kFiller = 200;  // an item that fills bag cells

void FillBag(GameState& s, int freeCells) {
  for (int c = 0; c < kHouseBagCells; ++c)
    s.playerItems[c] = c < kHouseBagCells - freeCells ? kFiller : 0;
}

}  // namespace

TEST(HouseQuests, TwoAcceptancesInAVisitAndTwoCompletionsInATalkAllPay) {
  auto s = std::make_unique<GameState>();
  const PlaceTalk talk = TestTalk();
  {
    Visit v(*s, Village9(), talk);
    v.Talk();
    EXPECT_EQ(v->currentQuest, 20) << "the later offer is the one answered";
    ASSERT_TRUE(v.Yes());
    v.Talk();
    EXPECT_EQ(v->currentQuest, 19);
    ASSERT_TRUE(v.Yes());
    EXPECT_EQ(v->showBox[QuestBox(0, kAcceptedBox)], 1) << "the second acceptance shows its box";
    v.Leave();
  }
  EXPECT_EQ(s->gold, 40 + 30);
  EXPECT_EQ(s->fame, 2);
  EXPECT_TRUE(InBag(*s, 107));
  EXPECT_TRUE(InBag(*s, 52));
  EXPECT_EQ(s->questStage[19 - 1], kQuestUnderWay);
  EXPECT_EQ(s->questStage[20 - 1], kQuestUnderWay);

  s->questStage[19 - 1] = s->questStage[20 - 1] = kQuestAchieved;
  Visit v(*s, Village9(), talk);
  v.Talk();
  EXPECT_EQ(s->gold, 70 + 70 + 80);
  EXPECT_EQ(s->fame, 3) << "done boxes raise fame once a visit";
  v.Yes();  // the offer is long gone: nothing more is accepted or paid
  EXPECT_EQ(s->fame, 3);
  EXPECT_EQ(s->gold, 70 + 70 + 80);
  v.Leave();
  EXPECT_TRUE(InBag(*s, 176));
  EXPECT_TRUE(InBag(*s, 1));
}

TEST(HouseQuests, HeldBackRewardsWaitForRoomAndNothingIsLost) {
  auto s = std::make_unique<GameState>();
  const PlaceTalk talk = TestTalk();
  const PlaceRow& row = Village9();
  s->questStage[19 - 1] = s->questStage[20 - 1] = kQuestAchieved;
  FillBag(*s, 0);
  {
    Visit v(*s, row, talk);
    v.Talk();
    EXPECT_EQ(v->bagFull, 1);
    v.Leave();
  }
  EXPECT_EQ(s->gold, 150) << "the gold is paid with a full bag";
  const uint8_t* held = s->worldBlockA[row.heldBackRow];
  const uint8_t* copy = s->worldBlockA[row.heldBackCopyRow];
  EXPECT_NE(held[0], 0);
  EXPECT_EQ(copy[0], 176 - 1);
  EXPECT_NE(held[1], 0) << "item number 0 is held back too";
  EXPECT_EQ(copy[1], 0);

  {
    Visit full(*s, row, talk);  // still no room
    EXPECT_EQ(full->stillHolding, 1);
    EXPECT_EQ(full->severalHeldBack, 1);
    full.Leave();
  }
  s->playerItems[3] = s->playerItems[7] = 0;
  {
    Visit room(*s, row, talk);
    EXPECT_EQ(room->itemsReturned, 1);
    EXPECT_EQ(room->holdingAny, 0);
    room.Leave();
  }
  EXPECT_TRUE(InBag(*s, 176));
  EXPECT_TRUE(InBag(*s, 1));
  EXPECT_EQ(held[0] | held[1], 0);
  EXPECT_EQ(s->playerItemHeld[176 - 1], 1);

  // Neither a bag cell nor a held-back place: the quest waits, unpaid.
  FillBag(*s, 0);
  for (int k = 0; k < kHeldBackEntries; ++k) {
    s->worldBlockA[row.heldBackRow][k] = kFiller;
    s->worldBlockA[row.heldBackCopyRow][k] = kFiller - 1;
  }
  s->questStage[19 - 1] = kQuestAchieved;
  s->questStage[20 - 1] = kQuestNotGiven;
  {
    Visit none(*s, row, talk);
    none.Talk();
    EXPECT_EQ(none->questStage[19 - 1], kQuestAchievedSeen);
    EXPECT_EQ(none->showBox[kNoRoomBox], 1);
    EXPECT_EQ(none->questStage[20 - 1], kQuestOpen);
    EXPECT_FALSE(none.Yes()) << "an offer whose item finds no room is not taken";
    EXPECT_EQ(none->showBox[kOfferNoRoomBox], 1);
    EXPECT_EQ(none->questStage[20 - 1], kQuestOpen);
    none.Leave();
  }
  EXPECT_EQ(s->gold, 150);
  EXPECT_EQ(s->fame, 1) << "the first visit's done boxes only";
  s->playerItems[0] = 0;
  Visit later(*s, row, talk);
  later.Talk();
  EXPECT_EQ(later->questStage[19 - 1], kQuestClosed);
  EXPECT_EQ(s->gold, 150 + 70);
  later.Leave();
  // The freed cell took a waiting item on entry, so the reward waits in the
  // place freed by it (while the next quest's offer is on show).
  EXPECT_FALSE(InBag(*s, 176));
  bool waiting = false;
  for (int k = 0; k < kHeldBackEntries; ++k) waiting |= held[k] && copy[k] == 176 - 1;
  EXPECT_TRUE(waiting);
}
