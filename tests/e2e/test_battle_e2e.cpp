// The battle played end to end through the scenario driver: a new game's
// walk into the first enemy army, battle 1 fought by clicks to a victory and
// its rewards read in the dump back on the map, a retreat, a defeat by the
// turn limit, the options and the save-and-quit question opened from the
// battle and left again, and a save whose resume block holds nonsense. Screenshots of battle 1 are
// written for a person to look at.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/game_app.h"
#include "battle/battle_layout.h"
#include "battle/battle_screen.h"
#include "e2e_fixture.h"
#include "game/cell_geometry.h"
#include "game/game_state.h"
#include "game/save_image.h"
#include "harness/json_value.h"
#include "harness/scenario_driver.h"
#include "map/kingdom_map.h"
#include "map/map_encounters.h"
#include "platform/input_device.h"

using namespace battle;

namespace {

// A player who has grown since the new game. A new party (the fighter at
// health 20, attack 10, shield 10; Hounds 7 soldiers at 7/6; Peasants 13 at
// 14/12) cannot win battle 1: its eight enemies hold 48 soldiers, 192 points
// of damage to destroy (three wound layers, then a point per death), while
// the party deals at most about 40 a turn and loses its 100 points in two or
// three enemy turns (the fighter alone takes 10 and 15 from the two largest
// armies). Whatever its orders, the new party falls with more than 90 enemy
// points left; at health 100 it wins by striking the weakest enemies. (The
// wear that lost attempts leave on the line-up is the game's own way
// through: a full-strength new party wins the third attempt.)
void Strengthen(GameState& s) {
  s.playerHealth() = s.playerMaxHealth() = 200;
  s.playerShield() = s.playerBaseShield() = 30;
  s.playerAttack() = s.playerBaseAttack() = 30;
}

// A new game, then the hand-over the map makes when the player walks into
// an enemy army: the battle number, the fighter, a fresh battle.
void StartBattleAgain(ScenarioDriver& driver, uint8_t battleId, bool seasoned = false);

void StartBattle(ScenarioDriver& driver, uint8_t battleId, bool seasoned = false) {
  driver.Start();
  driver.RunFrames(2);
  StartBattleAgain(driver, battleId, seasoned);
}

// The hand-over on a game already started.
void StartBattleAgain(ScenarioDriver& driver, uint8_t battleId, bool seasoned) {
  if (seasoned) Strengthen(*driver.App().gameState);
  HandOverBattle(driver, battleId);
}

BattleScreen& Battle(ScenarioDriver& driver) { return *driver.App().battleScreen; }

// What the save-and-quit question's Yes does before the save: the battle is
// deleted, only its resume block stays.
void DropBattle(ScenarioDriver& driver) {
  FreeScreen(driver.App().battleScreen);
  driver.App().gameState->overlayOpen = 0;
}

// Takes the enemies of slot `first` on off the field.
void RemoveEnemiesFrom(BattleScreen& b, int first) {
  for (int e = first; e < kEnemySlots; ++e) {
    if (b.enemyAlive[e]) b.occupant[b.enemyCell[e]] = 0;
    b.enemyAlive[e] = 0;
  }
}

// The fighter's standing as the state dump shows it.
struct Standing {
  double fame, gold, experience, level;
};

Standing ReadStanding(const ScenarioDriver& driver) {
  JsonValue dump;
  EXPECT_TRUE(ParseJson(driver.Dump(), &dump));
  auto number = [&](const std::string& path) {
    const JsonValue* value = FindJsonPath(dump, path);
    EXPECT_NE(value, nullptr) << path;
    return value ? value->number : -1.0;
  };
  return {number("state.fame"), number("state.gold"),
          number("state.playerStats." + std::to_string(kStatExperience)),
          number("state.playerLevel")};
}

std::string Shot(const char* name) { return TestFile(name); }

bool blowShotTaken = false;
bool turnPanelShotTaken = false;

// Runs frames until the player may give orders again and no blow is under
// way; false when that does not happen within the frames given.
bool WaitForPlayer(ScenarioDriver& driver, int frames = 3000) {
  for (int i = 0; i < frames; ++i) {
    if (!driver.App().battleScreen) return true;
    BattleScreen& b = Battle(driver);
    if (b.PlayerMayAct() && !b.hitActive && !b.attackStep && b.pauseActive == 0 &&
        b.walkLength == 0)
      return true;
    driver.RunFrames(1);
  }
  return false;
}

// Scrolls with the arrow keys until the cell lies well inside the screen,
// clear of the side buttons.
void ScrollToCell(ScenarioDriver& driver, uint32_t cell) {
  driver.MoveTo(400, 300);
  for (int i = 0; i < 400; ++i) {
    BattleScreen& b = Battle(driver);
    const int32_t x = CellX(cell) - b.viewX, y = CellY(cell) - b.viewY;
    int key = 0;
    if (x < 40) key = kKeyLeft;
    else if (x > 560) key = kKeyRight;
    else if (y < 40) key = kKeyUp;
    else if (y > 380) key = kKeyDown;
    if (key == 0) return;
    driver.KeyDown(key);
    driver.RunFrames(1);
    driver.KeyUp(key);
  }
}

// Clicks the middle of a cell (scrolling to it first).
void ClickCell(ScenarioDriver& driver, uint32_t cell, int button = kMouseLeft) {
  ScrollToCell(driver, cell);
  BattleScreen& b = Battle(driver);
  driver.Click(CellX(cell) - b.viewX + 40, CellY(cell) - b.viewY + 40, button);
  driver.RunFrames(1);
}

// The enemy standing nearest to a cell, -1 when none stands.
int NearestEnemy(BattleScreen& b, uint32_t cell) {
  int best = -1, bestDistance = 1000;
  for (int e = 0; e < kEnemySlots; ++e) {
    if (!b.enemyAlive[e]) continue;
    const int dx = std::abs(CellColumn(b.enemyCell[e]) - CellColumn(cell));
    const int dy = std::abs(CellRow(b.enemyCell[e]) - CellRow(cell));
    const int d = std::max(dx, dy);
    if (d < bestDistance) {
      bestDistance = d;
      best = e;
    }
  }
  return best;
}

// One order: select the unit on its cell, click the nearest enemy (only one
// next to it when reach is 1), confirm with the right button, and wait for
// the walk and the blow.
void Order(ScenarioDriver& driver, uint32_t unitCell, int reach = 7) {
  BattleScreen& b = Battle(driver);
  const int e = NearestEnemy(b, unitCell);
  if (e < 0) return;
  const int distance = std::max(std::abs(CellColumn(b.enemyCell[e]) - CellColumn(unitCell)),
                                std::abs(CellRow(b.enemyCell[e]) - CellRow(unitCell)));
  if (distance > reach) return;
  ClickCell(driver, unitCell);
  ClickCell(driver, b.enemyCell[e]);
  driver.Click(400, 300, kMouseRight);
  // The first blow of the test, with its report in the bottom bar.
  for (int i = 0; i < 300 && !blowShotTaken; ++i) {
    if (b.hitActive && b.enemyHitShown && !b.figureSelected && !b.armySelected) {
      driver.WriteShot(Shot("battle1_blow.png"));
      blowShotTaken = true;
    }
    if (b.PlayerMayAct() && !b.attackStep && !b.hitActive && i > 0) break;
    driver.RunFrames(1);
  }
  WaitForPlayer(driver);
}

// One turn of the player: every unit that still stands attacks, then the
// end-of-turn button; waits for the computer's turn.
void PlayTurn(ScenarioDriver& driver) {
  if (!WaitForPlayer(driver)) return;
  if (!turnPanelShotTaken && Battle(driver).turnNumber == 2 && Battle(driver).turnPanelShown) {
    driver.WriteShot(Shot("battle1_turn_panel.png"));
    turnPanelShotTaken = true;
  }
  driver.PressKey(kKeyEnter);  // closes the turn panel
  if (Battle(driver).battleOver) return;
  for (int j = 0; j < battle::kArmySlots && !Battle(driver).battleOver; ++j) {
    if (Battle(driver).armyUsed[j]) Order(driver, Battle(driver).armyCell[j]);
  }
  if (Battle(driver).figureHealth > 0) Order(driver, Battle(driver).figureCell);
  if (Battle(driver).battleOver) return;
  driver.Click(740, 268, kMouseLeft);  // end of turn
  driver.RunFrames(2);
  WaitForPlayer(driver);
}

}  // namespace

