// SPDX-License-Identifier: MIT
// Maskwell's window program: start-up. The maskwell command (app/text/main.cpp)
// hands a window over to it by exec, with the command line unchanged; read
// here again by the same reader, before any application object exists, it
// gives the window its address. Started directly, it answers the text
// commands too, as the command does.
#include "app/Main.h"

#include "app/About.h"
#include "app/Application.h"
#include "app/SessionEnd.h"
#include "app/text/CommandLine.h"
#include "app/text/TextCommands.h"

#include <QApplication>
#include <csignal>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    // Past a file size limit a write fails and says so, instead of ending the
    // program: the settings store then shows its error, --print its exit status.
    std::signal(SIGXFSZ, SIG_IGN);

    const std::vector<std::string_view> arguments(argv, argv + argc);
    const maskwell::CommandLine commandLine = maskwell::ReadCommandLine(arguments);
    if (commandLine.action != maskwell::CommandLine::OpenWindow)
        return maskwell::RunWithoutWindow(commandLine);

    // The toolkit takes its own options (-platform, -style, ...) out of argv.
    QApplication app(argc, argv);
    maskwell::SetUpApplication();
    int status = 0;
    int endingSignal = 0;
    {
        maskwell::TMaskwellForm MaskwellForm;
        if (commandLine.address)
            MaskwellForm.SetStartAddress(*commandLine.address);
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
