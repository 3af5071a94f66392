// The shared view pieces: text breaking in narrow cells, the folder tabs and
// the link label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "ui/application.h"
#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/link_label.h"
#include "ui/widgets/page_tab_bar.h"
#include "ui/widgets/ruled_backdrop.h"

using namespace lunisol::ui;

TEST(CellLines, NarrowCellsReadTopToBottomAndKeepWordsWhole) {
  const PageFont font = MakePageFont(QString::fromLatin1(kPageFace), 14);
  const QFontMetrics fm(font.font);
  EXPECT_EQ(BreakCellLines(QStringLiteral("日逢受死"), fm, 12),
            (QStringList{QStringLiteral("日"), QStringLiteral("逢"), QStringLiteral("受"), QStringLiteral("死")}));
  // Hour ranges: a start hour, a bar and an end hour, top to bottom; the
  // blanks at the breaks vanish.
  EXPECT_EQ(BreakCellLines(QStringLiteral("23 I 01"), fm, 12),
            (QStringList{QStringLiteral("23"), QStringLiteral("I"), QStringLiteral("01")}));
  // A two-character cell holds both characters on one line.
  EXPECT_EQ(BreakCellLines(QStringLiteral("子甲"), fm, 25), QStringList{QStringLiteral("子甲")});
  // A word wider than the cell is cut by characters, never lost.
  const QStringList cut = BreakCellLines(QStringLiteral("123456"), fm, 12);
  EXPECT_GT(cut.size(), 1);
  EXPECT_EQ(cut.join(QString()), QStringLiteral("123456"));
  EXPECT_EQ(BreakCellLines(QStringLiteral("甲\r\n乙"), fm, 100),
            (QStringList{QStringLiteral("甲"), QStringLiteral("乙")}));
  EXPECT_TRUE(BreakCellLines(QString(), fm, 12).isEmpty());
}

namespace {

void Click(QWidget& w, QPoint at) { QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, at); }

}  // namespace

TEST(FolderTabs, LayoutHitTestAndNotification) {
  PageTabBar tabs(nullptr);
  ASSERT_TRUE(tabs.setTabs({QStringLiteral(" 兔虎牛鼠 "), QStringLiteral(" 羊馬蛇龍 "), QStringLiteral(" 豬狗雞猴")}));
  ASSERT_EQ(tabs.count(), 3);
  tabs.resize(400, PageTabBar::tabHeight());
  EXPECT_EQ(tabs.tab(0)->rect.left(), 0);
  for (int i = 0; i < 3; ++i) {
    const auto* t = tabs.tab(i);
    EXPECT_GE(t->rect.width(), 20);
    EXPECT_EQ(t->rect.height(), PageTabBar::tabHeight());
    if (i > 0) {
      EXPECT_EQ(t->rect.left(), tabs.tab(i - 1)->rect.right() + 1 - 8);
    }
  }
  EXPECT_EQ(tabs.tab(3), nullptr);
  EXPECT_EQ(tabs.tab(-1), nullptr);

  // In the eight-pixel overlap the earlier tab wins.
  const QPoint overlap(tabs.tab(1)->rect.left() + 2, 2);
  EXPECT_EQ(tabs.tabAt(overlap), 0);
  EXPECT_EQ(tabs.tabAt(QPoint(399, 2)), -1);
  EXPECT_EQ(tabs.tabAt(QPoint(-1, 2)), -1);

  QSignalSpy changed(&tabs, &PageTabBar::currentChanged);
  Click(tabs, tabs.tab(0)->rect.center());  // already selected
  EXPECT_EQ(changed.count(), 0);
  Click(tabs, tabs.tab(2)->rect.center());
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toInt(), 2);
  EXPECT_EQ(tabs.currentIndex(), 2);
  // Selecting by program repaints but tells nobody.
  EXPECT_EQ(tabs.setCurrentIndex(1), 1);
  EXPECT_EQ(tabs.setCurrentIndex(7), -1);
  EXPECT_EQ(tabs.currentIndex(), 1);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_FALSE(tabs.setTabs(QStringList()));
  EXPECT_EQ(tabs.count(), 3);
}

TEST(FolderTabs, BorderOnlyWithStyleBitZero) {
  for (unsigned style : {0u, 1u}) {
    PageTabBar tabs(nullptr, style);
    tabs.setTabs({QStringLiteral("農民曆"), QStringLiteral("紫微斗數")});
    tabs.resize(300, PageTabBar::tabHeight());
    const QImage img = tabs.grab().toImage();
    const QColor bottomRight = img.pixelColor(img.width() - 1, img.height() - 1);
    EXPECT_EQ(bottomRight == QColor(Qt::black), style == 1u) << style;
    // The top line runs to the right edge either way.
    EXPECT_EQ(img.pixelColor(img.width() - 2, 0), QColor(Qt::black));
  }
}

TEST(StaticLink, OpensWebPagesAsGivenAndAddressesAsMail) {
  EXPECT_EQ(LinkTarget(QStringLiteral("lunisol@example.org")), QStringLiteral("mailto:lunisol@example.org"));
  EXPECT_EQ(LinkTarget(QStringLiteral("see https://x.org")), QStringLiteral("see https://x.org"));
  EXPECT_EQ(LinkTarget(QStringLiteral("mailto:a@b")), QStringLiteral("mailto:a@b"));

  LinkLabel link(QStringLiteral("a@b.org"), QString());
  QList<QUrl> opened;
  link.setOpener([&](const QUrl& u) {
    opened << u;
    return true;
  });
  EXPECT_EQ(link.palette().color(QPalette::WindowText), LinkLabel::kUnvisited);
  link.open();
  link.open();  // a second click opens the same address
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(opened[0].toString(), QStringLiteral("mailto:a@b.org"));
  EXPECT_EQ(opened[1], opened[0]);
  EXPECT_TRUE(link.visited());
  EXPECT_EQ(link.palette().color(QPalette::WindowText), LinkLabel::kVisited);

  LinkLabel empty{QString(), QString()};
  bool called = false;
  empty.setOpener([&](const QUrl&) { return called = true; });
  EXPECT_FALSE(empty.open());
  EXPECT_FALSE(called);

  // A failed open says so and leaves the link unvisited.
  LinkLabel broken(QStringLiteral("http://x"), QStringLiteral("http://x"));
  broken.setOpener([](const QUrl&) { return false; });
  QString shown;
  QTimer::singleShot(0, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      shown = box->windowTitle();
      box->close();
    }
  });
  EXPECT_FALSE(broken.open());
  EXPECT_EQ(shown, QStringLiteral("Error!"));
  EXPECT_FALSE(broken.visited());
}

