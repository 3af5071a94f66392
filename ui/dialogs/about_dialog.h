// The about box: the program's name and version, where to find us, and how
// the program is meant to be used.
#pragma once

#include <QDialog>

namespace lunisol::ui {

class LinkLabel;

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
  LinkLabel* webLink() const { return web_; }
  LinkLabel* mailLink() const { return mail_; }

  static constexpr const char* kVersion = LUNISOL_VERSION;

 private:
  LinkLabel* web_ = nullptr;
  LinkLabel* mail_ = nullptr;
};

}  // namespace lunisol::ui
