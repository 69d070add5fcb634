// What sets villages 6 to 9 apart in their talk: the Little Village's own
// nobody box, its bag-full note under the done box of its last quest, and
// which done boxes are followed by a join box (Usta's quest 49, the Desert
// Village's 62, the Mountain village's 65; never the Little Village's).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "map/test_map_encounters_util.h"
#include "places/house_draw.h"
#include "places/house_screen.h"
#include "places/talk_tables.h"
#include "platform/headless.h"
#include "platform/text_log.h"
#include "test_folder.h"

namespace {

constexpr uint8_t kUsta = 6;
constexpr uint8_t kLittleVillage = 9;

// A village visited by the player, drawn on a headless device that records
// the texts of each frame.
class VillageTalk69 : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(d.created);
    d.dev.textLog = &log;
    state = poptest::NewGame();
  }
  void TearDown() override { d.dev.textLog = nullptr; }

  // Enters the village with every quest before `quest` in its chain closed
  // and `quest` itself at `stage`.
  void Enter(uint8_t village, uint8_t quest, uint8_t stage) {
    h = std::make_unique<VillageHouseScreen>();
    h->placeNumber = village;
    h->visitorCode = kVisitorPlayer;
    h->LoadArt(&d.dev);
    for (const PlaceQuest& q : Talk(village).quests) {
      ASSERT_GT(q.quest, 0);
      h->questStage[q.quest - 1] = q.quest == quest ? stage : kQuestClosed;
      if (q.quest == quest) break;
    }
    h->StepQuests();
  }
  static const PlaceTalk& Talk(uint8_t village) {
    return *FindPlaceTalk(PlaceKind::Village, village);
  }
  // The Talk button as the visit runs it: the joining marks, the pass and
  // the collection of what it prepared.
  void PressTalk() {
    h->talkOpen = 1;
    h->MarkJoinedPlaces(*state);
    h->StepQuests();
    h->rewardPending = 0;
    h->CollectReward(state->gold);
  }
  const std::vector<DrawnText>& Draw() {
    d.Begin();
    h->DrawTalk();
    d.End();
    return log.Presented();
  }
  static int Find(const std::vector<DrawnText>& texts, const std::string& text, int32_t y = -1) {
    for (size_t i = 0; i < texts.size(); ++i)
      if (texts[i].text == text && (y < 0 || texts[i].y == y)) return int(i);
    return -1;
  }
  static bool AnyContains(const std::vector<DrawnText>& texts, const char* part) {
    for (const DrawnText& t : texts)
      if (t.text.find(part) != std::string::npos) return true;
    return false;
  }

  poptest::HeadlessDevice d;
  TextLog log;
  std::unique_ptr<GameState> state;
  std::unique_ptr<VillageHouseScreen> h;
};

TEST_F(VillageTalk69, TheLittleVillageTellsOfItsFearInsteadOfNobody) {
  // Every quest closed: nothing left to offer.
  Enter(kLittleVillage, 0, kQuestNotGiven);
  PressTalk();
  const std::vector<DrawnText>& little = Draw();
  ASSERT_EQ(little.size(), 2u);
  EXPECT_EQ(little[0].text, "The villagers are very afraid of invasions.");
  EXPECT_EQ(little[0].y, 250);
  EXPECT_EQ(little[1].text, "Many want to leave.");
  EXPECT_EQ(little[1].y, 273);
  for (const DrawnText& t : little) EXPECT_EQ(t.colour, house_draw::kHeadingColour) << t.text;
  EXPECT_EQ(Find(little, "Nobody to talk to around here."), -1);

  // Usta, out of quests too, has the usual three lines.
  Enter(kUsta, 0, kQuestNotGiven);
  PressTalk();
  const std::vector<DrawnText>& usta = Draw();
  ASSERT_EQ(usta.size(), 3u);
  EXPECT_EQ(usta[0].text, "Nobody to talk to around here.");
  EXPECT_EQ(usta[2].text, "this village.");
}

