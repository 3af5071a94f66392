#include "ui/natal_chart_page.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <cmath>
#include <cstdlib>

#include "calendar/hour_entries.h"
#include "calendar/tables.h"
#include "files/atomic_file.h"
#include "natal/placement.h"
#include "natal/stars.h"
#include "ui/page/page_export.h"
#include "ui/widgets/edges.h"
#include "ui/widgets/page_font.h"
#include "ui/widgets/save_dialog.h"

namespace lunisol::ui {
namespace {

// The sheet's fonts by cell height: the centre block, the major stars, the
// minor stars, the marks and short names, the small print (雜曜, flowing
// stars, spirits, grades, ages), and the natal palace names.
enum Font { kCentreFont, kMajorFont, kMinorFont, kSmallFont, kTinyFont, kNameFont };
constexpr int kFontCells[] = {16, 18, 16, 15, 14, 18};
constexpr bool kFontBold[] = {false, true, false, false, false, true};

const QColor kFrameLine(120, 120, 120);
const QColor kMarkedLine(176, 122, 0);
const QColor kMajorColour(161, 18, 42);
const QColor kMinorColour(31, 58, 147);
const QColor kGradeColour(105, 105, 105);
const QColor kOtherColour(70, 70, 70);
const QColor kSpiritColour(122, 92, 46);
const QColor kBodyFill(93, 64, 55);
const QColor kOriginFill(46, 90, 136);
const QColor kDecadalColour(0, 112, 128);  // what the chosen 大限 says
const QColor kYearlyColour(178, 82, 0);    // what the chosen 流年 says

constexpr int kOtherSlots = kOtherStarsPerRow * kOtherStarRows;
constexpr SolarDate kLastDate{2100, 12, 31};

int SlotCount(BoxPart part) {
  switch (part) {
    case BoxPart::kStarName:
    case BoxPart::kBrightness:
    case BoxPart::kMutagen:
    case BoxPart::kDecadalMutagen:
    case BoxPart::kYearlyMutagen:
      return kStarColumns;
    case BoxPart::kOtherStar:
      return kOtherSlots;
    case BoxPart::kFlowingStar:
      return kFlowingStarSlots;
    case BoxPart::kButton:  // a widget, not a cell
      return 0;
    default:
      return 1;
  }
}

struct PartStyle {
  int font;
  QColor colour;
  Qt::Alignment align;
};
PartStyle StyleOf(BoxPart part) {
  switch (part) {
    case BoxPart::kStarName:
      return {kMajorFont, kMajorColour, Qt::AlignHCenter};
    case BoxPart::kBrightness:
      return {kTinyFont, kGradeColour, Qt::AlignHCenter};
    case BoxPart::kBodyMark:
    case BoxPart::kOriginMark:
    case BoxPart::kMutagen:
      return {kSmallFont, Qt::white, Qt::AlignHCenter};
    case BoxPart::kDecadalMutagen:
    case BoxPart::kYearlyMutagen:
    case BoxPart::kDecadal:
      return {kSmallFont, Qt::black, Qt::AlignHCenter};
    case BoxPart::kOtherStar:
      return {kTinyFont, kOtherColour, Qt::AlignLeft};
    case BoxPart::kFlowingStar:
      return {kTinyFont, kYearlyColour, Qt::AlignLeft};
    case BoxPart::kYearJiangqian:
    case BoxPart::kYearSuiqian:
      return {kTinyFont, kYearlyColour, Qt::AlignHCenter};
    case BoxPart::kBoshi:
      return {kTinyFont, kSpiritColour, Qt::AlignLeft};
    case BoxPart::kChangsheng:
      return {kTinyFont, kSpiritColour, Qt::AlignRight};
    case BoxPart::kStemBranch:
      return {kCentreFont, Qt::black, Qt::AlignLeft};
    case BoxPart::kPalaceName:
      return {kNameFont, Qt::black, Qt::AlignHCenter};
    case BoxPart::kDecadalName:
      return {kSmallFont, kDecadalColour, Qt::AlignHCenter};
    case BoxPart::kYearlyName:
      return {kSmallFont, kYearlyColour, Qt::AlignHCenter};
    case BoxPart::kAges:
      return {kTinyFont, kGradeColour, Qt::AlignLeft};
    default:
      return {kTinyFont, kSpiritColour, Qt::AlignHCenter};
  }
}

QString Name(std::u16string_view text) { return ToQString(text); }
template <size_t N>
QString NameAt(const std::array<std::u16string_view, N>& names, int i) {
  return ToQString(names[static_cast<size_t>(i)]);
}
QString Pillar(int stem, int branch) { return NameAt(kStemNames, stem) + NameAt(kBranchNames, branch); }
QString MutagenName(Mutagen m) { return NameAt(kMutagenNames, static_cast<int>(m)); }
// "寅時", or for the late 子 hour "晚子時".
QString HourName(int hour) {
  if (hour == kLateRatHour) return QStringLiteral("晚子時");
  return NameAt(kBranchNames, hour) + QStringLiteral("時");
}
QString DateText(const SolarDate& d) { return QStringLiteral("%1 年 %2 月 %3 日").arg(d.year).arg(d.month).arg(d.day); }
QString LunarText(int month, int day) {
  return (month < 0 ? QStringLiteral("閏 ") : QString()) + QStringLiteral("%1 月 %2 日").arg(std::abs(month)).arg(day);
}

int AddCell(CellSheet& sheet, const Rect& r, const PartStyle& style) {
  Cell c;
  c.rect = ToQRect(r);
  c.font = style.font;
  c.colour = style.colour;
  c.align = style.align;
  return sheet.addCell(c);
}

// The stars a box shows in columns: the major ones, then the minor ones.
std::vector<PlacedStar> ColumnStars(const ChartPalace& p) {
  std::vector<PlacedStar> columns(p.majorStars.begin(), p.majorStars.end());
  columns.insert(columns.end(), p.minorStars.begin(), p.minorStars.end());
  if (columns.size() > static_cast<size_t>(kStarColumns)) columns.resize(kStarColumns);
  return columns;
}

SolarDate Clamp(const SolarDate& d, const SolarDate& first) { return std::clamp(d, first, std::max(first, kLastDate)); }

}  // namespace

const QColor NatalChartPage::kPaper(252, 251, 246);
const QColor NatalChartPage::kPickedFill(248, 206, 128);
const QColor NatalChartPage::kReadWithFill(250, 226, 170);

QColor NatalChartPage::mutagenColour(Mutagen mutagen) {
  switch (mutagen) {
    case Mutagen::kLu:
      return QColor(30, 142, 62);  // green
    case Mutagen::kQuan:
      return QColor(142, 36, 170);  // purple
    case Mutagen::kKe:
      return QColor(21, 101, 192);  // blue
    case Mutagen::kJi:
      return QColor(211, 47, 47);  // red
    case Mutagen::kNone:
      break;
  }
  return {};
}

NatalChartPage::NatalChartPage(QWidget* parent)
    : QWidget(parent), area_(new QScrollArea(this)), sheet_(new NatalChartSheet), bar_(new NatalTimeBar(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(area_, 1);
  layout->addWidget(bar_);
  area_->setFrameShape(QFrame::NoFrame);
  area_->setAlignment(Qt::AlignCenter);
  area_->setWidgetResizable(false);
  sheet_->setBackground(kPaper);
  std::vector<PageFont> fonts;
  for (int f = 0; f <= kNameFont; ++f)
    fonts.push_back(MakePageFont(QString::fromLatin1(kPageFace), kFontCells[f], kFontBold[f]));
  sheet_->setFonts(std::move(fonts));
  sheet_->setAccessibleName(QStringLiteral("紫微斗數命盤"));
  buildCells();
  buildKeys();
  area_->setWidget(sheet_);
  area_->installEventFilter(this);
  sheet_->installEventFilter(this);
  connect(bar_, &NatalTimeBar::decadeChosen, this, &NatalChartPage::chooseDecade);
  connect(bar_, &NatalTimeBar::dateChosen, this, &NatalChartPage::chooseDate);
  connect(bar_, &NatalTimeBar::todayChosen, this, [this] { chooseDate(today_); });
  paintFrames();
  fitToArea();
}

int NatalChartPage::cellIndex(int branch, BoxPart part, int slot) const {
  return branch * boxCellCount_ + partOffsets_[static_cast<size_t>(part)] + slot;
}

const Cell& NatalChartPage::boxCell(int branch, BoxPart part, int slot) const {
  return sheet_->cell(cellIndex(branch, part, slot));
}

const Cell& NatalChartPage::centreLine(NatalCentreLine line) const { return sheet_->cell(centreCell(line)); }

int NatalChartPage::palaceAt(int branch) const {
  return chart_ ? chart_->palaceAtBranch[static_cast<size_t>(branch)] : -1;
}

void NatalChartPage::buildCells() {
  for (int p = 0; p < kBoxPartCount; ++p) {
    partOffsets_[static_cast<size_t>(p)] = boxCellCount_;
    boxCellCount_ += SlotCount(static_cast<BoxPart>(p));
  }
  for (int b = 0; b < 12; ++b) buildBoxCells(b);
  buildCentreCells();
  buildLegend();
}

void NatalChartPage::buildBoxCells(int branch) {
  for (int p = 0; p < kBoxPartCount; ++p) {
    const auto part = static_cast<BoxPart>(p);
    for (int slot = 0; slot < SlotCount(part); ++slot)
      AddCell(*sheet_, NatalBoxPlace(branch, part, slot), StyleOf(part));
  }
  const int body = cellIndex(branch, BoxPart::kBodyMark), origin = cellIndex(branch, BoxPart::kOriginMark);
  sheet_->setCellText(body, QStringLiteral("身"));
  sheet_->setCellFill(body, kBodyFill);
  sheet_->setCellTooltip(body, QStringLiteral("身宮"));
  sheet_->setCellText(origin, QStringLiteral("來因"));
  sheet_->setCellFill(origin, kOriginFill);
  sheet_->setCellTooltip(origin, QStringLiteral("來因宮：宮干與生年天干相同"));
  for (int cell : {body, origin}) sheet_->setCellVisible(cell, false);
}

void NatalChartPage::buildCentreCells() {
  const PartStyle line{kCentreFont, Qt::black, Qt::AlignLeft};
  for (int i = 0; i < kNatalCentreLineCount; ++i) {
    const auto l = static_cast<NatalCentreLine>(i);
    if (l == NatalCentreLine::kLegend || l == NatalCentreLine::kMarkLegend) continue;
    centreCell(l) = AddCell(*sheet_, NatalCentreLineRect(l), line);
  }
  sheet_->setCellText(centreCell(NatalCentreLine::kName), QStringLiteral("姓名："));
  // The typed name under its field: the field covers it on screen, and
  // pictures and prints, which leave widgets out, show it.
  const Rect edit = NatalNameEditRect();
  nameCell_ = AddCell(*sheet_, {edit.left + 4, edit.top, edit.right, edit.bottom}, line);
  sheet_->setCellColour(centreCell(NatalCentreLine::kFlights), kGradeColour);
}

// Two legend lines: the colours of 化祿 … 化忌, and the four kinds of marks
// (the natal chart's, the 大限's, the 流年's, and a palace's own 自化).
void NatalChartPage::buildLegend() {
  const PartStyle mark{kSmallFont, Qt::white, Qt::AlignHCenter}, caption{kSmallFont, Qt::black, Qt::AlignLeft};
  const QString kinds[] = {QStringLiteral("本命"), QStringLiteral("大限"), QStringLiteral("流年"),
                           QStringLiteral("自化")};
  for (int m = 1; m <= 4; ++m) {
    const int colour = AddCell(*sheet_, NatalLegendMarkRect(NatalCentreLine::kLegend, m), mark);
    sheet_->setCellText(colour, MutagenName(static_cast<Mutagen>(m)));
    sheet_->setCellFill(colour, mutagenColour(static_cast<Mutagen>(m)));
    const int text = AddCell(*sheet_, NatalLegendCaptionRect(NatalCentreLine::kLegend, m), caption);
    sheet_->setCellText(text, QStringLiteral("化") + MutagenName(static_cast<Mutagen>(m)));
    if (m == 1) centreCell(NatalCentreLine::kLegend) = colour;
    const int kind = AddCell(*sheet_, NatalLegendMarkRect(NatalCentreLine::kMarkLegend, m), mark);
    sheet_->setCellText(kind, MutagenName(Mutagen::kLu));
    if (m == 1)
      sheet_->setCellFill(kind, mutagenColour(Mutagen::kLu));
    else
      sheet_->setCellColour(kind, mutagenColour(Mutagen::kLu));
    sheet_->setCellText(AddCell(*sheet_, NatalLegendCaptionRect(NatalCentreLine::kMarkLegend, m), caption),
                        kinds[m - 1]);
    if (m == 1) centreCell(NatalCentreLine::kMarkLegend) = kind;
  }
}

void NatalChartPage::buildKeys() {
  for (int b = 0; b < 12; ++b) {
    auto* key = new PalaceKey(sheet_);
    key->setToolTip(QStringLiteral("標出此宮的三方四正與飛星；再按一下取消"));
    key->setObjectName(QString::number(NatalButtonRow(b).id));
    connect(key, &PalaceKey::clicked, this, [this, b] {
      const int palace = palaceAt(b);
      highlightPalace(palace == picked_ ? -1 : palace);
    });
    keys_[static_cast<size_t>(b)] = key;
  }
  name_ = new QLineEdit(sheet_);
  name_->setToolTip(QStringLiteral("命主的姓名，只在程式執行時保留"));
  name_->setAccessibleName(QStringLiteral("姓名"));
  name_->setMaxLength(40);
  connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) { sheet_->setCellText(nameCell_, text); });
}

