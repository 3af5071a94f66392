// Gregorian observances: the day, the name shown, and the years in which the
// page shows it. An observance appears from the year it was first kept in
// Taiwan or in the Republic of China, whichever came first, and, where its
// name changed, only for the years of that name; each row names its source.
//
// Two rows have no first year: no source was found for the year 西洋情人節
// or 愚人節 was first kept in Taiwan, so they are shown in every year, as
// before, until one is found. 消費者節 has no source for Taiwan either; it
// starts with the first observance of the day by consumer organisations
// anywhere (1983), before which it cannot have been kept.
#include "almanac/tables.h"

namespace lunisol {

const std::array<SolarFestivalRow, 14> kSolarFestivals{{
    {1, 1, u"元旦", 1896, 0,
     "Gregorian New Year kept in Taiwan from 1896 under Japanese rule (林玉茹's periodisation of New Year in "
     "Japanese-era Taiwan: 新曆元旦的引入與競爭 1896-1918); the Republic adopted it on 1 January 1912"},
    {2, 14, u"西洋情人節", 0, 0, "no source found for the first year it was kept in Taiwan"},
    {3, 8, u"婦女節", 1924, 0,
     "first 三八 Women's Day in the Republic held in Guangzhou on 8 March 1924 by the 國民黨中央婦女部 "
     "(《民國日報·婦女周報》 no. 29, 12 March 1924)"},
    {3, 12, u"植樹節", 1928, 0,
     "國民政府 tree-planting on 12 March 1928 and its decree of April 1928 moving 植樹節 from 清明 (1915) "
     "to 12 March"},
    {3, 15, u"消費者節", 1983, 0,
     "World Consumer Rights Day, first observed on 15 March 1983 (Consumers International); no source found "
     "for its first keeping in Taiwan"},
    {4, 1, u"愚人節", 0, 0, "no source found for the first year it was kept in Taiwan"},
    {4, 4, u"兒童節", 1932, 1990,
     "4 April made Children's Day by the 國民政府 on 17 August 1931 at the 中華慈幼協濟會's request, first kept "
     "in 1932"},
    {4, 4, u"婦幼節", 1991, 2010,
     "內政部 amendment of 1 February 1991 to 紀念日及節日實施辦法 joining the 婦女節 and 兒童節 holidays on "
     "4 April, known as 婦幼節 until 兒童節 became a holiday of its own"},
    {4, 4, u"兒童節", 2011, 0,
     "內政部 amendment of 2010 to 紀念日及節日實施辦法 making 兒童節 a national holiday from 2011"},
    {5, 1, u"勞動節", 1920, 0,
     "first May Day observances in the Republic (Beijing) and in Japan in 1920, reported in Taiwan's press on "
     "13 May 1920 (陳家豪, 國立陽明交通大學客家文化學院, 2019)"},
    {8, 8, u"父親節", 1945, 0,
     "父親節 started in Shanghai on 8 August 1945 and decreed nationwide on the petition of Shanghai's "
     "notables after the war"},
    {9, 28, u"教師節", 1952, 0,
     "教師節 fixed on 孔子誕辰 28 September in 1952 (教育部《重編國語辭典修訂本》「教師節」); before that "
     "it fell on other days"},
    {10, 10, u"國慶日", 1912, 0,
     "臨時參議院 resolution of 28 September 1912 making 10 October the National Day, first kept in 1912"},
    {12, 25, u"聖誕節", 1859, 0,
     "kept in Taiwan by the churches since the Dominican mission of 1859 and the Presbyterian mission of 1865 "
     "(鄭仰恩〈台灣基督教發展綜述〉, 台灣大百科全書)"},
}};

}  // namespace lunisol
