// Where the natal chart's boxes and texts sit.
#include "layout/natal_chart_layout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lunisol;

namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Strictly inside a frame: clear of its one-pixel line.
Rect Interior(const Rect& frame) { return {frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1}; }

// The form's rectangle of a row, moved onto the sheet as the chart is.
Rect FormOnSheet(const NatalLayoutRow& row) {
  const Rect r = kNatalUnits.rect(row.x, row.y, row.w, row.h);
  const Rect origin = kNatalUnits.rect(54, 2, 0, 0);  // the form's top-left box
  const int dx = origin.left - kSheetMargin, dy = origin.top - kSheetMargin;
  return {r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
}

}  // namespace

TEST(NatalChartLayout, BranchesGoRoundTheSquare) {
  // 巳午未申 across the top, 酉戌 down the right, 亥子丑寅 along the bottom
  // from the right, 卯辰 up the left; the middle four cells are the centre.
  const int expected[4][4] = {{5, 6, 7, 8}, {4, -1, -1, 9}, {3, -1, -1, 10}, {2, 1, 0, 11}};
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 4; ++column)
      EXPECT_EQ(BranchAtGridCell(column, row), expected[row][column]) << column << "," << row;
  // Every branch faces its opposite across the centre.
  const Rect block = NatalCentreBlock();
  for (int b = 0; b < 12; ++b) {
    const Rect f = NatalBoxFrame(b), o = NatalBoxFrame((b + 6) % 12);
    EXPECT_NEAR(f.left + o.right, block.left + block.right, 2) << b;
    EXPECT_NEAR(f.top + o.bottom, block.top + block.bottom, 2) << b;
  }
}

TEST(NatalChartLayout, FramesTileAroundTheCentreWhereTheFormPutItsBoxes) {
  const Rect block = NatalCentreBlock();
  for (int b = 0; b < 12; ++b) {
    const Rect f = NatalBoxFrame(b);
    const Rect form = FormOnSheet(NatalBoxRow(b));
    // The form's group boxes draw their frame a little below their top.
    EXPECT_NEAR(f.left, form.left, 3) << b;
    EXPECT_NEAR(f.right, form.right, 3) << b;
    EXPECT_NEAR(f.bottom, form.bottom, 6) << b;
    EXPECT_GE(f.top, form.top - 6) << b;
    EXPECT_LE(f.top, form.top + 12) << b;
    EXPECT_GT(f.width(), 200);
    EXPECT_GT(f.height(), 160);
    // Neighbours share one line and never cover each other or the centre.
    EXPECT_FALSE(Overlap(Interior(f), block)) << b;
    for (int o = 0; o < 12; ++o) {
      if (o != b) {
        EXPECT_FALSE(Overlap(Interior(f), Interior(NatalBoxFrame(o)))) << b << " " << o;
      }
    }
    // The button keeps the form's place in its box.
    const Rect button = NatalBoxPlace(b, BoxPart::kButton);
    const Rect formButton = FormOnSheet(NatalButtonRow(b));
    EXPECT_EQ(button.size(), formButton.size()) << b;
    EXPECT_NEAR(button.left, formButton.left, 6) << b;
    EXPECT_NEAR(button.top, formButton.top, 8) << b;
  }
  const Size sheet = NatalSheetSize();
  EXPECT_EQ(NatalBoxFrame(5).left, kSheetMargin);
  EXPECT_EQ(NatalBoxFrame(5).top, kSheetMargin);
  EXPECT_EQ(NatalBoxFrame(11).right + kSheetMargin, sheet.width);
  EXPECT_EQ(NatalBoxFrame(11).bottom + kSheetMargin, sheet.height);
}

