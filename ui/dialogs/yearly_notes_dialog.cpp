#include "ui/dialogs/yearly_notes_dialog.h"

#include <QPainter>
#include <QSvgRenderer>

#include "layout/yearly_notes_layout.h"
#include "ui/dialogs/sheet_cells.h"

namespace lunisol::ui {
namespace {

QPixmap SilkwormHouse(QSize size, qreal ratio) {
  QPixmap pixmap(size * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer svg(QStringLiteral(":/pictures/silkworm_house.svg"));
  QPainter p(&pixmap);
  svg.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

}  // namespace

YearlyNotesDialog::YearlyNotesDialog(const YearlyNotesRecord& record, QWidget* parent) : QDialog(parent) {
  sheet_ = AddSheet(*this, TemplateSize(kYearlyNotesFrame.size), BackdropMode::kYearlyNotes, ToQString(record.caption),
                    QStringLiteral(":/icons/lunisol.svg"));
  const QRect picture = ToQRect(kSystem10Units.rect(kYearlyNotesFrame.picture));
  sheet_->setPicture(SilkwormHouse(picture.size(), devicePixelRatioF()), picture);

  const auto texts = record.TemplateTexts();
  static_assert(texts.size() == kYearlyNotesTemplateTexts.size());
  for (size_t i = 0; i < texts.size(); ++i)
    sheet_->addCell(SheetCell(*texts[i], YearlyTemplateTextRect(kYearlyNotesTemplateTexts[i])));
  AddSheetCells(*sheet_, record.Labels(), kYearlyNotesLabels);
}

}  // namespace lunisol::ui
