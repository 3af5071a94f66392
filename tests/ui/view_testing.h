// What the view tests share: a window that starts on a fixed moment, and
// catching the modal dialog a command opens.
#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QTimer>
#include <functional>

#include "ui/dialogs/sheet_dialogs.h"
#include "ui/main_window.h"

namespace lunisol::ui::testing {

// A window laid out for 1280 × 1024 (and as much room for dialogs) whose
// clock reads `moment`, without the about box.
inline WindowOptions At(QDateTime moment) {
  WindowOptions o;
  o.screen = QSize(1280, 1024);
  o.workArea = QSize(1280, 1024);
  o.today = [moment] { return moment; };
  o.showAboutOnStart = false;
  return o;
}
// The same at noon of a date.
inline WindowOptions OnDate(int y, int m, int d) { return At(QDateTime(QDate(y, m, d), QTime(12, 0))); }

// Runs `open`, which should open a modal dialog of type D, hands that dialog
// to `inspect` and closes it. False when no such dialog came up.
template <typename D>
bool CatchModal(
    const std::function<void()>& open, const std::function<void(D&)>& inspect = [](D&) {}) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
      seen = true;
      inspect(*d);
      d->reject();
    }
  });
  open();
  QCoreApplication::processEvents();
  return seen;
}

}  // namespace lunisol::ui::testing
