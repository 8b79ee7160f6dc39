// SPDX-License-Identifier: MIT
#pragma once

namespace maskwell {

// The file descriptors a text command reads and writes: the process's own
// standard streams, or in a test files of its own.
struct TextStreams {
    int Input = 0;
    int Output = 1;
    int Errors = 2;
};

} // namespace maskwell
