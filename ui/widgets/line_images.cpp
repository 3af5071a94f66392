#include "ui/widgets/line_images.h"

#include <QHash>
#include <QPaintEngine>
#include <QtMath>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "ui/widgets/contrast.h"

namespace lunisol::ui {
namespace {

// A year of the page keeps some 1.2 MB of line images at its own size and
// four times that at twice the size; the least recently used go first.
constexpr qsizetype kCacheBytes = 16 * 1024 * 1024;

// Scales and shifts that are whole multiples of 1/256 map glyph positions
// (multiples of 1/64) without rounding, so a line's place within its device
// pixel fixes the pixels it leaves.
bool OnGrid(qreal v) {
  const qreal scaled = v * 256;
  return scaled == std::floor(scaled) && qAbs(scaled) < (1 << 30);
}

// The box of the pixels within `area` that differ from `ground`.
QRect ChangedBox(const QImage& image, const QRect& area, QRgb ground) {
  const qsizetype stride = image.bytesPerLine();
  const uchar* bits = image.constBits();
  int left = area.right() + 1, right = -1, top = -1, bottom = -1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(bits + y * stride);
    int first = area.left(), last = area.right();
    while (first <= last && row[first] == ground) ++first;
    if (first > last) continue;
    while (row[last] == ground) --last;
    left = std::min(left, first);
    right = std::max(right, last);
    if (top < 0) top = y;
    bottom = y;
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Whether every pixel of `box` on `image` is `ground`, compared a row at a
// time against a row of the ground.
bool PlainUnder(const QImage& image, const QRect& box, QRgb ground) {
  const QRect r = box & image.rect();
  if (r.isEmpty()) return true;
  static std::vector<QRgb> plain;
  if (plain.size() < static_cast<size_t>(r.width()) || plain.front() != ground)
    plain.assign(std::max<size_t>(plain.size(), static_cast<size_t>(r.width())), ground);
  const uchar* row = image.constBits() + r.top() * image.bytesPerLine() + r.left() * sizeof(QRgb);
  const size_t bytes = static_cast<size_t>(r.width()) * sizeof(QRgb);
  for (int y = r.top(); y <= r.bottom(); ++y, row += image.bytesPerLine())
    if (std::memcmp(row, plain.data(), bytes) != 0) return false;
  return true;
}

// Draws `line` in room enough for its glyphs' boxes and keeps the pixels its
// glyphs cover. It is drawn twice, one band above the other: white on black,
// which shows every covered pixel, even one a faint edge leaves unchanged on
// the real ground (where a rule under it would not be), and in its ink on its
// ground. Ink that reaches the edge of the room may have been cut, so such a
// line is marked unusable and is always drawn.
LineImage DrawLine(const LineImageCache::Key& key, const ShapedText& line) {
  QRectF ink;
  for (const QGlyphRun& run : line.runs) ink |= run.boundingRect();
  LineImage out;
  if (ink.isEmpty()) {
    // Glyphs without outlines (blanks) or a face that does not tell: drawn.
    out.usable = false;
    return out;
  }
  const qreal s = key.scale;
  const int pad = 2 + qCeil(s);
  const QRect room = QRectF(ink.x() * s + key.phaseX, ink.y() * s + key.phaseY, ink.width() * s, ink.height() * s)
                         .toAlignedRect()
                         .adjusted(-pad, -pad, pad, pad);
  const QRgb black = 0xff000000;
  const int h = room.height();
  QImage canvas(room.width(), 2 * h, key.format);
  canvas.fill(key.ground);
  {
    QPainter p(&canvas);
    p.fillRect(QRect(0, 0, room.width(), h), QColor::fromRgb(black));
    p.setRenderHints(p.renderHints(), false);
    p.setRenderHints(QPainter::RenderHints(key.hints), true);
    for (int band = 0; band < 2; ++band) {
      p.setTransform(QTransform(s, 0, 0, s, key.phaseX - room.x(), key.phaseY - room.y() + band * h));
      p.setPen(band == 0 ? QColor(Qt::white) : QColor(QRgba64::fromRgba64(key.ink)));
      for (const QGlyphRun& run : line.runs) p.drawGlyphRun(QPointF(0, 0), run);
    }
  }
  const QRect covered = ChangedBox(canvas, QRect(0, 0, room.width(), h), black);
  if (covered.isEmpty()) return out;
  if (covered.left() == 0 || covered.top() == 0 || covered.right() == room.width() - 1 || covered.bottom() == h - 1) {
    out.usable = false;
    return out;
  }
  out.image = canvas.copy(covered.translated(0, h));
  out.offset = room.topLeft() + covered.topLeft();
  return out;
}

}  // namespace

int FontIdentity(const QFont& font) {
  static QHash<QString, int> known;
  const QString name = font.key() + u'|' + font.families().join(u',');
  auto it = known.constFind(name);
  if (it == known.cend()) it = known.insert(name, static_cast<int>(known.size()) + 1);
  return *it;
}

size_t qHash(const LineImageCache::Key& key, size_t seed) {
  return qHashMulti(seed, key.text, key.font, key.ink, key.ground, key.scale, key.phaseX, key.phaseY,
                    static_cast<int>(key.format), key.hints);
}

LineImageCache::LineImageCache() : cache_(kCacheBytes) {}

LineImageCache& LineImageCache::shared() {
  static LineImageCache cache;
  return cache;
}

const LineImage& LineImageCache::image(const Key& key, const ShapedText& line) {
  if (const LineImage* kept = cache_.object(key)) return *kept;
  auto made = std::make_unique<LineImage>(DrawLine(key, line));
  const qsizetype cost = made->image.sizeInBytes() + qsizetype(sizeof(LineImage) + sizeof(Key)) + key.text.size() * 2;
  cache_.insert(key, made.release(), cost);
  if (const LineImage* kept = cache_.object(key)) return *kept;
  static const LineImage kUnusable{{}, {}, false};
  return kUnusable;
}

LinePainter::LinePainter(QPainter& p) : p_(p), own_(p.worldTransform()), device_(p.deviceTransform()) {
  LineImageCache& cache = LineImageCache::shared();
  if (!cache.enabled()) return;
  // Images drawn in the other view carry the other inks.
  static bool madeInHighContrast = false;
  if (madeInHighContrast != HighContrast()) {
    cache.clear();
    madeInHighContrast = HighContrast();
  }
  QPaintEngine* engine = p.paintEngine();
  if (!engine || engine->type() != QPaintEngine::Raster) return;
  QPaintDevice* device = engine->paintDevice();
  if (!device || device->devType() != QInternal::Image) return;
  const auto* image = static_cast<const QImage*>(device);
  if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied) return;
  if (p.opacity() != 1 || p.compositionMode() != QPainter::CompositionMode_SourceOver) return;
  const QTransform& d = device_;
  if (d.type() > QTransform::TxScale || d.m11() != d.m22() || d.m11() <= 0) return;
  if (!OnGrid(d.m11()) || !OnGrid(d.dx()) || !OnGrid(d.dy())) return;
  // The world transform under which the painter's coordinates are the
  // device's pixels, so an image lands on whole pixels unscaled.
  toPixels_ = device_.inverted() * own_;
  p.setWorldTransform(toPixels_);
  const QTransform pixels = p.deviceTransform();
  p.setWorldTransform(own_);
  if (pixels.type() > QTransform::TxTranslate || qAbs(pixels.dx()) > 1e-6 || qAbs(pixels.dy()) > 1e-6) return;
  hints_ = static_cast<int>(p.renderHints());
  target_ = image;
}

LinePainter::~LinePainter() { toOwnTransform(); }

void LinePainter::toDevicePixels() {
  if (inPixels_) return;
  p_.setWorldTransform(toPixels_);
  inPixels_ = true;
}

void LinePainter::toOwnTransform() {
  if (!inPixels_) return;
  p_.setWorldTransform(own_);
  inPixels_ = false;
}

QPainter& LinePainter::painter() {
  toOwnTransform();
  return p_;
}

void LinePainter::draw(const ShapedText& line, const QPointF& origin, const QColor& ink, const QColor& ground,
                       const QRect& clip) {
  if (line.runs.isEmpty()) return;
  if (target_ && copy(line, origin, ink, ground, clip)) {
    ++LineImageCache::shared().copied_;
    return;
  }
  drawGlyphs(line, origin, ink, clip);
}

bool LinePainter::copy(const ShapedText& line, const QPointF& origin, const QColor& ink, const QColor& ground,
                       const QRect& clip) {
  if (ground.alpha() != 255) return false;
  const QPointF at = device_.map(origin);
  const QPoint whole(qFloor(at.x()), qFloor(at.y()));
  const LineImageCache::Key key{line.text,          line.font,          ink.rgba64(),      ground.rgba(), device_.m11(),
                                at.x() - whole.x(), at.y() - whole.y(), target_->format(), hints_};
  const LineImage& made = LineImageCache::shared().image(key, line);
  if (!made.usable) return false;
  if (made.image.isNull()) return true;
  const QRect box(whole + made.offset, made.image.size());
  const QRect shown = clip.isEmpty() ? box : box & deviceClip(clip);
  if (shown.isEmpty()) return true;
  if (!PlainUnder(*target_, shown, ground.rgba())) return false;
  toDevicePixels();
  if (shown == box)
    p_.drawImage(box.topLeft(), made.image);
  else
    p_.drawImage(shown.topLeft(), made.image, shown.translated(-box.topLeft()));
  return true;
}

void LinePainter::drawGlyphs(const ShapedText& line, const QPointF& origin, const QColor& ink, const QRect& clip) {
  toOwnTransform();
  if (!clip.isEmpty()) {
    p_.save();
    if (target_) {
      // The very pixels a copy would be clipped to.
      p_.setWorldTransform(toPixels_);
      p_.setClipRect(deviceClip(clip), Qt::IntersectClip);
      p_.setWorldTransform(own_);
    } else {
      p_.setClipRect(clip, Qt::IntersectClip);
    }
  }
  p_.setPen(ink);
  for (const QGlyphRun& run : line.runs) p_.drawGlyphRun(origin, run);
  if (!clip.isEmpty()) p_.restore();
}

QRect LinePainter::deviceClip(const QRect& clip) const {
  // Each edge to the nearest pixel edge, as a scaled painter clips.
  const QRectF r = device_.mapRect(QRectF(clip));
  const int left = qRound(r.left()), top = qRound(r.top());
  return QRect(left, top, qRound(r.right()) - left, qRound(r.bottom()) - top);
}

}  // namespace lunisol::ui
