// The four sheet dialogs: the frame's commands and the page's double-clicks
// open them, and each lays its record's texts and colours where the almanac's
// layouts put them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <functional>

#include "ui/dialogs/bone_weighing_dialog.h"
#include "ui/dialogs/hour_table_dialog.h"
#include "ui/dialogs/sheet_dialogs.h"
#include "ui/dialogs/yearly_notes_dialog.h"
#include "ui/dialogs/zodiac_fortune_dialog.h"
#include "ui/main_frame.h"
#include "ui/page/chinese_lunar.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/folder_tab_ctrl.h"

namespace lunisol::ui {
namespace {

QString Q(const char16_t* text) { return QString::fromUtf16(text); }

// The text of the visible cell laid exactly on `r`.
QString TextOn(const CellSheet& sheet, const QRect& r) {
  for (const Cell& c : sheet.cells())
    if (c.rect == r && c.visible) return c.text;
  return QStringLiteral("(no cell)");
}
QColor ColourOn(const CellSheet& sheet, const QRect& r) {
  for (const Cell& c : sheet.cells())
    if (c.rect == r) return c.colour;
  return QColor();
}
// The first cell under `p`, for the template statics whose size the
// template leaves to the text.
const Cell* CellAt(const CellSheet& sheet, QPoint p) {
  for (const Cell& c : sheet.cells())
    if (c.rect.contains(p)) return &c;
  return nullptr;
}
QString TextAt(const CellSheet& sheet, QPoint p) {
  const Cell* c = CellAt(sheet, p);
  return c ? c->text : QStringLiteral("(no cell)");
}

// Counts the pixels of `r` within `tolerance` of `colour` in every channel.
int PixelsNear(const QImage& image, const QRect& r, const QColor& colour, int tolerance = 24) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor p = image.pixelColor(x, y);
      if (std::abs(p.red() - colour.red()) <= tolerance && std::abs(p.green() - colour.green()) <= tolerance &&
          std::abs(p.blue() - colour.blue()) <= tolerance)
        ++n;
    }
  return n;
}

// Runs `open`, which should open a modal dialog of type D, hands that dialog
// to `inspect` and closes it. False when no such dialog came up.
template <typename D>
bool CatchModal(const std::function<void()>& open, const std::function<void(D&)>& inspect) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
      seen = true;
      inspect(*d);
      d->reject();
    }
  });
  open();
  QCoreApplication::processEvents();
  return seen;
}

FrameOptions FrameOn(QDate date) {
  FrameOptions o;
  o.screen = QSize(1280, 1024);
  o.today = [date] { return date; };
  o.showAboutOnStart = false;
  return o;
}

