// Where the zodiac sheet's texts sit: each group's head lines and its
// fifteen monthly columns.
#include "layout/zodiac_fortune_layout.h"

#include <gtest/gtest.h>

using namespace lunisol;

TEST(ZodiacFortuneLayout, HeadLines) {
  for (size_t g = 0; g < 4; ++g) {
    const auto& lines = kZodiacGroups[g].lines;
    EXPECT_EQ(lines[static_cast<size_t>(ZodiacLine::kAnimal)].id, 1207 + 5 * static_cast<int>(g));
    EXPECT_EQ(lines[static_cast<size_t>(ZodiacLine::kUnlucky)].id, 1211 + 5 * static_cast<int>(g));
    EXPECT_TRUE(lines[static_cast<size_t>(ZodiacLine::kAges)].leftAligned);
    EXPECT_FALSE(lines[static_cast<size_t>(ZodiacLine::kTitle)].leftAligned);
  }
  EXPECT_EQ(kZodiacGroups[0].lines[0].x, 318);
  EXPECT_EQ(kZodiacGroups[3].lines[4].x, 2);
  EXPECT_EQ(kZodiacGroups[3].lines[4].y, 41);
  EXPECT_EQ(ZodiacLineRect(kZodiacGroups[0].lines[0]), (Rect{636, 4, 844, 20}));
}

TEST(ZodiacFortuneLayout, ColumnPlaces) {
  EXPECT_EQ(kZodiacGroups[0].columns[0], (Rect{833, 104, 845, 618}));
  EXPECT_EQ(kZodiacGroups[0].columns[1], (Rect{819, 104, 833, 618}));
  EXPECT_EQ(kZodiacGroups[0].columns[14], (Rect{637, 104, 651, 618}));
  EXPECT_EQ(kZodiacGroups[1].columns[0], (Rect{622, 104, 634, 618}));
  EXPECT_EQ(kZodiacGroups[2].columns[0], (Rect{410, 104, 424, 618}));
  EXPECT_EQ(kZodiacGroups[2].columns[14], (Rect{214, 104, 228, 618}));
  EXPECT_EQ(kZodiacGroups[3].columns[0], (Rect{199, 104, 213, 618}));
  EXPECT_EQ(kZodiacGroups[3].columns[13], (Rect{17, 104, 31, 618}));
  EXPECT_EQ(kZodiacGroups[3].columns[14], (Rect{4, 104, 17, 618}));
}
