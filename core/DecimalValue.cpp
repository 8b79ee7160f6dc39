// SPDX-License-Identifier: MIT
#include "core/DecimalValue.h"

#include "core/Error.h"

#include <cstdint>
#include <limits>

namespace maskwell {

std::int32_t DecimalValue(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size())
        throw ConversionError(text);
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw ConversionError(text);
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            throw ConversionError(text);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        throw ConversionError(text);
    return static_cast<std::int32_t>(value);
}

} // namespace maskwell
