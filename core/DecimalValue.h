// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

// The integer conversion every layer shares: with core/Error.h, the only part of
// core/ that the layers above may include.
namespace maskwell {

// The value of a decimal integer text: an optional sign and digits, nothing
// else, within 32 bits. Anything else raises ConversionError naming the text.
std::int32_t DecimalValue(std::string_view text);

} // namespace maskwell
