// SPDX-License-Identifier: MIT
#pragma once

#include "app/text/OutputBuffer.h"
#include "app/text/RecordFormat.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace maskwell {

struct AddressResults;

// What --print writes for one address: its results as the values of named
// fields, in this order in every format: address, prefix, mask, wildcard,
// network, broadcast, first_host, last_host, max_subnets, max_hosts, class,
// binary, hex.
std::span<const RecordField> PrintFields();
inline constexpr std::size_t PrintFieldCount = 13;

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

    std::array<std::string_view, PrintFieldCount> values_;
    std::array<char, 192> text_{};
    std::size_t used_ = 0;
};

// The writer of --print's records in a format: for text, the window's Copy
// All text, one block per address and a blank line between.
std::unique_ptr<RecordWriter> PrintWriter(OutputFormat format, OutputBuffer& out);

} // namespace maskwell
