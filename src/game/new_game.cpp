// The values of a new game: the heroes, their items and armies, the player,
// gold, places and wealth.

#include <cstring>

#include "game/game_state.h"

namespace {

const char* const kPlayerStartName = "Aldric";

const char* const kHeroStartNames[kHeroCount] = {
    "Brynn", "Cedric", "Maera", "Torvald", "Elsbeth", "Oswin", "Hilda", "Rowan", "Sigrun", "Valdor",
};

const uint8_t kHeroPortraits[kHeroCount] = {0, 0, 2, 0, 0, 2, 2, 0, 1, 1};
const int32_t kHeroHealth[kHeroCount] = {20, 20, 20, 41, 41, 27, 69, 55, 90, 111};
const int32_t kHeroFight[kHeroCount] = {10, 10, 10, 16, 16, 12, 24, 20, 30, 36};
const int32_t kHeroExperience[kHeroCount] = {0, 0, 0, 200, 200, 70, 550, 320, 850, 1111};
const uint8_t kHeroLevels[kHeroCount] = {0, 0, 0, 3, 3, 1, 7, 5, 10, 13};

// Items in the first bag cells of each hero, 0 ends a list.
const uint8_t kHeroStartItems[kHeroCount][6] = {
    {155, 69},          {246, 70, 128, 152, 153},
    {161, 72, 137},     {84, 186, 34},
    {179, 30, 43, 233}, {172},
    {133, 17},          {166},
    {55, 25},           {183, 144, 115, 90},
};

struct StartArmy {
  bool used;  // a listed army; false for hero 0's two filled, unused slots
  uint8_t kind;
  uint8_t count;
  int32_t values[4];
};

struct HeroStartArmies {
  int armies;  // filled slots from slot 0
  StartArmy slot[2];
  int names;  // army names written in slots 0 .. names - 1
  const char* nameText[5];
};

const HeroStartArmies kHeroArmies[kHeroCount] = {
    {2,
     {{false, 0, 10, {20, 20, 50, 50}}, {false, 0, 12, {55, 150, 100, 100}}},
     5,
     {"First band", "Second band", "Third band", "Fourth band", "Fifth band"}},
    {2,
     {{true, 21, 7, {12, 8, 35, 35}}, {true, 21, 10, {16, 12, 50, 50}}},
     2,
     {"War hounds", "Wolfhounds"}},
    {2,
     {{true, 0, 14, {20, 26, 70, 70}}, {true, 0, 13, {18, 22, 65, 65}}},
     2,
     {"Farmhands", "Villagers"}},
    {2,
     {{true, 0, 16, {25, 20, 80, 80}}, {true, 0, 14, {22, 24, 70, 70}}},
     2,
     {"Reapers", "Shepherds"}},
    {2,
     {{true, 1, 13, {40, 40, 65, 65}}, {true, 1, 13, {45, 36, 65, 65}}},
     2,
     {"Militia", "Watchmen"}},
    {0, {}, 0, {}},
    {2,
     {{true, 2, 12, {42, 46, 60, 60}}, {true, 2, 12, {54, 40, 60, 60}}},
     2,
     {"Footmen", "Pikemen"}},
    {0, {}, 0, {}},
    {1, {{true, 3, 24, {74, 80, 120, 120}}, {}}, 2, {"Golden guard", "Reserve"}},
    {1, {{true, 4, 30, {92, 92, 150, 150}}, {}}, 2, {"Royal guard", "Reserve"}},
};

// Clears every array of an army record but the two closing ones.
void ClearArmies(ArmyRecord& a) {
  std::memset(a.armyKindCode, 0, sizeof a.armyKindCode);
  std::memset(a.armyUsed, 0, sizeof a.armyUsed);
  std::memset(a.armyPanelPlace, 0, sizeof a.armyPanelPlace);
  std::memset(a.armyKind, 0, sizeof a.armyKind);
  std::memset(a.armyValue1, 0, sizeof a.armyValue1);
  std::memset(a.armyValue2, 0, sizeof a.armyValue2);
  std::memset(a.armyValue3, 0, sizeof a.armyValue3);
  std::memset(a.armyValue4, 0, sizeof a.armyValue4);
  std::memset(a.armyCount, 0, sizeof a.armyCount);
  std::memset(a.armyMark1, 0, sizeof a.armyMark1);
  std::memset(a.armyMark2, 0, sizeof a.armyMark2);
  std::memset(a.armyMark3, 0, sizeof a.armyMark3);
  std::memset(a.armyMark4, 0, sizeof a.armyMark4);
  std::memset(a.armyNames, 0, sizeof a.armyNames);
}

void SetArmy(ArmyRecord& a, int s, uint8_t kind, uint8_t count, const int32_t (&values)[4],
             bool used) {
  a.armyCount[s] = count;
  a.armyValue1[s] = values[0];
  a.armyValue2[s] = values[1];
  a.armyValue3[s] = values[2];
  a.armyValue4[s] = values[3];
  if (used) {
    a.armyKind[s] = kind;
    a.armyKindCode[s] = static_cast<uint8_t>(kind + 1);
    a.armyUsed[s] = 1;
    a.armyPanelPlace[s] = static_cast<uint8_t>(s);
  }
}

}  // namespace

