#pragma once
// The backend's input state: the key table and the mouse, filled from SDL
// events or from the headless controls, read by InputDevice::Poll.
// Internal to the platform layer.
#include <cstdint>
#include <vector>

#include "platform/input_device.h"

// How long after the focus comes back a key going down is one held from
// before: the desktop repeats a held key at least this often.
constexpr uint32_t kHeldFromBeforeMs = 250;

class InputSource {
 public:
  uint16_t kind = 0;               // kDeviceKeyboard or kDeviceMouse
  bool acquired = true;            // only an acquired device gathers input
  uint8_t keyHit[256] = {};        // went down, not read yet
  uint8_t keySeen[256] = {};       // went down, read in this frame
  uint8_t keyLetGo[256] = {};      // let go, and no read has shown it up since
  uint8_t keyAgain[256] = {};      // went down again after that
  int32_t dx = 0, dy = 0, dz = 0;  // motion since the last read
  uint8_t buttonHit[4] = {};       // went down since the last read
  uint8_t buttonLetGo[4] = {};     // let go, and no read has shown it up since
  uint8_t buttonAgain[4] = {};     // went down again after that
  uint32_t buttonOrder[4] = {};    // the number of each button's latest press
  bool pressCut = false;           // a held button was taken away, not let go
  std::vector<TypedKey> typed;     // key presses not taken yet, oldest first
};

class InputHub {
 public:
  static InputHub& Get();

  void KeyDown(int dik);
  void KeyUp(int dik);
  void Motion(int dx, int dy);
  void Wheel(int dz);
  void Button(int button, bool down);
  // Losing the focus unacquires every device, as the foreground cooperative
  // level does. Whatever is held then is no longer the game's: keys and
  // buttons count as up (a release that still comes is of nothing held),
  // and a press of a mouse button in progress is cut (InputDevice::PressCut)
  // rather than let go, so that what it holds is not dropped where the
  // pointer happens to be. Back in front, a key that was held as the focus
  // left and that the desktop tells of as down again within
  // kHeldFromBeforeMs is still held from before (the desktop lets go of the
  // keys held as the focus leaves, and repeats one still held once it is
  // back): it stays unseen until it is let go.
  void SetFocus(bool focused);
  // Sets the position reported to a mouse in cursor mode 1.
  void SetAbsolute(int x, int y);
  // The system pointer over the game, in frame pixels. While the game runs
  // without capturing the pointer (the SDL window), the game's cursor is put
  // where the pointer is instead of being moved by relative motion.
  void PointerAt(int x, int y);
  // All keys and buttons up, no motion, focus on, every device acquired,
  // the cursor moved by relative motion again.
  void Reset();

  InputSource* Attach(uint16_t kind);
  void Detach(InputSource* source);
  // Acquiring fails while the window is not in the foreground. An
  // unacquired device gathers nothing: what happened meanwhile is lost, and
  // the keys and buttons held down show again once it is acquired.
  bool Acquire(InputSource* source);
  void Unacquire(InputSource* source);

  // Fill a device's state; false when the device cannot be read now (not
  // acquired, or the window in the background). A screen may read the
  // keyboard more than once in a frame: a key that went down shows as down
  // to every read until the frame ends, even when it was let go before the
  // first. The mouse is read once a frame, by the game's cursor: a button
  // that went down shows to that read, and motion is taken by it.
  // again tells which keys were let go and pressed anew since the last
  // read: a press of its own, even if no read saw the key up. A button let
  // go and pressed anew shows up to one read and down to the next.
  bool ReadKeyboard(InputSource* source, uint8_t state[256], uint8_t again[256]);
  bool ReadMouse(InputSource* source, MouseState* state);
  // The oldest key press a keyboard has not taken yet, if it came before
  // the press numbered before; false when none is left or the device cannot
  // be read. Presses are kept in the order they came, however many fall
  // between two frames.
  bool TakeTyped(InputSource* source, TypedKey* key, uint32_t before);
  // Forgets the presses not taken yet.
  void DropTyped(InputSource* source);
  // The end of a frame: the key presses read in it are done with, and the
  // next frame sees those keys as they are held. A press no read has seen
  // yet stays for the next frame.
  void EndFrame();

  bool focused = true;
  // Key and button presses so far: each fresh press of a key or a button
  // takes the next number, in the order the events came, so that a key
  // typed and a click can be told apart in time.
  uint32_t presses = 0;
  int32_t absX = 0, absY = 0;
  uint8_t keyDown[256] = {};
  uint8_t keyFromBefore[256] = {};  // down, but held since before the focus came back
  uint8_t keyHeldAtLoss[256] = {};  // held (or let go this frame) as the focus left
  uint8_t keyUpThisFrame[256] = {};
  bool focusBack = false;  // the focus came back at focusBackMs
  uint32_t focusBackMs = 0;
  uint8_t buttonDown[4] = {};
  bool followsPointer = false;  // the cursor goes where the pointer is
  bool pointerKnown = false;    // the pointer has been over the game
  int32_t pointerX = 0, pointerY = 0;

 private:
  std::vector<InputSource*> sources_;
};
