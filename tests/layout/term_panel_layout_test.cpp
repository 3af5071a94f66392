// The solar-term panel: tuned heights keep their places; elsewhere the notes
// share the panel's height by need; frames never reach past a narrow panel's
// edge.
#include "layout/term_panel_layout.h"

#include <gtest/gtest.h>

using namespace lunisol;

namespace {

const Rect& At(const TermPanelPlaces& p, TermPanelCell c) { return p.cells[static_cast<size_t>(c)]; }
Rect Template(TermPanelCell c) { return kTimes8Units.rect(kTermPanelCells[static_cast<size_t>(c)].place); }

// The notes of each kind fit their lines, lie inside the panel and in order.
void ExpectTidy(const TermPanelPlaces& p, Size panel) {
  using C = TermPanelCell;
  EXPECT_EQ(At(p, C::kPlantingRight).top, At(p, C::kPlantingLeft).top);
  EXPECT_EQ(At(p, C::kPlantingRight).bottom, At(p, C::kPlantingLeft).bottom);
  EXPECT_LE(At(p, C::kPlantingRight).bottom, p.frames[1].top + 1);
  EXPECT_EQ(p.frames[1].top + 8, At(p, C::kFishingHeading).top);
  EXPECT_LT(At(p, C::kFishingHeading).bottom, At(p, C::kFishingRight).top);
  EXPECT_LE(At(p, C::kFishingLeft).bottom, panel.height);
}

}  // namespace

TEST(TermPanelLayout, TunedHeightsKeepTheirPlaces) {
  using C = TermPanelCell;
  const TermPanelNeeds longNotes{40, 40, 14};
  const TermPanelPlaces p1024 = TermPanelLayoutFor(1024, {37, 928}, longNotes);
  EXPECT_EQ(At(p1024, C::kFishingLeft).bottom, 960);
  EXPECT_EQ(At(p1024, C::kPlantingLeft), Template(C::kPlantingLeft));
  EXPECT_EQ(At(p1024, C::kFishingHeading), Template(C::kFishingHeading));
  const TermPanelPlaces p768 = TermPanelLayoutFor(768, {100, 670}, longNotes);
  EXPECT_EQ(At(p768, C::kFishingRight).bottom, 670);
  EXPECT_EQ(p768.frames[1], kTimes8Units.rect(kTermPanelFrames[1]));
}

// 1920 × 1080 and 2560 × 1440: a long planting note takes the room the short
// fishing notes leave instead of stopping at the template's height; short
// notes keep the template's places; the fishing notes reach the panel's foot.
TEST(TermPanelLayout, TallPanelsGiveTheNotesTheirWholeHeight) {
  using C = TermPanelCell;
  for (Size panel : {Size{52, 984}, Size{72, 1344}}) {
    const TermPanelPlaces longPlanting = TermPanelLayoutFor(panel.height + 96, panel, {45, 6, 14});
    ExpectTidy(longPlanting, panel);
    EXPECT_GE(At(longPlanting, C::kPlantingRight).height(), 45 * 14) << panel.height;
    EXPECT_GE(At(longPlanting, C::kFishingLeft).height(), 6 * 14);
    EXPECT_EQ(At(longPlanting, C::kFishingLeft).bottom, panel.height - 2);

    const TermPanelPlaces shortNotes = TermPanelLayoutFor(panel.height + 96, panel, {5, 5, 14});
    EXPECT_EQ(At(shortNotes, C::kPlantingRight), Template(C::kPlantingRight));
    EXPECT_EQ(At(shortNotes, C::kFishingHeading), Template(C::kFishingHeading));
    EXPECT_EQ(At(shortNotes, C::kFishingRight).bottom, panel.height - 2);
  }
  // Too much for any panel: both kinds keep a share by need, two lines at least.
  const Size panel{52, 984};
  const TermPanelPlaces crowded = TermPanelLayoutFor(1080, panel, {200, 20, 14});
  ExpectTidy(crowded, panel);
  EXPECT_GE(At(crowded, C::kFishingRight).height(), 2 * 14);
  EXPECT_GT(At(crowded, C::kPlantingRight).height(), At(crowded, C::kFishingRight).height());
}

// A page laid out lower than 768: the panel is shorter; the planting notes
// give up height and the fishing heading moves up with them.
TEST(TermPanelLayout, LowPanelsLetTheNotesGiveUpHeight) {
  using C = TermPanelCell;
  const Size panel{40, 560};
  const TermPanelPlaces p = TermPanelLayoutFor(700, panel, {24, 12, 14});
  ExpectTidy(p, panel);
  EXPECT_LT(At(p, C::kPlantingRight).height(), Template(C::kPlantingRight).height());
  EXPECT_LT(At(p, C::kFishingHeading).top, Template(C::kFishingHeading).top);
  EXPECT_EQ(At(p, C::kFishingRight).bottom, panel.height - 2);
  EXPECT_EQ(At(p, C::kName), Template(C::kName));
}

TEST(TermPanelLayout, FramesStopAtThePanelsRightEdge) {
  const TermPanelPlaces wide = TermPanelLayoutFor(768, {100, 670}, {});
  EXPECT_EQ(wide.frames[0], kTimes8Units.rect(kTermPanelFrames[0]));
  const TermPanelPlaces narrow = TermPanelLayoutFor(768, {20, 670}, {});
  EXPECT_EQ(narrow.frames[1].right, 20);
  EXPECT_EQ(narrow.frames[1].left, wide.frames[1].left);
}
