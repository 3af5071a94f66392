// lunisol-calgen: computes the lunar year table, the solar-term day table,
// the solar-term time table and the moon-phase table for 1899..2100 from our
// own astronomy (ERFA and libnova), checks them, and writes them as C++
// sources. The program links none of that astronomy: it reads these tables.
//
//   lunisol-calgen OUTPUT_DIR
//
// The committed tables in calendar/data were made by running it from the
// repository root with OUTPUT_DIR = calendar/data. It exits non-zero, writing
// nothing, when any check fails.
//
// Decisions taken here:
// - Every moment is cut to the minute, never rounded. The day of a term is
//   its UTC+8 date. The day of a new moon is its date in Beijing mean time
//   (UTC+7:45:40) before 1929 and in UTC+8 from then on: the calendar in
//   force until the end of 1928 reckoned on Beijing's meridian, and the
//   almanacs of those years, which users compare with, begin three months a
//   day earlier than UTC+8 would (1914-11-17, 1916-02-03, 1920-11-10).
// - A month that the published calendar began on another day than our
//   reckoning gives is kept on the published day through the short list of
//   MonthStartExceptions (day, published day, source), printed on stderr and
//   in the lunar table. It holds one case, 1906-04-24.
// - New moons are found with ERFA's Moon98 series. Those within
//   kRefineWindowMinutes of midnight on the deciding clock (and, before 1929,
//   of UTC+8 midnight too) are recomputed with ELP 2000-82B and the ELP
//   moment decides the day the month begins. The cases are listed in the
//   generated lunar table and on stderr. The only one on which the two
//   theories disagree about the day is the new moon of 29 September 2057:
//   ELP puts it at 00:00:03, Moon98 five seconds earlier on the 28th. We
//   follow ELP, the finer theory, and the month begins on the 29th. That
//   moment, like every one after today, also rests on the extrapolated
//   Delta T, whose error there is far larger than three seconds; a later
//   Delta T model may move it, which is why these cases are kept in view.
// - Moon phases are UTC+8 minutes for every year, as published moon-phase
//   tables give them; only the day a month begins follows the older clock.
//   So a new moon just after UTC+8 midnight before 1929 is listed on the
//   second day of its month.
// - The 13th month flag of a year without a leap month is not read by the
//   converter. We fill it with the flag of the next lunar year's first month,
//   i.e. the month that follows the twelfth, so that the 13 flags always
//   describe 13 consecutive months; computing the calendar into 2101 for the
//   last row is a small price for that uniformity.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/astro/civil.h"
#include "tools/astro/lunar_calendar.h"
#include "tools/calgen/tables.h"

namespace {

using namespace lunisol::astro;
using lunisol::calgen::TableSet;

[[noreturn]] void Die(const std::string& message) {
  std::cerr << "lunisol-calgen: " << message << "\n";
  std::exit(1);
}

std::string FormatInstant(const LocalInstant& t) {
  const CivilDate d = CivilFromJdn(t.jdn);
  const int s = static_cast<int>(t.secondOfDay);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, s / 3600, s / 60 % 60,
                s % 60);
  return buf;
}

