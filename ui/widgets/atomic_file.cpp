#include "ui/widgets/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace lunisol::ui {
namespace {

// The file a symbolic link finally names; the path itself otherwise.
std::string ResolvedTarget(const std::string& path) {
  struct stat link {};
  if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The permission bits a new file gets: those of the file it replaces, or
// what the user's umask allows.
mode_t NewFileMode(const std::string& target) {
  struct stat st {};
  if (stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

SaveResult Failed(int error) { return SaveResult{false, error ? error : EIO}; }

}  // namespace

std::string SaveResult::reason() const {
  if (notRegularFile) return "not a regular file";
  return systemError ? std::strerror(systemError) : std::string();
}

SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) return Failed(ENOENT);
  const std::string target = ResolvedTarget(path);
  struct stat st {};
  if (stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return SaveResult{true, 0};

  std::string temp = FolderOf(target) + "/.lunisol-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return Failed(errno);
  bool ok = fchmod(fd, NewFileMode(target)) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (close(fd) != 0 && ok) ok = false, error = errno;
  if (ok && rename(temp.c_str(), target.c_str()) != 0) ok = false, error = errno;
  if (!ok) {
    unlink(temp.c_str());
    return Failed(error);
  }
  return {};
}

}  // namespace lunisol::ui