TEST_F(EndToEnd, BattleOneFromTheMapWonByClicksPaysItsRewards) {
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameState& s = *driver.App().gameState;
  Strengthen(s);  // a new party cannot win battle 1 (see Strengthen)
  ASSERT_TRUE(driver.Goto("GoKingdomMap"));
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "MapProc");
  const Standing before = ReadStanding(driver);

  // Enemy army 0, whose battle is battle 1, stands five cells west and two
  // north of the player's start, both in the first view: close the day's
  // board, select the player, click the army, walk with Enter.
  const MapEncounters& map = *driver.App().mapEncounters;
  const KingdomMap& view = *driver.App().kingdomMap;
  const int32_t armyX = map.enemyX[0], armyY = map.enemyY[0];
  auto clickWorld = [&](int32_t x, int32_t y) {
    driver.Click(x - view.cameraX + 20, y - view.cameraY + 20, kMouseLeft);
    driver.RunFrames(2);
  };
  driver.Click(600, 560, kMouseLeft);
  driver.RunFrames(2);
  clickWorld(map.playerX, map.playerY);
  clickWorld(armyX, armyY);
  driver.PressKey(kKeyEnter);
  for (int i = 0; i < 200 && driver.App().screenProc == GameApp::GoKingdomMap; ++i)
    driver.RunFrames(1);
  ASSERT_STREQ(driver.ScreenName(), "BattleProc");
  EXPECT_EQ(s.battleId, 1);
  EXPECT_EQ(s.battleByPlayer, 1);
  driver.RunFrames(3);
  ASSERT_NE(driver.App().battleScreen, nullptr);
  driver.WriteShot(Shot("battle1_start.png"));
  EXPECT_STREQ(driver.App().musicTrack.LoadedPath(), "Data/Music2.mid");
  const std::string dump = driver.Dump();
  EXPECT_NE(dump.find("\"Battle Turn Number\""), std::string::npos);
  EXPECT_NE(dump.find("\"turns left for a Brilliant Victory\""), std::string::npos);

  for (int turn = 0; turn < 12 && driver.App().battleScreen && !Battle(driver).battleOver; ++turn) {
    PlayTurn(driver);
  }
  ASSERT_NE(driver.App().battleScreen, nullptr);
  BattleScreen& b = Battle(driver);
  ASSERT_EQ(b.victory, kVictoryMessage) << "turn " << b.turnNumber;
  driver.RunFrames(3);
  driver.WriteShot(Shot("battle1_victory.png"));
  EXPECT_STREQ(driver.App().musicTrack.LoadedPath(), "Data/Music3.mid");
  EXPECT_NE(driver.Dump().find("\"You Won!\""), std::string::npos);
  const uint8_t grade = b.victoryGrade, levelGain = b.levelGain;
  const int32_t found = b.goldFound, gained = b.experienceGained;
  EXPECT_GE(grade, kGradeVictory);
  EXPECT_GT(gained, 0);
  EXPECT_EQ(s.gold, before.gold + found);  // paid at once

  // A click shows the experience page, the next one leaves for the map.
  driver.Click(400, 300, kMouseLeft);
  driver.RunFrames(3);
  ASSERT_EQ(Battle(driver).victory, kVictoryExperience);
  driver.WriteShot(Shot("battle1_experience.png"));
  driver.Click(400, 300, kMouseLeft);
  driver.RunFrames(3);
  ASSERT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(driver.App().battleScreen, nullptr);
  const Standing after = ReadStanding(driver);
  EXPECT_EQ(after.fame, before.fame + grade);
  EXPECT_EQ(after.gold, before.gold + found);
  EXPECT_EQ(after.experience, before.experience + gained);
  EXPECT_EQ(after.level, before.level + levelGain);
  EXPECT_EQ(s.battleByPlayer, 0);
  // The map has taken the battle's hand-back: the snapshot restored, the
  // music restarted, the beaten army gone and the party beside its cell.
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotRestored);
  EXPECT_EQ(s.musicRestartPending, 0);
  EXPECT_EQ(driver.App().battleReturned, 0);  // only a defeat or retreat tells the map
  ASSERT_NE(driver.App().mapEncounters, nullptr);
  EXPECT_EQ(driver.App().mapEncounters->enemyPresent[0], 0);
  EXPECT_EQ(s.enemyPresent[0], 0);
  EXPECT_EQ(s.partyCell, cells::CellAt(armyX + 40, armyY)) << "the walk ends beside the army";
  EXPECT_EQ(driver.App().mapEncounters->playerCell, s.partyCell);
}

