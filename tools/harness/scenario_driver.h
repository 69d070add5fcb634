#pragma once
// Plays the game headless, frame by frame: no window, no audio device, a
// fake millisecond clock that advances by the frame length inside each
// present, and keys, mouse motion and buttons injected before the frames
// that see them. The game starts exactly as the real program does (its Init,
// the main menu as the first screen). The scenario runner and the end-to-end
// tests drive the game through this class.

#include <cstdint>
#include <string>

#include "platform/text_log.h"

class GameApp;

class ScenarioDriver {
 public:
  // Selects the headless backend and resets its clock, input and frame, and
  // the quit message.
  ScenarioDriver();
  // Runs the game's Shutdown when it has not run yet, then deletes the game.
  ~ScenarioDriver();
  ScenarioDriver(const ScenarioDriver&) = delete;
  ScenarioDriver& operator=(const ScenarioDriver&) = delete;

  // Creates the application object and runs its Init. The working directory
  // must be the game folder.
  void Start();
  // Runs the game's Shutdown (once).
  void Finish();

  GameApp& App() { return *app_; }
  bool Started() const { return app_ != nullptr; }

  // Each frame from now on lasts ms milliseconds (16 at the start).
  void SetFrameMs(uint32_t ms);
  // Runs up to n frames; stops early once the game has posted its quit
  // message (the message loop would end there). Returns the frames run.
  int RunFrames(int n);
  uint32_t FrameCount() const { return frames_; }

  // Keys by DirectInput scan code.
  void KeyDown(int code);
  void KeyUp(int code);
  // Down for one frame, then up for one frame.
  void PressKey(int code);

  // Moves the game's cursor to (x, y) by relative mouse motion from where it
  // is (and where motion still waiting for the next poll takes it). The
  // cursor itself undoes a move that would leave its allowed area.
  void MoveTo(int x, int y);
  // Buttons 0 left, 1 right.
  void ButtonDown(int button);
  void ButtonUp(int button);
  // Moves there, button down for one frame, up for one frame.
  void Click(int x, int y, int button);

  // Makes the stub of that name ("GoCredits") the current screen as a screen
  // leaving with code 1 would. False for an unknown name.
  bool Goto(const char* stubName);

  // The window's close button: the close message goes to the game as the
  // window's would, between two frames; no frame runs.
  void Close();
  // The window gains or loses the keyboard focus (another window taken to
  // the front, Alt+Tab), as the message loop tells the game; no frame runs.
  void Focus(bool focused);

  // The procedure name of the current screen ("CreditsProc").
  const char* ScreenName() const;
  // The game has posted its quit message.
  bool QuitPosted() const;

  // The last presented frame as a PNG file.
  bool WriteShot(const std::string& path) const;
  // The state dump as JSON text, and written to a file.
  std::string Dump() const;
  bool WriteDump(const std::string& path) const;

 private:
  GameApp* app_;
  bool finished_;
  uint32_t frames_;
  int pendingDx_;
  int pendingDy_;
  TextLog textLog_;  // the texts of each frame, for the dump
};
