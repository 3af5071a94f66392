// The panel that covers one solar-term column of the page: the term's name
// and clock time, then the planting and fishing notes of the season.
#pragma once

#include "almanac/month.h"
#include "layout/term_panel_layout.h"
#include "ui/widgets/cell_sheet.h"

namespace lunisol::ui {

class SolarTermBar : public CellSheet {
  Q_OBJECT

 public:
  SolarTermBar(int screenHeight, QWidget* parent);

  // Texts, colours and tips of one term; the panel's place is the page's.
  void showTerm(const TermBar& bar);
  // Fits the panel into `pageRect` (page layout pixels) on a page shown at
  // `zoom`: its frames never reach past its right edge, so a narrow column
  // still shows whole frames.
  void place(const QRect& pageRect, qreal zoom = 1);
  // The page was laid out for another height.
  void setScreenHeight(int screenHeight) { screenHeight_ = screenHeight; }

 private:
  // The lines the notes shown take at their columns' widths.
  TermPanelNeeds needs() const;

  int screenHeight_;
};

}  // namespace lunisol::ui
