// SPDX-License-Identifier: MIT
#include "app/text/ListCommand.h"

#include "app/text/ProblemReport.h"
#include "app/text/RecordFormat.h"
#include "app/text/TerminalText.h"
#include "core/SubnetList.h"
#include "core/SubnetListText.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <string>

namespace maskwell {

namespace {

// The mask bits --list takes when the address comes without a mask.
constexpr int kListMaskBits = 24;

// In the order of the columns of the subnet list's text.
const std::array<RecordField, 6> kListFields{{
    {"number", RecordField::Number},
    {"network"},
    {"first_host"},
    {"last_host"},
    {"broadcast"},
    {"mark"},
}};

// Text and CSV: the subnet list's own lines, made a megabyte at a time.
void WriteSeparated(const SubnetList& list, char separator, OutputBuffer& out) {
    WriteSubnetRows(list, 0, list.Count(), separator, [&out](std::string_view piece) {
        out.Append(piece);
        return !out.Failed();
    });
}

// JSON Lines: each row's tab-separated text cut into the writer's values.
void WriteJsonLines(const SubnetList& list, OutputBuffer& out) {
    const std::unique_ptr<RecordWriter> writer = JsonLinesWriter(out, kListFields, "address");
    std::array<std::string_view, kListFields.size()> values;
    std::string line; // kept between rows for its capacity
    for (std::uint32_t number = 0; number < list.Count() && !out.Failed(); ++number) {
        line.clear();
        AppendSubnetRow(line, list.Row(number), '\t');
        std::string_view rest(line.data(), line.size() - 1); // less the line break
        for (std::string_view& value : values) {
            const std::size_t tab = std::min(rest.find('\t'), rest.size());
            value = rest.substr(0, tab);
            rest.remove_prefix(std::min(tab + 1, rest.size()));
        }
        writer->Write(values);
    }
}

} // namespace

int RunList(const CommandLine& commandLine, const TextStreams& streams) {
    OutputBuffer out(streams.Output);
    ProblemReport problems(out, streams.Errors);
    const std::string& text = commandLine.inputs.front();
    std::optional<AddressInput> input = ParseAddressInput(text);
    std::string refusal = input ? RepairedAddressReason(*input) : NotAnAddressReason(text);
    SubnetList list;
    if (refusal.empty()) {
        input->MaskBits = input->MaskBits.value_or(kListMaskBits);
        list = SubnetList::Of(*input);
        refusal = list.Why();
    }
    if (!refusal.empty()) {
        problems.Refused("'" + PrintableArgument(text) + "'", refusal);
        return problems.ExitStatus();
    }
    // A pipe that holds a whole megabyte takes it in one hand-over to its
    // reader, not sixteen; on a file or a terminal this does nothing.
    fcntl(streams.Output, F_SETPIPE_SZ, 1 << 20);
    switch (commandLine.format) {
    case OutputFormat::Json:
        WriteJsonLines(list, out);
        break;
    case OutputFormat::Csv:
        for (std::size_t i = 0; i < kListFields.size(); ++i) {
            if (i > 0)
                out.Append(',');
            out.Append(kListFields[i].Key);
        }
        out.Append('\n');
        WriteSeparated(list, ',', out);
        break;
    case OutputFormat::Text:
        WriteSeparated(list, '\t', out);
        break;
    }
    problems.FinishOutput();
    return problems.ExitStatus();
}

} // namespace maskwell
