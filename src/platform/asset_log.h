#pragma once
#include <string>
#include <vector>

// Pictures, sounds and music the game asked for that could not be read
// (missing or not a valid file), by normalised path, each listed once.
// The end-to-end tests check it stays empty.
const std::vector<std::string>& MissingAssets();
void ClearMissingAssets();
void NoteMissingAsset(const std::string& path);
