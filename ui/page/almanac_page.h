// The almanac page: one Gregorian month as narrow day columns read right to
// left, the label column and titles at the right edge, the two solar-term
// panels over their columns, all on a ruled backdrop in a scroll area.
#pragma once

#include <QImage>
#include <QScrollArea>
#include <array>

#include "almanac/month.h"
#include "layout/page_layout.h"
#include "ui/page/solar_term_bar.h"
#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

class AlmanacPage : public QScrollArea {
  Q_OBJECT

 public:
  // `screen` is the screen the layout is made for (width, height). The page
  // is laid out that tall unless its own area is lower: then its lower rows
  // move up so the whole page fits the window (see PageLayoutHeight).
  explicit AlmanacPage(QSize screen, QWidget* parent = nullptr);

  // Large print: 1 (as laid out) to 2; the page scrolls where it must.
  void setZoom(qreal zoom);
  qreal zoom() const { return sheet_->zoom(); }
  // Scrolls to the right edge, where a page read from right to left starts
  // and its titles stand, and keeps it there through zooms and resizes
  // until the reader scrolls elsewhere.
  void scrollToTitles();
  bool keepsTitlesInView() const { return pinnedRight_; }

  // The day column the keys act on: Gregorian day `day` of the month on show
  // (0: none). It carries a focus mark while the page has the focus, and
  // the page's accessible name and description say what `name` and
  // `description` say of it.
  void setFocusDay(int day, const QString& name = {}, const QString& description = {});
  int focusDay() const { return focusDay_; }
  // Scrolls the focus day's column into view (as the keys move it).
  void revealFocusDay();

  // Copies the evaluated month into the cells and panels and places the
  // panels over the term columns.
  void showMonth(const MonthAlmanac& month, const MonthTermState& terms);
  // The tips of the day columns' top cells (day number, weekday, lunar day):
  // the day's 宜 and 忌 as the frame worded them, by element; an empty tip
  // leaves a column without one.
  void showDayAdvice(const std::array<QString, kDayColumns>& tips);
  // The rows that carry a day's 宜/忌 tip.
  static constexpr std::array<PageRow, 4> kAdviceRows{PageRow::kDayNumber, PageRow::kWeekdayHeading, PageRow::kWeekday,
                                                      PageRow::kLunarDay};

  const PageGeometry& geometry() const { return geometry_; }
  CellSheet* sheet() { return sheet_; }
  SolarTermBar* termPanel(int i) { return panels_[i]; }
  int hoveredColumn() const { return hoveredColumn_; }
  // Index of a day column's cell in the sheet.
  static int cellIndex(int element, PageRow row) { return element * kPageRowCount + static_cast<int>(row); }
  const Cell& dayCell(int element, PageRow row) const { return sheet_->cell(cellIndex(element, row)); }
  const Cell& gregorianTitle() const { return sheet_->cell(titleIndex_); }
  const Cell& lunarTitle() const { return sheet_->cell(titleIndex_ + 1); }
  const Cell& proverbLine() const { return sheet_->cell(titleIndex_ + 2); }

  // Hover and double-click by mouse column (0..33 from the left).
  void hoverColumn(int c);
  void openDetail();
  // Opens the detail of Gregorian day `day`, as a double-click on its column.
  void openDayDetail(int day);
  // Puts the hover mark on the column of Gregorian day `day` and scrolls it
  // into view; false when the month on show has no such day.
  bool markDay(int day);
  // The element whose column shows Gregorian day `day`, or −1.
  int elementOfDay(int day) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // The arrows move the focus day in reading order (left and down: the next
  // day), Enter opens its hour table and Ctrl+Enter its day sheet.
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Ctrl with a double-click asks for the day sheet instead of the hour table.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // The hour table of Gregorian day `day` of the month on show.
  void hourTableRequested(int day);
  void yearlyNotesRequested();
  // The day sheet (日課) of Gregorian day `day` of the month on show.
  void daySheetRequested(int day);
  // The keys ask for the day `days` after the focus day (before it when
  // negative), which may lie in another month.
  void focusDayStepped(int days);
  // A click on the column of Gregorian day `day`.
  void dayChosen(int day);

 private:
  void buildCells();
  // Lays the page out for `height` (the screen's width stays): every cell,
  // the backdrop, the sheet's size and the term panels.
  void layOutFor(int height);
  void placePanels();
  void fitSheetToZoom();
  void fitLayoutToArea();
  // The Gregorian day of mouse column c, or 0.
  int dayAtColumn(int c) const;
  void showFocusMark();
  // Keeps the page point under the viewport's centre there across a zoom.
  void keepCentre(qreal oldZoom);

  QSize screen_;
  PageGeometry geometry_;
  std::array<int, 2> panelColumns_{};  // the term columns of the month shown, 0 = none
  CellSheet* sheet_;
  std::array<SolarTermBar*, 2> panels_{};
  int titleIndex_ = 0;
  int hoveredColumn_ = -1;
  std::array<int, kDayColumns> days_{};  // the Gregorian day of each day column, 0 elsewhere
  int focusDay_ = 0;
  bool pinnedRight_ = true;  // the right edge stays in view
  bool scrolling_ = false;   // the page itself moves the scroll bar
};

}  // namespace lunisol::ui
