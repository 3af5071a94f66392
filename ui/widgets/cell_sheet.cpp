#include "ui/widgets/cell_sheet.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTextLayout>
#include <QToolTip>

#include "ui/widgets/contrast.h"

namespace lunisol::ui {

const QColor CellSheet::kTipBackground(255, 232, 232);

QColor ToQColor(const Colour& c) { return QColor(c.r, c.g, c.b); }

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

int CellSheet::lineCount(const QString& text, int width, int font) const {
  FontCache& fc = fonts_.at(static_cast<size_t>(font) < fonts_.size() ? font : 0);
  return static_cast<int>(BreakLines(
                              text, [&](const QString& s) { return fc.advance(s); }, width)
                              .size());
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
  // The last shown line gives way to an ellipsis inside the cell: in a
  // column narrower than two characters, which reads top to bottom, the
  // vertical one in place of the whole line (a line there may be a number
  // of two digits); elsewhere "…" after as much of the line as fits.
  QString& last = out.lines.last();
  if (c.rect.width() < 2 * fc.font.font.pixelSize()) {
    last = QStringLiteral("\uFE19");
    return out;
  }
  const QString ellipsis = QStringLiteral("\u2026");
  const int room = c.rect.width() - fc.advance(ellipsis);
  while (!last.isEmpty() && fc.advance(last) > room) last.chop(last.size() > 1 && last.back().isLowSurrogate() ? 2 : 1);
  last += ellipsis;
  return out;
}

QColor CellSheet::groundOf(int index) const {
  const Cell& c = cells_.at(index);
  if (c.fill.isValid()) return c.fill;
  for (auto f = frames_.rbegin(); f != frames_.rend(); ++f)
    if (f->fill.isValid() && f->rect.contains(c.rect.center())) return f->fill;
  return background_;
}

QColor CellSheet::inkOf(int index) const { return InkOn(cells_.at(index).colour, groundOf(index)); }

void CellSheet::drawCell(QPainter& p, int index) {
  const Cell& c = cells_[static_cast<size_t>(index)];
  if (!c.visible || c.text.isEmpty()) return;
  if (c.fill.isValid()) p.fillRect(c.rect, c.fill);
  FontCache& fc = fonts_.at(static_cast<size_t>(c.font) < fonts_.size() ? c.font : 0);
  const int lineHeight = fc.font.cellHeight;
  // Ideographs sit centred in their line: their em box runs from 0.88 em
  // above the baseline to 0.12 em below it.
  const int em = fc.font.font.pixelSize();
  const int baseline = lineHeight / 2 + (em * 38 + 50) / 100;
  p.setFont(fc.font.font);
  p.setPen(inkOf(index));
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

void CellSheet::setFocusMark(const QRect& r, bool shown) {
  if (r == focusMark_ && shown == focusMarkShown_) return;
  if (focusMarkShown_ && !focusMark_.isEmpty()) update(toWidget(focusMark_));
  focusMark_ = r;
  focusMarkShown_ = shown;
  if (focusMarkShown_ && !focusMark_.isEmpty()) update(toWidget(focusMark_));
}

void CellSheet::render(QPainter& p, const QRect& clip, Marks marks) {
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
  for (int i = 0; i < static_cast<int>(cells_.size()); ++i) {
    if (cells_[static_cast<size_t>(i)].rect.adjusted(-2, 0, 2, 0).intersects(clip)) drawCell(p, i);
  }
  if (marks == Marks::kLeftOut) return;
  if (!highlight_.isEmpty()) DrawEdge(p, highlight_, Edge::kSunkenInner);
  if (focusMarkShown_ && !focusMark_.isEmpty()) {
    // Two pixels of the almanac's navy inside the column: plain to see
    // beside the hover mark's thin edge, in either view.
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(focusMark_).adjusted(2, 2, -2, -2));
  }
}

QSize CellSheet::layoutSize() const { return (QSizeF(size()) / zoom_).toSize(); }

void CellSheet::renderWhole(QPainter& p) {
  render(p, QRect(QPoint(0, 0), layoutSize()), Marks::kLeftOut);
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!child->isVisibleTo(this)) continue;
    p.save();
    if (auto* sheet = qobject_cast<CellSheet*>(child)) {
      p.translate(QPointF(child->pos()) / zoom_);
      sheet->renderWhole(p);
    } else {
      // A control on the sheet (a button, an edit) is drawn as it looks.
      p.scale(1 / zoom_, 1 / zoom_);
      child->render(&p, child->pos(), QRegion(), QWidget::DrawChildren);
    }
    p.restore();
  }
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

void CellSheet::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit pressed(toLayout(event->position()));
  QWidget::mousePressEvent(event);
}

void CellSheet::mouseDoubleClickEvent(QMouseEvent* event) {
  // Not a second press as well (QWidget's default): the press before it
  // has been told already.
  if (event->button() == Qt::LeftButton) emit doubleClicked(toLayout(event->position()));
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
