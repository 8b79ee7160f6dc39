// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/SettingsFile.h"
#include "controls/OctetText.h"
#include "core/AddressEntry.h"
#include "core/MemoryCalculator.h"

#include <QCommandLineParser>
#include <cstdio>

namespace maskwell {

namespace {

const QString printOption = QStringLiteral("print");

void Configure(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Classful IPv4 subnet calculator. Without --print it opens its window, "
                       "starting with ADDRESS when one is given."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        printOption, QStringLiteral("Print the results for ADDRESS and exit; needs no display.")));
    parser.addPositionalArgument(
        QStringLiteral("ADDRESS"),
        QStringLiteral("An IPv4 address, optionally with mask bits or a mask: 172.16.77.9, "
                       "172.16.77.9/20, \"172.16.77.9 255.255.240.0\", 172.16.77.9/0.0.15.255. "
                       "Without a mask, the mask a new window starts with (24 bits)."),
        QStringLiteral("[ADDRESS[/BITS|/MASK]]"));
}

// The octet fields of the in-memory address, for the control's own repair.
class MemoryAddressFields final : public OctetFields {
public:
    explicit MemoryAddressFields(TextField& address) : address_(address) {}
    QString OctetText(int index) const override { return Octets().value(index); }
    void SetOctetText(int index, const QString& text) override {
        QStringList octets = Octets();
        octets[index] = text;
        address_.SetText(octets.join(u'.').toStdString());
    }

private:
    QStringList Octets() const { return QString::fromStdString(address_.Text()).split(u'.'); }
    TextField& address_;
};

void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

bool WantsNoWindow(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1))
        if (argument == u"--print" || argument == u"--help" || argument == u"-h" ||
            argument == u"-?" || argument == u"--help-all" || argument == u"--version" ||
            argument == u"-v")
            return true;
    return false;
}

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    Configure(parser);
    CommandLine result;
    if (!parser.parse(arguments)) {
        result.What = CommandLine::Refuse;
        result.Problem = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        result.What = CommandLine::ShowHelp;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.What = CommandLine::ShowVersion;
        return result;
    }
    const bool print = parser.isSet(printOption);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        if (print) {
            result.What = CommandLine::Refuse;
            result.Problem = QStringLiteral("--print needs an address, such as 192.168.1.10/24");
        }
        return result;
    }
    const QString text = positional.join(u' ');
    result.Address = ParseAddressInput(text.toStdString());
    if (!result.Address) {
        result.What = CommandLine::Refuse;
        result.Problem = QStringLiteral("'%1' is not an IPv4 address such as 192.168.1.10 or "
                                        "192.168.1.10/24")
                             .arg(text);
        return result;
    }
    result.What = print ? CommandLine::PrintResults : CommandLine::OpenWindow;
    return result;
}

QString CommandLineHelp() {
    QCommandLineParser parser;
    Configure(parser);
    return parser.helpText();
}

PrintOutcome PrintResultsOf(const AddressInput& input) {
    MemoryCalculator calc;
    // The first start of a window without a settings file chooses this row.
    for (Selector* selector : {&calc.CB1, &calc.CB2, &calc.CB3, &calc.CB4})
        selector->SetItemIndex(DefaultMaskRow);
    const bool maskTaken = TakeAddressInput(calc.State, input, [&calc] {
        MemoryAddressFields fields(calc.IPE);
        RepairOctets(fields);
    });
    PrintOutcome outcome;
    if (!maskTaken) {
        outcome.ExitCode = 2;
        outcome.Problem = QString::fromStdString(calc.Notices.Notices().back());
        return outcome;
    }
    outcome.Output = QString::fromStdString(ResultSummaryText(calc.State));
    return outcome;
}

int RunWithoutWindow(const CommandLine& commandLine) {
    const QString name = QStringLiteral("maskwell: ");
    switch (commandLine.What) {
    case CommandLine::ShowHelp:
        Write(stdout, CommandLineHelp());
        return 0;
    case CommandLine::ShowVersion:
        Write(stdout, QCoreApplication::applicationName() + u' ' +
                          QCoreApplication::applicationVersion() + u'\n');
        return 0;
    case CommandLine::PrintResults: {
        const PrintOutcome outcome = PrintResultsOf(*commandLine.Address);
        if (outcome.ExitCode != 0)
            Write(stderr, name + outcome.Problem + u'\n');
        else
            Write(stdout, outcome.Output);
        return outcome.ExitCode;
    }
    case CommandLine::Refuse:
        Write(stderr, name + commandLine.Problem + u'\n');
        return 2;
    case CommandLine::OpenWindow:
        break;
    }
    return 0;
}

} // namespace maskwell
