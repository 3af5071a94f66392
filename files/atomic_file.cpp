#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace lunisol {
namespace {

// As many links as the system itself follows before it calls it a loop.
constexpr int kMaxLinks = 40;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The name at the end of a chain of symbolic links. The last link may
// dangle: the file it names is the one to create. 0 or the errno.
int FollowLinks(std::string path, std::string& target) {
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 && errno != ENOENT) return errno;
    if (!S_ISLNK(st.st_mode)) {  // a file, or nothing yet: the one to create
      target = path;
      return 0;
    }
    std::string to(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = readlink(path.c_str(), to.data(), to.size());
    if (n < 0) return errno;
    to.resize(static_cast<size_t>(n));
    path = to.starts_with('/') ? to : FolderOf(path) + "/" + to;
  }
  return ELOOP;
}

// What stands at the target (`st`, null for nothing): whether a file does,
// and whether it may be replaced.
void Describe(const struct stat* st, SaveResult& r) {
  r.targetExisted = st != nullptr;
  r.notRegularFile = st && !S_ISREG(st->st_mode);
  r.isFolder = st && S_ISDIR(st->st_mode);
}

// The permission bits a new file gets: those of the file it replaces, or
// what the user's umask allows.
mode_t NewFileMode(const struct stat* old) {
  if (old) return old->st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string SaveResult::reason() const {
  if (notRegularFile) return "not a regular file";
  return systemError ? std::strerror(systemError) : std::string();
}

AtomicFile::AtomicFile(std::string path, WriteCall write) : path_(std::move(path)), write_(write) {}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) close(fd_);
  if (!temp_.empty()) unlink(temp_.c_str());
}

bool AtomicFile::Fail(int error) {
  if (result_.ok()) result_.systemError = error ? error : EIO;
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temp_.empty()) unlink(temp_.c_str());
  temp_.clear();
  return false;
}

bool AtomicFile::Open() {
  if (path_.empty()) return Fail(ENOENT);
  if (const int error = FollowLinks(path_, target_)) return Fail(error);
  struct stat st {};
  targetExisted_ = stat(target_.c_str(), &st) == 0;
  Describe(targetExisted_ ? &st : nullptr, result_);
  if (result_.notRegularFile) return false;
  temp_ = FolderOf(target_) + "/.lunisol-XXXXXX";
  fd_ = mkstemp(temp_.data());
  if (fd_ < 0) {
    temp_.clear();
    return Fail(errno);
  }
  if (fchmod(fd_, NewFileMode(targetExisted_ ? &st : nullptr)) != 0) return Fail(errno);
  return true;
}

bool AtomicFile::Write(std::string_view bytes) {
  if (fd_ < 0) return false;
  while (!bytes.empty()) {
    const ssize_t n = write_(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    // A write that takes nothing would be tried for ever: the disk is full.
    if (n <= 0) return Fail(n == 0 ? ENOSPC : errno);
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool AtomicFile::Commit() {
  if (fd_ < 0) return false;
  if (fsync(fd_) != 0) return Fail(errno);
  const int fd = std::exchange(fd_, -1);
  if (close(fd) != 0) return Fail(errno);
  if (rename(temp_.c_str(), target_.c_str()) != 0) return Fail(errno);
  temp_.clear();
  // The new name itself reaches the disk with the folder.
  const int folder = open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
  return true;
}

SaveResult CheckSaveTarget(const std::string& path) {
  SaveResult r;
  std::string target;
  if (path.empty()) {
    r.systemError = ENOENT;
  } else if (const int error = FollowLinks(path, target)) {
    r.systemError = error;
  } else {
    struct stat st {};
    const bool exists = stat(target.c_str(), &st) == 0;
    Describe(exists ? &st : nullptr, r);
  }
  return r;
}

SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicFile::WriteCall write) {
  AtomicFile file(path, write);
  if (file.Open() && file.Write(bytes)) file.Commit();
  return file.result();
}

}  // namespace lunisol
