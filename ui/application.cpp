#include "ui/application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/widgets/cell_sheet.h"
#include "ui/widgets/page_font.h"

namespace lunisol::ui {

QString MissingChineseFaceNotice(const QStringList& installedFamilies) {
  for (const QString& face : ChineseFaces())
    if (installedFamilies.contains(face, Qt::CaseInsensitive)) return {};
  return QStringLiteral(
      "No Traditional-Chinese font was found, so the almanac's characters show as boxes.\n"
      "Install one and start Lunisol again, on Debian or Ubuntu:\n\n"
      "    sudo apt install fonts-noto-cjk\n\n"
      "(or fonts-arphic-uming).\n\n"
      "找不到繁體中文字型，請安裝 fonts-noto-cjk 或 fonts-arphic-uming。");
}

void SetUpApplication(QApplication& app) {
  // Qt's own dialogs (saving, replacing, printing, yes and no) speak the
  // almanac's language; without the translation they stay in English.
  auto* qt = new QTranslator(&app);
  if (qt->load(QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan), QStringLiteral("qt"),
               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  InstallTooltipLook();
  QApplication::setFont(MakePageFont(QString::fromLatin1(kPageFace), 16).font);
}

}  // namespace lunisol::ui
