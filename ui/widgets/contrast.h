// The high-contrast view: the almanac's own colours by default, and on
// request every text darkened just enough to read at 4.5 : 1 on its ground
// (the contrast ratio asked of small text), keeping its hue so a red day
// stays red. The choice holds for every sheet and dialog of the program.
#pragma once

#include <QColor>

namespace lunisol::ui {

// The contrast ratio of two opaque colours, from 1 (the same) to 21 (black
// on white), by their relative luminance.
double ContrastRatio(const QColor& a, const QColor& b);

// `ink` as it reaches at least `ratio` on `ground`: unchanged when it does
// already, otherwise the lightest shade of it (towards black, or towards
// white on a dark ground) that does.
QColor ReadableInk(const QColor& ink, const QColor& ground, double ratio = 4.5);

inline constexpr double kReadableRatio = 4.5;

// Whether the views draw in high contrast, and the switch, which repaints
// every window.
bool HighContrast();
void SetHighContrast(bool on);

// The colour to draw text of colour `ink` on `ground` in: `ink` itself, or
// its readable shade in the high-contrast view.
QColor InkOn(const QColor& ink, const QColor& ground);

}  // namespace lunisol::ui
