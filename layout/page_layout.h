// Where every cell of the almanac page sits for a given screen, as pure
// functions of the screen's width and height, so any screen can be tested.
#pragma once

#include <array>

#include "almanac/month.h"
#include "layout/backdrop_layout.h"
#include "layout/rect.h"

namespace lunisol {

// The rows of a day column, in the order the page creates them.
enum class PageRow {
  kOfficer,
  kNineStar,
  kNaYin,
  kMansion,
  kDayPillar,
  kLunarDay,
  kDayNumber,
  kWeekdayHeading,
  kWeekday,
  kClash,
  kYearSha,
  kNoteA,
  kNoteB,
  kWarningC,
  kWarningD,
  kLuckyHoursFirst,
  kLuckyHoursSecond,
  kJoyGod,
  kWealthGod,
  kFetusGodPlace,
  kFetusGodDirection,
  kHexagramPair,
  kHexagramName,
  kDayCode,
};
inline constexpr int kPageRowCount = 24;
inline constexpr int kDayColumns = 33;   // elements 0..32, rightmost first
inline constexpr int kLabelColumn = 33;  // mouse column of the label column

// How a row follows the bottom shift Z (the lower rows' move on a taller or
// lower layout than 768).
enum class RowShift {
  kStays,  // the upper rows
  kMoves,  // the lower rows: both edges move by Z
  kGives,  // the tall warning notes: their foot rises with the lower rows on
           // a lower layout, so they give up height and no row is lost
};

struct PageRowPlace {
  PageRow row;
  int x0, x1;  // relative to the column anchor W
  int y0, y1;  // page pixels
  RowShift shift;
  const char16_t* initialText;
  CellText DayAlmanacRecord::*field;  // null for the weekday heading
};
// One row per line of the page's layout table, same order, same numbers.
extern const std::array<PageRowPlace, kPageRowCount> kPageRows;

struct LabelCellPlace {
  bool right;  // right sub-column R..R+13, else R−13..R
  int y0, y1;  // before the bottom shift
  const char16_t* text;
  Colour colour;
};
extern const std::array<LabelCellPlace, 8> kLabelCells;

struct PageGeometry {
  int cx = 1024, cy = 768;
  int storedHeight = 768;  // 1020 on an 800-wide screen
  int columnWidth = 30;
  int leftOffset = 0;
  int bottomShift = 0;  // Z
  int frameBottom = 678;
  int labelRight = 1005;      // R
  int gregorianTitleX = 995;  // T
  int lunarTitleX = 992;      // L

  // Column anchor W of element e (0 = rightmost day column).
  int anchor(int e) const;
  Rect cellRect(const PageRowPlace& layout, int e) const;
  Rect labelCellRect(const LabelCellPlace& layout) const;
  // How far the notes that give up height rise on a lower layout (≤ 0).
  int givenHeight() const { return bottomShift < 0 ? bottomShift : 0; }
  Rect gregorianTitleRect() const;
  Rect lunarTitleRect() const;
  Rect proverbRect() const;
  // Mouse column 0..33 counted from the left, or −1 outside the columns.
  int columnAt(int x) const;
  // The hover mark around mouse column c (empty for the label column).
  Rect highlightRect(int c) const;
  // The solar-term panel over a term column whose weekday heading is `heading`.
  Rect termPanelRect(const Rect& heading) const;
  // The scrolled sheet: the whole page including its lowest frames.
  Size sheetSize() const;
  Rect backdropRect() const;
};

PageGeometry PageGeometryFor(int cx, int cy);

// The height to lay the page out for on a screen of `screen`: the screen's
// (768 at least), unless the window's page area is lower, in which case the
// tallest layout whose whole page fits that area, so the lower rows move up
// instead of hiding below the window's edge. Below 768 the warning notes give
// up height (see RowShift::kGives) down to kLowestPageLayoutHeight; a page
// area lower than that cannot hold the page anyway, which then keeps the 768
// layout, every note whole, and scrolls. The 800-wide screen keeps its own
// tall layout, which scrolls.
int PageLayoutHeight(Size screen, int pageAreaHeight);

}  // namespace lunisol
