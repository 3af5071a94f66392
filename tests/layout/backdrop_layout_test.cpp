// The ruled backdrops of the page and the sheets.
#include "layout/backdrop_layout.h"

#include <gtest/gtest.h>

using namespace lunisol;

namespace {

bool HasRule(const BackdropShapes& s, int x0, int y, int x1) {
  for (const Line& l : s.rules())
    if (l.y1 == y && l.y2 == y && l.x1 == x0 && l.x2 == x1 - 1) return true;
  return false;
}

}  // namespace

TEST(RuledBackdrop, PageLayoutFollowsTheScreen) {
  const BackdropMetrics m1024 = BackdropMetricsFor(1024, 768);
  const std::vector<Rect> frames = BackdropShapesFor(BackdropMode::kPage, m1024).frames();
  ASSERT_EQ(frames.size(), 34u);
  EXPECT_EQ(frames.front(), (Rect{0, 2, 30, 678}));
  EXPECT_EQ(frames.back().right, 1020);
  EXPECT_EQ(frames.back().bottom, 678);  // frames end at y = 678

  const BackdropMetrics m1280 = BackdropMetricsFor(1280, 1024);
  EXPECT_EQ(m1280.columnWidth, 37);
  EXPECT_EQ(m1280.leftOffset, 9);
  const BackdropShapes s1280 = BackdropShapesFor(BackdropMode::kPage, m1280);
  EXPECT_EQ(s1280.frames().front().bottom, 934);
  for (int y : {785, 815, 845, 889}) EXPECT_TRUE(HasRule(s1280, 9, y, 46)) << y;
  EXPECT_TRUE(HasRule(s1280, 9, 19, 46));

  const BackdropMetrics m800 = BackdropMetricsFor(800, 600);
  EXPECT_EQ(m800.bottomShift, 0);
  EXPECT_EQ(m800.frameBottom, 678);
  EXPECT_EQ(m800.columnWidth, 30);
}

TEST(RuledBackdrop, TermColumnsAreFramedButNotRuled) {
  const BackdropMetrics m = BackdropMetricsFor(1024, 768);
  // Terms on days 4 and 19: the columns right after those days' columns.
  const BackdropShapes s = BackdropShapesFor(BackdropMode::kPage, m, 4, 19);
  EXPECT_EQ(s.frames().size(), 34u);
  for (int i : {28, 12}) {
    EXPECT_FALSE(HasRule(s, 30 * i, 19, 30 * i + 30)) << i;
    EXPECT_FALSE(HasRule(s, 30 * i, 529, 30 * i + 30)) << i;
  }
  EXPECT_TRUE(HasRule(s, 30 * 27, 19, 30 * 28));
  // The label column carries only the lower rules.
  EXPECT_FALSE(HasRule(s, 990, 19, 1020));
  EXPECT_TRUE(HasRule(s, 990, 529, 1020));
}

TEST(RuledBackdrop, SheetLayoutsIgnoreTheScreen) {
  for (Size screen : {Size{800, 600}, Size{1280, 1024}}) {
    const BackdropShapes hours =
        BackdropShapesFor(BackdropMode::kHourTable, BackdropMetricsFor(screen.width, screen.height));
    ASSERT_EQ(hours.frames().size(), 13u);
    EXPECT_EQ(hours.frames()[12], (Rect{360, 2, 390, 488}));
    EXPECT_EQ(hours.rules().size(), 5u);
  }
  const BackdropShapes yearly = BackdropShapesFor(BackdropMode::kYearlyNotes, {});
  ASSERT_EQ(yearly.items.size(), 13u);
  // The long top rule lies between the second and the third frame.
  EXPECT_TRUE(yearly.items[0].isFrame && yearly.items[1].isFrame && !yearly.items[2].isFrame &&
              yearly.items[3].isFrame);
  EXPECT_EQ(BackdropShapesFor(BackdropMode::kZodiac, {}).frames().size(), 4u);
}
