#include "layout/yearly_notes_layout.h"

namespace lunisol {

constexpr std::array<YearlyTemplateText, 10> kYearlyNotesTemplateTexts = {{
    {1199, {235, 3, 9, 41}},   // 太歲 … 年
    {1200, {235, 74, 9, 48}},  // 太歲姓…名…
    {1201, {51, 16, 0, 0}},    // the picture's corner words
    {1202, {149, 16, 0, 0}},
    {1203, {51, 137, 0, 0}},
    {1204, {149, 137, 0, 0}},
    {1205, {40, 28, 0, 0}},
    {1206, {162, 28, 0, 0}},
    {1207, {40, 126, 0, 0}},
    {1208, {162, 126, 0, 0}},
}};

constexpr std::array<Rect, 78> kYearlyNotesLabels = {{
    // Na Yin and the elements of the year pillar.
    {464, 90, 476, 146},
    {479, 90, 491, 146},
    // The mansions that rule the year, the meeting pairs, the 合德 stems.
    {472, 250, 484, 306},
    {464, 292, 492, 308},
    {472, 308, 484, 364},
    {464, 350, 492, 376},
    {464, 365, 492, 381},
    {464, 380, 492, 396},
    {464, 394, 492, 410},
    {464, 409, 492, 425},
    {470, 424, 486, 452},
    {464, 452, 492, 464},
    {464, 465, 492, 481},
    {464, 480, 492, 496},
    {464, 494, 492, 510},
    {464, 507, 492, 523},
    // Earth Mother: heading, verse heading, oracle heading.
    {354, 6, 460, 20},
    {442, 26, 458, 66},
    {384, 26, 396, 66},
    // Four verse lines and three oracle lines, right to left.
    {442, 68, 458, 398},
    {430, 68, 442, 398},
    {416, 68, 428, 398},
    {402, 68, 414, 398},
    {384, 68, 396, 398},
    {370, 68, 382, 398},
    {356, 68, 368, 398},
    // The direction line.
    {84, 6, 340, 20},
    // The year notes: heading and five columns.
    {354, 438, 460, 452},
    {440, 462, 458, 522},
    {419, 462, 437, 522},
    {398, 462, 416, 522},
    {377, 462, 395, 522},
    {356, 462, 374, 522},
    // Spring ox: heading, five ox columns (left = 240 − 15·i), seven
    // herdsman columns (left = 165 − 15·i).
    {118, 307, 206, 321},
    {240, 328, 252, 529},
    {225, 328, 237, 529},
    {210, 328, 222, 529},
    {195, 328, 207, 529},
    {180, 328, 192, 529},
    {165, 328, 177, 529},
    {150, 328, 162, 529},
    {135, 328, 147, 529},
    {120, 328, 132, 529},
    {105, 328, 117, 529},
    {90, 328, 102, 529},
    {75, 328, 87, 529},
    // Climate heading and line.
    {269, 307, 337, 321},
    {335, 328, 347, 529},
    // Nine stars: the centre, then steps 1..8 around it, each a colour cell
    // and a number cell.
    {199, 156, 223, 168},
    {238, 198, 251, 210},
    {248, 188, 261, 200},
    {257, 162, 271, 174},
    {257, 148, 271, 160},
    {161, 189, 173, 201},
    {171, 198, 181, 210},
    {212, 102, 225, 114},
    {197, 102, 210, 114},
    {197, 208, 210, 220},
    {212, 208, 225, 220},
    {248, 123, 260, 135},
    {237, 113, 250, 125},
    {150, 148, 162, 160},
    {150, 162, 162, 174},
    {170, 113, 182, 125},
    {160, 123, 171, 135},
    // Seasonal days: 日社 with 春社, 秋社; 日伏三 with 初伏, 中伏, 末伏;
    // 雨 液 雨 霉 with 入霉, 出霉, 入液, 出液.
    {43, 6, 69, 20},
    {56, 26, 68, 205},
    {44, 26, 56, 205},
    {3, 6, 40, 20},
    {27, 26, 39, 205},
    {15, 26, 27, 205},
    {3, 26, 15, 205},
    {3, 214, 69, 228},
    {52, 236, 64, 430},
    {37, 236, 49, 430},
    {22, 236, 34, 430},
    {7, 236, 19, 430},
    // Under the verses: the line that says they are our own writing.
    {356, 402, 458, 416},
}};

Rect YearlyTemplateTextRect(const YearlyTemplateText& text) {
  UnitRect u = text.place;
  if (u.width == 0 && u.height == 0) {
    u.width = kYearlyNotesFrame.characterWidth;
    u.height = kYearlyNotesFrame.characterHeight;
  }
  return kSystem10Units.rect(u);
}

}  // namespace lunisol
