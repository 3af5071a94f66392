#include "ui/natal_chart_page.h"

#include <QResizeEvent>
#include <cmath>
#include <cstdlib>

#include "calendar/tables.h"
#include "natal/placement.h"
#include "natal/stars.h"
#include "ui/widgets/edges.h"
#include "ui/widgets/page_font.h"

namespace lunisol::ui {
namespace {

// The sheet's fonts by cell height: the centre block and the palace names,
// the major stars, the minor stars, and the small print (brightness, marks,
// 雜曜, the two rings, the 大限 ages).
enum Font { kCentreFont, kMajorFont, kMinorFont, kSmallFont };
constexpr int kCentreCell = 16, kMajorCell = 18, kMinorCell = 16, kSmallCell = 15;

const QColor kPaper(252, 251, 246);
const QColor kFrameLine(120, 120, 120);     // a frame that reads on the paper
const QColor kPickedFill(255, 226, 150);    // the palace picked
const QColor kReadWithFill(255, 243, 208);  // the three it is read with
const QColor kMarkedLine(176, 122, 0);
const QColor kMajorColour(161, 18, 42);
const QColor kMinorColour(31, 58, 147);
const QColor kGradeColour(105, 105, 105);
const QColor kOtherColour(70, 70, 70);
const QColor kSpiritColour(122, 92, 46);
const QColor kBodyFill(93, 64, 55);

constexpr int kOtherSlots = kOtherStarsPerRow * kOtherStarRows;
// Each box's cells in one run: the body mark, the star columns' names,
// grades and marks, the 雜曜 slots, then the four single parts.
constexpr int kBoxCellCount = 1 + 3 * kStarColumns + kOtherSlots + 4;

int PartOffset(BoxPart part) {
  switch (part) {
    case BoxPart::kBodyMark:
      return 0;
    case BoxPart::kStarName:
      return 1;
    case BoxPart::kBrightness:
      return 1 + kStarColumns;
    case BoxPart::kMutagen:
      return 1 + 2 * kStarColumns;
    case BoxPart::kOtherStar:
      return 1 + 3 * kStarColumns;
    case BoxPart::kBoshi:
      return 1 + 3 * kStarColumns + kOtherSlots;
    case BoxPart::kChangsheng:
      return 2 + 3 * kStarColumns + kOtherSlots;
    case BoxPart::kStemBranch:
      return 3 + 3 * kStarColumns + kOtherSlots;
    case BoxPart::kDecadal:
    case BoxPart::kButton:  // a widget, not a cell
      return 4 + 3 * kStarColumns + kOtherSlots;
  }
  return 0;
}

QString Name(std::u16string_view text) { return ToQString(text); }
template <size_t N>
QString NameAt(const std::array<std::u16string_view, N>& names, int i) {
  return ToQString(names[static_cast<size_t>(i)]);
}
QString HourName(int hour) { return NameAt(kBranchNames, hour) + QStringLiteral("時"); }
QString Pillar(int stem, int branch) { return NameAt(kStemNames, stem) + NameAt(kBranchNames, branch); }

int AddCell(CellSheet& sheet, const Rect& r, int font, const QColor& colour, Qt::Alignment align = Qt::AlignHCenter) {
  Cell c;
  c.rect = ToQRect(r);
  c.font = font;
  c.colour = colour;
  c.align = align;
  return sheet.addCell(c);
}

QFont ScaledFont(int cellHeight, qreal zoom) {
  QFont f = MakePageFont(QString::fromLatin1(kPageFace), cellHeight).font;
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * zoom))));
  return f;
}

}  // namespace

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

NatalChartPage::NatalChartPage(QWidget* parent) : QScrollArea(parent), sheet_(new CellSheet) {
  setFrameShape(QFrame::NoFrame);
  setAlignment(Qt::AlignCenter);
  setWidgetResizable(false);
  palaceAtBranch_.fill(-1);
  sheet_->setBackground(kPaper);
  const QString face = QString::fromLatin1(kPageFace);
  sheet_->setFonts({MakePageFont(face, kCentreCell), MakePageFont(face, kMajorCell, true),
                    MakePageFont(face, kMinorCell), MakePageFont(face, kSmallCell)});
  buildCells();
  buildControls();
  setWidget(sheet_);
  paintFrames();
  fitToArea();
}

int NatalChartPage::cellIndex(int branch, BoxPart part, int slot) const {
  return branch * kBoxCellCount + PartOffset(part) + slot;
}

const Cell& NatalChartPage::boxCell(int branch, BoxPart part, int slot) const {
  return sheet_->cell(cellIndex(branch, part, slot));
}

const Cell& NatalChartPage::centreLine(NatalCentreLine line) const {
  return sheet_->cell(centreCells_[static_cast<size_t>(line)]);
}

