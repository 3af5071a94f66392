#include "almanac/moon_phase_source.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/moon_phases.h"

namespace lunisol {
namespace {

// Published moments, turned to UTC+8: the four phases of July 2009 in the
// USNO's table, the full moon of the lunar eclipse of 21 January 2019
// (05:16 UT), the full moon of 31 January 2018 (13:27 UT) and the new moon of
// the solar eclipse of 8 April 2024 (18:21 UT). Published tables round to
// the minute where ours cut it, so a minute either way is allowed.
TEST(BuiltInMoonPhases, PublishedMomentsWithinAMinute) {
  using enum MoonPhase;
  struct Published {
    int year, month;
    MoonPhase phase;
    int day, hour, minute;
  };
  const Published cases[] = {
      {2009, 7, kFull, 7, 17, 21},        {2009, 7, kLastQuarter, 15, 17, 53}, {2009, 7, kNew, 22, 10, 35},
      {2009, 7, kFirstQuarter, 29, 6, 0}, {2019, 1, kFull, 21, 13, 16},        {2018, 1, kFull, 31, 21, 27},
      {2024, 4, kNew, 9, 2, 21},
  };
  for (const Published& c : cases) {
    const MonthMoonPhases month = MoonPhasesOfMonth(c.year, c.month);
    std::optional<int> off;
    for (int i = 0; i < month.count; ++i) {
      const MoonPhaseEvent& m = month.moments[static_cast<size_t>(i)];
      EXPECT_EQ(m.month, c.month);
      if (m.phase == c.phase && m.day == c.day) off = (m.time.hour - c.hour) * 60 + m.time.minute - c.minute;
    }
    ASSERT_TRUE(off.has_value()) << c.year << "-" << c.month << " phase " << Index(c.phase);
    EXPECT_LE(std::abs(*off), 1) << c.year << "-" << c.month << " phase " << Index(c.phase);
  }
}

// What `lunisol-cli phases` prints is what a year without a file shows.
TEST(BuiltInMoonPhases, ListsAreWhatTheirPrintedFileReadsAs) {
  for (int year : {1900, 1916, 2018, 2100}) {
    const std::string text = MoonPhaseFileText(year);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12) << year;
    MoonPhaseData parsed, table;
    EXPECT_EQ(ParseMoonPhaseFile(text, parsed), 0xFFF) << year;
    MoonPhasesFromTable(year, table);
    EXPECT_EQ(parsed, table) << year;
    EXPECT_TRUE(table.notes.empty());
  }
  // 2018 (UTC+8 dates): full moons on 2 and 31 January, none in February, on
  // 2 and 31 March.
  MoonPhaseData y2018;
  MoonPhasesFromTable(2018, y2018);
  std::vector<int> days;
  for (const MoonPhaseEvent& e : y2018.phases)
    if (e.phase == MoonPhase::kFull && e.month <= 3) days.push_back(e.month * 100 + e.day);
  EXPECT_EQ(days, (std::vector<int>{102, 131, 302, 331}));
  const std::string text2018 = MoonPhaseFileText(2018);
  EXPECT_EQ(text2018.substr(text2018.find('\n') + 1, 9), "00000000 ");  // February's full moon

  EXPECT_EQ(MoonPhaseFileText(1899), "");
  MoonPhasesFromTable(2101, y2018);
  EXPECT_EQ(y2018, MoonPhaseData{});
}

// Sets an environment variable (or unsets it, for nullopt) for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(MoonPhaseFileFolders, CurrentFolderThenTheUsersDataFolder) {
  using Folders = std::vector<std::string>;
  {
    ScopedEnv xdg("XDG_DATA_HOME", "/srv/data"), home("HOME", "/home/u");
    EXPECT_EQ(MoonPhaseFileFolders(), (Folders{".", "/srv/data/lunisol"}));
  }
  {
    ScopedEnv xdg("XDG_DATA_HOME", std::nullopt), home("HOME", "/home/u");
    EXPECT_EQ(MoonPhaseFileFolders(), (Folders{".", "/home/u/.local/share/lunisol"}));
  }
  {
    // A relative or empty XDG_DATA_HOME is to be ignored.
    ScopedEnv xdg("XDG_DATA_HOME", "data"), home("HOME", "/home/u");
    EXPECT_EQ(MoonPhaseFileFolders(), (Folders{".", "/home/u/.local/share/lunisol"}));
  }
  {
    ScopedEnv xdg("XDG_DATA_HOME", ""), home("HOME", std::nullopt);
    EXPECT_EQ(MoonPhaseFileFolders(), (Folders{"."}));
  }
}

