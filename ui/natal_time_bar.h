// The time bar under the natal chart: the 童限 and the twelve 大限 as
// buttons, a year, month and day to read the chart on, and 今 for today.
// It only shows and asks; the page decides which date a choice means.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QToolButton>
#include <QWidget>
#include <vector>

#include "natal/chart.h"

namespace lunisol::ui {

// One button of the bar: a 大限 (or the 童限) by its ages.
struct DecadeChoice {
  int from = 0, to = 0;
  QString label;  // "3~12"
  QString tip;    // what the 大限 is: its palace, stem and branch, years
  bool enabled = true;
};

class NatalTimeBar : public QWidget {
  Q_OBJECT

 public:
  explicit NatalTimeBar(QWidget* parent = nullptr);

  void setDecades(const std::vector<DecadeChoice>& decades);
  // The years the pickers offer.
  void setYears(int first, int last);
  // Shows `date` in the pickers and checks decade button `decade` (−1: none)
  // without asking for anything.
  void showDate(const SolarDate& date, int decade);
  SolarDate pickedDate() const;
  // Large print, as the rest of the window.
  void setZoom(qreal zoom);

  QToolButton* decadeButton(int index) const { return decades_.at(static_cast<size_t>(index)); }
  int decadeCount() const { return static_cast<int>(decades_.size()); }
  QComboBox* yearList() const { return year_; }
  QComboBox* monthList() const { return month_; }
  QComboBox* dayList() const { return day_; }
  QToolButton* todayButton() const { return today_; }

 signals:
  void decadeChosen(int index);
  void dateChosen(SolarDate date);
  void todayChosen();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildPickers();
  void fillDays(int year, int month);
  void pickerChanged();
  void fitButtons();
  // The pickers beside the decades when both fit the width, under them
  // otherwise.
  void arrange();

  QWidget* decadeRow_;
  QWidget* pickerRow_;
  QGridLayout* grid_;
  QButtonGroup* group_;
  std::vector<QToolButton*> decades_;
  QComboBox* year_ = nullptr;
  QComboBox* month_ = nullptr;
  QComboBox* day_ = nullptr;
  QToolButton* today_ = nullptr;
  int firstYear_ = 1900;
  bool quiet_ = false;
};

}  // namespace lunisol::ui
