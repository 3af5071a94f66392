#include "almanac/moon_phase_file.h"

#include <unicode/ucnv.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <type_traits>

#include "calendar/text.h"

namespace lunisol {
namespace {

static_assert(std::is_same_v<UChar, char16_t>, "ICU must hand out UTF-16 as char16_t");

constexpr int kTokensPerMonth = 4;
constexpr int kTokensPerYear = 12 * kTokensPerMonth;
// Two moments joined by a hyphen: "MMDDHHMM-MMDDHHMM".
constexpr std::size_t kMomentLength = 8;
constexpr char kCtrlZ = '\x1a';

// The C locale's white space, which is what separates the tokens and what
// ends a note line.
bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsBlank(char16_t c) { return c < 0x80 && IsBlank(static_cast<unsigned char>(c)); }

// Code page 950 lead and trail byte ranges. Used only to keep a character
// whole at the end of a note piece; the decoding itself is ICU's.
bool IsBig5Lead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsBig5Trail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0xA1 && c <= 0xFE); }

// Text of a field ends at its first NUL, as it would in a C string buffer.
std::string_view UpToNul(std::string_view field) {
  const auto nul = field.find('\0');
  return nul == std::string_view::npos ? field : field.substr(0, nul);
}

void TrimTrailingBlanks(std::u16string& text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  text.resize(end);
}

// The tokens are digits and hyphens; any other byte is taken as Latin-1 so
// that every byte gives exactly one character and the 8-character cuts below
// stay byte cuts.
std::u16string Latin1ToUtf16(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char c : bytes) text.push_back(static_cast<unsigned char>(c));
  return text;
}

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr OpenBig5Converter() {
  for (const char* name : {"windows-950", "Big5"}) {
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr converter(ucnv_open(name, &status));
    if (U_SUCCESS(status) && converter) return converter;
  }
  return nullptr;
}

// Decodes one note piece (at most 63 bytes) from code page 950. Invalid
// bytes come out as U+FFFD, ICU's default substitution.
std::u16string DecodeBig5(UConverter* converter, std::string_view bytes) {
  if (bytes.empty()) return {};
  if (converter == nullptr) {
    // ICU without its conversion data: keep what is plain ASCII.
    std::u16string text;
    for (const char c : bytes) {
      const auto b = static_cast<unsigned char>(c);
      text.push_back(b < 0x80 ? char16_t(b) : u'\uFFFD');
    }
    return text;
  }
  std::u16string text(bytes.size() * 2 + 2, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = ucnv_toUChars(converter, text.data(), static_cast<int32_t>(text.size()), bytes.data(),
                                 static_cast<int32_t>(bytes.size()), &status);
  if (status == U_BUFFER_OVERFLOW_ERROR && length > 0) {
    text.assign(static_cast<std::size_t>(length) + 1, u'\0');
    status = U_ZERO_ERROR;
    length = ucnv_toUChars(converter, text.data(), static_cast<int32_t>(text.size()), bytes.data(),
                           static_cast<int32_t>(bytes.size()), &status);
  }
  if (U_FAILURE(status) || length < 0) return {};
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// Whether the bytes are well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = b < 0x80                 ? 1
                               : b >= 0xC2 && b <= 0xDF ? 2
                               : b >= 0xE0 && b <= 0xEF ? 3
                               : b >= 0xF0 && b <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    const auto second = static_cast<unsigned char>(length > 1 ? bytes[i + 1] : 0);
    if ((b == 0xE0 && second < 0xA0) || (b == 0xED && second > 0x9F) || (b == 0xF0 && second < 0x90) ||
        (b == 0xF4 && second > 0x8F))
      return false;
    i += length;
  }
  return true;
}

// How the notes are written: UTF-8 when all of them are valid UTF-8, else
// code page 950, the encoding of the tools these files come from.
enum class NoteEncoding { kUtf8, kBig5 };

// The bytes of the character that starts at `pos`, which a piece keeps
// whole: a UTF-8 sequence, a Big5 pair, or one byte.
std::size_t CharacterBytes(std::string_view bytes, std::size_t pos, NoteEncoding encoding) {
  const auto c = static_cast<unsigned char>(bytes[pos]);
  if (encoding == NoteEncoding::kUtf8) return c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  const bool pair = IsBig5Lead(c) && pos + 1 < bytes.size() && IsBig5Trail(static_cast<unsigned char>(bytes[pos + 1]));
  return pair ? 2 : 1;
}

