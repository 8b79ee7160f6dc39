// SPDX-License-Identifier: MIT
#pragma once

#include "core/SubnetList.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The subnet list as text: one line per subnet, its fields joined by a
// separator (a tab for the clipboard and the command line, a comma for CSV).
// Every field is a number, a dotted address or a mark word, so none needs
// quoting in either form.
namespace maskwell {

inline constexpr std::array<std::string_view, 6> SubnetListColumns{
    "Number", "Subnet ID", "First Host", "Last Host", "Broadcast", "Mark"};

// "zero", "all-ones", or empty for an unmarked subnet.
std::string_view SubnetMarkText(SubnetMark mark);

// "10.4.0.0".
std::string DottedText(std::uint32_t address);

// The column names, then a line break.
void AppendSubnetHeader(std::string& text, char separator);
// The row's six fields, then a line break.
void AppendSubnetRow(std::string& text, const SubnetRow& row, char separator);

// Receives the text in pieces; false stops the writing.
using TextSink = std::function<bool(std::string_view)>;

// Streams the rows from `first` up to (not including) `end` through `write`,
// in pieces of about a megabyte, so that memory stays the same for any
// length. Returns false when `write` refused a piece.
bool WriteSubnetRows(const SubnetList& list, std::uint32_t first, std::uint32_t end, char separator,
                     const TextSink& write);

} // namespace maskwell
