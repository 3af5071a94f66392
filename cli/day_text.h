// lunisol-cli day --text: a day as the almanac's day sheet says it, in lines
// of text for a reader at a terminal rather than JSON.
#pragma once

#include <string>

namespace lunisol::cli {

// The day's dates, 值神, 建除, 吉神 and 凶煞, the almanac's 宜 and 忌 (諸事不宜,
// 餘事勿取), 沖煞, 彭祖百忌 and the folk marks, a label a line, lines folded
// to 80 columns; empty for a date outside 1900..2100.
std::string DayText(int year, int month, int day);

}  // namespace lunisol::cli
