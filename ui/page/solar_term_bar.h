// The panel that covers one solar-term column of the page: the term's name
// and clock time, then the planting and fishing notes of the season.
#pragma once

#include "almanac/month.h"
#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

class SolarTermBar : public CellSheet {
  Q_OBJECT

 public:
  enum cellIndex {
    kName,
    kTime,
    kPlantingHeading,
    kPlantingRight,
    kPlantingLeft,
    kFishingHeading,
    kFishingRight,
    kFishingLeft,
    kCellCount
  };

  SolarTermBar(int screenHeight, QWidget* parent);

  // Texts, colours and tips of one term; the panel's place is the page's.
  void showTerm(const TermBar& bar);
  // Fits the panel into `pageRect`: cells and frames never reach past its
  // right edge, so a narrow column still shows whole frames.
  void place(const QRect& pageRect);

  // The fishing notes end by screen height; other heights keep the template.
  static int fishingBottom(int screenHeight);
};

}  // namespace lunisol::ui
