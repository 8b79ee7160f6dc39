// SPDX-License-Identifier: MIT
#include "app/TerminalText.h"
#include "app/TextCommands.h"
#include "app/Version.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>

namespace maskwell {
namespace {

std::string Dotted(std::uint32_t value) {
    return std::to_string(value >> 24) + "." + std::to_string(value >> 16 & 0xFF) + "." +
           std::to_string(value >> 8 & 0xFF) + "." + std::to_string(value & 0xFF);
}

std::string OctetsIn(std::uint32_t value, int base) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        unsigned octet = value >> shift & 0xFF;
        std::string digits;
        for (int i = 0; i < (base == 2 ? 8 : 2); ++i, octet /= base)
            digits.insert(digits.begin(), "0123456789ABCDEF"[octet % base]);
        text += (shift < 24 ? "." : "") + digits;
    }
    return text;
}

// The results block worked out on 32-bit numbers: network = address AND mask,
// broadcast = network OR NOT mask; subnets counted beyond the class's own
// network bits (a multicast address is offered the class A lists).
std::string ExpectedBlock(std::uint32_t address, int bits) {
    const std::uint32_t mask = bits == 0 ? 0 : ~std::uint32_t{0} << (32 - bits);
    const std::uint32_t network = address & mask;
    const std::uint32_t broadcast = network | ~mask;
    const unsigned first = address >> 24;
    const char letter = first < 128 ? 'A' : first < 192 ? 'B' : first < 224 ? 'C' : 'D';
    const int classBits = letter == 'B' ? 16 : letter == 'C' ? 24 : 8;
    const int subnetBits = bits - classBits;
    if (subnetBits < 0) { // no list offers a mask shorter than the class's own
        ADD_FAILURE() << "a row's /" << bits << " is shorter than class " << letter << "'s mask";
        return {};
    }
    const long long subnets = subnetBits == 0 ? 1 : (1LL << subnetBits) - 2;
    return "address: " + Dotted(address) + "/" + std::to_string(bits) +
           "\nsubnet mask: " + Dotted(mask) + "\nwildcard mask: " + Dotted(~mask) +
           "\nhost address range: " + Dotted(network + 1) + " - " + Dotted(broadcast - 1) +
           "\nsubnet ID: " + Dotted(network) + "\nsubnet broadcast: " + Dotted(broadcast) +
           "\nmax subnets: " + std::to_string(subnets) +
           "\nmax hosts per subnet: " + std::to_string((1LL << (32 - bits)) - 2) +
           "\naddress class: " + letter + "\nbinary: " + OctetsIn(address, 2) +
           "\nhexadecimal: " + OctetsIn(address, 16) + "\n";
}

constexpr std::uint32_t Address(unsigned a, unsigned b, unsigned c, unsigned d) {
    return a << 24 | b << 16 | c << 8 | d;
}

struct PrintCase {
    friend void PrintTo(const PrintCase& c, std::ostream* out) { *out << c.Argument; }
    const char* Name;
    const char* Argument;
    std::uint32_t Taken; // the address after the repair
    int Bits;
};

class PrintMatchesNetworkArithmetic : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintMatchesNetworkArithmetic, ForEveryResult) {
    const PrintCase& c = GetParam();
    const std::optional<AddressInput> input = ParseAddressInput(c.Argument);
    ASSERT_TRUE(input);
    const PrintOutcome outcome = PrintResultsOf(*input);
    EXPECT_EQ(outcome.ExitCode, 0);
    EXPECT_EQ(outcome.Problem, "");
    EXPECT_EQ(outcome.Output.toStdString(), ExpectedBlock(c.Taken, c.Bits));
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
        PrintCase{"ClassCLongestMask", "203.0.113.77/30", Address(203, 0, 113, 77), 30},
        PrintCase{"FirstAddressOfABlock", "172.31.0.0/30", Address(172, 31, 0, 0), 30},
        PrintCase{"MaskForm", "198.51.100.200 255.255.255.224", Address(198, 51, 100, 200), 27},
        PrintCase{"WildcardForm", "10.9.8.7/0.0.3.255", Address(10, 9, 8, 7), 22},
        PrintCase{"MulticastOffersClassABits", "230.4.5.6/12", Address(230, 4, 5, 6), 12},
        PrintCase{"LeadingZeros", "010.001.002.003/27", Address(10, 1, 2, 3), 27},
        PrintCase{"NoMaskTakesTheNewWindowMask", "10.1.2.3", Address(10, 1, 2, 3), 24}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return info.param.Name; });

