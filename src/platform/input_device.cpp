#include "platform/input_device.h"

#include <cstring>

#include "platform/hit_test.h"
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
      cursorY(0),
      unreadable(0),
      pressBegan(0),
      pressKnown(0),
      pressX(0),
      pressY(0),
      pressCut(0),
      pressOrder(0) {}

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
  unreadable = 0;
  pressBegan = 0;
  pressKnown = 0;
  pressX = pressY = 0;
  pressCut = 0;
  pressOrder = 0;
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
    Forget();
    return 0;
  }
  if (type == kDeviceKeyboard) {
    uint8_t keys[256];
    uint8_t again[256];
    if (!hub.ReadKeyboard(device, keys, again)) {
      Forget();
      return 0;
    }
    unreadable = 0;
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
    Forget();
    return 0;
  }
  unreadable = 0;
  const MouseState before = Mouse();
  std::memcpy(state, &m, sizeof m);
  if (cursorMode == 1) {
    cursorX = hub.absX;
    cursorY = hub.absY;
  } else {
    cursorX += m.lX;
    cursorY += m.lY;
  }
  if (device->pressCut) {
    device->pressCut = false;
    pressCut = 1;
  }
  pressBegan = 0;
  uint32_t order = kAfterEveryPress;
  for (int b = 0; b < 4; ++b) {
    if (m.rgbButtons[b] == 0) latch[b] = 0;
    if ((m.rgbButtons[b] & 0x80) && !(before.rgbButtons[b] & 0x80)) {
      pressBegan = 1;
      if (device->buttonOrder[b] < order) order = device->buttonOrder[b];
    }
  }
  if (pressBegan) {
    pressOrder = order;
    pressKnown = 0;
    pressCut = 0;
  }
  return 1;
}

void InputDevice::Forget() {
  pressBegan = 0;
  unreadable = 1;
  if (type == kDeviceMouse) {
    // A press in progress is cut: its release goes to another window. The
    // desktop never tells of a button held from before once the window is
    // back, so a press seen then is a press of its own.
    const MouseState last = Mouse();
    for (int b = 0; b < 4; ++b) {
      if (last.rgbButtons[b] & 0x80) pressCut = 1;
    }
    std::memset(state, 0, sizeof state);
    return;
  }
  // The keys held as the window comes back are the hub's to tell apart
  // (InputHub::SetFocus).
  std::memset(state, 0, sizeof state);
}

uint32_t InputDevice::KeyPressed(uint32_t code) {
  const uint32_t k = code & 255u;
  return ((state[k] & 0x80) && latch[k] == 0) ? 1 : 0;
}

uint32_t InputDevice::KeyHeld(uint32_t code) {
  const uint32_t k = code & 255u;
  return type == kDeviceKeyboard && (state[k] & 0x80) ? 1 : 0;
}

bool InputDevice::NextTyped(TypedKey* key, uint32_t before) {
  if (!device || type != kDeviceKeyboard || !key) return false;
  return InputHub::Get().TakeTyped(device, key, before);
}

uint32_t InputDevice::PressBeganIn(int32_t x, int32_t y, int32_t w, int32_t h) const {
  if (type != kDeviceMouse) return 0;
  if (!pressKnown) return 1;
  return PointInRect(x, y, w, h, pressX, pressY);
}

void InputDevice::SetPressOrigin(int32_t x, int32_t y) {
  pressKnown = 1;
  pressX = x;
  pressY = y;
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
  InputHub& hub = InputHub::Get();
  if (type == kDeviceKeyboard) {
    for (int k = 0; k < 256; ++k) {
      if (!(state[k] & 0x80) && !hub.keyDown[k] && !device->keyHit[k]) continue;
      // Its presses so far belong to the screen before; one after now is
      // the next screen's.
      latch[k] = 1;
      device->keyAgain[k] = 0;
    }
    hub.DropTyped(device);
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
  KeepPressTaken(mouse);
  return 1;
}

void KeepPressTaken(InputDevice* mouse) {
  if (!mouse) return;
  const MouseState m = mouse->Mouse();
  for (int b : {kMouseLeft, kMouseRight}) {
    if (m.rgbButtons[b] & 0x80) mouse->SetLatch(b, 1);
  }
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
