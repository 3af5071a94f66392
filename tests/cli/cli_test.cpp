// lunisol-cli's command table, its argument readers and its file output,
// called as the program calls them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/docs.h"
#include "cli/output.h"
#include "cli/run.h"

namespace lunisol::cli {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out, err;
};

Outcome RunWords(const std::vector<std::string>& words) {
  std::ostringstream out, err;
  const int status = Run(words, out, err);
  return {status, out.str(), err.str()};
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Split(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Runs in a folder of its own, where the examples' -o files land and no
// moon-phase file is found.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "lunisol-cli-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    dir_ = name;
    home_ = fs::current_path();
    fs::current_path(dir_);
    setenv("XDG_DATA_HOME", dir_.c_str(), 1);
  }
  void TearDown() override {
    fs::current_path(home_);
    fs::remove_all(dir_);
  }
  fs::path dir_, home_;
};

// Every row can be called as its help says: the example runs, the help names
// each argument and option, and the list of commands names the row.
TEST_F(CliTest, EveryCommandRunsItsExampleAndExplainsItsArguments) {
  const std::string overview = RunWords({"--help"}).out;
  for (const Command& c : Commands()) {
    const std::string name(c.name);
    SCOPED_TRACE(name);
    const std::vector<std::string> words = Split(c.example);
    const Outcome example = RunWords(words);
    EXPECT_EQ(example.status, 0) << example.err;
    const auto o = std::find(words.begin(), words.end(), "-o");
    EXPECT_FALSE((o == words.end() ? example.out : ReadFile(*(o + 1))).empty());
    EXPECT_NE(overview.find("  " + name + " "), std::string::npos);

    const Outcome help = RunWords({"help", name});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(RunWords({name, "--help"}).out, help.out);
    EXPECT_NE(help.out.find("lunisol-cli " + std::string(c.example)), std::string::npos);
    for (const Form& f : c.forms)
      for (const Param& p : f) EXPECT_NE(help.out.find("  " + std::string(p.name)), std::string::npos) << p.name;
    for (const Param& o : c.options) EXPECT_NE(help.out.find("  " + std::string(o.name)), std::string::npos);
    EXPECT_NE(help.out.find("-o FILE"), std::string::npos);
  }
}

// The manual page and the completion come from the table: each command has
// its section with every argument and option, and its names to complete.
TEST(CliDocs, ManualAndCompletionCoverEveryCommand) {
  std::ostringstream man, completion;
  PrintManPage(man);
  PrintBashCompletion(completion);
  const auto roff = [](std::string_view text) {
    std::string out;
    for (const char c : text) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
  };
  for (const Command& c : Commands()) {
    SCOPED_TRACE(std::string(c.name));
    const size_t section = man.str().find(".SS " + std::string(c.name) + "\n");
    ASSERT_NE(section, std::string::npos);
    const std::string text = man.str().substr(section, man.str().find(".SS ", section + 1) - section);
    for (const Form& f : c.forms)
      for (const Param& p : f) EXPECT_NE(text.find(roff(p.name)), std::string::npos) << p.name;
    const size_t options = completion.str().find("'" + std::string(c.name) + " ') echo '");
    ASSERT_NE(options, std::string::npos);
    const std::string optionLine = completion.str().substr(options, completion.str().find('\n', options) - options);
    for (const Param& o : c.options) {
      EXPECT_NE(text.find(".TP\n\\fB" + roff(o.name)), std::string::npos) << o.name;
      EXPECT_NE(optionLine.find(std::string(o.name) + " "), std::string::npos) << optionLine;
    }
    EXPECT_NE(text.find(roff(c.example)), std::string::npos);
  }
  EXPECT_NE(completion.str().find(" 嫁娶 "), std::string::npos);
  EXPECT_NE(completion.str().find(" 訂盟 "), std::string::npos);
}

