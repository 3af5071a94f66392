#include "ui/natal_time_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <cmath>

#include "calendar/convert.h"
#include "ui/widgets/page_font.h"

namespace lunisol::ui {
namespace {

constexpr int kBarFontPixels = 13;  // the page's face, as the chart's own texts

QHBoxLayout* Row(QWidget* owner) {
  auto* row = new QHBoxLayout(owner);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(3);
  return row;
}

QComboBox* NumberList(QWidget* parent, const QString& accessibleName, int digits) {
  auto* list = new QComboBox(parent);
  list->setAccessibleName(accessibleName);
  list->setMinimumContentsLength(digits);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return list;
}

}  // namespace

NatalTimeBar::NatalTimeBar(QWidget* parent)
    : QWidget(parent),
      decadeRow_(new QWidget(this)),
      pickerRow_(new QWidget(this)),
      grid_(new QGridLayout(this)),
      group_(new QButtonGroup(this)) {
  setAccessibleName(QStringLiteral("行運時間列"));
  grid_->setContentsMargins(6, 3, 6, 3);
  grid_->setHorizontalSpacing(16);
  grid_->setVerticalSpacing(2);
  QHBoxLayout* decades = Row(decadeRow_);
  decades->addWidget(new QLabel(QStringLiteral("大限"), decadeRow_));
  decades->addStretch(1);
  group_->setExclusive(true);
  connect(group_, &QButtonGroup::idClicked, this, &NatalTimeBar::decadeChosen);
  buildPickers();
  setZoom(1);
}

void NatalTimeBar::buildPickers() {
  QHBoxLayout* row = Row(pickerRow_);
  row->addWidget(new QLabel(QStringLiteral("流年"), pickerRow_));
  year_ = NumberList(pickerRow_, QStringLiteral("行運的年"), 4);
  month_ = NumberList(pickerRow_, QStringLiteral("行運的月"), 2);
  day_ = NumberList(pickerRow_, QStringLiteral("行運的日"), 2);
  for (int m = 1; m <= 12; ++m) month_->addItem(QString::number(m));
  const QString captions[3] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
  QComboBox* lists[3] = {year_, month_, day_};
  for (int i = 0; i < 3; ++i) {
    row->addWidget(lists[i]);
    row->addWidget(new QLabel(captions[i], pickerRow_));
    connect(lists[i], &QComboBox::currentIndexChanged, this, [this] { pickerChanged(); });
  }
  today_ = new QToolButton(pickerRow_);
  today_->setText(QStringLiteral("今"));
  today_->setToolTip(QStringLiteral("回到今天"));
  today_->setAccessibleName(QStringLiteral("今天"));
  row->addWidget(today_);
  row->addStretch(1);
  connect(today_, &QToolButton::clicked, this, &NatalTimeBar::todayChosen);
}

void NatalTimeBar::setDecades(const std::vector<DecadeChoice>& decades) {
  for (QToolButton* b : decades_) {
    group_->removeButton(b);
    delete b;
  }
  decades_.clear();
  auto* row = static_cast<QHBoxLayout*>(decadeRow_->layout());
  for (const DecadeChoice& d : decades) {
    auto* b = new QToolButton(decadeRow_);
    b->setText(d.label);
    b->setToolTip(d.tip);
    b->setAccessibleName(QStringLiteral("大限 %1 至 %2 歲").arg(d.from).arg(d.to));
    b->setAccessibleDescription(d.tip);
    b->setCheckable(true);
    b->setEnabled(d.enabled);
    group_->addButton(b, static_cast<int>(decades_.size()));
    row->insertWidget(row->count() - 1, b);
    decades_.push_back(b);
  }
  fitButtons();
  arrange();
}

void NatalTimeBar::setYears(int first, int last) {
  quiet_ = true;
  firstYear_ = first;
  year_->clear();
  for (int y = first; y <= last; ++y) year_->addItem(QString::number(y));
  quiet_ = false;
}

void NatalTimeBar::fillDays(int year, int month) {
  const int days = DaysInSolarMonth(year, month);
  const int keep = day_->currentIndex();
  if (day_->count() != days) {
    const bool wasQuiet = quiet_;
    quiet_ = true;
    day_->clear();
    for (int d = 1; d <= days; ++d) day_->addItem(QString::number(d));
    day_->setCurrentIndex(std::clamp(keep, 0, days - 1));
    quiet_ = wasQuiet;
  }
}

void NatalTimeBar::showDate(const SolarDate& date, int decade) {
  quiet_ = true;
  year_->setCurrentIndex(date.year - firstYear_);
  month_->setCurrentIndex(date.month - 1);
  fillDays(date.year, date.month);
  day_->setCurrentIndex(date.day - 1);
  group_->setExclusive(false);
  for (size_t i = 0; i < decades_.size(); ++i) decades_[i]->setChecked(static_cast<int>(i) == decade);
  group_->setExclusive(true);
  quiet_ = false;
}

SolarDate NatalTimeBar::pickedDate() const {
  return {firstYear_ + std::max(year_->currentIndex(), 0), month_->currentIndex() + 1, day_->currentIndex() + 1};
}

void NatalTimeBar::pickerChanged() {
  if (quiet_) return;
  const SolarDate d = pickedDate();
  fillDays(d.year, d.month);
  emit dateChosen(pickedDate());
}

void NatalTimeBar::setZoom(qreal zoom) {
  QFont f = MakePageFont(QString::fromLatin1(kPageFace), kBarFontPixels).font;
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(kBarFontPixels * zoom))));
  setFont(f);
  fitButtons();
  arrange();
}

// The decade buttons as narrow as their texts allow, so the thirteen and
// the pickers share one row on a 1024-pixel screen.
void NatalTimeBar::fitButtons() {
  const QFontMetrics metrics(font());
  for (QToolButton* b : decades_) b->setFixedWidth(metrics.horizontalAdvance(b->text()) + metrics.height() / 2 + 4);
}

void NatalTimeBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  arrange();
}

void NatalTimeBar::arrange() {
  const QMargins m = grid_->contentsMargins();
  const int needed = decadeRow_->sizeHint().width() + grid_->horizontalSpacing() + pickerRow_->sizeHint().width() +
                     m.left() + m.right();
  const bool oneRow = needed <= width();
  const bool isOneRow = grid_->itemAtPosition(0, 1) != nullptr;
  if (grid_->count() == 2 && oneRow == isOneRow) return;
  grid_->removeWidget(decadeRow_);
  grid_->removeWidget(pickerRow_);
  grid_->addWidget(decadeRow_, 0, 0, Qt::AlignLeft);
  if (oneRow)
    grid_->addWidget(pickerRow_, 0, 1, Qt::AlignRight);
  else
    grid_->addWidget(pickerRow_, 1, 0, Qt::AlignLeft);
}

}  // namespace lunisol::ui
