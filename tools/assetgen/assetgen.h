// The asset generator: every picture, piece of music and sound of the game is
// drawn or composed here, from code, at build time.
//
// Adding a table of pictures (one file per area, tools/assetgen/art_<area>.cpp):
//
//   #include "assetgen.h"
//   using namespace assetgen;
//
//   static void DrawSword(Canvas& c) {            // c is width x height, already
//     c.ThickLine(10, 50, 50, 10, 4, pal::Steel);  // filled with the key colour
//     c.OutlineShapes();                          // (or pal::Ink when unkeyed)
//   }
//
//   ASSETGEN_TABLE(ItemPictures) {
//     // path as the game passes it, image w x h, frame w x h, colour key, draw
//     r.Picture("Art\\Items\\Sword.bmp", 64, 64, 64, 64, kKeyRed, DrawSword);
//     for (int i = 0; i < 4; ++i)
//       r.Picture("Art\\Items\\Gem" + std::to_string(i) + ".bmp", 32, 32, 32, 32, kKeyNone,
//                 [i](Canvas& c) { c.Fill(pal::Gold); /* ... */ });
//   }
//
// Rules the generator enforces or relies on:
// - The path is written exactly as the game's load call passes it; `\` and `//`
//   become `/`. The file lands at <gamedir>/<path> as a 24-bit BMP.
// - Every path is registered once across all tables (a second one is an error).
// - Frames are cut row by row from the top left: frame k of fw x fh frames in a
//   W-wide image sits at column k % (W / fw), row k / (W / fw). ForEachFrame
//   follows that order.
// - Colour keys are ARGB as the game passes them: kKeyNone (0) means fully
//   opaque; otherwise pixels meant to be see-through are exactly the key colour.
//   The canvas starts filled with the key colour (or pal::Ink when unkeyed).
//   Text and Blend() never blend into key pixels, so no fringe appears.
// - Draw functions run on several threads at once: they must only touch their
//   own canvas (no shared mutable state). Each canvas carries its own RNG,
//   seeded from the path, so the output is the same on every run.
// - Palette colours never equal a pure key colour; stay with the palette.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

// ---------------------------------------------------------------- colours

using Rgb = uint32_t;  // 0xRRGGBB

constexpr Rgb MakeRgb(int r, int g, int b) {
  return (Rgb(r & 255) << 16) | (Rgb(g & 255) << 8) | Rgb(b & 255);
}
constexpr int RedOf(Rgb c) { return int((c >> 16) & 255); }
constexpr int GreenOf(Rgb c) { return int((c >> 8) & 255); }
constexpr int BlueOf(Rgb c) { return int(c & 255); }

Rgb Mix(Rgb a, Rgb b, float t);    // t 0 gives a, 1 gives b
Rgb Lighten(Rgb c, float amount);  // towards white by amount 0..1
Rgb Darken(Rgb c, float amount);   // towards black by amount 0..1
Rgb Shade(Rgb c, int delta);       // add delta to each channel, clamped

// Colour keys as the game's load calls pass them (ARGB).
constexpr uint32_t kKeyNone = 0;
constexpr uint32_t kKeyBlack = 0xFF000000u;
constexpr uint32_t kKeyRed = 0xFFFF0000u;
constexpr uint32_t kKeyGreen = 0xFF00FF00u;
constexpr uint32_t kKeyBlue = 0xFF0000FFu;
constexpr uint32_t kKeyWhite = 0xFFFFFFFFu;

