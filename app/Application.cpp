#include "app/Application.h"

#include "app/Images.h"
#include "app/Version.h"
#include "controls/Accessibility.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace maskwell {

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Maskwell"));
    QApplication::setApplicationVersion(QLatin1String(ProductVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(ApplicationId));
    QIcon icon;
    for (const int size : IconThemeSizes)
        icon.addPixmap(QPixmap::fromImage(WindowIconAtSize(size)));
    QApplication::setWindowIcon(icon);
    InstallFontSubstitutions();
    InstallControlAccessibility();
}

} // namespace maskwell
