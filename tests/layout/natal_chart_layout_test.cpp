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

int Slots(BoxPart part) {
  switch (part) {
    case BoxPart::kStarName:
    case BoxPart::kBrightness:
    case BoxPart::kMutagen:
    case BoxPart::kDecadalMutagen:
    case BoxPart::kYearlyMutagen:
      return kStarColumns;
    case BoxPart::kOtherStar:
      return kOtherStarsPerRow * kOtherStarRows;
    case BoxPart::kFlowingStar:
      return kFlowingStarSlots;
    default:
      return 1;
  }
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

TEST(NatalChartLayout, FramesTileAroundTheCentre) {
  const Rect block = NatalCentreBlock();
  for (int b = 0; b < 12; ++b) {
    const Rect f = NatalBoxFrame(b);
    EXPECT_EQ(f.width(), kNatalBoxWidth + 1);
    EXPECT_EQ(f.height(), kNatalBoxHeight + 1);
    // Neighbours share one line and never cover each other or the centre.
    EXPECT_FALSE(Overlap(Interior(f), block)) << b;
    for (int o = 0; o < 12; ++o) {
      if (o != b) {
        EXPECT_FALSE(Overlap(Interior(f), Interior(NatalBoxFrame(o)))) << b << " " << o;
      }
    }
    // The lines of a picked palace start on the centre's side of its box.
    const ChartPoint a = NatalBoxAnchor(b);
    EXPECT_TRUE(Interior(block).contains(a.x, a.y)) << b;
  }
  const Size sheet = NatalSheetSize();
  EXPECT_EQ(NatalBoxFrame(5).left, kSheetMargin);
  EXPECT_EQ(NatalBoxFrame(5).top, kSheetMargin);
  EXPECT_EQ(NatalBoxFrame(11).right + kSheetMargin, sheet.width);
  EXPECT_EQ(NatalBoxFrame(11).bottom + kSheetMargin, sheet.height);
  // Palaces facing each other have anchors facing each other across the
  // centre, so the line between them runs through its middle.
  for (int b = 0; b < 12; ++b) {
    const ChartPoint a = NatalBoxAnchor(b), o = NatalBoxAnchor((b + 6) % 12);
    EXPECT_NEAR(a.x + o.x, block.left + block.right - 1, 2) << b;
    EXPECT_NEAR(a.y + o.y, block.top + block.bottom - 1, 2) << b;
  }
}

// Every place of every part in every slot lies inside its box, and no two
// overlap, so a box full to its limits (eight star columns, twelve 雜曜,
// five flowing stars) keeps every text apart. The key lies over the names
// it stands for and nothing else.
TEST(NatalChartLayout, PlacesInABoxStayInsideItAndApart) {
  for (int b = 0; b < 12; ++b) {
    const Rect inside = Interior(NatalBoxFrame(b));
    std::vector<Rect> places;
    for (int p = 0; p < kBoxPartCount; ++p) {
      const auto part = static_cast<BoxPart>(p);
      if (part == BoxPart::kButton) continue;
      for (int s = 0; s < Slots(part); ++s) places.push_back(NatalBoxPlace(b, part, s));
    }
    for (size_t i = 0; i < places.size(); ++i) {
      EXPECT_TRUE(Inside(places[i], inside)) << b << " place " << i;
      for (size_t j = i + 1; j < places.size(); ++j)
        EXPECT_FALSE(Overlap(places[i], places[j])) << b << " places " << i << " and " << j;
    }
    const Rect key = NatalBoxPlace(b, BoxPart::kButton);
    for (BoxPart named : {BoxPart::kPalaceName, BoxPart::kDecadalName, BoxPart::kYearlyName})
      EXPECT_TRUE(Inside(NatalBoxPlace(b, named), key)) << b;
    EXPECT_FALSE(Overlap(key, NatalBoxPlace(b, BoxPart::kStemBranch)));
    EXPECT_FALSE(Overlap(key, NatalBoxPlace(b, BoxPart::kDecadal)));
    // A star column: name, brightness and the three marks stacked.
    const BoxPart column[] = {BoxPart::kStarName, BoxPart::kBrightness, BoxPart::kMutagen, BoxPart::kDecadalMutagen,
                              BoxPart::kYearlyMutagen};
    for (int i = 1; i < 5; ++i) {
      EXPECT_EQ(NatalBoxPlace(b, column[i], 3).left, NatalBoxPlace(b, column[0], 3).left);
      EXPECT_LE(NatalBoxPlace(b, column[i - 1], 3).bottom, NatalBoxPlace(b, column[i], 3).top);
    }
  }
}

TEST(NatalChartLayout, CentreLinesReadDownTheBlockAndTheZoomFitsTheArea) {
  const Rect block = Interior(NatalCentreBlock());
  for (int i = 0; i < kNatalCentreLineCount; ++i) {
    const Rect line = NatalCentreLineRect(static_cast<NatalCentreLine>(i));
    EXPECT_TRUE(Inside(line, block)) << i;
    EXPECT_GE(line.height(), 16) << i;  // one line of the centre's 16-pixel font
    if (i > 0) {
      EXPECT_LE(NatalCentreLineRect(static_cast<NatalCentreLine>(i - 1)).bottom, line.top) << i;
    }
  }
  const Rect edit = NatalNameEditRect();
  EXPECT_TRUE(Inside(edit, block));
  EXPECT_EQ(edit.left, NatalCentreLineRect(NatalCentreLine::kName).right);
  EXPECT_LE(edit.bottom, NatalCentreLineRect(NatalCentreLine::kSolarBirth).top);
  for (NatalCentreLine line : {NatalCentreLine::kLegend, NatalCentreLine::kMarkLegend})
    for (int m = 1; m <= 4; ++m) {
      EXPECT_TRUE(Inside(NatalLegendMarkRect(line, m), block)) << m;
      EXPECT_TRUE(Inside(NatalLegendCaptionRect(line, m), block)) << m;
      EXPECT_LE(NatalLegendMarkRect(line, m).right, NatalLegendCaptionRect(line, m).left) << m;
      if (m > 1) {
        EXPECT_LE(NatalLegendCaptionRect(line, m - 1).right, NatalLegendMarkRect(line, m).left) << m;
      }
    }

  const Size sheet = NatalSheetSize();
  // The room a 1024 × 768 window leaves under its toolbars and the time bar
  // shows the whole chart at nine tenths of its size; a large screen
  // enlarges it.
  const double small = NatalChartZoom(1024, 660);
  EXPECT_GT(small, 0.9);
  EXPECT_LE(sheet.height * small, 660);
  EXPECT_LE(sheet.width * small, 1024);
  const double large = NatalChartZoom(1280, 900);
  EXPECT_GT(large, 1.2);
  EXPECT_LE(sheet.height * large, 900);
  EXPECT_EQ(NatalChartZoom(400, 300), kNatalMinZoom);
  EXPECT_EQ(NatalChartZoom(4000, 3000), kNatalMaxZoom);
}
