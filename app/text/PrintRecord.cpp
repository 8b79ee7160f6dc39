// SPDX-License-Identifier: MIT
#include "app/text/PrintRecord.h"

#include "core/AddressEntry.h"
#include "core/AddressResults.h"

#include <cstring>
#include <string>

namespace maskwell {

namespace {

const std::array<RecordField, PrintFieldCount> kPrintFields{{
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

} // namespace

std::span<const RecordField> PrintFields() {
    return kPrintFields;
}

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

std::unique_ptr<RecordWriter> PrintWriter(OutputFormat format, OutputBuffer& out) {
    switch (format) {
    case OutputFormat::Json:
        return JsonLinesWriter(out, kPrintFields, kPrintFields[kAddress].Key);
    case OutputFormat::Csv:
        return CsvWriter(out, kPrintFields);
    case OutputFormat::Text:
        break;
    }
    return std::make_unique<PrintText>(out);
}

} // namespace maskwell
