// The day nine star (日家九星): how a day's star is found, what it is called
// and the colour its cell is drawn in, all in one place.
//
// The stars run in stretches from six 甲子 "turning" days a year: upwards
// (陽遁) from 一白, 七赤 and 四綠 after 冬至, downwards (陰遁) from 九紫, 三碧
// and 六白 after 夏至. A run goes on from its 甲子 up to the term that closes
// it (雨水, 穀雨, 夏至, 處暑, 霜降, 冬至); the days from that term up to the
// next 甲子 are counted back from the star fixed for the day before it. A
// year's stars are one table (almanac/year_data.h keeps it with the year).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "almanac/colour.h"
#include "almanac/lookups.h"

namespace lunisol {

// Index = star 1..9 (slot 0 empty); written right to left ("白一").
extern const std::array<std::u16string_view, 10> kNineStarNames;
extern const std::array<Colour, 10> kNineStarColours;

// By day of the year − 1: the day's star 1..9, 0 where it is not known.
using NineStarTable = std::array<int8_t, 366>;

// The stars of every day of a Gregorian year.
NineStarTable NineStarsOfYear(int year);

// The upward run that begins after 冬至: the day of December of its 甲子
// (found), or, in a year whose December has none after 冬至, the star of
// 1 January of the next year (not found).
struct DecemberMarker {
  int value = -1;  // −1: not known
  bool found = false;
};
DecemberMarker FindDecemberMarker(int year);
// The stars of 1 January .. the end of month lastMonth; the days after 冬至
// only when the marker is known.
NineStarTable ComputeNineStars(int year, int lastMonth, DecemberMarker marker);

// The star's cell: its name in its colour. A day the table has not reached
// shows its bare number in the colour of the cell before it.
ColouredText NineStarCell(int star, Colour dayBeforeColour);

}  // namespace lunisol