bool NatalChartPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_ && event->type() == QEvent::Resize) fitToArea();
  if (watched == sheet_ && event->type() == QEvent::MouseButtonPress && chart_) {
    const QPointF at = static_cast<QMouseEvent*>(event)->position() / sheet_->zoom();
    for (int b = 0; b < 12; ++b) {
      if (!ToQRect(NatalBoxFrame(b)).contains(at.toPoint())) continue;
      highlightPalace(palaceAt(b) == picked_ ? -1 : palaceAt(b));
      keys_[static_cast<size_t>(b)]->setFocus(Qt::MouseFocusReason);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void NatalChartPage::setZoom(qreal zoom) {
  zoom_ = std::clamp(zoom, 1.0, 2.0);
  bar_->setZoom(zoom_);
  fitToArea();
}

void NatalChartPage::fitToArea() {
  // Against the room without scroll bars, so that showing one does not
  // change the zoom that called for it.
  const QSize room = area_->maximumViewportSize();
  const qreal zoom = NatalChartZoom(room.width(), room.height()) * zoom_;
  const Size size = NatalSheetSize();
  sheet_->setZoom(zoom);
  sheet_->resize(static_cast<int>(std::ceil(size.width * zoom)), static_cast<int>(std::ceil(size.height * zoom)));
  for (int b = 0; b < 12; ++b)
    keys_[static_cast<size_t>(b)]->setGeometry(sheet_->toWidget(ToQRect(NatalBoxPlace(b, BoxPart::kButton))));
  QFont font = sheet_->sheetFont(kCentreFont).font;
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * zoom))));
  name_->setFont(font);
  name_->setGeometry(sheet_->toWidget(ToQRect(NatalNameEditRect())));
}

