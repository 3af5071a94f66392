// The day sheet (日課): one day's date, 值神 and 建除, its 吉神 and 凶煞, what
// it suits (宜) and forbids (忌) each with its reasons, its 沖煞 and 彭祖百忌,
// and the rules the lists follow. It opens on the almanac's list (the words
// and folk marks a farmer's almanac prints); a button turns to the book's
// full lists of 《欽定協紀辨方書》 and back. Hovering or clicking a name shows
// why it is there and where its source places it.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "almanac/lookups.h"
#include "days/almanac_list.h"
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
  AlmanacList almanac;
  int weekday = 0;                             // 0 = Sunday
  int lunarYearCycle = 0;                      // the lunar year's pillar, 0 = 甲子
  ColouredText clash, yearSha;                 // the page's 沖 and 煞 cells
  std::u16string_view stemTaboo, branchTaboo;  // 彭祖百忌 of the day's stem and branch
};

// The facts of a Gregorian date; nothing for a date outside 1900–2100 or
// one that does not exist.
std::optional<DaySheetFacts> DaySheetFactsOf(int year, int month, int day);

enum class DaySheetView { kAlmanac, kBook };

class DaySheetDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DaySheetDialog(const DaySheetFacts& facts, QWidget* parent = nullptr);

  // The view on show and its parts; the other view's sheet is hidden.
  DaySheetView view() const { return view_; }
  void showView(DaySheetView view);
  QPushButton* viewButton() const { return viewButton_; }
  CellSheet* sheet() const { return shown().sheet; }
  QPushButton* printButton() const { return print_; }
  const DaySheetBands& bands() const { return shown().bands; }
  const Cell& placeCell(DayPlace place) const;
  // The cells of the lists as shown: item i of the 宜 (ji false) or 忌 list,
  // the word and its reasons; what shownItems counts.
  int shownItems(bool ji) const { return static_cast<int>(shown().items[ji].size()); }
  const Cell& itemCell(bool ji, int i) const;
  const Cell& reasonsCell(bool ji, int i) const;
  // Slot 0..19 of the 吉神 (bad false) or 凶煞 names; empty slots are hidden.
  const Cell& spiritCell(bool bad, int slot) const;

  // Paints the view on show onto `printer`'s page, fitted to it and as sharp
  // as the printer prints.
  void printTo(QPrinter& printer);
  // The print dialog, then the sheet on one sheet of paper.
  void print();

 protected:
  // A click on a name shows its tip at once, as hovering does after a while.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One view: its sheet, its bands and where its cells are.
  struct View {
    CellSheet* sheet = nullptr;
    DaySheetBands bands;
    std::array<int, kDayPlaceCount> places{};
    std::array<int, 2> firstSpirit{};
    std::array<std::vector<int>, 2> items;  // the word cell of each item; its reasons follow it
  };
  const View& shown() const { return views_[static_cast<size_t>(view_)]; }
  void buildView(DaySheetView which, const DaySheetFacts& facts);
  void addPlaces(View& v, DaySheetView which, const DaySheetFacts& facts);
  void addPlaceTips(View& v, const DayLists& lists);
  void addSpirits(View& v, const DayLists& lists);
  void addBookLists(View& v, const DayLists& lists);
  void addAlmanacLists(View& v, const DaySheetFacts& facts);
  void addItem(View& v, bool ji, const QString& name, const QString& reasons, const QString& tip, const QColor& colour);
  void addFrames(View& v);
  void addButtons(int top);

  std::array<View, 2> views_;
  DaySheetView view_ = DaySheetView::kAlmanac;
  QWidget* bar_ = nullptr;
  QPushButton* viewButton_ = nullptr;
  QPushButton* print_ = nullptr;
};

// The day sheet of the selection's date, or null when it has none.
std::unique_ptr<QDialog> MakeDaySheetDialog(const SheetSelection& selection, QWidget* parent);

}  // namespace lunisol::ui
