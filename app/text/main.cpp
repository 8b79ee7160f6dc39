// SPDX-License-Identifier: MIT
// Maskwell as a command: the program users and scripts type. It reads the
// command line on the standard library and the calculator core alone, answers
// everything that needs no window itself (so that --print loads no toolkit and
// starts as fast as a small C program), and hands a window over to the window
// program, which it becomes by exec.
#include "app/text/CommandLine.h"
#include "app/text/TextCommands.h"
#include "app/text/WindowHandover.h"

#include <csignal>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    // Past a file size limit a write fails and says so, instead of ending the
    // program: --print then exits with its write error status.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string_view> arguments(argv, argv + argc);
    const maskwell::CommandLine commandLine = maskwell::ReadCommandLine(arguments);
    if (commandLine.action != maskwell::CommandLine::OpenWindow)
        return maskwell::RunWithoutWindow(commandLine);
    return maskwell::HandOverToWindow(commandLine, argv);
}
