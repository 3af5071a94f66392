#include "ui/dialogs/zodiac_fortune_dialog.h"

#include "ui/dialogs/sheet_cells.h"
#include "ui/widgets/page_tab_bar.h"

namespace lunisol::ui {
namespace {

// Template 143 in dialog units, the size of its one-line statics (each group
// brings their corners), and the tab row along the client's bottom, in pixels.
struct ZodiacLayout {
  int widthUnits, heightUnits;
  int lineWidthUnits, lineHeightUnits;
  int tabLeft, tabHeight;  // x 2, y client bottom − 18, to the client's right edge
};
constexpr ZodiacLayout kLayout{424, 320, 104, 8, 2, 18};

std::array<const FortuneLine*, 5> HeadLines(const ZodiacGroup& g) {
  return {&g.animal, &g.title, &g.ages, &g.lucky, &g.unlucky};
}

}  // namespace

ZodiacFortuneDialog::ZodiacFortuneDialog(std::u16string_view yearBranch, std::u16string_view yearText, QWidget* parent)
    : QDialog(parent), fortune_(OpenZodiacFortune(yearBranch, yearText)) {
  const QSize client = ToQSize(kSystem10Units.rect(0, 0, kLayout.widthUnits, kLayout.heightUnits).size());
  sheet_ = AddSheet(*this, client, BackdropMode::kZodiac, ToQString(fortune_.caption),
                    QStringLiteral(":/icons/dialog-zodiac.svg"));

  for (size_t g = 0; g < fortune_.groups.size(); ++g) {
    const ZodiacGroup& group = fortune_.groups[g];
    firstCell_[g] = static_cast<int>(sheet_->cells().size());
    for (const FortuneLine* line : HeadLines(group)) {
      Cell c = TemplateCell(line->x, line->y, kLayout.lineWidthUnits, kLayout.lineHeightUnits, line->text);
      c.align = line->leftAligned ? Qt::AlignLeft : Qt::AlignHCenter;
      sheet_->addCell(c);
    }
    for (const SheetLabel& column : group.monthly.columns) sheet_->addCell(LabelCell(column));
  }
  showGroups();

  tabs_ = new PageTabBar(this);
  QStringList captions;
  for (const std::u16string& caption : fortune_.tabCaptions) captions << ToQString(caption);
  tabs_->setTabs(captions);
  tabs_->setGeometry(kLayout.tabLeft, client.height() - kLayout.tabHeight, client.width() - kLayout.tabLeft,
                     kLayout.tabHeight);
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
    const ZodiacGroup& group = fortune_.groups[g];
    int i = firstCell_[g];
    for (const FortuneLine* line : HeadLines(group)) {
      sheet_->setCell(i++, ToQString(line->text), ToQColor(line->colour));
    }
    for (const SheetLabel& column : group.monthly.columns) {
      sheet_->setCell(i++, ToQString(column.text), ToQColor(column.colour));
    }
  }
}

}  // namespace lunisol::ui
