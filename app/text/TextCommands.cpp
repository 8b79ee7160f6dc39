// SPDX-License-Identifier: MIT
#include "app/TextCommands.h"

#include "app/Version.h"
#include "core/AddressEntry.h"
#include "core/MemoryCalculator.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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

int WriteOutput(const QString& text) {
    if (Write(stdout, text))
        return 0;
    const int error = errno;
    Write(stderr, programPrefix + QStringLiteral("cannot write to standard output: ") +
                      QString::fromLocal8Bit(std::strerror(error)) + u'\n');
    return 1;
}

int Refuse(const QString& problem) {
    Write(stderr, programPrefix + problem + u'\n');
    return 2;
}

} // namespace

PrintOutcome PrintResultsOf(const AddressInput& input) {
    PrintOutcome outcome;
    const int first = input.Octets[0];
    if (first < lowestFirstOctet || first > highestFirstOctet) {
        outcome.ExitCode = 2;
        outcome.Problem = QStringLiteral("%1: the first octet must be %2 to %3")
                              .arg(QString::fromStdString(input.Dotted()))
                              .arg(lowestFirstOctet)
                              .arg(highestFirstOctet);
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
    case CommandLine::Refuse:
        return Refuse(commandLine.Problem);
    case CommandLine::OpenWindow:
        break;
    }
    return 0;
}

} // namespace maskwell
