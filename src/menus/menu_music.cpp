#include "menus/menu_music.h"

#include "platform/music.h"

void PlayMenuMusic(MusicSystem& music, MusicTrack& track, int32_t playVolume) {
  music.SetVolume(100);
  track.Load("Data\\Music.mid");
  track.SetVolume(90);
  track.Play(playVolume, 0);
}
