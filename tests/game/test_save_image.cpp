#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/game_state_dump.h"
#include "game/save_image.h"
#include "test_folder.h"

namespace {

uint32_t Word(const std::vector<uint8_t>& image, int n) {
  const uint8_t* p = image.data() + 4 * n;
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void SetWord(std::vector<uint8_t>& image, int n, uint32_t v) {
  uint8_t* p = image.data() + 4 * n;
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

std::vector<uint8_t> Image(const GameState& s, const SaveExtras& e = SaveExtras()) {
  std::vector<uint8_t> image(kSaveImageBytes);
  WriteSaveImage(s, e, image.data());
  return image;
}

std::string Dump(const GameState& s) {
  JsonOut out;
  DumpGameState(s, out);
  return out.Text();
}

// Compares two records through their dumps; on a difference shows only the
// text around the first differing character.
::testing::AssertionResult SameRecord(const GameState& a, const GameState& b) {
  std::string x = Dump(a), y = Dump(b);
  if (x == y) return ::testing::AssertionSuccess();
  size_t i = 0;
  while (i < x.size() && i < y.size() && x[i] == y[i]) ++i;
  size_t from = i > 80 ? i - 80 : 0;
  return ::testing::AssertionFailure()
         << "records differ at ..." << x.substr(from, 120) << "\n vs ..." << y.substr(from, 120);
}

std::unique_ptr<GameState> NewGame() {
  auto s = std::make_unique<GameState>();
  RunNewGameSequence(*s);
  return s;
}

bool IsUnwritten(int n) {
  return (n >= 131 && n <= 150) || (n >= 1266 && n <= 1299) || (n >= 4009 && n <= 4028) ||
         n >= 13795;
}

// An image in which every word holds its own value within its field's range,
// with the numbers the reader checks kept in their tables and every hero in
// the party.
std::vector<uint8_t> DistinctImage() {
  std::vector<uint8_t> image(kSaveImageBytes);
  for (const SaveImageField& f : SaveImageFields()) {
    const uint64_t span = static_cast<uint64_t>(f.range.max - f.range.min) + 1;
    for (int n = f.word; n < f.word + f.count; ++n)
      SetWord(image, n, static_cast<uint32_t>(f.range.min + ((0x01000193u * n + 7) | 1) % span));
  }
  auto range = [&](int first, int count, uint32_t modulo, uint32_t offset = 0) {
    for (int i = 0; i < count; ++i) SetWord(image, first + i, (first + i) % modulo + offset);
  };
  range(1, 100, 8);        // quest stages
  range(1054, 1, 100);     // snapshot entry index
  range(1233, 1, 100);     // defeatedArmy
  range(1613, 1, 101);     // battleId
  range(1981, 1, 11);      // battleHero
  range(1982, 2, 12);      // exchange members
  range(1984, 1, 4, 1);    // townNumber
  range(1985, 1, 11, 1);   // visitorCode
  range(2007, 1, 9, 1);    // villageNumber
  range(2029, 1, 3);       // playerPortrait
  range(2318, 256, 31);    // playerItemSlot
  range(2584, 1, 10801);   // partyCell
  range(2585, 1, 8);       // playerMapState
  range(2812, 10, 10801);  // heroCell
  range(2822, 10, 8);      // heroMapState
  range(2832, 10, 1, 1);   // heroPresent: all
  range(2842, 10, 36);     // heroStripPlace
  range(2852, 10, 3);      // heroPortrait
  auto armies = [&](int base, bool hero4) {
    range(base, 12, 31);      // kind codes, used flags
    range(base + 12, 6, 6);   // panel places
    range(base + 18, 6, 30);  // kinds
    (void)hero4;
  };
  armies(2586, false);
  for (int k = 0; k < 10; ++k) armies(k <= 4 ? 2962 + 216 * k : 2961 + 216 * k, k == 4);
  for (int k = 0; k < 10; ++k) range(5121 + 543 * k + 256, 256, 31);  // hero item slots
  range(11307, 180, 31);  // gem and artifact pictures (and flags)
  range(11487, 60, 11);   // village and town pictures (and flags)
  range(13791, 3, 3, 1);  // speeds
  range(13788, 1, 6);     // slot
  return image;
}

}  // namespace

TEST(SaveImage, SizeHeaderAndWordPlaces) {
  auto s = NewGame();
  s->gold = 1234;
  s->day = 17;
  s->fame = 99;
  s->slot = 3;
  s->heroArmies[0].armyNames[2][4] = 77;
  s->heroArmies[4].armyNames[5][20] = 55;
  s->heroArmies[4].armyTail2[5] = 44;
  s->heroArmies[5].armyKindCode[0] = 33;
  s->battleDifficulty[99] = 66;
  s->battleExtra[0] = 65;
  s->heroNames[3][7] = 88;
  s->heroStats[5][3] = -9;
  SaveExtras e;
  e.endVictory = 1;
  e.endSurrendered = 255;

  std::vector<uint8_t> file = SaveFileBytes(*s, e);
  ASSERT_EQ(file.size(), 69996u);
  EXPECT_EQ(file[0], 0x68);  // 69,992 = 0x11168
  EXPECT_EQ(file[1], 0x11);
  EXPECT_EQ(file[2], 0x01);
  EXPECT_EQ(file[3], 0x00);
  std::vector<uint8_t> image(file.begin() + 4, file.end());
  EXPECT_EQ(image, Image(*s, e));

  EXPECT_EQ(Word(image, 0), 1234u);
  EXPECT_EQ(Word(image, 11548), 1234u);
  EXPECT_EQ(Word(image, 1206), 17u);
  EXPECT_EQ(Word(image, 1053), 99u);
  EXPECT_EQ(Word(image, 1 + 2), 1u);  // quest 3 open
  for (int i = 0; i < kGlyphNameLength; ++i) EXPECT_EQ(Word(image, 2008 + i), s->playerName[i]);
  EXPECT_EQ(Word(image, 2584), 1503u);
  EXPECT_EQ(Word(image, 13785), 1u);
  EXPECT_EQ(Word(image, 13786), 0u);
  EXPECT_EQ(Word(image, 13787), 255u);  // a byte is zero-extended
  EXPECT_EQ(Word(image, 13788), 3u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Word(image, 13789 + i), s->options[i]);
  EXPECT_EQ(Word(image, 13240), static_cast<uint32_t>(-1115));  // two's complement
  EXPECT_EQ(Word(image, 13241), 320u);
  // Army names: hero 0 name 2 letter 4; hero 4's sixth name far away; hero 5
  // one word earlier than the plain layout.
  EXPECT_EQ(Word(image, 2962 + 78 + 21 * 2 + 4), 77u);
  EXPECT_EQ(Word(image, 11649 + 20), 55u);
  EXPECT_EQ(Word(image, 4029 + 6 + 5), 44u);
  EXPECT_EQ(Word(image, 4041), 33u);
  EXPECT_EQ(Word(image, 2962 + 78 + 21 * 0), s->heroArmies[0].armyNames[0][0]);
  EXPECT_EQ(Word(image, 2586 + 48 + 1), 13u);  // the player's second army count
  EXPECT_EQ(Word(image, 1713), 66u);
  EXPECT_EQ(Word(image, 1714), 65u);
  EXPECT_EQ(Word(image, 10572 + 35 * 3 + 7), 88u);
  EXPECT_EQ(Word(image, 2862 + 10 * 5 + 3), static_cast<uint32_t>(-9));
  for (int n = 0; n < kSaveImageWords; ++n) {
    if (IsUnwritten(n)) {
      ASSERT_EQ(Word(image, n), 0u) << n;
    }
  }
}

TEST(SaveImage, EveryFieldRoundTrips) {
  std::vector<uint8_t> image = DistinctImage();
  SaveExtras e1;
  auto a = std::make_unique<GameState>();
  ASSERT_EQ(ReadSaveImage(*a, e1, image.data(), image.size()), 1);

  // Written back and read into a fresh record, everything comes back; the
  // image is stable from then on.
  std::vector<uint8_t> image2 = Image(*a, e1);
  SaveExtras e2;
  auto b = std::make_unique<GameState>();
  ASSERT_EQ(ReadSaveImage(*b, e2, image2.data(), image2.size()), 1);
  EXPECT_TRUE(SameRecord(*a, *b));
  EXPECT_EQ(Image(*b, e2), image2);
  // Every written word reaches a field of its own and comes back: whole for a
  // 32-bit field, as its low byte for a byte field.
  for (int n = 0; n < kSaveImageWords; ++n) {
    // The first copies of gold and mapSnapshotState take the second's value.
    int from = n == 0 ? 11548 : n == 1052 ? 1234 : n;
    uint32_t in = Word(image, from), out = Word(image2, n);
    ASSERT_TRUE(out == in || out == (in & 255)) << "word " << n << ": " << in << " -> " << out;
  }
  EXPECT_EQ(e2.cameraX, e1.cameraX);
  EXPECT_EQ(e2.endPeaceTreaty, e1.endPeaceTreaty);

  // 32-bit fields take their words whole, byte fields the low byte.
  EXPECT_EQ(static_cast<uint32_t>(a->gold), Word(image, 11548));  // the second copy wins
  EXPECT_EQ(a->day, Word(image, 1206));
  EXPECT_EQ(static_cast<uint32_t>(a->mapSnapshot.member10[149]), Word(image, 1612));
  EXPECT_EQ(a->mapSnapshotState, Word(image, 1234) & 255);
  EXPECT_EQ(a->playerLevel, Word(image, 2583) & 255);
  EXPECT_EQ(a->mapSnapshot.heroIndex, Word(image, 1065) & 255);
  EXPECT_EQ(a->caughtByArmy, Word(image, 13784) & 255);
  EXPECT_EQ(a->fameRewardsShown, Word(image, 13582) & 255);
  EXPECT_EQ(a->chestPresent[20], Word(image, 1236) & 255);
  EXPECT_EQ(a->chestPresent[0], Word(image, 1959) & 255);
  EXPECT_EQ(a->worldBlockA[33][9], Word(image, 13581) & 255);
  EXPECT_EQ(a->battleDifficulty[99], Word(image, 1713) & 255);
  EXPECT_EQ(static_cast<uint32_t>(e1.cameraY), Word(image, 13241));
}

TEST(SaveImage, WhatTheReaderSkipsAndKeeps) {
  auto s = NewGame();
  s->heroPresent[2] = 1;
  s->heroArmies[2].armyCount[0] = 50;
  s->heroArmies[3].armyCount[0] = 51;
  s->heroItems[3].items[0] = 9;
  std::vector<uint8_t> image = Image(*s);
  // Junk in the words nobody reads.
  for (int n = 0; n < kSaveImageWords; ++n) {
    if (IsUnwritten(n)) SetWord(image, n, 0xDEADBEEF);
  }

  auto t = NewGame();
  t->heroArmies[2].armyCount[0] = 1;
  t->heroArmies[3].armyCount[0] = 2;  // hero 3 is absent: kept as it is
  t->heroItems[3].items[0] = 3;
  t->storyScene = 4;  // not saved: kept
  t->hallScores[0] = 700;
  SaveExtras e;
  ASSERT_EQ(ReadSaveImage(*t, e, image.data(), image.size()), 1);
  EXPECT_EQ(t->heroArmies[2].armyCount[0], 50);
  EXPECT_EQ(t->heroArmies[3].armyCount[0], 2);
  EXPECT_EQ(t->heroItems[3].items[0], 3);
  EXPECT_EQ(t->storyScene, 4);
  EXPECT_EQ(t->hallScores[0], 700u);
  EXPECT_EQ(e.cameraX, -1115);
  t->heroArmies[3] = s->heroArmies[3];
  t->heroItems[3] = s->heroItems[3];
  t->storyScene = 0;
  t->hallScores[0] = 0;
  EXPECT_TRUE(SameRecord(*t, *s));

  // A snapshot entry whose army has left the map is dropped.
  s->mapSnapshot.member1[0] = 5;
  s->enemyPresent[5] = 0;
  image = Image(*s);
  ASSERT_EQ(ReadSaveImage(*t, e, image.data(), image.size()), 1);
  EXPECT_EQ(t->mapSnapshot.member1[0], 0);
  s->enemyPresent[5] = 1;
  image = Image(*s);
  ASSERT_EQ(ReadSaveImage(*t, e, image.data(), image.size()), 1);
  EXPECT_EQ(t->mapSnapshot.member1[0], 5);
}

TEST(SaveImage, DamagedImagesAreRefusedWhole) {
  auto s = NewGame();
  s->gold = 500;
  const std::string before = Dump(*s);
  auto other = NewGame();
  other->gold = 77;
  std::vector<uint8_t> good = Image(*other);
  SaveExtras e;
  e.cameraX = 4;

  auto refused = [&](const std::vector<uint8_t>& image) {
    SaveExtras copy = e;
    int result = ReadSaveImage(*s, copy, image.data(), image.size());
    return result == 0 && Dump(*s) == before && copy.cameraX == 4;
  };
  std::vector<uint8_t> shortImage(good.begin(), good.end() - 1);
  EXPECT_TRUE(refused(shortImage));
  std::vector<uint8_t> longImage = good;
  longImage.push_back(0);
  EXPECT_TRUE(refused(longImage));
  EXPECT_TRUE(refused({}));

  struct Bad {
    int word;
    uint32_t value;
  };
  const Bad bad[] = {
      {1 + 4, 8},                           // a quest stage beyond closed
      {13788, 6},                           // save slot
      {2584, 10801},                        // party cell
      {2812 + 9, 20000},                    // a hero's cell
      {1985, 0},                            // visitor
      {1985, 12},         {1984, 5},        // town number
      {2007, 0},                            // village number
      {1981, 11},                           // fighting hero
      {1982, 50},                           // exchange member
      {1613, 101},                          // battle id
      {1233, 100},                          // beaten army
      {1054, 100},                          // snapshot entry
      {2318 + 10, 31},                      // the player's item place
      {2586 + 12 + 3, 6},                   // an army's panel place
      {2586 + 18, 30},                      // an army kind
      {2585, 8},                            // facing
      {2842 + 4, 36},                       // a strip place beyond the strip's 35
      {2029, 3},                            // portrait
      {13791, 0},                           // a speed
      {13793, 4},         {11307 + 5, 31},  // a gem picture
      {13794, 2},                           // the night due
      {11517, 11},                          // a town picture
  };
  for (const Bad& b : bad) {
    std::vector<uint8_t> image = good;
    SetWord(image, b.word, b.value);
    EXPECT_TRUE(refused(image)) << "word " << b.word;
  }
  // Every one of the strip's 35 places loads.
  std::vector<uint8_t> image = good;
  SetWord(image, 2842 + 4, 35);
  {
    GameState v;
    SaveExtras ve;
    ASSERT_EQ(ReadSaveImage(v, ve, image.data(), image.size()), 1);
    EXPECT_EQ(v.heroStripPlace[4], 35);
  }

  // A present hero's records are checked; an absent hero's are not read.
  image = good;
  SetWord(image, 5121 + 543 * 6 + 256 + 3, 40);
  auto u = NewGame();
  SaveExtras ue;
  EXPECT_EQ(ReadSaveImage(*u, ue, image.data(), image.size()), 1);
  SetWord(image, 2832 + 6, 1);
  EXPECT_TRUE(refused(image));

  // The file form checks its count.
  std::vector<uint8_t> file = SaveFileBytes(*other, e);
  file[0] = 0x70;
  GameState t;
  EXPECT_EQ(ReadSaveFileBytes(t, e, file.data(), file.size()), 0);
  file[0] = 0x68;
  EXPECT_EQ(ReadSaveFileBytes(t, e, file.data(), file.size() - 1), 0);
  EXPECT_EQ(ReadSaveFileBytes(t, e, file.data(), 3), 0);
  EXPECT_EQ(ReadSaveFileBytes(t, e, file.data(), file.size()), 1);
  EXPECT_EQ(t.gold, 77);
}

TEST(SaveImage, ThroughFiles) {
  namespace fs = std::filesystem;
  fs::path dir = fs::path(TestFolder()) / "record_saves";
  fs::create_directories(dir);
  std::string path = (dir / "2.save").string();
  auto s = NewGame();
  s->gold = 4321;
  s->heroPresent[1] = 1;
  SaveExtras e;
  e.cameraX = -1800;
  e.endPeaceTreaty = 1;
  ASSERT_EQ(SaveGameFile(*s, e, path.c_str()), 1);
  EXPECT_EQ(fs::file_size(path), 69996u);

  auto t = NewGame();
  t->gold = 3;
  SaveExtras back;
  ASSERT_EQ(LoadGameFile(*t, back, path.c_str()), 1);
  EXPECT_TRUE(SameRecord(*t, *s));
  EXPECT_EQ(back.cameraX, -1800);
  EXPECT_EQ(back.endPeaceTreaty, 1);
  EXPECT_EQ(LoadGameFile(*t, back, (dir / "missing.save").string().c_str()), 0);

  // A truncated file is refused and the record stays.
  fs::resize_file(path, 69000);
  t->gold = 1;
  EXPECT_EQ(LoadGameFile(*t, back, path.c_str()), 0);
  EXPECT_EQ(t->gold, 1);

  // The hall of fame's own file.
  std::string hall = (dir / "HallOfFame.save").string();
  s->hallUsed[0] = 1;
  s->hallScores[0] = 123456;
  GlyphFromText("Winner", s->hallNames[0]);
  ASSERT_EQ(SaveHallOfFameFile(*s, hall.c_str()), 1);
  EXPECT_EQ(fs::file_size(hall), 604u);
  GameState h;
  ASSERT_EQ(LoadHallOfFameFile(h, hall.c_str()), 1);
  EXPECT_EQ(h.hallScores[0], 123456u);
  EXPECT_EQ(h.hallUsed[0], 1);
  EXPECT_EQ(GlyphToText(h.hallNames[0]), "Winner");
}

// A game saved in a battle of the armies' turn keeps the night of its day
// change in the first word that older saves leave 0; without one the image
// is theirs byte for byte.
TEST(SaveImage, TheNightDueTravelsInAWordOlderSavesLeaveZero) {
  auto s = NewGame();
  s->savedInBattle = 1;
  const std::vector<uint8_t> older = Image(*s);
  SaveExtras due;
  due.dayRecoveryPending = 1;
  const std::vector<uint8_t> withNight = Image(*s, due);
  for (int n = 0; n < kSaveImageWords; ++n)
    ASSERT_EQ(Word(withNight, n), n == 13794 ? 1u : Word(older, n)) << n;
  // An older save over a game that had a night due: none comes with it.
  ASSERT_EQ(ReadSaveImage(*s, due, older.data(), older.size()), 1);
  EXPECT_EQ(due.dayRecoveryPending, 0);
}

TEST(HallOfFameImage, RowFormat) {
  GameState s;
  s.hallScores[0] = 123456;
  s.hallScores[1] = 2600000;
  s.hallScores[4] = 7;
  s.hallUsed[0] = s.hallUsed[1] = 1;
  s.hallNames[1][20] = 77;
  std::vector<uint8_t> image(kHallOfFameBytes);
  WriteHallOfFameImage(s, image.data());
  EXPECT_EQ(Word(image, 0), 12u);
  EXPECT_EQ(Word(image, 1), 34u);
  EXPECT_EQ(Word(image, 2), 56u);
  EXPECT_EQ(Word(image, 3), 4u);  // (2,600,000 / 10,000) AND 255
  EXPECT_EQ(Word(image, 14), 7u);
  EXPECT_EQ(Word(image, 15), 1u);
  EXPECT_EQ(Word(image, 17), 0u);
  EXPECT_EQ(Word(image, 20 + 21 + 20), 77u);
  for (int n = 125; n < kHallOfFameWords; ++n) EXPECT_EQ(Word(image, n), 0u);

  for (int n = 125; n < kHallOfFameWords; ++n) SetWord(image, n, 0xFFFFFFFF);
  SetWord(image, 19, 0x100 | 1);
  GameState t;
  ASSERT_EQ(ReadHallOfFameImage(t, image.data(), image.size()), 1);
  EXPECT_EQ(t.hallScores[0], 123456u);
  EXPECT_EQ(t.hallScores[1], 40000u);
  EXPECT_EQ(t.hallUsed[4], 1);
  EXPECT_EQ(t.hallNames[1][20], 77);
  EXPECT_EQ(ReadHallOfFameImage(t, image.data(), 599), 0);
  EXPECT_EQ(t.hallScores[0], 123456u);
}

TEST(SaveImage, FameLadderFlagsTravelInUnusedNameCells) {
  auto s = NewGame();
  const std::vector<uint8_t> plain = Image(*s);
  for (int r = 0; r < kFameRungs; ++r)
    EXPECT_EQ(s->fameRungDone()[r], 0) << r;  // a new game paid none
  for (int r = 0; r < kFameRungs; r += 2) s->fameRungDone()[r] = 1;
  const std::vector<uint8_t> marked = Image(*s);
  ASSERT_EQ(marked.size(), size_t{kSaveImageBytes});
  // Only the words of row 0, columns 12..34 of the hero names differ.
  const int first = 10572 + kFameRungColumn;
  for (int w = 0; w < kSaveImageWords; ++w) {
    const bool rung = w >= first && w < first + kFameRungs;
    EXPECT_EQ(Word(marked, w), rung && (w - first) % 2 == 0 ? 1u : Word(plain, w)) << w;
  }
  // The hero names themselves are untouched.
  uint8_t name[kGlyphNameLength];
  auto fresh = NewGame();
  for (int k = 0; k < kHeroCount; ++k) {
    uint8_t before[kGlyphNameLength];
    fresh->GetHeroName(k, before);
    s->GetHeroName(k, name);
    EXPECT_EQ(0, std::memcmp(before, name, kGlyphNameLength)) << k;
  }

  auto loaded = NewGame();
  SaveExtras e;
  ASSERT_EQ(ReadSaveImage(*loaded, e, marked.data(), marked.size()), 1);
  for (int r = 0; r < kFameRungs; ++r)
    EXPECT_EQ(loaded->fameRungDone()[r], r % 2 == 0 ? 1 : 0) << r;
}

namespace {

// A game under way: every hero in the party, armies on the march, a battle
// stored for resuming, the camera at a corner. Each value is one play makes.
std::unique_ptr<GameState> GameUnderWay() {
  auto s = NewGame();
  s->day = 63;
  s->gold = 25870;
  s->fame = 412;
  for (int k = 0; k < kHeroCount; ++k) {
    s->heroPresent[k] = 1;
    s->heroCell[k] = 1503 + 2 * k;
    s->heroStats[kStatExperience][k] = 3000 + k;
  }
  s->playerStats[kStatExperience] = 18500;
  s->wealth.townOwned[2] = 1;
  s->ComputeScore();
  for (int a = 0; a < kEnemyArmies; a += 7) {
    s->enemyPresent[a] = 1;
    s->worldBlockC[0][a] = -1720 + 40 * a;
    s->worldBlockC[1][a] = -1080 + 20 * a;
    s->worldBlockC[2][a] = 1 + 100 * a;
  }
  s->mapSnapshot.member2[0] = 3560;
  s->mapSnapshot.snapshotLegY[3] = 1960;
  s->mapSnapshot.member8[60] = -1800;
  s->partyX = 880;
  s->partyY = -1200;
  s->savedInBattle = 1;
  s->battleResume.member1 = 5;
  s->battleResume.member2 = 300;
  s->worldBlockK[10] = 1520;
  s->worldBlockM[30] = 1120;
  return s;
}

}  // namespace

// The 32-bit fields hold what play makes: every word of every field at
// 0x7FFFFFFF and at 0x80000000 (a byte word too, whose writer zero-extends
// it) is refused with the record and the camera untouched, in a new game and
// in a game under way; the edges of every range load.
TEST(SaveImage, EveryWordAtAnExtremeIsRefused) {
  // The fields cover every written word once.
  std::vector<int> owners(kSaveImageWords, 0);
  for (const SaveImageField& f : SaveImageFields())
    for (int n = f.word; n < f.word + f.count; ++n) ++owners[n];
  for (int n = 0; n < kSaveImageWords; ++n) ASSERT_EQ(owners[n], IsUnwritten(n) ? 0 : 1) << n;

  SaveExtras corner;
  corner.cameraX = save_limits::kCameraX.max;
  corner.cameraY = save_limits::kCameraY.min;
  struct Base {
    std::unique_ptr<GameState> state;
    SaveExtras extras;
  };
  Base bases[] = {{NewGame(), SaveExtras()}, {GameUnderWay(), corner}};
  for (const Base& base : bases) {
    const std::vector<uint8_t> good = Image(*base.state, base.extras);
    auto target = NewGame();
    SaveExtras targetExtras;
    targetExtras.cameraX = 7;
    ASSERT_EQ(ReadSaveImage(*target, targetExtras, good.data(), good.size()), 1);
    ASSERT_EQ(Image(*target, targetExtras), good);
    target = NewGame();
    targetExtras.cameraX = 7;
    std::vector<uint8_t> before(sizeof(GameState));
    std::memcpy(before.data(), static_cast<const void*>(target.get()), before.size());

    for (const SaveImageField& f : SaveImageFields()) {
      // An absent hero's records are not read (WhatTheReaderSkipsAndKeeps).
      if (f.hero >= 0 && !base.state->heroPresent[f.hero]) continue;
      for (int n = f.word; n < f.word + f.count; ++n) {
        for (uint32_t extreme : {0x7FFFFFFFu, 0x80000000u}) {
          std::vector<uint8_t> image = good;
          SetWord(image, n, extreme);
          SaveExtras e = targetExtras;
          ASSERT_EQ(ReadSaveImage(*target, e, image.data(), image.size()), 0)
              << f.name << " word " << n << " = " << extreme;
          ASSERT_EQ(
              std::memcmp(before.data(), static_cast<const void*>(target.get()), before.size()), 0)
              << f.name;
          ASSERT_EQ(e.cameraX, 7);
        }
      }
    }

    // Every 32-bit word at either end of its range loads and keeps its value.
    for (bool top : {false, true}) {
      std::vector<uint8_t> image = good;
      for (const SaveImageField& f : SaveImageFields()) {
        if (f.kind == SaveWordKind::kByte || (f.hero >= 0 && !base.state->heroPresent[f.hero]))
          continue;
        for (int n = f.word; n < f.word + f.count; ++n)
          SetWord(image, n, static_cast<uint32_t>(top ? f.range.max : f.range.min));
      }
      auto edge = NewGame();
      SaveExtras e;
      ASSERT_EQ(ReadSaveImage(*edge, e, image.data(), image.size()), 1) << top;
      EXPECT_EQ(Image(*edge, e), image);
    }
  }
  // The limits are the game's own: day 110 is the last.
  EXPECT_EQ(save_limits::kDay.max, 110);
  EXPECT_EQ(save_limits::kScore.max, 540);
}

namespace {

// A save with known contents, written word by word from the image's layout
// as this file states it (not by the writer): a distinct value in a place of
// its own in every field, and what the reader must make of it.
using Decoded = int64_t (*)(const GameState&, const SaveExtras&);
struct KnownWord {
  int word;
  int32_t value;
  Decoded field;
};
// clang-format off
#define FIELD(expr) [](const GameState& s, const SaveExtras& e) -> int64_t { (void)s; (void)e; return expr; }
const KnownWord kKnownSave[] = {
    {0, 4321, FIELD(s.gold)},                  {11548, 4321, FIELD(s.gold)},
    {5, 6, FIELD(s.questStage[4])},            {111, 11, FIELD(s.placeState[10])},
    {251, 21, FIELD(s.worldBlockB[100])},      {255, 1, FIELD(s.enemyPresent[3])},
    {355, -1234, FIELD(s.worldBlockC[0][3])},  {455, 567, FIELD(s.worldBlockC[1][3])},
    {555, 2345, FIELD(s.worldBlockC[2][3])},   {955, 7, FIELD(s.worldBlockD[3][3])},
    {1052, 2, FIELD(s.mapSnapshotState)},      {1234, 2, FIELD(s.mapSnapshotState)},
    {1053, 77, FIELD(s.fame)},                 {1054, 3, FIELD(s.mapSnapshot.member1[0])},
    {1055, 12, FIELD(s.mapSnapshot.member1[1])},
    {1058, -640, FIELD(s.mapSnapshot.member2[1])},
    {1061, 5432, FIELD(s.mapSnapshot.member2[4])},
    {1064, 13, FIELD(s.mapSnapshot.member3[2])},
    {1065, 4, FIELD(s.mapSnapshot.heroIndex)},
    {1167, 5, FIELD(s.mapSnapshot.member3Rest[101])},
    {1177, 9, FIELD(s.mapSnapshot.snapshotLegA[2])},
    {1188, 1480, FIELD(s.mapSnapshot.snapshotLegX[6])},
    {1195, -440, FIELD(s.mapSnapshot.snapshotLegY[6])},
    {1205, 14, FIELD(s.mapSnapshot.member5[9])},
    {1304, 15, FIELD(s.mapSnapshot.member5[14])},
    {1206, 57, FIELD(s.day)},                  {1207, 1, FIELD(s.savedInBattle)},
    {1213, 77, FIELD(s.battleResume.member3[5])},
    {1214, 123, FIELD(s.battleResume.member2)},
    {1228, 3, FIELD(s.battleResume.member4[13])},
    {1229, 9, FIELD(s.battleResume.member1)},
    {1230, 1, FIELD(s.useFallbackCells)},      {1231, -760, FIELD(s.partyX)},
    {1232, 1160, FIELD(s.partyY)},             {1233, 42, FIELD(s.defeatedArmy)},
    {1235, 2, FIELD(s.relocationState)},       {1265, 16, FIELD(s.chestPresent[49])},
    {1305, -1000, FIELD(s.mapSnapshot.member6[0])},
    {1307, 8001, FIELD(s.mapSnapshot.member6[2])},
    {1308, 17, FIELD(s.mapSnapshot.member7)},
    {1358, 7001, FIELD(s.mapSnapshot.member8[49])},
    {1408, 2400, FIELD(s.mapSnapshot.member8[99])},
    {1458, -1100, FIELD(s.mapSnapshot.member8[149])},
    {1461, 6001, FIELD(s.mapSnapshot.member8[152])},
    {1462, 18, FIELD(s.mapSnapshot.member9)},
    {1473, 5001, FIELD(s.mapSnapshot.member10[10])},
    {1523, 3000, FIELD(s.mapSnapshot.member10[60])},
    {1612, 1999, FIELD(s.mapSnapshot.member10[149])},
    {1613, 43, FIELD(s.battleId)},             {1713, 19, FIELD(s.battleDifficulty[99])},
    {1715, 20, FIELD(s.battleExtra[1])},       {1918, 22, FIELD(s.hallNames[4][20])},
    {1938, 23, FIELD(s.mapObjectFlagsA[19])},  {1944, 24, FIELD(s.bagPresent[5])},
    {1959, 25, FIELD(s.chestPresent[0])},      {1979, 26, FIELD(s.battlePending)},
    {1980, 27, FIELD(s.battleByPlayer)},       {1981, 7, FIELD(s.battleHero)},
    {1982, 11, FIELD(s.exchangeLeft)},         {1983, 100, FIELD(s.exchangeRight)},
    {1984, 3, FIELD(s.townNumber)},            {1985, 8, FIELD(s.visitorCode)},
    {1988, 28, FIELD(s.renameBuffer[2])},      {2007, 9, FIELD(s.villageNumber)},
    {2008, 29, FIELD(s.playerName[0])},        {2029, 2, FIELD(s.playerPortrait)},
    {2030, 5, FIELD(s.playerDayAllowance)},    {2061, 30, FIELD(s.playerItems[30])},
    {2317, 31, FIELD(s.playerItemHeld[255])},  {2325, 30, FIELD(s.playerItemSlot[7])},
    {2577, 321, FIELD(s.playerStats[3])},      {2582, 98765, FIELD(s.playerStats[8])},
    {2583, 33, FIELD(s.playerLevel)},          {2584, 1503, FIELD(s.partyCell)},
    {2585, 7, FIELD(s.playerMapState)},
    {2587, 21, FIELD(s.playerArmies.armyKindCode[1])},
    {2593, 1, FIELD(s.playerArmies.armyUsed[1])},
    {2599, 5, FIELD(s.playerArmies.armyPanelPlace[1])},
    {2605, 29, FIELD(s.playerArmies.armyKind[1])},
    {2611, 111, FIELD(s.playerArmies.armyValue1[1])},
    {2617, 222, FIELD(s.playerArmies.armyValue2[1])},
    {2623, 333, FIELD(s.playerArmies.armyValue3[1])},
    {2629, 444, FIELD(s.playerArmies.armyValue4[1])},
    {2635, 34, FIELD(s.playerArmies.armyCount[1])},
    {2641, 35, FIELD(s.playerArmies.armyMark1[1])},
    {2647, 36, FIELD(s.playerArmies.armyMark2[1])},
    {2653, 37, FIELD(s.playerArmies.armyMark3[1])},
    {2659, 38, FIELD(s.playerArmies.armyMark4[1])},
    {2789, 39, FIELD(s.playerArmies.armyNames[5][20])},
    {2795, 40, FIELD(s.playerArmies.armyTail1[5])},
    {2801, 41, FIELD(s.playerArmies.armyTail2[5])},
    {2811, 6, FIELD(s.heroDayAllowance[9])},   {2818, 2222, FIELD(s.heroCell[6])},
    {2828, 3, FIELD(s.heroMapState[6])},       {2836, 1, FIELD(s.heroPresent[4])},
    {2838, 1, FIELD(s.heroPresent[6])},        {2848, 35, FIELD(s.heroStripPlace[6])},
    {2858, 1, FIELD(s.heroPortrait[6])},       {2876, 250, FIELD(s.heroStats[1][4])},
    {2948, 4567, FIELD(s.heroStats[8][6])},    {2958, 12, FIELD(s.heroLevel[6])},
    // Hero 4's army record (3826-4041): its closing arrays one word early,
    // its sixth name far away.
    {3874, 46, FIELD(s.heroArmies[4].armyCount[0])},
    {3989, 47, FIELD(s.heroArmies[4].armyNames[4][1])},
    {4029, 48, FIELD(s.heroArmies[4].armyTail1[0])},
    {4040, 49, FIELD(s.heroArmies[4].armyTail2[5])},
    {11652, 50, FIELD(s.heroArmies[4].armyNames[5][3])},
    // Hero 6's army record (4257-4472) and items (8379-8921).
    {4259, 11, FIELD(s.heroArmies[6].armyKindCode[2])},
    {4283, 555, FIELD(s.heroArmies[6].armyValue1[2])},
    {4307, 42, FIELD(s.heroArmies[6].armyCount[2])},
    {4440, 43, FIELD(s.heroArmies[6].armyNames[5][0])},
    {4461, 44, FIELD(s.heroArmies[6].armyTail1[0])},
    {4472, 45, FIELD(s.heroArmies[6].armyTail2[5])},
    {8579, 1, FIELD(s.heroItems[6].held[200])},
    {8835, 18, FIELD(s.heroItems[6].slot[200])},
    {8909, 201, FIELD(s.heroItems[6].items[18])},
    {10571, 51, FIELD(s.heroNameBuffer[20])},  {10648, 52, FIELD(s.heroNames[2][6])},
    {11307, 3, FIELD(s.wealth.gemPicture[0])}, {11338, 1, FIELD(s.wealth.gemOwned[1])},
    {11369, 4, FIELD(s.wealth.gemPicture2[2])},
    {11400, 5, FIELD(s.wealth.artifactPicture[3])},
    {11431, 1, FIELD(s.wealth.artifactOwned[4])},
    {11462, 6, FIELD(s.wealth.artifactPicture2[5])},
    {11493, 7, FIELD(s.wealth.villagePicture[6])},
    {11504, 1, FIELD(s.wealth.villageJoined[7])},
    {11515, 8, FIELD(s.wealth.villagePicture2[8])},
    {11526, 9, FIELD(s.wealth.townPicture[9])},
    {11527, 1, FIELD(s.wealth.townOwned[0])},
    {11538, 10, FIELD(s.wealth.townPicture2[1])},
    {11547, 90, FIELD(s.score)},               {11629, 53, FIELD(s.armyOnRoad[80])},
    {11719, 54, FIELD(s.worldBlockJ[49])},     {11723, 480, FIELD(s.worldBlockK[3])},
    {11773, 320, FIELD(s.worldBlockK[53])},    {11823, 127, FIELD(s.worldBlockK[103])},
    {12439, 55, FIELD(s.worldBlockL[569])},    {12459, 1520, FIELD(s.worldBlockM[19])},
    {12479, 1120, FIELD(s.worldBlockM[39])},   {12499, 300, FIELD(s.worldBlockM[59])},
    {13139, 56, FIELD(s.worldBlockN[639])},    {13239, 57, FIELD(s.armyRoutePos[99])},
    {13240, -1500, FIELD(e.cameraX)},          {13241, 1200, FIELD(e.cameraY)},
    {13581, 58, FIELD(s.worldBlockA[33][9])},  {13582, 59, FIELD(s.fameRewardsShown)},
    {13605, 60, FIELD(s.fameRewardGranted[22])},
    {13705, 61, FIELD(s.fameRewardRow[22])},   {13783, 6, FIELD(s.worldBlockGEnd)},
    {13784, 62, FIELD(s.caughtByArmy)},        {13785, 63, FIELD(e.endVictory)},
    {13786, 64, FIELD(e.endPeaceTreaty)},      {13787, 65, FIELD(e.endSurrendered)},
    {13788, 4, FIELD(s.slot)},                 {13789, 1, FIELD(s.options[0])},
    {13791, 3, FIELD(s.options[2])},           {13792, 2, FIELD(s.options[3])},
    {13793, 1, FIELD(s.options[4])},          {13794, 1, FIELD(e.dayRecoveryPending)},
};
#undef FIELD
// clang-format on

}  // namespace

// The reader decodes a save written by hand field by field, and the writer
// gives back the very same bytes.
TEST(SaveImage, AKnownSaveDecodesFieldByField) {
  std::vector<uint8_t> image(kSaveImageBytes);
  for (const KnownWord& k : kKnownSave) SetWord(image, k.word, static_cast<uint32_t>(k.value));
  GameState s;
  SaveExtras e;
  ASSERT_EQ(ReadSaveImage(s, e, image.data(), image.size()), 1);
  for (const KnownWord& k : kKnownSave) EXPECT_EQ(k.field(s, e), k.value) << "word " << k.word;
  EXPECT_EQ(Image(s, e), image);
}
