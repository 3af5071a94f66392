#include "sheets/spring_ox_model.h"

#include <algorithm>

#include "calendar/convert.h"
#include "calendar/cycle.h"
#include "calendar/solar_terms.h"
#include "calendar/state.h"
#include "calendar/text.h"

namespace lunisol {

namespace {

using namespace colours;

std::u16string_view ColourWord(char16_t c) {
  static constexpr char16_t kWords[] = u"青紅黃白黑";
  const char16_t w = StemBranchElement(c).colour;
  for (size_t i = 0; i < 5; ++i)
    if (kWords[i] == w) return std::u16string_view(kWords + i, 1);
  return {};
}

std::u16string_view RopeColour(char16_t lichunStem) {
  if (OneOf(lichunStem, u"甲乙")) return u"白";
  if (OneOf(lichunStem, u"丙丁")) return u"黑";
  if (OneOf(lichunStem, u"戊己")) return u"青";
  if (OneOf(lichunStem, u"庚辛")) return u"紅";
  if (OneOf(lichunStem, u"壬癸")) return u"黃";
  return {};
}

std::u16string_view RopeMaterial(char16_t lichunBranch) {
  if (OneOf(lichunBranch, u"子午卯酉")) return u"苧";
  if (OneOf(lichunBranch, u"寅申巳亥")) return u"麻";
  if (OneOf(lichunBranch, u"辰戌丑未")) return u"絲";
  return {};
}

std::u16string_view HerdsmanAge(char16_t yearBranch) {
  if (OneOf(yearBranch, u"子午卯酉")) return u"少壯";
  if (OneOf(yearBranch, u"寅申巳亥")) return u"老人";
  if (OneOf(yearBranch, u"辰戌丑未")) return u"童子";
  return {};
}

std::u16string_view Clothes(char16_t lichunBranch) {
  if (OneOf(lichunBranch, u"子亥")) return u"黃衣青腰帶";
  if (OneOf(lichunBranch, u"寅卯")) return u"白衣紅腰帶";
  if (OneOf(lichunBranch, u"巳午")) return u"黑衣黃腰帶";
  if (OneOf(lichunBranch, u"申酉")) return u"紅衣黑腰帶";
  if (OneOf(lichunBranch, u"辰戌丑未")) return u"青衣白腰帶";
  return {};
}

struct HairAndShoes {
  std::u16string_view element, hair, shoes;
};
constexpr HairAndShoes kHairAndShoes[5] = {{u"金", u"平梳兩髻在耳前", u"行纏鞋褲俱全 ，左行纏懸於左腰"},
                                           {u"木", u"平梳兩髻在耳後", u"行纏鞋褲俱全 ，右行纏懸於右腰"},
                                           {u"水", u"平梳兩髻 ，左髻在耳前 ，右髻在耳後", u"行纏鞋褲俱全"},
                                           {u"火", u"平梳兩髻 ，右髻在耳前 ，左髻在耳後", u"行纏鞋褲俱無"},
                                           {u"土", u"平梳兩髻在頂真上", u"著褲 ，無行纏鞋子"}};

HairAndShoes HairAndShoesFor(std::u16string_view element) {
  for (const HairAndShoes& h : kHairAndShoes)
    if (h.element == element) return h;
  return {};
}

char16_t At(std::u16string_view text, size_t i) { return i < text.size() ? text[i] : char16_t{0}; }

}  // namespace

std::u16string FindLunarNewYearDate(int year) {
  CalendarDate date;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d)
      if (SolarToLunar(year, m, d, date) > 0 && date.lunarMonth == 1 && date.lunarDay == 1) return DateKey8(year, m, d);
  return {};
}

