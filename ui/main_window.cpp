#include "ui/main_window.h"

#include <QAction>
#include <QDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "calendar/convert.h"
#include "calendar/text.h"
#include "natal/chart.h"
#include "ui/dialogs/sheet_dialogs.h"
#include "ui/natal_chart_page.h"
#include "ui/page/almanac_page.h"
#include "ui/page/page_export.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/page_tab_bar.h"

namespace lunisol::ui {
namespace {

constexpr int kFirstYear = 1900, kLastYear = 2100;

const char16_t* const kHourLabels[12] = {u"子 ( 23 ~ 1 )",  u"丑 ( 1 ~ 3 )",   u"寅 ( 3 ~ 5 )",   u"卯 ( 5 ~ 7 )",
                                         u"辰 ( 7 ~ 9 )",   u"巳 ( 9 ~ 11 )",  u"午 ( 11 ~ 13 )", u"未 ( 13 ~ 15 )",
                                         u"申 ( 15 ~ 17 )", u"酉 ( 17 ~ 19 )", u"戌 ( 19 ~ 21 )", u"亥 ( 21 ~ 23 )"};

struct ListSpec {
  const char16_t* caption;
  int width;
  int dropDownHeight;
};
// Year, month, day, hour, sex: caption, list width and drop-down height.
constexpr ListSpec kLists[5] = {
    {u"年 : ", 64, 360}, {u"月 : ", 60, 240}, {u"日 : ", 60, 240}, {u"時 : ", 98, 240}, {u"性別 : ", 52, 80}};

using Command = MainWindow::Command;
struct CommandSpec {
  Command id;
  const char* icon;
  const char16_t* prompt;
  const char16_t* tip;
  void (MainWindow::*slot)();
};
// In toolbar order; an entry without an icon stands for a separator.
constexpr CommandSpec kCommands[] = {
    {Command::BoneWeighing, ":/icons/bone.svg", u"袁天罡秤骨術 與 28 星宿吉凶", u"袁天罡秤骨術 與 28 星宿吉凶",
     &MainWindow::openBoneWeighing},
    {Command::HourTable, ":/icons/hours.svg", u"當日時辰吉課", u"當日時辰吉課", &MainWindow::openHourTable},
    {Command::YearlyNotes, ":/icons/yearly.svg", u"歲時記事", u"歲時記事", &MainWindow::openYearlyNotes},
    {Command::ZodiacFortune, ":/icons/zodiac.svg", u"12 生肖流年運勢", u"12 生肖流年運勢",
     &MainWindow::openZodiacFortune},
    {{}, nullptr, nullptr, nullptr, nullptr},
    {Command::ExportImage, ":/icons/export.svg", u"將本月頁面存成圖檔", u"存 檔", &MainWindow::exportImage},
    {Command::Print, ":/icons/print.svg", u"列印本月頁面", u"列印", &MainWindow::printPage},
    {{}, nullptr, nullptr, nullptr, nullptr},
    {Command::About, ":/icons/about.svg", u"顯示程式的資訊， 版本及版權", u"關於", &MainWindow::showAbout},
};

}  // namespace

QDate LocalDateOf(const QDateTime& moment) { return moment.toLocalTime().date(); }

QDate ClampToCalendar(const QDate& date) {
  const QDate first(kFirstYear, 1, 1), last(kLastYear, 12, 31);
  if (!date.isValid() || date < first) return first;
  return date > last ? last : date;
}

MainWindow::MainWindow(WindowOptions options) : options_(std::move(options)) {
  screen_ = options_.screen;
  if (screen_.isEmpty()) {
    // The layouts were tuned for whole-screen sizes (1024 × 768,
    // 1280 × 1024, …), so the page is laid out for the screen, not for the
    // room a desktop panel leaves; the page scrolls for the difference.
    const QScreen* s = QGuiApplication::primaryScreen();
    screen_ = s ? s->size() : QSize(1280, 1024);
  }
  setWindowIcon(QIcon(QStringLiteral(":/icons/lunisol.svg")));
  buildPages();
  buildToolBar();
  buildDateBar();

  selectDate(today());

  auto shortcut = [this](QKeySequence key, auto slot) {
    auto* s = new QShortcut(key, this);
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, slot);
  };
  shortcut(QKeySequence(Qt::Key_PageUp), [this] { showMonthOffset(-1); });
  shortcut(QKeySequence(Qt::Key_PageDown), [this] { showMonthOffset(1); });
  shortcut(QKeySequence(Qt::Key_Home), [this] { showTodaysMonth(); });

