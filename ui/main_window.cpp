#include "ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "almanac/lookups.h"
#include "almanac/lunar_date_names.h"
#include "calendar/convert.h"
#include "calendar/text.h"
#include "natal/chart.h"
#include "sheets/bone_weighing_model.h"
#include "ui/dialogs/calendar_export_dialog.h"
#include "ui/dialogs/day_finder_dialog.h"
#include "ui/dialogs/day_sheet_dialog.h"
#include "ui/dialogs/day_texts.h"
#include "ui/dialogs/dialog_fit.h"
#include "ui/dialogs/sheet_dialogs.h"
#include "ui/natal_chart_page.h"
#include "ui/page/almanac_page.h"
#include "ui/page/page_export.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/page_tab_bar.h"
#include "ui/widgets/qt_text.h"

namespace lunisol::ui {
namespace {

constexpr int kFirstYear = 1900, kLastYear = 2100;

struct DateListRow {
  const char16_t* caption;
  int width;
  int dropDownHeight;
  const char16_t* name;  // what a screen reader calls the list
  const char16_t* tip;
};
// Year, month, day, hour, sex: caption, list width, drop-down height, name
// and tip.
constexpr DateListRow kLists[5] = {{u"年 : ", 64, 360, u"國曆年", u"國曆年（Page Up、Page Down 換月，Home 回到本月）"},
                                   {u"月 : ", 60, 240, u"國曆月", u"國曆月（Page Up、Page Down 換月，Home 回到本月）"},
                                   {u"日 : ", 60, 240, u"國曆日", u"國曆日（在頁面上以方向鍵選日）"},
                                   {u"時 : ", 98, 240, u"時辰", u"出生或擇時的時辰"},
                                   {u"性別 : ", 52, 80, u"性別", u"命盤的性別"}};

using Command = MainWindow::Command;
struct CommandRow {
  Command id;
  const char* icon;
  const char16_t* prompt;
  const char16_t* tip;
  QKeyCombination key;
  void (MainWindow::*slot)();
};
// In toolbar order; an entry without an icon stands for a separator. Every
// command has a key, which its tip shows.
const CommandRow kCommands[] = {
    {Command::BoneWeighing, ":/icons/bone.svg", u"袁天罡秤骨術 與 28 星宿吉凶", u"袁天罡秤骨術 與 28 星宿吉凶",
     Qt::CTRL | Qt::Key_B, &MainWindow::openBoneWeighing},
    {Command::HourTable, ":/icons/hours.svg", u"當日時辰吉課", u"當日時辰吉課", Qt::CTRL | Qt::Key_T,
     &MainWindow::openHourTable},
    {Command::YearlyNotes, ":/icons/yearly.svg", u"歲時記事", u"歲時記事", Qt::CTRL | Qt::Key_Y,
     &MainWindow::openYearlyNotes},
    {Command::ZodiacFortune, ":/icons/zodiac.svg", u"12 生肖流年運勢", u"12 生肖流年運勢", Qt::CTRL | Qt::Key_L,
     &MainWindow::openZodiacFortune},
    {Command::DaySheet, ":/icons/day.svg", u"當日的值神、神煞與宜忌", u"日課", Qt::CTRL | Qt::Key_D,
     &MainWindow::openDaySheet},
    {Command::DayFinder, ":/icons/finder.svg", u"找出合於某事的日子", u"擇日", Qt::CTRL | Qt::Key_F,
     &MainWindow::openDayFinder},
    {{}, nullptr, nullptr, nullptr, {}, nullptr},
    {Command::ExportImage, ":/icons/export.svg", u"將本月頁面存成圖檔", u"存 檔", Qt::CTRL | Qt::Key_S,
     &MainWindow::exportImage},
    {Command::ExportCalendar, ":/icons/calendar-export.svg", u"將節氣、節日等存成行事曆檔，匯入手機或電腦的行事曆",
     u"匯出行事曆…", Qt::CTRL | Qt::Key_E, &MainWindow::exportCalendar},
    {Command::Print, ":/icons/print.svg", u"列印本月頁面", u"列印", Qt::CTRL | Qt::Key_P, &MainWindow::printPage},
    {{}, nullptr, nullptr, nullptr, {}, nullptr},
    {Command::HighContrast, ":/icons/contrast.svg", u"所有文字改用深色，在底色上更易讀；再按一次回復原色", u"高對比",
     Qt::CTRL | Qt::SHIFT | Qt::Key_H, nullptr},
    {Command::About, ":/icons/about.svg", u"顯示程式的資訊， 版本及版權", u"關於", QKeyCombination(Qt::Key_F1),
     &MainWindow::showAbout},
};

// "列印 (Ctrl+P)": a tip that teaches the key.
QString TipWithKey(const QString& tip, const QKeySequence& key) {
  return QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText));
}

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
    // 1280 × 1024, …); the page then fits itself to the room the window
    // really has (see AlmanacPage).
    const QScreen* s = QGuiApplication::primaryScreen();
    screen_ = s ? s->size() : QSize(1280, 1024);
  }
  setWindowIcon(QIcon(QStringLiteral(":/icons/lunisol.svg")));
  buildPages();
  buildToolBar();
  buildDateBar();
  buildShortcuts();
  setTabOrder();
  setHighContrast(options_.highContrast);

  selectDate(today());
  // The keys act on the page from the start: the arrows choose a day.
  almanacPage_->setFocus();
  // Usable down to this size: every list of the date bar and every command
  // in sight (the date bar then takes a row of its own), and some page.
  const int bars = std::max(commandBar_->sizeHint().width(), dateBar_->sizeHint().width());
  setMinimumSize(bars + 8, commandBar_->sizeHint().height() + dateBar_->sizeHint().height() +
                               pageTabs_->sizeHint().height() + 160);
  QTimer::singleShot(options_.showAboutOnStart ? 500 : 0, this, &MainWindow::startUp);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildShortcuts() {
  auto shortcut = [this](QKeySequence key, auto slot) {
    auto* s = new QShortcut(key, this);
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, slot);
  };
  shortcut(QKeySequence(Qt::Key_PageUp), [this] { showMonthOffset(-1); });
  shortcut(QKeySequence(Qt::Key_PageDown), [this] { showMonthOffset(1); });
  shortcut(QKeySequence(Qt::Key_Home), [this] { showTodaysMonth(); });
  // Large print: Ctrl and plus (or equals, unshifted on most keyboards),
  // Ctrl and minus, Ctrl and 0 for the size as laid out.
  for (QKeySequence in : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
    shortcut(in, [this] { zoomBy(1); });
  shortcut(QKeySequence(QKeySequence::ZoomOut), [this] { zoomBy(-1); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1); });
  // The pages, as the tabs of a browser: Ctrl and Page Up or Page Down.
  auto turn = [this](int step) {
    const int next = (pageIndex_ + step + pageTabs_->count()) % pageTabs_->count();
    pageTabs_->setCurrentIndex(next);
    switchPage(next);
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [turn] { turn(-1); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [turn] { turn(1); });
}

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
  pageTabs_->setAccessibleName(QStringLiteral("頁面"));
  pageTabs_->setToolTip(QStringLiteral("切換頁面（Ctrl+Page Up、Ctrl+Page Down）"));
  layout->addWidget(pageTabs_);
  setCentralWidget(client);
  connect(pageTabs_, &PageTabBar::currentChanged, this, &MainWindow::switchPage);
  connect(almanacPage_, &AlmanacPage::hourTableRequested, this, &MainWindow::openHourTableFor);
  connect(almanacPage_, &AlmanacPage::yearlyNotesRequested, this, &MainWindow::openYearlyNotesSheet);
  connect(almanacPage_, &AlmanacPage::daySheetRequested, this, &MainWindow::openDaySheetFor);
  connect(almanacPage_, &AlmanacPage::focusDayStepped, this, &MainWindow::stepDay);
  connect(almanacPage_, &AlmanacPage::dayChosen, this, [this](int day) { selectNumber(dayList_, day); });
}