SpringOxInputs SpringOxInputsForYear(char16_t yearStem, char16_t yearBranch, int yearPosition, int year) {
  SpringOxInputs in;
  in.yearStem = yearStem;
  in.yearBranch = yearBranch;
  in.isYangYear = OneOf(yearStem, u"甲丙戊庚壬");
  const std::u16string_view nayin = NayinOfPosition(yearPosition);
  if (!nayin.empty()) in.yearNayinElement = std::u16string(1, nayin.back());
  // Looking 立春 up refreshes the day pillar, as a year choice does.
  CalendarState state;
  int y = 0, m = 0, d = 0;
  if (FindSolarTermDate(state, year, u"立春", y, m, d)) {
    in.lichunDayPillar = state.lichunDayPillar;
    in.lichunDate = DateKey8(y, m, d);
  }
  in.lichunTime = std::u16string(SolarTermTime(year, 2));
  in.lunarNewYearDate = FindLunarNewYearDate(year);
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
// horns, shins and hooves, tail and mouth, then the rope and the gate.
std::array<SheetLabel, 5> OxColumns(const SpringOxInputs& in, char16_t lichunStem, char16_t lichunBranch,
                                    const std::u16string& lichunNayin) {
  const std::u16string_view side = in.isYangYear ? u"左" : u"右";
  std::array<std::u16string, 5> ox;
  ox[0] = u"春牛身高四尺 ，長八尺 ，尾一尺";
  ox[1] = Format(u"二寸 ，頭%s身%s腹%s角耳尾%s色", {ColourWord(in.yearStem), ColourWord(in.yearBranch),
                                                    ElementColourWord(in.yearNayinElement), ColourWord(lichunStem)});
  ox[2] = Format(u"脛%s蹄%s色 ，尾%s ，口%s ，籠", {ColourWord(lichunBranch), ElementColourWord(lichunNayin),
                                                    in.isYangYear ? u"左繳" : u"右繳", in.isYangYear ? u"開" : u"合"});
  ox[3] = Format(u"頭索用%s色%s繩 ，踏板縣門%s扇", {RopeColour(lichunStem), RopeMaterial(lichunBranch), side});
  ox[4] = u"。";
  std::array<SheetLabel, 5> columns;
  for (size_t i = 0; i < 5; ++i) columns[i] = {std::move(ox[i]), kGreen, {}};
  return columns;
}

// The herdsman's seven columns. A column holds at most 15 or 16 characters;
// what does not fit is carried to the top of the next column, and what is
// left after the seventh goes to `notShown`.
std::array<SheetLabel, 7> HerdsmanColumns(const SpringOxInputs& in, char16_t lichunBranch,
                                          const std::u16string& lichunNayin, int placeDistance,
                                          std::u16string& notShown) {
  // The 立春 hour decides the ear-flaps.
  const int hour =
      ParseDecimal(std::u16string_view(in.lichunTime).substr(0, std::min<size_t>(2, in.lichunTime.size())));
  const HairAndShoes hs = HairAndShoesFor(lichunNayin);
  struct Part {
    std::u16string own;
    size_t shown;
  };
  const std::array<Part, 6> parts{{
      {Format(u"%s ，%s ，", {Clothes(lichunBranch), hs.hair}), 16},
      {Format(u"罨耳%s ，%s ，", {EarFlapsForHour(hour), hs.shoes}), 16},
      {Format(u"鞭杖用柳枝 ，長二尺四寸五色%s", {RopeMaterial(lichunBranch)}), 15},
      {Format(u"結 ，%s%s邊 。", {HerdsmanPlace(placeDistance), in.isYangYear ? u"左" : u"右"}), 15},
      {u"", 16},
      {u"", 16},
  }};
  std::array<SheetLabel, 7> columns;
  columns[0] = {Format(u"芒神高三尺六寸五分 ，面如%s", {HerdsmanAge(in.yearBranch)}), kSheetOlive, {}};
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
  const char16_t lichunStem = At(in.lichunDayPillar, 0);
  const char16_t lichunBranch = At(in.lichunDayPillar, 1);
  const std::u16string lichunNayin = NayinElement(in.lichunDayPillar);
  chart.heading = {u"神    芒    牛    春", kBlack, {}};
  chart.ox = OxColumns(in, lichunStem, lichunBranch, lichunNayin);
  // The days between 立春 and the new year decide whether the herdsman walks
  // ahead of, beside or behind the ox.
  chart.placeDistance = DayNumber(in.lichunDate) - DayNumber(in.lunarNewYearDate) + 1;
  chart.herdsman = HerdsmanColumns(in, lichunBranch, lichunNayin, chart.placeDistance, chart.notShown);
  return chart;
}

}  // namespace lunisol
