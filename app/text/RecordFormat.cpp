// SPDX-License-Identifier: MIT
#include "app/text/RecordFormat.h"

#include "app/text/TerminalText.h"

#include <algorithm>
#include <vector>

namespace maskwell {

namespace {

class JsonLines final : public RecordWriter {
public:
    JsonLines(OutputBuffer& out, std::span<const RecordField> fields, std::string_view inputKey)
        : out_(out), fields_(fields), inputKey_(inputKey) {
        // Each key with what comes before and after it, written once.
        for (std::size_t i = 0; i < fields.size(); ++i) {
            std::string& prefix = prefixes_.emplace_back(i == 0 ? "{" : ",");
            AppendJsonString(prefix, fields[i].Key);
            prefix += ':';
        }
    }

    void Write(std::span<const std::string_view> values) override {
        line_.clear();
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            line_ += prefixes_[i];
            if (values[i].empty())
                line_ += "null";
            else if (fields_[i].Type == RecordField::Number)
                line_ += values[i];
            else
                AppendJsonString(line_, values[i]);
        }
        line_ += "}\n";
        out_.Append(line_);
    }

    void Refused(std::string_view input, std::string_view reason) override {
        line_.clear();
        line_ += '{';
        AppendJsonString(line_, inputKey_);
        line_ += ':';
        AppendJsonString(line_, CutText(input));
        line_ += ",\"error\":";
        AppendJsonString(line_, reason);
        line_ += "}\n";
        out_.Append(line_);
    }

private:
    OutputBuffer& out_;
    std::span<const RecordField> fields_;
    std::string_view inputKey_;
    std::vector<std::string> prefixes_;
    std::string line_; // kept between records for its capacity
};

class Csv final : public RecordWriter {
public:
    Csv(OutputBuffer& out, std::span<const RecordField> fields) : out_(out) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out_.Append(',');
            AppendValue(fields[i].Key);
        }
        out_.Append('\n');
    }

    void Write(std::span<const std::string_view> values) override {
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0)
                out_.Append(',');
            AppendValue(values[i]);
        }
        out_.Append('\n');
    }

private:
    void AppendValue(std::string_view value) {
        const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
        if (std::none_of(value.begin(), value.end(), special)) {
            out_.Append(value);
            return;
        }
        out_.Append('"');
        for (const char c : value) {
            if (c == '"')
                out_.Append('"');
            out_.Append(c);
        }
        out_.Append('"');
    }

    OutputBuffer& out_;
};

} // namespace

std::optional<OutputFormat> OutputFormatNamed(std::string_view name) {
    if (name == "text")
        return OutputFormat::Text;
    if (name == "json")
        return OutputFormat::Json;
    if (name == "csv")
        return OutputFormat::Csv;
    return std::nullopt;
}

std::unique_ptr<RecordWriter>
JsonLinesWriter(OutputBuffer& out, std::span<const RecordField> fields, std::string_view inputKey) {
    return std::make_unique<JsonLines>(out, fields, inputKey);
}

std::unique_ptr<RecordWriter> CsvWriter(OutputBuffer& out, std::span<const RecordField> fields) {
    return std::make_unique<Csv>(out, fields);
}

} // namespace maskwell
