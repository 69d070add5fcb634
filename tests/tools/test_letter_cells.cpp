// The digit and letter sheets as the asset generator wrote them into the game
// folder, set cell by cell at the pitch and horizontal scale the screens set
// them: the digits of a number and the letters of a word stand as close as
// print (no blank gap wider than a quarter of a glyph, no two glyphs
// touching), and a capital drawn across two cells is one joined letter.
//
// A sheet set at several pitches is drawn for the tightest; at a looser one
// its gaps grow by the difference, and only by that.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "game/glyph_name.h"
#include "platform/bmp_reader.h"
#include "platform/paths.h"

namespace {

constexpr uint32_t kBlack = 0x000000u, kRed = 0xFF0000u, kBlue = 0x0000FFu;

// One way a screen sets a sheet's digits: the sheet, its frame size and key,
// the screen pixels from one digit to the next and the horizontal scale.
struct DigitUse {
  const char* path;
  int frameWidth, frameHeight;
  uint32_t key;
  int pitch;
  float scale;
};

constexpr DigitUse kDigitUses[] = {
    {"Art\\Wealth\\Numbers1.bmp", 32, 32, kBlack, 20, 0.6f},  // map corner box: gold
    {"Art\\Wealth\\Numbers1.bmp", 32, 32, kBlack, 22, 0.7f},  // a find's gold
    {"Art\\Wealth\\Numbers1.bmp", 32, 32, kBlack, 25, 0.7f},
    {"Art\\Wealth\\Numbers1.bmp", 32, 32, kBlack, 17, 0.5f},    // battle bar: shield
    {"Art\\Wealth\\Numbers1.bmp", 32, 32, kBlack, 29, 0.8f},    // wealth screen
    {"Art\\You\\Numbers.bmp", 32, 32, kBlack, 20, 0.6f},        // map corner box: day
    {"Art\\Controls\\Numbers1.bmp", 32, 32, kBlack, 20, 0.6f},  // fame box
    {"Art\\Wealth\\Numbers3.bmp", 32, 32, kBlack, 17, 0.5f},    // battle bar: health
    {"Art\\Wealth\\Numbers3.bmp", 32, 32, kBlack, 13, 0.5f},    // battlefield: health
    {"Art\\Wealth\\Numbers2.bmp", 32, 32, kBlack, 17, 0.5f},    // battle bar: attack
    {"Art\\Wealth\\Numbers4.bmp", 32, 32, kBlack, 17, 0.5f},    // battle bar: alive
    {"Art\\Wealth\\Numbers4.bmp", 32, 32, kBlack, 13, 0.5f},    // battlefield: counts
    {"Art\\Wealth\\Numbers4.bmp", 32, 32, kBlack, 15, 0.5f},
    {"Art\\Wealth\\Numbers5.bmp", 32, 32, kBlack, 17, 0.5f},  // battle bar: down
    {"Art\\Heroes\\Write19.bmp", 16, 32, kBlack, 16, 1.0f},   // battle damage
    {"Art\\Heroes\\Write19.bmp", 16, 32, kBlack, 17, 1.0f},
    {"Art\\Heroes\\Write19.bmp", 16, 32, kBlack, 15, 0.8f},  // counts, places and party
    {"Art\\Fight\\Numbers1.bmp", 16, 32, kBlack, 15, 1.0f},  // a blow's toll
    {"Art\\Heroes\\Write3.bmp", 32, 32, kBlue, 23, 0.7f},    // party: health
    {"Art\\Heroes\\Write3.bmp", 32, 32, kBlue, 17, 0.5f},    // army trade: health
    {"Art\\Heroes\\Write3.bmp", 32, 32, kBlue, 36, 1.2f},    // heroes: count
    {"Art\\Heroes\\Write4.bmp", 16, 32, kRed, 16, 1.0f},     // heroes: first place
    {"Art\\Heroes\\Write14.bmp", 32, 32, kBlack, 23, 0.7f},  // party: values
    {"Art\\Heroes\\Write14.bmp", 32, 32, kBlack, 17, 0.7f},  // party: experience
    {"Art\\Heroes\\Write14.bmp", 32, 32, kBlack, 17, 0.8f},  // party: eight-digit experience
    {"Art\\Heroes\\Write14.bmp", 32, 32, kBlack, 20, 0.6f},  // army trade: attack
    {"Art\\Heroes\\Write15.bmp", 32, 32, kBlack, 20, 0.6f},  // army trade: shield
    {"Art\\Menu\\Numbers.bmp", 32, 32, kRed, 17, 0.6f},      // hall of fame scores
    {"Art\\Menu\\Numbers.bmp", 32, 32, kRed, 19, 0.6f},
    {"Art\\Controls\\Numbers4.bmp", 64, 64, kRed, 40, 0.7f},  // quest number
    {"Art//Menu//Numbers5.bmp", 64, 64, kBlack, 19, 0.3f},    // save slot: fame
    {"Art//Menu//Numbers5.bmp", 64, 64, kBlack, 17, 0.3f},
    {"Art//Menu//Numbers4.bmp", 64, 64, kRed, 24, 0.5f},  // save slot: day
};

// One way a screen sets names: codes below split from the low sheet (frame =
// code), the others from the high sheet (frame = code - split).
struct LetterUse {
  const char* low;
  const char* high;
  int split;
  int frameWidth, frameHeight;
  uint32_t key;
  int pitch;
  float scale;
};

constexpr LetterUse kLetterUses[] = {
    {"Art\\Name\\Name.bmp", "Art\\Name\\Name.bmp", 256, 16, 32, kBlack, 14, 1.0f},  // typing
    {"Art\\You\\You4.bmp", "Art\\You\\You5.bmp", 28, 32, 64, kBlack, 22, 0.7f},     // slots
    {"Art\\You\\You4.bmp", "Art\\You\\You5.bmp", 28, 32, 64, kBlack, 28, 0.875f},   // party
    {"Art\\You\\You4.bmp", "Art\\You\\You5.bmp", 28, 32, 64, kBlack, 32, 1.0f},     // portrait
    {"Art\\Menu\\You2.bmp", "Art\\Menu\\You1.bmp", 28, 32, 64, kRed, 22, 0.7f},     // hall
    {"Art\\Heroes\\Write5.bmp", "Art\\Heroes\\Write6.bmp", 28, 16, 32, kRed, 14, 0.875f},
    {"Art\\Heroes\\Letters1.bmp", "Art\\Heroes\\Letters2.bmp", 28, 16, 32, kRed, 14, 0.875f},
    {"Art\\Heroes\\Letters1.bmp", "Art\\Heroes\\Letters2.bmp", 28, 16, 32, kRed, 13, 0.8125f},
    {"Art\\Heroes\\Letters1.bmp", "Art\\Heroes\\Letters2.bmp", 28, 16, 32, kRed, 12, 0.75f},
};

// The screen columns a frame's ink covers when drawn at x = 0, as the sprite
// blitter maps them: screen column p shows frame column floor((p + 0.5) / s).
std::vector<int> InkColumns(const std::string& path, int fw, int fh, uint32_t key, int frame,
                            float scale) {
  static std::map<std::string, BmpImage> loaded;
  auto it = loaded.find(path);
  if (it == loaded.end()) {
    BmpImage img;
    EXPECT_TRUE(LoadBmpFile(ResolveGamePath(path.c_str()).c_str(), &img)) << path;
    it = loaded.emplace(path, img).first;
  }
  const BmpImage& img = it->second;
  std::vector<int> out;
  const int perRow = fw > 0 ? img.width / fw : 0;
  if (perRow == 0) return out;
  const int x0 = frame % perRow * fw, y0 = frame / perRow * fh;
  if (y0 + fh > img.height) return out;
  const int screenWidth = int(std::ceil(fw * scale - 0.5));
  for (int p = 0; p < screenWidth; ++p) {
    const int col = int(std::floor((p + 0.5) / scale));
    if (col >= fw) break;
    for (int y = y0; y < y0 + fh; ++y)
      if ((img.pixels[size_t(y) * img.width + x0 + col] & 0xFFFFFFu) != key) {
        out.push_back(p);
        break;
      }
  }
  return out;
}

struct Span {
  int first = 1 << 30, last = -(1 << 30);
  bool Empty() const { return last < first; }
  int Width() const { return last - first + 1; }
};

// Widens the span by the columns shifted by x.
void Add(Span* s, const std::vector<int>& cols, int x) {
  for (int c : cols) {
    s->first = std::min(s->first, c + x);
    s->last = std::max(s->last, c + x);
  }
}

// The tightest pitch, in frame pixels, at which any use sets a sheet.
template <typename Use, typename Key>
float TightestPitch(const Use* uses, size_t n, Key key, const std::string& path) {
  float tightest = 1e9f;
  for (size_t i = 0; i < n; ++i)
    if (key(uses[i]) == path) tightest = std::min(tightest, uses[i].pitch / uses[i].scale);
  return tightest;
}

TEST(LetterCells, DigitsOfEveryNumberStandAsCloseAsPrint) {
  for (const DigitUse& u : kDigitUses) {
    SCOPED_TRACE(std::string(u.path) + " at " + std::to_string(u.pitch) + " px, scale " +
                 std::to_string(u.scale));
    Span digit[10];
    int widest = 0;
    for (int d = 0; d < 10; ++d) {
      Add(&digit[d], InkColumns(u.path, u.frameWidth, u.frameHeight, u.key, d, u.scale), 0);
      ASSERT_FALSE(digit[d].Empty()) << "digit " << d << " has no ink";
      widest = std::max(widest, digit[d].Width());
    }
    const float slack = u.pitch - u.scale * TightestPitch(
                                                kDigitUses, std::size(kDigitUses),
                                                [](const DigitUse& x) { return x.path; }, u.path);
    const float allowed = widest / 4.0f + slack;
    int worst = 0, closest = 1 << 30, worstNumber = 0, closestNumber = 0;
    for (int n = 10; n < 100000; ++n) {
      std::string s = std::to_string(n);
      for (size_t i = 0; i + 1 < s.size(); ++i) {
        const Span& a = digit[s[i] - '0'];
        const Span& b = digit[s[i + 1] - '0'];
        const int gap = b.first + u.pitch - a.last - 1;
        if (gap > worst) worst = gap, worstNumber = n;
        if (gap < closest) closest = gap, closestNumber = n;
      }
    }
    EXPECT_LE(worst, allowed) << "digits of " << worstNumber << " come apart";
    EXPECT_GE(closest, 1) << "digits of " << closestNumber << " run into each other";
  }
}

TEST(LetterCells, LettersOfNamesReadAsWords) {
  std::vector<std::string> words = {"Arian", "Bob", "IJ.", "Sir Tomas of the W"};
  for (char c = 'A'; c <= 'Z'; ++c) words.push_back(std::string(1, c) + "ox");
  for (const LetterUse& u : kLetterUses) {
    SCOPED_TRACE(std::string(u.low) + " at " + std::to_string(u.pitch) + " px, scale " +
                 std::to_string(u.scale));
    auto cell = [&](int code) {
      return code < u.split
                 ? InkColumns(u.low, u.frameWidth, u.frameHeight, u.key, code, u.scale)
                 : InkColumns(u.high, u.frameWidth, u.frameHeight, u.key, code - u.split, u.scale);
    };
    int widest = 0;
    for (int code = glyph::kSmallA; code <= glyph::kSmallZ; ++code) {
      Span s;
      Add(&s, cell(code), 0);
      widest = std::max(widest, s.Width());
    }
    const float slack = u.pitch - u.scale * TightestPitch(
                                                kLetterUses, std::size(kLetterUses),
                                                [](const LetterUse& x) { return x.low; }, u.low);
    const float allowed = widest / 4.0f + slack;
    for (const std::string& word : words) {
      SCOPED_TRACE(word);
      uint8_t cells[kGlyphNameLength];
      const int used = GlyphFromText(word, cells);
      // Each character's columns; a two-cell capital's both halves together.
      std::vector<Span> chars;
      std::vector<bool> spaceBefore;
      bool space = false;
      for (int i = 0; i < used; ++i) {
        const int code = cells[i];
        if (code == glyph::kSpace) {
          space = true;
          continue;
        }
        const bool capital = code >= glyph::kCapitalA && code <= glyph::kCapitalZ + 1 &&
                             code != glyph::kCapitalI && code != glyph::kCapitalJ;
        Span s;
        const std::vector<int> left = cell(code);
        ASSERT_FALSE(left.empty()) << "cell " << i << " (code " << code << ") has no ink";
        Add(&s, left, i * u.pitch);
        if (capital) {
          const std::vector<int> right = cell(code + 1);
          ASSERT_FALSE(right.empty()) << "right half of cell " << i << " has no ink";
          Add(&s, right, (i + 1) * u.pitch);
          // Joined: no blank column inside the letter.
          std::vector<bool> inked(size_t(s.Width()), false);
          for (int c : left) inked[size_t(c + i * u.pitch - s.first)] = true;
          for (int c : right) inked[size_t(c + (i + 1) * u.pitch - s.first)] = true;
          EXPECT_TRUE(std::all_of(inked.begin(), inked.end(), [](bool b) { return b; }))
              << "the capital in cells " << i << ", " << i + 1 << " comes apart";
          ++i;
        }
        chars.push_back(s);
        spaceBefore.push_back(space);
        space = false;
      }
      for (size_t k = 1; k < chars.size(); ++k) {
        if (spaceBefore[k]) continue;
        const int gap = chars[k].first - chars[k - 1].last - 1;
        EXPECT_LE(gap, allowed) << "characters " << k - 1 << " and " << k << " come apart";
        EXPECT_GE(gap, 1) << "characters " << k - 1 << " and " << k << " run into each other";
      }
    }
  }
}

}  // namespace
