#include "ui/widgets/page_tab_bar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "ui/widgets/page_font.h"

namespace lunisol::ui {
namespace {

const QColor kFace(212, 208, 200);
const QColor kShadow(128, 128, 128);

}  // namespace

QPolygon TabTrapezoid(const QRect& r) {
  const int right = r.right() + 1, bottom = r.bottom() + 1;
  return QPolygon(
      {QPoint(r.left(), r.top()), QPoint(r.left() + 8, bottom), QPoint(right - 9, bottom), QPoint(right - 1, r.top())});
}

int PageTabBar::tabHeight() {
  // The tabs were drawn for the classic 17-pixel scroll bar; thinner modern
  // bars would squeeze the captions below legibility.
  return std::max(17, QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

PageTabBar::PageTabBar(QWidget* parent, unsigned styleFlags) : QWidget(parent), styleFlags_(styleFlags) {
  normalFont_ = MakePageFont(QString::fromLatin1(kTabFace), tabHeight() - 1).font;
  // The tabs are a sans-serif face's; the page font's list holds serif ones.
  normalFont_.setFamilies(
      {QString::fromLatin1(kTabFace), QStringLiteral("Noto Sans CJK TC"), QStringLiteral("AR PL UMing TW")});
  normalFont_.setStyleHint(QFont::SansSerif);
  boldFont_ = normalFont_;
  boldFont_.setWeight(QFont::Bold);
  setFixedHeight(tabHeight());
  setAutoFillBackground(false);
  setFocusPolicy(Qt::TabFocus);
}

bool PageTabBar::setTabs(const QStringList& captions) {
  if (captions.isEmpty()) return false;
  for (const QString& caption : captions) addTab(caption);
  layoutTabs();
  return true;
}

int PageTabBar::addTab(const QString& caption) {
  tabs_.push_back({caption, {}, {}});
  return count() - 1;
}

void PageTabBar::layoutTabs() {
  const QFontMetrics fm(normalFont_);
  int x = 0;
  for (Tab& tab : tabs_) {
    const int width = fm.horizontalAdvance(tab.text) + 20;  // ten pixels of margin each side
    tab.rect = QRect(x, 0, width, tabHeight());
    tab.region = TabTrapezoid(tab.rect);
    x += width - 8;  // neighbours overlap by eight pixels
  }
  rightEdge_ = tabs_.empty() ? 0 : tabs_.back().rect.right() + 1;
  updateGeometry();
  update();
}

const PageTabBar::Tab* PageTabBar::tab(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return &tabs_[index];
}

int PageTabBar::setCurrentIndex(int index) {
  if (index < 0 || index >= count()) return -1;
  if (index != selected_) {
    if (const Tab* old = tab(selected_)) update(old->rect);
    selected_ = index;
    update(tabs_[index].rect);
    update(QRect(0, 0, width(), 1));  // the break in the top line moves
    setAccessibleDescription(tabs_[index].text);
  }
  return selected_;
}

int PageTabBar::tabAt(const QPoint& pos) const {
  if (!rect().contains(pos)) return -1;
  for (int i = 0; i < count(); ++i) {
    if (tabs_[i].region.containsPoint(pos, Qt::WindingFill)) return i;
  }
  return -1;
}

QSize PageTabBar::sizeHint() const { return QSize(std::max(rightEdge_, 150), tabHeight()); }

int PageTabBar::drawTab(QPainter& p, const Tab& tab, bool selected) {
  const QColor background = selected ? QColor(Qt::white) : kFace;
  p.setPen(Qt::NoPen);
  p.setBrush(background);
  p.drawPolygon(tab.region);
  QPolygon pts = tab.region;
  for (int i = 1; i < 4; ++i) pts[i].ry() -= 1;
  p.setBrush(Qt::NoBrush);
  p.setPen(Qt::black);
  p.drawLine(pts[0], pts[1]);
  p.setPen(kShadow);
  p.drawLine(pts[1], pts[2]);
  p.setPen(Qt::black);
  p.drawLine(pts[2], pts[3]);
  if (!selected) {
    p.setPen(kShadow);
    p.drawLine(pts[2].x() - 1, pts[2].y(), pts[3].x() - 1, pts[3].y());
  }
  p.setFont(selected ? boldFont_ : normalFont_);
  p.setPen(Qt::black);
  const QRect text = tab.rect.adjusted(10, 1, -10, -1);
  p.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, tab.text);
  if (selected && hasFocus()) {
    // The keyboard's mark around the chosen tab's caption.
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(text.adjusted(-3, 0, 2, -1));
  }
  return tab.rect.right() + 1;
}

void PageTabBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect client = rect();
  p.fillRect(client, kFace);
  for (int i = 0; i < count(); ++i) {
    if (i == selected_) continue;
    if (drawTab(p, tabs_[i], false) > client.right() + 1) break;
  }
  const Tab* sel = tab(selected_);
  if (sel) drawTab(p, *sel, true);
  // The top line, broken under the selected tab, which lies in front.
  p.setPen(Qt::black);
  const int r = client.right(), b = client.bottom();
  const int breakRight = sel ? sel->rect.right() : 0;
  const int breakLeft = sel ? sel->rect.left() : 0;
  p.drawLine(breakRight, 0, r, 0);
  if (styleFlags_ & 1u) {
    p.drawLine(r, 0, r, b);
    p.drawLine(r, b, 0, b);
    p.drawLine(0, b, 0, 0);
  }
  if (breakLeft > 0) p.drawLine(0, 0, breakLeft, 0);
}

void PageTabBar::choose(int index) {
  if (index < 0 || index >= count() || index == selected_) return;
  setCurrentIndex(index);
  emit currentChanged(index);
}

void PageTabBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  choose(tabAt(event->position().toPoint()));
}

void PageTabBar::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      choose(selected_ - 1);
      break;
    case Qt::Key_Right:
      choose(selected_ + 1);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
}

void PageTabBar::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void PageTabBar::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace lunisol::ui
