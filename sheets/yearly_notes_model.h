// The yearly notes sheet (歲時記事): what every label of the sheet says and
// in which colour, for a selected date. The lunar items follow the lunar year
// of that date, the stars, mansions and seasonal days its Gregorian year. The
// spring-ox columns and the seasonal days come from spring_ox_model.h and
// seasonal_days_model.h; where each label sits is layout/yearly_notes_layout.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/vocabulary.h"
#include "sheets/sheet_label.h"

namespace lunisol {

// --- Colour words ------------------------------------------------------------

// The colour word of an element: 木 青, 火 紅, 土 黃, 金 白, 水 黑.
std::u16string_view ElementColourWord(Element element);

// --- Searches and small rules ----------------------------------------------

// Lunar day number of the first day from lunar year L's new year on (to the
// end of that Gregorian year) whose day branch is `wanted`, whose stem is
// `wanted`, or whose pillar's Na Yin is of the element `wanted`. Nothing when
// no day matches or the new-year day cannot be found.
std::optional<int> FirstDayFromNewYear(int lunarYear, Branch wanted);
std::optional<int> FirstDayFromNewYear(int lunarYear, Stem wanted);
std::optional<int> FirstDayFromNewYear(int lunarYear, Element wantedNayin);

// The year's star 1..9 from the last two digits of the Gregorian year.
int YearNineStar(int year);
struct NineStarWords {
  char16_t colour;
  char16_t number;
};
// One step around the ring: wraps 9 to 0, answers star `counter` + 1 and
// advances the counter.
NineStarWords NineStarStep(int& counter);

// The first four lines of a text whose lines are separated by line feeds;
// missing lines are empty, further lines are dropped.
std::array<std::u16string, 4> SplitVerseLines(std::u16string_view text);

// --- The sheet ---------------------------------------------------------------

// Tooltip of the verse and oracle columns in a year whose Earth-Mother text
// is this program's own writing, so that nobody takes it for the 地母經 as
// printed almanacs carry it.
inline constexpr std::u16string_view kOwnEarthMotherTip = u"本年詩文為本程式擬作，非地母經原文";
inline constexpr std::u16string_view kOwnEarthMotherLine = u"本程式擬作";

struct YearlyNotesRecord {
  std::u16string caption;  // " 歲 時 記 事"
  // The lunar year of the selected date: its cycle place (1..60), pillar
  // ("丙戌") and number. The month page's lunar title names the year of the
  // month's first day instead, which after a new year inside the month is the
  // year before and would pair one year's pillar with the next year's god,
  // verses and ox.
  int yearPosition = 0;
  Pillar yearPillar;
  int lunarYear = 0;
  std::optional<Pillar> lichunDayPillar;  // of the 立春 day of the Gregorian year
  // False when a search found no day; the label then shows no number.
  bool complete = true;

  // Texts of the dialog template.
  SheetLabel yearGodTitle;                // "太歲 丙戌 年"
  SheetLabel yearGodName;                 // "太歲姓白名敏"
  std::array<SheetLabel, 8> cornerWords;  // by corner cell, 1201..1208

  // Labels created in code, in the order the sheet creates them.
  SheetLabel nayin, elements;
  SheetLabel yearDutyMansion, yearDutyLabel, secondMansion, secondLabel, meetLabel, branchPair, dayLabel, mansionPair,
      mansionLabel, hiddenLabel, goldLabel, yearLabel, virtueLabel, stemPair;
  SheetLabel earthMotherHeading, verseHeading, oracleHeading;
  std::array<SheetLabel, 4> verseLines;   // right to left
  std::array<SheetLabel, 3> oracleLines;  // right to left
  // The year's verse and oracle are our own writing, not the printed text;
  // their non-empty columns then carry kOwnEarthMotherTip.
  bool earthMotherIsOurs = false;
  SheetLabel directionLine;
  SheetLabel notesHeading;
  std::array<SheetLabel, 5> yearNotes;  // dragons, 辛, ox, silkworm maid, leaves
  // Heading, five ox columns, seven herdsman columns.
  std::array<SheetLabel, 13> springOx;
  SheetLabel climateHeading, climateLine;
  SheetLabel centreStar;
  // Steps 1..8 around the centre, each a colour cell then a number cell.
  std::array<SheetLabel, 16> starRing;
  // "日社", 春社, 秋社, "日伏三", 初伏, 中伏, 末伏, "雨 液 雨 霉", 入霉, 出霉, 入液, 出液.
  std::array<SheetLabel, 12> seasonalDays;

  // The template texts: the two year-god columns, then the corner words.
  std::array<const SheetLabel*, 10> TemplateTexts() const;
  // "本程式擬作" under the verses in a year whose verse and oracle are ours,
  // so a screenshot or a print says it too, not only a tooltip.
  SheetLabel ownWritingLine;
  // All 78 labels in creation order.
  std::array<const SheetLabel*, 78> Labels() const;
};

// The sheet of the selected Gregorian date; nothing when that date does not
// convert.
std::optional<YearlyNotesRecord> BuildYearlyNotes(int year, int month, int day);

}  // namespace lunisol
