// The text lunisol-cli prints for a reader: the cal grid lines up for East
// Asian widths with each day's lunar date, term and festivals where the core
// puts them, and day --text says the day as the almanac's day sheet does.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/text.h"
#include "cli/cal_command.h"
#include "cli/day_text.h"
#include "cli/run.h"
#include "cli/text_width.h"
#include "days/almanac_list.h"
#include "days/day_lists.h"

namespace lunisol::cli {
namespace {

constexpr int kCell = 11;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The characters of `line` with the column each starts at.
std::vector<std::pair<int, std::string>> Characters(const std::string& line) {
  std::vector<std::pair<int, std::string>> chars;
  int column = 0;
  for (size_t i = 0; i < line.size();) {
    size_t n = 1;
    while (i + n < line.size() && (static_cast<unsigned char>(line[i + n]) & 0xC0) == 0x80) ++n;
    chars.emplace_back(column, line.substr(i, n));
    column += DisplayWidth(line.substr(i, n));
    i += n;
  }
  return chars;
}

// What stands in cell k of a grid line (its 11 columns, blanks trimmed);
// fails the test when a character reaches into a cell's leading blank.
std::string Cell(const std::string& line, int k) {
  std::string text;
  for (const auto& [column, c] : Characters(line)) {
    if (c == " ") continue;
    EXPECT_NE(column % kCell, 0) << "a character in the gap before a cell: " << line;
    EXPECT_LE(column + DisplayWidth(c), (column / kCell + 1) * kCell) << "a character across two cells: " << line;
    if (column / kCell == k) text += c;
  }
  return text;
}

struct GridDay {
  std::string lunar, marks;
};

// Day → what its cell shows, read off the grid as a reader would: the weeks
// are three lines each after the title and the weekdays, ending at a blank
// line followed by the notes.
std::map<int, GridDay> ReadGrid(const std::string& grid) {
  const std::vector<std::string> lines = Lines(grid);
  std::map<int, GridDay> days;
  for (size_t w = 2; w + 2 < lines.size() && !lines[w].empty(); w += 3)
    for (int k = 0; k < 7; ++k) {
      const std::string number = Cell(lines[w], k);
      if (!number.empty()) days[std::stoi(number)] = {Cell(lines[w + 1], k), Cell(lines[w + 2], k)};
    }
  return days;
}

std::string Grid(int year, int month, int today = 0) { return MonthGrid(CalendarMonth(year, month), today); }

// Every line fits 80 columns, every cell stays in its 11 columns, and the
// weekday header sits over the days: 2026-12-01 is a Tuesday.
TEST(Cal, LinesUpInEastAsianWidths) {
  for (const auto& [y, m] :
       std::vector<std::pair<int, int>>{{2026, 12}, {2033, 12}, {2023, 3}, {1900, 1}, {2100, 12}, {2026, 2}}) {
    SCOPED_TRACE(std::to_string(y) + "-" + std::to_string(m));
    const std::string grid = Grid(y, m);
    for (const std::string& line : Lines(grid)) EXPECT_LE(DisplayWidth(line), 80) << line;
    const std::map<int, GridDay> days = ReadGrid(grid);
    EXPECT_EQ(days.size(), CalendarMonth(y, m).days.size());
  }
  const std::vector<std::string> lines = Lines(Grid(2026, 12));
  EXPECT_EQ(Cell(lines[1], 0), "日");
  EXPECT_EQ(Cell(lines[1], 2), "二");
  EXPECT_EQ(Cell(lines[2], 2), "1");
  EXPECT_EQ(Cell(lines[2], 1), "");
}

TEST(Cal, DisplayWidthCountsColumnsNotBytes) {
  EXPECT_EQ(DisplayWidth("abc"), 3);
  EXPECT_EQ(DisplayWidth("閏十一月"), 8);
  EXPECT_EQ(DisplayWidth("，～"), 4);          // full-width punctuation
  EXPECT_EQ(DisplayWidth("PART,…"), 6);        // … is one column outside CJK locales
  EXPECT_EQ(DisplayWidth("e\xCC\x81"), 1);     // e and a combining acute
  EXPECT_EQ(DisplayWidth("\xEF\xBC\xA1"), 2);  // full-width Ａ
  EXPECT_EQ(DisplayWidth("\xFF"
                         "a"),
            2);  // a stray byte shows as one replacement character
  EXPECT_EQ(PadRight("初一", 6), "初一  ");
  EXPECT_EQ(Centred("二月", 8), "  二月");
}

// The lunar date under each day, the month's name on its first day (a leap
// month's with 閏), the terms and festivals under their days and in full
// below the grid.
TEST(Cal, DaysCarryLunarDatesTermsAndFestivals) {
  std::map<int, GridDay> march2023 = ReadGrid(Grid(2023, 3));
  EXPECT_EQ(march2023[22].lunar, "閏二月");
  EXPECT_EQ(march2023[23].lunar, "初二");
  EXPECT_EQ(march2023[21].lunar, "三十");
  EXPECT_EQ(march2023[21].marks, "春分");

  const std::string february2026 = Grid(2026, 2);
  std::map<int, GridDay> feb = ReadGrid(february2026);
  EXPECT_EQ(feb[4].marks, "立春");
  EXPECT_EQ(feb[16].marks, "除夕");
  EXPECT_EQ(feb[17].lunar, "正月");
  EXPECT_EQ(feb[17].marks, "春節");
  EXPECT_EQ(feb[14].marks, "西洋情人節");
  EXPECT_NE(february2026.find("乙巳年十二月～丙午年正月"), std::string::npos);
  EXPECT_NE(february2026.find("\n  4日  立春 "), std::string::npos);
  EXPECT_NE(february2026.find("\n 17日  春節\n"), std::string::npos);

  // 清明 and 清明節 share a day and a cell too narrow for both: the cell
  // keeps the term, the note under the grid both.
  const std::string april2026 = Grid(2026, 4);
  EXPECT_EQ(ReadGrid(april2026)[5].marks, "清明");
  EXPECT_NE(april2026.find("\n  5日  清明 "), std::string::npos);
  EXPECT_NE(april2026.find("、清明節\n"), std::string::npos);
  // 冬至 is a term and a festival of one name: said once.
  EXPECT_EQ(ReadGrid(Grid(2026, 12))[22].marks, "冬至");
}

// The first month of the range opens in the lunar year 1899, the last ends
// in 2100; the day shown as today is in reverse video, its cell unmoved.
TEST(Cal, YearEdgesAndToday) {
  const std::string january1900 = Grid(1900, 1);
  EXPECT_NE(january1900.find("1900年1月　己亥年十二月～庚子年正月"), std::string::npos);
  EXPECT_EQ(ReadGrid(january1900)[31].marks, "春節");
  EXPECT_EQ(ReadGrid(Grid(2100, 12))[31].lunar.empty(), false);

  const std::string plain = Grid(2026, 12), marked = Grid(2026, 12, 15);
  EXPECT_EQ(plain.find('\x1b'), std::string::npos);
  const size_t at = marked.find("\x1b[7m15\x1b[27m");
  ASSERT_NE(at, std::string::npos);
  std::string unmarked = marked;
  unmarked.erase(at + 6, 5).erase(at, 4);
  EXPECT_EQ(unmarked, plain);
}

struct Outcome {
  int status;
  std::string out, err;
};

Outcome Cal(const std::vector<std::string>& words) {
  std::vector<std::string> all{"cal"};
  all.insert(all.end(), words.begin(), words.end());
  std::ostringstream out, err;
  const int status = Run(all, out, err);
  return {status, out.str(), err.str()};
}

TEST(Cal, YearMonthAndRefusals) {
  const Outcome year = Cal({"2026"});
  ASSERT_EQ(year.status, 0);
  size_t at = 0;
  for (int m = 1; m <= 12; ++m) {
    at = year.out.find("2026年" + std::to_string(m) + "月　", at);
    EXPECT_NE(at, std::string::npos) << m;
  }
  EXPECT_EQ(Cal({"2026", "12"}).out, Grid(2026, 12));
  // Not a terminal: no escapes unless asked for; this month by default.
  EXPECT_EQ(Cal({}).out.find('\x1b'), std::string::npos);
  EXPECT_NE(Cal({"--color", "always"}).out.find("\x1b[7m"), std::string::npos);
  EXPECT_EQ(Cal({"--color=never", "2026"}).out, year.out);
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"1899"}, {"2101"}, {"2026", "13"}, {"2026", "0"}, {"2026", "12", "1"}, {"12/2026"}, {"--color", "yes"}}) {
    const Outcome o = Cal(bad);
    EXPECT_EQ(o.status, 2) << bad[0];
    EXPECT_NE(o.err.find("cal: "), std::string::npos) << o.err;
    EXPECT_TRUE(o.out.empty());
  }
}

