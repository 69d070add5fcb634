// What the generator's own files share (not for the picture tables).
#pragma once

#include <string>
#include <vector>

#include "assetgen.h"

namespace assetgen {

// A 24-bit bottom-up BMP of the canvas.
std::vector<uint8_t> BmpBytes(const Canvas& c);
// Writes an RGB PNG; 1 on success.
int WritePng(const std::string& path, const Canvas& c);
// The program's icon, size x size.
Canvas DrawGameIcon(int size);
// Closes the fonts and SDL_ttf.
void ShutdownFonts();

}  // namespace assetgen
