// The solar-term panel: its fishing notes end by the screen's height and its
// frames never reach past a narrow panel's edge.
#include "layout/term_panel_layout.h"

#include <gtest/gtest.h>

using namespace lunisol;

TEST(TermPanelLayout, FishingNotesEndByScreenHeight) {
  const TermPanelCellSpec& fishing = kTermPanelCells[static_cast<size_t>(TermPanelCell::kFishingLeft)];
  const TermPanelCellSpec& planting = kTermPanelCells[static_cast<size_t>(TermPanelCell::kPlantingLeft)];
  EXPECT_EQ(TermPanelCellRect(fishing, 1024).bottom, 960);
  EXPECT_EQ(TermPanelCellRect(fishing, 768).bottom, 670);
  EXPECT_EQ(TermPanelCellRect(fishing, 1080), kTimes8Units.rect(fishing.place));
  EXPECT_EQ(TermPanelCellRect(planting, 1024), kTimes8Units.rect(planting.place));
}

TEST(TermPanelLayout, FramesStopAtThePanelsRightEdge) {
  const std::vector<Rect> wide = TermPanelFrameRects(100);
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0], kTimes8Units.rect(kTermPanelFrames[0]));
  const std::vector<Rect> narrow = TermPanelFrameRects(20);
  EXPECT_EQ(narrow[1].right, 20);
  EXPECT_EQ(narrow[1].left, wide[1].left);
}
