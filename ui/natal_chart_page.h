// The second page: a fixed natal-chart (紫微斗數) form with sample texts,
// twelve palace boxes and their buttons. It has no behaviour of its own.
#pragma once

#include <QLabel>
#include <QScrollArea>
#include <array>

namespace lunisol::ui {

class NatalChartPage : public QScrollArea {
  Q_OBJECT

 public:
  explicit NatalChartPage(QWidget* parent = nullptr);
  // The five labels the form binds as coloured labels (1180, 1179, 1178,
  // 1165, 1177).
  QLabel* colouredLabel(int i) const { return coloured_.at(i); }
  QWidget* form() const { return widget(); }

 private:
  std::array<QLabel*, 5> coloured_{};
};

}  // namespace lunisol::ui
