// The natal chart page: it shows the chart of the birth the date bar
// selects, read on the date its time bar picks; a palace's key marks its
// 三方四正 and draws its 飛星; the natal, 大限 and 流年 marks read apart; it
// zooms, exports and prints the whole chart, keeps every text whole with a
// full palace on a small screen, and can be read by keyboard and screen
// reader.
#include "ui/natal_chart_page.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "calendar/tables.h"
#include "natal/chart.h"
#include "natal/horoscope.h"
#include "tests/ui/view_testing.h"
#include "ui/main_window.h"

using namespace lunisol;
using namespace lunisol::ui;

using namespace lunisol::ui::testing;

namespace {

NatalChart ChartOf(Birth birth) {
  const std::optional<NatalChart> chart = ComputeChart(birth);
  EXPECT_TRUE(chart.has_value());
  return chart.value_or(NatalChart{});
}

QString Name(std::u16string_view text) { return ToQString(text); }
template <size_t N>
QString NameAt(const std::array<std::u16string_view, N>& names, int i) {
  return ToQString(names[static_cast<size_t>(i)]);
}

const Birth kGirl2000{2000, 8, 16, 2, Sex::kFemale};

// No cell of the page cuts its text short.
void ExpectShownWhole(const NatalChartPage& page) {
  for (int i = 0; i < static_cast<int>(page.sheet()->cells().size()); ++i)
    EXPECT_FALSE(page.sheet()->isCut(i)) << page.sheet()->cell(i).text.toStdString();
}

void ExpectStarsShown(const NatalChartPage& page, const ChartPalace& p, const Horoscope& h, int b) {
  std::vector<PlacedStar> columns(p.majorStars.begin(), p.majorStars.end());
  columns.insert(columns.end(), p.minorStars.begin(), p.minorStars.end());
  for (int c = 0; c < kStarColumns; ++c) {
    const bool used = c < static_cast<int>(columns.size());
    const PlacedStar s = used ? columns[static_cast<size_t>(c)] : PlacedStar{};
    auto mark = [&](Mutagen m) { return used ? NameAt(kMutagenNames, static_cast<int>(m)) : QString(); };
    EXPECT_EQ(page.boxCell(b, BoxPart::kStarName, c).text, used ? Name(StarName(s.star)) : QString()) << c;
    EXPECT_EQ(page.boxCell(b, BoxPart::kBrightness, c).text,
              used ? NameAt(kBrightnessNames, static_cast<int>(s.brightness)) : QString());
    EXPECT_EQ(page.boxCell(b, BoxPart::kMutagen, c).text, mark(s.mutagen));
    EXPECT_EQ(page.boxCell(b, BoxPart::kDecadalMutagen, c).text, mark(SpanMutagen(h.decadal, s.star)));
    EXPECT_EQ(page.boxCell(b, BoxPart::kYearlyMutagen, c).text, mark(SpanMutagen(h.yearly, s.star)));
  }
  for (int s = 0; s < kOtherStarsPerRow * kOtherStarRows; ++s) {
    const bool used = s < static_cast<int>(p.otherStars.size());
    EXPECT_EQ(page.boxCell(b, BoxPart::kOtherStar, s).text,
              used ? Name(StarName(p.otherStars[static_cast<size_t>(s)].star)) : QString())
        << s;
  }
}

// Every box of the page against the core's records, star by star.
void ExpectPageShows(const NatalChartPage& page, const NatalChart& chart, const Horoscope& h) {
  for (int b = 0; b < 12; ++b) {
    const int palace = chart.palaceAtBranch[static_cast<size_t>(b)];
    const ChartPalace& p = chart.palaces[static_cast<size_t>(palace)];
    SCOPED_TRACE(b);
    auto text = [&](BoxPart part) { return page.boxCell(b, part).text; };
    EXPECT_EQ(text(BoxPart::kPalaceName), NameAt(kPalaceNames, palace));
    EXPECT_EQ(page.boxCell(b, BoxPart::kBodyMark).visible, p.isBodyPalace);
    EXPECT_EQ(page.boxCell(b, BoxPart::kOriginMark).visible, p.isOriginalPalace);
    EXPECT_EQ(text(BoxPart::kStemBranch), NameAt(kStemNames, p.stem) + NameAt(kBranchNames, b));
    EXPECT_EQ(text(BoxPart::kDecadal), QStringLiteral("%1 ~ %2").arg(p.decadalFrom).arg(p.decadalTo));
    EXPECT_EQ(text(BoxPart::kBoshi), NameAt(kBoshiNames, p.boshi));
    EXPECT_EQ(text(BoxPart::kJiangqian), NameAt(kJiangqianNames, p.jiangqian));
    EXPECT_EQ(text(BoxPart::kSuiqian), NameAt(kSuiqianNames, p.suiqian));
    EXPECT_EQ(text(BoxPart::kChangsheng), NameAt(kChangshengNames, p.changsheng));
    EXPECT_TRUE(
        text(BoxPart::kAges).startsWith(QStringLiteral("小限 %1 %2 ").arg(p.minorLimitAge).arg(p.minorLimitAge + 12)));
    EXPECT_EQ(text(BoxPart::kDecadalName).right(1), NameAt(kPalaceShortNames, SpanPalaceRole(h.decadal, b)));
    EXPECT_EQ(text(BoxPart::kYearlyName),
              QStringLiteral("年") + NameAt(kPalaceShortNames, SpanPalaceRole(h.yearly, b)));
    EXPECT_EQ(text(BoxPart::kYearJiangqian), NameAt(kJiangqianNames, h.jiangqian[static_cast<size_t>(b)]));
    EXPECT_EQ(text(BoxPart::kYearSuiqian), NameAt(kSuiqianNames, h.suiqian[static_cast<size_t>(b)]));
    QStringList flowing;
    for (int f = 0; f < kFlowingStarCount; ++f)
      if (h.flowingStarBranch[static_cast<size_t>(f)] == b) flowing << NameAt(kFlowingStarNames, f);
    for (int s = 0; s < kFlowingStarSlots; ++s)
      EXPECT_EQ(page.boxCell(b, BoxPart::kFlowingStar, s).text, flowing.value(s)) << s;
    ExpectStarsShown(page, p, h, b);
  }
}

void ExpectPageShows(const NatalChartPage& page, const NatalChart& chart, const SolarDate& date) {
  const std::optional<Horoscope> h = ComputeHoroscope(chart, date);
  ASSERT_TRUE(h.has_value());
  ExpectPageShows(page, chart, *h);
}

QStringList Texts(const NatalChartPage& page) {
  QStringList texts;
  for (const Cell& c : page.sheet()->cells()) texts << c.text + (c.visible ? u'+' : u'-');
  return texts;
}

// What the sheet paints, at the page's zoom.
QImage Painted(NatalChartPage& page) { return page.sheet()->grab().toImage(); }

// The ground of a box: a point inside its bottom-left corner, clear of texts.
QColor Ground(const NatalChartPage& page, const QImage& image, int branch) {
  const Rect f = NatalBoxFrame(branch);
  const QRect spot = page.sheet()->toWidget(QRect(f.left + 2, f.bottom - 3, 1, 1));
  return image.pixelColor(spot.topLeft());
}

double Luminance(const QColor& c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

TEST(NatalChartPage, ShowsTheDateBarsBirthAndFollowsEachList) {
  // July: the day list offers 31 days.
  MainWindow f(OnDate(2025, 7, 1));
  const SolarDate today{2025, 7, 1};
  NatalChartPage& page = *f.natalChartPage();
  f.yearList()->setCurrentIndex(f.yearList()->findText(QStringLiteral("2000")));
  f.monthList()->setCurrentIndex(7);
  f.dayList()->setCurrentIndex(15);
  f.hourList()->setCurrentIndex(2);
  f.sexList()->setCurrentIndex(1);
  ExpectPageShows(page, ChartOf(kGirl2000), today);

  // Each list alone changes the chart; the date it is read on stays.
  struct Step {
    QComboBox* list;
    int index;
    Birth birth;
  };
  const Step steps[] = {{f.sexList(), 0, {2000, 8, 16, 2, Sex::kMale}},
                        {f.hourList(), 11, {2000, 8, 16, 11, Sex::kMale}},
                        {f.dayList(), 29, {2000, 8, 30, 11, Sex::kMale}},
                        {f.monthList(), 4, {2000, 5, 30, 11, Sex::kMale}},
                        {f.yearList(), f.yearList()->findText(QStringLiteral("1987")), {1987, 5, 30, 11, Sex::kMale}}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.birth.year * 10000 + s.birth.month * 100 + s.birth.day);
    const QStringList before = Texts(page);
    s.list->setCurrentIndex(s.index);
    EXPECT_NE(Texts(page), before);
    ExpectPageShows(page, ChartOf(s.birth), today);
    ExpectShownWhole(page);
  }

  // A day the newly chosen month lacks becomes its last day: the chart is
  // never left without a birth.
  f.dayList()->setCurrentIndex(30);
  f.monthList()->setCurrentIndex(1);
  EXPECT_EQ(f.selectedDay(), 28);
  ExpectPageShows(page, ChartOf({1987, 2, 28, 11, Sex::kMale}), today);
}

// The hour list's thirteenth entry, 子 of 23–24 h, charts the 子 hour of the
// next day: on 31 August the first of September.
TEST(NatalChartPage, LateRatHourChartsTheNextDay) {
  MainWindow f(OnDate(2025, 7, 1));
  NatalChartPage& page = *f.natalChartPage();
  ASSERT_EQ(f.hourList()->count(), 13);
  EXPECT_EQ(f.hourList()->itemText(0), QStringLiteral("子 ( 0 ~ 1 )"));
  EXPECT_EQ(f.hourList()->itemText(12), QStringLiteral("子 ( 23 ~ 24 )"));
  f.yearList()->setCurrentIndex(f.yearList()->findText(QStringLiteral("2000")));
  f.monthList()->setCurrentIndex(7);
  f.dayList()->setCurrentIndex(30);
  f.hourList()->setCurrentIndex(12);
  const NatalChart next = ChartOf({2000, 9, 1, 0, Sex::kMale});
  ExpectPageShows(page, next, SolarDate{2025, 7, 1});
  EXPECT_TRUE(
      page.centreLine(NatalCentreLine::kSolarBirth).text.contains(QStringLiteral("2000 年 8 月 31 日 晚子時生")));
  EXPECT_TRUE(page.centreLine(NatalCentreLine::kLunarBirth).text.endsWith(QStringLiteral("子時（晚子算作次日）生")));
  EXPECT_EQ(page.imageName(), QStringLiteral("命盤20000831晚子時男.png"));
  // The bone weighing of the same entry weighs that next day too.
  ASSERT_EQ(f.selection().hourBranch, 12);
  EXPECT_NE(f.makeSheet(SheetKind::kBone), nullptr);
}

TEST(NatalChartPage, PalaceKeyMarksItsThreeSidesFourFrontsAndFlights) {
  NatalChartPage page;
  page.resize(1100, 900);
  page.showChart(ChartOf(kGirl2000), {2030, 5, 1});
  const QColor paper = Ground(page, Painted(page), 0);
  auto marked = [&] {
    const QImage image = Painted(page);
    QSet<QString> names;
    for (int b = 0; b < 12; ++b)
      if (Ground(page, image, b) != paper) names << page.boxCell(b, BoxPart::kPalaceName).text;
    return names;
  };
  EXPECT_TRUE(marked().isEmpty());
  const Rect block = NatalCentreBlock();
  const QRect centre = page.sheet()->toWidget(QRect(block.left, block.top, block.width(), block.height()));
  const QImage unmarked = Painted(page).copy(centre);
  // 命宮 stands on 午 in this chart: it is read with the palace opposite
  // (遷移) and the two in trine (財帛, 官祿), the classical 命財官遷.
  page.palaceKey(6)->click();
  EXPECT_EQ(page.highlightedPalace(), 0);
  EXPECT_EQ(marked(), (QSet<QString>{QStringLiteral("命宮"), QStringLiteral("遷移"), QStringLiteral("財帛"),
                                     QStringLiteral("官祿")}));
  EXPECT_TRUE(page.palaceKey(6)->isChecked());
  // The fills read clearly on the paper, and lines cross the centre.
  EXPECT_GT(Contrast(NatalChartPage::kReadWithFill, NatalChartPage::kPaper), 1.2);
  EXPECT_GT(Contrast(NatalChartPage::kPickedFill, NatalChartPage::kPaper), 1.4);
  EXPECT_NE(Painted(page).copy(centre), unmarked);
  // 午's stem 壬 flies 天梁祿 to 卯, 紫微權 home to 午 (自化), 左輔科 to 戌,
  // 武曲忌 to 寅; the 自化 star is framed in its palace.
  ASSERT_EQ(page.sheet()->flights().size(), 4u);
  const int to[] = {3, 6, 10, 2};
  for (size_t k = 0; k < 4; ++k) EXPECT_EQ(page.sheet()->flights()[k].toBranch, to[k]) << k;
  const QRect ziWei = page.boxCell(6, BoxPart::kStarName, 0).rect;
  int dashed = 0;
  for (const MarkOutline& o : page.sheet()->outlines())
    if (o.shape == MarkOutline::Shape::kDashed && o.rect.contains(ziWei)) ++dashed;
  EXPECT_EQ(dashed, 1);
  EXPECT_TRUE(page.centreLine(NatalCentreLine::kFlights).text.contains(QStringLiteral("紫微化權入命宮（自化）")));
  // 兄弟 on 巳: 僕役 opposite on 亥, 疾厄 on 丑 and 田宅 on 酉 in trine.
  page.palaceKey(5)->click();
  EXPECT_EQ(marked(), (QSet<QString>{QStringLiteral("兄弟"), QStringLiteral("僕役"), QStringLiteral("疾厄"),
                                     QStringLiteral("田宅")}));
  EXPECT_FALSE(page.palaceKey(6)->isChecked());
  // A new chart keeps the palace picked: 兄弟 now stands elsewhere.
  page.showChart(ChartOf({2000, 8, 16, 5, Sex::kFemale}), {2030, 5, 1});
  EXPECT_EQ(marked(), (QSet<QString>{QStringLiteral("兄弟"), QStringLiteral("僕役"), QStringLiteral("疾厄"),
                                     QStringLiteral("田宅")}));
  // The picked palace's key again takes the marks away, arrows and all.
  for (int b = 0; b < 12; ++b)
    if (page.palaceKey(b)->isChecked()) page.palaceKey(b)->click();
  EXPECT_TRUE(marked().isEmpty());
  EXPECT_EQ(page.highlightedPalace(), -1);
  EXPECT_TRUE(page.sheet()->flights().empty());
}

// 化祿 … 化忌 take four colours; the natal mark is filled, the 大限's framed
// square and the 流年's round, each under the star its stem transforms.
TEST(NatalChartPage, NatalDecadeAndYearMarksReadApart) {
  NatalChartPage page;
  page.resize(1100, 900);
  // 庚辰 born, read in 2031 (辛亥) in the 大限 on 辰 (庚辰): 太陽 is natal 祿,
  // 大限 祿 and 流年 權 (辛: 巨門祿 太陽權 文曲科 文昌忌).
  page.showChart(ChartOf(kGirl2000), {2031, 6, 1});
  const QImage image = Painted(page);
  QSet<QRgb> colours;
  int squares = 0, circles = 0;
  for (const MarkOutline& o : page.sheet()->outlines()) {
    squares += o.shape == MarkOutline::Shape::kSquare;
    circles += o.shape == MarkOutline::Shape::kCircle;
  }
  EXPECT_EQ(squares, 4 + 1);  // 庚's four, and the legend's sample
  EXPECT_EQ(circles, 4 + 1);  // 辛's four (文昌 and 文曲 are minor stars with columns)
  // 太陽 on 卯, the first column there.
  EXPECT_EQ(page.boxCell(3, BoxPart::kStarName, 0).text, QStringLiteral("太陽"));
  EXPECT_EQ(page.boxCell(3, BoxPart::kMutagen, 0).text, QStringLiteral("祿"));
  EXPECT_EQ(page.boxCell(3, BoxPart::kDecadalMutagen, 0).text, QStringLiteral("祿"));
  EXPECT_EQ(page.boxCell(3, BoxPart::kYearlyMutagen, 0).text, QStringLiteral("權"));
  for (int b = 0; b < 12; ++b)
    for (int c = 0; c < kStarColumns; ++c) {
      const Cell& mark = page.boxCell(b, BoxPart::kMutagen, c);
      if (mark.text.isEmpty()) continue;
      const QColor painted = image.pixelColor(page.sheet()->toWidget(mark.rect).topLeft() + QPoint(1, 1));
      colours << painted.rgb();
    }
  EXPECT_EQ(colours.size(), 4);
  QSet<QRgb> legend;
  for (Mutagen m : {Mutagen::kLu, Mutagen::kQuan, Mutagen::kKe, Mutagen::kJi}) {
    const QColor c = NatalChartPage::mutagenColour(m);
    EXPECT_LT(c.lightness(), 160);
    EXPECT_TRUE(colours.contains(c.rgb()));
    legend << c.rgb();
  }
  EXPECT_EQ(legend.size(), 4);
}

TEST(NatalChartPage, CentreBlockStatesTheBirthAndTheDate) {
  NatalChartPage page;
  page.nameEdit()->setText(QStringLiteral("王小明"));
  // Worked by hand: 2000-08-16 is 丙午, the 17th of the 7th month of 庚辰, a
  // yang year. 命宮: from 寅 seven months on to 申, back two hours to 午; 身宮:
  // forward two hours to 戌 (官祿). 午 takes the stem 壬 (庚 years start 寅 at
  // 戊), and 壬午 is 楊柳木: 木三局. 命主 of 午 is 破軍, 身主 of a 辰 year 文昌;
  // 來因宮 is 辰, whose stem is 庚. On 2030-05-01 (庚戌 三月廿九, 丙申) she is
  // 31: a 陽女 runs back from 命宮 (3–12) through 兄弟 (13–22) to 夫妻 (辰,
  // 23–32); the 流年 is on 戌 (官祿); her 小限 starts on 戌 and goes back 30
  // to 辰; 斗君 is 戌 back six months and forward two hours, 午, so the third
  // month is on 申 (福德) and its 29th day on 子 (遷移).
  page.showChart(ChartOf(kGirl2000), {2030, 5, 1});
  auto line = [&](NatalCentreLine l) { return page.centreLine(l).text; };
  EXPECT_EQ(line(NatalCentreLine::kSolarBirth), QStringLiteral("陽女　國曆 2000 年 8 月 16 日 寅時生"));
  EXPECT_EQ(line(NatalCentreLine::kLunarBirth), QStringLiteral("農曆 庚辰年 7 月 17 日 寅時生"));
  EXPECT_EQ(line(NatalCentreLine::kPillars), QStringLiteral("四柱　庚辰年　甲申月　丙午日　庚寅時"));
  EXPECT_EQ(line(NatalCentreLine::kPalaces), QStringLiteral("命宮在 午，身宮在 戌（官祿），命主 破軍，身主 文昌"));
  EXPECT_EQ(line(NatalCentreLine::kBureau), QStringLiteral("五行局 木三局，生肖 龍，來因宮在 辰（夫妻）"));
  EXPECT_EQ(line(NatalCentreLine::kDate), QStringLiteral("行運 2030 年 5 月 1 日（農曆 庚戌年 3 月 29 日），虛歲 31"));
  EXPECT_EQ(line(NatalCentreLine::kDecadal), QStringLiteral("大限 庚辰 在夫妻（23 ~ 32 歲）"));
  EXPECT_EQ(line(NatalCentreLine::kYearly), QStringLiteral("流年 庚戌 在官祿，小限在夫妻（辰）"));
  EXPECT_EQ(line(NatalCentreLine::kMonthly), QStringLiteral("流月 庚辰 在福德，流日 丙申 在遷移"));
  ExpectShownWhole(page);

  // A leap month and the 童限 years: 2020-06-01 is 閏四月初十 of 庚子; on
  // 2021-01-01 (still 庚子) he is 1, in the 童限 of 命宮. A new birth keeps
  // the date the chart is read on.
  page.showChart(ChartOf({2020, 6, 1, 6, Sex::kMale}), {2021, 1, 1});
  EXPECT_TRUE(line(NatalCentreLine::kDate).startsWith(QStringLiteral("行運 2030 年 5 月 1 日")));
  page.showDate({2021, 1, 1});
  EXPECT_EQ(line(NatalCentreLine::kLunarBirth), QStringLiteral("農曆 庚子年 閏 4 月 10 日 午時生"));
  EXPECT_TRUE(line(NatalCentreLine::kDate).endsWith(QStringLiteral("虛歲 1")));
  EXPECT_TRUE(line(NatalCentreLine::kDecadal).startsWith(QStringLiteral("童限 在命宮")));
  ExpectShownWhole(page);
  // The name typed stays with the page.
  EXPECT_EQ(page.nameEdit()->text(), QStringLiteral("王小明"));
}

// The time bar: a 大限's button jumps to its first year, the pickers to any
// day, 今 back to today; no date before the birth is read.
TEST(NatalChartPage, TimeBarPicksTheDateTheChartIsReadOn) {
  NatalChartPage page;
  page.resize(1280, 900);
  page.showChart(ChartOf(kGirl2000), {2030, 5, 1});
  NatalTimeBar& bar = *page.timeBar();
  ASSERT_EQ(bar.decadeCount(), 13);
  EXPECT_EQ(bar.decadeButton(0)->text(), QStringLiteral("童限"));
  EXPECT_EQ(bar.decadeButton(1)->text(), QStringLiteral("3~12"));
  EXPECT_EQ(bar.decadeButton(12)->text(), QStringLiteral("113~122"));
  EXPECT_FALSE(bar.decadeButton(12)->isEnabled());  // 2112 is past the calendar
  EXPECT_TRUE(bar.decadeButton(3)->isChecked());    // 23~32, where 2030 falls
  bar.decadeButton(5)->click();                     // 43~52
  EXPECT_EQ(page.horoscope()->nominalAge, 43);
  EXPECT_EQ(page.horoscope()->decadalFrom, 43);
  EXPECT_TRUE(bar.decadeButton(5)->isChecked());
  EXPECT_EQ(bar.yearList()->currentText(), QStringLiteral("2042"));
  bar.yearList()->setCurrentIndex(bar.yearList()->findText(QStringLiteral("2001")));
  EXPECT_EQ(page.horoscope()->date, (SolarDate{2001, 5, 1}));
  EXPECT_TRUE(page.horoscope()->childhood);
  EXPECT_TRUE(bar.decadeButton(0)->isChecked());
  bar.yearList()->setCurrentIndex(0);  // 2000-05-01, before she was born
  EXPECT_EQ(page.horoscope()->date, (SolarDate{2000, 8, 16}));
  EXPECT_EQ(bar.monthList()->currentText(), QStringLiteral("8"));
  bar.todayButton()->click();
  EXPECT_EQ(page.horoscope()->date, (SolarDate{2030, 5, 1}));
  // The chart follows the bar: 2030's 流年 palace is 官祿 on 戌.
  EXPECT_EQ(page.boxCell(10, BoxPart::kYearlyName).text, QStringLiteral("年命"));
}

// Large print enlarges the chart from the size that fits the page.
TEST(NatalChartPage, ZoomsWithTheWindow) {
  MainWindow f(OnDate(2025, 7, 1));
  f.resize(1280, 1000);
  f.switchPage(1);
  f.show();
  QApplication::processEvents();
  const qreal fitted = f.natalChartPage()->sheet()->zoom();
  f.setZoom(2);
  EXPECT_NEAR(f.natalChartPage()->sheet()->zoom(), 2 * fitted, 0.01);
  EXPECT_GT(f.natalChartPage()->sheet()->width(), f.natalChartPage()->scrollArea()->viewport()->width());
  f.setZoom(1);
  EXPECT_NEAR(f.natalChartPage()->sheet()->zoom(), fitted, 0.01);
}

// Pictures, PDFs and prints hold the whole chart whatever the window shows
// of it, with the name typed and without a widget.
TEST(NatalChartPage, ExportsTheWholeChartAtAnyWindowSize) {
  NatalChartPage page;
  page.resize(800, 600);
  page.show();
  page.showChart(ChartOf(kGirl2000), {2030, 5, 1});
  page.nameEdit()->setText(QStringLiteral("王小明"));
  page.palaceKey(0)->setFocus();
  QApplication::processEvents();
  const QImage image = page.renderImage(2);
  const Size sheet = NatalSheetSize();
  EXPECT_EQ(image.size(), QSize(2 * sheet.width, 2 * sheet.height));
  auto inked = [&](const QRect& layout) {
    const QRect r(layout.topLeft() * 2, layout.size() * 2);
    for (int y = r.top(); y < r.bottom(); ++y)
      for (int x = r.left(); x < r.right(); ++x)
        if (image.pixelColor(x, y) != NatalChartPage::kPaper) return true;
    return false;
  };
  // The bottom row's names and the name typed are on it; the focused key
  // adds nothing over 子's names.
  EXPECT_TRUE(inked(page.boxCell(0, BoxPart::kPalaceName).rect));
  EXPECT_TRUE(inked(ToQRect(NatalNameEditRect())));
  page.palaceKey(1)->setFocus();
  EXPECT_EQ(page.renderImage(2), image);

  QTemporaryDir dir;
  const QString png = dir.filePath(QStringLiteral("chart.png")), pdf = dir.filePath(QStringLiteral("chart.PDF"));
  EXPECT_EQ(page.exportTo(png), QString());
  EXPECT_EQ(QImage(png).size(), image.size());
  EXPECT_EQ(page.exportTo(pdf), QString());
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
  // A folder in the way: refused, nothing written.
  QDir(dir.path()).mkdir(QStringLiteral("taken.png"));
  EXPECT_FALSE(page.exportTo(dir.filePath(QStringLiteral("taken.png"))).isEmpty());
}

// A palace with twelve 雜曜 (1919-03-03 at the 寅 hour) and every other box
// at 1024 × 768: no text is cut and no two texts of a box overlap.
TEST(NatalChartPage, NothingOverlapsWithAFullPalaceOnASmallScreen) {
  WindowOptions options = OnDate(2025, 7, 1);
  options.screen = QSize(1024, 768);
  MainWindow f(options);
  f.resize(1024, 740);
  f.yearList()->setCurrentIndex(f.yearList()->findText(QStringLiteral("1919")));
  f.monthList()->setCurrentIndex(2);
  f.dayList()->setCurrentIndex(2);
  f.hourList()->setCurrentIndex(2);
  f.switchPage(1);
  f.show();
  QApplication::processEvents();
  const NatalChartPage& page = *f.natalChartPage();
  size_t most = 0;
  for (const ChartPalace& p : ChartOf({1919, 3, 3, 2, Sex::kMale}).palaces) most = std::max(most, p.otherStars.size());
  EXPECT_EQ(most, 12u);
  ExpectShownWhole(page);
  const std::vector<Cell>& cells = page.sheet()->cells();
  for (size_t i = 0; i < cells.size(); ++i)
    for (size_t j = i + 1; j < cells.size(); ++j) {
      const bool shown = cells[i].visible && cells[j].visible && !cells[i].text.isEmpty() && !cells[j].text.isEmpty();
      if (shown)
        EXPECT_FALSE(cells[i].rect.intersects(cells[j].rect))
            << cells[i].text.toStdString() << " / " << cells[j].text.toStdString();
    }
  EXPECT_GE(page.sheet()->zoom(), 0.85);
  // The time bar keeps to one row under the chart.
  const NatalTimeBar& bar = *page.timeBar();
  EXPECT_NEAR(bar.yearList()->mapTo(&bar, QPoint()).y(), bar.decadeButton(1)->mapTo(&bar, QPoint()).y(), 8);
}

// A screen reader can read every palace, and Tab reaches them in the chart's
// order from the name field, and then the time bar.
TEST(NatalChartPage, PalacesAreReadableAndReachableByKeyboard) {
  NatalChartPage page;
  page.show();
  page.showChart(ChartOf(kGirl2000), {2030, 5, 1});
  PalaceKey* soul = page.palaceKey(6);
  EXPECT_EQ(soul->accessibleName(), QStringLiteral("命宮 壬午"));
  const QString about = soul->accessibleDescription();
  for (const char16_t* part : {u"紫微廟", u"文曲", u"年解", u"大限 3 至 12 歲", u"小限 5 17", u"年財"})
    EXPECT_TRUE(about.contains(ToQString(part))) << about.toStdString();
  EXPECT_TRUE(page.palaceKey(10)->accessibleDescription().contains(QStringLiteral("身宮")));
  QWidget* w = page.nameEdit();
  const int order[] = {6, 5, 4, 3, 2, 1, 0, 11, 10, 9, 8, 7};  // 命宮 兄弟 … 父母
  for (int branch : order) {
    w = w->nextInFocusChain();
    EXPECT_EQ(w, page.palaceKey(branch));
  }
  // Space on a key picks its palace.
  soul->setFocus();
  QTest::keyClick(soul, Qt::Key_Space);
  EXPECT_EQ(page.highlightedPalace(), 0);
  QTest::keyClick(soul, Qt::Key_Return);
  EXPECT_EQ(page.highlightedPalace(), -1);
}
