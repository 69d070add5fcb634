// A campaign played from the main menu by clicks and keys alone: a new game
// through the menus, Kapusta's first quest taken, done at the apple tree
// and paid, a chest opened on the way, the raiders' quest taken, war hounds
// bought with what all that earned, the amulet, the chest's mail and the
// quest's boots worn, two nights' rest, the raiders north of the village
// beaten by the party as it stands and their reward fetched, the game
// saved, quit and loaded again. Then, from saves prepared for them, the
// three ways a game ends, each into the hall of fame. The game record is
// read from the state dump after every step.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/game_app.h"
#include "battle/battle_screen.h"
#include "e2e_drag.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "game/item_catalog.h"
#include "game/save_image.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "menus/main_menu_screen.h"
#include "menus/save_slots_panel.h"
#include "menus/story_scene.h"
#include "party/member_items.h"
#include "places/house_layout.h"
#include "places/house_screen.h"
#include "platform/input_device.h"

namespace {

// ---- The map ----
constexpr int32_t kEndDayX = 726, kEndDayY = 461;
constexpr int32_t kNowhereX = 600, kNowhereY = 560;  // a click here closes the day's board
constexpr int32_t kPlayerButtonX = 700, kPlayerButtonY = 130;

// A click, then frames with the buttons up so that the next press is fresh.
void Press(ScenarioDriver& d, int32_t x, int32_t y) {
  d.Click(x, y, kMouseLeft);
  d.RunFrames(2);
}

bool On(const ScenarioDriver& d, const char* proc) { return std::string(d.ScreenName()) == proc; }

// Holds the arrow key that moves the screen point where(), asked again
// after every frame, toward the box, a frame at a time, until it lies in it.
template <class Where>
void ScrollUntilInside(ScenarioDriver& d, int32_t left, int32_t top, int32_t right, int32_t bottom,
                       Where where) {
  d.MoveTo(400, 300);  // off the edges, which scroll the map too
  for (int i = 0; i < 3000; ++i) {
    int32_t x = 0, y = 0;
    if (!where(&x, &y)) break;
    const int key = x < left     ? kKeyLeft
                    : x > right  ? kKeyRight
                    : y < top    ? kKeyUp
                    : y > bottom ? kKeyDown
                                 : 0;
    if (key == 0) break;
    d.KeyDown(key);
    d.RunFrames(1);
    d.KeyUp(key);
  }
}

// Scrolls the map until the world point lies in the middle of the view.
void ScrollMapTo(ScenarioDriver& d, int32_t wx, int32_t wy) {
  ScrollUntilInside(d, 150, 120, 550, 420, [&](int32_t* x, int32_t* y) {
    if (!On(d, "MapProc")) return false;
    *x = wx - d.App().kingdomMap->cameraX;
    *y = wy - d.App().kingdomMap->cameraY;
    return true;
  });
  d.RunFrames(1);
}

void ClickWorld(ScenarioDriver& d, int32_t wx, int32_t wy) {
  ScrollMapTo(d, wx, wy);
  const KingdomMap& view = *d.App().kingdomMap;
  Press(d, wx - view.cameraX + cells::kCellSize / 2, wy - view.cameraY + cells::kCellSize / 2);
}

// Every message of the armies' turn closed with Enter until the turn is
// over or the map is left.
void FinishArmiesTurn(ScenarioDriver& d) {
  for (int i = 0; i < 20000 && On(d, "MapProc"); ++i) {
    const MapEncounters& m = *d.App().mapEncounters;
    if (m.marchPhase == MapEncounters::kTurnOver && !d.App().dayRecoveryPending) return;
    if (m.questMessage || m.outcomeShown) d.PressKey(kKeyEnter);
    d.RunFrames(1);
  }
}

// The control bar's end of the day, the armies' turn, the day's board closed.
void EndTheDay(ScenarioDriver& d) {
  Press(d, kEndDayX, kEndDayY);
  FinishArmiesTurn(d);
  if (On(d, "MapProc")) Press(d, kNowhereX, kNowhereY);
}

// The player walks to the cell whose corner is (wx, wy): selected, the cell
// clicked, Enter; a walk longer than the day's steps goes on after the end
// of the day. Returns once the player stands there or the map is left.
void WalkTo(ScenarioDriver& d, int32_t wx, int32_t wy) {
  for (int day = 0; day < 4 && On(d, "MapProc"); ++day) {
    const MapEncounters& m = *d.App().mapEncounters;
    if (m.playerX == wx && m.playerY == wy) return;
    if (!m.playerSelected) ClickWorld(d, m.playerX, m.playerY);
    ClickWorld(d, wx, wy);
    d.PressKey(kKeyEnter);
    for (int i = 0; i < 300 && On(d, "MapProc"); ++i) {
      d.RunFrames(1);
      const MapEncounters* walk = d.App().mapEncounters;
      if (walk && i > 5 && walk->playerWalkState == MapEncounters::kWalkIdle) break;
    }
    if (!On(d, "MapProc")) return;
    if (d.App().mapEncounters->findShown) d.PressKey(kKeyEnter);
    if (m.playerX == wx && m.playerY == wy) return;
    EndTheDay(d);
  }
}

// ---- A place ----
void PressRect(ScenarioDriver& d, const house_layout::Rect& r) {
  Press(d, r.x + r.w / 2, r.y + r.h / 2);
}
constexpr int32_t kQuestYesX = 246, kQuestYesY = 446;

// ---- Kapusta and its first quest ----
constexpr uint8_t kApples = 1;  // quest 1
const std::string kApplesStage = "state.questStage." + std::to_string(kApples - 1);
constexpr uint8_t kRaiders = 2;  // quest 2: the raiding party north of the village
const std::string kRaidersStage = "state.questStage." + std::to_string(kRaiders - 1);
constexpr uint8_t kBoots = 127;  // given with quest 2
constexpr uint8_t kRing = 151;   // its reward
constexpr uint8_t kAmulet = 12;  // quest 1's reward
constexpr uint32_t kKapustaCell = 1353;
constexpr uint32_t kAppleTreeCell = 1508;
constexpr int kGoldPile = 0;       // on the way to the apple tree
constexpr int kMailChest = 1;      // by the village, unguarded
constexpr uint8_t kMail = 57;      // in it
constexpr int kRaidingParty = 2;   // the army of quest 2, battle 3
constexpr uint8_t kWarHounds = 2;  // the village's second recruit
constexpr uint8_t kDogs = 20;
constexpr int32_t kSeasonedHealth = 200, kSeasonedBlow = 30;

int32_t CellXOf(uint32_t cell) {
  int32_t x = 0, y = 0;
  cells::CellCorner(cell, &x, &y);
  return x;
}
int32_t CellYOf(uint32_t cell) {
  int32_t x = 0, y = 0;
  cells::CellCorner(cell, &x, &y);
  return y;
}

// ---- The player screen ----
// An item dragged from a place of the bag onto a place of the figure.
void Wear(ScenarioDriver& d, int bagPlace, int bodySlot) {
  DragPlace(d, bagPlace, kFirstBodyPlace + bodySlot);
}
// Where the finds land in the bag, in the order they come.
constexpr int kMailPlace = 0, kAmuletPlace = 1, kBootsPlace = 2;

double BodyItem(const ScenarioDriver& d, int bodySlot) {
  return DumpedNumber(d, "state.playerItems." + std::to_string(kFirstBodyPlace + bodySlot));
}
double PlayerStat(const ScenarioDriver& d, int word) {
  return DumpedNumber(d, "state.playerStats." + std::to_string(word));
}

// ---- A battle ----
using battle::CellColumn;
using battle::CellRow;

int32_t Distance(uint32_t a, uint32_t b) {
  return std::max(std::abs(CellColumn(a) - CellColumn(b)), std::abs(CellRow(a) - CellRow(b)));
}

// Runs frames until the player may give orders and nothing moves.
void AwaitOrders(ScenarioDriver& d) {
  for (int i = 0; i < 5000 && d.App().battleScreen; ++i) {
    const BattleScreen& b = *d.App().battleScreen;
    if (b.battleOver) return;
    if (b.PlayerMayAct() && !b.hitActive && !b.attackStep && !b.pauseActive && !b.walkLength)
      return;
    d.RunFrames(1);
  }
}

// A field cell clicked, the view scrolled to it first with the arrow keys.
void ClickField(ScenarioDriver& d, uint32_t cell, int button = kMouseLeft) {
  ScrollUntilInside(d, 40, 40, 560, 380, [&](int32_t* x, int32_t* y) {
    *x = battle::CellX(cell) - d.App().battleScreen->viewX;
    *y = battle::CellY(cell) - d.App().battleScreen->viewY;
    return true;
  });
  const BattleScreen& b = *d.App().battleScreen;
  d.Click(battle::CellX(cell) - b.viewX + 40, battle::CellY(cell) - b.viewY + 40, button);
  d.RunFrames(1);
}

constexpr int kFighter = -1;                           // the fighter among the army slots 0..5
constexpr int32_t kReach = battle::kMaxPathSteps + 1;  // a walk, then the blow

// The points still needed to destroy an enemy army: the room its soldiers
// have left in the three wound layers, then one point per soldier.
int32_t PointsLeft(const BattleScreen& b, int e) {
  const int32_t s = b.enemySoldiers[e];
  int32_t points = s;
  for (const uint8_t* layer : {b.enemyWounds1, b.enemyWounds2, b.enemyWounds3})
    points += s - std::min<int32_t>(s, layer[e]);
  return points;
}

// The damage a blow of the unit does to the enemy: the strength difference
// and, for an army, a point for every third soldier.
int32_t Blow(const BattleScreen& b, int unit, int e) {
  if (unit == kFighter) return BattleScreen::DamageClass(b.figureAttack, b.enemyShield[e]);
  return BattleScreen::DamageClass(static_cast<int32_t>(b.armyAttack[unit]), b.enemyShield[e]) +
         b.armyCount[unit] / 3;
}

// The unit strikes the enemy of its choice among those a walk can reach:
// the strongest one its blow destroys, else the one it leaves weakest, the
// nearer the better.
void Strike(ScenarioDriver& d, int unit) {
  const BattleScreen& b = *d.App().battleScreen;
  const uint32_t cell = unit == kFighter ? b.figureCell : b.armyCell[unit];
  auto rank = [&](int e) {  // the lowest is chosen
    const int32_t distance = Distance(b.enemyCell[e], cell);
    const int32_t left = PointsLeft(b, e) - Blow(b, unit, e);
    return left <= 0 ? std::make_pair(0, distance - b.enemyAttack[e] - b.enemySoldiers[e])
                     : std::make_pair(1, left + distance);
  };
  int target = -1;
  for (int e = 0; e < battle::kEnemySlots; ++e)
    if (b.enemyAlive[e] && Distance(b.enemyCell[e], cell) <= kReach &&
        (target < 0 || rank(e) < rank(target)))
      target = e;
  if (target < 0) return;
  ClickField(d, cell);
  ClickField(d, b.enemyCell[target]);
  d.Click(400, 300, kMouseRight);  // go
  d.RunFrames(2);
  AwaitOrders(d);
}

// Turn after turn every unit of the party strikes, the armies with most
// attack and soldiers first and the fighter last, then the turn ends; until
// the battle is decided. Returns the victory page reached.
uint8_t FightItOut(ScenarioDriver& d, int turns) {
  for (int turn = 0; turn < turns && d.App().battleScreen; ++turn) {
    AwaitOrders(d);
    BattleScreen& b = *d.App().battleScreen;
    if (b.battleOver) break;
    d.PressKey(kKeyEnter);  // the turn panel
    std::vector<int> units;
    for (int j = 0; j < battle::kArmySlots; ++j)
      if (b.armyUsed[j]) units.push_back(j);
    std::stable_sort(units.begin(), units.end(), [&](int l, int r) {
      return b.armyAttack[l] + b.armyCount[l] > b.armyAttack[r] + b.armyCount[r];
    });
    units.push_back(kFighter);
    for (int unit : units) {
      if (b.battleOver) break;
      if (unit == kFighter ? b.figureHealth > 0 : b.armyUsed[unit] != 0) Strike(d, unit);
    }
    if (b.battleOver) break;
    Press(d, 740, 268);  // end of turn
    AwaitOrders(d);
  }
  d.RunFrames(3);
  return d.App().battleScreen ? d.App().battleScreen->victory : 0;
}

// ---- The menus ----
int MenuX(uint8_t id) { return kMenuButtons[id - 1].x + kMenuButtons[id - 1].w / 2; }
constexpr int kMenuY = 570;
constexpr int kQuestionYesX = 210, kQuestionY = 340;

// The fields of the game record a save does not carry over: the story to
// play next, the menus' list of filled slots, the trade partners, which the
// map writes back from its own record as it is left, and the mark of a
// visit to a place, which the map clears when it comes back.
bool KeptBySave(const std::string& field) {
  for (const char* transient :
       {"storyScene", "slotFilled", "exchangeLeft", "exchangeRight", "placeVisitFlag"})
    if (field == transient) return false;
  return true;
}

// The game record of the dump, field by field as compact JSON.
std::map<std::string, std::string> RecordFields(const ScenarioDriver& d) {
  std::map<std::string, std::string> fields;
  JsonValue dump;
  const JsonValue* state = DumpedValue(d, "state", &dump);
  if (state)
    for (const auto& [name, value] : state->members)
      if (KeptBySave(name)) fields[name] = CompactJson(value);
  return fields;
}

void LoadSlot(ScenarioDriver& d, int slot) {
  Press(d, MenuX(kMenuLoad), kMenuY);
  ASSERT_TRUE(On(d, "LoadSlotsProc"));
  const SlotRect& r = kSlotButtons[slot - 1];
  d.Click(r.x + r.w / 2, r.y + r.h / 2, kMouseLeft);
  d.RunFrames(3);
  ASSERT_TRUE(On(d, "MapProc")) << d.ScreenName();
}

}  // namespace

