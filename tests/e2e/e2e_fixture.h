#pragma once
// The end-to-end tests play the whole game headless from its game folder.
// Every test also checks that each picture, sound and piece of music the
// game asked for was there.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "platform/asset_log.h"

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(QORV_GAME_DIR), 0) << "no game folder at " << QORV_GAME_DIR;
    ClearMissingAssets();
  }
  void TearDown() override {
    std::string missing;
    for (const std::string& path : MissingAssets()) missing += " " + path;
    EXPECT_TRUE(MissingAssets().empty())
        << "the game asked for files that are not there:" << missing;
  }
};

// A test that writes saves or the hall of fame plays in a game folder of
// its own under the test output, named after the test: the built Art and
// Data folders linked in, an empty Saves folder. It is the working folder
// while the test runs.
class EndToEndInOwnFolder : public EndToEnd {
 protected:
  void SetUp() override {
    EndToEnd::SetUp();
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::string(QORV_TEST_OUT) + "/game_" + test->test_suite_name() + "_" + test->name();
    ASSERT_EQ(std::system(("rm -rf '" + folder_ + "' && mkdir -p '" + folder_ + "/Saves'").c_str()),
              0);
    const std::string game = QORV_GAME_DIR;
    for (const std::string link : {"Art", "Data"})
      ASSERT_EQ(symlink((game + "/" + link).c_str(), (folder_ + "/" + link).c_str()), 0) << link;
    ASSERT_EQ(chdir(folder_.c_str()), 0);
  }
  void TearDown() override {
    EXPECT_EQ(chdir(QORV_GAME_DIR), 0);
    EndToEnd::TearDown();
  }
  std::string SavePath(const std::string& name) const { return folder_ + "/Saves/" + name; }

  std::string folder_;
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