// Started from a folder without the file, the program finds the user's file
// in the data folder; a file in the current folder would come first.
TEST(LoadMoonPhases, FindsTheUsersFileInTheDataFolder) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path data =
      std::filesystem::temp_directory_path() / ("lunisol_xdg_" + std::to_string(::getpid()) + "_" + info->name());
  std::filesystem::create_directories(data / "lunisol");
  std::ofstream(data / "lunisol" / "Farmer2011") << "01011200 00000000 00000000 00000000\n";
  MoonPhaseData loaded;
  MoonPhaseReport report;
  {
    ScopedEnv xdg("XDG_DATA_HOME", data.string());
    ASSERT_FALSE(std::filesystem::exists(MoonPhaseFileName(2011))) << "run from a folder without Farmer2011";
    report = LoadMoonPhases(2011, loaded);
  }
  std::filesystem::remove_all(data);
  EXPECT_EQ(loaded.phases.front(), (MoonPhaseEvent{MoonPhase::kFull, 1, 1, {12, 0}}));
  EXPECT_EQ(loaded.phases[1].month, 2) << "January's other phases are not in the month";
  EXPECT_EQ(report.path, (data / "lunisol" / "Farmer2011").string());
  EXPECT_EQ(report.monthsFromFile, 1);
}

// A file is trusted month by month: the months it gives in the file's format
// come from it, every other month from the built-in table; a file that gives
// no month, or is far too large to be a moon-phase file, is ignored whole.
TEST(LoadMoonPhases, UsesOnlyTheMonthsAFileGivesWell) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("lunisol_farmer_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "Farmer2009").string();
  MoonPhaseData table;
  MoonPhasesFromTable(2009, table);
  const std::string whole = MoonPhaseFileText(2009);
  auto load = [&](const std::string& bytes, MoonPhaseData& out) {
    std::ofstream(path, std::ios::binary) << bytes;
    return LoadMoonPhases(2009, out, {dir.string()});
  };
  using Use = MoonPhaseReport::Use;

  std::u16string utf16;  // the same text saved as UTF-16: NUL bytes everywhere
  for (char c : whole) utf16 += std::u16string(1, static_cast<char16_t>(c));
  std::string random;
  for (int i = 0; i < 4000; ++i) random += static_cast<char>((i * 7919 + 13) % 251);
  for (const std::string& bytes :
       {std::string(), random, std::string(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2),
        std::string("hello world\n")}) {
    MoonPhaseData out;
    const MoonPhaseReport r = load(bytes, out);
    EXPECT_EQ(r.use, Use::kIgnoredEmpty) << bytes.size();
    EXPECT_EQ(out, table) << bytes.size();
    EXPECT_TRUE(r.needsNotice());
    ASSERT_EQ(MoonPhaseNotices(r, 2009).size(), 1u);
    EXPECT_NE(MoonPhaseNotices(r, 2009)[0].find("ignored"), std::string::npos);
  }

  // Cut after two lines, with a January full moon of the reader's own.
  std::string twoLines = whole.substr(0, whole.find('\n', whole.find('\n') + 1) + 1);
  twoLines.replace(0, 8, "01111111");
  MoonPhaseData cut;
  const MoonPhaseReport partly = load(twoLines, cut);
  EXPECT_EQ(partly.use, Use::kFileInPart);
  EXPECT_EQ(partly.monthsFromFile, 0b11);
  EXPECT_EQ(cut.phases.front(), (MoonPhaseEvent{MoonPhase::kFull, 1, 11, {11, 11}}));
  EXPECT_EQ(cut.phases.size(), table.phases.size());
  EXPECT_TRUE(std::equal(cut.phases.begin() + 1, cut.phases.end(), table.phases.begin() + 1));
  EXPECT_NE(MoonPhaseNotices(partly, 2009).at(0).find("months 3-12"), std::string::npos);

  MoonPhaseData good;
  const MoonPhaseReport full = load(whole + "0101 開國紀念日\n", good);
  EXPECT_EQ(full.use, Use::kFile);
  EXPECT_FALSE(full.needsNotice());
  EXPECT_TRUE(MoonPhaseNotices(full, 2009).empty());
  EXPECT_EQ(good.phases, table.phases);
  ASSERT_EQ(good.notes.size(), 1u);
  EXPECT_EQ(good.notes[0].month * 100 + good.notes[0].day, 101);
  EXPECT_EQ(good.notes[0].text(), u"開國紀念日");  // written in UTF-8

  MoonPhaseData large;
  const MoonPhaseReport big = load(whole + std::string(kLargestMoonPhaseFile, ' '), large);
  EXPECT_EQ(big.use, Use::kIgnoredLarge);
  EXPECT_EQ(large, table);
  std::filesystem::remove_all(dir);
}

