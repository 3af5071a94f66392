// What the program sets up once, before its first window: Qt's own texts in
// Traditional Chinese, the one tooltip look, the page font as the default,
// and the check that a Traditional-Chinese face is there at all.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;

namespace lunisol::ui {

void SetUpApplication(QApplication& app);

// Empty when one of `installedFamilies` is a Traditional-Chinese face the
// sheets can use; otherwise the notice that tells the reader what to
// install. It is in English as well, since without such a face every
// ideograph of the notice would show as a box.
QString MissingChineseFaceNotice(const QStringList& installedFamilies);

}  // namespace lunisol::ui
