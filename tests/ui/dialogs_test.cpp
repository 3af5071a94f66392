// The four sheet dialogs: the frame's commands and the page's double-clicks
// open them, and each lays its record's texts and colours where the almanac's
// layouts put them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <functional>

#include "tests/ui/view_testing.h"
#include "ui/dialogs/bone_weighing_dialog.h"
#include "ui/dialogs/hour_table_dialog.h"
#include "ui/dialogs/sheet_dialogs.h"
#include "ui/dialogs/yearly_notes_dialog.h"
#include "ui/dialogs/zodiac_fortune_dialog.h"
#include "ui/main_window.h"
#include "ui/page/almanac_page.h"
#include "ui/widgets/page_tab_bar.h"

namespace lunisol::ui {
using namespace lunisol::ui::testing;

namespace {

QString Q(const char16_t* text) { return QString::fromUtf16(text); }

// The cell laid exactly on `r`, or under `p` for the template statics whose
// size the template leaves to their text; an empty cell when there is none.
Cell Find(const CellSheet& sheet, const std::function<bool(const QRect&)>& where) {
  for (const Cell& c : sheet.cells())
    if (where(c.rect)) return c;
  Cell none;
  none.text = QStringLiteral("(no cell)");
  return none;
}
Cell On(const CellSheet& sheet, const QRect& r) {
  return Find(sheet, [&](const QRect& c) { return c == r; });
}
Cell At(const CellSheet& sheet, QPoint p) {
  return Find(sheet, [&](const QRect& c) { return c.contains(p); });
}

int PixelsNear(const QImage& image, const QRect& r, const QColor& colour, int tolerance = 24) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor p = image.pixelColor(x, y);
      n += std::abs(p.red() - colour.red()) <= tolerance && std::abs(p.green() - colour.green()) <= tolerance &&
           std::abs(p.blue() - colour.blue()) <= tolerance;
    }
  return n;
}

void Mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
  QMouseEvent e(type, p, w->mapToGlobal(p), button, button, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// The hour sheet's cells of hour k (子 = 0) sit in the column at X.
int HourX(int k) { return 351 - 30 * k; }

SheetSelection Selection(int year, int month, int day) {
  SheetSelection s;
  s.year = year;
  s.month = month;
  s.day = day;
  return s;
}

// The hour sheet of a day of May 2009 (the 19th is a 甲子 day, the 20th an
// 乙丑 day) on a page that holds only that day's column.
HourTableRecord HoursOfMay2009(int day) {
  MonthAlmanac page;
  page.columns[0].kind = ColumnKind::kDay;
  page.columns[0].day = day;
  return BuildHourTable(page, 2009, 5, day).value();
}

// 2009-05-19 is a 甲子 day.
TEST(SheetDialogs, CommandsAndDoubleClicksOpenTheirSheets) {
  MainWindow frame(OnDate(2009, 5, 19));
  auto command = [&](MainWindow::Command id) { return [&frame, id] { frame.commandAction(id)->trigger(); }; };
  const QString jiaZi = Q(u" 當日時辰吉課 ( 彭祖百忌  ：甲日不開倉,  子日不問卜 )");
  QString caption, dateLine, lunarLine;
  auto readHours = [&](HourTableDialog& d) {
    caption = d.windowTitle();
    dateLine = On(*d.sheet(), Ltrb(366, 4, 384, 120)).text;
    lunarLine = On(*d.sheet(), Ltrb(376, 120, 388, 390)).text;
  };

  EXPECT_TRUE(CatchModal<HourTableDialog>(command(MainWindow::Command::HourTable), readHours));
  EXPECT_EQ(caption, jiaZi);
  EXPECT_TRUE(CatchModal<YearlyNotesDialog>(command(MainWindow::Command::YearlyNotes)));
  EXPECT_TRUE(CatchModal<BoneWeighingDialog>(command(MainWindow::Command::BoneWeighing)));
  EXPECT_TRUE(CatchModal<ZodiacFortuneDialog>(command(MainWindow::Command::ZodiacFortune),
                                              [&](ZodiacFortuneDialog& d) { caption = d.windowTitle(); }));
  EXPECT_EQ(caption, Q(u" 2009 年 12 生 肖 流 年 運 勢"));

  // A double-click on the day's column hands over that column's texts, one
  // on the label column opens the yearly notes.
  AlmanacPage* page = frame.almanacPage();
  const int e = page->elementOfDay(19);
  ASSERT_GE(e, 0);
  caption.clear();
  EXPECT_TRUE(CatchModal<HourTableDialog>(
      [&] { Mouse(page->sheet(), QEvent::MouseButtonDblClick, page->dayCell(e, PageRow::kDayNumber).rect.center()); },
      readHours));
  EXPECT_EQ(caption, jiaZi);
  EXPECT_TRUE(dateLine.endsWith(QStringLiteral(" 19 日"))) << dateLine.toStdString();
  EXPECT_TRUE(lunarLine.startsWith(Q(u"農曆 4 月 25 日"))) << lunarLine.toStdString();
  EXPECT_TRUE(CatchModal<YearlyNotesDialog>(
      [&] { Mouse(page->sheet(), QEvent::MouseButtonDblClick, page->gregorianTitle().rect.center()); }));
}

TEST(HourTableDialog, JiaZiDayPlacesPillarsClashesAndTips) {
  HourTableDialog d(HoursOfMay2009(19));
  const CellSheet& s = *d.sheet();
  EXPECT_EQ(d.size(), QSize(390, 490));
  const char16_t* const kPillars[12] = {u"甲子時", u"乙丑時", u"丙寅時", u"丁卯時", u"戊辰時", u"己巳時",
                                        u"庚午時", u"辛未時", u"壬申時", u"癸酉時", u"甲戌時", u"乙亥時"};
  // The opposite pillars wrap from 癸亥 to 甲子.
  const char16_t* const kOpposite[12] = {u"戊午", u"己未", u"庚申", u"辛酉", u"壬戌", u"癸亥",
                                         u"甲子", u"乙丑", u"丙寅", u"丁卯", u"戊辰", u"己巳"};
  for (int k = 0; k < 12; ++k) {
    EXPECT_EQ(On(s, Ltrb(HourX(k) - 12, 50, HourX(k), 90)).text, Q(kPillars[k])) << k;
    EXPECT_EQ(On(s, Ltrb(HourX(k) - 12, 458, HourX(k), 486)).text, Q(kOpposite[k])) << k;
  }
  // The 午 hour clashes with the 子 day: the warning alone in black on the
  // right, the short entry whole in grey on the left.
  const int X = HourX(6);
  const Cell good = On(s, Ltrb(X - 6, 94, X + 6, 390)), bad = On(s, Ltrb(X - 18, 94, X - 6, 390));
  EXPECT_EQ(good.text, Q(u"日時相沖 ，不宜諸吉事 !"));
  EXPECT_EQ(good.colour, QColor(Qt::black));
  EXPECT_EQ(bad.text, Q(u"吉神 ：司命 ，凶煞 ：日破 ，地兵"));
  EXPECT_EQ(bad.colour, QColor(128, 128, 128));

  // A long spirit column carries its text as a tip, a short one none.
  const int tip = s.tooltipCellAt(QPoint(HourX(1), 200));
  ASSERT_GE(tip, 0);
  EXPECT_EQ(s.cell(tip).tooltip, s.cell(tip).text);
  EXPECT_EQ(s.tooltipCellAt(QPoint(HourX(0), 200)), -1);
}

TEST(HourTableDialog, CaptionOfAnYiChouDayAndTheHoverMark) {
  HourTableDialog d(HoursOfMay2009(20));
  EXPECT_EQ(d.windowTitle(), Q(u" 當日時辰吉課 ( 彭祖百忌  ：乙日不栽種,  丑日不冠帶 )"));
  Mouse(d.sheet(), QEvent::MouseMove, QPoint(175, 300), Qt::NoButton);
  EXPECT_EQ(d.hoveredColumn(), 5);
  EXPECT_EQ(d.sheet()->highlight(), Ltrb(150, 2, 180, 488));
  Mouse(d.sheet(), QEvent::MouseMove, QPoint(389, 20), Qt::NoButton);
  EXPECT_EQ(d.sheet()->highlight(), Ltrb(360, 2, 390, 488));
}

TEST(YearlyNotesDialog, SheetOf2006) {
  auto dialog = MakeYearlyNotesDialog(Selection(2006, 5, 26), nullptr);
  ASSERT_TRUE(dialog);
  const CellSheet& s = *static_cast<YearlyNotesDialog&>(*dialog).sheet();
  EXPECT_EQ(dialog->windowTitle(), Q(u" 歲 時 記 事"));
  EXPECT_EQ(dialog->size(), QSize(496, 532));
  EXPECT_EQ(s.pictureRect(), QRect(70, 22, 280, 280));
  // The template's two columns and the corner words, in dialog units.
  EXPECT_EQ(At(s, QPoint(479, 10)).text, Q(u"太歲 丙戌 年"));
  EXPECT_EQ(At(s, QPoint(479, 150)).text, Q(u"太歲姓白名敏"));
  const struct {
    int x, y;
    const char16_t* text;
  } kCorners[] = {{51, 16, u"室"},  {40, 28, u"蠶"},  {149, 16, u"奏"},  {162, 28, u"書"},
                  {40, 126, u"士"}, {51, 137, u"博"}, {162, 126, u"力"}, {149, 137, u"士"}};
  for (const auto& c : kCorners) EXPECT_EQ(At(s, QPoint(2 * c.x + 6, 2 * c.y + 6)).text, Q(c.text)) << c.x;
  // Labels made in code, one of each part of the sheet.
  EXPECT_EQ(On(s, Ltrb(479, 90, 491, 146)).text, Q(u"干火支土"));
  EXPECT_EQ(On(s, Ltrb(472, 250, 484, 306)).text, Q(u"心月狐"));
  EXPECT_TRUE(On(s, Ltrb(442, 68, 458, 398)).text.startsWith(Q(u"太歲丙戌年")));
  EXPECT_TRUE(On(s, Ltrb(377, 462, 395, 522)).text.startsWith(Q(u"三")));
  EXPECT_EQ(On(s, Ltrb(199, 156, 223, 168)).text, Q(u"碧三"));
  EXPECT_EQ(On(s, Ltrb(335, 328, 347, 529)).colour, QColor(0, 0, 128));
  // 丙戌's verse is the printed one: no note on it.
  EXPECT_TRUE(On(s, Ltrb(442, 68, 458, 398)).tooltip.isEmpty());
}

// Around the lunar New Year the god and verses follow the selected day's
// lunar year, the stars and directions the Gregorian year.
TEST(YearlyNotesDialog, DatesAroundTheLunarNewYear) {
  // 2007-02-18 is 丁亥 New Year's Day; February's title still names 丙戌.
  auto after = MakeYearlyNotesDialog(Selection(2007, 2, 20), nullptr);
  ASSERT_TRUE(after);
  const CellSheet& a = *static_cast<YearlyNotesDialog&>(*after).sheet();
  EXPECT_EQ(At(a, QPoint(479, 10)).text, Q(u"太歲 丁亥 年"));
  EXPECT_EQ(At(a, QPoint(479, 150)).text, Q(u"太歲姓封名濟"));
  // 丁亥's verse and oracle are our own writing, and say so.
  for (QRect verse : {Ltrb(442, 68, 458, 398), Ltrb(384, 68, 396, 398)}) {
    EXPECT_EQ(On(a, verse).tooltip, Q(u"本年詩文為本程式擬作，非地母經原文"));
  }

  auto january = MakeYearlyNotesDialog(Selection(2007, 1, 20), nullptr);
  ASSERT_TRUE(january);
  const CellSheet& j = *static_cast<YearlyNotesDialog&>(*january).sheet();
  EXPECT_EQ(At(j, QPoint(479, 150)).text, Q(u"太歲姓白名敏"));
  EXPECT_EQ(On(j, Ltrb(199, 156, 223, 168)).text, Q(u"黑二"));
  EXPECT_EQ(On(j, Ltrb(84, 6, 340, 20)).text, Q(u"方    西    利    不    北    南    利    大"));

  EXPECT_FALSE(MakeYearlyNotesDialog(Selection(2007, 2, 30), nullptr));
}

// Head lines of group g at template x = 318, 213, 107, 2 and line y = 2, 12,
// 22, 32, 41; group g's fifteen columns from x = 833, 622, 410, 199 leftwards.
Cell HeadLine(const ZodiacFortuneDialog& d, int g, int line) {
  constexpr int kX[4] = {318, 213, 107, 2}, kY[5] = {2, 12, 22, 32, 41};
  return At(*d.sheet(), QPoint(2 * kX[g] + 8, 2 * kY[line] + 6));
}
Cell Column(const ZodiacFortuneDialog& d, int g, int k) {
  constexpr int kX[4] = {833, 622, 410, 199};
  return At(*d.sheet(), QPoint(kX[g] - 14 * k + 6, 300));
}

TEST(ZodiacFortuneDialog, AZiYearAndATabClickRefillingAllGroups) {
  auto dialog = MakeZodiacFortuneDialog(Selection(2008, 6, 1), nullptr);
  ASSERT_TRUE(dialog);
  auto& d = static_cast<ZodiacFortuneDialog&>(*dialog);
  EXPECT_EQ(d.windowTitle(), Q(u" 2008 年 12 生 肖 流 年 運 勢"));
  EXPECT_EQ(d.size(), QSize(848, 640));
  EXPECT_EQ(HeadLine(d, 0, 0).text, Q(u"鼠"));
  EXPECT_EQ(HeadLine(d, 0, 1).text, Q(u"歲 太 安"));
  EXPECT_TRUE(HeadLine(d, 0, 2).text.startsWith(QStringLiteral("01,")));
  EXPECT_EQ(HeadLine(d, 0, 3).colour, QColor(128, 0, 0));
  EXPECT_EQ(HeadLine(d, 0, 4).colour, QColor(0, 128, 0));
  EXPECT_EQ(HeadLine(d, 3, 1).text, Q(u"德 福"));  // 兔
  EXPECT_EQ(Column(d, 1, 2).text, Q(u"每月運勢 ："));
  EXPECT_TRUE(Column(d, 0, 0).text.startsWith(Q(u"詩曰 ：")));

  QStringList before;
  for (int g = 0; g < 4; ++g) {
    for (int l = 0; l < 5; ++l) before << HeadLine(d, g, l).text;
    before << Column(d, g, 0).text << Column(d, g, 3).text;
  }
  Mouse(d.tabs(), QEvent::MouseButtonPress, d.tabs()->tab(2)->rect.center());
  EXPECT_EQ(d.selectedTab(), 2);
  EXPECT_EQ(HeadLine(d, 3, 0).text, Q(u"豬"));
  EXPECT_EQ(HeadLine(d, 3, 1).text, Q(u"陽 太"));
  int i = 0;
  for (int g = 0; g < 4; ++g) {
    for (int l = 0; l < 5; ++l) EXPECT_NE(HeadLine(d, g, l).text, before[i++]) << g << "," << l;
    EXPECT_NE(Column(d, g, 0).text, before[i++]) << g;
    EXPECT_NE(Column(d, g, 3).text, before[i++]) << g;
    // The verse stays navy; a month shows its rating as colour, not digit.
    EXPECT_EQ(Column(d, g, 0).colour, QColor(0, 0, 128));
    EXPECT_FALSE(Column(d, g, 3).text.back().isDigit()) << g;
    EXPECT_NE(Column(d, g, 3).colour, QColor(Qt::black)) << g;
  }
}

TEST(ZodiacFortuneDialog, RowsOfAXuYear) {
  ZodiacFortuneDialog d(OpenZodiacFortune(2006, 6, 1));  // 丙戌
  EXPECT_EQ(HeadLine(d, 0, 1).text, Q(u"狗 天 制"));     // 鼠
  d.showTab(1);
  EXPECT_EQ(HeadLine(d, 0, 1).text, Q(u"破 歲 (歲 太 安)"));  // 龍
  d.showTab(2);
  EXPECT_EQ(HeadLine(d, 2, 1).text, Q(u"歲 太 安"));  // 狗
  EXPECT_EQ(d.tabs()->currentIndex(), 2);
}

TEST(BoneWeighingDialog, NewYearsDayOf2006AtTheRatHour) {
  auto dialog = MakeBoneWeighingDialog(Selection(2006, 1, 29), nullptr);
  ASSERT_TRUE(dialog);
  auto& d = static_cast<BoneWeighingDialog&>(*dialog);
  EXPECT_EQ(d.size(), QSize(380, 324));
  EXPECT_EQ(d.weight()->text(), Q(u"三兩三"));
  EXPECT_EQ(d.weight()->geometry(), QRect(60, 84, 308, 24));
  EXPECT_EQ(d.birthLine()->text(), Q(u"農曆 2006 年 1 月 1 日 子 ( 0 ~ 1 ) 時"));
  EXPECT_TRUE(d.verdict()->text().endsWith(Q(u"之命")));
  EXPECT_EQ(d.song()->document()->blockCount(), 2);
  const bool printedSaying = QStringLiteral("角胃軫").contains(d.mansion()->text());
  EXPECT_EQ(d.description()->toolTip(), printedSaying ? QString() : Q(u"本宿說明為本程式擬作，非傳統原文"));
  // Said on the sheet too, in sight and clear of the mansion's box.
  EXPECT_EQ(d.ownWriting()->text(), printedSaying ? QString() : Q(u"本宿說明為本程式擬作"));
  EXPECT_FALSE(d.ownWriting()->geometry().intersects(d.mansion()->geometry()));
  // Both lines of the song and of the saying are in view at once.
  d.show();
  QCoreApplication::processEvents();
  for (QPlainTextEdit* edit : {d.song(), d.description()}) {
    EXPECT_TRUE(edit->isReadOnly());
    QTextCursor end(edit->document());
    end.movePosition(QTextCursor::End);
    EXPECT_GE(edit->cursorRect(QTextCursor(edit->document())).top(), 0);
    EXPECT_LE(edit->cursorRect(end).bottom(), edit->viewport()->height()) << edit->objectName().toStdString();
  }
  EXPECT_FALSE(MakeBoneWeighingDialog(Selection(2006, 2, 30), nullptr));
}

// What the sheets paint: the model's colours in their cells, the picture
// under the yearly notes.
TEST(SheetDialogs, PaintTextInTheModelColours) {
  HourTableDialog hours(HoursOfMay2009(19));
  const QImage h = hours.grab().toImage();
  const int wu = HourX(6), zi = HourX(0);
  EXPECT_GT(PixelsNear(h, Ltrb(zi - 6, 94, zi + 6, 390), QColor(128, 0, 0)), 10);
  EXPECT_GT(PixelsNear(h, Ltrb(zi - 18, 94, zi - 6, 390), QColor(0, 128, 0)), 10);
  // The clashing hour: a black warning, its entry grey and nothing darker.
  EXPECT_GT(PixelsNear(h, Ltrb(wu - 6, 94, wu + 6, 390), QColor(0, 0, 0), 40), 10);
  EXPECT_GT(PixelsNear(h, Ltrb(wu - 18, 94, wu - 6, 390), QColor(128, 128, 128), 20), 10);
  EXPECT_EQ(PixelsNear(h, Ltrb(wu - 18, 94, wu - 6, 390), QColor(0, 0, 0), 90), 0);

  auto yearly = MakeYearlyNotesDialog(Selection(2006, 5, 26), nullptr);
  ASSERT_TRUE(yearly);
  const QImage y = yearly->grab().toImage();
  EXPECT_GT(PixelsNear(y, Ltrb(442, 68, 458, 398), QColor(128, 128, 28)), 10);  // verse, olive
  EXPECT_EQ(PixelsNear(y, Ltrb(84, 6, 340, 20), QColor(128, 128, 28)), 0);      // direction line, black
  // The ox's golden hide, a colour no cell has.
  EXPECT_GT(PixelsNear(y, QRect(70, 22, 280, 280), QColor(0xdb, 0xa2, 0x4a), 12), 100);
}

}  // namespace
}  // namespace lunisol::ui
