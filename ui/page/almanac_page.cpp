#include "ui/page/almanac_page.h"

#include <QPainter>
#include <QScrollBar>

namespace lunisol::ui {
namespace {

const QColor kPageBackground(255, 255, 240);

}  // namespace

AlmanacPage::AlmanacPage(QSize screen, QWidget* parent)
    : QScrollArea(parent), geometry_(PageGeometryFor(screen.width(), screen.height())), sheet_(new CellSheet) {
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
  connect(sheet_, &CellSheet::doubleClicked, this, [this](QPoint pos) {
    hoverColumn(geometry_.columnAt(pos.x()));
    openDetail();
  });
}

void AlmanacPage::buildCells() {
  for (int e = 0; e < kDayColumns; ++e) {
    for (const PageRowSpec& layout : kPageRows) {
      Cell c;
      c.rect = ToQRect(geometry_.cellRect(layout, e));
      c.text = ToQString(layout.initialText);
      sheet_->addCell(c);
    }
  }
  for (const LabelCellSpec& layout : kLabelCells) {
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

void AlmanacPage::showMonth(const MonthAlmanac& month, const MonthTermState& terms) {
  for (int e = 0; e < kDayColumns; ++e) {
    const MonthColumn& column = month.columns[e];
    days_[e] = column.kind == ColumnKind::kDay ? column.day : 0;
    for (const PageRowSpec& layout : kPageRows) {
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
  sheet_->update(ToQRect(geometry_.backdropRect()));
  for (int i = 0; i < 2; ++i) {
    const TermBar& bar = month.termBars[i];
    if (bar.column < 1 || bar.column > kDayColumns) {
      panels_[i]->hide();
      continue;
    }
    const int e = bar.column - 1;
    panels_[i]->showTerm(bar);
    panels_[i]->place(ToQRect(
        geometry_.termPanelRect(geometry_.cellRect(kPageRows[static_cast<size_t>(PageRow::kWeekdayHeading)], e))));
    panels_[i]->show();
  }
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

void AlmanacPage::openYearlyNotes() {
  hoveredColumn_ = kLabelColumn;
  openDetail();
}

QImage AlmanacPage::captureVisible() { return viewport()->grab().toImage(); }

}  // namespace lunisol::ui
