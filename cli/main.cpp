// lunisol-cli: the command-line face of the almanac's core. Every command
// prints UTF-8 JSON (cal a calendar to read, phases a moon-phase file, ical
// an iCalendar file) on standard output or, with -o FILE, into FILE. Bad
// arguments give a one-line message on stderr and exit status 2; output that
// cannot be written, 1.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  const int status = lunisol::cli::Run(words, std::cout, std::cerr);
  // Output that never arrived is a failure, whatever the command thought:
  // a full disk or a closed pipe must not end with status 0. (errno still
  // holds the reason of the write that failed.)
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "lunisol-cli: cannot write the output" << (errno ? std::string(": ") + std::strerror(errno) : "")
              << "\n";
    return status == 0 ? 1 : status;
  }
  return status;
}
