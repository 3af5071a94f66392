// The modal sheets the frame and the page open. Each builds everything it
// shows from its inputs when it is made and keeps nothing after it closes.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <string>

#include "sheets/hour_table_model.h"

namespace lunisol::ui {

// The date selection and the page texts a sheet may need.
struct SheetSelection {
  int year = 0, month = 0, day = 0;  // as the lists show them; the day may not exist
  int hourBranch = 0;                // 0 = 子
  QString yearText;                  // the year list's text
  QString lunarTitle;                // the page's lunar title
};

std::unique_ptr<QDialog> MakeHourTableDialog(const HourTableInputs& texts, QWidget* parent);
std::unique_ptr<QDialog> MakeYearlyNotesDialog(const SheetSelection& selection, QWidget* parent);
std::unique_ptr<QDialog> MakeZodiacFortuneDialog(const SheetSelection& selection, QWidget* parent);
std::unique_ptr<QDialog> MakeBoneWeighingDialog(const SheetSelection& selection, QWidget* parent);
std::unique_ptr<QDialog> MakeAboutDialog(QWidget* parent);

}  // namespace lunisol::ui
