#include "platform/input_device.h"

#include <cstring>

#include "platform/input_hub.h"

InputSystem::InputSystem() : window(nullptr), directInput(nullptr) {}

InputSystem::~InputSystem() { Release(); }

uint32_t InputSystem::Create(void* win, void* instance) {
  (void)instance;
  Release();
  window = win;
  directInput = &InputHub::Get();
  return 1;
}

uint32_t InputSystem::Release() {
  directInput = nullptr;
  window = nullptr;
  return 1;
}

InputDevice::InputDevice()
    : system(nullptr),
      type(kDeviceNone),
      device(nullptr),
      cursorMode(1),
      state{},
      latch{},
      cursorX(0),
      cursorY(0) {}

InputDevice::~InputDevice() { Release(); }

uint32_t InputDevice::Create(InputSystem* sys, uint16_t deviceType, uint32_t mode) {
  Release();
  system = sys;
  if (!sys || !sys->directInput) return 0;
  // Only the system keyboard and mouse exist; no game controller is looked for.
  if (deviceType != kDeviceKeyboard && deviceType != kDeviceMouse) return 0;
  device = sys->directInput->Attach(deviceType);
  cursorMode = mode;
  type = deviceType;
  Clear();
  return 1;
}

uint32_t InputDevice::Release() {
  if (device) {
    InputHub::Get().Detach(device);
    device = nullptr;
  }
  type = kDeviceNone;
  Clear();
  return 1;
}

uint32_t InputDevice::Clear() {
  std::memset(state, 0, sizeof state);
  std::memset(latch, 0, sizeof latch);
  cursorX = 0;
  cursorY = 0;
  return 1;
}

uint32_t InputDevice::Acquire(uint32_t flag) {
  if (!device) return 0;
  // Whether acquiring worked shows in the next poll.
  if (flag == 1) {
    InputHub::Get().Acquire(device);
  } else {
    InputHub::Get().Unacquire(device);
  }
  return 1;
}

uint32_t InputDevice::Poll() {
  if (!device || (type != kDeviceKeyboard && type != kDeviceMouse)) return 0;
  InputHub& hub = InputHub::Get();
  // A device that lost its acquisition is acquired again before it is read;
  // in the background that fails and the poll with it.
  if (!device->acquired && !hub.Acquire(device)) {
    if (type == kDeviceMouse) DropMotion();
    return 0;
  }
  if (type == kDeviceKeyboard) {
    uint8_t keys[256];
    uint8_t again[256];
    if (!hub.ReadKeyboard(device, keys, again)) return 0;
    std::memcpy(state, keys, sizeof keys);
    // A key let go and pressed anew since the last poll is unlatched: two
    // quick presses are two presses, though no poll saw the key up.
    for (int k = 0; k < 256; ++k) {
      if (!(state[k] & 0x80) || again[k]) latch[k] = 0;
    }
    return 1;
  }
  MouseState m;
  if (!hub.ReadMouse(device, &m)) {
    DropMotion();
    return 0;
  }
  std::memcpy(state, &m, sizeof m);
  if (cursorMode == 1) {
    cursorX = hub.absX;
    cursorY = hub.absY;
  } else {
    cursorX += m.lX;
    cursorY += m.lY;
  }
  for (int b = 0; b < 4; ++b) {
    if (m.rgbButtons[b] == 0) latch[b] = 0;
  }
  return 1;
}

uint32_t InputDevice::KeyPressed(uint32_t code) {
  const uint32_t k = code & 255u;
  return ((state[k] & 0x80) && latch[k] == 0) ? 1 : 0;
}

uint32_t InputDevice::ButtonPressed(uint32_t button) {
  const uint32_t b = button & 255u;
  if (type != kDeviceMouse || b > 3) return 0;
  const MouseState m = Mouse();
  return ((m.rgbButtons[b] & 0x80) && latch[b] == 0) ? 1 : 0;
}

uint32_t InputDevice::SetLatch(uint32_t code, uint32_t value) {
  latch[code & 255u] = value;
  return 1;
}

void InputDevice::LatchHeld() {
  if (!device) return;
  const InputHub& hub = InputHub::Get();
  if (type == kDeviceKeyboard) {
    uint32_t kept[256];
    for (int key : kScrollKeys) kept[key] = latch[key];
    for (int key : kModifierKeys) kept[key] = latch[key];
    for (int k = 0; k < 256; ++k) {
      if (!(state[k] & 0x80) && !hub.keyDown[k] && !device->keyHit[k]) continue;
      // Its presses so far belong to the screen before; one after now is
      // the next screen's.
      latch[k] = 1;
      device->keyAgain[k] = 0;
    }
    for (int key : kScrollKeys) latch[key] = kept[key];
    for (int key : kModifierKeys) latch[key] = kept[key];
  } else if (type == kDeviceMouse) {
    const MouseState m = Mouse();
    for (int b = 0; b < 4; ++b) {
      if (!(m.rgbButtons[b] & 0x80) && !hub.buttonDown[b] && !device->buttonHit[b]) continue;
      latch[b] = 1;
      device->buttonAgain[b] = 0;
    }
  }
}

int32_t InputDevice::XDelta() { return type == kDeviceMouse ? Mouse().lX : 0; }

int32_t InputDevice::YDelta() { return type == kDeviceMouse ? Mouse().lY : 0; }

void InputDevice::DropMotion() {
  // The buttons stay as last read, but no motion is reported again.
  MouseState last = Mouse();
  last.lX = last.lY = last.lZ = 0;
  std::memcpy(state, &last, sizeof last);
}

MouseState InputDevice::Mouse() const {
  MouseState m;
  std::memcpy(&m, state, sizeof m);
  return m;
}

uint32_t WaitForMouseRelease(InputDevice* mouse) {
  if (!mouse) return 0;
  if (mouse->ButtonPressed(0) == 1 || mouse->ButtonPressed(1) == 1) return 0;
  // A button still held cannot start a second click. One already up is
  // left free: a press before the next poll is a click of its own.
  const MouseState m = mouse->Mouse();
  for (int b : {kMouseLeft, kMouseRight}) {
    if (m.rgbButtons[b] & 0x80) mouse->SetLatch(b, 1);
  }
  return 1;
}

uint32_t TakeBackKeys(InputDevice& keyboard) {
  uint32_t taken = 0;
  for (int key : {kKeyBackspace, kKeyEscape}) {
    if (keyboard.KeyPressed(key)) {
      keyboard.SetLatch(key, 1);
      taken = 1;
    }
  }
  return taken;
}
