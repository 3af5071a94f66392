#include "ui/dialogs/sheet_cells.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTreeView>

#include "ui/widgets/page_tab_bar.h"

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

namespace {

QRect Scaled(const QRect& r, qreal zoom) {
  return QRectF(r.x() * zoom, r.y() * zoom, r.width() * zoom, r.height() * zoom).toAlignedRect();
}

}  // namespace

void ZoomLaidOutDialog(QDialog& dialog, qreal zoom) {
  if (zoom == 1) return;
  QFont f = dialog.font();
  if (f.pixelSize() > 0)
    f.setPixelSize(qRound(f.pixelSize() * zoom));
  else
    f.setPointSizeF(f.pointSizeF() * zoom);
  dialog.setFont(f);
  // Lists measured their columns for the smaller print.
  for (QTreeView* list : dialog.findChildren<QTreeView*>())
    for (int c = 0; c + 1 < list->model()->columnCount(); ++c) list->resizeColumnToContents(c);
  dialog.resize((QSizeF(dialog.size()) * zoom).toSize());
}

void ZoomSheetDialog(QDialog& dialog, qreal zoom) {
  if (zoom == 1) return;
  const QSize client = dialog.size();
  for (QWidget* w : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (auto* sheet = qobject_cast<CellSheet*>(w)) {
      sheet->setZoom(zoom);
      sheet->setGeometry(Scaled(sheet->geometry(), zoom));
    } else if (qobject_cast<PageTabBar*>(w)) {
      // Tabs are controls, not text to read: they keep their size along
      // the dialog's foot.
      const QRect r = w->geometry();
      w->move(qRound(r.x() * zoom), qRound(client.height() * zoom) - (client.height() - r.y()));
    } else {
      w->setGeometry(Scaled(w->geometry(), zoom));
      QFont f = w->font();
      if (f.pixelSize() > 0)
        f.setPixelSize(qRound(f.pixelSize() * zoom));
      else
        f.setPointSizeF(f.pointSizeF() * zoom);
      w->setFont(f);
    }
  }
  dialog.setFixedSize((QSizeF(client) * zoom).toSize());
}

}  // namespace lunisol::ui