// How the output of a row is compared.
enum class Match { Exact, Start, Part };

struct ProcessCase {
    friend void PrintTo(const ProcessCase& c, std::ostream* out) {
        // The rows hold terminal controls: shown here, they would act.
        *out << PrintableArgument(c.Arguments.join(' ')).toStdString();
    }
    const char* Name;
    QStringList Arguments;
    int ExitCode;
    QString Output;
    QString Problem;
    Match OutputMatch = Match::Exact;
    bool OutputToAFullDisk = false; // standard output is /dev/full
};

// The real program, with no display at all and no platform chosen for it.
class Executable : public ::testing::TestWithParam<ProcessCase> {};

TEST_P(Executable, RunsWithoutADisplay) {
    const ProcessCase& c = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    if (c.OutputToAFullDisk)
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(MASKWELL_EXECUTABLE), c.Arguments);
    ASSERT_TRUE(program.waitForFinished(30000)) << program.errorString().toStdString();
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), c.ExitCode);
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
    EXPECT_EQ(QString::fromLocal8Bit(program.readAllStandardError()), c.Problem);
}

const QString printed = QString::fromStdString(ExpectedBlock(Address(172, 16, 77, 9), 20));
const QString usage =
    QStringLiteral("Usage: " MASKWELL_EXECUTABLE " [options] [ADDRESS[/BITS|/MASK]]\n");
const QString notAnAddress =
    QStringLiteral("' is not an IPv4 address such as 192.168.1.10 or 192.168.1.10/24\n");

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Executable,
    ::testing::Values(
        ProcessCase{"PrintsTheResults", {"--print", "172.16.77.9/20"}, 0, printed, ""},
        ProcessCase{"PrintTakesTheMaskAsASecondArgument",
                    {"172.16.77.9", "255.255.240.0", "--print"},
                    0,
                    printed,
                    ""},
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
                    "maskwell: --print needs an address, such as 192.168.1.10/24\n"},
        ProcessCase{"NotAnAddress",
                    {"--print", "1.2.3"},
                    2,
                    "",
                    "maskwell: '1.2.3' is not an IPv4 address such as 192.168.1.10 or "
                    "192.168.1.10/24\n"},
        ProcessCase{"MaskTheClassDoesNotOffer",
                    {"--print", "192.168.1.10/16"},
                    2,
                    "",
                    "maskwell: mask bits 16 is not offered for a class C address; choose 24 "
                    "to 30\n"},
        ProcessCase{"UnknownOption",
                    {"--print", "--bogus", "10.0.0.1"},
                    2,
                    "",
                    "maskwell: Unknown option 'bogus'.\n"},
        ProcessCase{
            "UnknownOptionAlone", {"--bogus"}, 2, "", "maskwell: Unknown option 'bogus'.\n"},
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
        ProcessCase{
            "WindowMaskBeyond32", {"10.0.0.1/33"}, 2, "", "maskwell: '10.0.0.1/33" + notAnAddress},
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
                    "maskwell: 0.1.2.3: the first octet must be 1 to 239\n"},
        ProcessCase{"FirstOctetAbove239IsRefused",
                    {"--print", "250.1.2.3/20"},
                    2,
                    "",
                    "maskwell: 250.1.2.3: the first octet must be 1 to 239\n"},
        ProcessCase{"PrintToAFullDisk",
                    {"--print", "10.1.2.3/20"},
                    1,
                    "",
                    "maskwell: cannot write to standard output: No space left on device\n",
                    Match::Exact,
                    true},
        ProcessCase{"VersionToAFullDisk",
                    {"--version"},
                    1,
                    "",
                    "maskwell: cannot write to standard output: No space left on device\n",
                    Match::Exact,
                    true}),
    [](const ::testing::TestParamInfo<ProcessCase>& info) { return info.param.Name; });

} // namespace
} // namespace maskwell
