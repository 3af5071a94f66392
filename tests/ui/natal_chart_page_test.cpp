// The natal chart page: it shows the chart of the birth the date bar selects
// and follows each list, marks a palace with its 三方四正, colours the four
// transformations apart, states the birth and today in its centre, and
// prints.
#include "ui/natal_chart_page.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "calendar/tables.h"
#include "natal/chart.h"
#include "tests/ui/view_testing.h"
#include "ui/main_window.h"
#include "ui/page/page_export.h"

using namespace lunisol;
using namespace lunisol::ui;

using namespace lunisol::ui::testing;

namespace {

NatalChart ChartOf(Birth birth, SolarDate today = {2025, 6, 1}) {
  const std::optional<NatalChart> chart = ComputeChart(birth, today);
  EXPECT_TRUE(chart.has_value());
  return chart.value_or(NatalChart{});
}

QString Name(std::u16string_view text) { return ToQString(text); }

// No cell of the page cuts its text short.
void ExpectShownWhole(const NatalChartPage& page) {
  for (int i = 0; i < static_cast<int>(page.sheet()->cells().size()); ++i)
    EXPECT_FALSE(page.sheet()->isCut(i)) << page.sheet()->cell(i).text.toStdString();
}

// Every box of the page against the core's record, star by star.
void ExpectPageShows(const NatalChartPage& page, const NatalChart& chart) {
  for (int b = 0; b < 12; ++b) {
    const int palace = chart.palaceAtBranch[static_cast<size_t>(b)];
    const ChartPalace& p = chart.palaces[static_cast<size_t>(palace)];
    SCOPED_TRACE(b);
    EXPECT_EQ(page.palaceButton(b)->text(), Name(kPalaceNames[static_cast<size_t>(palace)]));
    EXPECT_EQ(page.boxCell(b, BoxPart::kBodyMark).visible, p.isBodyPalace);
    EXPECT_EQ(page.boxCell(b, BoxPart::kStemBranch).text,
              Name(kStemNames[static_cast<size_t>(p.stem)]) + Name(kBranchNames[static_cast<size_t>(b)]));
    EXPECT_EQ(page.boxCell(b, BoxPart::kDecadal).text, QStringLiteral("%1 ~ %2").arg(p.decadalFrom).arg(p.decadalTo));
    EXPECT_EQ(page.boxCell(b, BoxPart::kBoshi).text, Name(kBoshiNames[static_cast<size_t>(p.boshi)]));
    EXPECT_EQ(page.boxCell(b, BoxPart::kChangsheng).text, Name(kChangshengNames[static_cast<size_t>(p.changsheng)]));
    std::vector<PlacedStar> columns(p.majorStars.begin(), p.majorStars.end());
    columns.insert(columns.end(), p.minorStars.begin(), p.minorStars.end());
    for (int c = 0; c < kStarColumns; ++c) {
      const bool used = c < static_cast<int>(columns.size());
      const PlacedStar s = used ? columns[static_cast<size_t>(c)] : PlacedStar{};
      EXPECT_EQ(page.boxCell(b, BoxPart::kStarName, c).text, used ? Name(StarName(s.star)) : QString()) << c;
      EXPECT_EQ(page.boxCell(b, BoxPart::kBrightness, c).text,
                used ? Name(kBrightnessNames[static_cast<size_t>(s.brightness)]) : QString());
      EXPECT_EQ(page.boxCell(b, BoxPart::kMutagen, c).text,
                used ? Name(kMutagenNames[static_cast<size_t>(s.mutagen)]) : QString());
    }
    for (int s = 0; s < kOtherStarsPerRow * kOtherStarRows; ++s) {
      const bool used = s < static_cast<int>(p.otherStars.size());
      EXPECT_EQ(page.boxCell(b, BoxPart::kOtherStar, s).text,
                used ? Name(StarName(p.otherStars[static_cast<size_t>(s)].star)) : QString())
          << s;
    }
  }
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
  const QRect spot = page.sheet()->toWidget(QRect(f.left + 3, f.bottom - 4, 1, 1));
  return image.pixelColor(spot.topLeft());
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
  ExpectPageShows(page, ChartOf({2000, 8, 16, 2, Sex::kFemale}, today));

  // Each list alone changes the chart.
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
    ExpectPageShows(page, ChartOf(s.birth, today));
    ExpectShownWhole(page);
  }

