// The place screen object's hand-over: what a visit copies in and writes
// back, the joined places and their prices, and the held-back rewards that
// come back into the bag.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "game/game_state.h"
#include "places/house_screen.h"
#include "places/place_table.h"

namespace {

// A game record whose every byte is noise: whatever the hand-over reads or
// writes wrongly shows as a changed byte.
std::unique_ptr<GameState> NoisyRecord(unsigned seed) {
  auto s = std::make_unique<GameState>();
  std::mt19937 noise(seed);
  auto* bytes = reinterpret_cast<unsigned char*>(s.get());
  for (std::size_t i = sizeof(void*); i < sizeof(GameState); ++i) bytes[i] = uint8_t(noise());
  return s;
}

std::vector<unsigned char> Bytes(const GameState& s) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&s);
  return {bytes, bytes + sizeof s};
}

// The offsets of the bytes that differ.
std::vector<std::size_t> Changed(const std::vector<unsigned char>& a, const GameState& s) {
  const std::vector<unsigned char> b = Bytes(s);
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) at.push_back(i);
  return at;
}

std::size_t Offset(const GameState& s, const void* field) {
  return std::size_t(static_cast<const unsigned char*>(field) -
                     reinterpret_cast<const unsigned char*>(&s));
}

// An object of the row's kind filled from the record as a visit's first
// frame fills it.
std::unique_ptr<HouseScreen> Visit(const PlaceRow& row, uint8_t visitor, const GameState& s) {
  auto h = std::make_unique<HouseScreen>(row.kind);
  h->placeNumber = row.number;
  h->visitorCode = visitor;
  std::memcpy(h->questStage, s.questStage, sizeof h->questStage);
  h->CopyVisitorIn(s);
  h->CopyHeldBackIn(s);
  return h;
}

}  // namespace

// Entering and leaving without a change leaves the record as it was, byte
// for byte, for the player and for heroes, in every place; and what a visit
// does change lands in the visitor's own tables and the place's own rows.
TEST(HouseHandOver, WritesBackWhatItCopiedInAndNothingElse) {
  for (const PlaceRow& row : kPlaces) {
    for (uint8_t visitor :
         {kVisitorPlayer, kVisitorFirstHero, uint8_t(kVisitorFirstHero + 4), kVisitorLastHero}) {
      SCOPED_TRACE(testing::Message() << "place " << int(row.kind) << "/" << int(row.number)
                                      << ", visitor " << int(visitor));
      std::unique_ptr<GameState> s = NoisyRecord(visitor * 31u + row.number);
      const std::vector<unsigned char> before = Bytes(*s);
      std::unique_ptr<HouseScreen> h = Visit(row, visitor, *s);
      h->WriteBack(*s);
      EXPECT_TRUE(Changed(before, *s).empty());

      // One change of each copied kind: a bag cell, a held flag, an army
      // value, an army name letter, a quest stage, a held-back entry.
      const bool player = visitor == kVisitorPlayer;
      const int k = visitor - kVisitorFirstHero;
      uint8_t* bag = player ? s->playerItems : s->heroItems[k].items;
      uint8_t* held = player ? s->playerItemHeld : s->heroItems[k].held;
      ArmyRecord& armies = player ? s->playerArmies : s->heroArmies[k];
      EXPECT_EQ(h->bag[11], bag[11]);
      EXPECT_EQ(h->armyName[5][20], armies.armyNames[5][20]);
      EXPECT_EQ(h->health, player ? s->playerHealth() : s->heroStats[kStatHealth][k]);
      EXPECT_EQ(h->heldBackCopy[9], s->worldBlockA[row.heldBackCopyRow][9]);
      h->bag[11] ^= 1;
      h->itemHeld[200] ^= 1;
      h->armyTraining[4] ^= 1;
      h->armyName[5][20] ^= 1;
      h->questStage[99] ^= 1;
      h->heldBack[9] ^= 1;
      h->WriteBack(*s);
      std::vector<std::size_t> want = {
          Offset(*s, &s->questStage[99]),
          Offset(*s, &s->worldBlockA[row.heldBackRow][9]),
          Offset(*s, &bag[11]),
          Offset(*s, &held[200]),
          Offset(*s, &armies.armyValue3[4]),
          Offset(*s, &armies.armyNames[5][20]),
      };
      std::sort(want.begin(), want.end());
      EXPECT_EQ(Changed(before, *s), want);
    }
  }
}

// A hero revived on a visit keeps that health in the record; its health
// total is not the visit's to write.
TEST(HouseHandOver, HeroHealthGoesBackButNotItsTotal) {
  GameState s;
  RunNewGameSequence(s);
  s.heroStats[kStatHealth][3] = 0;
  s.heroStats[kStatMaxHealth][3] = 40;
  std::unique_ptr<HouseScreen> h = Visit(kPlaces[0], kVisitorFirstHero + 3, s);
  EXPECT_EQ(h->heroIndex, 3);
  EXPECT_EQ(h->maxHealth, 40);
  h->health = 1;
  h->maxHealth = 99;
  h->WriteBack(s);
  EXPECT_EQ(s.heroStats[kStatHealth][3], 1);
  EXPECT_EQ(s.heroStats[kStatMaxHealth][3], 40);
}

