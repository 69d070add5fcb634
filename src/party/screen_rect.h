#pragma once
// A rectangle of the screen where a party screen draws, lifts or takes a
// press on something, and whether the press now held began on it.

#include <cstdint>

#include "platform/input_device.h"

struct ScreenRect {
  int32_t x, y, w, h;
};

// The press now held began inside the rectangle. Without a mouse to ask
// (the screens' own tests press by hand) every press is taken as its own.
inline bool PressBeganOn(const InputDevice* mouse, const ScreenRect& r) {
  return !mouse || mouse->PressBeganIn(r.x, r.y, r.w, r.h) != 0;
}
