#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "app/game_app.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "map/control_bar.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/credits_screen.h"
#include "platform/anim_clock.h"

TEST(StateDump, HoldsTheAppTheRecordAndEachObjectThatExists) {
  ASSERT_EQ(chdir(QORV_GAME_DIR), 0);
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameApp& app = driver.App();

  JsonValue dump;
  ASSERT_TRUE(ParseJson(driver.Dump(), &dump));
  EXPECT_EQ(FindJsonPath(dump, "screen")->text, "MainMenuProc");
  EXPECT_EQ(FindJsonPath(dump, "frame")->number, 2);
  EXPECT_EQ(FindJsonPath(dump, "clockMs")->number, 32);
  EXPECT_EQ(FindJsonPath(dump, "app.shownHero")->number, 200);
  EXPECT_EQ(FindJsonPath(dump, "app.timingValid")->number, 1);
  EXPECT_NE(FindJsonPath(dump, "state.playerNameText"), nullptr);
  EXPECT_NE(FindJsonPath(dump, "objects.cursor.x"), nullptr);
  EXPECT_NE(FindJsonPath(dump, "objects.settings.values.9"), nullptr);
  for (const char* absent : {"objects.creditsScreen", "objects.kingdomMap", "objects.controlBar",
                             "objects.mapEncounters", "objects.animClock"})
    EXPECT_EQ(FindJsonPath(dump, absent), nullptr) << absent;

  // Objects show up under their field names while they exist.
  app.creditsScreen = new CreditsScreen;
  app.kingdomMap = new KingdomMap;
  app.controlBar = new ControlBar;
  app.mapEncounters = new MapEncounters;
  app.animClock[2] = new AnimClock;
  app.creditsScreen->backLook = 2;
  ASSERT_TRUE(ParseJson(driver.Dump(), &dump));
  EXPECT_EQ(FindJsonPath(dump, "objects.creditsScreen.backLook")->number, 2);
  for (const char* present :
       {"objects.kingdomMap", "objects.controlBar", "objects.mapEncounters"}) {
    const JsonValue* object = FindJsonPath(dump, present);
    ASSERT_NE(object, nullptr) << present;
    EXPECT_EQ(object->kind, JsonValue::Kind::Object) << present;
    EXPECT_FALSE(object->members.empty()) << present;
  }
  EXPECT_EQ(FindJsonPath(dump, "objects.animClock.0")->kind, JsonValue::Kind::Null);
  EXPECT_EQ(FindJsonPath(dump, "objects.animClock.2.expected")->number, 5000);
  // The application lets them go with itself.
}

TEST(StateDump, ListsTheTextsOfTheLastPresentedFrame) {
  ASSERT_EQ(chdir(QORV_GAME_DIR), 0);
  ScenarioDriver driver;
  driver.Start();
  ASSERT_TRUE(driver.Goto("GoCredits"));
  driver.RunFrames(2);

  JsonValue dump;
  ASSERT_TRUE(ParseJson(driver.Dump(), &dump));
  const JsonValue* texts = FindJsonPath(dump, "texts");
  ASSERT_NE(texts, nullptr);
  ASSERT_EQ(texts->kind, JsonValue::Kind::Array);
  ASSERT_FALSE(texts->items.empty());
  const JsonValue& first = texts->items.front();
  EXPECT_EQ(FindJsonPath(first, "text")->text, "Programmed by:");
  EXPECT_EQ(FindJsonPath(first, "x")->number, 200);
  EXPECT_EQ(FindJsonPath(first, "y")->number, 110);
  EXPECT_EQ(FindJsonPath(first, "colour")->text, "0xFFCE6700");

  // Only the last frame's texts: the same list again, not twice as long.
  const size_t count = texts->items.size();
  driver.RunFrames(1);
  ASSERT_TRUE(ParseJson(driver.Dump(), &dump));
  EXPECT_EQ(FindJsonPath(dump, "texts")->items.size(), count);
}
