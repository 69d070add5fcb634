#include <gtest/gtest.h>

#include <memory>

#include "game/game_state.h"

namespace {

std::unique_ptr<GameState> NewGame() {
  auto s = std::make_unique<GameState>();
  RunNewGameSequence(*s);
  return s;
}

}  // namespace

TEST(NewGame, PlayerAndProgress) {
  auto s = NewGame();
  EXPECT_EQ(s->day, 1u);
  EXPECT_EQ(s->gold, 0);
  EXPECT_EQ(s->fame, 0);
  EXPECT_EQ(s->score, 0u);
  EXPECT_EQ(s->partyCell, 1503u);
  EXPECT_EQ(s->playerMapState, 4);
  EXPECT_EQ(s->playerDayAllowance, 7);
  EXPECT_EQ(s->playerLevel, 0);
  EXPECT_EQ(s->playerPortrait, 0);
  const uint8_t options[5] = {1, 1, 2, 2, 2};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(s->options[i], options[i]);
  const int32_t stats[9] = {20, 20, 20, 20, 10, 10, 10, 10, 0};
  for (int j = 0; j < 9; ++j) EXPECT_EQ(s->playerStats[j], stats[j]);
  EXPECT_EQ(s->playerHealth(), 20);
  EXPECT_EQ(s->playerShield(), 10);
  for (int i = 0; i < kItemPlaces; ++i) EXPECT_EQ(s->playerItems[i], 0);
  EXPECT_EQ(s->townNumber, 1);
  EXPECT_EQ(s->visitorCode, 1);
  EXPECT_EQ(s->villageNumber, 1);
  for (int r = 0; r < kHallRows; ++r) EXPECT_EQ(s->hallUsed[r], 0);
  EXPECT_FALSE(GlyphToText(s->playerName).empty());

  // The player's two armies.
  const ArmyRecord& a = s->playerArmies;
  EXPECT_EQ(a.armyKind[0], 20);
  EXPECT_EQ(a.armyKindCode[0], 21);
  EXPECT_EQ(a.armyCount[0], 7);
  EXPECT_EQ(a.armyValue1[0], 7);
  EXPECT_EQ(a.armyValue2[0], 6);
  EXPECT_EQ(a.armyValue3[0], 30);
  EXPECT_EQ(a.armyValue4[0], 30);
  EXPECT_EQ(a.armyUsed[0], 1);
  EXPECT_EQ(a.armyPanelPlace[0], 0);
  EXPECT_EQ(a.armyKind[1], 0);
  EXPECT_EQ(a.armyKindCode[1], 1);
  EXPECT_EQ(a.armyCount[1], 13);
  EXPECT_EQ(a.armyValue3[1], 70);
  EXPECT_EQ(a.armyValue4[1], 60);
  EXPECT_EQ(a.armyPanelPlace[1], 1);
  EXPECT_FALSE(GlyphToText(a.armyNames[0]).empty());
  EXPECT_FALSE(GlyphToText(a.armyNames[1]).empty());
  for (int slot = 2; slot < kArmySlots; ++slot) {
    EXPECT_EQ(a.armyUsed[slot], 0);
    EXPECT_EQ(a.armyKindCode[slot], 0);
    EXPECT_EQ(a.armyCount[slot], 0);
    EXPECT_EQ(a.armyValue1[slot], 10);
    EXPECT_EQ(a.armyValue4[slot], 100);
    EXPECT_EQ(a.armyNames[slot][0], 0);
  }

  // Places and wealth.
  for (int i = 0; i < kPlaceCount; ++i) {
    bool open = i == 0 || i == 1 || (i >= 11 && i <= 18);
    EXPECT_EQ(s->placeState[i], open ? 1 : 0) << i;
  }
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(s->wealth.villagePicture[i], i < 8 ? i + 1 : 0);
    EXPECT_EQ(s->wealth.villagePicture2[i], i < 8 ? i + 1 : 0);
    EXPECT_EQ(s->wealth.townPicture[i], i < 6 ? i + 1 : 0);
    EXPECT_EQ(s->wealth.villageJoined[i], 0);
    EXPECT_EQ(s->wealth.townOwned[i], 0);
  }
  // The map's present flags.
  for (int i = 0; i < kEnemyArmies; ++i) EXPECT_EQ(s->enemyPresent[i], i < 65 ? 1 : 0);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(s->mapObjectFlagsA[i], 1);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(s->bagPresent[i], i < 16 ? 1 : 0);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(s->chestPresent[i], i < 25 ? 1 : 0);

  // Quests: exactly 1, 3, 4, 7, 8, 9, 12 and 19 open.
  for (int q = 1; q <= kQuestCount; ++q) {
    bool open = q == 1 || q == 3 || q == 4 || q == 7 || q == 8 || q == 9 || q == 12 || q == 19;
    EXPECT_EQ(s->questStage[q - 1], open ? 1 : 0) << q;
  }
}

