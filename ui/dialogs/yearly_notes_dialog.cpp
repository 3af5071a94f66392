#include "ui/dialogs/yearly_notes_dialog.h"

#include <QPainter>
#include <QSvgRenderer>

#include "ui/dialogs/sheet_cells.h"

namespace lunisol::ui {
namespace {

// Template 139 in dialog units. The labels made in code and the two column
// texts 1199 and 1200 bring their places with the record; the corner cells
// bring only their corner, the template sizing each to its one character.
struct YearlyNotesLayout {
  int widthUnits, heightUnits;
  QRect picture;  // 142
  int cornerWidth, cornerHeight;
};
constexpr YearlyNotesLayout kLayout{248, 266, QRect(35, 11, 140, 140), 9, 9};

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

std::optional<YearlyNotesRecord> YearlyNotesDialog::recordOf(int year, int month, int day) {
  // The page's title names the year of the month's first day; the sheet
  // wants the year the selected day itself belongs to.
  const std::u16string pillar = YearPillarTextOfDate(year, month, day);
  if (pillar.empty()) return std::nullopt;
  return BuildYearlyNotes(pillar, year, month, day);
}

YearlyNotesDialog::YearlyNotesDialog(const YearlyNotesRecord& record, QWidget* parent) : QDialog(parent) {
  sheet_ = AddSheet(*this, ToQSize(kSystem10Units.rect(0, 0, kLayout.widthUnits, kLayout.heightUnits).size()),
                    BackdropMode::kYearlyNotes, ToQString(record.caption), QStringLiteral(":/icons/lunisol.svg"));
  const QRect picture = ToQRect(
      kSystem10Units.rect(kLayout.picture.x(), kLayout.picture.y(), kLayout.picture.width(), kLayout.picture.height()));
  sheet_->setPicture(SilkwormHouse(picture.size(), devicePixelRatioF()), picture);

  for (const TemplateText* t : {&record.yearGodTitle, &record.yearGodName}) {
    sheet_->addCell(TemplateCell(t->x, t->y, t->width, t->height, t->text));
  }
  for (const TemplateText& t : record.cornerWords) {
    sheet_->addCell(TemplateCell(t.x, t.y, kLayout.cornerWidth, kLayout.cornerHeight, t.text));
  }
  for (const SheetLabel* label : record.Labels()) sheet_->addCell(LabelCell(*label));
}

}  // namespace lunisol::ui
