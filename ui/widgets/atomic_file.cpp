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

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The name a chain of symbolic links finally leads to, whether or not a
// file stands there yet; ELOOP when the chain does not end.
struct Target {
  std::string path;
  int error = 0;
};

Target FinalTarget(std::string path) {
  constexpr int kMostLinks = 40;  // as the kernel allows
  for (int hops = 0; hops < kMostLinks; ++hops) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {path, 0};
    std::string to(PATH_MAX, '\0');
    const ssize_t n = readlink(path.c_str(), to.data(), to.size());
    if (n <= 0) return {path, n < 0 ? errno : ENOENT};
    to.resize(static_cast<size_t>(n));
    path = to.front() == '/' ? to : FolderOf(path) + "/" + to;
  }
  return {path, ELOOP};
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

// The check of the target, and the name to write to.
SaveResult Check(const std::string& path, std::string& target) {
  SaveResult r;
  if (path.empty()) {
    r.systemError = ENOENT;
    return r;
  }
  const Target t = FinalTarget(path);
  target = t.path;
  r.systemError = t.error;
  struct stat st {};
  if (r.systemError == 0 && stat(target.c_str(), &st) == 0) {
    r.targetExisted = true;
    r.notRegularFile = !S_ISREG(st.st_mode);
    r.isFolder = S_ISDIR(st.st_mode);
  }
  return r;
}

}  // namespace

std::string SaveResult::reason() const {
  if (notRegularFile) return isFolder ? std::strerror(EISDIR) : "not a regular file";
  return systemError ? std::strerror(systemError) : std::string();
}

SaveResult CheckSaveTarget(const std::string& path) {
  std::string target;
  return Check(path, target);
}

SaveResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string target;
  SaveResult result = Check(path, target);
  if (!result.ok()) return result;

  std::string temp = FolderOf(target) + "/.lunisol-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    result.systemError = errno;
    return result;
  }
  bool ok = fchmod(fd, NewFileMode(target)) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (close(fd) != 0 && ok) ok = false, error = errno;
  if (ok && rename(temp.c_str(), target.c_str()) != 0) ok = false, error = errno;
  if (!ok) {
    unlink(temp.c_str());
    result.systemError = error ? error : EIO;
  }
  return result;
}

}  // namespace lunisol::ui