TEST(NewGame, Heroes) {
  auto s = NewGame();
  const uint8_t portraits[10] = {0, 0, 2, 0, 0, 2, 2, 0, 1, 1};
  const int32_t health[10] = {20, 20, 20, 41, 41, 27, 69, 55, 90, 111};
  const int32_t fight[10] = {10, 10, 10, 16, 16, 12, 24, 20, 30, 36};
  const int32_t experience[10] = {0, 0, 0, 200, 200, 70, 550, 320, 850, 1111};
  const uint8_t levels[10] = {0, 0, 0, 3, 3, 1, 7, 5, 10, 13};
  for (int k = 0; k < kHeroCount; ++k) {
    EXPECT_EQ(s->heroPortrait[k], portraits[k]);
    EXPECT_EQ(s->heroPresent[k], 0);
    EXPECT_EQ(s->heroCell[k], 0u);
    EXPECT_EQ(s->heroMapState[k], 4);
    EXPECT_EQ(s->heroDayAllowance[k], 7);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(s->heroStats[j][k], health[k]);
    for (int j = 4; j < 8; ++j) EXPECT_EQ(s->heroStats[j][k], fight[k]);
    EXPECT_EQ(s->heroStats[kStatExperience][k], experience[k]);
    EXPECT_EQ(s->heroLevel[k], levels[k]);
    uint8_t name[kGlyphNameLength];
    s->GetHeroName(k, name);
    EXPECT_GE(GlyphToText(name).size(), 3u) << k;
  }
  // Row 0 of the unused name columns 10 and 11 holds the caret code.
  EXPECT_EQ(s->heroNames[0][10], 1);
  EXPECT_EQ(s->heroNames[0][11], 1);
  EXPECT_EQ(s->heroNames[0][12], 0);

  // Items in the first bag cells, with both tables set.
  const ItemRecord& r1 = s->heroItems[1];
  const uint8_t ids[5] = {246, 70, 128, 152, 153};
  for (int cell = 0; cell < 5; ++cell) {
    EXPECT_EQ(r1.items[cell], ids[cell]);
    EXPECT_EQ(r1.held[ids[cell] - 1], 1);
    EXPECT_EQ(r1.slot[ids[cell] - 1], cell);
  }
  EXPECT_EQ(r1.items[5], 0);
  EXPECT_EQ(s->heroItems[5].items[0], 172);
  EXPECT_EQ(s->heroItems[9].items[3], 90);
  EXPECT_EQ(s->heroItems[9].slot[89], 3);

  // Armies: hero 0's two filled slots are not in use; 5 and 7 have none;
  // 8 and 9 have one; names as listed.
  const ArmyRecord& h0 = s->heroArmies[0];
  EXPECT_EQ(h0.armyCount[0], 10);
  EXPECT_EQ(h0.armyValue2[1], 150);
  for (int slot = 0; slot < kArmySlots; ++slot) {
    EXPECT_EQ(h0.armyUsed[slot], 0);
    EXPECT_EQ(h0.armyKindCode[slot], 0);
    EXPECT_EQ(h0.armyPanelPlace[slot], 0);
    EXPECT_EQ(h0.armyNames[slot][0] != 0, slot < 5) << slot;
  }
  for (int k : {5, 7}) {
    for (int slot = 0; slot < kArmySlots; ++slot) {
      EXPECT_EQ(s->heroArmies[k].armyUsed[slot], 0);
      EXPECT_EQ(s->heroArmies[k].armyCount[slot], 0);
      EXPECT_EQ(s->heroArmies[k].armyNames[slot][0], 0);
    }
  }
  const ArmyRecord& h8 = s->heroArmies[8];
  EXPECT_EQ(h8.armyUsed[0], 1);
  EXPECT_EQ(h8.armyKind[0], 3);
  EXPECT_EQ(h8.armyKindCode[0], 4);
  EXPECT_EQ(h8.armyCount[0], 24);
  EXPECT_EQ(h8.armyUsed[1], 0);
  EXPECT_NE(h8.armyNames[1][0], 0);
  const ArmyRecord& h1 = s->heroArmies[1];
  EXPECT_EQ(h1.armyKind[1], 21);
  EXPECT_EQ(h1.armyKindCode[1], 22);
  EXPECT_EQ(h1.armyCount[1], 10);
  EXPECT_EQ(h1.armyPanelPlace[1], 1);
  EXPECT_EQ(h1.armyValue1[1], 16);
  EXPECT_EQ(s->heroArmies[9].armyValue3[0], 150);
}

