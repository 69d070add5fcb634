#include "platform/music.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/asset_log.h"
#include "platform_test_util.h"
#include "sound_files.h"
#include "test_folder.h"

namespace {

std::vector<uint8_t> TinyWave() {
  std::vector<uint8_t> b;
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i]));
  };
  tag("RIFF");
  testutil::Put32(b, 36 + 8);
  tag("WAVE");
  tag("fmt ");
  testutil::Put32(b, 16);
  testutil::Put16(b, 1);  // PCM
  testutil::Put16(b, 1);  // mono
  testutil::Put32(b, 22050);
  testutil::Put32(b, 44100);
  testutil::Put16(b, 2);
  testutil::Put16(b, 16);
  tag("data");
  testutil::Put32(b, 8);
  for (int i = 0; i < 8; ++i) b.push_back(0);
  return b;
}

// One track that ends four beats in, a beat a tick: two seconds at the
// default tempo (a piece must last at least one).
std::vector<uint8_t> TinyMidi() {
  const uint8_t bytes[] = {'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 0, 0,    1,    0,
                           1,   'M', 'T', 'r', 'k', 0, 0, 0, 4, 4, 0xFF, 0x2F, 0};
  return std::vector<uint8_t>(bytes, bytes + sizeof bytes);
}

}  // namespace

TEST(Music, VolumeScales) {
  // Master: 100 m - 9000.
  EXPECT_EQ(MasterVolumeLevel(100), 1000);
  EXPECT_EQ(MasterVolumeLevel(90), 0);
  EXPECT_EQ(MasterVolumeLevel(0), -9000);
  EXPECT_EQ(MasterVolumeLevel(101), -9000);  // taken modulo 101
  EXPECT_EQ(MasterVolumeLevel(150), 100 * 49 - 9000);
  EXPECT_EQ(MasterVolumeLevel(-5), -9500);  // the remainder keeps the sign
  // Sounds: 100 m - 10000.
  EXPECT_EQ(SoundVolumeLevel(100), 0);
  EXPECT_EQ(SoundVolumeLevel(90), -1000);
  EXPECT_EQ(SoundVolumeLevel(5), -9500);
  EXPECT_EQ(SoundVolumeLevel(101), -10000);
  EXPECT_EQ(SoundVolumeLevel(150), 4900 - 10000);
  // Music: -9600 for 0, else (100 - m) x -32.
  EXPECT_EQ(MusicVolumeLevel(100), 0);
  EXPECT_EQ(MusicVolumeLevel(90), -320);
  EXPECT_EQ(MusicVolumeLevel(40), -1920);
  EXPECT_EQ(MusicVolumeLevel(1), -3168);
  EXPECT_EQ(MusicVolumeLevel(0), -9600);
  EXPECT_EQ(MusicVolumeLevel(101), -3200);
  EXPECT_EQ(MusicVolumeLevel(150), -1632);
  // Linear mixer volume.
  EXPECT_EQ(MixerVolume(0), 128);
  EXPECT_EQ(MixerVolume(1000), 128);
  EXPECT_EQ(MixerVolume(-600), 64);   // -6 dB is about half
  EXPECT_EQ(MixerVolume(-2000), 13);  // -20 dB is a tenth
  EXPECT_EQ(MixerVolume(-9500), 0);
}

