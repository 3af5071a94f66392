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
#include "ui/widgets/qt_text.h"
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
  QColor fill{};  // painted under the text when valid, as a mark's ground
};

struct SheetFrame {
  QRect rect;
  Edge edge = Edge::kEtched;
  QColor line{};  // valid: a plain one-pixel line of this colour instead of the edge
  QColor fill{};  // valid: painted inside the frame, under the cells
};

QColor ToQColor(const Colour& c);

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
  void setFrames(std::vector<SheetFrame> frames) {
    frames_ = std::move(frames);
    update();
  }
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
  void setCellRect(int index, const QRect& rect);
  void setCellFont(int index, int font);
  void setCellFill(int index, const QColor& fill);

  // The hover mark: a sunken edge around `r`; an empty rectangle removes it.
  void setHighlight(const QRect& r);
  const QRect& highlight() const { return highlight_; }
  // The keyboard's mark: a solid frame around `r`, shown while `shown`.
  void setFocusMark(const QRect& r, bool shown);
  const QRect& focusMark() const { return focusMark_; }
  bool focusMarkShown() const { return focusMarkShown_; }

  // Large print: the sheet paints everything `zoom` times larger (1 = as
  // laid out). Cells keep their layout rectangles; the widget's own size is
  // the owner's to set (layout size × zoom), and positions in the signals
  // below are layout positions.
  void setZoom(qreal zoom);
  qreal zoom() const { return zoom_; }
  QRect toWidget(const QRect& layoutRect) const;

  // Index of the topmost visible cell at `pos` (layout pixels) that carries a
  // tooltip or whose text is cut off, or −1.
  int tooltipCellAt(const QPoint& pos) const;
  // What hovering cell `index` shows: its whole text when the cell cuts it,
  // followed by its own tip when it has another one.
  QString cellTip(int index) const;
  // How many lines `text` takes in a cell `width` pixels wide in font `font`.
  int lineCount(const QString& text, int width, int font = 0) const;
  // The lines cell `index` shows, the last ending in an ellipsis when cut.
  QStringList shownLines(int index) const { return layOut(cells_.at(index)).lines; }
  // Whether the cell shows its text only in part (it then ends in an
  // ellipsis).
  bool isCut(int index) const;
  // The colour cell `index` is drawn in, and the ground under it (its fill,
  // a filled frame's, or the sheet's background).
  QColor inkOf(int index) const;
  QColor groundOf(int index) const;

  // Whether a painting shows the marks that follow the mouse and the keys.
  enum class Marks { kShown, kLeftOut };
  // Paints into any device (used by paintEvent and tests), in layout pixels.
  void render(QPainter& p, const QRect& clip, Marks marks = Marks::kShown);
  // The whole sheet and the sheets laid on it (the term panels), without
  // the marks, in layout pixels: text as text and lines as lines on a
  // printer or a PDF, the one way pages leave the program.
  void renderWhole(QPainter& p);
  // The size the sheet is laid out at (its widget size without the zoom).
  QSize layoutSize() const;

  static constexpr int kTipMaxWidth = 400;
  static const QColor kTipBackground;

 signals:
  void mouseMoved(QPoint pos);
  void pressed(QPoint pos);  // the left button
  void doubleClicked(QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  struct CellLines {
    QStringList lines;  // what fits, the last one ending in an ellipsis when cut
    bool cut = false;
  };
  CellLines layOut(const Cell& c) const;
  QPoint toLayout(const QPointF& widgetPos) const;
  void drawCell(QPainter& p, int index);
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
  // Caches: filled while painting and measuring, so they change under const.
  mutable std::vector<FontCache> fonts_;
  std::unique_ptr<RuledBackdrop> backdrop_;
  QRect backdropBounds_;
  std::vector<SheetFrame> frames_;
  QPixmap picture_;
  QRect pictureRect_;
  std::vector<Cell> cells_;
  QRect highlight_;
  QRect focusMark_;
  bool focusMarkShown_ = false;
  qreal zoom_ = 1;
};

// Shows `text` as a tooltip at `globalPos`, wrapped at the tips' width.
void ShowSheetTip(const QPoint& globalPos, const QString& text, QWidget* owner, const QRect& cellRect);
// The one look of every tooltip of the program, pink as the almanac's tips
// are; set once at start-up.
void InstallTooltipLook();

}  // namespace lunisol::ui
