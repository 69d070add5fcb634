// Recruiting and disbanding played headless through the place screen's
// buttons: a recruit bought in a village shows in its cell, in the dump and,
// after leaving, in the visitor's armies; a hero buys into its own armies
// only; Disband's question removes the army of the clicked cell.

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "e2e_fixture.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/headless.h"
#include "platform/input_device.h"

using namespace house_layout;

namespace {

std::string Out(const char* name) { return TestFile(name); }

// A click, and a frame with the mouse up: the release holds the buttons
// until a frame has seen them up.
void ClickAt(ScenarioDriver& d, int32_t x, int32_t y) {
  d.Click(x, y, kMouseLeft);
  d.RunFrames(1);
}

void ClickRect(ScenarioDriver& d, const Rect& r) { ClickAt(d, r.x + r.w / 2, r.y + r.h / 2); }

void ClickCandidate(ScenarioDriver& d, int candidate) {
  const int32_t half = kCandidateCellSize / 2;
  ClickAt(d, kCandidateCellX[candidate - 1] + half, kCandidateCellY + half);
}

void ClickArmyCell(ScenarioDriver& d, int cell) {
  ClickAt(d, kCellX[cell - 1] + kCellW / 2, kCellY[cell - 1] + kCellH / 2);
}

// A new game whose record the setup changes, and the visitor entering the
// place through its stub.
template <class Setup>
void Visit(ScenarioDriver& d, const char* stub, uint8_t visitor, Setup setup) {
  d.Start();
  d.RunFrames(2);
  GameState& s = *d.App().gameState;
  s.visitorCode = visitor;
  setup(s);
  d.Goto(stub);
  d.RunFrames(2);
}

// Pixels of the last presented frame that differ from `before` in cell k.
int CellChanges(const std::vector<uint32_t>& before, int cell) {
  const uint32_t* now = headless::FramePixels();
  int n = 0;
  for (int y = kCellY[cell - 1]; y < kCellY[cell - 1] + kCellH; ++y)
    for (int x = kCellX[cell - 1]; x < kCellX[cell - 1] + kCellW; ++x)
      n += now[y * 800 + x] != before[y * 800 + x];
  return n;
}

std::vector<uint32_t> Frame() {
  const uint32_t* p = headless::FramePixels();
  return std::vector<uint32_t>(p, p + 800 * 600);
}

bool Shows(const JsonValue& dump, const std::string& text) {
  const JsonValue* texts = FindJsonPath(dump, "texts");
  if (!texts) return false;
  for (const JsonValue& t : texts->items) {
    const JsonValue* s = FindJsonPath(t, "text");
    if (s && s->text == text) return true;
  }
  return false;
}

constexpr uint8_t kPeasants = 0;
constexpr uint8_t kMilitia = 1;

}  // namespace

class PlacesRecruitE2E : public EndToEnd {};

