#include "ui/widgets/save_dialog.h"

#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>

namespace lunisol::ui {
// Qt's file dialog writes the last folder and its history into the user's
// QtProject settings when it closes; the program stores nothing, so those
// writes go to a folder of its own that is removed at exit.
void KeepQtSettingsAway() {
  static QTemporaryDir scratch;
  static const bool once = [] {
    for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(f, QSettings::UserScope, scratch.path());
    return true;
  }();
  (void)once;
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath, const QString& filter) {
  KeepQtSettingsAway();
  QFileDialog dialog(parent, caption);
  // The desktop's own dialog would keep a list of recent files of its own.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.selectFile(proposedPath);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace lunisol::ui
