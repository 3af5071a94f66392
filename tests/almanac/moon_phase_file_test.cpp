#include "almanac/moon_phase_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace lunisol {
namespace {

namespace fs = std::filesystem;

// Twelve records of a 2009-like year (Taiwan time); May has two first
// quarters. The records are followed by the line end of the last record only.
constexpr std::string_view kRecords2009 =
    "01111927 01181046 01261555 01041956\n"
    "02092249 02170537 02250935 02030713\n"
    "03111038 03190147 03270006 03041546\n"
    "04092256 04172136 04251123 04022234\n"
    "05091201 05171526 05242011 05020444-05311122\n"
    "06080212 06160615 06230335 06291928\n"
    "07071721 07151753 07221035 07290600\n"
    "08060855 08140255 08201802 08271942\n"
    "09050003 09121016 09190244 09261250\n"
    "10041410 10111656 10181333 10260842\n"
    "11030314 11092356 11170314 11250539\n"
    "12021530 12090813 12162002 12250136\n";

// Code page 950 bytes of a few words used below.
constexpr std::string_view kBig5Nong = "\xB9\x41";              // 農 (trail byte is 'A')
constexpr std::string_view kBig5NongLi = "\xB9\x41\xBE\xE4";    // 農曆
constexpr std::string_view kBig5YuanDan = "\xA4\xB8\xA5\xB9";   // 元旦
constexpr std::string_view kBig5IdeographicSpace = "\xA1\x40";  // U+3000

// Twelve minimal records, so that a test can put whatever it likes after them.
std::string TwelveRecords() {
  std::string text;
  for (int month = 1; month <= 12; ++month) {
    const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
    text += mm + "150000 " + mm + "220000 " + mm + "010000 " + mm + "080000\n";
  }
  return text;
}

MoonPhaseData Parse(std::string_view bytes) {
  MoonPhaseData data;
  ParseMoonPhaseFile(bytes, data);
  return data;
}

std::string Repeat(std::string_view unit, std::size_t times) {
  std::string text;
  text.reserve(unit.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += unit;
  return text;
}

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

bool IsEmpty(const MoonPhaseData& data) {
  for (const auto& list : data.moonPhaseLists)
    if (!list.empty()) return false;
  return data.datedNotes.empty();
}

// A data set full of entries, to see that parsing and reading clear it.
MoonPhaseData Stale() {
  MoonPhaseData data;
  for (auto& list : data.moonPhaseLists) list.assign(3, u"99999999");
  data.datedNotes.assign(2, u"9999 stale");
  return data;
}

// ---------------------------------------------------------------------------
// The twelve monthly records.

TEST(MoonPhaseFileRecords, WellFormedYearFillsTheFourListsInFileOrder) {
  const MoonPhaseData data = Parse(kRecords2009);
  ASSERT_EQ(data.moonPhaseLists[kFullMoon].size(), 12u);
  ASSERT_EQ(data.moonPhaseLists[kLastQuarter].size(), 12u);
  ASSERT_EQ(data.moonPhaseLists[kNewMoon].size(), 12u);
  ASSERT_EQ(data.moonPhaseLists[kFirstQuarter].size(), 13u);  // the double token gives two
  EXPECT_TRUE(data.datedNotes.empty());

  EXPECT_EQ(data.moonPhaseLists[kFullMoon].front(), u"01111927");
  EXPECT_EQ(data.moonPhaseLists[kFullMoon].back(), u"12021530");
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter][1], u"02170537");
  EXPECT_EQ(data.moonPhaseLists[kNewMoon][2], u"03270006");
  // The double token of May sits between April's and June's first quarter.
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter][3], u"04022234");
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter][4], u"05020444");
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter][5], u"05311122");
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter][6], u"06291928");

  for (const auto& list : data.moonPhaseLists)
    for (const auto& entry : list) {
      EXPECT_EQ(entry.size(), 8u) << std::string(entry.begin(), entry.end());
      EXPECT_EQ(entry.find_first_not_of(u"0123456789"), std::u16string::npos);
    }
}