// The lines of a day's text, by label ("宜" → its words as written).
std::map<std::string, std::string> Labelled(const std::string& text) {
  std::map<std::string, std::string> lines;
  std::string last;
  for (const std::string& line : Lines(text)) {
    const size_t blank = line.find(' ');
    if (line.starts_with("          "))
      lines[last] += " " + line.substr(line.find_first_not_of(' '));
    else if (blank != std::string::npos && !line.starts_with("國曆") && !line.starts_with("農曆"))
      lines[last = line.substr(0, blank)] = line.substr(line.find_first_not_of(' ', blank));
  }
  return lines;
}

// day --text says the almanac list of the day (not the book's sixty), 諸事不宜
// alone under 忌, and folds long lists under their label within 80 columns.
TEST(DayText, TheAlmanacListAsTheDaySheetSaysIt) {
  std::map<std::string, std::string> may26 = Labelled(DayText(2009, 5, 26));
  DayLists d;
  ASSERT_TRUE(EvaluateDayLists(2009, 5, 26, d));
  AlmanacList a;
  BuildAlmanacList(d, a);
  std::string yi;
  for (int i = 0; i < a.yiCount; ++i) yi += (i ? " " : "") + ToUtf8(AlmanacWordName(a.yi[static_cast<size_t>(i)].word));
  EXPECT_EQ(may26["宜"], yi);
  EXPECT_EQ(may26["值神"], "明堂（黃道）");
  EXPECT_EQ(may26["建除"], "滿日");
  EXPECT_NE(DayText(2009, 5, 26).find("農曆 己丑年 五月初三　辛未日\n"), std::string::npos);

  std::map<std::string, std::string> newYear = Labelled(DayText(2026, 2, 17));
  EXPECT_EQ(newYear["忌"], "諸事不宜");
  EXPECT_EQ(newYear.count("宜"), 0u);

  bool folded = false;
  for (int m = 1; m <= 12; ++m)
    for (int day = 1; day <= 28; ++day)
      for (const std::string& line : Lines(DayText(2026, m, day))) {
        EXPECT_LE(DisplayWidth(line), 80) << line;
        EXPECT_NE(line.back(), ' ');
        folded = folded || line.starts_with("          ");
      }
  EXPECT_TRUE(folded);
  EXPECT_EQ(DayText(2101, 1, 1), "");
}

TEST(DayText, ARangeDayByDayAndJsonWithoutIt) {
  std::ostringstream out, err;
  ASSERT_EQ(cli::Run({"day", "2026-02-16", "2026-02-17", "--text"}, out, err), 0);
  EXPECT_EQ(out.str(), DayText(2026, 2, 16) + "\n" + DayText(2026, 2, 17));
  std::ostringstream json;
  ASSERT_EQ(cli::Run({"day", "2026-02-16"}, json, err), 0);
  EXPECT_TRUE(json.str().starts_with("{\"date\":\"2026-02-16\""));
}

}  // namespace
}  // namespace lunisol::cli
