#include "ui/dialogs/sheet_dialogs.h"

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/bone_weighing_dialog.h"
#include "ui/dialogs/hour_table_dialog.h"
#include "ui/dialogs/yearly_notes_dialog.h"
#include "ui/dialogs/zodiac_fortune_dialog.h"

namespace lunisol::ui {

std::unique_ptr<QDialog> MakeAboutDialog(QWidget* parent) { return std::make_unique<AboutDialog>(parent); }

std::unique_ptr<QDialog> MakeHourTableDialog(const MonthAlmanac& page, const SheetSelection& selection,
                                             QWidget* parent) {
  auto record = BuildHourTable(page, selection.year, selection.month, selection.day);
  if (!record) return nullptr;
  return std::make_unique<HourTableDialog>(*record, parent);
}

std::unique_ptr<QDialog> MakeYearlyNotesDialog(const SheetSelection& selection, QWidget* parent) {
  auto record = BuildYearlyNotes(selection.year, selection.month, selection.day);
  if (!record) return nullptr;
  return std::make_unique<YearlyNotesDialog>(*record, parent);
}

std::unique_ptr<QDialog> MakeZodiacFortuneDialog(const SheetSelection& selection, QWidget* parent) {
  return std::make_unique<ZodiacFortuneDialog>(OpenZodiacFortune(selection.year, selection.month, selection.day),
                                               parent);
}

std::unique_ptr<QDialog> MakeBoneWeighingDialog(const SheetSelection& selection, QWidget* parent) {
  auto record = WeighBones(selection.year, selection.month, selection.day, selection.hourBranch);
  if (!record) return nullptr;
  return std::make_unique<BoneWeighingDialog>(*record, parent);
}

}  // namespace lunisol::ui
