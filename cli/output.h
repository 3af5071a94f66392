// A command's output written to the file named by -o: the file is replaced
// only once the command has written all of it and every byte is on the disk.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "files/atomic_file.h"

namespace lunisol::cli {

// Runs `write` on a stream into a temporary file beside `path` and, when it
// returns 0 and every byte was written, puts that file in place of `path`.
// Returns write's status, or 1 (with a message on `err` naming the file and
// the reason) when the file could not be written; `path` is then as it was.
int WriteToFile(const std::string& path, const std::function<int(std::ostream&)>& write, std::ostream& err,
                AtomicFile::WriteCall call = ::write);

}  // namespace lunisol::cli
