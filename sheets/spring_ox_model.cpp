#include "sheets/spring_ox_model.h"

#include <algorithm>

#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"

namespace lunisol {

namespace {

using namespace colours;

// The ropes, the herdsman's age and his clothes follow the stem and branch
// of the 立春 day and of the year.
std::u16string_view RopeColour(Stem lichunStem) {
  static constexpr std::u16string_view kByStemPair[5] = {u"白", u"黑", u"青", u"紅",
                                                         u"黃"};  // 甲乙 丙丁 戊己 庚辛 壬癸
  return kByStemPair[Index(lichunStem) / 2];
}

// 子午卯酉, 辰戌丑未 and 寅申巳亥 by the branch's place mod 3.
std::u16string_view RopeMaterial(Branch lichunBranch) {
  static constexpr std::u16string_view kByGroup[3] = {u"苧", u"絲", u"麻"};
  return kByGroup[Index(lichunBranch) % 3];
}

std::u16string_view HerdsmanAge(Branch yearBranch) {
  static constexpr std::u16string_view kByGroup[3] = {u"少壯", u"童子", u"老人"};
  return kByGroup[Index(yearBranch) % 3];
}

std::u16string_view Clothes(Branch lichunBranch) {
  using enum Branch;
  switch (lichunBranch) {
    case kZi:
    case kHai:
      return u"黃衣青腰帶";
    case kYin:
    case kMao:
      return u"白衣紅腰帶";
    case kSi:
    case kWu:
      return u"黑衣黃腰帶";
    case kShen:
    case kYou:
      return u"紅衣黑腰帶";
    default:  // 辰戌丑未
      return u"青衣白腰帶";
  }
}

struct HairAndShoes {
  std::u16string_view hair, shoes;
};
// By the Na Yin element of the 立春 day.
constexpr HairAndShoes kHairAndShoes[5] = {
    {u"平梳兩髻在耳後", u"行纏鞋褲俱全 ，右行纏懸於右腰"},     // 木
    {u"平梳兩髻 ，右髻在耳前 ，左髻在耳後", u"行纏鞋褲俱無"},  // 火
    {u"平梳兩髻在頂真上", u"著褲 ，無行纏鞋子"},               // 土
    {u"平梳兩髻在耳前", u"行纏鞋褲俱全 ，左行纏懸於左腰"},     // 金
    {u"平梳兩髻 ，左髻在耳前 ，右髻在耳後", u"行纏鞋褲俱全"},  // 水
};

}  // namespace

std::optional<GregorianDate> LunarNewYearIn(int year) {
  CalendarDate date;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= DaysInSolarMonth(year, m); ++d)
      if (SolarToLunar(year, m, d, date) > 0 && date.lunar.month == 1 && !date.lunar.leap && date.lunar.day == 1)
        return date.solar;
  return std::nullopt;
}

SpringOxInputs SpringOxInputsForYear(Pillar year, int gregorianYear) {
  SpringOxInputs in;
  in.year = year;
  in.lichunDate = TermDate(gregorianYear, SolarTerm::kStartOfSpring);
  if (in.lichunDate) in.lichunDay = DayPillar(in.lichunDate->year, in.lichunDate->month, in.lichunDate->day);
  in.lichunTime = TermTime(gregorianYear, SolarTerm::kStartOfSpring);
  in.lunarNewYear = LunarNewYearIn(gregorianYear);
  return in;
}

std::u16string_view EarFlapsForHour(int h) {
  switch (h) {
    case 23:
    case 0:
    case 1:
    case 2:
      return u"全戴";
    case 3:
    case 4:
      return u"全揭起左邊";
    case 21:
    case 22:
      return u"揭起全右邊";
    case 7:
    case 8:
    case 11:
    case 12:
    case 15:
    case 16:
    case 19:
    case 20:
      return u"左手提";
    case 5:
    case 6:
    case 9:
    case 10:
    case 13:
    case 14:
    case 17:
    case 18:
      return u"右手提";
    default:
      return {};
  }
}

std::u16string_view HerdsmanPlace(int d) {
  if (d < -5) return u"芒神早忙 ，立於牛前";
  if (d > 5) return u"芒神晚閑 ，立於牛後";
  return u"芒神忙與牛並立";
}

std::array<SheetLabel, 13> SpringOxChart::Labels() const {
  std::array<SheetLabel, 13> all;
  all[0] = heading;
  for (size_t i = 0; i < 5; ++i) all[1 + i] = ox[i];
  for (size_t i = 0; i < 7; ++i) all[6 + i] = herdsman[i];
  return all;
}

