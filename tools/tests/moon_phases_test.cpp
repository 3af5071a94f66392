#include "tools/astro/moon_phases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/tables.h"
#include "tools/astro/civil.h"

namespace {

using namespace lunisol::astro;

constexpr int kFull = 0, kLastQuarter = 1, kNew = 2, kFirstQuarter = 3;

struct Moment {
  int month, day, hour, minute;
};

// lines[month 0..11][column 0..3] -> the token text.
std::vector<std::vector<std::string>> Parse(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::vector<std::string> tokens;
    std::string w;
    while (words >> w) tokens.push_back(w);
    lines.push_back(tokens);
  }
  return lines;
}

std::vector<Moment> Moments(const std::string& token) {
  std::vector<Moment> out;
  if (token == "00000000") return out;
  std::istringstream in(token);
  std::string part;
  while (std::getline(in, part, '-'))
    out.push_back(Moment{std::stoi(part.substr(0, 2)), std::stoi(part.substr(2, 2)), std::stoi(part.substr(4, 2)),
                         std::stoi(part.substr(6, 2))});
  return out;
}

// Lunar day (1..30) of a Gregorian date, counted from the committed lunar
// year table the almanac itself uses.
int LunarDayOf(int year, int month, int day) {
  const int jdn = JdnFromCivil(year, month, day);
  for (int ly = year; ly >= year - 1; --ly) {
    const lunisol::LunarYearRow& row = lunisol::LunarRow(ly);
    int start = JdnFromCivil(ly, 1, 1) + row.newYearEve;  // month 1 day 1
    const int months = row.leapMonth ? 13 : 12;
    for (int p = 0; p < months; ++p) {
      const int length = 29 + row.bigMonth[p];
      if (jdn >= start && jdn < start + length) return jdn - start + 1;
      start += length;
    }
  }
  return -1;
}

TEST(MoonPhaseFile, HasTwelveLinesOfFourWellFormedTokens) {
  const std::regex token(R"(\d{8}(-\d{8})?)");
  for (int year : {1900, 2009, 2018, 2100}) {
    const std::string text = MoonPhaseFileText(year);
    ASSERT_EQ('\n', text.back());
    const auto lines = Parse(text);
    ASSERT_EQ(12u, lines.size()) << year;
    for (int m = 0; m < 12; ++m) {
      ASSERT_EQ(4u, lines[m].size()) << year << " month " << m + 1;
      for (const std::string& t : lines[m]) {
        EXPECT_TRUE(std::regex_match(t, token)) << t;
        for (const Moment& x : Moments(t)) {
          EXPECT_EQ(m + 1, x.month) << year << " " << t;
          EXPECT_LE(x.hour, 23);
          EXPECT_LE(x.minute, 59);
        }
      }
    }
  }
}

TEST(MoonPhaseFile, NewMoonsOf2009AreTheFirstDaysOfLunarMonths) {
  const auto lines = Parse(MoonPhaseFileText(2009));
  std::vector<int> newMoonDays;
  for (const auto& line : lines)
    for (const Moment& x : Moments(line[kNew])) newMoonDays.push_back(JdnFromCivil(2009, x.month, x.day));

  std::vector<int> monthStarts;
  for (int jdn = JdnFromCivil(2009, 1, 1); jdn <= JdnFromCivil(2009, 12, 31); ++jdn) {
    const CivilDate d = CivilFromJdn(jdn);
    if (LunarDayOf(d.year, d.month, d.day) == 1) monthStarts.push_back(jdn);
  }
  EXPECT_EQ(monthStarts, newMoonDays);
  EXPECT_EQ(12u, newMoonDays.size());
}

TEST(MoonPhaseFile, OtherPhasesFallOnTheirUsualLunarDays) {
  for (int year : {1901, 2009, 2099}) {
    const auto lines = Parse(MoonPhaseFileText(year));
    for (const auto& line : lines) {
      for (const Moment& x : Moments(line[kFull])) {
        const int d = LunarDayOf(year, x.month, x.day);
        EXPECT_GE(d, 14) << year << "-" << x.month << "-" << x.day;
        EXPECT_LE(d, 17) << year << "-" << x.month << "-" << x.day;
      }
      for (const Moment& x : Moments(line[kFirstQuarter])) {
        const int d = LunarDayOf(year, x.month, x.day);
        EXPECT_GE(d, 6);
        EXPECT_LE(d, 10);
      }
      for (const Moment& x : Moments(line[kLastQuarter])) {
        const int d = LunarDayOf(year, x.month, x.day);
        EXPECT_GE(d, 21);
        EXPECT_LE(d, 25);
      }
    }
  }
}

TEST(MoonPhaseFile, PhasesFollowEachOtherInOrderAboutAWeekApart) {
  const auto lines = Parse(MoonPhaseFileText(2024));
  struct Event {
    double minutes;
    int column;
  };
  std::vector<Event> events;
  for (const auto& line : lines)
    for (int c = 0; c < 4; ++c)
      for (const Moment& x : Moments(line[c]))
        events.push_back({JdnFromCivil(2024, x.month, x.day) * 1440.0 + x.hour * 60 + x.minute, c});
  std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.minutes < b.minutes; });
  ASSERT_GE(events.size(), 48u);
  // Elongation order new -> first quarter -> full -> last quarter -> new.
  const int next[4] = {kLastQuarter, kNew, kFirstQuarter, kFull};
  for (size_t i = 1; i < events.size(); ++i) {
    EXPECT_EQ(next[events[i - 1].column], events[i].column) << i;
    const double days = (events[i].minutes - events[i - 1].minutes) / 1440.0;
    EXPECT_GT(days, 6.0);
    EXPECT_LT(days, 8.6);
  }
}

TEST(MoonPhaseFile, MonthWithoutAPhaseAndMonthsWithTwo) {
  // 2018: full moons on 2 and 31 January, none in February, on 2 and 31 March
  // (UTC+8 dates).
  const auto lines = Parse(MoonPhaseFileText(2018));
  EXPECT_EQ(2u, Moments(lines[0][kFull]).size());
  EXPECT_EQ("00000000", lines[1][kFull]);
  ASSERT_EQ(2u, Moments(lines[2][kFull]).size());
  EXPECT_EQ(2, Moments(lines[2][kFull])[0].day);
  EXPECT_EQ(31, Moments(lines[2][kFull])[1].day);
}

TEST(MoonPhaseFile, KnownMomentsToTheMinute) {
  // New moon of the total solar eclipse of 22 July 2009, 02:35 UT, and the
  // full moon of the total lunar eclipse of 21 January 2019, 05:16 UT: both
  // +8 h; allow a minute either side for published rounding.
  auto minutesOf = [](const std::string& token) {
    const Moment x = Moments(token).at(0);
    return x.day * 1440 + x.hour * 60 + x.minute;
  };
  EXPECT_NEAR(22 * 1440 + 10 * 60 + 35, minutesOf(Parse(MoonPhaseFileText(2009))[6][kNew]), 1);
  EXPECT_NEAR(21 * 1440 + 13 * 60 + 16, minutesOf(Parse(MoonPhaseFileText(2019))[0][kFull]), 1);
}

TEST(MoonPhaseFile, RefusesYearsOutsideItsRange) {
  EXPECT_THROW(MoonPhaseFileText(kFirstPhaseYear - 1), std::out_of_range);
  EXPECT_THROW(MoonPhaseFileText(kLastPhaseYear + 1), std::out_of_range);
}

}  // namespace
