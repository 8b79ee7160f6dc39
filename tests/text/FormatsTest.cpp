// SPDX-License-Identifier: MIT
#include "app/text/RecordFormat.h"
#include "tests/text/TextRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace maskwell {
namespace {

using test::Address;

// RFC 4180 rows: fields parted by commas, a quoted field may hold commas,
// doubled quotes and line ends.
std::vector<std::vector<std::string>> CsvRows(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ',' || c == '\n')) {
            row.push_back(std::exchange(field, {}));
            if (c == '\n')
                rows.push_back(std::exchange(row, {}));
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(field.empty() && row.empty()) << "the last row has no line end";
    return rows;
}

std::vector<QJsonObject> JsonLines(const std::string& text) {
    std::vector<QJsonObject> objects;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        QJsonParseError error{};
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
        EXPECT_TRUE(document.isObject()) << line;
        objects.push_back(document.object());
    }
    return objects;
}

struct FormatCase {
    friend void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.Argument; }
    const char* Name;
    const char* Argument;
    std::uint32_t Taken;
    int Bits;
};

class EveryFormat : public ::testing::TestWithParam<FormatCase> {};

// Every key with the value and JSON type of 32-bit arithmetic, and the same
// values in the CSV row under the header of the same keys.
TEST_P(EveryFormat, ReadsBackAsTheArithmetic) {
    const FormatCase& c = GetParam();
    const auto expected = test::ExpectedFields(c.Taken, c.Bits);

    const test::TextOutcome json =
        test::RunText({"maskwell", "--print", "--format=json", c.Argument});
    ASSERT_EQ(json.ExitCode, 0) << json.Problems;
    const std::vector<QJsonObject> objects = JsonLines(json.Output);
    ASSERT_EQ(objects.size(), 1u);
    ASSERT_EQ(static_cast<std::size_t>(objects[0].size()), expected.size());
    for (const auto& [key, value] : expected) {
        const QJsonValue read = objects[0].value(QString::fromStdString(key));
        if (value.empty())
            EXPECT_TRUE(read.isNull()) << key;
        else if (key == "prefix" || key.starts_with("max_"))
            EXPECT_EQ(read.toInteger(-1), std::stoll(value)) << key;
        else
            EXPECT_EQ(read.toString().toStdString(), value) << key;
    }

    const test::TextOutcome csv =
        test::RunText({"maskwell", "--print", "--format=csv", c.Argument});
    ASSERT_EQ(csv.ExitCode, 0) << csv.Problems;
    const auto rows = CsvRows(csv.Output);
    ASSERT_EQ(rows.size(), 2u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(rows[0].at(i), expected[i].first);
        EXPECT_EQ(rows[1].at(i), expected[i].second) << expected[i].first;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, EveryFormat,
    ::testing::Values(FormatCase{"ClassB", "172.16.77.9/20", Address(172, 16, 77, 9), 20},
                      FormatCase{"ClassCUnsubnetted", "192.168.1.10", Address(192, 168, 1, 10), 24},
                      FormatCase{"ClassAWildcard", "10.9.8.7/0.0.3.255", Address(10, 9, 8, 7), 22},
                      FormatCase{"LoopbackWithoutAClass", "127.0.0.1/30", Address(127, 0, 0, 1),
                                 30}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.Name; });

class EveryListFormat : public ::testing::TestWithParam<FormatCase> {};

// Each subnet one JSON object of the row's keys (the number a JSON number, an
// unmarked row's mark null), and one CSV row under a header of those keys.
TEST_P(EveryListFormat, ReadsBackAsTheArithmetic) {
    const FormatCase& c = GetParam();
    const std::vector<std::vector<std::string>> expected = test::ExpectedSubnets(c.Taken, c.Bits);
    const std::vector<std::string> keys{"number",    "network",   "first_host",
                                        "last_host", "broadcast", "mark"};

    const test::TextOutcome json =
        test::RunText({"maskwell", "--list", "--format=json", c.Argument});
    ASSERT_EQ(json.ExitCode, 0) << json.Problems;
    const std::vector<QJsonObject> objects = JsonLines(json.Output);
    ASSERT_EQ(objects.size(), expected.size());
    for (std::size_t row = 0; row < expected.size(); ++row) {
        ASSERT_EQ(static_cast<std::size_t>(objects[row].size()), keys.size());
        EXPECT_EQ(objects[row].value(QStringLiteral("number")).toInteger(-1),
                  std::stoll(expected[row][0]));
        for (std::size_t i = 1; i < keys.size(); ++i) {
            const QJsonValue read = objects[row].value(QString::fromStdString(keys[i]));
            if (expected[row][i].empty())
                EXPECT_TRUE(read.isNull()) << keys[i] << " of row " << row;
            else
                EXPECT_EQ(read.toString().toStdString(), expected[row][i]) << keys[i];
        }
    }

    const test::TextOutcome csv = test::RunText({"maskwell", "--list", "--format=csv", c.Argument});
    ASSERT_EQ(csv.ExitCode, 0) << csv.Problems;
    std::vector<std::vector<std::string>> rows{keys};
    rows.insert(rows.end(), expected.begin(), expected.end());
    EXPECT_EQ(CsvRows(csv.Output), rows);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, EveryListFormat,
    ::testing::Values(FormatCase{"ClassBMarked", "172.16.77.9/18", Address(172, 16, 77, 9), 18},
                      FormatCase{"ClassCUnsubnetted", "192.168.1.10", Address(192, 168, 1, 10), 24},
                      FormatCase{"MulticastAsClassA", "230.1.2.3/11", Address(230, 1, 2, 3), 11}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.Name; });

TEST(Formats, RefusedAddressIsAnErrorObjectInJsonAndNoRowInCsv) {
    const test::TextOutcome json = test::RunText(
        {"maskwell", "--print", "--format=json", "10.1.2.3", "1.2.3\t\"x\"", "10.1.2.3/8"});
    EXPECT_EQ(json.ExitCode, 2);
    const std::vector<QJsonObject> objects = JsonLines(json.Output);
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_FALSE(objects[0].contains(QStringLiteral("error")));
    EXPECT_EQ(objects[1].value(QStringLiteral("address")).toString(), u"1.2.3\t\"x\"");
    EXPECT_EQ(objects[1].value(QStringLiteral("error")).toString(),
              u"not an IPv4 address such as 192.168.1.10 or 192.168.1.10/24");
    EXPECT_EQ(objects[2].value(QStringLiteral("error")).toString(),
              u"mask bits 8 is not offered for a class A address; choose 10 to 30");
    EXPECT_EQ(objects[2].size(), 2);

    const test::TextOutcome csv =
        test::RunText({"maskwell", "--print", "--format=csv", "1.2.3", "10.1.2.3"});
    EXPECT_EQ(csv.ExitCode, 2);
    EXPECT_EQ(CsvRows(csv.Output).size(), 2u);
}

// --print's values never need quoting; the writer is there for every command.
TEST(Formats, CsvQuotesWhatWouldSplitAField) {
    std::FILE* file = std::tmpfile();
    {
        OutputBuffer out(fileno(file));
        const RecordField fields[] = {{"mark"}, {"note"}, {"count", RecordField::Number}};
        const std::unique_ptr<RecordWriter> writer = CsvWriter(out, fields);
        const std::string_view values[] = {"a,b", "say \"hi\"\nthen go", "3"};
        writer->Write(values);
        out.Flush();
    }
    std::string text(4096, '\0');
    ::lseek(fileno(file), 0, SEEK_SET);
    text.resize(static_cast<std::size_t>(::read(fileno(file), text.data(), text.size())));
    std::fclose(file);
    const std::vector<std::vector<std::string>> expected{{"mark", "note", "count"},
                                                         {"a,b", "say \"hi\"\nthen go", "3"}};
    EXPECT_EQ(CsvRows(text), expected);
}

} // namespace
} // namespace maskwell
