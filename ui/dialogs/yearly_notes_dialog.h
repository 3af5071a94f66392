// The yearly notes sheet (歲時記事): what the almanac says about the whole
// year, around the picture of the silkworm house with the spring ox.
#pragma once

#include <QDialog>
#include <optional>

#include "sheets/yearly_notes_model.h"

namespace lunisol::ui {

class CellSheet;

class YearlyNotesDialog : public QDialog {
  Q_OBJECT

 public:
  YearlyNotesDialog(const YearlyNotesRecord& record, QWidget* parent = nullptr);

  // The sheet of the selected Gregorian date, named by that date's own lunar
  // year; nothing for a date that does not convert.
  static std::optional<YearlyNotesRecord> recordOf(int year, int month, int day);

  CellSheet* sheet() const { return sheet_; }

 private:
  CellSheet* sheet_ = nullptr;
};

}  // namespace lunisol::ui
