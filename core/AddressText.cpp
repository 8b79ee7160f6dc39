// SPDX-License-Identifier: MIT
#include "core/AddressText.h"

#include "core/Error.h"

#include <charconv>
#include <cstdint>
#include <iterator>
#include <limits>

namespace maskwell {

std::int32_t OctetOf(std::string_view dotted, int n) {
    std::int32_t result = 0;
    std::string_view rest = dotted;
    for (int i = 0; i < n; ++i) {
        const auto dot = rest.find('.');
        result = DecimalValue(rest.substr(0, dot));
        if (dot != std::string_view::npos)
            rest.remove_prefix(dot + 1);
    }
    return result;
}

std::array<std::int32_t, 4> OctetsOf(std::string_view dotted) {
    std::array<std::int32_t, 4> octets{};
    std::string_view rest = dotted;
    for (std::int32_t& octet : octets) {
        const auto dot = rest.find('.');
        octet = DecimalValue(rest.substr(0, dot));
        if (dot != std::string_view::npos)
            rest.remove_prefix(dot + 1);
    }
    return octets;
}

std::string BinaryText(std::int64_t value, int width) {
    // Digits come least significant first; halving truncates toward zero.
    char reversed[64];
    int count = 0;
    do {
        reversed[count++] = (value & 1) ? '1' : '0';
        value /= 2;
    } while (value != 0);
    std::string digits(static_cast<std::size_t>(width > count ? width - count : 0), '0');
    digits.append(std::make_reverse_iterator(reversed + count),
                  std::make_reverse_iterator(reversed));
    return digits;
}

std::string DecimalText(std::int64_t value) {
    char buffer[24];
    const auto [end, failure] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)failure; // 24 characters hold every 64-bit value
    return std::string(buffer, end);
}

namespace {

std::string HexOctetText(std::int32_t value) {
    constexpr char digits[] = "0123456789ABCDEF";
    auto v = static_cast<std::uint32_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), digits[v & 0xF]);
        v >>= 4;
    } while (v != 0);
    if (text.size() < 2)
        text.insert(text.begin(), '0');
    return text;
}

template <typename Form> std::string JoinOctets(std::string_view dotted, Form form) {
    std::string text;
    text.reserve(36);
    for (const std::int32_t octet : OctetsOf(dotted)) {
        if (!text.empty())
            text += '.';
        text += form(octet);
    }
    return text;
}

} // namespace

std::string BinaryAddressText(std::string_view dotted) {
    return JoinOctets(dotted, [](std::int32_t octet) { return BinaryText(octet, 8); });
}

std::string HexAddressText(std::string_view dotted) {
    return JoinOctets(dotted, HexOctetText);
}

} // namespace maskwell
