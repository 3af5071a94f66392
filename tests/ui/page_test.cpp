// The almanac page: where its cells sit on each screen, that it shows the
// evaluated month, what a double-click opens, and the bitmap it saves.
#include <gtest/gtest.h>
#include <qplatformdefs.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>

#include "almanac/month.h"
#include "almanac/year_data.h"
#include "layout/page_layout.h"
#include "ui/page/almanac_page.h"
#include "ui/page/page_export.h"

using namespace lunisol;
using namespace lunisol::ui;

namespace {

struct EvaluatedMonth {
  YearData data;
  MonthTermState terms;
  MonthAlmanac month;
  EvaluatedMonth(int year, int m) {
    LoadYearData(data, year);
    month = EvaluateMonth(year, m, data, terms);
  }
};

}  // namespace

TEST(Page, ShowsTheEvaluatedMonthAndPlacesThePanels) {
  EvaluatedMonth may(2009, 5);
  AlmanacPage page(QSize(1280, 1024));
  page.showMonth(may.month, may.terms);
  int visibleDays = 0;
  for (int e = 0; e < kDayColumns; ++e) {
    const MonthColumn& col = may.month.columns[e];
    for (const PageRowPlace& layout : kPageRows) {
      const Cell& cell = page.dayCell(e, layout.row);
      EXPECT_EQ(cell.visible, col.visible);
      if (!layout.field) continue;
      const CellText& t = col.record.*layout.field;
      EXPECT_EQ(cell.text, ToQString(t.text)) << e;
      EXPECT_EQ(cell.colour, ToQColor(t.colour)) << e;
    }
    EXPECT_EQ(page.dayCell(e, PageRow::kNoteA).tooltip, ToQString(col.tooltips[0]));
    if (col.kind == ColumnKind::kDay) ++visibleDays;
  }
  EXPECT_EQ(visibleDays, 31);
  EXPECT_EQ(page.lunarTitle().text, ToQString(may.month.lunarTitle.text));
  for (int i = 0; i < 2; ++i) {
    const TermBar& bar = may.month.termBars[i];
    SolarTermBar* panel = page.termPanel(i);
    ASSERT_TRUE(panel->isVisibleTo(page.sheet()));
    // The panel covers its term column.
    EXPECT_EQ(page.geometry().columnAt(panel->geometry().center().x()), 33 - bar.column);
    EXPECT_EQ(panel->cell(static_cast<int>(TermPanelCell::kName)).text, ToQString(bar.name.text));
    EXPECT_EQ(panel->cell(static_cast<int>(TermPanelCell::kPlantingRight)).tooltip, ToQString(bar.tooltips[0]));
  }
  // February 2009 leaves three columns empty; their cells hide.
  EvaluatedMonth feb(2009, 2);
  page.showMonth(feb.month, feb.terms);
  EXPECT_FALSE(page.dayCell(32, PageRow::kDayPillar).visible);
  EXPECT_TRUE(page.dayCell(29, PageRow::kDayPillar).visible);
}

TEST(Page, DoubleClicksOpenByColumn) {
  EvaluatedMonth may(2009, 5);
  AlmanacPage page(QSize(1024, 768));
  page.showMonth(may.month, may.terms);
  QSignalSpy hours(&page, &AlmanacPage::hourTableRequested);
  QSignalSpy yearly(&page, &AlmanacPage::yearlyNotesRequested);

  page.hoverColumn(kLabelColumn);
  page.openDetail();
  EXPECT_EQ(yearly.count(), 1);

  const int termColumn = may.month.termBars[0].column;  // hidden under its panel
  page.hoverColumn(33 - termColumn);
  page.openDetail();
  EXPECT_EQ(hours.count(), 0);

  page.openDayDetail(26);
  ASSERT_EQ(hours.count(), 1);
  EXPECT_EQ(hours[0][0].toInt(), 26);
  const int e = page.elementOfDay(26);
  EXPECT_EQ(may.month.columns[e].day, 26);
  EXPECT_EQ(page.dayCell(e, PageRow::kDayNumber).text, QStringLiteral("26"));
  EXPECT_EQ(page.hoveredColumn(), 32 - e);
  page.openDayDetail(32);  // no such day: nothing opens
  EXPECT_EQ(hours.count(), 1);
}