TEST(MoonPhaseFileRecords, DoubleFullMoonAddsBothMomentsBeforeTheOtherPhases) {
  std::string text = "01010312-01302145 01081200 01151800 01230600\n";
  text += TwelveRecords().substr(36);  // February to December
  const MoonPhaseData data = Parse(text);
  const auto& full = data.moonPhaseLists[kFullMoon];
  ASSERT_EQ(full.size(), 13u);
  EXPECT_EQ(full[0], u"01010312");
  EXPECT_EQ(full[1], u"01302145");
  EXPECT_EQ(full[2], u"02150000");
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter].front(), u"01081200");
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter].size(), 12u);
}

TEST(MoonPhaseFileRecords, AbsentPhaseAndOddHyphenTokensAreKeptByPosition) {
  std::string text = "00000000 0101-12 -01020304 0101234-0102\n";
  text += TwelveRecords().substr(36);
  const MoonPhaseData data = Parse(text);
  EXPECT_EQ(data.moonPhaseLists[kFullMoon][0], u"00000000");
  // The cut is at fixed positions 0..7 and 9.., wherever the hyphen is.
  ASSERT_GE(data.moonPhaseLists[kLastQuarter].size(), 2u);
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter][0], u"0101-12");
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter][1], u"");
  EXPECT_EQ(data.moonPhaseLists[kNewMoon][0], u"-0102030");
  EXPECT_EQ(data.moonPhaseLists[kNewMoon][1], u"");
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter][0], u"0101234-");
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter][1], u"102");
}

TEST(MoonPhaseFileRecords, AnyWhiteSpaceSeparatesTokensAndRecordsNeedNotBeLines) {
  std::string tokens = std::string(kRecords2009);
  std::string scrambled;
  int count = 0;
  for (const char c : tokens) {
    if (c == ' ' || c == '\n') {
      static constexpr std::string_view kSeparators[] = {"\t", "  \n\n", "\v", "\f ", "\r\n"};
      scrambled += kSeparators[count++ % 5];
    } else {
      scrambled += c;
    }
  }
  const MoonPhaseData expected = Parse(kRecords2009);
  const MoonPhaseData data = Parse("\n\n  " + scrambled);
  EXPECT_EQ(data.moonPhaseLists, expected.moonPhaseLists);
  EXPECT_TRUE(data.datedNotes.empty());
}

TEST(MoonPhaseFileRecords, TruncatedFileKeepsTheTokensPresent) {
  // Two and a half records.
  const MoonPhaseData data = Parse(
      "01111927 01181046 01261555 01041956\n02092249 02170537 02250935 02030713\n"
      "03111038 03190147");
  EXPECT_EQ(data.moonPhaseLists[kFullMoon].size(), 3u);
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter].size(), 3u);
  EXPECT_EQ(data.moonPhaseLists[kNewMoon].size(), 2u);
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter].size(), 2u);
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter].back(), u"03190147");
  EXPECT_TRUE(data.datedNotes.empty());

  // 47 tokens: the last first quarter is missing, nothing is taken as a note.
  std::string records = std::string(kRecords2009);
  records.resize(records.rfind(' '));
  const MoonPhaseData short47 = Parse(records);
  EXPECT_EQ(short47.moonPhaseLists[kFirstQuarter].size(), 12u);
  EXPECT_EQ(short47.moonPhaseLists[kNewMoon].back(), u"12162002");
  EXPECT_TRUE(short47.datedNotes.empty());

  EXPECT_TRUE(IsEmpty(Parse("")));
  EXPECT_TRUE(IsEmpty(Parse(" \n\t\r\n")));
}

