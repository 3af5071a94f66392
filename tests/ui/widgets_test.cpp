// The shared view pieces: text breaking in narrow cells, the folder tabs and
// the link label.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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