void NatalChartPage::showChart(const NatalChart& chart, const SolarDate& today) {
  const bool first = !chart_ && date_.year == 0;
  chart_ = chart;
  today_ = today;
  date_ = Clamp(first ? today : date_, chart.chartDate);
  horoscope_ = ComputeHoroscope(chart, date_);
  showDecades();
  for (int b = 0; b < 12; ++b) showBox(b);
  showCentre();
  showTime();
  paintFrames();
  setTabOrder();
}

void NatalChartPage::showNoChart(const QString& reason) {
  chart_.reset();
  horoscope_.reset();
  for (int b = 0; b < 12; ++b) clearBox(b);
  for (int i = 0; i < kNatalCentreLineCount; ++i) {
    const auto line = static_cast<NatalCentreLine>(i);
    if (line == NatalCentreLine::kName || line == NatalCentreLine::kLegend || line == NatalCentreLine::kMarkLegend)
      continue;
    sheet_->setCellText(centreCell(line), line == NatalCentreLine::kSolarBirth ? reason : QString());
  }
  bar_->setEnabled(false);
  paintFrames();
  paintMarks();
}

void NatalChartPage::clearBox(int branch) {
  for (int i = 0; i < boxCellCount_; ++i) {
    const int cell = branch * boxCellCount_ + i;
    if (cell == cellIndex(branch, BoxPart::kBodyMark) || cell == cellIndex(branch, BoxPart::kOriginMark))
      sheet_->setCellVisible(cell, false);
    else
      sheet_->setCellText(cell, {});
  }
  PalaceKey* key = keys_[static_cast<size_t>(branch)];
  key->setEnabled(false);
  key->setAccessibleName({});
  key->setAccessibleDescription({});
}

