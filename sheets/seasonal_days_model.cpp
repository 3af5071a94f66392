#include "sheets/seasonal_days_model.h"

#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/state.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {

namespace {

using namespace colours;

int IndexIn(std::u16string_view name, const auto& names) {
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return static_cast<int>(i);
  return -1;
}

bool TermDate(int year, std::u16string_view termName, int& month, int& day) {
  CalendarState state;
  int y = 0;
  return FindSolarTermDate(state, year, termName, y, month, day);
}

SheetLabel Label(std::u16string text, Colour colour = kBlack) { return SheetLabel{std::move(text), colour, {}}; }

// The month-day text and the other half of the pillar, or empty texts when
// the search found nothing (the sheet then shows the frame of the sentence).
struct Found {
  std::u16string monthDay, half;
};

}  // namespace

std::u16string LunarMonthDayText(int lunarMonth, int lunarDay) {
  return lunarMonth < 0 ? Format(u"閏 %d 月 %d", {-lunarMonth, lunarDay}) : Format(u"%d 月 %d", {lunarMonth, lunarDay});
}

std::optional<SeasonalDay> FindDayAfterTerm(int year, std::u16string_view termName, std::u16string_view wanted, int n) {
  bool byBranch = false;
  if (!wanted.empty() && wanted.front() == u'-') {
    byBranch = true;
    wanted.remove_prefix(1);
  }
  const int want = byBranch ? IndexIn(wanted, kBranchNames) : IndexIn(wanted, kStemNames);
  int month = 0, day = 0;
  if (want < 0 || n < 1 || !TermDate(year, termName, month, day)) return std::nullopt;

  CalendarDate date;
  int count = 0;
  for (int m = month; m <= 12; ++m) {
    for (int d = m == month ? day : 1; d <= DaysInSolarMonth(year, m); ++d) {
      if (SolarToLunar(year, m, d, date) <= 0) continue;
      if ((byBranch ? date.dayBranch : date.dayStem) != want || ++count < n) continue;
      return SeasonalDay{LunarMonthDayText(date.lunarMonth, date.lunarDay),
                         std::u16string(byBranch ? kStemNames[static_cast<size_t>(date.dayStem)]
                                                 : kBranchNames[static_cast<size_t>(date.dayBranch)])};
    }
  }
  return std::nullopt;
}

std::optional<WinterRainDay> WinterRainDayAfterTerm(int year, std::u16string_view termName, int daysAfter) {
  int month = 0, day = 0;
  if (!TermDate(year, termName, month, day)) return std::nullopt;
  int y = year;
  day += daysAfter;
  while (day > DaysInSolarMonth(y, month)) {
    day -= DaysInSolarMonth(y, month);
    if (++month > 12) {
      month = 1;
      ++y;
    }
  }
  CalendarDate date;
  if (SolarToLunar(y, month, day, date) <= 0) return std::nullopt;
  WinterRainDay out;
  out.monthDay = LunarMonthDayText(date.lunarMonth, date.lunarDay);
  out.pillar = std::u16string(kStemNames[static_cast<size_t>(date.dayStem)]) +
               std::u16string(kBranchNames[static_cast<size_t>(date.dayBranch)]);
  return out;
}

SeasonalDaysSheet BuildSeasonalDays(int year) {
  SeasonalDaysSheet sheet;
  auto find = [&](std::u16string_view term, std::u16string_view wanted, int n) {
    std::optional<SeasonalDay> day = FindDayAfterTerm(year, term, wanted, n);
    if (!day) {
      sheet.complete = false;
      return Found{};
    }
    return Found{day->monthDay, day->pillarHalf};
  };
  auto rain = [&](std::u16string_view term, int daysAfter) {
    std::optional<WinterRainDay> day = WinterRainDayAfterTerm(year, term, daysAfter);
    if (!day) {
      sheet.complete = false;
      return Found{};
    }
    return Found{day->monthDay, day->pillar};
  };

  const Found spring = find(u"立春", u"戊", 5);
  const Found autumn = find(u"立秋", u"戊", 5);
  const Found dog1 = find(u"夏至", u"庚", 3);
  const Found dog2 = find(u"夏至", u"庚", 4);
  const Found dog3 = find(u"立秋", u"庚", 1);
  const Found plumIn = find(u"芒種", u"丙", 1);
  const Found plumOut = find(u"小暑", u"-未", 1);
  // 入液 is the ninth day after 立冬 (立冬 itself is day 0); 出液 is 小雪.
  const Found winterIn = rain(u"立冬", 9);
  const Found winterOut = rain(u"小雪", 0);

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
