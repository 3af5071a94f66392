// JSON helpers shared by the command-line commands.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>

#include "almanac/colour.h"
#include "almanac/year_data.h"
#include "calendar/text.h"

namespace lunisol::cli {

inline nlohmann::ordered_json Rgb(const Colour& c) { return nlohmann::ordered_json::array({c.r, c.g, c.b}); }
inline nlohmann::ordered_json Cell(std::u16string_view text, const Colour& c) {
  return {{"text", ToUtf8(text)}, {"colour", Rgb(c)}};
}

// Bad arguments: one line on `err`, exit status 2.
inline int Refuse(std::ostream& err, const std::string& message) {
  err << "lunisol-cli: " << message << "\n";
  return 2;
}

// One line on `err` when the year's moon-phase file could not be used as it
// stands (the output then shows the built-in phases where it fell short).
inline void TellMoonPhaseNotice(const YearData& data, std::ostream& err) {
  for (const std::string& line : MoonPhaseNotices(data.moonReport, data.year)) err << "lunisol-cli: " << line << "\n";
}

}  // namespace lunisol::cli