void NatalChartPage::showDate(const SolarDate& date) {
  if (!chart_) return;
  date_ = Clamp(date, chart_->chartDate);
  horoscope_ = ComputeHoroscope(*chart_, date_);
  showTime();
}

void NatalChartPage::chooseDate(const SolarDate& date) { showDate(date); }

void NatalChartPage::chooseDecade(int index) {
  if (!chart_) return;
  // Button 0 is the 童限, from 虛歲 1; button n the n-th 大限 from 命宮.
  const int age = index == 0 ? 1 : chart_->bureau + 10 * (index - 1);
  if (const std::optional<SolarDate> date = DateAtAge(*chart_, age, date_)) showDate(*date);
}

void NatalChartPage::showBox(int branch) {
  const ChartPalace& p = chart_->palaces[static_cast<size_t>(palaceAt(branch))];
  keys_[static_cast<size_t>(branch)]->setEnabled(true);
  sheet_->setCellVisible(cellIndex(branch, BoxPart::kBodyMark), p.isBodyPalace);
  sheet_->setCellVisible(cellIndex(branch, BoxPart::kOriginMark), p.isOriginalPalace);
  showStars(branch);
  // The 雜曜 in their grid. No palace of a birth in 1900..2100 gets more
  // than twelve; were there more, the last slot would show an ellipsis and
  // the rest in its tip.
  const int others = static_cast<int>(p.otherStars.size());
  auto other = [&](int i) { return Name(StarName(p.otherStars[static_cast<size_t>(i)].star)); };
  for (int slot = 0; slot < kOtherSlots; ++slot) {
    QString text = slot < others ? other(slot) : QString(), tip;
    if (slot == kOtherSlots - 1 && others > kOtherSlots) {
      text = QStringLiteral("…");
      for (int i = slot; i < others; ++i) tip += other(i) + u' ';
    }
    const int cell = cellIndex(branch, BoxPart::kOtherStar, slot);
    sheet_->setCellText(cell, text);
    sheet_->setCellTooltip(cell, tip.trimmed());
  }
  showSpirits(branch);
  sheet_->setCellText(cellIndex(branch, BoxPart::kStemBranch), Pillar(p.stem, p.branch));
  sheet_->setCellText(cellIndex(branch, BoxPart::kPalaceName), NameAt(kPalaceNames, palaceAt(branch)));
  const int decadal = cellIndex(branch, BoxPart::kDecadal);
  sheet_->setCellText(decadal, QStringLiteral("%1 ~ %2").arg(p.decadalFrom).arg(p.decadalTo));
  sheet_->setCellTooltip(decadal, QStringLiteral("大限：%1 至 %2 歲（虛歲）").arg(p.decadalFrom).arg(p.decadalTo));
  QString ages = QStringLiteral("小限");
  for (int age : MinorLimitAges(p))
    if (age <= 108) ages += u' ' + QString::number(age);
  sheet_->setCellText(cellIndex(branch, BoxPart::kAges), ages);
}

void NatalChartPage::showSpirits(int branch) {
  const ChartPalace& p = chart_->palaces[static_cast<size_t>(palaceAt(branch))];
  sheet_->setCellText(cellIndex(branch, BoxPart::kBoshi), NameAt(kBoshiNames, p.boshi));
  sheet_->setCellText(cellIndex(branch, BoxPart::kJiangqian), NameAt(kJiangqianNames, p.jiangqian));
  sheet_->setCellText(cellIndex(branch, BoxPart::kSuiqian), NameAt(kSuiqianNames, p.suiqian));
  sheet_->setCellText(cellIndex(branch, BoxPart::kChangsheng), NameAt(kChangshengNames, p.changsheng));
  for (BoxPart part : {BoxPart::kJiangqian, BoxPart::kSuiqian})
    sheet_->setCellTooltip(cellIndex(branch, part),
                           QStringLiteral("生年%1").arg(part == BoxPart::kJiangqian ? QStringLiteral("將前十二神")
                                                                                    : QStringLiteral("歲前十二神")));
}

