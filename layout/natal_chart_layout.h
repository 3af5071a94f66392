// Where the natal chart (紫微斗數命盤) page puts its boxes and texts. The
// form the page grew from gave twelve group boxes round a centre block, with
// a palace button in each (kNatalChartRows, in dialog units of the form's
// font); those rows fix which branch stands in which cell of the chart's
// four-by-four grid. A box of the form (120 × 88 units, about 208 × 169
// pixels) has no room for the chart read in time (three rows of
// transformation marks, the flowing stars, four rings of spirits, the 大限
// and 流年 palace names and the 小限 ages), so the grid's cells are
// kNatalBoxWidth × kNatalBoxHeight pixels, wider and a little taller than
// the form's boxes. Everything inside a box sits at the same place in every
// box (kBoxPlaces); the centre block's lines are kNatalCentreLines.
//
// The boxes go round the centre block in the standard Taiwanese orientation:
// 巳午未申 across the top from left to right, 酉戌 down the right side,
// 亥子丑寅 across the bottom from right to left, 卯辰 up the left side, so
// 寅 stands bottom left and a branch faces its opposite across the centre.
//
// All rectangles and points the functions return are in pixels of the
// page's sheet at zoom 1.
#pragma once

#include <array>
#include <cstdint>

#include "layout/dialog_units.h"
#include "layout/rect.h"

