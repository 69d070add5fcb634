#include "game/game_music.h"

#include "platform/music.h"

void PlayMenuMusic(MusicSystem& music, MusicTrack& track, int32_t playVolume) {
  music.SetVolume(100);
  track.Load("Data\\Music.mid");
  track.SetVolume(90);
  track.Play(playVolume, 0);
}

void PlayMapMusic(MusicTrack& track) {
  track.Load("Data\\Music.mid");
  track.SetVolume(60);
  track.Play(10, 0);
}
