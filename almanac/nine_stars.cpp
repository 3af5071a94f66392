#include "almanac/nine_stars.h"

#include <optional>

#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"

namespace lunisol {

using namespace colours;

const std::array<std::u16string_view, 10> kNineStarNames{u"",     u"白一", u"黑二", u"碧三", u"綠四",
                                                         u"黃五", u"白六", u"赤七", u"白八", u"紫九"};

// 七赤 is drawn in the same green as 四綠, and 八白 a shade off the grey of
// 一白 and 六白, as the printed almanac does.
const std::array<Colour, 10> kNineStarColours{
    kBlack, kGrey, kBlack, kTeal, kGreen, kOlive, kGrey, kGreen, Colour{129, 128, 128}, kPurple};

namespace {

using StarTable = NineStarTable;

// A turning 甲子 of the year and the run it starts.
struct Turn {
  int star;               // the 甲子 day's own star
  bool rising;            // 陽遁 (up) or 陰遁 (down)
  SolarTerm closingTerm;  // the run goes on up to this term ...
  bool closesOnTermDay;   // ... the term day itself included or not
  int starTheDayBefore;   // the star of the day before the 甲子, counted back to the previous closing term
};

// The six turns in the order a year meets them (the first may instead be
// carried over from December, see StarCarriedIntoJanuary).
constexpr std::array<Turn, 6> kTurns{{
    {1, true, SolarTerm::kRainWater, false, 6},       // 一白 up to 雨水
    {7, true, SolarTerm::kGrainRain, true, 3},        // 七赤 up to 穀雨
    {4, true, SolarTerm::kSummerSolstice, false, 9},  // 四綠 up to 夏至
    {9, false, SolarTerm::kEndOfHeat, true, 4},       // 九紫 up to 處暑
    {3, false, SolarTerm::kFrostsDescent, false, 7},  // 三碧 up to 霜降
    {6, false, SolarTerm::kWinterSolstice, true, 1},  // 六白 up to 冬至
}};

int Up(int star) { return star == 9 ? 1 : star + 1; }
int Down(int star) { return star == 1 ? 9 : star - 1; }

// Writes table[from..to]: `start` on the first day, each next one step on
// along a rising or falling run.
void RunForward(StarTable& table, int from, int to, int start, bool rising) {
  int star = start;
  for (int i = from; i <= to; ++i) {
    if (i >= 0 && i < 366) table[static_cast<size_t>(i)] = static_cast<int8_t>(star);
    star = rising ? Up(star) : Down(star);
  }
}

// Writes table[from], table[from − 1] … table[downTo]: `start` on the first,
// each day before it one step back along a rising or falling run.
void RunBackward(StarTable& table, int from, int downTo, int start, bool rising) {
  int star = start;
  for (int i = from; i >= downTo; --i) {
    if (i >= 0 && i < 366) table[static_cast<size_t>(i)] = static_cast<int8_t>(star);
    star = rising ? Down(star) : Up(star);
  }
}

// A 甲子 in December of the year before, on or after its 冬至, has already
// begun the 一白 run that goes on into January: the star of 1 January then,
// else 0.
int StarCarriedIntoJanuary(int year) {
  const std::optional<GregorianDate> solstice = TermDate(year - 1, SolarTerm::kWinterSolstice);
  if (!solstice) return 0;
  int carried = 0;
  for (int d = solstice->day; d <= 31; ++d)
    if (DayPillar(year - 1, 12, d) == Pillar()) carried = (31 - d + 1) % 9 + 1;
  return carried;
}

// How far the walk through the year has got, by day index (0 = 1 January).
struct StarWalk {
  StarTable& stars;
  int day = -1;
  int turnsTaken = 0;
  int firstStar = 1;  // the first turn's star, unless carried
  std::array<int, 6> turnDay{-1, -1, -1, -1, -1, -1};
  std::array<int, 6> closingDay{-1, -1, -1, -1, -1, -1};
};

// A closing term ends the run of its turn: the days since that turn's 甲子
// go on from its star.
void CloseRunAtTerm(StarWalk& walk, SolarTerm term) {
  for (size_t k = 0; k < kTurns.size(); ++k) {
    const Turn& turn = kTurns[k];
    if (turn.closingTerm != term) continue;
    walk.closingDay[k] = walk.day;
    if (walk.turnDay[k] < 0) return;
    const int star = k == 0 ? walk.firstStar : turn.star;
    const int last = turn.closesOnTermDay ? walk.day : walk.day - 1;
    RunForward(walk.stars, walk.turnDay[k] + 1, last, turn.rising ? Up(star) : Down(star), turn.rising);
    return;
  }
}

// A turning 甲子 takes its star, and the days back to the previous closing
// term (to 1 January for the first turn) lead into it.
void TakeTurn(StarWalk& walk) {
  const size_t k = static_cast<size_t>(walk.turnsTaken++);
  if (k >= kTurns.size()) return;
  const Turn& turn = kTurns[k];
  walk.stars[static_cast<size_t>(walk.day)] = static_cast<int8_t>(k == 0 ? walk.firstStar : turn.star);
  const int runStart = k == 0 ? 0 : walk.closingDay[k - 1];
  if (runStart >= 0 && runStart <= walk.day - 1)
    RunBackward(walk.stars, walk.day - 1, runStart, turn.starTheDayBefore, turn.rising);
  walk.turnDay[k] = walk.day;
}

// After 冬至 the new upward run begins at the December 甲子 (the marker);
// when the year has none, the days are counted back from the star before
// the next year's first.
void RunOnAfterWinterSolstice(DecemberMarker marker, StarWalk& walk, int year) {
  if (marker.value == -1) return;
  const int leap = IsGregorianLeapYear(year);
  const int lastDay = 364 + leap;
  const int solstice = walk.day;
  if (marker.found) {
    const int jiazi = 333 + leap + marker.value;
    if (jiazi > solstice)
      RunForward(walk.stars, solstice + 1, jiazi - 1, Down(walk.stars[static_cast<size_t>(solstice)]), false);
    RunForward(walk.stars, jiazi, lastDay, 1, true);
  } else {
    const int star = marker.value - 1 <= 0 ? 9 : marker.value - 1;
    RunBackward(walk.stars, lastDay, solstice, star, true);
  }
}

}  // namespace

NineStarTable ComputeNineStars(int year, int lastMonth, DecemberMarker marker) {
  NineStarTable stars{};
  StarWalk walk{stars};
  const int carried = StarCarriedIntoJanuary(year);
  if (carried != 0) walk.firstStar = carried;
  for (int month = 1; month <= lastMonth && month <= 12; ++month) {
    for (int day = 1; day <= DaysInSolarMonth(year, month); ++day) {
      ++walk.day;
      const std::optional<SolarTerm> term = TermOnDay(year, month, day);
      if (term) CloseRunAtTerm(walk, *term);
      if (term == SolarTerm::kWinterSolstice) RunOnAfterWinterSolstice(marker, walk, year);
      // A carried star turns on 1 January whatever its day.
      if (DayPillar(year, month, day) == Pillar() || (carried != 0 && walk.day == 0)) TakeTurn(walk);
    }
  }
  return stars;
}

DecemberMarker FindDecemberMarker(int year) {
  DecemberMarker marker;
  if (const std::optional<GregorianDate> solstice = TermDate(year, SolarTerm::kWinterSolstice)) {
    CalendarDate date;
    for (int d = solstice->day - 14; d <= 31; ++d) {
      if (SolarToLunar(year, 12, d, date) < 0) break;
      if (date.dayPillar == Pillar()) marker = {d, true};
    }
  }
  if (marker.found) return marker;
  return {ComputeNineStars(year + 1, 2, {})[0], false};
}

NineStarTable NineStarsOfYear(int year) { return ComputeNineStars(year, 12, FindDecemberMarker(year)); }

ColouredText NineStarCell(int star, Colour dayBeforeColour) {
  if (star >= 1 && star <= 9)
    return {std::u16string(kNineStarNames[static_cast<size_t>(star)]), kNineStarColours[static_cast<size_t>(star)]};
  return {Format(u"%d", {star}), dayBeforeColour};
}

}  // namespace lunisol
