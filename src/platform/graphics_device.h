#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The graphics device: owns the 800 x 600 32-bit software frame
// (0xFFRRGGBB) that every picture and text is drawn into, its render
// states, and the display the frame is presented to (the SDL window, or
// the headless backend's frame store).

class Presenter;      // the display backend (SDL window or headless)
class SpriteBlitter;  // draws texture rectangles into the frame
class TextLog;        // the texts of each frame, kept only for tests
class FontFace;       // a font's loaded face (text_font.cpp)
struct TextureImage;  // a loaded picture's pixels (texture.h)

// Texture formats the game passes (D3DFORMAT numbers).
constexpr uint32_t kFormatR8G8B8 = 20;
constexpr uint32_t kFormatA8R8G8B8 = 21;
constexpr uint32_t kFormatX8R8G8B8 = 22;
constexpr uint32_t kFormatR5G6B5 = 23;
constexpr uint32_t kFormatX1R5G5B5 = 24;
constexpr uint32_t kFormatA1R5G5B5 = 25;
constexpr uint32_t kFormatA4R4G4B4 = 26;
constexpr uint32_t kFormatA8 = 28;
constexpr uint32_t kFormatP8 = 41;

// Alpha test and blend constants (D3DCMP_*, D3DBLEND_*).
constexpr uint32_t kCmpGreaterEqual = 7;
constexpr uint32_t kBlendSrcAlpha = 5;
constexpr uint32_t kBlendInvSrcAlpha = 6;

struct DisplayMode {
  uint32_t width;
  uint32_t height;
  uint32_t refreshRate;
  uint32_t format;
};

// The frame and the render states the drawing honours.
struct FrameTarget {
  int32_t width;
  int32_t height;
  uint32_t* pixels;  // width x height, 0xFFRRGGBB, row by row
  uint32_t alphaTestEnable;
  uint32_t alphaRef;
  uint32_t alphaFunc;
  uint32_t alphaBlendEnable;
  uint32_t srcBlend;
  uint32_t destBlend;
  uint32_t lighting;
  uint32_t zEnable;
  uint32_t ambient;
  uint32_t inScene;
  // A clear of the frame is carried out only where nothing covers it: while
  // one is owed, each row keeps up to kDoneRuns runs of pixels that are
  // already cleared or drawn over (doneRuns: first column and column past
  // the end, left to right; doneCount: how many), and the rest is cleared
  // when drawn on or when the frame is shown.
  static constexpr int kDoneRuns = 4;
  uint32_t clearOwed;
  uint32_t clearColour;
  int32_t* doneRuns;   // height x kDoneRuns pairs
  uint8_t* doneCount;  // height entries
  int32_t rowsDone;    // rows done from edge to edge; all of them end the owed clear
};

