// SPDX-License-Identifier: MIT
#include "app/text/CommandLine.h"
#include "app/text/TextCommands.h"
#include "tests/text/TextRun.h"

#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <ostream>
#include <unistd.h>

namespace maskwell {
namespace {

using test::Address;
using test::ExpectedBlock;

struct LinesCase {
    friend void PrintTo(const LinesCase& c, std::ostream* out) { *out << c.Name; }
    const char* Name;
    std::string Input;
    int ExitCode;
    std::string Output;
    std::string Problems;
    std::vector<std::string_view> Arguments = {"maskwell", "--print", "-"};
};

class StandardInputLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(StandardInputLines, AreAnsweredInOrder) {
    const LinesCase& c = GetParam();
    const test::TextOutcome outcome = test::RunText(c.Arguments, c.Input);
    EXPECT_EQ(outcome.ExitCode, c.ExitCode);
    EXPECT_EQ(outcome.Output, c.Output);
    EXPECT_EQ(outcome.Problems, c.Problems);
}

const std::string first = ExpectedBlock(Address(10, 1, 2, 3), 20);
const std::string second = ExpectedBlock(Address(192, 168, 7, 9), 26);
const std::string hint = ": not an IPv4 address such as 192.168.1.10 or 192.168.1.10/24\n";

INSTANTIATE_TEST_SUITE_P(
    PrintInput, StandardInputLines,
    ::testing::Values(
        LinesCase{"OneAddressALine", "10.1.2.3/20\n192.168.7.9/26\n", 0, first + "\n" + second, ""},
        LinesCase{"LastLineWithoutItsEnd", "10.1.2.3/20\n192.168.7.9/26", 0, first + "\n" + second,
                  ""},
        LinesCase{"WindowsLineEnds", "10.1.2.3/20\r\n192.168.7.9/26\r\n", 0, first + "\n" + second,
                  ""},
        LinesCase{"BlankLinesAndCommentsAreSkipped",
                  "# routers\n\n   \n\t# indented comment\n10.1.2.3/20\n#192.168.7.9/26\n", 0,
                  first, ""},
        LinesCase{"EmptyInputPrintsNothing", "", 0, "", ""},
        LinesCase{"RefusedLineIsNamedByNumberAndTheOthersPrinted",
                  "# list\n10.1.2.3/20\n\n1.2.3\n10.0.0.300/24\n192.168.7.9/26\n", 2,
                  first + "\n" + second,
                  "maskwell: line 4: '1.2.3'" + hint +
                      "maskwell: line 5: '10.0.0.300/24': octet 300 is above 255\n"},
        LinesCase{"NulInALineIsRefused", std::string("10.1.2.3\0/20\n", 13), 2, "",
                  "maskwell: line 1: '10.1.2.3\\x00/20'" + hint},
        LinesCase{"OverlongLineIsRefusedAndTheNextRead",
                  std::string(5000, '7') + "\n192.168.7.9/26\n", 2, second,
                  "maskwell: line 1: '" + std::string(80, '7') +
                      "\u2026': longer than 4096 bytes\n"},
        LinesCase{"OverlongLineLongerThanTheReadBlock",
                  std::string(200000, ' ') + "10.1.2.3/20\n192.168.7.9/26\n", 2, second,
                  "maskwell: line 1: '" + std::string(80, ' ') +
                      "\u2026': longer than 4096 bytes\n"},
        LinesCase{"RepairedAddressAndMaskNotOfferedAreRefusedByLine",
                  "250.1.2.3/20\n10.0.0.1/8\n10.1.2.3/20\n", 2, first,
                  "maskwell: line 1: '250.1.2.3/20': the first octet must be 1 to 239\n"
                  "maskwell: line 2: '10.0.0.1/8': mask bits 8 is not offered for a class A "
                  "address; choose 10 to 30\n"},
        LinesCase{"ArgumentsAndInputInTheirOrder",
                  "10.1.2.3/20\n",
                  0,
                  second + "\n" + first + "\n" + second,
                  "",
                  {"maskwell", "--print", "192.168.7.9/26", "-", "192.168.7.9/26"}}),
    [](const ::testing::TestParamInfo<LinesCase>& info) { return info.param.Name; });

TEST(PrintInput, ReadErrorIsOne) {
    const int folder = ::open("/", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folder, 0);
    std::FILE* errors = std::tmpfile();
    const std::vector<std::string_view> arguments{"maskwell", "--print", "-"};
    EXPECT_EQ(RunWithoutWindow(ReadCommandLine(arguments), {folder, 1, fileno(errors)}), 1);
    char text[200] = {};
    ::lseek(fileno(errors), 0, SEEK_SET);
    EXPECT_GT(::read(fileno(errors), text, sizeof text - 1), 0);
    EXPECT_STREQ(text, "maskwell: cannot read standard input: Is a directory\n");
    std::fclose(errors);
    ::close(folder);
}

} // namespace
} // namespace maskwell
