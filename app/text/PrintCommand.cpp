// SPDX-License-Identifier: MIT
#include "app/text/PrintCommand.h"

#include "app/text/LineReader.h"
#include "app/text/ProblemReport.h"
#include "app/text/TerminalText.h"
#include "core/AddressEntry.h"
#include "core/AddressResults.h"

#include <cstring>
#include <memory>
#include <string>

namespace maskwell {

const std::array<RecordField, 13> PrintFields{{
    {"address"},
    {"prefix", RecordField::Number},
    {"mask"},
    {"wildcard"},
    {"network"},
    {"broadcast"},
    {"first_host"},
    {"last_host"},
    {"max_subnets", RecordField::Number},
    {"max_hosts", RecordField::Number},
    {"class"},
    {"binary"},
    {"hex"},
}};

namespace {

enum Field {
    kAddress,
    kPrefix,
    kMask,
    kWildcard,
    kNetwork,
    kBroadcast,
    kFirstHost,
    kLastHost,
    kMaxSubnets,
    kMaxHosts,
    kClass,
    kBinary,
    kHex
};

// The first octets the address control keeps after a repair.
constexpr int kLowestFirstOctet = 1;
constexpr int kHighestFirstOctet = 239;
// The mask bits --print takes when the address comes without a mask.
constexpr int kPrintMaskBits = 24;

// The values of PrintFields for one address's results, written as text into
// storage of its own: valid until the next Fill.
class PrintRecord {
public:
    void Fill(const AddressResults& results);
    std::span<const std::string_view> Values() const { return values_; }

private:
    std::string_view AddDotted(std::uint32_t value);
    std::string_view AddOctets(std::uint32_t value, int base);
    std::string_view AddNumber(int value);

    std::array<std::string_view, PrintFields.size()> values_;
    std::array<char, 192> text_{};
    std::size_t used_ = 0;
};

void PrintRecord::Fill(const AddressResults& results) {
    used_ = 0;
    const std::uint32_t network = results.Network();
    const std::uint32_t broadcast = results.Broadcast();
    values_[kAddress] = AddDotted(results.Address);
    values_[kPrefix] = AddNumber(results.MaskBits);
    values_[kMask] = results.Mask;
    values_[kWildcard] = results.Wildcard;
    values_[kNetwork] = AddDotted(network);
    values_[kBroadcast] = AddDotted(broadcast);
    values_[kFirstHost] = AddDotted(network + 1);
    values_[kLastHost] = AddDotted(broadcast - 1);
    values_[kMaxSubnets] = results.MaxSubnets;
    values_[kMaxHosts] = results.MaxHosts;
    values_[kClass] = results.ClassLetter;
    values_[kBinary] = AddOctets(results.Address, 2);
    values_[kHex] = AddOctets(results.Address, 16);
}

std::string_view PrintRecord::AddDotted(std::uint32_t value) {
    const std::size_t start = used_;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const unsigned octet = value >> shift & 0xFF;
        if (octet >= 100)
            text_[used_++] = static_cast<char>('0' + octet / 100);
        if (octet >= 10)
            text_[used_++] = static_cast<char>('0' + octet / 10 % 10);
        text_[used_++] = static_cast<char>('0' + octet % 10);
        if (shift > 0)
            text_[used_++] = '.';
    }
    return {text_.data() + start, used_ - start};
}

// The octets in binary (8 digits each) or hexadecimal (2 digits, upper case).
std::string_view PrintRecord::AddOctets(std::uint32_t value, int base) {
    const std::size_t start = used_;
    const int digits = base == 2 ? 8 : 2;
    const int bitsPerDigit = base == 2 ? 1 : 4;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const unsigned octet = value >> shift & 0xFF;
        for (int digit = digits - 1; digit >= 0; --digit)
            text_[used_++] = "0123456789ABCDEF"[octet >> (digit * bitsPerDigit) & (base - 1)];
        if (shift > 0)
            text_[used_++] = '.';
    }
    return {text_.data() + start, used_ - start};
}

std::string_view PrintRecord::AddNumber(int value) {
    const std::string text = std::to_string(value);
    std::memcpy(text_.data() + used_, text.data(), text.size());
    used_ += text.size();
    return {text_.data() + used_ - text.size(), text.size()};
}

