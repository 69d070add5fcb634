#pragma once
#include <cstddef>
#include <cstdint>

// Numbers drawn as text are printed with "%ld" into a text buffer and drawn
// at once. The game's long is 32 bits wide: a value is printed as a signed
// 32-bit number, so an unsigned value above 2147483647 prints negative.
// Writes at most size - 1 characters and always ends the text with a zero.
// 1 when the whole number fitted; 0 when it was cut short, or when there is
// no buffer (nothing is written then).
uint32_t PrintNumber(char* text, size_t size, int32_t value);
