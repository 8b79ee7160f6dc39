// SPDX-License-Identifier: MIT
// Maskwell: start-up. The whole command line is read first (app/CommandLine.h),
// before any application object exists: only a window needs a display, so the
// window application is created only when a window will open.
#include "app/Main.h"

#include "app/About.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/SessionEnd.h"
#include "app/TextCommands.h"

#include <QApplication>
#include <csignal>

int main(int argc, char** argv) {
    // Past a file size limit a write fails and says so, instead of ending the
    // program: the settings store then shows its error, --print its exit status.
    std::signal(SIGXFSZ, SIG_IGN);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const maskwell::CommandLine commandLine = maskwell::ReadCommandLine(arguments);
    if (commandLine.What != maskwell::CommandLine::OpenWindow) {
        QCoreApplication app(argc, argv); // names the program in the help's usage line
        return maskwell::RunWithoutWindow(commandLine);
    }

    // The toolkit takes its own options (-platform, -style, ...) out of argv.
    QApplication app(argc, argv);
    maskwell::SetUpApplication();
    int status = 0;
    int endingSignal = 0;
    {
        maskwell::TMaskwellForm MaskwellForm;
        if (commandLine.Address)
            MaskwellForm.SetStartAddress(*commandLine.Address);
        maskwell::TAboutF AboutF(MaskwellForm); // hidden until About is chosen
        MaskwellForm.SetAboutWindow(&AboutF);
        const maskwell::SessionEnd sessionEnd(MaskwellForm);
        MaskwellForm.show();
        status = QApplication::exec();
        endingSignal = sessionEnd.Signal();
    }
    // Ended by a signal, with the settings stored: the caller learns which.
    if (endingSignal != 0)
        maskwell::TerminationSignals::RaiseWithDefaultAction(endingSignal);
    return status;
}
