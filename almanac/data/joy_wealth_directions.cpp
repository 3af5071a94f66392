// God of Joy and God of Wealth directions by day pillar; they repeat with the stem.
#include "almanac/tables.h"

namespace lunisol {

const std::array<std::u16string_view, 60> kJoyWealthDirections{
    u"東北,東南", u"西北,東南", u"西南,正西", u"正南,正西", u"東南,正北", u"東北,正北", u"西北,正東", u"西南,正東",
    u"正南,正南", u"東南,正南", u"東北,東南", u"西北,東南", u"西南,正西", u"正南,正西", u"東南,正北", u"東北,正北",
    u"西北,正東", u"西南,正東", u"正南,正南", u"東南,正南", u"東北,東南", u"西北,東南", u"西南,正西", u"正南,正西",
    u"東南,正北", u"東北,正北", u"西北,正東", u"西南,正東", u"正南,正南", u"東南,正南", u"東北,東南", u"西北,東南",
    u"西南,正西", u"正南,正西", u"東南,正北", u"東北,正北", u"西北,正東", u"西南,正東", u"正南,正南", u"東南,正南",
    u"東北,東南", u"西北,東南", u"西南,正西", u"正南,正西", u"東南,正北", u"東北,正北", u"西北,正東", u"西南,正東",
    u"正南,正南", u"東南,正南", u"東北,東南", u"西北,東南", u"西南,正西", u"正南,正西", u"東南,正北", u"東北,正北",
    u"西北,正東", u"西南,正東", u"正南,正南", u"東南,正南"};

}  // namespace lunisol