void NatalChartPage::buildCells() {
  for (int b = 0; b < 12; ++b) buildBoxCells(b);
  buildCentreCells();
  const Size size = NatalSheetSize();
  sheet_->resize(size.width, size.height);
}

void NatalChartPage::buildBoxCells(int branch) {
  CellSheet& s = *sheet_;
  const int body = AddCell(s, NatalBoxPlace(branch, BoxPart::kBodyMark), kSmallFont, Qt::white);
  s.setCellText(body, QStringLiteral("身"));
  s.setCellFill(body, kBodyFill);
  s.setCellTooltip(body, QStringLiteral("身宮"));
  s.setCellVisible(body, false);
  for (BoxPart part : {BoxPart::kStarName, BoxPart::kBrightness, BoxPart::kMutagen})
    for (int c = 0; c < kStarColumns; ++c)
      AddCell(s, NatalBoxPlace(branch, part, c), part == BoxPart::kStarName ? kMajorFont : kSmallFont,
              part == BoxPart::kMutagen ? Qt::white : kGradeColour);
  for (int slot = 0; slot < kOtherSlots; ++slot)
    AddCell(s, NatalBoxPlace(branch, BoxPart::kOtherStar, slot), kSmallFont, kOtherColour, Qt::AlignLeft);
  AddCell(s, NatalBoxPlace(branch, BoxPart::kBoshi), kSmallFont, kSpiritColour, Qt::AlignLeft);
  AddCell(s, NatalBoxPlace(branch, BoxPart::kChangsheng), kSmallFont, kSpiritColour);
  AddCell(s, NatalBoxPlace(branch, BoxPart::kStemBranch), kCentreFont, Qt::black, Qt::AlignLeft);
  AddCell(s, NatalBoxPlace(branch, BoxPart::kDecadal), kSmallFont, Qt::black);
}

void NatalChartPage::buildCentreCells() {
  CellSheet& s = *sheet_;
  for (int i = 0; i < kNatalCentreLineCount; ++i) {
    const auto line = static_cast<NatalCentreLine>(i);
    if (line == NatalCentreLine::kLegend) continue;
    centreCell(line) = AddCell(s, NatalCentreLineRect(line), kCentreFont, Qt::black, Qt::AlignLeft);
  }
  s.setCellText(centreCell(NatalCentreLine::kName), QStringLiteral("姓名："));
  // The legend line is its four marks and their captions, the first mark
  // standing for the line.
  for (int m = 1; m <= 4; ++m) {
    const int mark = AddCell(s, NatalLegendMarkRect(m), kSmallFont, Qt::white);
    s.setCellText(mark, NameAt(kMutagenNames, m));
    s.setCellFill(mark, mutagenColour(static_cast<Mutagen>(m)));
    const int caption = AddCell(s, NatalLegendCaptionRect(m), kSmallFont, Qt::black, Qt::AlignLeft);
    s.setCellText(caption, QStringLiteral("化") + NameAt(kMutagenNames, m));
    if (m == 1) centreCell(NatalCentreLine::kLegend) = mark;
  }
}

void NatalChartPage::buildControls() {
  for (int b = 0; b < 12; ++b) {
    auto* button = new QPushButton(sheet_);
    button->setFlat(true);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(QStringLiteral("標出此宮與它的三方四正；再按一下取消"));
    button->setObjectName(QString::number(NatalButtonRow(b).id));
    connect(button, &QPushButton::clicked, this, [this, b] {
      const int palace = palaceAtBranch_[static_cast<size_t>(b)];
      highlightPalace(palace == picked_ ? -1 : palace);
    });
    buttons_[static_cast<size_t>(b)] = button;
  }
  name_ = new QLineEdit(sheet_);
  name_->setToolTip(QStringLiteral("命主的姓名，只在程式執行時保留"));
  name_->setMaxLength(40);
}

void NatalChartPage::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  fitToArea();
}

void NatalChartPage::fitToArea() {
  // Against the room without scroll bars, so that showing one does not
  // change the zoom that called for it.
  const QSize area = maximumViewportSize();
  const qreal zoom = NatalChartZoom(area.width(), area.height());
  const Size size = NatalSheetSize();
  sheet_->setZoom(zoom);
  sheet_->resize(static_cast<int>(std::ceil(size.width * zoom)), static_cast<int>(std::ceil(size.height * zoom)));
  const QFont font = ScaledFont(kCentreCell, zoom);
  QFont palaceFont = font;
  palaceFont.setBold(true);
  for (int b = 0; b < 12; ++b) {
    QPushButton* button = buttons_[static_cast<size_t>(b)];
    button->setFont(palaceFont);
    button->setGeometry(sheet_->toWidget(ToQRect(NatalBoxPlace(b, BoxPart::kButton))));
  }
  name_->setFont(font);
  name_->setGeometry(sheet_->toWidget(ToQRect(NatalNameEditRect())));
}

