// Where the almanac page's cells sit on each screen.
#include "layout/page_layout.h"

#include <gtest/gtest.h>

using namespace lunisol;

namespace {

const PageRowPlace& Row(PageRow r) { return kPageRows[static_cast<size_t>(r)]; }

}  // namespace

TEST(PageGeometry, TunedScreens) {
  const PageGeometry g = PageGeometryFor(1024, 768);
  const Rect rightmost = g.cellRect(Row(PageRow::kOfficer), 0);
  EXPECT_EQ(rightmost.left, 962);
  EXPECT_EQ(rightmost.right, 988);  // spans 962..987
  EXPECT_EQ(g.cellRect(Row(PageRow::kOfficer), 32).left, 2);
  EXPECT_EQ(g.cellRect(Row(PageRow::kOfficer), 32).right, 28);
  EXPECT_EQ(g.labelCellRect(kLabelCells[1]).left, 992);
  EXPECT_EQ(g.labelCellRect(kLabelCells[0]).right, 1018);
  EXPECT_EQ(g.columnAt(15), 0);
  EXPECT_EQ(g.columnAt(1005), kLabelColumn);
  EXPECT_TRUE(g.highlightRect(kLabelColumn).empty());
  EXPECT_EQ(g.highlightRect(32), (Rect{960, 2, 990, 677}));

  const PageGeometry big = PageGeometryFor(1280, 1024);
  EXPECT_EQ(big.columnWidth, 37);
  EXPECT_EQ(big.leftOffset, 9);
  EXPECT_EQ(big.bottomShift, 256);
  const Rect lucky = big.cellRect(Row(PageRow::kLuckyHoursFirst), 0);
  EXPECT_EQ(lucky.top, 787);
  EXPECT_EQ(lucky.bottom, 813);    // rows 787..812
  EXPECT_EQ(big.columnAt(8), -1);  // left of the first frame
  EXPECT_EQ(big.columnAt(9), 0);

  const PageGeometry small = PageGeometryFor(800, 600);
  EXPECT_EQ(small.cellRect(Row(PageRow::kOfficer), 0).left, 962);
  EXPECT_EQ(small.bottomShift, 0);
  EXPECT_EQ(small.highlightRect(0).bottom, 1020 - 91);
}

TEST(PageGeometry, EveryScreenKeepsCellsInsideTheirColumns) {
  for (Size s : {Size{800, 600}, Size{1024, 768}, Size{1152, 864}, Size{1280, 1024}, Size{1366, 768}, Size{1920, 1080},
                 Size{2560, 1440}, Size{1280, 720}}) {
    const PageGeometry g = PageGeometryFor(s.width, s.height);
    for (int e = 0; e < kDayColumns; ++e) {
      const int c = 32 - e;
      const Rect column = g.highlightRect(c);
      for (const PageRowPlace& layout : kPageRows) {
        const Rect r = g.cellRect(layout, e);
        EXPECT_EQ(g.columnAt(r.centreX()), c) << s.width << "x" << s.height << " e " << e;
        EXPECT_LE(r.bottom - 1, g.sheetSize().height) << s.width;
        EXPECT_GE(r.top, column.top);
      }
    }
    for (const LabelCellPlace& layout : kLabelCells)
      EXPECT_EQ(g.columnAt(g.labelCellRect(layout).centreX()), kLabelColumn);
    // The lower rows never climb onto the warning columns.
    EXPECT_GE(g.cellRect(Row(PageRow::kLuckyHoursFirst), 0).top, g.cellRect(Row(PageRow::kWarningC), 0).bottom - 1);
  }
}

TEST(PageGeometry, ALowerPageAreaMovesTheLowerRowsUpUntilThePageFits) {
  // A bare screen keeps the layout it was tuned for.
  EXPECT_EQ(PageLayoutHeight({1280, 1024}, 968), 1024);
  EXPECT_EQ(PageLayoutHeight({1024, 768}, 712), 768);
  // The 800-wide screen keeps its own layout, which scrolls.
  EXPECT_EQ(PageLayoutHeight({800, 600}, 400), 600);
  for (int area = 500; area <= 1400; area += 7) {
    const int height = PageLayoutHeight({1280, 1440}, area);
    EXPECT_LE(height, 1440);
    EXPECT_GE(height, kLowestPageLayoutHeight);
    const PageGeometry g = PageGeometryFor(1280, height);
    // Down to the lowest layout the whole page fits; where even that would
    // not, the page keeps the 768 layout and scrolls.
    if (area + 88 < kLowestPageLayoutHeight) {
      EXPECT_EQ(height, 768) << area;
      continue;
    }
    EXPECT_LE(g.sheetSize().height, area) << area;
    if (height < 1440) {
      EXPECT_GT(PageGeometryFor(1280, height + 1).sheetSize().height, area) << "not the tallest";
    }
  }
}

// Laptops with a panel leave 1366 × 728, 1280 × 680 or 1024 × 728; a screen
// lower than 768 (1280 × 720) is laid out for the room too. Every row keeps
// its height and its order; only the warning notes (and the titles beside
// them) give up height.
TEST(PageGeometry, LowWorkAreasKeepEveryRowWhole) {
  // The window's toolbar row and page tabs take 55 pixels.
  for (Size work : {Size{1366, 728}, Size{1280, 680}, Size{1024, 728}, Size{1280, 720}}) {
    const int area = work.height - 55;
    const int height = PageLayoutHeight({work.width, std::max(work.height, 720)}, area);
    const PageGeometry g = PageGeometryFor(work.width, height);
    ASSERT_LE(g.sheetSize().height, area) << work.width << "x" << work.height;
    const PageGeometry full = PageGeometryFor(work.width, 768);
    for (int e : {0, 16, 32}) {
      for (const PageRowPlace& row : kPageRows) {
        const Rect r = g.cellRect(row, e), tall = full.cellRect(row, e);
        if (row.shift == RowShift::kGives) {
          EXPECT_LT(r.height(), tall.height());
          EXPECT_GE(r.height(), 84);  // six lines at the least
        } else {
          EXPECT_EQ(r.height(), tall.height()) << static_cast<int>(row.row);
        }
        EXPECT_LE(r.bottom, g.frameBottom);
      }
      // The lower rows start below the warning notes' new foot.
      EXPECT_GE(g.cellRect(Row(PageRow::kLuckyHoursFirst), e).top, g.cellRect(Row(PageRow::kWarningC), e).bottom);
    }
    EXPECT_LE(g.lunarTitleRect().bottom, g.labelCellRect(kLabelCells[2]).top);
    EXPECT_EQ(g.backdropRect().height(), g.frameBottom + 1);
    // The term panels end above the frames' foot.
    const Rect heading = g.cellRect(Row(PageRow::kWeekdayHeading), 5);
    EXPECT_LT(g.termPanelRect(heading).bottom, g.frameBottom);
  }
}
