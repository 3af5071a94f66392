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

MoonPhaseFileParts Split(std::string_view bytes) { return SplitMoonPhaseFile(bytes); }

std::string Repeat(std::string_view unit, std::size_t times) {
  std::string text;
  text.reserve(unit.size() * times);
  for (std::size_t i = 0; i < times; ++i) text += unit;
  return text;
}

std::u16string Ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

std::size_t Count(const MoonPhaseData& data, MoonPhase phase) {
  std::size_t n = 0;
  for (const MoonPhaseEvent& e : data.phases) n += e.phase == phase;
  return n;
}

// The events of one phase, in the order the data keeps them.
std::vector<MoonPhaseEvent> Of(const MoonPhaseData& data, MoonPhase phase) {
  std::vector<MoonPhaseEvent> events;
  for (const MoonPhaseEvent& e : data.phases)
    if (e.phase == phase) events.push_back(e);
  return events;
}

// A data set full of entries, to see that parsing and reading clear it.
MoonPhaseData Stale() {
  MoonPhaseData data;
  data.phases.assign(3, MoonPhaseEvent{MoonPhase::kNew, 9, 9, {9, 9}});
  data.notes = DatedNotes({u"9999 stale", u"9999 stale"});
  return data;
}

using enum MoonPhase;

// ---------------------------------------------------------------------------
// The twelve monthly records.

TEST(MoonPhaseFileRecords, WellFormedYearGivesEveryMonthInListOrder) {
  MoonPhaseData data;
  EXPECT_EQ(ParseMoonPhaseFile(kRecords2009, data), 0xFFF);
  EXPECT_EQ(Count(data, kFull), 12u);
  EXPECT_EQ(Count(data, kLastQuarter), 12u);
  EXPECT_EQ(Count(data, kNew), 12u);
  EXPECT_EQ(Count(data, kFirstQuarter), 13u);  // the double token gives two
  EXPECT_TRUE(data.notes.empty());

  EXPECT_EQ(data.phases.front(), (MoonPhaseEvent{kFull, 1, 11, {19, 27}}));
  EXPECT_EQ(Of(data, kFull).back(), (MoonPhaseEvent{kFull, 12, 2, {15, 30}}));
  EXPECT_EQ(Of(data, kLastQuarter)[1], (MoonPhaseEvent{kLastQuarter, 2, 17, {5, 37}}));
  EXPECT_EQ(Of(data, kNew)[2], (MoonPhaseEvent{kNew, 3, 27, {0, 6}}));
  // The double token of May gives May's two first quarters in their order,
  // between April's and June's.
  const std::vector<MoonPhaseEvent> first = Of(data, kFirstQuarter);
  EXPECT_EQ(first[3].month, 4);
  EXPECT_EQ(first[4], (MoonPhaseEvent{kFirstQuarter, 5, 2, {4, 44}}));
  EXPECT_EQ(first[5], (MoonPhaseEvent{kFirstQuarter, 5, 31, {11, 22}}));
  EXPECT_EQ(first[6].month, 6);
  // Month by month, each month's phases in the order of its line.
  for (std::size_t i = 1; i < data.phases.size(); ++i) {
    const MoonPhaseEvent &a = data.phases[i - 1], &b = data.phases[i];
    EXPECT_TRUE(a.month < b.month || (a.month == b.month && a.phase <= b.phase)) << i;
  }
  EXPECT_EQ(data.PhaseOn(5, 31), first[5]);
  EXPECT_FALSE(data.PhaseOn(5, 30));
}

TEST(MoonPhaseFileRecords, DoubleFullMoonAddsBothMomentsBeforeTheOtherPhases) {
  std::string text = "01010312-01302145 01081200 01151800 01230600\n";
  text += TwelveRecords().substr(36);  // February to December
  const MoonPhaseData data = Parse(text);
  ASSERT_EQ(Count(data, kFull), 13u);
  EXPECT_EQ(data.phases[0], (MoonPhaseEvent{kFull, 1, 1, {3, 12}}));
  EXPECT_EQ(data.phases[1], (MoonPhaseEvent{kFull, 1, 30, {21, 45}}));
  EXPECT_EQ(data.phases[2], (MoonPhaseEvent{kLastQuarter, 1, 8, {12, 0}}));
  EXPECT_EQ(Count(data, kLastQuarter), 12u);
}

