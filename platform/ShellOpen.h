// SPDX-License-Identifier: MIT
#pragma once

#include "core/Error.h"

#include <QString>
#include <QUrl>
#include <functional>

namespace maskwell {

// The shell's "open" verb for web and e-mail addresses: hands the target to the
// desktop's default application and does not look at the outcome. Tests
// replace the handler so that no browser or mail client ever starts.
using ShellOpenHandler = std::function<void(const QString& target)>;

// What a handler throws when nothing can open the target. The desktop's own
// handler never does: like the shell, it does not look at the outcome.
class ShellOpenError : public Error {
public:
    using Error::Error;
};

// Opens the target through the current handler.
void ShellOpen(const QString& target);

// Replaces the handler and returns the previous one; an empty handler restores
// the desktop's.
ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler);

// What the desktop's handler opens: "mailto:..." and other targets with a
// scheme as they are, an address without a scheme as a web address
// ("www.example.com" -> "http://www.example.com"), an absolute path as a file.
// An empty target gives an invalid URL, which the handler ignores.
QUrl ShellOpenUrl(const QString& target);

} // namespace maskwell
