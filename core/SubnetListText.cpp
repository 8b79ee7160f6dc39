// SPDX-License-Identifier: MIT
#include "core/SubnetListText.h"

#include <charconv>
#include <cstring>

namespace maskwell {

namespace {

// Millions of lines are written per second: each octet's text is looked up,
// not converted.
struct OctetText {
    char digits[3];
    unsigned char length;
};

constexpr std::array<OctetText, 256> MakeOctetTexts() {
    std::array<OctetText, 256> texts{};
    for (int value = 0; value < 256; ++value) {
        OctetText& text = texts[static_cast<std::size_t>(value)];
        if (value >= 100)
            text.digits[text.length++] = static_cast<char>('0' + value / 100);
        if (value >= 10)
            text.digits[text.length++] = static_cast<char>('0' + value / 10 % 10);
        text.digits[text.length++] = static_cast<char>('0' + value % 10);
    }
    return texts;
}

constexpr std::array<OctetText, 256> octetTexts = MakeOctetTexts();

// The longest line: a 7-digit number, four addresses of 15, "all-ones", six
// separators and the line break.
constexpr std::size_t kLongestLine = 7 + 4 * 15 + 8 + 6;

char* PutDotted(char* out, std::uint32_t address) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        const OctetText& octet = octetTexts[(address >> shift) & 0xFF];
        std::memcpy(out, octet.digits, 3);
        out += octet.length;
        *out++ = '.';
    }
    return out - 1;
}

char* PutRow(char* out, const SubnetRow& row, char separator) {
    out = std::to_chars(out, out + 10, row.Number).ptr;
    for (const std::uint32_t address : {row.Id, row.FirstHost, row.LastHost, row.Broadcast}) {
        *out++ = separator;
        out = PutDotted(out, address);
    }
    *out++ = separator;
    const std::string_view mark = SubnetMarkText(row.Mark);
    std::memcpy(out, mark.data(), mark.size());
    out += mark.size();
    *out++ = '\n';
    return out;
}

} // namespace

std::string_view SubnetMarkText(SubnetMark mark) {
    switch (mark) {
    case SubnetMark::Zero:
        return "zero";
    case SubnetMark::AllOnes:
        return "all-ones";
    case SubnetMark::None:
        break;
    }
    return {};
}

std::string DottedText(std::uint32_t address) {
    char text[16];
    return std::string(text, PutDotted(text, address));
}

void AppendSubnetHeader(std::string& text, char separator) {
    for (const std::string_view column : SubnetListColumns) {
        if (column != SubnetListColumns.front())
            text += separator;
        text += column;
    }
    text += '\n';
}

void AppendSubnetRow(std::string& text, const SubnetRow& row, char separator) {
    char line[kLongestLine + 1];
    text.append(line, PutRow(line, row, separator));
}

bool WriteSubnetRows(const SubnetList& list, std::uint32_t first, std::uint32_t end, char separator,
                     const TextSink& write) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    std::string buffer(kPiece + kLongestLine, '\0');
    char* const start = buffer.data();
    char* out = start;
    for (std::uint32_t number = first; number < end && number < list.Count(); ++number) {
        out = PutRow(out, list.Row(number), separator);
        if (static_cast<std::size_t>(out - start) >= kPiece) {
            if (!write(std::string_view(start, static_cast<std::size_t>(out - start))))
                return false;
            out = start;
        }
    }
    return out == start || write(std::string_view(start, static_cast<std::size_t>(out - start)));
}

} // namespace maskwell
