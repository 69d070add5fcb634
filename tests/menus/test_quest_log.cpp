// The quest log's pages and places: which quests show, how, and their
// objectives.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "game/game_state.h"
#include "menus/quest_log.h"

TEST(QuestLog, ShowsAQuestFromAcceptanceAndFinishedFromItsDeed) {
  const bool shown[] = {false, false, true, true, true, true, true, true};
  for (uint8_t stage = kQuestNotGiven; stage <= kQuestClosed; ++stage) {
    EXPECT_EQ(QuestShown(stage), shown[stage]) << int(stage);
    EXPECT_EQ(QuestFinished(stage), stage >= kQuestAchieved) << int(stage);
  }
}

TEST(QuestLog, PagesHoldFortyQuestsEachAndTurnRound) {
  GameState state;
  for (int q = 1; q <= kQuestCount; ++q) state.questStage[q - 1] = static_cast<uint8_t>(q);
  QuestLog log;
  log.CopyStages(state);
  EXPECT_EQ(log.page, 1);
  EXPECT_EQ(log.PlaceStage(1), 1);
  EXPECT_EQ(log.PlaceStage(40), 40);

  log.selectedIcon = 7;
  log.selectedQuest = 7;
  log.TurnPage();
  EXPECT_EQ(log.page, 2);
  EXPECT_EQ(log.selectedQuest, 0) << "the objective goes with the page";
  EXPECT_EQ(log.selectedIcon, 7) << "the place stays chosen";
  EXPECT_EQ(log.PlaceStage(1), 41);

  log.TurnPage();
  EXPECT_EQ(log.page, 3);
  EXPECT_EQ(log.PlaceStage(20), 100);
  for (int place = 21; place <= kQuestLogPlaces; ++place)
    EXPECT_EQ(log.PlaceStage(place), 0) << "quests beyond 100 never show";
  log.TurnPage();
  EXPECT_EQ(log.page, 1);
}

TEST(QuestLog, PlacesStandInTenColumnsOfFourRows) {
  EXPECT_EQ(QuestPlaceX(1), 7);
  EXPECT_EQ(QuestPlaceY(1), 70);
  EXPECT_EQ(QuestPlaceX(10), 727);
  EXPECT_EQ(QuestPlaceX(11), 7);
  EXPECT_EQ(QuestPlaceY(40), 310);
}

TEST(QuestLog, EveryQuestUpTo98HasItsObjectiveInItsRow) {
  const std::set<int> twoLines = {34, 39, 43, 46, 48, 49, 50, 54, 55, 56, 58, 60,
                                  62, 66, 69, 70, 71, 87, 91, 95, 96, 97, 98};
  for (int q = 1; q <= kObjectiveQuests; ++q) {
    const QuestObjective* o = ObjectiveOf(q);
    ASSERT_NE(o, nullptr) << q;
    EXPECT_EQ(o->quest, q) << "the table is out of order";
    ASSERT_NE(o->line1.text, nullptr) << q;
    EXPECT_EQ(o->line2.text != nullptr, twoLines.count(q) == 1) << q;
    for (const ObjectiveLine* line : {&o->line1, &o->line2}) {
      if (!line->text) continue;
      EXPECT_GE(line->x, 77) << q;
      EXPECT_LE(line->x, 260) << q;
      EXPECT_GE(line->w, 300) << q;
      EXPECT_LE(line->w, 700) << q;
    }
  }
  EXPECT_EQ(ObjectiveOf(99), nullptr);
  EXPECT_EQ(ObjectiveOf(120), nullptr);
  EXPECT_STREQ(ObjectiveOf(5)->line1.text, "Capture the gold mine. ");
  EXPECT_STREQ(ObjectiveOf(97)->line2.text, ObjectiveOf(96)->line2.text);
  EXPECT_STREQ(ObjectiveOf(98)->line2.text, ObjectiveOf(96)->line2.text);
}
