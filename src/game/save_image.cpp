#include "game/save_image.h"

#include <cstring>
#include <memory>

#include "game/cell_geometry.h"
#include "platform/file_buffer.h"

namespace {

void PutWord(uint8_t* image, int word, uint32_t value) {
  uint8_t* p = image + 4 * word;
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
  p[2] = static_cast<uint8_t>(value >> 16);
  p[3] = static_cast<uint8_t>(value >> 24);
}

uint32_t GetWord(const uint8_t* image, int word) {
  const uint8_t* p = image + 4 * word;
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// One pass over the word map, either storing fields into the image or taking
// them back out; the same layout code serves both directions.
class ImageWriter {
 public:
  static constexpr bool kReading = false;
  explicit ImageWriter(uint8_t* image) : image_(image) {}
  void Byte(int word, const uint8_t& v) { PutWord(image_, word, v); }
  void Int(int word, const int32_t& v) { PutWord(image_, word, static_cast<uint32_t>(v)); }
  void Uint(int word, const uint32_t& v) { PutWord(image_, word, v); }

 private:
  uint8_t* image_;
};

class ImageReader {
 public:
  static constexpr bool kReading = true;
  explicit ImageReader(const uint8_t* image) : image_(image) {}
  void Byte(int word, uint8_t& v) { v = static_cast<uint8_t>(GetWord(image_, word)); }
  void Int(int word, int32_t& v) { v = static_cast<int32_t>(GetWord(image_, word)); }
  void Uint(int word, uint32_t& v) { v = GetWord(image_, word); }

 private:
  const uint8_t* image_;
};

template <class Io, class T>
void Bytes(Io& io, int word, T* values, int count) {
  for (int i = 0; i < count; ++i) io.Byte(word + i, values[i]);
}
template <class Io, class T>
void Ints(Io& io, int word, T* values, int count) {
  for (int i = 0; i < count; ++i) io.Int(word + i, values[i]);
}
template <class Io, class T>
void Uints(Io& io, int word, T* values, int count) {
  for (int i = 0; i < count; ++i) io.Uint(word + i, values[i]);
}

int HeroArmyWord(int k) { return k <= 4 ? 2962 + 216 * k : 2961 + 216 * k; }
constexpr int kHero4Name5Word = 11649;
int HeroItemWord(int k) { return 5121 + 543 * k; }

// An army record of 216 words from word base. Hero 4's record keeps its
// sixth army name elsewhere (words 11649-11669, handled by the caller) and
// its closing arrays follow one word early.
template <class Io, class A>
void ArmyWords(Io& io, A& a, int base, bool hero4) {
  Bytes(io, base + 0, a.armyKindCode, kArmySlots);
  Bytes(io, base + 6, a.armyUsed, kArmySlots);
  Bytes(io, base + 12, a.armyPanelPlace, kArmySlots);
  Bytes(io, base + 18, a.armyKind, kArmySlots);
  Ints(io, base + 24, a.armyValue1, kArmySlots);
  Ints(io, base + 30, a.armyValue2, kArmySlots);
  Ints(io, base + 36, a.armyValue3, kArmySlots);
  Ints(io, base + 42, a.armyValue4, kArmySlots);
  Bytes(io, base + 48, a.armyCount, kArmySlots);
  Bytes(io, base + 54, a.armyMark1, kArmySlots);
  Bytes(io, base + 60, a.armyMark2, kArmySlots);
  Bytes(io, base + 66, a.armyMark3, kArmySlots);
  Bytes(io, base + 72, a.armyMark4, kArmySlots);
  int names = hero4 ? 5 : kArmySlots;
  for (int s = 0; s < names; ++s) Bytes(io, base + 78 + 21 * s, a.armyNames[s], kGlyphNameLength);
  int tail = hero4 ? base + 203 : base + 204;
  Bytes(io, tail, a.armyTail1, kArmySlots);
  Bytes(io, tail + 6, a.armyTail2, kArmySlots);
}

template <class Io, class S>
void ItemWords(Io& io, S& r, int base) {
  Bytes(io, base, r.held, kItemNumbers);
  Bytes(io, base + 256, r.slot, kItemNumbers);
  Bytes(io, base + 512, r.items, kItemPlaces);
}

// The whole word map, in word order. When reading, a hero's army and item
// records are taken only for heroes in the party (heroPresent comes earlier
// in the image); the second words of gold and mapSnapshotState come later
// and win.
template <class Io, class S, class E>
void Layout(Io& io, S& s, E& extras) {
  auto& snap = s.mapSnapshot;
  auto& resume = s.battleResume;

  io.Int(0, s.gold);
  Bytes(io, 1, s.questStage, kQuestCount);
  Bytes(io, 101, s.placeState, kPlaceCount);
  Bytes(io, 151, s.worldBlockB, 101);
  Bytes(io, 252, s.enemyPresent, kEnemyArmies);
  for (int t = 0; t < 3; ++t) Ints(io, 352 + 100 * t, s.worldBlockC[t], kEnemyArmies);
  for (int t = 0; t < 4; ++t) Bytes(io, 652 + 100 * t, s.worldBlockD[t], kEnemyArmies);
  io.Byte(1052, s.mapSnapshotState);
  io.Int(1053, s.fame);
  Bytes(io, 1054, snap.member1, 3);
  Ints(io, 1057, snap.member2, 5);
  Bytes(io, 1062, snap.member3, 3);
  io.Byte(1065, snap.heroIndex);
  Bytes(io, 1066, snap.member3Rest, 109);
  Ints(io, 1175, snap.snapshotLegA, kRouteLength);
  Ints(io, 1182, snap.snapshotLegX, kRouteLength);
  Ints(io, 1189, snap.snapshotLegY, kRouteLength);
  Bytes(io, 1196, snap.member5, 10);
  io.Uint(1206, s.day);
  io.Byte(1207, s.savedInBattle);
  Ints(io, 1208, resume.member3, 6);
  io.Int(1214, resume.member2);
  Bytes(io, 1215, resume.member4, 14);
  io.Byte(1229, resume.member1);
  io.Byte(1230, s.useFallbackCells);
  io.Int(1231, s.partyX);
  io.Int(1232, s.partyY);
  io.Byte(1233, s.defeatedArmy);
  io.Byte(1234, s.mapSnapshotState);
  io.Byte(1235, s.relocationState);
  Bytes(io, 1236, s.chestPresent + 20, 30);  // save block I
  Bytes(io, 1300, snap.member5 + 10, 5);
  Ints(io, 1305, snap.member6, 3);
  io.Byte(1308, snap.member7);
  Ints(io, 1309, snap.member8, 153);
  io.Byte(1462, snap.member9);
  Ints(io, 1463, snap.member10, 150);
  io.Byte(1613, s.battleId);
  Bytes(io, 1614, s.battleDifficulty, 100);  // entry 99 lies at word 1713
  Bytes(io, 1714, s.battleExtra, 100);
  for (int r = 0; r < kHallRows; ++r) Bytes(io, 1814 + 21 * r, s.hallNames[r], kGlyphNameLength);
  Bytes(io, 1919, s.mapObjectFlagsA, 20);  // save block H
  Bytes(io, 1939, s.bagPresent, 20);
  Bytes(io, 1959, s.chestPresent, 20);
  io.Byte(1979, s.battlePending);
  io.Byte(1980, s.battleByPlayer);
  io.Byte(1981, s.battleHero);
  io.Byte(1982, s.exchangeLeft);
  io.Byte(1983, s.exchangeRight);
  io.Byte(1984, s.townNumber);
  io.Byte(1985, s.visitorCode);
  Bytes(io, 1986, s.renameBuffer, kGlyphNameLength);
  io.Byte(2007, s.villageNumber);
  Bytes(io, 2008, s.playerName, kGlyphNameLength);
  io.Byte(2029, s.playerPortrait);
  io.Byte(2030, s.playerDayAllowance);
  Bytes(io, 2031, s.playerItems, kItemPlaces);
  Bytes(io, 2062, s.playerItemHeld, kItemNumbers);
  Bytes(io, 2318, s.playerItemSlot, kItemNumbers);
  Ints(io, 2574, s.playerStats, kStatWords);
  io.Byte(2583, s.playerLevel);
  io.Uint(2584, s.partyCell);
  io.Byte(2585, s.playerMapState);
  ArmyWords(io, s.playerArmies, 2586, false);
  Bytes(io, 2802, s.heroDayAllowance, kHeroCount);
  Uints(io, 2812, s.heroCell, kHeroCount);
  Bytes(io, 2822, s.heroMapState, kHeroCount);
  Bytes(io, 2832, s.heroPresent, kHeroCount);
  Bytes(io, 2842, s.heroStripPlace, kHeroCount);
  Bytes(io, 2852, s.heroPortrait, kHeroCount);
  for (int j = 0; j < kStatWords; ++j) Ints(io, 2862 + 10 * j, s.heroStats[j], kHeroCount);
  Bytes(io, 2952, s.heroLevel, kHeroCount);
  for (int k = 0; k < kHeroCount; ++k) {
    if (Io::kReading && !s.heroPresent[k]) continue;
    ArmyWords(io, s.heroArmies[k], HeroArmyWord(k), k == 4);
  }
  for (int k = 0; k < kHeroCount; ++k) {
    if (Io::kReading && !s.heroPresent[k]) continue;
    ItemWords(io, s.heroItems[k], HeroItemWord(k));
  }
  Bytes(io, 10551, s.heroNameBuffer, kGlyphNameLength);
  for (int j = 0; j < kGlyphNameLength; ++j) Bytes(io, 10572 + 35 * j, s.heroNames[j], 35);
  auto& w = s.wealth;
  Bytes(io, 11307, w.gemPicture, 30);
  Bytes(io, 11337, w.gemOwned, 30);
  Bytes(io, 11367, w.gemPicture2, 30);
  Bytes(io, 11397, w.artifactPicture, 30);
  Bytes(io, 11427, w.artifactOwned, 30);
  Bytes(io, 11457, w.artifactPicture2, 30);
  Bytes(io, 11487, w.villagePicture, 10);
  Bytes(io, 11497, w.villageJoined, 10);
  Bytes(io, 11507, w.villagePicture2, 10);
  Bytes(io, 11517, w.townPicture, 10);
  Bytes(io, 11527, w.townOwned, 10);
  Bytes(io, 11537, w.townPicture2, 10);
  io.Uint(11547, s.score);
  io.Int(11548, s.gold);
  Bytes(io, 11549, s.armyOnRoad, kEnemyArmies);  // save block F
  // Hero 4's sixth army name; the reader takes it whether or not hero 4 is
  // in the party, as it always has.
  Bytes(io, kHero4Name5Word, s.heroArmies[4].armyNames[5], kGlyphNameLength);
  Bytes(io, 11670, s.worldBlockJ, 50);
  Ints(io, 11720, s.worldBlockK, 150);
  Bytes(io, 11870, s.worldBlockL, 570);
  Ints(io, 12440, s.worldBlockM, 60);
  Bytes(io, 12500, s.worldBlockN, 640);
  Bytes(io, 13140, s.armyRoutePos, kEnemyArmies);  // save block E
  io.Int(13240, extras.cameraX);
  io.Int(13241, extras.cameraY);
  for (int row = 0; row < 34; ++row) Bytes(io, 13242 + 10 * row, s.worldBlockA[row], 10);
  // Save block G in its stored order: element 101, 1..100, 102..202, 0.
  io.Byte(13582, s.fameRewardsShown);
  Bytes(io, 13583, s.fameRewardGranted, 100);
  Bytes(io, 13683, s.fameRewardRow, 100);
  io.Byte(13783, s.worldBlockGEnd);
  io.Byte(13784, s.caughtByArmy);
  io.Byte(13785, extras.endVictory);
  io.Byte(13786, extras.endPeaceTreaty);
  io.Byte(13787, extras.endSurrendered);
  io.Byte(13788, s.slot);
  Bytes(io, 13789, s.options, 5);
}

bool AllAtMost(const uint8_t* values, int count, int limit) {
  for (int i = 0; i < count; ++i) {
    if (values[i] > limit) return false;
  }
  return true;
}

bool ArmiesInRange(const ArmyRecord& a) {
  return AllAtMost(a.armyPanelPlace, kArmySlots, kArmySlots - 1) &&
         AllAtMost(a.armyKind, kArmySlots, 29) && AllAtMost(a.armyKindCode, kArmySlots, 30);
}

bool IsMember(uint8_t code) { return code >= 1 && code <= 11; }

// The stored numbers that the game later uses as indexes or counts.
bool InRange(const GameState& s) {
  if (!AllAtMost(s.questStage, kQuestCount, kQuestClosed)) return false;
  if (s.slot > 5) return false;
  if (s.partyCell > cells::kCellCount) return false;
  for (uint32_t cell : s.heroCell) {
    if (cell > cells::kCellCount) return false;
  }
  if (s.playerMapState > 7 || !AllAtMost(s.heroMapState, kHeroCount, 7)) return false;
  if (s.playerPortrait > 2 || !AllAtMost(s.heroPortrait, kHeroCount, 2)) return false;
  // The heroes screen's strip has 35 places (1..35, 0 = none yet).
  if (!AllAtMost(s.heroStripPlace, kHeroCount, 35)) return false;
  if (s.battleId > 100 || s.battleHero > kHeroCount || s.defeatedArmy >= kEnemyArmies) return false;
  if (s.exchangeLeft > 11 && s.exchangeLeft != 100) return false;
  if (s.exchangeRight > 11 && s.exchangeRight != 100) return false;
  if (!IsMember(s.visitorCode)) return false;
  if (s.townNumber < 1 || s.townNumber > 4) return false;
  if (s.villageNumber < 1 || s.villageNumber > 9) return false;
  if (s.mapSnapshot.member1[0] >= kEnemyArmies) return false;
  for (int i = kOptionMapSpeed; i < kOptionCount; ++i) {
    if (s.options[i] < 1 || s.options[i] > 3) return false;
  }
  if (!AllAtMost(s.playerItemSlot, kItemNumbers, kItemPlaces - 1)) return false;
  if (!ArmiesInRange(s.playerArmies)) return false;
  for (int k = 0; k < kHeroCount; ++k) {
    if (!s.heroPresent[k]) continue;
    if (!AllAtMost(s.heroItems[k].slot, kItemNumbers, kItemPlaces - 1)) return false;
    if (!ArmiesInRange(s.heroArmies[k])) return false;
  }
  const Wealth& w = s.wealth;
  if (!AllAtMost(w.gemPicture, 30, 30) || !AllAtMost(w.gemPicture2, 30, 30)) return false;
  if (!AllAtMost(w.artifactPicture, 30, 30) || !AllAtMost(w.artifactPicture2, 30, 30)) return false;
  if (!AllAtMost(w.villagePicture, 10, 10) || !AllAtMost(w.villagePicture2, 10, 10)) return false;
  if (!AllAtMost(w.townPicture, 10, 10) || !AllAtMost(w.townPicture2, 10, 10)) return false;
  return true;
}

}  // namespace

void WriteSaveImage(const GameState& state, const SaveExtras& extras, uint8_t* image) {
  std::memset(image, 0, kSaveImageBytes);
  ImageWriter writer(image);
  Layout(writer, state, extras);
}

int ReadSaveImage(GameState& state, SaveExtras& extras, const uint8_t* image, size_t size) {
  if (image == nullptr || size != kSaveImageBytes) return 0;
  // Read into a copy so a refused image leaves the record as it was.
  auto loaded = std::make_unique<GameState>(state);
  SaveExtras loadedExtras = extras;
  ImageReader reader(image);
  Layout(reader, *loaded, loadedExtras);
  if (!InRange(*loaded)) return 0;
  // A snapshot entry whose army is no longer on the map is dropped.
  uint8_t entry = loaded->mapSnapshot.member1[0];
  if (entry < kEnemyArmies && loaded->enemyPresent[entry] == 0) loaded->mapSnapshot.member1[0] = 0;
  state = *loaded;
  extras = loadedExtras;
  return 1;
}

std::vector<uint8_t> SaveFileBytes(const GameState& state, const SaveExtras& extras) {
  std::vector<uint8_t> file(4 + kSaveImageBytes);
  PutWord(file.data(), 0, kSaveImageBytes);
  WriteSaveImage(state, extras, file.data() + 4);
  return file;
}

int ReadSaveFileBytes(GameState& state, SaveExtras& extras, const uint8_t* file, size_t size) {
  if (file == nullptr || size < 4) return 0;
  if (GetWord(file, 0) != kSaveImageBytes || size != 4 + size_t{kSaveImageBytes}) return 0;
  return ReadSaveImage(state, extras, file + 4, size - 4);
}

int SaveGameFile(const GameState& state, const SaveExtras& extras, const char* path) {
  FileBuffer buffer;
  uint8_t* image = buffer.Allocate(kSaveImageBytes);
  if (image == nullptr) return 0;
  WriteSaveImage(state, extras, image);
  return buffer.Save(path) ? 1 : 0;
}

int LoadGameFile(GameState& state, SaveExtras& extras, const char* path) {
  FileBuffer buffer;
  if (buffer.Load(path) == nullptr) return 0;
  return ReadSaveImage(state, extras, buffer.bytes, buffer.size);
}

void WriteHallOfFameImage(const GameState& state, uint8_t* image600) {
  std::memset(image600, 0, kHallOfFameBytes);
  for (int r = 0; r < kHallRows; ++r) {
    uint32_t score = state.hallScores[r];
    PutWord(image600, 3 * r, (score / 10000) & 255);
    PutWord(image600, 3 * r + 1, (score / 100) % 100);
    PutWord(image600, 3 * r + 2, score % 100);
    PutWord(image600, 15 + r, state.hallUsed[r]);
    for (int i = 0; i < kGlyphNameLength; ++i) {
      PutWord(image600, 20 + 21 * r + i, state.hallNames[r][i]);
    }
  }
}

int ReadHallOfFameImage(GameState& state, const uint8_t* image, size_t size) {
  if (image == nullptr || size != kHallOfFameBytes) return 0;
  for (int r = 0; r < kHallRows; ++r) {
    state.hallScores[r] = GetWord(image, 3 * r) * 10000u + GetWord(image, 3 * r + 1) * 100u +
                          GetWord(image, 3 * r + 2);
    state.hallUsed[r] = static_cast<uint8_t>(GetWord(image, 15 + r));
    for (int i = 0; i < kGlyphNameLength; ++i) {
      state.hallNames[r][i] = static_cast<uint8_t>(GetWord(image, 20 + 21 * r + i));
    }
  }
  return 1;
}

int SaveHallOfFameFile(const GameState& state, const char* path) {
  FileBuffer buffer;
  uint8_t* image = buffer.Allocate(kHallOfFameBytes);
  if (image == nullptr) return 0;
  WriteHallOfFameImage(state, image);
  return buffer.Save(path) ? 1 : 0;
}

int LoadHallOfFameFile(GameState& state, const char* path) {
  FileBuffer buffer;
  if (buffer.Load(path) == nullptr) return 0;
  return ReadHallOfFameImage(state, buffer.bytes, buffer.size);
}
