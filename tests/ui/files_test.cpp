// The window's files under faults: what a failed save says, saves through
// symbolic links, names that cannot be saved to refused before the replace
// question, and no trace left on the disk by Qt's file dialog.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <cstring>

#include "files/atomic_file.h"
#include "ui/widgets/save_dialog.h"

using namespace lunisol;
using namespace lunisol::ui;

namespace {

std::string Bytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool IsLink(const QString& path) {
  struct stat st {};
  return lstat(Bytes(path).c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

}  // namespace

// The common reasons in Chinese with the system's words kept for the
// details; "the old file is unchanged" only where there was one.
TEST(Files, SaveFailuresSayWhyInChinese) {
  const QString path = QStringLiteral("/x/page.bmp");
  const struct {
    int error;
    const char16_t* says;
  } kReasons[] = {{ENOSPC, u"磁碟空間不足"}, {EROFS, u"唯讀"},    {EACCES, u"權限"}, {EPERM, u"權限"},
                  {ENOENT, u"資料夾不存在"}, {EISDIR, u"資料夾"}, {ELOOP, u"迴圈"}};
  for (const auto& r : kReasons) {
    for (bool existed : {false, true}) {
      SaveResult result;
      result.systemError = r.error;
      result.targetExisted = existed;
      const QString text = SaveFailureText(path, result);
      EXPECT_TRUE(text.contains(path) && text.contains(QString::fromUtf16(r.says))) << text.toStdString();
      EXPECT_FALSE(text.contains(QString::fromLocal8Bit(std::strerror(r.error)))) << "the system's words: " << r.error;
      EXPECT_EQ(text.contains(QStringLiteral("原有的檔案沒有變動")), existed) << text.toStdString();
      EXPECT_EQ(SaveFailureDetails(result), QString::fromLocal8Bit(std::strerror(r.error)));
    }
  }
  // A reason without Chinese words of its own is said in the system's.
  SaveResult odd;
  odd.systemError = EMLINK;
  EXPECT_TRUE(SaveFailureText(path, odd).contains(QString::fromLocal8Bit(std::strerror(EMLINK))));

  // A real failure: a file in a missing folder never existed.
  QTemporaryDir dir;
  const SaveResult missing = WriteFileAtomically(Bytes(dir.filePath(QStringLiteral("no/such.bmp"))), "x");
  EXPECT_FALSE(missing.ok());
  EXPECT_FALSE(missing.targetExisted);
  EXPECT_FALSE(SaveFailureText(QStringLiteral("no/such.bmp"), missing).contains(QStringLiteral("原有的檔案")));
}

// A save over a symbolic link writes through it: to the file it names, which
// is created when the link dangles, the link staying a link; a link into a
// missing folder fails and says so; a loop of links is refused.
TEST(Files, SavesFollowSymbolicLinks) {
  QTemporaryDir dir;
  const QString link = dir.filePath(QStringLiteral("page.bmp"));
  const QString target = dir.filePath(QStringLiteral("kept/page-2009.bmp"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("kept")));
  ASSERT_EQ(symlink("kept/page-2009.bmp", Bytes(link).c_str()), 0);  // dangling, relative
  const SaveResult first = WriteFileAtomically(Bytes(link), "first");
  ASSERT_TRUE(first.ok()) << first.reason();
  EXPECT_FALSE(first.targetExisted);
  EXPECT_TRUE(IsLink(link));
  EXPECT_EQ(ReadAll(target), QByteArray("first"));
  // Through a chain of two links, replacing what is there now.
  const QString second = dir.filePath(QStringLiteral("again.bmp"));
  ASSERT_EQ(symlink(Bytes(link).c_str(), Bytes(second).c_str()), 0);
  const SaveResult replaced = WriteFileAtomically(Bytes(second), "second");
  EXPECT_TRUE(replaced.ok() && replaced.targetExisted);
  EXPECT_EQ(ReadAll(target), QByteArray("second"));
  EXPECT_TRUE(IsLink(link) && IsLink(second));

  const QString nowhere = dir.filePath(QStringLiteral("nowhere.bmp"));
  ASSERT_EQ(symlink("gone/x.bmp", Bytes(nowhere).c_str()), 0);
  const SaveResult lost = WriteFileAtomically(Bytes(nowhere), "x");
  EXPECT_EQ(lost.systemError, ENOENT);
  EXPECT_TRUE(IsLink(nowhere));

  const QString a = dir.filePath(QStringLiteral("a.bmp")), b = dir.filePath(QStringLiteral("b.bmp"));
  ASSERT_EQ(symlink("b.bmp", Bytes(a).c_str()), 0);
  ASSERT_EQ(symlink("a.bmp", Bytes(b).c_str()), 0);
  EXPECT_EQ(CheckSaveTarget(Bytes(a)).systemError, ELOOP);
  EXPECT_EQ(WriteFileAtomically(Bytes(a), "x").systemError, ELOOP);
  EXPECT_TRUE(IsLink(a) && IsLink(b));
  // A folder behind a name (or a link) is no file to write.
  const QString folderLink = dir.filePath(QStringLiteral("folder.bmp"));
  ASSERT_EQ(symlink("kept", Bytes(folderLink).c_str()), 0);
  const SaveResult folder = CheckSaveTarget(Bytes(folderLink));
  EXPECT_TRUE(folder.notRegularFile && folder.isFolder && folder.targetExisted);
  EXPECT_TRUE(SaveFailureText(folderLink, folder).contains(QStringLiteral("資料夾")));
  EXPECT_FALSE(CheckSaveTarget(Bytes(dir.filePath(QStringLiteral("new.bmp")))).targetExisted);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter(QStringLiteral(".lunisol")).size(), 0);
}

namespace {

// Answers the save dialog with `name`, then records and closes every message
// box that follows (answering a question with `replace`), until the dialog
// comes back or the question is answered.
struct DialogDriver {
  QString name;
  bool replace = false;
  QStringList told;
  int dialogs = 0;
  void step() {
    QWidget* top = QApplication::activeModalWidget();
    if (auto* files = qobject_cast<QFileDialog*>(top)) {
      if (++dialogs > 1) {
        files->reject();  // asked again: enough
        return;
      }
      files->selectFile(name);
      static_cast<QDialog*>(files)->accept();  // the dialog's own check of the name runs
    } else if (auto* box = qobject_cast<QMessageBox*>(top)) {
      told << box->text();
      const bool question = box->standardButtons() & QMessageBox::Yes;
      box->button(question ? (replace ? QMessageBox::Yes : QMessageBox::No) : QMessageBox::Ok)->click();
    }
  }
};

QString Ask(DialogDriver& driver) {
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { driver.step(); });
  timer.start(10);
  return AskSaveFileName(nullptr, QStringLiteral("存 檔"), driver.name, QStringLiteral("BMP 圖檔 (*.bmp)"));
}

}  // namespace

