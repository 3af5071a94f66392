// Gregorian festivals: key MMDD, then the text shown.
#include "almanac/tables.h"

namespace lunisol {

const std::array<std::u16string_view, 12> kSolarFestivals{
    u"0101元旦",   u"0214西洋情人節", u"0308婦女節", u"0312植樹節", u"0315消費者節", u"0401愚人節",
    u"0404婦幼節", u"0501勞動節",     u"0808父親節", u"0928教師節", u"1010國慶日",   u"1225聖誕節"};

}  // namespace lunisol
