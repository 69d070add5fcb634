// Every screen stub runs a built screen: no stub is left to a stand-in
// frame that only shows the screen's name.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/screen_names.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "test_folder.h"

namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

// Each procedure is written beside its screen, in a <screen>_proc.cpp of its
// area, and nothing in the program is a stand-in screen any more.
TEST(ScreenStubs, EveryProcedureIsWrittenBesideItsScreen) {
  namespace fs = std::filesystem;
  std::string procFiles, everything;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(QORV_SOURCE_DIR)) {
    if (!e.is_regular_file()) continue;
    const std::string name = e.path().filename().string();
    const std::string text = Slurp(e.path());
    everything += text;
    if (name.size() > 9 && name.compare(name.size() - 9, 9, "_proc.cpp") == 0) procFiles += text;
  }
  for (const ScreenName& s : kScreenNames) {
    const std::string definition = std::string("void GameApp::") + s.procName + "() {";
    EXPECT_NE(procFiles.find(definition), std::string::npos) << s.procName;
  }
  EXPECT_EQ(everything.find("PlaceholderProc"), std::string::npos);
}

// Run headless, no stub's frame shows its own name the way a stand-in did.
TEST(ScreenStubs, EveryStubRunsHeadlessWithoutShowingItsName) {
  ASSERT_EQ(chdir(TestFolder().c_str()), 0);
  for (const ScreenName& s : kScreenNames) {
    ScenarioDriver driver;
    driver.Start();
    driver.RunFrames(1);
    ASSERT_TRUE(driver.Goto(s.stubName)) << s.stubName;
    driver.RunFrames(2);
    JsonValue dump;
    ASSERT_TRUE(ParseJson(driver.Dump(), &dump)) << s.stubName;
    const JsonValue* texts = FindJsonPath(dump, "texts");
    ASSERT_NE(texts, nullptr);
    for (const JsonValue& t : texts->items) {
      const JsonValue* text = FindJsonPath(t, "text");
      ASSERT_NE(text, nullptr);
      EXPECT_NE(text->text, s.procName) << s.stubName;
      EXPECT_NE(text->text, s.stubName) << s.stubName;
    }
  }
}