std::string FormatDay(int jdn) {
  const CivilDate d = CivilFromJdn(jdn);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

const char* ClockName(int clock) { return clock == kUtc8Seconds ? "UTC+8" : "Beijing mean time"; }

// Lines describing the near-midnight new moons, without comment markers.
std::vector<std::string> CloseNewMoonLines(const TableSet& t) {
  std::vector<std::string> lines;
  for (const CloseNewMoon& m : t.closeNewMoons) {
    std::string line = FormatInstant(m.fine) + " UTC+8, " + FormatInstant(m.fineBeijing) + " Beijing (Moon98 " +
                       FormatInstant(m.shortSeries) + " UTC+8) -> " + ClockName(m.clock) +
                       " decides: " + FormatDay(m.day());
    if (m.day() != m.shortSeriesDay) line += "; Moon98 alone would say " + FormatDay(m.shortSeriesDay);
    for (const MonthStartException& e : t.monthStartExceptions)
      if (e.reckonedJdn == m.day()) line += "; published calendar: " + FormatDay(e.publishedJdn) + " (exception)";
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> ExceptionLines(const TableSet& t) {
  std::vector<std::string> lines;
  for (const MonthStartException& e : t.monthStartExceptions)
    lines.push_back(FormatDay(e.reckonedJdn) + " -> " + FormatDay(e.publishedJdn) + ": " + e.source);
  return lines;
}

constexpr const char* kHeader = "// Generated by: lunisol-calgen calendar/data — do not edit\n";

std::string LunarYearSource(const TableSet& t, const std::vector<std::string>& closeLines,
                            const std::vector<std::string>& exceptionLines) {
  std::ostringstream out;
  out << kHeader
      << "//\n"
         "// One row per lunar year 1899..2100: newYearEve, leapMonth, weekdayBase,\n"
         "// cycleBase, then 13 month flags in calendar order (1 = 30-day month). In a\n"
         "// year without a leap month the 13th flag is that of the next year's first\n"
         "// month.\n"
         "//\n"
         "// A month begins on the day of its new moon, reckoned in Beijing mean time\n"
         "// (UTC+7:45:40) before 1929 and in UTC+8 from then on. New moons within "
      << kRefineWindowMinutes
      << "\n"
         "// minutes of midnight on that clock, or before 1929 of UTC+8 midnight,\n"
         "// settled with ELP 2000-82B (Espenak-Meeus Delta T):\n";
  for (const std::string& line : closeLines) out << "//   " << line << "\n";
  out << "//\n// Months the calendar of their year began on another day (day -> published\n// day: source):\n";
  for (const std::string& line : exceptionLines) out << "//   " << line << "\n";
  out << "\n#include \"calendar/tables.h\"\n\nnamespace lunisol {\n\n"
         "const std::array<LunarYearRow, kLunarYearCount> LunarYearTable{{\n";
  for (size_t i = 0; i < t.lunarRows.size(); ++i) {
    const auto& r = t.lunarRows[i];
    out << "    {" << r.newYearEve << ", " << r.leapMonth << ", " << r.weekdayBase << ", " << r.cycleBase << ", {";
    for (int k = 0; k < 13; ++k) out << (k ? ", " : "") << r.bigMonth[k];
    out << "}},  // " << (1899 + static_cast<int>(i)) << "\n";
  }
  out << "}};\n\n}  // namespace lunisol\n";
  return out.str();
}

std::string SolarTermDaySource(const TableSet& t) {
  std::ostringstream out;
  out << kHeader
      << "//\n"
         "// Days of the solar terms, one row per Gregorian year 1900..2100, one byte\n"
         "// per month: high nibble h -> first term on day 15 - h, low nibble l ->\n"
         "// second term on day 15 + l (UTC+8).\n"
         "\n#include \"calendar/tables.h\"\n\nnamespace lunisol {\n\n"
         "const std::array<std::array<uint8_t, 12>, kTermYearCount> SolarTermTable{{\n";
  for (size_t i = 0; i < t.termBytes.size(); ++i) {
    out << "    {{";
    for (int m = 0; m < 12; ++m) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "0x%02X", t.termBytes[i][m]);
      out << (m ? ", " : "") << buf;
    }
    out << "}},  // " << (1900 + static_cast<int>(i)) << "\n";
  }
  out << "}};\n\n}  // namespace lunisol\n";
  return out.str();
}

std::string SolarTermTimeSource(const TableSet& t) {
  std::ostringstream out;
  out << kHeader
      << "//\n"
         "// Minute of the day (UTC+8, cut to the minute) at which each solar term\n"
         "// begins, index (year - 1900) * 24 + term, term 0 = 小寒.\n"
         "\n#include \"calendar/tables.h\"\n\nnamespace lunisol {\n\n"
         "const std::array<uint16_t, kTermYearCount * 24> SolarTermMinutes{\n";
  for (size_t y = 0; y < t.termTimes.size(); ++y) {
    out << "    // " << (1900 + static_cast<int>(y)) << "\n";
    for (int half = 0; half < 2; ++half) {
      out << "   ";
      for (int k = 0; k < 12; ++k) {
        const std::string& hhmm = t.termTimes[y][static_cast<size_t>(half * 12 + k)];
        char buf[16];
        std::snprintf(buf, sizeof buf, " %4d,", std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(2, 2)));
        out << buf;
      }
      out << "\n";
    }
  }
  out << "};\n\n}  // namespace lunisol\n";
  return out.str();
}

