#include "ui/dialogs/sheet_cells.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

namespace lunisol::ui {

void SetUpSheetDialog(QDialog& dialog, QSize client, const QString& caption, const QString& icon) {
  dialog.setWindowTitle(caption);
  dialog.setWindowIcon(QIcon(icon));
  dialog.setFixedSize(client);
  // Read-only edits show the dialog's brush too, as the statics do.
  QPalette pal = dialog.palette();
  pal.setColor(QPalette::Window, kSheetDialogBackground);
  pal.setColor(QPalette::Base, kSheetDialogBackground);
  dialog.setPalette(pal);
  dialog.setAutoFillBackground(true);
}

CellSheet* AddSheet(QDialog& dialog, QSize client, BackdropMode mode, const QString& caption, const QString& icon) {
  SetUpSheetDialog(dialog, client, caption, icon);

  auto* sheet = new CellSheet(&dialog);
  sheet->setBackground(kSheetDialogBackground);
  // The dialogs' layouts do not follow the screen; the backdrop only wants
  // one to measure the page's layout, which these modes do not use.
  const QScreen* screen = QGuiApplication::primaryScreen();
  sheet->setBackdrop(std::make_unique<RuledBackdrop>(mode, screen ? screen->availableSize() : QSize(1024, 768)),
                     ToQRect(kSheetBackdropRect));
  sheet->setGeometry(QRect(QPoint(0, 0), client));
  return sheet;
}

Cell SheetCell(const SheetLabel& label, const Rect& rect) {
  Cell c;
  c.rect = ToQRect(rect);
  c.text = ToQString(label.text);
  c.colour = ToQColor(label.colour);
  c.tooltip = ToQString(label.tooltip);
  return c;
}

}  // namespace lunisol::ui