void DoubleClick(QWidget* w, QPoint p) {
  QMouseEvent e(QEvent::MouseButtonDblClick, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// The hour sheet's cells of hour k (子 = 0) sit in the column at X.
int HourX(int k) { return 351 - 30 * k; }

SheetSelection Selection(int year, int month, int day, int hour = 0) {
  SheetSelection s;
  s.year = year;
  s.month = month;
  s.day = day;
  s.hourBranch = hour;
  s.yearText = QString::number(year);
  return s;
}

// 2009-05-19 is a 甲子 day.
TEST(SheetDialogs, CommandsAndDoubleClicksOpenTheirSheets) {
  CMainFrame frame(FrameOn(QDate(2009, 5, 19)));
  const QString jiaZiCaption = Q(u" 當日時辰吉課 ( 彭祖百忌  ：甲日不開倉,  子日不問卜 )");
  auto trigger = [&](CMainFrame::Command id) { return [&frame, id] { frame.commandAction(id)->trigger(); }; };

  QString caption;
  EXPECT_TRUE(CatchModal<HourTableDialog>(trigger(CMainFrame::kHourTable),
                                          [&](HourTableDialog& d) { caption = d.windowTitle(); }));
  EXPECT_EQ(caption, jiaZiCaption);
  EXPECT_TRUE(CatchModal<YearlyNotesDialog>(trigger(CMainFrame::kYearlyNotes), [](YearlyNotesDialog&) {}));
  EXPECT_TRUE(CatchModal<ZodiacFortuneDialog>(trigger(CMainFrame::kZodiacFortune), [&](ZodiacFortuneDialog& d) {
    caption = d.windowTitle();
  }));
  EXPECT_EQ(caption, Q(u" 2009 年 12 生 肖 流 年 運 勢"));
  EXPECT_TRUE(CatchModal<BoneWeighingDialog>(trigger(CMainFrame::kBoneWeighing), [](BoneWeighingDialog&) {}));

  // A double-click on the day's column hands over that column's texts.
  CChineseLunar* page = frame.lunarPage();
  const int e = page->ElementOfDay(QStringLiteral("19"));
  ASSERT_GE(e, 0);
  QString dateLine, lunarLine;
  EXPECT_TRUE(CatchModal<HourTableDialog>(
      [&] { DoubleClick(page->sheet(), page->DayCell(e, PageRow::kDayNumber).rect.center()); },
      [&](HourTableDialog& d) {
        caption = d.windowTitle();
        dateLine = TextOn(*d.sheet(), Ltrb(366, 4, 384, 120));
        lunarLine = TextOn(*d.sheet(), Ltrb(376, 120, 388, 390));
      }));
  EXPECT_EQ(caption, jiaZiCaption);
  EXPECT_TRUE(dateLine.endsWith(QStringLiteral(" 19 日"))) << dateLine.toStdString();
  EXPECT_TRUE(lunarLine.startsWith(Q(u"農曆 4 月 25 日"))) << lunarLine.toStdString();
  // And one on the label column opens the yearly notes.
  EXPECT_TRUE(CatchModal<YearlyNotesDialog>([&] { DoubleClick(page->sheet(), page->GregorianTitle().rect.center()); },
                                            [](YearlyNotesDialog&) {}));
}

TEST(HourTableDialog, JiaZiDayPlacesPillarsClashesAndTips) {
  HourTableInputs in;
  in.dayPillarText = u"子甲";
  in.gregorianTitle = u"國曆 98 年 5 月";
  in.dayNumberText = u"19";
  in.selectedYear = 2009;
  HourTableDialog d(in);
  const CellSheet& s = *d.sheet();
  EXPECT_EQ(d.size(), QSize(390, 490));

  const char16_t* const kPillars[12] = {u"甲子時", u"乙丑時", u"丙寅時", u"丁卯時", u"戊辰時", u"己巳時",
                                        u"庚午時", u"辛未時", u"壬申時", u"癸酉時", u"甲戌時", u"乙亥時"};
  // The opposite pillars wrap from 癸亥 to 甲子.
  const char16_t* const kOpposite[12] = {u"戊午", u"己未", u"庚申", u"辛酉", u"壬戌", u"癸亥",
                                         u"甲子", u"乙丑", u"丙寅", u"丁卯", u"戊辰", u"己巳"};
  for (int k = 0; k < 12; ++k) {
    const int X = HourX(k);
    EXPECT_EQ(TextOn(s, Ltrb(X - 12, 50, X, 90)), Q(kPillars[k])) << k;
    EXPECT_EQ(TextOn(s, Ltrb(X - 12, 458, X, 486)), Q(kOpposite[k])) << k;
  }
  // The 午 hour clashes with the 子 day: its short entry goes whole, grey,
  // into the left column, the warning alone in black into the right one.
  const int X = HourX(6);
  EXPECT_EQ(TextOn(s, Ltrb(X - 6, 94, X + 6, 390)), Q(u"日時相沖 ，不宜諸吉事 !"));
  EXPECT_EQ(ColourOn(s, Ltrb(X - 6, 94, X + 6, 390)), QColor(Qt::black));
  EXPECT_EQ(TextOn(s, Ltrb(X - 18, 94, X - 6, 390)), Q(u"吉神 ：司命 ，凶煞 ：日破 ，地兵"));
  EXPECT_EQ(ColourOn(s, Ltrb(X - 18, 94, X - 6, 390)), QColor(128, 128, 128));
  // Row labels in the label column.
  EXPECT_EQ(TextOn(s, Ltrb(369, 458, 381, 486)), Q(u"正沖"));
  EXPECT_EQ(TextOn(s, Ltrb(375, 395, 387, 423)), Q(u"喜神"));

  // Long spirit columns carry their text as a tip, short ones none.
  const int longGood = s.tooltipCellAt(QPoint(HourX(1), 200));
  ASSERT_GE(longGood, 0);
  EXPECT_EQ(s.cell(longGood).tooltip, s.cell(longGood).text);
  EXPECT_EQ(s.tooltipCellAt(QPoint(HourX(0), 200)), -1);
}

TEST(HourTableDialog, CaptionOfAnYiChouDayAndTheHoverMark) {
  HourTableInputs in;
  in.dayPillarText = u"丑乙";
  HourTableDialog d(in);
  EXPECT_EQ(d.windowTitle(), Q(u" 當日時辰吉課 ( 彭祖百忌  ：乙日不栽種,  丑日不冠帶 )"));

  auto move = [&](QPoint p) {
    QMouseEvent e(QEvent::MouseMove, p, d.sheet()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(d.sheet(), &e);
  };
  move(QPoint(175, 300));
  EXPECT_EQ(d.hoveredColumn(), 5);
  EXPECT_EQ(d.sheet()->highlight(), Ltrb(150, 2, 180, 488));
  move(QPoint(389, 20));
  EXPECT_EQ(d.sheet()->highlight(), Ltrb(360, 2, 390, 488));
}

TEST(YearlyNotesDialog, SheetOf2006) {
  auto dialog = MakeYearlyNotesDialog(Selection(2006, 5, 26), nullptr);
  ASSERT_TRUE(dialog);
  auto& d = static_cast<YearlyNotesDialog&>(*dialog);
  const CellSheet& s = *d.sheet();
  EXPECT_EQ(d.windowTitle(), Q(u" 歲 時 記 事"));
  EXPECT_EQ(d.size(), QSize(496, 532));
  EXPECT_EQ(s.pictureRect(), QRect(70, 22, 280, 280));

  // The template's two columns and corner words, placed in dialog units.
  EXPECT_EQ(TextAt(s, QPoint(479, 10)), Q(u"太歲 丙戌 年"));
  EXPECT_EQ(TextAt(s, QPoint(479, 150)), Q(u"太歲姓白名敏"));
  const struct {
    int x, y;  // dialog units
    const char16_t* text;
  } kCorners[] = {{51, 16, u"室"}, {40, 28, u"蠶"}, {149, 16, u"奏"}, {162, 28, u"書"},
                  {40, 126, u"士"}, {51, 137, u"博"}, {162, 126, u"力"}, {149, 137, u"士"}};
  for (const auto& c : kCorners) EXPECT_EQ(TextAt(s, QPoint(2 * c.x + 6, 2 * c.y + 6)), Q(c.text)) << c.x;

  EXPECT_EQ(TextOn(s, Ltrb(464, 90, 476, 146)), Q(u"納音屬土"));
  EXPECT_EQ(TextOn(s, Ltrb(479, 90, 491, 146)), Q(u"干火支土"));
  EXPECT_EQ(TextOn(s, Ltrb(472, 250, 484, 306)), Q(u"心月狐"));
  EXPECT_EQ(TextOn(s, Ltrb(472, 308, 484, 364)), Q(u"鬼金羊"));
  EXPECT_EQ(TextOn(s, Ltrb(464, 507, 492, 523)), Q(u"辛 丙"));
  EXPECT_EQ(TextOn(s, Ltrb(199, 156, 223, 168)), Q(u"碧三"));
  EXPECT_EQ(TextOn(s, Ltrb(335, 328, 347, 529)), Q(u"太陽寒水司天 。太陰濕土在泉 。"));
  EXPECT_EQ(ColourOn(s, Ltrb(335, 328, 347, 529)), QColor(0, 0, 128));
  EXPECT_TRUE(TextOn(s, Ltrb(377, 462, 395, 522)).startsWith(Q(u"三")));
  EXPECT_TRUE(TextOn(s, Ltrb(442, 68, 458, 398)).startsWith(Q(u"太歲丙戌年")));
}

// Around the lunar New Year the god, verses and notes follow the selected
// day's lunar year, the stars and searches the Gregorian year.
TEST(YearlyNotesDialog, DatesAroundTheLunarNewYear) {
  // 2007-02-18 is 丁亥 New Year's Day; the page's title for February names 丙戌.
  SheetSelection after = Selection(2007, 2, 20);
  after.lunarTitle = Q(u"農曆 丙戌 年 12 月小");
  auto d = MakeYearlyNotesDialog(after, nullptr);
  ASSERT_TRUE(d);
  const CellSheet& s = *static_cast<YearlyNotesDialog&>(*d).sheet();
  EXPECT_EQ(TextAt(s, QPoint(479, 10)), Q(u"太歲 丁亥 年"));
  EXPECT_EQ(TextAt(s, QPoint(479, 150)), Q(u"太歲姓封名濟"));
  EXPECT_TRUE(TextOn(s, Ltrb(442, 68, 458, 398)).startsWith(Q(u"太歲丁亥年")));

  auto january = MakeYearlyNotesDialog(Selection(2007, 1, 20), nullptr);
  ASSERT_TRUE(january);
  const CellSheet& j = *static_cast<YearlyNotesDialog&>(*january).sheet();
  EXPECT_EQ(TextAt(j, QPoint(479, 150)), Q(u"太歲姓白名敏"));
  EXPECT_EQ(TextOn(j, Ltrb(199, 156, 223, 168)), Q(u"黑二"));
  EXPECT_EQ(TextOn(j, Ltrb(84, 6, 340, 20)), Q(u"方    西    利    不    北    南    利    大"));

  EXPECT_FALSE(MakeYearlyNotesDialog(Selection(2007, 2, 30), nullptr));
}

TEST(ZodiacFortuneDialog, RowsOfAZiYearAndATabChangeRefillsAllGroups) {
  SheetSelection sel = Selection(2008, 6, 1);
  sel.lunarTitle = Q(u"農曆 戊子 年 4 月大");
  auto dialog = MakeZodiacFortuneDialog(sel, nullptr);
  ASSERT_TRUE(dialog);
  auto& d = static_cast<ZodiacFortuneDialog&>(*dialog);
  const CellSheet& s = *d.sheet();
  EXPECT_EQ(d.windowTitle(), Q(u" 2008 年 12 生 肖 流 年 運 勢"));
  EXPECT_EQ(d.size(), QSize(848, 640));

  // Head lines of group g at template x = 318, 213, 107, 2; lines at y = 2, 12, 22, 32, 41.
  constexpr int kGroupX[4] = {318, 213, 107, 2};
  constexpr int kLineY[5] = {2, 12, 22, 32, 41};
  auto line = [&](int g, int l) { return TextAt(s, QPoint(2 * kGroupX[g] + 8, 2 * kLineY[l] + 6)); };
  EXPECT_EQ(line(0, 0), Q(u"鼠"));
  EXPECT_EQ(line(0, 1), Q(u"歲 太 安"));
  EXPECT_TRUE(line(0, 2).startsWith(QStringLiteral("01,")));
  EXPECT_EQ(line(3, 0), Q(u"兔"));
  EXPECT_EQ(line(3, 1), Q(u"德 福"));
  EXPECT_EQ(CellAt(s, QPoint(2 * kGroupX[0] + 8, 2 * kLineY[3] + 6))->colour, QColor(128, 0, 0));
  EXPECT_EQ(CellAt(s, QPoint(2 * kGroupX[0] + 8, 2 * kLineY[4] + 6))->colour, QColor(0, 128, 0));

  // The fifteen columns of group g start at 833, 622, 410, 199 and step 14 to the left.
  constexpr int kColumnX[4] = {833, 622, 410, 199};
  auto column = [&](int g, int k) { return CellAt(s, QPoint(kColumnX[g] - 14 * k + 6, 300)); };
  EXPECT_EQ(column(1, 2)->text, Q(u"每月運勢 ："));
  EXPECT_TRUE(column(0, 0)->text.startsWith(Q(u"詩曰 ：")));
  EXPECT_EQ(column(0, 0)->colour, QColor(0, 0, 128));

  QStringList before;
  for (int g = 0; g < 4; ++g) {
    for (int l = 0; l < 5; ++l) before << line(g, l);
    before << column(g, 0)->text << column(g, 3)->text;
  }
  // A click on the third tab, as the user makes it.
  CFolderTabCtrl* tabs = d.tabs();
  const QPoint at = tabs->GetTab(2)->rect.center();
  QMouseEvent press(QEvent::MouseButtonPress, at, tabs->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(tabs, &press);
  EXPECT_EQ(d.selectedTab(), 2);
  EXPECT_EQ(line(0, 0), Q(u"猴"));
  EXPECT_EQ(line(3, 0), Q(u"豬"));
  EXPECT_EQ(line(3, 1), Q(u"陽 太"));
  int i = 0;
  for (int g = 0; g < 4; ++g) {
    for (int l = 0; l < 5; ++l) EXPECT_NE(line(g, l), before[i++]) << g << "," << l;
    EXPECT_NE(column(g, 0)->text, before[i++]) << g;
    EXPECT_NE(column(g, 3)->text, before[i++]) << g;
    // A month's rating is its colour, not a digit at its end.
    const QString month = column(g, 3)->text;
    EXPECT_FALSE(month.back().isDigit()) << g;
    EXPECT_TRUE(column(g, 3)->colour == QColor(0, 128, 0) || column(g, 3)->colour == QColor(128, 0, 0) ||
                column(g, 3)->colour == QColor(128, 128, 28))
        << g;
  }
}

TEST(ZodiacFortuneDialog, RowsOfAXuYear) {
  ZodiacFortuneDialog d(u"戌", u"2006");
  const CellSheet& s = *d.sheet();
  auto title = [&](int groupX) { return TextAt(s, QPoint(2 * groupX + 8, 30)); };
  EXPECT_EQ(title(318), Q(u"狗 天 制"));  // 鼠
  d.showTab(1);
  EXPECT_EQ(title(318), Q(u"破 歲 (歲 太 安)"));  // 龍
  d.showTab(2);
  EXPECT_EQ(title(107), Q(u"歲 太 安"));  // 狗
  EXPECT_EQ(d.tabs()->selected(), 2);
}

TEST(BoneWeighingDialog, NewYearsDayOf2006AtTheRatHour) {
  SheetSelection sel = Selection(2006, 1, 29, 0);
  auto dialog = MakeBoneWeighingDialog(sel, nullptr);
  ASSERT_TRUE(dialog);
  auto& d = static_cast<BoneWeighingDialog&>(*dialog);
  EXPECT_EQ(d.windowTitle(), Q(u" 袁天罡秤骨術 與 28 星宿吉凶"));
  EXPECT_EQ(d.size(), QSize(380, 324));
  EXPECT_EQ(d.weight()->text(), Q(u"三兩三"));
  EXPECT_EQ(d.weight()->geometry(), QRect(60, 84, 308, 24));
  EXPECT_EQ(d.birthLine()->text(), Q(u"農曆 2006 年 1 月 1 日 子 ( 23 ~ 1 ) 時"));
  EXPECT_TRUE(d.verdict()->text().endsWith(Q(u"之命")));
  EXPECT_EQ(d.mansion()->text().size(), 1);

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
  EXPECT_EQ(d.song()->document()->blockCount(), 2);
  d.hide();

  EXPECT_FALSE(MakeBoneWeighingDialog(Selection(2006, 2, 30), nullptr));
}

// What the sheets paint: the model's colours in their cells, the picture
// under the yearly notes.
TEST(SheetDialogs, RenderTextInTheModelColours) {
  HourTableInputs in;
  in.dayPillarText = u"子甲";
  HourTableDialog hours(in);
  const QImage h = hours.grab().toImage();
  const int wu = HourX(6), zi = HourX(0);
  // A free hour's spirits: maroon on the right, green on the left.
  EXPECT_GT(PixelsNear(h, Ltrb(zi - 6, 94, zi + 6, 390), QColor(128, 0, 0)), 10);
  EXPECT_GT(PixelsNear(h, Ltrb(zi - 18, 94, zi - 6, 390), QColor(0, 128, 0)), 10);
  // The clashing hour: black warning, its entry in grey, nothing darker.
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
