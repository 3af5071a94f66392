#include "ui/page/almanac_page.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QtMath>

namespace lunisol::ui {
namespace {

const QColor kPageBackground(255, 255, 240);

}  // namespace

AlmanacPage::AlmanacPage(QSize screen, QWidget* parent)
    : QScrollArea(parent),
      screen_(screen),
      geometry_(PageGeometryFor(screen.width(), screen.height())),
      sheet_(new CellSheet) {
  setFrameShape(QFrame::NoFrame);
  setBackgroundRole(QPalette::Base);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, kPageBackground);
  setPalette(pal);
  sheet_->setBackground(kPageBackground);
  sheet_->setBackdrop(std::make_unique<RuledBackdrop>(BackdropMode::kPage, screen), ToQRect(geometry_.backdropRect()));
  buildCells();
  sheet_->resize(ToQSize(geometry_.sheetSize()));
  for (int i = 0; i < 2; ++i) {
    panels_[i] = new SolarTermBar(geometry_.cy, sheet_);
    panels_[i]->hide();
  }
  setWidget(sheet_);
  setWidgetResizable(false);
  connect(sheet_, &CellSheet::mouseMoved, this, [this](QPoint pos) { hoverColumn(geometry_.columnAt(pos.x())); });
  sheet_->installEventFilter(this);
  connect(sheet_, &CellSheet::doubleClicked, this, [this](QPoint pos) {
    hoverColumn(geometry_.columnAt(pos.x()));
    openDetail();
  });
  connect(sheet_, &CellSheet::pressed, this, [this](QPoint pos) {
    if (const int day = dayAtColumn(geometry_.columnAt(pos.x()))) emit dayChosen(day);
  });
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QStringLiteral("農民曆頁面"));
  // A page read from right to left starts at its right edge and stays there
  // while the window or the print changes size, unless the reader scrolls.
  QScrollBar* bar = horizontalScrollBar();
  connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
    if (!scrolling_) pinnedRight_ = value == bar->maximum();
  });
  connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
    if (pinnedRight_) {
      scrolling_ = true;
      bar->setValue(maximum);
      scrolling_ = false;
    }
  });
}

void AlmanacPage::buildCells() {
  for (int e = 0; e < kDayColumns; ++e) {
    for (const PageRowPlace& layout : kPageRows) {
      Cell c;
      c.rect = ToQRect(geometry_.cellRect(layout, e));
      c.text = ToQString(layout.initialText);
      sheet_->addCell(c);
    }
  }
  for (const LabelCellPlace& layout : kLabelCells) {
    Cell c;
    c.rect = ToQRect(geometry_.labelCellRect(layout));
    c.text = ToQString(layout.text);
    c.colour = ToQColor(layout.colour);
    sheet_->addCell(c);
  }
  Cell gregorian;
  gregorian.rect = ToQRect(geometry_.gregorianTitleRect());
  gregorian.text = QStringLiteral("國曆 93 年 8 月");
  gregorian.colour = ToQColor(colours::kBlue);
  titleIndex_ = sheet_->addCell(gregorian);
  Cell lunar;
  lunar.rect = ToQRect(geometry_.lunarTitleRect());
  lunar.text = QStringLiteral("農曆 93 年 8 月");
  sheet_->addCell(lunar);
  Cell proverb;
  proverb.rect = ToQRect(geometry_.proverbRect());
  sheet_->addCell(proverb);
}

void AlmanacPage::layOutFor(int height) {
  geometry_ = PageGeometryFor(screen_.width(), height);
  const QSize layoutScreen(screen_.width(), height);
  int i = 0;
  for (int e = 0; e < kDayColumns; ++e)
    for (const PageRowPlace& layout : kPageRows) sheet_->setCellRect(i++, ToQRect(geometry_.cellRect(layout, e)));
  for (const LabelCellPlace& layout : kLabelCells) sheet_->setCellRect(i++, ToQRect(geometry_.labelCellRect(layout)));
  sheet_->setCellRect(titleIndex_, ToQRect(geometry_.gregorianTitleRect()));
  sheet_->setCellRect(titleIndex_ + 1, ToQRect(geometry_.lunarTitleRect()));
  sheet_->setCellRect(titleIndex_ + 2, ToQRect(geometry_.proverbRect()));
  auto backdrop = std::make_unique<RuledBackdrop>(BackdropMode::kPage, layoutScreen);
  backdrop->setTermDays(sheet_->backdrop()->firstTermDay(), sheet_->backdrop()->secondTermDay());
  sheet_->setBackdrop(std::move(backdrop), ToQRect(geometry_.backdropRect()));
  for (SolarTermBar* panel : panels_) panel->setScreenHeight(geometry_.cy);
  sheet_->setHighlight(ToQRect(geometry_.highlightRect(hoveredColumn_)));
  showFocusMark();
  fitSheetToZoom();
}

