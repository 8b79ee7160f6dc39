// SPDX-License-Identifier: MIT
// The control gallery: every reusable control of Maskwell in several
// configurations, with a panel to change their properties live.
#include "gallery/GalleryWindow.h"
#include "platform/Fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("maskwell"));
    maskwell::InstallFontSubstitutions();

    maskwell::gallery::GalleryWindow window(
        maskwell::gallery::GalleryWindow::DefaultSettingsFile());
    window.show();
    return QApplication::exec();
}
