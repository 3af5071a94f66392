#include "almanac/moon_phase_source.h"

#include <cstdio>
#include <cstdlib>

#include "calendar/moon_phases.h"
#include "calendar/tables.h"

namespace lunisol {
namespace {

// A token of a phase that does not fall in the month. Its key "0000" names no
// date, so it is never shown; it keeps the four tokens of a line in place.
constexpr char kNoPhase[] = "00000000";

// "MMDDHHMM" of every moment of each list in the month, in time order.
std::array<std::vector<std::string>, 4> MonthMoments(int year, int month) {
  std::array<std::vector<std::string>, 4> lists;
  const MonthMoonPhases phases = MoonPhasesOfMonth(year, month);
  for (int i = 0; i < phases.count; ++i) {
    const MoonPhaseMoment& p = phases.moments[static_cast<size_t>(i)];
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d%02d", month, p.day, p.hour, p.minute);
    lists[static_cast<size_t>(p.list)].push_back(buf);
  }
  for (auto& list : lists)
    if (list.empty()) list.push_back(kNoPhase);
  return lists;
}

bool InRange(int year) { return year >= kFirstTermYear && year <= kLastTermYear; }

}  // namespace

std::vector<std::string> MoonPhaseFileFolders() {
  std::vector<std::string> folders{"."};
  // By the XDG base-directory rules an unset, empty or relative
  // $XDG_DATA_HOME means the default under $HOME.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  if (xdg != nullptr && xdg[0] == '/')
    folders.push_back(std::string(xdg) + "/lunisol");
  else if (home != nullptr && home[0] != '\0')
    folders.push_back(std::string(home) + "/.local/share/lunisol");
  return folders;
}

std::string MoonPhaseFileText(int year) {
  std::string text;
  if (!InRange(year)) return text;
  for (int month = 1; month <= 12; ++month) {
    const auto lists = MonthMoments(year, month);
    for (size_t list = 0; list < lists.size(); ++list) {
      if (list) text += ' ';
      for (size_t i = 0; i < lists[list].size(); ++i) text += (i ? "-" : "") + lists[list][i];
    }
    text += '\n';
  }
  return text;
}

void MoonPhasesFromTable(int year, MoonPhaseData& out) {
  for (auto& list : out.moonPhaseLists) list.clear();
  out.datedNotes.clear();
  if (!InRange(year)) return;
  for (int month = 1; month <= 12; ++month) {
    const auto lists = MonthMoments(year, month);
    for (size_t list = 0; list < lists.size(); ++list)
      for (const std::string& moment : lists[list])
        out.moonPhaseLists[list].push_back(std::u16string(moment.begin(), moment.end()));
  }
}

void LoadMoonPhases(int year, MoonPhaseData& out, const std::vector<std::string>& folders) {
  for (const std::string& folder : folders)
    if (ReadMoonPhaseFile(year, out, folder)) return;
  MoonPhasesFromTable(year, out);
}

}  // namespace lunisol
