// The day finder (擇日): the days of a range whose almanac list notes a word
// 宜, leaving out the days that clash with the birth year of one or two
// people (a wedding couple), as a list that can be taken to the page
// (double-click) or saved as text or CSV. It searches again whenever a field
// changes; ten years take a few milliseconds.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "days/day_finder.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace lunisol::ui {

class DayFinderDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kBirthFields = 2;

  // The range starts on `today` and runs three months; `births` are the
  // birth dates the reader gave earlier in this run of the program.
  DayFinderDialog(const QDate& today, const QList<QDate>& births, QWidget* parent = nullptr);
  ~DayFinderDialog() override;

  QComboBox* activityList() const { return activity_; }
  QDateEdit* fromEdit() const { return from_; }
  QDateEdit* toEdit() const { return to_; }
  // Birth date field 0 or 1; its lowest date reads 不指定.
  QDateEdit* birthEdit(int i) const { return birth_[static_cast<size_t>(i)]; }
  QCheckBox* bestFirstBox() const { return bestFirst_; }
  QTreeWidget* results() const { return results_; }
  QLabel* status() const { return status_; }
  QPushButton* exportButton() const { return export_; }

  // What the list's text names (an almanac word or one of the book's
  // sixty), if anything.
  std::optional<ChooseTarget> chosenTarget() const;
  // The birth dates given, in field order.
  QList<QDate> births() const;
  // The search the fields ask for, and its result as listed.
  ChooseRequest request() const;
  const std::vector<ChosenDay>& days() const { return days_; }

  // Searches for the fields as they stand and lists the days.
  void search();
  // The list as a text to read, and as CSV for spreadsheet programs (UTF-8
  // with a byte-order mark, which they need to read the Chinese); both name
  // the word, the range, the birth dates and the order first.
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
  void birthsChanged(const QList<QDate>& births);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void buildForm(const QDate& today, const QList<QDate>& births);
  QFormLayout* buildCriteria(const QDate& today, const QList<QDate>& births);
  QTreeWidget* buildResults();
  void connectFields();
  void fillActivities();
  void listDays();
  void fitColumns();
  void showAnimals();
  // The search's word, range, people and order, one line each.
  QStringList headingLines() const;

  QComboBox* activity_ = nullptr;
  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  std::array<QDateEdit*, kBirthFields> birth_{};
  QLabel* animals_ = nullptr;
  QCheckBox* bestFirst_ = nullptr;
  QTreeWidget* results_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* export_ = nullptr;
  std::vector<ChosenDay> days_;
  ChooseRequest searched_{};  // the request days_ answers
  QList<QDate> searchedBirths_;
};

}  // namespace lunisol::ui