// The window's Copy All text, one block per address, a blank line between.
class PrintText final : public RecordWriter {
public:
    explicit PrintText(OutputBuffer& out) : out_(out) {}

    void Write(std::span<const std::string_view> values) override {
        addressWithBits_.assign(values[kAddress]).append("/").append(values[kPrefix]);
        range_.assign(values[kFirstHost]).append(" - ").append(values[kLastHost]);
        block_.assign(first_ ? "" : "\n");
        first_ = false;
        AppendResultSummary(block_,
                            {addressWithBits_, values[kMask], values[kWildcard], range_,
                             values[kNetwork], values[kBroadcast], values[kMaxSubnets],
                             values[kMaxHosts], values[kClass], values[kBinary], values[kHex]});
        out_.Append(block_);
    }

private:
    OutputBuffer& out_;
    bool first_ = true;
    // Kept between records for their capacity.
    std::string addressWithBits_, range_, block_;
};

std::unique_ptr<RecordWriter> WriterFor(OutputFormat format, OutputBuffer& out) {
    switch (format) {
    case OutputFormat::Json:
        return JsonLinesWriter(out, PrintFields, PrintFields[kAddress].Key);
    case OutputFormat::Csv:
        return CsvWriter(out, PrintFields);
    case OutputFormat::Text:
        break;
    }
    return std::make_unique<PrintText>(out);
}

// One --print run: each input in turn into the writer, or into the report.
class PrintRun {
public:
    PrintRun(const CommandLine& commandLine, const TextStreams& streams)
        : streams_(streams), out_(streams.Output), problems_(out_, streams.Errors),
          writer_(WriterFor(commandLine.Format, out_)) {}

    void Argument(std::string_view text) {
        Take(text, [&] { return "'" + PrintableArgument(text) + "'"; });
    }

    void StandardInput() {
        LineReader lines(streams_.Input, [this] { out_.Flush(); });
        while (!out_.Failed()) {
            const std::optional<InputLine> line = lines.Next();
            if (!line)
                break;
            const auto where = [&] {
                return "line " + std::to_string(line->Number) + ": '" +
                       PrintableArgument(line->Text) + "'";
            };
            if (line->TooLong) {
                Refuse(line->Text, where(),
                       "longer than " + std::to_string(LineReader::MaxLength) + " bytes");
                continue;
            }
            const std::size_t first = line->Text.find_first_not_of(" \t\r");
            if (first == std::string_view::npos || line->Text[first] == '#')
                continue;
            Take(line->Text, where);
        }
        if (lines.Error() != 0)
            problems_.ReadFailed("standard input", lines.Error());
    }

    bool Stopped() const { return out_.Failed() || problems_.ExitStatus() == 1; }

    int Finish() {
        problems_.FinishOutput();
        return problems_.ExitStatus();
    }

private:
    template <typename Where> void Take(std::string_view text, const Where& where) {
        const std::optional<AddressInput> input = ParseAddressInput(text);
        if (!input) {
            Refuse(text, where(), NotAnAddressReason(text));
            return;
        }
        if (input->Octets[0] < kLowestFirstOctet || input->Octets[0] > kHighestFirstOctet) {
            Refuse(text, where(),
                   "the first octet must be " + std::to_string(kLowestFirstOctet) + " to " +
                       std::to_string(kHighestFirstOctet));
            return;
        }
        const std::optional<AddressResults> results =
            WorkOutResults(*input, kPrintMaskBits, refusal_);
        if (!results) {
            Refuse(text, where(), refusal_);
            return;
        }
        record_.Fill(*results);
        writer_->Write(record_.Values());
    }

    void Refuse(std::string_view text, const std::string& where, const std::string& reason) {
        problems_.Refused(where, reason);
        writer_->Refused(text, reason);
    }

    TextStreams streams_;
    OutputBuffer out_;
    ProblemReport problems_;
    std::unique_ptr<RecordWriter> writer_;
    PrintRecord record_;
    std::string refusal_;
};

} // namespace

int RunPrint(const CommandLine& commandLine, const TextStreams& streams) {
    PrintRun run(commandLine, streams);
    for (const std::string& input : commandLine.Inputs) {
        if (input == "-")
            run.StandardInput();
        else
            run.Argument(input);
        if (run.Stopped())
            break;
    }
    return run.Finish();
}

} // namespace maskwell
