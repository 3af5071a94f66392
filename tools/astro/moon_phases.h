// The per-year moon-phase file the almanac reads ("Farmer%d").
#pragma once

#include <string>

namespace lunisol::astro {

inline constexpr int kFirstPhaseYear = 1000;
inline constexpr int kLastPhaseYear = 3000;

// Text of the moon-phase file of Gregorian year `year`: twelve lines, one per
// month, each holding four tokens separated by one space, in the order
// full moon (望, elongation 180), last quarter (下弦, 270), new moon (朔, 0)
// and first quarter (上弦, 90). A token is the UTC+8 moment MMDDHHMM, cut to
// the minute; when the phase happens twice in the month the two moments are
// joined by "-". A month without the phase gets "00000000": the reader keys
// entries by their first four characters, and the key "0000" names no date,
// so such a placeholder is never shown.
//
// Phases are located with ERFA's Moon98 and settled with ELP 2000-82B, so
// the minute is right whenever the moment is more than a second or two away
// from a minute boundary. Throws std::out_of_range outside
// kFirstPhaseYear..kLastPhaseYear, where the Delta T model is only a guess.
std::string MoonPhaseFileText(int year);

}  // namespace lunisol::astro
