#include "almanac/lookups.h"

#include "almanac/tables.h"
#include "calendar/convert.h"
#include "calendar/cycle.h"
#include "calendar/day_tables.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {

using namespace colours;

const std::array<std::u16string_view, 12> kOfficerNames{u"建", u"除", u"滿", u"平", u"定", u"執",
                                                        u"破", u"危", u"成", u"收", u"開", u"閉"};

const std::array<std::u16string_view, 31> kLunarDayNames{
    u"",     u"一初", u"二初", u"三初", u"四初", u"五初", u"六初", u"七初", u"八初", u"九初", u"十初",
    u"一十", u"二十", u"三十", u"四十", u"五十", u"六十", u"七十", u"八十", u"九十", u"十二", u"一廿",
    u"二廿", u"三廿", u"四廿", u"五廿", u"六廿", u"七廿", u"八廿", u"九廿", u"十三"};

const std::array<std::u16string_view, 7> kWeekdayNames{u"日", u"一", u"二", u"三", u"四", u"五", u"六"};

int DayOfYear(int year, int month, int day) {
  int n = day;
  for (int m = 1; m < month; ++m) n += DaysInSolarMonth(year, m);
  return n;
}

std::u16string_view DayCycleIndex(std::u16string_view pillar, int& index) {
  for (size_t i = 0; i < kCycleNames.size(); ++i) {
    if (kCycleNames[i] == pillar) {
      index = static_cast<int>(i);
      return kJoyWealthDirections[i];
    }
  }
  return {};
}

int MonthPillarIndex(int yearIndex, int month) {
  static constexpr int kFirstMonth[5] = {2, 14, 26, 38, 50};  // 丙寅 戊寅 庚寅 壬寅 甲寅
  const int stem = ((yearIndex % 10) + 10) % 10;
  const int first = kFirstMonth[stem % 5];
  return (((first + month - 1) % 60) + 60) % 60;
}

std::u16string_view DayOfficer(int year, int month, int day) {
  // The month branch changes on each section term (the first term of a
  // Gregorian month): from it the month is month number M, before it M − 1
  // (寅 = 2 … 丑 = 1, 子 = 0). On a term day both branches advance together,
  // so the officer repeats the previous day's.
  int sectionDay = 6;
  if (year >= kFirstTermYear && year <= kLastTermYear) sectionDay = TermDaysOfMonth(year, month).first;
  const int monthBranch = (day >= sectionDay ? month : month - 1) % 12;
  const int dayBranch = GregorianDayCycle(year, month, day) % 12;
  return kOfficerNames[static_cast<size_t>(((dayBranch - monthBranch) % 12 + 12) % 12)];
}

Colour OfficerColour(std::u16string_view officer) {
  if (officer == u"建" || officer == u"閉") return kNavy;
  if (officer == u"除" || officer == u"定" || officer == u"開") return kOlive;
  if (officer == u"滿" || officer == u"平") return kGreen;
  if (officer == u"執" || officer == u"破" || officer == u"危") return kMaroon;
  if (officer == u"成" || officer == u"收") return kDarkGrey;
  return kBlack;
}

Colour StemColour(std::u16string_view stem) {
  if (Contains(stem, u"甲") || Contains(stem, u"乙")) return kGreen;
  if (Contains(stem, u"丙") || Contains(stem, u"丁")) return kMaroon;
  if (Contains(stem, u"戊") || Contains(stem, u"己")) return kOlive;
  if (Contains(stem, u"庚") || Contains(stem, u"辛")) return kDarkGrey;
  if (Contains(stem, u"壬") || Contains(stem, u"癸")) return kNavy;
  return kBlack;
}

Colour BranchColour(std::u16string_view text) {
  static constexpr Colour kByBranch[12] = {kBlack,  kOlive,  kGreen,    kGreen,    kOlive, kMaroon,
                                           kMaroon, kMaroon, kDarkGrey, kDarkGrey, kOlive, kBlack};
  for (size_t b = 0; b < 12; ++b)
    if (Contains(text, kBranchNames[b])) return kByBranch[b];
  return kBlack;
}

Colour DirectionColour(std::u16string_view text) {
  static constexpr struct {
    std::u16string_view a, b;
    Colour colour;
  } kRules[] = {{u"正東", u"內東", kGreen}, {u"東南", u"", kOlive},    {u"正南", u"內南", kMaroon},
                {u"西南", u"", kPink},      {u"正西", u"", kGrey},     {u"西北", u"", kLilac},
                {u"正北", u"內北", kBlack}, {u"東北", u"", kDarkGreen}};
  for (const auto& rule : kRules)
    if (Contains(text, rule.a) || (!rule.b.empty() && Contains(text, rule.b))) return rule.colour;
  return kBlack;
}

Colour NayinColour(std::u16string_view element) {
  if (element == u"木") return kGreen;
  if (element == u"火") return kMaroon;
  if (element == u"土") return kOlive;
  if (element == u"金") return kDarkGrey;
  if (element == u"水") return kNavy;
  return kBlack;
}

Colour MansionColour(int mansion, Colour lunarDayColour) {
  switch (((mansion % 7) + 7) % 7) {
    case 0:
      return kGreen;
    case 1:
      return kMaroon;
    case 2:
      return kOlive;
    case 3:
      return kGrey;
    default:
      return lunarDayColour;
  }
}

Colour LunarDayColour(int lunarDay) { return lunarDay == 1 || lunarDay == 15 ? kRed : kGreen; }

ColouredText ClashText(int dayStem, int dayBranch, int yearIndex) {
  static constexpr Colour kByBranch[12] = {kMaroon, kMaroon, kDarkGrey, kDarkGrey, kOlive, kNavy,
                                           kNavy,   kOlive,  kGreen,    kGreen,    kOlive, kMaroon};
  const int clashBranch = (dayBranch + 6) % 12;
  const int x = CycleIndexOf((dayStem + 4) % 10, clashBranch);
  const int age = ((yearIndex - x) % 60 + 60) % 60 + 1;
  return {Format(u"沖%s%2d", {kZodiacAnimals[static_cast<size_t>(clashBranch)], age}),
          kByBranch[static_cast<size_t>(dayBranch)]};
}

ColouredText YearShaText(int dayBranch) {
  switch (dayBranch % 4) {
    case 0:
      return {u"歲煞南", kMaroon};
    case 1:
      return {u"歲煞東", kGreen};
    case 2:
      return {u"歲煞北", kNavy};
    default:
      return {u"歲煞西", kDarkGrey};
  }
}

std::u16string_view MonthShaDirection(int monthPillarIndex) {
  switch (monthPillarIndex % 12) {
    case 8:
    case 0:
    case 4:
      return u"南方";  // 申 子 辰
    case 2:
    case 6:
    case 10:
      return u"北方";  // 寅 午 戌
    case 5:
    case 9:
    case 1:
      return u"東方";  // 巳 酉 丑
    default:
      return u"西方";  // 亥 卯 未
  }
}

}  // namespace lunisol
