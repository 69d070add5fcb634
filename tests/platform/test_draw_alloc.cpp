// The drawing calls of a frame make no heap allocation once their pictures
// and lines of text are loaded: screens draw hundreds of them per frame.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "platform/mouse_cursor.h"
#include "platform/sprite_sheet.h"
#include "platform/text_font.h"
#include "platform_test_util.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

// Every allocation of this test program is counted. (The compiler takes the
// pairing of these replacements with malloc and free for a mismatch.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return ::operator new(size, tag);
}
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

TEST(DrawCalls, MakeNoAllocation) {
  testutil::HeadlessDevice d;
  ASSERT_TRUE(d.created);
  testutil::TempDir dir;
  const std::string path = dir.File("Grid.bmp");
  ASSERT_TRUE(testutil::WriteFile(
      path, testutil::MakeBmp24(128, 64, std::vector<uint32_t>(128 * 64, 0x4080C0))));
  SpriteSheet sheet;
  ASSERT_EQ(sheet.Init(&d.dev, 2), 1u);
  sheet.SetAlphaTest(1);
  ASSERT_EQ(sheet.LoadImage(0, path.c_str(), 32, 32, 0xFF000000u, kFormatA1R5G5B5), 1u);
  TextFont font;
  ASSERT_EQ(font.Create(&d.dev, "Arial", 16, 0, 0, 0, 0), 1u);
  font.Begin();
  MouseCursor cursor;
  const char* line = "A line of text longer than any short string kept in place\nand a second";

  // The first drawing of a text (carried out at the present) renders and
  // keeps it.
  ASSERT_EQ(font.DrawText(line, 10, 10, 700, 100, 0xFFE6E6E6u, 0), 1u);
  d.dev.Present();
  // So is the first measuring of one (panels are sized to their lines).
  const int32_t width = font.TextWidth(line);
  ASSERT_GT(width, 0);

  const long before = g_allocations.load();
  for (int i = 0; i < 20; ++i) {
    d.dev.BeginScene();
    d.dev.Clear(0, 1.0f);
    for (int k = 0; k < 300; ++k)
      sheet.Draw(0, k % 8, (k * 37) % 800 - 20, (k * 53) % 600 - 20, 0xFFFFFFFFu, 0.8f, 1.5f);
    font.DrawText(line, 10, 10, 700, 100, 0xFFE6E6E6u, 0);
    EXPECT_EQ(font.TextWidth(line), width);
    cursor.Draw();
    cursor.DrawBusy(i);
    d.dev.EndScene();
    d.dev.Present();
  }
  EXPECT_EQ(g_allocations.load() - before, 0);
  font.End();
}
