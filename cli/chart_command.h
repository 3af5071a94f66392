// lunisol-cli chart: the natal chart (紫微斗數命盤) of a birth as one UTF-8
// JSON object.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lunisol::cli {

// args: chart DATE HOUR SEX [--today YYYY-MM-DD], HOUR 0 (子) .. 11 (亥), SEX
// 男 or 女; the chart is read for today's date on this computer's clock unless
// --today gives another. Returns 0, 2 (with a one-line message on `err`) for
// bad arguments, or 1 when the output could not be written.
int ChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