namespace {

// An antialiased text pixel lies between the page colour and the ink; one
// that lies at least 60 % of the way to the ink, and near that line, shows
// the ink's colour and not another.
bool MostlyInk(const QColor& p, const QColor& ink) {
  const QColor bg(255, 255, 240);
  const double d[3] = {double(ink.red() - bg.red()), double(ink.green() - bg.green()), double(ink.blue() - bg.blue())};
  const double v[3] = {double(p.red() - bg.red()), double(p.green() - bg.green()), double(p.blue() - bg.blue())};
  const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
  const double a = (v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / dd;
  double off = 0;
  for (int i = 0; i < 3; ++i) off += (v[i] - a * d[i]) * (v[i] - a * d[i]);
  return a >= 0.6 && off < 40 * 40;
}

}  // namespace

TEST(Page, HoverMarksDayColumnsOnlyAndTipsFollowTheNotes) {
  EvaluatedMonth may(2009, 5);
  AlmanacPage page(QSize(1024, 768));
  page.showMonth(may.month, may.terms);
  page.hoverColumn(5);
  EXPECT_EQ(page.sheet()->highlight(), ToQRect(page.geometry().highlightRect(5)));
  page.hoverColumn(kLabelColumn);  // the old mark goes, no new one
  EXPECT_TRUE(page.sheet()->highlight().isEmpty());
  EXPECT_EQ(page.hoveredColumn(), kLabelColumn);
  // A note too long for its column carries its whole text as a tip.
  int tips = 0;
  for (int e = 0; e < kDayColumns; ++e)
    for (PageRow row : {PageRow::kNoteA, PageRow::kNoteB, PageRow::kWarningC, PageRow::kWarningD}) {
      const Cell& note = page.dayCell(e, row);
      const int at = page.sheet()->tooltipCellAt(note.rect.center());
      if (note.tooltip.isEmpty()) {
        EXPECT_EQ(at, -1);
      } else {
        ++tips;
        ASSERT_GE(at, 0);
        EXPECT_EQ(page.sheet()->cell(at).tooltip, note.text);
      }
    }
  EXPECT_GT(tips, 0);
}

TEST(Page, RendersEachTextInItsColour) {
  EvaluatedMonth may(2009, 5);
  AlmanacPage page(QSize(1280, 1024));
  page.showMonth(may.month, may.terms);
  page.sheet()->resize(ToQSize(page.geometry().sheetSize()));
  const QImage img = page.sheet()->grab().toImage();
  int checked = 0;
  for (int e = 0; e < kDayColumns; ++e) {
    for (PageRow row : {PageRow::kDayNumber, PageRow::kLunarDay, PageRow::kDayPillar, PageRow::kMansion}) {
      const Cell& cell = page.dayCell(e, row);
      if (!cell.visible || cell.text.isEmpty()) continue;
      bool found = false;
      for (int y = cell.rect.top(); y <= cell.rect.bottom() && !found; ++y)
        for (int x = cell.rect.left(); x <= cell.rect.right() && !found; ++x) {
          found = MostlyInk(img.pixelColor(x, y), cell.colour);
        }
      EXPECT_TRUE(found) << "element " << e << " row " << static_cast<int>(row);
      ++checked;
    }
  }
  EXPECT_EQ(checked, 31 * 4);
}

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

uint32_t U32(const QByteArray& b, int at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 | static_cast<uint8_t>(b[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

}  // namespace

TEST(PageExport, WritesATopDown32BitBitmap) {
  QTemporaryDir dir;
  QImage image(1020, 637, QImage::Format_RGB32);
  image.fill(QColor(255, 255, 240));
  image.setPixelColor(0, 0, QColor(10, 20, 30));
  const QString path = dir.filePath(QStringLiteral("200905.bmp"));
  ASSERT_EQ(ExportPageImage(image, path, ExportMessage()), 0);
  const QByteArray b = ReadAll(path);
  ASSERT_EQ(b.size(), 2599014);  // 14 + 40 + 4·w·h
  EXPECT_EQ(b.left(2), QByteArray("BM"));
  EXPECT_EQ(U32(b, 2), 2599014u);
  EXPECT_EQ(U32(b, 10), 54u);
  EXPECT_EQ(U32(b, 14), 40u);
  EXPECT_EQ(static_cast<int32_t>(U32(b, 18)), 1020);
  EXPECT_EQ(static_cast<int32_t>(U32(b, 22)), -637);
  EXPECT_EQ(U32(b, 26) & 0xFFFF, 1u);
  EXPECT_EQ(U32(b, 26) >> 16, 32u);
  EXPECT_EQ(U32(b, 34), 1020u * 637u * 4u);
  // The top-left pixel comes first: blue, green, red, zero.
  EXPECT_EQ(b.mid(54, 4), QByteArray("\x1e\x14\x0a\x00", 4));
}

TEST(PageExport, HeaderRulesForOtherFormats) {
  BitmapInfoHeader h;
  h.width = 10, h.height = 3, h.bitCount = 8;
  EXPECT_EQ(BitmapHeaderPartSize(h), 40u + 4 * 256);
  EXPECT_EQ(BitmapImageSize(h), 30u);
  h.clrUsed = 16;
  EXPECT_EQ(BitmapHeaderPartSize(h), 40u + 64);
  h.compression = 3, h.clrUsed = 0;
  EXPECT_EQ(BitmapHeaderPartSize(h), 52u);
  h.compression = 5;
  EXPECT_EQ(BitmapHeaderPartSize(h), 40u);
  EXPECT_EQ(ProposedImageName(QStringLiteral("2009"), 12), QStringLiteral("200912.bmp"));
  EXPECT_EQ(ProposedImageName(QStringLiteral("2009"), 1), QStringLiteral("200901.bmp"));
}

// Writes past `limit` bytes fail as on a full disk (EFBIG instead of
// ENOSPC), for as long as the object lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit r = saved_;
    r.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &r);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit saved_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST(PageExport, SavesWholeOrNotAtAllAndSaysWhy) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.bmp"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an earlier export");
  }
  QImage image(64, 32, QImage::Format_RGB32);
  image.fill(Qt::white);
  QStringList messages;
  auto report = [&](const QString& m) { messages << m; };
  {
    const FileSizeLimit fullDisk(100);
    EXPECT_EQ(ExportPageImage(image, path, report), -1);
  }
  EXPECT_EQ(ReadAll(path), QByteArray("an earlier export"));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(path) && messages[0].contains(QStringLiteral("原有的檔案沒有變動")))
      << messages[0].toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("page.bmp")});

  // A FIFO or a device under the name is refused, not replaced by a file.
  const QString fifo = dir.filePath(QStringLiteral("pipe.bmp"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_EQ(ExportPageImage(image, fifo, report), -1);
  QT_STATBUF st;
  ASSERT_EQ(QT_STAT(QFile::encodeName(fifo).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_TRUE(messages.last().contains(QStringLiteral("不是一般檔案")));

  EXPECT_EQ(ExportPageImage(image, dir.filePath(QStringLiteral("no/such/folder/x.bmp")), report), -1);
  EXPECT_EQ(messages.size(), 3);
  // And a good save replaces the old file.
  EXPECT_EQ(ExportPageImage(image, path, report), 0);
  EXPECT_EQ(ReadAll(path).left(2), QByteArray("BM"));
}

// What leaves the program is the whole page, not the part in view nor the
// marks of the mouse and the keys; a print is painted at the printer's
// resolution, not a screen capture blown up.
TEST(PageExport, PicturesAreTheWholePageWithoutMarksAndPrintsAreSharp) {
  EvaluatedMonth may(2009, 5);
  AlmanacPage page(QSize(1024, 768));
  page.resize(500, 400);  // the page scrolls within
  page.showMonth(may.month, may.terms);
  page.setZoom(1.5);
  const QImage plain = SheetPicture(*page.sheet());
  EXPECT_EQ(plain.size(), page.sheet()->size());
  page.hoverColumn(30);
  page.sheet()->setFocusMark(ToQRect(page.geometry().highlightRect(20)), true);
  EXPECT_EQ(SheetPicture(*page.sheet()), plain);
  EXPECT_FALSE(page.sheet()->highlight().isEmpty());  // the marks stay on screen
  // The term panels are on it, their names in their colour.
  const SolarTermBar* panel = page.termPanel(0);
  const QRect name = page.sheet()->toWidget(panel->cell(static_cast<int>(TermPanelCell::kName)).rect);
  bool inked = false;
  for (int y = 0; y < name.height() && !inked; ++y)
    for (int x = 0; x < name.width() && !inked; ++x)
      inked = plain.pixelColor(panel->geometry().topLeft() + name.topLeft() + QPoint(x, y)).red() < 200;
  EXPECT_TRUE(inked);

  page.setZoom(1);
  QImage print(3 * page.sheet()->width(), 3 * page.sheet()->height(), QImage::Format_RGB32);
  print.fill(Qt::white);
  PaintPageFitted(*page.sheet(), print);
  // A bitmap enlarged three times would repeat every pixel in 3 × 3 blocks;
  // painted at the larger size, text edges fall inside the blocks.
  int mixedBlocks = 0;
  for (int y = 0; y + 3 <= print.height(); y += 3)
    for (int x = 0; x + 3 <= print.width(); x += 3) {
      const QRgb first = print.pixel(x, y);
      bool mixed = false;
      for (int dy = 0; dy < 3 && !mixed; ++dy)
        for (int dx = 0; dx < 3 && !mixed; ++dx) mixed = print.pixel(x + dx, y + dy) != first;
      mixedBlocks += mixed;
    }
  EXPECT_GT(mixedBlocks, 10000);
}

// A printed or PDF page is text and lines: small, with text that can be
// selected and found (read back with poppler's pdftotext).
TEST(PageExport, PdfOfAPageIsTextAndLines) {
  EvaluatedMonth may(2009, 5);
  AlmanacPage page(QSize(1280, 1024));
  page.showMonth(may.month, may.terms);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  {
    // As the print dialog's "print to file" makes it.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageOrientation(QPageLayout::Landscape);
    PaintPageFitted(*page.sheet(), pdf);
  }
  const QByteArray bytes = ReadAll(path);
  ASSERT_FALSE(bytes.isEmpty());
  EXPECT_LT(bytes.size(), 1'000'000);
  EXPECT_FALSE(bytes.contains("/Subtype /Image")) << "a picture in the PDF";
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
  ASSERT_TRUE(text.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
  const QString found =
      QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
  // Columns one character wide read a character a line, so whole words are
  // looked for where a cell writes them on one line.
  const MonthColumn& first = may.month.columns[static_cast<size_t>(page.elementOfDay(1))];
  for (const QString& word :
       {QStringLiteral("期星"), ToQString(first.record.dayPillarText.text), QStringLiteral("26"),
        ToQString(may.month.termBars[0].name.text).left(1), QStringLiteral("日"), QStringLiteral("月")})
    EXPECT_TRUE(found.contains(word)) << word.toStdString() << " not in: " << found.left(300).toStdString();
  // Every character reads as itself: no Kangxi radical stands in for an
  // ideograph of the same shape.
  for (QChar c : found) EXPECT_FALSE(c.unicode() >= 0x2F00 && c.unicode() <= 0x2FDF) << QString(c).toStdString();
}
