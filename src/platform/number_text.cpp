#include "platform/number_text.h"

#include <cstdio>

uint32_t PrintNumber(char* text, size_t size, int32_t value) {
  if (!text || size == 0) return 0;
  const int written = std::snprintf(text, size, "%ld", static_cast<long>(value));
  return (written >= 0 && static_cast<size_t>(written) < size) ? 1 : 0;
}
