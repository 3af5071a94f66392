#include "ui/dialogs/dialog_fit.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLayout>
#include <QScrollArea>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/page_tab_bar.h"

namespace lunisol::ui {
namespace {

constexpr char kFootProperty[] = "lunisolDialogFoot";

QRect Scaled(const QRect& r, qreal zoom) {
  return QRectF(r.x() * zoom, r.y() * zoom, r.width() * zoom, r.height() * zoom).toAlignedRect();
}

void ScaleFont(QWidget& w, qreal zoom) {
  QFont f = w.font();
  if (f.pixelSize() > 0)
    f.setPixelSize(qRound(f.pixelSize() * zoom));
  else
    f.setPointSizeF(f.pointSizeF() * zoom);
  w.setFont(f);
}

void ZoomLaidOutDialog(QDialog& dialog, qreal zoom) {
  const bool sized = dialog.testAttribute(Qt::WA_Resized);
  const QSize before = dialog.size();
  ScaleFont(dialog, zoom);
  // Lists measured their columns for the smaller print.
  for (QTreeView* list : dialog.findChildren<QTreeView*>())
    for (int c = 0; c + 1 < list->model()->columnCount(); ++c) list->resizeColumnToContents(c);
  // A dialog given a size grows with the print; one that takes its size
  // hint takes the larger hint.
  dialog.resize(sized ? (QSizeF(before) * zoom).toSize() : dialog.sizeHint());
}

void ZoomFixedDialog(QDialog& dialog, qreal zoom) {
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
      ScaleFont(*w, zoom);
    }
  }
  dialog.setFixedSize((QSizeF(client) * zoom).toSize());
}

QWidget* FootOf(QDialog& dialog) {
  for (QWidget* w : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (w->property(kFootProperty).toBool()) return w;
  return dialog.findChild<QDialogButtonBox*>();
}

// Takes `w` out of `layout` or of whichever layout inside it holds it.
bool TakeOut(QLayout* layout, QWidget* w) {
  if (layout->indexOf(w) >= 0) {
    layout->removeWidget(w);
    return true;
  }
  for (int i = 0; i < layout->count(); ++i)
    if (QLayout* inner = layout->itemAt(i)->layout(); inner && TakeOut(inner, w)) return true;
  return false;
}

QScrollArea* NewScroller(QDialog& dialog, QWidget* content) {
  auto* scroller = new QScrollArea(&dialog);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setBackgroundRole(QPalette::Window);
  content->setAutoFillBackground(true);
  content->setPalette(dialog.palette());
  scroller->setWidget(content);
  return scroller;
}

// A dialog whose controls sit at fixed places: they move onto a content
// widget of the dialog's old size inside a scroller; the foot stays a child
// of the dialog, along its new bottom.
void ScrollFixedDialog(QDialog& dialog, QSize room) {
  const QSize full = dialog.size();
  QWidget* foot = FootOf(dialog);
  const int footHeight = foot ? full.height() - foot->y() : 0;
  auto* content = new QWidget;
  content->resize(full.width(), full.height() - footHeight);
  for (QWidget* w : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (w == foot || w->isWindow()) continue;
    const bool shown = !w->isHidden();
    const QRect place = w->geometry();
    w->setParent(content);
    w->setGeometry(place);
    if (shown) w->show();
  }
  const QSize size = full.boundedTo(room);
  NewScroller(dialog, content)->setGeometry(0, 0, size.width(), size.height() - footHeight);
  if (foot) foot->setGeometry(foot->x(), size.height() - footHeight, size.width() - foot->x(), foot->height());
  dialog.setFixedSize(size);
}

// A dialog laid out by Qt layouts: its layout moves onto a content widget
// inside a scroller, and a new layout stacks the scroller over the foot.
void ScrollLaidOutDialog(QDialog& dialog, QSize room) {
  const QSize wanted = dialog.size();
  QWidget* foot = FootOf(dialog);
  if (foot && !TakeOut(dialog.layout(), foot)) foot = nullptr;
  auto* content = new QWidget;
  content->setLayout(dialog.layout());  // the layout and its widgets move along
  QScrollArea* scroller = NewScroller(dialog, content);
  scroller->setWidgetResizable(true);
  auto* outer = new QVBoxLayout(&dialog);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroller, 1);
  if (foot) {
    outer->addWidget(foot);
    foot->setContentsMargins(9, 0, 9, 9);
  }
  dialog.resize(wanted.boundedTo(room));
}

}  // namespace

void MarkDialogFoot(QWidget& foot) { foot.setProperty(kFootProperty, true); }

void ZoomDialog(QDialog& dialog, qreal zoom) {
  if (zoom == 1) return;
  if (dialog.layout())
    ZoomLaidOutDialog(dialog, zoom);
  else
    ZoomFixedDialog(dialog, zoom);
}

void FitDialogToArea(QDialog& dialog, QSize workArea) {
  const QSize room = (workArea - kWindowFrame).expandedTo(QSize(200, 150));
  if (!dialog.layout()) {
    if (dialog.width() > room.width() || dialog.height() > room.height()) ScrollFixedDialog(dialog, room);
    return;
  }
  // A dialog nobody sized yet would open at its size hint.
  if (!dialog.testAttribute(Qt::WA_Resized)) dialog.resize(dialog.sizeHint());
  const QSize least = dialog.minimumSizeHint();
  if (least.width() > room.width() || least.height() > room.height()) {
    ScrollLaidOutDialog(dialog, room);
    return;
  }
  dialog.resize(dialog.size().boundedTo(room));
}

void PresentDialog(QDialog& dialog, qreal zoom, QSize workArea) {
  ZoomDialog(dialog, zoom);
  if (workArea.isValid()) FitDialogToArea(dialog, workArea);
}

}  // namespace lunisol::ui
