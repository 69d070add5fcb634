#include "game/save_image.h"

#include <cstring>
#include <memory>
#include <type_traits>

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

using save_limits::Range;

constexpr Range kAnyByte{0, 255};

template <class T>
constexpr SaveWordKind KindOf() {
  if constexpr (sizeof(T) == 1) return SaveWordKind::kByte;
  else if constexpr (static_cast<T>(-1) < 0) return SaveWordKind::kInt32;
  else return SaveWordKind::kUint32;
}

// The value a word stands for in a field of type T: a byte field's word is
// taken whole, so that a word the writer cannot have made is out of range.
template <class T>
int64_t WordValue(uint32_t word) {
  if constexpr (KindOf<T>() == SaveWordKind::kInt32) return static_cast<int32_t>(word);
  else return word;
}

// One pass over the word map, either storing fields into the image, taking
// them back out, or listing them; the same layout code serves all three.
class ImageWriter {
 public:
  static constexpr bool kReading = false;
  explicit ImageWriter(uint8_t* image) : image_(image) {}
  void Field(const char*, int, int, SaveWordKind, Range) {}
  void Hero(int) {}
  template <class T>
  void Word(int word, const T& v, Range) {
    PutWord(image_, word, static_cast<uint32_t>(v));
  }

 private:
  uint8_t* image_;
};

class ImageReader {
 public:
  static constexpr bool kReading = true;
  explicit ImageReader(const uint8_t* image) : image_(image) {}
  void Field(const char*, int, int, SaveWordKind, Range) {}
  void Hero(int) {}
  template <class T>
  void Word(int word, T& v, Range range) {
    const uint32_t w = GetWord(image_, word);
    if (!range.Holds(WordValue<T>(w))) inRange_ = false;
    v = static_cast<T>(w);
  }
  bool InRange() const { return inRange_; }

 private:
  const uint8_t* image_;
  bool inRange_ = true;
};

class FieldLister {
 public:
  static constexpr bool kReading = false;
  explicit FieldLister(std::vector<SaveImageField>& fields) : fields_(fields) {}
  void Field(const char* name, int word, int count, SaveWordKind kind, Range range) {
    fields_.push_back({name, word, count, kind, range, hero_});
  }
  void Hero(int k) { hero_ = k; }
  template <class T>
  void Word(int, const T&, Range) {}

 private:
  std::vector<SaveImageField>& fields_;
  int hero_ = -1;
};

template <class Io, class T>
void Words(Io& io, const char* name, int word, T* values, int count, Range range = kAnyByte) {
  io.Field(name, word, count, KindOf<std::remove_const_t<T>>(), range);
  for (int i = 0; i < count; ++i) io.Word(word + i, values[i], range);
}
template <class Io, class T>
void One(Io& io, const char* name, int word, T& value, Range range = kAnyByte) {
  Words(io, name, word, &value, 1, range);
}

int HeroArmyWord(int k) { return k <= 4 ? 2962 + 216 * k : 2961 + 216 * k; }
constexpr int kHero4Name5Word = 11649;
int HeroItemWord(int k) { return 5121 + 543 * k; }

// An army record of 216 words from word base. Hero 4's record keeps its
// sixth army name elsewhere (words 11649-11669, handled by the caller) and
// its closing arrays follow one word early.
template <class Io, class A>
void ArmyWords(Io& io, A& a, int base, bool hero4) {
  using save_limits::kQuantity;
  Words(io, "armyKindCode", base + 0, a.armyKindCode, kArmySlots);
  Words(io, "armyUsed", base + 6, a.armyUsed, kArmySlots);
  Words(io, "armyPanelPlace", base + 12, a.armyPanelPlace, kArmySlots);
  Words(io, "armyKind", base + 18, a.armyKind, kArmySlots);
  Words(io, "armyValue1", base + 24, a.armyValue1, kArmySlots, kQuantity);
  Words(io, "armyValue2", base + 30, a.armyValue2, kArmySlots, kQuantity);
  Words(io, "armyValue3", base + 36, a.armyValue3, kArmySlots, kQuantity);
  Words(io, "armyValue4", base + 42, a.armyValue4, kArmySlots, kQuantity);
  Words(io, "armyCount", base + 48, a.armyCount, kArmySlots);
  Words(io, "armyMark1", base + 54, a.armyMark1, kArmySlots);
  Words(io, "armyMark2", base + 60, a.armyMark2, kArmySlots);
  Words(io, "armyMark3", base + 66, a.armyMark3, kArmySlots);
  Words(io, "armyMark4", base + 72, a.armyMark4, kArmySlots);
  int names = hero4 ? 5 : kArmySlots;
  for (int s = 0; s < names; ++s)
    Words(io, "armyNames", base + 78 + 21 * s, a.armyNames[s], kGlyphNameLength);
  int tail = hero4 ? base + 203 : base + 204;
  Words(io, "armyTail1", tail, a.armyTail1, kArmySlots);
  Words(io, "armyTail2", tail + 6, a.armyTail2, kArmySlots);
}

