#pragma once
#include <string>

// The game names its files the Windows way ("Art\\Credits\\Back.bmp",
// "Data//data1.txt"). NormalisePath turns every '\' into '/' and folds runs
// of separators into one.
std::string NormalisePath(const char* path);

// NormalisePath, and when that file does not exist, the same path with each
// component matched without regard to letter case (as the game's own file
// system would). Returns the normalised path when nothing matches.
std::string ResolveGamePath(const char* path);
