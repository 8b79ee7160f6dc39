// SPDX-License-Identifier: MIT
#pragma once

#include "core/AddressInput.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace maskwell {

// What the command line asks for:
//   maskwell [ADDRESS[/BITS|/MASK]]          the window, starting with that address
//   maskwell --print ADDRESS[/BITS|/MASK]    the results as text, no window
//   maskwell --help | --version
// An address may also come as two arguments, "10.0.0.1 255.255.255.0".
struct CommandLine {
    enum Action { OpenWindow, PrintResults, ShowHelp, ShowVersion, Refuse };
    Action What = OpenWindow;
    std::optional<AddressInput> Address;
    QString Problem; // Refuse: one line naming what is wrong
};

// Whether the arguments (program name first) ask for something that needs no
// window, so that the program can start without a display. The toolkit's own
// options (-platform, say) are only known once a window application exists.
bool WantsNoWindow(const QStringList& arguments);

// Reads the arguments, program name first; a QCoreApplication must exist.
CommandLine ReadCommandLine(const QStringList& arguments);

// The text --help prints; a QCoreApplication must exist.
QString CommandLineHelp();

// What --print writes: the results block on success (exit code 0), or the one
// line naming the problem (exit code 2): a mask the address's class does not offer.
struct PrintOutcome {
    int ExitCode = 0;
    QString Output;
    QString Problem;
};

// Runs the calculator in memory as a new window starts it (the class A lists,
// mask bits 24 chosen) and takes the address as a paste would.
PrintOutcome PrintResultsOf(const AddressInput& input);

// Carries out every action but OpenWindow on standard output and error and
// returns the exit code: 0 when done, 2 for a refused argument or mask.
int RunWithoutWindow(const CommandLine& commandLine);

} // namespace maskwell
