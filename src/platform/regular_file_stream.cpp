// The SDL side of opening a file without waiting on it: kept apart so that
// the file readers build without SDL (the fuzz targets link them alone).

#include <SDL.h>

#include "platform/regular_file.h"

SDL_RWops* OpenRegularFileStream(const std::string& path, uint64_t maxBytes) {
  FILE* f = OpenRegularFile(path, maxBytes);
  if (!f) return nullptr;
  SDL_RWops* stream = SDL_RWFromFP(f, SDL_TRUE);
  if (!stream) std::fclose(f);
  return stream;
}
