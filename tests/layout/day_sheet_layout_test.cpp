// The day sheet's places: every list the days give fits its band, nothing
// overlaps, and the tallest sheet still fits a 768-pixel screen.
#include "layout/day_sheet_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace lunisol {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}
bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// An activity is 宜 or 忌, never both, so the two lists share sixty items;
// every split of them is laid out, with one and with two rows of each kind
// of spirit.
TEST(DaySheetLayout, EverySplitOfTheListsFitsItsBands) {
  int tallest = 0;
  for (int split = 0; split <= 2 * kMaxListItems + 1; ++split) {
    const int yi = split % (kMaxListItems + 1), ji = kMaxListItems - yi;
    const int good = split > kMaxListItems ? kSpiritSlots : 3, bad = split > kMaxListItems ? 3 : kSpiritSlots;
    const DaySheetBands b = DaySheetBandsFor(good, bad, yi, ji);
    tallest = std::max(tallest, b.height);
    std::vector<Rect> placed;
    for (const DayPlaceRow& p : kDaySheetPlaces) {
      const Rect r = b.place(p.place);
      EXPECT_TRUE(Inside(r, b.bandRect(p.band))) << static_cast<int>(p.place);
      placed.push_back(r);
    }
    for (const bool isBad : {false, true})
      for (int slot = 0; slot < (isBad ? b.badRows : b.goodRows) * kSpiritSlotsPerRow; ++slot) {
        EXPECT_TRUE(Inside(b.spiritSlot(isBad, slot), b.bandRect(DayBand::kSpirits))) << slot;
        placed.push_back(b.spiritSlot(isBad, slot));
      }
    // The 凶煞 label stands at the first row of its names.
    EXPECT_EQ(b.place(DayPlace::kBadLabel).top, b.spiritSlot(true, 0).top);
    for (const bool isJi : {false, true})
      for (int i = 0; i < (isJi ? ji : yi); ++i) {
        const DayBand band = isJi ? DayBand::kJi : DayBand::kYi;
        EXPECT_TRUE(Inside(b.reasons(isJi, i), b.bandRect(band))) << yi << " " << i;
        EXPECT_GE(b.item(isJi, i).left, b.labelRect(band).right) << i;
        placed.push_back(b.item(isJi, i));
        placed.push_back(b.reasons(isJi, i));
      }
    for (size_t i = 0; i < placed.size(); ++i)
      for (size_t j = i + 1; j < placed.size(); ++j)
        EXPECT_FALSE(Overlap(placed[i], placed[j])) << yi << ": " << i << " and " << j;
    EXPECT_LE(b.bandRect(DayBand::kFoot).bottom, b.height);
  }
  // With the dialog's row of buttons and its title bar on a 768-pixel screen.
  EXPECT_LE(tallest + 44 + 30, 768);
  // Bands follow each other, sharing their ruled line.
  const DaySheetBands b = DaySheetBandsFor(7, 8, 3, 10);
  for (int band = 1; band < kDayBandCount; ++band)
    EXPECT_EQ(b.top[static_cast<size_t>(band)], b.bottom(static_cast<DayBand>(band - 1)) - 1);
  EXPECT_LT(b.height, DaySheetBandsFor(7, 8, 3, 11).height);
  EXPECT_LT(b.height, DaySheetBandsFor(7, 11, 3, 10).height);
  EXPECT_EQ(DaySheetBandsFor(7, 8, 0, 0).height, DaySheetBandsFor(7, 8, 1, 1).height);
}

}  // namespace
}  // namespace lunisol
