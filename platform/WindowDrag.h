// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QMouseEvent;
class QWidget;
class QWindow;

namespace maskwell {

// Moves the window that holds `source` with the pointer, from a button press
// on `source` (call it from source's mousePressEvent with that event), until
// the button is released, whichever button it is.
//
// For the left button the window manager does the move when it can
// (QWindow::startSystemMove). Its move is a left-button move: it ends on the
// left button's release only, so a move with another button would never end.
// For the other buttons, and without a window manager (a bare X server, the
// offscreen platform, where that call refuses), the window is moved here: the pointer's offset from
// the window's top-left corner is kept from the press, the window follows each pointer move that
// reaches `source` (the pressed widget holds the pointer until release), and the release ends the
// move. Those moves and the release are taken by the move and do not reach `source`.
void StartWindowDrag(QWidget* source, const QMouseEvent& press);

// The window manager's move, started for a window; true when it took over.
using SystemMoveStarter = std::function<bool(QWindow& window)>;
// Replaces how the window manager's move is started (tests make it reachable
// where no window manager runs); returns the one before. An empty starter
// restores QWindow::startSystemMove.
SystemMoveStarter SetSystemMoveStarter(SystemMoveStarter starter);

} // namespace maskwell
