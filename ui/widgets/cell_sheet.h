// One widget that paints every cell of a sheet: a background, an optional
// ruled backdrop, group frames, the cells' texts and a hover mark. Cells are
// records, not widgets, so a month change only copies texts and colours and
// asks for one repaint, and a sheet renders to an image without a screen.
#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "almanac/colour.h"
#include "ui/widgets/edges.h"
#include "ui/widgets/page_font.h"
#include "ui/widgets/ruled_backdrop.h"

namespace lunisol::ui {

struct Cell {
  QRect rect;
  QString text;
  QColor colour = Qt::black;
  bool visible = true;
  QString tooltip;  // empty: no tip
  int font = 0;     // index into the sheet's fonts
  Qt::Alignment align = Qt::AlignHCenter;
};

struct SheetFrame {
  QRect rect;
  Edge edge = Edge::kEtched;
};

QColor ToQColor(const Colour& c);
QString ToQString(std::u16string_view text);

// Breaks `text` into the lines a narrow static text shows: words of Latin
// letters and digits stay together, every ideograph may start a line, blanks
// at a break vanish, and a word wider than the cell is cut by characters. A
// cell one ideograph wide thus reads top to bottom.
QStringList BreakCellLines(const QString& text, const QFontMetrics& metrics, int width);

class CellSheet : public QWidget {
  Q_OBJECT

 public:
  explicit CellSheet(QWidget* parent = nullptr);

  void setBackground(const QColor& colour);
  // Font 0 is the sheet's default.
  void setFonts(std::vector<PageFont> fonts);
  const PageFont& sheetFont(int index) const { return fonts_.at(index).font; }
  void setBackdrop(std::unique_ptr<RuledBackdrop> backdrop, QRect bounds);
  RuledBackdrop* backdrop() { return backdrop_.get(); }
  const QRect& backdropBounds() const { return backdropBounds_; }
  void setFrames(std::vector<SheetFrame> frames) { frames_ = std::move(frames); }
  // A drawing laid over the backdrop and under the frames and cells, so the
  // cells can write on it; a null pixmap removes it.
  void setPicture(QPixmap picture, QRect rect);
  const QRect& pictureRect() const { return pictureRect_; }

  int addCell(Cell cell);
  const std::vector<Cell>& cells() const { return cells_; }
  const Cell& cell(int index) const { return cells_.at(index); }
  // Each setter repaints only when something changed.
  void setCellText(int index, const QString& text);
  void setCellColour(int index, const QColor& colour);
  void setCellVisible(int index, bool visible);
  void setCellTooltip(int index, const QString& tooltip);
  void setCell(int index, const QString& text, const QColor& colour);

  // The hover mark: a sunken edge around `r`; an empty rectangle removes it.
  void setHighlight(const QRect& r);
  const QRect& highlight() const { return highlight_; }

  // Index of the topmost visible cell at `pos` that carries a tooltip, or −1.
  int tooltipCellAt(const QPoint& pos) const;
  // Paints into any device (used by paintEvent, image export and tests).
  void render(QPainter& p, const QRect& clip);

  static constexpr int kTipMaxWidth = 400;
  static const QColor kTipBackground;

 signals:
  void mouseMoved(QPoint pos);
  void doubleClicked(QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void drawCell(QPainter& p, const Cell& c);
  void touch(int index);

  // Widths of words and laid-out lines, kept per font: a month change meets
  // mostly the same characters again, so shaping happens once per string.
  struct ShapedLine {
    QList<QGlyphRun> runs;
    qreal ascent = 0;
    int width = 0;
  };
  struct FontCache {
    explicit FontCache(const PageFont& f);
    int advance(const QString& unit);
    const ShapedLine& line(const QString& text);
    PageFont font;
    QFontMetrics metrics;
    QHash<QString, int> advances;
    QHash<QString, ShapedLine> lines;
  };

  QColor background_{255, 255, 240};
  std::vector<FontCache> fonts_;
  std::unique_ptr<RuledBackdrop> backdrop_;
  QRect backdropBounds_;
  std::vector<SheetFrame> frames_;
  QPixmap picture_;
  QRect pictureRect_;
  std::vector<Cell> cells_;
  QRect highlight_;
};

// Shows `text` as a tooltip at `globalPos` in the sheets' tip style.
void ShowSheetTip(const QPoint& globalPos, const QString& text, QWidget* owner, const QRect& cellRect);

}  // namespace lunisol::ui
