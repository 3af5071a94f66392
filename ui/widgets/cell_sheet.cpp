#include "ui/widgets/cell_sheet.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTextLayout>
#include <QToolTip>

namespace lunisol::ui {

const QColor CellSheet::kTipBackground(255, 232, 232);

QColor ToQColor(const Colour& c) { return QColor(c.r, c.g, c.b); }

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

bool IsWordChar(QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7F; }

// The units a line may break between: a run of printable ASCII, one other
// character (a surrogate pair counts as one), a blank, or a line feed.
struct Unit {
  enum Kind { kText, kBlank, kNewline } kind;
  QString text;
};

std::vector<Unit> SplitUnits(const QString& text) {
  std::vector<Unit> units;
  for (qsizetype i = 0; i < text.size();) {
    const QChar c = text[i];
    if (c == u'\r') {
      ++i;
    } else if (c == u'\n') {
      units.push_back({Unit::kNewline, {}});
      ++i;
    } else if (c == u' ' || c == u'\t') {
      units.push_back({Unit::kBlank, QStringLiteral(" ")});
      ++i;
    } else if (IsWordChar(c)) {
      qsizetype j = i;
      while (j < text.size() && IsWordChar(text[j])) ++j;
      units.push_back({Unit::kText, text.mid(i, j - i)});
      i = j;
    } else {
      const qsizetype n = (c.isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
      units.push_back({Unit::kText, text.mid(i, n)});
      i += n;
    }
  }
  return units;
}

template <typename Measure>
QStringList BreakLines(const QString& text, const Measure& measure, int width) {
  QStringList lines;
  QString line;
  int lineWidth = 0;
  int pendingBlanks = 0;
  const int blank = measure(QStringLiteral(" "));
  auto startLine = [&] {
    lines << line;
    line.clear();
    lineWidth = 0;
  };
  auto place = [&](const QString& word, int wordWidth) {
    if (line.isEmpty() && wordWidth > width) {
      // A word wider than the cell is cut by characters, one at least a line.
      for (qsizetype i = 0; i < word.size(); ++i) {
        const QString ch = word.mid(i, 1);
        const int w = measure(ch);
        if (!line.isEmpty() && lineWidth + w > width) startLine();
        line += ch;
        lineWidth += w;
      }
      return;
    }
    line += word;
    lineWidth += wordWidth;
  };
  for (const Unit& u : SplitUnits(text)) {
    switch (u.kind) {
      case Unit::kNewline:
        startLine();
        pendingBlanks = 0;
        break;
      case Unit::kBlank:
        if (!line.isEmpty()) ++pendingBlanks;
        break;
      case Unit::kText: {
        const int w = measure(u.text);
        if (line.isEmpty() || lineWidth + pendingBlanks * blank + w <= width) {
          line += QString(pendingBlanks, u' ');
          lineWidth += pendingBlanks * blank;
        } else {
          startLine();
        }
        pendingBlanks = 0;
        place(u.text, w);
        break;
      }
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

}  // namespace

QStringList BreakCellLines(const QString& text, const QFontMetrics& metrics, int width) {
  return BreakLines(
      text, [&](const QString& s) { return metrics.horizontalAdvance(s); }, width);
}

CellSheet::FontCache::FontCache(const PageFont& f) : font(f), metrics(f.font) {}

int CellSheet::FontCache::advance(const QString& unit) {
  auto it = advances.constFind(unit);
  if (it == advances.cend()) it = advances.insert(unit, metrics.horizontalAdvance(unit));
  return *it;
}

const CellSheet::ShapedLine& CellSheet::FontCache::line(const QString& text) {
  auto it = lines.find(text);
  if (it == lines.end()) {
    // Shaped once: the glyph runs (one per face the line falls back on) and
    // the baseline's place in them.
    QTextLayout layout(text, font.font);
    layout.beginLayout();
    QTextLine l = layout.createLine();
    layout.endLayout();
    ShapedLine shaped;
    shaped.runs = layout.glyphRuns();
    shaped.ascent = l.isValid() ? l.ascent() : 0;
    shaped.width = l.isValid() ? qRound(l.naturalTextWidth()) : 0;
    it = lines.insert(text, shaped);
  }
  return *it;
}

CellSheet::CellSheet(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  fonts_.emplace_back(MakePageFont(QString::fromLatin1(kPageFace), 14));
}

void CellSheet::setBackground(const QColor& colour) {
  background_ = colour;
  update();
}

void CellSheet::setFonts(std::vector<PageFont> fonts) {
  if (fonts.empty()) return;
  fonts_.clear();
  for (const PageFont& f : fonts) fonts_.emplace_back(f);
  update();
}

void CellSheet::setBackdrop(std::unique_ptr<RuledBackdrop> backdrop, QRect bounds) {
  backdrop_ = std::move(backdrop);
  backdropBounds_ = bounds;
  update();
}

void CellSheet::setPicture(QPixmap picture, QRect rect) {
  picture_ = std::move(picture);
  pictureRect_ = picture_.isNull() ? QRect() : rect;
  update();
}

int CellSheet::addCell(Cell cell) {
  cells_.push_back(std::move(cell));
  touch(static_cast<int>(cells_.size()) - 1);
  return static_cast<int>(cells_.size()) - 1;
}

void CellSheet::touch(int index) { update(toWidget(cells_[index].rect.adjusted(-2, 0, 2, 0))); }

QRect CellSheet::toWidget(const QRect& r) const {
  if (zoom_ == 1) return r;
  return QRectF(r.x() * zoom_, r.y() * zoom_, r.width() * zoom_, r.height() * zoom_).toAlignedRect();
}

void CellSheet::setZoom(qreal zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  update();
}

void CellSheet::setCellText(int index, const QString& text) {
  Cell& c = cells_.at(index);
  if (c.text == text) return;
  c.text = text;
  touch(index);
}

void CellSheet::setCellColour(int index, const QColor& colour) {
  Cell& c = cells_.at(index);
  if (c.colour == colour) return;
  c.colour = colour;
  touch(index);
}

void CellSheet::setCell(int index, const QString& text, const QColor& colour) {
  setCellText(index, text);
  setCellColour(index, colour);
}

void CellSheet::setCellRect(int index, const QRect& rect) {
  Cell& c = cells_.at(index);
  if (c.rect == rect) return;
  touch(index);
  c.rect = rect;
  touch(index);
}

void CellSheet::setCellFont(int index, int font) {
  Cell& c = cells_.at(index);
  if (c.font == font) return;
  c.font = font;
  touch(index);
}

void CellSheet::setCellFill(int index, const QColor& fill) {
  Cell& c = cells_.at(index);
  if (c.fill == fill) return;
  c.fill = fill;
  touch(index);
}

void CellSheet::setCellVisible(int index, bool visible) {
  Cell& c = cells_.at(index);
  if (c.visible == visible) return;
  c.visible = visible;
  touch(index);
}

void CellSheet::setCellTooltip(int index, const QString& tooltip) { cells_.at(index).tooltip = tooltip; }

void CellSheet::setHighlight(const QRect& r) {
  if (r == highlight_) return;
  if (!highlight_.isEmpty()) update(toWidget(highlight_));
  highlight_ = r;
  if (!highlight_.isEmpty()) update(toWidget(highlight_));
}

int CellSheet::tooltipCellAt(const QPoint& pos) const {
  for (int i = static_cast<int>(cells_.size()) - 1; i >= 0; --i) {
    const Cell& c = cells_[i];
    if (!c.visible || !c.rect.contains(pos)) continue;
    if (!c.tooltip.isEmpty() || isCut(i)) return i;
  }
  return -1;
}

bool CellSheet::isCut(int index) const {
  const Cell& c = cells_.at(index);
  return c.visible && !c.text.isEmpty() && layOut(c).cut;
}

QString CellSheet::cellTip(int index) const {
  const Cell& c = cells_.at(index);
  if (!isCut(index)) return c.tooltip;
  // The whole text first; a tip that says more (whose writing a verse is)
  // follows it rather than hiding it.
  const QString whole = QString(c.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (c.tooltip.isEmpty() || c.tooltip == c.text) return whole;
  return whole + QStringLiteral("\n\n") + c.tooltip;
}

CellSheet::CellLines CellSheet::layOut(const Cell& c) const {
  FontCache& fc = fonts_.at(static_cast<size_t>(c.font) < fonts_.size() ? c.font : 0);
  CellLines out;
  out.lines = BreakLines(
      c.text, [&](const QString& s) { return fc.advance(s); }, c.rect.width());
  // A line counts as shown when three quarters of it are inside the cell:
  // the page's one-line rows are a little lower than the font's line.
  const int lineHeight = fc.font.cellHeight;
  const qsizetype fit = std::max<qsizetype>(1, (c.rect.height() + lineHeight / 4) / lineHeight);
  if (out.lines.size() <= fit) return out;
  out.cut = true;
  out.lines.resize(fit);
  // The last shown line gives way to an ellipsis: a vertical one in a column
  // one character wide, which reads top to bottom.
  QString& last = out.lines.last();
  const bool column = last.size() <= 1;
  if (column) {
    last = QStringLiteral("\uFE19");
  } else {
    last.chop(1);
    last += QStringLiteral("\u2026");
  }
  return out;
}

void CellSheet::drawCell(QPainter& p, const Cell& c) {
  if (!c.visible || c.text.isEmpty()) return;
  if (c.fill.isValid()) p.fillRect(c.rect, c.fill);
  FontCache& fc = fonts_.at(static_cast<size_t>(c.font) < fonts_.size() ? c.font : 0);
  const int lineHeight = fc.font.cellHeight;
  // Ideographs sit centred in their line: their em box runs from 0.88 em
  // above the baseline to 0.12 em below it.
  const int em = fc.font.font.pixelSize();
  const int baseline = lineHeight / 2 + (em * 38 + 50) / 100;
  p.setFont(fc.font.font);
  p.setPen(c.colour);
  const QStringList lines = layOut(c).lines;
  int top = c.rect.top();
  const int bottom = c.rect.bottom() + 1;
  for (const QString& line : lines) {
    if (top >= bottom) break;
    const bool partial = top + lineHeight > bottom;
    if (partial) {
      p.save();
      p.setClipRect(QRect(c.rect.left() - 2, top, c.rect.width() + 4, bottom - top), Qt::IntersectClip);
    }
    const ShapedLine& s = fc.line(line);
    int x = c.rect.left();
    if (c.align & Qt::AlignHCenter) x += (c.rect.width() - s.width) / 2;
    const QPointF origin(x, top + baseline - s.ascent);
    for (const QGlyphRun& run : s.runs) p.drawGlyphRun(origin, run);
    if (partial) p.restore();
    top += lineHeight;
  }
}

void CellSheet::render(QPainter& p, const QRect& clip) {
  if (backdrop_) {
    for (const QRect& r : QRegion(clip).subtracted(backdropBounds_)) p.fillRect(r, background_);
    backdrop_->paint(p, backdropBounds_, background_);
  } else {
    p.fillRect(clip, background_);
  }
  if (!picture_.isNull() && pictureRect_.intersects(clip)) p.drawPixmap(pictureRect_, picture_);
  // Grounds first, then lines: neighbouring frames share their common line.
  for (const SheetFrame& f : frames_)
    if (f.fill.isValid()) p.fillRect(f.rect, f.fill);
  for (const SheetFrame& f : frames_) {
    if (!f.line.isValid()) {
      DrawEdge(p, f.rect, f.edge);
      continue;
    }
    p.setPen(f.line);
    p.setBrush(Qt::NoBrush);
    p.drawRect(f.rect.adjusted(0, 0, -1, -1));  // on the border pixels of rect, as DrawEdge draws
  }
  for (const Cell& c : cells_) {
    if (c.rect.adjusted(-2, 0, 2, 0).intersects(clip)) drawCell(p, c);
  }
  if (!highlight_.isEmpty()) DrawEdge(p, highlight_, Edge::kSunkenInner);
}

void CellSheet::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setClipRect(event->rect());
  if (zoom_ == 1) {
    render(p, event->rect());
    return;
  }
  p.scale(zoom_, zoom_);
  const QRectF area(event->rect().x() / zoom_, event->rect().y() / zoom_, event->rect().width() / zoom_,
                    event->rect().height() / zoom_);
  render(p, area.toAlignedRect());
}

QPoint CellSheet::toLayout(const QPointF& widgetPos) const { return (widgetPos / zoom_).toPoint(); }

bool CellSheet::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int i = tooltipCellAt(toLayout(help->pos()));
    if (i >= 0) {
      ShowSheetTip(help->globalPos(), cellTip(i), this, toWidget(cells_[i].rect));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void CellSheet::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(toLayout(event->position()));
  QWidget::mouseMoveEvent(event);
}

void CellSheet::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked(toLayout(event->position()));
  QWidget::mouseDoubleClickEvent(event);
}

void InstallTooltipLook() {
  QPalette pal = QToolTip::palette();
  pal.setColor(QPalette::ToolTipBase, CellSheet::kTipBackground);
  pal.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(pal);
}

void ShowSheetTip(const QPoint& globalPos, const QString& text, QWidget* owner, const QRect& cellRect) {
  QString shown = text;
  if (QFontMetrics(QToolTip::font()).horizontalAdvance(text) > CellSheet::kTipMaxWidth) {
    // Long notes wrap at the tip's width instead of running across the screen.
    shown = QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
                .arg(CellSheet::kTipMaxWidth)
                .arg(text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
  }
  QToolTip::showText(globalPos, shown, owner, cellRect);
}

}  // namespace lunisol::ui
