// Stars that keep to one palace: 天傷 in the 僕役 palace, 天使 in the 疾厄
// palace. Source: 《紫微斗數全書》起例.
//
// School choice: some schools swap the two for 陰男 and 陽女; we keep them
// where the 全書 and Taiwanese charts put them, for everyone.

#include "natal/rules.h"

namespace lunisol {

const std::array<FixedPalaceStar, 2> kFixedPalaceStars{{
    {Star::kTianShang, kFriendsPalace},
    {Star::kTianShi, kSicknessPalace},
}};

}  // namespace lunisol
