// Recruiting and disbanding at a place: what each kind offers and charges,
// where a bought army lands and what it costs, the refusals, the removal of
// the army shown in a cell, and the texts of the panel and its notes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/glyph_name.h"
#include "map/test_map_encounters_util.h"
#include "places/house_screen.h"
#include "places/place_table.h"
#include "platform/text_log.h"

namespace {

// The army kinds of the candidates the tests look at.
constexpr uint8_t kMilitia = 1;
constexpr uint8_t kDogs = 20;

// An object of the place with its candidates set up as on entry (day 1).
void Offering(HouseScreen& h, uint8_t number) {
  h.placeNumber = number;
  h.SetUpRecruits(1);
  h.MeasureNames();
}

// The candidate confirmed as Recruit Yes confirms it, and the purchase.
void Buy(HouseScreen& h, uint8_t candidate, int32_t& gold) {
  h.confirmedCandidate = candidate;
  h.recruitConfirmed = 1;
  h.ApplyRecruit(gold);
}

constexpr int kFree = -1;

// Slot s holds a pack of dogs drawn in cell places[s] + 1, or nothing (kFree).
void Occupy(HouseScreen& h, const int (&places)[kHouseArmySlots]) {
  for (int s = 0; s < kHouseArmySlots; ++s) {
    if (places[s] == kFree) continue;
    h.armyUsed[s] = 1;
    h.armyCode[s] = kDogs + 1;
    h.armyKind[s] = kDogs;
    h.armyPlace[s] = uint8_t(places[s]);
    h.armyCount[s] = 3;
  }
}

}  // namespace

// Villages and towns charge their table's prices, and less once joined, from
// the same five candidates; a single place sells at its own prices whatever
// the joined flags say. Every candidate has a name.
TEST(HouseRecruit, EveryKindOffersItsCandidatesAtItsPrices) {
  GameState s;
  struct Case {
    PlaceKind kind;
    uint8_t number;
    uint32_t prices[kRecruitCandidates];
    uint32_t joined[kRecruitCandidates];
  };
  const Case cases[] = {
      {PlaceKind::Village, 4, {120, 160, 240, 320, 500}, {110, 150, 230, 310, 490}},
      {PlaceKind::Town, 3, {710, 860, 1010, 1220, 1530}, {700, 850, 1000, 1200, 1500}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.kind));
    HouseScreen h(c.kind);
    Offering(h, c.number);
    for (int k = 0; k < kRecruitCandidates; ++k) {
      EXPECT_EQ(h.candidatePrice[k], c.prices[k]) << "candidate " << k + 1;
      EXPECT_EQ(h.candidateAvailable[k], 1);
      EXPECT_NE(h.candidateName[k][0], 0);
      EXPECT_EQ(h.candidateCount[k], (h.candidateTraining[k] + h.candidateEquipment[k]) / 10);
    }
    EXPECT_EQ(h.candidateAvailable[kRecruitCandidates], 0);
    *JoinedFlag(s, *h.Place()) = kPlaceJoined;
    h.ApplyJoinedPrices(s);
    h.ApplyJoinedPrices(s);
    for (int k = 0; k < kRecruitCandidates; ++k)
      EXPECT_EQ(h.candidatePrice[k], c.joined[k]) << "candidate " << k + 1;
  }

  HouseScreen village(PlaceKind::Village);
  Offering(village, 1);
  EXPECT_EQ(village.candidateKind[0], kDogs);
  EXPECT_EQ(GlyphToText(village.candidateName[0]), "Hounds");

  // Day 0 offers the first candidate only.
  village.SetUpRecruits(0);
  EXPECT_EQ(village.candidateAvailable[0], 1);
  EXPECT_EQ(village.candidateAvailable[1], 0);

  // The castle's first candidate: 5 Militia for 710 gold, as the tower's.
  HouseScreen castle(PlaceKind::Castle), tower(PlaceKind::Tower);
  Offering(castle, 0);
  Offering(tower, 0);
  EXPECT_EQ(castle.candidateKind[0], kMilitia);
  EXPECT_EQ(castle.candidateCount[0], 5);
  EXPECT_EQ(castle.candidatePrice[0], 710u);
  EXPECT_EQ(std::memcmp(castle.candidatePrice, tower.candidatePrice, sizeof castle.candidatePrice),
            0);
  std::fill(std::begin(s.wealth.villageJoined), std::end(s.wealth.villageJoined), kPlaceJoined);
  std::fill(std::begin(s.wealth.townOwned), std::end(s.wealth.townOwned), kPlaceJoined);
  castle.ApplyJoinedPrices(s);
  EXPECT_EQ(castle.candidatePrice[0], 710u);
}