// Recruit, the fifth candidate, Yes: 500 gold buys six Peasants into the
// first free slot, drawn in its cell; the note shows; the next press closes
// the panel; Disband and Yes on that cell remove it again; what is left goes
// back into the player's armies on leaving.
TEST_F(PlacesRecruitE2E, BuyAndDisbandInAVillage) {
  ScenarioDriver d;
  Visit(d, "GoVillage", kVisitorPlayer, [](GameState& s) {
    s.villageNumber = 3;
    s.gold = 500;
  });
  ASSERT_STREQ(d.ScreenName(), "VillageProc");
  VillageHouseScreen& h = *d.App().villageScreen;
  GameState& s = *d.App().gameState;
  ASSERT_NE(s.playerArmies.armyKindCode[0], 0);
  ASSERT_NE(s.playerArmies.armyKindCode[1], 0);
  ASSERT_EQ(s.playerArmies.armyKindCode[2], 0) << "a new game's player leads two armies";
  const std::vector<uint32_t> before = Frame();

  ClickRect(d, kRecruitRect);
  EXPECT_EQ(h.recruitOpen, 1);
  ClickCandidate(d, 5);
  EXPECT_EQ(h.selectedCandidate, 5);
  d.WriteShot(Out("place_recruit_panel.png"));
  ClickRect(d, kRecruitYesRect);
  EXPECT_EQ(s.gold, 0);
  EXPECT_EQ(h.armyCode[2], kPeasants + 1);
  EXPECT_EQ(h.armyCount[2], 6);
  EXPECT_EQ(h.recruitOpen, 1);
  EXPECT_EQ(h.selectedCandidate, 0);
  EXPECT_GT(CellChanges(before, 3), 0) << "the new army is drawn in the third cell";
  d.WriteShot(Out("place_recruit_joined.png"));
  JsonValue dump;
  ASSERT_TRUE(ParseJson(d.Dump(), &dump));
  EXPECT_TRUE(Shows(dump, "New Recruit Joined!"));
  const JsonValue* code = FindJsonPath(dump, "objects.villageScreen.armyCode");
  ASSERT_NE(code, nullptr);
  ASSERT_EQ(code->items.size(), size_t(kHouseArmySlots));
  EXPECT_EQ(code->items[2].number, kPeasants + 1);
  const JsonValue* gold = FindJsonPath(dump, "state.gold");
  ASSERT_NE(gold, nullptr);
  EXPECT_EQ(gold->number, 0);

  // Without gold the next one is refused, and a press elsewhere closes it all.
  ClickCandidate(d, 1);
  ClickRect(d, kRecruitYesRect);
  EXPECT_EQ(h.notEnoughGold, 1);
  EXPECT_EQ(h.armyCode[3], 0);
  ClickAt(d, 300, 200);
  EXPECT_EQ(h.recruitOpen, 0);
  EXPECT_EQ(h.notEnoughGold, 0);

  // The first army goes; the bought one stays.
  ClickArmyCell(d, 1);
  ClickRect(d, kDisbandRect);
  EXPECT_EQ(h.disbandAsked, 1);
  ASSERT_TRUE(ParseJson(d.Dump(), &dump));
  EXPECT_TRUE(Shows(dump, "Disband?"));
  ClickRect(d, kDisbandYesRect);
  EXPECT_EQ(h.disbandAsked, 0);
  EXPECT_EQ(h.armyCode[0], 0);
  EXPECT_EQ(h.armyCode[1], s.playerArmies.armyKindCode[1]);

  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");
  EXPECT_EQ(s.playerArmies.armyKindCode[0], 0);
  EXPECT_EQ(s.playerArmies.armyUsed[0], 0);
  EXPECT_EQ(s.playerArmies.armyKindCode[2], kPeasants + 1);
  EXPECT_EQ(s.playerArmies.armyCount[2], 6);
  EXPECT_EQ(GlyphToText(s.playerArmies.armyNames[2]), "Yeomen");
}

// A hero in the castle buys 5 Militia for 710 gold into its own first free
// slot; the player's armies are not touched.
TEST_F(PlacesRecruitE2E, AHeroBuysIntoItsOwnArmiesOnly) {
  ScenarioDriver d;
  Visit(d, "GoCastle", kVisitorFirstHero, [](GameState& s) { s.gold = 1000; });
  ASSERT_STREQ(d.ScreenName(), "CastleProc");
  GameState& s = *d.App().gameState;
  const ArmyRecord playerArmies = s.playerArmies;
  std::vector<ArmyRecord> heroes(std::begin(s.heroArmies), std::end(s.heroArmies));
  ArmyRecord& hero = s.heroArmies[0];
  int freeSlot = 0;
  while (freeSlot < kHouseArmySlots && hero.armyKindCode[freeSlot] != 0) ++freeSlot;
  ASSERT_LT(freeSlot, kHouseArmySlots);

  ClickRect(d, kRecruitRect);
  ClickCandidate(d, 1);
  ClickRect(d, kRecruitYesRect);
  EXPECT_EQ(s.gold, 290);
  d.PressKey(kKeyEscape);
  ASSERT_STREQ(d.ScreenName(), "MapProc");

  EXPECT_EQ(hero.armyKindCode[freeSlot], kMilitia + 1);
  EXPECT_EQ(hero.armyCount[freeSlot], 5);
  EXPECT_EQ(hero.armyPanelPlace[freeSlot], freeSlot);
  EXPECT_EQ(std::memcmp(&playerArmies, &s.playerArmies, sizeof playerArmies), 0);
  for (int other = 1; other < kHeroCount; ++other)
    EXPECT_EQ(std::memcmp(&heroes[other], &s.heroArmies[other], sizeof heroes[other]), 0)
        << "hero " << other;
}