TEST(MoonPhaseFileRecords, TokensKeepTheirPlaceAndOnlyWellFormedMonthsCount) {
  // "00000000" is a phase the month does not have; the odd hyphen tokens
  // are no moments at all, so January is not taken from the file.
  std::string text = "00000000 0101-12 -01020304 0101234-0102\n";
  text += TwelveRecords().substr(36);
  const MoonPhaseFileParts parts = Split(text);
  ASSERT_EQ(parts.tokens.size(), 48u);
  EXPECT_EQ(parts.tokens[1], u"0101-12");
  EXPECT_EQ(parts.tokens[4], u"02150000");
  EXPECT_EQ(MonthsCoveredBy(parts), 0xFFE);
  MoonPhaseData data;
  EXPECT_EQ(ParseMoonPhaseFile(text, data), 0xFFE);
  EXPECT_EQ(data.phases.front().month, 2);
  EXPECT_EQ(data.phases.size(), 44u);

  // A month whose phase does not fall in it says so with "00000000".
  std::string absent = "00000000 01220000 01010000 01080000\n" + TwelveRecords().substr(36);
  EXPECT_EQ(ParseMoonPhaseFile(absent, data), 0xFFF);
  EXPECT_EQ(Count(data, kFull), 11u);
  // A moment of another month, or an impossible time, spoils its month.
  EXPECT_EQ(MonthsCoveredBy(Split("02150000 01220000 01010000 01080000")), 0);
  EXPECT_EQ(MonthsCoveredBy(Split("01152400 01220000 01010000 01080000")), 0);
  EXPECT_EQ(MonthsCoveredBy(Split("01150000 01220000 01010000 01080000")), 1);
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
  EXPECT_EQ(Parse("\n\n  " + scrambled), Parse(kRecords2009));
}

TEST(MoonPhaseFileRecords, TruncatedFileKeepsTheTokensPresent) {
  // Two and a half records: the whole months count, there are no notes.
  const std::string_view twoAndAHalf =
      "01111927 01181046 01261555 01041956\n02092249 02170537 02250935 02030713\n"
      "03111038 03190147";
  EXPECT_EQ(Split(twoAndAHalf).tokens.size(), 10u);
  EXPECT_EQ(Split(twoAndAHalf).tokens.back(), u"03190147");
  MoonPhaseData data;
  EXPECT_EQ(ParseMoonPhaseFile(twoAndAHalf, data), 0x3);
  EXPECT_EQ(data.phases.size(), 8u);
  EXPECT_TRUE(data.notes.empty());

  // 47 tokens: December lacks its first quarter, nothing is taken as a note.
  std::string records = std::string(kRecords2009);
  records.resize(records.rfind(' '));
  EXPECT_EQ(ParseMoonPhaseFile(records, data), 0x7FF);
  EXPECT_TRUE(data.notes.empty());

  EXPECT_EQ(Parse(""), MoonPhaseData{});
  EXPECT_EQ(Parse(" \n\t\r\n"), MoonPhaseData{});
}

TEST(MoonPhaseFileRecords, OverLongTokenIsCutAndStillCountsAsOnePhase) {
  const std::string longToken = "01111927" + std::string(92, '7');  // 100 bytes
  std::string text = longToken + " 01181046 01261555 01041956\n" + TwelveRecords().substr(36) + "0101 note\n";
  const MoonPhaseFileParts parts = Split(text);
  ASSERT_EQ(parts.tokens.size(), 48u);
  EXPECT_EQ(parts.tokens[0], Ascii(std::string_view(longToken).substr(0, 63)));
  // The tail of the long token does not shift the following phases.
  EXPECT_EQ(parts.tokens[1], u"01181046");
  EXPECT_EQ(parts.notes, std::vector<std::u16string>{u"0101 note"});
  EXPECT_EQ(MonthsCoveredBy(parts), 0xFFE);

  // A 63-byte token is inside the format and kept whole.
  const std::string token63 = "01111927-" + std::string(54, '1');
  EXPECT_EQ(Split(token63 + "\n").tokens, std::vector<std::u16string>{Ascii(token63)});
}

