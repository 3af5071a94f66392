#include "calendar/text.h"

namespace lunisol {

std::u16string Format(std::u16string_view format, std::initializer_list<FormatArg> args) {
  std::u16string out;
  out.reserve(format.size() + 16);
  auto next = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    const char16_t ch = format[i];
    if (ch != u'%' || i + 1 >= format.size()) {
      out.push_back(ch);
      continue;
    }
    size_t j = i + 1;
    if (format[j] == u'%') {
      out.push_back(u'%');
      i = j;
      continue;
    }
    bool zero = false;
    if (format[j] == u'0') {
      zero = true;
      ++j;
    }
    int width = 0;
    while (j < format.size() && format[j] >= u'0' && format[j] <= u'9') width = width * 10 + (format[j++] - u'0');
    if (j >= format.size()) break;
    const char16_t conv = format[j];
    i = j;
    if (next == args.end()) continue;
    const FormatArg& arg = *next++;
    std::u16string piece;
    if (conv == u'd') {
      const long long v = arg.isText ? 0 : arg.number;
      const unsigned long long mag = v < 0 ? static_cast<unsigned long long>(-v) : static_cast<unsigned long long>(v);
      std::u16string digits;
      unsigned long long m = mag;
      do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + m % 10));
        m /= 10;
      } while (m != 0);
      if (zero) {
        const int pad = width - static_cast<int>(digits.size()) - (v < 0 ? 1 : 0);
        if (pad > 0) digits.insert(0, static_cast<size_t>(pad), u'0');
      }
      if (v < 0) digits.insert(digits.begin(), u'-');
      piece = digits;
    } else if (conv == u's') {
      piece = arg.isText ? std::u16string(arg.text) : std::u16string();
    } else if (conv == u'c') {
      if (arg.isText && !arg.text.empty()) piece = std::u16string(1, arg.text[0]);
    }
    if (static_cast<int>(piece.size()) < width) piece.insert(0, static_cast<size_t>(width) - piece.size(), u' ');
    out += piece;
  }
  return out;
}

int ParseDecimal(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  long long v = 0;
  while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
    v = v * 10 + (text[i++] - u'0');
    if (v > 2147483647LL) v = 2147483647LL;
  }
  return static_cast<int>(negative ? -v : v);
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::u16string FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    char32_t c = 0xFFFD;
    size_t len = 1;
    if (b < 0x80) {
      c = b;
    } else if ((b >> 5) == 6 && i + 1 < text.size()) {
      c = ((b & 0x1F) << 6) | (text[i + 1] & 0x3F);
      len = 2;
    } else if ((b >> 4) == 14 && i + 2 < text.size()) {
      c = ((b & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F);
      len = 3;
    } else if ((b >> 3) == 30 && i + 3 < text.size()) {
      c = ((b & 0x07) << 18) | ((text[i + 1] & 0x3F) << 12) | ((text[i + 2] & 0x3F) << 6) | (text[i + 3] & 0x3F);
      len = 4;
    }
    i += len;
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

}  // namespace lunisol
