#pragma once
#include <cstdint>

// DirectInput scan codes of the keys.
constexpr int kKeyEscape = 1;
constexpr int kKey1 = 2;
constexpr int kKey2 = 3;
constexpr int kKey3 = 4;
constexpr int kKey4 = 5;
constexpr int kKey5 = 6;
constexpr int kKey6 = 7;
constexpr int kKey7 = 8;
constexpr int kKey8 = 9;
constexpr int kKey9 = 10;
constexpr int kKey0 = 11;
constexpr int kKeyMinus = 12;
constexpr int kKeyEquals = 13;
constexpr int kKeyBackspace = 14;
constexpr int kKeyTab = 15;
constexpr int kKeyQ = 16;
constexpr int kKeyW = 17;
constexpr int kKeyE = 18;
constexpr int kKeyR = 19;
constexpr int kKeyT = 20;
constexpr int kKeyY = 21;
constexpr int kKeyU = 22;
constexpr int kKeyI = 23;
constexpr int kKeyO = 24;
constexpr int kKeyP = 25;
constexpr int kKeyLBracket = 26;
constexpr int kKeyRBracket = 27;
constexpr int kKeyEnter = 28;
constexpr int kKeyLCtrl = 29;
constexpr int kKeyA = 30;
constexpr int kKeyS = 31;
constexpr int kKeyD = 32;
constexpr int kKeyF = 33;
constexpr int kKeyG = 34;
constexpr int kKeyH = 35;
constexpr int kKeyJ = 36;
constexpr int kKeyK = 37;
constexpr int kKeyL = 38;
constexpr int kKeySemicolon = 39;
constexpr int kKeyApostrophe = 40;
constexpr int kKeyGrave = 41;
constexpr int kKeyLShift = 42;
constexpr int kKeyBackslash = 43;
constexpr int kKeyZ = 44;
constexpr int kKeyX = 45;
constexpr int kKeyC = 46;
constexpr int kKeyV = 47;
constexpr int kKeyB = 48;
constexpr int kKeyN = 49;
constexpr int kKeyM = 50;
constexpr int kKeyComma = 51;
constexpr int kKeyPeriod = 52;
constexpr int kKeySlash = 53;
constexpr int kKeyRShift = 54;
constexpr int kKeyNumpadMultiply = 55;
constexpr int kKeyLAlt = 56;
constexpr int kKeySpace = 57;
constexpr int kKeyCapsLock = 58;
constexpr int kKeyF1 = 59;
constexpr int kKeyF2 = 60;
constexpr int kKeyF3 = 61;
constexpr int kKeyF4 = 62;
constexpr int kKeyF5 = 63;
constexpr int kKeyF6 = 64;
constexpr int kKeyF7 = 65;
constexpr int kKeyF8 = 66;
constexpr int kKeyF9 = 67;
constexpr int kKeyF10 = 68;
constexpr int kKeyNumLock = 69;
constexpr int kKeyScrollLock = 70;
constexpr int kKeyNumpad7 = 71;
constexpr int kKeyNumpad8 = 72;
constexpr int kKeyNumpad9 = 73;
constexpr int kKeyNumpadMinus = 74;
constexpr int kKeyNumpad4 = 75;
constexpr int kKeyNumpad5 = 76;
constexpr int kKeyNumpad6 = 77;
constexpr int kKeyNumpadPlus = 78;
constexpr int kKeyNumpad1 = 79;
constexpr int kKeyNumpad2 = 80;
constexpr int kKeyNumpad3 = 81;
constexpr int kKeyNumpad0 = 82;
constexpr int kKeyNumpadPeriod = 83;
constexpr int kKeyF11 = 87;
constexpr int kKeyF12 = 88;
constexpr int kKeyNumpadEnter = 156;
constexpr int kKeyRCtrl = 157;
constexpr int kKeyNumpadDivide = 181;
constexpr int kKeyRAlt = 184;
constexpr int kKeyHome = 199;
constexpr int kKeyUp = 200;
constexpr int kKeyPageUp = 201;
constexpr int kKeyLeft = 203;
constexpr int kKeyRight = 205;
constexpr int kKeyEnd = 207;
constexpr int kKeyDown = 208;
constexpr int kKeyPageDown = 209;
constexpr int kKeyInsert = 210;
constexpr int kKeyDelete = 211;

// The keys the map and the battlefield scroll by while they are held.
inline constexpr int kScrollKeys[] = {kKeyLeft,    kKeyRight,   kKeyUp,      kKeyDown,
                                      kKeyNumpad4, kKeyNumpad6, kKeyNumpad8, kKeyNumpad2};

// Mouse buttons.
constexpr int kMouseLeft = 0;
constexpr int kMouseRight = 1;

// Device types.
constexpr uint16_t kDeviceNone = 0;
constexpr uint16_t kDeviceKeyboard = 1;
constexpr uint16_t kDeviceMouse = 2;
constexpr uint16_t kDeviceJoystick = 3;

// One key press as it came, with whether Shift was held when it went down,
// and its place among all key and button presses (InputHub numbers each).
struct TypedKey {
  uint8_t key;
  uint8_t shift;
  uint32_t order;
};

// A place after every press: NextTyped given it takes any key press.
constexpr uint32_t kAfterEveryPress = 0xFFFFFFFF;

class InputHub;     // the backend's key table and mouse accumulators
class InputSource;  // one device's connection to the hub

