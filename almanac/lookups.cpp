#include "almanac/lookups.h"

#include "almanac/tables.h"
#include "calendar/convert.h"
#include "calendar/names.h"
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

std::u16string_view Name(Officer officer) { return kOfficerNames[static_cast<size_t>(officer)]; }

std::u16string_view Name(Direction direction) {
  static constexpr std::u16string_view kNames[8] = {u"正北", u"東北", u"正東", u"東南",
                                                    u"正南", u"西南", u"正西", u"西北"};
  return kNames[static_cast<size_t>(direction)];
}

Pillar MonthPillar(Pillar year, int month) {
  // The first month is a 寅 month whose stem follows the year's: 甲 and 己
  // years open with 丙寅, 乙 and 庚 with 戊寅, and so on.
  static constexpr int kFirstMonth[5] = {2, 14, 26, 38, 50};  // 丙寅 戊寅 庚寅 壬寅 甲寅
  return Pillar(kFirstMonth[Index(year.stem()) % 5] + month - 1);
}

Officer DayOfficer(int year, int month, int day) {
  // The month branch changes on each section term (the first term of a
  // Gregorian month): from it the month is month number M, before it M − 1
  // (寅 = 2 … 丑 = 1, 子 = 0). On a term day both branches advance together,
  // so the officer repeats the previous day's.
  int sectionDay = 6;
  if (year >= kFirstTermYear && year <= kLastTermYear) sectionDay = TermDaysOfMonth(year, month).first;
  const int monthBranch = (day >= sectionDay ? month : month - 1) % 12;
  return OfficerAt(Index(DayPillar(year, month, day).branch()) - monthBranch);
}

Colour OfficerColour(Officer officer) {
  static constexpr Colour kByOfficer[12] = {kNavy,   kOlive,  kGreen,    kGreen,    kOlive, kMaroon,
                                            kMaroon, kMaroon, kDarkGrey, kDarkGrey, kOlive, kNavy};
  return kByOfficer[static_cast<size_t>(officer)];
}

Colour ElementColour(Element element) {
  static constexpr Colour kByElement[5] = {kGreen, kMaroon, kOlive, kDarkGrey, kNavy};
  return kByElement[Index(element)];
}

Colour StemColour(Stem stem) { return ElementColour(ElementOf(stem)); }

Colour BranchColour(Branch branch) {
  static constexpr Colour kByBranch[12] = {kBlack,  kOlive,  kGreen,    kGreen,    kOlive, kMaroon,
                                           kMaroon, kMaroon, kDarkGrey, kDarkGrey, kOlive, kBlack};
  return kByBranch[Index(branch)];
}

Colour DirectionColour(Direction direction) {
  static constexpr Colour kByDirection[8] = {kBlack, kDarkGreen, kGreen, kOlive, kMaroon, kPink, kGrey, kLilac};
  return kByDirection[static_cast<size_t>(direction)];
}

Colour MansionColour(Mansion mansion, Colour lunarDayColour) {
  switch (Index(mansion) % 7) {
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

ColouredText ClashText(Pillar day, Pillar lunarYear) {
  static constexpr Colour kByBranch[12] = {kMaroon, kMaroon, kDarkGrey, kDarkGrey, kOlive, kNavy,
                                           kNavy,   kOlive,  kGreen,    kGreen,    kOlive, kMaroon};
  // The clashing pillar: the opposite branch under the stem four on.
  const Pillar clash(day.stem() + 4, Opposite(day.branch()));
  const int age = (lunarYear.index() - clash.index() + 60) % 60 + 1;
  return {Format(u"沖%s%2d", {Animal(clash.branch()), age}), kByBranch[Index(day.branch())]};
}

ColouredText YearShaText(Branch dayBranch) {
  switch (Index(dayBranch) % 4) {
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

std::u16string_view MonthShaDirection(Pillar month) {
  switch (Index(month.branch()) % 4) {
    case 0:
      return u"南方";  // 申 子 辰
    case 1:
      return u"東方";  // 巳 酉 丑
    case 2:
      return u"北方";  // 寅 午 戌
    default:
      return u"西方";  // 亥 卯 未
  }
}

Direction JoyGodDirection(Stem dayStem) { return kJoyGodDirections[static_cast<size_t>(Index(dayStem))]; }
Direction WealthGodDirection(Stem dayStem) { return kWealthGodDirections[static_cast<size_t>(Index(dayStem))]; }

FetusGod FetusGodOf(Pillar day) { return kFetusGods[static_cast<size_t>(day.index())]; }

std::u16string FetusGodDirectionName(const FetusGod& god) {
  // Inside the room the almanac writes the bare quarter: 房內北, 房內東.
  static constexpr std::u16string_view kInRoom[8] = {u"北", u"東北", u"東", u"東南", u"南", u"西南", u"西", u"西北"};
  if (god.inRoom) return std::u16string(u"房內") + std::u16string(kInRoom[static_cast<size_t>(god.direction)]);
  return std::u16string(u"外") + std::u16string(Name(god.direction));
}

LuckyHours LuckyHoursOf(Pillar day) { return kLuckyHours[static_cast<size_t>(day.index())]; }

}  // namespace lunisol
