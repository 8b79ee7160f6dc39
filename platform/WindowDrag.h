#pragma once

class QMouseEvent;
class QWidget;

namespace maskwell {

// Moves the window that holds `source` with the pointer, from a button press
// on `source` (call it from source's mousePressEvent with that event), until
// the button is released, whichever button it is.
//
// The window manager does the move when it can (QWindow::startSystemMove).
// Without one (a bare X server, the offscreen platform) that call refuses, and
// the window is moved here instead: the pointer's offset from the window's
// top-left corner is kept from the press, the window follows each pointer move
// that reaches `source` (the pressed widget holds the pointer until release),
// and the release ends the move. Those moves and the release are taken by the
// move and do not reach `source`.
void StartWindowDrag(QWidget* source, const QMouseEvent& press);

} // namespace maskwell
