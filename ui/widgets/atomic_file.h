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
  bool isFolder = false;        // … and it is a folder
  bool targetExisted = false;   // a file stood there before (and still does, unchanged, after a failure)
  int systemError = 0;          // errno of the step that failed (ELOOP for a link loop)
  bool ok() const { return !notRegularFile && systemError == 0; }
  // Why the file was not written, in the system's words (English for a
  // target that is not a regular file).
  std::string reason() const;
};

// Whether `path` may be saved to, without writing anything: refused when it
// is (or its symbolic links lead to) a folder, a device or a FIFO, or when
// its links go round in a loop. `targetExisted` says whether a file would
// be replaced.
SaveResult CheckSaveTarget(const std::string& path);

// `path` is the file name as the system spells it (bytes, not necessarily
// UTF-8). A target that exists and is not a regular file is refused rather
// than replaced. A symbolic link is followed to the file it finally names,
// which is replaced, or created when it does not exist yet (in a folder
// that must exist); the link itself stays.
SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace lunisol::ui
