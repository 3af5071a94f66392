// A month change on the almanac page, as the user sees it: evaluate the
// month, copy it into the page's cells and panels, and paint the whole
// sheet at 1280 × 1024. The same for a change of the date bar on the natal
// chart page: compute the chart, copy it into the boxes and paint the sheet
// with its keys; and for a year picked on its time bar: read the chart on
// the new date, copy what changed and paint. One frame of a 60 Hz screen is
// 16.7 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "almanac/month.h"
#include "almanac/year_data.h"
#include "natal/chart.h"
#include "ui/dialogs/day_texts.h"
#include "ui/natal_chart_page.h"
#include "ui/page/almanac_page.h"

using namespace lunisol;
using namespace lunisol::ui;

namespace {

struct Fixture {
  YearData data;
  MonthTermState terms;
  AlmanacPage page{QSize(1280, 1024)};
  QImage canvas;
  Fixture() {
    LoadYearData(data, 2009);
    page.sheet()->resize(ToQSize(page.geometry().sheetSize()));
    canvas = QImage(ToQSize(page.geometry().sheetSize()), QImage::Format_RGB32);
  }
  void paint() {
    // The sheet and its two panels, as one repaint of the page draws them.
    QPainter p(&canvas);
    page.sheet()->render(p, canvas.rect());
    for (int i = 0; i < 2; ++i) {
      SolarTermBar* panel = page.termPanel(i);
      p.save();
      p.translate(panel->pos());
      panel->render(p, QRect(QPoint(0, 0), panel->size()));
      p.restore();
    }
  }
};

Fixture& Page() {
  static Fixture f;
  return f;
}

void BM_EvaluateMonth(benchmark::State& state) {
  Fixture& f = Page();
  int m = 0;
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateMonth(2009, m++ % 12 + 1, f.data, f.terms));
}
BENCHMARK(BM_EvaluateMonth)->Unit(benchmark::kMicrosecond);

void BM_CopyMonthIntoPage(benchmark::State& state) {
  Fixture& f = Page();
  std::vector<MonthAlmanac> months;
  for (int m = 1; m <= 12; ++m) months.push_back(EvaluateMonth(2009, m, f.data, f.terms));
  int m = 0;
  for (auto _ : state) f.page.showMonth(months[m++ % 12], f.terms);
}
BENCHMARK(BM_CopyMonthIntoPage)->Unit(benchmark::kMicrosecond);

void BM_PaintPage(benchmark::State& state) {
  Fixture& f = Page();
  f.page.showMonth(EvaluateMonth(2009, 5, f.data, f.terms), f.terms);
  for (auto _ : state) f.paint();
}
BENCHMARK(BM_PaintPage)->Unit(benchmark::kMicrosecond);

void BM_MonthChange(benchmark::State& state) {
  Fixture& f = Page();
  int m = 0;
  for (auto _ : state) {
    f.page.showMonth(EvaluateMonth(2009, m++ % 12 + 1, f.data, f.terms), f.terms);
    f.paint();
  }
}
BENCHMARK(BM_MonthChange)->Unit(benchmark::kMicrosecond);

// What a month change adds for the 宜/忌 tips: the lists of every day of the
// month reckoned, worded and set on the day columns' top cells.
void BM_DayAdviceTips(benchmark::State& state) {
  Fixture& f = Page();
  std::vector<MonthAlmanac> months;
  for (int m = 1; m <= 12; ++m) months.push_back(EvaluateMonth(2009, m, f.data, f.terms));
  int m = 0;
  for (auto _ : state) {
    const int month = m++ % 12;
    f.page.showDayAdvice(DayAdviceTips(months[static_cast<size_t>(month)], 2009, month + 1));
  }
}
BENCHMARK(BM_DayAdviceTips)->Unit(benchmark::kMicrosecond);

// The natal chart page in the room a 1280 × 1024 window leaves it.
struct ChartFixture {
  NatalChartPage page;
  QImage canvas;
  ChartFixture() {
    page.resize(1280, 930);
    canvas = QImage(page.sheet()->size(), QImage::Format_RGB32);
  }
  // The sheet as a repaint draws it: its cells, lines and arrows at the
  // page's zoom and the palace keys and name field over them.
  void paint() { page.sheet()->QWidget::render(&canvas); }
};

ChartFixture& ChartPage() {
  static ChartFixture f;
  return f;
}

// Births a day apart, each hour and both sexes in turn, as a user stepping
// through the date bar meets them.
Birth NthBirth(int n) {
  const int day = n % 28 + 1, month = n / 28 % 12 + 1;
  return {1950 + n % 100, month, day, n % 12, n % 2 ? Sex::kFemale : Sex::kMale};
}

void BM_ShowNatalChart(benchmark::State& state) {
  ChartFixture& f = ChartPage();
  int n = 0;
  for (auto _ : state) f.page.showChart(*ComputeChart(NthBirth(n++)), {2025, 6, 1});
}
BENCHMARK(BM_ShowNatalChart)->Unit(benchmark::kMicrosecond);

void BM_PaintNatalChart(benchmark::State& state) {
  ChartFixture& f = ChartPage();
  f.page.showChart(*ComputeChart({2000, 8, 16, 2, Sex::kFemale}), {2025, 6, 1});
  for (auto _ : state) f.paint();
}
BENCHMARK(BM_PaintNatalChart)->Unit(benchmark::kMicrosecond);

void BM_NatalChartChange(benchmark::State& state) {
  ChartFixture& f = ChartPage();
  int n = 0;
  for (auto _ : state) {
    f.page.showChart(*ComputeChart(NthBirth(n++)), {2025, 6, 1});
    f.paint();
  }
}
BENCHMARK(BM_NatalChartChange)->Unit(benchmark::kMicrosecond);

// Another year on the time bar, as stepping through the years list does:
// the 流年 (and now and then the 大限) moves, the boxes' marks, names and
// flowing stars follow, and the sheet is painted.
void BM_NatalYearChange(benchmark::State& state) {
  ChartFixture& f = ChartPage();
  f.page.showChart(*ComputeChart({2000, 8, 16, 2, Sex::kFemale}), {2025, 6, 1});
  f.page.highlightPalace(0);
  int n = 0;
  for (auto _ : state) {
    f.page.showDate({2001 + n++ % 99, 6, 1});
    f.paint();
  }
}
BENCHMARK(BM_NatalYearChange)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
