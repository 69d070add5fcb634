#pragma once
// Opening a file the game reads, without ever waiting on it: a named pipe,
// a device or a socket put where a save, a picture or the settings belong
// would otherwise hang the open or the read for ever. Only a regular file of
// a plausible length is opened; everything else is reported, and each kind
// of file decides what that means (a picture draws nothing, the settings
// keep their defaults, a save slot shows as damaged).

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// What a name turned out to be.
enum class FileFound : uint8_t {
  kRegular,  // a regular file of a plausible length, opened
  kMissing,  // no such name (a link to nothing is not missing: the name exists)
  kRefused,  // the name exists but is not a file that can be read whole
};

// Opens path exactly as given (no case folding) for reading, without
// blocking. Returns the file at its start, or nullptr; *found (when given)
// says which, *length (when given) the file's length in bytes.
FILE* OpenRegularFile(const std::string& path, uint64_t maxBytes, FileFound* found = nullptr,
                      uint64_t* length = nullptr);

// Reads the whole of such a file into out (emptied first).
FileFound ReadRegularFile(const std::string& path, uint64_t maxBytes, std::vector<uint8_t>* out);

// The same file as an SDL stream that closes it when freed, for the loaders
// that read through SDL (sounds, music, fonts); nullptr as above.
struct SDL_RWops;
SDL_RWops* OpenRegularFileStream(const std::string& path, uint64_t maxBytes);

// Whether the name exists at all (a link is not followed).
bool NameExists(const std::string& path);