TEST(NewGame, InitialisersLeaveTheArmyTailsAlone) {
  GameState s;
  s.playerArmies.armyTail1[3] = 9;
  s.heroArmies[2].armyTail2[0] = 8;
  RunNewGameSequence(s);
  EXPECT_EQ(s.playerArmies.armyTail1[3], 9);
  EXPECT_EQ(s.heroArmies[2].armyTail2[0], 8);
}

TEST(QuestChains, RulesInOrder) {
  GameState s;
  s.day = 0;
  s.AdvanceQuestChains();
  EXPECT_EQ(s.questStage[0], 0);  // quest 1 waits for day 1
  EXPECT_EQ(s.questStage[3], 0);  // and so does quest 4
  EXPECT_EQ(s.questStage[2], 1);

  s.day = 1;
  s.AdvanceQuestChains();
  s.questStage[0] = kQuestClosed;  // quest 1 closed
  s.AdvanceQuestChains();
  EXPECT_EQ(s.questStage[1], 1);  // quest 2 opens
  EXPECT_EQ(s.questStage[4], 0);

  // Quest 5 needs quest 2 closed and quest 3 or 4 past stage 4.
  s.questStage[1] = kQuestClosed;
  s.questStage[2] = 4;
  s.questStage[3] = 4;
  s.AdvanceQuestChains();
  EXPECT_EQ(s.questStage[4], 0);
  s.questStage[3] = 5;
  s.AdvanceQuestChains();
  EXPECT_EQ(s.questStage[4], 1);
  EXPECT_EQ(s.questStage[10], 0);  // quest 11 waits for quest 5

  // A later rule sees what an earlier one opened in the same call: 5 closed
  // opens 11.
  s.questStage[4] = kQuestClosed;
  s.questStage[18] = kQuestClosed;
  s.questStage[11] = kQuestClosed;
  s.questStage[8] = kQuestClosed;
  s.AdvanceQuestChains();
  EXPECT_EQ(s.questStage[10], 1);  // 11
  EXPECT_EQ(s.questStage[19], 1);  // 20
  EXPECT_EQ(s.questStage[12], 1);  // 13
  EXPECT_EQ(s.questStage[9], 1);   // 10

  // Quests past stage 0 are never touched; nothing else ever opens.
  s.questStage[1] = 2;
  s.questStage[0] = kQuestClosed;
  s.AdvanceQuestChains();
  EXPECT_EQ(s.questStage[1], 2);
  for (int q = 21; q <= kQuestCount; ++q) EXPECT_EQ(s.questStage[q - 1], 0) << q;
  for (int q : {6, 14, 15, 16, 17, 18}) EXPECT_EQ(s.questStage[q - 1], 0) << q;
}

TEST(QuestChains, Idempotent) {
  GameState s;
  s.questStage[0] = kQuestClosed;
  s.questStage[8] = kQuestClosed;
  s.AdvanceQuestChains();
  uint8_t once[kQuestCount];
  std::copy(std::begin(s.questStage), std::end(s.questStage), once);
  s.AdvanceQuestChains();
  for (int i = 0; i < kQuestCount; ++i) EXPECT_EQ(s.questStage[i], once[i]) << i;
  // A day beyond the signed range counts as no day at all.
  GameState t;
  t.day = 0x80000000u;
  t.AdvanceQuestChains();
  EXPECT_EQ(t.questStage[0], 0);
}

