// Small UTF-16 text helpers shared by the core: printf-style formatting with
// the handful of conversions the almanac's texts use, and number parsing.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace lunisol {

// One argument of Format: an integer (for %d, %2d, %02d, …) or a text (%s).
struct FormatArg {
  FormatArg(int v) : isText(false), number(v) {}
  FormatArg(std::u16string_view v) : isText(true), text(v) {}
  FormatArg(const std::u16string& v) : isText(true), text(v) {}
  FormatArg(const char16_t* v) : isText(true), text(v) {}
  bool isText;
  int number = 0;
  std::u16string_view text;
};

// Supports %d with an optional '0' flag and width, %s (also with a width,
// right-aligned), %c (a text argument, its first character) and %%.
std::u16string Format(std::u16string_view format, std::initializer_list<FormatArg> args);

// Leading blanks skipped, optional sign, then decimal digits; stops at the
// first other character (as the platform's text-to-integer conversion does).
int ParseDecimal(std::u16string_view text);

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace lunisol
