// The one crossing between the core's texts (UTF-16, std::u16string) and
// Qt's: every view converts here, so a text reaches the screen unchanged.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lunisol::ui {

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16String(const QString& text) { return text.toStdU16String(); }

}  // namespace lunisol::ui
