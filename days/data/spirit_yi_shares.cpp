// 三合 on the days of the three-harmony's 長生 and 帝旺 (卷十 15a): besides
// its own 宜, a 三合 day of 寅申巳亥 suits what 母倉 suits, and one of
// 子午卯酉 what 王日 suits; on 辰戌丑未 (墓庫) it keeps its own.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

constexpr SpiritYiShareRow kRows[] = {
    {u"三合", u"寅申巳亥", u"母倉", u"卷十 15a"},
    {u"三合", u"子午卯酉", u"王日", u"卷十 15a"},
};

}  // namespace

const std::span<const SpiritYiShareRow> kSpiritYiShareRows{kRows};

}  // namespace lunisol
