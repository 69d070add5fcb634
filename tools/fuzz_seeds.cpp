// Writes the seed corpora of the fuzz targets, made by the game itself:
//
//   fuzz_seeds GAMEDIR OUTDIR
//
// GAMEDIR is a built game folder (Art/, Data/). The game is played headless
// in a folder of its own under OUTDIR, and its save step writes a new game's
// save, a save from the middle of a game and a save made during a battle;
// the hall-of-fame writer writes a hall with one row and a full one; the
// settings file is a fresh folder's. A few of the smallest pictures and the
// music and sounds come from GAMEDIR; the music player's target also gets the game's music
// with its track ends dropped, two small damaged pieces of the kinds that
// once held the mixer for good and three pieces just long enough for the
// music check to pass them. Each target's seeds go into
// OUTDIR/<target>/. Exit status 0 when every seed was written.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/data_settings.h"
#include "app/game_app.h"
#include "game/game_state.h"
#include "game/glyph_name.h"
#include "game/save_image.h"
#include "harness/scenario_driver.h"
#include "menus/save_and_quit_dialog.h"
#include "menus/save_files.h"
#include "platform/input_device.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kPictureSeeds = 6;  // the smallest pictures of the game folder
constexpr int kFirstBattle = 1;

bool Fail(const std::string& what) {
  std::fprintf(stderr, "fuzz_seeds: %s\n", what.c_str());
  return false;
}

// The save-and-quit question opened as the map's or the battle's save button
// opens it, then Yes: the save step writes the game into its slot.
bool SaveThroughTheQuestion(ScenarioDriver& driver, bool inBattle) {
  GameApp& app = driver.App();
  (inBattle ? app.saveQuitFromBattle : app.saveQuitFromMap) = 1;
  if (inBattle) app.gameState->savedInBattle = 1;
  app.gameState->overlayOpen = 1;
  app.LeaveScreen(GameApp::GoSaveAndQuit);
  driver.RunFrames(1);
  const QuestionButton& yes = kQuestionButtons[kQuestionYes - 1];
  driver.Click(yes.x + yes.w / 2, yes.y + yes.h / 2, kMouseLeft);
  driver.RunFrames(2);
  return std::string(driver.ScreenName()) == "MainMenuProc";
}

// A game on the map in the given slot.
void OntoTheMap(ScenarioDriver& driver, int slot) {
  driver.App().gameState->slot = static_cast<uint8_t>(slot);
  driver.Goto("GoKingdomMap");
  driver.RunFrames(3);
}

bool PlayAndSave(const fs::path& work) {
  ScenarioDriver driver;
  driver.Start();
  driver.RunFrames(2);

  // Slot 1: a new game as it reaches the map.
  OntoTheMap(driver, 1);
  if (!SaveThroughTheQuestion(driver, false)) return Fail("the new game was not saved");

  // Slot 2: a game some weeks in, with gold and fame won and a hero hired.
  driver.RunFrames(2);
  GameState& s = *driver.App().gameState;
  s.day = 38;
  s.gold = 5230;
  s.fame = 410;
  s.heroPresent[1] = 1;
  GlyphFromText("Seed", s.playerName);
  s.AdvanceQuestChains();
  OntoTheMap(driver, 2);
  if (!SaveThroughTheQuestion(driver, false)) return Fail("the mid-game was not saved");

  // Slot 3: the first battle under way.
  driver.RunFrames(2);
  GameState& b = *driver.App().gameState;
  b.slot = 3;
  b.battleId = kFirstBattle;
  b.battleByPlayer = 1;
  b.battleHero = 0;
  b.battlePending = 1;
  driver.Goto("GoBattle");
  driver.RunFrames(3);
  if (std::string(driver.ScreenName()) != "BattleProc") return Fail("no battle to save in");
  if (!SaveThroughTheQuestion(driver, true)) return Fail("the battle was not saved");
  driver.Finish();

  for (int slot = 1; slot <= 3; ++slot) {
    std::string name = SaveSlotPath(slot);
    std::replace(name.begin(), name.end(), '\\', '/');
    if (!fs::is_regular_file(work / name)) return Fail("no save in slot " + std::to_string(slot));
  }
  return true;
}

bool WriteHalls(const fs::path& dir) {
  GameState one;
  RunNewGameSequence(one);
  GlyphFromText("First", one.playerName);
  one.hallScore = 312;
  one.EnterHallOfFame();
  GameState full = one;
  const std::pair<const char*, uint32_t> rows[] = {
      {"Ann", 54000}, {"Bob", 1999}, {"Cyd", 250}, {"Dee", 7}};
  for (const auto& [name, score] : rows) {
    GlyphFromText(name, full.playerName);
    full.hallScore = score;
    full.EnterHallOfFame();
  }
  return SaveHallOfFameFile(one, (dir / "one_row.save").c_str()) == 1 &&
         SaveHallOfFameFile(full, (dir / "five_rows.save").c_str()) == 1;
}

