// The quest log from the map: quest 1 taken in Kapusta shows as given with
// its objective, and as finished once its deed is done; Back returns to the
// map.

#include <cstdint>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "harness/scenario_driver.h"
#include "menus/quest_log.h"
#include "places/house_art.h"
#include "platform/headless.h"
#include "platform/input_device.h"
#include "platform/text_log.h"

namespace {

std::string Shot(const char* name) { return TestFile(name); }

constexpr uint8_t kApples = 1;  // quest 1
constexpr int32_t kTalkX = 700, kTalkY = 280;
constexpr int32_t kYesX = 246, kYesY = 446;
constexpr int32_t kLeaveX = 700, kLeaveY = 40;
constexpr int32_t kBarQuestLogX = 700, kBarQuestLogY = 340;
constexpr int32_t kFirstPlaceX = 40, kFirstPlaceY = 100;
constexpr const char* kApplesObjective = "Go to the apple tree near the Kapusta Village.";

void Press(ScenarioDriver& d, int32_t x, int32_t y) {
  d.Click(x, y, kMouseLeft);
  d.RunFrames(2);
}

// The objective line drawn at its place in the last presented frame.
bool ShowsObjective(ScenarioDriver& d, const char* text) {
  for (const DrawnText& t : d.App().graphics.textLog->Presented())
    if (t.text == text && t.y == kObjectiveY1) return true;
  return false;
}

// The pixels where a finished quest's mark stands.
std::vector<uint32_t> DoneMarkArea() {
  const uint32_t* p = headless::FramePixels();
  std::vector<uint32_t> area;
  for (int y = 490; y < 520; ++y)
    for (int x = 340; x < 460; ++x) area.push_back(p[y * 800 + x]);
  return area;
}

// Opens the log from the map's control bar and chooses the first place.
void OpenLogOnQuest1(ScenarioDriver& d) {
  Press(d, kBarQuestLogX, kBarQuestLogY);
  ASSERT_STREQ(d.ScreenName(), "QuestLogProc");
  Press(d, kFirstPlaceX, kFirstPlaceY);
  d.MoveTo(600, 300);
  d.RunFrames(2);
}

}  // namespace

class QuestLogE2E : public EndToEnd {};

TEST_F(QuestLogE2E, QuestOneTakenInKapustaShowsGivenThenFinished) {
  ScenarioDriver d;
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  ASSERT_TRUE(d.Goto("GoKingdomMap"));
  d.RunFrames(3);
  d.Click(600, 560, kMouseLeft);  // the day's board: quest 1 is offered
  d.RunFrames(2);
  ASSERT_EQ(s.questStage[kApples - 1], kQuestOpen);

  // Nothing given yet: the log shows no quest and no objective.
  OpenLogOnQuest1(d);
  EXPECT_FALSE(ShowsObjective(d, kApplesObjective));
  Press(d, 740, 20);  // Back
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(d.App().questLog, nullptr);

  // Kapusta's first quest, taken at Talk.
  s.villageNumber = 1;
  s.visitorCode = house_art::kVisitorPlayer;
  d.Goto("GoVillage");
  d.RunFrames(2);
  Press(d, kTalkX, kTalkY);
  Press(d, kYesX, kYesY);
  Press(d, kLeaveX, kLeaveY);
  d.RunFrames(3);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  ASSERT_TRUE(QuestShown(s.questStage[kApples - 1]));
  ASSERT_FALSE(QuestFinished(s.questStage[kApples - 1]));

  OpenLogOnQuest1(d);
  const QuestLog* log = d.App().questLog;
  ASSERT_NE(log, nullptr);
  EXPECT_EQ(log->selectedQuest, kApples);
  EXPECT_TRUE(ShowsObjective(d, kApplesObjective));
  const std::vector<uint32_t> given = DoneMarkArea();
  d.WriteShot(Shot("quest_log_given.png"));
  d.PressKey(kKeyEscape);
  d.RunFrames(2);
  ASSERT_STREQ(d.ScreenName(), "MapProc");

  // The deed done: the same place now shows the quest finished.
  s.questStage[kApples - 1] = kQuestAchieved;
  OpenLogOnQuest1(d);
  EXPECT_TRUE(ShowsObjective(d, kApplesObjective));
  EXPECT_NE(DoneMarkArea(), given) << "no finished mark";
  d.WriteShot(Shot("quest_log_finished.png"));
  Press(d, 740, 20);
  d.RunFrames(2);
  EXPECT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(s.questStage[kApples - 1], kQuestAchieved) << "the log changes nothing";
}
