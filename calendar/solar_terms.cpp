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

std::optional<SolarTerm> TermOnDay(int year, int month, int day) {
  if (year < kFirstTermYear || year > kLastTermYear || month < 1 || month > 12) return std::nullopt;
  const TermDays days = TermDaysOfMonth(year, month);
  if (day == days.first) return TermAt(2 * month - 2);
  if (day == days.second) return TermAt(2 * month - 1);
  return std::nullopt;
}

std::optional<GregorianDate> TermDate(int year, SolarTerm term) {
  if (year < kFirstTermYear || year > kLastTermYear) return std::nullopt;
  const int month = GregorianMonthOf(term);
  const TermDays days = TermDaysOfMonth(year, month);
  return GregorianDate{year, month, IsSectionTerm(term) ? days.first : days.second};
}

std::optional<ClockTime> TermTime(int year, SolarTerm term) {
  if (year < kFirstTermYear || year > kLastTermYear) return std::nullopt;
  const int minute = SolarTermMinutes[static_cast<size_t>((year - kFirstTermYear) * 24 + Index(term))];
  return ClockTime{minute / 60, minute % 60};
}

std::array<LunarDate, 12> QiWangWangDays(int year) {
  using enum SolarTerm;
  static constexpr struct {
    SolarTerm term;
    int n;  // the day's place, the term's own day being the first
  } kCounts[12] = {{kStartOfSpring, 7}, {kAwakeningOfInsects, 14}, {kClearAndBright, 21}, {kStartOfSummer, 8},
                   {kGrainInEar, 16},   {kMinorHeat, 24},          {kStartOfAutumn, 9},   {kWhiteDew, 18},
                   {kColdDew, 27},      {kStartOfWinter, 10},      {kMajorSnow, 20},      {kMinorCold, 30}};
  std::array<LunarDate, 12> days{};
  for (size_t i = 0; i < days.size(); ++i) {
    const std::optional<GregorianDate> termDay = TermDate(year, kCounts[i].term);
    if (!termDay) continue;
    const GregorianDate d = CivilDate(CivilDayNumber(*termDay) + kCounts[i].n - 1);
    CalendarDate date;
    if (SolarToLunar(d.year, d.month, d.day, date) > 0) days[i] = date.lunar;
  }
  return days;
}

}  // namespace lunisol