void GameState::InitHeroStats() {
  for (int k = 0; k < kHeroCount; ++k) {
    heroDayAllowance[k] = 7;
    heroCell[k] = 0;
    heroMapState[k] = 4;
    heroPresent[k] = 0;
    heroStripPlace[k] = 0;
    heroPortrait[k] = kHeroPortraits[k];
    for (int j = kStatBaseHealth; j <= kStatHealth; ++j) heroStats[j][k] = kHeroHealth[k];
    for (int j = kStatBaseAttack; j <= kStatShield; ++j) heroStats[j][k] = kHeroFight[k];
    heroStats[kStatExperience][k] = kHeroExperience[k];
    heroLevel[k] = kHeroLevels[k];
  }
  for (int j = 0; j < kGlyphNameLength; ++j) {
    for (int k = 0; k < kHeroCount; ++k) heroNames[j][k] = 0;
  }
  for (int k = 0; k < 12; ++k) heroNames[0][k] = glyph::kCaret;
  for (int k = 0; k < kHeroCount; ++k) {
    GlyphName name;
    GlyphFromText(kHeroStartNames[k], name);
    SetHeroName(k, name);
  }
}

void GameState::InitHeroRecords() {
  for (int k = 0; k < kHeroCount; ++k) {
    ItemRecord& r = heroItems[k];
    std::memset(&r, 0, sizeof r);
    for (int cell = 0; cell < 6 && kHeroStartItems[k][cell] != 0; ++cell) {
      uint8_t id = kHeroStartItems[k][cell];
      r.items[cell] = id;
      r.held[id - 1] = 1;
      r.slot[id - 1] = static_cast<uint8_t>(cell);
    }
  }
}

void GameState::ResetHeroTables() {
  for (int k = 0; k < kHeroCount; ++k) {
    ArmyRecord& a = heroArmies[k];
    ClearArmies(a);
    const HeroStartArmies& start = kHeroArmies[k];
    for (int s = 0; s < start.armies; ++s) {
      const StartArmy& army = start.slot[s];
      SetArmy(a, s, army.kind, army.count, army.values, army.used);
    }
    for (int s = 0; s < start.names; ++s) GlyphFromText(start.nameText[s], a.armyNames[s]);
  }
}

void GameState::ResetPlayer() {
  partyCell = 1503;
  playerMapState = 4;
  GlyphFromText(kPlayerStartName, playerName);
  playerPortrait = 0;
  playerDayAllowance = 7;
  std::memset(playerItems, 0, sizeof playerItems);
  std::memset(playerItemHeld, 0, sizeof playerItemHeld);
  std::memset(playerItemSlot, 0, sizeof playerItemSlot);
  const int32_t stats[kStatWords] = {20, 20, 20, 20, 10, 10, 10, 10, 0};
  for (int j = 0; j < kStatWords; ++j) playerStats[j] = stats[j];
  playerLevel = 0;

  ClearArmies(playerArmies);
  GlyphFromText("Hounds", playerArmies.armyNames[0]);
  GlyphFromText("Peasants", playerArmies.armyNames[1]);
  SetArmy(playerArmies, 0, 20, 7, {7, 6, 30, 30}, true);
  SetArmy(playerArmies, 1, 0, 13, {14, 12, 70, 60}, true);
  for (int s = 2; s < kArmySlots; ++s) SetArmy(playerArmies, s, 0, 0, {10, 10, 100, 100}, false);
}

void GameState::ResetProgress() {
  gold = 0;
  placeState[0] = 1;
  placeState[1] = 1;
  placeState[2] = 0;
  placeState[3] = 0;
  placeState[10] = 0;
  for (int i = 11; i <= 18; ++i) placeState[i] = 1;
  std::memset(&wealth, 0, sizeof wealth);
  for (int i = 0; i < 8; ++i) {
    wealth.villagePicture[i] = static_cast<uint8_t>(i + 1);
    wealth.villagePicture2[i] = static_cast<uint8_t>(i + 1);
  }
  for (int i = 0; i < 6; ++i) {
    wealth.townPicture[i] = static_cast<uint8_t>(i + 1);
    wealth.townPicture2[i] = static_cast<uint8_t>(i + 1);
  }
}
