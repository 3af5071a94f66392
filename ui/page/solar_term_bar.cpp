#include "ui/page/solar_term_bar.h"

#include "layout/term_panel_layout.h"

namespace lunisol::ui {
namespace {

const QColor kPageBackground(255, 255, 240);

}  // namespace

SolarTermBar::SolarTermBar(int screenHeight, QWidget* parent) : CellSheet(parent), screenHeight_(screenHeight) {
  setBackground(kPageBackground);
  setFonts({MakePageFont(QString::fromLatin1(kPageFace), 14), MakePageFont(QString::fromLatin1(kPageFace), 18)});
  for (const TermPanelCellPlace& entry : kTermPanelCells) {
    Cell c;
    c.rect = ToQRect(TermPanelCellRect(entry, screenHeight, 0));
    c.text = ToQString(entry.text);
    c.font = entry.font;
    c.colour = ToQColor(entry.colour);
    addCell(c);
  }
  resize(ToQSize(kTimes8Units.rect(kTermPanelSize).size()));
}

void SolarTermBar::place(const QRect& pageRect, qreal zoom) {
  setZoom(zoom);
  setGeometry(QRectF(pageRect.x() * zoom, pageRect.y() * zoom, pageRect.width() * zoom, pageRect.height() * zoom)
                  .toAlignedRect());
  for (int i = 0; i < kTermPanelCellCount; ++i)
    setCellRect(i,
                ToQRect(TermPanelCellRect(kTermPanelCells[static_cast<size_t>(i)], screenHeight_, pageRect.height())));
  std::vector<SheetFrame> frames;
  for (const Rect& r : TermPanelFrameRects(pageRect.width())) frames.push_back({ToQRect(r), Edge::kEtched});
  setFrames(std::move(frames));
  update();
}

void SolarTermBar::showTerm(const TermBar& bar) {
  using C = TermPanelCell;
  setCell(static_cast<int>(C::kName), ToQString(bar.name.text), ToQColor(bar.name.colour));
  setCell(static_cast<int>(C::kTime), ToQString(bar.timeText.text), ToQColor(bar.timeText.colour));
  static constexpr C kNoteCells[4] = {C::kPlantingRight, C::kPlantingLeft, C::kFishingRight, C::kFishingLeft};
  for (int i = 0; i < 4; ++i) {
    setCell(static_cast<int>(kNoteCells[i]), ToQString(bar.notes[i].text), ToQColor(bar.notes[i].colour));
    setCellTooltip(static_cast<int>(kNoteCells[i]), ToQString(bar.tooltips[i]));
  }
}

}  // namespace lunisol::ui