// A purchase fills the lowest free slot, drawn in the cell of its own
// number, with the candidate's values, name and no wounds, and takes the
// price from the gold at once: exact gold leaves 0.
TEST(HouseRecruit, BuysIntoTheLowestFreeSlotAndPaysAtOnce) {
  CastleHouseScreen h;
  Offering(h, 0);
  Occupy(h, {0, 1, kFree, 3, kFree, kFree});
  // An old army's leftovers in the free slot 2.
  h.armyPlace[2] = 5;
  h.armyWound2[2] = 1;
  h.armyDowned[2] = 4;
  GlyphFromText("Old Guard Of Ages", h.armyName[2]);

  int32_t gold = 710;
  Buy(h, 1, gold);
  EXPECT_EQ(gold, 0);
  EXPECT_EQ(h.recruited, 1);
  EXPECT_EQ(h.recruitSlot, 2);
  EXPECT_EQ(h.recruitJoinedNote, 1);
  EXPECT_EQ(h.recruitConfirmed, 0);
  EXPECT_EQ(h.armyUsed[2], 1);
  EXPECT_EQ(h.armyCode[2], kMilitia + 1);
  EXPECT_EQ(h.armyPlace[2], 2);
  EXPECT_EQ(h.armyKind[2], kMilitia);
  EXPECT_EQ(h.armyCount[2], 5);
  EXPECT_EQ(h.armyAttack[2], 20);
  EXPECT_EQ(h.armyEquipment[2], 25);
  EXPECT_EQ(h.armyWound2[2], 0);
  EXPECT_EQ(h.armyDowned[2], 0);
  EXPECT_EQ(std::memcmp(h.armyName[2], h.candidateName[0], kGlyphNameLength), 0);
  EXPECT_EQ(h.armyNameLength[2], h.candidateNameLength[0]);
  EXPECT_EQ(h.armyCode[4], 0) << "one slot only";

  // Nothing more happens until the next confirmation.
  gold = 5000;
  h.ApplyRecruit(gold);
  EXPECT_EQ(gold, 5000);
  EXPECT_EQ(h.armyCode[4], 0);
}

// With too little gold (or gold below 0) nothing is bought and the money
// note goes up; with six armies nothing is bought and "no room" goes up,
// unless the money note is still showing.
TEST(HouseRecruit, RefusalsTakeNothing) {
  VillageHouseScreen h;
  Offering(h, 2);
  for (int32_t short_of : {119, -1, -1000000}) {
    SCOPED_TRACE(short_of);
    int32_t gold = short_of;
    h.notEnoughGold = 0;
    Buy(h, 1, gold);
    EXPECT_EQ(gold, short_of);
    EXPECT_EQ(h.notEnoughGold, 1);
    EXPECT_EQ(h.noRoomNote, 0);
    EXPECT_EQ(h.recruited, 0);
    EXPECT_EQ(h.armyCode[0], 0);
  }

  Occupy(h, {0, 1, 2, 3, 4, 5});
  uint8_t codes[kHouseArmySlots];
  std::memcpy(codes, h.armyCode, sizeof codes);
  int32_t gold = 500;
  Buy(h, 5, gold);
  EXPECT_EQ(h.noRoomNote, 0) << "the money note is still up, and only it shows";
  h.notEnoughGold = 0;
  Buy(h, 5, gold);
  EXPECT_EQ(h.noRoomNote, 1);
  EXPECT_EQ(h.recruitJoinedNote, 0);
  EXPECT_EQ(gold, 500);
  EXPECT_EQ(std::memcmp(codes, h.armyCode, sizeof codes), 0);
}

