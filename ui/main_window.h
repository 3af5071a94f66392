// The main window: the date bar of five lists and the command toolbar above
// two pages (the almanac page and the natal chart) switched by folder tabs.
// The frame owns the selection and the selected year's data; every
// calendar fact comes from the core.
#pragma once

#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QMainWindow>
#include <QStackedWidget>
#include <functional>
#include <map>
#include <memory>

#include "almanac/month.h"
#include "almanac/year_data.h"
#include "ui/dialogs/sheet_dialogs.h"

class QDialog;

namespace lunisol::ui {

class AlmanacPage;
class NatalChartPage;
class PageTabBar;

// The present moment; tests put a fixed clock in its place.
using TodayClock = std::function<QDateTime()>;
// The date a reader's own calendar shows at `moment`: the local date, not
// the date in universal time, which would show yesterday's page for the
// first eight hours of every day in Taiwan.
QDate LocalDateOf(const QDateTime& moment);
// Keeps a start-up date inside the calendar's range, 1900-01-01..2100-12-31.
QDate ClampToCalendar(const QDate& date);

enum class SheetKind { kBone, kHours, kYearly, kZodiac };

struct WindowOptions {
  QSize screen;                                    // layout screen; empty: the primary screen
  TodayClock today = &QDateTime::currentDateTime;  // read at start-up and by Home
  bool showAboutOnStart = true;                    // the about box 500 ms after start
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The toolbar's commands.
  enum class Command { BoneWeighing, HourTable, YearlyNotes, ZodiacFortune, ExportImage, Print, About };

  explicit MainWindow(WindowOptions options = {});
  ~MainWindow() override;

  // The selection, read from the lists as the handlers read it.
  int selectedYear() const;
  int selectedMonth() const;
  QString monthText() const;
  QString dayText() const;
  int selectedDay() const;
  int hourBranch() const;
  int sex() const;
  int pageIndex() const { return pageIndex_; }

  QComboBox* yearList() const { return yearList_; }
  QComboBox* monthList() const { return monthList_; }
  QComboBox* dayList() const { return dayList_; }
  QComboBox* hourList() const { return hourList_; }
  QComboBox* sexList() const { return sexList_; }
  AlmanacPage* almanacPage() const { return almanacPage_; }
  NatalChartPage* natalChartPage() const { return natalChartPage_; }
  PageTabBar* pageTabs() const { return pageTabs_; }
  QWidget* currentPage() const { return pages_->currentWidget(); }
  const YearData& yearData() const { return yearData_; }
  const MonthTermState& termState() const { return terms_; }
  QAction* commandAction(Command id) const;

  // The list events.
  void showChosenYear();
  void showChosenMonth();
  void fillDayList();
  // The page-tab notification with the new tab index.
  void switchPage(int index);
  // Page Up / Page Down: the previous or next month; Home: today's month.
  void showMonthOffset(int months);
  void showTodaysMonth();

  // A sheet for the current selection, built but not shown (null when the
  // selection has none, as for a date the converter refuses).
  std::unique_ptr<QDialog> makeSheet(SheetKind kind);

  // The commands.
  void openBoneWeighing();
  void openHourTable();
  void openYearlyNotes();
  void openZodiacFortune();
  void showAbout();
  void exportImage();
  void printPage();

  // Opens the sheets the page asks for.
  void openHourTableFor(HourTableInputs texts);
  void openYearlyNotesSheet();
  // What the sheets read of the lists and the page.
  SheetSelection selection() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void computeYearData(int year, int month);
  void buildDateBar();
  void buildToolBar();
  void buildPages();
  void selectDate(const QDate& date);
  void evaluateMonth();
  void moveToMonth(int year, int month);
  QDate today() const;
  void selectText(QComboBox* list, const QString& text);
  // Any change of the date bar: the natal chart of the birth it selects.
  void showNatalChart();

  WindowOptions options_;
  QSize screen_;
  QComboBox* yearList_ = nullptr;
  QComboBox* monthList_ = nullptr;
  QComboBox* dayList_ = nullptr;
  QComboBox* hourList_ = nullptr;
  QComboBox* sexList_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  AlmanacPage* almanacPage_ = nullptr;
  NatalChartPage* natalChartPage_ = nullptr;
  PageTabBar* pageTabs_ = nullptr;
  std::map<Command, QAction*> actions_;
  int pageIndex_ = 0;
  YearData yearData_;
  MonthTermState terms_;
  bool aboutShown_ = false;
};

}  // namespace lunisol::ui
