#include "game/game_state.h"

GameState::GameState() {
  day = 1;
  // Music and sounds on, the three speeds average.
  options[kOptionMusic] = 1;
  options[kOptionSounds] = 1;
  options[kOptionMapSpeed] = 2;
  options[kOptionBattleMoveSpeed] = 2;
  options[kOptionSwingSpeed] = 2;
  townNumber = 1;
  visitorCode = 1;
  villageNumber = 1;
  for (int i = 0; i < 65; ++i) enemyPresent[i] = 1;
  for (uint8_t& flag : mapObjectFlagsA) flag = 1;
  for (int i = 0; i < 16; ++i) bagPresent[i] = 1;
  for (int i = 0; i < 25; ++i) chestPresent[i] = 1;
}

void GameState::GetHeroName(int k, uint8_t* out21) const {
  for (int j = 0; j < kGlyphNameLength; ++j) {
    out21[j] = (k >= 0 && k < kHeroCount) ? heroNames[j][k] : 0;
  }
}

void GameState::SetHeroName(int k, const uint8_t* name21) {
  if (k < 0 || k >= kHeroCount) return;
  for (int j = 0; j < kGlyphNameLength; ++j) heroNames[j][k] = name21[j];
}

void RunNewGameSequence(GameState& state) {
  state.InitHeroStats();
  state.InitHeroRecords();
  state.ResetHeroTables();
  state.ResetPlayer();
  state.ResetProgress();
  state.AdvanceQuestChains();
}