void MainWindow::buildToolBar() {
  auto* bar = addToolBar(QStringLiteral("指令列"));
  commandBar_ = bar;
  bar->setAccessibleName(QStringLiteral("指令列"));
  bar->setAccessibleDescription(QStringLiteral("開啟各頁、存檔、匯出、列印與高對比"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(24, 24));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const CommandRow& c : kCommands) {
    if (!c.icon) {
      bar->addSeparator();
      continue;
    }
    QAction* a = bar->addAction(QIcon(QString::fromLatin1(c.icon)), ToQString(c.tip));
    a->setShortcut(QKeySequence(c.key));
    a->setShortcutContext(Qt::WindowShortcut);
    a->setToolTip(TipWithKey(ToQString(c.tip), a->shortcut()));
    a->setStatusTip(ToQString(c.prompt));
    actions_[c.id] = a;
    if (c.slot) connect(a, &QAction::triggered, this, c.slot);
    // Toolbars leave their buttons out of the Tab order; the keyboard's
    // reader needs them in it.
    if (QWidget* button = bar->widgetForAction(a)) {
      button->setFocusPolicy(Qt::TabFocus);
      button->setAccessibleDescription(ToQString(c.prompt));
    }
  }
  QAction* contrast = commandAction(Command::HighContrast);
  contrast->setCheckable(true);
  connect(contrast, &QAction::toggled, this, &MainWindow::setHighContrast);
}

