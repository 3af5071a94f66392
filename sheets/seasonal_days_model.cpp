#include "sheets/seasonal_days_model.h"

#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"

namespace lunisol {

namespace {

using namespace colours;

SheetLabel Label(std::u16string text, Colour colour = kBlack) { return SheetLabel{std::move(text), colour, {}}; }

// The n-th day from the term's day to the end of the year whose pillar
// matches.
template <typename Match>
std::optional<SeasonalDay> NthDayAfterTerm(int year, SolarTerm term, int n, Match match) {
  const std::optional<GregorianDate> from = TermDate(year, term);
  if (!from || n < 1) return std::nullopt;
  CalendarDate date;
  int count = 0;
  for (int m = from->month; m <= 12; ++m)
    for (int d = m == from->month ? from->day : 1; d <= DaysInSolarMonth(year, m); ++d)
      if (SolarToLunar(year, m, d, date) > 0 && match(date.dayPillar) && ++count == n)
        return SeasonalDay{date.lunar, date.dayPillar};
  return std::nullopt;
}

// The month-day text and the other half of the pillar, or empty texts when
// the search found nothing (the sheet then shows the frame of the sentence).
struct Found {
  std::u16string monthDay, half;
};

}  // namespace

std::u16string LunarMonthDayText(const LunarDate& date) {
  return Format(date.leap ? u"閏 %d 月 %d" : u"%d 月 %d", {date.month, date.day});
}

std::optional<SeasonalDay> FindDayAfterTerm(int year, SolarTerm term, Stem wanted, int n) {
  return NthDayAfterTerm(year, term, n, [wanted](Pillar p) { return p.stem() == wanted; });
}

std::optional<SeasonalDay> FindDayAfterTerm(int year, SolarTerm term, Branch wanted, int n) {
  return NthDayAfterTerm(year, term, n, [wanted](Pillar p) { return p.branch() == wanted; });
}

std::optional<SeasonalDay> DayAfterTerm(int year, SolarTerm term, int daysAfter) {
  const std::optional<GregorianDate> from = TermDate(year, term);
  if (!from) return std::nullopt;
  const GregorianDate d = CivilDate(CivilDayNumber(*from) + daysAfter);
  CalendarDate date;
  if (SolarToLunar(d.year, d.month, d.day, date) <= 0) return std::nullopt;
  return SeasonalDay{date.lunar, date.dayPillar};
}

SeasonalDaysSheet BuildSeasonalDays(int year) {
  using enum SolarTerm;
  SeasonalDaysSheet sheet;
  // A stem search shows the branch found, a branch search the stem, a day
  // counted from a term the whole pillar.
  auto found = [&](const std::optional<SeasonalDay>& day, auto half) {
    if (!day) {
      sheet.complete = false;
      return Found{};
    }
    return Found{LunarMonthDayText(day->date), std::u16string(half(day->pillar))};
  };
  auto byStem = [&](SolarTerm term, Stem wanted, int n) {
    return found(FindDayAfterTerm(year, term, wanted, n), [](Pillar p) { return Name(p.branch()); });
  };
  const Found spring = byStem(kStartOfSpring, Stem::kWu, 5);
  const Found autumn = byStem(kStartOfAutumn, Stem::kWu, 5);
  const Found dog1 = byStem(kSummerSolstice, Stem::kGeng, 3);
  const Found dog2 = byStem(kSummerSolstice, Stem::kGeng, 4);
  const Found dog3 = byStem(kStartOfAutumn, Stem::kGeng, 1);
  const Found plumIn = byStem(kGrainInEar, Stem::kBing, 1);
  const Found plumOut =
      found(FindDayAfterTerm(year, kMinorHeat, Branch::kWei, 1), [](Pillar p) { return Name(p.stem()); });
  // 入液 is the ninth day after 立冬 (立冬 itself is day 0); 出液 is 小雪.
  const Found winterIn = found(DayAfterTerm(year, kStartOfWinter, 9), [](Pillar p) { return Name(p); });
  const Found winterOut = found(DayAfterTerm(year, kMinorSnow, 0), [](Pillar p) { return Name(p); });

  auto& l = sheet.labels;
  l[0] = Label(u"日社");
  l[1] = Label(Format(u"春社日 ：農曆 %s 戊%s 日", {spring.monthDay, spring.half}), kGreen);
  l[2] = Label(Format(u"秋社日 ：農曆 %s 戊%s 日", {autumn.monthDay, autumn.half}), kGreen);
  l[3] = Label(u"日伏三");
  l[4] = Label(Format(u"初伏日 ：農曆 %s 庚%s 日", {dog1.monthDay, dog1.half}), kSheetOlive);
  l[5] = Label(Format(u"中伏日 ：農曆 %s 庚%s 日", {dog2.monthDay, dog2.half}), kSheetOlive);
  l[6] = Label(Format(u"末伏日 ：農曆 %s 庚%s 日", {dog3.monthDay, dog3.half}), kSheetOlive);
  l[7] = Label(u"雨 液 雨 霉");
  l[8] = Label(Format(u"入霉 ：農曆 %s 丙%s 日", {plumIn.monthDay, plumIn.half}), kNavy);
  l[9] = Label(Format(u"出霉 ：農曆 %s %s未 日", {plumOut.monthDay, plumOut.half}), kNavy);
  l[10] = Label(Format(u"入液 ：農曆 %s %s 日", {winterIn.monthDay, winterIn.half}), kNavy);
  l[11] = Label(Format(u"出液 ：農曆 %s %s 日", {winterOut.monthDay, winterOut.half}), kNavy);
  return sheet;
}

}  // namespace lunisol