// Disband Yes removes the army drawn in the chosen cell, whichever slot
// holds it, and leaves every other army; the freed slot takes the next
// recruit. An empty cell stays empty.
TEST(HouseDisband, RemovesTheArmyDrawnInTheCell) {
  TownHouseScreen h;
  Offering(h, 1);
  // Slot 0 is drawn in cell 3, slot 2 in cell 1, slot 1 in cell 2.
  Occupy(h, {2, 1, 0, kFree, kFree, kFree});
  h.disbandPlace = 1;
  h.DisbandArmy();
  EXPECT_EQ(h.disbandPlace, 0);
  EXPECT_EQ(h.armyUsed[2], 0);
  EXPECT_EQ(h.armyCode[2], 0);
  EXPECT_EQ(h.armyCode[0], kDogs + 1) << "slot 0 is shown in another cell";
  EXPECT_EQ(h.armyUsed[0], 1);
  EXPECT_EQ(h.armyCode[1], kDogs + 1);
  EXPECT_EQ(h.armyCount[2], 3) << "the rest of the slot stays until a recruit comes";

  h.disbandPlace = 6;
  h.DisbandArmy();
  EXPECT_EQ(h.armyCode[0] && h.armyCode[1], true);

  int32_t gold = 2000;
  Buy(h, 3, gold);
  EXPECT_EQ(h.recruitSlot, 2);
  EXPECT_EQ(gold, 990);
  EXPECT_EQ(h.armyPlace[2], 2);
}

// What the panel and the notes write, and where: the gold's place by its
// size, a town's four-digit price further left, the three notes and the
// Disband question.
TEST(HouseRecruitDraw, TextsStandWhereTheyBelong) {
  poptest::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  TextLog log;
  d.dev.textLog = &log;
  TownHouseScreen h;
  h.LoadArt(&d.dev);
  Offering(h, 2);
  auto texts = [&](int32_t gold) {
    d.Begin();
    h.DrawRecruitMessages();
    h.DrawRecruitPanel(kHousePanelX, kHousePanelY, gold);
    d.End();
    std::string all;
    for (const DrawnText& t : log.Presented())
      all += t.text + "@" + std::to_string(t.x) + "," + std::to_string(t.y) + ";";
    return all;
  };
  EXPECT_EQ(texts(5), "") << "a closed panel draws nothing";

  h.recruitOpen = 1;
  EXPECT_EQ(texts(5), "You Have@480,20;5@490,50;gold@510,50;Recruit@270,460;");
  EXPECT_NE(texts(9999).find("9999@480,50;gold@540,50;"), std::string::npos);
  EXPECT_NE(texts(100000).find("100000@470,50;gold@546,50;"), std::string::npos);
  EXPECT_NE(texts(-3).find("-3@470,50;"), std::string::npos);

  h.selectedCandidate = 2;
  EXPECT_NE(texts(0).find("860@265,300;gold @310,300;Recruit?@270,340;"), std::string::npos);
  h.selectedCandidate = 3;
  EXPECT_NE(texts(0).find("1010@253,300;"), std::string::npos);

  h.recruitOpen = 0;
  h.noRoomNote = 1;
  h.notEnoughGold = 1;
  h.recruitJoinedNote = 1;
  h.disbandAsked = 1;
  EXPECT_EQ(texts(0),
            "No room for new recruit!@200,340;You don't have enough money!@160,340;"
            "New Recruit Joined!@210,340;Disband?@250,320;");
}
