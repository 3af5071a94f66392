#include "cli/day_text.h"

#include <string_view>
#include <vector>

#include "almanac/lookups.h"
#include "almanac/lunar_date_names.h"
#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/text.h"
#include "cli/text_width.h"
#include "days/almanac_list.h"
#include "days/day_lists.h"
#include "sheets/tables.h"

namespace lunisol::cli {

namespace {

constexpr int kWidth = 80;
constexpr int kLabelWidth = 10;  // "彭祖百忌" and two blanks

std::string U8(std::u16string_view text) { return ToUtf8(text); }

// "label  word word …", folded at kWidth under the first word.
std::string Line(std::string_view label, const std::vector<std::string>& words) {
  std::string line = PadRight(label, kLabelWidth);
  int column = kLabelWidth;
  for (size_t i = 0; i < words.size(); ++i) {
    const int width = DisplayWidth(words[i]);
    if (i > 0 && column + 1 + width > kWidth) {
      line += "\n" + std::string(kLabelWidth, ' ');
      column = kLabelWidth;
    } else if (i > 0) {
      line += ' ';
      ++column;
    }
    line += words[i];
    column += width;
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

std::vector<std::string> SpiritWords(const SpiritSet& spirits) {
  std::vector<std::string> words;
  spirits.ForEach([&](SpiritId s) { words.push_back(U8(SpiritName(s))); });
  return words;
}

template <size_t N>
std::vector<std::string> ItemWords(const std::array<AlmanacItem, N>& items, int count) {
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) words.push_back(U8(AlmanacWordName(items[static_cast<size_t>(i)].word)));
  return words;
}

// The almanac's 宜 and 忌: a day of 諸事不宜 says only that, under 忌;
// 餘事勿取 closes a 宜 cut short.
std::string YiJiLines(const AlmanacList& a) {
  if (a.allBad) return Line("忌", {"諸事不宜"});
  std::vector<std::string> yi = ItemWords(a.yi, a.yiCount);
  if (a.restBad && !yi.empty()) yi.push_back("餘事勿取");
  return Line("宜", yi) + Line("忌", ItemWords(a.ji, a.jiCount));
}

std::string MarkLine(const AlmanacList& a) {
  std::vector<std::string> marks;
  for (int m = 0; m < FolkMarkCount(); ++m)
    if ((a.marks >> m) & 1) marks.push_back(U8(FolkMarkName(m)));
  return marks.empty() ? "" : Line("凶日", marks);
}

}  // namespace

std::string DayText(int year, int month, int day) {
  CalendarDate date;
  DayLists d;
  if (SolarToLunar(year, month, day, date) < 1 || !EvaluateDayLists(year, month, day, d)) return {};
  AlmanacList a;
  BuildAlmanacList(d, a);
  const Pillar yearPillar = YearPillar(date.lunar.year);
  const Pillar dayPillar = date.dayPillar;
  std::string text = "國曆 " + std::to_string(year) + " 年 " + std::to_string(month) + " 月 " + std::to_string(day) +
                     " 日　星期" + U8(kWeekdayNames[static_cast<size_t>(date.weekday)]) + "\n";
  text += "農曆 " + U8(Name(yearPillar)) + "年 " + U8(LunarDateName(date.lunar)) + "　" + U8(Name(dayPillar)) + "日\n";
  text += Line("值神", {U8(kDayGodNames[static_cast<size_t>(d.dayGod)]) + (d.yellowPath ? "（黃道）" : "（黑道）")});
  text += Line("建除", {U8(SpiritName(OfficerSpirit(d.officer)))});
  text += Line("吉神", SpiritWords(d.goodSpirits)) + Line("凶煞", SpiritWords(d.badSpirits));
  text += YiJiLines(a);
  text += Line("沖煞", {U8(ClashText(dayPillar, yearPillar).text), U8(YearShaText(dayPillar.branch()).text)});
  text += Line("彭祖百忌", {U8(kStemTaboos[static_cast<size_t>(Index(dayPillar.stem()))]),
                            U8(kBranchTaboos[static_cast<size_t>(Index(dayPillar.branch()))])});
  return text + MarkLine(a);
}

}  // namespace lunisol::cli
