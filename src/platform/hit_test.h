#pragma once
#include <cstdint>

// 1 when x <= px < x + w and y <= py < y + h, else 0.
uint32_t PointInRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t px, int32_t py);