// A file by the year's name that is no moon-phase file at all is named in a
// notice and passed over: the data folder's file is read instead, else the
// built-in table, and neither happens silently. Nothing is opened that could
// block, such as a FIFO.
TEST(LoadMoonPhases, UnusableFilesAreNamedAndPassedOver) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("lunisol_unusable_" + std::to_string(::getpid()));
  const fs::path work = root / "work", data = root / "data";
  const std::string name = MoonPhaseFileName(2009);
  MoonPhaseData table;
  MoonPhasesFromTable(2009, table);
  using Why = MoonFileRead;
  const std::vector<std::pair<Why, std::function<void(const fs::path&)>>> cases{
      {Why::kFolder, [](const fs::path& p) { fs::create_directory(p); }},
      {Why::kFifo, [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
      {Why::kDevice, [](const fs::path& p) { fs::create_symlink("/dev/null", p); }},
      {Why::kDanglingLink, [](const fs::path& p) { fs::create_symlink(p.parent_path() / "nowhere", p); }},
      {Why::kLinkLoop,
       [](const fs::path& p) {
         fs::create_symlink(p.parent_path() / "loop", p);
         fs::create_symlink(p, p.parent_path() / "loop");
       }},
  };
  for (const auto& [why, make] : cases) {
    for (const bool dataFile : {true, false}) {
      fs::remove_all(root);
      fs::create_directories(work);
      fs::create_directories(data);
      make(work / name);
      if (dataFile) std::ofstream(data / name) << MoonPhaseFileText(2009);
      MoonPhaseData out;
      const MoonPhaseReport r = LoadMoonPhases(2009, out, {work.string(), data.string()});
      SCOPED_TRACE(std::to_string(static_cast<int>(why)) + (dataFile ? " with" : " without") + " a data file");
      ASSERT_EQ(r.unusable.size(), 1u);
      EXPECT_EQ(r.unusable[0].path, (work / name).string());
      EXPECT_EQ(r.unusable[0].why, why);
      EXPECT_TRUE(r.needsNotice());
      EXPECT_EQ(out, table);
      const std::vector<std::string> notices = MoonPhaseNotices(r, 2009);
      ASSERT_EQ(notices.size(), 1u);
      EXPECT_EQ(notices[0].rfind((work / name).string() + ": ", 0), 0u) << notices[0];
      EXPECT_NE(notices[0].find(dataFile ? (data / name).string() + " is read instead" : "built-in"), std::string::npos)
          << notices[0];
      EXPECT_EQ(r.use, dataFile ? MoonPhaseReport::Use::kFile : MoonPhaseReport::Use::kBuiltIn);
      EXPECT_EQ(r.path, ((dataFile ? data : work) / name).string());
      EXPECT_EQ(MoonPhaseNoticesChinese(r, 2009).size(), 1u);
    }
  }
  // A file whose reading fails: the start of a process's memory is never
  // mapped, so reading /proc/self/mem there fails even for root.
  if (fs::exists("/proc/self/mem")) {
    fs::remove_all(root);
    fs::create_directories(work);
    fs::create_symlink("/proc/self/mem", work / name);
    MoonPhaseData out;
    const MoonPhaseReport r = LoadMoonPhases(2009, out, {work.string()});
    ASSERT_EQ(r.unusable.size(), 1u);
    EXPECT_EQ(r.unusable[0].why, MoonFileRead::kUnreadable);
    EXPECT_NE(MoonPhaseNotices(r, 2009)[0].find("cannot be read"), std::string::npos);
  }
  fs::remove_all(root);
}

}  // namespace
}  // namespace lunisol