void NatalChartPage::showStars(int branch) {
  const std::vector<PlacedStar> columns = ColumnStars(chart_->palaces[static_cast<size_t>(palaceAt(branch))]);
  for (int c = 0; c < kStarColumns; ++c) {
    const int name = cellIndex(branch, BoxPart::kStarName, c);
    const int grade = cellIndex(branch, BoxPart::kBrightness, c);
    const int mark = cellIndex(branch, BoxPart::kMutagen, c);
    if (c >= static_cast<int>(columns.size())) {
      for (int cell : {name, grade, mark}) sheet_->setCellText(cell, {});
      continue;
    }
    const PlacedStar& s = columns[static_cast<size_t>(c)];
    const bool major = KindOf(s.star) == StarKind::kMajor;
    sheet_->setCellFont(name, major ? kMajorFont : kMinorFont);
    sheet_->setCellColour(name, major ? kMajorColour : kMinorColour);
    sheet_->setCellText(name, Name(StarName(s.star)));
    sheet_->setCellText(grade, NameAt(kBrightnessNames, static_cast<int>(s.brightness)));
    sheet_->setCellText(mark, MutagenName(s.mutagen));
    sheet_->setCellFill(mark, mutagenColour(s.mutagen));
    sheet_->setCellTooltip(mark, s.mutagen == Mutagen::kNone ? QString()
                                                             : QStringLiteral("本命：") + Name(StarName(s.star)) +
                                                                   QStringLiteral("化") + MutagenName(s.mutagen));
  }
}

void NatalChartPage::showCentre() {
  const NatalChart& c = *chart_;
  const Birth& b = c.birth;
  const QString hour = HourName(b.hour);
  sheet_->setCellText(centreCell(NatalCentreLine::kSolarBirth),
                      QStringLiteral("%1　國曆 %2 %3生")
                          .arg(Name(PolaritySexName(c.yangYear, b.sex)), DateText({b.year, b.month, b.day}), hour));
  // The late 子 hour is charted as the next day's 子 hour: the lunar line
  // gives the day charted.
  const QString charted = b.hour == kLateRatHour ? QStringLiteral("子時（晚子算作次日）") : hour;
  sheet_->setCellText(centreCell(NatalCentreLine::kLunarBirth),
                      QStringLiteral("農曆 %1年 %2 %3生")
                          .arg(Pillar(c.yearStem, c.yearBranch), LunarText(c.lunarMonth, c.lunarDay), charted));
  const QString units[] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日"), QStringLiteral("時")};
  QString pillars = QStringLiteral("四柱");
  for (size_t i = 0; i < 4; ++i)
    pillars += QStringLiteral("　") + Pillar(c.pillars[i].stem, c.pillars[i].branch) + units[i];
  sheet_->setCellText(centreCell(NatalCentreLine::kPillars), pillars);
  sheet_->setCellText(
      centreCell(NatalCentreLine::kPalaces),
      QStringLiteral("命宮在 %1，身宮在 %2（%3），命主 %4，身主 %5")
          .arg(NameAt(kBranchNames, c.soulBranch), NameAt(kBranchNames, c.bodyBranch),
               NameAt(kPalaceNames, c.bodyPalace), Name(StarName(c.soulStar)), Name(StarName(c.bodyStar))));
  const int origin = OriginalPalaceBranch(c.yearStem);
  sheet_->setCellText(centreCell(NatalCentreLine::kBureau),
                      QStringLiteral("五行局 %1，生肖 %2，來因宮在 %3（%4）")
                          .arg(Name(BureauName(c.bureau)), NameAt(kZodiacAnimals, c.yearBranch),
                               NameAt(kBranchNames, origin), NameAt(kPalaceNames, palaceAt(origin))));
}

// Everything that follows the date the chart is read on.
void NatalChartPage::showTime() {
  for (int b = 0; b < 12; ++b) showTimeInBox(b);
  showTimeInCentre();
  showFlightsInCentre();
  showTimeBar();
  paintMarks();
  for (int b = 0; b < 12; ++b) describePalace(b);
}

