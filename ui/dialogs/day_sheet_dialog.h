// The day sheet (日課): one day's date, 值神 and 建除, its 吉神 and 凶煞, the
// activities it suits (宜) and forbids (忌) each with the spirits that
// decided it, its 沖煞 and 彭祖百忌, and the rule set the lists follow.
// Hovering or clicking a name shows why it is there and where the book
// places it.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "almanac/lookups.h"
#include "days/day_lists.h"
#include "layout/day_sheet_layout.h"
#include "ui/dialogs/sheet_dialogs.h"

class QPrinter;
class QPushButton;

namespace lunisol::ui {

class CellSheet;
struct Cell;

// What the sheet shows, as the core gives it.
struct DaySheetFacts {
  DayLists lists;
  int weekday = 0;                             // 0 = Sunday
  int lunarYearCycle = 0;                      // the lunar year's pillar, 0 = 甲子
  ColouredText clash, yearSha;                 // the page's 沖 and 煞 cells
  std::u16string_view stemTaboo, branchTaboo;  // 彭祖百忌 of the day's stem and branch
};

// The facts of a Gregorian date; nothing for a date outside 1900–2100 or
// one that does not exist.
std::optional<DaySheetFacts> DaySheetFactsOf(int year, int month, int day);

class DaySheetDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DaySheetDialog(const DaySheetFacts& facts, QWidget* parent = nullptr);

  CellSheet* sheet() const { return sheet_; }
  QPushButton* printButton() const { return print_; }
  const DaySheetBands& bands() const { return bands_; }
  const Cell& placeCell(DayPlace place) const;
  // The cells of the lists as shown: item i of the 宜 (ji false) or 忌 list,
  // the activity and its reasons; what shownItems counts.
  int shownItems(bool ji) const { return static_cast<int>(items_[ji].size()); }
  const Cell& itemCell(bool ji, int i) const;
  const Cell& reasonsCell(bool ji, int i) const;
  // Slot 0..19 of the 吉神 (bad false) or 凶煞 names; empty slots are hidden.
  const Cell& spiritCell(bool bad, int slot) const;

  // Paints the sheet onto `printer`'s page, fitted to it and as sharp as
  // the printer prints.
  void printTo(QPrinter& printer);
  // The print dialog, then the sheet on one sheet of paper.
  void print();

 protected:
  // A click on a name shows its tip at once, as hovering does after a while.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addPlaces(const DaySheetFacts& facts);
  void addPlaceTips(const DayLists& lists);
  void addSpirits(const DayLists& lists);
  void addLists(const DayLists& lists);
  void addItem(bool ji, const QString& name, const QString& reasons, const QString& tip, const QColor& colour);
  void addFrames();
  void addButtons(int top);

  DaySheetBands bands_;
  CellSheet* sheet_ = nullptr;
  QPushButton* print_ = nullptr;
  std::array<int, kDayPlaceCount> places_{};
  std::array<int, 2> firstSpirit_{};
  std::array<std::vector<int>, 2> items_;  // the activity cell of each item; its reasons follow it
};

// The day sheet of the selection's date, or null when it has none.
std::unique_ptr<QDialog> MakeDaySheetDialog(const SheetSelection& selection, QWidget* parent);

}  // namespace lunisol::ui
