#include "platform/text_log.h"

void TextLog::Record(const char* text, int32_t x, int32_t y, uint32_t colour) {
  drawing_.push_back(DrawnText{text ? text : "", x, y, colour});
}

void TextLog::FramePresented() {
  presented_.swap(drawing_);
  drawing_.clear();
}