TEST(Music, HeadlessWrappersKeepTheirState) {
  SetBackend(Backend::Headless);
  testutil::TempDir dir;
  ASSERT_EQ(mkdir(dir.File("Data").c_str(), 0755), 0);
  ASSERT_TRUE(testutil::WriteFile(dir.File("Data/Key.wav"), TinyWave()));
  ASSERT_TRUE(testutil::WriteFile(dir.File("Data/Music.mid"), TinyMidi()));
  ASSERT_TRUE(testutil::WriteFile(dir.File("Data/Broken.mid"), {'R', 'I', 'F'}));
  ASSERT_TRUE(testutil::WriteFile(dir.File("Data/Broken.wav"), {'R', 'I', 'F', 'F', 1, 2}));
  testutil::ScopedChdir cd(dir.Path());
  ASSERT_TRUE(cd.ok());
  ClearMissingAssets();

  MusicSystem music;
  SoundChannel sound;
  MusicTrack track;
  ASSERT_EQ(music.Init(nullptr, 22050), 1u);
  EXPECT_EQ(music.volume, 100);
  EXPECT_EQ(music.MasterLevel(), 1000);
  EXPECT_EQ(music.SetVolume(150), 1u);
  EXPECT_EQ(music.volume, 49);

  ASSERT_EQ(sound.Create(&music), 1u);
  EXPECT_EQ(sound.Play("Data\\Key.wav", 90, 1), 1u);
  EXPECT_STREQ(sound.LoadedPath(), "Data/Key.wav");
  EXPECT_EQ(sound.IsPlaying(), 1u);
  EXPECT_EQ(sound.volume, 90);
  EXPECT_EQ(sound.Level(), -1000);
  EXPECT_EQ(sound.repeats, 1);
  EXPECT_EQ(sound.Play("Data\\Missing.wav", 90, 1), 0u);  // the old sound stopped too
  EXPECT_STREQ(sound.LoadedPath(), "");
  EXPECT_EQ(sound.IsPlaying(), 0u);
  EXPECT_EQ(sound.Play("Data\\Broken.wav", 90, 1), 0u);
  EXPECT_EQ(sound.Play("Data\\Key.wav", 5, 0), 1u);  // repeats 0: for ever
  EXPECT_EQ(sound.repeats, 0);

  ASSERT_EQ(track.Attach(&music), 1u);
  EXPECT_EQ(track.Play(40, 0), 0u);  // nothing loaded yet
  ASSERT_EQ(track.Load("Data\\Music.mid"), 1u);
  EXPECT_EQ(track.IsStandardMidi(), 1u);
  EXPECT_EQ(track.SetVolume(90), 1u);
  EXPECT_EQ(track.Level(), -320);
  EXPECT_EQ(track.Play(40, 0), 1u);
  EXPECT_EQ(track.IsPlaying(), 1u);
  EXPECT_EQ(track.volume, 40);
  EXPECT_EQ(track.Level(), -1920);
  EXPECT_EQ(track.PlayRepeats(), 0);
  EXPECT_EQ(track.Stop(), 1u);
  EXPECT_EQ(track.IsPlaying(), 0u);
  EXPECT_EQ(track.Load("Data\\Broken.mid"), 0u);
  EXPECT_EQ(track.Play(40, 0), 0u);
  EXPECT_STREQ(track.LoadedPath(), "");

  ASSERT_EQ(MissingAssets().size(), 3u);
  EXPECT_EQ(MissingAssets()[0], "Data/Missing.wav");
  ClearMissingAssets();

  // Shutting the system down stops and frees everything; the wrappers then
  // report 0, and every release may run again.
  EXPECT_EQ(track.Load("Data\\Music.mid"), 1u);
  EXPECT_EQ(music.Shutdown(), 1u);
  EXPECT_EQ(track.IsPlaying(), 0u);
  EXPECT_EQ(track.Play(40, 0), 0u);
  EXPECT_EQ(sound.Play("Data\\Key.wav", 90, 1), 0u);
  EXPECT_EQ(music.SetVolume(100), 0u);
  EXPECT_EQ(sound.Release(), 1u);
  EXPECT_EQ(track.Free(), 1u);
  EXPECT_EQ(music.Shutdown(), 1u);
}

TEST(Music, EmptyWrappersReportZero) {
  MusicSystem music;
  SoundChannel sound;
  MusicTrack track;
  EXPECT_EQ(music.SetVolume(50), 0u);
  EXPECT_EQ(sound.Create(&music), 0u);
  EXPECT_EQ(sound.Create(nullptr), 0u);
  EXPECT_EQ(sound.Play("Data\\Key.wav", 90, 1), 0u);
  EXPECT_EQ(sound.SetVolume(90), 0u);
  EXPECT_EQ(track.Attach(&music), 0u);
  EXPECT_EQ(track.Load("Data\\Music.mid"), 0u);
  EXPECT_EQ(track.Play(40, 0), 0u);
  EXPECT_EQ(track.Stop(), 0u);
  EXPECT_EQ(track.SetVolume(40), 0u);
  EXPECT_EQ(sound.Release(), 1u);
  EXPECT_EQ(track.Free(), 1u);
  EXPECT_EQ(music.Shutdown(), 1u);
}

// ------------------------------------------------------ under a real mixer

namespace {

// How a child process ended and what it wrote on standard error.
struct ChildEnd {
  bool inTime = false;  // it ended by itself within its time limit
  int exitCode = -1;
  std::string errors;  // the start of its standard error
  int errorLines = 0;
};

constexpr int kNoDevice = 77;
constexpr int kSilent = 10;  // the music did not load
constexpr int kPlayed = 11;  // the music loaded and was playing
constexpr size_t kErrorsKept = 4096;
constexpr std::chrono::seconds kChildLimit{10};
constexpr std::chrono::milliseconds kListen{300};
constexpr std::chrono::milliseconds kPollStep{100};

// Runs body in a child process with its standard error caught, and kills it
// when it has not ended within the limit: a hang in the audio thread fails
// the test instead of stopping it.
ChildEnd RunInChild(const std::function<int()>& body) {
  ChildEnd end;
  int fds[2];
  if (pipe(fds) != 0) return end;
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    dup2(fds[1], STDERR_FILENO);
    close(fds[1]);
    const int code = body();
    std::fflush(nullptr);
    _exit(code);
  }
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    return end;
  }
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + kChildLimit;
  auto msLeft = [&] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  };
  // Everything it says is read, so that a child that never stops talking
  // cannot block on a full pipe; only the start is kept.
  char buf[1 << 16];
  for (bool open = true; open && msLeft() > 0;) {
    pollfd p = {fds[0], POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(std::min<long>(msLeft(), kPollStep.count()))) <= 0) continue;
    const ssize_t n = read(fds[0], buf, sizeof buf);
    if (n <= 0) {
      open = false;
      break;
    }
    end.errorLines += static_cast<int>(std::count(buf, buf + n, '\n'));
    end.errors.append(buf, std::min(static_cast<size_t>(n), kErrorsKept - end.errors.size()));
  }
  close(fds[0]);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (msLeft() <= 0) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return end;
    }
    std::this_thread::sleep_for(kPollStep);
  }
  end.inTime = WIFEXITED(status);
  end.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return end;
}

