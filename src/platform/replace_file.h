#pragma once
// Writing a file the player keeps (a save, the hall of fame, the settings) so
// that it is either the old file or the whole new one: the bytes go into
// <path>.tmp, a new file of the game's own, which is then renamed over path.

#include <cstdio>
#include <functional>
#include <string>

// Writes the file at path (exactly as given). write puts the bytes into the
// open temporary file and says whether all of them went in. Whatever stands
// at <path>.tmp (a file left by a crash, a link) is removed first, never
// followed, and the temporary file is then made anew: when something else
// takes the name in between, nothing is written. The bytes are on the disk
// before rename (nullptr: std::rename; 0 on success) puts them in place, so
// that a crash leaves one whole file or the other. True when written; false
// leaves path as it was and no temporary file of ours behind.
bool ReplaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write,
                 int (*rename)(const char* from, const char* to) = nullptr);
