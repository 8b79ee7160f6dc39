// SPDX-License-Identifier: MIT
// The main of every Qt test executable: one QApplication for the whole run,
// no error box, no modal box and no shell "open" reaching the (offscreen)
// screen unexpected.
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/ShellOpen.h"
#include "tests/support/ModalBoxCloser.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Headless unless a run asks for a real display (a drag under Xvfb, say).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maskwell"));
    maskwell::InstallFontSubstitutions(); // the fonts the program itself draws with

    maskwell::SetErrorBoxSink([](const QString& message) {
        ADD_FAILURE() << "unexpected error box: " << message.toStdString();
    });
    maskwell::SetShellOpenHandler([](const QString& target) {
        ADD_FAILURE() << "unexpected shell open: " << target.toStdString();
    });
    maskwell::test::InstallUnexpectedModalWatchdog();

    return RUN_ALL_TESTS();
}
