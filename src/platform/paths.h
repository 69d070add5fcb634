#pragma once
#include <string>

// The game names its files the Windows way ("Art\\Credits\\Back.bmp",
// "Data//data1.txt"). NormalisePath turns every '\' into '/' and folds runs
// of separators into one.
std::string NormalisePath(const char* path);

// NormalisePath, and when that file does not exist, the same path with each
// component matched without regard to letter case (as the game's own file
// system would); a relative path found neither way is then looked for in
// the asset folder (SetAssetFolder). Returns the normalised path when
// nothing matches. The asset folder holds only files the game never writes.
std::string ResolveGamePath(const char* path);

// The folders a run of the game uses: the one it works in (its saves, hall
// of fame and settings, and everything else when it is the only one), and
// the folder of its pictures, music and sounds when the game is installed.
struct GameFolders {
  std::string work;    // empty when no game was found
  std::string assets;  // empty unless the game is installed
};

// Where the game is, for the program at exe, started in folder cwd:
// - "game" beside the program (a build folder): everything there, saves in
//   its Saves/ as the build laid it out;
// - installedData (relative to the program's folder, e.g. "../share/qorv")
//   holding Art/: an installed game, whose player files go to
//   $XDG_DATA_HOME/qorv (an absolute XDG_DATA_HOME only), else
//   $HOME/.local/share/qorv; that folder and its Saves/ and Data/ are made;
// - else cwd when it holds Art/.
// error says why when work comes back empty.
GameFolders FindGameFolders(const std::string& exe, const std::string& cwd,
                            const std::string& installedData, const char* xdgDataHome,
                            const char* home, std::string* error);

// Where a file that is not found in the work folder is looked for next
// (the installed pictures, music and sounds); empty for none.
void SetAssetFolder(const std::string& folder);
