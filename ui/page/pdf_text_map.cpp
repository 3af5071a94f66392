#include "ui/page/pdf_text_map.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <QRegularExpression>

#include "ui/widgets/page_font.h"

namespace lunisol::ui {
namespace {

// The CJK radicals supplement (U+2E80–U+2EF3) has no compatibility
// mapping; its radicals stand for the ideographs the sheets' Chinese face
// draws with the same glyph.
const QHash<int, int>& SupplementIdeographs() {
  static const QHash<int, int> table = [] {
    QHash<int, int> t;
    const QRawFont face =
        QRawFont::fromFont(MakePageFont(QString::fromLatin1(kPageFace), 14).font, QFontDatabase::TraditionalChinese);
    if (!face.isValid()) return t;
    QString ideographs, radicals;
    for (char16_t u = 0x4E00; u <= 0x9FFF; ++u) ideographs += QChar(u);
    for (char16_t u = 0x2E80; u <= 0x2EF3; ++u) radicals += QChar(u);
    const QList<quint32> drawn = face.glyphIndexesForString(ideographs);
    QHash<quint32, int> byGlyph;
    for (qsizetype i = drawn.size() - 1; i >= 0; --i)
      if (drawn[i]) byGlyph[drawn[i]] = 0x4E00 + static_cast<int>(i);  // the lowest wins
    const QList<quint32> radical = face.glyphIndexesForString(radicals);
    for (qsizetype i = 0; i < radical.size(); ++i)
      if (auto it = byGlyph.constFind(radical[i]); radical[i] && it != byGlyph.cend()) t[0x2E80 + int(i)] = *it;
    return t;
  }();
  return table;
}

// The ideograph a radical stands for, or 0.
int IdeographOf(int codePoint) {
  if (codePoint >= 0x2F00 && codePoint <= 0x2FD5) {
    const QString ideograph = QString(QChar(codePoint)).normalized(QString::NormalizationForm_KC);
    return ideograph.size() == 1 ? ideograph.front().unicode() : 0;
  }
  if (codePoint >= 0x2E80 && codePoint <= 0x2EF3) return SupplementIdeographs().value(codePoint);
  return 0;
}

// Mends the destination token at [at, at + 6) ("<XXXX>") of a map.
int MendToken(QByteArray& pdf, qsizetype at) {
  bool ok = false;
  const int ideograph = IdeographOf(pdf.mid(at + 1, 4).toInt(&ok, 16));
  if (!ok || !ideograph) return 0;
  pdf.replace(at + 1, 4, QByteArray::number(ideograph, 16).toUpper().rightJustified(4, '0'));
  return 1;
}

// One ToUnicode map between `begin` and `end`: bfchar lines are "<src>
// <dst>", bfrange lines "<lo> <hi> <dst>" or "<lo> <hi> [<dst> …]".
int MendMap(QByteArray& pdf, qsizetype begin, qsizetype end) {
  static const QRegularExpression kToken(QStringLiteral("<[0-9A-Fa-f]{4}>|\\[|\\]|beginbfchar|beginbfrange"));
  const QString map = QString::fromLatin1(pdf.mid(begin, end - begin));
  int mended = 0;
  bool ranges = false, inList = false;
  QList<qsizetype> line;  // offsets of the current entry's tokens
  QList<QString> words;
  for (auto it = kToken.globalMatch(map); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QString t = m.captured();
    if (t == u"beginbfchar" || t == u"beginbfrange") {
      ranges = t == u"beginbfrange";
      line.clear(), words.clear();
      continue;
    }
    if (t == u"[") {
      inList = true;
      continue;
    }
    if (t == u"]") {
      inList = false;
      line.clear(), words.clear();
      continue;
    }
    if (inList) {
      mended += MendToken(pdf, begin + m.capturedStart());
      continue;
    }
    line << begin + m.capturedStart();
    words << t;
    if (!ranges && line.size() == 2) {
      mended += MendToken(pdf, line[1]);
      line.clear(), words.clear();
    } else if (ranges && line.size() == 3) {
      if (words[0] == words[1]) mended += MendToken(pdf, line[2]);
      line.clear(), words.clear();
    }
  }
  return mended;
}

}  // namespace

int MendPdfTextMap(QByteArray& pdf) {
  int mended = 0;
  for (qsizetype at = pdf.indexOf("begincmap"); at >= 0; at = pdf.indexOf("begincmap", at + 1)) {
    const qsizetype end = pdf.indexOf("endcmap", at);
    if (end < 0) break;
    mended += MendMap(pdf, at, end);
  }
  return mended;
}

bool MendPdfTextMapFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) return false;
  QByteArray pdf = file.readAll();
  if (MendPdfTextMap(pdf) == 0) return true;
  // The same length: written over the old bytes.
  return file.seek(0) && file.write(pdf) == pdf.size();
}

}  // namespace lunisol::ui
