// lunisol: the desktop almanac.
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "files/atomic_file.h"
#include "ui/application.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/day_finder_dialog.h"
#include "ui/main_window.h"
#include "ui/natal_chart_page.h"
#include "ui/page/almanac_page.h"
#include "ui/widgets/page_tab_bar.h"

using namespace lunisol;
using namespace lunisol::ui;

namespace {

// Larger pictures would take gigabytes for no page anyone can read.
constexpr int kLargestGrabSide = 8192;
constexpr int kSmallestGrabSide = 320;

int Fail(const QString& message) {
  std::fprintf(stderr, "lunisol: %s\n", message.toLocal8Bit().constData());
  return 2;
}

std::optional<SheetKind> SheetNamed(const QString& name) {
  if (name == QLatin1String("bone")) return SheetKind::kBone;
  if (name == QLatin1String("hours")) return SheetKind::kHours;
  if (name == QLatin1String("yearly")) return SheetKind::kYearly;
  if (name == QLatin1String("zodiac")) return SheetKind::kZodiac;
  if (name == QLatin1String("day")) return SheetKind::kDay;
  return std::nullopt;
}

// Where the window starts, past the date: the page and the natal chart's
// hour and sex lists.
struct StartChoice {
  int page = 0;  // 0 the almanac, 1 the natal chart
  qreal zoom = 1;
  std::optional<int> hour;
  std::optional<int> sex;     // 0 男, 1 女
  bool finder = false;        // the day finder open
  std::optional<int> tipDay;  // with --grab: the page with this day's 宜/忌 tip shown
  std::optional<QDate> at;    // the day the natal chart is read on (its time bar)
};

std::optional<int> PageNamed(const QString& name) {
  if (name == QLatin1String("almanac")) return 0;
  if (name == QLatin1String("natal")) return 1;
  return std::nullopt;
}

// 0..12 (12: the late 子 hour, 23 to 24 h), or the hour's branch 子..亥.
std::optional<int> HourNamed(const QString& text) {
  static const QString kBranches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
  if (text.size() == 1 && kBranches.contains(text)) return static_cast<int>(kBranches.indexOf(text));
  if (!QRegularExpression(QStringLiteral("^[0-9]{1,2}$")).match(text).hasMatch()) return std::nullopt;
  const int hour = text.toInt();
  if (hour > 12) return std::nullopt;
  return hour;
}

std::optional<int> SexNamed(const QString& text) {
  if (text == QStringLiteral("男") || text.compare(QLatin1String("m"), Qt::CaseInsensitive) == 0) return 0;
  if (text == QStringLiteral("女") || text.compare(QLatin1String("f"), Qt::CaseInsensitive) == 0) return 1;
  return std::nullopt;
}

void ApplyStart(MainWindow& frame, const StartChoice& start) {
  frame.setZoom(start.zoom);
  if (start.hour) frame.hourList()->setCurrentIndex(*start.hour);
  if (start.sex) frame.sexList()->setCurrentIndex(*start.sex);
  if (start.at) frame.natalChartPage()->showDate({start.at->year(), start.at->month(), start.at->day()});
  if (start.page != 0) {
    frame.pageTabs()->setCurrentIndex(start.page);
    frame.switchPage(start.page);
  }
}

struct Options {
  QCommandLineOption date{QStringLiteral("date"), QStringLiteral("Start on this date instead of today."),
                          QStringLiteral("YYYY-MM-DD")};
  QCommandLineOption grab{QStringLiteral("grab"),
                          QStringLiteral("Render the window (or the --open sheet) into a PNG file and exit."),
                          QStringLiteral("FILE.png")};
  QCommandLineOption size{QStringLiteral("size"),
                          QStringLiteral("Screen size to lay the window out for with --grab (default 1280x1024)."),
                          QStringLiteral("WxH")};
  QCommandLineOption available{
      QStringLiteral("available"),
      QStringLiteral("With --grab: the window's size within that screen, as a desktop with panels leaves it."),
      QStringLiteral("WxH")};
  QCommandLineOption open{
      QStringLiteral("open"),
      QStringLiteral("Open a sheet: bone, hours, yearly, zodiac or day; or the day finder: finder."),
      QStringLiteral("SHEET")};
  QCommandLineOption tip{QStringLiteral("tip"),
                         QStringLiteral("With --grab: the page with the 宜/忌 tip of this day of the month shown, as "
                                        "hovering over the day shows it."),
                         QStringLiteral("DAY")};
  QCommandLineOption page{QStringLiteral("page"),
                          QStringLiteral("Start on this page: almanac (the default) or natal (the 紫微斗數 chart)."),
                          QStringLiteral("PAGE")};
  QCommandLineOption hour{
      QStringLiteral("hour"),
      QStringLiteral("The birth hour for the natal chart: 0 (子, 0-1 h) to 11 (亥), 12 (子, 23-24 h, charted as the "
                     "next day's 子 hour), or the branch itself."),
      QStringLiteral("HOUR")};
  QCommandLineOption zoom{QStringLiteral("zoom"),
                          QStringLiteral("Large print: 100 (as laid out), 125, 150, 175 or 200 per cent."),
                          QStringLiteral("PERCENT")};
  QCommandLineOption at{QStringLiteral("at"),
                        QStringLiteral("Read the natal chart on this date (its 大限, 流年 …) instead of today."),
                        QStringLiteral("YYYY-MM-DD")};
  QCommandLineOption sex{QStringLiteral("sex"), QStringLiteral("The sex for the natal chart: 男 or 女 (also m or f)."),
                         QStringLiteral("SEX")};
  QCommandLineOption contrast{QStringLiteral("contrast"),
                              QStringLiteral("Start in the high-contrast view: every text dark enough to read at "
                                             "4.5:1 on its ground.")};