TEST(MoonPhaseFileRecords, OverLongTokenIsCutAndStillCountsAsOnePhase) {
  const std::string longToken = "01111927" + std::string(92, '7');  // 100 bytes
  std::string text = longToken + " 01181046 01261555 01041956\n" + TwelveRecords().substr(36) + "0101 note\n";
  const MoonPhaseData data = Parse(text);
  ASSERT_EQ(data.moonPhaseLists[kFullMoon].size(), 12u);
  EXPECT_EQ(data.moonPhaseLists[kFullMoon][0], Ascii(std::string_view(longToken).substr(0, 63)));
  // The tail of the long token does not shift the following phases.
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter][0], u"01181046");
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter].size(), 12u);
  EXPECT_EQ(data.datedNotes, std::vector<std::u16string>{u"0101 note"});

  // A 63-byte token is inside the format and kept whole.
  const std::string token63 = "01111927-" + std::string(54, '1');
  const MoonPhaseData exact = Parse(token63 + "\n");
  ASSERT_EQ(exact.moonPhaseLists[kFullMoon].size(), 2u);
  EXPECT_EQ(exact.moonPhaseLists[kFullMoon][1], Ascii(std::string(54, '1')));
}

TEST(MoonPhaseFileRecords, TenMegabyteTokenIsCutToTheFieldSize) {
  std::string text = "05020444-" + std::string(10u << 20, '5');
  text += " 01181046 01261555 01041956\n";
  text += TwelveRecords().substr(36);
  text += "0202 after\n";
  const MoonPhaseData data = Parse(text);
  ASSERT_EQ(data.moonPhaseLists[kFullMoon].size(), 13u);
  EXPECT_EQ(data.moonPhaseLists[kFullMoon][0], u"05020444");
  EXPECT_EQ(data.moonPhaseLists[kFullMoon][1], Ascii(std::string(63 - 9, '5')));
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter][0], u"01181046");
  EXPECT_EQ(data.datedNotes, std::vector<std::u16string>{u"0202 after"});
}

TEST(MoonPhaseFileRecords, NulEndsTheTextOfItsTokenOnly) {
  using namespace std::string_literals;
  std::string text =
      "0111\0"
      "1927 01181046\0\0\0 01261555 01041956\n"s +
      TwelveRecords().substr(36);
  const MoonPhaseData data = Parse(text);
  EXPECT_EQ(data.moonPhaseLists[kFullMoon][0], u"0111");
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter][0], u"01181046");
  EXPECT_EQ(data.moonPhaseLists[kNewMoon][0], u"01261555");
  EXPECT_EQ(data.moonPhaseLists[kFullMoon].size(), 12u);
}

TEST(MoonPhaseFileRecords, ParsingReplacesEarlierContents) {
  MoonPhaseData data = Stale();
  ParseMoonPhaseFile("01111927 01181046", data);
  EXPECT_EQ(data.moonPhaseLists[kFullMoon], std::vector<std::u16string>{u"01111927"});
  EXPECT_EQ(data.moonPhaseLists[kLastQuarter], std::vector<std::u16string>{u"01181046"});
  EXPECT_TRUE(data.moonPhaseLists[kNewMoon].empty());
  EXPECT_TRUE(data.moonPhaseLists[kFirstQuarter].empty());
  EXPECT_TRUE(data.datedNotes.empty());
}

// ---------------------------------------------------------------------------
// The free lines after the records.

TEST(MoonPhaseFileNotes, Big5LinesDecodeToTraditionalCharacters) {
  std::string text = TwelveRecords();
  text += "0101 ";
  text += kBig5NongLi;
  text += "\n0101";
  text += kBig5IdeographicSpace;
  text += kBig5YuanDan;
  text += "\n";
  const MoonPhaseData data = Parse(text);
  ASSERT_EQ(data.datedNotes.size(), 2u);
  EXPECT_EQ(data.datedNotes[0], u"0101 農曆");
  EXPECT_EQ(data.datedNotes[1], u"0101　元旦");
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter].size(), 12u);
}