TEST_F(VillageTalk69, OnlyTheJoiningQuestsDoneBoxesAreFollowedByAJoinBox) {
  struct Village {
    uint8_t number;
    uint8_t joiningQuest;
    const char* joinLine;
  };
  const Village villages[] = {
      {6, 49, "The village of Usta decided to join you!"},
      {7, 62, "The Desert Village decided to join you!"},
      {8, 65, "The Mountain village decided to join you!"},
      {kLittleVillage, 0, nullptr},
  };
  for (const Village& v : villages) {
    for (const PlaceQuest& q : Talk(v.number).quests) {
      SCOPED_TRACE("village " + std::to_string(v.number) + " quest " + std::to_string(q.quest));
      state->wealth.villageJoined[v.number - 1] = 0;
      Enter(v.number, q.quest, kQuestAchievedSeen);
      PressTalk();
      ASSERT_EQ(h->questStage[q.quest - 1], kQuestClosed);
      const std::vector<DrawnText>& texts = Draw();
      const int thanks = Find(texts, q.done.lines[0].text);
      ASSERT_GE(thanks, 0);
      const bool joins = q.quest == v.joiningQuest;
      EXPECT_EQ(AnyContains(texts, "decided to join you!"), joins);
      EXPECT_EQ(state->wealth.villageJoined[v.number - 1], joins ? kPlaceJoined : 0);
      if (!joins) continue;
      // The join line and the benefits come after the done box's lines.
      EXPECT_GT(Find(texts, v.joinLine, 470), thanks);
      EXPECT_GT(Find(texts, talk::kVillageBenefits, 500), thanks);
    }
  }
}

TEST_F(VillageTalk69, TheLittleVillageRepeatsTheBagFullNoteUnderItsLastQuest) {
  const char* kBagFull = "Your bag is full. Come back at any time";
  struct Case {
    uint8_t village;
    uint8_t quest;
    bool ownNote;
  };
  for (const Case& c :
       {Case{kLittleVillage, 24, true}, Case{kLittleVillage, 22, false}, Case{kUsta, 63, false}}) {
    SCOPED_TRACE("village " + std::to_string(c.village) + " quest " + std::to_string(c.quest));
    Enter(c.village, c.quest, kQuestAchievedSeen);
    for (uint8_t& cell : h->bag) cell = 1;  // every cell taken
    PressTalk();
    ASSERT_EQ(h->bagFull, 1);
    const std::vector<DrawnText>& texts = Draw();
    // The note every village shows after thanks, under everything else.
    EXPECT_EQ(Find(texts, kBagFull, 360), 0);
    const int own = Find(texts, kBagFull, 375);
    EXPECT_EQ(own >= 0, c.ownNote);
    if (!c.ownNote) continue;
    EXPECT_GT(own, Find(texts, "Also take this amulet. ", 200)) << "drawn over the done box";
    EXPECT_EQ(Find(texts, "to pick up your stuff.", 405), own + 1);
    EXPECT_EQ(texts[own].colour, house_draw::kBodyColour);
  }

  // With room in the bag the Little Village's last done box stands alone.
  Enter(kLittleVillage, 24, kQuestAchievedSeen);
  PressTalk();
  ASSERT_EQ(h->bagFull, 0);
  EXPECT_EQ(Find(Draw(), kBagFull), -1);
}

// An offer of Usta over the place picture, for the eye.
TEST_F(VillageTalk69, ShotOfAnOffer) {
  Enter(kUsta, 35, kQuestNotGiven);
  h->LoadPlacePictures(&d.dev);
  h->LoadHeldItemPictures(&d.dev);
  PressTalk();
  d.Begin();
  h->DrawPlace();
  h->DrawMainPanel(kHousePanelX, kHousePanelY);
  h->DrawTalk();
  d.End();
  const std::vector<DrawnText>& texts = log.Presented();
  EXPECT_GE(Find(texts, "Lots of mean bandits with a Bag of gold", 270), 0);
  EXPECT_GE(Find(texts, "Accept?", 390), 0);
  const std::string out = TestFile("village_talk_usta_offer.png");
  EXPECT_EQ(headless::WritePng(out.c_str()), 1);
}

}  // namespace