// The house palette: warm fantasy colours. Draw every picture from these
// (Mix/Lighten/Darken of them are fine). None is a pure key colour.
namespace pal {
// Ink for outlines and the darkest shadows (never pure black).
constexpr Rgb Ink = 0x1E1610;
constexpr Rgb InkSoft = 0x3A2C20;
// Parchment for pages, labels and light panels.
constexpr Rgb ParchmentLight = 0xF4E8C8;
constexpr Rgb Parchment = 0xE6D3A3;
constexpr Rgb ParchmentDark = 0xC4A874;
// Wood for frames, panels and buttons.
constexpr Rgb WoodLight = 0xB07A44;
constexpr Rgb Wood = 0x7E5230;
constexpr Rgb WoodDark = 0x4E311C;
constexpr Rgb WoodDeep = 0x2E1C10;
// Gold for highlights, rims and selected states.
constexpr Rgb GoldLight = 0xF6DA7A;
constexpr Rgb Gold = 0xDCA834;
constexpr Rgb GoldDark = 0x94701C;
// The two sides: deep red (the enemy) and blue (the kingdom).
constexpr Rgb RedLight = 0xE0705E;
constexpr Rgb Red = 0xB8342A;
constexpr Rgb RedDeep = 0x7A1A16;
constexpr Rgb BlueLight = 0x7AA0E0;
constexpr Rgb Blue = 0x3A62B8;
constexpr Rgb BlueDeep = 0x1E3472;
// Ground.
constexpr Rgb GrassLight = 0x86B850;
constexpr Rgb Grass = 0x548E32;
constexpr Rgb GrassDark = 0x2F5E1E;
constexpr Rgb SandLight = 0xF0DCA4;
constexpr Rgb Sand = 0xDABE7C;
constexpr Rgb SandDark = 0xB08E50;
constexpr Rgb EarthLight = 0xA27A4E;
constexpr Rgb Earth = 0x7C5834;
constexpr Rgb EarthDark = 0x543A20;
constexpr Rgb SlateLight = 0xA4A8AE;
constexpr Rgb Slate = 0x6C7078;
constexpr Rgb SlateDark = 0x42464E;
constexpr Rgb WaterLight = 0x78B0DC;
constexpr Rgb Water = 0x336EA6;
constexpr Rgb WaterDeep = 0x1C426E;
// Stone and metal (item tiers rise iron -> steel -> bronze -> silver -> gold -> enchanted).
constexpr Rgb StoneLight = 0xC8C0B0;
constexpr Rgb Stone = 0x968E80;
constexpr Rgb StoneDark = 0x625C52;
constexpr Rgb Iron = 0x6E6A66;
constexpr Rgb Steel = 0xA8B0BA;
constexpr Rgb Bronze = 0xB07838;
constexpr Rgb Silver = 0xD4D8DE;
constexpr Rgb Enchanted = 0x58A8F0;
// People.
constexpr Rgb SkinLight = 0xF0C8A0;
constexpr Rgb Skin = 0xD8A07A;
constexpr Rgb SkinDark = 0x9C6A48;
constexpr Rgb HairBlond = 0xE2C060;
constexpr Rgb HairBrown = 0x6A4424;
constexpr Rgb HairBlack = 0x2A2220;
constexpr Rgb HairGrey = 0xB4B0AA;
constexpr Rgb HairRed = 0xB0502A;
// Odds and ends.
constexpr Rgb Leaf = 0x3E7A2A;
constexpr Rgb Fire = 0xF08A24;
constexpr Rgb FireLight = 0xFCD060;
constexpr Rgb Purple = 0x6A3A8A;
constexpr Rgb Cream = 0xE6E6E6;    // the game's body-text grey-white
constexpr Rgb Heading = 0x82E682;  // the game's heading green
constexpr Rgb Night = 0x161A2C;
}  // namespace pal

// ---------------------------------------------------------------- randomness

// A small deterministic generator (splitmix64).
class Rng {
 public:
  explicit Rng(uint64_t seed = 1) : state_(seed) {}
  uint64_t Next();
  int Int(int lo, int hi);  // lo..hi inclusive
  float Float();            // 0..1
  float Range(float lo, float hi);
  bool Chance(float p);
  uint64_t state_;
};

uint64_t HashString(const std::string& s);  // FNV-1a, for seeds

// ---------------------------------------------------------------- text

enum class Align { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };

struct TextStyle {
  int size = 16;      // pixel height passed to the font
  bool bold = true;   // Liberation Sans Bold (captions) or Regular
  bool mono = false;  // Liberation Mono instead: one advance for every glyph (letter cells)
  Rgb color = pal::ParchmentLight;
  bool outline = false;  // a one-pixel ring of outlineColor around the glyphs
  Rgb outlineColor = pal::Ink;
  bool shadow = false;  // a copy offset one pixel down-right (light from top left)
  Rgb shadowColor = pal::Ink;
  bool antialias = true;  // blend edges against opaque ground (never into key pixels)
  Align align = Align::Center;
  VAlign valign = VAlign::Middle;
  int margin = 2;           // the text keeps this far from the box edges
  bool shrinkToFit = true;  // reduce the size until the text fits the box
};

// Gold, outlined, hard-edged lettering for captions drawn on keyed pictures.
inline TextStyle GoldCaption(int size) {
  TextStyle t;
  t.size = size;
  t.bold = true;
  t.color = pal::GoldLight;
  t.outline = true;
  t.outlineColor = pal::Ink;
  t.antialias = false;
  return t;
}

// Width and height in pixels of a text at a size.
void MeasureText(const std::string& text, int size, bool bold, int* width, int* height);

// ---------------------------------------------------------------- canvas

struct Pt {
  float x, y;
};

class Canvas {
 public:
  Canvas() = default;
  // key: the colour key as the game passes it (kKeyNone for an opaque picture).
  Canvas(int w, int h, uint32_t key = kKeyNone, uint64_t seed = 1);

