// The towns' talk played through a visit's own steps: the gold each
// accepted and done box tells is the gold the visit pays (town 1's quest 12
// tells 55 and pays 55), a town whose joining quest is done marks its own
// entry of the owned towns and mines, and an offer box as the player sees it.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "map/test_map_encounters_util.h"
#include "places/house_screen.h"
#include "places/talk_tables.h"
#include "platform/headless.h"
#include "test_folder.h"

namespace {

constexpr int kTowns = 4;
// The owned towns and mines: the gold mine, towns 1 to 4, the iron mine.
constexpr int kOwnedEntries = 6;

// The first number a box line tells ("I'm giving you 55 gold. ").
int32_t ToldGold(const char* line) {
  while (*line && !std::isdigit(static_cast<unsigned char>(*line))) ++line;
  return static_cast<int32_t>(std::strtol(line, nullptr, 10));
}

// The player in town t, with an empty bag, every quest of the town closed
// but the one under test.
struct TownVisit {
  TownVisit(uint8_t town, uint8_t quest, uint8_t stage) {
    RunNewGameSequence(s);
    h.placeNumber = town;
    h.visitorCode = kVisitorPlayer;
    for (const PlaceQuest& q : FindPlaceTalk(PlaceKind::Town, town)->quests)
      s.questStage[q.quest - 1] = kQuestClosed;
    s.questStage[quest - 1] = stage;
    std::memcpy(h.questStage, s.questStage, sizeof h.questStage);
    h.CopyVisitorIn(s);
    std::memset(h.bag, 0, sizeof h.bag);
    h.CopyHeldBackIn(s);
  }
  // The Talk button, and the reward it prepared paid.
  void Talk() {
    h.talkOpen = 1;
    h.MarkJoinedPlaces(s);
    h.justAccepted = 0;
    h.StepQuests();
    if (h.rewardPending) {
      h.rewardPending = 0;
      h.CollectReward(s.gold);
    }
  }
  // The Yes answer and its payment; the accepted box drawn.
  void Yes() {
    ASSERT_TRUE(h.AcceptQuest(s));
    h.talkOpen = 0;
    h.acceptAsked = 0;
    h.justAccepted = 1;
    h.StepQuests();
    h.CollectReward(s.gold);
    h.DrawTalk();
  }
  bool InBag(uint8_t itemId) const { return std::memchr(h.bag, itemId, sizeof h.bag) != nullptr; }

  GameState s;
  TownHouseScreen h;
};

TEST(TownTalk, EveryBoxPaysTheGoldItTellsAndItsItem) {
  for (uint8_t t = 1; t <= kTowns; ++t) {
    for (const PlaceQuest& q : FindPlaceTalk(PlaceKind::Town, t)->quests) {
      SCOPED_TRACE("town " + std::to_string(t) + ", quest " + std::to_string(q.quest));
      TownVisit v(t, q.quest, kQuestOpen);
      v.Talk();
      ASSERT_TRUE(v.h.showBox[QuestBox(q.slot, kOfferBox)]);

      const int32_t before = v.s.gold;
      v.Yes();
      ASSERT_TRUE(v.h.showBox[QuestBox(q.slot, kAcceptedBox)]);
      EXPECT_EQ(v.s.gold - before, ToldGold(q.accepted.lines[0].text));
      EXPECT_TRUE(q.offerItem == 0 || v.InBag(q.offerItem));

      v.Talk();  // running
      EXPECT_EQ(v.h.questStage[q.quest - 1], kQuestUnderWay);
      v.h.questStage[q.quest - 1] = kQuestAchieved;
      v.Talk();  // seen done
      const int32_t beforeDone = v.s.gold;
      v.Talk();  // thanked and paid
      ASSERT_TRUE(v.h.showBox[QuestBox(q.slot, kDoneBox)]);
      EXPECT_EQ(v.s.gold - beforeDone, ToldGold(q.done.lines[1].text));
      EXPECT_TRUE(v.InBag(q.doneItem));
      EXPECT_EQ(v.h.questStage[q.quest - 1], kQuestClosed);
    }
  }
  // Town 1's quest 12 tells 55, so the walk above has paid 55.
  const PlaceQuest& quest12 = FindPlaceTalk(PlaceKind::Town, 1)->quests[0];
  ASSERT_EQ(quest12.quest, 12);
  EXPECT_STREQ(quest12.accepted.lines[0].text, "I'm giving you 55 gold. ");
}

TEST(TownTalk, JoiningMarksTheTownsOwnEntryAndShowsItsJoinLine) {
  for (uint8_t t = 1; t <= kTowns; ++t) {
    SCOPED_TRACE("town " + std::to_string(t));
    const PlaceRow& row = *FindPlace(PlaceKind::Town, t);
    TownVisit v(t, row.joiningQuest, kQuestAchievedSeen);
    uint8_t owned[kOwnedEntries];
    std::memcpy(owned, v.s.wealth.townOwned, sizeof owned);
    owned[t] = kPlaceJoined;
    v.Talk();
    EXPECT_EQ(0, std::memcmp(owned, v.s.wealth.townOwned, sizeof owned));

    const PlaceTalk& talk = *FindPlaceTalk(PlaceKind::Town, t);
    const std::string joinLine = talk.join.lines[0].text;
    EXPECT_NE(joinLine.find(house_art::kPlaces[house_art::PlaceIndex(PlaceKind::Town, t)].name),
              std::string::npos);
    bool doneShown = false;
    for (const PlaceQuest& q : talk.quests)
      if (q.quest == row.joiningQuest) doneShown = v.h.showBox[QuestBox(q.slot, kDoneBox)];
    EXPECT_TRUE(doneShown);
  }
}

// Cebula's fourth-line offer over the town, with the Accept question:
// town_talk_offer.png in the test's folder.
TEST(TownTalk, OfferBoxScreenshot) {
  poptest::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  TownVisit v(1, 14, kQuestOpen);
  TownHouseScreen& h = v.h;
  h.LoadArt(&d.dev);
  h.LoadPlacePictures(&d.dev);
  h.LoadPortraits(&d.dev);
  h.LoadArmyIcons(&d.dev);
  v.Talk();
  h.LoadHeldItemPictures(&d.dev);
  d.Begin();
  h.DrawPlace();
  h.DrawMainPanel(kHousePanelX, kHousePanelY);
  h.DrawTalk();
  d.End();
  EXPECT_EQ(h.acceptAsked, 1);
  // The box tile covers the offer box's corner (80, 230), away from its text.
  EXPECT_NE(d.Pixel(82, 232), d.Pixel(79, 229));
  const std::string out = TestFile("town_talk_offer.png");
  EXPECT_EQ(headless::WritePng(out.c_str()), 1);
}

}  // namespace
