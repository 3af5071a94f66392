#include "ui/page/solar_term_bar.h"

#include <algorithm>

#include "layout/dialog_units.h"

namespace lunisol::ui {
namespace {

const QColor kPageBackground(255, 255, 240);

struct ControlSpec {
  int x, y, w, h;  // dialog units of the panel's template
  const char16_t* text;
  int font;  // 0 page font, 1 the 18-pixel name font
  Colour colour;
};

// The template's labels, in cellIndex order.
constexpr ControlSpec kControls[SolarTermBar::kCellCount] = {
    {3, 2, 13, 19, u"立春", 1, colours::kMaroon},  // 1181 term name
    {5, 22, 8, 35, u"", 0, colours::kNavy},        // 1189 term time, vertical
    {1, 59, 16, 8, u"植種", 0, colours::kGreen},   // 1182
    {9, 69, 8, 162, u"", 0, colours::kGreen},      // 1184 planting, right
    {1, 69, 8, 162, u"", 0, colours::kGreen},      // 1185 planting, left
    {1, 235, 16, 8, u"撈漁", 0, colours::kNavy},   // 1183
    {9, 245, 10, 82, u"", 0, colours::kNavy},      // 1186 fishing, right
    {1, 245, 8, 82, u"", 0, colours::kNavy},       // 1187 fishing, left
};
// The two group frames around the headings.
constexpr QRect kFrameUnits[2] = {QRect(0, 54, 21, 14), QRect(0, 230, 21, 14)};

}  // namespace

int SolarTermBar::fishingBottom(int screenHeight) {
  switch (screenHeight) {
    case 1024:
      return 960;
    case 960:
      return 896;
    case 864:
      return 800;
    case 768:
      return 670;
    default:
      return -1;
  }
}

SolarTermBar::SolarTermBar(int screenHeight, QWidget* parent) : CellSheet(parent), screenHeight_(screenHeight) {
  setBackground(kPageBackground);
  setFonts({MakePageFont(QString::fromLatin1(kPageFace), 14), MakePageFont(QString::fromLatin1(kPageFace), 18)});
  for (int i = 0; i < kCellCount; ++i) {
    const ControlSpec& s = kControls[i];
    Cell c;
    c.rect = ToQRect(kTimes8Units.rect(s.x, s.y, s.w, s.h));
    c.text = ToQString(s.text);
    c.font = s.font;
    c.colour = ToQColor(s.colour);
    addCell(c);
  }
  const QRect size = ToQRect(kTimes8Units.rect(0, 0, 21, 365));
  resize(size.size());
}

void SolarTermBar::setScreenHeight(int screenHeight) { screenHeight_ = screenHeight; }

void SolarTermBar::place(const QRect& pageRect, qreal zoom) {
  setZoom(zoom);
  setGeometry(QRectF(pageRect.x() * zoom, pageRect.y() * zoom, pageRect.width() * zoom, pageRect.height() * zoom)
                  .toAlignedRect());
  const int tuned = fishingBottom(screenHeight_);
  const int notesBottom = tuned > 0 ? tuned : pageRect.height() - 2;
  for (int i : {kFishingRight, kFishingLeft}) {
    const ControlSpec& s = kControls[i];
    QRect r = ToQRect(kTimes8Units.rect(s.x, s.y, s.w, s.h));
    r.setBottom(std::max(r.bottom(), notesBottom - 1));
    setCellRect(i, r);
  }
  const int right = pageRect.width() - 1;
  std::vector<SheetFrame> frames;
  for (const QRect& u : kFrameUnits) {
    QRect r = ToQRect(kTimes8Units.rect(u.x(), u.y(), u.width(), u.height()));
    r.setRight(std::min(r.right(), right));
    frames.push_back({r, Edge::kEtched});
  }
  setFrames(std::move(frames));
  update();
}

void SolarTermBar::showTerm(const TermBar& bar) {
  setCell(kName, ToQString(bar.name.text), ToQColor(bar.name.colour));
  setCell(kTime, ToQString(bar.timeText.text), ToQColor(bar.timeText.colour));
  static constexpr int kNoteCells[4] = {kPlantingRight, kPlantingLeft, kFishingRight, kFishingLeft};
  for (int i = 0; i < 4; ++i) {
    setCell(kNoteCells[i], ToQString(bar.notes[i].text), ToQColor(bar.notes[i].colour));
    setCellTooltip(kNoteCells[i], ToQString(bar.tooltips[i]));
  }
}

}  // namespace lunisol::ui