// The music and the first sound as the game plays them, on SDL's dummy
// audio driver: started with the game, started again when a saved game is
// loaded, then stopped as the game quits.
int PlayLikeTheGame() {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  SetBackend(Backend::Sdl);
  int window = 0;  // only kept
  MusicSystem music;
  SoundChannel sound;
  MusicTrack track;
  if (music.Init(&window, 22050) != 1) return kNoDevice;
  sound.Create(&music);
  sound.Play("Data\\Vibrate.wav", 5, 1);
  track.Attach(&music);
  track.Load("Data\\Music.mid");
  track.SetVolume(90);
  track.Play(40, 0);
  std::this_thread::sleep_for(kListen);
  const uint32_t loaded = track.Load("Data\\Music.mid");
  track.SetVolume(60);
  track.Play(10, 0);
  std::this_thread::sleep_for(kListen);
  const uint32_t playing = track.IsPlaying();
  sound.Release();
  track.Free();
  music.Shutdown();
  return loaded && playing ? kPlayed : kSilent;
}

// PlayLikeTheGame in a folder of its own with these files in its Data.
ChildEnd PlayInFolder(const std::vector<uint8_t>& midi, const std::vector<uint8_t>& wave) {
  testutil::TempDir dir;
  if (mkdir(dir.File("Data").c_str(), 0755) != 0 ||
      !testutil::WriteFile(dir.File("Data/Music.mid"), midi) ||
      !testutil::WriteFile(dir.File("Data/Vibrate.wav"), wave)) {
    return {};
  }
  return RunInChild([&] { return chdir(dir.Path().c_str()) == 0 ? PlayLikeTheGame() : -1; });
}

}  // namespace

TEST(Music, DamagedFilesPlayAsSilenceUnderARealMixer) {
  using namespace soundfiles;
  const std::vector<uint8_t> gameMusic =
      testutil::ReadFile(std::string(BuiltGameFolder()) + "/Data/Music.mid");
  ASSERT_FALSE(gameMusic.empty());

  const ChildEnd good = PlayInFolder(gameMusic, Wave({}));
  if (good.exitCode == kNoDevice) GTEST_SKIP() << "no audio device, not even SDL's dummy one";
  ASSERT_TRUE(good.inTime) << good.errors;
  EXPECT_EQ(good.exitCode, kPlayed);
  EXPECT_EQ(good.errorLines, 0) << good.errors;

  const ChildEnd badWave = PlayInFolder(gameMusic, Cut(Wave({}), 4));
  ASSERT_TRUE(badWave.inTime) << badWave.errors;
  EXPECT_EQ(badWave.exitCode, kPlayed);
  EXPECT_EQ(badWave.errorLines, 1) << badWave.errors;
  EXPECT_NE(badWave.errors.find("Data/Vibrate.wav is damaged"), std::string::npos);

  const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
      {"garbage after an empty track", GarbageTrack()},
      {"header of 7 bytes", LongHeader()},
      {"unknown chunk among the tracks", UnknownChunkAmongTracks()},
      {"events past their chunk", EventsPastTheirChunk()},
      {"lasts no time", ZeroLengthPiece()},
      {"an empty sysex last, no end of track", EmptySysExLast()},
      {"40,000 notes in a microsecond", DenseShortPiece(kFewerDenseNotes)},
  };
  for (const auto& [name, midi] : damaged) {
    const ChildEnd end = PlayInFolder(midi, Wave({}));
    EXPECT_TRUE(end.inTime) << name << ": still running after " << kChildLimit.count() << " s; "
                            << end.errorLines << " lines on standard error, from:\n"
                            << end.errors.substr(0, 300);
    if (!end.inTime) continue;
    EXPECT_EQ(end.exitCode, kSilent) << name;
    EXPECT_EQ(end.errorLines, 1) << name << ": " << end.errors;
    EXPECT_NE(end.errors.find("Data/Music.mid is damaged"), std::string::npos) << name;
  }
}
