// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

class QWidget;

namespace maskwell {

// Whether the window system lets a program place its own top-level windows and
// hand them the keyboard. X11 and the offscreen platform do; Wayland does not
// (the compositor places windows and decides which one is active) and warns on
// stderr when asked.
bool ProgramPlacesWindows();

// Moves the top-level window so that its top-left corner is at topLeft, where
// the window system allows it; elsewhere the compositor's placement stays.
void PlaceWindow(QWidget& window, QPoint topLeft);

// Raises the window and gives it the keyboard, where the window system allows
// it; elsewhere the compositor activates a newly shown window itself.
void ActivateWindow(QWidget& window);

// Marks `window` as a transient child of `parent`'s window (a dialog of it), so
// that the compositor keeps it above and with its parent.
void SetTransientParent(QWidget& window, QWidget& parent);

} // namespace maskwell
