// Files written whole or not at all: what a failure leaves behind, what
// targets are refused, and where a symbolic link leads the bytes.
#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace lunisol {
namespace {

namespace fs = std::filesystem;

// A fresh folder for each test, removed afterwards.
class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "atomic-file-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    dir_ = name;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void Put(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  size_t Entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {})); }

  fs::path dir_;
};

// Writes at most three bytes a call, as a pipe or a signal may cut a write.
ssize_t ShortWrites(int fd, const void* data, size_t size) { return ::write(fd, data, size < 3 ? size : 3); }

// Takes 100 bytes, then the disk is full.
ssize_t FullAfter100(int fd, const void* data, size_t size) {
  static size_t written = 0;
  if (written >= 100) {
    errno = ENOSPC;
    return -1;
  }
  const size_t n = std::min(size, 100 - written);
  written += n;
  return ::write(fd, data, n);
}

TEST_F(AtomicFileTest, ReplacesWholeOrLeavesTheOldFileAsItWas) {
  const std::string target = Path("out.ics");
  const std::string big(5000, 'x');
  Put(target, "old calendar");
  chmod(target.c_str(), 0640);

  // Short writes are carried on until every byte is there; the mode stays.
  ASSERT_TRUE(WriteFileAtomically(target, big, ShortWrites).ok());
  EXPECT_EQ(Read(target), big);
  struct stat st {};
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  // A full disk half way: the reason is told, the file is untouched and no
  // temporary file is left in the folder.
  const SaveResult full = WriteFileAtomically(target, "new" + big, FullAfter100);
  EXPECT_EQ(full.systemError, ENOSPC);
  EXPECT_EQ(full.reason(), std::strerror(ENOSPC));
  EXPECT_EQ(Read(target), big);
  EXPECT_EQ(Entries(), 1u);

  // Nothing written before Commit shows under the target's name.
  AtomicFile file(Path("fresh.json"));
  ASSERT_TRUE(file.Open());
  ASSERT_TRUE(file.Write("{}"));
  EXPECT_FALSE(fs::exists(Path("fresh.json")));
  EXPECT_FALSE(file.targetExisted());
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(Read(Path("fresh.json")), "{}");
}

TEST_F(AtomicFileTest, RefusesTargetsThatAreNotRegularFiles) {
  ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
  fs::create_directory(Path("folder"));
  for (const std::string& target : {std::string("/dev/full"), std::string("/dev/null"), Path("pipe"), Path("folder")}) {
    const SaveResult r = WriteFileAtomically(target, "x");
    EXPECT_TRUE(r.notRegularFile) << target;
    EXPECT_FALSE(r.ok()) << target;
  }
  EXPECT_TRUE(fs::is_fifo(Path("pipe")));
  EXPECT_TRUE(fs::is_empty(Path("folder")));
  // A folder that does not exist is a failure with the system's reason.
  EXPECT_EQ(WriteFileAtomically(Path("none/x.ics"), "x").systemError, ENOENT);
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(AtomicFileTest, WritesThroughSymbolicLinksAndRefusesALoop) {
  fs::create_directory(Path("real"));
  // A dangling relative link, reached through a link to it: the file it
  // names is created, and both links stay links.
  fs::create_symlink("real/a.ics", Path("first"));
  fs::create_symlink("first", Path("second"));
  ASSERT_TRUE(WriteFileAtomically(Path("second"), "calendar").ok());
  EXPECT_TRUE(fs::is_symlink(Path("first")));
  EXPECT_TRUE(fs::is_symlink(Path("second")));
  EXPECT_EQ(Read(Path("real/a.ics")), "calendar");
  // A link inside a folder is read from that folder.
  fs::create_symlink("a.ics", Path("real/b.ics"));
  ASSERT_TRUE(WriteFileAtomically(Path("real/b.ics"), "again").ok());
  EXPECT_EQ(Read(Path("real/a.ics")), "again");

  fs::create_symlink("loop-b", Path("loop-a"));
  fs::create_symlink("loop-a", Path("loop-b"));
  EXPECT_EQ(WriteFileAtomically(Path("loop-a"), "x").systemError, ELOOP);
  EXPECT_TRUE(fs::is_symlink(Path("loop-a")));
}

}  // namespace
}  // namespace lunisol
