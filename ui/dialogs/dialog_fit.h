// Every dialog the program opens, by whichever route, opens at the page's
// large print and never larger than the room a window has on the screen:
// when its content wants more, the content scrolls inside the dialog and its
// buttons (or tabs) stay in view below it.
#pragma once

#include <QSize>
#include <QtGlobal>

class QDialog;
class QWidget;

namespace lunisol::ui {

// What a window's frame (title bar and borders) takes from the room.
inline constexpr QSize kWindowFrame{12, 40};

// Marks `foot`, a row of buttons or tabs along the bottom of a dialog whose
// controls sit at fixed places, as what stays in view when it scrolls. (A
// dialog laid out by Qt layouts has its QDialogButtonBox found instead.)
void MarkDialogFoot(QWidget& foot);

// Large print for a dialog that is already built. One whose controls sit at
// fixed places grows as a whole: its sheets (painted at the larger size, so
// still sharp), its controls and their fonts; a tab row keeps its height.
// One laid out by Qt layouts takes the larger font and lets its layouts make
// room.
void ZoomDialog(QDialog& dialog, qreal zoom);

// Keeps `dialog` within `workArea` (a screen's room for windows, frame
// included): when it would be larger, it becomes as large as that room
// allows and its content scrolls, the foot staying below the content.
void FitDialogToArea(QDialog& dialog, QSize workArea);

// Both, as every route that opens a dialog does.
void PresentDialog(QDialog& dialog, qreal zoom, QSize workArea);

}  // namespace lunisol::ui
