// SPDX-License-Identifier: MIT
#pragma once

#include "app/text/CommandLine.h"

namespace maskwell {

// The window program's file name. It lies beside this program (the build
// tree, a portable copy) or in the installed libexec folder.
inline constexpr const char* WindowProgramName = "maskwell-window";

// Replaces this process with the window program, passing the arguments on
// unchanged, the program name and the toolkit's options included: the window
// then runs as if it had been started itself, with the same process id. Before
// that, a window that can surely not open (no display named anywhere) is
// refused with one line and status 2, instead of the toolkit's abort. Returns
// only when the window program could not be started: 127 when it is missing,
// 126 when it could not be run, after one line on standard error.
int HandOverToWindow(const CommandLine& commandLine, char** argv);

} // namespace maskwell
