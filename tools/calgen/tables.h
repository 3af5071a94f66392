// The three calendar tables as the generator computes them, and the checks
// they must pass before they are written.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/astro/lunar_calendar.h"
#include "tools/astro/moon_phases.h"

namespace lunisol::calgen {

inline constexpr int kFirstLunarYear = 1899;
inline constexpr int kLastLunarYear = 2100;
inline constexpr int kFirstTermYear = 1900;
inline constexpr int kLastTermYear = 2100;

struct LunarRow {
  int newYearEve = 0;
  int leapMonth = 0;
  int weekdayBase = 0;
  int cycleBase = 0;
  std::array<int, 13> bigMonth{};

  bool operator==(const LunarRow&) const = default;
};

struct TableSet {
  std::vector<LunarRow> lunarRows;  // lunar years 1899..2100
  // Per Gregorian year 1900..2100: term day of month for t = 0..23 (the term
  // of index t belongs to month t / 2 + 1), the packed bytes and "hhmm" times.
  std::vector<std::array<int, 24>> termDays;
  std::vector<std::array<int, 24>> termMonths;
  std::vector<std::array<uint8_t, 12>> termBytes;
  std::vector<std::array<std::string, 24>> termTimes;
  std::vector<astro::CloseNewMoon> closeNewMoons;
  std::vector<astro::MonthStartException> monthStartExceptions;  // as applied
};

// Months that the calendar in force began on another day than our reckoning
// gives, with the source of each published day. BuildTables applies them.
const std::vector<astro::MonthStartException>& MonthStartExceptions();

// Runs the astronomy for 1898..2101 and fills the tables. Throws
// std::runtime_error when the calendar cannot be built.
TableSet BuildTables();

// Everything the converter and the term queries rely on, plus the sample rows,
// times and month starts the almanacs of their years are known to print.
// Returns one message per failure.
std::vector<std::string> CheckTables(const TableSet& tables);

// The moon phases of 1900..2100 in time order (UTC+8). By far the longest
// part of a run, so kept apart from BuildTables.
std::vector<astro::PhaseMoment> BuildMoonPhases();

// The phases follow each other in the lunation's order about a week apart,
// fit the packed table, and every new moon falls on the first day of a lunar
// month of `tables` (before 1929, when it is in the first quarter hour of its
// UTC+8 day, possibly on the second: those months begin on the day of the
// new moon in Beijing mean time). One message per failure.
std::vector<std::string> CheckMoonPhases(const std::vector<astro::PhaseMoment>& phases, const TableSet& tables);

// The phases as the almanac stores them, for months 1900-01..2100-12 in
// order: `minutes` holds (day - 1) * 1440 + minute of day of every phase;
// months[i] is 4 * (index in `minutes` of month i's first phase) + the list
// number of that phase, the following phases of the month coming in the
// lunation's order; months[i + 1] >> 2 ends month i (a last entry closes
// December 2100). Call after CheckMoonPhases has passed.
struct PackedMoonPhases {
  std::vector<uint16_t> months;
  std::vector<uint16_t> minutes;
};
PackedMoonPhases PackMoonPhases(const std::vector<astro::PhaseMoment>& phases);

// Packs a month's two term days; the caller guarantees the ranges 3..9 and
// 18..24 (CheckTables verifies them).
inline uint8_t PackTermDays(int firstDay, int secondDay) {
  return static_cast<uint8_t>(((15 - firstDay) << 4) | (secondDay - 15));
}

}  // namespace lunisol::calgen
