// How the views word a day's 宜/忌 and spirits: names joined into lines, the
// page's tip of a day, the reasons of an item, the basis of an almanac word.
// Everything is read from the days layer's typed records; nothing here
// decides what a day suits.
#pragma once

#include <QString>
#include <array>

#include "almanac/month.h"
#include "days/almanac_list.h"
#include "days/day_lists.h"
#include "layout/page_layout.h"

namespace lunisol::ui {

// The spirits' names in table order, joined by `separator`.
QString SpiritNames(const SpiritSet& spirits, const QString& separator);
// "吉神", "凶煞" or "建除" for the kind of a spirit row.
QString SpiritKindText(SpiritId spirit);
// One line a spirit, "天德（吉神，卷五 4b）": what a reason is and where
// the book places it. (No blanks: a long tip is shown as rich text, which
// would fold a run of them into one.)
QString SpiritReasonLines(const SpiritSet& spirits);
// "明堂（黃道）".
QString DayGodText(int god, bool yellowPath);

// The day's folk marks ("楊公忌　三娘煞"), empty for none.
QString MarkNames(const AlmanacList& list);
// An almanac item's reasons in short: the spirits' names and the folk
// sources' short names ("天德 滿日 董公").
QString ItemReasonsShort(const AlmanacItem& item);
// "宜：入宅（與書中「移徙」同一宜忌，用事宜忌）" and each reason on a line of
// its own with its source.
QString AlmanacItemTip(bool ji, const AlmanacItem& item);
// Why a day is 諸事不宜: the book's spirits, or the folk marks that make it so.
QString AllBadReasonsShort(const DayLists& day, const AlmanacList& list);
QString AllBadTip(const DayLists& day, const AlmanacList& list);

// The page's tip of a day, from its almanac list: the marks on a line of
// their own, then "宜：祭祀、沐浴" (with "、餘事勿取" on a day that allows
// nothing else, "無" for none) and "忌：出行、安葬" ("忌：諸事不宜" on a day on
// which nothing is undertaken, which says only "諸事不宜" when nothing is
// 宜 either).
QString DayAdviceTip(const AlmanacList& list);

// The tip of each day column of an evaluated month (empty for the other
// columns), the columns in the page's order.
std::array<QString, kDayColumns> DayAdviceTips(const MonthAlmanac& month, int year, int monthNumber);

}  // namespace lunisol::ui
