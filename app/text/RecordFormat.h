// SPDX-License-Identifier: MIT
#pragma once

#include "app/text/OutputBuffer.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace maskwell {

// What --format names: the command's own text, JSON Lines or CSV.
enum class OutputFormat { Text, Json, Csv };

// "text", "json", "csv", or nothing for any other name.
std::optional<OutputFormat> OutputFormatNamed(std::string_view name);

// One named field of a command's records. A Number is written bare in JSON; a
// field with no value (empty) is null in JSON and empty in CSV.
struct RecordField {
    enum Kind { Text, Number };
    std::string_view Key; // snake_case, stable: scripts read by it
    Kind Type = Text;
};

// Writes a command's records, one call per input, as they come: each record
// goes into the buffer before the next input is read, so that the output
// streams in constant memory.
class RecordWriter {
public:
    virtual ~RecordWriter() = default;
    // One record's values, in the order of the command's fields.
    virtual void Write(std::span<const std::string_view> values) = 0;
    // An input that got no record, and why; only JSON writes it (an object
    // with "error"), so that each input there gives one line in order.
    virtual void Refused(std::string_view input, std::string_view reason) {
        static_cast<void>(input);
        static_cast<void>(reason);
    }
};

// JSON Lines: one object per record, the keys in the fields' order, no blanks.
// A refused input gives {"<inputKey>":"<input>","error":"<reason>"}, the input
// cut as a message cuts it.
std::unique_ptr<RecordWriter>
JsonLinesWriter(OutputBuffer& out, std::span<const RecordField> fields, std::string_view inputKey);

// CSV: a header row of the keys, written at once, then one row per record;
// lines end with "\n", and a value holding a comma, a quote or a line end is
// quoted. A refused input gives no row.
std::unique_ptr<RecordWriter> CsvWriter(OutputBuffer& out, std::span<const RecordField> fields);

} // namespace maskwell
