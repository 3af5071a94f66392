#include "almanac/rules.h"

#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {

Season SeasonOf(int t) {
  if (t >= 2 && t <= 7) return Season::kSpring;
  if (t >= 8 && t <= 13) return Season::kSummer;
  if (t >= 14 && t <= 19) return Season::kAutumn;
  return Season::kWinter;
}

namespace {

void Join(CellText& cell, std::u16string_view text, std::u16string_view separator) {
  if (cell.text.empty()) {
    cell.text.assign(text);
  } else {
    cell.text += separator;
    cell.text += text;
  }
}

}  // namespace

void AppendNote(DayAlmanacRecord& r, std::u16string_view text) {
  if (r.noteA.text.size() < r.noteB.text.size()) {
    Join(r.noteA, text, u" ，");
  } else {
    Join(r.noteB, text, u" ，");
    r.noteB.colour = colours::kRed;
  }
}

void AppendWarning(DayAlmanacRecord& r, std::u16string_view text) {
  if (text.empty()) return;
  if (r.warningC.text.empty()) {
    r.warningC.text.assign(text);
  } else if (r.warningD.text.empty()) {
    r.warningD.text.assign(text);
  } else if (r.warningC.text.size() < r.warningD.text.size()) {
    Join(r.warningC, text, u" ,");
  } else {
    Join(r.warningD, text, u" ,");
  }
}

bool IsDeathDay(int termIndex, std::u16string_view branch) {
  // One branch per pair of terms, starting with 小寒 and 大寒.
  static constexpr std::u16string_view kBranches[12] = {u"酉", u"戌", u"辰", u"亥", u"巳", u"子",
                                                        u"午", u"丑", u"未", u"寅", u"申", u"卯"};
  if (termIndex < 0 || termIndex > 23) return false;
  return branch == kBranches[termIndex / 2];
}

bool IsDaoZhen(int termIndex, int b) {
  switch (SeasonOf(termIndex)) {
    case Season::kSpring:
      return b == 11 || b == 0;  // 亥 子
    case Season::kSummer:
      return b == 2 || b == 3;  // 寅 卯
    case Season::kAutumn:
      return b == 5 || b == 6;  // 巳 午
    default:
      return b == 8 || b == 9;  // 申 酉
  }
}

bool IsYangGongDay(int lunarMonth, int lunarDay) {
  // Keys of lunar month and day; a leap month (negative) never matches.
  static constexpr int kKeys[13] = {113, 211, 309, 407, 505, 603, 701, 729, 827, 925, 1023, 1121, 1219};
  if (lunarMonth <= 0) return false;
  const int key = lunarMonth * 100 + lunarDay;
  for (int k : kKeys)
    if (k == key) return true;
  return false;
}

bool IsRedGauzeDay(int t, int dayBranch) {
  const bool season = t == 6 || t == 7 || t == 18 || t == 19 || t == 0 || t == 1;
  return season && dayBranch == 1;  // 丑
}

bool IsVisitingSickDay(std::u16string_view p) {
  return p == u"寅壬" || p == u"午壬" || p == u"午庚" || p == u"寅甲" || p == u"卯乙" || p == u"卯己";
}

bool IsNinePoisonDay(int lunarMonth, int d) {
  if (lunarMonth != 5) return false;
  return d == 5 || d == 6 || d == 7 || d == 15 || d == 16 || d == 17 || d == 25 || d == 26 || d == 27;
}

std::u16string_view TrueExtinctionText(std::u16string_view a, std::u16string_view m, std::u16string_view l) {
  if (Contains(a, u"望") && Contains(m, u"亢")) return u"望日逢亢宿係真滅沒日大凶勿取";
  if (Contains(a, u"朔") && Contains(m, u"角")) return u"朔日逢角宿係真滅沒日大凶勿取";
  if (Contains(a, u"弦") && Contains(m, u"虛")) return u"弦日逢虛宿係真滅沒日大凶勿取";
  if (Contains(l, u"九廿") && Contains(m, u"鬼")) return u"月虛逢鬼宿係真滅沒日大凶勿取";
  if (Contains(l, u"五十") && Contains(m, u"牛")) return u"月盈逢牛宿係真滅沒日大凶勿取";
  return {};
}

std::u16string_view UnicornPhoenixDay(int termIndex, std::u16string_view m) {
  static constexpr std::u16string_view kUnicorn[4] = {u"井", u"尾", u"牛", u"壁"};
  static constexpr std::u16string_view kPhoenix[4] = {u"危", u"昴", u"胃", u"畢"};
  const auto s = static_cast<size_t>(SeasonOf(termIndex));
  if (Contains(m, kUnicorn[s])) return u"麒麟日";
  if (Contains(m, kPhoenix[s])) return u"鳳凰日";
  return {};
}

bool IsPardonDay(int termIndex, int stem, int branch) {
  switch (SeasonOf(termIndex)) {
    case Season::kSpring:
      return stem == 4 && branch == 2;  // 戊寅
    case Season::kSummer:
      return stem == 0 && branch == 6;  // 甲午
    case Season::kAutumn:
      return stem == 4 && branch == 8;  // 戊申
    default:
      return stem == 0 && branch == 0;  // 甲子
  }
}

std::u16string_view EveOfTermWarning(int t) {
  if (t == 2 || t == 8 || t == 14 || t == 20) return u"四絕日 ! 用事慎之";
  if (t == 5 || t == 11 || t == 17 || t == 23) return u"四離日 ! 宜事少取用";
  return {};
}

void PlaceVisitingSickLabel(DayAlmanacRecord& r) {
  static constexpr std::u16string_view kLabel = u"探病凶日";
  if (r.noteA.text.size() <= 6) {
    Join(r.noteA, kLabel, u" ，");
  } else if (r.noteB.text.empty()) {
    r.noteB.text.assign(kLabel);
    r.noteB.colour = colours::kRed;
  }
}

}  // namespace lunisol
