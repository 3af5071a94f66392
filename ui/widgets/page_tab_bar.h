// A row of trapezoid folder tabs hanging from a top line, driven by the
// mouse or, once it has the focus, by the arrow keys; tells its owner when
// the user picks another tab.
#pragma once

#include <QFont>
#include <QPolygon>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace lunisol::ui {

class PageTabBar : public QWidget {
  Q_OBJECT

 public:
  struct Tab {
    QString text;
    QRect rect;
    QPolygon region;  // the trapezoid, for hit testing
  };

  // `styleFlags` bit 0: a full border around the control.
  explicit PageTabBar(QWidget* parent = nullptr, unsigned styleFlags = 0);

  // One tab per caption, then lays them out. Returns false and adds nothing
  // for an empty list.
  bool setTabs(const QStringList& captions);
  // Appends a tab without laying out; returns its index.
  int addTab(const QString& caption);
  void layoutTabs();
  const Tab* tab(int index) const;
  int count() const { return static_cast<int>(tabs_.size()); }
  // Selects without notifying; −1 for an index out of range.
  int setCurrentIndex(int index);
  int currentIndex() const { return selected_; }
  // The first tab in list order whose trapezoid holds the point, or −1.
  int tabAt(const QPoint& pos) const;
  unsigned styleFlags() const { return styleFlags_; }
  // One horizontal scroll bar tall, as the tabs are.
  static int tabHeight();

  QSize sizeHint() const override;

 signals:
  // The user clicked a tab other than the selected one (code 1).
  void currentChanged(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int drawTab(QPainter& p, const Tab& tab, bool selected);
  // Selects `index` as the user's choice.
  void choose(int index);

  std::vector<Tab> tabs_;
  unsigned styleFlags_ = 0;
  int selected_ = 0;
  int rightEdge_ = 0;
  QFont normalFont_, boldFont_;
};

// The trapezoid of a tab rectangle: long side on the top line.
QPolygon TabTrapezoid(const QRect& r);

}  // namespace lunisol::ui