void NatalChartPage::showTimeInBox(int branch) {
  const Horoscope& h = *horoscope_;
  const std::vector<PlacedStar> columns = ColumnStars(chart_->palaces[static_cast<size_t>(palaceAt(branch))]);
  for (int c = 0; c < kStarColumns; ++c) {
    const bool used = c < static_cast<int>(columns.size());
    const Star star = used ? columns[static_cast<size_t>(c)].star : Star::kZiWei;
    const Mutagen decadal = used ? SpanMutagen(h.decadal, star) : Mutagen::kNone;
    const Mutagen yearly = used ? SpanMutagen(h.yearly, star) : Mutagen::kNone;
    for (auto [part, m, kind] : {std::tuple{BoxPart::kDecadalMutagen, decadal, QStringLiteral("大限")},
                                 std::tuple{BoxPart::kYearlyMutagen, yearly, QStringLiteral("流年")}}) {
      const int cell = cellIndex(branch, part, c);
      sheet_->setCellText(cell, MutagenName(m));
      sheet_->setCellColour(cell, mutagenColour(m));
      sheet_->setCellTooltip(cell, m == Mutagen::kNone ? QString()
                                                       : kind + QStringLiteral("：") + Name(StarName(star)) +
                                                             QStringLiteral("化") + MutagenName(m));
    }
  }
  const QString decadalPrefix = h.childhood ? QStringLiteral("童") : QStringLiteral("大");
  sheet_->setCellText(cellIndex(branch, BoxPart::kDecadalName),
                      decadalPrefix + NameAt(kPalaceShortNames, SpanPalaceRole(h.decadal, branch)));
  sheet_->setCellText(cellIndex(branch, BoxPart::kYearlyName),
                      QStringLiteral("年") + NameAt(kPalaceShortNames, SpanPalaceRole(h.yearly, branch)));
  QStringList flowing;
  for (int f = 0; f < kFlowingStarCount; ++f)
    if (h.flowingStarBranch[static_cast<size_t>(f)] == branch) flowing << NameAt(kFlowingStarNames, f);
  for (int slot = 0; slot < kFlowingStarSlots; ++slot) {
    const bool last = slot == kFlowingStarSlots - 1 && flowing.size() > kFlowingStarSlots;
    const int cell = cellIndex(branch, BoxPart::kFlowingStar, slot);
    sheet_->setCellText(cell, last ? QStringLiteral("…") : flowing.value(slot));
    sheet_->setCellTooltip(cell, last ? flowing.mid(slot).join(u' ') : QString());
  }
  sheet_->setCellText(cellIndex(branch, BoxPart::kYearJiangqian),
                      NameAt(kJiangqianNames, h.jiangqian[static_cast<size_t>(branch)]));
  sheet_->setCellText(cellIndex(branch, BoxPart::kYearSuiqian),
                      NameAt(kSuiqianNames, h.suiqian[static_cast<size_t>(branch)]));
  sheet_->setCellTooltip(cellIndex(branch, BoxPart::kYearJiangqian), QStringLiteral("流年將前十二神"));
  sheet_->setCellTooltip(cellIndex(branch, BoxPart::kYearSuiqian), QStringLiteral("流年歲前十二神"));
  sheet_->setCellColour(cellIndex(branch, BoxPart::kAges), branch == h.age.palaceBranch ? kYearlyColour : kGradeColour);
}

void NatalChartPage::showTimeInCentre() {
  const Horoscope& h = *horoscope_;
  auto at = [&](int branch) { return NameAt(kPalaceNames, palaceAt(branch)); };
  sheet_->setCellText(
      centreCell(NatalCentreLine::kDate),
      QStringLiteral("行運 %1（農曆 %2年 %3），虛歲 %4")
          .arg(DateText(h.date), Pillar(h.yearly.stem, h.yearly.branch), LunarText(h.lunarMonth, h.lunarDay))
          .arg(h.nominalAge));
  sheet_->setCellText(centreCell(NatalCentreLine::kDecadal),
                      h.childhood ? QStringLiteral("童限 在%1（%2），大限 %3 歲起")
                                        .arg(at(h.decadal.palaceBranch), Pillar(h.decadal.stem, h.decadal.branch))
                                        .arg(chart_->bureau)
                                  : QStringLiteral("大限 %1 在%2（%3 ~ %4 歲）")
                                        .arg(Pillar(h.decadal.stem, h.decadal.branch), at(h.decadal.palaceBranch))
                                        .arg(h.decadalFrom)
                                        .arg(h.decadalTo));
  sheet_->setCellText(centreCell(NatalCentreLine::kYearly),
                      QStringLiteral("流年 %1 在%2，小限在%3（%4）")
                          .arg(Pillar(h.yearly.stem, h.yearly.branch), at(h.yearly.palaceBranch),
                               at(h.age.palaceBranch), NameAt(kBranchNames, h.age.palaceBranch)));
  sheet_->setCellText(centreCell(NatalCentreLine::kMonthly),
                      QStringLiteral("流月 %1 在%2，流日 %3 在%4")
                          .arg(Pillar(h.monthly.stem, h.monthly.branch), at(h.monthly.palaceBranch),
                               Pillar(h.daily.stem, h.daily.branch), at(h.daily.palaceBranch)));
}

// The picked palace's four transformations in words: which star, into which
// palace, and which land at home.
void NatalChartPage::showFlightsInCentre() {
  const int cell = centreCell(NatalCentreLine::kFlights);
  if (!chart_ || picked_ < 0) {
    sheet_->setCellText(cell, chart_ ? QStringLiteral("按宮名看該宮的三方四正與飛星（宮干四化）") : QString());
    return;
  }
  const ChartPalace& p = chart_->palaces[static_cast<size_t>(picked_)];
  QStringList flights;
  for (size_t k = 0; k < 4; ++k) {
    const Flight& f = p.flights[k];
    QString text = Name(StarName(f.star)) + QStringLiteral("化") + NameAt(kMutagenNames, static_cast<int>(k) + 1) +
                   QStringLiteral("入") + NameAt(kPalaceNames, palaceAt(f.toBranch));
    if (f.toBranch == p.branch) text += QStringLiteral("（自化）");
    flights << text;
  }
  sheet_->setCellText(cell,
                      QStringLiteral("%1 %2 飛星：").arg(NameAt(kPalaceNames, picked_), Pillar(p.stem, p.branch)) +
                          flights.join(QStringLiteral("，")));
}

