#include "ui/widgets/contrast.h"

#include <QApplication>
#include <QWidget>
#include <cmath>

namespace lunisol::ui {
namespace {

bool highContrast = false;

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
  return 0.2126 * Linear(c.red()) + 0.7152 * Linear(c.green()) + 0.0722 * Linear(c.blue());
}

// `c` moved a fraction `t` of the way towards `end`.
QColor Towards(const QColor& c, const QColor& end, double t) {
  auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return QColor(mix(c.red(), end.red()), mix(c.green(), end.green()), mix(c.blue(), end.blue()));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableInk(const QColor& ink, const QColor& ground, double ratio) {
  if (ContrastRatio(ink, ground) >= ratio) return ink;
  // Dark ink on a light ground gets darker; light ink on a dark one lighter.
  const QColor end = Luminance(ground) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
  double low = 0, high = 1;  // high always reads
  for (int i = 0; i < 20; ++i) {
    const double mid = (low + high) / 2;
    (ContrastRatio(Towards(ink, end, mid), ground) >= ratio ? high : low) = mid;
  }
  QColor shade = Towards(ink, end, high);
  // Rounding to whole channels may lose a hair of the ratio.
  for (double t = high; ContrastRatio(shade, ground) < ratio && t < 1; t = std::min(1.0, t + 0.01))
    shade = Towards(ink, end, t);
  return shade;
}

bool HighContrast() { return highContrast; }

void SetHighContrast(bool on) {
  if (on == highContrast) return;
  highContrast = on;
  for (QWidget* w : QApplication::allWidgets()) w->update();
}

QColor InkOn(const QColor& ink, const QColor& ground) {
  return highContrast ? ReadableInk(ink, ground, kReadableRatio) : ink;
}

}  // namespace lunisol::ui
