// The palace's two quests that do not follow the usual chain: quest 4 comes
// with the days and quest 70 once quest 6 is closed, so both can be offered,
// or both be done, at one Talk.

#include <gtest/gtest.h>

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

constexpr int kWolves = 4;        // the palace's first quest
constexpr int kGuardsReady = 6;   // a quest of another place
constexpr int kMammothCamp = 70;  // the palace's second quest
constexpr int kWolvesSlot = 0;
constexpr int kMammothSlot = 1;
constexpr uint8_t kWolvesBelt = 91;        // ItemId paid by quest 4
constexpr uint8_t kMammothArmour = 73;     // ItemId paid by quest 70
constexpr uint8_t kMammothOfferItem = 75;  // ItemId handed over on accepting quest 70

uint8_t& Stage(HouseScreen& h, int quest) { return h.questStage[quest - 1]; }

// One step pass as the visit runs it.
void Pass(HouseScreen& h) {
  h.NoteHeldBackItems();
  h.StepQuests();
}

// The Talk button: the talk opens and a pass runs.
void Talk(HouseScreen& h) {
  h.talkOpen = 1;
  h.justAccepted = 0;
  Pass(h);
}

// The Yes answer: the offered quest is accepted, a pass runs and its
// acceptance is paid.
bool Accept(HouseScreen& h, GameState& s, int32_t& gold) {
  if (!h.AcceptQuest(s)) return false;
  h.talkOpen = 0;
  h.acceptAsked = 0;
  h.justAccepted = 1;
  Pass(h);
  h.CollectReward(gold);
  return true;
}

int CountInBag(const HouseScreen& h, uint8_t itemId) {
  int n = 0;
  for (uint8_t cell : h.bag) n += cell == itemId;
  return n;
}

int CountHeldBack(const HouseScreen& h, uint8_t itemId) {
  int n = 0;
  for (int i = 0; i < kHeldBackEntries; ++i) n += h.heldBack[i] && h.heldBackCopy[i] == itemId - 1;
  return n;
}

}  // namespace

// Quest 70 waits for quest 6, not for quest 4; offered together with quest 4
// it is the one Yes accepts, and quest 4 stays offered.
TEST(SingleTalk, PalaceQuest70OpensAfterQuest6AndIsTheOneAccepted) {
  HouseScreen h{PlaceKind::Palace};
  Stage(h, kWolves) = kQuestClosed;
  Stage(h, kGuardsReady) = kQuestUnderWay;
  Talk(h);
  EXPECT_EQ(Stage(h, kMammothCamp), kQuestNotGiven);
  EXPECT_EQ(h.showBox[kNobodyBox], 1) << "the guards' message";

  h.talkOpen = 0;
  Stage(h, kWolves) = kQuestOpen;
  Stage(h, kGuardsReady) = kQuestClosed;
  Talk(h);
  EXPECT_EQ(Stage(h, kMammothCamp), kQuestOpen);
  EXPECT_EQ(h.showBox[QuestBox(kWolvesSlot, kOfferBox)], 1);
  EXPECT_EQ(h.showBox[QuestBox(kMammothSlot, kOfferBox)], 1);
  EXPECT_EQ(h.currentQuest, kMammothCamp);

  auto s = std::make_unique<GameState>();
  const auto fame = s->fame;
  int32_t gold = 0;
  ASSERT_TRUE(Accept(h, *s, gold));
  EXPECT_EQ(Stage(h, kMammothCamp), kQuestAccepted);
  EXPECT_EQ(Stage(h, kWolves), kQuestOpen);
  EXPECT_EQ(s->fame, fame + 1);
  EXPECT_EQ(h.showBox[QuestBox(kMammothSlot, kAcceptedBox)], 1);
  EXPECT_EQ(gold, 55);
  EXPECT_EQ(CountInBag(h, kMammothOfferItem), 1);
}

// Quests 4 and 70 done while away: the first Talk closes both and pays both,
// gold and items; with a single free bag cell the second item is kept back
// for a later visit, not lost.
TEST(SingleTalk, PalaceClosingQuests4And70InOneTalkPaysBoth) {
  for (int freeCells : {kHouseBagCells, 1}) {
    SCOPED_TRACE(testing::Message() << freeCells << " free bag cells");
    HouseScreen h{PlaceKind::Palace};
    for (int c = 0; c < kHouseBagCells - freeCells; ++c) h.bag[c] = uint8_t(200 + c);
    Stage(h, kGuardsReady) = kQuestClosed;
    Stage(h, kWolves) = kQuestAchieved;
    Stage(h, kMammothCamp) = kQuestAchieved;
    Pass(h);  // entering: both are seen done
    EXPECT_EQ(Stage(h, kWolves), kQuestAchievedSeen);
    EXPECT_EQ(Stage(h, kMammothCamp), kQuestAchievedSeen);

    Talk(h);
    EXPECT_EQ(Stage(h, kWolves), kQuestClosed);
    EXPECT_EQ(Stage(h, kMammothCamp), kQuestClosed);
    EXPECT_EQ(h.showBox[QuestBox(kWolvesSlot, kDoneBox)], 1);
    EXPECT_EQ(h.showBox[QuestBox(kMammothSlot, kDoneBox)], 1);
    int32_t gold = 1000;
    h.CollectReward(gold);
    EXPECT_EQ(gold, 1000 + 100 + 110);
    const int belt = CountInBag(h, kWolvesBelt) + CountHeldBack(h, kWolvesBelt);
    const int armour = CountInBag(h, kMammothArmour) + CountHeldBack(h, kMammothArmour);
    EXPECT_EQ(belt, 1);
    EXPECT_EQ(armour, 1);
    EXPECT_EQ(CountInBag(h, kWolvesBelt) + CountInBag(h, kMammothArmour), freeCells > 1 ? 2 : 1);
  }
}

// The palace's offer of quest 4 as the talk draws it, written for a look.
TEST(SingleTalk, PalaceOfferIsDrawn) {
  poptest::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  HouseScreen h{PlaceKind::Palace};
  h.visitorCode = kVisitorPlayer;
  h.LoadArt(&d.dev);
  h.LoadPlacePictures(&d.dev);
  h.LoadPortraits(&d.dev);
  h.LoadArmyIcons(&d.dev);
  Stage(h, kWolves) = kQuestOpen;
  Talk(h);
  h.LoadHeldItemPictures(&d.dev);
  auto frame = [&](bool talk) {
    h.talkOpen = talk ? 1 : 0;
    d.Begin();
    h.DrawPlace();
    h.DrawMainPanel(kHousePanelX, kHousePanelY);
    if (talk) h.DrawTalk();
    d.End();
    const uint32_t* p = headless::FramePixels();
    return std::vector<uint32_t>(p, p + 800 * 600);
  };
  const std::vector<uint32_t> quiet = frame(false);
  const std::vector<uint32_t> offer = frame(true);
  EXPECT_TRUE(headless::WritePng((TestFile("palace_offer.png")).c_str()));
  EXPECT_EQ(h.acceptAsked, 1);
  // The offer box spans (130, 230) to about (500, 350).
  int changed = 0;
  for (int y = 240; y < 340; ++y)
    for (int x = 140; x < 480; ++x) changed += quiet[y * 800 + x] != offer[y * 800 + x];
  EXPECT_GT(changed, 1000);
}
