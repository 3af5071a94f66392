// 匯出行事曆: the almanac as an iCalendar file for a phone's or a desktop's
// calendar program. The reader picks the parts and the years; the file is
// written whole or not at all, after a warning when it grows past what
// calendar services read.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "ical/calendar_events.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace lunisol::ui {

class CalendarExportDialog : public QDialog {
  Q_OBJECT

 public:
  // The years start as `year` alone; the parts as the calendar's defaults.
  explicit CalendarExportDialog(int year, QWidget* parent = nullptr);

  QCheckBox* partBox(CalendarPart part) const { return parts_[static_cast<size_t>(part)]; }
  QSpinBox* fromYear() const { return from_; }
  QSpinBox* toYear() const { return to_; }

  // What the check boxes and years ask for (宜/忌 by the rule book).
  CalendarRequest request() const;
  // "lunisol-2026.ics", "lunisol-2025-2027.ics".
  QString proposedName() const;

  // Where the reader is told things: a message box over the dialog unless a
  // test puts its own in place. `ask` answers a yes-or-no question.
  std::function<void(const QString&)> tell;
  std::function<bool(const QString&)> ask;

  // Writes the calendar to `path` whole, after asking whether to go on when
  // it passes kLargeCalendarBytes. False when nothing was written (the
  // reader said no, or the write failed and was told why).
  bool saveTo(const QString& path);
  // The save button: asks for a file name, then saveTo; closes on success.
  void save();

 private:
  void keepYearsInOrder(QSpinBox* moved);
  void followYiJi();

  std::array<QCheckBox*, kCalendarPartCount> parts_{};
  QSpinBox* from_ = nullptr;
  QSpinBox* to_ = nullptr;
  DayAdviceSource advice_;
  QString details_;  // the system's words on a failed save, for the box's details
};

}  // namespace lunisol::ui
