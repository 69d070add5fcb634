#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "harness/json_value.h"
#include "harness/scenario_script.h"

TEST(ScenarioScript, KeyNames) {
  EXPECT_EQ(ScenarioKeyCode("ESC"), 1);
  EXPECT_EQ(ScenarioKeyCode("BACKSPACE"), 14);
  EXPECT_EQ(ScenarioKeyCode("ENTER"), 28);
  EXPECT_EQ(ScenarioKeyCode("SPACE"), 57);
  EXPECT_EQ(ScenarioKeyCode("TAB"), 15);
  EXPECT_EQ(ScenarioKeyCode("LSHIFT"), 42);
  EXPECT_EQ(ScenarioKeyCode("RSHIFT"), 54);
  EXPECT_EQ(ScenarioKeyCode("LCTRL"), 29);
  EXPECT_EQ(ScenarioKeyCode("UP"), 200);
  EXPECT_EQ(ScenarioKeyCode("DOWN"), 208);
  EXPECT_EQ(ScenarioKeyCode("LEFT"), 203);
  EXPECT_EQ(ScenarioKeyCode("RIGHT"), 205);
  EXPECT_EQ(ScenarioKeyCode("KP0"), 82);
  EXPECT_EQ(ScenarioKeyCode("KP2"), 80);
  EXPECT_EQ(ScenarioKeyCode("KP4"), 75);
  EXPECT_EQ(ScenarioKeyCode("KP6"), 77);
  EXPECT_EQ(ScenarioKeyCode("KP8"), 72);
  EXPECT_EQ(ScenarioKeyCode("A"), 30);
  EXPECT_EQ(ScenarioKeyCode("Q"), 16);
  EXPECT_EQ(ScenarioKeyCode("Z"), 44);
  EXPECT_EQ(ScenarioKeyCode("M"), 50);
  EXPECT_EQ(ScenarioKeyCode("1"), 2);
  EXPECT_EQ(ScenarioKeyCode("0"), 11);
  EXPECT_EQ(ScenarioKeyCode("F1"), 59);
  EXPECT_EQ(ScenarioKeyCode("F10"), 68);
  EXPECT_EQ(ScenarioKeyCode("F11"), 87);
  EXPECT_EQ(ScenarioKeyCode("F12"), 88);
  // Two or more digits give the scan code itself.
  EXPECT_EQ(ScenarioKeyCode("01"), 1);
  EXPECT_EQ(ScenarioKeyCode("57"), 57);
  EXPECT_EQ(ScenarioKeyCode("255"), 255);
  EXPECT_EQ(ScenarioKeyCode("256"), -1);
  EXPECT_EQ(ScenarioKeyCode("-1"), -1);
  EXPECT_EQ(ScenarioKeyCode("ESCAPE"), -1);
  EXPECT_EQ(ScenarioKeyCode(""), -1);
}

TEST(ScenarioScript, JsonLookUp) {
  JsonValue v;
  ASSERT_TRUE(ParseJson(
      R"({"screen":"CreditsProc","frame":12,"app":{"leaveCode":0,"x":-3},)"
      R"("state":{"questStage":[0,1,7],"name":"Sir \"Q\"","gold":1.5},"objects":{"a":null,"b":true}})",
      &v));
  const JsonValue* f = FindJsonPath(v, "screen");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->text, "CreditsProc");
  f = FindJsonPath(v, "state.questStage.2");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->number, 7);
  EXPECT_EQ(FindJsonPath(v, "state.questStage.3"), nullptr);
  EXPECT_EQ(FindJsonPath(v, "state.questStage.x"), nullptr);
  EXPECT_EQ(FindJsonPath(v, "state.gold.0"), nullptr);
  EXPECT_EQ(FindJsonPath(v, "state..gold"), nullptr);
  EXPECT_EQ(FindJsonPath(v, ""), nullptr);
  f = FindJsonPath(v, "app.x");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->number, -3);
  f = FindJsonPath(v, "state.name");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->text, "Sir \"Q\"");
  EXPECT_EQ(CompactJson(*FindJsonPath(v, "state.questStage")), "[0,1,7]");
  EXPECT_EQ(CompactJson(*FindJsonPath(v, "objects")), R"({"a":null,"b":true})");

  // Damaged text is refused and leaves the value alone.
  for (const char* bad :
       {"", "{", "{\"a\":}", "[1,]", "{\"a\" 1}", "[1] x", "\"abc", "nul", "{\"a\":1,}", "-"}) {
    JsonValue keep;
    keep.text = "kept";
    EXPECT_FALSE(ParseJson(bad, &keep)) << bad;
    EXPECT_EQ(keep.text, "kept");
  }
  // Deep nesting is refused rather than overflowing the stack.
  JsonValue deep;
  EXPECT_FALSE(ParseJson(std::string(100000, '['), &deep));
}

TEST(ScenarioScript, BadLinesAreNamedBeforeTheGameStarts) {
  struct Case {
    const char* script;
    const char* message;
  } cases[] = {
      {"frames 2\nfly 3\n", "s.txt:2: unknown command 'fly'"},
      {"# comment\n\nframes x\n", "s.txt:3: frames needs a whole number"},
      {"tick\n", "s.txt:1: 'tick' takes 1 argument"},
      {"key ESCAPE\n", "s.txt:1: unknown key 'ESCAPE'"},
      {"move 10\n", "s.txt:1: 'move' takes 2 arguments"},
      {"click 10 y\n", "s.txt:1: 'click' needs a screen point"},
      {"buttondown middle\n", "s.txt:1: a mouse button is left or right"},
      {"goto GoNowhere\n", "s.txt:1: unknown screen stub 'GoNowhere'"},
      {"expect screen Credits\n", "s.txt:1: unknown screen procedure 'Credits'"},
      {"expect state.gold\n", "s.txt:1: 'expect state.gold' needs a value"},
      {"shot\n", "s.txt:1: 'shot' needs a file name"},
      {"expect quit\nframes 1\n", "s.txt:2: no command may follow 'expect quit'"},
      {"expect quit now\n", "s.txt:1: 'expect' takes 1 argument"},
  };
  for (const Case& c : cases) {
    std::ostringstream err;
    EXPECT_EQ(RunScenarioText(c.script, "s.txt", ScenarioOptions{}, err), 1) << c.script;
    EXPECT_EQ(err.str().rfind(c.message, 0), 0u) << err.str();
    // One line only.
    EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << err.str();
  }
}
