// Bone weighing of a birth moment (袁天罡秤骨術) and the saying for people
// born on a day of the selected day's lunar mansion (28 星宿吉凶).
#pragma once

#include <QDialog>

#include "layout/bone_weighing_layout.h"
#include "sheets/bone_weighing_model.h"

class QLabel;
class QPlainTextEdit;

namespace lunisol::ui {

class BoneWeighingDialog : public QDialog {
  Q_OBJECT

 public:
  explicit BoneWeighingDialog(const BoneWeighingRecord& record, QWidget* parent = nullptr);

  // The template's controls that show the record.
  QLabel* birthLine() const { return birthLine_; }
  QPlainTextEdit* song() const { return song_; }
  QLabel* weight() const { return weight_; }
  QLabel* verdict() const { return verdict_; }
  QLabel* mansion() const { return mansion_; }
  QPlainTextEdit* description() const { return description_; }
  QLabel* ownWriting() const { return ownWriting_; }

 private:
  void keep(BoneText shows, QWidget* w);

  QLabel* birthLine_ = nullptr;
  QPlainTextEdit* song_ = nullptr;
  QLabel* weight_ = nullptr;
  QLabel* verdict_ = nullptr;
  QLabel* mansion_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QLabel* ownWriting_ = nullptr;
};

}  // namespace lunisol::ui
