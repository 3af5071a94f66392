// A month change on the almanac page, as the user sees it: evaluate the
// month, copy it into the page's cells and panels, and paint the whole
// sheet at 1280 × 1024. One frame of a 60 Hz screen is 16.7 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "almanac/month.h"
#include "almanac/year_data.h"
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
    LoadYearData(data, 2009, 1);
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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
