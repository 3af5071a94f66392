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
  const TermPanelPlaces places = TermPanelLayoutFor(screenHeight_, Size{pageRect.width(), pageRect.height()}, needs());
  for (int i = 0; i < kTermPanelCellCount; ++i) setCellRect(i, ToQRect(places.cells[static_cast<size_t>(i)]));
  std::vector<SheetFrame> frames;
  for (const Rect& r : places.frames) frames.push_back({ToQRect(r), Edge::kEtched});
  setFrames(std::move(frames));
  update();
}

TermPanelNeeds SolarTermBar::needs() const {
  using C = TermPanelCell;
  const auto lines = [this](C right, C left) {
    int most = 0;
    for (C c : {right, left}) {
      const Rect r = kTimes8Units.rect(kTermPanelCells[static_cast<size_t>(c)].place);
      most = std::max(most, lineCount(cell(static_cast<int>(c)).text, r.width()));
    }
    return most;
  };
  return {lines(C::kPlantingRight, C::kPlantingLeft), lines(C::kFishingRight, C::kFishingLeft),
          sheetFont(0).cellHeight};
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
