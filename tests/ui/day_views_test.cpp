// What the window shows of a day's 宜/忌: the page's tips, the day sheet,
// the day finder and the calendar export, each against the core's record.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "almanac/lookups.h"
#include "days/almanac_list.h"
#include "days/day_facts.h"
#include "days/day_finder.h"
#include "days/day_lists.h"
#include "ical/day_advice.h"
#include "ical/ical_writer.h"
#include "sheets/tables.h"
#include "tests/ui/view_testing.h"
#include "ui/dialogs/calendar_export_dialog.h"
#include "ui/dialogs/day_finder_dialog.h"
#include "ui/dialogs/day_sheet_dialog.h"
#include "ui/dialogs/hour_table_dialog.h"
#include "ui/main_window.h"
#include "ui/page/almanac_page.h"

namespace lunisol::ui {
using namespace lunisol::ui::testing;

namespace {

QString Q(std::u16string_view text) { return ToQString(text); }

// The names of a day's list as the core has them.
QStringList Names(const std::array<ActivityVerdict, kActivityCount>& items, int count) {
  QStringList names;
  for (int i = 0; i < count; ++i) names << Q(ActivityName(items[static_cast<size_t>(i)].activity));
  return names;
}
QStringList Names(const SpiritSet& spirits) {
  QStringList names;
  spirits.ForEach([&](SpiritId s) { names << Q(SpiritName(s)); });
  return names;
}

QStringList Words(const AlmanacList& a, bool ji) {
  QStringList words;
  for (int i = 0; i < (ji ? a.jiCount : a.yiCount); ++i)
    words << Q(AlmanacWordName((ji ? a.ji[static_cast<size_t>(i)] : a.yi[static_cast<size_t>(i)]).word));
  return words;
}

AlmanacList AlmanacOf(const DayLists& d) {
  AlmanacList a;
  BuildAlmanacList(d, a);
  return a;
}

// The first day of `year` for which `want` holds.
DayLists FirstDayWhere(int year, const std::function<bool(const DayLists&)>& want) {
  DayLists d;
  for (int n = CivilDayNumber(year, 1, 1); n <= CivilDayNumber(year, 12, 31); ++n) {
    const auto [y, m, day] = CivilDate(n);
    if (EvaluateDayLists(y, m, day, d) && want(d)) return d;
  }
  ADD_FAILURE() << "no such day in " << year;
  return d;
}

// The tip the page shows over the top cells of `day` of the month on show;
// fails unless all of them show the same one.
QString PageTip(const MainWindow& f, int day) {
  const AlmanacPage& page = *f.almanacPage();
  const int e = page.elementOfDay(day);
  EXPECT_GE(e, 0) << day;
  if (e < 0) return {};
  const QString tip = page.dayCell(e, PageRow::kDayNumber).tooltip;
  for (PageRow row : AlmanacPage::kAdviceRows) {
    const int i = AlmanacPage::cellIndex(e, row);
    EXPECT_EQ(const_cast<AlmanacPage&>(page).sheet()->tooltipCellAt(page.dayCell(e, row).rect.center()), i);
    EXPECT_EQ(page.dayCell(e, row).tooltip, tip) << static_cast<int>(row);
  }
  return tip;
}

void DoubleClick(QWidget* w, QPoint p, Qt::KeyboardModifiers modifiers) {
  QMouseEvent e(QEvent::MouseButtonDblClick, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, modifiers);
  QCoreApplication::sendEvent(w, &e);
}

}  // namespace

// The page's day, weekday and lunar-day cells tip the day's almanac list as
// the core gives it: its marks, 宜 (ending 餘事勿取 on a day that allows
// nothing else) and 忌; a 諸事不宜 day with nothing 宜 says only that; the
// columns that are no day have no tip.
TEST(DayViews, PageTipsAreTheAlmanacLists) {
  MainWindow f(OnDate(2009, 5, 26));
  const AlmanacList a = AlmanacOf(EvaluateDayLists(2009, 5, 26));
  ASSERT_GT(a.yiCount, 0);
  ASSERT_GT(a.jiCount, 3);
  EXPECT_EQ(PageTip(f, 26),
            Q(u"三娘煞\n宜：") + Words(a, false).join(u'、') + Q(u"\n忌：") + Words(a, true).join(u'、'));
  int tipped = 0;
  for (int e = 0; e < kDayColumns; ++e) tipped += !f.almanacPage()->dayCell(e, PageRow::kDayNumber).tooltip.isEmpty();
  EXPECT_EQ(tipped, 31);

  const DayLists allBad = FirstDayWhere(2029, [](const DayLists& x) { return x.allBad && !AlmanacOf(x).marks; });
  f.showFoundDay(QDate(allBad.year, allBad.month, allBad.day));
  EXPECT_EQ(PageTip(f, allBad.day), Q(u"諸事不宜"));

  const DayLists rest = FirstDayWhere(2026, [](const DayLists& x) {
    const AlmanacList r = AlmanacOf(x);
    return r.restBad && r.jiCount > 0 && !r.marks;
  });
  f.showFoundDay(QDate(rest.year, rest.month, rest.day));
  const AlmanacList r = AlmanacOf(rest);
  EXPECT_EQ(PageTip(f, rest.day),
            Q(u"宜：") + Words(r, false).join(u'、') + Q(u"、餘事勿取\n忌：") + Words(r, true).join(u'、'));
}

// The day sheet opens on the almanac list (its words, marks and reasons,
// each reason with its source in the item's tip) and turns to the book's
// full lists, every item beside its spirits; 沖煞 and 彭祖百忌 are the page's
// and the hour sheet's; the rules are named at the foot.
TEST(DayViews, DaySheetShowsTheAlmanacListThenTheBooksLists) {
  auto dialog = MakeDaySheetDialog({2009, 5, 26, 0}, nullptr);
  ASSERT_TRUE(dialog);
  auto& sheet = static_cast<DaySheetDialog&>(*dialog);
  const DayLists d = EvaluateDayLists(2009, 5, 26);
  const AlmanacList a = AlmanacOf(d);
  ASSERT_EQ(sheet.view(), DaySheetView::kAlmanac);
  EXPECT_EQ(sheet.placeCell(DayPlace::kGregorianLine).text, Q(u"國曆 2009 年 5 月 26 日　星期二"));
  EXPECT_EQ(sheet.placeCell(DayPlace::kLunarLine).text, Q(u"農曆 己丑年 五月初三　辛未日"));
  EXPECT_EQ(sheet.placeCell(DayPlace::kGod).text, Q(u"明堂（黃道）"));
  EXPECT_EQ(sheet.placeCell(DayPlace::kOfficer).text, Q(u"滿日"));
  EXPECT_EQ(sheet.placeCell(DayPlace::kMarks).text, Q(u"三娘煞"));
  EXPECT_EQ(sheet.placeCell(DayPlace::kClash).text,
            Q(ClashText(Pillar(Stem::kXin, Branch::kWei), Pillar(25)).text) + Q(u"　歲煞西"));
  EXPECT_EQ(sheet.placeCell(DayPlace::kTaboo).text, Q(u"辛日不合醬　未日不服藥"));
  EXPECT_TRUE(sheet.placeCell(DayPlace::kRuleSet).text.contains(Q(u"董公選擇日要覽")));
  for (const bool bad : {false, true}) {
    const QStringList spirits = Names(bad ? d.badSpirits : d.goodSpirits);
    for (int slot = 0; slot < kSpiritSlots; ++slot) {
      const Cell& c = sheet.spiritCell(bad, slot);
      ASSERT_EQ(c.visible, slot < spirits.size()) << slot;
      if (c.visible) {
        EXPECT_EQ(c.text, spirits[slot]) << slot;
      }
    }
  }
  auto tipOf = [&](bool ji, int i) {
    return sheet.sheet()->cellTip(sheet.sheet()->tooltipCellAt(sheet.itemCell(ji, i).rect.center()));
  };
  for (const bool ji : {false, true}) {
    const QStringList words = Words(a, ji);
    ASSERT_EQ(sheet.shownItems(ji), words.size());
    for (int i = 0; i < words.size(); ++i) {
      const AlmanacItem& item = ji ? a.ji[static_cast<size_t>(i)] : a.yi[static_cast<size_t>(i)];
      EXPECT_EQ(sheet.itemCell(ji, i).text, words[i]);
      const QString tip = tipOf(ji, i);
      EXPECT_TRUE(tip.startsWith((ji ? Q(u"忌：") : Q(u"宜：")) + words[i] + u'（')) << tip.toStdString();
      for (const std::u16string& reason : ItemReasons(item)) EXPECT_TRUE(tip.contains(Q(reason))) << tip.toStdString();
    }
  }
  // 嫁娶 is forbidden by the mark, with the 董公 entry that also forbids it.
  EXPECT_EQ(sheet.itemCell(true, 0).text, Q(u"嫁娶"));
  EXPECT_EQ(sheet.reasonsCell(true, 0).text, Q(u"三娘煞 董公"));
  EXPECT_TRUE(tipOf(true, 0).contains(Q(u"董公：四月滿未日忌婚姻、起造、修造（董公選擇日要覽，四月滿未日）")));

  const int dialogHeight = sheet.height(), almanacHeight = sheet.sheet()->height();
  sheet.viewButton()->click();
  ASSERT_EQ(sheet.view(), DaySheetView::kBook);
  EXPECT_EQ(sheet.placeCell(DayPlace::kMarks).text, QString());
  EXPECT_EQ(sheet.placeCell(DayPlace::kRuleSet).text, Q(u"依《欽定協紀辨方書》鋪註（書中全表）"));
  EXPECT_GT(sheet.sheet()->height(), almanacHeight);  // the book's 忌 list is long
  EXPECT_EQ(sheet.height(), dialogHeight);            // and the window does not jump
  for (const bool ji : {false, true}) {
    const auto& items = ji ? d.ji : d.yi;
    const int count = ji ? d.jiCount : d.yiCount;
    ASSERT_EQ(sheet.shownItems(ji), count);
    for (int i = 0; i < count; ++i) {
      const ActivityVerdict& v = items[static_cast<size_t>(i)];
      EXPECT_EQ(sheet.itemCell(ji, i).text, Q(ActivityName(v.activity)));
      EXPECT_EQ(sheet.reasonsCell(ji, i).text, Names(v.because).join(u' '));
      const QString tip = tipOf(ji, i);
      EXPECT_TRUE(tip.startsWith((ji ? Q(u"忌：") : Q(u"宜：")) + Q(ActivityName(v.activity)) + u'（'))
          << tip.toStdString();
      v.because.ForEach([&](SpiritId s) { EXPECT_TRUE(tip.contains(Q(SpiritCitation(s)))) << tip.toStdString(); });
    }
  }
  sheet.viewButton()->click();
  EXPECT_EQ(sheet.sheet()->height(), almanacHeight);

  // On a 諸事不宜 day the 忌 list is that one item with its reasons.
  const DayLists bad = FirstDayWhere(2029, [](const DayLists& x) { return x.allBad; });
  auto allBad = MakeDaySheetDialog({bad.year, bad.month, bad.day, 0}, nullptr);
  const auto& b = static_cast<DaySheetDialog&>(*allBad);
  ASSERT_EQ(b.shownItems(true), 1);
  EXPECT_EQ(b.itemCell(true, 0).text, Q(u"諸事不宜"));
  EXPECT_EQ(b.reasonsCell(true, 0).text, Names(bad.allBadBecause).join(u' '));
  EXPECT_EQ(b.itemCell(false, 0).text, Q(u"無"));
}

// Ctrl with a double-click on a day column opens that day's sheet, a plain
// double-click still the hour table; the toolbar opens the selected day's.
TEST(DayViews, CtrlDoubleClickOpensTheDaySheet) {
  MainWindow f(OnDate(2009, 5, 26));
  AlmanacPage* page = f.almanacPage();
  const QPoint at = page->dayCell(page->elementOfDay(19), PageRow::kLunarDay).rect.center();
  QString line;
  auto read = [&](DaySheetDialog& d) { line = d.placeCell(DayPlace::kGregorianLine).text; };
  EXPECT_TRUE(CatchModal<DaySheetDialog>([&] { DoubleClick(page->sheet(), at, Qt::ControlModifier); }, read));
  EXPECT_TRUE(line.startsWith(Q(u"國曆 2009 年 5 月 19 日"))) << line.toStdString();
  EXPECT_TRUE(CatchModal<HourTableDialog>([&] { DoubleClick(page->sheet(), at, Qt::NoModifier); }));
  EXPECT_TRUE(CatchModal<DaySheetDialog>([&] { f.commandAction(MainWindow::Command::DaySheet)->trigger(); }, read));
  EXPECT_TRUE(line.startsWith(Q(u"國曆 2009 年 5 月 26 日"))) << line.toStdString();
}

// The finder lists what ChooseDays finds for the same request, by the
// almanac's word or the book's name, for two people; double-clicking a day
// shows it on the page; the birth dates outlive the dialog but not the
// window; a word it does not know lists nothing and keeps its columns.
TEST(DayViews, FinderListsTheChosenDaysAndShowsOneOnThePage) {
  MainWindow f(OnDate(2026, 1, 1));
  f.commandAction(MainWindow::Command::DayFinder)->trigger();
  DayFinderDialog* finder = f.dayFinder();
  ASSERT_TRUE(finder);
  EXPECT_EQ(finder->fromEdit()->date(), QDate(2026, 1, 1));
  EXPECT_EQ(finder->toEdit()->date(), QDate(2026, 4, 1));
  finder->activityList()->setEditText(Q(u"入宅"));
  emit finder->activityList()->lineEdit()->editingFinished();
  finder->toEdit()->setDate(QDate(2026, 12, 31));
  finder->birthEdit(0)->setDate(QDate(1990, 1, 20));
  finder->birthEdit(1)->setDate(QDate(1992, 6, 1));

  ChooseRequest r{
      *ChooseTargetByName(u"入宅"), 2026, 1, 1, 2026, 12, 31, {BirthAnimal(1990, 1, 20), BirthAnimal(1992, 6, 1)}};
  std::vector<ChosenDay> expected;
  ASSERT_EQ(ChooseDays(r, expected), 0);
  ASSERT_GT(expected.size(), 5u);
  QTreeWidget* list = finder->results();
  ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(list->topLevelItem(static_cast<int>(i))->text(0),
              QDate(expected[i].year, expected[i].month, expected[i].day).toString(Qt::ISODate));
  finder->bestFirstBox()->setChecked(true);
  SortBestFirst(expected);
  EXPECT_EQ(list->topLevelItem(0)->text(0),
            QDate(expected[0].year, expected[0].month, expected[0].day).toString(Qt::ISODate));

  QTreeWidgetItem* pick = list->topLevelItem(3);
  const QDate date = QDate::fromString(pick->text(0), Qt::ISODate);
  emit list->itemDoubleClicked(pick, 0);
  EXPECT_EQ(QDate(f.selectedYear(), f.selectedMonth(), f.selectedDay()), date);
  AlmanacPage& page = *f.almanacPage();
  EXPECT_EQ(kDayColumns - 1 - page.hoveredColumn(), page.elementOfDay(date.day()));

  const QList<QDate> births{QDate(1990, 1, 20), QDate(1992, 6, 1)};
  EXPECT_EQ(f.finderBirths(), births);
  finder->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(f.dayFinder());
  f.openDayFinder();
  finder = f.dayFinder();
  EXPECT_EQ(finder->births(), births);
  finder->activityList()->setEditText(Q(u"納采問名"));
  emit finder->activityList()->lineEdit()->editingFinished();
  EXPECT_GT(finder->results()->topLevelItemCount(), 0);
  std::array<int, 4> widths{};
  for (int c = 0; c < 4; ++c) widths[static_cast<size_t>(c)] = finder->results()->columnWidth(c);
  for (std::u16string_view bad : {u"", u"入"}) {
    finder->activityList()->setEditText(Q(bad));
    emit finder->activityList()->lineEdit()->editingFinished();
    EXPECT_EQ(finder->results()->topLevelItemCount(), 0);
    EXPECT_FALSE(finder->exportButton()->isEnabled());
    EXPECT_TRUE(finder->status()->text().contains(Q(u"不是農民曆的宜忌用語")))
        << finder->status()->text().toStdString();
    for (int c = 0; c < 4; ++c) EXPECT_GE(finder->results()->columnWidth(c), widths[static_cast<size_t>(c)]) << c;
  }
}

// The list saves as CSV with a byte-order mark, naming the word, the range,
// the birth dates and the order before one row a day, and as text; its
// dates are the program's, in Latin digits under any desktop language.
TEST(DayViews, FinderListSavesAsCsvAndTextWithItsSearch) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
  DayFinderDialog finder(QDate(2026, 1, 1), {QDate(1990, 1, 20)});
  QLocale::setDefault(before);
  EXPECT_EQ(finder.fromEdit()->text(), QStringLiteral("2026-01-01"));
  EXPECT_EQ(finder.birthEdit(0)->text(), QStringLiteral("1990-01-20"));
  EXPECT_EQ(finder.birthEdit(1)->text(), Q(u"不指定"));
  ASSERT_GT(finder.days().size(), 2u);
  EXPECT_EQ(finder.results()->topLevelItem(0)->text(0).size(), 10);
  QTemporaryDir dir;
  const QString csv = dir.filePath(Q(u"擇日.csv")), text = dir.filePath(Q(u"擇日.txt"));
  ASSERT_TRUE(finder.saveList(csv));
  ASSERT_TRUE(finder.saveList(text));
  QFile c(csv), t(text);
  ASSERT_TRUE(c.open(QIODevice::ReadOnly));
  ASSERT_TRUE(t.open(QIODevice::ReadOnly));
  const QByteArray csvBytes = c.readAll(), textBytes = t.readAll();
  EXPECT_TRUE(
      csvBytes.startsWith("\xEF\xBB\xBF"
                          "擇日,嫁娶\r\n"
                          "日期,2026-01-01 至 2026-04-01\r\n"
                          "生日,1990-01-20（屬蛇）\r\n"
                          "排序,依日期\r\n"
                          "\r\n"
                          "日期,星期,農曆,值神,宜之由\r\n"))
      << csvBytes.left(200).toStdString();
  EXPECT_EQ(csvBytes.count("\r\n"), static_cast<qsizetype>(finder.days().size()) + 6);
  const ChosenDay& first = finder.days().front();
  EXPECT_TRUE(csvBytes.contains(QDate(first.year, first.month, first.day).toString(Qt::ISODate).toUtf8() + ','));
  EXPECT_TRUE(textBytes.startsWith("擇日：嫁娶\n日期：2026-01-01 至 2026-04-01\n生日：1990-01-20（屬蛇）\n"));
  EXPECT_TRUE(textBytes.endsWith("依《欽定協紀辨方書》鋪註，參《董公選擇日要覽》與通書\n"));
}

