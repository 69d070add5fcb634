// The no-room notes of the talk, read from the texts Kapusta's talk draws:
// Yes to an offer whose item finds no room asks for room and promises
// nothing, while a finished quest's reward that waits for room says so.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_state.h"
#include "map/test_map_encounters_util.h"
#include "places/house_screen.h"
#include "places/talk_tables.h"
#include "platform/text_log.h"

namespace {

constexpr uint8_t kFiller = 200;  // an item that fills bag cells
// Kapusta's quests, in the order they are given.
constexpr uint8_t kApples = 1;
constexpr uint8_t kRaiders = 2;
constexpr uint8_t kPants = 5;         // its reward item waits
constexpr uint8_t kShoeThieves = 11;  // its offer comes with an item
const char* const kRoomForOffer = "Make room in your bag, then come back.";
const char* const kRoomForReward = "Make room, then come back for your reward.";

class HouseTalkNotes : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(d.created);
    d.dev.textLog = &log;
    h.placeNumber = 1;
    h.visitorCode = kVisitorPlayer;
    h.LoadArt(&d.dev);
    // Neither a bag cell nor a held-back place is free.
    for (uint8_t& cell : h.bag) cell = kFiller;
    for (uint8_t& waiting : h.heldBack) waiting = 1;
    for (uint8_t q : {kApples, kRaiders, kPants}) h.questStage[q - 1] = kQuestClosed;
  }
  void TearDown() override { d.dev.textLog = nullptr; }

  // Talk, then Yes on the offer, which has to be refused.
  void TalkAndRefuseTheOffer() {
    h.talkOpen = 1;
    h.StepQuests();
    ASSERT_EQ(h.currentQuest, kShoeThieves);
    ASSERT_FALSE(h.AcceptQuest(state));
    EXPECT_EQ(h.questStage[kShoeThieves - 1], kQuestOpen);
  }
  bool Shows(const char* text) {
    d.Begin();
    h.DrawTalk();
    d.End();
    for (const DrawnText& t : log.Presented())
      if (t.text == text) return true;
    return false;
  }

  poptest::HeadlessDevice d;
  TextLog log;
  GameState state;
  VillageHouseScreen h;
};

TEST_F(HouseTalkNotes, ARefusedOfferAsksForRoomWithoutPromisingAReward) {
  h.questStage[kShoeThieves - 1] = kQuestOpen;
  TalkAndRefuseTheOffer();
  EXPECT_TRUE(Shows(kRoomForOffer));
  EXPECT_FALSE(Shows(kRoomForReward));
}

TEST_F(HouseTalkNotes, AWaitingRewardKeepsItsNoteWhenAnOfferIsRefusedToo) {
  h.questStage[kPants - 1] = kQuestAchievedSeen;
  h.questStage[kShoeThieves - 1] = kQuestOpen;
  TalkAndRefuseTheOffer();
  EXPECT_EQ(h.questStage[kPants - 1], kQuestAchievedSeen);
  EXPECT_TRUE(Shows(kRoomForReward));
  EXPECT_FALSE(Shows(kRoomForOffer));
}

}  // namespace
