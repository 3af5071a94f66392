// The one save-file dialog of the program and what it says when a save
// fails. It is Qt's own dialog, so it speaks the program's language, and it
// leaves no trace on the disk: the folder history Qt keeps for its dialogs
// goes nowhere, as the about box promises that nothing is stored. The last
// folder chosen is remembered while the program runs.
#pragma once

#include <QString>

#include "files/atomic_file.h"

class QWidget;

namespace lunisol::ui {

// Points the settings Qt keeps for its own dialogs at a place no file can
// be made in (AskSaveFileName does this itself).
void KeepQtSettingsAway();

// The chosen path, or an empty text when the user cancels. A name that
// cannot be saved to (a folder, a device, a FIFO, a link loop) is refused
// with a message and the dialog opens again; an existing file is replaced
// only when the user says so. `proposedPath`'s folder gives way to the last
// folder chosen, if any.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath, const QString& filter);

// What the user reads when `path` could not be saved: the common reasons in
// Chinese (no space, read-only, no permission, no such folder, a folder, a
// device or FIFO, a link loop), the system's words otherwise; that the old
// file is unchanged only when there was one.
QString SaveFailureText(const QString& path, const SaveResult& result);
// The system's own words, for the message's details.
QString SaveFailureDetails(const SaveResult& result);
// The message box of a failed save, over `parent`.
void ShowSaveFailure(QWidget* parent, const QString& path, const SaveResult& result);

}  // namespace lunisol::ui