namespace lunisol {

enum class NatalRow : uint8_t {
  kBox,           // a palace's group box; slot: the branch it holds
  kPalaceButton,  // the button in a box; slot: the box's branch
};

struct NatalLayoutRow {
  NatalRow kind;
  int id;  // the control's identifier in the form, −1 for none
  int x, y, w, h;
  int8_t slot;
};

// The form's boxes and palace buttons (dialog units of "Times New Roman" 10).
inline constexpr std::array<NatalLayoutRow, 24> kNatalChartRows{{
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
}};
inline constexpr const DialogUnits& kNatalUnits = kTimes10Units;

inline constexpr int kNatalBoxWidth = 240, kNatalBoxHeight = 176;
// Room left around the chart on the sheet.
inline constexpr int kSheetMargin = 6;

// The places inside a box, in pixels from its frame's top-left corner. A
// place `fromRight` keeps x pixels between its right edge and the frame's.
struct BoxPlace {
  int x, y, w, h;
  bool fromRight = false;
};
enum class BoxPart : uint8_t {
  kBodyMark,        // 身, on the body palace
  kOriginMark,      // 來因, on the 來因宮
  kStarName,        // star column 0 (rightmost); further columns step kStarColumnPitch left
  kBrightness,      // under a major star's name
  kMutagen,         // the natal 祿權科忌, under the brightness
  kDecadalMutagen,  // the 大限's, under the natal mark
  kYearlyMutagen,   // the 流年's, under the 大限's
  kOtherStar,       // slot 0 of the 雜曜 grid; slots fill rows of kOtherStarsPerRow down the left
  kFlowingStar,     // slot 0 of the 流年 stars' line; slots step kFlowingStarPitch right
  kYearJiangqian,   // the 流年's 將前 spirit on this branch, right on the flowing line
  kYearSuiqian,     // the 流年's 歲前 spirit, right of it
  kBoshi,           // the natal 博士 spirit, left
  kJiangqian,       // the natal 將前 spirit
  kSuiqian,         // the natal 歲前 spirit
  kChangsheng,      // the 長生 stage, right
  kStemBranch,      // the palace's stem and branch, bottom left
  kPalaceName,      // the natal palace name
  kDecadalName,     // the chosen 大限's name of the palace (大命 …)
  kYearlyName,      // the chosen 流年's name of the palace (年命 …)
  kDecadal,         // the 大限 ages, bottom right
  kAges,            // the 小限 ages, the bottom line
  kButton,          // the palace's button over its names (focus, click)
};
inline constexpr int kBoxPartCount = static_cast<int>(BoxPart::kButton) + 1;
inline constexpr std::array<BoxPlace, kBoxPartCount> kBoxPlaces{{
    {4, 4, 15, 15},           // 身
    {22, 4, 30, 15},          // 來因
    {6, 5, 16, 36, true},     // star name: two lines of the 18-pixel major-star font
    {6, 41, 16, 14, true},    // brightness
    {6, 56, 16, 15, true},    // natal mark
    {6, 72, 16, 15, true},    // 大限 mark
    {6, 88, 16, 15, true},    // 流年 mark
    {4, 22, 28, 14},          // 雜曜: two characters of the 12-pixel font
    {4, 108, 28, 14},         // 流年 star
    {36, 108, 28, 14, true},  // the year's 將前
    {4, 108, 28, 14, true},   // the year's 歲前
    {4, 123, 28, 14},         // 博士
    {74, 123, 28, 14},        // 將前
    {138, 123, 28, 14},       // 歲前
    {4, 123, 28, 14, true},   // 長生
    {4, 139, 36, 18},         // stem and branch
    {60, 139, 36, 18},        // palace name, bold
    {100, 140, 28, 16},       // 大限's name
    {130, 140, 28, 16},       // 流年's name
    {4, 140, 58, 16, true},   // 大限 ages
    {4, 158, 232, 14},        // 小限 ages
    {58, 138, 102, 20},       // the button over the three names
}};
// At most eight stars of the fourteen and the fourteen minor ones share a
// palace in 1900..2100, at most twelve 雜曜.
inline constexpr int kStarColumns = 8;
inline constexpr int kStarColumnPitch = 19;
inline constexpr int kOtherStarsPerRow = 2;
inline constexpr int kOtherStarRows = 6;
inline constexpr int kOtherStarPitch = 30;  // across
inline constexpr int kOtherStarRowPitch = 14;
inline constexpr int kFlowingStarSlots = 5;
inline constexpr int kFlowingStarPitch = 30;

// The lines of the centre block, top to bottom.
enum class NatalCentreLine : uint8_t {
  kName,        // 姓名 caption (the name field follows it)
  kSolarBirth,  // 陰陽男女 and the 國曆 birth date
  kLunarBirth,  // 農曆 birth date
  kPillars,     // the four pillars
  kPalaces,     // 命宮, 身宮, 命主, 身主
  kBureau,      // 五行局, animal, 來因宮
  kDate,        // the date the chart is read on, its lunar date and 虛歲
  kDecadal,     // its 大限 (or 童限)
  kYearly,      // its 流年 and 小限
  kMonthly,     // its 流月 and 流日
  kFlights,     // the picked palace's 飛星, two lines
  kLegend,      // the colours of the four transformations
  kMarkLegend,  // the three kinds of marks: natal, 大限, 流年
};
inline constexpr int kNatalCentreLineCount = static_cast<int>(NatalCentreLine::kMarkLegend) + 1;
// Top and height of each line, from the centre block's top; every line runs
// across the block but kCentreLineInset at each side.
struct CentreLinePlace {
  int top, height;
};
inline constexpr std::array<CentreLinePlace, kNatalCentreLineCount> kNatalCentreLines{{
    {10, 20},   // 姓名
    {36, 18},   // 國曆
    {55, 18},   // 農曆
    {74, 18},   // 四柱
    {93, 18},   // 命宮 身宮
    {112, 18},  // 五行局
    {140, 18},  // the date
    {159, 18},  // 大限
    {178, 18},  // 流年
    {197, 18},  // 流月
    {222, 36},  // 飛星
    {292, 18},  // legend
    {318, 18},  // marks
}};
inline constexpr int kCentreLineInset = 16;
inline constexpr int kNameCaptionWidth = 48;

// The form's row of the box (or button) that holds `branch` 0 = 子 .. 11 = 亥.
const NatalLayoutRow& NatalBoxRow(int branch);
const NatalLayoutRow& NatalButtonRow(int branch);
// The branch whose box covers grid cell (column, row), 0..3 each from the
// top left; −1 for the four cells of the centre block.
int BranchAtGridCell(int column, int row);

// The frame of the box holding `branch`.
Rect NatalBoxFrame(int branch);
// A place inside that box; `slot` counts star columns from the right, 雜曜
// or flowing-star slots, 0 for the other parts.
Rect NatalBoxPlace(int branch, BoxPart part, int slot = 0);
// The centre block: the grid's middle two by two cells.
Rect NatalCentreBlock();
Rect NatalCentreLineRect(NatalCentreLine line);
Rect NatalNameEditRect();
// Where the lines of 三方四正 and the 飛星 arrows start and end for a box:
// the point of the centre block's edge nearest the box's middle, moved
// kAnchorInset into the block (the corner boxes meet the block at a corner).
inline constexpr int kAnchorInset = 10;
struct ChartPoint {
  int x = 0, y = 0;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};
ChartPoint NatalBoxAnchor(int branch);
// The legend's mark and caption of item 1..4 in the line `line` (kLegend:
// 化祿 … 化忌; kMarkLegend: 本命, 大限, 流年 and the flowing stars), side by
// side, the four together centred across the block.
Rect NatalLegendMarkRect(NatalCentreLine line, int item);
Rect NatalLegendCaptionRect(NatalCentreLine line, int item);
// The sheet the chart is painted on, at zoom 1.
Size NatalSheetSize();
// The zoom that fits the sheet into an area of `width` × `height` pixels:
// never below kNatalMinZoom (smaller areas scroll), never above kNatalMaxZoom.
inline constexpr double kNatalMinZoom = 0.8, kNatalMaxZoom = 2.0;
double NatalChartZoom(int width, int height);

}  // namespace lunisol