TEST(MoonPhaseFileRecords, TenMegabyteTokenIsCutToTheFieldSize) {
  std::string text = "05020444-" + std::string(10u << 20, '5');
  text += " 01181046 01261555 01041956\n";
  text += TwelveRecords().substr(36);
  text += "0202 after\n";
  const MoonPhaseFileParts parts = Split(text);
  EXPECT_EQ(parts.tokens[0], u"05020444-" + Ascii(std::string(63 - 9, '5')));
  EXPECT_EQ(parts.tokens[1], u"01181046");
  EXPECT_EQ(parts.notes, std::vector<std::u16string>{u"0202 after"});
}

TEST(MoonPhaseFileRecords, NulEndsTheTextOfItsTokenOnly) {
  using namespace std::string_literals;
  std::string text =
      "0111\0"
      "1927 01181046\0\0\0 01261555 01041956\n"s +
      TwelveRecords().substr(36);
  const MoonPhaseFileParts parts = Split(text);
  EXPECT_EQ(parts.tokens[0], u"0111");
  EXPECT_EQ(parts.tokens[1], u"01181046");
  EXPECT_EQ(parts.tokens[2], u"01261555");
  EXPECT_EQ(parts.tokens.size(), 48u);
}

TEST(MoonPhaseFileRecords, ParsingReplacesEarlierContents) {
  MoonPhaseData data = Stale();
  ParseMoonPhaseFile("01111927 01181046 01261555 01041956", data);
  EXPECT_EQ(data.phases.size(), 4u);
  EXPECT_EQ(data.phases.front(), (MoonPhaseEvent{kFull, 1, 11, {19, 27}}));
  EXPECT_TRUE(data.notes.empty());
}

TEST(MoonPhaseFileNotes, DatesOfTheNotes) {
  const std::vector<DatedNote> notes = DatedNotes({u"0101 農曆", u"1231x年底", u"0229", u"元旦", u"0a01 x"});
  EXPECT_EQ(notes[0].month * 100 + notes[0].day, 101);
  EXPECT_EQ(notes[0].text(), u"農曆");
  EXPECT_EQ(notes[1].month * 100 + notes[1].day, 1231);
  EXPECT_EQ(notes[1].text(), u"年底");
  EXPECT_EQ(notes[2].month * 100 + notes[2].day, 229);
  EXPECT_TRUE(notes[2].text().empty());
  EXPECT_EQ(notes[3].month, 0);
  EXPECT_EQ(notes[4].month, 0);
  EXPECT_EQ(notes[4].line, u"0a01 x");
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
  const MoonPhaseFileParts data = Split(text);
  ASSERT_EQ(data.notes.size(), 2u);
  EXPECT_EQ(data.notes[0], u"0101 農曆");
  EXPECT_EQ(data.notes[1], u"0101　元旦");
  EXPECT_EQ(data.tokens.size(), 48u);
}

// Notes written in UTF-8 read as UTF-8; a file whose notes are not all valid
// UTF-8 is read as Big5, as the tools these files come from write them.
TEST(MoonPhaseFileNotes, Utf8WhenAllOfThemAreValidUtf8ElseBig5) {
  EXPECT_EQ(Split(TwelveRecords() + "0101 農曆\n0404 兒童節\r\n").notes,
            (std::vector<std::u16string>{u"0101 農曆", u"0404 兒童節"}));
  // A piece never splits a UTF-8 character: 62 bytes and a three-byte 農
  // would make 65, so 農 opens the next piece.
  EXPECT_EQ(Split(TwelveRecords() + std::string(62, 'a') + "農z\n").notes,
            (std::vector<std::u16string>{Ascii(std::string(62, 'a')), u"農z"}));
  EXPECT_EQ(Split(TwelveRecords() + std::string(60, 'a') + "農\n").notes,
            (std::vector<std::u16string>{Ascii(std::string(60, 'a')) + u"農"}));
  // One Big5 line makes the whole part Big5.
  std::string mixed = TwelveRecords() + "0202 x\n0101 ";
  mixed += kBig5NongLi;
  mixed += "\n";
  EXPECT_EQ(Split(mixed).notes, (std::vector<std::u16string>{u"0202 x", u"0101 農曆"}));
  // An overlong form, a surrogate or a cut sequence is not UTF-8 either.
  for (std::string_view bad : {"\xC0\xAE", "\xED\xA0\x80", "\xE8\xBE"}) {
    const std::vector<std::u16string> notes = Split(TwelveRecords() + "0303 " + std::string(bad) + "\n").notes;
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_GE(notes[0][5], u'\u3000') << "read as Big5, a Han character";
  }
}