QAction* MainWindow::commandAction(Command id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::buildDateBar() {
  auto* bar = addToolBar(QStringLiteral("日期列"));
  dateBar_ = bar;
  bar->setAccessibleName(QStringLiteral("日期列"));
  bar->setAccessibleDescription(QStringLiteral("選擇國曆年、月、日、時辰與性別"));
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
    // Some styles open a list as tall as the screen and ignore the number
    // of rows asked for; this property makes every style keep it.
    list->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    list->setAccessibleName(ToQString(kLists[i].name));
    list->setToolTip(ToQString(kLists[i].tip));
    caption->setBuddy(list);
    bar->addWidget(list);
    *lists[i] = list;
  }
  // Each item carries its number: the window reads numbers, not the texts
  // it shows.
  for (int y = kFirstYear; y <= kLastYear; ++y) yearList_->addItem(QString::number(y), y);
  for (int m = 1; m <= 12; ++m) monthList_->addItem(ToQString(MonthSelectorText(m)), m);
  for (std::u16string_view label : kHourSelectorItems) hourList_->addItem(ToQString(label));
  sexList_->addItems({QStringLiteral("男"), QStringLiteral("女")});

  // Every change of a list, by the reader or by a key, goes through one
  // place, so the page, the sheets and the natal chart read one selection.
  connect(yearList_, &QComboBox::currentIndexChanged, this, &MainWindow::showChosenYear);
  connect(monthList_, &QComboBox::currentIndexChanged, this, &MainWindow::showChosenMonth);
  for (QComboBox* list : {dayList_, hourList_, sexList_})
    connect(list, &QComboBox::currentIndexChanged, this, &MainWindow::showNatalChart);
  connect(dayList_, &QComboBox::currentIndexChanged, this, &MainWindow::showFocusDay);
}