  // A day the newly chosen month lacks becomes its last day: the chart is
  // never left without a birth.
  f.dayList()->setCurrentIndex(30);
  f.monthList()->setCurrentIndex(1);
  EXPECT_EQ(f.selectedDay(), 28);
  ExpectPageShows(page, ChartOf({1987, 2, 28, 11, Sex::kMale}, today));
}

TEST(NatalChartPage, PalaceButtonMarksExactlyItsThreeSidesAndFourFronts) {
  NatalChartPage page;
  page.resize(1100, 900);
  page.showChart(ChartOf({2000, 8, 16, 2, Sex::kFemale}));
  const QColor paper = Ground(page, Painted(page), 0);
  auto marked = [&] {
    const QImage image = Painted(page);
    QSet<QString> names;
    for (int b = 0; b < 12; ++b)
      if (Ground(page, image, b) != paper) names << page.palaceButton(b)->text();
    return names;
  };
  EXPECT_TRUE(marked().isEmpty());
  // 命宮 stands on 午 in this chart: it is read with the palace opposite
  // (遷移) and the two in trine (財帛, 官祿), the classical 命財官遷.
  page.palaceButton(6)->click();
  EXPECT_EQ(page.highlightedPalace(), 0);
  EXPECT_EQ(marked(), (QSet<QString>{QStringLiteral("命宮"), QStringLiteral("遷移"), QStringLiteral("財帛"),
                                     QStringLiteral("官祿")}));
  EXPECT_TRUE(page.palaceButton(6)->isChecked());
  // 兄弟 on 巳: 僕役 opposite on 亥, 疾厄 on 丑 and 田宅 on 酉 in trine.
  page.palaceButton(5)->click();
  EXPECT_EQ(marked(), (QSet<QString>{QStringLiteral("兄弟"), QStringLiteral("僕役"), QStringLiteral("疾厄"),
                                     QStringLiteral("田宅")}));
  EXPECT_FALSE(page.palaceButton(6)->isChecked());
  // A new chart keeps the palace picked: 兄弟 now stands elsewhere.
  page.showChart(ChartOf({2000, 8, 16, 5, Sex::kFemale}));
  EXPECT_EQ(marked(), (QSet<QString>{QStringLiteral("兄弟"), QStringLiteral("僕役"), QStringLiteral("疾厄"),
                                     QStringLiteral("田宅")}));
  EXPECT_EQ(page.palaceButton(5)->text(), QStringLiteral("福德"));
  // The picked palace's button again takes the marks away.
  for (int b = 0; b < 12; ++b)
    if (page.palaceButton(b)->isChecked()) page.palaceButton(b)->click();
  EXPECT_TRUE(marked().isEmpty());
  EXPECT_EQ(page.highlightedPalace(), -1);
}

TEST(NatalChartPage, TransformationMarksTakeFourDistinctColours) {
  NatalChartPage page;
  // A 庚 year transforms major stars only; a 丙 year also 文昌, a minor star.
  for (const Birth& birth : {Birth{2000, 8, 16, 2, Sex::kFemale}, Birth{2006, 5, 26, 6, Sex::kMale}}) {
    const NatalChart chart = ChartOf(birth);
    page.showChart(chart);
    const QImage image = Painted(page);
    QSet<QRgb> colours;
    for (int b = 0; b < 12; ++b) {
      const ChartPalace& p = chart.palaces[static_cast<size_t>(chart.palaceAtBranch[static_cast<size_t>(b)])];
      std::vector<PlacedStar> columns(p.majorStars.begin(), p.majorStars.end());
      columns.insert(columns.end(), p.minorStars.begin(), p.minorStars.end());
      for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const Mutagen m = columns[static_cast<size_t>(c)].mutagen;
        if (m == Mutagen::kNone) continue;
        // The mark's ground, under the star the core transforms.
        const Cell& mark = page.boxCell(b, BoxPart::kMutagen, c);
        const QColor painted = image.pixelColor(page.sheet()->toWidget(mark.rect).topLeft() + QPoint(1, 1));
        EXPECT_EQ(painted, NatalChartPage::mutagenColour(m)) << b << " " << c;
        colours << painted.rgb();
      }
    }
    EXPECT_EQ(colours.size(), 4);
  }
  // The four read apart from each other and stand out from the paper.
  QSet<QRgb> legend;
  for (Mutagen m : {Mutagen::kLu, Mutagen::kQuan, Mutagen::kKe, Mutagen::kJi}) {
    const QColor c = NatalChartPage::mutagenColour(m);
    EXPECT_LT(c.lightness(), 160);
    legend << c.rgb();
  }
  EXPECT_EQ(legend.size(), 4);
}