  void addTo(QCommandLineParser& parser) const {
    parser.setApplicationDescription(
        QStringLiteral("Lunisol 農民曆, an almanac of the Chinese lunisolar calendar, 1900-2100."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({date, grab, size, available, open, page, hour, sex, at, zoom, contrast, tip});
  }
};

// --help and --version need no window: answer them before a display is
// asked for, so they work on a console without one.
bool AsksOnlyForText(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    for (const char* flag : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
      if (std::strcmp(argv[i], flag) == 0) return true;
  }
  return false;
}

int AnswerText(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("lunisol"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(AboutDialog::kVersion));
  QCommandLineParser parser;
  Options().addTo(parser);
  parser.process(app);  // prints and exits
  return 0;
}

// The bytes of the --grab value exactly as given: a file name need not be
// valid UTF-8, and a decoded and re-encoded name would be another file.
std::string RawOptionValue(int argc, char* argv[], const char* name) {
  const std::string flag = std::string("--") + name;
  for (int i = 1; i < argc; ++i) {
    if (flag == argv[i] && i + 1 < argc) return argv[i + 1];
    if (std::strncmp(argv[i], (flag + "=").c_str(), flag.size() + 1) == 0) return argv[i] + flag.size() + 1;
  }
  return {};
}

// The arguments as the program's own parser should see them: without the
// options QApplication takes for itself (-platform offscreen, -style …),
// which it removes only once it exists, and which are read here before it
// does so that a mistake is told without a display.
QStringList ProgramArguments(int argc, char* argv[]) {
  static const QStringList kQtWithValue{QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
                                        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
                                        QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
                                        QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
                                        QStringLiteral("session"),       QStringLiteral("style"),
                                        QStringLiteral("stylesheet"),    QStringLiteral("display"),
                                        QStringLiteral("geometry"),      QStringLiteral("name"),
                                        QStringLiteral("title")};
  static const QStringList kQtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                    QStringLiteral("dograb")};
  QStringList args{QString::fromLocal8Bit(argv[0])};
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    QString word = arg.startsWith(QLatin1String("--")) ? arg.mid(2) : arg.mid(1);
    if (!arg.startsWith(u'-')) word.clear();
    const QString key = word.section(u'=', 0, 0);
    if (kQtFlags.contains(word)) continue;
    if (kQtWithValue.contains(key)) {
      if (!word.contains(u'=')) ++i;  // the value follows
      continue;
    }
    args << arg;
  }
  return args;
}

std::optional<QSize> ParseSize(const QString& text) {
  const auto m = QRegularExpression(QStringLiteral("^(\\d{1,6})x(\\d{1,6})$")).match(text);
  if (!m.hasMatch()) return std::nullopt;
  const QSize size(m.captured(1).toInt(), m.captured(2).toInt());
  for (int side : {size.width(), size.height()})
    if (side < kSmallestGrabSide || side > kLargestGrabSide) return std::nullopt;
  return size;
}

int SavePng(const QImage& image, const std::string& path) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return Fail(QStringLiteral("cannot encode the picture"));
  const SaveResult saved =
      WriteFileAtomically(path, std::string_view(png.constData(), static_cast<size_t>(png.size())));
  if (!saved.ok()) {
    std::fprintf(stderr, "lunisol: cannot write %s: %s\n", path.c_str(), saved.reason().c_str());
    return 1;
  }
  return 0;
}

