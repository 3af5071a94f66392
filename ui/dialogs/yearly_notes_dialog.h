// The yearly notes sheet (歲時記事): what the almanac says about the whole
// year, around the picture of the silkworm house with the spring ox.
#pragma once

#include <QDialog>

#include "sheets/yearly_notes_model.h"

namespace lunisol::ui {

class CellSheet;

class YearlyNotesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit YearlyNotesDialog(const YearlyNotesRecord& record, QWidget* parent = nullptr);

  CellSheet* sheet() const { return sheet_; }

 private:
  CellSheet* sheet_ = nullptr;
};

}  // namespace lunisol::ui
