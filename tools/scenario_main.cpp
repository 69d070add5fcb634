// The scenario runner: plays the game headless from a script.
//
//   scenario [--dir GAMEDIR] SCRIPT
//
// Exit status 0 when every line ran and every expect held; otherwise 1 with
// one line on standard error naming the script line; 2 for a wrong command
// line. See tools/README.md for the script commands.

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "harness/scenario_script.h"

int main(int argc, char** argv) {
  ScenarioOptions options;
  options.gameDir = QORV_GAME_DIR;
  std::string script;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc) {
      options.gameDir = argv[++i];
    } else if (script.empty() && argv[i][0] != '-') {
      script = argv[i];
    } else {
      script.clear();
      break;
    }
  }
  if (script.empty()) {
    std::fprintf(stderr, "usage: scenario [--dir GAMEDIR] SCRIPT\n");
    return 2;
  }
  return RunScenarioFile(script, options, std::cerr);
}
