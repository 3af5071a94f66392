// The yearly moon-phase file "Farmer<year>": the moments of the four moon
// phases of each Gregorian month, followed by free dated note lines in Big5.
//
// Layout of the file:
//   * 48 whitespace-separated tokens, four per month for January..December:
//     full moon, last quarter, new moon, first quarter. A token is MMDDHHMM,
//     or two such moments joined by "-" when a phase falls twice in a month;
//     "00000000" stands for a phase that does not fall in the month and is
//     kept as it is.
//   * Every byte after the 48th token is free text in code page 950 (Big5),
//     read line by line in pieces of at most 63 bytes; each non-empty piece
//     becomes one dated note ("MMDD", one separator character, the note).
//
// The file comes from outside the program, so the reader accepts any bytes:
// it never reads past its input, runs in time linear in the file size, and
// keeps whatever it could read before the bytes stopped making sense.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/moon_phases.h"

namespace lunisol {

struct MoonPhaseData {
  // Entries in file order, indexed by MoonPhase; each starts with MMDDHHMM.
  std::array<std::vector<std::u16string>, 4> moonPhaseLists;
  // Free lines after the twelve monthly records, in file order.
  std::vector<std::u16string> datedNotes;
};

// Longest token or note piece, in bytes, that the file format allows.
inline constexpr std::size_t kMoonPhaseFieldBytes = 63;

// A file larger than this is no moon-phase file (a year's is about 500
// bytes with notes to spare) and is not read.
inline constexpr std::size_t kLargestMoonPhaseFile = 1 << 20;

// The file cut into its up to 48 phase tokens (each cut to 63 bytes, up to a
// NUL, bytes taken as Latin-1) and its note pieces, by the rules below.
struct MoonPhaseFileParts {
  std::vector<std::u16string> tokens;
  std::vector<std::u16string> notes;
};
MoonPhaseFileParts SplitMoonPhaseFile(std::string_view bytes);
// The months (bit m − 1 for month m) whose four tokens are all well formed
// for that month: "MMDDHHMM" with MM the month, two such joined by "-", or
// "00000000". Only those months of a file can be trusted.
uint16_t MonthsCoveredBy(const MoonPhaseFileParts& parts);
// Appends month `month`'s tokens of `parts` to the four lists of `out`.
void StoreMonthTokens(const MoonPhaseFileParts& parts, int month, MoonPhaseData& out);

// Parses the bytes of a moon-phase file. Clears `out` first.
//
// Rules for input outside the format:
//   * A token longer than 63 bytes is cut to its first 63 bytes; the rest of
//     it is dropped and does not turn into a further token, so the phases of
//     the following tokens stay in place.
//   * A NUL byte ends the text of the token or note piece that holds it, the
//     way it ends a C string; the bytes counted for piece lengths still
//     include it.
//   * Fewer than 48 tokens: the tokens present are stored, there are no notes.
//   * Byte 0x1A (Ctrl-Z) ends the file, as it does for a file read in text
//     mode by the DOS and Windows tools these files are written with.
//   * CR LF line ends read like LF ones; a lone CR inside a line is text.
//   * A note piece never ends between the two bytes of a Big5 character: when
//     the 63rd byte would be the lead byte of a pair, the piece ends after 62
//     bytes and the pair starts the next piece. Bytes that are not valid in
//     code page 950 decode to U+FFFD.
void ParseMoonPhaseFile(std::string_view bytes, MoonPhaseData& out);

// File name of the moon-phase file of `year`, e.g. "Farmer2009".
std::string MoonPhaseFileName(int year);

enum class MoonFileRead { kAbsent, kRead, kTooLarge };
// The bytes of "Farmer<year>" in `directory`. A missing or unreadable file,
// or one that is not a regular file, is kAbsent; one over
// kLargestMoonPhaseFile is kTooLarge and not read.
MoonFileRead ReadMoonPhaseFileBytes(int year, const std::string& directory, std::string& bytes);

// Reads "Farmer<year>" from `directory` (default: the current directory) and
// says whether it did. A missing or unreadable file, or one that is not a
// regular file, leaves `out` empty and is not an error.
bool ReadMoonPhaseFile(int year, MoonPhaseData& out, const std::string& directory = ".");

}  // namespace lunisol
