#pragma once
// The menus' tune: full music volume, the tune loaded, its level set and
// played for ever at playVolume. The main menu and the save-and-quit
// question start it when they come back after another tune played.

#include <cstdint>

class MusicSystem;
class MusicTrack;

void PlayMenuMusic(MusicSystem& music, MusicTrack& track, int32_t playVolume);
