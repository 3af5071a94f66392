#include "ui/widgets/cell_sheet.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
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

}  // namespace

QStringList BreakCellLines(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString line;
  QString pendingBlanks;
  auto fits = [&](const QString& s) { return metrics.horizontalAdvance(s) <= width; };
  auto place = [&](const QString& word) {
    if (line.isEmpty() && !fits(word)) {
      // A word wider than the cell is cut by characters, one at least a line.
      for (qsizetype i = 0; i < word.size(); ++i) {
        const QString ch = word.mid(i, 1);
        if (!line.isEmpty() && !fits(line + ch)) {
          lines << line;
          line.clear();
        }
        line += ch;
      }
      return;
    }
    line += word;
  };
  for (const Unit& u : SplitUnits(text)) {
    switch (u.kind) {
      case Unit::kNewline:
        lines << line;
        line.clear();
        pendingBlanks.clear();
        break;
      case Unit::kBlank:
        if (!line.isEmpty()) pendingBlanks += u.text;
        break;
      case Unit::kText:
        if (line.isEmpty() || fits(line + pendingBlanks + u.text)) {
          line += pendingBlanks;
        } else {
          lines << line;
          line.clear();
        }
        pendingBlanks.clear();
        place(u.text);
        break;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

CellSheet::CellSheet(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  fonts_.push_back(CreatePageFont(QString::fromLatin1(kPageFace), 14));
}

void CellSheet::setBackground(const QColor& colour) {
  background_ = colour;
  update();
}

void CellSheet::setFonts(std::vector<PageFont> fonts) {
  if (fonts.empty()) return;
  fonts_ = std::move(fonts);
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

void CellSheet::touch(int index) { update(cells_[index].rect.adjusted(-2, 0, 2, 0)); }

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

void CellSheet::setCellVisible(int index, bool visible) {
  Cell& c = cells_.at(index);
  if (c.visible == visible) return;
  c.visible = visible;
  touch(index);
}

void CellSheet::setCellTooltip(int index, const QString& tooltip) { cells_.at(index).tooltip = tooltip; }

void CellSheet::setHighlight(const QRect& r) {
  if (r == highlight_) return;
  if (!highlight_.isEmpty()) update(highlight_);
  highlight_ = r;
  if (!highlight_.isEmpty()) update(highlight_);
}

int CellSheet::tooltipCellAt(const QPoint& pos) const {
  for (int i = static_cast<int>(cells_.size()) - 1; i >= 0; --i) {
    const Cell& c = cells_[i];
    if (c.visible && !c.tooltip.isEmpty() && c.rect.contains(pos)) return i;
  }
  return -1;
}

void CellSheet::drawCell(QPainter& p, const Cell& c) {
  if (!c.visible || c.text.isEmpty()) return;
  const PageFont& pf = fonts_.at(static_cast<size_t>(c.font) < fonts_.size() ? c.font : 0);
  p.setFont(pf.font);
  p.setPen(c.colour);
  const QFontMetrics fm(pf.font);
  const QStringList lines = BreakCellLines(c.text, fm, c.rect.width());
  // Ideographs sit centred in their line: their em box runs from 0.88 em
  // above the baseline to 0.12 em below it.
  const int em = pf.font.pixelSize();
  const int baseline = pf.cellHeight / 2 + (em * 38 + 50) / 100;
  int top = c.rect.top();
  const int bottom = c.rect.bottom() + 1;
  for (const QString& line : lines) {
    if (top >= bottom) break;
    const bool partial = top + pf.cellHeight > bottom;
    if (partial) {
      p.save();
      p.setClipRect(QRect(c.rect.left() - 2, top, c.rect.width() + 4, bottom - top), Qt::IntersectClip);
    }
    int x = c.rect.left();
    if (c.align & Qt::AlignHCenter) x += (c.rect.width() - fm.horizontalAdvance(line)) / 2;
    p.drawText(QPoint(x, top + baseline), line);
    if (partial) p.restore();
    top += pf.cellHeight;
  }
}

void CellSheet::render(QPainter& p, const QRect& clip) {
  p.fillRect(clip, background_);
  if (backdrop_) backdrop_->paint(p, backdropBounds_);
  if (!picture_.isNull() && pictureRect_.intersects(clip)) p.drawPixmap(pictureRect_, picture_);
  for (const SheetFrame& f : frames_) DrawEdge(p, f.rect, f.edge);
  for (const Cell& c : cells_) {
    if (c.rect.adjusted(-2, 0, 2, 0).intersects(clip)) drawCell(p, c);
  }
  if (!highlight_.isEmpty()) DrawEdge(p, highlight_, Edge::kSunkenInner);
}

void CellSheet::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setClipRect(event->rect());
  render(p, event->rect());
}

bool CellSheet::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int i = tooltipCellAt(help->pos());
    if (i >= 0) {
      ShowSheetTip(help->globalPos(), cells_[i].tooltip, this, cells_[i].rect);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void CellSheet::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void CellSheet::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked(event->position().toPoint());
  QWidget::mouseDoubleClickEvent(event);
}

void ShowSheetTip(const QPoint& globalPos, const QString& text, QWidget* owner, const QRect& cellRect) {
  QPalette pal = QToolTip::palette();
  pal.setColor(QPalette::ToolTipBase, CellSheet::kTipBackground);
  pal.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(pal);
  QString shown = text;
  if (QFontMetrics(QToolTip::font()).horizontalAdvance(text) > CellSheet::kTipMaxWidth) {
    // Long notes wrap at the tip's width instead of running across the screen.
    shown = QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
                .arg(CellSheet::kTipMaxWidth)
                .arg(text.toHtmlEscaped());
  }
  QToolTip::showText(globalPos, shown, owner, cellRect);
}

}  // namespace lunisol::ui
