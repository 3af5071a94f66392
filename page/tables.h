// Tables of the hour sheet of a day.
#pragma once

#include <array>
#include <string_view>

namespace lunisol {

// 720 entries, index 12 × (day cycle index) + hour branch:
// "吉神 ：a ，b ，凶煞 ：c ，d …".
extern const std::array<std::u16string_view, 720> kHourSpirits;
// 彭祖百忌, in stem and branch order.
extern const std::array<std::u16string_view, 10> kStemTaboos;
extern const std::array<std::u16string_view, 12> kBranchTaboos;

}  // namespace lunisol
