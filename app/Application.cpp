// SPDX-License-Identifier: MIT
#include "app/Application.h"

#include "app/FormStyle.h"
#include "app/Images.h"
#include "app/Version.h"
#include "app/WindowAccessibility.h"
#include "controls/Accessibility.h"
#include "platform/Fonts.h"

#include <QApplication>

namespace maskwell {

void SetUpApplication() {
    QApplication::setStyle(new TFormStyle); // the application owns it
    QApplication::setApplicationName(QStringLiteral("Maskwell"));
    QApplication::setApplicationVersion(QLatin1String(ProductVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(ApplicationId));
    QApplication::setWindowIcon(ApplicationIcon());
    InstallFontSubstitutions();
    InstallControlAccessibility();
    InstallWindowAccessibility();
}

} // namespace maskwell