class Campaign : public EndToEndInOwnFolder {};

TEST_F(Campaign, FromTheMainMenuToAWonBattleAndBackFromTheSave) {
  std::map<std::string, std::string> saved;  // the game record before the save
  {
    ScenarioDriver d;
    d.Start();
    d.RunFrames(3);

    // A new game: the first free slot, a name, the second portrait, the story.
    Press(d, MenuX(kMenuNewGame), kMenuY);
    ASSERT_TRUE(On(d, "NameEntryProc"));
    for (int key : {kKeyE, kKeyV, kKeyA}) d.PressKey(key);
    d.PressKey(kKeyEnter);
    ASSERT_TRUE(On(d, "NewGamePortraitProc"));
    d.RunFrames(2);
    Press(d, 580, 270);  // the next portrait
    Press(d, 398, 448);  // chosen
    ASSERT_TRUE(On(d, "StoryProc"));
    d.RunFrames(30);
    Press(d, 400, 300);
    ASSERT_TRUE(On(d, "MapProc"));
    d.RunFrames(3);
    EXPECT_EQ(DumpedText(d, "state.playerNameText"), "eva|");
    EXPECT_EQ(DumpedNumber(d, "state.slot"), 1);
    EXPECT_EQ(DumpedNumber(d, "state.playerPortrait"), 1);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), 0);
    Press(d, kNowhereX, kNowhereY);  // the day's board

    // Kapusta offers its first quest; Yes pays for taking it.
    WalkTo(d, CellXOf(kKapustaCell), CellYOf(kKapustaCell));
    ASSERT_TRUE(On(d, "VillageProc")) << d.ScreenName();
    d.RunFrames(2);
    PressRect(d, house_layout::kTalkRect);
    Press(d, kQuestYesX, kQuestYesY);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), 20);
    EXPECT_EQ(DumpedNumber(d, "state.fame"), 1);
    d.PressKey(kKeyEscape);
    ASSERT_TRUE(On(d, "MapProc"));
    EXPECT_EQ(DumpedNumber(d, kApplesStage), kQuestUnderWay);

    // The gold pile on the way, then the apple tree.
    const MapEncounters* m = d.App().mapEncounters;
    WalkTo(d, m->goldPileX[kGoldPile], m->goldPileY[kGoldPile]);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), 70);
    WalkTo(d, CellXOf(kAppleTreeCell), CellYOf(kAppleTreeCell));
    d.RunFrames(3);
    d.PressKey(kKeyEnter);
    EXPECT_EQ(DumpedNumber(d, kApplesStage), kQuestAchieved);

    // The chest by the village, which no army guards: 50 gold, a gem, an
    // artifact and a coat of mail.
    WalkTo(d, m->chestX[kMailChest], m->chestY[kMailChest]);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), 120);
    EXPECT_EQ(DumpedNumber(d, "state.playerItems." + std::to_string(kMailPlace)), kMail);

    // Back in Kapusta the next day (the gem and the artifact brought 8
    // gold overnight): paid, the amulet in the bag.
    WalkTo(d, CellXOf(kKapustaCell), CellYOf(kKapustaCell));
    ASSERT_TRUE(On(d, "VillageProc")) << d.ScreenName();
    d.RunFrames(2);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), 128);
    PressRect(d, house_layout::kTalkRect);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), 178);
    EXPECT_EQ(DumpedNumber(d, "state.fame"), 2);
    // The next Talk offers the raiders; Yes pays 30 and gives boots.
    PressRect(d, house_layout::kTalkRect);
    Press(d, kQuestYesX, kQuestYesY);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), 208);
    EXPECT_EQ(DumpedNumber(d, "state.fame"), 3);
    // 160 buy four war hounds.
    PressRect(d, house_layout::kRecruitRect);
    Press(d, house_layout::kCandidateCellX[kWarHounds - 1] + 45,
          house_layout::kCandidateCellY + 45);
    PressRect(d, house_layout::kRecruitYesRect);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), 48);
    d.PressKey(kKeyEscape);
    ASSERT_TRUE(On(d, "MapProc"));
    EXPECT_EQ(DumpedNumber(d, kApplesStage), kQuestClosed);
    EXPECT_EQ(DumpedNumber(d, "state.playerItems." + std::to_string(kAmuletPlace)), kAmulet);
    EXPECT_EQ(DumpedNumber(d, "state.playerItems." + std::to_string(kBootsPlace)), kBoots);
    EXPECT_EQ(DumpedNumber(d, kRaidersStage), kQuestUnderWay);
    EXPECT_EQ(DumpedNumber(d, "state.playerArmies.armyKind.2"), kDogs);
    EXPECT_EQ(DumpedNumber(d, "state.playerArmies.armyCount.2"), 4);

    // The three dragged from the bag onto the figure: the amulet adds 5 to
    // the health total, the mail 13 and the boots 11 to the shield.
    Press(d, kPlayerButtonX, kPlayerButtonY);
    ASSERT_TRUE(On(d, "PlayerProc"));
    d.RunFrames(2);
    Wear(d, kMailPlace, kBodyTorso);
    Wear(d, kAmuletPlace, kBodyAmulet1);
    Wear(d, kBootsPlace, kBodyShoes);
    d.PressKey(kKeyEscape);
    ASSERT_TRUE(On(d, "MapProc"));
    for (int place : {kMailPlace, kAmuletPlace, kBootsPlace})
      EXPECT_EQ(DumpedNumber(d, "state.playerItems." + std::to_string(place)), 0);
    EXPECT_EQ(BodyItem(d, kBodyAmulet1), kAmulet);
    EXPECT_EQ(BodyItem(d, kBodyTorso), kMail);
    EXPECT_EQ(BodyItem(d, kBodyShoes), kBoots);
    EXPECT_EQ(PlayerStat(d, kStatHealth), 20);
    EXPECT_EQ(PlayerStat(d, kStatMaxHealth), 25);
    EXPECT_EQ(PlayerStat(d, kStatAttack), 10);
    EXPECT_EQ(PlayerStat(d, kStatShield), 34);

    // Two nights' rest bring the fighter up to his new health total.
    EndTheDay(d);
    EndTheDay(d);
    EXPECT_EQ(PlayerStat(d, kStatHealth), 25);

    // The raiding party north of the village, at full strength (no earlier
    // attempt has worn it): six armies of 42 soldiers in all. The mail and
    // the boots take its largest army's blow on the fighter from 10 points
    // down to 6, and the war hounds are one more unit to share the blows.
    // Striking first what a blow destroys, the party wins with its hounds
    // and the fighter down, the peasants and the war hounds standing.
    m = d.App().mapEncounters;
    const double fame = DumpedNumber(d, "state.fame");
    WalkTo(d, m->enemyX[kRaidingParty], m->enemyY[kRaidingParty]);
    ASSERT_TRUE(On(d, "BattleProc")) << d.ScreenName();
    EXPECT_EQ(DumpedNumber(d, "state.battleId"), kRaidingParty + 1);
    d.RunFrames(3);
    EXPECT_EQ(DumpedNumber(d, "objects.battleScreen.carriedWear"), 0);
    EXPECT_EQ(DumpedNumber(d, "objects.battleScreen.carriedLosses"), 0);
    ASSERT_EQ(FightItOut(d, 20), battle::kVictoryMessage);
    const uint8_t grade = d.App().battleScreen->victoryGrade;
    Press(d, 400, 300);
    Press(d, 400, 300);
    ASSERT_TRUE(On(d, "MapProc"));
    EXPECT_EQ(DumpedNumber(d, "state.fame"), fame + grade);
    EXPECT_EQ(DumpedNumber(d, "state.enemyPresent." + std::to_string(kRaidingParty)), 0);
    EXPECT_EQ(DumpedNumber(d, kRaidersStage), kQuestAchieved);
    EXPECT_EQ(DumpedJson(d, "state.playerArmies.armyCount"), "[0,13,4,0,0,0]");
    EXPECT_EQ(PlayerStat(d, kStatHealth), 1);

    // The next day in Kapusta the raiders' reward: 100 gold and a ring.
    const double gold = DumpedNumber(d, "state.gold");
    WalkTo(d, CellXOf(kKapustaCell), CellYOf(kKapustaCell));
    ASSERT_TRUE(On(d, "VillageProc")) << d.ScreenName();
    d.RunFrames(2);
    PressRect(d, house_layout::kTalkRect);
    EXPECT_EQ(DumpedNumber(d, "state.gold"), gold + 100);
    // The armies that fell are raised on entering, for one fame; the
    // raiders' thanks give it back.
    EXPECT_EQ(DumpedNumber(d, "objects.villageScreen.fameLoss"), kFameApplied);
    EXPECT_EQ(DumpedNumber(d, "state.fame"), fame + grade);
    d.PressKey(kKeyEscape);
    ASSERT_TRUE(On(d, "MapProc"));
    EXPECT_EQ(DumpedNumber(d, kRaidersStage), kQuestClosed);
    EXPECT_EQ(DumpedNumber(d, "state.playerItems.0"), kRing);
    EXPECT_EQ(DumpedJson(d, "state.playerArmies.armyCount"), "[6,13,4,0,0,0]");

    // Escape on the map asks; Yes saves into slot 1 and goes to the main
    // menu, whose Quit ends the program.
    d.RunFrames(2);
    saved = RecordFields(d);
    d.PressKey(kKeyEscape);
    ASSERT_TRUE(On(d, "SaveAndQuitProc"));
    d.RunFrames(2);
    Press(d, kQuestionYesX, kQuestionY);
    ASSERT_TRUE(On(d, "MainMenuProc"));
    d.RunFrames(2);
    d.Click(MenuX(kMenuQuit), kMenuY, kMouseLeft);
    ASSERT_TRUE(d.QuitPosted());
  }
  // Started again: the load list, slot 1, the game as it was.
  ScenarioDriver d;
  d.Start();
  d.RunFrames(3);
  LoadSlot(d, 1);
  const std::map<std::string, std::string> loaded = RecordFields(d);
  ASSERT_EQ(loaded.size(), saved.size());
  for (const auto& [name, value] : saved) EXPECT_EQ(loaded.at(name), value) << name;

  // The loaded game plays on: the board closed, the day ended.
  const double day = DumpedNumber(d, "state.day");
  Press(d, kNowhereX, kNowhereY);
  EndTheDay(d);
  ASSERT_TRUE(On(d, "MapProc")) << d.ScreenName();
  EXPECT_EQ(DumpedNumber(d, "state.day"), day + 1);
}

