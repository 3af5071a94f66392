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
  lunisol::MoonPhaseData first;
  lunisol::ParseMoonPhaseFile(bytes, first);

  // 48 tokens at most, each giving one or two entries of at most 63 bytes.
  std::size_t entries = 0;
  for (const auto& list : first.moonPhaseLists) {
    if (list.size() > 24) __builtin_trap();
    entries += list.size();
    for (const auto& entry : list)
      if (entry.size() > lunisol::kMoonPhaseFieldBytes) __builtin_trap();
  }
  if (entries > 96) __builtin_trap();
  if (!first.datedNotes.empty() && entries < 48) __builtin_trap();

  for (const auto& note : first.datedNotes) {
    if (note.empty() || note.size() > lunisol::kMoonPhaseFieldBytes) __builtin_trap();
    if (IsBlank(note.back())) __builtin_trap();
  }

  // Parsing into a used record gives the same result as into a fresh one.
  lunisol::MoonPhaseData again = first;
  again.datedNotes.push_back(u"stale");
  lunisol::ParseMoonPhaseFile(bytes, again);
  if (again.moonPhaseLists != first.moonPhaseLists || again.datedNotes != first.datedNotes) __builtin_trap();
  return 0;
}
