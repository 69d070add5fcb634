#pragma once
// Scenario scripts: plain-text scripts that play the game headless (see
// tools/README.md for the commands).

#include <ostream>
#include <string>

// The DirectInput scan code of a key name ("ESC", "A", "KP5", "F12", or a
// number of two or more digits giving the code itself); -1 when unknown.
int ScenarioKeyCode(const std::string& name);

struct ScenarioOptions {
  // The game folder the game runs in (holding Art/, Data/, Saves/).
  std::string gameDir;
  // Relative paths of shot and dump are taken from this folder (the folder
  // the runner was started in); empty: the working directory at the start.
  std::string outDir;
};

// Runs a script. Returns 0 when every line ran and every expect held, else
// 1 with one line on err naming the script line ("name:line: what").
int RunScenarioText(const std::string& script, const std::string& scriptName,
                    const ScenarioOptions& options, std::ostream& err);

// The same for a script file; 1 when it cannot be read.
int RunScenarioFile(const std::string& path, const ScenarioOptions& options, std::ostream& err);