  int w = 0, h = 0;
  std::vector<Rgb> px;
  bool keyed = false;  // the picture has a colour key
  Rgb key = 0;         // its RGB (valid when keyed)
  Rng rng;

  bool In(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  Rgb Get(int x, int y) const { return In(x, y) ? px[size_t(y) * w + x] : Clear(); }
  void Set(int x, int y, Rgb c) {
    if (In(x, y)) px[size_t(y) * w + x] = c;
  }
  bool IsKey(int x, int y) const { return keyed && In(x, y) && px[size_t(y) * w + x] == key; }
  // Blends c over the pixel by alpha 0..1; over a key pixel it is all or nothing
  // (alpha >= 0.5 sets c), so no edge fringe forms against the key colour.
  void Blend(int x, int y, Rgb c, float alpha);
  // The transparent colour: the key, or pal::Ink for an opaque picture.
  Rgb Clear() const { return keyed ? key : pal::Ink; }

  void Fill(Rgb c);
  void ClearToKey() { Fill(Clear()); }
  void Rect(int x, int y, int rw, int rh, Rgb c);                      // filled
  void Frame(int x, int y, int rw, int rh, Rgb c, int thickness = 1);  // outlined
  // A raised panel lit from the top left: face, light top/left edge, dark
  // bottom/right edge (bevel pixels wide), and a one-pixel ink outline.
  void Panel(int x, int y, int rw, int rh, Rgb face, int bevel = 2, bool outline = true);
  // A sunken well: dark top/left, light bottom/right.
  void Well(int x, int y, int rw, int rh, Rgb face, int bevel = 2);
  void Line(int x0, int y0, int x1, int y1, Rgb c);
  void ThickLine(float x0, float y0, float x1, float y1, float width, Rgb c);
  void Ellipse(float cx, float cy, float rx, float ry, Rgb c);  // filled
  void EllipseOutline(float cx, float cy, float rx, float ry, Rgb c, float thickness = 1);
  void Circle(float cx, float cy, float r, Rgb c) { Ellipse(cx, cy, r, r, c); }
  void CircleOutline(float cx, float cy, float r, Rgb c, float t = 1) {
    EllipseOutline(cx, cy, r, r, c, t);
  }
  void Polygon(const std::vector<Pt>& pts, Rgb c);  // filled (even-odd)
  void PolygonOutline(const std::vector<Pt>& pts, Rgb c, float thickness = 1);
  void GradientV(int x, int y, int rw, int rh, Rgb top, Rgb bottom);
  void GradientH(int x, int y, int rw, int rh, Rgb left, Rgb right);
  // Brightness jitter of +-amount (0..255) on every non-key pixel of the box.
  void Noise(int x, int y, int rw, int rh, int amount);
  // Scatters dots of colour c over non-key pixels of the box (density 0..1).
  void Speckle(int x, int y, int rw, int rh, Rgb c, float density, int dotSize = 1);
  // A soft darkening at the box's edges (for full-screen backgrounds).
  void Vignette(int x, int y, int rw, int rh, float strength);
  // Copies src to (x, y); skipKey leaves the destination where src has its key.
  void Blit(const Canvas& src, int x, int y, bool skipKey = true);
  // Copies src scaled (nearest) into the box.
  void BlitScaled(const Canvas& src, int x, int y, int dw, int dh, bool skipKey = true);
  // Flood fill from (x, y) over the colour found there.
  void FloodFill(int x, int y, Rgb c);
  // Draws a one-pixel outline of colour c on every key pixel that touches a
  // non-key pixel (4-neighbourhood): the house outline of figures and icons.
  // Only for keyed canvases; within a box when given.
  void OutlineShapes(Rgb c = pal::Ink);
  void OutlineShapes(int x, int y, int rw, int rh, Rgb c = pal::Ink);
  // Replaces every pixel of colour from by to (e.g. stray key colour in art).
  void Replace(Rgb from, Rgb to);
  // Mirrors the picture left-right.
  void FlipH();
  Canvas Crop(int x, int y, int rw, int rh) const;

  // Text from Liberation Sans into the box (x, y, bw, bh), aligned by style.
  void Text(int x, int y, int bw, int bh, const std::string& text, const TextStyle& style = {});
};

// ---------------------------------------------------------------- frames

// Calls draw once per frame k = 0..count-1 with a canvas fw x fh that holds the
// frame's current content (the key colour on a fresh keyed picture), then puts
// it back at the frame's place: row by row from the top left, as the game cuts
// frames. The frame canvas gets its own RNG seeded from the picture's and k.
void ForEachFrame(Canvas& c, int fw, int fh, int count,
                  const std::function<void(Canvas& frame, int k)>& draw);
// Where frame k of fw x fh frames lies in an image w wide.
void FramePos(int imageWidth, int fw, int fh, int k, int* x, int* y);

// Buttons: the three looks idle, hovered (brighter, gold rim), pressed (darker,
// shifted one pixel down-right) as frames 0, 1, 2.
struct ButtonStyle {
  Rgb face = pal::Wood;
  Rgb text = pal::ParchmentLight;
  int textSize = 0;  // 0: chosen from the frame height
  bool bold = true;
  int bevel = 2;
  bool rounded = true;  // cut the corners (keyed pictures show the key there)
};
// Draws one look into a frame canvas. The face callback (optional) draws an
// icon or caption instead of/over the caption into the face box.
void DrawButtonLook(
    Canvas& frame, int look, const std::string& caption, const ButtonStyle& style = {},
    const std::function<void(Canvas& frame, int look, int x, int y, int w, int h)>& face = nullptr);
// Fills frames 0, 1, 2 of fw x fh with the three looks (other frames of the
// image, if any, get the idle look so an opaque picture stays filled).
void DrawButtonLooks(
    Canvas& c, int fw, int fh, const std::string& caption, const ButtonStyle& style = {},
    const std::function<void(Canvas& frame, int look, int x, int y, int w, int h)>& face = nullptr);

// ---------------------------------------------------------------- music

// A standard MIDI file (format 1) built from notes on a tick grid.
class MidiWriter {
 public:
  explicit MidiWriter(int ticksPerBeat = 480) : ticksPerBeat_(ticksPerBeat) {}
  int ticksPerBeat() const { return ticksPerBeat_; }
  // Starts a new track; returns its index. Track 0 should carry the tempo.
  int AddTrack(const std::string& name);
  void Tempo(int track, int tick, int bpm);
  void TimeSignature(int track, int tick, int num, int denomPow2);
  void Program(int track, int tick, int channel, int program);  // GM program 0..127
  void Control(int track, int tick, int channel, int controller, int value);
  void Note(int track, int tick, int length, int channel, int key, int velocity);
  void EndOfTrack(int track, int tick);  // the loop length
  std::vector<uint8_t> Bytes() const;

