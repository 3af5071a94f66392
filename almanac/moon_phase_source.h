// Where a year's moon phases come from: the user's "Farmer<year>" file when
// there is one, else the phase table built into the program, so that every
// month shows its phases out of the box while a user's own file (with its
// dated notes) still wins.
#pragma once

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

// The first "Farmer<year>" found in `folders`, read as ReadMoonPhaseFile
// does; when none is found, the built-in table.
void LoadMoonPhases(int year, MoonPhaseData& out, const std::vector<std::string>& folders = MoonPhaseFileFolders());

}  // namespace lunisol
