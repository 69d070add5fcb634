#pragma once
#include <cstdint>

// Control of the headless backend for the scenario runner and the tests.
//
// The fake clock starts at 0 and advances by the frame length inside each
// GraphicsDevice::Present, as the wait for the display's retrace would:
// every reading of timeGetTime() between two presents is the same.
// Input given here is seen by the next InputDevice::Poll.
namespace headless {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;

// Milliseconds each present adds to the clock (default 16).
void SetFrameMs(uint32_t ms);
uint32_t FrameMs();

uint32_t NowMs();
void SetNowMs(uint32_t ms);

// Number of presents since the last Reset.
uint32_t PresentCount();

// Keyboard by DirectInput scan code (0..255).
void KeyDown(int dik);
void KeyUp(int dik);

// Relative mouse motion, delivered (summed) by the next mouse poll.
void MouseMotion(int dx, int dy);
// Buttons 0 left, 1 right, 2 middle, 3 fourth.
void MouseButton(int button, bool down);

// While focus is off, device polls fail as they do when the window is not
// in the foreground, and mouse motion given meanwhile is lost. On by default.
void SetInputFocus(bool focused);

// The last presented frame: 800 x 600 pixels, 0xFFRRGGBB, row by row.
// All black before the first present.
const uint32_t* FramePixels();

// Writes the last presented frame as a PNG file. 1 on success, else 0.
int WritePng(const char* path);

// Clock to 0, frame length 16, keys and buttons up, no pending motion,
// focus on, frame black, present count 0.
void Reset();

}  // namespace headless
