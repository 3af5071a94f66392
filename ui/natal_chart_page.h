// The second page: the natal chart (紫微斗數命盤) of the birth the date bar
// selects. Twelve framed boxes around a centre block, painted as cells of one
// sheet (layout/natal_chart_layout.h says where); the palace names are
// buttons that mark a palace with its 三方四正, and the centre holds a name
// field. The page places what the core computed and reads no text back.
#pragma once

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <array>

#include "layout/natal_chart_layout.h"
#include "natal/chart.h"
#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

class NatalChartPage : public QScrollArea {
  Q_OBJECT

 public:
  explicit NatalChartPage(QWidget* parent = nullptr);

  // Fills every box and the centre block from `chart`. The name typed and
  // the palace picked stay.
  void showChart(const NatalChart& chart);
  // Empties the boxes and says in the centre why there is no chart (the
  // date bar holds a day its month lacks).
  void showNoChart(const QString& reason);

  // Marks palace `palace` (0 = 命宮 … 11 = 父母, the order of kPalaceNames)
  // and the three it is read with; −1 removes the marks.
  void highlightPalace(int palace);
  int highlightedPalace() const { return picked_; }

  // The colour of a transformation mark, 化祿 … 化忌.
  static QColor mutagenColour(Mutagen mutagen);

  CellSheet* sheet() const { return sheet_; }
  QPushButton* palaceButton(int branch) const { return buttons_.at(static_cast<size_t>(branch)); }
  QLineEdit* nameEdit() const { return name_; }
  const Cell& centreLine(NatalCentreLine line) const;
  // Cells of the box holding `branch`: star column `column` (from the
  // right) and its marks, a 雜曜 slot, the other parts.
  const Cell& boxCell(int branch, BoxPart part, int slot = 0) const;
  // A file name for a picture of the chart shown: the birth's date, hour and sex.
  QString imageName() const;
  // What the page shows in its viewport right now.
  QImage captureVisible();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildCells();
  void buildBoxCells(int branch);
  void buildCentreCells();
  void buildControls();
  // Zooms the sheet to the room the page has and moves the controls along.
  void fitToArea();
  void showBox(const NatalChart& chart, int branch);
  void showStars(const NatalChart& chart, int branch);
  void showCentre(const NatalChart& chart);
  void clearBox(int branch);
  void paintFrames();
  int cellIndex(int branch, BoxPart part, int slot = 0) const;
  int& centreCell(NatalCentreLine line) { return centreCells_[static_cast<size_t>(line)]; }

  CellSheet* sheet_;
  QLineEdit* name_ = nullptr;
  std::array<QPushButton*, 12> buttons_{};  // by branch
  std::array<int, kNatalCentreLineCount> centreCells_{};
  std::array<int, 12> palaceAtBranch_{};  // −1 while no chart shows
  int picked_ = -1;
  Birth birth_;
  bool hasChart_ = false;
};

}  // namespace lunisol::ui
