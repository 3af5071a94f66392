// Where every text of the yearly notes sheet (歲時記事) sits: the template's
// texts in "System" 10-point dialog units, the labels made in code in pixels
// of the dialog's client area, both in the order the sheet creates them.
#pragma once

#include <array>

#include "layout/dialog_units.h"
#include "layout/rect.h"

namespace lunisol {

// A text of the template with its control number, which lunisol-cli prints.
// Width and height are 0 where the template sizes the text by its one
// character.
struct YearlyTemplateText {
  int id;
  UnitRect place;
};
// The two year-god columns, then the corner words 1201..1208.
extern const std::array<YearlyTemplateText, 10> kYearlyNotesTemplateTexts;
// The 78 labels made in code.
extern const std::array<Rect, 78> kYearlyNotesLabels;

// The dialog: template 139, the silkworm-house picture, and the cell a
// one-character template text gets.
struct YearlyNotesFrame {
  UnitRect size;
  UnitRect picture;
  int characterWidth, characterHeight;
};
inline constexpr YearlyNotesFrame kYearlyNotesFrame{{0, 0, 248, 266}, {35, 11, 140, 140}, 9, 9};

// Pixels of a template text.
Rect YearlyTemplateTextRect(const YearlyTemplateText& text);

}  // namespace lunisol