template <class Io, class S>
void ItemWords(Io& io, S& r, int base) {
  Words(io, "held", base, r.held, kItemNumbers);
  Words(io, "slot", base + 256, r.slot, kItemNumbers);
  Words(io, "items", base + 512, r.items, kItemPlaces);
}

// One road of the map's snapshot as the map stores it: 50 cells, 50 xs and
// 50 ys.
template <class Io, class T>
void RoadTables(Io& io, const char* name, int word, T* tables) {
  Words(io, name, word, tables, 50, save_limits::kMapCell);
  Words(io, name, word + 50, tables + 50, 50, save_limits::kWorldX);
  Words(io, name, word + 100, tables + 100, 50, save_limits::kWorldY);
}

// A road's start as the map stores it: x, y and cell.
template <class Io, class T>
void RoadStart(Io& io, const char* name, int word, T* start) {
  Words(io, name, word, start, 1, save_limits::kWorldX);
  Words(io, name, word + 1, start + 1, 1, save_limits::kWorldY);
  Words(io, name, word + 2, start + 2, 1, save_limits::kMapCell);
}

// The whole word map, in word order. When reading, a hero's army and item
// records are taken only for heroes in the party (heroPresent comes earlier
// in the image); the second words of gold and mapSnapshotState come later
// and win.
template <class Io, class S, class E>
void Layout(Io& io, S& s, E& extras) {
  namespace lim = save_limits;
  auto& snap = s.mapSnapshot;
  auto& resume = s.battleResume;

  One(io, "gold", 0, s.gold, lim::kGold);
  Words(io, "questStage", 1, s.questStage, kQuestCount);
  Words(io, "placeState", 101, s.placeState, kPlaceCount);
  Words(io, "worldBlockB", 151, s.worldBlockB, 101);
  Words(io, "enemyPresent", 252, s.enemyPresent, kEnemyArmies);
  // The map keeps each army's x, y and cell here.
  Words(io, "worldBlockC[0]", 352, s.worldBlockC[0], kEnemyArmies, lim::kWorldX);
  Words(io, "worldBlockC[1]", 452, s.worldBlockC[1], kEnemyArmies, lim::kWorldY);
  Words(io, "worldBlockC[2]", 552, s.worldBlockC[2], kEnemyArmies, lim::kMapCell);
  for (int t = 0; t < 4; ++t)
    Words(io, "worldBlockD", 652 + 100 * t, s.worldBlockD[t], kEnemyArmies);
  One(io, "mapSnapshotState", 1052, s.mapSnapshotState);
  One(io, "fame", 1053, s.fame, lim::kFame);
  Words(io, "mapSnapshot.member1", 1054, snap.member1, 3);
  // The marching army's x, y, its leg's target x, y and end cell.
  Words(io, "mapSnapshot.member2", 1057, snap.member2, 1, lim::kWorldX);
  Words(io, "mapSnapshot.member2", 1058, snap.member2 + 1, 1, lim::kWorldY);
  Words(io, "mapSnapshot.member2", 1059, snap.member2 + 2, 1, lim::kWorldX);
  Words(io, "mapSnapshot.member2", 1060, snap.member2 + 3, 1, lim::kWorldY);
  Words(io, "mapSnapshot.member2", 1061, snap.member2 + 4, 1, lim::kMapCell);
  Words(io, "mapSnapshot.member3", 1062, snap.member3, 3);
  One(io, "mapSnapshot.heroIndex", 1065, snap.heroIndex);
  Words(io, "mapSnapshot.member3Rest", 1066, snap.member3Rest, 109);
  // The map writes 0 into legA.
  Words(io, "mapSnapshot.snapshotLegA", 1175, snap.snapshotLegA, kRouteLength, lim::kMapCell);
  Words(io, "mapSnapshot.snapshotLegX", 1182, snap.snapshotLegX, kRouteLength, lim::kWorldX);
  Words(io, "mapSnapshot.snapshotLegY", 1189, snap.snapshotLegY, kRouteLength, lim::kWorldY);
  Words(io, "mapSnapshot.member5", 1196, snap.member5, 10);
  One(io, "day", 1206, s.day, lim::kDay);
  One(io, "savedInBattle", 1207, s.savedInBattle);
  Words(io, "battleResume.member3", 1208, resume.member3, 6, lim::kBattleCell);
  One(io, "battleResume.member2", 1214, resume.member2, lim::kBattleCell);
  Words(io, "battleResume.member4", 1215, resume.member4, 14);
  One(io, "battleResume.member1", 1229, resume.member1);
  One(io, "useFallbackCells", 1230, s.useFallbackCells);
  One(io, "partyX", 1231, s.partyX, lim::kWorldX);
  One(io, "partyY", 1232, s.partyY, lim::kWorldY);
  One(io, "defeatedArmy", 1233, s.defeatedArmy);
  One(io, "mapSnapshotState", 1234, s.mapSnapshotState);
  One(io, "relocationState", 1235, s.relocationState);
  Words(io, "chestPresent", 1236, s.chestPresent + 20, 30);  // save block I
  Words(io, "mapSnapshot.member5", 1300, snap.member5 + 10, 5);
  // Road A's start, length and tables; road B's start closes member8 and its
  // tables are member10.
  RoadStart(io, "mapSnapshot.member6", 1305, snap.member6);
  One(io, "mapSnapshot.member7", 1308, snap.member7);
  RoadTables(io, "mapSnapshot.member8", 1309, snap.member8);
  RoadStart(io, "mapSnapshot.member8", 1459, snap.member8 + 150);
  One(io, "mapSnapshot.member9", 1462, snap.member9);
  RoadTables(io, "mapSnapshot.member10", 1463, snap.member10);
  One(io, "battleId", 1613, s.battleId);
  Words(io, "battleDifficulty", 1614, s.battleDifficulty, 100);  // entry 99 lies at word 1713
  Words(io, "battleExtra", 1714, s.battleExtra, 100);
  for (int r = 0; r < kHallRows; ++r)
    Words(io, "hallNames", 1814 + 21 * r, s.hallNames[r], kGlyphNameLength);
  Words(io, "mapObjectFlagsA", 1919, s.mapObjectFlagsA, 20);  // save block H
  Words(io, "bagPresent", 1939, s.bagPresent, 20);
  Words(io, "chestPresent", 1959, s.chestPresent, 20);
  One(io, "battlePending", 1979, s.battlePending);
  One(io, "battleByPlayer", 1980, s.battleByPlayer);
  One(io, "battleHero", 1981, s.battleHero);
  One(io, "exchangeLeft", 1982, s.exchangeLeft);
  One(io, "exchangeRight", 1983, s.exchangeRight);
  One(io, "townNumber", 1984, s.townNumber);
  One(io, "visitorCode", 1985, s.visitorCode);
  Words(io, "renameBuffer", 1986, s.renameBuffer, kGlyphNameLength);
  One(io, "villageNumber", 2007, s.villageNumber);
  Words(io, "playerName", 2008, s.playerName, kGlyphNameLength);
  One(io, "playerPortrait", 2029, s.playerPortrait);
  One(io, "playerDayAllowance", 2030, s.playerDayAllowance);
  Words(io, "playerItems", 2031, s.playerItems, kItemPlaces);
  Words(io, "playerItemHeld", 2062, s.playerItemHeld, kItemNumbers);
  Words(io, "playerItemSlot", 2318, s.playerItemSlot, kItemNumbers);
  Words(io, "playerStats", 2574, s.playerStats, kStatWords, lim::kQuantity);
  One(io, "playerLevel", 2583, s.playerLevel);
  One(io, "partyCell", 2584, s.partyCell, lim::kMapCell);
  One(io, "playerMapState", 2585, s.playerMapState);
  ArmyWords(io, s.playerArmies, 2586, false);
  Words(io, "heroDayAllowance", 2802, s.heroDayAllowance, kHeroCount);
  Words(io, "heroCell", 2812, s.heroCell, kHeroCount, lim::kMapCell);
  Words(io, "heroMapState", 2822, s.heroMapState, kHeroCount);
  Words(io, "heroPresent", 2832, s.heroPresent, kHeroCount);
  Words(io, "heroStripPlace", 2842, s.heroStripPlace, kHeroCount);
  Words(io, "heroPortrait", 2852, s.heroPortrait, kHeroCount);
  for (int j = 0; j < kStatWords; ++j)
    Words(io, "heroStats", 2862 + 10 * j, s.heroStats[j], kHeroCount, lim::kQuantity);
  Words(io, "heroLevel", 2952, s.heroLevel, kHeroCount);
  for (int k = 0; k < kHeroCount; ++k) {
    if (Io::kReading && !s.heroPresent[k]) continue;
    io.Hero(k);
    ArmyWords(io, s.heroArmies[k], HeroArmyWord(k), k == 4);
  }
  for (int k = 0; k < kHeroCount; ++k) {
    if (Io::kReading && !s.heroPresent[k]) continue;
    io.Hero(k);
    ItemWords(io, s.heroItems[k], HeroItemWord(k));
  }
  io.Hero(-1);
  Words(io, "heroNameBuffer", 10551, s.heroNameBuffer, kGlyphNameLength);
  for (int j = 0; j < kGlyphNameLength; ++j)
    Words(io, "heroNames", 10572 + 35 * j, s.heroNames[j], 35);
  auto& w = s.wealth;
  Words(io, "gemPicture", 11307, w.gemPicture, 30);
  Words(io, "gemOwned", 11337, w.gemOwned, 30);
  Words(io, "gemPicture2", 11367, w.gemPicture2, 30);
  Words(io, "artifactPicture", 11397, w.artifactPicture, 30);
  Words(io, "artifactOwned", 11427, w.artifactOwned, 30);
  Words(io, "artifactPicture2", 11457, w.artifactPicture2, 30);
  Words(io, "villagePicture", 11487, w.villagePicture, 10);
  Words(io, "villageJoined", 11497, w.villageJoined, 10);
  Words(io, "villagePicture2", 11507, w.villagePicture2, 10);
  Words(io, "townPicture", 11517, w.townPicture, 10);
  Words(io, "townOwned", 11527, w.townOwned, 10);
  Words(io, "townPicture2", 11537, w.townPicture2, 10);
  One(io, "score", 11547, s.score, lim::kScore);
  One(io, "gold", 11548, s.gold, lim::kGold);
  Words(io, "armyOnRoad", 11549, s.armyOnRoad, kEnemyArmies);  // save block F
  // Hero 4's sixth army name; the reader takes it whether or not hero 4 is
  // in the party, as it always has.
  Words(io, "armyNames", kHero4Name5Word, s.heroArmies[4].armyNames[5], kGlyphNameLength);
  // The battle's resume state: per enemy slot x, y and cell in K, per allied
  // slot in M.
  Words(io, "worldBlockJ", 11670, s.worldBlockJ, 50);
  Words(io, "worldBlockK", 11720, s.worldBlockK, 50, lim::kBattleX);
  Words(io, "worldBlockK", 11770, s.worldBlockK + 50, 50, lim::kBattleY);
  Words(io, "worldBlockK", 11820, s.worldBlockK + 100, 50, lim::kBattleCell);
  Words(io, "worldBlockL", 11870, s.worldBlockL, 570);
  Words(io, "worldBlockM", 12440, s.worldBlockM, 20, lim::kBattleX);
  Words(io, "worldBlockM", 12460, s.worldBlockM + 20, 20, lim::kBattleY);
  Words(io, "worldBlockM", 12480, s.worldBlockM + 40, 20, lim::kBattleCell);
  Words(io, "worldBlockN", 12500, s.worldBlockN, 640);
  Words(io, "armyRoutePos", 13140, s.armyRoutePos, kEnemyArmies);  // save block E
  One(io, "cameraX", 13240, extras.cameraX, lim::kCameraX);
  One(io, "cameraY", 13241, extras.cameraY, lim::kCameraY);
  for (int row = 0; row < 34; ++row)
    Words(io, "worldBlockA", 13242 + 10 * row, s.worldBlockA[row], 10);
  // Save block G in its stored order: element 101, 1..100, 102..202, 0.
  One(io, "fameRewardsShown", 13582, s.fameRewardsShown);
  Words(io, "fameRewardGranted", 13583, s.fameRewardGranted, 100);
  Words(io, "fameRewardRow", 13683, s.fameRewardRow, 100);
  One(io, "worldBlockGEnd", 13783, s.worldBlockGEnd);
  One(io, "caughtByArmy", 13784, s.caughtByArmy);
  One(io, "endVictory", 13785, extras.endVictory);
  One(io, "endPeaceTreaty", 13786, extras.endPeaceTreaty);
  One(io, "endSurrendered", 13787, extras.endSurrendered);
  One(io, "slot", 13788, s.slot);
  Words(io, "options", 13789, s.options, 5);
  One(io, "dayRecoveryPending", 13794, extras.dayRecoveryPending, lim::kFlag);
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

// The stored numbers that the game later uses as indexes or counts, beyond
// the ranges of their words.
bool InRange(const GameState& s) {
  if (!AllAtMost(s.questStage, kQuestCount, kQuestClosed)) return false;
  if (s.slot > 5) return false;
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

const std::vector<SaveImageField>& SaveImageFields() {
  static const std::vector<SaveImageField> fields = [] {
    std::vector<SaveImageField> list;
    auto state = std::make_unique<GameState>();
    SaveExtras extras;
    FieldLister lister(list);
    Layout(lister, *state, extras);
    return list;
  }();
  return fields;
}

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
  if (!reader.InRange() || !InRange(*loaded)) return 0;
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