// Cuts the next note piece starting at `pos`: bytes up to and including the
// line end, at most 63 of them. The CR of a CR LF line end needs no care of
// its own: it is a trailing blank of its piece, or, pushed over the size, a
// piece of its own that strips to nothing. Advances `pos` past the piece.
std::string NextPiece(std::string_view bytes, std::size_t& pos, NoteEncoding encoding) {
  std::string piece;
  const std::size_t n = bytes.size();
  while (pos < n && piece.size() < kMoonPhaseFieldBytes) {
    if (bytes[pos] == '\n') {
      piece.push_back('\n');
      ++pos;
      break;
    }
    // Splitting a character would turn its first bytes into a substitution
    // character here and the rest into stray letters in the next piece, so
    // the character moves to the next piece whole.
    const std::size_t length = CharacterBytes(bytes, pos, encoding);
    if (piece.size() + length > kMoonPhaseFieldBytes) break;
    piece.append(bytes.substr(pos, length));
    pos += length;
  }
  return piece;
}

std::u16string DecodeNote(UConverter* big5, std::string_view bytes, NoteEncoding encoding) {
  return encoding == NoteEncoding::kUtf8 ? FromUtf8(bytes) : DecodeBig5(big5, bytes);
}

}  // namespace

MoonPhaseFileParts SplitMoonPhaseFile(std::string_view bytes) {
  MoonPhaseFileParts parts;
  if (const auto end = bytes.find(kCtrlZ); end != std::string_view::npos) bytes = bytes.substr(0, end);

  const std::size_t n = bytes.size();
  std::size_t pos = 0;
  for (int token = 0; token < kTokensPerYear; ++token) {
    while (pos < n && IsBlank(static_cast<unsigned char>(bytes[pos]))) ++pos;
    if (pos == n) return parts;  // Too few records: keep what was there.
    const std::size_t start = pos;
    while (pos < n && !IsBlank(static_cast<unsigned char>(bytes[pos]))) ++pos;
    // A token past the field size is outside the format: keep its head and
    // swallow the rest, so that it still counts as one phase.
    std::string_view field = bytes.substr(start, std::min(pos - start, kMoonPhaseFieldBytes));
    parts.tokens.push_back(Latin1ToUtf16(UpToNul(field)));
  }

  // Everything after the last token, starting with the rest of its own line,
  // is free text.
  const NoteEncoding encoding = IsValidUtf8(bytes.substr(pos)) ? NoteEncoding::kUtf8 : NoteEncoding::kBig5;
  const ConverterPtr converter = encoding == NoteEncoding::kBig5 ? OpenBig5Converter() : nullptr;
  while (pos < n) {
    const std::string piece = NextPiece(bytes, pos, encoding);
    std::u16string note = DecodeNote(converter.get(), UpToNul(piece), encoding);
    TrimTrailingBlanks(note);
    if (!note.empty()) parts.notes.push_back(std::move(note));
  }
  return parts;
}

namespace {

int TwoDigits(std::u16string_view t, std::size_t at) {
  const char16_t a = t[at], b = t[at + 1];
  if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return -1;
  return (a - u'0') * 10 + (b - u'0');
}

// "MMDDHHMM" of a moment in month `month`.
bool IsMomentOf(std::u16string_view t, int month) {
  if (t.size() != kMomentLength) return false;
  const int day = TwoDigits(t, 2), hour = TwoDigits(t, 4), minute = TwoDigits(t, 6);
  return TwoDigits(t, 0) == month && day >= 1 && day <= 31 && hour >= 0 && hour < 24 && minute >= 0 && minute < 60;
}

bool IsTokenOf(std::u16string_view token, int month) {
  if (token == u"00000000") return true;
  if (token.size() == 2 * kMomentLength + 1 && token[kMomentLength] == u'-')
    return IsMomentOf(token.substr(0, kMomentLength), month) && IsMomentOf(token.substr(kMomentLength + 1), month);
  return IsMomentOf(token, month);
}

void StoreMoment(std::u16string_view t, MoonPhase phase, int month, std::vector<MoonPhaseEvent>& out) {
  if (!IsMomentOf(t, month)) return;
  out.push_back({phase, month, TwoDigits(t, 2), {TwoDigits(t, 4), TwoDigits(t, 6)}});
}

}  // namespace

void StoreMonthTokens(const MoonPhaseFileParts& parts, int month, std::vector<MoonPhaseEvent>& out) {
  for (int k = 0; k < kTokensPerMonth; ++k) {
    const std::size_t i = static_cast<std::size_t>((month - 1) * kTokensPerMonth + k);
    if (i >= parts.tokens.size()) return;
    const std::u16string_view token = parts.tokens[i];
    if (!IsTokenOf(token, month)) continue;
    StoreMoment(token.substr(0, kMomentLength), PhaseAt(k), month, out);
    // A phase that falls twice in the month: two moments joined by "-".
    if (token.size() > kMomentLength) StoreMoment(token.substr(kMomentLength + 1), PhaseAt(k), month, out);
  }
}

