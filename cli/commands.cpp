// The table of lunisol-cli's commands. A new command is one row here and its
// run function; its arguments are params of the kinds in arguments.h (a new
// kind is one Reader in readers.cpp).
#include "cli/commands.h"

#include "cli/cal_command.h"
#include "cli/calendar_commands.h"
#include "cli/chart_command.h"
#include "cli/day_command.h"
#include "cli/ical_command.h"
#include "cli/sheet_commands.h"

namespace lunisol::cli {

namespace {

// The words several commands share.
const Param kDate{"DATE", &kDateReader, "the day"};
const Param kFrom{"FROM", &kDateReader, "the first day"};
const Param kTo{.name = "TO", .reader = &kDateReader, .help = "the last day (not before FROM)", .notBefore = "FROM"};
const Param kYear{"YEAR", &kYearReader, "the year"};
const Param kBirthDate{"DATE", &kDateReader, "the birth date"};
const Param kBirthHour{"HOUR", &kHourReader, "the double hour of the birth"};

// convert shows the converter's own refusal codes, so its numbers may name
// days that do not exist; only their shape is checked.
const Reader kLunarYearReader = NumberReader("YEAR", 0, 9999, "a number 0..9999");
const Reader kLunarMonthReader = NumberReader("MONTH", -99, 99, "a number -99..99");
const Reader kLunarDayReader = NumberReader("DAY", 0, 99, "a number 0..99");
const Reader kTabReader = NumberReader("TAB", 0, 2, "a tab 0, 1 or 2");

const std::vector<Command> kCommands{
    {.name = "tables",
     .summary = "the calendar's tables: lunar years, solar-term days and times",
     .forms = {{}},
     .details = "One JSON object: lunarYears (each year's new-year eve, leap month, weekday and cycle bases, "
                "big months), solarTermDays and solarTermTimes.",
     .example = "tables",
     .run = RunTables},
    {.name = "convert",
     .summary = "a Gregorian date as a lunar date, or a lunar date as a Gregorian one",
     .forms = {{{"DATE", &kConverterDateReader, "the Gregorian date"}},
               {{"--lunar", nullptr, "convert a lunar date"},
                {"YEAR", &kLunarYearReader, "the lunar year"},
                {"MONTH", &kLunarMonthReader, "the lunar month, -N for the leap month after month N"},
                {"DAY", &kLunarDayReader, "the day of the lunar month"}}},
     .details = "One JSON object: the converter's record and its result, the year's place in the sixty-year cycle "
                "(1..60), or -1, -2 or -3 for a year, month or day that does not exist. The numbers are taken as "
                "written, so those codes can be seen.",
     .example = "convert 2009-05-26",
     .run = RunConvert},
    {.name = "cal",
     .summary = "a month or a year as a calendar with lunar dates, solar terms and festivals",
     .forms = {{{.name = "YEAR", .reader = &kYearReader, .help = "the year (default this year)", .optional = true},
                {.name = "MONTH",
                 .reader = &kMonthReader,
                 .help = "the month (default: every month of YEAR, or this month without YEAR)",
                 .optional = true}}},
     .options = {{"--color", &kColourReader,
                  "when to show today in reverse video (default auto: when writing to a terminal)"}},
     .details = "Text for a reader at a terminal, in the manner of cal(1): the weeks from Sunday, each day with its "
                "lunar date (the month's name on its first day), the solar term beginning on it and its festivals; "
                "under the grid every term with its time in Taiwan and every festival in full. 80 columns wide.",
     .example = "cal 2026 12",
     .run = RunCal},
    {.name = "days",
     .summary = "each day of a range: lunar date, pillar, term, nine star, hexagram, officer",
     .forms = {{kFrom, kTo}},
     .details = "One JSON object a line, one for each day from FROM to TO.",
     .example = "days 2009-01-01 2009-01-31",
     .run = RunDays},
    {.name = "month",
     .summary = "a month page of the almanac, every column and term panel",
     .forms = {{kYear, {"MONTH", &kMonthReader, "the month"}}},
     .details = "One JSON object: the titles, the 33 columns with each cell's text and colour, and the term bars.",
     .example = "month 2009 5",
     .run = RunMonth},
    {.name = "phases",
     .summary = "a year's moon phases as a moon-phase file (Farmer<year>)",
     .forms = {{kYear}},
     .details = "The built-in moon phases of the year in the moon-phase file format, a start for one's own file.",
     .example = "phases 2009 -o Farmer2009",
     .run = RunPhases},
    {.name = "hours",
     .summary = "the hour table of a day (吉凶 of the twelve double hours)",
     .forms = {{kDate}},
     .details = "One JSON object: the record the hour table shows, with each cell's place.",
     .example = "hours 2009-05-26",
     .run = RunHours},
    {.name = "yearly",
     .summary = "the yearly notes of the year of a day (地母經, 春牛, nine stars …)",
     .forms = {{kDate}},
     .details = "One JSON object: the record the yearly-notes sheet shows, with each label's place.",
     .example = "yearly 2009-05-26",
     .run = RunYearly},
    {.name = "zodiac",
     .summary = "the zodiac fortunes of the year of a day",
     .forms = {{kDate, {.name = "TAB", .reader = &kTabReader, .help = "the tab shown (default 0)", .optional = true}}},
     .details = "One JSON object: the record the zodiac sheet shows on the tab.",
     .example = "zodiac 2009-05-26 1",
     .run = RunZodiac},
    {.name = "bone",
     .summary = "the bone weighing (稱骨) of a birth",
     .forms = {{kBirthDate, kBirthHour}},
     .details = "One JSON object: the record the bone-weighing sheet shows; {\"opens\":false} when the date does "
                "not convert.",
     .example = "bone 2009-05-26 0",
     .run = RunBone},
    {.name = "chart",
     .summary = "the natal chart (紫微斗數命盤) of a birth",
     .forms = {{kBirthDate, kBirthHour, {"SEX", &kSexReader, "the sex"}}},
     .options = {{.name = "--at",
                  .reader = &kDateReader,
                  .help = "read the chart on this day rather than today (not before the birth)",
                  .notBefore = "DATE"},
                 {.name = "--today", .reader = &kDateReader, .help = "the older name of --at", .notBefore = "DATE"}},
     .details = "One JSON object: the twelve palaces with their stars, spirits, 小限 ages and the 四化 their stems "
                "fly (flies, selfMutagen), and the horoscope on the day read: 大限 (or 童限), 小限, 流年 with its "
                "stars, 流月 and 流日. HOUR 12 is the 子 hour of 23 to 24 h, charted as the next day's 子 hour "
                "(chartDate).",
     .example = "chart 2000-08-16 2 女 --at 2030-05-01",
     .run = RunChart},
    {.name = "day",
     .summary = "a day's spirits and 宜/忌 with their reasons, and the almanac's list",
     .forms = {{kDate}, {kFrom, kTo}},
     .options = {{"--text", nullptr, "the day as the almanac's day sheet says it, in text rather than JSON"}},
     .details = "One JSON object for DATE, one a line for each day from FROM to TO: the spirits and the 宜/忌 of "
                "every activity by the rules of 《欽定協紀辨方書》, and `almanac`, the list a Taiwanese farmer's "
                "almanac prints over it (its words, folk marks and the few 忌 that matter most, each item with its "
                "reasons and source). With --text, each day as lines to read: its dates, 值神, 建除, 吉神, 凶煞, the "
                "almanac's 宜 and 忌, 沖煞, 彭祖百忌 and its folk marks.",
     .example = "day 2009-05-26",
     .run = RunDay},
    {.name = "choose",
     .summary = "the days of up to ten years that suit an activity (擇日)",
     .forms = {{{"ACTIVITY", &kActivityReader, "what the day is for: the almanac's word, or one of the book's sixty"},
                kFrom,
                kTo}},
     .options = {{.name = "--birth",
                  .reader = &kDateReader,
                  .help = "leave out the days that clash with the animal of someone born that day (the year counted "
                          "from 立春); give it twice for a couple",
                  .repeatable = true},
                 {"--birth-year", &kYearReader,
                  "leave out the days that clash with the animal of the year that begins at 立春 of YEAR"},
                 {"--best-first", nullptr, "黃道 days first, then more 吉神, then fewer 凶煞 (our own order)"}},
     .details = "One JSON object with the days whose almanac list notes the word 宜 (or an item for the book's "
                "activity), in date order or best first, each with the reasons of that item.",
     .example = "choose 入宅 2026-01-01 2026-12-31 --birth 1990-01-20 --birth 1992-06-01",
     .run = RunChoose},
    {.name = "ical",
     .summary = "the almanac as an iCalendar file for calendar programs",
     .forms = {{kYear,
                {.name = "TO_YEAR",
                 .reader = &kYearReader,
                 .help = "the last year (not before YEAR)",
                 .optional = true,
                 .notBefore = "YEAR"}}},
     .options = {{"--include", &kCalendarPartsReader, "what the calendar holds (default terms,festivals)"}},
     .details = "An RFC 5545 calendar: the solar terms and festivals by default; deities' days, every day's lunar "
                "date, the moon phases and each day's 宜/忌 (yiji) on request.",
     .example = "ical 2026 --include lunar,terms,festivals,phases,yiji -o 2026.ics",
     .run = RunIcal},
};

}  // namespace

const std::vector<Command>& Commands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  for (const Command& c : Commands())
    if (c.name == name) return &c;
  return nullptr;
}

}  // namespace lunisol::cli