TEST(NatalChartPage, CentreBlockStatesTheBirthAndToday) {
  NatalChartPage page;
  page.nameEdit()->setText(QStringLiteral("王小明"));
  // Worked by hand: 2000-08-16 is the 17th of the 7th month of 庚辰, a yang
  // year. 命宮: from 寅 seven months on to 申, back two hours to 午; 身宮:
  // forward two hours to 戌 (官祿). 午 takes the stem 壬 (庚 years start 寅
  // at 戊), and 壬午 is 楊柳木: 木三局. 命主 of 午 is 破軍, 身主 of a 辰
  // year 文昌. On 2025-06-01 (乙巳) she is 26 by the lunar count; a 陽女 runs
  // back from 命宮 (3–12) to 兄弟 (13–22) and 夫妻 (23–32).
  page.showChart(ChartOf({2000, 8, 16, 2, Sex::kFemale}));
  auto line = [&](NatalCentreLine l) { return page.centreLine(l).text; };
  EXPECT_EQ(line(NatalCentreLine::kSolarBirth), QStringLiteral("陽女　國曆 2000 年 8 月 16 日 寅時生"));
  EXPECT_EQ(line(NatalCentreLine::kLunarBirth), QStringLiteral("農曆 庚辰年 7 月 17 日 寅時生"));
  EXPECT_EQ(line(NatalCentreLine::kPalaces), QStringLiteral("命宮在 午，身宮在 戌（官祿），命主 破軍，身主 文昌"));
  EXPECT_EQ(line(NatalCentreLine::kBureau), QStringLiteral("五行局 木三局，年柱 庚辰，生肖 龍"));
  EXPECT_EQ(line(NatalCentreLine::kToday), QStringLiteral("今日 2025 年 6 月 1 日，虛歲 26"));
  EXPECT_EQ(line(NatalCentreLine::kDecadal), QStringLiteral("大限在夫妻（庚辰，23 ~ 32 歲）"));
  EXPECT_TRUE(line(NatalCentreLine::kYearly).startsWith(QStringLiteral("流年 乙巳 在兄弟")));
  ExpectShownWhole(page);

  // A leap month, a 大限 not yet begun, and a day before the birth.
  page.showChart(ChartOf({2020, 6, 1, 6, Sex::kMale}, {2021, 1, 1}));
  EXPECT_EQ(line(NatalCentreLine::kLunarBirth), QStringLiteral("農曆 庚子年 閏 4 月 10 日 午時生"));
  EXPECT_EQ(line(NatalCentreLine::kToday), QStringLiteral("今日 2021 年 1 月 1 日，虛歲 1"));
  EXPECT_EQ(line(NatalCentreLine::kDecadal), QStringLiteral("大限未起（5 歲起）"));
  ExpectShownWhole(page);
  page.showChart(ChartOf({2020, 6, 1, 6, Sex::kMale}, {2019, 1, 1}));
  EXPECT_TRUE(line(NatalCentreLine::kToday).endsWith(QStringLiteral("尚未出生")));
  EXPECT_TRUE(line(NatalCentreLine::kDecadal).isEmpty());
  EXPECT_TRUE(line(NatalCentreLine::kYearly).isEmpty());

  // The name typed stays with the page.
  EXPECT_EQ(page.nameEdit()->text(), QStringLiteral("王小明"));
}

TEST(NatalChartPage, PrintsTheChartWithItsMarks) {
  NatalChartPage page;
  page.resize(900, 700);
  page.showChart(ChartOf({2000, 8, 16, 2, Sex::kFemale}));
  page.palaceButton(6)->click();
  QImage paper(1600, 1100, QImage::Format_RGB32);
  paper.fill(Qt::white);
  PaintPageFitted(*page.sheet(), paper);
  QSet<QRgb> seen;
  for (int y = 0; y < paper.height(); y += 2)
    for (int x = 0; x < paper.width(); x += 2) seen << paper.pixel(x, y);
  // The marks of 化祿 and 化忌 and the ground of the picked palace are on paper.
  for (QColor c : {NatalChartPage::mutagenColour(Mutagen::kLu), NatalChartPage::mutagenColour(Mutagen::kJi)})
    EXPECT_TRUE(seen.contains(c.rgb())) << c.name().toStdString();
  EXPECT_EQ(page.imageName(), QStringLiteral("命盤20000816寅時女.bmp"));
}