// Talk marks every place of the visited kind whose joining quest has been
// seen done; a joined village or town charges its lower prices from then on,
// a single place never does.
TEST(HouseJoined, MarksJoinedPlacesAndChargesTheirPrices) {
  GameState s;
  RunNewGameSequence(s);
  const PlaceRow& village3 = kPlaces[house_art::PlaceIndex(PlaceKind::Village, 3)];
  const PlaceRow& town2 = kPlaces[house_art::PlaceIndex(PlaceKind::Town, 2)];
  s.questStage[29 - 1] = kQuestAchievedSeen;  // Burak's (village 2)
  s.questStage[3 - 1] = kQuestAchievedSeen;   // Rabarbar's (town 2)

  std::unique_ptr<HouseScreen> h = Visit(village3, kVisitorPlayer, s);
  h->MarkJoinedPlaces(s);
  EXPECT_EQ(s.wealth.villageJoined[1], 1) << "village 2, marked from village 3";
  EXPECT_EQ(s.wealth.villageJoined[2], 0);
  EXPECT_EQ(s.wealth.townOwned[2], 0) << "towns are the towns' to mark";
  h->ApplyJoinedPrices(s);
  EXPECT_EQ(h->joinState, kNotJoined);
  EXPECT_EQ(h->healPrice, kHealPrice);

  s.wealth.villageJoined[2] = 1;
  h->ApplyJoinedPrices(s);
  EXPECT_EQ(h->joinState, kJoinedPrices);
  EXPECT_EQ(h->healPrice, kJoinedHealPrice);
  const uint32_t villagePrices[] = {110, 150, 230, 310, 490};
  for (int c = 0; c < kRecruitCandidates; ++c) EXPECT_EQ(h->candidatePrice[c], villagePrices[c]);

  std::unique_ptr<HouseScreen> t = Visit(town2, kVisitorPlayer, s);
  t->MarkJoinedPlaces(s);
  EXPECT_EQ(s.wealth.townOwned[2], 1) << "town 2 is entry 2 of the owned towns and mines";
  t->ApplyJoinedPrices(s);
  const uint32_t townPrices[] = {700, 850, 1000, 1200, 1500};
  for (int c = 0; c < kRecruitCandidates; ++c) EXPECT_EQ(t->candidatePrice[c], townPrices[c]);
  EXPECT_EQ(t->healPrice, kJoinedHealPrice);

  const GameState kept = s;
  for (PlaceKind single :
       {PlaceKind::Palace, PlaceKind::Temple, PlaceKind::Castle, PlaceKind::Tower}) {
    std::unique_ptr<HouseScreen> p = Visit(*FindPlace(single, 0), kVisitorPlayer, s);
    std::fill(std::begin(p->questStage), std::end(p->questStage), kQuestAchievedSeen);
    p->MarkJoinedPlaces(s);
    p->ApplyJoinedPrices(s);
    EXPECT_EQ(p->healPrice, kHealPrice);
    EXPECT_EQ(p->joinState, kNotJoined);
  }
  EXPECT_EQ(std::memcmp(&kept.wealth, &s.wealth, sizeof s.wealth), 0);
}

// Waiting rewards come back from the last waiting entry down while the bag
// has room; an entry left empty between two waiting ones hands back nothing,
// item number 0 comes back like any other, and the item's place is its bag
// cell as the record counts places.
TEST(HouseHeldBack, ReturnsWaitingItemsPastGapsUntilTheBagIsFull) {
  HouseScreen h(PlaceKind::Castle);
  for (uint8_t& cell : h.bag) cell = 50;
  h.bag[4] = 0;
  h.bag[9] = 0;
  h.heldBack[0] = 1;
  h.heldBackCopy[0] = 0;  // item id 1
  h.heldBack[1] = 0;
  h.heldBackCopy[1] = 77;  // an entry handed back earlier
  h.heldBack[3] = 1;
  h.heldBackCopy[3] = 120;
  h.ReturnHeldItems();
  EXPECT_EQ(h.bag[4], 121);
  EXPECT_EQ(h.bag[9], 1);
  EXPECT_EQ(h.itemHeld[120], 1);
  EXPECT_EQ(h.itemSlot[120], 4);
  EXPECT_EQ(h.itemHeld[0], 1);
  EXPECT_EQ(h.itemSlot[0], 9);
  EXPECT_EQ(h.itemHeld[77], 0);
  EXPECT_EQ(h.severalHeldBack, 1);
  EXPECT_EQ(h.itemsReturned, 1);
  EXPECT_EQ(h.holdingAny, 0);
  EXPECT_EQ(h.stillHolding, 0);

  // Room for one of two: the later entry comes back, the other waits.
  HouseScreen full(PlaceKind::Village);
  for (uint8_t& cell : full.bag) cell = 50;
  full.bag[7] = 0;
  full.heldBack[0] = full.heldBack[1] = 1;
  full.heldBackCopy[0] = 10;
  full.heldBackCopy[1] = 11;
  full.ReturnHeldItems();
  EXPECT_EQ(full.bag[7], 12);
  EXPECT_EQ(full.heldBack[0], 1);
  EXPECT_EQ(full.heldBackCount, 1);
  EXPECT_EQ(full.stillHolding, 0);
  full.ReturnHeldItems();
  EXPECT_EQ(full.itemsReturned, 0);
  EXPECT_EQ(full.stillHolding, 1);
}

// The place table and the pictures' table describe the same seventeen
// places in the same order.
TEST(PlaceTable, RowsMatchThePicturesTable) {
  for (int i = 0; i < kPlaceRows; ++i) {
    EXPECT_EQ(kPlaces[i].kind, house_art::kPlaces[i].kind) << i;
    EXPECT_EQ(kPlaces[i].number, house_art::kPlaces[i].number) << i;
    EXPECT_EQ(FindPlace(kPlaces[i].kind, kPlaces[i].number), &kPlaces[i]) << i;
  }
  EXPECT_EQ(FindPlace(PlaceKind::Village, 0), nullptr);
  EXPECT_EQ(FindPlace(PlaceKind::Village, 10), nullptr);
  EXPECT_EQ(FindPlace(PlaceKind::Town, 5), nullptr);
}
