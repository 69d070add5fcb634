#pragma once
// The end-to-end tests play the whole game headless, each in a game folder of
// its own (test_folder.h). Every test also checks that each picture, sound
// and piece of music the game asked for was there.

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "app/game_app.h"
#include "game/game_state.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "platform/asset_log.h"
#include "test_folder.h"

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(TestFolder().c_str()), 0) << "no game folder at " << TestFolder();
    ClearMissingAssets();
  }
  void TearDown() override {
    std::string missing;
    for (const std::string& path : MissingAssets()) missing += " " + path;
    EXPECT_TRUE(MissingAssets().empty())
        << "the game asked for files that are not there:" << missing;
  }
};

// A test that reads back the saves or the hall of fame it wrote.
class EndToEndInOwnFolder : public EndToEnd {
 protected:
  std::string SavePath(const std::string& name) const { return TestFile("Saves/" + name); }
};

// A value of the state dump by dotted path ("state.gold"): a number (-1 when
// absent), a text ("" when absent), or any value as compact JSON.
inline const JsonValue* DumpedValue(const ScenarioDriver& d, const std::string& path,
                                    JsonValue* dump) {
  return ParseJson(d.Dump(), dump) ? FindJsonPath(*dump, path) : nullptr;
}
inline double DumpedNumber(const ScenarioDriver& d, const std::string& path) {
  JsonValue dump;
  const JsonValue* v = DumpedValue(d, path, &dump);
  return v ? v->number : -1;
}
inline std::string DumpedText(const ScenarioDriver& d, const std::string& path) {
  JsonValue dump;
  const JsonValue* v = DumpedValue(d, path, &dump);
  return v ? v->text : "";
}
inline std::string DumpedJson(const ScenarioDriver& d, const std::string& path) {
  JsonValue dump;
  const JsonValue* v = DumpedValue(d, path, &dump);
  return v ? CompactJson(*v) : "";
}

// The hand-over the map makes when the player walks into an enemy army,
// on a game already started: the battle number, the fighter, a fresh battle.
inline void HandOverBattle(ScenarioDriver& driver, uint8_t battleId) {
  GameState& s = *driver.App().gameState;
  s.battleId = battleId;
  s.battleByPlayer = 1;
  s.battleHero = 0;
  s.battlePending = 1;
  ASSERT_TRUE(driver.Goto("GoBattle"));
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "BattleProc");
  ASSERT_NE(driver.App().battleScreen, nullptr);
}
