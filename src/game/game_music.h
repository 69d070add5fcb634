#pragma once
// The game's two tunes on one file, played for ever.
//
// The menus' tune: full music volume, the tune loaded, its level set and
// played at playVolume. The main menu and the save-and-quit question start
// it when they come back after another tune played.
//
// The map's tune: loaded, its level set and played, as the map starts it
// after a battle or a load.

#include <cstdint>

class MusicSystem;
class MusicTrack;

void PlayMenuMusic(MusicSystem& music, MusicTrack& track, int32_t playVolume);
void PlayMapMusic(MusicTrack& track);
