// The days on which 無祿 does not count (卷十 67a–68a). Its ten pillars are
// the days whose stem's 祿 falls in the day's 旬空; the book lets the 祿
// count again where a 德 meets the day or where the year, the month or the
// sun fills the empty place, and it leaves 癸亥 無祿 whatever meets it (68a),
// so 癸亥 is in no row.
//
// Choices:
// - "寅年月甲辰日": a year or a month of the branch; the year is counted from
//   立春 and the month from its section term.
// - "雨水後壬申日": from 雨水 up to the day before 春分, the days the sun
//   stays in the place (亥) the 中氣 brings it to; likewise for the others.
// - "甲年月甲辰日 … 天干三朋": the year and the month both of the day's stem,
//   three alike, as the name says.
// clang-format off
#include "days/data/tables.h"

namespace lunisol {

namespace {

using enum ReliefKind;

constexpr SpiritReliefRow kRows[] = {
    {u"無祿", u"甲辰 乙巳 丙申 丁亥 戊戌 己丑 庚辰 辛巳 壬申", kWithSpirits, u"天德 月德", u"卷十 67a"},

    {u"無祿", u"甲辰", kYearOrMonthBranch, u"寅", u"卷十 67a"},
    {u"無祿", u"乙巳", kYearOrMonthBranch, u"卯", u"卷十 67b"},
    {u"無祿", u"丙申 戊戌", kYearOrMonthBranch, u"巳", u"卷十 67b"},
    {u"無祿", u"丁亥 己丑", kYearOrMonthBranch, u"午", u"卷十 67b"},
    {u"無祿", u"庚辰", kYearOrMonthBranch, u"申", u"卷十 67b"},
    {u"無祿", u"辛巳", kYearOrMonthBranch, u"酉", u"卷十 67b"},
    {u"無祿", u"壬申", kYearOrMonthBranch, u"亥", u"卷十 67b"},

    {u"無祿", u"壬申", kSunAfterTerm, u"雨水", u"卷十 67b"},
    {u"無祿", u"辛巳", kSunAfterTerm, u"穀雨", u"卷十 67b"},
    {u"無祿", u"庚辰", kSunAfterTerm, u"小滿", u"卷十 67b"},
    {u"無祿", u"丁亥 己丑", kSunAfterTerm, u"大暑", u"卷十 67b"},
    {u"無祿", u"丙申 戊戌", kSunAfterTerm, u"處暑", u"卷十 67b"},
    {u"無祿", u"乙巳", kSunAfterTerm, u"霜降", u"卷十 67b"},
    {u"無祿", u"甲辰", kSunAfterTerm, u"小雪", u"卷十 67b"},

    // 歲德合 meets 月德合
    {u"無祿", u"己丑", kYearStemsInMonths, u"甲己 亥卯未", u"卷十 67b"},
    {u"無祿", u"乙巳", kYearStemsInMonths, u"乙庚 巳酉丑", u"卷十 67b"},
    {u"無祿", u"辛巳", kYearStemsInMonths, u"丙辛 寅午戌", u"卷十 67b"},
    {u"無祿", u"丁亥", kYearStemsInMonths, u"丁壬 申子辰", u"卷十 67b"},
    // 天德合 meets 歲德
    {u"無祿", u"庚辰", kYearStemsInMonths, u"乙庚 亥", u"卷十 68a"},
    {u"無祿", u"丙申", kYearStemsInMonths, u"丙辛 巳", u"卷十 68a"},
    {u"無祿", u"壬申", kYearStemsInMonths, u"丁壬 寅", u"卷十 68a"},
    {u"無祿", u"戊戌", kYearStemsInMonths, u"戊癸 申", u"卷十 68a"},

    {u"無祿", u"甲辰", kYearAndMonthStem, u"甲", u"卷十 68a"},
    {u"無祿", u"乙巳", kYearAndMonthStem, u"乙", u"卷十 68a"},
    {u"無祿", u"丙申", kYearAndMonthStem, u"丙", u"卷十 68a"},
    {u"無祿", u"丁亥", kYearAndMonthStem, u"丁", u"卷十 68a"},
    {u"無祿", u"戊戌", kYearAndMonthStem, u"戊", u"卷十 68a"},
    {u"無祿", u"己丑", kYearAndMonthStem, u"己", u"卷十 68a"},
    {u"無祿", u"庚辰", kYearAndMonthStem, u"庚", u"卷十 68a"},
    {u"無祿", u"辛巳", kYearAndMonthStem, u"辛", u"卷十 68a"},
    {u"無祿", u"壬申", kYearAndMonthStem, u"壬", u"卷十 68a"},
};

}  // namespace

const std::span<const SpiritReliefRow> kSpiritReliefRows{kRows};

}  // namespace lunisol
