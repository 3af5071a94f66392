#include "almanac/month.h"

#include "almanac/festivals.h"
#include "almanac/lookups.h"
#include "almanac/rules.h"
#include "almanac/tables.h"
#include "calendar/convert.h"
#include "calendar/cycle.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {

using namespace colours;

std::u16string MonthSelectorText(int month) { return Format(u"%2d", {month}); }

std::u16string WindowTitle(int firstTermIndex, int secondTermIndex) {
  auto description = [](int t) {
    return t >= 0 && t < 24 ? kSolarTermDescriptions[static_cast<size_t>(t)] : std::u16string_view();
  };
  return std::u16string(u"Tillary (1900 ~ 2100) ") + u"{ " + std::u16string(description(firstTermIndex)) + u" }，{ " +
         std::u16string(description(secondTermIndex)) + u" }";
}

namespace {

std::u16string GregorianTitle(int year, std::u16string_view monthText) {
  if (year < 1909) return Format(u"光緒 %d 年 %s 月", {year - 1874, monthText});
  if (year == 1909) return Format(u"宣統 元年 %s 月", {monthText});
  if (year == 1910) return Format(u"宣統 2 年 %s 月", {monthText});
  if (year == 1911) return Format(u"宣統 3 年 %s 月", {monthText});
  return Format(u"國曆 %d 年 %s 月", {year - 1911, monthText});
}

std::u16string TitleDate(const CalendarDate& d) {
  const int month = d.lunarMonth < 0 ? -d.lunarMonth : d.lunarMonth;
  if (d.lunarMonth < 0) return Format(u"%s %d 月 %d 日", {u"閏", month, d.lunarDay});
  return Format(u"%d 月 %d 日", {month, d.lunarDay});
}

void RefreshTooltips(MonthColumn& column) {
  const DayAlmanacRecord& r = column.record;
  auto tip = [](const CellText& cell, size_t limit) { return cell.text.size() > limit ? cell.text : std::u16string(); };
  column.tooltips = {tip(r.noteA, 14), tip(r.noteB, 10), tip(r.warningC, 14), tip(r.warningD, 10)};
}

bool IsLunarYearEnd(int year, int month, int day) {
  // The eve of the lunar new year is the day whose next day is lunar 1/1.
  int y = year, m = month, d = day + 1;
  if (d > DaysInSolarMonth(y, m)) {
    d = 1;
    if (++m > 12) {
      m = 1;
      ++y;
    }
  }
  CalendarDate next;
  return SolarToLunar(y, m, d, next) > 0 && next.lunarMonth == 1 && next.lunarDay == 1;
}

}  // namespace

MonthAlmanac EvaluateMonth(int year, int month, YearData& data, MonthTermState& terms) {
  return EvaluateMonth(year, MonthSelectorText(month), data, terms);
}

