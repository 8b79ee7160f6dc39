// SPDX-License-Identifier: MIT
// Maskwell: start-up. The arguments are read as app/CommandLine.h says; the
// toolkit's own (the platform plugin, say) are taken out by the toolkit first.
// --print, --help and --version need no display, so they run before any window
// application exists.
#include "app/Main.h"

#include "app/About.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Version.h"

#include <QApplication>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (maskwell::WantsNoWindow(arguments)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Maskwell"));
        QCoreApplication::setApplicationVersion(QLatin1String(maskwell::ProductVersion));
        return maskwell::RunWithoutWindow(maskwell::ReadCommandLine(QCoreApplication::arguments()));
    }

    QApplication app(argc, argv);
    maskwell::SetUpApplication();
    const maskwell::CommandLine commandLine = maskwell::ReadCommandLine(QApplication::arguments());
    if (commandLine.What != maskwell::CommandLine::OpenWindow)
        return maskwell::RunWithoutWindow(commandLine);

    maskwell::TMaskwellForm MaskwellForm;
    if (commandLine.Address)
        MaskwellForm.SetStartAddress(*commandLine.Address);
    maskwell::TAboutF AboutF(MaskwellForm); // hidden until About is chosen
    MaskwellForm.SetAboutWindow(&AboutF);
    MaskwellForm.show();
    return QApplication::exec();
}
