// The fortune of the twelve animals for a lunar year (12 生肖流年運勢): four
// animals side by side, three folder tabs to switch them.
#pragma once

#include <QDialog>
#include <array>

#include "sheets/zodiac_fortune_model.h"

namespace lunisol::ui {

class CellSheet;
class PageTabBar;

class ZodiacFortuneDialog : public QDialog {
  Q_OBJECT

 public:
  // `fortune`: the sheet as OpenZodiacFortune made it.
  explicit ZodiacFortuneDialog(ZodiacFortuneSheet fortune, QWidget* parent = nullptr);
  ~ZodiacFortuneDialog() override;

  CellSheet* sheet() const { return sheet_; }
  PageTabBar* tabs() const { return tabs_; }
  int selectedTab() const;

  // Shows tab 0..2 as a click on it does.
  void showTab(int tab);

 private:
  void showGroups();

  ZodiacFortuneSheet fortune_;
  CellSheet* sheet_ = nullptr;
  PageTabBar* tabs_ = nullptr;
  // Group g's cells start here: its five head lines, then its fifteen columns.
  std::array<int, 4> firstCell_{};
};

}  // namespace lunisol::ui
