// SPDX-License-Identifier: MIT
#include "app/Version.h"
#include "app/text/TerminalText.h"
#include "tests/text/TextRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace maskwell {
namespace {

using test::Address;
using test::ExpectedBlock;

struct PrintCase {
    friend void PrintTo(const PrintCase& c, std::ostream* out) { *out << c.Argument; }
    const char* Name;
    const char* Argument;
    std::uint32_t Taken;
    int Bits;
};

class PrintMatchesNetworkArithmetic : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintMatchesNetworkArithmetic, ForEveryResult) {
    const PrintCase& c = GetParam();
    const test::TextOutcome outcome = test::RunText({"maskwell", "--print", c.Argument});
    EXPECT_EQ(outcome.ExitCode, 0);
    EXPECT_EQ(outcome.Problems, "");
    EXPECT_EQ(outcome.Output, ExpectedBlock(c.Taken, c.Bits));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, PrintMatchesNetworkArithmetic,
    ::testing::Values(
        PrintCase{"ClassAShortestMask", "10.200.3.4/10", Address(10, 200, 3, 4), 10},
        PrintCase{"ClassAInsideTheSecondOctet", "10.20.30.40/13", Address(10, 20, 30, 40), 13},
        PrintCase{"ClassAOctetBoundary", "10.20.30.40/16", Address(10, 20, 30, 40), 16},
        PrintCase{"ClassBShortestMask", "172.16.77.9/18", Address(172, 16, 77, 9), 18},
        PrintCase{"ClassBLastBlock", "191.255.255.254/23", Address(191, 255, 255, 254), 23},
        PrintCase{"ClassCUnsubnetted", "192.168.1.10/24", Address(192, 168, 1, 10), 24},
        PrintCase{"ClassCOneSubnetBit", "192.168.1.10/25", Address(192, 168, 1, 10), 25},
        PrintCase{"ClassCLongestMask", "203.0.113.77/30", Address(203, 0, 113, 77), 30},
        PrintCase{"FirstAddressOfABlock", "172.31.0.0/30", Address(172, 31, 0, 0), 30},
        PrintCase{"MaskAfterABlank", "198.51.100.200 255.255.255.224", Address(198, 51, 100, 200),
                  27},
        PrintCase{"WildcardForm", "10.9.8.7/0.0.3.255", Address(10, 9, 8, 7), 22},
        PrintCase{"MulticastOffersClassABits", "230.4.5.6/12", Address(230, 4, 5, 6), 12},
        PrintCase{"LoopbackHasNoClass", "127.1.2.3/20", Address(127, 1, 2, 3), 20},
        PrintCase{"LeadingZeros", "010.001.002.003/27", Address(10, 1, 2, 3), 27},
        PrintCase{"NoMaskTakesTheNewWindowMask", "10.1.2.3", Address(10, 1, 2, 3), 24}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return info.param.Name; });

// How the output of a row is compared.
enum class Match { Exact, Start, Part };

struct ProcessCase {
    friend void PrintTo(const ProcessCase& c, std::ostream* out) {
        // The rows hold terminal controls: shown here, they would act.
        *out << PrintableArgument(c.Arguments.join(' ').toStdString());
    }
    const char* Name;
    QStringList Arguments;
    int ExitCode;
    QString Output;
    QString Problem;
    Match OutputMatch = Match::Exact;
    bool OutputToAFullDisk = false; // standard output is /dev/full
    QStringList Environment = {};   // NAME=value, added to the run's
    bool AloneInAFolder = false;    // the command copied without the window program
};

// The real program, with no display at all and no platform chosen for it.
class Executable : public ::testing::TestWithParam<ProcessCase> {};

