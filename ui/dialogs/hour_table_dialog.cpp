#include "ui/dialogs/hour_table_dialog.h"

#include "ui/dialogs/sheet_cells.h"

namespace lunisol::ui {
namespace {

// Template 138 and the hover mark; every cell brings its own rectangle with
// the model's record.
struct HourTableLayout {
  int widthUnits, heightUnits;  // the template, "System" 10 points
  int columnWidth;              // the backdrop's thirteen columns
  int markedColumns;
  int markTop, markBottom;
};
constexpr HourTableLayout kLayout{195, 245, 30, 13, 2, 488};

Cell SheetCell(const HourCell& h) {
  Cell c;
  c.rect = Ltrb(h.left, h.top, h.right, h.bottom);
  c.text = ToQString(h.text);
  c.colour = ToQColor(h.colour);
  c.tooltip = ToQString(h.tooltip);
  return c;
}

}  // namespace

HourTableDialog::HourTableDialog(const HourTableInputs& texts, QWidget* parent) : QDialog(parent) {
  const HourTableRecord record = BuildHourTable(texts);
  sheet_ = AddSheet(*this, ToQSize(kSystem10Units.rect(0, 0, kLayout.widthUnits, kLayout.heightUnits).size()),
                    BackdropMode::kHourTable, ToQString(record.caption), QStringLiteral(":/icons/lunisol.svg"));

  for (const HourColumn& h : record.hours) {
    for (const HourCell* c :
         {&h.range, &h.pillar, &h.good, &h.bad, &h.joy, &h.wealth, &h.sha, &h.clashAnimal, &h.opposite}) {
      sheet_->addCell(SheetCell(*c));
    }
  }
  for (const HourCell* c : {&record.joyLabel, &record.wealthLabel, &record.shaLabel, &record.animalLabel,
                            &record.oppositeLabel, &record.lunarDateCell, &record.noteCell, &record.dateCell}) {
    sheet_->addCell(SheetCell(*c));
  }
  connect(sheet_, &CellSheet::mouseMoved, this, &HourTableDialog::hover);
}

void HourTableDialog::hover(QPoint pos) {
  if (!sheet_->backdropBounds().contains(pos)) return;
  const int c = pos.x() / kLayout.columnWidth;
  // Only the thirteen ruled columns take the mark; the old one goes with it.
  if (c < kLayout.markedColumns) {
    sheet_->setHighlight(
        Ltrb(kLayout.columnWidth * c, kLayout.markTop, kLayout.columnWidth * (c + 1), kLayout.markBottom));
  } else {
    sheet_->setHighlight({});
  }
  hoveredColumn_ = c;
}

}  // namespace lunisol::ui
