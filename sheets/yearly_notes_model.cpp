#include "sheets/yearly_notes_model.h"

#include "calendar/convert.h"
#include "calendar/cycle.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "sheets/seasonal_days_model.h"
#include "sheets/spring_ox_model.h"
#include "sheets/tables.h"

namespace lunisol {

namespace {

using namespace colours;

char16_t At(std::u16string_view text, size_t i) { return i < text.size() ? text[i] : char16_t{0}; }

std::u16string NumberOrEmpty(const std::optional<int>& n) { return n ? Format(u"%d", {*n}) : std::u16string(); }

SheetLabel Label(SheetRect rect, std::u16string text, Colour colour = kBlack) {
  return SheetLabel{rect, std::move(text), colour};
}

// The 合德 stems of the year stem, written right to left.
std::u16string_view StemPair(char16_t stem) {
  if (OneOf(stem, u"甲己")) return u"己 甲";
  if (OneOf(stem, u"乙庚")) return u"乙 庚";
  if (OneOf(stem, u"丙辛")) return u"辛 丙";
  if (OneOf(stem, u"丁壬")) return u"丁 壬";
  if (OneOf(stem, u"戊癸")) return u"癸 戊";
  return {};
}

std::u16string_view ClimateLine(char16_t branch) {
  if (OneOf(branch, u"子午")) return u"少陰君火司天 。陽明燥金在泉 。";
  if (OneOf(branch, u"丑未")) return u"太陰濕土司天 。太陽寒水在泉 。";
  if (OneOf(branch, u"寅申")) return u"少陽相火司天 。厥陰風木在泉 。";
  if (OneOf(branch, u"卯酉")) return u"陽明燥金司天 。少陰君火在泉 。";
  if (OneOf(branch, u"辰戌")) return u"太陽寒水司天 。太陰濕土在泉 。";
  if (OneOf(branch, u"巳亥")) return u"厥陰風木司天 。少陽相火在泉 。";
  return {};
}

std::u16string_view SilkwormMaid(char16_t branch) {
  if (OneOf(branch, u"寅巳申亥")) return u"一";
  if (OneOf(branch, u"子卯午酉")) return u"二";
  if (OneOf(branch, u"丑辰未戌")) return u"三";
  return {};
}

// Corner words of the silkworm-house picture by season, in the order of the
// cells 1201, 1205, 1202, 1206, 1207, 1203, 1208, 1204.
std::u16string_view CornerRow(char16_t branch) {
  if (OneOf(branch, u"亥子丑")) return u"士博蠶室士力奏書";
  if (OneOf(branch, u"寅卯辰")) return u"士力博士書奏蠶室";
  if (OneOf(branch, u"巳午未")) return u"書奏力士室蠶博士";
  if (OneOf(branch, u"申酉戌")) return u"室蠶奏書士博力士";
  return {};
}

struct MeetingPairs {
  std::u16string_view branches, mansions;
};
constexpr MeetingPairs kMeetingPairs[7] = {{u"午 午", u"角 角"}, {u"申 丑", u"鬼 斗"}, {u"戌 卯", u"胃 女"},
                                           {u"巳 巳", u"房 房"}, {u"未 子", u"張 虛"}, {u"寅 酉", u"室 觜"},
                                           {u"亥 辰", u"壁 箕"}};

constexpr std::u16string_view kStarNames[10] = {u"",     u"白一", u"黑二", u"碧三", u"綠四",
                                                u"黃五", u"白六", u"赤七", u"白八", u"紫九"};

// Ring places around the centre star for steps 1..8: colour cell, number cell.
constexpr SheetRect kRingRects[16] = {
    {238, 198, 251, 210}, {248, 188, 261, 200}, {257, 162, 271, 174}, {257, 148, 271, 160},
    {161, 189, 173, 201}, {171, 198, 181, 210}, {212, 102, 225, 114}, {197, 102, 210, 114},
    {197, 208, 210, 220}, {212, 208, 225, 220}, {248, 123, 260, 135}, {237, 113, 250, 125},
    {150, 148, 162, 160}, {150, 162, 162, 174}, {170, 113, 182, 125}, {160, 123, 171, 135}};

}  // namespace

ElementWords StemBranchElement(char16_t c) {
  if (OneOf(c, u"甲乙寅卯")) return {u'木', u'青'};
  if (OneOf(c, u"丙丁巳午")) return {u'火', u'紅'};
  if (OneOf(c, u"庚辛申酉")) return {u'金', u'白'};
  if (OneOf(c, u"壬癸子亥")) return {u'水', u'黑'};
  return {u'土', u'黃'};
}

std::u16string_view ElementColourWord(std::u16string_view element) {
  if (element == u"金") return u"白";
  if (element == u"木") return u"青";
  if (element == u"水") return u"黑";
  if (element == u"火") return u"紅";
  if (element == u"土") return u"黃";
  return {};
}

std::u16string_view NayinOfPosition(int p) {
  if (p < 1 || p > 60) return {};
  return kNayinNames[static_cast<size_t>((p + 1) / 2)];
}

std::optional<int> FirstDayFromNewYear(int lunarYear, char16_t wanted) {
  CalendarDate start;
  int year = 0, month = 0, day = 0;
  if (LunarToSolar(lunarYear, 1, 1, start) > 0) {
    year = start.solarYear;
    month = start.solarMonth;
    day = start.solarDay;
  } else {
    // The converter refuses the last lunar year of the tables because its
    // last months run past them; its new-year day itself is known.
    const std::u16string key = FindLunarNewYearDate(lunarYear);
    if (key.empty()) return std::nullopt;
    year = lunarYear;
    month = ParseDecimal(std::u16string_view(key).substr(4, 2));
    day = ParseDecimal(std::u16string_view(key).substr(6, 2));
  }
  CalendarDate date;
  for (int m = month; m <= 12; ++m) {
    for (int d = m == month ? day : 1; d <= 31; ++d) {
      if (SolarToLunar(year, m, d, date) <= 0) continue;
      const std::u16string_view stem = kStemNames[static_cast<size_t>(date.dayStem)];
      const std::u16string_view branch = kBranchNames[static_cast<size_t>(date.dayBranch)];
      bool match = false;
      if (wanted == u'辛') {
        match = stem.front() == u'辛';
      } else if (wanted == u'木') {
        match = NayinElement(std::u16string(stem) + std::u16string(branch)) == u"木";
      } else {
        match = branch.front() == wanted;
      }
      if (match) return date.lunarDay;
    }
  }
  return std::nullopt;
}

int YearNineStar(int year) {
  const int twoDigits = ((year % 100) + 100) % 100;
  int sum = twoDigits / 10 + twoDigits % 10;
  if (sum > 9) sum = sum / 10 + sum % 10;
  int n = (year < 2000 ? 10 : 9) - sum;
  if (n == 0) n = 9;
  if (n == 10) n = 1;
  return n;
}

NineStarWords NineStarStep(int& counter) {
  static constexpr char16_t kColours[] = u"白黑碧綠黃白赤白紫";
  static constexpr char16_t kNumbers[] = u"一二三四五六七八九";
  if (counter == 9) counter = 0;
  if (counter < 0 || counter > 8) counter = 0;
  const int k = counter;
  counter = k + 1;
  return {kColours[k], kNumbers[k]};
}

std::array<std::u16string, 4> SplitVerseLines(std::u16string_view text) {
  std::array<std::u16string, 4> lines;
  size_t line = 0;
  for (char16_t c : text) {
    if (c == u'\n') {
      ++line;
      continue;
    }
    if (line < lines.size()) lines[line].push_back(c);
  }
  return lines;
}

std::vector<const SheetLabel*> YearlyNotesRecord::Labels() const {
  std::vector<const SheetLabel*> all{
      &nayin,       &elements, &yearDutyMansion,    &yearDutyLabel, &secondMansion, &secondLabel, &meetLabel,
      &branchPair,  &dayLabel, &mansionPair,        &mansionLabel,  &hiddenLabel,   &goldLabel,   &yearLabel,
      &virtueLabel, &stemPair, &earthMotherHeading, &verseHeading,  &oracleHeading};
  for (const SheetLabel& l : verseLines) all.push_back(&l);
  for (const SheetLabel& l : oracleLines) all.push_back(&l);
  all.push_back(&directionLine);
  all.push_back(&notesHeading);
  for (const SheetLabel& l : yearNotes) all.push_back(&l);
  for (const SheetLabel& l : springOx) all.push_back(&l);
  all.push_back(&climateHeading);
  all.push_back(&climateLine);
  all.push_back(&centreStar);
  for (const SheetLabel& l : starRing) all.push_back(&l);
  for (const SheetLabel& l : seasonalDays) all.push_back(&l);
  return all;
}

std::optional<YearlyNotesRecord> BuildYearlyNotes(std::u16string_view yearPillarText, int Y, int M, int D) {
  CalendarDate selected;
  const int position = SolarToLunar(Y, M, D, selected);
  if (position <= 0) return std::nullopt;

  YearlyNotesRecord r;
  r.caption = u" 歲 時 記 事";
  r.yearPosition = position;
  r.lunarYear = selected.lunarYear;
  const int L = selected.lunarYear;
  const char16_t stem = At(yearPillarText, 1);
  const char16_t branch = At(yearPillarText, 2);

  const SpringOxInputs ox = SpringOxInputsForYear(stem, branch, position, Y);
  r.lichunDayPillar = ox.lichunDayPillar;
  if (ox.lichunDate.empty() || ox.lunarNewYearDate.empty()) r.complete = false;

  // Year god and elements.
  const std::u16string_view god = kTaisuiNames[static_cast<size_t>(position)];
  r.yearGodTitle = {1199, 235, 3, 9, 41, Format(u"太歲%s年", {yearPillarText})};
  r.yearGodName = {1200, 235, 74, 9, 48, Format(u"太歲姓%c名%c", {god, god.substr(1)})};
  const std::u16string_view nayinName = NayinOfPosition(position);
  const std::u16string nayinElement = nayinName.empty() ? std::u16string() : std::u16string(1, nayinName.back());
  r.nayin = Label({464, 90, 476, 146}, Format(u"納音屬%s", {nayinElement}));
  r.elements = Label({479, 90, 491, 146}, Format(u"干%c支%c", {std::u16string(1, StemBranchElement(stem).element),
                                                               std::u16string(1, StemBranchElement(branch).element)}));

  // Mansions that rule the year (Gregorian year).
  const int mod7 = Y % 7;
  r.yearDutyMansion =
      Label({472, 250, 484, 306}, std::u16string(kMansionFullNames[static_cast<size_t>((Y - 14) % 28)]));
  r.yearDutyLabel = Label({464, 292, 492, 308}, u"年 值");
  const int k = (mod7 * 12 + 3) % 28;
  r.secondMansion = Label({472, 308, 484, 364}, std::u16string(kMansionFullNames[static_cast<size_t>(k - 1)]));
  r.secondLabel = Label({464, 350, 492, 376}, u"局 管");
  r.meetLabel = Label({464, 365, 492, 381}, u"遇");
  r.branchPair = Label({464, 380, 492, 396}, std::u16string(kMeetingPairs[mod7].branches));
  r.dayLabel = Label({464, 394, 492, 410}, u"日");
  r.mansionPair = Label({464, 409, 492, 425}, std::u16string(kMeetingPairs[mod7].mansions));
  r.mansionLabel = Label({470, 424, 486, 452}, u"宿為");
  r.hiddenLabel = Label({464, 452, 492, 464}, u"伏 暗");
  r.goldLabel = Label({464, 465, 492, 481}, u"斷 金");
  r.yearLabel = Label({464, 480, 492, 496}, u"歲");
  r.virtueLabel = Label({464, 494, 492, 510}, u"合 德");
  r.stemPair = Label({464, 507, 492, 523}, std::u16string(StemPair(stem)));

  // Earth Mother verses.
  r.earthMotherHeading = Label({354, 6, 460, 20}, u"經  母  地  帝  黃");
  r.verseHeading = Label({442, 26, 458, 66}, u"詩曰 ：");
  r.oracleHeading = Label({384, 26, 396, 66}, u"卜曰 ：");
  const std::array<std::u16string, 4> verse = SplitVerseLines(kEarthMotherVerses[static_cast<size_t>(position)]);
  const std::array<std::u16string, 4> oracle = SplitVerseLines(kEarthMotherOracles[static_cast<size_t>(position)]);
  constexpr SheetRect kVerseRects[4] = {
      {442, 68, 458, 398}, {430, 68, 442, 398}, {416, 68, 428, 398}, {402, 68, 414, 398}};
  constexpr SheetRect kOracleRects[3] = {{384, 68, 396, 398}, {370, 68, 382, 398}, {356, 68, 368, 398}};
  for (size_t i = 0; i < 4; ++i) r.verseLines[i] = Label(kVerseRects[i], verse[i], kSheetOlive);
  for (size_t i = 0; i < 3; ++i) r.oracleLines[i] = Label(kOracleRects[i], oracle[i], kGreen);
  r.earthMotherIsOurs = kEarthMotherOrigins[static_cast<size_t>(position)] == TextOrigin::kOurs;
  if (r.earthMotherIsOurs) {
    for (SheetLabel* l : {&r.verseLines[0], &r.verseLines[1], &r.verseLines[2], &r.verseLines[3], &r.oracleLines[0],
                          &r.oracleLines[1], &r.oracleLines[2]})
      if (!l->text.empty()) l->tooltip = std::u16string(kOwnEarthMotherTip);
  }

  // Direction line, read right to left.
  constexpr std::u16string_view kSingle[4] = {u"南", u"東", u"北", u"西"};
  r.directionLine = Label({84, 6, 340, 20}, Format(u"方    %s    利    不    %s    利    大",
                                                   {kSingle[Y % 4], Y % 2 == 0 ? u"西    東" : u"北    南"}));

  // Year notes column, counted in lunar year L from its new year.
  auto search = [&](char16_t wanted) {
    std::optional<int> day = FirstDayFromNewYear(L, wanted);
    if (!day) r.complete = false;
    return NumberOrEmpty(day);
  };
  r.notesHeading = Label({354, 438, 460, 452}, u"事  記  時  歲");
  r.yearNotes[0] = Label({440, 462, 458, 522}, Format(u"%s  龍  治  水", {search(u'辰')}), kNavy);
  r.yearNotes[1] = Label({419, 462, 437, 522}, Format(u"%s  日  得  辛", {search(u'辛')}), kGreen);
  r.yearNotes[2] = Label({398, 462, 416, 522}, Format(u"%s  牛  耕  地", {search(u'丑')}), kSheetOlive);
  r.yearNotes[3] = Label({377, 462, 395, 522}, Format(u"%s  姑  把  蠶", {SilkwormMaid(branch)}), kMaroon);
  r.yearNotes[4] = Label({356, 462, 374, 522}, Format(u"蠶  食  %s  葉", {search(u'木')}), kGreen);

  // Spring ox and herdsman.
  r.springOx = BuildSpringOxChart(ox).Labels();

  // Climate line.
  r.climateHeading = Label({269, 307, 337, 321}, u"氣      運");
  r.climateLine = Label({335, 328, 347, 529}, std::u16string(ClimateLine(branch)), kNavy);

  // Corner words of the picture.
  const std::u16string_view corners = CornerRow(branch);
  static constexpr int kCornerIds[8] = {1201, 1205, 1202, 1206, 1207, 1203, 1208, 1204};
  static constexpr int kCornerPlaces[8][2] = {{51, 16},  {40, 28},  {149, 16},  {162, 28},
                                              {40, 126}, {51, 137}, {162, 126}, {149, 137}};
  for (size_t i = 0; i < 8; ++i) {
    const size_t slot = static_cast<size_t>(kCornerIds[i] - 1201);
    TemplateText& t = r.cornerWords[slot];
    t.id = kCornerIds[i];
    t.x = kCornerPlaces[i][0];
    t.y = kCornerPlaces[i][1];
    t.text = i < corners.size() ? std::u16string(1, corners[i]) : std::u16string();
  }

  // Nine stars: the year's star in the centre, the following eight around it.
  const int star = YearNineStar(Y);
  r.centreStar = Label({199, 156, 223, 168}, std::u16string(kStarNames[star]));
  int counter = star;
  for (size_t step = 0; step < 8; ++step) {
    const NineStarWords w = NineStarStep(counter);
    r.starRing[2 * step] = Label(kRingRects[2 * step], std::u16string(1, w.colour));
    r.starRing[2 * step + 1] = Label(kRingRects[2 * step + 1], std::u16string(1, w.number));
  }

  // Seasonal days of the Gregorian year.
  SeasonalDaysSheet seasonal = BuildSeasonalDays(Y);
  if (!seasonal.complete) r.complete = false;
  r.seasonalDays = std::move(seasonal.labels);
  return r;
}

std::u16string YearPillarTextOfDate(int year, int month, int day) {
  CalendarDate d;
  const int position = SolarToLunar(year, month, day, d);
  if (position <= 0) return {};
  return u" " + std::u16string(kCycleNames[static_cast<size_t>(position - 1)]) + u" ";
}

}  // namespace lunisol
