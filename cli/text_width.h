// How many terminal columns a text takes: the grid of `cal` and the columns
// of the help are lined up by it, never by bytes or characters.
#pragma once

#include <string>
#include <string_view>

namespace lunisol::cli {

// Columns of UTF-8 text on a terminal: two for a wide or full-width
// character (the CJK ideographs, full-width punctuation such as "，"), none
// for a combining mark or an invisible format character, one for any other
// (the ambiguous ones included, as terminals show them outside CJK locales).
// A byte that is not UTF-8 counts as one column, as terminals show U+FFFD.
int DisplayWidth(std::string_view utf8);

// `text` followed by blanks up to `width` columns (nothing added when it is
// as wide already).
std::string PadRight(std::string_view text, int width);
// `text` with blanks before it, so that it stands in the middle of `width`
// columns (a column more on the right when the room is odd); no blanks after.
std::string Centred(std::string_view text, int width);

}  // namespace lunisol::cli
