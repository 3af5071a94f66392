#include "sheets/yearly_notes_model.h"

#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/text.h"
#include "sheets/seasonal_days_model.h"
#include "sheets/spring_ox_model.h"
#include "sheets/tables.h"

namespace lunisol {

namespace {

using namespace colours;

std::u16string NumberOrEmpty(const std::optional<int>& n) { return n ? Format(u"%d", {*n}) : std::u16string(); }

SheetLabel Label(std::u16string text, Colour colour = kBlack) { return SheetLabel{std::move(text), colour, {}}; }

// The 合德 stems of the year stem (甲己, 乙庚, 丙辛, 丁壬, 戊癸), written right
// to left.
std::u16string_view StemPair(Stem stem) {
  static constexpr std::u16string_view kByPair[5] = {u"己 甲", u"乙 庚", u"辛 丙", u"丁 壬", u"癸 戊"};
  return kByPair[Index(stem) % 5];
}

// By the year's pair of opposite branches: 子午, 丑未, 寅申, 卯酉, 辰戌, 巳亥.
std::u16string_view ClimateLine(Branch branch) {
  static constexpr std::u16string_view kByPair[6] = {
      u"少陰君火司天 。陽明燥金在泉 。", u"太陰濕土司天 。太陽寒水在泉 。", u"少陽相火司天 。厥陰風木在泉 。",
      u"陽明燥金司天 。少陰君火在泉 。", u"太陽寒水司天 。太陰濕土在泉 。", u"厥陰風木司天 。少陽相火在泉 。"};
  return kByPair[Index(branch) % 6];
}

// 子卯午酉 years 二, 丑辰未戌 三, 寅巳申亥 一 (the branch's place mod 3).
std::u16string_view SilkwormMaid(Branch branch) {
  static constexpr std::u16string_view kByGroup[3] = {u"二", u"三", u"一"};
  return kByGroup[Index(branch) % 3];
}

// Corner words of the silkworm-house picture by the year's season (亥子丑,
// 寅卯辰, 巳午未, 申酉戌), in the order of the cells 1201, 1205, 1202, 1206,
// 1207, 1203, 1208, 1204.
std::u16string_view CornerRow(Branch branch) {
  static constexpr std::u16string_view kBySeason[4] = {u"士博蠶室士力奏書", u"士力博士書奏蠶室", u"書奏力士室蠶博士",
                                                       u"室蠶奏書士博力士"};
  return kBySeason[Index(branch + 1) / 3];
}

struct MeetingPairs {
  std::u16string_view branches, mansions;
};
constexpr MeetingPairs kMeetingPairs[7] = {{u"午 午", u"角 角"}, {u"申 丑", u"鬼 斗"}, {u"戌 卯", u"胃 女"},
                                           {u"巳 巳", u"房 房"}, {u"未 子", u"張 虛"}, {u"寅 酉", u"室 觜"},
                                           {u"亥 辰", u"壁 箕"}};

// The corner cell (1201 = 0) each word of a CornerRow goes to.
constexpr size_t kCornerSlots[8] = {0, 4, 1, 5, 6, 2, 7, 3};

constexpr std::u16string_view kStarNames[10] = {u"",     u"白一", u"黑二", u"碧三", u"綠四",
                                                u"黃五", u"白六", u"赤七", u"白八", u"紫九"};

}  // namespace

std::u16string_view ElementColourWord(Element element) {
  static constexpr std::u16string_view kByElement[5] = {u"青", u"紅", u"黃", u"白", u"黑"};
  return kByElement[Index(element)];
}

namespace {

// The lunar day of the first day from lunar year L's new year to the end of
// that Gregorian year whose pillar matches.
template <typename Match>
std::optional<int> FirstDayMatching(int lunarYear, Match match) {
  std::optional<GregorianDate> start;
  CalendarDate newYear;
  if (LunarToSolar({lunarYear, 1, false, 1}, newYear) > 0)
    start = newYear.solar;
  else
    // The converter refuses the last lunar year of the tables because its
    // last months run past them; its new-year day itself is known.
    start = LunarNewYearIn(lunarYear);
  if (!start) return std::nullopt;
  CalendarDate date;
  for (int m = start->month; m <= 12; ++m)
    for (int d = m == start->month ? start->day : 1; d <= DaysInSolarMonth(start->year, m); ++d)
      if (SolarToLunar(start->year, m, d, date) > 0 && match(date.dayPillar)) return date.lunar.day;
  return std::nullopt;
}

}  // namespace

std::optional<int> FirstDayFromNewYear(int lunarYear, Branch wanted) {
  return FirstDayMatching(lunarYear, [wanted](Pillar p) { return p.branch() == wanted; });
}

std::optional<int> FirstDayFromNewYear(int lunarYear, Stem wanted) {
  return FirstDayMatching(lunarYear, [wanted](Pillar p) { return p.stem() == wanted; });
}

std::optional<int> FirstDayFromNewYear(int lunarYear, Element wantedNayin) {
  return FirstDayMatching(lunarYear, [wantedNayin](Pillar p) { return NayinElement(p) == wantedNayin; });
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

std::array<const SheetLabel*, 10> YearlyNotesRecord::TemplateTexts() const {
  std::array<const SheetLabel*, 10> all{&yearGodTitle, &yearGodName};
  for (size_t i = 0; i < cornerWords.size(); ++i) all[2 + i] = &cornerWords[i];
  return all;
}

std::array<const SheetLabel*, 78> YearlyNotesRecord::Labels() const {
  std::array<const SheetLabel*, 78> all{};
  size_t n = 0;
  auto add = [&](std::initializer_list<const SheetLabel*> labels) {
    for (const SheetLabel* l : labels) all[n++] = l;
  };
  auto addEach = [&](const auto& labels) {
    for (const SheetLabel& l : labels) all[n++] = &l;
  };
  add({&nayin, &elements, &yearDutyMansion, &yearDutyLabel, &secondMansion, &secondLabel, &meetLabel, &branchPair,
       &dayLabel, &mansionPair, &mansionLabel, &hiddenLabel, &goldLabel, &yearLabel, &virtueLabel, &stemPair,
       &earthMotherHeading, &verseHeading, &oracleHeading});
  addEach(verseLines);
  addEach(oracleLines);
  add({&directionLine, &notesHeading});
  addEach(yearNotes);
  addEach(springOx);
  add({&climateHeading, &climateLine, &centreStar});
  addEach(starRing);
  addEach(seasonalDays);
  add({&ownWritingLine});
  return all;
}

namespace {

// The year god of the lunar year and the elements of its pillar.
void FillYearGod(YearlyNotesRecord& r) {
  const std::u16string_view god = kTaisuiNames[static_cast<size_t>(r.yearPosition)];
  r.yearGodTitle = Label(Format(u"太歲 %s 年", {Name(r.yearPillar)}));
  r.yearGodName = Label(Format(u"太歲姓%c名%c", {god, god.substr(1)}));
  r.nayin = Label(Format(u"納音屬%s", {Name(NayinElement(r.yearPillar))}));
  r.elements =
      Label(Format(u"干%s支%s", {Name(ElementOf(r.yearPillar.stem())), Name(ElementOf(r.yearPillar.branch()))}));
}

// The mansions that rule Gregorian year Y, the meeting pairs and the 合德 stems.
void FillMansions(YearlyNotesRecord& r, int Y, Stem stem) {
  const int mod7 = Y % 7;
  r.yearDutyMansion = Label(std::u16string(FullName(MansionAt(Y - 14))));
  r.yearDutyLabel = Label(u"年 值");
  const int k = (mod7 * 12 + 3) % 28;
  r.secondMansion = Label(std::u16string(FullName(MansionAt(k - 1))));
  r.secondLabel = Label(u"局 管");
  r.meetLabel = Label(u"遇");
  r.branchPair = Label(std::u16string(kMeetingPairs[mod7].branches));
  r.dayLabel = Label(u"日");
  r.mansionPair = Label(std::u16string(kMeetingPairs[mod7].mansions));
  r.mansionLabel = Label(u"宿為");
  r.hiddenLabel = Label(u"伏 暗");
  r.goldLabel = Label(u"斷 金");
  r.yearLabel = Label(u"歲");
  r.virtueLabel = Label(u"合 德");
  r.stemPair = Label(std::u16string(StemPair(stem)));
}

// The Earth-Mother verse and oracle of the lunar year.
void FillEarthMother(YearlyNotesRecord& r) {
  const size_t p = static_cast<size_t>(r.yearPosition);
  r.earthMotherHeading = Label(u"經  母  地  帝  黃");
  r.verseHeading = Label(u"詩曰 ：");
  r.oracleHeading = Label(u"卜曰 ：");
  const std::array<std::u16string, 4> verse = SplitVerseLines(kEarthMotherVerses[p]);
  const std::array<std::u16string, 4> oracle = SplitVerseLines(kEarthMotherOracles[p]);
  for (size_t i = 0; i < 4; ++i) r.verseLines[i] = Label(verse[i], kSheetOlive);
  for (size_t i = 0; i < 3; ++i) r.oracleLines[i] = Label(oracle[i], kGreen);
  r.earthMotherIsOurs = kEarthMotherOrigins[p] == TextOrigin::kOurs;
  if (!r.earthMotherIsOurs) return;
  r.ownWritingLine = Label(std::u16string(kOwnEarthMotherLine), kGrey);
  for (SheetLabel* l : {&r.verseLines[0], &r.verseLines[1], &r.verseLines[2], &r.verseLines[3], &r.oracleLines[0],
                        &r.oracleLines[1], &r.oracleLines[2]})
    if (!l->text.empty()) l->tooltip = std::u16string(kOwnEarthMotherTip);
}

// The year-notes column, counted in lunar year L from its new year.
void FillYearNotes(YearlyNotesRecord& r, int L, Branch branch) {
  auto search = [&](auto wanted) {
    std::optional<int> day = FirstDayFromNewYear(L, wanted);
    if (!day) r.complete = false;
    return NumberOrEmpty(day);
  };
  r.notesHeading = Label(u"事  記  時  歲");
  r.yearNotes[0] = Label(Format(u"%s  龍  治  水", {search(Branch::kChen)}), kNavy);
  r.yearNotes[1] = Label(Format(u"%s  日  得  辛", {search(Stem::kXin)}), kGreen);
  r.yearNotes[2] = Label(Format(u"%s  牛  耕  地", {search(Branch::kChou)}), kSheetOlive);
  r.yearNotes[3] = Label(Format(u"%s  姑  把  蠶", {SilkwormMaid(branch)}), kMaroon);
  r.yearNotes[4] = Label(Format(u"蠶  食  %s  葉", {search(Element::kWood)}), kGreen);
}

// The climate line and the corner words of the picture, by the year branch.
void FillClimateAndCorners(YearlyNotesRecord& r, Branch branch) {
  r.climateHeading = Label(u"氣      運");
  r.climateLine = Label(std::u16string(ClimateLine(branch)), kNavy);
  const std::u16string_view corners = CornerRow(branch);
  for (size_t i = 0; i < 8; ++i)
    r.cornerWords[kCornerSlots[i]] = Label(i < corners.size() ? std::u16string(1, corners[i]) : std::u16string());
}

// The star of Gregorian year Y in the centre, the following eight around it.
void FillNineStars(YearlyNotesRecord& r, int Y) {
  const int star = YearNineStar(Y);
  r.centreStar = Label(std::u16string(kStarNames[star]));
  int counter = star;
  for (size_t step = 0; step < 8; ++step) {
    const NineStarWords w = NineStarStep(counter);
    r.starRing[2 * step] = Label(std::u16string(1, w.colour));
    r.starRing[2 * step + 1] = Label(std::u16string(1, w.number));
  }
}

}  // namespace

std::optional<YearlyNotesRecord> BuildYearlyNotes(int Y, int M, int D) {
  CalendarDate selected;
  const int position = SolarToLunar(Y, M, D, selected);
  if (position <= 0) return std::nullopt;

  YearlyNotesRecord r;
  r.caption = u" 歲 時 記 事";
  r.yearPosition = position;
  r.yearPillar = YearPillar(selected.lunar.year);
  r.lunarYear = selected.lunar.year;
  const Branch branch = r.yearPillar.branch();

  const SpringOxInputs ox = SpringOxInputsForYear(r.yearPillar, Y);
  r.lichunDayPillar = ox.lichunDay;
  if (!ox.lichunDate || !ox.lunarNewYear) r.complete = false;

  FillYearGod(r);
  FillMansions(r, Y, r.yearPillar.stem());
  FillEarthMother(r);
  // The direction line reads right to left.
  constexpr std::u16string_view kSingle[4] = {u"南", u"東", u"北", u"西"};
  r.directionLine = Label(
      Format(u"方    %s    利    不    %s    利    大", {kSingle[Y % 4], Y % 2 == 0 ? u"西    東" : u"北    南"}));
  FillYearNotes(r, selected.lunar.year, branch);
  r.springOx = BuildSpringOxChart(ox).Labels();
  FillClimateAndCorners(r, branch);
  FillNineStars(r, Y);

  SeasonalDaysSheet seasonal = BuildSeasonalDays(Y);
  if (!seasonal.complete) r.complete = false;
  r.seasonalDays = std::move(seasonal.labels);
  return r;
}

}  // namespace lunisol
