// The natal chart's sheet: the cells of the twelve boxes and the centre, and
// over them what cells cannot draw: the lines of a picked palace's 三方四正,
// the arrows of its stem's four transformations (飛星), and the outlines of
// the 大限 and 流年 marks and of the stars a palace transforms itself (自化).
// The same painting serves the screen, the printer and the exported files.
// Also the palace keys: one focusable, clickable button over each box's
// names that draws nothing but its focus.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <array>
#include <vector>

#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

// An outline drawn round a cell: a square round a 大限 mark, a circle round
// a 流年 mark, a dashed frame round a star its own palace transforms.
struct MarkOutline {
  enum class Shape : uint8_t { kSquare, kCircle, kDashed };
  QRect rect;
  QColor colour;
  Shape shape = Shape::kSquare;
};

// One transformation flying from the picked palace: where it lands and the
// mark it carries.
struct FlightArrow {
  int toBranch = 0;
  QColor colour;
  QString label;  // 祿, 權, 科 or 忌
};

class NatalChartSheet : public CellSheet {
  Q_OBJECT

 public:
  explicit NatalChartSheet(QWidget* parent = nullptr);

  // The picked palace's branch (−1: none) and its flights.
  void setPicked(int branch, std::vector<FlightArrow> flights);
  int pickedBranch() const { return picked_; }
  const std::vector<FlightArrow>& flights() const { return flights_; }
  void setOutlines(std::vector<MarkOutline> outlines);
  const std::vector<MarkOutline>& outlines() const { return outlines_; }

  // The whole chart in layout pixels: cells, frames and everything above,
  // without the hover mark or any widget.
  void paintChart(QPainter& p);

  static const QColor kReadWithLine;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintOverlay(QPainter& p) const;
  void paintReadWith(QPainter& p) const;
  void paintFlight(QPainter& p, const FlightArrow& f, int index) const;
  void paintSelfFlight(QPainter& p, const FlightArrow& f, int index) const;

  int picked_ = -1;
  std::vector<FlightArrow> flights_;
  std::vector<MarkOutline> outlines_;
};

// The key over a box's palace names: it takes the focus and the clicks of
// its palace and paints only the focus frame, so the names under it show.
class PalaceKey : public QAbstractButton {
  Q_OBJECT

 public:
  explicit PalaceKey(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace lunisol::ui
