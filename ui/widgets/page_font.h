// Fonts of the sheets. A font is asked for by its cell height (ascent plus
// descent, as the almanac's layouts count it), not by its em size: every
// rectangle of every sheet was measured for a 14-pixel cell, and the line
// pitch of a wrapped column must be that cell height whatever face the system
// substitutes.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace lunisol::ui {

struct PageFont {
  QFont font;
  int cellHeight = 14;  // line pitch of wrapped text
};

// The Traditional-Chinese faces the sheets ask for, best first.
const QStringList& ChineseFaces();

// `face` first, then Traditional-Chinese faces by name: without them
// fontconfig may fall back on a Japanese, Korean or Simplified face, whose
// glyph forms differ from what a Taiwanese reader expects.
PageFont MakePageFont(const QString& face, int cellHeight, bool bold = false);

// The faces the sheets and the frame ask for.
inline constexpr const char* kPageFace = "Times New Roman";
inline constexpr const char* kTabFace = "MS Sans Serif";

}  // namespace lunisol::ui