// The window with the tip the page shows over a day's number, laid on the
// picture where the tip stands (a tip is a window of its own).
std::optional<QImage> GrabWithTip(MainWindow& frame, int day) {
  AlmanacPage* page = frame.almanacPage();
  if (!page->markDay(day)) return std::nullopt;
  QApplication::processEvents();
  CellSheet* sheet = page->sheet();
  const int index = AlmanacPage::cellIndex(page->elementOfDay(day), lunisol::PageRow::kDayNumber);
  const QRect cell = sheet->toWidget(sheet->cell(index).rect);
  ShowSheetTip(sheet->mapToGlobal(cell.center()), sheet->cellTip(index), sheet, cell);
  QApplication::processEvents();
  QImage image = frame.grab().toImage();
  QPainter painter(&image);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->inherits("QTipLabel") && w->isVisible()) painter.drawPixmap(frame.mapFromGlobal(w->pos()), w->grab());
  return image;
}

void Complain(const QString& text) { std::fprintf(stderr, "lunisol: %s\n", text.toLocal8Bit().constData()); }

int Grab(WindowOptions options, const StartChoice& start, std::optional<SheetKind> sheet, QSize window,
         const std::string& path) {
  options.showAboutOnStart = false;
  options.notice = Complain;
  options.workArea = window;
  // A picture without a Chinese face is a page of boxes: say so, and what
  // to install, though the picture is still written.
  if (const QString fonts = MissingChineseFaceNotice(QFontDatabase::families()); !fonts.isEmpty()) Complain(fonts);
  MainWindow frame(options);
  ApplyStart(frame, start);
  frame.setAttribute(Qt::WA_DontShowOnScreen);
  frame.resize(window);
  frame.show();
  QApplication::processEvents();
  QImage image;
  if (start.tipDay) {
    const std::optional<QImage> tipped = GrabWithTip(frame, *start.tipDay);
    if (!tipped) return Fail(QStringLiteral("the month on show has no day %1").arg(*start.tipDay));
    image = *tipped;
  } else if (start.finder) {
    frame.openDayFinder();
    QApplication::processEvents();
    image = frame.dayFinder()->grab().toImage();
  } else if (sheet) {
    std::unique_ptr<QDialog> dialog = frame.makeSheet(*sheet);
    if (!dialog) return Fail(QStringLiteral("the selected date has no such sheet"));
    dialog->setAttribute(Qt::WA_DontShowOnScreen);
    dialog->show();
    QApplication::processEvents();
    image = dialog->grab().toImage();
  } else {
    image = frame.grab().toImage();
  }
  return SavePng(image, path);
}

// How the program was asked to start.
struct Launch {
  WindowOptions options;
  StartChoice start;
  std::optional<SheetKind> sheet;
  QSize screen{1280, 1024};  // the screen --grab lays out for
  QSize window;              // the window within it (--available)
};

// The date, sheet or finder, tip, page, hour, sex and zoom to start with; an empty text, or
// why an option cannot be used.
QString ReadStart(const QCommandLineParser& parser, const Options& opt, Launch& l) {
  if (parser.isSet(opt.date)) {
    const QDate date = QDate::fromString(parser.value(opt.date), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || date.year() < 1900 || date.year() > 2100)
      return QStringLiteral("--date wants a date from 1900-01-01 to 2100-12-31 as YYYY-MM-DD, not \"%1\"")
          .arg(parser.value(opt.date));
    l.options.today = [date] { return QDateTime(date, QTime(12, 0)); };
  }
  if (parser.isSet(opt.open)) {
    l.start.finder = parser.value(opt.open) == QLatin1String("finder");
    l.sheet = SheetNamed(parser.value(opt.open));
    if (!l.sheet && !l.start.finder) return QStringLiteral("--open wants bone, hours, yearly, zodiac, day or finder");
  }
  if (parser.isSet(opt.tip)) {
    const QString text = parser.value(opt.tip);
    const bool number = QRegularExpression(QStringLiteral("^[0-9]{1,2}$")).match(text).hasMatch();
    if (!number || text.toInt() < 1 || text.toInt() > 31 || !parser.isSet(opt.grab))
      return QStringLiteral("--tip wants a day of the month, 1 to 31, and goes with --grab");
    l.start.tipDay = text.toInt();
  }
  if (parser.isSet(opt.page)) {
    const std::optional<int> page = PageNamed(parser.value(opt.page));
    if (!page) return QStringLiteral("--page wants almanac or natal");
    l.start.page = *page;
  }
  if (parser.isSet(opt.hour) && !(l.start.hour = HourNamed(parser.value(opt.hour))))
    return QStringLiteral("--hour wants 0 (子) to 11 (亥), 12 (the late 子 hour) or the branch character");
  if (parser.isSet(opt.sex) && !(l.start.sex = SexNamed(parser.value(opt.sex))))
    return QStringLiteral("--sex wants 男 or 女 (or m or f)");
  if (parser.isSet(opt.at)) {
    l.start.at = QDate::fromString(parser.value(opt.at), QStringLiteral("yyyy-MM-dd"));
    if (!l.start.at->isValid() || l.start.at->year() < 1900 || l.start.at->year() > 2100)
      return QStringLiteral("--at wants a date from 1900-01-01 to 2100-12-31 as YYYY-MM-DD");
  }
  l.options.highContrast = parser.isSet(opt.contrast);
  if (!parser.positionalArguments().isEmpty())
    return QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst());
  if (parser.isSet(opt.zoom)) {
    bool number = false;
    const int percent = parser.value(opt.zoom).toInt(&number);
    const auto& steps = MainWindow::kZoomSteps;
    if (!number || std::find(steps.begin(), steps.end(), percent / 100.0) == steps.end())
      return QStringLiteral("--zoom wants 100, 125, 150, 175 or 200");
    l.start.zoom = percent / 100.0;
  }
  return {};
}