TEST(NatalChartLayout, PlacesInABoxStayInsideItAndApart) {
  for (int b = 0; b < 12; ++b) {
    const Rect inside = Interior(NatalBoxFrame(b));
    std::vector<Rect> places;
    for (int c = 0; c < kStarColumns; ++c) {
      const Rect name = NatalBoxPlace(b, BoxPart::kStarName, c);
      const Rect bright = NatalBoxPlace(b, BoxPart::kBrightness, c);
      const Rect mark = NatalBoxPlace(b, BoxPart::kMutagen, c);
      // One column: name, brightness and mark stacked under each other.
      EXPECT_EQ(name.left, bright.left);
      EXPECT_EQ(name.left, mark.left);
      EXPECT_LE(name.bottom, bright.top);
      EXPECT_LE(bright.bottom, mark.top);
      places.insert(places.end(), {name, bright, mark});
    }
    EXPECT_GT(NatalBoxPlace(b, BoxPart::kStarName, 0).left, NatalBoxPlace(b, BoxPart::kStarName, 1).left);
    for (int s = 0; s < kOtherStarsPerRow * kOtherStarRows; ++s)
      places.push_back(NatalBoxPlace(b, BoxPart::kOtherStar, s));
    for (BoxPart part : {BoxPart::kBodyMark, BoxPart::kBoshi, BoxPart::kChangsheng, BoxPart::kStemBranch,
                         BoxPart::kDecadal, BoxPart::kButton})
      places.push_back(NatalBoxPlace(b, part));
    for (size_t i = 0; i < places.size(); ++i) {
      EXPECT_TRUE(Inside(places[i], inside)) << b << " place " << i;
      for (size_t j = i + 1; j < places.size(); ++j)
        EXPECT_FALSE(Overlap(places[i], places[j])) << b << " places " << i << " and " << j;
    }
  }
}

TEST(NatalChartLayout, CentreLinesReadDownTheBlockAndTheZoomFitsTheArea) {
  const Rect block = Interior(NatalCentreBlock());
  const NatalCentreLine order[] = {
      NatalCentreLine::kName,    NatalCentreLine::kSolarBirth, NatalCentreLine::kLunarBirth,
      NatalCentreLine::kPalaces, NatalCentreLine::kBureau,     NatalCentreLine::kToday,
      NatalCentreLine::kDecadal, NatalCentreLine::kYearly,     NatalCentreLine::kLegend};
  for (size_t i = 0; i < std::size(order); ++i) {
    const Rect line = NatalCentreLineRect(order[i]);
    EXPECT_TRUE(Inside(line, block)) << i;
    EXPECT_GE(line.height(), 16) << i;  // one line of the centre's 16-pixel font
    if (i > 0) {
      EXPECT_LE(NatalCentreLineRect(order[i - 1]).bottom, line.top) << i;
    }
  }
  const Rect edit = NatalNameEditRect();
  EXPECT_TRUE(Inside(edit, block));
  EXPECT_EQ(edit.left, NatalCentreLineRect(NatalCentreLine::kName).right);
  EXPECT_LE(edit.bottom, NatalCentreLineRect(NatalCentreLine::kLunarBirth).top);
  for (int m = 1; m <= 4; ++m) {
    EXPECT_TRUE(Inside(NatalLegendMarkRect(m), block)) << m;
    EXPECT_TRUE(Inside(NatalLegendCaptionRect(m), block)) << m;
    EXPECT_LE(NatalLegendMarkRect(m).right, NatalLegendCaptionRect(m).left) << m;
    if (m > 1) {
      EXPECT_LE(NatalLegendCaptionRect(m - 1).right, NatalLegendMarkRect(m).left) << m;
    }
  }

  const Size sheet = NatalSheetSize();
  // The room a 1024 × 768 window leaves under its toolbars shows the whole
  // chart nearly at full size; a large screen enlarges it.
  const double small = NatalChartZoom(1024, 680);
  EXPECT_GT(small, 0.95);
  EXPECT_LE(sheet.height * small, 680);
  EXPECT_LE(sheet.width * small, 1024);
  const double large = NatalChartZoom(1280, 930);
  EXPECT_GT(large, 1.3);
  EXPECT_LE(sheet.height * large, 930);
  EXPECT_EQ(NatalChartZoom(400, 300), kNatalMinZoom);
  EXPECT_EQ(NatalChartZoom(4000, 3000), kNatalMaxZoom);
}
