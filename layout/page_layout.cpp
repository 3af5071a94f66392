#include "layout/page_layout.h"

#include <algorithm>

#include "layout/backdrop_layout.h"

namespace lunisol {

using R = PageRow;
using D = DayAlmanacRecord;
using S = RowShift;

const std::array<PageRowPlace, kPageRowCount> kPageRows = {{
    {R::kOfficer, -6, 20, 236, 249, S::kStays, u"平", &D::officerText},
    {R::kNineStar, -6, 20, 252, 265, S::kStays, u"白一", &D::nineStarText},
    {R::kNaYin, -6, 20, 220, 232, S::kStays, u"木", &D::naYinText},
    {R::kMansion, -6, 20, 268, 282, S::kStays, u"畢", &D::mansionText},
    {R::kDayPillar, -5, 20, 204, 216, S::kStays, u"乙未", &D::dayPillarText},
    {R::kLunarDay, -5, 20, 55, 67, S::kStays, u"初一", &D::lunarDayText},
    {R::kDayNumber, -5, 20, 4, 16, S::kStays, u"12", &D::dayNumberText},
    {R::kWeekdayHeading, -6, 20, 23, 36, S::kStays, u"期星", nullptr},
    {R::kWeekday, -5, 20, 37, 49, S::kStays, u"日", &D::weekdayText},
    {R::kClash, 8, 20, 591, 631, S::kMoves, u"沖牛58", &D::clashText},
    {R::kYearSha, -6, 8, 591, 631, S::kMoves, u"歲煞西", &D::yearShaText},
    {R::kNoteA, 8, 20, 72, 202, S::kStays, u"", &D::noteA},
    {R::kNoteB, -6, 6, 72, 202, S::kStays, u"", &D::noteB},
    {R::kWarningC, 8, 20, 328, 528, S::kGives, u"", &D::warningC},
    {R::kWarningD, -6, 6, 328, 528, S::kGives, u"", &D::warningD},
    {R::kLuckyHoursFirst, 8, 20, 531, 557, S::kMoves, u"卯辰", &D::luckyHoursFirst},
    {R::kLuckyHoursSecond, -6, 6, 531, 557, S::kMoves, u"未申", &D::luckyHoursSecond},
    {R::kJoyGod, 8, 20, 561, 587, S::kMoves, u"東南", &D::joyGodText},
    {R::kWealthGod, -6, 6, 561, 587, S::kMoves, u"正北", &D::wealthGodText},
    {R::kFetusGodPlace, 8, 20, 635, 675, S::kMoves, u"占門碓", &D::fetusGodPlace},
    {R::kFetusGodDirection, -6, 8, 635, 675, S::kMoves, u"外東南", &D::fetusGodDirection},
    {R::kHexagramPair, 8, 20, 284, 310, S::kStays, u"", &D::hexagramPairText},
    {R::kHexagramName, -6, 6, 284, 310, S::kStays, u"", &D::hexagramNameText},
    {R::kDayCode, -5, 20, 312, 326, S::kStays, u"1一", &D::dayCodeText},
}};

const std::array<LabelCellPlace, 8> kLabelCells = {{
    {true, 635, 675, u"每日胎", colours::kBlack},
    {false, 635, 675, u"神方位", colours::kBlack},
    {true, 531, 557, u"每日", colours::kGreen},
    {false, 531, 557, u"吉時", colours::kMaroon},
    {true, 561, 587, u"喜神", colours::kMaroon},
    {false, 561, 587, u"財神", colours::kMaroon},
    {true, 591, 631, u"生肖年", colours::kBlack},
    {false, 591, 631, u"齡沖煞", colours::kBlack},
}};

namespace {

bool TunedWidth(int cx) { return cx == 800 || cx == 1024 || cx == 1152 || cx == 1280; }

}  // namespace

PageGeometry PageGeometryFor(int cx, int cy) {
  PageGeometry g;
  // No layout is lower than the lowest; the 800-wide screen keeps its own.
  if (cx != 800) cy = std::max(cy, kLowestPageLayoutHeight);
  g.cx = cx;
  g.cy = cy;
  const BackdropMetrics m = BackdropMetricsFor(cx, cy);
  g.columnWidth = m.columnWidth;
  g.leftOffset = m.leftOffset;
  g.frameBottom = m.frameBottom;
  g.bottomShift = m.bottomShift;
  g.storedHeight = cy;
  if (cx == 800) {
    g.bottomShift = 0;
    g.storedHeight = 1020;
  }
  switch (cx) {
    case 800:
      g.labelRight = 1006, g.gregorianTitleX = 996, g.lunarTitleX = 993;
      break;
    case 1024:
      g.labelRight = 1005, g.gregorianTitleX = 995, g.lunarTitleX = 992;
      break;
    case 1152:
      g.labelRight = cx - 33, g.gregorianTitleX = 1109, g.lunarTitleX = 1104;
      break;
    case 1280:
      g.labelRight = cx - 33, g.gregorianTitleX = 1239, g.lunarTitleX = 1234;
      break;
    default:
      // Other screens: the labels and titles go in the rightmost column,
      // centred as they are on the 1024 screen.
      g.labelRight = g.leftOffset + kLabelColumn * g.columnWidth + g.columnWidth / 2;
      g.gregorianTitleX = g.labelRight - 10;
      g.lunarTitleX = g.labelRight - 13;
      break;
  }
  return g;
}

int PageLayoutHeight(Size screen, int pageAreaHeight) {
  if (screen.width == 800) return screen.height;
  // A page laid out h high is h − 88 high itself: its frames end 90 pixels
  // above h and the sheet keeps two pixels below them.
  constexpr int kBelowPage = 88;
  const int wanted = pageAreaHeight + kBelowPage;
  // Where even the lowest layout would scroll, nothing is gained by cutting
  // notes short: the page keeps its full rows and scrolls.
  if (wanted < kLowestPageLayoutHeight) return kFullPageLayoutHeight;
  return std::min(wanted, std::max(screen.height, kFullPageLayoutHeight));
}

int PageGeometry::anchor(int e) const {
  if (cx == 1024 || cx == 800) return 968 - 30 * e;
  if (TunedWidth(cx)) return cx - columnWidth * e - 74;
  // Elsewhere the cells sit centred in their column: the tuned rule drifts
  // out of the column as the screen widens.
  return leftOffset + (32 - e) * columnWidth + columnWidth / 2 - 7;
}

Rect PageGeometry::cellRect(const PageRowPlace& s, int e) const {
  const int w = anchor(e);
  switch (s.shift) {
    case RowShift::kStays:
      break;
    case RowShift::kMoves:
      return Rect{w + s.x0, bottomShift + s.y0, w + s.x1, bottomShift + s.y1};
    case RowShift::kGives:
      return Rect{w + s.x0, s.y0, w + s.x1, givenHeight() + s.y1};
  }
  return Rect{w + s.x0, s.y0, w + s.x1, s.y1};
}

Rect PageGeometry::labelCellRect(const LabelCellPlace& s) const {
  const int left = s.right ? labelRight : labelRight - 13;
  return Rect{left, bottomShift + s.y0, left + 13, bottomShift + s.y1};
}

Rect PageGeometry::gregorianTitleRect() const { return Rect{gregorianTitleX, 5, gregorianTitleX + 20, 90}; }
Rect PageGeometry::lunarTitleRect() const { return Rect{lunarTitleX + 13, 92, lunarTitleX + 26, givenHeight() + 528}; }
Rect PageGeometry::proverbRect() const { return Rect{lunarTitleX, 92, lunarTitleX + 13, givenHeight() + 528}; }

int PageGeometry::columnAt(int x) const {
  if (x < leftOffset) return -1;
  const int c = (x - leftOffset) / columnWidth;
  return c <= kLabelColumn ? c : -1;
}

Rect PageGeometry::highlightRect(int c) const {
  if (c < 0 || c > 32) return {};
  return Rect{leftOffset + c * columnWidth, 2, leftOffset + (c + 1) * columnWidth, storedHeight - 91};
}

Rect PageGeometry::termPanelRect(const Rect& heading) const {
  // The panels were placed in the frame's coordinates, below a date bar of
  // 27 pixels (two rows, 53, on the 800-wide screen), and then moved within
  // the page; the net effect puts every panel's top on the frames' top.
  const int bar = cx == 800 ? 53 : 27;
  int left = heading.left - 3, top = heading.top + bar - 48;
  int right = heading.right, bottom = heading.bottom + bar;
  if (cy == 768 && cx == 1024) {
    right -= 1, bottom = 672;
  } else if (cy == 768 && cx == 1280) {
    left -= 5, right += 1, bottom = 672;
  } else if (cy == 864) {
    left -= 1, right += 1, bottom = 770;
  } else if (cy == 960) {
    left -= 5, right += 1, bottom = 866;
  } else if (cy == 1024) {
    left -= 5, right += 1, bottom = 930;
  } else if (cy == 600 && cx == 800) {
    top -= 26, left -= 1, right -= 4, bottom = 990;
  } else {
    // Untuned screens: reach down over the lowest rows, as the tuned ones do.
    if (columnWidth > 30)
      left -= 5, right += 1;
    else
      right -= 1;
    bottom = cy <= 768 ? 672 + givenHeight() : cy - 94;
  }
  return Rect{left, top, right, bottom};
}

Size PageGeometry::sheetSize() const {
  const int width = std::max(cx, leftOffset + (kLabelColumn + 1) * columnWidth);
  const int height = std::max(frameBottom, bottomShift + 675) + 2;
  return Size{width, height};
}

Rect PageGeometry::backdropRect() const {
  // Created 637 pixels tall, the backdrop would stop short of the lower rows
  // on taller screens; it reaches down to its frames' bottom instead.
  const Size s = sheetSize();
  return Rect{0, 0, s.width, frameBottom + 1};
}

}  // namespace lunisol
