// Every reader, every screen, every key: the dialogs at the large print and
// within the work area by every route, the keyboard's way through the window,
// what a screen reader is told, the high-contrast view, the order of the
// start-up boxes and the window's least size.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <cmath>

#include "almanac/lunar_date_names.h"
#include "days/day_lists.h"
#include "tests/ui/view_testing.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/day_finder_dialog.h"
#include "ui/dialogs/day_sheet_dialog.h"
#include "ui/dialogs/dialog_fit.h"
#include "ui/dialogs/hour_table_dialog.h"
#include "ui/natal_chart_page.h"
#include "ui/page/almanac_page.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/contrast.h"
#include "ui/widgets/page_tab_bar.h"

using namespace lunisol;
using namespace lunisol::ui;
using namespace lunisol::ui::testing;

namespace {

// A dialog within `room`, its sheets at `zoom`, its buttons and tabs in view
// (inside the dialog and outside any scrolled part).
void ExpectFitted(QDialog& d, QSize room, qreal zoom, const std::string& what) {
  EXPECT_LE(d.width(), room.width()) << what;
  EXPECT_LE(d.height(), room.height()) << what;
  for (CellSheet* sheet : d.findChildren<CellSheet*>()) EXPECT_EQ(sheet->zoom(), zoom) << what;
  QList<QWidget*> controls;
  for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
    if (!b->isHidden()) controls << b;
  for (PageTabBar* t : d.findChildren<PageTabBar*>()) controls << t;
  for (QWidget* w : controls) {
    EXPECT_TRUE(d.rect().contains(QRect(w->mapTo(&d, QPoint(0, 0)), w->size()))) << what;
    for (QWidget* up = w->parentWidget(); up && up != &d; up = up->parentWidget())
      EXPECT_FALSE(qobject_cast<QScrollArea*>(up)) << what << ": a button that scrolls away";
  }
}

void DoubleClickDay(AlmanacPage* page, int day, Qt::KeyboardModifiers modifiers) {
  CellSheet* sheet = page->sheet();
  const QPoint at = sheet->toWidget(page->dayCell(page->elementOfDay(day), PageRow::kLunarDay).rect).center();
  QMouseEvent e(QEvent::MouseButtonDblClick, at, sheet->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, modifiers);
  QCoreApplication::sendEvent(sheet, &e);
}

// The contrast ratio as the accessibility guidelines define it, worked out
// here on its own rather than with the program's function.
double Ratio(const QColor& a, const QColor& b) {
  auto lum = [](const QColor& c) {
    auto lin = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
  };
  const double x = lum(a), y = lum(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The ratio of every text cell of a sheet (and the sheets on it) that shows.
void CollectRatios(const CellSheet& sheet, double& least, int& cells) {
  for (int i = 0; i < static_cast<int>(sheet.cells().size()); ++i) {
    const Cell& c = sheet.cell(i);
    if (!c.visible || c.text.trimmed().isEmpty()) continue;
    least = std::min(least, Ratio(sheet.inkOf(i), sheet.groundOf(i)));
    ++cells;
  }
  for (const CellSheet* child : sheet.findChildren<CellSheet*>()) CollectRatios(*child, least, cells);
}

}  // namespace

// At 200 % on a 1280 × 954 work area the tall sheets would be 1760 × 1040 or
// more: each opens at the zoom, within the room, and scrolls inside with its
// buttons below, whichever route opens it.
TEST(Reach, EveryDialogOpensAtTheZoomWithinTheWorkArea) {
  WindowOptions options = OnDate(2009, 5, 26);
  options.workArea = QSize(1280, 954);
  MainWindow f(options);
  f.setZoom(2);
  const QSize room = options.workArea - kWindowFrame;
  for (SheetKind kind :
       {SheetKind::kBone, SheetKind::kHours, SheetKind::kYearly, SheetKind::kZodiac, SheetKind::kDay}) {
    std::unique_ptr<QDialog> d = f.makeSheet(kind);
    ASSERT_TRUE(d);
    ExpectFitted(*d, room, 2, "sheet " + std::to_string(static_cast<int>(kind)));
  }
  using C = MainWindow::Command;
  for (C command :
       {C::BoneWeighing, C::HourTable, C::YearlyNotes, C::ZodiacFortune, C::DaySheet, C::ExportCalendar, C::About}) {
    const std::string what = "command " + std::to_string(static_cast<int>(command));
    EXPECT_TRUE(CatchModal<QDialog>([&] { f.commandAction(command)->trigger(); },
                                    [&](QDialog& d) { ExpectFitted(d, room, 2, what); }))
        << what;
  }
  // The page's own routes: a double-click, Ctrl and a double-click, the keys.
  AlmanacPage* page = f.almanacPage();
  EXPECT_TRUE(CatchModal<HourTableDialog>([&] { DoubleClickDay(page, 19, Qt::NoModifier); },
                                          [&](HourTableDialog& d) { ExpectFitted(d, room, 2, "double-click"); }));
  EXPECT_TRUE(CatchModal<DaySheetDialog>([&] { DoubleClickDay(page, 19, Qt::ControlModifier); },
                                         [&](DaySheetDialog& d) { ExpectFitted(d, room, 2, "Ctrl+double-click"); }));
  EXPECT_TRUE(CatchModal<DaySheetDialog>([&] { QTest::keyClick(page, Qt::Key_Return, Qt::ControlModifier); },
                                         [&](DaySheetDialog& d) { ExpectFitted(d, room, 2, "Ctrl+Enter"); }));
  f.commandAction(C::DayFinder)->trigger();
  ASSERT_TRUE(f.dayFinder());
  EXPECT_LE(f.dayFinder()->height(), room.height());
  EXPECT_GT(f.dayFinder()->font().pointSizeF(), 1.9 * QApplication::font().pointSizeF());
  f.dayFinder()->close();

  // The chart page can follow the zoom.
  QList<qreal> told;
  QObject::connect(&f, &MainWindow::zoomChanged, [&](qreal z) { told << z; });
  f.zoomBy(-1);
  EXPECT_EQ(told, QList<qreal>{1.75});
}

// Every command has a key its tip shows, and Tab walks the toolbar, the date
// bar, the page and the tabs.
TEST(Reach, EveryCommandHasAKeyAndTabReachesEveryPart) {
  MainWindow f(OnDate(2009, 5, 26));
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));  // window keys need an active window
  using C = MainWindow::Command;
  const std::map<C, QKeySequence> wanted{{C::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
                                         {C::ExportImage, QKeySequence(Qt::CTRL | Qt::Key_S)},
                                         {C::ExportCalendar, QKeySequence(Qt::CTRL | Qt::Key_E)},
                                         {C::DayFinder, QKeySequence(Qt::CTRL | Qt::Key_F)},
                                         {C::About, QKeySequence(Qt::Key_F1)}};
  QSet<QString> keys;
  int commands = 0;
  for (QAction* a : f.commandBar()->actions()) {
    if (a->isSeparator()) continue;
    ++commands;
    ASSERT_FALSE(a->shortcut().isEmpty()) << a->text().toStdString();
    EXPECT_TRUE(a->toolTip().contains(a->shortcut().toString(QKeySequence::NativeText))) << a->text().toStdString();
    keys << a->shortcut().toString();
    EXPECT_TRUE(f.commandBar()->widgetForAction(a)->focusPolicy() & Qt::TabFocus);
  }
  EXPECT_EQ(keys.size(), commands);  // no two commands share a key
  for (const auto& [command, key] : wanted) EXPECT_EQ(f.commandAction(command)->shortcut(), key);

  // The Tab order, from the first command to the tabs.
  QWidget* w = f.commandBar()->widgetForAction(f.commandBar()->actions().constFirst());
  QList<QWidget*> order;
  for (int i = 0; i < 400 && w != f.pageTabs(); ++i, w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus) order << w;
  ASSERT_LT(order.indexOf(f.yearList()), order.indexOf(f.sexList()));
  EXPECT_EQ(order.indexOf(f.yearList()), commands);  // after the commands
  EXPECT_GT(order.indexOf(f.almanacPage()), order.indexOf(f.sexList()));
  EXPECT_EQ(w, f.pageTabs());
  // What the chart page offers (its palace buttons, the name) comes between
  // the date bar and the tabs too.
  const int palace = order.indexOf(f.natalChartPage()->palaceKey(0));
  EXPECT_GT(palace, order.indexOf(f.sexList()));
}

// The arrows choose a day in reading order (left and down: the next day,
// past the month's end into the next month) with a mark to see; Enter opens
// its hour table; a click chooses a day too; Ctrl+Page Down turns the page.
TEST(Reach, TheKeysChooseADayAndTurnThePage) {
  MainWindow f(OnDate(2009, 5, 26));
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  AlmanacPage* page = f.almanacPage();
  page->setFocus();
  EXPECT_EQ(page->focusDay(), 26);
  QTest::keyClick(page, Qt::Key_Left);
  EXPECT_EQ(f.selectedDay(), 27);
  EXPECT_EQ(page->focusDay(), 27);
  EXPECT_TRUE(page->sheet()->focusMarkShown());
  EXPECT_EQ(page->sheet()->focusMark(), ToQRect(page->geometry().highlightRect(32 - page->elementOfDay(27))));
  QTest::keyClick(page, Qt::Key_Right);
  QTest::keyClick(page, Qt::Key_Up);
  EXPECT_EQ(f.selectedDay(), 25);
  // Past the month's end the next month shows.
  for (int i = 0; i < 7; ++i) QTest::keyClick(page, Qt::Key_Down);
  EXPECT_EQ(f.selectedMonth(), 6);
  EXPECT_EQ(page->focusDay(), 1);
  EXPECT_TRUE(CatchModal<HourTableDialog>([&] { QTest::keyClick(page, Qt::Key_Enter); }));

  // A click on a column chooses its day too.
  CellSheet* sheet = page->sheet();
  QTest::mouseClick(sheet, Qt::LeftButton, {},
                    sheet->toWidget(page->dayCell(page->elementOfDay(9), PageRow::kDayPillar).rect).center());
  EXPECT_EQ(f.selectedDay(), 9);

  // The pages, by Ctrl+Page Down and back; the tabs take the arrows.
  f.activateWindow();  // again, after the hour table
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QTest::keyClick(&f, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(f.currentPage(), f.natalChartPage());
  QTest::keyClick(&f, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(f.currentPage(), f.almanacPage());
  f.pageTabs()->setFocus();
  QTest::keyClick(f.pageTabs(), Qt::Key_Right);
  EXPECT_EQ(f.pageTabs()->currentIndex(), 1);
  EXPECT_EQ(f.currentPage(), f.natalChartPage());
}

// A screen reader hears the toolbar, the date bar and its lists by name, and
// the chosen day as the core records it: date, lunar date, 宜 and 忌.
TEST(Reach, AScreenReaderIsToldTheChosenDay) {
  MainWindow f(OnDate(2009, 5, 26));
  EXPECT_FALSE(f.commandBar()->accessibleName().isEmpty());
  EXPECT_FALSE(f.dateBar()->accessibleName().isEmpty());
  for (QComboBox* list : {f.yearList(), f.monthList(), f.dayList(), f.hourList(), f.sexList()})
    EXPECT_FALSE(list->accessibleName().isEmpty());
  for (int day : {26, 27}) {
    f.dayList()->setCurrentIndex(day - 1);
    const DayLists lists = EvaluateDayLists(2009, 5, day);
    const QString name = f.almanacPage()->accessibleName(), about = f.almanacPage()->accessibleDescription();
    EXPECT_TRUE(name.contains(QStringLiteral("2009 年 5 月 %1 日").arg(day))) << name.toStdString();
    EXPECT_TRUE(about.contains(
        ToQString(LunarDateName(LunarDateFromSigned(lists.lunarYear, lists.lunarMonth, lists.lunarDay)))))
        << about.toStdString();
    if (lists.allBad) {
      EXPECT_TRUE(about.contains(QStringLiteral("諸事不宜")));
      continue;
    }
    EXPECT_TRUE(about.contains(QStringLiteral("宜：")) && about.contains(QStringLiteral("忌：")));
    if (lists.yiCount > 0) EXPECT_TRUE(about.contains(ToQString(ActivityName(lists.yi[0].activity))));
  }
}

// The almanac's pale pink, blue and grey read at 2.4–3.9 : 1 on its paper;
// the high-contrast view takes every text of the page, its panels and every
// sheet to 4.5 : 1 at least, keeping each colour's hue, and back again.
TEST(Reach, TheHighContrastViewReadsAtFourAndAHalf) {
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21, 0.01);
  EXPECT_NEAR(ContrastRatio(QColor(255, 128, 128), QColor(255, 255, 240)),
              Ratio(QColor(255, 128, 128), QColor(255, 255, 240)), 0.01);
  const QColor pink = ReadableInk(QColor(255, 128, 128), QColor(255, 255, 240));
  EXPECT_GE(Ratio(pink, QColor(255, 255, 240)), 4.5);
  EXPECT_GT(pink.red(), 1.9 * pink.green());                        // still red
  EXPECT_EQ(ReadableInk(Qt::black, Qt::white), QColor(Qt::black));  // what reads stays

  MainWindow f(OnDate(2009, 5, 26));
  CellSheet* page = f.almanacPage()->sheet();
  double least = 21;
  int cells = 0;
  CollectRatios(*page, least, cells);
  EXPECT_LT(least, 4.5);  // the almanac's own colours by default
  for (int i = 0; i < static_cast<int>(page->cells().size()); ++i) EXPECT_EQ(page->inkOf(i), page->cell(i).colour);

  f.commandAction(MainWindow::Command::HighContrast)->trigger();
  EXPECT_TRUE(HighContrast());
  least = 21, cells = 0;
  CollectRatios(*page, least, cells);
  EXPECT_GE(least, 4.5);
  EXPECT_GT(cells, 500);
  for (SheetKind kind :
       {SheetKind::kBone, SheetKind::kHours, SheetKind::kYearly, SheetKind::kZodiac, SheetKind::kDay}) {
    std::unique_ptr<QDialog> d = f.makeSheet(kind);
    for (CellSheet* sheet : d->findChildren<CellSheet*>()) {
      double sheetLeast = 21;
      int n = 0;
      CollectRatios(*sheet, sheetLeast, n);
      EXPECT_GE(sheetLeast, 4.5) << static_cast<int>(kind);
    }
  }
  // What is painted is the readable ink: the darkest pixel of a pale cell
  // reads at 4.5 : 1 on the paper.
  int pale = -1;
  for (int i = 0; i < static_cast<int>(page->cells().size()) && pale < 0; ++i)
    if (page->cell(i).visible && !page->cell(i).text.isEmpty() && Ratio(page->cell(i).colour, page->groundOf(i)) < 3)
      pale = i;
  ASSERT_GE(pale, 0);
  page->resize(page->layoutSize());
  const QImage shown = page->grab().toImage();
  double darkest = 1;
  const QRect r = page->cell(pale).rect;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      darkest = std::max(darkest, Ratio(shown.pixelColor(x, y), page->groundOf(pale)));
  EXPECT_GE(darkest, 4.4);

  f.setHighContrast(false);
  EXPECT_FALSE(f.commandAction(MainWindow::Command::HighContrast)->isChecked());
  EXPECT_EQ(page->inkOf(pale), page->cell(pale).colour);
  WindowOptions start = OnDate(2009, 5, 26);
  start.highContrast = true;  // --contrast
  MainWindow contrasted(start);
  EXPECT_TRUE(contrasted.commandAction(MainWindow::Command::HighContrast)->isChecked());
  contrasted.setHighContrast(false);
}

// A warning is read before anything else: the moon-phase notice and the
// missing-font warning open one after the other, and the about box only
// when both are closed, never over one.
TEST(Reach, StartUpWarningsComeBeforeTheAboutBox) {
  QTemporaryDir dir;
  QFile(dir.filePath(QStringLiteral("Farmer2009"))).open(QIODevice::WriteOnly);  // empty: unusable
  const QString home = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  WindowOptions options = OnDate(2009, 5, 26);
  options.showAboutOnStart = true;
  QStringList seen;
  bool aboutOverAWarning = false;
  {
    MainWindow f(options);
    f.warnAtStart(QStringLiteral("No Traditional-Chinese font was found"));
    f.show();
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      QWidget* top = QApplication::activeModalWidget();
      if (!top) return;
      if (auto* box = qobject_cast<QMessageBox*>(top)) seen << box->text().left(12);
      if (qobject_cast<AboutDialog*>(top)) {
        seen << QStringLiteral("about");
        for (QWidget* w : QApplication::topLevelWidgets())
          aboutOverAWarning |= qobject_cast<QMessageBox*>(w) && w->isVisible();
      }
      static_cast<QDialog*>(top)->reject();
    });
    closer.start(20);
    QTest::qWaitFor([&] { return seen.contains(QStringLiteral("about")); }, 5000);
  }
  QDir::setCurrent(home);
  ASSERT_EQ(seen.size(), 3) << seen.join(u'|').toStdString();
  EXPECT_TRUE(seen[0].contains(QStringLiteral("Farmer2009")) || seen[1].contains(QStringLiteral("Farmer2009")));
  EXPECT_EQ(seen[2], QStringLiteral("about"));
  EXPECT_FALSE(aboutOverAWarning);
}

// Shrunk as far as it goes, the window keeps every list of the date bar and
// every command in sight, none behind an overflow button.
TEST(Reach, TheWindowKeepsItsBarsUsableAtItsLeastSize) {
  MainWindow f(OnDate(2009, 5, 26));
  f.show();
  f.resize(200, 150);
  QApplication::processEvents();
  EXPECT_GT(f.width(), 200);
  EXPECT_GT(f.height(), 150);
  for (QWidget* w :
       std::initializer_list<QWidget*>{f.yearList(), f.monthList(), f.dayList(), f.hourList(), f.sexList()}) {
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(f.rect().contains(QRect(w->mapTo(&f, QPoint(0, 0)), w->size())));
  }
  for (QAction* a : f.commandBar()->actions()) {
    if (a->isSeparator()) continue;
    QWidget* button = f.commandBar()->widgetForAction(a);
    ASSERT_TRUE(button);
    EXPECT_TRUE(button->isVisible()) << a->text().toStdString();
  }
  EXPECT_TRUE(f.almanacPage()->isVisible());
  EXPECT_GT(f.almanacPage()->height(), 100);
}
