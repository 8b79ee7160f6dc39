// SPDX-License-Identifier: MIT
#include "app/text/TextCommands.h"

#include "app/Version.h"
#include "app/text/ListCommand.h"
#include "app/text/PrintCommand.h"
#include "app/text/ProblemReport.h"

namespace maskwell {

namespace {

int WriteOutput(std::string_view text, const TextStreams& streams) {
    OutputBuffer out(streams.Output);
    ProblemReport problems(out, streams.Errors);
    out.Append(text);
    problems.FinishOutput();
    return problems.ExitStatus();
}

} // namespace

int RunWithoutWindow(const CommandLine& commandLine, const TextStreams& streams) {
    switch (commandLine.action) {
    case CommandLine::ShowHelp:
    case CommandLine::ShowHelpAll:
        return WriteOutput(
            CommandLineHelp(commandLine.program, commandLine.action == CommandLine::ShowHelpAll),
            streams);
    case CommandLine::ShowVersion:
        return WriteOutput("Maskwell " + std::string(ProductVersion) + "\n", streams);
    case CommandLine::PrintResults:
        return RunPrint(commandLine, streams);
    case CommandLine::ListSubnets:
        return RunList(commandLine, streams);
    case CommandLine::Refuse:
        WriteProblemLine(streams.Errors, commandLine.problem);
        return 2;
    case CommandLine::OpenWindow:
        break;
    }
    return 0;
}

} // namespace maskwell