// The export writes the file MakeICalendar gives for the boxes, whole; it
// refuses to put a file where a FIFO is, asks before writing past 1 MB, and
// 宜/忌 brings the lunar dates along.
TEST(DayViews, CalendarExportWritesWhatMakeICalendarGives) {
  CalendarExportDialog d(2026);
  QStringList told;
  int asked = 0;
  bool answer = false;
  d.tell = [&](const QString& text) { told << text; };
  d.ask = [&](const QString&) { return ++asked, answer; };
  EXPECT_EQ(d.request().parts, kDefaultCalendarParts);
  d.partBox(CalendarPart::kYiJi)->setChecked(true);
  EXPECT_TRUE(d.partBox(CalendarPart::kLunar)->isChecked());
  EXPECT_FALSE(d.partBox(CalendarPart::kLunar)->isEnabled());

  QTemporaryDir dir;
  const QString path = dir.filePath(d.proposedName());
  ASSERT_TRUE(d.saveTo(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::string written = file.readAll().toStdString();
  const DayAdviceSource advice = RuleBookAdvice();
  CalendarRequest expected{
      2026, 2026, {CalendarPart::kTerms, CalendarPart::kFestivals, CalendarPart::kLunar, CalendarPart::kYiJi}, &advice};
  EXPECT_EQ(written, MakeICalendar(expected));
  EXPECT_EQ(d.proposedName(), QStringLiteral("lunisol-2026.ics"));

  const QString fifo = dir.filePath(QStringLiteral("pipe.ics"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_FALSE(d.saveTo(fifo));
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].contains(fifo)) << told[0].toStdString();
  struct stat st {};
  ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));

  // Ten years of daily 宜/忌 pass 1 MB: the reader is asked, and no means no.
  d.toYear()->setValue(2035);
  EXPECT_EQ(d.fromYear()->value(), 2026);
  const QString big = dir.filePath(d.proposedName());
  EXPECT_EQ(d.proposedName(), QStringLiteral("lunisol-2026-2035.ics"));
  EXPECT_FALSE(d.saveTo(big));
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(QFile::exists(big));
  d.fromYear()->setValue(2040);
  EXPECT_EQ(d.toYear()->value(), 2040);
}

}  // namespace lunisol::ui
