#include "ui/dialogs/hour_table_dialog.h"

#include "layout/hour_table_layout.h"
#include "ui/dialogs/sheet_cells.h"

namespace lunisol::ui {

HourTableDialog::HourTableDialog(const HourTableRecord& record, QWidget* parent) : QDialog(parent) {
  sheet_ = AddSheet(*this, TemplateSize(kHourTableFrame.size), BackdropMode::kHourTable, ToQString(record.caption),
                    QStringLiteral(":/icons/lunisol.svg"));
  const auto cells = record.Cells();
  static_assert(cells.size() == kHourTableCells.size());
  for (size_t i = 0; i < cells.size(); ++i) sheet_->addCell(SheetCell(*cells[i], kHourTableCells[i].rect));
  connect(sheet_, &CellSheet::mouseMoved, this, &HourTableDialog::hover);
}

void HourTableDialog::hover(QPoint pos) {
  if (!sheet_->backdropBounds().contains(pos)) return;
  // Only the ruled columns take the mark; the old one goes with it.
  hoveredColumn_ = pos.x() / kHourTableFrame.columnWidth;
  sheet_->setHighlight(ToQRect(HourMarkRect(hoveredColumn_)));
}

}  // namespace lunisol::ui
