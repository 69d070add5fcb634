#include "harness/scenario_driver.h"

#include <cstdio>

#include "app/game_app.h"
#include "app/screen_names.h"
#include "harness/state_dump.h"
#include "platform/app_frame.h"
#include "platform/backend.h"
#include "platform/headless.h"

ScenarioDriver::ScenarioDriver()
    : app_(nullptr), finished_(false), frames_(0), pendingDx_(0), pendingDy_(0) {
  SetBackend(Backend::Headless);
  headless::Reset();
  ClearQuit();
}

ScenarioDriver::~ScenarioDriver() {
  if (app_) {
    Finish();
    delete app_;
    app_ = nullptr;
  }
  ClearQuit();
}

void ScenarioDriver::Start() {
  if (app_) return;
  app_ = new GameApp;
  app_->Init();
  app_->graphics.textLog = &textLog_;
}

void ScenarioDriver::Finish() {
  if (!app_ || finished_) return;
  finished_ = true;
  app_->Shutdown();
}

void ScenarioDriver::SetFrameMs(uint32_t ms) { headless::SetFrameMs(ms); }

int ScenarioDriver::RunFrames(int n) {
  int ran = 0;
  if (!app_ || finished_) return 0;
  for (int i = 0; i < n && !QuitPosted(); ++i) {
    app_->RunFrame();
    ++frames_;
    ++ran;
    // The frame's cursor poll has taken the motion given before it.
    pendingDx_ = 0;
    pendingDy_ = 0;
  }
  return ran;
}

void ScenarioDriver::KeyDown(int code) { headless::KeyDown(code); }

void ScenarioDriver::KeyUp(int code) { headless::KeyUp(code); }

void ScenarioDriver::PressKey(int code) {
  KeyDown(code);
  RunFrames(1);
  KeyUp(code);
  RunFrames(1);
}

void ScenarioDriver::MoveTo(int x, int y) {
  if (!app_) return;
  int dx = x - (app_->cursor.x + pendingDx_);
  int dy = y - (app_->cursor.y + pendingDy_);
  if (dx == 0 && dy == 0) return;
  headless::MouseMotion(dx, dy);
  pendingDx_ += dx;
  pendingDy_ += dy;
}

void ScenarioDriver::ButtonDown(int button) { headless::MouseButton(button, true); }

void ScenarioDriver::ButtonUp(int button) { headless::MouseButton(button, false); }

void ScenarioDriver::Click(int x, int y, int button) {
  MoveTo(x, y);
  ButtonDown(button);
  RunFrames(1);
  ButtonUp(button);
  RunFrames(1);
}

bool ScenarioDriver::Goto(const char* stubName) {
  ScreenProc stub = StubNamed(stubName);
  if (!app_ || !stub) return false;
  app_->screenProc = stub;
  app_->leaveCode = 1;
  app_->screenEntered = 1;
  return true;
}

void ScenarioDriver::Close() {
  if (!app_ || finished_) return;
  AppFrame::StaticWindowProc(app_->window, kMsgClose, 0, 0);
}

void ScenarioDriver::Focus(bool focused) {
  if (!app_ || finished_) return;
  WindowFocusChanged(app_->window, focused);
}

const char* ScenarioDriver::ScreenName() const { return app_ ? ProcNameOf(app_->screenProc) : ""; }

bool ScenarioDriver::QuitPosted() const { return ::QuitPosted(); }

bool ScenarioDriver::WriteShot(const std::string& path) const {
  return headless::WritePng(path.c_str()) == 1;
}

std::string ScenarioDriver::Dump() const {
  if (!app_) return "{}";
  return StateDumpJson(*app_, frames_);
}

bool ScenarioDriver::WriteDump(const std::string& path) const {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  std::string text = Dump();
  text += '\n';
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (std::fclose(file) != 0) written = false;
  return written;
}