std::vector<DatedNote> DatedNotes(const std::vector<std::u16string>& pieces) {
  std::vector<DatedNote> notes;
  notes.reserve(pieces.size());
  for (const std::u16string& piece : pieces) {
    DatedNote note{0, 0, piece};
    if (piece.size() >= 4) {
      const int month = TwoDigits(piece, 0), day = TwoDigits(piece, 2);
      if (month >= 0 && day >= 0) {
        note.month = month;
        note.day = day;
      }
    }
    notes.push_back(std::move(note));
  }
  return notes;
}

std::u16string_view DatedNote::text() const {
  return line.size() > 5 ? std::u16string_view(line).substr(5) : std::u16string_view();
}

std::optional<MoonPhaseEvent> MoonPhaseData::PhaseOn(int month, int day) const {
  for (const MoonPhaseEvent& event : phases)
    if (event.month == month && event.day == day) return event;
  return std::nullopt;
}

uint16_t MonthsCoveredBy(const MoonPhaseFileParts& parts) {
  uint16_t months = 0;
  for (int month = 1; month <= 12; ++month) {
    bool whole = true;
    for (int k = 0; k < kTokensPerMonth && whole; ++k) {
      const std::size_t i = static_cast<std::size_t>((month - 1) * kTokensPerMonth + k);
      whole = i < parts.tokens.size() && IsTokenOf(parts.tokens[i], month);
    }
    if (whole) months |= static_cast<uint16_t>(1u << (month - 1));
  }
  return months;
}

uint16_t ParseMoonPhaseFile(std::string_view bytes, MoonPhaseData& out) {
  const MoonPhaseFileParts parts = SplitMoonPhaseFile(bytes);
  const uint16_t months = MonthsCoveredBy(parts);
  out.phases.clear();
  for (int month = 1; month <= 12; ++month)
    if (months & (1u << (month - 1))) StoreMonthTokens(parts, month, out.phases);
  out.notes = DatedNotes(parts.notes);
  return months;
}

std::string MoonPhaseFileName(int year) { return "Farmer" + std::to_string(year); }

namespace {

MoonFileRead ByType(std::filesystem::file_type type) {
  using std::filesystem::file_type;
  switch (type) {
    case file_type::regular:
      return MoonFileRead::kRead;
    case file_type::directory:
      return MoonFileRead::kFolder;
    case file_type::fifo:
      return MoonFileRead::kFifo;
    case file_type::block:
    case file_type::character:
      return MoonFileRead::kDevice;
    case file_type::socket:
      return MoonFileRead::kSocket;
    default:
      return MoonFileRead::kNotAFile;
  }
}

// What the path names, before anything is opened: a FIFO or a device under
// the file's name would block or never end.
MoonFileRead Classify(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status own = fs::symlink_status(path, error);
  if (own.type() == fs::file_type::not_found) return MoonFileRead::kAbsent;
  if (error) return MoonFileRead::kUnreadable;
  if (own.type() != fs::file_type::symlink) return ByType(own.type());
  const fs::file_status target = fs::status(path, error);
  if (error == std::errc::too_many_symbolic_link_levels) return MoonFileRead::kLinkLoop;
  if (target.type() == fs::file_type::not_found) return MoonFileRead::kDanglingLink;
  if (error) return MoonFileRead::kUnreadable;
  return ByType(target.type());
}

}  // namespace

MoonFileRead ReadMoonPhaseFileBytes(int year, const std::string& directory, std::string& bytes) {
  bytes.clear();
  const std::filesystem::path path = directory.empty() ? std::filesystem::path(MoonPhaseFileName(year))
                                                       : std::filesystem::path(directory) / MoonPhaseFileName(year);
  const MoonFileRead kind = Classify(path);
  if (kind != MoonFileRead::kRead) return kind;
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return MoonFileRead::kUnreadable;
  if (size > kLargestMoonPhaseFile) return MoonFileRead::kTooLarge;

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return MoonFileRead::kUnreadable;
  char chunk[1 << 16];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.append(chunk, got);
    // A file that grows while it is read stops at the limit.
    if (got < sizeof chunk || bytes.size() > kLargestMoonPhaseFile) break;
  }
  if (std::ferror(file.get())) {
    bytes.clear();
    return MoonFileRead::kUnreadable;
  }
  if (bytes.size() > kLargestMoonPhaseFile) return MoonFileRead::kTooLarge;
  return MoonFileRead::kRead;
}

bool ReadMoonPhaseFile(int year, MoonPhaseData& out, const std::string& directory) {
  out = MoonPhaseData{};
  std::string bytes;
  if (ReadMoonPhaseFileBytes(year, directory, bytes) != MoonFileRead::kRead) return false;
  ParseMoonPhaseFile(bytes, out);
  return true;
}

}  // namespace lunisol