bool CopyPictures(const fs::path& art, const fs::path& dir) {
  std::vector<std::pair<uintmax_t, fs::path>> pictures;
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(art, ec)) {
    if (entry.is_regular_file() && entry.path().extension() == ".bmp") {
      pictures.emplace_back(entry.file_size(), entry.path());
    }
  }
  // One picture of each of the smallest sizes: different widths and heights.
  std::sort(pictures.begin(), pictures.end());
  pictures.erase(std::unique(pictures.begin(), pictures.end(),
                             [](const auto& a, const auto& b) { return a.first == b.first; }),
                 pictures.end());
  if (pictures.size() > kPictureSeeds) pictures.resize(kPictureSeeds);
  for (const auto& [size, path] : pictures) {
    fs::copy_file(path, dir / path.filename(), fs::copy_options::overwrite_existing, ec);
    if (ec) return Fail("cannot copy " + path.string());
  }
  return !pictures.empty() || Fail("no pictures in " + art.string());
}

using Bytes = std::vector<uint8_t>;

constexpr size_t kMidiHeadBytes = 14;  // "MThd", its length, format, tracks, division
constexpr size_t kChunkHeadBytes = 8;  // four letters of kind, then a length
constexpr size_t kEndOfTrackBytes = 3;
constexpr size_t kDenseNotes = 1000;

// Pieces just long enough for the music check, which reckons a piece at
// twice its fastest tempo and passes none shorter than a second: a note held
// for the fewest ticks it passes. At a tick a beat the player's rounding
// tells most.
struct FloorSeed {
  const char* name;
  uint16_t division;  // ticks a beat
  uint32_t tempo;     // microseconds a beat, set on tick 0; 0 for the default
  uint32_t ticks;
};
constexpr FloorSeed kFloorSeeds[] = {
    {"floor-tick-a-beat.mid", 1, 0, 4},
    {"floor-default-tempo.mid", 96, 0, 384},
    {"floor-second-a-beat.mid", 96, 1000000, 192},
};

void PutBig32(Bytes& b, size_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<uint8_t>(v >> shift));
}

size_t Big32(const Bytes& b, size_t at) {
  return (size_t{b[at]} << 24) | (size_t{b[at + 1]} << 16) | (size_t{b[at + 2]} << 8) | b[at + 3];
}

void AddTrack(Bytes& midi, const Bytes& events) {
  midi.insert(midi.end(), {'M', 'T', 'r', 'k'});
  PutBig32(midi, events.size());
  midi.insert(midi.end(), events.begin(), events.end());
}

// A piece with its tracks' end-of-track events made empty system exclusive
// events, which the synthesiser drops.
Bytes EndsMadeEmptySysEx(const Bytes& midi) {
  Bytes out(midi.begin(), midi.begin() + kMidiHeadBytes);
  for (size_t pos = kMidiHeadBytes; pos + kChunkHeadBytes <= midi.size();) {
    const size_t length = Big32(midi, pos + 4);
    const auto events = midi.begin() + static_cast<long>(pos + kChunkHeadBytes);
    Bytes track(events, events + static_cast<long>(length - kEndOfTrackBytes));
    track.insert(track.end(), {0xF0, 0});
    AddTrack(out, track);
    pos += kChunkHeadBytes + length;
  }
  return out;
}

// A beat of a microsecond, notes on tick 0 and the end a tick later.
Bytes DenseShortPiece() {
  Bytes events = {0, 0xFF, 0x51, 3, 0, 0, 1};
  for (size_t i = 0; i < kDenseNotes; ++i) events.insert(events.end(), {0, 0x90, 60, 100});
  events.insert(events.end(), {1, 0xFF, 0x2F, 0});
  Bytes midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0, 96};
  AddTrack(midi, events);
  return midi;
}

void PutVarLen(Bytes& b, uint32_t v) {
  Bytes bytes = {static_cast<uint8_t>(v & 0x7F)};
  for (v >>= 7; v; v >>= 7) bytes.insert(bytes.begin(), static_cast<uint8_t>(0x80 | (v & 0x7F)));
  b.insert(b.end(), bytes.begin(), bytes.end());
}

// The note held, then the end of the track.
Bytes FloorPiece(const FloorSeed& seed) {
  const uint32_t tempo = seed.tempo;
  const uint16_t division = seed.division;
  Bytes events;
  if (tempo) {
    events.insert(events.end(), {0, 0xFF, 0x51, 3, static_cast<uint8_t>(tempo >> 16),
                                 static_cast<uint8_t>(tempo >> 8), static_cast<uint8_t>(tempo)});
  }
  events.insert(events.end(), {0, 0x90, 60, 100});
  PutVarLen(events, seed.ticks);
  events.insert(events.end(), {0x80, 60, 0, 0, 0xFF, 0x2F, 0});
  Bytes midi = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1};
  midi.insert(midi.end(), {static_cast<uint8_t>(division >> 8), static_cast<uint8_t>(division)});
  AddTrack(midi, events);
  return midi;
}

