// libFuzzer entry for the moon-phase file reader: any bytes must parse without
// overrun, and the result must keep the reader's own limits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "almanac/moon_phase_file.h"

namespace {

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const lunisol::MoonPhaseFileParts parts = lunisol::SplitMoonPhaseFile(bytes);

  // 48 tokens at most, each of at most 63 bytes; notes only after all 48.
  if (parts.tokens.size() > 48) __builtin_trap();
  for (const auto& token : parts.tokens)
    if (token.size() > lunisol::kMoonPhaseFieldBytes) __builtin_trap();
  if (!parts.notes.empty() && parts.tokens.size() < 48) __builtin_trap();
  for (const auto& note : parts.notes) {
    if (note.empty() || note.size() > lunisol::kMoonPhaseFieldBytes) __builtin_trap();
    if (IsBlank(note.back())) __builtin_trap();
  }

  // The phases read are moments of the months the file gives well formed,
  // one or two a token.
  lunisol::MoonPhaseData first;
  const std::uint16_t months = lunisol::ParseMoonPhaseFile(bytes, first);
  if (first.phases.size() > 96 || first.notes.size() != parts.notes.size()) __builtin_trap();
  for (const lunisol::MoonPhaseEvent& e : first.phases) {
    if (e.month < 1 || e.month > 12 || !(months & (1u << (e.month - 1)))) __builtin_trap();
    if (e.day < 1 || e.day > 31 || e.time.hour > 23 || e.time.minute > 59) __builtin_trap();
  }

  // Parsing into a used record gives the same result as into a fresh one.
  lunisol::MoonPhaseData again = first;
  again.notes.push_back({1, 1, u"0101 stale"});
  lunisol::ParseMoonPhaseFile(bytes, again);
  if (!(again == first)) __builtin_trap();
  return 0;
}
