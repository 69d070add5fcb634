#include "platform/input_hub.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/clock.h"

namespace {

// Key presses kept for a keyboard that has not taken them; more are not
// kept (no screen types that fast, and nothing reads a keyboard's presses
// on most screens).
constexpr size_t kTypedKept = 64;

void ClearPresses(InputSource* s) {
  std::memset(s->keyHit, 0, sizeof s->keyHit);
  std::memset(s->keySeen, 0, sizeof s->keySeen);
  std::memset(s->keyLetGo, 0, sizeof s->keyLetGo);
  std::memset(s->keyAgain, 0, sizeof s->keyAgain);
  std::memset(s->buttonHit, 0, sizeof s->buttonHit);
  std::memset(s->buttonLetGo, 0, sizeof s->buttonLetGo);
  std::memset(s->buttonAgain, 0, sizeof s->buttonAgain);
  s->typed.clear();
}

}  // namespace

InputHub& InputHub::Get() {
  static InputHub hub;
  return hub;
}

void InputHub::KeyDown(int dik) {
  const int k = dik & 255;
  if (!keyDown[k] && keyHeldAtLoss[k] && focusBack &&
      timeGetTime() - focusBackMs < kHeldFromBeforeMs) {
    keyDown[k] = 1;
    keyFromBefore[k] = 1;
    keyHeldAtLoss[k] = 0;
    return;
  }
  keyHeldAtLoss[k] = 0;
  if (keyFromBefore[k]) return;
  const bool fresh = !keyDown[k];
  const uint8_t shift = keyDown[kKeyLShift] || keyDown[kKeyRShift] ? 1 : 0;
  const uint32_t order = fresh ? ++presses : 0;
  keyDown[k] = 1;
  for (InputSource* s : sources_) {
    if (s->kind != kDeviceKeyboard || !s->acquired) continue;
    s->keyHit[k] = 1;
    if (s->keyLetGo[k]) s->keyAgain[k] = 1;
    if (fresh && s->typed.size() < kTypedKept) s->typed.push_back({uint8_t(k), shift, order});
  }
}

void InputHub::KeyUp(int dik) {
  const int k = dik & 255;
  keyHeldAtLoss[k] = 0;
  if (!keyDown[k]) return;
  keyDown[k] = 0;
  keyUpThisFrame[k] = 1;
  if (keyFromBefore[k]) {
    keyFromBefore[k] = 0;
    return;
  }
  for (InputSource* s : sources_) {
    if (s->kind == kDeviceKeyboard && s->acquired) s->keyLetGo[k] = 1;
  }
}

void InputHub::Motion(int dx, int dy) {
  absX += dx;
  absY += dy;
  if (!focused) return;
  for (InputSource* s : sources_) {
    if (s->kind != kDeviceMouse || !s->acquired) continue;
    s->dx += dx;
    s->dy += dy;
  }
}

void InputHub::Wheel(int dz) {
  if (!focused) return;
  for (InputSource* s : sources_) {
    if (s->kind == kDeviceMouse && s->acquired) s->dz += dz;
  }
}

void InputHub::Button(int button, bool down) {
  if (button < 0 || button > 3) return;
  const bool wasDown = buttonDown[button] != 0;
  buttonDown[button] = down ? 1 : 0;
  if (!down && !wasDown) return;
  if (down && !wasDown) ++presses;
  for (InputSource* s : sources_) {
    if (s->kind != kDeviceMouse || !s->acquired) continue;
    if (down) {
      s->buttonHit[button] = 1;
      if (!wasDown) s->buttonOrder[button] = presses;
      if (s->buttonLetGo[button]) s->buttonAgain[button] = 1;
    } else {
      s->buttonLetGo[button] = 1;
    }
  }
}

void InputHub::SetFocus(bool f) {
  if (f && !focused) {
    focusBack = true;
    focusBackMs = timeGetTime();
  }
  focused = f;
  if (f) return;
  // The releases of what is held now go to another window: nothing is held
  // from here on, and a button press in progress ends cut, not let go.
  const bool buttonHeld =
      std::any_of(std::begin(buttonDown), std::end(buttonDown), [](uint8_t b) { return b != 0; });
  for (int k = 0; k < 256; ++k) keyHeldAtLoss[k] = keyDown[k] || keyUpThisFrame[k];
  std::memset(keyDown, 0, sizeof keyDown);
  std::memset(keyFromBefore, 0, sizeof keyFromBefore);
  std::memset(buttonDown, 0, sizeof buttonDown);
  for (InputSource* s : sources_) {
    Unacquire(s);
    if (s->kind == kDeviceMouse && buttonHeld) s->pressCut = true;
  }
}

