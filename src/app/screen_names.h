#pragma once
// The names of the screen stubs and of the screen procedures they run, for
// the scenario runner's commands and the state dump.

#include "app/game_app.h"

struct ScreenName {
  ScreenProc stub;
  const char* stubName;  // "GoCredits"
  const char* procName;  // "CreditsProc"
};

constexpr int kScreenCount = 30;

// Every stub, in the order the application object declares them.
extern const ScreenName kScreenNames[kScreenCount];

// The procedure name of a stub ("CreditsProc"); "" for an empty or unknown one.
const char* ProcNameOf(ScreenProc stub);

// The stub of that name ("GoCredits"); nullptr when there is none.
ScreenProc StubNamed(const char* stubName);
