#include "ui/dialogs/sheet_dialogs.h"

#include "ui/dialogs/about_dialog.h"

namespace lunisol::ui {

std::unique_ptr<QDialog> MakeAboutDialog(QWidget* parent) { return std::make_unique<AboutDialog>(parent); }

}  // namespace lunisol::ui

namespace lunisol::ui {

// Filled in by the sheets' dialogs.
std::unique_ptr<QDialog> MakeHourTableDialog(const HourTableInputs&, QWidget*) { return nullptr; }
std::unique_ptr<QDialog> MakeYearlyNotesDialog(const SheetSelection&, QWidget*) { return nullptr; }
std::unique_ptr<QDialog> MakeZodiacFortuneDialog(const SheetSelection&, QWidget*) { return nullptr; }
std::unique_ptr<QDialog> MakeBoneWeighingDialog(const SheetSelection&, QWidget*) { return nullptr; }

}  // namespace lunisol::ui