std::string MoonPhaseSource(const lunisol::calgen::PackedMoonPhases& p) {
  std::ostringstream out;
  out << kHeader
      << "//\n"
         "// The four moon phases of every Gregorian month 1900..2100, UTC+8, cut to\n"
         "// the minute (ERFA Moon98 settled with ELP 2000-82B, Espenak-Meeus Delta T).\n"
         "// kMinutes: (day - 1) * 1440 + minute of day of each phase, in time order.\n"
         "// MoonPhaseMonths, month (year - 1900) * 12 + month - 1: 4 * the index of the\n"
         "// month's first phase + that phase's list (0 望, 1 下弦, 2 朔, 3 上弦); the\n"
         "// next entry ends the month. The phases come in the lunation's order, the\n"
         "// list number going up by one (mod 4) from each to the next.\n"
         "\n#include \"calendar/tables.h\"\n\nnamespace lunisol {\n\nnamespace {\n\n"
         "constexpr uint16_t kMinutes[] = {\n";
  const size_t months = p.months.size() - 1;
  for (size_t m = 0; m < months; ++m) {
    out << "   ";
    for (size_t i = p.months[m] >> 2; i < (p.months[m + 1] >> 2); ++i) out << " " << p.minutes[i] << ",";
    char buf[32];
    std::snprintf(buf, sizeof buf, "  // %04d-%02d\n", 1900 + static_cast<int>(m / 12), static_cast<int>(m % 12) + 1);
    out << buf;
  }
  out << "};\n\n}  // namespace\n\n"
         "const std::array<uint16_t, kTermYearCount * 12 + 1> MoonPhaseMonths{{\n";
  for (size_t m = 0; m < p.months.size(); m += 12) {
    out << "   ";
    for (size_t k = m; k < std::min(m + 12, p.months.size()); ++k) out << " " << p.months[k] << ",";
    if (m < months)
      out << "  // " << (1900 + static_cast<int>(m / 12)) << "\n";
    else
      out << "  // end of December 2100\n";
  }
  out << "}};\n\nconst std::span<const uint16_t> MoonPhaseMinutes{kMinutes};\n\n}  // namespace lunisol\n";
  return out.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) Die("cannot write " + path.string());
  f << text;
  if (!f.flush()) Die("error writing " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: lunisol-calgen OUTPUT_DIR\n";
    return 2;
  }
  const std::filesystem::path outDir = argv[1];
  const auto started = std::chrono::steady_clock::now();

  TableSet tables;
  try {
    tables = lunisol::calgen::BuildTables();
  } catch (const std::exception& e) {
    Die(std::string("astronomy failed: ") + e.what());
  }

  std::vector<PhaseMoment> phases;
  try {
    phases = lunisol::calgen::BuildMoonPhases();
  } catch (const std::exception& e) {
    Die(std::string("moon phases failed: ") + e.what());
  }

  std::vector<std::string> problems = lunisol::calgen::CheckTables(tables);
  for (std::string& p : lunisol::calgen::CheckMoonPhases(phases, tables)) problems.push_back(std::move(p));
  if (!problems.empty()) {
    for (const std::string& p : problems) std::cerr << "lunisol-calgen: check failed: " << p << "\n";
    Die(std::to_string(problems.size()) + " check(s) failed; nothing written");
  }

  const std::vector<std::string> closeLines = CloseNewMoonLines(tables);
  const std::vector<std::string> exceptionLines = ExceptionLines(tables);
  std::cerr << "New moons within " << kRefineWindowMinutes << " minutes of midnight, settled with ELP:\n";
  for (const std::string& line : closeLines) std::cerr << "  " << line << "\n";
  std::cerr << "Month-start exceptions applied:\n";
  for (const std::string& line : exceptionLines) std::cerr << "  " << line << "\n";

  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  WriteFile(outDir / "lunar_year_table.cpp", LunarYearSource(tables, closeLines, exceptionLines));
  WriteFile(outDir / "solar_term_table.cpp", SolarTermDaySource(tables));
  WriteFile(outDir / "solar_term_time_table.cpp", SolarTermTimeSource(tables));
  WriteFile(outDir / "moon_phase_table.cpp", MoonPhaseSource(lunisol::calgen::PackMoonPhases(phases)));

  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::fprintf(stderr, "lunisol-calgen: wrote 4 tables to %s in %.1f s\n", outDir.string().c_str(), seconds);
  return 0;
}
