// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace maskwell {

// How many characters of an argument a message quotes before it is cut.
inline constexpr std::size_t PrintableArgumentLength = 80;

// An argument (UTF-8, whatever the locale) as a one-line message may quote it:
// control characters and invisible format characters written as escapes
// ("\n", "\t", "\r", "\x1B", "\u202E"), a byte that is no UTF-8 as "\xFF", so
// that the message stays one line and cannot steer the terminal; anything past
// PrintableArgumentLength characters is cut off with "…".
std::string PrintableArgument(std::string_view text);

// Text as one JSON string, quotes included: the escapes JSON requires, and
// U+FFFD for a byte that is no UTF-8, so that the output is always valid.
void AppendJsonString(std::string& out, std::string_view text);

// The first `characters` characters of UTF-8 text (a byte that is no UTF-8
// counts as one), and "…" after them when there were more.
std::string CutText(std::string_view text, std::size_t characters = PrintableArgumentLength);

} // namespace maskwell