TEST(MoonPhaseFileNotes, RestOfTheTwelfthRecordLineComesFirst) {
  std::string text = TwelveRecords();
  text.pop_back();  // the line end of December
  text += "   0315 same line\n0316 next line\n";
  const MoonPhaseData data = Parse(text);
  EXPECT_EQ(data.datedNotes, (std::vector<std::u16string>{u"   0315 same line", u"0316 next line"}));
}

TEST(MoonPhaseFileNotes, BlankLinesAreSkippedAndTrailingBlanksStripped) {
  const MoonPhaseData data = Parse(TwelveRecords() + "\n   \n\t\n  0420 indented \t \n\n0421 x\f\v\n");
  EXPECT_EQ(data.datedNotes, (std::vector<std::u16string>{u"  0420 indented", u"0421 x"}));
}

TEST(MoonPhaseFileNotes, CrLfFileReadsLikeItsLfTwin) {
  std::string lf = std::string(kRecords2009) + "0101 ";
  lf += kBig5NongLi;
  lf += "\n\n" + std::string(62, 'c') + "\n0505 last";
  std::string crlf;
  for (const char c : lf) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  const MoonPhaseData expected = Parse(lf);
  const MoonPhaseData data = Parse(crlf);
  EXPECT_EQ(data.moonPhaseLists, expected.moonPhaseLists);
  EXPECT_EQ(data.datedNotes, expected.datedNotes);
  // A 62-byte line plus CR LF gives one note, with no CR left at its end.
  ASSERT_EQ(data.datedNotes.size(), 3u);
  EXPECT_EQ(data.datedNotes[0], u"0101 農曆");
  EXPECT_EQ(data.datedNotes[1], Ascii(std::string(62, 'c')));
  EXPECT_EQ(data.datedNotes[2], u"0505 last");
}

TEST(MoonPhaseFileNotes, LongLinesAreReadIn63BytePieces) {
  const std::string line63 = Repeat("0123456789", 7).substr(0, 63);
  const std::string line64 = line63 + "X";
  const MoonPhaseData data = Parse(TwelveRecords() + line63 + "\n" + line64 + "\n");
  EXPECT_EQ(data.datedNotes, (std::vector<std::u16string>{Ascii(line63), Ascii(line63), u"X"}));
}

TEST(MoonPhaseFileNotes, PieceNeverSplitsABig5Character) {
  // 農's trail byte is 'A': a split pair would show a stray "A" in the next piece.
  std::string fits = std::string(61, 'a');
  fits += kBig5Nong;  // 63 bytes
  std::string spills = std::string(62, 'b');
  spills += kBig5Nong;  // 64 bytes: the pair goes to the next piece whole
  spills += "z";
  const MoonPhaseData data = Parse(TwelveRecords() + fits + "\n" + spills + "\n");
  ASSERT_EQ(data.datedNotes.size(), 3u);
  EXPECT_EQ(data.datedNotes[0], Ascii(std::string(61, 'a')) + u"農");
  EXPECT_EQ(data.datedNotes[1], Ascii(std::string(62, 'b')));
  EXPECT_EQ(data.datedNotes[2], u"農z");
}

TEST(MoonPhaseFileNotes, InvalidBytesBecomeSubstitutionCharacters) {
  using namespace std::string_literals;
  // A lead byte with no trail byte after it, at the end of a line and of the file.
  const MoonPhaseData data = Parse(TwelveRecords() + "0303 \xB9\n0304 ok\xB9"s);
  EXPECT_EQ(data.datedNotes, (std::vector<std::u16string>{u"0303 \uFFFD", u"0304 ok\uFFFD"}));
}

