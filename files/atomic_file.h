// Writing a file so that it is either written whole or left as it was: the
// bytes go to a temporary file beside the target, are flushed to the disk,
// and only then take the target's name. A full disk, a read-only folder or a
// crash half way never leaves a cut-off file in place of a good one.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace lunisol {

struct SaveResult {
  bool notRegularFile = false;  // the target exists and is no regular file
  bool isFolder = false;        // … and it is a folder
  bool targetExisted = false;   // a file stood at the target (and, after a failure, still does, unchanged)
  int systemError = 0;          // errno of the step that failed (ELOOP for a loop of links)
  bool ok() const { return !notRegularFile && systemError == 0; }
  // Why the file was not written, in the system's words (English for a
  // target that is not a regular file).
  std::string reason() const;
};

// One file being written. `path` is the name as the system spells it
// (bytes, not necessarily UTF-8). A symbolic link is followed to the file it
// names, which is created if it does not exist yet; a loop of links, or a
// target that is not a regular file (a folder, a FIFO, a device), is refused
// rather than replaced.
class AtomicFile {
 public:
  // The call that writes bytes to the temporary file; tests pass one that
  // stops short to stand in for a full disk.
  using WriteCall = ssize_t (*)(int fd, const void* data, size_t size);

  explicit AtomicFile(std::string path, WriteCall write = ::write);
  ~AtomicFile();  // removes the temporary file unless committed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Finds the target and creates the temporary file beside it.
  bool Open();
  bool Write(std::string_view bytes);
  // Flushes everything to the disk and gives the temporary file the
  // target's name. Nothing may be written after it.
  bool Commit();

  const SaveResult& result() const { return result_; }
  // Whether a file stood at the target when Open was called (its contents
  // are then untouched by any failure).
  bool targetExisted() const { return targetExisted_; }

 private:
  bool Fail(int error);

  std::string path_, target_, temp_;
  WriteCall write_;
  int fd_ = -1;
  bool targetExisted_ = false;
  SaveResult result_;
};

// Whether `path` can be written by the rules above, without writing: what
// Open would refuse (a loop of links, a target that is not a regular file)
// and whether a file stands there now.
SaveResult CheckSaveTarget(const std::string& path);

// The whole of `bytes` as the file `path`, by the rules above.
SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicFile::WriteCall write = ::write);

}  // namespace lunisol
