#include "platform/music.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/asset_log.h"
#include "platform_test_util.h"

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

std::vector<uint8_t> TinyMidi() {
  const uint8_t bytes[] = {'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 0, 0,    1,    0,
                           96,  'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xFF, 0x2F, 0};
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
