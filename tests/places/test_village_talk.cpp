// The quests of Kapusta, Burak, the Iron Village, Balon and Trawa walked
// through the place screen's own steps, visit by visit, against the gold,
// items and joinings the villagers promise; Kapusta's quest 5, which also
// waits for quest 3 or 4; and Kapusta's nobody box, which reads differently
// until its shoe thieves (quest 11) are dealt with.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "map/test_map_encounters_util.h"
#include "places/house_screen.h"
#include "places/talk_tables.h"
#include "platform/headless.h"

namespace {

// What a quest pays, written out from the villagers' word, not read from the
// tables. Items are ItemIds; 0 none.
struct Promise {
  uint8_t quest;
  uint8_t offerItem;
  int32_t acceptGold;
  int32_t doneGold;
  uint8_t doneItem;
  bool joins;
};

// Each village's quests in the order they open.
struct VillagePromises {
  uint8_t village;
  Promise quests[kPlaceQuests];
};

constexpr VillagePromises kPromises[] = {
    {1,
     {{1, 0, 20, 50, 12, false},
      {2, 127, 30, 100, 151, false},
      {5, 247, 80, 110, 99, true},
      {11, 159, 60, 100, 136, false},
      {34, 167, 65, 115, 148, false}}},
    {2,
     {{29, 87, 30, 60, 112, true},
      {42, 24, 36, 70, 185, false},
      {50, 143, 41, 72, 124, false},
      {54, 170, 45, 80, 56, false},
      {59, 135, 50, 100, 77, false}}},
    {3,
     {{28, 47, 30, 70, 71, true},
      {36, 184, 35, 78, 142, false},
      {39, 105, 40, 90, 19, false},
      {47, 180, 50, 100, 232, false},
      {51, 238, 60, 110, 61, false}}},
    {4,
     {{40, 169, 30, 60, 138, false},
      {48, 93, 35, 70, 11, true},
      {61, 100, 40, 80, 222, false},
      {71, 242, 45, 90, 21, false},
      {72, 168, 50, 100, 39, false}}},
    {5,
     {{52, 145, 30, 60, 191, false},
      {66, 36, 35, 70, 125, false},
      {69, 97, 40, 80, 178, false},
      {73, 126, 45, 90, 237, true},
      {74, 41, 50, 100, 79, false}}},
};

// The slot (and so the show-box flags) of a quest in its village's row.
int SlotOf(uint8_t village, uint8_t quest) {
  const PlaceTalk* talk = FindPlaceTalk(PlaceKind::Village, village);
  for (const PlaceQuest& q : talk->quests)
    if (q.quest == quest) return q.slot;
  return -1;
}

bool InBag(const HouseScreen& h, uint8_t itemId) {
  for (uint8_t cell : h.bag)
    if (cell == itemId) return true;
  return false;
}

// Visits as the village procedure runs them: the stages are copied in, the
// entry pass runs before the day is set, and on leaving a last pass runs
// before the stages go back into the record. Each visit comes with an empty
// bag, so every reward item finds a cell.
class VillageVisits : public ::testing::Test {
 protected:
  void SetUp() override { state->gold = 1000; }

  void Enter(uint8_t village) {
    h = std::make_unique<VillageHouseScreen>();
    h->placeNumber = village;
    std::memcpy(h->questStage, state->questStage, sizeof h->questStage);
    h->StepQuests();
    h->visitDay = 1;
  }
  void Talk() {
    h->talkOpen = 1;
    h->MarkJoinedPlaces(*state);
    h->StepQuests();
    if (h->rewardPending) {
      h->rewardPending = 0;
      h->CollectReward(state->gold);
    }
  }
  void Yes() {
    ASSERT_TRUE(h->AcceptQuest(*state));
    h->talkOpen = 0;
    h->acceptAsked = 0;
    h->justAccepted = 1;
    h->StepQuests();
    h->CollectReward(state->gold);
  }
  void Leave() {
    h->StepQuests();
    std::memcpy(state->questStage, h->questStage, sizeof h->questStage);
    h.reset();
  }
  uint8_t& Stage(uint8_t quest) { return state->questStage[quest - 1]; }
  uint8_t Seen(uint8_t quest) const { return h->questStage[quest - 1]; }

