// lunisol-cli as a function: the words after the program's name in, the
// output and messages out, the exit status returned.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lunisol::cli {

// 0 done, 1 the output file could not be written, 2 bad arguments (with a
// one-line message on `err`). Output lost on `out` itself is the caller's to
// notice.
int Run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
