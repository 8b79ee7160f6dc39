// SPDX-License-Identifier: MIT
#pragma once

#include "app/text/OutputBuffer.h"

#include <string_view>

namespace maskwell {

// Writes one line to a descriptor at once, "maskwell: " first.
void WriteProblemLine(int descriptor, std::string_view problem);

// A text command's problems, each one line on standard error as it happens,
// and the exit status they add up to: 1 when the input could not be read or
// the output not written (the run stops there), else 2 when any input was
// refused (the others are answered), else 0.
class ProblemReport {
public:
    ProblemReport(OutputBuffer& output, int descriptor)
        : output_(output), descriptor_(descriptor) {}

    // "maskwell: <where>: <reason>". The output held so far is written first,
    // so that on a terminal the line comes after the results before it.
    void Refused(std::string_view where, std::string_view reason);
    // "maskwell: cannot read <what>: <the system's reason>".
    void ReadFailed(std::string_view what, int error);
    // Writes out what the output holds, and says so when it could not.
    void FinishOutput();

    int ExitStatus() const;

private:
    OutputBuffer& output_;
    int descriptor_;
    bool refused_ = false;
    bool failed_ = false;
};

} // namespace maskwell