TEST_P(Executable, RunsWithoutADisplay) {
    const ProcessCase& c = GetParam();
    const QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path()); // no Wayland socket
    for (const QString& setting : c.Environment)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QString program = QStringLiteral(MASKWELL_EXECUTABLE);
    if (c.AloneInAFolder) {
        program = folder.filePath(QStringLiteral("maskwell"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MASKWELL_EXECUTABLE), program));
    }
    QProcess run;
    run.setProcessEnvironment(environment);
    if (c.OutputToAFullDisk)
        run.setStandardOutputFile(QStringLiteral("/dev/full"));
    run.start(program, c.Arguments);
    ASSERT_TRUE(run.waitForFinished(30000)) << run.errorString().toStdString();
    const QString output = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_EQ(run.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.exitCode(), c.ExitCode);
    switch (c.OutputMatch) {
    case Match::Exact:
        EXPECT_EQ(output, c.Output);
        break;
    case Match::Start:
        EXPECT_TRUE(output.startsWith(c.Output)) << output.toStdString();
        break;
    case Match::Part:
        EXPECT_TRUE(output.contains(c.Output)) << output.toStdString();
        break;
    }
    EXPECT_EQ(QString::fromUtf8(run.readAllStandardError()).replace(folder.path(), "<folder>"),
              c.Problem);
}

QString Block(std::uint32_t address, int bits) {
    return QString::fromStdString(ExpectedBlock(address, bits));
}

QString List(std::uint32_t address, int bits) {
    return QString::fromStdString(test::ExpectedList(address, bits));
}

const QString printed = Block(Address(172, 16, 77, 9), 20);
const QString usage =
    QStringLiteral("Usage: " MASKWELL_EXECUTABLE " [options] [ADDRESS[/BITS|/MASK]]\n");
const QString notAnAddress =
    QStringLiteral("': not an IPv4 address such as 192.168.1.10 or 192.168.1.10/24\n");
const QString fullDisk =
    QStringLiteral("maskwell: cannot write to standard output: No space left on device\n");

