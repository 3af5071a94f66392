// The about box: the program's name and version, where to find us, and how
// the program is meant to be used.
#pragma once

#include <QDialog>

namespace lunisol::ui {

class CStaticLink;

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
  CStaticLink* webLink() const { return web_; }
  CStaticLink* mailLink() const { return mail_; }

  static constexpr const char* kVersion = LUNISOL_VERSION;

 private:
  CStaticLink* web_ = nullptr;
  CStaticLink* mail_ = nullptr;
};

}  // namespace lunisol::ui
