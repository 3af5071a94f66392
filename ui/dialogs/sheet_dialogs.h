// The modal sheets the frame and the page open. Each builds everything it
// shows from its inputs when it is made and keeps nothing after it closes.
#pragma once

#include <QDialog>
#include <memory>

#include "almanac/month.h"

namespace lunisol::ui {

// The date the sheets are asked for: the Gregorian day as the lists show it
// (it may not exist) and the hour of the hour list.
struct SheetSelection {
  int year = 0, month = 0, day = 0;
  int hourBranch = 0;  // the hour list's entry: 0 = 子 .. 11 = 亥, 12 = the late 子 hour
};

// The hour sheet of the selection's day on `page`, the month on show; null
// when the page has no column for the day.
std::unique_ptr<QDialog> MakeHourTableDialog(const MonthAlmanac& page, const SheetSelection& selection,
                                             QWidget* parent);
std::unique_ptr<QDialog> MakeYearlyNotesDialog(const SheetSelection& selection, QWidget* parent);
std::unique_ptr<QDialog> MakeZodiacFortuneDialog(const SheetSelection& selection, QWidget* parent);
std::unique_ptr<QDialog> MakeBoneWeighingDialog(const SheetSelection& selection, QWidget* parent);
std::unique_ptr<QDialog> MakeAboutDialog(QWidget* parent);

}  // namespace lunisol::ui