TEST_F(EndToEnd, BattleRetreatCostsOneFameAndTellsTheMap) {
  ScenarioDriver driver;
  StartBattle(driver, 1);
  GameState& s = *driver.App().gameState;
  s.fame = 5;
  driver.PressKey(kKeyEnter);  // the turn panel
  // Enter has acknowledged the panel: the first click on Retreat opens the
  // question.
  driver.Click(740, 207, kMouseLeft);
  EXPECT_EQ(Battle(driver).retreatAsked, 1);
  driver.RunFrames(2);
  driver.WriteShot(Shot("battle1_retreat_question.png"));
  driver.RunFrames(1);
  driver.Click(346, 351, kMouseLeft);  // Yes
  EXPECT_EQ(Battle(driver).retreatConfirmed, kRetreatAcknowledged);
  EXPECT_EQ(Battle(driver).retreatAsked, 0);
  EXPECT_EQ(driver.App().battleReturned, 1);
  EXPECT_EQ(driver.App().battleFoughtByPlayer, 1);
  driver.RunFrames(1);
  driver.Click(400, 300, kMouseLeft);  // the retreat message: leaves
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(s.fame, 4);
  EXPECT_EQ(driver.App().battleScreen, nullptr);
}

TEST_F(EndToEnd, BattleLostByTheTurnLimit) {
  ScenarioDriver driver;
  StartBattle(driver, 1, true);
  GameState& s = *driver.App().gameState;
  s.fame = 2;
  s.playerHealth() = 5000;  // the fighter outlives every turn
  BattleScreen& b = Battle(driver);
  const uint8_t limit = b.turnLimit;
  for (int turn = 0; turn < 2 * limit && !b.defeat; ++turn) {
    if (!WaitForPlayer(driver) || b.defeat) break;
    driver.PressKey(kKeyEnter);
    driver.Click(740, 268, kMouseLeft);  // end of turn, nothing else
    driver.RunFrames(2);
  }
  ASSERT_NE(driver.App().battleScreen, nullptr);
  EXPECT_EQ(b.defeat, 1);
  EXPECT_EQ(b.turnNumber, limit);
  EXPECT_EQ(driver.App().battleReturned, 1);
  driver.RunFrames(2);
  driver.WriteShot(Shot("battle1_defeat.png"));
  driver.Click(400, 300, kMouseLeft);
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(s.fame, 0);  // - 3, not below 0
  EXPECT_GE(s.playerHealth(), 1);
}