// ---- The endings, each from a save prepared for it ----

class CampaignEnds : public EndToEndInOwnFolder {
 protected:
  // A new game changed by `setup`, written into the slot by the game's own
  // save writer; then the program started and the game loaded by the menus.
  template <class Setup>
  void LoadPrepared(ScenarioDriver& d, int slot, Setup setup) {
    auto s = std::make_unique<GameState>();
    RunNewGameSequence(*s);
    s->slot = static_cast<uint8_t>(slot);
    GlyphFromText("Ida|", s->playerName);
    setup(*s);
    ASSERT_EQ(SaveGameFile(*s, SaveExtras(), SavePath(std::to_string(slot) + ".save").c_str()), 1);
    d.Start();
    d.RunFrames(3);
    LoadSlot(d, slot);
    Press(d, kNowhereX, kNowhereY);  // the day's board
  }

  // From the map's end of the game: the save step and the hall's writer
  // run, the ending's story is shown, and Enter leaves it for the hall of
  // fame, whose top row is the game just ended.
  void ExpectEndingInHall(ScenarioDriver& d, uint8_t scene, int32_t fameChange) {
    for (int i = 0; i < 5 && !On(d, "StoryProc"); ++i) d.RunFrames(1);
    ASSERT_TRUE(On(d, "StoryProc")) << d.ScreenName();
    // The save step wrote the ended game into its slot; the hall takes its
    // fame with the ending's change.
    auto ended = std::make_unique<GameState>();
    SaveExtras extras;
    const int slot = static_cast<int>(DumpedNumber(d, "state.slot"));
    ASSERT_EQ(LoadGameFile(*ended, extras, SavePath(std::to_string(slot) + ".save").c_str()), 1);
    const uint8_t ends[] = {extras.endSurrendered, extras.endPeaceTreaty, extras.endVictory};
    for (uint8_t scenes = kStorySurrendered; scenes <= kStoryVictory; ++scenes)
      EXPECT_EQ(ends[scenes - kStorySurrendered], scenes == scene ? 1 : 0) << int(scenes);
    const double score = std::max(ended->fame + fameChange, 0);
    EXPECT_EQ(DumpedNumber(d, "state.storyScene"), scene);
    GameState hall;
    ASSERT_EQ(LoadHallOfFameFile(hall, SavePath("HallOfFame.save").c_str()), 1);
    EXPECT_EQ(hall.hallScores[0], score);
    EXPECT_EQ(GlyphToText(hall.hallNames[0]), "Ida|");
    d.RunFrames(10);
    d.PressKey(kKeyEnter);
    ASSERT_TRUE(On(d, "HallOfFameProc")) << d.ScreenName();
    d.RunFrames(2);
    EXPECT_EQ(DumpedNumber(d, "objects.hallOfFameScreen.scores.0"), score);
    EXPECT_EQ(DumpedNumber(d, "state.fame"), 0) << "a fresh record";
    d.PressKey(kKeyBackspace);
    EXPECT_TRUE(On(d, "MainMenuProc")) << d.ScreenName();
  }
};