void AlmanacPage::fitSheetToZoom() {
  const Size size = geometry_.sheetSize();
  sheet_->resize(qCeil(size.width * zoom()), qCeil(size.height * zoom()));
  placePanels();
}

void AlmanacPage::placePanels() {
  for (int i = 0; i < 2; ++i) {
    const int column = panelColumns_[static_cast<size_t>(i)];
    if (column < 1 || column > kDayColumns) {
      panels_[i]->hide();
      continue;
    }
    const Rect heading = geometry_.cellRect(kPageRows[static_cast<size_t>(PageRow::kWeekdayHeading)], column - 1);
    panels_[i]->place(ToQRect(geometry_.termPanelRect(heading)), zoom());
    panels_[i]->show();
  }
}

void AlmanacPage::setZoom(qreal zoom) {
  const qreal old = this->zoom();
  if (zoom == old) return;
  sheet_->setZoom(zoom);
  for (SolarTermBar* panel : panels_) panel->setZoom(zoom);
  fitSheetToZoom();
  // The height to lay out for depends on the room at this zoom.
  if (isVisible()) fitLayoutToArea();
  if (!pinnedRight_) keepCentre(old);
}

void AlmanacPage::keepCentre(qreal oldZoom) {
  // The scroll bars still stand where they stood at the old zoom, clamped
  // only where the page grew smaller; the point they centred is scaled.
  const qreal ratio = zoom() / oldZoom;
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    const int half = (bar == horizontalScrollBar() ? viewport()->width() : viewport()->height()) / 2;
    bar->setValue(qRound((bar->value() + half) * ratio) - half);
  }
}

void AlmanacPage::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  fitLayoutToArea();
}

void AlmanacPage::fitLayoutToArea() {
  const int area = qFloor(maximumViewportSize().height() / zoom());
  const int height = PageLayoutHeight(Size{screen_.width(), screen_.height()}, area);
  if (height != geometry_.cy) layOutFor(height);
}

void AlmanacPage::showEvent(QShowEvent* event) {
  QScrollArea::showEvent(event);
  scrollToTitles();
}

void AlmanacPage::scrollToTitles() {
  pinnedRight_ = true;
  scrolling_ = true;
  horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
  scrolling_ = false;
}

void AlmanacPage::setFocusDay(int day, const QString& name, const QString& description) {
  focusDay_ = day;
  if (accessibleName() != name) setAccessibleName(name.isEmpty() ? QStringLiteral("農民曆頁面") : name);
  if (accessibleDescription() != description) setAccessibleDescription(description);
  showFocusMark();
}

void AlmanacPage::revealFocusDay() {
  if (elementOfDay(focusDay_) < 0) return;
  const QRect shown = sheet_->toWidget(sheet_->focusMark());
  ensureVisible(shown.center().x(), shown.top(), shown.width() / 2 + 4, 0);
}

void AlmanacPage::showFocusMark() {
  const int e = elementOfDay(focusDay_);
  const QRect mark = e < 0 ? QRect() : ToQRect(geometry_.highlightRect(32 - e));
  sheet_->setFocusMark(mark, hasFocus());
}

void AlmanacPage::focusInEvent(QFocusEvent* event) {
  QScrollArea::focusInEvent(event);
  showFocusMark();
}

void AlmanacPage::focusOutEvent(QFocusEvent* event) {
  QScrollArea::focusOutEvent(event);
  showFocusMark();
}

void AlmanacPage::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      emit focusDayStepped(1);
      revealFocusDay();
      return;
    case Qt::Key_Right:
    case Qt::Key_Up:
      emit focusDayStepped(-1);
      revealFocusDay();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (elementOfDay(focusDay_) < 0) break;
      if (ctrl)
        emit daySheetRequested(focusDay_);
      else
        emit hourTableRequested(focusDay_);
      return;
    default:
      break;
  }
  QScrollArea::keyPressEvent(event);
}