Bytes FreshSettings() { return Bytes(kFreshSettings, kFreshSettings + sizeof kFreshSettings - 1); }

bool WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return out.good() || Fail("cannot write " + path.string());
}

bool WriteMusicShapes(const fs::path& game, const fs::path& dir) {
  std::ifstream in(game / "Data" / "Music.mid", std::ios::binary);
  const Bytes music((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (music.size() < kMidiHeadBytes) return Fail("no Music.mid in " + game.string());
  // A note, then an empty system exclusive event a beat later and no end.
  const Bytes emptySysExLast = {'M', 'T', 'h', 'd',  0,    0,    0,    6,    0,   0,
                                0,   1,   0,   0x60, 'M',  'T',  'r',  'k',  0,   0,
                                0,   7,   0,   0x90, 0x3C, 0x40, 0x60, 0xF0, 0x00};
  for (const FloorSeed& seed : kFloorSeeds)
    if (!WriteBytes(dir / seed.name, FloorPiece(seed))) return false;
  return WriteBytes(dir / "Music-ends-empty-sysex.mid", EndsMadeEmptySysEx(music)) &&
         WriteBytes(dir / "empty-sysex-last.mid", emptySysExLast) &&
         WriteBytes(dir / "dense-short.mid", DenseShortPiece());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_seeds GAMEDIR OUTDIR\n");
    return 2;
  }
  const fs::path game = fs::absolute(argv[1]);
  const fs::path out = fs::absolute(argv[2]);
  const fs::path work = out / "play";
  std::error_code ec;
  fs::remove_all(out, ec);
  for (const char* dir :
       {"save_image_fuzz", "hall_of_fame_fuzz", "settings_fuzz", "bmp_reader_fuzz",
        "sound_check_fuzz", "midi_player_fuzz", "play/Saves"}) {
    fs::create_directories(out / dir, ec);
    if (ec) {
      Fail("cannot make " + (out / dir).string());
      return 1;
    }
  }
  // The play folder's Data: links, but a fresh folder's settings file of its
  // own, so that the game writes nothing into GAMEDIR, which may keep a
  // player's options, and his options never change the seeds.
  fs::create_directory_symlink(game / "Art", work / "Art", ec);
  fs::create_directory(work / "Data", ec);
  for (const fs::directory_entry& entry : fs::directory_iterator(game / "Data", ec)) {
    if (entry.path().filename() == "data1.txt") continue;
    fs::create_symlink(entry.path(), work / "Data" / entry.path().filename(), ec);
    if (ec) break;
  }
  if (ec) {
    Fail("cannot lay out " + (work / "Data").string());
    return 1;
  }
  if (!WriteBytes(work / "Data" / "data1.txt", FreshSettings())) return 1;
  if (chdir(work.c_str()) != 0) {
    Fail("cannot enter " + work.string());
    return 1;
  }
  if (!PlayAndSave(work)) return 1;

  const char* saves[] = {"new_game.save", "mid_game.save", "battle.save"};
  for (int slot = 1; slot <= 3; ++slot) {
    fs::copy_file(work / "Saves" / (std::to_string(slot) + ".save"),
                  out / "save_image_fuzz" / saves[slot - 1], ec);
    if (ec) {
      Fail("cannot copy the save of slot " + std::to_string(slot));
      return 1;
    }
  }
  if (!WriteHalls(out / "hall_of_fame_fuzz")) {
    Fail("cannot write the halls");
    return 1;
  }
  if (!WriteBytes(out / "settings_fuzz" / "data1.txt", FreshSettings())) return 1;
  if (!CopyPictures(game / "Art", out / "bmp_reader_fuzz")) return 1;
  // The game's own music and sounds.
  for (const fs::directory_entry& entry : fs::directory_iterator(game / "Data", ec)) {
    const fs::path ext = entry.path().extension();
    if (ext != ".mid" && ext != ".wav") continue;
    fs::copy_file(entry.path(), out / "sound_check_fuzz" / entry.path().filename(), ec);
    if (!ec && ext == ".mid") {
      fs::copy_file(entry.path(), out / "midi_player_fuzz" / entry.path().filename(), ec);
    }
    if (ec) break;
  }
  if (ec) {
    Fail("cannot copy the music and sounds of " + game.string());
    return 1;
  }
  if (!WriteMusicShapes(game, out / "midi_player_fuzz")) return 1;
  fs::remove_all(work, ec);
  return 0;
}
