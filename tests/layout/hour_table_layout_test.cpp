// Where the hour sheet's cells sit: hour k's column around X = 351 − 30k,
// the label column at the right, and the hover mark over the ruled columns.
#include "layout/hour_table_layout.h"

#include <gtest/gtest.h>

using namespace lunisol;

TEST(HourTableLayout, HourColumnsAndTheLabelColumn) {
  EXPECT_EQ(HourCellPlaceOf(0, HourRow::kRange).rect, (Rect{339, 4, 351, 44}));
  EXPECT_EQ(HourCellPlaceOf(11, HourRow::kGood).rect.left, 15);
  EXPECT_EQ(HourCellPlaceOf(11, HourRow::kGood).rect.right, 27);
  EXPECT_EQ(HourCellPlaceOf(11, HourRow::kBad).rect.left, 3);
  EXPECT_EQ(HourCellPlaceOf(11, HourRow::kBad).rect.bottom, 390);
  EXPECT_EQ(HourCellPlaceOf(4, HourRow::kGood).id, 27104);
  EXPECT_EQ(HourCellPlaceOf(4, HourRow::kBad).id, 27204);
  EXPECT_EQ(HourCellPlaceOf(3, HourRow::kOpposite).rect.top, 458);
  EXPECT_EQ(HourCellPlaceOf(3, HourRow::kOpposite).id, -1);

  EXPECT_EQ(HourLabelPlace(HourLabel::kOpposite).rect.left, 369);
  EXPECT_EQ(HourLabelPlace(HourLabel::kWealth).rect.left, 363);
  EXPECT_EQ(HourLabelPlace(HourLabel::kLunarDate).id, 27300);
  EXPECT_EQ(HourLabelPlace(HourLabel::kNote).id, 27400);
  EXPECT_EQ(HourLabelPlace(HourLabel::kLunarDate).rect.left, 376);
  EXPECT_EQ(HourLabelPlace(HourLabel::kNote).rect.right, 375);
  EXPECT_EQ(HourLabelPlace(HourLabel::kDate).rect.bottom, 120);
  EXPECT_EQ(kHourTableCells[108].rect, (Rect{375, 395, 387, 423})) << "the label column follows the hours";
}

TEST(HourTableLayout, EveryCellStaysInsideTheDialog) {
  const Rect client = kSystem10Units.rect(kHourTableFrame.size);
  for (const HourCellPlace& p : kHourTableCells) {
    EXPECT_FALSE(p.rect.empty());
    EXPECT_GE(p.rect.left, 0);
    EXPECT_LE(p.rect.right, client.right);
    EXPECT_LE(p.rect.bottom, client.bottom);
  }
}

TEST(HourTableLayout, HoverMarkOnlyOverTheRuledColumns) {
  EXPECT_EQ(HourMarkRect(5), (Rect{150, 2, 180, 488}));
  EXPECT_EQ(HourMarkRect(12), (Rect{360, 2, 390, 488}));
  EXPECT_TRUE(HourMarkRect(13).empty());
  EXPECT_TRUE(HourMarkRect(-1).empty());
}