TEST(CellSheet, CutTextEndsInAnEllipsisAndItsTipGivesTheWholeText) {
  CellSheet sheet;
  Cell fits;
  fits.rect = QRect(0, 0, 12, 60);
  fits.text = QStringLiteral("日逢受死");
  Cell cut = fits;
  cut.rect = QRect(20, 0, 12, 30);
  Cell noted = cut;
  noted.rect = QRect(40, 0, 12, 30);
  noted.tooltip = QStringLiteral("本程式擬作");
  const int a = sheet.addCell(fits), b = sheet.addCell(cut), c = sheet.addCell(noted);

  EXPECT_FALSE(sheet.isCut(a));
  EXPECT_EQ(sheet.tooltipCellAt(QPoint(5, 5)), -1);  // nothing to tell
  EXPECT_TRUE(sheet.isCut(b));
  EXPECT_EQ(sheet.tooltipCellAt(QPoint(25, 5)), b);
  EXPECT_EQ(sheet.cellTip(b), QStringLiteral("日逢受死"));
  // A cell's own tip follows the whole text rather than replacing it.
  EXPECT_EQ(sheet.cellTip(c), QStringLiteral("日逢受死\n\n本程式擬作"));
  // A hidden cell tells nothing.
  sheet.setCellVisible(b, false);
  EXPECT_EQ(sheet.tooltipCellAt(QPoint(25, 5)), -1);
}

// A cut note in a column one character wide ends in the vertical ellipsis,
// also where its last line would be a two-digit number, and nothing spills
// out of the cell; a wide cell's "…" stays inside it too.
TEST(CellSheet, CutTextEndsInsideItsCell) {
  CellSheet sheet;
  sheet.setBackground(Qt::white);
  Cell vertical;
  vertical.rect = QRect(20, 0, 12, 56);  // four lines
  vertical.text = QStringLiteral("農曆5月，晡24日");
  Cell wide;
  wide.rect = QRect(50, 0, 60, 14);
  wide.text = QStringLiteral("端午節，南天駱恩師聖誕");
  const int v = sheet.addCell(vertical), w = sheet.addCell(wide);
  const QStringList lines = sheet.shownLines(v);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines.last(), QStringLiteral("\uFE19"));
  sheet.setCellText(v, QStringLiteral("晡24日"));  // "24" would be the last line
  sheet.setCellRect(v, QRect(20, 0, 12, 28));
  EXPECT_EQ(sheet.shownLines(v), (QStringList{QStringLiteral("晡"), QStringLiteral("\uFE19")}));
  EXPECT_TRUE(sheet.shownLines(w).last().endsWith(QStringLiteral("\u2026")));
  sheet.resize(140, 60);
  const QImage img = sheet.grab().toImage();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const bool inCell = (x >= 20 && x < 32) || (x >= 50 && x < 110);
      if (!inCell) EXPECT_GT(qGray(img.pixel(x, y)), 200) << x << "," << y;
    }
}

TEST(CellSheet, ZoomPaintsAtTheLargerSizeAndMapsPointsBack) {
  CellSheet sheet;
  sheet.setBackground(Qt::white);
  Cell c;
  c.rect = QRect(10, 10, 60, 20);
  c.text = QStringLiteral("甲子");
  sheet.addCell(c);
  sheet.resize(100, 50);
  const QImage plain = sheet.grab().toImage();
  sheet.setZoom(2);
  sheet.resize(200, 100);
  const QImage zoomed = sheet.grab().toImage();
  ASSERT_EQ(zoomed.size(), QSize(200, 100));
  auto inkBox = [](const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
  };
  const QRect small = inkBox(plain), large = inkBox(zoomed);
  ASSERT_FALSE(small.isEmpty());
  EXPECT_NEAR(large.width(), 2 * small.width(), 3);
  EXPECT_NEAR(large.height(), 2 * small.height(), 3);
  // Painted at the zoomed size, not blown up: a scaled bitmap would repeat
  // every pixel in 2 × 2 blocks.
  EXPECT_NE(zoomed, plain.scaled(200, 100));
  QSignalSpy moved(&sheet, &CellSheet::mouseMoved);
  QMouseEvent move(QEvent::MouseMove, QPointF(60, 40), QPointF(60, 40), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&sheet, &move);
  ASSERT_FALSE(moved.isEmpty());
  EXPECT_EQ(moved.last().at(0).toPoint(), QPoint(30, 20));
}

TEST(Application, QtTextsInChineseOneTipLookAndAFontNotice) {
  // The test program sets the application up as the program does.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
  EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 232, 232));
  EXPECT_TRUE(MissingChineseFaceNotice({QStringLiteral("Noto Serif CJK TC")}).isEmpty());
  const QString notice = MissingChineseFaceNotice({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Serif CJK JP")});
  EXPECT_TRUE(notice.contains(QStringLiteral("fonts-noto-cjk")));
}