MonthAlmanac EvaluateMonth(int year, std::u16string_view monthText, YearData& data, MonthTermState& terms) {
  MonthAlmanac out;
  CalendarState& state = data.calendar;
  const int Y = year;
  const int M = ParseDecimal(monthText);
  for (int c = 1; c <= 33; ++c) out.columns[static_cast<size_t>(c - 1)].column = c;
  if (M < 1 || M > 12 || Y < kFirstTermYear || Y > kLastTermYear) return out;

  out.gregorianTitle = {GregorianTitle(Y, monthText), kBlue};

  // Layout: the month's two term days each get an extra column after them.
  const int D = DaysInSolarMonth(Y, M);
  terms.firstTermDay = -1;
  MonthSolarTerms(state, Y, M, terms.firstTermDay, terms.secondTermDay, terms.firstTermIndex, terms.secondTermIndex);
  // The season of a day is the term in force on that day: its own term, else
  // the latest earlier term of the month, else the month's start value. The
  // scan above has left the month's second term behind, which would give the
  // first days of the month a season that has not begun yet.
  state.lastTermIndex = kNoTerm;
  const int termColumn1 = terms.firstTermDay + 1;
  const int termColumn2 = terms.secondTermDay + 2;
  for (int c = 1; c <= 33; ++c) {
    MonthColumn& col = out.columns[static_cast<size_t>(c - 1)];
    if (c > D + 2) {
      col.kind = ColumnKind::kEmpty;
      col.visible = false;
    } else if (c == termColumn1 || c == termColumn2) {
      col.kind = ColumnKind::kTerm;
      col.visible = false;
    } else {
      col.kind = ColumnKind::kDay;
      col.day = c - (c > termColumn1 ? 1 : 0) - (c > termColumn2 ? 1 : 0);
      col.record.dayNumberText.text = Format(u"%d", {col.day});
    }
  }
  out.windowTitle = WindowTitle(terms.firstTermIndex, terms.secondTermIndex);

  const int monthStartTerm = M == 1 ? 23 : 2 * M - 3;
  terms.termInForce = monthStartTerm;

  int monthPillar = -1;
  int titleYearIndex = -1;
  int lastR = 0;
  CalendarDate last;
  std::u16string fromText, toText;
  Colour previousStarColour = kBlack;
  int barsFilled = 0;

  for (int c = 1; c <= D + 2; ++c) {
    MonthColumn& col = out.columns[static_cast<size_t>(c - 1)];
    if (col.kind != ColumnKind::kDay) continue;
    DayAlmanacRecord& r = col.record;
    const int d = col.day;

    // a. The date.
    CalendarDate date;
    const int R = SolarToLunar(Y, M, d, date);
    if (R < 0) return out;
    if (date.lunarDay == 1)
      monthPillar = MonthPillarIndex(R - 1, date.lunarMonth < 0 ? -date.lunarMonth : date.lunarMonth);
    const std::u16string_view stem = kStemNames[static_cast<size_t>(date.dayStem)];
    const std::u16string_view branch = kBranchNames[static_cast<size_t>(date.dayBranch)];

    // b. Nine star and hexagram.
    const int n = DayOfYear(Y, M, d);
    const int star = state.nineStarTable[static_cast<size_t>(n - 1)];
    if (star >= 1 && star <= 9) {
      r.nineStarText = {std::u16string(kNineStarNames[static_cast<size_t>(star)]),
                        kNineStarColours[static_cast<size_t>(star)]};
    } else {
      r.nineStarText = {Format(u"%d", {star}), previousStarColour};
    }
    previousStarColour = r.nineStarText.colour;
    const int hex = state.dayHexagramTable[static_cast<size_t>(n - 1)];
    if (hex >= 0 && hex < 72) {
      const std::u16string_view h = kHexagramTexts[static_cast<size_t>(hex)];
      const Colour hc = h.substr(0, 2) == u"中五" ? kGreen : r.nineStarText.colour;
      r.hexagramPairText = {std::u16string(h.substr(0, 2)), hc};
      r.hexagramNameText = {std::u16string(h.substr(2)), hc};
    }

    // c. The solar term of the day and the term in force.
    const int t = SolarTermOnDay(state, Y, M, d);
    std::u16string termText;
    if (t >= 0) {
      terms.termInForce = t;
      termText = std::u16string(kSolarTermNames[static_cast<size_t>(t)]);
      if (barsFilled < 2) {
        TermBar& bar = out.termBars[static_cast<size_t>(barsFilled++)];
        bar.column = c + 1;
        bar.termIndex = t;
        bar.name = {termText, kMaroon};
        bar.timeText = {TermTimeText(SolarTermTime(Y, t)), kNavy};
        ShowTermNotes(bar, termText);
      }
      // The day before 立春/立夏/立秋/立冬 (四絕) and before the solstices and
      // equinoxes (四離).
      if (c > 1) {
        MonthColumn& previous = out.columns[static_cast<size_t>(c - 2)];
        if (previous.kind == ColumnKind::kDay) {
          AppendWarning(previous.record, EveOfTermWarning(t));
          // Its tooltips were set before this warning arrived.
          RefreshTooltips(previous);
        }
      }
    }
    const int currentTermIndex = t >= 0 ? t : (state.lastTermIndex != kNoTerm ? state.lastTermIndex : monthStartTerm);

    // d. Notes.
    std::u16string noteA;
    if (date.lunarDay == 1) {
      if (date.lunarMonth < 0)
        noteA = Format(u"農曆閏 %d 月%s", {-date.lunarMonth, kCycleNames[static_cast<size_t>(monthPillar)]});
      else
        noteA = Format(u"農曆 %d 月%s", {date.lunarMonth, kCycleNames[static_cast<size_t>(monthPillar)]});
    }
    const auto festival = SolarFestival(M, d);
    if (festival) noteA += *festival;
    if (!termText.empty()) {
      if (festival) noteA += u" ，";
      noteA += termText;
    }
    auto joinNote = [&noteA](std::u16string_view x) {
      if (x.empty()) return;
      if (!noteA.empty()) noteA += u" ，";
      noteA += x;
    };
    joinNote(IsDaoZhen(currentTermIndex, date.dayBranch) ? u"刀砧" : u"");
    joinNote(IsYangGongDay(date.lunarMonth, date.lunarDay) ? u"楊公忌日" : u"");
    const std::u16string dayKey = Format(u"%02d%02d", {M, d});
    for (int list = 0; list < 4; ++list) {
      if (auto phase = FindMoonPhase(data.moon, list, dayKey)) {
        joinNote(*phase);
        break;
      }
    }
    r.noteA = {noteA, kBlue};
    r.noteB = {u"", kRed};
    if (auto lunarFestival =
            LunarFestival(date.lunarMonth, date.lunarDay, date.lunarDay >= 29 && IsLunarYearEnd(Y, M, d)))
      r.noteB.text = *lunarFestival;

    // e. Title dates.
    if (c == 1) {
      titleYearIndex = R - 1;
      fromText = TitleDate(date);
    }
    if (c == D + 2) toText = TitleDate(date);

    // f. Officer.
    const std::u16string_view officer = DayOfficer(Y, M, d);
    r.officerText = {std::u16string(officer), OfficerColour(officer)};

    // g. 月破 and 受死.
    r.warningC = {u"", kBlack};
    r.warningD = {u"", kBlack};
    if (officer == u"破") r.warningC.text = u"日逢月破日大凶不宜諸吉事";
    if (IsDeathDay(terms.termInForce, branch)) {
      static constexpr std::u16string_view kDeath = u"日逢受死日不宜諸吉事";
      if (r.warningC.text.empty()) {
        r.warningC.text.assign(kDeath);
        r.warningD.text.clear();
      } else {
        r.warningD.text.assign(kDeath);
      }
    }
    // h. 正紅紗.
    if (IsRedGauzeDay(currentTermIndex, date.dayBranch)) AppendWarning(r, u"正紅紗日 ! 宜事少取");
    // i. The year file's own notes for the day.
    for (const std::u16string& note : data.moon.datedNotes)
      if (note.size() >= 4 && std::u16string_view(note).substr(0, 4) == dayKey)
        AppendWarning(r, note.size() > 5 ? std::u16string_view(note).substr(5) : std::u16string_view());

    // j. Weekday.
    const Colour weekdayColour = date.weekday == 0 || date.weekday == 6 ? kRed : kBlack;
    r.weekdayText = {std::u16string(kWeekdayNames[static_cast<size_t>(date.weekday)]), weekdayColour};
    r.dayNumberText.colour = weekdayColour;
    r.weekdayLabelColour = weekdayColour;

    // k, l. Pillar and the lookups by pillar.
    r.dayPillarText = {std::u16string(branch) + std::u16string(stem), StemColour(stem)};
    const int k60 = CycleIndexOf(date.dayStem, date.dayBranch);
    {
      const std::u16string_view jw = kJoyWealthDirections[static_cast<size_t>(k60)];
      const size_t comma = jw.find(u',');
      const std::u16string_view joy = jw.substr(0, comma), wealth = jw.substr(comma + 1);
      r.joyGodText = {std::u16string(joy), DirectionColour(joy)};
      r.wealthGodText = {std::u16string(wealth), DirectionColour(wealth)};
      const std::u16string_view lucky = kLuckyHourPairs[static_cast<size_t>(k60)];
      r.luckyHoursFirst = {std::u16string(lucky.substr(0, 2)), BranchColour(lucky.substr(0, 2))};
      r.luckyHoursSecond = {std::u16string(lucky.substr(lucky.size() - 2)),
                            BranchColour(lucky.substr(lucky.size() - 2))};
      const std::u16string_view fetus = kFetusGodPlaces[static_cast<size_t>(k60)];
      const size_t fc = fetus.find(u',');
      const std::u16string_view direction = fetus.substr(fc + 1);
      const Colour dc = DirectionColour(direction);
      r.fetusGodDirection = {std::u16string(direction), dc};
      r.fetusGodPlace = {std::u16string(fetus.substr(0, fc)), dc};
      r.dayCodeText = {std::u16string(kDayCodeTexts[static_cast<size_t>(k60)]), dc};
    }
    // m. 探病凶日.
    if (IsVisitingSickDay(r.dayPillarText.text)) PlaceVisitingSickLabel(r);
    // n. Na Yin.
    const std::u16string element = NayinElement(kCycleNames[static_cast<size_t>(k60)]);
    r.naYinText = {element, NayinColour(element)};
    // o. 氣往亡日.
    const LunarTriple today{date.lunarYear, date.lunarMonth, date.lunarDay};
    for (const LunarTriple& w : state.qiWangWangDays)
      if (w == today) {
        AppendNote(r, u"氣往亡日");
        break;
      }
    // p. Lunar day.
    r.lunarDayText = {std::u16string(kLunarDayNames[static_cast<size_t>(date.lunarDay)]),
                      LunarDayColour(date.lunarDay)};
    // q. 九毒日.
    if (IsNinePoisonDay(date.lunarMonth, date.lunarDay)) AppendWarning(r, u"九毒日 ! 不宜行房縱慾");
    // r. Mansion.
    const std::u16string_view mansion = kMansionNames[static_cast<size_t>(date.mansion)];
    r.mansionText = {std::u16string(mansion), MansionColour(date.mansion, r.lunarDayText.colour)};
    // s. 真滅沒日, reading noteA and the lunar day as they stand now.
    AppendWarning(r, TrueExtinctionText(r.noteA.text, mansion, r.lunarDayText.text));
    // t. 麒麟日, 鳳凰日, 天赦日.
    const std::u16string_view beast = UnicornPhoenixDay(currentTermIndex, mansion);
    if (!beast.empty()) AppendNote(r, beast);
    if (IsPardonDay(currentTermIndex, date.dayStem, date.dayBranch)) AppendNote(r, u"天赦日");
    // u. Clash and 歲煞.
    const ColouredText clash = ClashText(date.dayStem, date.dayBranch, R - 1);
    r.clashText = {clash.text, clash.colour};
    const ColouredText sha = YearShaText(date.dayBranch);
    r.yearShaText = {sha.text, sha.colour};
    // v. Tooltips.
    RefreshTooltips(col);

    lastR = R;
    last = date;
  }

  // Lunar title: the first day's lunar year, the last day's animal.
  if (monthPillar < 0)
    monthPillar = MonthPillarIndex(titleYearIndex, last.lunarMonth < 0 ? -last.lunarMonth : last.lunarMonth);
  const std::u16string_view lastYearName = kCycleNames[static_cast<size_t>(lastR - 1)];
  int animal = 0;
  for (size_t b = 0; b < 12; ++b)
    if (kBranchNames[b] == lastYearName.substr(1, 1)) animal = static_cast<int>(b);
  out.lunarTitle = {Format(u"農曆 %s 年 %s 至 %s ，生肖 : %s ，%s 月 ，月煞 : %s",
                           {kCycleNames[static_cast<size_t>(titleYearIndex)], fromText, toText,
                            kZodiacAnimals[static_cast<size_t>(animal)], kCycleNames[static_cast<size_t>(monthPillar)],
                            MonthShaDirection(monthPillar)}),
                    kRed};
  out.proverbLine = {std::u16string(kTermProverbs[static_cast<size_t>(terms.firstTermIndex / 2)]), kGreen};
  return out;
}

}  // namespace lunisol
