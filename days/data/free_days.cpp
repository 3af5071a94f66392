// The days on which 德合 meets 赦願 so that nothing is forbidden (卷十 77a):
// the month's branch and the day's pillar.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

constexpr FreeDayRow kRows[] = {
    {u"卯", u"甲戌", u"卷十 77a"}, {u"巳", u"丙申", u"卷十 77a"}, {u"未", u"甲子", u"卷十 77a"},
    {u"申", u"戊申", u"卷十 77a"}, {u"酉", u"庚辰", u"卷十 77a"}, {u"戌", u"辛卯", u"卷十 77a"},
    {u"亥", u"甲子", u"卷十 77a"}, {u"丑", u"甲子", u"卷十 77a"},
};

}  // namespace

const std::span<const FreeDayRow> kFreeDayRows{kRows};

}  // namespace lunisol
