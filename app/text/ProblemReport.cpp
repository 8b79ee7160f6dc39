// SPDX-License-Identifier: MIT
#include "app/text/ProblemReport.h"

#include <cstring>
#include <string>

namespace maskwell {

void WriteProblemLine(int descriptor, std::string_view problem) {
    OutputBuffer line(descriptor);
    line.Append("maskwell: ");
    line.Append(problem);
    line.Append('\n');
    line.Flush(); // nowhere left to say that this failed
}

void ProblemReport::Refused(std::string_view where, std::string_view reason) {
    refused_ = true;
    output_.Flush();
    WriteProblemLine(descriptor_, std::string(where) + ": " + std::string(reason));
}

void ProblemReport::ReadFailed(std::string_view what, int error) {
    failed_ = true;
    output_.Flush();
    WriteProblemLine(descriptor_, "cannot read " + std::string(what) + ": " + std::strerror(error));
}

void ProblemReport::FinishOutput() {
    if (output_.Flush())
        return;
    failed_ = true;
    WriteProblemLine(descriptor_, std::string("cannot write to standard output: ") +
                                      std::strerror(output_.Error()));
}

int ProblemReport::ExitStatus() const {
    if (failed_ || output_.Failed())
        return 1;
    return refused_ ? 2 : 0;
}

} // namespace maskwell
