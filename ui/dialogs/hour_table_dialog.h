// The hour sheet of one day (當日時辰吉課): the twelve double hours with their
// pillars, spirits, god directions and clashes, and the day's dates and notes
// in the label column at the right.
#pragma once

#include <QDialog>

#include "sheets/hour_table_model.h"

namespace lunisol::ui {

class CellSheet;

class HourTableDialog : public QDialog {
  Q_OBJECT

 public:
  explicit HourTableDialog(const HourTableRecord& record, QWidget* parent = nullptr);

  CellSheet* sheet() const { return sheet_; }
  // The column the pointer last crossed, counted from the left (0..12).
  int hoveredColumn() const { return hoveredColumn_; }

 private:
  void hover(QPoint pos);

  CellSheet* sheet_ = nullptr;
  int hoveredColumn_ = 0;
};

}  // namespace lunisol::ui
