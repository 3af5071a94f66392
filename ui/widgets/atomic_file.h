// Saving a file so that it is either written whole or left as it was: the
// bytes go to a temporary file beside the target, are flushed to the disk,
// and only then take the target's name. A full disk, a read-only folder or a
// crash half way never leaves a cut-off file in place of a good one.
#pragma once

#include <string>
#include <string_view>

namespace lunisol::ui {

struct SaveResult {
  bool notRegularFile = false;  // the target exists and is no regular file
  int systemError = 0;          // errno of the step that failed
  bool ok() const { return !notRegularFile && systemError == 0; }
  // Why the file was not written, in the system's words (English for a
  // target that is not a regular file).
  std::string reason() const;
};

// `path` is the file name as the system spells it (bytes, not necessarily
// UTF-8). A target that exists and is not a regular file (a device, a FIFO,
// a folder) is refused rather than replaced; a symbolic link is followed and
// the file it names is replaced.
SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace lunisol::ui
