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
         n >= 13794;
}

// An image in which every word holds its own value, with the numbers the
// reader checks kept in their ranges and every hero in the party.
std::vector<uint8_t> DistinctImage() {
  std::vector<uint8_t> image(kSaveImageBytes);
  for (int n = 0; n < kSaveImageWords; ++n)
    SetWord(image, n, IsUnwritten(n) ? 0 : (0x01000193u * n + 7) | 1);
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
  // A byte word with upper bits set reads as its low byte.
  SetWord(image, 2583, 0x12345600 | 120);

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
  EXPECT_EQ(t->playerLevel, 120);
  EXPECT_EQ(e.cameraX, -1115);
  t->playerLevel = s->playerLevel;
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
  fs::path dir = fs::path(QORV_TEST_OUT) / "record_saves";
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