TEST_F(EndToEnd, BattleOptionsAndSaveQuestionComeBackToTheBattle) {
  ScenarioDriver driver;
  StartBattle(driver, 1);
  GameState& s = *driver.App().gameState;
  driver.PressKey(kKeyEnter);
  Battle(driver).viewX = 40;  // something the battle keeps

  // The options button, then Escape on the options goes back to the battle.
  driver.Click(740, 87, kMouseLeft);
  EXPECT_STREQ(driver.ScreenName(), "OptionsProc");
  EXPECT_EQ(driver.App().optionsFromBattle, 1);
  EXPECT_EQ(driver.App().optionsFromMap, 0);
  ASSERT_NE(driver.App().battleScreen, nullptr);
  driver.RunFrames(2);
  driver.PressKey(kKeyEscape);
  driver.RunFrames(2);
  EXPECT_STREQ(driver.ScreenName(), "BattleProc");
  EXPECT_EQ(Battle(driver).viewX, 40);  // the same battle, no new set-up
  EXPECT_EQ(driver.App().optionsFromBattle, 0);

  // Escape does nothing while an army acts (here one whose walk is empty).
  Battle(driver).actingArmy = 1;
  driver.PressKey(kKeyEscape);
  EXPECT_STREQ(driver.ScreenName(), "BattleProc");
  EXPECT_EQ(Battle(driver).actingArmy, 0);

  // Escape opens the save-and-quit question with the resume block written.
  driver.PressKey(kKeyEscape);
  EXPECT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
  EXPECT_EQ(driver.App().saveQuitFromBattle, 1);
  EXPECT_EQ(s.savedInBattle, 1);
  EXPECT_EQ(s.battlePending, 0);
  EXPECT_EQ(s.overlayOpen, 1);
  EXPECT_EQ(s.battleResume.member2, 85);  // the fighter's cell
  EXPECT_EQ(s.battleResume.member1, 1);   // the turn
  EXPECT_EQ(s.mapSnapshotState, GameState::kSnapshotMapLeft);
  // The game as the question saves it, resume block and all, loads again.
  SaveExtras extras;
  const std::vector<uint8_t> file = SaveFileBytes(s, extras);
  EXPECT_EQ(ReadSaveFileBytes(*std::make_unique<GameState>(), extras, file.data(), file.size()), 1);
  ASSERT_NE(driver.App().battleScreen, nullptr);
  driver.RunFrames(2);
  ASSERT_TRUE(driver.Goto("GoBattle"));  // No
  driver.RunFrames(2);
  EXPECT_STREQ(driver.ScreenName(), "BattleProc");
  EXPECT_EQ(s.overlayOpen, 0);
  EXPECT_EQ(Battle(driver).viewX, 40);
}