void MainWindow::setTabOrder() {
  // Tab walks the toolbar, the date bar, the page on show and the tabs.
  std::vector<QWidget*> chain;
  for (QAction* a : commandBar_->actions())
    if (QWidget* w = commandBar_->widgetForAction(a); w && w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
  for (QComboBox* list : {yearList_, monthList_, dayList_, hourList_, sexList_}) chain.push_back(list);
  chain.push_back(almanacPage_);
  chain.push_back(natalChartPage_);
  // Whatever the chart page offers to the keys, in the order it gave it.
  QWidget* w = natalChartPage_;
  do {
    w = w->nextInFocusChain();
    if (natalChartPage_->isAncestorOf(w) && w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
  } while (w != natalChartPage_);
  chain.push_back(pageTabs_);
  for (size_t i = 0; i + 1 < chain.size(); ++i) QWidget::setTabOrder(chain[i], chain[i + 1]);
}

void MainWindow::selectNumber(QComboBox* list, int number) {
  const int i = list->findData(number);
  if (i >= 0) list->setCurrentIndex(i);
}

QWidget* MainWindow::currentPage() const { return pages_->currentWidget(); }

QSize MainWindow::workArea() const {
  if (options_.workArea.isValid()) return options_.workArea;
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? s->availableGeometry().size() : screen_;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // The date bar sits beside the commands while both fit; on a narrow or
  // scaled screen it takes a row of its own rather than hiding its lists
  // behind an overflow button.
  const int needed = commandBar_->sizeHint().width() + dateBar_->sizeHint().width();
  const bool wrap = needed > width();
  if (wrap != toolBarBreak(dateBar_)) {
    if (wrap)
      insertToolBarBreak(dateBar_);
    else
      removeToolBarBreak(dateBar_);
  }
}

void MainWindow::setZoom(qreal zoom) {
  const qreal old = zoom_;
  zoom_ = std::clamp(zoom, kZoomSteps.front(), kZoomSteps.back());
  almanacPage_->setZoom(zoom_);
  natalChartPage_->setZoom(zoom_);
  if (zoom_ != old) emit zoomChanged(zoom_);
}

void MainWindow::zoomBy(int steps) {
  auto at = std::find(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
  const int i = at == kZoomSteps.end() ? 0 : static_cast<int>(at - kZoomSteps.begin());
  setZoom(kZoomSteps[static_cast<size_t>(std::clamp<int>(i + steps, 0, kZoomSteps.size() - 1))]);
}

void MainWindow::setHighContrast(bool on) {
  SetHighContrast(on);
  QAction* toggle = commandAction(Command::HighContrast);
  const QSignalBlocker quiet(toggle);
  toggle->setChecked(on);
}

void MainWindow::selectDate(const QDate& date) {
  {
    const QSignalBlocker y(yearList_), m(monthList_), d(dayList_), h(hourList_), s(sexList_);
    selectNumber(yearList_, date.year());
    selectNumber(monthList_, date.month());
    fillDayList();
    selectNumber(dayList_, date.day());
    hourList_->setCurrentIndex(0);
    sexList_->setCurrentIndex(0);
  }
  showChosenYear();
}

void MainWindow::computeYearData(int year) {
  lunisol::LoadYearData(yearData_, year);
  const MoonPhaseReport& report = yearData_.moonReport;
  if (!report.needsNotice() || !noticedFiles_.insert(report.path).second) return;
  QStringList lines;
  for (const std::u16string& line : MoonPhaseNoticesChinese(report, year)) lines << ToQString(line);
  tell(QStringLiteral("月相檔"), lines.join(u'\n'));
}

void MainWindow::warnAtStart(const QString& text) {
  if (options_.notice) {
    options_.notice(text);
    return;
  }
  notices_.push_front({QStringLiteral("Lunisol"), text, true});  // before any notice
}

void MainWindow::tell(const QString& title, const QString& text) {
  if (options_.notice) {
    options_.notice(text);
    return;
  }
  notices_.push_back({title, text, false});
  // After the month is on show, not in the middle of a choice; at start-up
  // with the other start-up boxes.
  if (started_) QTimer::singleShot(0, this, &MainWindow::showPendingNotices);
}

void MainWindow::showPendingNotices() {
  if (telling_) return;  // the open box's loop shows the rest
  telling_ = true;
  while (!notices_.empty()) {
    const Notice n = notices_.front();
    notices_.pop_front();
    QMessageBox box(n.warning ? QMessageBox::Warning : QMessageBox::Information, n.title, n.text, QMessageBox::Ok,
                    this);
    box.exec();
  }
  telling_ = false;
}

void MainWindow::startUp() {
  if (started_) return;
  started_ = true;
  // Warnings first, each read and closed before the next; the about box
  // only after them, so it never hides one.
  showPendingNotices();
  if (options_.showAboutOnStart) showAbout();
}

int MainWindow::selectedYear() const { return yearList_->currentData().toInt(); }
int MainWindow::selectedMonth() const { return monthList_->currentData().toInt(); }
int MainWindow::selectedDay() const { return dayList_->currentData().toInt(); }
int MainWindow::hourBranch() const { return hourList_->currentIndex(); }
int MainWindow::sex() const { return sexList_->currentIndex(); }

void MainWindow::evaluateMonth() {
  shownYear_ = selectedYear();
  shownMonth_ = selectedMonth();
  month_ = EvaluateMonth(shownYear_, shownMonth_, yearData_, terms_);
  almanacPage_->showMonth(month_, terms_);
  almanacPage_->showDayAdvice(DayAdviceTips(month_, shownYear_, shownMonth_));
  almanacPage_->scrollToTitles();
  showFocusDay();
  setWindowTitle(ToQString(month_.windowTitle));
}

void MainWindow::showFocusDay() {
  const std::optional<DaySheetFacts> facts = DaySheetFactsOf(shownYear_, shownMonth_, selectedDay());
  if (!facts) {
    almanacPage_->setFocusDay(selectedDay());
    return;
  }
  const DayLists& d = facts->lists;
  const QString name = QStringLiteral("國曆 %1 年 %2 月 %3 日 星期%4")
                           .arg(d.year)
                           .arg(d.month)
                           .arg(d.day)
                           .arg(ToQString(kWeekdayNames[static_cast<size_t>(facts->weekday)]));
  const QString description =
      QStringLiteral("農曆%1。%2")
          .arg(ToQString(LunarDateName(LunarDateFromSigned(d.lunarYear, d.lunarMonth, d.lunarDay))),
               DayAdviceTip(facts->almanac).replace(u'\n', QStringLiteral("。")));
  almanacPage_->setFocusDay(d.day, name, description);
}

void MainWindow::stepDay(int days) {
  const QDate next = QDate(selectedYear(), selectedMonth(), selectedDay()).addDays(days);
  if (next != ClampToCalendar(next)) return;
  if (next.year() != selectedYear() || next.month() != selectedMonth()) moveToMonth(next.year(), next.month());
  selectNumber(dayList_, next.day());
}

// A choice counts whichever page shows: the almanac page, the sheets and the
// natal chart always read one selection.
void MainWindow::showChosenYear() {
  fillDayList();
  computeYearData(selectedYear());
  evaluateMonth();
  showNatalChart();
}

void MainWindow::showChosenMonth() {
  fillDayList();
  if (yearData_.year != selectedYear()) computeYearData(selectedYear());
  evaluateMonth();
  showNatalChart();
}

void MainWindow::fillDayList() {
  // The chosen day stays chosen; past the month's end it becomes the last day.
  const int days = DaysInSolarMonth(selectedYear(), selectedMonth());
  const int chosen = std::clamp(dayList_->count() ? selectedDay() : 1, 1, days);
  const QSignalBlocker quiet(dayList_);
  dayList_->clear();
  for (int d = 1; d <= days; ++d) dayList_->addItem(QString::number(d), d);
  selectNumber(dayList_, chosen);
}

void MainWindow::switchPage(int index) {
  pageIndex_ = index;
  if (index != 0 && index != 1) return;
  pages_->setCurrentIndex(index);
  // Saving and printing act on the page on show; their prompts say which.
  const bool chart = index == 1;
  commandAction(Command::ExportImage)
      ->setStatusTip(chart ? QStringLiteral("將整張命盤存成 PNG 圖檔或 PDF") : QStringLiteral("將本月頁面存成圖檔"));
  commandAction(Command::Print)->setStatusTip(chart ? QStringLiteral("列印命盤") : QStringLiteral("列印本月頁面"));
}

void MainWindow::moveToMonth(int year, int month) {
  if (year < kFirstYear || year > kLastYear) return;
  const bool newYear = year != selectedYear();
  {
    const QSignalBlocker quietYear(yearList_), quietMonth(monthList_);
    selectNumber(monthList_, month);
    selectNumber(yearList_, year);
  }
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
  return s;
}

void MainWindow::present(QDialog& dialog) const { PresentDialog(dialog, zoom_, workArea()); }

std::unique_ptr<QDialog> MainWindow::makeSheet(SheetKind kind) {
  std::unique_ptr<QDialog> dialog;
  switch (kind) {
    case SheetKind::kBone:
      dialog = MakeBoneWeighingDialog(selection(), this);
      break;
    case SheetKind::kYearly:
      dialog = MakeYearlyNotesDialog(selection(), this);
      break;
    case SheetKind::kZodiac:
      dialog = MakeZodiacFortuneDialog(selection(), this);
      break;
    case SheetKind::kHours:
      dialog = MakeHourTableDialog(month_, {shownYear_, shownMonth_, selectedDay()}, this);
      break;
    case SheetKind::kDay:
      dialog = MakeDaySheetDialog(selection(), this);
      break;
  }
  // The sheets follow the page's large print and fit the screen.
  if (dialog) present(*dialog);
  return dialog;
}

void MainWindow::openSheet(SheetKind kind) {
  std::unique_ptr<QDialog> dialog = makeSheet(kind);
  if (dialog) {
    dialog->exec();
    return;
  }
  // A command never fails without a word.
  QMessageBox::information(this, QStringLiteral("警告視窗"),
                           QStringLiteral("%1 年 %2 月 %3 日無法換算成農曆日期，這一頁打不開。")
                               .arg(selectedYear())
                               .arg(selectedMonth())
                               .arg(selectedDay()));
}

void MainWindow::openBoneWeighing() { openSheet(SheetKind::kBone); }
void MainWindow::openHourTable() { openSheet(SheetKind::kHours); }
void MainWindow::openYearlyNotes() { openSheet(SheetKind::kYearly); }
void MainWindow::openZodiacFortune() { openSheet(SheetKind::kZodiac); }

void MainWindow::showAbout() {
  std::unique_ptr<QDialog> about = MakeAboutDialog(this);
  present(*about);
  about->exec();
}

void MainWindow::openHourTableFor(int day) {
  if (auto dialog = MakeHourTableDialog(month_, {shownYear_, shownMonth_, day}, this)) {
    present(*dialog);
    dialog->exec();
  }
}

void MainWindow::openYearlyNotesSheet() { openSheet(SheetKind::kYearly); }

void MainWindow::openDaySheet() { openSheet(SheetKind::kDay); }

void MainWindow::openDaySheetFor(int day) {
  if (auto dialog = MakeDaySheetDialog({shownYear_, shownMonth_, day, hourBranch()}, this)) {
    present(*dialog);
    dialog->exec();
  }
}

DayFinderDialog* MainWindow::dayFinder() const { return finder_; }

void MainWindow::openDayFinder() {
  if (!finder_) {
    finder_ = new DayFinderDialog(today(), births_, this);
    finder_->setAttribute(Qt::WA_DeleteOnClose);
    connect(finder_, &DayFinderDialog::dateChosen, this, &MainWindow::showFoundDay);
    connect(finder_, &DayFinderDialog::birthsChanged, this, [this](const QList<QDate>& births) { births_ = births; });
    present(*finder_);
  }
  finder_->show();
  finder_->raise();
  finder_->activateWindow();
}

void MainWindow::showFoundDay(const QDate& date) {
  if (!date.isValid()) return;
  if (pageIndex_ != 0) {
    pageTabs_->setCurrentIndex(0);
    switchPage(0);
  }
  moveToMonth(date.year(), date.month());
  selectNumber(dayList_, date.day());
  almanacPage_->markDay(date.day());
}

void MainWindow::exportCalendar() {
  CalendarExportDialog dialog(selectedYear(), this);
  present(dialog);
  dialog.exec();
}

void MainWindow::showNatalChart() {
  // The day list always holds the days of the chosen month (see fillDayList).
  const QDate date(selectedYear(), selectedMonth(), selectedDay());
  const QDate now = today();
  const Birth birth{date.year(), date.month(), date.day(), hourBranch(), sex() == 1 ? Sex::kFemale : Sex::kMale};
  if (const std::optional<NatalChart> chart = ComputeChart(birth))
    natalChartPage_->showChart(*chart, {now.year(), now.month(), now.day()});
  else
    natalChartPage_->showNoChart(
        QStringLiteral("%1 年 %2 月 %3 日無法排盤。").arg(date.year()).arg(date.month()).arg(date.day()));
}

void MainWindow::exportImage() {
  if (currentPage() == natalChartPage_) {
    natalChartPage_->exportWithDialog(this);
    return;
  }
  ExportPageWithDialog(*almanacPage_, yearList_->currentText(), selectedMonth(), this);
}

void MainWindow::printPage() {
  if (currentPage() == natalChartPage_)
    natalChartPage_->print(this);
  else
    PrintPage(*almanacPage_->sheet(), this);
}

}  // namespace lunisol::ui