// The mouse record of a poll as it lies in InputDevice::state.
struct MouseState {
  int32_t lX;
  int32_t lY;
  int32_t lZ;
  uint8_t rgbButtons[4];
};

// The input object of the window.
class InputSystem {
 public:
  InputSystem();
  ~InputSystem();
  InputSystem(const InputSystem&) = delete;
  InputSystem& operator=(const InputSystem&) = delete;

  uint32_t Create(void* window, void* instance);
  uint32_t Release();

  void* window;
  InputHub* directInput;
};

// A keyboard or mouse polled each frame. A screen may poll the keyboard
// more than once in a frame: every poll of the frame sees a key pressed
// since the last frame, however short. Key and button tests fire once per
// press: true only while down and unlatched; the caller latches on use; a
// poll clears the latch of each key or button that is up.
class InputDevice {
 public:
  InputDevice();
  ~InputDevice();
  InputDevice(const InputDevice&) = delete;
  InputDevice& operator=(const InputDevice&) = delete;

  // type 1 keyboard, 2 mouse (3 joystick: none is ever found). cursorMode
  // (mouse): 1 = system cursor position, 0 = sum of relative motion.
  uint32_t Create(InputSystem* system, uint16_t type, uint32_t cursorMode);
  uint32_t Release();
  uint32_t Clear();
  // 0 without a device. Flag 1 acquires the device, any other value lets it
  // go (it gathers nothing until acquired again; a poll acquires it again
  // when it can). 1.
  uint32_t Acquire(uint32_t flag);
  // Reads the device; 1 when read. On failure (window not in the
  // foreground) nothing is held: every key and button shows up and the
  // mouse reports no motion. A key held from before the window came back
  // shows up until it has been let go (InputHub::SetFocus).
  uint32_t Poll();
  uint32_t KeyPressed(uint32_t code);
  // A key down now, whatever a latch says: for the keys that act for as
  // long as they are held (kScrollKeys), which go on through a hand-over.
  uint32_t KeyHeld(uint32_t code);
  // Keyboard: the oldest key press not taken yet, in the order they came;
  // false when none is left. Given a mouse's pressOrder, only a key pressed
  // before that press: what a button acting on its press finds typed before
  // it. A hand-over forgets those not taken.
  bool NextTyped(TypedKey* key, uint32_t before = kAfterEveryPress);
  // Mouse: whether the press of the button now held began inside the
  // rectangle. The game's cursor tells where each press begins; a device
  // read without it cannot tell, and answers yes.
  uint32_t PressBeganIn(int32_t x, int32_t y, int32_t w, int32_t h) const;
  // Mouse: the last press ended because the window lost the focus, not by
  // the player letting go. Stays so until the next press begins.
  uint32_t PressCut() const { return pressCut; }
  // Mouse: where the press began, set by the game's cursor at the poll that
  // saw it begin (pressBegan).
  void SetPressOrigin(int32_t x, int32_t y);
  uint32_t ButtonPressed(uint32_t button);
  uint32_t SetLatch(uint32_t code, uint32_t value);
  // Latches every key or button that is down now, including one pressed
  // since the last poll and not read yet: none of them is a fresh press
  // until it has been let go, and the key presses not taken are forgotten.
  // Used when one screen hands over to another, so that a press meant for
  // the one is not taken again by the next. A scrolling key held on scrolls
  // the next screen through KeyHeld; Shift held on still gives capitals, as
  // each key typed carries its own Shift (TypedKey).
  void LatchHeld();
  int32_t XDelta();
  int32_t YDelta();
  MouseState Mouse() const;

  InputSystem* system;
  uint16_t type;
  InputSource* device;
  uint32_t cursorMode;
  uint8_t state[256];
  uint32_t latch[256];
  int32_t cursorX;
  int32_t cursorY;
  uint8_t unreadable;  // the last poll failed
  uint8_t pressBegan;  // mouse: the last poll saw a button go down
  uint8_t pressKnown;  // mouse: pressX, pressY tell where it began
  int32_t pressX;
  int32_t pressY;
  uint8_t pressCut;
  uint32_t pressOrder;  // mouse: the hub's number of the press that began (pressBegan)

 private:
  void Forget();
};

// 0 while button 0 or 1 still reports a fresh press; otherwise latches
// both buttons and returns 1.
uint32_t WaitForMouseRelease(InputDevice* mouse);
inline uint32_t WaitForMouseRelease(InputDevice& mouse) { return WaitForMouseRelease(&mouse); }

// Latches the left and right buttons where they are held: the press is
// taken, and nothing else takes it until it has been let go.
void KeepPressTaken(InputDevice* mouse);

// Whether the left or the right button reports a fresh press: every click
// of the game takes either.
inline bool EitherButtonPressed(InputDevice& mouse) {
  return mouse.ButtonPressed(kMouseLeft) || mouse.ButtonPressed(kMouseRight);
}

// A fresh press of either button that began inside the rectangle: what a
// click test takes, besides the cursor being over it now. A press that began
// elsewhere and was moved onto it is not its own.
inline bool FreshPressIn(InputDevice& mouse, int32_t x, int32_t y, int32_t w, int32_t h) {
  return EitherButtonPressed(mouse) && mouse.PressBeganIn(x, y, w, h) != 0;
}

// The keys that go back, Backspace and Escape: latches each one freshly
// pressed and returns 1 when either was, else 0.
uint32_t TakeBackKeys(InputDevice& keyboard);
