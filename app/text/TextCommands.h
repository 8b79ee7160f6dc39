// SPDX-License-Identifier: MIT
#pragma once

#include "app/CommandLine.h"
#include "core/AddressInput.h"

#include <QString>

namespace maskwell {

// What --print writes: the results block on success (exit code 0), or the one
// line naming the problem (exit code 2): a first octet the address control
// would repair, or a mask the address's class does not offer.
struct PrintOutcome {
    int ExitCode = 0;
    QString Output;
    QString Problem;
};

// Runs the calculator in memory with mask bits 24 chosen and takes the address
// as a paste would, but refuses what a paste would repair: a script gets the
// results for the address it named or none.
PrintOutcome PrintResultsOf(const AddressInput& input);

// Carries out every action but OpenWindow on standard output and error and
// returns the exit code: 0 when done, 1 when standard output could not take
// it all, 2 for a refused argument or mask. The help's usage line names the
// program once a QCoreApplication exists.
int RunWithoutWindow(const CommandLine& commandLine);

} // namespace maskwell
