// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <utility>

namespace maskwell {

// Where the application's error box goes. The running program shows a modal
// box; tests install a recorder so that a failure is checked, never clicked.
using ErrorBoxSink = std::function<void(const QString& message)>;

// Shows the application's error box with the message as its text.
void ShowErrorBox(const QString& message);

// Replaces the error box and returns the previous sink; an empty sink restores
// the real box.
ErrorBoxSink SetErrorBoxSink(ErrorBoxSink sink);

// Every entry from Qt into our code (slot, event override, timer) runs its body
// through here. The program's failures are exceptions that stop the operation
// where it is; this is the one place they are caught, so none crosses a Qt frame.
template <typename Body> void Guarded(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (const std::exception& failure) {
        ShowErrorBox(QString::fromUtf8(failure.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unknown error"));
    }
}

} // namespace maskwell
