// The solar-term panel: its fishing notes end by the screen's height and its
// frames never reach past a narrow panel's edge.
#include "layout/term_panel_layout.h"

#include <gtest/gtest.h>

using namespace lunisol;

TEST(TermPanelLayout, FishingNotesEndByScreenHeightOrReachThePanelsFoot) {
  const TermPanelCellPlace& fishing = kTermPanelCells[static_cast<size_t>(TermPanelCell::kFishingLeft)];
  const TermPanelCellPlace& planting = kTermPanelCells[static_cast<size_t>(TermPanelCell::kPlantingLeft)];
  EXPECT_EQ(TermPanelCellRect(fishing, 1024, 928).bottom, 960);
  EXPECT_EQ(TermPanelCellRect(fishing, 768, 670).bottom, 670);
  // Untuned screens (1920 × 1080, 2560 × 1440): down to the panel's foot,
  // not a half-drawn character at the template's y = 573.
  EXPECT_EQ(TermPanelCellRect(fishing, 1080, 984).bottom, 982);
  EXPECT_EQ(TermPanelCellRect(fishing, 1440, 1344).bottom, 1342);
  EXPECT_EQ(TermPanelCellRect(fishing, 700, 300), kTimes8Units.rect(fishing.place));
  EXPECT_EQ(TermPanelCellRect(planting, 1080, 984), kTimes8Units.rect(planting.place));
}

TEST(TermPanelLayout, FramesStopAtThePanelsRightEdge) {
  const std::vector<Rect> wide = TermPanelFrameRects(100);
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0], kTimes8Units.rect(kTermPanelFrames[0]));
  const std::vector<Rect> narrow = TermPanelFrameRects(20);
  EXPECT_EQ(narrow[1].right, 20);
  EXPECT_EQ(narrow[1].left, wide[1].left);
}
