// Where the natal chart (紫微斗數命盤) page puts its boxes, buttons and
// texts. The form's controls are the table kNatalChartRows, in dialog units
// of the form's font, row by row. The chart is drawn on one regular
// four-by-four grid laid over the form's boxes: the form's group boxes
// overlap by the margin a group box keeps for its title, which plain frames
// cannot, so each frame is the grid cell its box covers. Everything inside a
// box sits at the same place in every box (kBoxPlaces, after the sample
// texts the form showed in its top boxes: the stem and branch bottom left,
// the 大限 ages bottom right, the stars in columns from the right).
//
// The boxes go round the centre block in the standard Taiwanese orientation:
// 巳午未申 across the top from left to right, 酉戌 down the right side,
// 亥子丑寅 across the bottom from right to left, 卯辰 up the left side, so
// 寅 stands bottom left and a branch faces its opposite across the centre.
//
// All rectangles the functions return are in pixels of the page's sheet at
// zoom 1 (the form's pixels moved so the chart starts kSheetMargin from the
// sheet's corner).
#pragma once

#include <array>
#include <cstdint>

#include "layout/dialog_units.h"
#include "layout/rect.h"

namespace lunisol {

enum class NatalRow : uint8_t {
  kBox,           // a palace's group box; slot: the branch it holds
  kCentreLine,    // a text line of the centre block; slot: its NatalCentreLine
  kPalaceButton,  // the button in a box; slot: the box's branch
  kNameEdit,      // the name field after the 姓名 caption (not in the form: it had no field)
};

// The lines of the centre block.
enum class NatalCentreLine : uint8_t {
  kName,        // 姓名 caption
  kLunarBirth,  // 農曆 birth date, year pillar and animal
  kSolarBirth,  // 陰陽男女 and the 國曆 birth date
  kPalaces,     // 命宮, 身宮, 命主, 身主
  kBureau,      // 五行局
  kToday,       // today's date and 虛歲
  kDecadal,     // today's 大限 (not in the form, nor the two below)
  kYearly,      // today's 流年 and 小限
  kLegend,      // the colours of the four transformations
};
inline constexpr int kNatalCentreLineCount = 9;

struct NatalLayoutRow {
  NatalRow kind;
  int id;  // the control's identifier in the form, −1 for none
  int x, y, w, h;
  int8_t slot;
};

// The form's template, row by row (dialog units); the rows the form did not
// have come last. The form's sample texts inside one box are left out: they
// were placeholders, and kBoxPlaces takes their places.
inline constexpr std::array<NatalLayoutRow, 34> kNatalChartRows{{
    {NatalRow::kBox, -1, 411, 168, 120, 89, 10},  // 戌
    {NatalRow::kBox, -1, 411, 85, 120, 88, 9},    // 酉
    {NatalRow::kBox, -1, 411, 253, 120, 88, 11},  // 亥
    {NatalRow::kBox, -1, 173, 2, 120, 88, 6},     // 午
    {NatalRow::kBox, -1, 292, 2, 120, 88, 7},     // 未
    {NatalRow::kBox, -1, 411, 2, 120, 88, 8},     // 申
    {NatalRow::kBox, -1, 54, 2, 120, 88, 5},      // 巳
    {NatalRow::kBox, -1, 54, 86, 120, 88, 4},     // 辰
    {NatalRow::kBox, -1, 54, 169, 120, 88, 3},    // 卯
    {NatalRow::kBox, -1, 54, 253, 120, 88, 2},    // 寅
    {NatalRow::kBox, -1, 173, 253, 120, 88, 1},   // 丑
    {NatalRow::kBox, -1, 292, 253, 120, 88, 0},   // 子
    {NatalRow::kCentreLine, 1164, 180, 98, 23, 12, static_cast<int8_t>(NatalCentreLine::kName)},
    {NatalRow::kCentreLine, 1165, 180, 131, 224, 8, static_cast<int8_t>(NatalCentreLine::kLunarBirth)},
    {NatalRow::kCentreLine, 1177, 180, 114, 224, 12, static_cast<int8_t>(NatalCentreLine::kSolarBirth)},
    {NatalRow::kCentreLine, 1178, 180, 147, 207, 8, static_cast<int8_t>(NatalCentreLine::kPalaces)},
    {NatalRow::kCentreLine, 1179, 180, 163, 190, 8, static_cast<int8_t>(NatalCentreLine::kBureau)},
    {NatalRow::kCentreLine, 1180, 180, 180, 206, 8, static_cast<int8_t>(NatalCentreLine::kToday)},
    {NatalRow::kPalaceButton, 1163, 207, 71, 52, 14, 6},
    {NatalRow::kPalaceButton, 1166, 326, 71, 52, 14, 7},
    {NatalRow::kPalaceButton, 1167, 444, 71, 52, 14, 8},
    {NatalRow::kPalaceButton, 1168, 88, 71, 52, 14, 5},
    {NatalRow::kPalaceButton, 1169, 88, 155, 52, 14, 4},
    {NatalRow::kPalaceButton, 1170, 88, 238, 52, 14, 3},
    {NatalRow::kPalaceButton, 1171, 88, 322, 52, 14, 2},
    {NatalRow::kPalaceButton, 1172, 444, 155, 52, 14, 9},
    {NatalRow::kPalaceButton, 1173, 446, 238, 52, 14, 10},
    {NatalRow::kPalaceButton, 1174, 446, 322, 52, 14, 11},
    {NatalRow::kPalaceButton, 1175, 207, 322, 52, 14, 1},
    {NatalRow::kPalaceButton, 1176, 326, 322, 52, 14, 0},
    {NatalRow::kCentreLine, -1, 180, 196, 224, 8, static_cast<int8_t>(NatalCentreLine::kDecadal)},
    {NatalRow::kCentreLine, -1, 180, 212, 224, 8, static_cast<int8_t>(NatalCentreLine::kYearly)},
    {NatalRow::kCentreLine, -1, 180, 232, 224, 8, static_cast<int8_t>(NatalCentreLine::kLegend)},
    {NatalRow::kNameEdit, -1, 205, 96, 150, 14, -1},
}};

// The form's font: "Times New Roman" 10 points.
inline constexpr const DialogUnits& kNatalUnits = kTimes10Units;
// Room left around the chart on the sheet.
inline constexpr int kSheetMargin = 6;

// The places inside a box, in pixels from its frame's top-left corner (a
// frame is about 208 × 169 pixels). A place `fromRight` keeps x pixels
// between its right edge and the frame's; one `fromBottom` keeps y pixels
// between its bottom edge and the frame's.
struct BoxPlace {
  int x, y, w, h;
  bool fromRight = false, fromBottom = false;
};
enum class BoxPart : uint8_t {
  kBodyMark,    // 身, on the body palace
  kStarName,    // column 0 (rightmost); further columns step kStarColumnPitch left
  kBrightness,  // under a major star's name
  kMutagen,     // 祿權科忌, under the brightness
  kOtherStar,   // slot 0 of the 雜曜 grid; further slots step kOtherStarPitch across, then down a row
  kBoshi,       // the 博士 spirit, left
  kChangsheng,  // the 長生 stage, right
  kStemBranch,  // the palace's stem and branch, bottom left
  kDecadal,     // the 大限 ages, bottom right
  kButton,      // the palace-name button, centred across the bottom
};
inline constexpr int kBoxPartCount = 10;
inline constexpr std::array<BoxPlace, kBoxPartCount> kBoxPlaces{{
    {4, 4, 16, 16},                // 身
    {8, 6, 16, 36, true},          // star name: two lines of the 18-pixel major-star font
    {8, 42, 16, 15, true},         // brightness
    {8, 57, 16, 16, true},         // transformation mark
    {6, 78, 27, 15},               // 雜曜: two characters of the 15-pixel font
    {6, 44, 48, 15, false, true},  // 博士
    {6, 44, 48, 15, true, true},   // 長生
    {8, 11, 44, 18, false, true},  // stem and branch
    {5, 12, 52, 16, true, true},   // 大限
    {0, 6, 91, 28, false, true},   // button: the form's 52 × 14 units
}};
inline constexpr int kStarColumns = 9;
inline constexpr int kStarColumnPitch = 19;
inline constexpr int kOtherStarsPerRow = 6;  // twelve slots: no palace gets more than eleven
inline constexpr int kOtherStarRows = 2;
inline constexpr int kOtherStarPitch = 32;  // across
inline constexpr int kOtherStarRowPitch = 16;

// The form's row of the box (or button) that holds `branch` 0 = 子 .. 11 = 亥.
const NatalLayoutRow& NatalBoxRow(int branch);
const NatalLayoutRow& NatalButtonRow(int branch);
// The branch whose box covers grid cell (column, row), 0..3 each from the
// top left; −1 for the four cells of the centre block.
int BranchAtGridCell(int column, int row);

// The frame of the box holding `branch`.
Rect NatalBoxFrame(int branch);
// A place inside that box; `slot` counts star columns from the right or
// 雜曜 slots, 0 for the other parts.
Rect NatalBoxPlace(int branch, BoxPart part, int slot = 0);
// The centre block: the grid's middle two by two cells.
Rect NatalCentreBlock();
Rect NatalCentreLineRect(NatalCentreLine line);
Rect NatalNameEditRect();
// The legend's mark and caption of transformation 1..4 (化祿, 化權, 化科, 化忌),
// side by side in the legend line, the four together centred across the block.
Rect NatalLegendMarkRect(int mutagen);
Rect NatalLegendCaptionRect(int mutagen);
// The sheet the chart is painted on, at zoom 1.
Size NatalSheetSize();
// The zoom that fits the sheet into an area of `width` × `height` pixels:
// never below kNatalMinZoom (smaller areas scroll), never above kNatalMaxZoom.
inline constexpr double kNatalMinZoom = 0.8, kNatalMaxZoom = 2.0;
double NatalChartZoom(int width, int height);

}  // namespace lunisol
