// SPDX-License-Identifier: MIT
#include "app/TextCommands.h"

#include "app/Version.h"
#include "core/AddressEntry.h"
#include "core/MemoryCalculator.h"
#include "core/SubnetList.h"
#include "core/SubnetListText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace maskwell {

namespace {

// The first octets the address control keeps after a repair.
constexpr int lowestFirstOctet = 1;
constexpr int highestFirstOctet = 239;
// The mask bits --print takes when the address comes without a mask.
constexpr int printMaskBits = 24;

const QString programPrefix = QStringLiteral("maskwell: ");

// Writes every byte and says whether all of them reached the stream; errno
// tells why not.
bool Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written;
}

// Says why standard output refused the text (errno) and gives the exit code.
int WriteFailure() {
    const int error = errno;
    Write(stderr, programPrefix + QStringLiteral("cannot write to standard output: ") +
                      QString::fromLocal8Bit(std::strerror(error)) + u'\n');
    return 1;
}

int WriteOutput(const QString& text) {
    return Write(stdout, text) ? 0 : WriteFailure();
}

// The first octets the address control would repair; empty for the others.
QString FirstOctetProblem(const AddressInput& input) {
    const int first = input.Octets[0];
    if (first >= lowestFirstOctet && first <= highestFirstOctet)
        return {};
    return QStringLiteral("%1: the first octet must be %2 to %3")
        .arg(QString::fromStdString(input.Dotted()))
        .arg(lowestFirstOctet)
        .arg(highestFirstOctet);
}

int Refuse(const QString& problem) {
    Write(stderr, programPrefix + problem + u'\n');
    return 2;
}

} // namespace

PrintOutcome PrintResultsOf(const AddressInput& input) {
    PrintOutcome outcome;
    outcome.Problem = FirstOctetProblem(input);
    if (!outcome.Problem.isEmpty()) {
        outcome.ExitCode = 2;
        return outcome;
    }
    MemoryCalculator calc;
    SelectMaskBits(calc.State, printMaskBits); // the initial lists offer every length
    if (!TakeAddressInput(calc.State, input, {})) {
        outcome.ExitCode = 2;
        outcome.Problem = QString::fromStdString(calc.Notices.Notices().back());
        return outcome;
    }
    outcome.Output = QString::fromStdString(ResultSummaryText(calc.State));
    return outcome;
}

int ListSubnets(const AddressInput& input) {
    if (const QString problem = FirstOctetProblem(input); !problem.isEmpty())
        return Refuse(problem);
    AddressInput withMask = input;
    if (!withMask.MaskBits)
        withMask.MaskBits = printMaskBits;
    const SubnetList list = SubnetList::Of(withMask);
    if (list.Count() == 0)
        return Refuse(QString::fromStdString(list.Why()));
    // A pipe that holds a whole piece takes it in one hand-over to its reader,
    // not sixteen; elsewhere (a file, a terminal) this does nothing.
    fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
    const bool written = WriteSubnetRows(list, 0, list.Count(), '\t',
                                         [](std::string_view piece) {
                                             return std::fwrite(piece.data(), 1, piece.size(),
                                                                stdout) == piece.size();
                                         }) &&
                         std::fflush(stdout) == 0;
    return written ? 0 : WriteFailure();
}

int RunWithoutWindow(const CommandLine& commandLine) {
    switch (commandLine.What) {
    case CommandLine::ShowHelp:
    case CommandLine::ShowHelpAll:
        return WriteOutput(CommandLineHelp(commandLine.What == CommandLine::ShowHelpAll));
    case CommandLine::ShowVersion:
        return WriteOutput(QStringLiteral("Maskwell %1\n").arg(QLatin1String(ProductVersion)));
    case CommandLine::PrintResults: {
        const PrintOutcome outcome = PrintResultsOf(*commandLine.Address);
        return outcome.ExitCode == 0 ? WriteOutput(outcome.Output) : Refuse(outcome.Problem);
    }
    case CommandLine::ListSubnets:
        return ListSubnets(*commandLine.Address);
    case CommandLine::Refuse:
        return Refuse(commandLine.Problem);
    case CommandLine::OpenWindow:
        break;
    }
    return 0;
}

} // namespace maskwell