TEST_F(EndToEnd, BattleOutcomeIsGivenOnceAcrossTheSaveQuestion) {
  ScenarioDriver driver;
  StartBattle(driver, 1, true);
  GameState& s = *driver.App().gameState;
  s.fame = 10;
  // Every enemy but one falls; the fighter strikes the last.
  BattleScreen& b = Battle(driver);
  RemoveEnemiesFrom(b, 1);
  for (int turn = 0; turn < 8 && driver.App().battleScreen && !b.battleOver; ++turn)
    PlayTurn(driver);
  ASSERT_EQ(b.victory, kVictoryMessage);
  const int32_t fameWon = 10 + b.victoryGrade;
  const int32_t health = s.playerMaxHealth();
  const uint8_t gain = b.healthGain;

  // Escape over the victory message: the outcome is written, and the game
  // is saved as one without a battle to resume.
  driver.PressKey(kKeyEscape);
  ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
  EXPECT_EQ(s.fame, fameWon);
  EXPECT_EQ(s.savedInBattle, 0);
  EXPECT_EQ(s.playerMaxHealth(), health + gain);
  ASSERT_TRUE(driver.Goto("GoBattle"));  // No
  driver.RunFrames(2);
  driver.Click(400, 300, kMouseLeft);
  driver.Click(400, 300, kMouseLeft);
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(s.fame, fameWon);  // not again
  EXPECT_EQ(s.playerMaxHealth(), health + gain);
}

