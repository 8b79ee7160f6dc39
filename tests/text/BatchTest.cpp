// SPDX-License-Identifier: MIT
#include "core/AddressEntry.h"
#include "core/MemoryCalculator.h"
#include "tests/text/TextRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace maskwell {
namespace {

// One line of a seeded batch, in one of the forms a script writes, and the
// address and prefix it stands for.
struct SampleLine {
    std::string Text;
    std::uint32_t Address = 0;
    int Bits = 24;
};

std::vector<SampleLine> SeededBatch(std::size_t count) {
    std::mt19937 random(24);
    const auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    std::vector<SampleLine> lines;
    for (std::size_t i = 0; i < count; ++i) {
        SampleLine line;
        // Every first octet, 0 and 240 to 255 (refused) included.
        line.Address = below(256) << 24 | below(1u << 24);
        line.Text = test::Dotted(line.Address);
        if (below(8) == 0 && line.Address >> 24 < 100)
            line.Text = "0" + line.Text; // a leading zero, still decimal
        line.Bits = static_cast<int>(below(33));
        const std::uint32_t mask = line.Bits == 0 ? 0 : ~std::uint32_t{0} << (32 - line.Bits);
        switch (below(5)) {
        case 0:
            line.Bits = 24; // no mask
            break;
        case 1:
            line.Text += "/" + std::to_string(line.Bits);
            break;
        case 2:
            line.Text += " " + std::to_string(line.Bits);
            break;
        case 3:
            line.Text += "/" + test::Dotted(mask);
            break;
        default:
            // A wildcard, unless it reads as a mask (all zeros or all ones).
            line.Text += " " + test::Dotted(line.Bits % 32 == 0 ? mask : ~mask);
            break;
        }
        lines.push_back(line);
    }
    return lines;
}

// What the class tables offer: 10 to 30 bits, from 18 for class B and from 24
// for class C; the first octet must be 1 to 239.
bool Refused(const SampleLine& line) {
    const unsigned first = line.Address >> 24;
    const int lowest = first >= 128 && first < 192 ? 18 : first >= 192 && first < 224 ? 24 : 10;
    return first == 0 || first > 239 || line.Bits < lowest || line.Bits > 30;
}

std::string Joined(const std::vector<SampleLine>& lines) {
    std::string input;
    for (const SampleLine& line : lines)
        input += line.Text + "\n";
    return input;
}

TEST(Batch, EveryLineAgreesWithThirtyTwoBitArithmetic) {
    const std::vector<SampleLine> lines = SeededBatch(4000);
    const test::TextOutcome run =
        test::RunText({"maskwell", "--print", "--format=json", "-"}, Joined(lines));
    EXPECT_EQ(run.ExitCode, 2); // the sample holds refused lines
    std::istringstream output(run.Output);
    std::size_t refused = 0;
    for (const SampleLine& line : lines) {
        std::string json;
        ASSERT_TRUE(std::getline(output, json)) << "no answer for " << line.Text;
        const QJsonObject object =
            QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
        ASSERT_EQ(object.contains(QStringLiteral("error")), Refused(line)) << line.Text;
        if (Refused(line)) {
            ++refused;
            continue;
        }
        for (const auto& [key, value] : test::ExpectedFields(line.Address, line.Bits)) {
            const QJsonValue read = object.value(QString::fromStdString(key));
            const std::string shown = read.isString() ? read.toString().toStdString()
                                      : read.isNull() ? std::string()
                                                      : std::to_string(read.toInteger());
            EXPECT_EQ(shown, value) << line.Text << ": " << key;
        }
    }
    EXPECT_FALSE(std::getline(output, std::string() = {}));
    EXPECT_EQ(std::count(run.Problems.begin(), run.Problems.end(), '\n'),
              static_cast<std::ptrdiff_t>(refused));
    EXPECT_GT(refused, lines.size() / 10);
    EXPECT_LT(refused, lines.size() / 2);
}

// The command line works the results out on numbers; the window's calculator
// works them out through its selectors. A fresh calculator must say the same,
// text for text, and refuse a mask with the same notice.
TEST(Batch, EveryLineAgreesWithAFreshWindowCalculator) {
    const std::vector<SampleLine> lines = SeededBatch(1500);
    const test::TextOutcome run = test::RunText({"maskwell", "--print", "-"}, Joined(lines));
    std::string expected;
    std::string notices;
    std::size_t number = 0;
    for (const SampleLine& line : lines) {
        ++number;
        const unsigned first = line.Address >> 24;
        if (first == 0 || first > 239)
            continue;
        MemoryCalculator calc;
        SelectMaskBits(calc.State, 24);
        if (TakeAddressInput(calc.State, *ParseAddressInput(line.Text), {})) {
            expected += (expected.empty() ? "" : "\n") + ResultSummaryText(calc.State);
        } else {
            notices += "maskwell: line " + std::to_string(number) + ": '" + line.Text +
                       "': " + calc.Notices.Notices().back() + "\n";
        }
    }
    EXPECT_EQ(run.Output, expected);
    std::istringstream problems(run.Problems);
    std::string maskProblems;
    for (std::string problem; std::getline(problems, problem);)
        if (problem.find("the first octet") == std::string::npos)
            maskProblems += problem + "\n";
    EXPECT_EQ(maskProblems, notices);
}

} // namespace
} // namespace maskwell
