// What the sheet dialogs share: the sheet laid over a dialog's client area
// and the turning of a record's labels into painted cells at the places
// their layout table gives. A dialog class then only says which record goes
// with which table.
#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <array>

#include "layout/backdrop_layout.h"
#include "layout/dialog_units.h"
#include "sheets/sheet_label.h"
#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

// Every sheet dialog and its statics sit on this.
inline const QColor kSheetDialogBackground(255, 250, 250);

// Gives `dialog` a fixed client of `client` pixels on the dialogs'
// background, its caption and its icon.
void SetUpSheetDialog(QDialog& dialog, QSize client, const QString& caption, const QString& icon);
// The same, and fills the client with a sheet over a backdrop in `mode`.
CellSheet* AddSheet(QDialog& dialog, QSize client, BackdropMode mode, const QString& caption, const QString& icon);

// The client size of a "System" 10-point template.
inline QSize TemplateSize(const UnitRect& size) { return ToQSize(kSystem10Units.rect(size).size()); }

// What `label` says, at `rect`.
Cell SheetCell(const SheetLabel& label, const Rect& rect);
// Adds the record's labels, each at the rectangle its layout table lists in
// the same place; returns the index of the first.
template <size_t N>
int AddSheetCells(CellSheet& sheet, const std::array<const SheetLabel*, N>& labels, const std::array<Rect, N>& rects) {
  const int first = static_cast<int>(sheet.cells().size());
  for (size_t i = 0; i < N; ++i) sheet.addCell(SheetCell(*labels[i], rects[i]));
  return first;
}

}  // namespace lunisol::ui
