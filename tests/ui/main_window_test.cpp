// The main frame: the start-up date, the date bar's lists and handlers, the
// month keys and the page switch.
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimeZone>

#include "calendar/solar_terms.h"
#include "calendar/text.h"
#include "ui/natal_chart_page.h"
#include "ui/page/almanac_page.h"
#include "ui/widgets/page_tab_bar.h"

using namespace lunisol;
using namespace lunisol::ui;

namespace {

WindowOptions At(QDateTime moment) {
  WindowOptions o;
  o.screen = QSize(1280, 1024);
  o.today = [moment] { return moment; };
  o.showAboutOnStart = false;
  return o;
}

WindowOptions OnDate(int y, int m, int d) { return At(QDateTime(QDate(y, m, d), QTime(12, 0))); }

int VisibleDayColumns(const MainWindow& f) {
  int n = 0;
  for (int e = 0; e < kDayColumns; ++e) n += f.almanacPage()->dayCell(e, PageRow::kDayPillar).visible;
  return n;
}

void Choose(QComboBox* list, const QString& text) { list->setCurrentIndex(list->findText(text)); }

void GiveFocus(QComboBox* list) {
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(list, &in);
}

}  // namespace

TEST(Frame, StartsOnTodayWithTheDateBarFilled) {
  MainWindow f(OnDate(2009, 8, 15));
  EXPECT_EQ(f.yearList()->currentText(), QStringLiteral("2009"));
  EXPECT_EQ(f.monthList()->currentText(), QStringLiteral(" 8"));
  EXPECT_EQ(f.dayList()->currentText(), QStringLiteral("15"));
  EXPECT_EQ(f.hourList()->currentText(), QStringLiteral("子 ( 23 ~ 1 )"));
  EXPECT_EQ(f.sexList()->currentText(), QStringLiteral("男"));
  EXPECT_EQ(f.yearList()->count(), 201);
  EXPECT_EQ(f.hourList()->count(), 12);
  EXPECT_EQ(f.pageIndex(), 0);
  const QString title = f.windowTitle();
  EXPECT_TRUE(title.startsWith(QStringLiteral("Tillary (1900 ~ 2100) { ")));
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

TEST(Frame, MonthChoiceRefillsTheDayListOnlyOnFocus) {
  MainWindow f(OnDate(2009, 1, 31));
  Choose(f.monthList(), QStringLiteral(" 2"));
  f.showChosenMonth();
  EXPECT_EQ(VisibleDayColumns(f), 28);
  EXPECT_EQ(f.dayList()->count(), 31);
  EXPECT_EQ(f.dayList()->currentText(), QStringLiteral("31"));
  GiveFocus(f.dayList());
  EXPECT_EQ(f.dayList()->count(), 28);
  EXPECT_EQ(f.dayList()->currentText(), QStringLiteral("1"));
  // Focus that only comes back from the list's own drop-down keeps the day.
  f.dayList()->setCurrentIndex(9);
  QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);
  QApplication::sendEvent(f.dayList(), &back);
  EXPECT_EQ(f.dayList()->currentText(), QStringLiteral("10"));
}

TEST(Frame, ChoicesOnTheNatalChartWaitForTheAlmanacPage) {
  MainWindow f(OnDate(2009, 5, 26));
  const QString title = f.almanacPage()->lunarTitle().text;
  f.switchPage(1);
  EXPECT_EQ(f.currentPage(), f.natalChartPage());
  Choose(f.yearList(), QStringLiteral("2010"));
  f.showChosenYear();
  EXPECT_EQ(f.yearData().year, 2009);
  EXPECT_EQ(f.almanacPage()->lunarTitle().text, title);
  f.switchPage(0);
  EXPECT_EQ(f.currentPage(), f.almanacPage());
  EXPECT_EQ(f.almanacPage()->lunarTitle().text, title);
  // The next month choice catches the year up before reading its tables.
  f.showChosenMonth();
  EXPECT_EQ(f.yearData().year, 2010);
  EXPECT_TRUE(f.almanacPage()->gregorianTitle().text.contains(QStringLiteral("99")));
  // An unknown tab index is stored but shows nothing new.
  f.switchPage(2);
  EXPECT_EQ(f.pageIndex(), 2);
  EXPECT_EQ(f.currentPage(), f.almanacPage());
  f.showChosenYear();  // not page 0: ignored
  EXPECT_EQ(f.yearData().year, 2010);
  // The tab control drives the same switch.
  f.pageTabs()->setCurrentIndex(0);
  emit f.pageTabs()->currentChanged(1);
  EXPECT_EQ(f.currentPage(), f.natalChartPage());
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
  EXPECT_EQ(f.yearData().calendar.decemberMarker >= 0, true);  // December needs its marker

  MainWindow first(OnDate(1900, 1, 5));
  first.showMonthOffset(-1);
  EXPECT_EQ(first.yearList()->currentText(), QStringLiteral("1900"));
  EXPECT_EQ(first.monthList()->currentText(), QStringLiteral(" 1"));
  first.showMonthOffset(5);
  EXPECT_EQ(first.monthList()->currentText(), QStringLiteral(" 6"));
  first.showTodaysMonth();
  EXPECT_EQ(first.monthList()->currentText(), QStringLiteral(" 1"));
}

TEST(MainWindow, ThePageFitsTheWorkAreaAndOpensAtItsTitles) {
  // A 1280 × 1024 screen with a taskbar and a title bar leaves 1280 × 954.
  WindowOptions fit = OnDate(2009, 5, 26);
  fit.screen = QSize(1280, 1024);
  MainWindow window(fit);
  window.resize(1280, 954);
  window.show();
  QApplication::processEvents();
  AlmanacPage* page = window.almanacPage();
  EXPECT_FALSE(page->verticalScrollBar()->isVisible());
  EXPECT_LE(page->sheet()->height(), page->viewport()->height());
  // The lowest row, the fetus god's, is inside the viewport.
  const QRect lowest = page->dayCell(0, PageRow::kFetusGodPlace).rect;
  EXPECT_LE(lowest.bottom(), page->viewport()->height());

  // On a small screen the page is wider than the window: it opens at its
  // right edge, where the titles and the first days stand, and keeps them in
  // view when the month changes.
  WindowOptions small = OnDate(2009, 5, 26);
  small.screen = QSize(800, 600);
  MainWindow narrow(small);
  narrow.resize(800, 560);
  narrow.show();
  QApplication::processEvents();
  QScrollBar* bar = narrow.almanacPage()->horizontalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  bar->setValue(0);
  narrow.showMonthOffset(1);
  EXPECT_EQ(bar->value(), bar->maximum());
}
