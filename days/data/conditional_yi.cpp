// 宜 that the book grants only together with a second spirit or within a
// season (卷十 and 卷十一). A season runs from the day of its first term up to
// the day before its second, as the months turn on their term days.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

constexpr ConditionalYiRow kRows[] = {
    {u"修倉庫", u"收日 六合 五富", u"月恩 四相 時德", u"", u"", u"卷十 21a"},
    {u"修倉庫", u"母倉 天倉", u"月恩 四相 開日", u"", u"", u"卷十 10b"},
    {u"伐木", u"危日 午申日", u"", u"立冬", u"立春", u"卷十 20a"},
    {u"畋獵", u"執日 危日 收日", u"", u"霜降", u"立春", u"卷十 19b"},
    {u"取魚", u"執日 危日 收日", u"", u"雨水", u"立夏", u"卷十 19b"},
};

}  // namespace

const std::span<const ConditionalYiRow> kConditionalYiRows{kRows};

}  // namespace lunisol
