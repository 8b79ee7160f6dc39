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
//   maskwell --help | --help-all | --version
// An address may also come as two arguments, "10.0.0.1 255.255.255.0".
// The window toolkit's own options (-platform NAME, -style NAME, ...) are
// accepted anywhere before "--": the window's toolkit takes them, and every
// other path ignores them.
struct CommandLine {
    enum Action { OpenWindow, PrintResults, ShowHelp, ShowHelpAll, ShowVersion, Refuse };
    Action What = OpenWindow;
    std::optional<AddressInput> Address;
    QString Problem; // Refuse: one line naming what is wrong, safe to print
};

// Reads the arguments, program name first. Needs no application object, so
// that what needs no window is known before a display is looked for.
CommandLine ReadCommandLine(const QStringList& arguments);

// The text --help prints, and with the toolkit's options what --help-all
// prints. The usage line names the program as the running application was
// started, once a QCoreApplication exists.
QString CommandLineHelp(bool withToolkitOptions = false);

} // namespace maskwell