TEST(MoonPhaseFileNotes, RestOfTheTwelfthRecordLineComesFirst) {
  std::string text = TwelveRecords();
  text.pop_back();  // the line end of December
  text += "   0315 same line\n0316 next line\n";
  const MoonPhaseFileParts data = Split(text);
  EXPECT_EQ(data.notes, (std::vector<std::u16string>{u"   0315 same line", u"0316 next line"}));
}

TEST(MoonPhaseFileNotes, BlankLinesAreSkippedAndTrailingBlanksStripped) {
  const MoonPhaseFileParts data = Split(TwelveRecords() + "\n   \n\t\n  0420 indented \t \n\n0421 x\f\v\n");
  EXPECT_EQ(data.notes, (std::vector<std::u16string>{u"  0420 indented", u"0421 x"}));
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
  const MoonPhaseFileParts expected = Split(lf);
  const MoonPhaseFileParts data = Split(crlf);
  EXPECT_EQ(data.tokens, expected.tokens);
  EXPECT_EQ(data.notes, expected.notes);
  // A 62-byte line plus CR LF gives one note, with no CR left at its end.
  ASSERT_EQ(data.notes.size(), 3u);
  EXPECT_EQ(data.notes[0], u"0101 農曆");
  EXPECT_EQ(data.notes[1], Ascii(std::string(62, 'c')));
  EXPECT_EQ(data.notes[2], u"0505 last");
}

TEST(MoonPhaseFileNotes, LongLinesAreReadIn63BytePieces) {
  const std::string line63 = Repeat("0123456789", 7).substr(0, 63);
  const std::string line64 = line63 + "X";
  const MoonPhaseFileParts data = Split(TwelveRecords() + line63 + "\n" + line64 + "\n");
  EXPECT_EQ(data.notes, (std::vector<std::u16string>{Ascii(line63), Ascii(line63), u"X"}));
}

TEST(MoonPhaseFileNotes, PieceNeverSplitsABig5Character) {
  // 農's trail byte is 'A': a split pair would show a stray "A" in the next piece.
  std::string fits = std::string(61, 'a');
  fits += kBig5Nong;  // 63 bytes
  std::string spills = std::string(62, 'b');
  spills += kBig5Nong;  // 64 bytes: the pair goes to the next piece whole
  spills += "z";
  const MoonPhaseFileParts data = Split(TwelveRecords() + fits + "\n" + spills + "\n");
  ASSERT_EQ(data.notes.size(), 3u);
  EXPECT_EQ(data.notes[0], Ascii(std::string(61, 'a')) + u"農");
  EXPECT_EQ(data.notes[1], Ascii(std::string(62, 'b')));
  EXPECT_EQ(data.notes[2], u"農z");
}

TEST(MoonPhaseFileNotes, InvalidBytesBecomeSubstitutionCharacters) {
  using namespace std::string_literals;
  // A lead byte with no trail byte after it, at the end of a line and of the file.
  const MoonPhaseFileParts data = Split(TwelveRecords() + "0303 \xB9\n0304 ok\xB9"s);
  EXPECT_EQ(data.notes, (std::vector<std::u16string>{u"0303 \uFFFD", u"0304 ok\uFFFD"}));
}

TEST(MoonPhaseFileNotes, NulEndsThePieceText) {
  using namespace std::string_literals;
  // The NUL still counts toward the 63 bytes of its piece.
  const std::string tail = std::string(63 - 7, 'n') + "TAIL";
  const MoonPhaseFileParts data = Split(TwelveRecords() + "0404 ab\0cd\n"s + "\0\0\n"s + "0405 x\0"s + tail + "\n");
  EXPECT_EQ(data.notes, (std::vector<std::u16string>{u"0404 ab", u"0405 x", u"TAIL"}));
}

TEST(MoonPhaseFileNotes, CtrlZEndsTheFile) {
  const MoonPhaseFileParts data = Split(TwelveRecords() +
                                        "0505 x\n\x1a\x1a"
                                        "0506 after the end\n");
  EXPECT_EQ(data.notes, std::vector<std::u16string>{u"0505 x"});
  const MoonPhaseFileParts early = Split("01111927 01181046\x1a 01261555 01041956\n");
  EXPECT_EQ(early.tokens, (std::vector<std::u16string>{u"01111927", u"01181046"}));
}

