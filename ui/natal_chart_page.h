// The second page: the natal chart (紫微斗數命盤) of the birth the date bar
// selects, read on a date the time bar under it picks. Twelve framed boxes
// round a centre block, painted as cells of one sheet (layout/
// natal_chart_layout.h says where): each box gives its palace's stars with
// their natal, 大限 and 流年 transformations, the flowing year's stars, the
// four rings of spirits, the palace's names in the natal chart, the 大限 and
// the 流年, and its 小限 ages. A palace's key marks it with its 三方四正 and
// draws where its stem's transformations fly. The page places what the core
// computed and reads no text back.
#pragma once

#include <QImage>
#include <QLineEdit>
#include <QScrollArea>
#include <array>
#include <optional>

#include "layout/natal_chart_layout.h"
#include "natal/chart.h"
#include "natal/horoscope.h"
#include "ui/natal_chart_sheet.h"
#include "ui/natal_time_bar.h"

namespace lunisol::ui {

class NatalChartPage : public QWidget {
  Q_OBJECT

 public:
  explicit NatalChartPage(QWidget* parent = nullptr);

  // Fills every box and the centre from `chart`, read on the date the time
  // bar holds; `today` is the clock's date, for 今 and for the first chart.
  // A date before the new birth moves to the birth. The name typed and the
  // palace picked stay.
  void showChart(const NatalChart& chart, const SolarDate& today);
  // Empties the boxes and says in the centre why there is no chart (the
  // date bar holds a day its month lacks).
  void showNoChart(const QString& reason);
  // Reads the chart on `date` (kept between the birth and the calendar's
  // last day); what the time bar does.
  void showDate(const SolarDate& date);
  const std::optional<Horoscope>& horoscope() const { return horoscope_; }

  // Marks palace `palace` (0 = 命宮 … 11 = 父母, the order of kPalaceNames)
  // with its 三方四正 and 飛星; −1 removes the marks.
  void highlightPalace(int palace);
  int highlightedPalace() const { return picked_; }

  // Large print: 1 fits the chart to the page; more enlarges it from there.
  void setZoom(qreal zoom);

  // The colour of a transformation mark, 化祿 … 化忌.
  static QColor mutagenColour(Mutagen mutagen);
  static const QColor kPaper, kPickedFill, kReadWithFill;

  NatalChartSheet* sheet() const { return sheet_; }
  NatalTimeBar* timeBar() const { return bar_; }
  QScrollArea* scrollArea() const { return area_; }
  PalaceKey* palaceKey(int branch) const { return keys_.at(static_cast<size_t>(branch)); }
  QLineEdit* nameEdit() const { return name_; }
  const Cell& centreLine(NatalCentreLine line) const;
  // Cells of the box holding `branch`: star column `slot` (from the right)
  // and its marks, a 雜曜 or flowing-star slot, the other parts.
  const Cell& boxCell(int branch, BoxPart part, int slot = 0) const;

  // The whole chart as a picture, `scale` pixels to a layout pixel, whatever
  // the window shows of it; the name typed is in it, no widget is.
  QImage renderImage(qreal scale = 2) const;
  // Writes the whole chart to `path`: a PDF for a name ending in .pdf, a PNG
  // otherwise; an empty text, or why not (the old file is then unchanged).
  QString exportTo(const QString& path) const;
  // The save command: asks for a name and exports, telling a failure.
  void exportWithDialog(QWidget* parent);
  // The print command: the whole chart on one landscape sheet.
  void print(QWidget* parent);
  // A file name for the chart shown: the birth's date, hour and sex.
  QString imageName() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildCells();
  void buildBoxCells(int branch);
  void buildCentreCells();
  void buildLegend();
  void buildKeys();
  void fitToArea();
  void showBox(int branch);
  void showStars(int branch);
  void showSpirits(int branch);
  void showTime();
  void showTimeInBox(int branch);
  void showCentre();
  void showTimeInCentre();
  void showFlightsInCentre();
  void showDecades();
  void showTimeBar();
  void describePalace(int branch);
  void setTabOrder();
  void clearBox(int branch);
  void paintMarks();
  std::vector<FlightArrow> pickedFlights(std::vector<MarkOutline>& outlines) const;
  void paintFrames();
  void chooseDecade(int index);
  void chooseDate(const SolarDate& date);
  void paintFitted(QPainter& p, const QRect& area) const;
  int cellIndex(int branch, BoxPart part, int slot = 0) const;
  int& centreCell(NatalCentreLine line) { return centreCells_[static_cast<size_t>(line)]; }
  int centreCell(NatalCentreLine line) const { return centreCells_[static_cast<size_t>(line)]; }
  int palaceAt(int branch) const;

  QScrollArea* area_;
  NatalChartSheet* sheet_;
  NatalTimeBar* bar_;
  QLineEdit* name_ = nullptr;
  int nameCell_ = -1;                  // the typed name, for pictures and prints (the field covers it on screen)
  std::array<PalaceKey*, 12> keys_{};  // by branch
  std::array<int, kNatalCentreLineCount> centreCells_{};
  std::array<int, kBoxPartCount> partOffsets_{};
  int boxCellCount_ = 0;
  std::optional<NatalChart> chart_;
  std::optional<Horoscope> horoscope_;
  SolarDate date_, today_;
  int picked_ = -1;
  qreal zoom_ = 1;
};

}  // namespace lunisol::ui
