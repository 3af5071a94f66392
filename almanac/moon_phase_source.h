// Where a year's moon phases come from: the user's "Farmer<year>" file when
// there is one, else the phase table built into the program, so that every
// month shows its phases out of the box while a user's own file (with its
// dated notes) still wins.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "almanac/moon_phase_file.h"

namespace lunisol {

// Folders searched for "Farmer<year>", in order: the current folder, then the
// user's data folder $XDG_DATA_HOME/lunisol (by default
// ~/.local/share/lunisol), so that an installed program finds a user's file
// from wherever it is started. Read from the environment at each call.
std::vector<std::string> MoonPhaseFileFolders();

// The year's phases from the built-in table in the "Farmer<year>" layout:
// twelve lines of four tokens (望 下弦 朔 上弦), a token MMDDHHMM (UTC+8), two
// joined by "-" when a phase falls twice in the month, "00000000" when it
// does not fall in it. Empty outside 1900..2100.
std::string MoonPhaseFileText(int year);

// The lists that reading MoonPhaseFileText(year) as a file would give.
void MoonPhasesFromTable(int year, MoonPhaseData& out);

// Where a year's phases came from, for a notice to the reader when a file
// was found but could not be used as it stands.
struct MoonPhaseReport {
  enum class Use {
    kBuiltIn,       // no file: the built-in table
    kFile,          // the whole file
    kFileInPart,    // the file's good months, the built-in table for the rest
    kIgnoredEmpty,  // the file gave no month: ignored
    kIgnoredLarge,  // the file is over kLargestMoonPhaseFile: not read
  };
  // A file by the year's name that could not be used at all.
  struct Unusable {
    std::string path;
    MoonFileRead why;
  };
  Use use = Use::kBuiltIn;
  // The file read, or when none was, the first unusable one; empty when no
  // file was found.
  std::string path;
  uint16_t monthsFromFile = 0;     // bit m − 1: month m came from the file
  std::vector<Unusable> unusable;  // in the order of the folders
  bool needsNotice() const { return !unusable.empty() || (use != Use::kBuiltIn && use != Use::kFile); }
};

// The first usable "Farmer<year>" in `folders` wins, month by month: the
// months it gives well formed come from it (with all its dated notes), every
// other month from the built-in table. A file that gives no month at all is
// ignored as a whole, as is one too large to be a moon-phase file. A file
// that is there but cannot be read as one (a folder, a FIFO, a device, a
// broken link, …) is passed over for the next folder's, and the report names
// it.
MoonPhaseReport LoadMoonPhases(int year, MoonPhaseData& out,
                               const std::vector<std::string>& folders = MoonPhaseFileFolders());

// One line for each thing the reader should know about a report, in English
// (for the command line) or Traditional Chinese (for the window); none for
// a report that needs no notice.
std::vector<std::string> MoonPhaseNotices(const MoonPhaseReport& report, int year);
std::vector<std::u16string> MoonPhaseNoticesChinese(const MoonPhaseReport& report, int year);

}  // namespace lunisol