TEST(MoonPhaseFileNotes, NulEndsThePieceText) {
  using namespace std::string_literals;
  // The NUL still counts toward the 63 bytes of its piece.
  const std::string tail = std::string(63 - 7, 'n') + "TAIL";
  const MoonPhaseData data = Parse(TwelveRecords() + "0404 ab\0cd\n"s + "\0\0\n"s + "0405 x\0"s + tail + "\n");
  EXPECT_EQ(data.datedNotes, (std::vector<std::u16string>{u"0404 ab", u"0405 x", u"TAIL"}));
}

TEST(MoonPhaseFileNotes, CtrlZEndsTheFile) {
  const MoonPhaseData data = Parse(TwelveRecords() +
                                   "0505 x\n\x1a\x1a"
                                   "0506 after the end\n");
  EXPECT_EQ(data.datedNotes, std::vector<std::u16string>{u"0505 x"});
  const MoonPhaseData early = Parse("01111927 01181046\x1a 01261555 01041956\n");
  EXPECT_EQ(early.moonPhaseLists[kLastQuarter], std::vector<std::u16string>{u"01181046"});
  EXPECT_TRUE(early.moonPhaseLists[kNewMoon].empty());
}

TEST(MoonPhaseFileNotes, TenMegabyteAsciiLineIsSplitWithoutLoss) {
  const std::size_t size = 10u << 20;
  const std::string line = Repeat("0123456789", size / 10 + 1).substr(0, size);
  const MoonPhaseData data = Parse(TwelveRecords() + line + "\n0606 after\n");
  const std::size_t pieces = (size + 62) / 63;
  ASSERT_EQ(data.datedNotes.size(), pieces + 1);
  EXPECT_EQ(data.datedNotes.back(), u"0606 after");
  std::u16string joined;
  joined.reserve(size);
  for (std::size_t i = 0; i < pieces; ++i) {
    ASSERT_EQ(data.datedNotes[i].size(), i + 1 < pieces ? 63u : size - 63 * (pieces - 1)) << i;
    joined += data.datedNotes[i];
  }
  EXPECT_TRUE(joined == Ascii(line));
}

TEST(MoonPhaseFileNotes, TenMegabyteBig5LineKeepsEveryCharacterWhole) {
  const std::size_t characters = 5u << 20;  // 10 MB of 農
  const MoonPhaseData data = Parse(TwelveRecords() + Repeat(kBig5Nong, characters));
  // 63 is odd, so each piece holds 31 characters (62 bytes).
  ASSERT_EQ(data.datedNotes.size(), (characters + 30) / 31);
  const std::u16string full(31, u'農');
  std::size_t total = 0;
  for (std::size_t i = 0; i < data.datedNotes.size(); ++i) {
    const auto& note = data.datedNotes[i];
    if (i + 1 < data.datedNotes.size()) {
      ASSERT_TRUE(note == full) << i;
    }
    ASSERT_EQ(note.find_first_not_of(u'農'), std::u16string::npos) << i;
    total += note.size();
  }
  EXPECT_EQ(total, characters);
}

TEST(MoonPhaseFileNotes, BinaryJunkIsReadWithinBounds) {
  // A fixed pseudo-random megabyte, NULs and Ctrl-Z excluded so that all of
  // it is read.
  std::string junk;
  junk.reserve(1u << 20);
  std::uint32_t state = 12345;
  while (junk.size() < (1u << 20)) {
    state = state * 1664525u + 1013904223u;
    const char c = static_cast<char>(state >> 24);
    if (c != '\0' && c != '\x1a') junk += c;
  }
  const MoonPhaseData data = Parse(junk);
  std::size_t entries = 0;
  for (const auto& list : data.moonPhaseLists) {
    entries += list.size();
    for (const auto& entry : list) EXPECT_LE(entry.size(), 63u);
  }
  EXPECT_GE(entries, 48u);
  EXPECT_LE(entries, 96u);
  ASSERT_FALSE(data.datedNotes.empty());
  std::size_t units = 0;
  for (const auto& note : data.datedNotes) {
    ASSERT_FALSE(note.empty());
    ASSERT_LE(note.size(), 63u);
    const char16_t last = note.back();
    ASSERT_FALSE(last == u' ' || last == u'\t' || last == u'\n' || last == u'\r' || last == u'\v' || last == u'\f');
    units += note.size();
  }
  // Every byte pair decodes to one unit and every single byte to one, so the
  // notes hold at least half as many units as the bytes after the tokens.
  EXPECT_GT(units, (1u << 20) / 4);
}

