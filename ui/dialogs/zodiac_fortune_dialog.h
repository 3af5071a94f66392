// The fortune of the twelve animals for the lunar year on the page (12 生肖
// 流年運勢): four animals side by side, three folder tabs to switch them.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "sheets/zodiac_fortune_model.h"

namespace lunisol::ui {

class CellSheet;
class PageTabBar;

class ZodiacFortuneDialog : public QDialog {
  Q_OBJECT

 public:
  // `yearBranch`: the branch the frame cut from the page's lunar title;
  // `yearText`: the year list's text, for the caption.
  ZodiacFortuneDialog(std::u16string_view yearBranch, std::u16string_view yearText, QWidget* parent = nullptr);
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