// A FIFO, a device or a folder under the chosen name is refused before any
// replace question; an existing file is replaced only when the reader says
// yes; and the dialog leaves no settings file anywhere.
TEST(Files, TheSaveDialogRefusesFirstAndLeavesNoTrace) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath(QStringLiteral("pipe.bmp"));
  ASSERT_EQ(mkfifo(Bytes(fifo).c_str(), 0600), 0);
  DialogDriver toFifo{fifo};
  EXPECT_TRUE(Ask(toFifo).isEmpty());
  ASSERT_EQ(toFifo.told.size(), 1) << toFifo.told.join(u'|').toStdString();
  EXPECT_TRUE(toFifo.told[0].contains(QStringLiteral("不是一般檔案")));
  EXPECT_EQ(toFifo.dialogs, 2);  // asked again for another name

  const QString old = dir.filePath(QStringLiteral("old.bmp"));
  QFile(old).open(QIODevice::WriteOnly);
  DialogDriver keep{old, false};
  EXPECT_TRUE(Ask(keep).isEmpty());
  ASSERT_EQ(keep.told.size(), 1);
  EXPECT_TRUE(keep.told[0].contains(QStringLiteral("old.bmp")) && keep.told[0].contains(QStringLiteral("取代")));
  DialogDriver replace{old, true};
  EXPECT_EQ(Ask(replace), old);

  // Qt's dialog keeps its history in the QtProject settings: nowhere a file
  // can be made, so even a killed program leaves none behind.
  const QSettings qtProject(QSettings::UserScope, QStringLiteral("QtProject"));
  EXPECT_TRUE(qtProject.fileName().startsWith(QStringLiteral("/dev/null/"))) << qtProject.fileName().toStdString();
  EXPECT_FALSE(QFile::exists(qtProject.fileName()));
  QSettings write(QSettings::UserScope, QStringLiteral("QtProject"));
  write.setValue(QStringLiteral("FileDialog/lastVisited"), dir.path());
  write.sync();
  EXPECT_NE(write.status(), QSettings::NoError);
  EXPECT_TRUE(QDir::temp().entryList({QStringLiteral("lunisol-*")}, QDir::Dirs).isEmpty());
}