TEST(Score, WealthFormula) {
  GameState s;
  s.ComputeScore();
  EXPECT_EQ(s.score, 0u);
  s.wealth.townOwned[3] = 1;
  s.ComputeScore();
  EXPECT_EQ(s.score, 20u);
  s.wealth.gemOwned[0] = 1;
  s.wealth.artifactOwned[29] = 7;
  s.wealth.villageJoined[9] = 1;
  s.ComputeScore();
  EXPECT_EQ(s.score, 20u + 3 + 5 + 10);
  // Picture numbers do not count.
  s.wealth.gemPicture[1] = 5;
  s.ComputeScore();
  EXPECT_EQ(s.score, 38u);
  for (int i = 0; i < 30; ++i) s.wealth.gemOwned[i] = s.wealth.artifactOwned[i] = 1;
  for (int i = 0; i < 10; ++i) s.wealth.villageJoined[i] = s.wealth.townOwned[i] = 1;
  s.ComputeScore();
  EXPECT_EQ(s.score, 540u);
}

namespace {

void SetRows(GameState& s, std::initializer_list<uint32_t> scores) {
  int r = 0;
  for (uint32_t v : scores) {
    s.hallUsed[r] = 1;
    s.hallScores[r] = v;
    GlyphFromText("row" + std::to_string(v), s.hallNames[r]);
    ++r;
  }
}

void Enter(GameState& s, uint32_t score, const char* name) {
  s.hallScore = score;
  GlyphFromText(name, s.playerName);
  s.EnterHallOfFame();
}

std::string Rows(const GameState& s) {
  std::string out;
  for (int r = 0; r < kHallRows; ++r) {
    if (!s.hallUsed[r]) continue;
    out += std::to_string(s.hallScores[r]) + ":" + GlyphToText(s.hallNames[r]) + " ";
  }
  return out;
}

}  // namespace

TEST(HallOfFame, Insertion) {
  GameState empty;
  Enter(empty, 0, "zero");
  EXPECT_EQ(Rows(empty), "0:zero ");

  GameState two;
  SetRows(two, {100, 50});
  Enter(two, 70, "new");
  EXPECT_EQ(Rows(two), "100:row100 70:new 50:row50 ");

  GameState four;
  SetRows(four, {100, 80, 60, 40});
  Enter(four, 50, "new");
  EXPECT_EQ(Rows(four), "100:row100 80:row80 60:row60 50:new 40:row40 ");

  GameState low;
  SetRows(low, {100, 80, 60, 40});
  Enter(low, 30, "new");
  EXPECT_EQ(Rows(low), "100:row100 80:row80 60:row60 40:row40 30:new ");

  // A full hall: an equal score goes above and the last row drops out.
  GameState full;
  SetRows(full, {100, 80, 60, 40, 20});
  Enter(full, 20, "new");
  EXPECT_EQ(Rows(full), "100:row100 80:row80 60:row60 40:row40 20:new ");
  Enter(full, 10, "none");
  EXPECT_EQ(Rows(full), "100:row100 80:row80 60:row60 40:row40 20:new ");
  Enter(full, 500, "top");
  EXPECT_EQ(Rows(full), "500:top 100:row100 80:row80 60:row60 40:row40 ");
  // Scores compare unsigned.
  Enter(full, 0xFFFFFFF0u, "huge");
  EXPECT_EQ(full.hallScores[0], 0xFFFFFFF0u);
}

TEST(HallOfFame, RowsFromAFileAreTidiedFirst) {
  // A gap in the used rows and rows out of order.
  GameState s;
  s.hallUsed[0] = 1;
  s.hallScores[0] = 30;
  GlyphFromText("a", s.hallNames[0]);
  s.hallUsed[2] = 5;
  s.hallScores[2] = 90;
  GlyphFromText("b", s.hallNames[2]);
  s.hallScores[1] = 999;  // an unused row's leftovers
  GlyphFromText("junk", s.hallNames[1]);
  Enter(s, 60, "c");
  EXPECT_EQ(Rows(s), "90:b 60:c 30:a ");
  for (int r = 0; r < kHallRows; ++r) EXPECT_EQ(s.hallUsed[r], r < 3 ? 1 : 0);
  EXPECT_EQ(s.hallScores[3], 0u);
  EXPECT_EQ(s.hallNames[4][0], 0);
}