void AlmanacPage::showMonth(const MonthAlmanac& month, const MonthTermState& terms) {
  for (int e = 0; e < kDayColumns; ++e) {
    const MonthColumn& column = month.columns[e];
    days_[e] = column.kind == ColumnKind::kDay ? column.day : 0;
    for (const PageRowPlace& layout : kPageRows) {
      const int i = cellIndex(e, layout.row);
      if (layout.field) {
        const CellText& t = column.record.*layout.field;
        sheet_->setCell(i, ToQString(t.text), ToQColor(t.colour));
      } else {
        sheet_->setCellColour(i, ToQColor(column.record.weekdayLabelColour));
      }
      sheet_->setCellVisible(i, column.visible);
    }
    static constexpr PageRow kTipRows[4] = {PageRow::kNoteA, PageRow::kNoteB, PageRow::kWarningC, PageRow::kWarningD};
    for (int k = 0; k < 4; ++k) sheet_->setCellTooltip(cellIndex(e, kTipRows[k]), ToQString(column.tooltips[k]));
  }
  sheet_->setCell(titleIndex_, ToQString(month.gregorianTitle.text), ToQColor(month.gregorianTitle.colour));
  sheet_->setCell(titleIndex_ + 1, ToQString(month.lunarTitle.text), ToQColor(month.lunarTitle.colour));
  sheet_->setCell(titleIndex_ + 2, ToQString(month.proverbLine.text), ToQColor(month.proverbLine.colour));
  sheet_->backdrop()->setTermDays(terms.firstTermDay, terms.secondTermDay);
  sheet_->update(sheet_->toWidget(ToQRect(geometry_.backdropRect())));
  showFocusMark();
  for (int i = 0; i < 2; ++i) {
    const TermBar& bar = month.termBars[i];
    panelColumns_[static_cast<size_t>(i)] = bar.column;
    if (bar.column >= 1 && bar.column <= kDayColumns) panels_[i]->showTerm(bar);
  }
  placePanels();
}

void AlmanacPage::showDayAdvice(const std::array<QString, kDayColumns>& tips) {
  for (int e = 0; e < kDayColumns; ++e)
    for (PageRow row : kAdviceRows) sheet_->setCellTooltip(cellIndex(e, row), tips[static_cast<size_t>(e)]);
}

bool AlmanacPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != sheet_ || event->type() != QEvent::MouseButtonDblClick)
    return QScrollArea::eventFilter(watched, event);
  const auto* click = static_cast<QMouseEvent*>(event);
  if (click->button() != Qt::LeftButton || !(click->modifiers() & Qt::ControlModifier)) return false;
  const int c = geometry_.columnAt((click->position() / zoom()).toPoint().x());
  hoverColumn(c);
  if (const int day = dayAtColumn(c)) emit daySheetRequested(day);
  return true;
}

int AlmanacPage::dayAtColumn(int c) const {
  const int e = 32 - c;
  return c < 0 || e < 0 || e >= kDayColumns ? 0 : days_[static_cast<size_t>(e)];
}

bool AlmanacPage::markDay(int day) {
  const int e = elementOfDay(day);
  if (e < 0) return false;
  const QRect cell = dayCell(e, PageRow::kDayNumber).rect;
  hoverColumn(geometry_.columnAt(cell.left()));
  const QRect shown = sheet_->toWidget(cell);
  ensureVisible(shown.center().x(), shown.center().y(), shown.width() * 2, shown.height());
  return true;
}

void AlmanacPage::hoverColumn(int c) {
  hoveredColumn_ = c;
  sheet_->setHighlight(ToQRect(geometry_.highlightRect(c)));
}

void AlmanacPage::openDetail() {
  if (hoveredColumn_ == kLabelColumn) {
    // The sheet names the year of the selected date, which the frame knows;
    // the title's year is the year of the month's first day.
    emit yearlyNotesRequested();
    return;
  }
  const int e = 32 - hoveredColumn_;
  if (hoveredColumn_ < 0 || e < 0 || days_[e] == 0) return;
  emit hourTableRequested(days_[e]);
}

int AlmanacPage::elementOfDay(int day) const {
  for (int e = 0; e < kDayColumns; ++e) {
    if (day > 0 && days_[e] == day) return e;
  }
  return -1;
}

void AlmanacPage::openDayDetail(int day) {
  const int e = elementOfDay(day);
  if (e < 0) return;
  hoverColumn(geometry_.columnAt(dayCell(e, PageRow::kDayNumber).rect.left()));
  openDetail();
}

}  // namespace lunisol::ui
