// The yearly moon-phase file "Farmer<year>": the moments of the four moon
// phases of each Gregorian month, followed by free dated note lines in UTF-8
// or Big5.
//
// Layout of the file:
//   * 48 whitespace-separated tokens, four per month for January..December:
//     full moon, last quarter, new moon, first quarter. A token is MMDDHHMM,
//     or two such moments joined by "-" when a phase falls twice in a month;
//     "00000000" stands for a phase that does not fall in the month and is
//     kept as it is.
//   * Every byte after the 48th token is free text, read line by line in
//     pieces of at most 63 bytes; each non-empty piece becomes one dated note
//     ("MMDD", one separator character, the note). The text is UTF-8 when
//     all of it is valid UTF-8, else code page 950 (Big5), in which the
//     tools these files come from write.
//
// The file comes from outside the program, so the reader accepts any bytes:
// it never reads past its input, runs in time linear in the file size, and
// keeps whatever it could read before the bytes stopped making sense.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/vocabulary.h"

namespace lunisol {

// A free line after the twelve monthly records: "MMDD", one separator
// character, then the text the page shows as a warning on that day. A line
// that does not start with four digits belongs to no day.
struct DatedNote {
  int month = 0;  // 0: no date
  int day = 0;
  std::u16string line;  // as read
  // The line after its date and separator.
  std::u16string_view text() const;
  friend bool operator==(const DatedNote&, const DatedNote&) = default;
};

// A year's moon phases and dated notes as the page reads them.
struct MoonPhaseData {
  // Month by month; within a month in the order 望, 下弦, 朔, 上弦, a phase
  // that falls twice in the month giving two events in time order.
  std::vector<MoonPhaseEvent> phases;
  std::vector<DatedNote> notes;  // in file order

  // The phase shown on a day: the first of the month's phases in the order
  // above that falls on it.
  std::optional<MoonPhaseEvent> PhaseOn(int month, int day) const;
  friend bool operator==(const MoonPhaseData&, const MoonPhaseData&) = default;
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
// Appends the events of month `month`'s tokens of `parts` to `out`; a token
// that is not a well-formed moment of the month ("00000000" among them)
// gives none.
void StoreMonthTokens(const MoonPhaseFileParts& parts, int month, std::vector<MoonPhaseEvent>& out);
// The note pieces of a file with their dates read.
std::vector<DatedNote> DatedNotes(const std::vector<std::u16string>& pieces);

// Parses the bytes of a moon-phase file into the phases of the months it
// gives well formed (MonthsCoveredBy, returned) and all its notes. Clears
// `out` first.
//
// Rules for cutting input outside the format (SplitMoonPhaseFile):
//   * A token longer than 63 bytes is cut to its first 63 bytes; the rest of
//     it is dropped and does not turn into a further token, so the phases of
//     the following tokens stay in place.
//   * A NUL byte ends the text of the token or note piece that holds it, the
//     way it ends a C string; the bytes counted for piece lengths still
//     include it.
//   * Fewer than 48 tokens: the tokens present are kept, there are no notes.
//   * Byte 0x1A (Ctrl-Z) ends the file, as it does for a file read in text
//     mode by the DOS and Windows tools these files are written with.
//   * CR LF line ends read like LF ones; a lone CR inside a line is text.
//   * A note piece never ends inside a character: when the 63rd byte would
//     start a Big5 pair or a UTF-8 sequence that does not fit, the piece ends
//     before it and the character starts the next piece. Bytes that are not
//     valid in code page 950 decode to U+FFFD.
uint16_t ParseMoonPhaseFile(std::string_view bytes, MoonPhaseData& out);

// File name of the moon-phase file of `year`, e.g. "Farmer2009".
std::string MoonPhaseFileName(int year);

// What became of the file looked for: not there, read, too large to be
// one, or there but unusable for one of the reasons after kTooLarge.
enum class MoonFileRead {
  kAbsent,
  kRead,
  kTooLarge,
  kUnreadable,    // the system refused to read it
  kFolder,        // a folder by the file's name
  kFifo,          // a named pipe, which would block
  kDevice,        // a device, which may never end
  kSocket,        // a socket
  kDanglingLink,  // a symbolic link to nothing
  kLinkLoop,      // symbolic links that lead round in a loop
  kNotAFile,      // anything else that is not a regular file
};
constexpr bool IsUnusable(MoonFileRead r) { return r > MoonFileRead::kTooLarge; }
// The bytes of "Farmer<year>" in `directory`; what became of the file.
MoonFileRead ReadMoonPhaseFileBytes(int year, const std::string& directory, std::string& bytes);

// Reads "Farmer<year>" from `directory` (default: the current directory) and
// says whether it did. A missing or unusable file leaves `out` empty.
bool ReadMoonPhaseFile(int year, MoonPhaseData& out, const std::string& directory = ".");

}  // namespace lunisol