TEST_F(EndToEnd, BattleResumesFromItsBlockAndRefusesNonsense) {
  // Saved during the battle: the block is restored as it was written.
  ScenarioDriver driver;
  StartBattle(driver, 1);
  GameState& s = *driver.App().gameState;
  driver.PressKey(kKeyEnter);
  BattleScreen& first = Battle(driver);
  first.enemySoldiers[2] = 1;
  first.enemyFacing[2] = 3;
  driver.PressKey(kKeyEscape);
  ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
  DropBattle(driver);
  ASSERT_TRUE(driver.Goto("GoBattle"));  // as the loader enters a saved battle
  driver.RunFrames(2);
  ASSERT_NE(driver.App().battleScreen, nullptr);
  EXPECT_EQ(Battle(driver).enemySoldiers[2], 1);
  EXPECT_EQ(Battle(driver).enemyFacing[2], 3);

  // A block with an enemy picture outside its table goes back to the map.
  driver.PressKey(kKeyEnter);
  driver.PressKey(kKeyEscape);
  DropBattle(driver);
  s.worldBlockL[50 + 4] = 200;  // enemyPicture of slot 4
  ASSERT_TRUE(driver.Goto("GoBattle"));
  driver.RunFrames(1);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(driver.App().battleScreen, nullptr);
  EXPECT_EQ(s.savedInBattle, 0);
}

TEST_F(EndToEnd, BattleTurnPanelCountsTheTurnsLeftAndNotesTheWear) {
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  driver.App().gameState->battleDifficulty[0] = 5;  // battle 1 was fought and lost before
  driver.App().gameState->battleExtra[0] = 2;
  StartBattleAgain(driver, 1);
  std::string dump = driver.Dump();
  EXPECT_NE(dump.find("\"The enemy forces are weaker from\""), std::string::npos);
  EXPECT_NE(dump.find("\"Wounds per enemy army: \""), std::string::npos);
  EXPECT_NE(dump.find("{\"text\":\"5\",\"x\":540,\"y\":220"), std::string::npos);
  driver.WriteShot(Shot("battle1_weakened.png"));

  // One turn before the brilliant grade's threshold: "last" in red, no number.
  BattleScreen& b = Battle(driver);
  b.turnNumber = b.gradeTurns3 - 1;
  driver.RunFrames(1);
  dump = driver.Dump();
  EXPECT_NE(dump.find("{\"text\":\"last\",\"x\":535,\"y\":380,\"colour\":\"0xFFFA0000\"}"),
            std::string::npos);
  EXPECT_EQ(dump.find("Wounds per enemy army"), std::string::npos);  // only in the first turn
  b.turnNumber = b.gradeTurns3;
  driver.RunFrames(1);
  EXPECT_EQ(driver.Dump().find("Brilliant"), std::string::npos);  // the threshold is reached
}

TEST_F(EndToEnd, BattleArmyWithNoSoldiersLeavesItsCellFree) {
  // Beaten down in an earlier battle: the slot is still in use in the
  // record, with nobody left in it.
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);
  GameState& s = *driver.App().gameState;
  ASSERT_EQ(s.playerArmies.armyUsed[1], 1);
  s.playerArmies.armyCount[1] = 0;
  s.playerArmies.armyMark4[1] = 5;
  StartBattleAgain(driver, 1);
  BattleScreen& b = Battle(driver);
  EXPECT_EQ(b.armyUsed[1], 0);
  EXPECT_EQ(b.armyUsedAtStart[1], 1);  // its row on the experience page
  ASSERT_TRUE(IsFieldCell(b.armyCell[1]));
  EXPECT_EQ(b.occupant[b.armyCell[1]], kOccupantNone);
  EXPECT_EQ(b.occupant[b.armyCell[0]], ArmyOccupant(0));
}

TEST_F(EndToEnd, BattleDecidedIsNotFoughtAgainFromItsBlock) {
  ScenarioDriver driver;
  StartBattle(driver, 1);
  GameState& s = *driver.App().gameState;
  BattleScreen& b = Battle(driver);
  RemoveEnemiesFrom(b, 0);
  driver.RunFrames(2);
  ASSERT_EQ(b.victory, kVictoryMessage);
  driver.PressKey(kKeyEscape);
  ASSERT_STREQ(driver.ScreenName(), "SaveAndQuitProc");
  const int32_t gold = s.gold, fame = s.fame;
  // Yes, a failed save and No: the battle finds only its block.
  DropBattle(driver);
  ASSERT_TRUE(driver.Goto("GoBattle"));
  driver.RunFrames(2);
  EXPECT_STREQ(driver.ScreenName(), "MapProc");
  EXPECT_EQ(driver.App().battleScreen, nullptr);
  EXPECT_EQ(s.gold, gold);  // not paid again
  EXPECT_EQ(s.fame, fame);
}

