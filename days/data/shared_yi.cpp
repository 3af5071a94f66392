// Activities noted 宜 with another (卷十一 26a: "療目針刺無宜日，與療病同；
// 鼓鑄苫蓋無宜日，與修造同"): on a day that notes 宜 for the second, the first is
// noted 宜 too, for the same reasons, unless it is 忌 itself.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

constexpr SharedYiRow kRows[] = {
    {u"療目", u"求醫療病", u"卷十一 26a"},
    {u"針刺", u"求醫療病", u"卷十一 26a"},
    {u"鼓鑄", u"修造動土", u"卷十一 26a"},
    {u"苫蓋", u"修造動土", u"卷十一 26a"},
};

}  // namespace

const std::span<const SharedYiRow> kSharedYiRows{kRows};

}  // namespace lunisol