namespace {

// The five ox columns, right to left: size, colours of head, body, belly and
// horns, shins and hooves, tail and mouth, then the rope and the gate. Without
// a 立春 day its words stay empty.
std::array<SheetLabel, 5> OxColumns(const SpringOxInputs& in) {
  const bool yang = IsYang(in.year.stem());
  const std::optional<Pillar> lichun = in.lichunDay;
  auto ofLichun = [&](auto word) { return lichun ? word(*lichun) : std::u16string_view(); };
  std::array<std::u16string, 5> ox;
  ox[0] = u"春牛身高四尺 ，長八尺 ，尾一尺";
  ox[1] = Format(u"二寸 ，頭%s身%s腹%s角耳尾%s色",
                 {ElementColourWord(ElementOf(in.year.stem())), ElementColourWord(ElementOf(in.year.branch())),
                  ElementColourWord(NayinElement(in.year)),
                  ofLichun([](Pillar p) { return ElementColourWord(ElementOf(p.stem())); })});
  ox[2] = Format(u"脛%s蹄%s色 ，尾%s ，口%s ，籠",
                 {ofLichun([](Pillar p) { return ElementColourWord(ElementOf(p.branch())); }),
                  ofLichun([](Pillar p) { return ElementColourWord(NayinElement(p)); }), yang ? u"左繳" : u"右繳",
                  yang ? u"開" : u"合"});
  ox[3] = Format(u"頭索用%s色%s繩 ，踏板縣門%s扇",
                 {ofLichun([](Pillar p) { return RopeColour(p.stem()); }),
                  ofLichun([](Pillar p) { return RopeMaterial(p.branch()); }), yang ? u"左" : u"右"});
  ox[4] = u"。";
  std::array<SheetLabel, 5> columns;
  for (size_t i = 0; i < 5; ++i) columns[i] = {std::move(ox[i]), kGreen, {}};
  return columns;
}

// The herdsman's seven columns. A column holds at most 15 or 16 characters;
// what does not fit is carried to the top of the next column, and what is
// left after the seventh goes to `notShown`.
std::array<SheetLabel, 7> HerdsmanColumns(const SpringOxInputs& in, int placeDistance, std::u16string& notShown) {
  // The 立春 hour decides the ear-flaps, its day the clothes, the hair and
  // the shoes.
  const int hour = in.lichunTime ? in.lichunTime->hour : 0;
  const HairAndShoes hs = in.lichunDay ? kHairAndShoes[Index(NayinElement(*in.lichunDay))] : HairAndShoes{};
  const std::u16string_view clothes = in.lichunDay ? Clothes(in.lichunDay->branch()) : std::u16string_view();
  const std::u16string_view rope = in.lichunDay ? RopeMaterial(in.lichunDay->branch()) : std::u16string_view();
  struct Part {
    std::u16string own;
    size_t shown;
  };
  const std::array<Part, 6> parts{{
      {Format(u"%s ，%s ，", {clothes, hs.hair}), 16},
      {Format(u"罨耳%s ，%s ，", {EarFlapsForHour(hour), hs.shoes}), 16},
      {Format(u"鞭杖用柳枝 ，長二尺四寸五色%s", {rope}), 15},
      {Format(u"結 ，%s%s邊 。", {HerdsmanPlace(placeDistance), IsYang(in.year.stem()) ? u"左" : u"右"}), 15},
      {u"", 16},
      {u"", 16},
  }};
  std::array<SheetLabel, 7> columns;
  columns[0] = {Format(u"芒神高三尺六寸五分 ，面如%s", {HerdsmanAge(in.year.branch())}), kSheetOlive, {}};
  std::u16string overflowCarry;
  for (size_t i = 0; i < parts.size(); ++i) {
    std::u16string text = overflowCarry + parts[i].own;
    if (text.size() > 15) {
      overflowCarry = text.substr(std::min(parts[i].shown, text.size()));
      text.resize(std::min(parts[i].shown, text.size()));
    } else {
      overflowCarry.clear();
    }
    columns[i + 1] = {std::move(text), kSheetOlive, {}};
  }
  notShown = overflowCarry;
  return columns;
}

}  // namespace

SpringOxChart BuildSpringOxChart(const SpringOxInputs& in) {
  SpringOxChart chart;
  chart.heading = {u"神    芒    牛    春", kBlack, {}};
  chart.ox = OxColumns(in);
  // The days between 立春 and the new year decide whether the herdsman walks
  // ahead of, beside or behind the ox.
  if (in.lichunDate && in.lunarNewYear)
    chart.placeDistance = CivilDayNumber(*in.lichunDate) - CivilDayNumber(*in.lunarNewYear) + 1;
  chart.herdsman = HerdsmanColumns(in, chart.placeDistance, chart.notShown);
  return chart;
}

}  // namespace lunisol