TEST_F(CampaignEnds, PeaceOnTheHundredAndTenthDay) {
  ScenarioDriver d;
  LoadPrepared(d, 2, [](GameState& s) {
    s.day = 109;
    s.fame = 40;
  });
  Press(d, kEndDayX, kEndDayY);
  ExpectEndingInHall(d, kStoryPeaceTreaty, 0);
}

TEST_F(CampaignEnds, TheKingdomSurrendersWhenTheLastInvadersArrive) {
  // Army 90 sets out the night after day 76 and reaches the royal castle
  // eleven days later with nobody barring its way.
  ScenarioDriver d;
  LoadPrepared(d, 3, [](GameState& s) {
    s.day = 76;
    s.fame = 150;
  });
  for (int day = 0; day < 15 && On(d, "MapProc"); ++day) EndTheDay(d);
  ExpectEndingInHall(d, kStorySurrendered, -100);
}

TEST_F(CampaignEnds, VictoryAtTheEnemysCastle) {
  constexpr uint32_t kEnemyCastleCell = 4057;
  // Earlier attempts have worn the castle's line-up down to its largest
  // army's last soldier.
  constexpr uint8_t kCastleBattle = 73;
  constexpr uint8_t kCastleLosses = 159;
  ScenarioDriver d;
  LoadPrepared(d, 4, [](GameState& s) {
    s.partyCell =
        cells::CellAt(CellXOf(kEnemyCastleCell) - cells::kCellSize, CellYOf(kEnemyCastleCell));
    s.fame = 60;
    s.battleExtra[kCastleBattle - 1] = kCastleLosses;
    s.playerHealth() = s.playerMaxHealth() = kSeasonedHealth;
    s.playerAttack() = s.playerBaseAttack() = kSeasonedBlow;
    s.playerShield() = s.playerBaseShield() = kSeasonedBlow;
  });
  WalkTo(d, CellXOf(kEnemyCastleCell), CellYOf(kEnemyCastleCell));
  ASSERT_TRUE(On(d, "BattleProc")) << d.ScreenName();
  EXPECT_EQ(DumpedNumber(d, "state.battleId"), kCastleBattle);
  d.RunFrames(3);
  ASSERT_EQ(FightItOut(d, 80), battle::kVictoryMessage);
  Press(d, 400, 300);
  Press(d, 400, 300);
  ExpectEndingInHall(d, kStoryVictory, 100);
}