// The bar's buttons: the 童限 and the twelve 大限 of the chart, each with
// its palace and years; those past the calendar's last year are disabled.
void NatalChartPage::showDecades() {
  const NatalChart& c = *chart_;
  std::vector<DecadeChoice> decades;
  decades.push_back({1, c.bureau - 1, QStringLiteral("童限"),
                     QStringLiteral("童限：虛歲 1 至 %1 歲，一命二財三疾厄，四夫妻五福德").arg(c.bureau - 1), true});
  for (int d = 0; d < 12; ++d) {
    const int role = DecadePalace(c.forward, d);
    const ChartPalace& p = c.palaces[static_cast<size_t>(role)];
    const int firstYear = c.lunarYear + p.decadalFrom - 1;
    decades.push_back({p.decadalFrom, p.decadalTo, QStringLiteral("%1~%2").arg(p.decadalFrom).arg(p.decadalTo),
                       QStringLiteral("大限 %1 ~ %2 歲：%3（%4），農曆 %5 至 %6 年")
                           .arg(p.decadalFrom)
                           .arg(p.decadalTo)
                           .arg(NameAt(kPalaceNames, role), Pillar(p.stem, p.branch))
                           .arg(firstYear)
                           .arg(firstYear + 9),
                       firstYear <= kLastDate.year});
  }
  bar_->setEnabled(true);
  bar_->setYears(c.chartDate.year, kLastDate.year);
  bar_->setDecades(decades);
}

void NatalChartPage::showTimeBar() {
  const Horoscope& h = *horoscope_;
  bar_->showDate(date_, h.childhood ? 0 : DecadeOfAge(chart_->bureau, h.nominalAge) + 1);
}

void NatalChartPage::highlightPalace(int palace) {
  picked_ = palace >= 0 && palace < 12 ? palace : -1;
  paintFrames();
  paintMarks();
  showFlightsInCentre();
}

void NatalChartPage::paintFrames() {
  int pickedBranch = -1;
  for (int b = 0; b < 12; ++b)
    if (picked_ >= 0 && palaceAt(b) == picked_) pickedBranch = b;
  std::array<bool, 12> readWith{};
  if (pickedBranch >= 0)
    for (int b : ThreeSidesFourFronts(pickedBranch)) readWith[static_cast<size_t>(b)] = true;
  std::vector<SheetFrame> frames, marked;
  for (int b = 0; b < 12; ++b) {
    SheetFrame f;
    f.rect = ToQRect(NatalBoxFrame(b));
    const bool on = readWith[static_cast<size_t>(b)];
    f.line = on ? kMarkedLine : kFrameLine;
    if (on) f.fill = b == pickedBranch ? kPickedFill : kReadWithFill;
    // Marked frames last, so their lines win the lines they share.
    (on ? marked : frames).push_back(f);
    keys_[static_cast<size_t>(b)]->setChecked(b == pickedBranch);
  }
  frames.insert(frames.end(), marked.begin(), marked.end());
  sheet_->setFrames(std::move(frames));
}

// The outlines of the 大限 and 流年 marks and of the legend's samples, then
// the picked palace's arrows and the stars it transforms at home.
void NatalChartPage::paintMarks() {
  std::vector<MarkOutline> outlines;
  for (int b = 0; b < 12 && horoscope_; ++b)
    for (int c = 0; c < kStarColumns; ++c)
      for (auto [part, shape] : {std::pair{BoxPart::kDecadalMutagen, MarkOutline::Shape::kSquare},
                                 std::pair{BoxPart::kYearlyMutagen, MarkOutline::Shape::kCircle}}) {
        const Cell& cell = boxCell(b, part, c);
        if (!cell.text.isEmpty()) outlines.push_back({cell.rect, cell.colour, shape});
      }
  const MarkOutline::Shape samples[] = {MarkOutline::Shape::kSquare, MarkOutline::Shape::kCircle,
                                        MarkOutline::Shape::kDashed};
  for (int m = 2; m <= 4; ++m)
    outlines.push_back(
        {ToQRect(NatalLegendMarkRect(NatalCentreLine::kMarkLegend, m)), mutagenColour(Mutagen::kLu), samples[m - 2]});
  std::vector<FlightArrow> flights;
  const int branch = chart_ && picked_ >= 0 ? chart_->palaces[static_cast<size_t>(picked_)].branch : -1;
  if (branch >= 0) flights = pickedFlights(outlines);
  sheet_->setOutlines(std::move(outlines));
  sheet_->setPicked(branch, std::move(flights));
}

// The picked palace's four transformations as arrows; a star transformed
// in the palace itself also gets a dashed frame in `outlines`.
std::vector<FlightArrow> NatalChartPage::pickedFlights(std::vector<MarkOutline>& outlines) const {
  const ChartPalace& p = chart_->palaces[static_cast<size_t>(picked_)];
  const std::vector<PlacedStar> columns = ColumnStars(p);
  std::vector<FlightArrow> flights;
  for (size_t k = 0; k < 4; ++k) {
    const QColor colour = mutagenColour(static_cast<Mutagen>(k + 1));
    flights.push_back({p.flights[k].toBranch, colour, NameAt(kMutagenNames, static_cast<int>(k) + 1)});
    if (p.flights[k].toBranch != p.branch) continue;
    for (size_t c = 0; c < columns.size(); ++c) {
      if (columns[c].star != p.flights[k].star) continue;
      const QRect name = boxCell(p.branch, BoxPart::kStarName, static_cast<int>(c)).rect;
      const QRect grade = boxCell(p.branch, BoxPart::kBrightness, static_cast<int>(c)).rect;
      outlines.push_back({name.united(grade).adjusted(-1, -1, 1, 1), colour, MarkOutline::Shape::kDashed});
    }
  }
  return flights;
}

