// The day finder (擇日): the days of a range that suit an activity and do
// not clash with the reader's birth year, as a list that can be taken to the
// page (double-click) or saved as text or CSV. It searches again whenever a
// field changes; ten years take a few milliseconds.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDialog>
#include <optional>
#include <vector>

#include "days/day_finder.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace lunisol::ui {

class DayFinderDialog : public QDialog {
  Q_OBJECT

 public:
  // The range starts on `today` and runs three months; `birthYear` is the
  // one the reader gave earlier in this run of the program.
  DayFinderDialog(const QDate& today, std::optional<int> birthYear, QWidget* parent = nullptr);
  ~DayFinderDialog() override;

  QComboBox* activityList() const { return activity_; }
  QDateEdit* fromEdit() const { return from_; }
  QDateEdit* toEdit() const { return to_; }
  QSpinBox* birthYearBox() const { return birthYear_; }
  QCheckBox* bestFirstBox() const { return bestFirst_; }
  QTreeWidget* results() const { return results_; }
  QLabel* status() const { return status_; }
  QPushButton* exportButton() const { return export_; }

  // The activity the list's text names (the book's word or the almanac's),
  // if any.
  std::optional<ActivityId> chosenActivity() const;
  std::optional<int> birthYear() const;
  // The search the fields ask for, and its result as listed.
  ChooseRequest request() const;
  const std::vector<ChosenDay>& days() const { return days_; }

  // Searches for the fields as they stand and lists the days.
  void search();
  // The list as a text to read, and as CSV for spreadsheet programs (UTF-8
  // with a byte-order mark, which they need to read the Chinese).
  QByteArray listText() const;
  QByteArray listCsv() const;
  // Writes the list to `path`, as CSV when its name ends in .csv, else as
  // text; whole or not at all. False after telling the reader why.
  bool saveList(const QString& path);
  // Asks for a file name and saves the list there.
  void exportList();

 signals:
  // The reader double-clicked the day: show it on the page.
  void dateChosen(const QDate& date);
  // 0 when the reader cleared it.
  void birthYearChanged(int year);

 private:
  void buildForm(const QDate& today, std::optional<int> birthYear);
  QFormLayout* buildCriteria(const QDate& today, std::optional<int> birthYear);
  QTreeWidget* buildResults();
  void connectFields();
  void fillActivities();
  void listDays();
  void showAnimal();
  QString heading() const;

  QComboBox* activity_ = nullptr;
  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  QSpinBox* birthYear_ = nullptr;
  QLabel* animal_ = nullptr;
  QCheckBox* bestFirst_ = nullptr;
  QTreeWidget* results_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* export_ = nullptr;
  std::vector<ChosenDay> days_;
  ChooseRequest searched_{};  // the request days_ answers
};

}  // namespace lunisol::ui