// One press, one taker, however long the press: tapped (down and up before
// the next frame, as a touchpad's tap-to-click), down one frame, or held
// three.
constexpr int kTap = 0;
constexpr int kPressLengths[] = {kTap, 1, 3};

void PressAt(ScenarioDriver& driver, int x, int y, int button, int framesDown) {
  driver.MoveTo(x, y);
  driver.ButtonDown(button);
  if (framesDown != kTap) driver.RunFrames(framesDown);
  driver.ButtonUp(button);
  driver.RunFrames(3);
}

// After the turn panel went with Enter (the battle's first, or the one End
// Turn brings), a press is for what it lands on: Retreat asks its question,
// the fighter's cell selects him, End Turn passes the turn. On the victory
// message a press of either button shows the experience page, the next one
// leaves.
TEST_F(EndToEnd, BattlePressAfterAnAcknowledgmentActsOnce) {
  enum Target { kRetreat, kFighterCell, kEndTurn };
  for (const bool afterEndTurn : {false, true}) {
    for (const Target target : {kRetreat, kFighterCell, kEndTurn}) {
      for (const int framesDown : kPressLengths) {
        SCOPED_TRACE(testing::Message() << (afterEndTurn ? "End Turn's panel" : "the first panel")
                                        << ", target " << target << ", down " << framesDown);
        ScenarioDriver driver;
        StartBattle(driver, 1, true);  // the fighter outlives the enemy's turn
        BattleScreen& b = Battle(driver);
        if (afterEndTurn) {
          driver.PressKey(kKeyEnter);
          driver.Click(740, 268, kMouseLeft);  // end of turn
          driver.RunFrames(2);
          ASSERT_TRUE(WaitForPlayer(driver));
          ASSERT_EQ(b.turnNumber, 2);
        }
        ASSERT_EQ(b.turnPanelShown, 1);
        ScrollToCell(driver, b.figureCell);
        driver.RunFrames(2);  // the mouse up while the panel is shown
        driver.PressKey(kKeyEnter);
        ASSERT_EQ(b.turnPanelShown, 0);
        driver.RunFrames(2);

        if (target == kRetreat) {
          PressAt(driver, 741, 207, kMouseLeft, framesDown);
          EXPECT_EQ(b.retreatAsked, 1);
          EXPECT_EQ(b.retreatConfirmed, kRetreatNone);
        } else if (target == kFighterCell) {
          PressAt(driver, CellX(b.figureCell) - b.viewX + kCellSize / 2,
                  CellY(b.figureCell) - b.viewY + kCellSize / 2, kMouseLeft, framesDown);
          EXPECT_EQ(b.figureSelected, 1);
        } else {
          PressAt(driver, 740, 268, kMouseLeft, framesDown);
          EXPECT_TRUE(b.allyPhase != kAllyIdle || b.enemyPhase != kEnemyIdle);
          EXPECT_EQ(b.turnNumber, afterEndTurn ? 2 : 1);
        }
      }
    }
  }

  for (const int button : {kMouseLeft, kMouseRight}) {
    for (const int framesDown : kPressLengths) {
      SCOPED_TRACE(testing::Message()
                   << "the victory message, button " << button << ", down " << framesDown);
      ScenarioDriver driver;
      StartBattle(driver, 1);
      BattleScreen& b = Battle(driver);
      RemoveEnemiesFrom(b, 0);
      driver.RunFrames(3);
      ASSERT_EQ(b.victory, kVictoryMessage);
      PressAt(driver, 400, 300, button, framesDown);
      ASSERT_STREQ(driver.ScreenName(), "BattleProc");
      EXPECT_EQ(b.victory, kVictoryExperience);
      PressAt(driver, 400, 300, button, framesDown);
      EXPECT_STREQ(driver.ScreenName(), "MapProc");
    }
  }
}
