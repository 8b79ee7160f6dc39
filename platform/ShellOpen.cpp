// SPDX-License-Identifier: MIT
#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <utility>

namespace maskwell {

namespace {

ShellOpenHandler& CurrentHandler() {
    static ShellOpenHandler handler;
    return handler;
}

void OpenOnDesktop(const QString& target) {
    const QUrl url = ShellOpenUrl(target);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

} // namespace

QUrl ShellOpenUrl(const QString& target) {
    return QUrl::fromUserInput(target.trimmed());
}

void ShellOpen(const QString& target) {
    if (const ShellOpenHandler& handler = CurrentHandler())
        handler(target);
    else
        OpenOnDesktop(target);
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

} // namespace maskwell