  std::unique_ptr<GameState> state = std::make_unique<GameState>();
  std::unique_ptr<VillageHouseScreen> h;
};

TEST_F(VillageVisits, EveryQuestOpensIsAcceptedAndPaysAsPromised) {
  for (const VillagePromises& v : kPromises) {
    SCOPED_TRACE("village " + std::to_string(v.village));
    bool joined = false;
    for (const Promise& p : v.quests) {
      SCOPED_TRACE("quest " + std::to_string(p.quest));
      if (p.quest == 5) Stage(3) = kQuestAchieved;  // Kapusta's quest 5 also waits for 3 or 4
      const int slot = SlotOf(v.village, p.quest);
      ASSERT_GE(slot, 0);

      // Offered at Talk; the Yes answer pays the acceptance at once.
      Enter(v.village);
      Talk();
      ASSERT_EQ(Seen(p.quest), kQuestOpen);
      EXPECT_EQ(h->showBox[QuestBox(slot, kOfferBox)], 1);
      EXPECT_EQ(h->currentQuest, p.quest);
      const int32_t gold = state->gold, fame = state->fame;
      Yes();
      EXPECT_EQ(Seen(p.quest), kQuestAccepted);
      EXPECT_EQ(h->showBox[QuestBox(slot, kAcceptedBox)], 1);
      EXPECT_EQ(state->gold, gold + p.acceptGold);
      EXPECT_EQ(state->fame, fame + 1);
      if (p.offerItem) {
        EXPECT_TRUE(InBag(*h, p.offerItem));
      }
      Leave();

      // Running on the next visit, and it pays nothing more.
      Enter(v.village);
      Talk();
      EXPECT_EQ(Seen(p.quest), kQuestUnderWay);
      EXPECT_EQ(h->showBox[QuestBox(slot, kRunningBox)], 1);
      EXPECT_EQ(state->gold, gold + p.acceptGold);
      Leave();

      // Done out in the kingdom: the next Talk thanks and pays.
      Stage(p.quest) = kQuestAchieved;
      Enter(v.village);
      EXPECT_EQ(h->showBox[QuestBox(slot, kDoneBox)], 0);
      Talk();
      EXPECT_EQ(Seen(p.quest), kQuestClosed);
      EXPECT_EQ(h->showBox[QuestBox(slot, kDoneBox)], 1);
      EXPECT_EQ(state->gold, gold + p.acceptGold + p.doneGold);
      EXPECT_TRUE(InBag(*h, p.doneItem));
      joined = joined || p.joins;
      EXPECT_EQ(state->wealth.villageJoined[v.village - 1] != 0, joined);
      Leave();
    }
    // All five done: nobody left to talk to.
    Enter(v.village);
    Talk();
    EXPECT_EQ(h->showBox[kNobodyBox], 1);
    EXPECT_EQ(h->boxCount, 0);
    Leave();
  }
}

TEST_F(VillageVisits, KapustaQuestFiveWaitsForQuestThreeOrFour) {
  Stage(1) = kQuestClosed;
  Stage(2) = kQuestClosed;
  Enter(1);
  Talk();
  EXPECT_EQ(Seen(5), kQuestNotGiven);
  EXPECT_EQ(h->showBox[kNobodyBox], 1);
  Leave();

  // Quest 4 achieved (or anything past it) is as good as quest 3.
  for (uint8_t stage : {kQuestAchieved, kQuestClosed}) {
    Stage(4) = stage;
    Stage(5) = kQuestNotGiven;
    Enter(1);
    EXPECT_EQ(Seen(5), kQuestOpen);
    Leave();
  }
  // Running is not enough.
  Stage(4) = kQuestUnderWay;
  Stage(5) = kQuestNotGiven;
  Enter(1);
  EXPECT_EQ(Seen(5), kQuestNotGiven);
  Leave();
  // Nor is quest 3 without quest 2 closed.
  Stage(2) = kQuestUnderWay;
  Stage(3) = kQuestClosed;
  Enter(1);
  EXPECT_EQ(Seen(5), kQuestNotGiven);
  Leave();
}

// Kapusta's talk drawn on a headless device: its place, its panel and its
// boxes, as a visit's frame draws them.
class KapustaTalk : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(d.created);
    h.placeNumber = 1;
    h.visitorCode = kVisitorPlayer;
    h.visitDay = 1;
    h.LoadArt(&d.dev);
    h.LoadPlacePictures(&d.dev);
    h.LoadPortraits(&d.dev);
    h.LoadArmyIcons(&d.dev);
  }
  // Only the talk boxes, on black.
  std::vector<uint32_t> TalkOnly() {
    d.Begin();
    h.DrawTalk();
    d.End();
    const uint32_t* p = headless::FramePixels();
    return std::vector<uint32_t>(p, p + 800 * 600);
  }
  // The whole frame, written out for a look.
  void Shot(const char* name) {
    h.LoadHeldItemPictures(&d.dev);
    d.Begin();
    h.DrawPlace();
    h.DrawMainPanel(kHousePanelX, kHousePanelY);
    h.DrawTalk();
    d.End();
    const std::string path = std::string(QORV_TEST_OUT) + "/" + name + ".png";
    EXPECT_EQ(headless::WritePng(path.c_str()), 1) << path;
  }

  poptest::HeadlessDevice d;
  VillageHouseScreen h;
};

