// What the sheet dialogs share: the sheet laid over a dialog's client area
// and the turning of a record's labels into painted cells. A dialog class
// then only says which record goes where.
#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>

#include "layout/dialog_units.h"
#include "sheets/yearly_notes_model.h"
#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

// Every sheet dialog and its statics sit on this.
inline const QColor kSheetDialogBackground(255, 250, 250);

// Where every sheet's backdrop window lies, whatever the dialog's size.
inline constexpr QRect kSheetBackdropBounds = Ltrb(0, 0, 1024, 637);

// Gives `dialog` a fixed client of `client` pixels on the dialogs'
// background, its caption and its icon.
void SetUpSheetDialog(QDialog& dialog, QSize client, const QString& caption, const QString& icon);
// The same, and fills the client with a sheet over a backdrop in `mode`.
CellSheet* AddSheet(QDialog& dialog, QSize client, BackdropMode mode, const QString& caption, const QString& icon);

inline QRect PixelRect(const SheetRect& r) { return Ltrb(r.left, r.top, r.right, r.bottom); }

// A label created in code, at its pixel rectangle.
Cell LabelCell(const SheetLabel& label);
// A one-line or one-column static of a "System" 10-point template.
Cell TemplateCell(int x, int y, int width, int height, std::u16string_view text);

}  // namespace lunisol::ui
