// SPDX-License-Identifier: MIT
// Writes the window icon into an icon theme folder at every size the desktop
// asks for: <folder>/hicolor/<size>x<size>/apps/<application id>.png. Run by
// the build, so the theme's pictures come from the one pixel drawing.
#include "app/Images.h"
#include "app/Version.h"

#include <QDir>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const int size : maskwell::kIconThemeSizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString file =
            root.filePath(folder + u'/' + QLatin1String(maskwell::ApplicationId) + ".png");
        if (!root.mkpath(folder) || !maskwell::WindowIconAtSize(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
