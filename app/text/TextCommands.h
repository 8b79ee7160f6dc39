// SPDX-License-Identifier: MIT
#pragma once

#include "app/text/CommandLine.h"
#include "app/text/TextStreams.h"

namespace maskwell {

// Carries out every action but OpenWindow and returns the exit status: 0 when
// done, 1 when the output could not take it all (or the input could not be
// read), 2 for a refused argument or address.
int RunWithoutWindow(const CommandLine& commandLine, const TextStreams& streams = {});

} // namespace maskwell
