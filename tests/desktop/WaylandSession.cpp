// SPDX-License-Identifier: MIT
// Maskwell's windows in a real window system session, driven by a script of
// test hooks instead of a user: the main window comes up and activates, an
// address is typed key by key into the window, the About window opens as a
// dialog of the main window and OK closes it, the window closes and stores its
// settings. Exits 0 when every step saw what a user would; the caller checks
// that nothing was written to stderr on the way (a Wayland warning, say).
#include "app/About.h"
#include "app/Application.h"
#include "app/Main.h"
#include "controls/IPEdit.h"
#include "controls/QlFancyButton.h"
#include "controls/advedit/AdvEdit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

int failures = 0;

void Expect(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    failures += ok ? 0 : 1;
}

void Script(maskwell::TMaskwellForm& form, maskwell::TAboutF& about) {
    using namespace maskwell;
    Expect(QTest::qWaitForWindowExposed(&form, 5000), "the main window is shown");
    Expect(QTest::qWaitFor([&] { return form.Activated(); }, 5000), "the first activation ran");
    // The compositor gives the keyboard to the window it maps; a headless one
    // without a seat may not, and then the session hands it over itself.
    const bool byCompositor = QTest::qWaitFor([&] { return form.isActiveWindow(); }, 2000);
    std::printf("activated by the compositor: %s\n", byCompositor ? "yes" : "no");
    if (!byCompositor)
        QApplication::setActiveWindow(&form);
    Expect(form.isActiveWindow(), "the main window has the keyboard");

    // The first focus selects the first octet, so typing replaces the address.
    Expect(QTest::qWaitFor([&] { return form.IPE->ByteEdit(0)->selectedText() == "192"; }, 2000),
           "the first octet has the focus with its text selected");
    QWindow* window = form.windowHandle();
    for (const char key : QByteArray("10.1.2.3"))
        QTest::keyClick(window, static_cast<Qt::Key>(key), Qt::NoModifier, 0);
    QTest::keyClick(window, Qt::Key_Tab);
    std::printf("address: %s, host range: %s\n", qPrintable(form.IPE->Text()),
                qPrintable(form.E1->Text()));
    Expect(form.IPE->Text() == "10.1.2.3", "the typed address is in the address control");
    Expect(form.E1->Text() == "10.1.2.1 - 10.1.2.254", "the host range belongs to it");

    form.About1Click();
    Expect(QTest::qWaitForWindowExposed(&about, 5000), "About is shown");
    Expect(about.windowHandle()->transientParent() == form.windowHandle(),
           "About is a dialog of the main window");
    about.OkBClick();
    Expect(QTest::qWaitForWindowExposed(&form, 5000), "OK brings the main window back");
    form.close();
}

} // namespace

int main(int argc, char** argv) {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    if (platforms.entryList({"libqwayland-*.so"}).isEmpty()) {
        std::printf("SKIPPED: Qt's Wayland plugin is missing (Debian package qt6-wayland)\n");
        return 77;
    }
    QApplication app(argc, argv);
    maskwell::SetUpApplication();
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));

    QTemporaryDir settings;
    const QString settingsPath = settings.filePath("maskwell.ini");
    {
        maskwell::TMaskwellForm form(settingsPath);
        maskwell::TAboutF about(form);
        form.SetAboutWindow(&about);
        form.show();
        QTimer::singleShot(0, &form, [&] {
            Script(form, about);
            QApplication::quit();
        });
        QApplication::exec();
    }
    QFile stored(settingsPath);
    Expect(stored.open(QIODevice::ReadOnly) && stored.readAll().contains("ipaddr=10.1.2.3"),
           "closing stored the address");
    return failures == 0 ? 0 : 1;
}
