// lunisol: the desktop almanac.
#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "ui/dialogs/about_dialog.h"
#include "ui/main_window.h"
#include "ui/widgets/page_font.h"

using namespace lunisol::ui;

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "lunisol: %s\n", message.toLocal8Bit().constData());
  return 2;
}

std::optional<SheetKind> SheetNamed(const QString& name) {
  if (name == QLatin1String("bone")) return SheetKind::kBone;
  if (name == QLatin1String("hours")) return SheetKind::kHours;
  if (name == QLatin1String("yearly")) return SheetKind::kYearly;
  if (name == QLatin1String("zodiac")) return SheetKind::kZodiac;
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  Q_INIT_RESOURCE(lunisol);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lunisol"));
  QApplication::setApplicationVersion(QString::fromLatin1(AboutDialog::kVersion));
  QApplication::setDesktopFileName(QStringLiteral("org.lunisol.Lunisol"));
  QApplication::setFont(MakePageFont(QString::fromLatin1(kPageFace), 16).font);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Lunisol, an almanac of the Chinese lunisolar calendar, 1900-2100."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption dateOption(QStringLiteral("date"), QStringLiteral("Start on this date instead of today."),
                                      QStringLiteral("YYYY-MM-DD"));
  const QCommandLineOption grabOption(
      QStringLiteral("grab"), QStringLiteral("Render the window (or the --open sheet) into a PNG file and exit."),
      QStringLiteral("FILE.png"));
  const QCommandLineOption sizeOption(
      QStringLiteral("size"), QStringLiteral("Screen size to lay the window out for with --grab (default 1280x1024)."),
      QStringLiteral("WxH"));
  const QCommandLineOption openOption(
      QStringLiteral("open"), QStringLiteral("Open a sheet: bone, hours, yearly or zodiac."), QStringLiteral("SHEET"));
  parser.addOptions({dateOption, grabOption, sizeOption, openOption});
  parser.process(app);

  WindowOptions options;
  if (parser.isSet(dateOption)) {
    const QDate date = QDate::fromString(parser.value(dateOption), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || date.year() < 1900 || date.year() > 2100) {
      return Fail(QStringLiteral("--date wants a date from 1900-01-01 to 2100-12-31 as YYYY-MM-DD, not \"%1\"")
                      .arg(parser.value(dateOption)));
    }
    options.today = [date] { return QDateTime(date, QTime(12, 0)); };
  }
  std::optional<SheetKind> sheet;
  if (parser.isSet(openOption)) {
    sheet = SheetNamed(parser.value(openOption));
    if (!sheet) return Fail(QStringLiteral("--open wants bone, hours, yearly or zodiac"));
  }
  const bool grab = parser.isSet(grabOption);
  QSize size(1280, 1024);
  if (parser.isSet(sizeOption)) {
    const auto m = QRegularExpression(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$")).match(parser.value(sizeOption));
    if (!m.hasMatch()) return Fail(QStringLiteral("--size wants WIDTHxHEIGHT, for example 1280x1024"));
    size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
  }

  if (grab) {
    options.screen = size;
    options.showAboutOnStart = false;
    MainWindow frame(options);
    frame.setAttribute(Qt::WA_DontShowOnScreen);
    frame.resize(size);
    frame.show();
    QApplication::processEvents();
    QImage image;
    if (sheet) {
      std::unique_ptr<QDialog> dialog = frame.makeSheet(*sheet);
      if (!dialog) return Fail(QStringLiteral("the selected date has no such sheet"));
      dialog->setAttribute(Qt::WA_DontShowOnScreen);
      dialog->show();
      QApplication::processEvents();
      image = dialog->grab().toImage();
    } else {
      image = frame.grab().toImage();
    }
    if (!image.save(parser.value(grabOption), "PNG")) {
      return Fail(QStringLiteral("cannot write %1").arg(parser.value(grabOption)));
    }
    return 0;
  }

  options.showAboutOnStart = !sheet;
  MainWindow frame(options);
  // Cover the screen even where no window manager honours "maximized".
  if (const QScreen* screen = QGuiApplication::primaryScreen()) frame.setGeometry(screen->availableGeometry());
  frame.showMaximized();
  if (sheet) {
    QTimer::singleShot(0, &frame, [&frame, kind = *sheet] {
      if (auto dialog = frame.makeSheet(kind)) dialog->exec();
    });
  }
  return app.exec();
}
