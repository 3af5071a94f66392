// The main window: the date bar of five lists and the command toolbar above
// two pages (the almanac page and the natal chart) switched by folder tabs.
// The frame owns the selection and the selected year's data; every
// calendar fact comes from the core.
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "almanac/month.h"
#include "almanac/year_data.h"

class QAction;
class QComboBox;
class QDialog;
class QStackedWidget;
class QToolBar;

namespace lunisol::ui {

class AlmanacPage;
class DayFinderDialog;
class NatalChartPage;
class PageTabBar;
struct SheetSelection;

// The present moment; tests put a fixed clock in its place.
using TodayClock = std::function<QDateTime()>;
// The date a reader's own calendar shows at `moment`: the local date, not
// the date in universal time, which would show yesterday's page for the
// first eight hours of every day in Taiwan.
QDate LocalDateOf(const QDateTime& moment);
// Keeps a start-up date inside the calendar's range, 1900-01-01..2100-12-31.
QDate ClampToCalendar(const QDate& date);

enum class SheetKind { kBone, kHours, kYearly, kZodiac, kDay };

struct WindowOptions {
  QSize screen;                                    // layout screen; empty: the primary screen
  QSize workArea;                                  // room for windows; empty: the primary screen's
  TodayClock today = &QDateTime::currentDateTime;  // read at start-up and by Home
  bool showAboutOnStart = true;                    // the about box once the start-up warnings are read
  bool highContrast = false;                       // start in the high-contrast view
  // Where one-time notices go (a moon-phase file that could not be used);
  // empty: a message box over the window.
  std::function<void(const QString&)> notice;
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The toolbar's commands.
  enum class Command {
    BoneWeighing,
    HourTable,
    YearlyNotes,
    ZodiacFortune,
    DaySheet,
    DayFinder,
    ExportImage,
    ExportCalendar,
    Print,
    HighContrast,
    About
  };

  explicit MainWindow(WindowOptions options = {});
  ~MainWindow() override;

  // The selection: the numbers the lists' items carry.
  int selectedYear() const;
  int selectedMonth() const;
  int selectedDay() const;
  int hourBranch() const;  // the hour list's entry: 0 = 子 .. 11 = 亥, 12 = the late 子 hour
  int sex() const;
  int pageIndex() const { return pageIndex_; }

  QComboBox* yearList() const { return yearList_; }
  QComboBox* monthList() const { return monthList_; }
  QComboBox* dayList() const { return dayList_; }
  QComboBox* hourList() const { return hourList_; }
  QComboBox* sexList() const { return sexList_; }
  QToolBar* commandBar() const { return commandBar_; }
  QToolBar* dateBar() const { return dateBar_; }
  AlmanacPage* almanacPage() const { return almanacPage_; }
  NatalChartPage* natalChartPage() const { return natalChartPage_; }
  PageTabBar* pageTabs() const { return pageTabs_; }
  QWidget* currentPage() const;
  const YearData& yearData() const { return yearData_; }
  QAction* commandAction(Command id) const;
  // The room a window of the program may take on the screen.
  QSize workArea() const;

  // The list events.
  void showChosenYear();
  void showChosenMonth();
  void fillDayList();
  // The page-tab notification with the new tab index.
  void switchPage(int index);
  // Large print of the page and the sheets, one of kZoomSteps.
  static constexpr std::array<qreal, 5> kZoomSteps{1.0, 1.25, 1.5, 1.75, 2.0};
  void setZoom(qreal zoom);
  void zoomBy(int steps);
  qreal zoom() const { return zoom_; }
  // Page Up / Page Down: the previous or next month; Home: today's month.
  void showMonthOffset(int months);
  void showTodaysMonth();
  // The high-contrast view of every text (the toolbar's toggle).
  void setHighContrast(bool on);

  // A sheet for the current selection, built at the current print and fitted
  // to the work area but not shown (null when the selection has none, as
  // for a date the converter refuses).
  std::unique_ptr<QDialog> makeSheet(SheetKind kind);

  // Opens the sheet for the current selection, or says why it cannot.
  void openSheet(SheetKind kind);

  // The commands.
  void openBoneWeighing();
  void openHourTable();
  void openYearlyNotes();
  void openZodiacFortune();
  void showAbout();
  void exportImage();
  void printPage();
  void openDaySheet();
  void openDayFinder();
  void exportCalendar();

  // Opens the sheets the page asks for: the hour table of a day of the month
  // on show, the yearly notes of the selection.
  void openHourTableFor(int day);
  void openYearlyNotesSheet();
  // The day sheet of a day of the month on show (Ctrl and a double-click).
  void openDaySheetFor(int day);
  // A day the finder found: its month on the page with its column marked,
  // the date chosen in the date bar.
  void showFoundDay(const QDate& date);
  // The finder while it is open (null otherwise), and the birth dates the
  // reader gave it: kept while the program runs, never written anywhere.
  DayFinderDialog* dayFinder() const;
  QList<QDate> finderBirths() const { return births_; }
  // What the sheets read of the lists.
  SheetSelection selection() const;

  // A warning to read before anything else (a missing font): it and the
  // moon-phase notices of the first month open one after another before the
  // about box, which never covers them.
  void warnAtStart(const QString& text);

 signals:
  // The large print changed (the pages follow it themselves; a window of
  // its own, such as an open finder, may follow this).
  void zoomChanged(qreal zoom);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void computeYearData(int year);
  void buildDateBar();
  void buildToolBar();
  void buildPages();
  void buildShortcuts();
  void setTabOrder();
  void selectDate(const QDate& date);
  void evaluateMonth();
  void moveToMonth(int year, int month);
  QDate today() const;
  // Selects the item carrying `number`.
  void selectNumber(QComboBox* list, int number);
  // Any change of the date bar: the natal chart of the birth it selects.
  void showNatalChart();
  // The day list's day as the page's focus day, with what a screen reader
  // says of it.
  void showFocusDay();
  // The day `days` after the selected one, in whichever month it falls.
  void stepDay(int days);
  // Zoom and work area for a dialog about to open.
  void present(QDialog& dialog) const;
  // One-time notices: a message box each, one after another.
  void tell(const QString& title, const QString& text);
  void showPendingNotices();
  void startUp();

  struct Notice {
    QString title, text;
    bool warning = false;
  };

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
  QToolBar* commandBar_ = nullptr;
  QToolBar* dateBar_ = nullptr;
  qreal zoom_ = 1;
  YearData yearData_;
  MonthTermState terms_;
  // The month on show and the year and month it was evaluated for.
  MonthAlmanac month_;
  int shownYear_ = 0, shownMonth_ = 0;
  std::set<std::string> noticedFiles_;  // each unusable file is told of once
  std::deque<Notice> notices_;          // waiting to be shown
  bool started_ = false;                // the start-up boxes have been shown
  bool telling_ = false;                // a notice box is open
  QPointer<DayFinderDialog> finder_;
  QList<QDate> births_;
};

}  // namespace lunisol::ui