// Rows 2 and 3 of the nobody box, in the heading colour.
bool NobodyLinesDiffer(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  int inside = 0, outside = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) {
      if (a[y * 800 + x] == b[y * 800 + x]) continue;
      const bool lines = x >= 165 && x < 565 && y >= 281 && y < 336;
      ++(lines ? inside : outside);
    }
  return inside > 0 && outside == 0;
}

TEST_F(KapustaTalk, NobodyBoxTellsToTryElsewhereUntilQuestElevenIsAchieved) {
  // Quests 1 and 2 closed, quest 5 waiting for quest 3 or 4.
  h.questStage[1 - 1] = h.questStage[2 - 1] = kQuestClosed;
  h.talkOpen = 1;
  h.StepQuests();
  ASSERT_EQ(h.showBox[kNobodyBox], 1);
  const auto tryElsewhere = TalkOnly();
  // All five closed.
  for (uint8_t q : {5, 11, 34}) h.questStage[q - 1] = kQuestClosed;
  h.StepQuests();
  ASSERT_EQ(h.showBox[kNobodyBox], 1);
  const auto noMore = TalkOnly();
  EXPECT_TRUE(NobodyLinesDiffer(tryElsewhere, noMore));
  // Quest 11 achieved is enough for the second reading.
  h.questStage[11 - 1] = kQuestAchieved;
  EXPECT_EQ(TalkOnly(), noMore);
  // That is what every other village says.
  h.placeNumber = 2;
  for (uint8_t q : {29, 42, 50, 54, 59}) h.questStage[q - 1] = kQuestClosed;
  h.StepQuests();
  ASSERT_EQ(h.showBox[kNobodyBox], 1);
  EXPECT_EQ(TalkOnly(), noMore);
}

TEST_F(KapustaTalk, OfferAndCompletionScreenshots) {
  // Quest 11 on offer: Kapusta's three tight lines and the Accept question.
  h.questStage[1 - 1] = h.questStage[2 - 1] = h.questStage[5 - 1] = kQuestClosed;
  h.talkOpen = 1;
  h.StepQuests();
  ASSERT_EQ(h.showBox[QuestBox(3, kOfferBox)], 1);
  Shot("village_talk_offer");
  EXPECT_EQ(h.acceptAsked, 1);

  // Quest 5 done: the thanks, the pants, the fame and Kapusta joining.
  h.acceptAsked = 0;
  h.questStage[5 - 1] = kQuestAchievedSeen;
  h.questStage[11 - 1] = kQuestNotGiven;
  h.StepQuests();
  ASSERT_EQ(h.showBox[QuestBox(1, kDoneBox)], 1);
  Shot("village_talk_done");
  EXPECT_EQ(h.fameGain, kFameRaised);
}

}  // namespace
