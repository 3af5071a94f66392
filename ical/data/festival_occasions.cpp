// Which days a calendar's "festivals" part carries; every other occasion of
// the page's lunar table goes to the "deities" part, so a phone calendar
// shows the few festivals people keep unless the reader asks for the
// hundred-odd deities' days as well.
//
// Our choice, kept here only: a festival is an occasion the page's lunar
// table itself names a 節 (春節, 元宵節, … 臘八節), and 除夕, the eve of the
// new year. The birthdays and feasts of gods (天公生, 媽祖聖誕), the 牙 days
// of 福德正神 (頭牙, 尾牙) and 送神 are observances of a deity's cult and
// stay in the deities part, however widely they are kept. The Gregorian
// festivals of almanac/data/solar_festivals.cpp are festivals throughout.
// Two festivals fall on a solar term rather than a lunar date: 清明, which
// Taiwan keeps as 民族掃墓節 (a public holiday), and 冬至, when families eat
// 湯圓; they are shown on the term's day under these names, beside the term
// itself.
#include "ical/tables.h"

namespace lunisol {

const std::array<std::u16string_view, 13> kLunarTableFestivals{
    u"春節",       u"元宵節", u"填倉節", u"上巳節", u"浴佛節", u"端午節", u"天貺節",
    u"七夕情人節", u"中元節", u"中秋節", u"重陽節", u"臘八節", u"除夕"};

const std::array<TermFestival, 2> kTermFestivals{{{6, u"清明節"}, {23, u"冬至"}}};

}  // namespace lunisol
