#include <gtest/gtest.h>

#include <string>

#include "game/game_state.h"
#include "game/game_state_dump.h"

TEST(GameStateDump, FieldsByNameWithNameTexts) {
  GameState s;
  RunNewGameSequence(s);
  s.gold = -5;
  GlyphFromText("Quinn", s.renameBuffer);
  JsonOut out;
  out.BeginObject();
  DumpGameState(s, out, "state");
  out.EndObject();
  const std::string& t = out.Text();
  ASSERT_EQ(t.rfind("{\"state\":{\"reserved0\":[0,0],\"day\":1,", 0), 0u) << t.substr(0, 80);
  for (const char* part :
       {"\"gold\":-5,", "\"partyCell\":1503,", "\"options\":[1,1,2,2,2]}",
        "\"playerNameText\":\"Aldric\"", "\"renameBufferText\":\"Quinn\"",
        "\"heroNamesText\":[\"Brynn\",\"Cedric\",",
        "\"armyNamesText\":[\"Hounds\",\"Peasants\",\"\",",
        "\"hallNamesText\":[\"\",\"\",\"\",\"\",\"\"]",
        "\"heroStats\":[[20,20,20,41,41,27,69,55,90,111],", "\"wealth\":{\"gemPicture\":[",
        "\"heroIndex\":0,", "\"battleResume\":{\"member1\":0,", "\"heroItems\":[{\"held\":[",
        "\"writeImage\":0,"}) {
    EXPECT_NE(t.find(part), std::string::npos) << part;
  }
  // Brackets balance, so the text nests as one value.
  int depth = 0;
  bool inString = false;
  for (char c : t) {
    if (c == '"') inString = !inString;
    if (inString) continue;
    if (c == '{' || c == '[') ++depth;
    if (c == '}' || c == ']') --depth;
    ASSERT_GE(depth, 0);
  }
  EXPECT_EQ(depth, 0);
}
