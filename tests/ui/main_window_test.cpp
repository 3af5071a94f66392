// The main frame: the start-up date, the date bar's lists and handlers, the
// month keys and the page switch.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimeZone>

#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"
#include "tests/ui/view_testing.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/bone_weighing_dialog.h"
#include "ui/natal_chart_page.h"
#include "ui/page/almanac_page.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/page_tab_bar.h"

using namespace lunisol;
using namespace lunisol::ui;

using namespace lunisol::ui::testing;

namespace {

int VisibleDayColumns(const MainWindow& f) {
  int n = 0;
  for (int e = 0; e < kDayColumns; ++e) n += f.almanacPage()->dayCell(e, PageRow::kDayPillar).visible;
  return n;
}

void Choose(QComboBox* list, const QString& text) { list->setCurrentIndex(list->findText(text)); }

}  // namespace

TEST(Frame, StartsOnTodayWithTheDateBarFilled) {
  MainWindow f(OnDate(2009, 8, 15));
  EXPECT_EQ(f.yearList()->currentText(), QStringLiteral("2009"));
  EXPECT_EQ(f.monthList()->currentText(), QStringLiteral(" 8"));
  EXPECT_EQ(f.dayList()->currentText(), QStringLiteral("15"));
  EXPECT_EQ(f.hourList()->currentText(), QStringLiteral("子 ( 0 ~ 1 )"));
  EXPECT_EQ(f.sexList()->currentText(), QStringLiteral("男"));
  EXPECT_EQ(f.yearList()->count(), 201);
  EXPECT_EQ(f.hourList()->count(), 13);
  EXPECT_EQ(f.pageIndex(), 0);
  const QString title = f.windowTitle();
  EXPECT_TRUE(title.startsWith(QStringLiteral("Lunisol 農民曆 (1900 ~ 2100) { ")));
  EXPECT_TRUE(title.contains(ToQString(kSolarTermDescriptions[SolarTermIndex(u"立秋")])));
  EXPECT_TRUE(title.contains(ToQString(kSolarTermDescriptions[SolarTermIndex(u"處暑")])));
  EXPECT_EQ(f.yearData().year, 2009);
}

TEST(Frame, StartUpDateIsTheLocalDateClampedToTheRange) {
  // 03:00 on the 15th in Taipei is still the 14th in universal time.
  const QDateTime early(QDate(2009, 8, 15), QTime(3, 0), QTimeZone("Asia/Taipei"));
  MainWindow f(At(early.toUTC()));
  // The tests run in Taipei's time (see the test main).
  EXPECT_EQ(f.dayList()->currentText(), QStringLiteral("15"));
  EXPECT_EQ(ClampToCalendar(QDate(1899, 12, 31)), QDate(1900, 1, 1));
  EXPECT_EQ(ClampToCalendar(QDate(2101, 1, 1)), QDate(2100, 12, 31));
  EXPECT_EQ(ClampToCalendar(QDate(2026, 12, 7)), QDate(2026, 12, 7));
  MainWindow late(OnDate(2150, 6, 1));
  EXPECT_EQ(late.yearList()->currentText(), QStringLiteral("2100"));
  EXPECT_EQ(late.monthList()->currentText(), QStringLiteral("12"));
}

TEST(Frame, TheDayListFollowsTheMonthAndKeepsTheChosenDay) {
  MainWindow f(OnDate(2009, 1, 31));
  Choose(f.monthList(), QStringLiteral(" 2"));
  f.showChosenMonth();
  EXPECT_EQ(VisibleDayColumns(f), 28);
  // February has no 31st: the day becomes the month's last, never a day
  // the page does not show.
  EXPECT_EQ(f.dayList()->count(), 28);
  EXPECT_EQ(f.dayList()->currentText(), QStringLiteral("28"));
  EXPECT_EQ(f.selectedDay(), 28);
  f.dayList()->setCurrentIndex(9);
  Choose(f.monthList(), QStringLiteral(" 3"));
  f.showChosenMonth();
  EXPECT_EQ(f.dayList()->count(), 31);
  EXPECT_EQ(f.selectedDay(), 10);
  // Every sheet opens for the day shown.
  for (SheetKind kind : {SheetKind::kBone, SheetKind::kHours, SheetKind::kYearly, SheetKind::kZodiac})
    EXPECT_NE(f.makeSheet(kind), nullptr);
}

