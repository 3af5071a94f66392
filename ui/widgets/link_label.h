// A label that opens a web page or an e-mail address when clicked: blue
// until the link has been opened, purple afterwards.
#pragma once

#include <QLabel>
#include <QString>
#include <QUrl>
#include <functional>

namespace lunisol::ui {

// What a click opens: the link as it stands when it holds "http" anywhere,
// otherwise an e-mail address behind "mailto:".
QString LinkTarget(const QString& link);

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  using Opener = std::function<bool(const QUrl&)>;
  static const QColor kUnvisited, kVisited;

  LinkLabel(const QString& text, const QString& link, QWidget* parent = nullptr);

  const QString& link() const { return link_; }
  bool visited() const { return visited_; }
  // Tests put a fake in place of the desktop's URL handler.
  void setOpener(Opener opener) { opener_ = std::move(opener); }
  // Opens the link as a click does; returns whether anything was opened.
  bool open();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void applyColour();

  QString link_;
  bool visited_ = false;
  Opener opener_;
};

}  // namespace lunisol::ui
