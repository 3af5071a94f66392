// Mends the text map of a PDF Qt wrote, so its text copies and searches as
// the characters it shows.
#pragma once

#include <QByteArray>
#include <QString>

namespace lunisol::ui {

// Qt maps each glyph of an embedded font back to the lowest code point the
// font draws with it, and the CJK faces draw many radicals (U+2E80–U+2FD5)
// with the glyph of the ideograph they stand for: copied, searched or
// extracted text would read 日 as ⽇ and 長 as ⻑. Our texts hold no radicals,
// so the radicals in the fonts' ToUnicode maps become their ideographs (by
// Unicode's compatibility mapping, or else by the glyph the Chinese face
// draws them with), byte for byte in place,
// so the file's cross-reference table still holds. (A run of consecutive
// glyphs mapped to consecutive radicals, which Qt writes as one range, stays
// as it is: the ideographs are not consecutive.) Returns how many were mended.
int MendPdfTextMap(QByteArray& pdf);
// The same for a file; false when it cannot be read or written back.
bool MendPdfTextMapFile(const QString& path);

}  // namespace lunisol::ui
