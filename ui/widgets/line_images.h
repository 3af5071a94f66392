// Lines of text drawn once and copied afterwards. Rasterising glyphs (a
// gamma-corrected blend of every covered pixel) is most of what painting a
// sheet costs, and a sheet shows the same short texts again and again: the
// weekdays, stems and branches, day numbers, the labels of every column. A
// line drawn on a plain ground is kept as the pixels it left there, and the
// next time the same line meets the same ground it is copied instead of drawn.
//
// A copy must leave exactly the pixels drawing would have left, so it is made
// only where that is certain: on a raster image (never on a printer or a
// PDF, which get real text), at the same position within a device pixel, and
// only where every pixel under the line is still the plain ground it was
// drawn on. Elsewhere (a rule under the text, a neighbour's ink) the line is
// drawn as before.
#pragma once

#include <QCache>
#include <QColor>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTransform>

namespace lunisol::ui {

// One shaped line: its text and font name it, its glyph runs draw it.
struct ShapedText {
  QString text;
  int font = 0;  // FontIdentity of the font it was shaped in
  QList<QGlyphRun> runs;
};

// A number that names `font` for as long as the program runs: equal fonts
// (family, fallbacks, size, weight, style) get the same number.
int FontIdentity(const QFont& font);

// The pixels one line leaves on a plain ground, cut to the box they change.
struct LineImage {
  QImage image;        // null: the line leaves no mark
  QPoint offset;       // the box's top left, from the device pixel of the line's origin
  bool usable = true;  // false: the ink reached past the room it was drawn in
};

// The shared store of line images, least recently used first out.
class LineImageCache {
 public:
  struct Key {
    QString text;
    int font = 0;
    quint64 ink = 0;  // QRgba64: the pen keeps 16 bits a channel
    QRgb ground = 0;  // the device's pixel
    qreal scale = 1;
    qreal phaseX = 0, phaseY = 0;  // the origin's place within its device pixel
    QImage::Format format = QImage::Format_RGB32;
    int hints = 0;
    bool operator==(const Key& o) const = default;
  };

  static LineImageCache& shared();
  // The image of `line` for `key`, drawn now if it is not kept.
  const LineImage& image(const Key& key, const ShapedText& line);
  // Lets every image go, as when the program's zoom changes: those made at
  // the old size will not be met again.
  void clear() { cache_.clear(); }
  // Bytes of pixels kept, and the most it keeps.
  qint64 bytes() const { return cache_.totalCost(); }
  qint64 capacity() const { return cache_.maxCost(); }
  int count() const { return static_cast<int>(cache_.count()); }
  // Lines copied rather than drawn since the program started.
  qint64 copiedLines() const { return copied_; }
  // Whether lines may be copied at all (off: every line is drawn, so the
  // two ways can be compared).
  void setEnabled(bool on) { enabled_ = on; }
  bool enabled() const { return enabled_; }

 private:
  LineImageCache();
  friend class LinePainter;
  QCache<Key, LineImage> cache_;
  bool enabled_ = true;
  qint64 copied_ = 0;
};

size_t qHash(const LineImageCache::Key& key, size_t seed = 0);

// Draws the lines of one painting, copying what it can. While it lives it
// may switch the painter between its own transform and one of device
// pixels; it leaves the transform as it found it.
class LinePainter {
 public:
  explicit LinePainter(QPainter& p);
  ~LinePainter();
  LinePainter(const LinePainter&) = delete;
  LinePainter& operator=(const LinePainter&) = delete;

  // Draws `line` with its glyph origin at `origin` (the painter's
  // coordinates) in `ink` on a ground of `ground`, clipped to `clip` when it
  // is not empty.
  void draw(const ShapedText& line, const QPointF& origin, const QColor& ink, const QColor& ground, const QRect& clip);
  // The painter in its own transform, for what is painted between lines.
  QPainter& painter();

 private:
  bool copy(const ShapedText& line, const QPointF& origin, const QColor& ink, const QColor& ground, const QRect& clip);
  void drawGlyphs(const ShapedText& line, const QPointF& origin, const QColor& ink, const QRect& clip);
  // `clip` (the painter's coordinates) in device pixels.
  QRect deviceClip(const QRect& clip) const;
  void toDevicePixels();
  void toOwnTransform();

  QPainter& p_;
  const QImage* target_ = nullptr;  // null: every line is drawn
  QTransform own_;                  // the painter's world transform as found
  QTransform device_;               // the painter's coordinates to device pixels
  QTransform toPixels_;             // the world transform that makes device pixels
  bool inPixels_ = false;
  int hints_ = 0;
};

}  // namespace lunisol::ui
