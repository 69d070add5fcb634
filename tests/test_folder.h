#pragma once
// Every test plays in a game folder of its own, never in the build's game
// folder, which keeps the player's saves, hall of fame and options. Before
// each test starts, its folder <build>/test out/<program>/<Suite.Test> is
// laid out afresh and made the working folder: links to the built pictures,
// music and sounds, a settings file of its own as the build writes it and an
// empty Saves folder. What the test writes there (saves, hall of fame,
// settings, screenshots) is kept after it ends, to be looked at. The space
// in "test out" is there on purpose: a path a test hands a shell unquoted
// breaks every run (ShellQuoted quotes it).

#include <string>

// The running test's own folder (an absolute path).
const std::string& TestFolder();

// A file in it: TestFolder() + "/" + name.
std::string TestFile(const std::string& name);

// s as one word of a POSIX shell command, whatever it holds: in single
// quotes, each single quote of its own written '\''.
std::string ShellQuoted(const std::string& s);

// The build's game folder. Tests only read it, or link and copy from it.
const char* BuiltGameFolder();

// Lays out a game folder at dir, which must not exist yet, from the build's
// game folder: every top-level entry linked but Data and Saves; Data a
// folder of links with a settings file of its own; Saves empty. False, with
// *error saying why, when that fails.
bool LayOutGameFolder(const std::string& dir, std::string* error);
