// SPDX-License-Identifier: MIT
#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace maskwell {

bool ProgramPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void PlaceWindow(QWidget& window, QPoint topLeft) {
    if (ProgramPlacesWindows())
        window.move(topLeft);
}

void ActivateWindow(QWidget& window) {
    window.raise();
    if (ProgramPlacesWindows())
        window.activateWindow();
}

void SetTransientParent(QWidget& window, QWidget& parent) {
    // winId() creates a top-level's window when it has none yet.
    QWidget* top = parent.window();
    if (!top->windowHandle())
        top->winId();
    if (!window.windowHandle())
        window.winId();
    window.windowHandle()->setTransientParent(top->windowHandle());
}

} // namespace maskwell
