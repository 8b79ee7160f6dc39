// SPDX-License-Identifier: MIT
#include "core/AddressInput.h"

#include <algorithm>
#include <cstdint>

namespace maskwell {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// 1 to maxDigits decimal digits, the whole text, at most maxValue.
std::optional<int> Number(std::string_view text, std::size_t maxDigits, int maxValue) {
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value <= maxValue ? std::optional<int>(value) : std::nullopt;
}

std::optional<std::array<int, 4>> DottedQuad(std::string_view text) {
    std::array<int, 4> octets{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t dot = i < 3 ? text.find('.') : text.size();
        if (dot == std::string_view::npos)
            return std::nullopt;
        const std::optional<int> octet = Number(text.substr(0, dot), 3, 255);
        if (!octet)
            return std::nullopt;
        octets[i] = *octet;
        text.remove_prefix(i < 3 ? dot + 1 : dot);
    }
    return octets;
}

// The prefix length of a contiguous mask (ones, then zeros), if it is one.
std::optional<int> ContiguousLength(std::uint32_t mask) {
    int ones = 0;
    while (ones < 32 && (mask & (0x80000000u >> ones)) != 0)
        ++ones;
    const std::uint32_t expected = ones == 0 ? 0u : ~std::uint32_t{0} << (32 - ones);
    return mask == expected ? std::optional<int>(ones) : std::nullopt;
}

std::optional<int> MaskBitsOf(std::string_view text) {
    if (text.find('.') == std::string_view::npos)
        return Number(text, 2, 32);
    const std::optional<std::array<int, 4>> quad = DottedQuad(text);
    if (!quad)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const int octet : *quad)
        value = value << 8 | static_cast<std::uint32_t>(octet);
    if (const std::optional<int> bits = ContiguousLength(value))
        return bits;
    if (const std::optional<int> wildcardBits = ContiguousLength(~value))
        return wildcardBits;
    return std::nullopt;
}

// Whether a run of digits stands for a value above limit (below 1000).
bool DigitsAbove(std::string_view digits, int limit) {
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit))
        return false;
    int value = 0;
    for (const char c : digits)
        value = std::min(value * 10 + (c - '0'), 1000); // any longer run is above too
    return value > limit;
}

// The first part of a dotted text that is all digits and above 255.
std::optional<std::string_view> OctetAbove255(std::string_view dotted) {
    for (;;) {
        const std::size_t dot = dotted.find('.');
        const std::string_view part = dotted.substr(0, dot);
        if (DigitsAbove(part, 255))
            return part;
        if (dot == std::string_view::npos)
            return std::nullopt;
        dotted.remove_prefix(dot + 1);
    }
}

} // namespace

std::string AddressInput::Dotted() const {
    std::string text;
    for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0)
            text += '.';
        text += std::to_string(Octets[i]);
    }
    return text;
}

std::optional<AddressInput> ParseAddressInput(std::string_view text) {
    text = Trimmed(text);
    std::size_t end = 0;
    while (end < text.size() && (IsDigit(text[end]) || text[end] == '.'))
        ++end;
    const std::optional<std::array<int, 4>> octets = DottedQuad(text.substr(0, end));
    if (!octets)
        return std::nullopt;
    AddressInput input{*octets, std::nullopt};
    std::string_view rest = text.substr(end);
    if (rest.empty())
        return input;

    // "/" with blanks around it, or blanks alone, part the address from its mask.
    const std::string_view separator = rest.substr(0, rest.find_first_not_of(" \t/"));
    const std::size_t slashes =
        static_cast<std::size_t>(std::count(separator.begin(), separator.end(), '/'));
    if (separator.empty() || slashes > 1 || separator.size() == rest.size())
        return std::nullopt;
    input.MaskBits = MaskBitsOf(rest.substr(separator.size()));
    return input.MaskBits ? std::optional<AddressInput>(input) : std::nullopt;
}

std::string AddressInputRefusal(std::string_view text) {
    text = Trimmed(text);
    std::size_t end = 0;
    while (end < text.size() && (IsDigit(text[end]) || text[end] == '.'))
        ++end;
    const std::string_view address = text.substr(0, end);
    if (const std::optional<std::string_view> octet = OctetAbove255(address))
        return "octet " + std::string(*octet) + " is above 255";
    if (!DottedQuad(address))
        return {};

    const std::string_view rest = text.substr(end);
    const std::string_view separator = rest.substr(0, rest.find_first_not_of(" \t/"));
    if (separator.empty() || separator.size() == rest.size() ||
        std::count(separator.begin(), separator.end(), '/') > 1)
        return {};
    const std::string_view mask = rest.substr(separator.size());
    if (mask.find('.') == std::string_view::npos)
        return DigitsAbove(mask, 32) ? "mask bits " + std::string(mask) + " is above 32"
                                     : std::string();
    if (const std::optional<std::string_view> octet = OctetAbove255(mask))
        return "octet " + std::string(*octet) + " is above 255";
    if (DottedQuad(mask) && !MaskBitsOf(mask))
        return "mask " + std::string(mask) + " is not contiguous";
    return {};
}

} // namespace maskwell
