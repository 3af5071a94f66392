#include "ui/dialogs/zodiac_fortune_dialog.h"

#include "layout/zodiac_fortune_layout.h"
#include "ui/dialogs/dialog_fit.h"
#include "ui/dialogs/sheet_cells.h"
#include "ui/widgets/page_tab_bar.h"

namespace lunisol::ui {
ZodiacFortuneDialog::ZodiacFortuneDialog(ZodiacFortuneSheet fortune, QWidget* parent)
    : QDialog(parent), fortune_(std::move(fortune)) {
  const QSize client = TemplateSize(kZodiacFrame.size);
  sheet_ = AddSheet(*this, client, BackdropMode::kZodiac, ToQString(fortune_.caption),
                    QStringLiteral(":/icons/dialog-zodiac.svg"));

  for (size_t g = 0; g < fortune_.groups.size(); ++g) {
    const ZodiacGroup& group = fortune_.groups[g];
    const ZodiacGroupLayout& layout = kZodiacGroups[g];
    const auto cells = group.Cells();
    firstCell_[g] = static_cast<int>(sheet_->cells().size());
    for (size_t i = 0; i < layout.lines.size(); ++i) {
      Cell c = SheetCell(*cells[i], ZodiacLineRect(layout.lines[i]));
      c.align = layout.lines[i].leftAligned ? Qt::AlignLeft : Qt::AlignHCenter;
      sheet_->addCell(c);
    }
    for (size_t k = 0; k < layout.columns.size(); ++k)
      sheet_->addCell(SheetCell(*cells[layout.lines.size() + k], layout.columns[k]));
  }
  showGroups();

  tabs_ = new PageTabBar(this);
  QStringList captions;
  for (const std::u16string& caption : fortune_.tabCaptions) captions << ToQString(caption);
  tabs_->setTabs(captions);
  tabs_->setGeometry(kZodiacFrame.tabLeft, client.height() - kZodiacFrame.tabHeight,
                     client.width() - kZodiacFrame.tabLeft, kZodiacFrame.tabHeight);
  MarkDialogFoot(*tabs_);
  connect(tabs_, &PageTabBar::currentChanged, this, &ZodiacFortuneDialog::showTab);
}

ZodiacFortuneDialog::~ZodiacFortuneDialog() = default;

int ZodiacFortuneDialog::selectedTab() const { return fortune_.selectedTab; }

void ZodiacFortuneDialog::showTab(int tab) {
  if (tab == fortune_.selectedTab || tab < 0 || tab > 2) return;
  FillZodiacTab(fortune_, tab);
  tabs_->setCurrentIndex(tab);
  showGroups();
}

void ZodiacFortuneDialog::showGroups() {
  for (size_t g = 0; g < fortune_.groups.size(); ++g) {
    int i = firstCell_[g];
    for (const SheetLabel* cell : fortune_.groups[g].Cells()) {
      sheet_->setCell(i++, ToQString(cell->text), ToQColor(cell->colour));
    }
  }
}

}  // namespace lunisol::ui