TEST(MoonPhaseFileNotes, TenMegabyteAsciiLineIsSplitWithoutLoss) {
  const std::size_t size = 10u << 20;
  const std::string line = Repeat("0123456789", size / 10 + 1).substr(0, size);
  const MoonPhaseFileParts data = Split(TwelveRecords() + line + "\n0606 after\n");
  const std::size_t pieces = (size + 62) / 63;
  ASSERT_EQ(data.notes.size(), pieces + 1);
  EXPECT_EQ(data.notes.back(), u"0606 after");
  std::u16string joined;
  joined.reserve(size);
  for (std::size_t i = 0; i < pieces; ++i) {
    ASSERT_EQ(data.notes[i].size(), i + 1 < pieces ? 63u : size - 63 * (pieces - 1)) << i;
    joined += data.notes[i];
  }
  EXPECT_TRUE(joined == Ascii(line));
}

TEST(MoonPhaseFileNotes, TenMegabyteBig5LineKeepsEveryCharacterWhole) {
  const std::size_t characters = 5u << 20;  // 10 MB of 農
  const MoonPhaseFileParts data = Split(TwelveRecords() + Repeat(kBig5Nong, characters));
  // 63 is odd, so each piece holds 31 characters (62 bytes).
  ASSERT_EQ(data.notes.size(), (characters + 30) / 31);
  const std::u16string full(31, u'農');
  std::size_t total = 0;
  for (std::size_t i = 0; i < data.notes.size(); ++i) {
    const auto& note = data.notes[i];
    if (i + 1 < data.notes.size()) {
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
  const MoonPhaseFileParts data = Split(junk);
  EXPECT_EQ(data.tokens.size(), 48u);
  for (const auto& token : data.tokens) EXPECT_LE(token.size(), 63u);
  ASSERT_FALSE(data.notes.empty());
  std::size_t units = 0;
  for (const auto& note : data.notes) {
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
  EXPECT_EQ(data, Parse(text));
  ASSERT_EQ(data.notes.size(), 1u);
  EXPECT_EQ(data.notes[0].text(), u"農曆");
  EXPECT_EQ(Count(data, kFirstQuarter), 13u);

  ReadMoonPhaseFile(2010, data, dir_.string());
  EXPECT_EQ(data, MoonPhaseData{});

  data = Stale();
  EXPECT_FALSE(ReadMoonPhaseFile(2011, data, dir_.string()));
  EXPECT_EQ(data, MoonPhaseData{});
}

TEST_F(MoonPhaseFileRead, MissingOrUnusableFileLeavesEverythingEmpty) {
  MoonPhaseData data = Stale();
  EXPECT_FALSE(ReadMoonPhaseFile(2009, data, (dir_ / "no such directory").string()));
  EXPECT_EQ(data, MoonPhaseData{});

  data = Stale();
  fs::create_directory(dir_ / "Farmer2012");  // a directory by the file's name
  EXPECT_FALSE(ReadMoonPhaseFile(2012, data, dir_.string()));
  EXPECT_EQ(data, MoonPhaseData{});

  data = Stale();
  // An empty file is still the year's file: it stands in for the table.
  Write("Farmer2013", "");
  EXPECT_TRUE(ReadMoonPhaseFile(2013, data, dir_.string()));
  EXPECT_EQ(data, MoonPhaseData{});
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
  EXPECT_EQ(
      data.phases,
      (std::vector<MoonPhaseEvent>{
          {kFull, 1, 15, {0, 0}}, {kLastQuarter, 1, 22, {0, 0}}, {kNew, 1, 1, {0, 0}}, {kFirstQuarter, 1, 8, {0, 0}}}));
  EXPECT_EQ(empty, MoonPhaseData{});
}

TEST(MoonPhaseFileSample, SampleYearFileReads) {
  const fs::path dir = fs::path(LUNISOL_TEST_DATA_DIR) / "moon";
  MoonPhaseData data;
  ReadMoonPhaseFile(2009, data, dir.string());
  EXPECT_EQ(Count(data, kFull), 12u);
  EXPECT_EQ(Count(data, kFirstQuarter), 13u);
  ASSERT_EQ(data.notes.size(), 3u);
  EXPECT_EQ(data.notes[0].line, u"0101 開國紀念日");
  EXPECT_EQ(data.notes[2].month * 100 + data.notes[2].day, 1010);
}

}  // namespace
}  // namespace lunisol
