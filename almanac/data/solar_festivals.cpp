// Gregorian festivals: the day, then the name shown.
#include "almanac/tables.h"

namespace lunisol {

const std::array<SolarFestivalRow, 12> kSolarFestivals{{
    {1, 1, u"元旦"},
    {2, 14, u"西洋情人節"},
    {3, 8, u"婦女節"},
    {3, 12, u"植樹節"},
    {3, 15, u"消費者節"},
    {4, 1, u"愚人節"},
    {4, 4, u"婦幼節"},
    {5, 1, u"勞動節"},
    {8, 8, u"父親節"},
    {9, 28, u"教師節"},
    {10, 10, u"國慶日"},
    {12, 25, u"聖誕節"},
}};

}  // namespace lunisol
