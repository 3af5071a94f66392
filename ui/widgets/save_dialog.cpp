#include "ui/widgets/save_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <cerrno>
#include <cstring>

namespace lunisol::ui {
namespace {

// The folder of the last save, while the program runs.
QString& LastFolder() {
  static QString folder;
  return folder;
}

QString ReasonInChinese(const SaveResult& r) {
  if (r.isFolder) return QStringLiteral("這個名稱是一個資料夾");
  if (r.notRegularFile) return QStringLiteral("這個名稱不是一般檔案（例如裝置或管道），不能存在這個名稱下");
  switch (r.systemError) {
    case ENOSPC:
    case EDQUOT:
      return QStringLiteral("磁碟空間不足");
    case EFBIG:
      return QStringLiteral("檔案超過系統允許的大小");
    case EROFS:
      return QStringLiteral("磁碟是唯讀的");
    case EACCES:
    case EPERM:
      return QStringLiteral("沒有寫入這個資料夾或檔案的權限");
    case ENOENT:
    case ENOTDIR:
      return QStringLiteral("資料夾不存在");
    case EISDIR:
      return QStringLiteral("這個名稱是一個資料夾");
    case ELOOP:
      return QStringLiteral("符號連結繞成了迴圈，找不到真正的檔案");
    default:
      return {};
  }
}

bool AskToReplace(QWidget* parent, const QString& path) {
  return QMessageBox::question(parent, QStringLiteral("存檔"),
                               QStringLiteral("「%1」已經存在，要取代它嗎？").arg(QFileInfo(path).fileName()),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

void KeepQtSettingsAway() {
  // Qt's file dialog writes the last folder and its history into the
  // user's QtProject settings when it closes. Below /dev/null no folder can
  // be made, so the write fails quietly and nothing is left behind, even by
  // a program that is killed.
  static const bool once = [] {
    for (QSettings::Format f : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(f, QSettings::UserScope, QStringLiteral("/dev/null/lunisol"));
    return true;
  }();
  (void)once;
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath, const QString& filter) {
  KeepQtSettingsAway();
  QString proposed = proposedPath;
  if (!LastFolder().isEmpty()) proposed = QDir(LastFolder()).filePath(QFileInfo(proposedPath).fileName());
  for (;;) {
    QFileDialog dialog(parent, caption);
    // The desktop's own dialog would keep a list of recent files of its own.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The replace question comes after the name is known to be usable.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    proposed = path;
    const SaveResult check = CheckSaveTarget(QFile::encodeName(path).toStdString());
    if (!check.ok() && (check.notRegularFile || check.systemError == ELOOP)) {
      ShowSaveFailure(parent, path, check);
      continue;
    }
    if (check.targetExisted && !AskToReplace(parent, path)) continue;
    LastFolder() = QFileInfo(path).absolutePath();
    return path;
  }
}

QString SaveFailureText(const QString& path, const SaveResult& result) {
  const QString reason = ReasonInChinese(result);
  QString text =
      QStringLiteral("無法存檔「%1」：\n%2。").arg(path, reason.isEmpty() ? SaveFailureDetails(result) : reason);
  if (result.targetExisted && !result.notRegularFile) text += QStringLiteral("\n原有的檔案沒有變動。");
  return text;
}

QString SaveFailureDetails(const SaveResult& result) {
  if (result.isFolder) return QString::fromLocal8Bit(std::strerror(EISDIR));
  return QString::fromLocal8Bit(result.reason().c_str());
}

void ShowSaveFailure(QWidget* parent, const QString& path, const SaveResult& result) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("警告視窗"), SaveFailureText(path, result), QMessageBox::Ok,
                  parent);
  box.setDetailedText(SaveFailureDetails(result));
  box.exec();
}

}  // namespace lunisol::ui