void NatalChartPage::showChart(const NatalChart& chart) {
  birth_ = chart.birth;
  hasChart_ = true;
  for (int b = 0; b < 12; ++b) {
    palaceAtBranch_[static_cast<size_t>(b)] = chart.palaceAtBranch[static_cast<size_t>(b)];
    showBox(chart, b);
  }
  showCentre(chart);
  paintFrames();
}

void NatalChartPage::showNoChart(const QString& reason) {
  hasChart_ = false;
  palaceAtBranch_.fill(-1);
  for (int b = 0; b < 12; ++b) clearBox(b);
  for (int i = 0; i < kNatalCentreLineCount; ++i) {
    const auto line = static_cast<NatalCentreLine>(i);
    if (line == NatalCentreLine::kName || line == NatalCentreLine::kLegend) continue;
    sheet_->setCellText(centreCell(line), line == NatalCentreLine::kSolarBirth ? reason : QString());
  }
  paintFrames();
}

void NatalChartPage::clearBox(int branch) {
  for (int i = 1; i < kBoxCellCount; ++i) sheet_->setCellText(branch * kBoxCellCount + i, {});
  sheet_->setCellVisible(cellIndex(branch, BoxPart::kBodyMark), false);
  QPushButton* button = buttons_[static_cast<size_t>(branch)];
  button->setText({});
  button->setEnabled(false);
}

void NatalChartPage::showBox(const NatalChart& chart, int branch) {
  const int palace = chart.palaceAtBranch[static_cast<size_t>(branch)];
  const ChartPalace& p = chart.palaces[static_cast<size_t>(palace)];
  QPushButton* button = buttons_[static_cast<size_t>(branch)];
  button->setText(NameAt(kPalaceNames, palace));
  button->setEnabled(true);
  sheet_->setCellVisible(cellIndex(branch, BoxPart::kBodyMark), p.isBodyPalace);
  showStars(chart, branch);
  // The 雜曜 in their grid. No palace of a birth in 1900..2100 gets more
  // than eleven; were there more, the last slot would show an ellipsis and
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
  sheet_->setCellText(cellIndex(branch, BoxPart::kBoshi), NameAt(kBoshiNames, p.boshi));
  sheet_->setCellText(cellIndex(branch, BoxPart::kChangsheng), NameAt(kChangshengNames, p.changsheng));
  sheet_->setCellText(cellIndex(branch, BoxPart::kStemBranch), Pillar(p.stem, p.branch));
  const int decadal = cellIndex(branch, BoxPart::kDecadal);
  sheet_->setCellText(decadal, QStringLiteral("%1 ~ %2").arg(p.decadalFrom).arg(p.decadalTo));
  sheet_->setCellTooltip(decadal, QStringLiteral("大限：%1 至 %2 歲（虛歲）").arg(p.decadalFrom).arg(p.decadalTo));
}

void NatalChartPage::showStars(const NatalChart& chart, int branch) {
  const ChartPalace& p = chart.palaces[static_cast<size_t>(chart.palaceAtBranch[static_cast<size_t>(branch)])];
  // Major stars first, then the minor ones, each a column from the right;
  // no palace of a birth in 1900..2100 holds more than eight.
  std::array<const PlacedStar*, kStarColumns> columns{};
  size_t n = 0;
  for (const PlacedStar& s : p.majorStars)
    if (n < columns.size()) columns[n++] = &s;
  for (const PlacedStar& s : p.minorStars)
    if (n < columns.size()) columns[n++] = &s;
  for (int c = 0; c < kStarColumns; ++c) {
    const PlacedStar* s = columns[static_cast<size_t>(c)];
    const int name = cellIndex(branch, BoxPart::kStarName, c);
    const int grade = cellIndex(branch, BoxPart::kBrightness, c);
    const int mark = cellIndex(branch, BoxPart::kMutagen, c);
    if (!s) {
      for (int cell : {name, grade, mark}) sheet_->setCellText(cell, {});
      continue;
    }
    const bool major = KindOf(s->star) == StarKind::kMajor;
    sheet_->setCellFont(name, major ? kMajorFont : kMinorFont);
    sheet_->setCellColour(name, major ? kMajorColour : kMinorColour);
    sheet_->setCellText(name, Name(StarName(s->star)));
    sheet_->setCellText(grade, NameAt(kBrightnessNames, static_cast<int>(s->brightness)));
    sheet_->setCellText(mark, NameAt(kMutagenNames, static_cast<int>(s->mutagen)));
    sheet_->setCellFill(mark, mutagenColour(s->mutagen));
    sheet_->setCellTooltip(mark, s->mutagen == Mutagen::kNone
                                     ? QString()
                                     : Name(StarName(s->star)) + QStringLiteral("化") +
                                           NameAt(kMutagenNames, static_cast<int>(s->mutagen)));
  }
}

