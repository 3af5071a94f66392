// The day nine star (日家九星): how a day's star is found, what it is called
// and the colour its cell is drawn in, all in one place.
//
// The stars run in stretches from six 甲子 "turning" days a year: upwards
// (陽遁) from 一白, 七赤 and 四綠 after 冬至, downwards (陰遁) from 九紫, 三碧
// and 六白 after 夏至. A run goes on from its 甲子 up to the term that closes
// it (雨水, 穀雨, 夏至, 處暑, 霜降, 冬至); the days from that term up to the
// next 甲子 are counted back from the star fixed for the day before it. The
// stars are kept per year in CalendarState::nineStarTable, which the year
// choice fills (almanac/year_data.h) and the month page reads.
#pragma once

#include <array>
#include <string_view>

#include "almanac/colour.h"
#include "almanac/lookups.h"
#include "calendar/state.h"

namespace lunisol {

// Index = star 1..9 (slot 0 empty); written right to left ("白一").
extern const std::array<std::u16string_view, 10> kNineStarNames;
extern const std::array<Colour, 10> kNineStarColours;

// The year's table as the page of `monthShown` needs it: the December marker
// is looked up for December only (for any other month the days after 冬至
// stay 0), then the table is cleared and filled for all twelve months.
void FillNineStarTable(CalendarState& state, int year, int monthShown);
// Fills state.nineStarTable for 1 January .. end of month lastMonth of the
// year; the caller clears the table first. The days after 冬至 are filled
// only when state.decemberMarker is set.
void ComputeNineStars(CalendarState& state, int year, int lastMonth);
// Sets state.decemberMarker and decemberMarkerFound for the year (may use
// the table as scratch: the caller clears it and recomputes afterwards).
void FindDecemberMarker(CalendarState& state, int year);

// The day's star from the year's table: 1..9, 0 = not computed.
int NineStarOfDay(const CalendarState& state, int year, int month, int day);
// The star's cell: its name in its colour. A day the table has not reached
// shows its bare number in the colour of the cell before it.
ColouredText NineStarCell(int star, Colour dayBeforeColour);

}  // namespace lunisol
