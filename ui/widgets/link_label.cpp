#include "ui/widgets/link_label.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>

#include "ui/widgets/contrast.h"

namespace lunisol::ui {

const QColor LinkLabel::kUnvisited(0, 0, 255);
const QColor LinkLabel::kVisited(128, 0, 128);

QString LinkTarget(const QString& link) {
  // A second click must not stack a second "mailto:" on the stored link.
  if (link.contains(QStringLiteral("http")) || link.startsWith(QStringLiteral("mailto:"))) return link;
  return QStringLiteral("mailto:") + link;
}

LinkLabel::LinkLabel(const QString& text, const QString& link, QWidget* parent)
    : QLabel(text, parent), link_(link), opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  setCursor(Qt::PointingHandCursor);
  applyColour();
}

void LinkLabel::applyColour() {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, InkOn(visited_ ? kVisited : kUnvisited, pal.color(QPalette::Window)));
  setPalette(pal);
}

bool LinkLabel::open() {
  if (link_.isEmpty()) link_ = text();
  if (link_.isEmpty()) return false;
  link_ = LinkTarget(link_);
  if (!opener_(QUrl(link_))) {
    QApplication::beep();
    QMessageBox::critical(window(), QStringLiteral("Error!"),
                          QStringLiteral("Unable to navigate link %1\n").arg(link_));
    return false;
  }
  visited_ = true;
  applyColour();
  return true;
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) open();
}

}  // namespace lunisol::ui