TEST(Relocation, CellUnderTheFighter) {
  GameState s;
  s.relocationState = GameState::kRelocationPending;
  s.mapSnapshot.heroIndex = 1;
  s.RelocateAfterBattle(81, 1, 0);
  EXPECT_EQ(s.partyCell, 771u);
  EXPECT_EQ(s.relocationState, GameState::kRelocationDone);

  // Waypoint w - 2 of the route, for a hero.
  s.mapSnapshot.heroIndex = 4;
  s.mapSnapshot.snapshotLegX[2] = 1200;
  s.mapSnapshot.snapshotLegY[2] = -600;
  s.RelocateAfterBattle(90, 0, 3);
  EXPECT_EQ(s.heroCell[2], 2501u);
  EXPECT_EQ(s.partyCell, 771u);
  s.mapSnapshot.snapshotLegX[2] = 1199;
  s.RelocateAfterBattle(90, 0, 3);
  EXPECT_EQ(s.heroCell[2], 50u);

  // No waypoint behind index 0 or 9 and above, and no cell outside the world.
  for (uint8_t w : {0, 9, 200}) {
    s.mapSnapshot.heroIndex = w;
    s.RelocateAfterBattle(90, 1, 3);
    EXPECT_EQ(s.partyCell, 771u);
    EXPECT_EQ(s.heroCell[2], 50u);
  }
  s.mapSnapshot.heroIndex = 1;
  s.partyX = 3600;
  s.RelocateAfterBattle(90, 1, 0);
  EXPECT_EQ(s.partyCell, 771u);

  // Battle ids of 80 and below change nothing but the two flags; a hero
  // number beyond 10 names nobody.
  s.partyX = 0;
  s.partyCell = 5;
  s.useFallbackCells = 0;
  s.RelocateAfterBattle(50, 1, 0);
  EXPECT_EQ(s.partyCell, 5u);
  EXPECT_EQ(s.relocationState, GameState::kRelocationDone);
  s.RelocateAfterBattle(81, 0, 11);
  for (uint32_t cell : s.heroCell) EXPECT_NE(cell, 771u);
}

TEST(Relocation, FallbackLists) {
  GameState s;
  s.useFallbackCells = 1;
  s.heroCell[4] = 7187;
  s.RelocateAfterBattle(84, 1, 0);
  EXPECT_EQ(s.partyCell, 7249u);
  EXPECT_EQ(s.fallbackPending, 0);
  EXPECT_EQ(s.useFallbackCells, 0);
  EXPECT_EQ(s.fallbackCells[0], 7187u);

  // The party itself on the first cell: it is skipped, and so are cells
  // heroes stand on.
  GameState t;
  t.useFallbackCells = 1;
  t.partyCell = 7187;
  t.heroCell[0] = 7249;
  t.heroCell[1] = 2571;
  t.RelocateAfterBattle(84, 1, 0);
  EXPECT_EQ(t.partyCell, 2627u);

  // A fighting hero moves when the player did not fight.
  GameState h;
  h.useFallbackCells = 1;
  h.heroCell[6] = 357;
  h.RelocateAfterBattle(85, 0, 7);
  EXPECT_EQ(h.heroCell[6], 355u);

  // Every candidate taken: nothing moves, the list stays pending, and a later
  // id without a list of its own tries it again.
  GameState f;
  const uint32_t list[11] = {774, 676, 832, 1075, 1125, 1178, 934, 785, 482, 475, 1171};
  f.partyCell = 774;
  for (int k = 0; k < 10; ++k) f.heroCell[k] = list[k + 1];
  f.useFallbackCells = 1;
  f.RelocateAfterBattle(81, 1, 0);
  EXPECT_EQ(f.partyCell, 774u);
  EXPECT_EQ(f.fallbackPending, 1);
  f.heroCell[9] = 0;
  // A battle id of 80 or less leaves even a pending list untried.
  f.useFallbackCells = 1;
  f.fallbackCount = 3;
  f.RelocateAfterBattle(80, 1, 0);
  EXPECT_EQ(f.partyCell, 774u);
  EXPECT_EQ(f.fallbackPending, 1);
  EXPECT_EQ(f.fallbackCount, 3);
  EXPECT_EQ(f.useFallbackCells, 0);
  f.useFallbackCells = 1;
  f.RelocateAfterBattle(95, 1, 0);
  EXPECT_EQ(f.partyCell, 1171u);
  EXPECT_EQ(f.fallbackPending, 0);
}
