// 百忌日 (卷十 72a): the activity each stem or branch day forbids. 開倉庫出貨財
// is two of the sixty activities; 壬 forbids the digging of ditches and 卯 the
// sinking of wells, both parts of 開渠穿井.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

constexpr TabooDayRow kRows[] = {
    {u"甲", u"開倉庫", u"卷十 72a"}, {u"甲", u"出貨財", u"卷十 72a"}, {u"乙", u"栽種", u"卷十 72a"},
    {u"丁", u"剃頭", u"卷十 72a"},   {u"庚", u"經絡", u"卷十 72a"},   {u"辛", u"醞釀", u"卷十 72a"},
    {u"壬", u"開渠穿井", u"卷十 72a"}, {u"丑", u"冠帶", u"卷十 72a"}, {u"寅", u"祭祀", u"卷十 72a"},
    {u"卯", u"開渠穿井", u"卷十 72a"}, {u"巳", u"出行", u"卷十 72a"}, {u"午", u"苫蓋", u"卷十 72a"},
    {u"未", u"求醫療病", u"卷十 72a"}, {u"申", u"安牀", u"卷十 72a"}, {u"酉", u"會親友", u"卷十 72a"},
    {u"亥", u"嫁娶", u"卷十 72a"},
};

}  // namespace

const std::span<const TabooDayRow> kTabooDayRows{kRows};

}  // namespace lunisol
