// The yearly notes sheet (歲時記事): every label of the sheet with its text,
// colour and place, computed from the year pillar the page hands over and
// the selected date. The dialog only places the record; the spring-ox columns
// and the seasonal days come from spring_ox_model.h and seasonal_days_model.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "almanac/colour.h"

namespace lunisol {

// Pixels of the dialog's client area: left, top, right, bottom.
struct SheetRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const SheetRect&, const SheetRect&) = default;
};

// A label created in code: centred text in the page font; a label 12 to 18
// pixels wide shows one character per line.
struct SheetLabel {
  SheetLabel() = default;
  SheetLabel(SheetRect r, std::u16string t, Colour c = colours::kBlack) : rect(r), text(std::move(t)), colour(c) {}

  SheetRect rect;
  std::u16string text;
  Colour colour = colours::kBlack;
  std::u16string tooltip;  // empty: the label has none
};

// A text control of the sheet's dialog template, placed in dialog units.
// Width and height are 0 where the template sizes the cell by its one
// character.
struct TemplateText {
  int id = 0;
  int x = 0, y = 0, width = 0, height = 0;
  std::u16string text;
};

// --- Element and colour words ---------------------------------------------

struct ElementWords {
  char16_t element;  // 木 火 土 金 水
  char16_t colour;   // 青 紅 黃 白 黑
  friend bool operator==(const ElementWords&, const ElementWords&) = default;
};
// 甲乙寅卯 → 木 青; 丙丁巳午 → 火 紅; 庚辛申酉 → 金 白; 壬癸子亥 → 水 黑;
// any other character → 土 黃.
ElementWords StemBranchElement(char16_t c);
// 金 → 白, 木 → 青, 水 → 黑, 火 → 紅, 土 → 黃; empty for anything else.
std::u16string_view ElementColourWord(std::u16string_view element);
// Na Yin name of cycle place p (1..60); empty outside that range.
std::u16string_view NayinOfPosition(int p);

// --- Searches and small rules ----------------------------------------------

// Lunar day number of the first day from lunar year L's new year on (to the
// end of that Gregorian year) whose day stem is 辛 (wanted = 辛), whose day
// pillar's Na Yin is 木 (wanted = 木), or whose day branch is `wanted`.
// Nothing when no day matches or the new-year day cannot be found.
std::optional<int> FirstDayFromNewYear(int lunarYear, char16_t wanted);

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

struct YearlyNotesRecord {
  std::u16string caption;  // " 歲 時 記 事"
  // The lunar year of the selected date: its cycle place (1..60) and number.
  int yearPosition = 0;
  int lunarYear = 0;
  std::u16string lichunDayPillar;  // stem, branch of the 立春 day of the Gregorian year
  // False when a search found no day; the label then shows no number.
  bool complete = true;

  // Template controls (dialog units).
  TemplateText yearGodTitle;                // 1199 "太歲 丙戌 年"
  TemplateText yearGodName;                 // 1200 "太歲姓白名敏"
  std::array<TemplateText, 8> cornerWords;  // 1201..1208 in id order

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

  // All 77 labels in creation order.
  std::vector<const SheetLabel*> Labels() const;
};

// yearPillarText as the page hands it (" 丙戌 ": blank, stem, branch, blank);
// year, month, day: the selected Gregorian date. Nothing when that date does
// not convert.
// The year pillar to hand the sheet for a selected date: the lunar year of
// that date, " 丙戌 " style. The month page's lunar title names the year of
// the month's first day, which for a date after a new year that falls inside
// the month is the year before, and would pair one year's pillar with the
// next year's god, verses and ox; empty for a date that does not convert.
std::u16string YearPillarTextOfDate(int year, int month, int day);

std::optional<YearlyNotesRecord> BuildYearlyNotes(std::u16string_view yearPillarText, int year, int month, int day);

}  // namespace lunisol
