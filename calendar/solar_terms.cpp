#include "calendar/solar_terms.h"

#include "calendar/convert.h"
#include "calendar/tables.h"

namespace lunisol {

const std::array<std::u16string_view, 24> kSolarTermDescriptions{
    u"斗指戊為小寒，時天氣漸寒，尚未大冷，故名小寒",
    u"小寒後十五日，斗指癸為大寒，時大寒栗烈已極，故名大寒也",
    u"大寒後十五日，斗指東北維，為立春，時春氣始至，四時之卒始，故名立春也",
    u"斗指壬為雨水，時東風解凍，冰雪皆散而為水，化而為雨，故名雨水",
    u"斗指丁為驚蟄，雷鳴動，蟄蟲皆震起而出，故名驚蟄也",
    u"斗指壬為春分，日行周天，南北兩半球晝夜均分，又適當春之半，故名也",
    u"斗指丁為清明，時萬物潔顯而清明，蓋時當氣清景明，萬物皆齊，故名也",
    u"斗指癸為穀雨，言雨生百穀也。時必雨不降，百穀滋長之意，蓋本於此",
    u"斗指東南維為立夏，萬物至此皆已長大，故名立夏也",
    u"斗指甲為小滿，萬物長於此少得盈滿，麥至此方小滿而未全熟，故名也",
    u"斗指巳為芒種，此時可有種芒之穀，過此即失效，故名芒種也",
    u"斗指乙為夏至，萬物於此皆假大而極至，時夏將至，故名也",
    u"斗指辛為小暑，斯時天氣已熱，尚未達於極點，故名小暑",
    u"斗指丙為大暑，斯時天氣甚熱於小暑，故名大暑",
    u"斗指西南維為立秋，陰意出地始殺萬物，按秋訓禾，穀熟也",
    u"斗指戊為處暑，暑將退，伏而潛處，故名也",
    u"斗指癸為白露，陰氣漸重，露凝而白，故名白露也",
    u"斗指己為秋分，南北兩半球晝夜均分，又適當秋之半，故名也",
    u"斗指甲為寒露，斯時露寒冷而將欲凝結，故名寒露也",
    u"斗指巳為霜降，氣嘯，露凝結為霜而下降，故名霜降也",
    u"斗指西北維為立冬，冬者終也，立冬之時，萬物終成，故名立冬也",
    u"斗指己，斯時天一積陰，寒未深而雪未大，故名小雪也",
    u"斗指甲，斯時積陰為雪，至此栗烈而大，過於小雪，故名大雪也",
    u"時陰極之至，陽氣始至，日行南至，北半球，晝最短而夜最長也"};

int SolarTermIndex(std::u16string_view name) {
  for (size_t t = 0; t < kSolarTermNames.size(); ++t)
    if (kSolarTermNames[t] == name) return static_cast<int>(t);
  return -1;
}

int SolarTermOnDay(CalendarState& state, int year, int month, int day) {
  if (year < kFirstTermYear || year > kLastTermYear || month < 1 || month > 12) return -1;
  const TermDays days = TermDaysOfMonth(year, month);
  const int expected = day < 15 ? days.first : days.second;
  if (day != expected) return -1;
  const int t = day <= 15 ? 2 * month - 2 : 2 * month - 1;
  state.lastTermIndex = t;
  return t;
}

void MonthSolarTerms(CalendarState& state, int year, int month, int& firstDay, int& secondDay, int& firstIndex,
                     int& secondIndex) {
  CalendarDate d;
  for (int day = 1; day <= 31; ++day) {
    if (SolarToLunar(year, month, day, d) < 0) continue;
    const int t = SolarTermOnDay(state, year, month, day);
    if (t == -1) continue;
    if (firstDay == -1) {
      firstIndex = t;
      firstDay = day;
    } else {
      secondIndex = t;
      secondDay = day;
    }
  }
}

bool FindSolarTermDate(CalendarState& state, int year, std::u16string_view name, int& outYear, int& outMonth,
                       int& outDay) {
  const int wanted = SolarTermIndex(name);
  if (wanted < 0) return false;
  // A term of index t can only begin in month t / 2 + 1; scanning that month
  // gives the same first hit as a scan of the whole year.
  const int month = wanted / 2 + 1;
  CalendarDate d;
  for (int day = 1; day <= 31; ++day) {
    if (SolarToLunar(year, month, day, d) < 0) continue;
    const int t = SolarTermOnDay(state, year, month, day);
    if (t != wanted) continue;
    outYear = year;
    outMonth = month;
    outDay = day;
    if (wanted == 2) {
      state.lichunDayPillar = std::u16string(kStemNames[static_cast<size_t>(d.dayStem)]) +
                              std::u16string(kBranchNames[static_cast<size_t>(d.dayBranch)]);
    }
    return true;
  }
  return false;
}

std::u16string_view SolarTermTime(int year, int termIndex) {
  if (year < kFirstTermYear || year > kLastTermYear || termIndex < 0 || termIndex > 23) return {};
  return SolarTermTimeTable[static_cast<size_t>((year - kFirstTermYear) * 24 + termIndex)];
}

void LunarDateAfterTerm(CalendarState& state, int year, std::u16string_view name, int n, LunarTriple& out) {
  if (n <= 0) return;
  int y = 0, m = 0, d = 0;
  if (!FindSolarTermDate(state, year, name, y, m, d)) return;
  CalendarDate date;
  for (int k = 0; k < n;) {
    if (SolarToLunar(y, m, d, date) < 0) {
      // Ran past the end of the month: continue on the 1st of the next.
      if (m == 12 || d == 1) return;
      ++m;
      d = 1;
      continue;
    }
    out = {date.lunarYear, date.lunarMonth, date.lunarDay};
    ++k;
    ++d;
  }
}

void ComputeWangwangDays(CalendarState& state, int year) {
  static constexpr struct {
    std::u16string_view term;
    int n;
  } kPairs[12] = {{u"立春", 7}, {u"驚蟄", 14}, {u"清明", 21}, {u"立夏", 8},  {u"芒種", 16}, {u"小暑", 24},
                  {u"立秋", 9}, {u"白露", 18}, {u"寒露", 27}, {u"立冬", 10}, {u"大雪", 20}, {u"小寒", 30}};
  for (size_t i = 0; i < 12; ++i) LunarDateAfterTerm(state, year, kPairs[i].term, kPairs[i].n, state.qiWangWangDays[i]);
}

}  // namespace lunisol