  if (options_.showAboutOnStart) {
    QTimer::singleShot(500, this, [this] {
      if (aboutShown_) return;
      aboutShown_ = true;
      showAbout();
    });
  }
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPages() {
  auto* client = new QWidget(this);
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  pages_ = new QStackedWidget(client);
  almanacPage_ = new AlmanacPage(screen_, pages_);
  natalChartPage_ = new NatalChartPage(pages_);
  pages_->addWidget(almanacPage_);
  pages_->addWidget(natalChartPage_);
  pages_->setCurrentIndex(0);
  layout->addWidget(pages_, 1);
  // The page tabs hang under the pages like sheet tabs under a spreadsheet.
  pageTabs_ = new PageTabBar(client);
  pageTabs_->setTabs({QStringLiteral("農民曆"), QStringLiteral("紫微斗數")});
  layout->addWidget(pageTabs_);
  setCentralWidget(client);
  connect(pageTabs_, &PageTabBar::currentChanged, this, &MainWindow::switchPage);
  connect(almanacPage_, &AlmanacPage::hourTableRequested, this, &MainWindow::openHourTableFor);
  connect(almanacPage_, &AlmanacPage::yearlyNotesRequested, this, &MainWindow::openYearlyNotesSheet);
}

void MainWindow::buildToolBar() {
  auto* bar = addToolBar(QStringLiteral("commands"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(24, 24));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const CommandSpec& c : kCommands) {
    if (!c.icon) {
      bar->addSeparator();
      continue;
    }
    QAction* a = bar->addAction(QIcon(QString::fromLatin1(c.icon)), ToQString(c.tip));
    a->setToolTip(ToQString(c.tip));
    a->setStatusTip(ToQString(c.prompt));
    actions_[c.id] = a;
    connect(a, &QAction::triggered, this, c.slot);
  }
}

QAction* MainWindow::commandAction(Command id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::buildDateBar() {
  auto* bar = addToolBar(QStringLiteral("date"));
  bar->setMovable(false);
  bar->setFloatable(false);
  QComboBox** lists[5] = {&yearList_, &monthList_, &dayList_, &hourList_, &sexList_};
  for (int i = 0; i < 5; ++i) {
    auto* caption = new QLabel(ToQString(kLists[i].caption), bar);
    caption->setContentsMargins(8, 0, 0, 0);
    bar->addWidget(caption);
    auto* list = new QComboBox(bar);
    list->setEditable(false);
    // The widths are the lists' least; a wider system font widens them
    // rather than cutting their texts.
    list->setMinimumWidth(kLists[i].width);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMaxVisibleItems(std::max(2, kLists[i].dropDownHeight / 20));
    bar->addWidget(list);
    *lists[i] = list;
  }
  for (int y = kFirstYear; y <= kLastYear; ++y) yearList_->addItem(QString::number(y));
  for (int m = 1; m <= 12; ++m) monthList_->addItem(ToQString(MonthSelectorText(m)));
  for (const char16_t* label : kHourLabels) hourList_->addItem(ToQString(label));
  sexList_->addItems({QStringLiteral("男"), QStringLiteral("女")});

  connect(yearList_, &QComboBox::activated, this, [this] { showChosenYear(); });
  connect(monthList_, &QComboBox::activated, this, [this] { showChosenMonth(); });
  for (QComboBox* list : {yearList_, monthList_, dayList_, hourList_, sexList_})
    connect(list, &QComboBox::currentIndexChanged, this, &MainWindow::showNatalChart);
  // The day list is refilled whenever it gains the focus, so it always
  // offers the days of the month on show; a focus that only returns from
  // its own drop-down or from another window does not count.
  dayList_->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dayList_ && event->type() == QEvent::FocusIn) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) fillDayList();
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::selectText(QComboBox* list, const QString& text) {
  const int i = list->findText(text);
  if (i >= 0) list->setCurrentIndex(i);
}

void MainWindow::selectDate(const QDate& date) {
  computeYearData(date.year(), date.month());
  selectText(yearList_, QString::number(date.year()));
  selectText(monthList_, ToQString(MonthSelectorText(date.month())));
  fillDayList();
  selectText(dayList_, QString::number(date.day()));
  hourList_->setCurrentIndex(0);
  sexList_->setCurrentIndex(0);
  evaluateMonth();
}

void MainWindow::computeYearData(int year, int month) { lunisol::OnYearChosen(yearData_, year, month); }

int MainWindow::selectedYear() const { return yearList_->currentText().toInt(); }
int MainWindow::selectedMonth() const { return monthList_->currentText().trimmed().toInt(); }
QString MainWindow::monthText() const { return monthList_->currentText(); }
QString MainWindow::dayText() const { return dayList_->currentText(); }
int MainWindow::selectedDay() const { return dayList_->currentText().toInt(); }
int MainWindow::hourBranch() const { return hourList_->currentIndex(); }
int MainWindow::sex() const { return sexList_->currentIndex(); }

void MainWindow::evaluateMonth() {
  const MonthAlmanac month = EvaluateMonth(selectedYear(), monthText().toStdU16String(), yearData_, terms_);
  almanacPage_->showMonth(month, terms_);
  almanacPage_->scrollToTitles();
  setWindowTitle(ToQString(month.windowTitle));
}

void MainWindow::showChosenYear() {
  if (pageIndex_ != 0) return;
  computeYearData(selectedYear(), selectedMonth());
  evaluateMonth();
}

void MainWindow::showChosenMonth() {
  if (pageIndex_ != 0) return;
  if (yearData_.year != selectedYear()) {
    // A year chosen while the natal chart showed was not computed then; the
    // month must not be read against another year's tables.
    computeYearData(selectedYear(), selectedMonth());
  } else {
    lunisol::OnMonthChosen(yearData_, selectedYear(), selectedMonth());
  }
  evaluateMonth();
}

void MainWindow::fillDayList() {
  dayList_->clear();
  const int days = DaysInSolarMonth(selectedYear(), selectedMonth());
  for (int d = 1; d <= days; ++d) dayList_->addItem(QString::number(d));
  dayList_->setCurrentIndex(0);
}

void MainWindow::switchPage(int index) {
  pageIndex_ = index;
  if (index == 0 || index == 1) pages_->setCurrentIndex(index);
}

void MainWindow::moveToMonth(int year, int month) {
  if (year < kFirstYear || year > kLastYear) return;
  const bool newYear = year != selectedYear();
  selectText(monthList_, ToQString(MonthSelectorText(month)));
  selectText(yearList_, QString::number(year));
  if (newYear)
    showChosenYear();
  else
    showChosenMonth();
}

void MainWindow::showMonthOffset(int months) {
  const int index = selectedYear() * 12 + (selectedMonth() - 1) + months;
  moveToMonth(index / 12, index % 12 + 1);
}

QDate MainWindow::today() const {
  return ClampToCalendar(LocalDateOf(options_.today ? options_.today() : QDateTime::currentDateTime()));
}

void MainWindow::showTodaysMonth() {
  const QDate date = today();
  moveToMonth(date.year(), date.month());
}

SheetSelection MainWindow::selection() const {
  SheetSelection s;
  s.year = selectedYear();
  s.month = selectedMonth();
  s.day = selectedDay();
  s.hourBranch = hourBranch();
  s.yearText = yearList_->currentText();
  s.lunarTitle = almanacPage_->lunarTitle().text;
  return s;
}

std::unique_ptr<QDialog> MainWindow::makeSheet(SheetKind kind) {
  switch (kind) {
    case SheetKind::kBone:
      return MakeBoneWeighingDialog(selection(), this);
    case SheetKind::kYearly:
      return MakeYearlyNotesDialog(selection(), this);
    case SheetKind::kZodiac:
      return MakeZodiacFortuneDialog(selection(), this);
    case SheetKind::kHours: {
      auto texts = almanacPage_->dayTexts(almanacPage_->elementOfDay(dayText()));
      if (!texts) return nullptr;
      texts->selectedYear = selectedYear();
      return MakeHourTableDialog(*texts, this);
    }
  }
  return nullptr;
}

namespace {
void Run(std::unique_ptr<QDialog> dialog) {
  if (dialog) dialog->exec();
}
}  // namespace

void MainWindow::openBoneWeighing() { Run(makeSheet(SheetKind::kBone)); }
void MainWindow::openHourTable() { almanacPage_->openDayDetail(dayText()); }
void MainWindow::openYearlyNotes() { almanacPage_->openYearlyNotes(); }
void MainWindow::openZodiacFortune() { Run(makeSheet(SheetKind::kZodiac)); }
void MainWindow::showAbout() { Run(MakeAboutDialog(this)); }

void MainWindow::openHourTableFor(HourTableInputs texts) {
  texts.selectedYear = selectedYear();
  Run(MakeHourTableDialog(texts, this));
}

void MainWindow::openYearlyNotesSheet() { Run(makeSheet(SheetKind::kYearly)); }

void MainWindow::showNatalChart() {
  const QDate date(selectedYear(), selectedMonth(), selectedDay());
  if (!date.isValid()) {
    // The day list keeps its days until it is opened again.
    natalChartPage_->showNoChart(QStringLiteral("國曆 %1 年 %2 月沒有 %3 日，請重選日期。")
                                     .arg(selectedYear())
                                     .arg(selectedMonth())
                                     .arg(dayText().trimmed()));
    return;
  }
  const QDate now = today();
  const Birth birth{date.year(), date.month(), date.day(), hourBranch(), sex() == 1 ? Sex::kFemale : Sex::kMale};
  if (const std::optional<NatalChart> chart = ComputeChart(birth, {now.year(), now.month(), now.day()}))
    natalChartPage_->showChart(*chart);
}

void MainWindow::exportImage() {
  if (currentPage() == natalChartPage_) {
    ExportImageWithDialog(natalChartPage_->captureVisible(), natalChartPage_->imageName(), this);
    return;
  }
  ExportPageWithDialog(*almanacPage_, yearList_->currentText(), selectedMonth(), this);
}

void MainWindow::printPage() {
  PrintPage(currentPage() == natalChartPage_ ? *natalChartPage_->sheet() : *almanacPage_->sheet(), this);
}

}  // namespace lunisol::ui
