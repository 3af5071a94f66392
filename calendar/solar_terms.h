// Queries over the solar-term tables.
#pragma once

#include <array>
#include <string_view>

#include "calendar/state.h"

namespace lunisol {

extern const std::array<std::u16string_view, 24> kSolarTermDescriptions;

// Index 0..23 of the term beginning on that day, else −1; records a hit in
// state.lastTermIndex.
int SolarTermOnDay(CalendarState& state, int year, int month, int day);
// The month's two terms; the caller presets firstDay to −1.
void MonthSolarTerms(CalendarState& state, int year, int month, int& firstDay, int& secondDay, int& firstIndex,
                     int& secondIndex);
// Date of the named term in the year; sets state.lichunDayPillar for 立春.
bool FindSolarTermDate(CalendarState& state, int year, std::u16string_view name, int& outYear, int& outMonth,
                       int& outDay);
// "hhmm" at which the term begins; empty outside 1900..2100.
std::u16string_view SolarTermTime(int year, int termIndex);
// Lunar date of the day n − 1 days after the named term's day; out is left
// unchanged for n ≤ 0 or an unknown term.
void LunarDateAfterTerm(CalendarState& state, int year, std::u16string_view name, int n, LunarTriple& out);
// Fills state.qiWangWangDays for the year.
void ComputeWangwangDays(CalendarState& state, int year);
// Index of a term name, or −1.
int SolarTermIndex(std::u16string_view name);

}  // namespace lunisol
