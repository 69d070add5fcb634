#include "menus/save_slots_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/save_slots_picture.h"

namespace pic = save_slots_picture;

namespace {

std::vector<SlotSprite> Sprites(SaveSlotsPanel& panel, int n) {
  SlotSprite out[kMaxSummarySprites];
  const int count = panel.SummarySprites(n, kSummaryX, kSummaryY[n - 1], out);
  return std::vector<SlotSprite>(out, out + count);
}

// The x of each sprite of one image, in drawing order.
std::vector<int32_t> XsOf(const std::vector<SlotSprite>& sprites, SlotSheet sheet, int image) {
  std::vector<int32_t> xs;
  for (const SlotSprite& s : sprites)
    if (s.sheet == sheet && s.image == image) xs.push_back(s.x);
  return xs;
}

std::vector<int32_t> FramesOf(const std::vector<SlotSprite>& sprites, SlotSheet sheet, int image) {
  std::vector<int32_t> frames;
  for (const SlotSprite& s : sprites)
    if (s.sheet == sheet && s.image == image) frames.push_back(s.frame);
  return frames;
}

// The text of the letters drawn on the line at y.
std::string TextAt(const std::vector<SlotSprite>& sprites, int32_t y) {
  std::vector<uint8_t> cells;
  for (const SlotSprite& s : sprites) {
    if (s.y != y) continue;
    if (s.sheet == SlotSheet::kLettersLow) cells.push_back(static_cast<uint8_t>(s.frame));
    if (s.sheet == SlotSheet::kLettersHigh)
      cells.push_back(static_cast<uint8_t>(s.frame + glyph::kCapitalA));
  }
  return GlyphToText(cells.data(), static_cast<int>(cells.size()));
}

}  // namespace

TEST(SaveSlotsPanel, SummaryPlaces) {
  SaveSlotsPanel panel;
  const int32_t x = kSummaryX;
  // A name whose last letter is at index 4 is centred on x + 196; capitals
  // come from the high sheet, the caret is not drawn.
  const uint8_t name[5] = {28, 29, 1, 5, 80};
  for (int i = 0; i < 5; ++i) panel.summaryName[0][i] = name[i];
  panel.summaryFame[0] = 7;
  panel.summaryDay[0] = 110;
  panel.MeasureNames();
  std::vector<SlotSprite> s = Sprites(panel, 1);
  EXPECT_EQ(XsOf(s, SlotSheet::kLettersHigh, 0), (std::vector<int32_t>{x + 152, x + 174, x + 240}));
  EXPECT_EQ(FramesOf(s, SlotSheet::kLettersHigh, 0), (std::vector<int32_t>{0, 1, 52}));
  // The small letter at index 3; the empty cells after the name draw the
  // blank frame 0.
  const std::vector<int32_t> low = XsOf(s, SlotSheet::kLettersLow, 0);
  ASSERT_EQ(low.size(), 17u);
  EXPECT_EQ(low[0], x + 218);
  EXPECT_EQ(FramesOf(s, SlotSheet::kLettersLow, 0)[0], 5);
  EXPECT_EQ(FramesOf(s, SlotSheet::kLettersLow, 0)[1], 0);
  // Fame 7: one digit at x + 43; day 110: three digits.
  EXPECT_EQ(XsOf(s, SlotSheet::kPanel, pic::kFameDigits), (std::vector<int32_t>{x + 43}));
  EXPECT_EQ(XsOf(s, SlotSheet::kPanel, pic::kDayDigits),
            (std::vector<int32_t>{x + 398, x + 374, x + 350}));
  EXPECT_EQ(FramesOf(s, SlotSheet::kPanel, pic::kDayDigits), (std::vector<int32_t>{0, 1, 1}));

  // Fame 1,050: four digits from x + 20 to x + 77; a day byte of 44 (a day
  // counter of 300) shows two.
  panel.summaryFame[1] = 1050;
  panel.summaryDay[1] = static_cast<uint8_t>(300);
  s = Sprites(panel, 2);
  EXPECT_EQ(XsOf(s, SlotSheet::kPanel, pic::kFameDigits),
            (std::vector<int32_t>{x + 77, x + 58, x + 39, x + 20}));
  EXPECT_EQ(FramesOf(s, SlotSheet::kPanel, pic::kFameDigits), (std::vector<int32_t>{0, 5, 0, 1}));
  EXPECT_EQ(XsOf(s, SlotSheet::kPanel, pic::kDayDigits), (std::vector<int32_t>{x + 379, x + 355}));
  EXPECT_EQ(FramesOf(s, SlotSheet::kPanel, pic::kDayDigits), (std::vector<int32_t>{4, 4}));

  // Fame of 100,000 and more shows its last five digits.
  panel.summaryFame[2] = 123456;
  s = Sprites(panel, 3);
  EXPECT_EQ(FramesOf(s, SlotSheet::kPanel, pic::kFameDigits),
            (std::vector<int32_t>{6, 5, 4, 3, 2}));
  EXPECT_EQ(XsOf(s, SlotSheet::kPanel, pic::kFameDigits).back(), x + 9);
  EXPECT_LE(s.size(), size_t{kMaxSummarySprites});

  // No summary for a free slot, nor for the one loading. A damaged one
  // says so on the name's line, and once picked in the load list why it
  // does not load; it shows nothing of a summary, whatever its fields hold.
  panel.slotUsed[3] = 0;
  EXPECT_TRUE(Sprites(panel, 4).empty());
  panel.slotUnreadable[4] = 1;
  panel.summaryFame[4] = 99999;
  const int32_t y = kSummaryY[4];
  s = Sprites(panel, 5);
  EXPECT_EQ(TextAt(s, y + 30), kDamagedSlotText);
  EXPECT_EQ(s.size(), std::string(kDamagedSlotText).size() + 1);  // D takes two cells
  panel.unreadableNotice = 4;                                     // another row's notice
  EXPECT_EQ(Sprites(panel, 5).size(), s.size());
  panel.unreadableNotice = 5;
  s = Sprites(panel, 5);
  EXPECT_EQ(TextAt(s, y + 30), kDamagedSlotText);
  EXPECT_EQ(TextAt(s, y - 2), kUnreadableSlotText);
  EXPECT_TRUE(XsOf(s, SlotSheet::kPanel, pic::kFameLabel).empty());
  EXPECT_TRUE(XsOf(s, SlotSheet::kPanel, pic::kFameDigits).empty());
  EXPECT_LE(s.size(), size_t{kMaxSummarySprites});
  EXPECT_TRUE(panel.Damaged(5) && !panel.Loadable(5));
  panel.slotUsed[4] = 0;  // gone: free again
  EXPECT_TRUE(Sprites(panel, 5).empty());
  panel.loadingSlot = 1;
  EXPECT_TRUE(Sprites(panel, 1).empty());
  EXPECT_FALSE(Sprites(panel, 2).empty());
}
