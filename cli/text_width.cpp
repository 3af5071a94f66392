#include "cli/text_width.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace lunisol::cli {

namespace {

int CharacterWidth(UChar32 c) {
  const auto category = static_cast<UCharCategory>(u_charType(c));
  if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK || (category == U_FORMAT_CHAR && c != 0x00AD) ||
      (c >= 0x1160 && c <= 0x11FF))  // Hangul medial vowels join
    return 0;
  const auto width = static_cast<UEastAsianWidth>(u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH));
  return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

}  // namespace

int DisplayWidth(std::string_view utf8) {
  int columns = 0;
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto length = static_cast<int32_t>(utf8.size());
  for (int32_t i = 0; i < length;) {
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    columns += c < 0 ? 1 : CharacterWidth(c);
  }
  return columns;
}

std::string PadRight(std::string_view text, int width) {
  const int room = width - DisplayWidth(text);
  return std::string(text) + std::string(room > 0 ? static_cast<size_t>(room) : 0, ' ');
}

std::string Centred(std::string_view text, int width) {
  const int room = width - DisplayWidth(text);
  return std::string(room > 0 ? static_cast<size_t>(room / 2) : 0, ' ') + std::string(text);
}

}  // namespace lunisol::cli