INSTANTIATE_TEST_SUITE_P(
    ArgumentForms, Executable,
    ::testing::Values(
        ProcessCase{"PrintsTheResults", {"--print", "172.16.77.9/20"}, 0, printed, ""},
        ProcessCase{"PrintTakesAMaskAfterABlankInOneArgument",
                    {"172.16.77.9 255.255.240.0", "--print"},
                    0,
                    printed,
                    ""},
        ProcessCase{"SeveralAddressesInOrder",
                    {"--print", "172.16.77.9/20", "10.1.2.3/13"},
                    0,
                    printed + "\n" + Block(Address(10, 1, 2, 3), 13),
                    ""},
        ProcessCase{"ASecondArgumentIsAnotherAddressNeverAMask",
                    {"--print", "172.16.77.9", "255.255.240.0"},
                    2,
                    Block(Address(172, 16, 77, 9), 24),
                    "maskwell: '255.255.240.0': the first octet must be 1 to 239\n"},
        ProcessCase{"FormatAsNextArgument",
                    {"--print", "--format", "csv", "172.16.77.9/20"},
                    0,
                    "address,prefix,",
                    "",
                    Match::Start},
        ProcessCase{"FormatAfterEqualsAndOneDash",
                    {"-format=json", "--print", "172.16.77.9/20"},
                    0,
                    "{\"address\":\"172.16.77.9\",\"prefix\":20,",
                    "",
                    Match::Start},
        ProcessCase{"SameBytesUnderAnotherLocale",
                    {"--print", "10.0.0.1\u00e9\u202e"},
                    2,
                    "",
                    "maskwell: '10.0.0.1\u00e9\\u202E" + notAnAddress,
                    Match::Exact,
                    false,
                    {"LC_ALL=C", "LANG=POSIX"}},
        ProcessCase{
            "Version", {"--version"}, 0, QStringLiteral("Maskwell %1\n").arg(ProductVersion), ""},
        ProcessCase{"Help", {"--help"}, 0, usage, "", Match::Start},
        ProcessCase{"HelpByQuestionMark", {"-?"}, 0, usage, "", Match::Start},
        ProcessCase{"HelpSaysWhatAMissingMaskDoes",
                    {"--help"},
                    0,
                    "Without a mask, --print uses 24 bits;",
                    "",
                    Match::Part},
        ProcessCase{
            "HelpListsTheExitStatuses", {"--help"}, 0, "\nExit status:\n  0  ", "", Match::Part},
        ProcessCase{"HelpAllListsTheToolkitOptions",
                    {"--help-all"},
                    0,
                    "  -platform <name>",
                    "",
                    Match::Part},
        ProcessCase{"ToolkitOptionsBesidePrintAreIgnored",
                    {"-platform", "offscreen", "--style=fusion", "--print", "172.16.77.9/20"},
                    0,
                    printed,
                    ""},
        ProcessCase{"PrintWithoutAnAddress",
                    {"--print"},
                    2,
                    "",
                    "maskwell: --print needs an address, such as 192.168.1.10/24, or - to read "
                    "them from standard input\n"},
        ProcessCase{"UnknownFormat",
                    {"--print", "--format=xml", "10.0.0.1"},
                    2,
                    "",
                    "maskwell: --format takes text, json or csv, not 'xml'\n"},
        ProcessCase{"FormatWithoutItsValue",
                    {"--print", "10.0.0.1", "--format"},
                    2,
                    "",
                    "maskwell: Missing value after '--format'.\n"},
        ProcessCase{"FormatWithoutPrint",
                    {"--format=json", "10.0.0.1"},
                    2,
                    "",
                    "maskwell: --format goes with --print or --list\n"},
        ProcessCase{"UnknownOption",
                    {"--print", "--bogus", "10.0.0.1"},
                    2,
                    "",
                    "maskwell: Unknown option 'bogus'.\n"},
        ProcessCase{"UnknownOptions",
                    {"--bogus", "-x", "10.0.0.1"},
                    2,
                    "",
                    "maskwell: Unknown options: bogus, x.\n"},
        ProcessCase{"UnknownSingleDashWordIsOneOption",
                    {"-bogus", "10.0.0.1"},
                    2,
                    "",
                    "maskwell: Unknown option 'bogus'.\n"},
        ProcessCase{"CompactedOptions", {"-hv"}, 2, "", "maskwell: Unknown option 'hv'.\n"},
        ProcessCase{"ValueForPrint",
                    {"--print=10.0.0.1"},
                    2,
                    "",
                    "maskwell: Unexpected value after '--print'.\n"},
        ProcessCase{"WindowAddressTooShort", {"1.2.3"}, 2, "", "maskwell: '1.2.3" + notAnAddress},
        ProcessCase{"WindowMaskBeyond32",
                    {"10.0.0.1/33"},
                    2,
                    "",
                    "maskwell: '10.0.0.1/33': mask bits 33 is above 32\n"},
        ProcessCase{"WindowTakesOneAddress",
                    {"10.0.0.1", "255.255.255.0"},
                    2,
                    "",
                    "maskwell: the window takes one address, its mask after a slash "
                    "(10.0.0.1/255.255.255.0); --print takes several\n"},
        ProcessCase{"WindowTakesNoStandardInput",
                    {"-"},
                    2,
                    "",
                    "maskwell: - (standard input) goes with --print\n"},
        ProcessCase{"WindowWithoutADisplay",
                    {"10.0.0.1"},
                    2,
                    "",
                    "maskwell: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are "
                    "unset); --print needs none\n"},
        ProcessCase{"WindowProgramMissing",
                    {"-platform", "offscreen"},
                    127,
                    "",
                    "maskwell: the window program is missing: <folder>/../libexec/maskwell/"
                    "maskwell-window\n",
                    Match::Exact,
                    false,
                    {},
                    true},
        ProcessCase{"LineBreakIsEscaped",
                    {"--print", "10.0.0.1\nrm -rf ~"},
                    2,
                    "",
                    "maskwell: '10.0.0.1\\nrm -rf ~" + notAnAddress},
        ProcessCase{"TerminalControlIsEscaped",
                    {"--print", "1.2.3.4\x1b]2;pwned\a\u202e"},
                    2,
                    "",
                    "maskwell: '1.2.3.4\\x1B]2;pwned\\x07\\u202E" + notAnAddress},
        ProcessCase{"LongArgumentIsCut",
                    {"--print", QString(100000, u'9')},
                    2,
                    "",
                    "maskwell: '" + QString(80, u'9') + u'\u2026' + notAnAddress},
        ProcessCase{"LongOptionNameIsCut",
                    {"--" + QString(5000, u'x')},
                    2,
                    "",
                    "maskwell: Unknown option '" + QString(80, u'x') + "\u2026'.\n"},
        ProcessCase{"FirstOctetZeroIsRefused",
                    {"--print", "0.1.2.3/20"},
                    2,
                    "",
                    "maskwell: '0.1.2.3/20': the first octet must be 1 to 239\n"},
        ProcessCase{"FirstOctetAbove239IsRefused",
                    {"--print", "250.1.2.3/20"},
                    2,
                    "",
                    "maskwell: '250.1.2.3/20': the first octet must be 1 to 239\n"},
        ProcessCase{"MaskTheClassDoesNotOffer",
                    {"--print", "192.168.1.10/16"},
                    2,
                    "",
                    "maskwell: '192.168.1.10/16': mask bits 16 is not offered for a class C "
                    "address; choose 24 to 30\n"},
        ProcessCase{"ListsEverySubnetOfTheNetwork",
                    {"--list", "172.16.77.9/20"},
                    0,
                    List(Address(172, 16, 77, 9), 20),
                    ""},
        ProcessCase{"ListsAClassANetwork",
                    {"--list", "10.200.3.4/18"},
                    0,
                    List(Address(10, 200, 3, 4), 18),
                    ""},
        ProcessCase{"ListsMulticastAsClassA",
                    {"--list", "230.1.2.3 255.240.0.0"},
                    0,
                    List(Address(230, 1, 2, 3), 12),
                    ""},
        ProcessCase{"ListsTheUnsubnettedNetworkAsOneRow",
                    {"--list", "192.168.1.10"},
                    0,
                    "0\t192.168.1.0\t192.168.1.1\t192.168.1.254\t192.168.1.255\t\n",
                    ""},
        ProcessCase{"ListMaskTheClassDoesNotOffer",
                    {"--list", "10.0.0.0/8"},
                    2,
                    "",
                    "maskwell: '10.0.0.0/8': mask bits 8 is not offered for a class A address; "
                    "choose 10 to 30\n"},
        ProcessCase{"ListOfAnAddressOfNoClass",
                    {"--list", "127.0.0.1/24"},
                    2,
                    "",
                    "maskwell: '127.0.0.1/24': 127.0.0.1 is in no address class\n"},
        ProcessCase{"ListWithoutAnAddress",
                    {"--list"},
                    2,
                    "",
                    "maskwell: --list needs an address, such as 10.0.0.0/30\n"},
        ProcessCase{"ListTakesOneAddress",
                    {"--list", "10.0.0.1/24", "10.0.0.2/24"},
                    2,
                    "",
                    "maskwell: --list takes one address, its mask after a slash\n"},
        ProcessCase{"ListAndPrintTogether",
                    {"--list", "--print", "10.0.0.1/24"},
                    2,
                    "",
                    "maskwell: --print and --list cannot be given together\n"}),
    [](const ::testing::TestParamInfo<ProcessCase>& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    ExitStatuses, Executable,
    ::testing::Values(
        ProcessCase{"RefusedAmongPrintedIsTwo",
                    {"--print", "10.1.2.3/20", "10.0.0.1/8", "172.16.77.9/20"},
                    2,
                    Block(Address(10, 1, 2, 3), 20) + "\n" + printed,
                    "maskwell: '10.0.0.1/8': mask bits 8 is not offered for a class A address; "
                    "choose 10 to 30\n"},
        ProcessCase{"PrintToAFullDiskIsOne",
                    {"--print", "10.1.2.3/20"},
                    1,
                    "",
                    fullDisk,
                    Match::Exact,
                    true},
        ProcessCase{"WriteErrorOutweighsARefusal",
                    {"--print", "1.2.3", "10.1.2.3/20"},
                    1,
                    "",
                    "maskwell: '1.2.3" + notAnAddress + fullDisk,
                    Match::Exact,
                    true},
        ProcessCase{"VersionToAFullDiskIsOne", {"--version"}, 1, "", fullDisk, Match::Exact, true},
        ProcessCase{"ListToAFullDiskIsOne",
                    {"--list", "10.1.2.3/30"},
                    1,
                    "",
                    fullDisk,
                    Match::Exact,
                    true}),
    [](const ::testing::TestParamInfo<ProcessCase>& info) { return info.param.Name; });

} // namespace
} // namespace maskwell