TEST(Frame, OneSelectionWhicheverPageShows) {
  MainWindow f(OnDate(2009, 5, 26));
  f.switchPage(1);
  EXPECT_EQ(f.currentPage(), f.natalChartPage());
  // Saving and printing say they act on the chart now.
  EXPECT_TRUE(f.commandAction(MainWindow::Command::Print)->statusTip().contains(QStringLiteral("命盤")));
  Choose(f.yearList(), QStringLiteral("2010"));
  f.showChosenYear();
  // The page and the sheets follow at once, not when the page comes back.
  EXPECT_EQ(f.yearData().year, 2010);
  EXPECT_TRUE(f.almanacPage()->gregorianTitle().text.contains(QStringLiteral("99")));
  f.switchPage(0);
  EXPECT_EQ(f.currentPage(), f.almanacPage());
  // An unknown tab index is stored but shows nothing new.
  f.switchPage(2);
  EXPECT_EQ(f.pageIndex(), 2);
  EXPECT_EQ(f.currentPage(), f.almanacPage());
  // The tab control drives the same switch.
  f.pageTabs()->setCurrentIndex(0);
  emit f.pageTabs()->currentChanged(1);
  EXPECT_EQ(f.currentPage(), f.natalChartPage());
}

TEST(Frame, ListsKeepTheirHeightsAndTheDateBarNeverOverflows) {
  MainWindow f(OnDate(2009, 5, 26));
  f.resize(1280, 900);
  f.show();
  QApplication::processEvents();
  f.yearList()->showPopup();
  QApplication::processEvents();
  // The year list asks for 18 rows (360 pixels), not the screen's height.
  EXPECT_LE(f.yearList()->view()->height(), 18 * f.yearList()->view()->sizeHintForRow(0) + 8);
  f.yearList()->hidePopup();
  // Narrow: the date bar takes a row of its own, every list in sight.
  f.resize(640, 480);
  QApplication::processEvents();
  for (QComboBox* list : {f.yearList(), f.monthList(), f.dayList(), f.hourList(), f.sexList()}) {
    EXPECT_TRUE(list->isVisible());
    const QRect inWindow(list->mapTo(&f, QPoint(0, 0)), list->size());
    EXPECT_TRUE(f.rect().contains(inWindow)) << list->currentText().toStdString();
  }
}

TEST(Frame, LargePrintZoomsInStepsAndBack) {
  MainWindow f(OnDate(2009, 5, 26));
  const QSize plain = f.almanacPage()->sheet()->size();
  f.zoomBy(1);
  EXPECT_EQ(f.zoom(), 1.25);
  for (int i = 0; i < 10; ++i) f.zoomBy(1);
  EXPECT_EQ(f.zoom(), 2.0);
  EXPECT_EQ(f.almanacPage()->sheet()->width(), 2 * plain.width());
  f.setZoom(1);
  EXPECT_EQ(f.almanacPage()->sheet()->size(), plain);
}

TEST(Frame, PageKeysWalkMonthsAcrossYearsWithinTheRange) {
  MainWindow f(OnDate(2009, 12, 20));
  f.showMonthOffset(1);
  EXPECT_EQ(f.yearList()->currentText(), QStringLiteral("2010"));
  EXPECT_EQ(f.monthList()->currentText(), QStringLiteral(" 1"));
  EXPECT_EQ(f.yearData().year, 2010);
  EXPECT_TRUE(f.almanacPage()->gregorianTitle().text.contains(QStringLiteral("99")));
  f.showMonthOffset(-1);
  EXPECT_EQ(f.yearList()->currentText(), QStringLiteral("2009"));
  EXPECT_EQ(f.monthList()->currentText(), QStringLiteral("12"));
  EXPECT_NE(f.yearData().NineStarOf(12, 31), 0);  // December's stars run past 冬至

  MainWindow first(OnDate(1900, 1, 5));
  first.showMonthOffset(-1);
  EXPECT_EQ(first.yearList()->currentText(), QStringLiteral("1900"));
  EXPECT_EQ(first.monthList()->currentText(), QStringLiteral(" 1"));
  first.showMonthOffset(5);
  EXPECT_EQ(first.monthList()->currentText(), QStringLiteral(" 6"));
  first.showTodaysMonth();
  EXPECT_EQ(first.monthList()->currentText(), QStringLiteral(" 1"));
}