bool InputHub::Acquire(InputSource* s) {
  if (!s || !focused) return false;
  s->acquired = true;
  return true;
}

void InputHub::Unacquire(InputSource* s) {
  if (!s) return;
  s->acquired = false;
  ClearPresses(s);
  s->dx = s->dy = s->dz = 0;
}

void InputHub::SetAbsolute(int x, int y) {
  absX = x;
  absY = y;
}

void InputHub::PointerAt(int x, int y) {
  pointerKnown = true;
  pointerX = x;
  pointerY = y;
}

void InputHub::Reset() {
  focused = true;
  followsPointer = false;
  pointerKnown = false;
  pointerX = pointerY = 0;
  absX = absY = 0;
  focusBack = false;
  focusBackMs = 0;
  std::memset(keyDown, 0, sizeof keyDown);
  std::memset(keyFromBefore, 0, sizeof keyFromBefore);
  std::memset(keyHeldAtLoss, 0, sizeof keyHeldAtLoss);
  std::memset(keyUpThisFrame, 0, sizeof keyUpThisFrame);
  std::memset(buttonDown, 0, sizeof buttonDown);
  for (InputSource* s : sources_) {
    s->acquired = true;
    s->pressCut = false;
    ClearPresses(s);
    s->dx = s->dy = s->dz = 0;
  }
}

InputSource* InputHub::Attach(uint16_t kind) {
  InputSource* s = new InputSource;
  s->kind = kind;
  sources_.push_back(s);
  return s;
}

void InputHub::Detach(InputSource* source) {
  if (!source) return;
  sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
  delete source;
}

bool InputHub::ReadKeyboard(InputSource* s, uint8_t state[256], uint8_t again[256]) {
  if (!s || !focused || !s->acquired) return false;
  // A key pressed and released between two frames still shows as down, to
  // every read of the frame that first reads it.
  for (int k = 0; k < 256; ++k) {
    if (s->keyHit[k]) s->keySeen[k] = 1;
    s->keyHit[k] = 0;
    state[k] = ((keyDown[k] && !keyFromBefore[k]) || s->keySeen[k]) ? 0x80 : 0;
    again[k] = s->keyAgain[k];
    s->keyAgain[k] = 0;
    // A press shown though already let go: the next read may not see the
    // key up, so its release is kept for a press that follows.
    s->keyLetGo[k] = s->keySeen[k] && !keyDown[k] ? 1 : 0;
  }
  return true;
}

bool InputHub::ReadMouse(InputSource* s, MouseState* state) {
  if (!s || !focused || !s->acquired) return false;
  state->lX = s->dx;
  state->lY = s->dy;
  state->lZ = s->dz;
  s->dx = s->dy = s->dz = 0;
  for (int b = 0; b < 4; ++b) {
    // A button let go and pressed anew since the last read shows up now and
    // down at the next read: a screen that acts on a button once it is let
    // go sees the one click end before the next begins.
    if (s->buttonAgain[b]) {
      state->rgbButtons[b] = 0;
      s->buttonAgain[b] = 0;
      s->buttonLetGo[b] = 0;
      continue;
    }
    state->rgbButtons[b] = (buttonDown[b] || s->buttonHit[b]) ? 0x80 : 0;
    s->buttonLetGo[b] = s->buttonHit[b] && !buttonDown[b] ? 1 : 0;
    s->buttonHit[b] = 0;
  }
  return true;
}

bool InputHub::TakeTyped(InputSource* s, TypedKey* key, uint32_t before) {
  if (!s || !focused || !s->acquired || s->typed.empty()) return false;
  if (s->typed.front().order >= before) return false;
  *key = s->typed.front();
  s->typed.erase(s->typed.begin());
  return true;
}

void InputHub::DropTyped(InputSource* s) {
  if (s) s->typed.clear();
}

void InputHub::EndFrame() {
  std::memset(keyUpThisFrame, 0, sizeof keyUpThisFrame);
  for (InputSource* s : sources_) std::memset(s->keySeen, 0, sizeof s->keySeen);
}