// ---------------------------------------------------------------------------
// Reading the file of a year from a directory.

class MoonPhaseFileRead : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / ("lunisol_moon_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  void Write(const std::string& name, std::string_view bytes) {
    std::ofstream file(dir_ / name, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  fs::path dir_;
};

TEST_F(MoonPhaseFileRead, ReadsTheFileNamedAfterTheYear) {
  EXPECT_EQ(MoonPhaseFileName(2009), "Farmer2009");
  std::string text = std::string(kRecords2009) + "0101 ";
  text += kBig5NongLi;
  text += "\r\n";
  Write("Farmer2009", text);
  Write("Farmer2010", "01010000");

  MoonPhaseData data = Stale();
  ReadMoonPhaseFile(2009, data, dir_.string());
  const MoonPhaseData parsed = Parse(text);
  EXPECT_EQ(data.moonPhaseLists, parsed.moonPhaseLists);
  EXPECT_EQ(data.datedNotes, std::vector<std::u16string>{u"0101 農曆"});
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter].size(), 13u);

  ReadMoonPhaseFile(2010, data, dir_.string());
  EXPECT_EQ(data.moonPhaseLists[kFullMoon], std::vector<std::u16string>{u"01010000"});
  EXPECT_TRUE(data.datedNotes.empty());

  EXPECT_FALSE(ReadMoonPhaseFile(2011, data, dir_.string()));
  EXPECT_TRUE(IsEmpty(data));
}

TEST_F(MoonPhaseFileRead, MissingOrUnusableFileLeavesEverythingEmpty) {
  MoonPhaseData data = Stale();
  EXPECT_FALSE(ReadMoonPhaseFile(2009, data, (dir_ / "no such directory").string()));
  EXPECT_TRUE(IsEmpty(data));

  data = Stale();
  fs::create_directory(dir_ / "Farmer2012");  // a directory by the file's name
  EXPECT_FALSE(ReadMoonPhaseFile(2012, data, dir_.string()));
  EXPECT_TRUE(IsEmpty(data));

  data = Stale();
  // An empty file is still the year's file: it stands in for the table.
  Write("Farmer2013", "");
  EXPECT_TRUE(ReadMoonPhaseFile(2013, data, dir_.string()));
  EXPECT_TRUE(IsEmpty(data));
}

TEST_F(MoonPhaseFileRead, DefaultIsTheCurrentDirectory) {
  Write("Farmer2014", "01150000 01220000 01010000 01080000");
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  MoonPhaseData data;
  ReadMoonPhaseFile(2014, data);
  MoonPhaseData empty = Stale();
  ReadMoonPhaseFile(2015, empty);
  fs::current_path(before);
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter], std::vector<std::u16string>{u"01080000"});
  EXPECT_TRUE(IsEmpty(empty));
}

TEST(MoonPhaseFileSample, SampleYearFileReads) {
  const fs::path dir = fs::path(LUNISOL_TEST_DATA_DIR) / "moon";
  MoonPhaseData data;
  ReadMoonPhaseFile(2009, data, dir.string());
  EXPECT_EQ(data.moonPhaseLists[kFullMoon].size(), 12u);
  EXPECT_EQ(data.moonPhaseLists[kFirstQuarter].size(), 13u);
  EXPECT_EQ(data.datedNotes, (std::vector<std::u16string>{u"0101 開國紀念日", u"0404 兒童節", u"1010 國慶日"}));
}

}  // namespace
}  // namespace lunisol