// A screen with a panel (and a laptop's usual work areas, down to 680 high)
// leaves less room than the screen: every row shows, the fetus god's last,
// with no vertical scroll bar.
TEST(MainWindow, ThePageFitsTheWorkArea) {
  const struct {
    QSize screen, work;
  } kDesks[] = {
      {{1280, 1024}, {1280, 954}}, {{1366, 768}, {1366, 728}}, {{1280, 720}, {1280, 680}}, {{1024, 768}, {1024, 728}}};
  for (const auto& desk : kDesks) {
    WindowOptions options = OnDate(2009, 5, 26);
    options.screen = desk.screen;
    options.workArea = desk.work;
    MainWindow window(options);
    window.resize(desk.work);
    window.show();
    QApplication::processEvents();
    AlmanacPage* page = window.almanacPage();
    const std::string what = std::to_string(desk.work.width()) + "x" + std::to_string(desk.work.height());
    EXPECT_FALSE(page->verticalScrollBar()->isVisible()) << what;
    EXPECT_LE(page->sheet()->height(), page->viewport()->height()) << what;
    for (const PageRowPlace& row : kPageRows)
      EXPECT_LE(page->dayCell(0, row.row).rect.bottom(), page->viewport()->height()) << what;
  }
}

// A page read from right to left opens at its right edge, where the titles
// and the first days stand, and keeps it in view through a zoom, a resize and
// a month change; a reader who scrolled keeps the place through a zoom.
TEST(MainWindow, TheTitlesStayInViewUnlessTheReaderScrolls) {
  WindowOptions small = OnDate(2009, 5, 26);
  small.screen = QSize(800, 600);
  MainWindow narrow(small);
  narrow.resize(800, 560);
  narrow.show();
  QApplication::processEvents();
  AlmanacPage* page = narrow.almanacPage();
  QScrollBar* bar = page->horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  narrow.zoomBy(1);
  QApplication::processEvents();
  EXPECT_EQ(bar->value(), bar->maximum());
  narrow.resize(700, 560);
  QApplication::processEvents();
  EXPECT_EQ(bar->value(), bar->maximum());
  narrow.resize(800, 560);
  QApplication::processEvents();
  EXPECT_EQ(bar->value(), bar->maximum());

  // Scrolled to the middle: a zoom keeps the column in the middle.
  bar->setValue(bar->maximum() / 2);
  const int middle = (bar->value() + page->viewport()->width() / 2) * 4 / 5;  // layout pixels at 125 %
  EXPECT_FALSE(page->keepsTitlesInView());
  narrow.zoomBy(1);
  QApplication::processEvents();
  EXPECT_LT(bar->value(), bar->maximum());
  EXPECT_NEAR((bar->value() + page->viewport()->width() / 2) / 1.5, middle, 2);
  // A new month opens at its titles again.
  narrow.showMonthOffset(1);
  QApplication::processEvents();
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_TRUE(page->keepsTitlesInView());
}

TEST(Frame, TheAboutBoxNamesTheProgramAndOnlyRealLinks) {
  AboutDialog about(nullptr);
  EXPECT_TRUE(about.windowTitle().contains(QStringLiteral("Lunisol 農民曆")));
  EXPECT_FALSE(about.windowTitle().contains(QStringLiteral("CQirvan")));
  // The build sets no web page or address, so none is shown.
  EXPECT_EQ(about.webLink(), nullptr);
  EXPECT_EQ(about.mailLink(), nullptr);
  for (QLabel* label : about.findChildren<QLabel*>()) EXPECT_FALSE(label->text().contains(QStringLiteral("example")));
  bool versionShown = false;
  for (QLabel* label : about.findChildren<QLabel*>())
    versionShown |= label->text().contains(QString::fromLatin1(AboutDialog::kVersion));
  EXPECT_TRUE(versionShown);
}

TEST(Frame, AnUnusableMoonPhaseFileIsToldOfOnce) {
  QTemporaryDir dir;
  QFile(dir.filePath(QStringLiteral("Farmer2009"))).open(QIODevice::WriteOnly);  // empty
  const QString home = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  QStringList notices;
  WindowOptions options = OnDate(2009, 5, 26);
  options.notice = [&](const QString& text) { notices << text; };
  {
    MainWindow f(options);
    Choose(f.monthList(), QStringLiteral(" 6"));
    f.showChosenMonth();
    Choose(f.yearList(), QStringLiteral("2010"));
    f.showChosenYear();
    Choose(f.yearList(), QStringLiteral("2009"));
    f.showChosenYear();
    // The built-in phases stand in for the file's.
    EXPECT_FALSE(f.yearData().moon.phases.empty());
  }
  QDir::setCurrent(home);
  ASSERT_EQ(notices.size(), 1);
  EXPECT_TRUE(notices[0].contains(QStringLiteral("Farmer2009")));
}
