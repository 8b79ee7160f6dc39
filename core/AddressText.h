// SPDX-License-Identifier: MIT
#pragma once

#include "core/DecimalValue.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Addresses, masks and results are kept as dotted decimal text ("192.168.0.1");
// these are the conversions every part of the calculator shares.
namespace maskwell {

// The value of field n (1 = leftmost) of a dotted text. Fields before n are
// converted on the way; a text with fewer fields repeats its last one; n <= 0
// gives 0.
std::int32_t OctetOf(std::string_view dotted, int n);

// All four fields at once, exactly as OctetOf(dotted, 1) to OctetOf(dotted, 4)
// give them: converted left to right, so the first bad field is the one named.
std::array<std::int32_t, 4> OctetsOf(std::string_view dotted);

// Base-2 digits of value, left-padded with "0" to width, never shortened.
std::string BinaryText(std::int64_t value, int width);

// The decimal text of a number: digits, a sign only when negative.
std::string DecimalText(std::int64_t value);

// "192.168.0.1" -> "11000000.10101000.00000000.00000001".
std::string BinaryAddressText(std::string_view dotted);

// "192.168.0.1" -> "C0.A8.00.01".
std::string HexAddressText(std::string_view dotted);

} // namespace maskwell
