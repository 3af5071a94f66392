// The one save-file dialog of the program. It is Qt's own dialog, so it speaks
// the program's language, and it leaves no trace: the folder history Qt keeps
// for its dialogs is pointed at a temporary folder that goes when the program
// ends, as the about box promises that nothing is stored.
#pragma once

#include <QString>

class QWidget;

namespace lunisol::ui {

// Points the settings Qt keeps for its own dialogs at a folder that is
// removed when the program ends (AskSaveFileName does this itself).
void KeepQtSettingsAway();

// The chosen path, or an empty text when the user cancels. Asks before
// replacing an existing file.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath, const QString& filter);

}  // namespace lunisol::ui
