#include "platform/hit_test.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>

#include "platform/paths.h"
#include "platform_test_util.h"

TEST(PointInRect, HalfOpenEdges) {
  EXPECT_EQ(PointInRect(700, 10, 64, 32, 700, 10), 1u);
  EXPECT_EQ(PointInRect(700, 10, 64, 32, 763, 41), 1u);
  EXPECT_EQ(PointInRect(700, 10, 64, 32, 764, 10), 0u);
  EXPECT_EQ(PointInRect(700, 10, 64, 32, 700, 42), 0u);
  EXPECT_EQ(PointInRect(700, 10, 64, 32, 699, 10), 0u);
  EXPECT_EQ(PointInRect(700, 10, 64, 32, 700, 9), 0u);
  EXPECT_EQ(PointInRect(0, 0, 0, 0, 0, 0), 0u);                     // empty
  EXPECT_EQ(PointInRect(5, 5, -3, 4, 4, 6), 0u);                    // negative width
  EXPECT_EQ(PointInRect(INT_MAX - 5, 0, 100, 10, INT_MAX, 5), 1u);  // no overflow
}

TEST(Paths, NormaliseAndResolve) {
  EXPECT_EQ(NormalisePath("Art\\Credits\\Back.bmp"), "Art/Credits/Back.bmp");
  EXPECT_EQ(NormalisePath("Data//data1.txt"), "Data/data1.txt");
  EXPECT_EQ(NormalisePath("Saves\\\\1.save"), "Saves/1.save");
  EXPECT_EQ(NormalisePath("/tmp//a\\b"), "/tmp/a/b");
  EXPECT_EQ(NormalisePath(""), "");
  EXPECT_EQ(NormalisePath(nullptr), "");

  testutil::TempDir dir;
  ASSERT_EQ(mkdir(dir.File("Art").c_str(), 0755), 0);
  ASSERT_EQ(mkdir(dir.File("Art/Map").c_str(), 0755), 0);
  ASSERT_TRUE(testutil::WriteFile(dir.File("Art/Map/Back.bmp"), {1}));
  testutil::ScopedChdir cd(dir.Path());
  ASSERT_TRUE(cd.ok());
  EXPECT_EQ(ResolveGamePath("Art\\Map\\Back.bmp"), "Art/Map/Back.bmp");
  // The game's file names are matched without regard to case.
  EXPECT_EQ(ResolveGamePath("art\\MAP\\back.BMP"), "Art/Map/Back.bmp");
  EXPECT_EQ(ResolveGamePath((dir.Path() + "/ART/map/BACK.bmp").c_str()),
            dir.Path() + "/Art/Map/Back.bmp");
  EXPECT_EQ(ResolveGamePath("Art\\Map\\Nothing.bmp"), "Art/Map/Nothing.bmp");
}
