#pragma once
#include <cstdint>

class GraphicsDevice;
class FontFace;  // the loaded TrueType face and its cache of drawn lines
struct FrameTarget;

// Text format flags the game passes (0 = left, top, break only at '\n',
// clipped to the rectangle).
constexpr uint32_t kTextFormatTopLeft = 0;

// A font of one face and one character height that draws text into the
// device's frame.
class TextFont {
 public:
  TextFont();
  ~TextFont();
  TextFont(const TextFont&) = delete;
  TextFont& operator=(const TextFont&) = delete;

  // height is the character height in pixels (em height, as a negative
  // LOGFONT height). "Arial" maps to Liberation Sans. 0 without a device,
  // a face name or a font file.
  uint32_t Create(GraphicsDevice* device, const char* face, uint32_t height, int32_t bold,
                  uint8_t italic, uint8_t underline, uint8_t strikeOut);
  uint32_t Begin();
  uint32_t End();
  // Draws text (bytes read as Windows-1252/Latin-1) in the rectangle x, y,
  // width, height (width 0 = 65535, height 0 = 65536) with the ARGB colour.
  // 0 without a font, else 1 (also for an empty text).
  uint32_t DrawText(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
                    uint32_t colour, uint32_t format);
  uint32_t Release();

  // Pixels from the top of one line to the top of the next.
  int32_t LineHeight() const;
  // Width in pixels of one line of text (up to the first '\n').
  int32_t TextWidth(const char* text) const;

  FontFace* font;
};

// Ends, releases and deletes a font created with new and empties the
// pointer; an empty pointer is left alone.
void DeleteFont(TextFont*& font);

// For the device's kept draws (see GraphicsDevice::Present): the device
// whose frame has a text of the face still to draw, and the drawing of a
// text (ended by a zero byte) as TextFont::DrawText asks for it.
GraphicsDevice*& FacePendingIn(FontFace* face);
void DrawFaceText(FontFace* face, FrameTarget* t, const char* text, int32_t x, int32_t y,
                  int32_t width, int32_t height, uint32_t colour);