void NatalChartPage::showCentre(const NatalChart& chart) {
  const Birth& b = chart.birth;
  const QString hour = HourName(b.hour);
  sheet_->setCellText(centreCell(NatalCentreLine::kSolarBirth), QStringLiteral("%1　國曆 %2 年 %3 月 %4 日 %5生")
                                                                    .arg(Name(PolaritySexName(chart.yangYear, b.sex)))
                                                                    .arg(b.year)
                                                                    .arg(b.month)
                                                                    .arg(b.day)
                                                                    .arg(hour));
  const QString month =
      (chart.lunarMonth < 0 ? QStringLiteral("閏 ") : QString()) + QString::number(std::abs(chart.lunarMonth));
  const QString pillar = Pillar(chart.yearStem, chart.yearBranch);
  sheet_->setCellText(centreCell(NatalCentreLine::kLunarBirth),
                      QStringLiteral("農曆 %1年 %2 月 %3 日 %4生").arg(pillar, month).arg(chart.lunarDay).arg(hour));
  sheet_->setCellText(
      centreCell(NatalCentreLine::kPalaces),
      QStringLiteral("命宮在 %1，身宮在 %2（%3），命主 %4，身主 %5")
          .arg(NameAt(kBranchNames, chart.soulBranch), NameAt(kBranchNames, chart.bodyBranch),
               NameAt(kPalaceNames, chart.bodyPalace), Name(StarName(chart.soulStar)), Name(StarName(chart.bodyStar))));
  sheet_->setCellText(centreCell(NatalCentreLine::kBureau),
                      QStringLiteral("五行局 %1，年柱 %2，生肖 %3")
                          .arg(Name(BureauName(chart.bureau)), pillar, NameAt(kZodiacAnimals, chart.yearBranch)));

  const ChartToday& t = chart.today;
  QString today = QStringLiteral("今日 %1 年 %2 月 %3 日，").arg(t.date.year).arg(t.date.month).arg(t.date.day);
  QString decadal, yearly;
  if (t.nominalAge <= 0) {
    today += QStringLiteral("尚未出生");
  } else {
    today += QStringLiteral("虛歲 %1").arg(t.nominalAge);
    if (t.decadalPalace < 0) {
      decadal = QStringLiteral("大限未起（%1 歲起）").arg(chart.palaces[0].decadalFrom);
    } else {
      const ChartPalace& d = chart.palaces[static_cast<size_t>(t.decadalPalace)];
      decadal = QStringLiteral("大限在%1（%2，%3 ~ %4 歲）")
                    .arg(NameAt(kPalaceNames, t.decadalPalace), Pillar(d.stem, d.branch))
                    .arg(d.decadalFrom)
                    .arg(d.decadalTo);
    }
    yearly = QStringLiteral("流年 %1 在%2").arg(Pillar(t.yearStem, t.yearBranch), NameAt(kPalaceNames, t.yearlyPalace));
    if (t.minorLimitPalace >= 0) yearly += QStringLiteral("，小限在%1").arg(NameAt(kPalaceNames, t.minorLimitPalace));
  }
  sheet_->setCellText(centreCell(NatalCentreLine::kToday), today);
  sheet_->setCellText(centreCell(NatalCentreLine::kDecadal), decadal);
  sheet_->setCellText(centreCell(NatalCentreLine::kYearly), yearly);
}

void NatalChartPage::highlightPalace(int palace) {
  picked_ = palace >= 0 && palace < 12 ? palace : -1;
  paintFrames();
}

void NatalChartPage::paintFrames() {
  int pickedBranch = -1;
  for (int b = 0; b < 12; ++b)
    if (picked_ >= 0 && palaceAtBranch_[static_cast<size_t>(b)] == picked_) pickedBranch = b;
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
    buttons_[static_cast<size_t>(b)]->setChecked(b == pickedBranch);
  }
  frames.insert(frames.end(), marked.begin(), marked.end());
  sheet_->setFrames(std::move(frames));
}

QString NatalChartPage::imageName() const {
  if (!hasChart_) return QStringLiteral("命盤.bmp");
  return QStringLiteral("命盤%1%2%3%4%5.bmp")
      .arg(birth_.year, 4, 10, QLatin1Char('0'))
      .arg(birth_.month, 2, 10, QLatin1Char('0'))
      .arg(birth_.day, 2, 10, QLatin1Char('0'))
      .arg(HourName(birth_.hour), birth_.sex == Sex::kFemale ? QStringLiteral("女") : QStringLiteral("男"));
}

QImage NatalChartPage::captureVisible() { return viewport()->grab().toImage(); }

}  // namespace lunisol::ui