// What each reader takes and what it refuses, at the edges of its range.
TEST(CliReaders, AcceptExactlyTheirKind) {
  struct Case {
    const Reader* reader;
    std::string word;
    bool accepted;
  };
  const std::vector<Case> cases = {
      {&kDateReader, "2009-05-26", true},
      {&kDateReader, "1900-01-01", true},
      {&kDateReader, "2100-12-31", true},
      {&kDateReader, "2000-02-29", true},
      {&kDateReader, "1900-02-29", false},
      {&kDateReader, "1899-12-31", false},
      {&kDateReader, "2101-01-01", false},
      {&kDateReader, "2009-+5-+6", false},
      {&kDateReader, "2009-5-26", false},
      {&kDateReader, "2009-05-26 ", false},
      {&kDateReader, "２００９-05-26", false},
      {&kDateReader, "2009/05/26", false},
      {&kConverterDateReader, "2009-02-30", true},
      {&kConverterDateReader, "0000-13-00", true},
      {&kConverterDateReader, "2009-+5-+6", false},
      {&kConverterDateReader, "-200-01-01", false},
      {&kYearReader, "1900", true},
      {&kYearReader, "2100", true},
      {&kYearReader, "1899", false},
      {&kYearReader, "+2009", false},
      {&kYearReader, "2009x", false},
      {&kYearReader, "", false},
      {&kMonthReader, "12", true},
      {&kMonthReader, "0", false},
      {&kHourReader, "0", true},
      {&kHourReader, "11", true},
      {&kHourReader, "12", true},  // the late 子 hour
      {&kHourReader, "13", false},
      {&kHourReader, "-1", false},
      {&kSexReader, "女", true},
      {&kSexReader, "f", false},
      {&kActivityReader, "嫁娶", true},
      {&kActivityReader, "訂盟", true},
      {&kActivityReader, "入宅", true},
      {&kActivityReader, "納采問名", true},
      {&kActivityReader, "", false},
      {&kActivityReader, "搬家", false},
      {&kActivityReader, "嫁娶 ", false},
      {&kCalendarPartsReader, "lunar,yiji,lunar", true},
      {&kCalendarPartsReader, "lunar,", false},
      {&kCalendarPartsReader, "moon", false},
  };
  for (const Case& c : cases) {
    Value v;
    EXPECT_EQ(c.reader->read(c.word, v), c.accepted) << c.reader->form << " " << c.word;
  }
  const Reader leapMonth = NumberReader("MONTH", -12, 12, "a month");
  Value v;
  ASSERT_TRUE(leapMonth.read("-4", v));
  EXPECT_EQ(v.number, -4);
  EXPECT_FALSE(leapMonth.read("--4", v));
  EXPECT_FALSE(leapMonth.read("99999999999", v));
}

TEST(CliReaders, RefuseBytesThatAreNotUtf8) {
  EXPECT_TRUE(IsUtf8("嫁娶 a"));
  for (const std::string bad : {"\xB0\xEA", "\xE5\xAB", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"})
    EXPECT_FALSE(IsUtf8(bad)) << Quoted(bad);
  EXPECT_EQ(Quoted("\xB0\xEA嫁\n"), "'\\xB0\\xEA嫁\\x0A'");
}

// A command that fails leaves no file; a write that fails leaves the old
// file and says which file and why.
TEST_F(CliTest, OutputFileIsReplacedOnlyWhenComplete) {
  std::ofstream("old.json") << "old";
  std::ostringstream err;
  const auto writeBig = [](std::ostream& out) {
    out << std::string(200000, 'x');
    return 0;
  };
  const auto full = [](int, const void*, size_t) -> ssize_t {
    errno = ENOSPC;
    return -1;
  };
  EXPECT_EQ(WriteToFile("old.json", writeBig, err, full), 1);
  EXPECT_NE(err.str().find("'old.json': No space left on device"), std::string::npos) << err.str();
  EXPECT_EQ(WriteToFile(
                "new.json", [](std::ostream& out) { return out << "partial", 2; }, err),
            2);

  EXPECT_EQ(ReadFile("old.json"), "old");
  EXPECT_FALSE(fs::exists("new.json"));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 1);
  EXPECT_EQ(WriteToFile("old.json", writeBig, err), 0);
  EXPECT_EQ(fs::file_size("old.json"), 200000u);
}

}  // namespace
}  // namespace lunisol::cli