// What a screen reader says for a palace: its names, its stars with their
// marks, its spirits, its 大限 ages and what the chosen date makes of it.
void NatalChartPage::describePalace(int branch) {
  const ChartPalace& p = chart_->palaces[static_cast<size_t>(palaceAt(branch))];
  const Horoscope& h = *horoscope_;
  PalaceKey* key = keys_[static_cast<size_t>(branch)];
  key->setAccessibleName(QStringLiteral("%1 %2").arg(NameAt(kPalaceNames, palaceAt(branch)), Pillar(p.stem, p.branch)));
  QStringList stars, others;
  for (const PlacedStar& s : ColumnStars(p)) {
    QString star = Name(StarName(s.star)) + NameAt(kBrightnessNames, static_cast<int>(s.brightness));
    if (s.mutagen != Mutagen::kNone) star += QStringLiteral("化") + MutagenName(s.mutagen);
    if (SpanMutagen(h.decadal, s.star) != Mutagen::kNone)
      star += QStringLiteral("，大限化") + MutagenName(SpanMutagen(h.decadal, s.star));
    if (SpanMutagen(h.yearly, s.star) != Mutagen::kNone)
      star += QStringLiteral("，流年化") + MutagenName(SpanMutagen(h.yearly, s.star));
    stars << star;
  }
  for (const PlacedStar& s : p.otherStars) others << Name(StarName(s.star));
  QStringList parts;
  if (p.isBodyPalace) parts << QStringLiteral("身宮");
  if (p.isOriginalPalace) parts << QStringLiteral("來因宮");
  parts << QStringLiteral("星曜：") + (stars.isEmpty() ? QStringLiteral("無主星") : stars.join(QStringLiteral("；")));
  if (!others.isEmpty()) parts << QStringLiteral("雜曜：") + others.join(u' ');
  parts << QStringLiteral("大限 %1 至 %2 歲").arg(p.decadalFrom).arg(p.decadalTo);
  parts << boxCell(branch, BoxPart::kAges).text;
  parts << QStringLiteral("行運：%1宮、%2宮")
               .arg(boxCell(branch, BoxPart::kDecadalName).text, boxCell(branch, BoxPart::kYearlyName).text);
  key->setAccessibleDescription(parts.join(QStringLiteral("。")));
}

// The keyboard goes from the name to the palaces in the chart's order,
// 命宮 first, then to the time bar.
void NatalChartPage::setTabOrder() {
  QWidget* previous = name_;
  for (int role = 0; role < 12; ++role) {
    QWidget* key = keys_[static_cast<size_t>(chart_->palaces[static_cast<size_t>(role)].branch)];
    QWidget::setTabOrder(previous, key);
    previous = key;
  }
  QWidget::setTabOrder(previous, bar_);
}

void NatalChartPage::paintFitted(QPainter& p, const QRect& area) const {
  const Size sheet = NatalSheetSize();
  const qreal scale = std::min(qreal(area.width()) / sheet.width, qreal(area.height()) / sheet.height);
  p.save();
  p.translate(area.x() + (area.width() - sheet.width * scale) / 2, area.y());
  p.scale(scale, scale);
  sheet_->paintChart(p);
  p.restore();
}

QImage NatalChartPage::renderImage(qreal scale) const {
  const Size sheet = NatalSheetSize();
  QImage image(static_cast<int>(std::ceil(sheet.width * scale)), static_cast<int>(std::ceil(sheet.height * scale)),
               QImage::Format_RGB32);
  image.fill(kPaper);
  QPainter p(&image);
  p.scale(scale, scale);
  sheet_->paintChart(p);
  return image;
}

QString NatalChartPage::exportTo(const QString& path) const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(imageName());
    pdf.setCreator(QStringLiteral("Lunisol"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    QPainter p(&pdf);
    paintFitted(p, p.viewport());
  } else if (!renderImage().save(&buffer, "PNG")) {
    return QStringLiteral("無法產生圖檔。");
  }
  const SaveResult saved = WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                               std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  return saved.ok() ? QString() : SaveFailureText(path, saved);
}

void NatalChartPage::exportWithDialog(QWidget* parent) {
  const QString path = AskSaveFileName(parent, QStringLiteral("存 檔"), QDir::current().filePath(imageName()),
                                       QStringLiteral("PNG 圖檔 (*.png);;PDF 文件 (*.pdf)"));
  if (path.isEmpty()) return;
  const QString failure = exportTo(path);
  if (!failure.isEmpty()) QMessageBox::warning(parent, QStringLiteral("警告視窗"), failure, QMessageBox::Ok);
}

void NatalChartPage::print(QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(imageName());
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter p(&printer);
  paintFitted(p, p.viewport());
}

QString NatalChartPage::imageName() const {
  if (!chart_) return QStringLiteral("命盤.png");
  const Birth& b = chart_->birth;
  return QStringLiteral("命盤%1%2%3%4%5.png")
      .arg(b.year, 4, 10, QLatin1Char('0'))
      .arg(b.month, 2, 10, QLatin1Char('0'))
      .arg(b.day, 2, 10, QLatin1Char('0'))
      .arg(HourName(b.hour), b.sex == Sex::kFemale ? QStringLiteral("女") : QStringLiteral("男"));
}

}  // namespace lunisol::ui
