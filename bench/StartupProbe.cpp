// A whole process start, for bench/startup.sh to time from outside: the
// program's own start-up up to the end of the first activation, or, as the
// floor to compare it with, an empty Qt window of the same size shown.
//   startup_probe maskwell   |   startup_probe empty
#include "app/About.h"
#include "app/Main.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

int main(int argc, char** argv) {
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maskwell"));
    if (empty) {
        QWidget window;
        window.resize(292, 317);
        window.show();
        return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
    }
    maskwell::InstallFontSubstitutions();
    QTemporaryDir folder; // the settings stay out of the build folder
    maskwell::TMaskwellForm form(folder.filePath("maskwell.ini"));
    maskwell::TAboutF about(form);
    form.SetAboutWindow(&about);
    form.show();
    const bool ready =
        QTest::qWaitForWindowExposed(&form) && QTest::qWaitFor([&] { return form.Activated(); });
    return ready ? 0 : 1;
}
