#include "ui/widgets/page_font.h"

#include <QStringList>

namespace lunisol::ui {

const QStringList& ChineseFaces() {
  static const QStringList faces{QStringLiteral("Noto Serif CJK TC"), QStringLiteral("AR PL UMing TW"),
                                 QStringLiteral("Noto Sans CJK TC")};
  return faces;
}

PageFont MakePageFont(const QString& face, int cellHeight, bool bold) {
  PageFont f;
  f.cellHeight = cellHeight;
  // Liberation Serif has the metrics of Times New Roman, so Latin text and
  // digits take the room the layouts give them.
  f.font.setFamilies(QStringList{face, QStringLiteral("Liberation Serif")} + ChineseFaces());
  // A 14-pixel cell holds a 12-pixel em: two ideographs then fit the 25- and
  // 26-pixel two-character cells on one line, as the layouts intend.
  f.font.setPixelSize(std::max(1, (cellHeight * 6 + 3) / 7));
  f.font.setWeight(bold ? QFont::Bold : QFont::Normal);
  f.font.setStyleHint(QFont::Serif);
  return f;
}

}  // namespace lunisol::ui
