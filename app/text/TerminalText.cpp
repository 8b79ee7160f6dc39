// SPDX-License-Identifier: MIT
#include "app/text/TerminalText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace maskwell {

namespace {

constexpr std::string_view kEllipsis = "\u2026";
constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// One character of UTF-8 text: its code point, or kNotUtf8 for a byte that
// starts no well-formed sequence (an overlong form and a surrogate included),
// and how many bytes it takes.
struct Decoded {
    char32_t CodePoint;
    std::size_t Length;
};

Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, lowest = 0x10000;
    } else {
        return {kNotUtf8, 1};
    }
    if (at + length > text.size())
        return {kNotUtf8, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {kNotUtf8, 1};
        value = value << 6 | (byte(i) & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {kNotUtf8, 1};
    return {value, length};
}

struct Range {
    char32_t First, Last;
};

// The characters Unicode lists as format (Cf): invisible, and some of them
// reorder the text around them.
constexpr std::array<Range, 21> kFormatCharacters{{
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

bool NeedsEscape(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029)
        return true;
    return std::any_of(kFormatCharacters.begin(), kFormatCharacters.end(),
                       [c](const Range& range) { return c >= range.First && c <= range.Last; });
}

void AppendHex(std::string& out, std::uint32_t value, int digits) {
    constexpr std::string_view hex = "0123456789ABCDEF";
    while (digits < 8 && value >> (4 * digits) != 0)
        ++digits;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += hex[value >> shift & 0xF];
}

void AppendEscape(std::string& out, char32_t c) {
    switch (c) {
    case U'\n':
        out += "\\n";
        return;
    case U'\r':
        out += "\\r";
        return;
    case U'\t':
        out += "\\t";
        return;
    default:
        break;
    }
    out += c < 0x100 ? "\\x" : "\\u";
    AppendHex(out, c, c < 0x100 ? 2 : 4);
}

} // namespace

std::string PrintableArgument(std::string_view text) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        if (characters == PrintableArgumentLength) {
            shown += kEllipsis;
            break;
        }
        const Decoded decoded = DecodeAt(text, at);
        if (decoded.CodePoint == kNotUtf8) {
            shown += "\\x";
            AppendHex(shown, static_cast<unsigned char>(text[at]), 2);
        } else if (NeedsEscape(decoded.CodePoint)) {
            AppendEscape(shown, decoded.CodePoint);
        } else {
            shown.append(text.substr(at, decoded.Length));
        }
        at += decoded.Length;
    }
    return shown;
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t at = 0; at < text.size();) {
        // A run of plain ASCII, which a JSON string holds as it is, goes in at once.
        std::size_t plain = at;
        while (plain < text.size() && static_cast<unsigned char>(text[plain]) >= 0x20 &&
               static_cast<unsigned char>(text[plain]) < 0x80 && text[plain] != '"' &&
               text[plain] != '\\')
            ++plain;
        out.append(text.substr(at, plain - at));
        at = plain;
        if (at == text.size())
            break;
        const Decoded decoded = DecodeAt(text, at);
        const char32_t c = decoded.CodePoint;
        if (c == kNotUtf8) {
            out += "\uFFFD";
        } else if (c == U'"' || c == U'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            if (c == U'\n' || c == U'\r' || c == U'\t') {
                AppendEscape(out, c);
            } else {
                out += "\\u";
                AppendHex(out, c, 4);
            }
        } else {
            out.append(text.substr(at, decoded.Length));
        }
        at += decoded.Length;
    }
    out += '"';
}

std::string CutText(std::string_view text, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size() && count < characters; ++count)
        at += DecodeAt(text, at).Length;
    std::string cut(text.substr(0, at));
    if (at < text.size())
        cut += kEllipsis;
    return cut;
}

} // namespace maskwell