  struct Event {
    int tick;
    int order;  // keeps equal-tick events stable: note-offs before note-ons
    std::vector<uint8_t> data;
  };

 private:
  int ticksPerBeat_;
  std::vector<std::string> names_;
  std::vector<std::vector<Event>> tracks_;
  std::vector<int> ends_;
};

// A mono 16-bit WAV file of float samples -1..1.
std::vector<uint8_t> WavBytes(const std::vector<float>& samples, int sampleRate);

// ---------------------------------------------------------------- registration

struct PictureEntry {
  std::string path;   // normalised ('/' separators)
  int width, height;  // image size
  int frameWidth, frameHeight;
  uint32_t key;  // ARGB colour key, kKeyNone for none
  std::function<void(Canvas&)> draw;
  std::string source;  // the table file that registered it
};

struct FileEntry {
  std::string path;
  std::function<std::vector<uint8_t>()> make;
  std::string source;
  // The game rewrites it with the player's choices: written only where the
  // game folder has none, never over his own.
  bool playersOwn = false;
};

class Registry {
 public:
  void Picture(const std::string& path, int width, int height, int frameWidth, int frameHeight,
               uint32_t key, std::function<void(Canvas&)> draw);
  // Any other file: the bytes as the function makes them.
  void File(const std::string& path, std::function<std::vector<uint8_t>()> make);
  void Midi(const std::string& path, std::function<MidiWriter()> compose);
  void Wav(const std::string& path, int sampleRate, std::function<std::vector<float>()> synth);
  void Text(const std::string& path, const std::string& content);
  // A text the player's game keeps changing (the settings): the content only
  // starts a fresh game folder.
  void PlayersText(const std::string& path, const std::string& content);

  std::vector<PictureEntry> pictures;
  std::vector<FileEntry> files;
  std::string currentSource;
};

// "Art\\Menu\\Back.bmp" and "Art//Menu//Back.bmp" -> "Art/Menu/Back.bmp".
std::string NormalisePath(const std::string& path);

using TableFn = void (*)(Registry& r);
struct TableRegistrar {
  TableRegistrar(TableFn fn, const char* source);
};
// All tables registered by the ASSETGEN_TABLE macro, in link order.
std::vector<std::pair<TableFn, const char*>>& Tables();

}  // namespace assetgen

#define ASSETGEN_TABLE(name)                                                \
  static void name(assetgen::Registry& r);                                  \
  static const assetgen::TableRegistrar name##_registrar_(&name, __FILE__); \
  static void name([[maybe_unused]] assetgen::Registry& r)