// Before the rectangle [x0, x1) x [y0, y1) (inside the frame) is written
// over entirely, pixel by pixel, with no regard to what it holds.
void CoverFrameRect(FrameTarget* t, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
// Before the rectangle is read, blended onto or partly written.
void ReadyFrameRect(FrameTarget* t, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
// Carries out what remains of an owed clear.
void SettleFrame(FrameTarget* t);

// One draw of a frame as it was asked for: a clear, a picture's rectangle
// with the render states it is drawn with, or a text. The pointers are
// used only to carry the draw out while the frame is pending; two frames'
// draws are compared by the ids and values alone.
struct RecordedDraw {
  enum Kind : uint8_t { kClear, kPicture, kText };
  Kind kind;
  const TextureImage* image;  // kPicture
  FontFace* face;             // kText
  uint64_t id;                // the picture's or the font's id
  int32_t x, y;
  int32_t srcX, srcY, srcWidth, srcHeight;  // kText: width and height in srcWidth, srcHeight
  float scaleX, scaleY;
  uint32_t colour;
  uint32_t alphaTestEnable, alphaRef, alphaFunc, alphaBlendEnable, srcBlend, destBlend;
  uint32_t textAt, textLength;  // kText: the bytes in the record's text store
};

class GraphicsDevice {
 public:
  GraphicsDevice();
  ~GraphicsDevice();
  GraphicsDevice(const GraphicsDevice&) = delete;
  GraphicsDevice& operator=(const GraphicsDevice&) = delete;

  // Release, then opens the display backend chosen by GetBackend().
  uint32_t CreateDirect3D();
  // Creates the frame. window is the AppFrame's window (needed by the SDL
  // backend only). A width or height of 0 takes the window's client size
  // (windowed) or the desktop size.
  uint32_t CreateDevice(void* window, uint32_t windowed, uint32_t depthBufferWanted, int32_t width,
                        int32_t height, uint8_t bits);
  // Releases the blitter, the frame and the display; safe when empty.
  uint32_t Release();

  uint32_t BeginScene();
  uint32_t EndScene();
  // Hands the frame to the display (headless: stores it as the last
  // presented frame and advances the fake clock by one frame length).
  // A frame's draws are kept until then and carried out here in order;
  // when they are, value for value, those of the frame shown last, which
  // the frame still holds, nothing is drawn and the display is told the
  // frame is unchanged.
  uint32_t Present();
  // The clear is owed until the frame is drawn on or shown (see
  // FrameTarget): pixels that the frame's draws cover are not cleared.
  uint32_t Clear(uint32_t colour, float depth);
  uint32_t ClearDisplay(uint32_t colour);
  // The frame as drawn so far, every owed clear carried out (for reading
  // its pixels before it is shown).
  const uint32_t* SettledPixels();

  // The frame's draws so far (see Present), kept by Texture and TextFont.
  // A picture's draw is kept only when it would draw something; its result
  // is worked out by the caller.
  void RecordPicture(const TextureImage* image, int32_t x, int32_t y, int32_t srcX, int32_t srcY,
                     int32_t srcWidth, int32_t srcHeight, float scaleX, float scaleY,
                     uint32_t colour);
  void RecordText(FontFace* face, uint64_t fontId, const char* text, int32_t x, int32_t y,
                  int32_t width, int32_t height, uint32_t colour);
  // Carries out the draws kept so far, in order, into the frame. Done
  // before a picture or font they use is freed and before the frame is read.
  void CarryOut();

  uint32_t SetAlphaTest(uint32_t flag);
  uint32_t EnableAlphaBlending(uint32_t flag, uint32_t srcBlend, uint32_t destBlend);
  uint32_t EnableLighting(uint32_t flag);
  uint32_t EnableZBuffer(uint32_t flag);
  uint32_t SetAmbientLight(uint8_t red, uint8_t green, uint8_t blue);
  uint32_t SetPerspective(float fov, float aspect, float nearPlane, float farPlane);

  static uint32_t FormatBits(uint32_t format);
  uint32_t CheckFormat(uint32_t format, uint32_t windowed, uint32_t hardware);

  FrameTarget* GetDevice() { return device; }
  SpriteBlitter* GetSprite() { return sprite; }

  void* window;
  Presenter* direct3D;
  FrameTarget* device;
  SpriteBlitter* sprite;
  DisplayMode desktopMode;
  uint32_t windowed;
  uint32_t depthBuffer;
  uint32_t hardware;
  int32_t width;
  int32_t height;
  uint8_t bitsPerPixel;
  uint8_t ambientRed;
  uint8_t ambientGreen;
  uint8_t ambientBlue;
  float projection[16];  // left-handed perspective, row-major
  // Where the fonts note each text they draw; empty (the game's own
  // setting) keeps no record. Not owned.
  TextLog* textLog;
  // Whether an unchanged frame is left as it is (see Present). The benches
  // turn it off so that every frame they time is drawn.
  bool skipUnchanged;
  // Draws carried out into the frame since the device was made (pictures,
  // texts and clears), for tests.
  uint64_t drawsCarriedOut;

 private:
  void ResetRecord();
  RecordedDraw* NewDraw(RecordedDraw::Kind kind);
  bool SameAsShown() const;

  // This frame's draws and text bytes, and the last presented frame's;
  // room set aside once and swapped at each present.
  std::vector<RecordedDraw> draws_, shownDraws_;
  std::vector<char> text_, shownText_;
  size_t carriedOut_;  // draws of this frame already in the frame
  // The frame holds exactly the result of shownDraws_.
  bool holdsShown_;
};
