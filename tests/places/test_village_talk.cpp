// What Kapusta's talk does beyond the plain quest chain: its quest 5 also
// waits for quest 3 or 4, and its nobody box reads differently until its
// shoe thieves (quest 11) are dealt with. The offer and completion boxes are
// shot for a look.

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
#include "test_folder.h"

namespace {

// Visits as the village procedure runs them: the stages are copied in, the
// entry pass runs before the day is set, and on leaving a last pass runs
// before the stages go back into the record.
class VillageVisits : public ::testing::Test {
 protected:
  void Enter(uint8_t village) {
    h = std::make_unique<VillageHouseScreen>();
    h->placeNumber = village;
    std::memcpy(h->questStage, state->questStage, sizeof h->questStage);
    h->StepQuests();
    h->visitDay = 1;
  }
  void Talk() {
    h->talkOpen = 1;
    h->StepQuests();
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
    const std::string path = TestFile(std::string(name) + ".png");
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
