// How the views word a day's 宜/忌 and spirits: names joined into lines, the
// page's tip of a day, the reasons of an item. Everything is read from the
// days layer's typed record; nothing here decides what a day suits.
#pragma once

#include <QString>
#include <array>

#include "almanac/month.h"
#include "days/day_lists.h"
#include "layout/page_layout.h"

namespace lunisol::ui {

// The spirits' names in table order, joined by `separator`.
QString SpiritNames(const SpiritSet& spirits, const QString& separator);
// The activities of a list, by the book's names, joined by "、".
QString ActivityNames(const std::array<ActivityVerdict, kActivityCount>& items, int count);
// "吉神", "凶煞" or "建除" for the kind of a spirit row.
QString SpiritKindText(SpiritId spirit);
// One line a spirit, "天德（吉神，卷五 4b）": what a reason is and where
// the book places it. (No blanks: a long tip is shown as rich text, which
// would fold a run of them into one.)
QString SpiritReasonLines(const SpiritSet& spirits);
// "明堂（黃道）".
QString DayGodText(int god, bool yellowPath);

// The page's tip of a day: "宜：祭祀、沐浴\n忌：出行、安葬", "無" for an
// empty list; "諸事不宜" on a day on which nothing is undertaken; on a day
// that forbids everything it does not note 宜, the 忌 line says 餘事勿取
// instead of naming the rest.
QString DayAdviceTip(const DayLists& day);

// The tip of each day column of an evaluated month (empty for the other
// columns), the columns in the page's order.
std::array<QString, kDayColumns> DayAdviceTips(const MonthAlmanac& month, int year, int monthNumber);

}  // namespace lunisol::ui