// The screen and window sizes of --grab; an empty text, or why not.
QString ReadSizes(const QCommandLineParser& parser, const Options& opt, Launch& l) {
  const QString rule = QStringLiteral("WIDTHxHEIGHT, each side %1 to %2 pixels, for example 1280x1024")
                           .arg(kSmallestGrabSide)
                           .arg(kLargestGrabSide);
  if (parser.isSet(opt.size)) {
    const std::optional<QSize> size = ParseSize(parser.value(opt.size));
    if (!size) return QStringLiteral("--size wants ") + rule;
    l.screen = *size;
  }
  l.window = l.screen;
  if (parser.isSet(opt.available)) {
    const std::optional<QSize> size = ParseSize(parser.value(opt.available));
    if (!size || size->width() > l.screen.width() || size->height() > l.screen.height())
      return QStringLiteral("--available wants ") + rule + QStringLiteral(", within the --size screen");
    l.window = *size;
  }
  return {};
}

int RunWindow(QApplication& app, Launch& l) {
  l.options.showAboutOnStart = !l.sheet && !l.start.finder;
  MainWindow frame(l.options);
  ApplyStart(frame, l.start);
  // Without a Chinese face the box itself may be unreadable (boxes, or no
  // face at all): it is in English too, and on stderr as well.
  if (const QString fonts = MissingChineseFaceNotice(QFontDatabase::families()); !fonts.isEmpty()) {
    Complain(fonts);
    frame.warnAtStart(fonts);
  }
  // Cover the screen even where no window manager honours "maximized".
  if (const QScreen* s = QGuiApplication::primaryScreen()) frame.setGeometry(s->availableGeometry());
  frame.showMaximized();
  if (l.sheet) {
    QTimer::singleShot(0, &frame, [&frame, kind = *l.sheet] {
      if (auto dialog = frame.makeSheet(kind)) dialog->exec();
    });
  }
  if (l.start.finder) QTimer::singleShot(0, &frame, [&frame] { frame.openDayFinder(); });
  return app.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AsksOnlyForText(argc, argv)) return AnswerText(argc, argv);

  // Every option is read before the window system is asked for, so that a
  // mistake is told (status 2) on a console without a display too.
  QCommandLineParser parser;
  const Options opt;
  opt.addTo(parser);
  if (!parser.parse(ProgramArguments(argc, argv))) return Fail(parser.errorText());
  Launch launch;
  for (const QString& why : {ReadStart(parser, opt, launch), ReadSizes(parser, opt, launch)})
    if (!why.isEmpty()) return Fail(why);

  Q_INIT_RESOURCE(lunisol);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lunisol"));
  QApplication::setApplicationVersion(QString::fromLatin1(AboutDialog::kVersion));
  QApplication::setDesktopFileName(QStringLiteral("org.lunisol.Lunisol"));
  SetUpApplication(app);
  if (parser.isSet(opt.grab)) {
    launch.options.screen = launch.screen;
    return Grab(launch.options, launch.start, launch.sheet, launch.window, RawOptionValue(argc, argv, "grab"));
  }
  return RunWindow(app, launch);
}
