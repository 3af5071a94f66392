#include "almanac/rules.h"

namespace lunisol {

Season SeasonOf(SolarTerm term) {
  const int t = Index(term);
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

bool IsDeathDay(SolarTerm term, Branch dayBranch) {
  // One branch per pair of terms, starting with 小寒 and 大寒.
  using enum Branch;
  static constexpr Branch kBranches[12] = {kYou, kXu, kChen, kHai, kSi, kZi, kWu, kChou, kWei, kYin, kShen, kMao};
  return dayBranch == kBranches[Index(term) / 2];
}

bool IsDaoZhen(SolarTerm term, Branch b) {
  using enum Branch;
  switch (SeasonOf(term)) {
    case Season::kSpring:
      return b == kHai || b == kZi;
    case Season::kSummer:
      return b == kYin || b == kMao;
    case Season::kAutumn:
      return b == kSi || b == kWu;
    default:
      return b == kShen || b == kYou;
  }
}

bool IsYangGongDay(const LunarDate& date) {
  // Keys of lunar month and day; a leap month never matches.
  static constexpr int kKeys[13] = {113, 211, 309, 407, 505, 603, 701, 729, 827, 925, 1023, 1121, 1219};
  if (date.leap) return false;
  const int key = date.month * 100 + date.day;
  for (int k : kKeys)
    if (k == key) return true;
  return false;
}

bool IsRedGauzeDay(SolarTerm term, Branch dayBranch) {
  const int t = Index(term);
  const bool season = t == 6 || t == 7 || t == 18 || t == 19 || t == 0 || t == 1;
  return season && dayBranch == Branch::kChou;
}

bool IsVisitingSickDay(Pillar day) {
  // 壬寅 壬午 庚午 甲寅 乙卯 己卯
  static constexpr Pillar kDays[6] = {Pillar(38), Pillar(18), Pillar(6), Pillar(50), Pillar(51), Pillar(15)};
  for (Pillar p : kDays)
    if (p == day) return true;
  return false;
}

bool IsNinePoisonDay(const LunarDate& date) {
  if (date.month != 5 || date.leap) return false;
  const int d = date.day;
  return d == 5 || d == 6 || d == 7 || d == 15 || d == 16 || d == 17 || d == 25 || d == 26 || d == 27;
}

std::u16string_view TrueExtinctionText(std::optional<MoonPhase> phase, Mansion m, int lunarDay) {
  using enum Mansion;
  const bool quarter = phase == MoonPhase::kFirstQuarter || phase == MoonPhase::kLastQuarter;
  if (phase == MoonPhase::kFull && m == kNeck) return u"望日逢亢宿係真滅沒日大凶勿取";
  if (phase == MoonPhase::kNew && m == kHorn) return u"朔日逢角宿係真滅沒日大凶勿取";
  if (quarter && m == kEmptiness) return u"弦日逢虛宿係真滅沒日大凶勿取";
  if (lunarDay == 29 && m == kGhost) return u"月虛逢鬼宿係真滅沒日大凶勿取";
  if (lunarDay == 15 && m == kOx) return u"月盈逢牛宿係真滅沒日大凶勿取";
  return {};
}

std::u16string_view UnicornPhoenixDay(SolarTerm term, Mansion m) {
  using enum Mansion;
  static constexpr Mansion kUnicorn[4] = {kWell, kTail, kOx, kWall};
  static constexpr Mansion kPhoenix[4] = {kRooftop, kHairyHead, kStomach, kNet};
  const auto s = static_cast<size_t>(SeasonOf(term));
  if (m == kUnicorn[s]) return u"麒麟日";
  if (m == kPhoenix[s]) return u"鳳凰日";
  return {};
}

bool IsPardonDay(SolarTerm term, Pillar day) {
  static constexpr Pillar kBySeason[4] = {Pillar(14), Pillar(30), Pillar(44), Pillar(0)};  // 戊寅 甲午 戊申 甲子
  return day == kBySeason[static_cast<size_t>(SeasonOf(term))];
}

std::u16string_view EveOfTermWarning(SolarTerm term) {
  const int t = Index(term);
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
