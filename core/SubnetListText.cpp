// SPDX-License-Identifier: MIT
#include "core/SubnetListText.h"

#include <algorithm>
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
// separators and the line break. Writers may store up to kSlack bytes past
// what they write.
constexpr std::size_t kLongestLine = 7 + 4 * 15 + 8 + 6;
constexpr std::size_t kSlack = 16;

char* PutOctet(char* out, std::uint32_t value) {
    const OctetText& octet = octetTexts[value & 0xFF];
    std::memcpy(out, octet.digits, 3);
    return out + octet.length;
}

char* PutDotted(char* out, std::uint32_t address) {
    for (int shift = 24; shift > 0; shift -= 8) {
        out = PutOctet(out, address >> shift);
        *out++ = '.';
    }
    return PutOctet(out, address);
}

// Writes rows one after another, reusing what the last row wrote: the
// number counts on in its digits, and in each column the first three octets
// (the same for many rows in a row) are copied, not converted.
class LineWriter {
public:
    char* Put(char* out, const SubnetRow& row, char separator) {
        out = PutNumber(out, row.Number);
        const std::uint32_t addresses[] = {row.Id, row.FirstHost, row.LastHost, row.Broadcast};
        for (std::size_t column = 0; column < 4; ++column) {
            *out++ = separator;
            out = PutAddress(out, addresses[column], prefixes_[column]);
        }
        *out++ = separator;
        const std::string_view mark = SubnetMarkText(row.Mark);
        out = std::copy(mark.begin(), mark.end(), out); // an unmarked row's mark has no data
        *out++ = '\n';
        return out;
    }

private:
    struct Prefix {
        std::uint32_t top = ~std::uint32_t{0}; // no address has these top 24 bits
        char text[kSlack];                     // "255.255.255."
        std::size_t length = 0;
    };

    char* PutNumber(char* out, std::uint32_t number) {
        if (number != next_) {
            length_ = static_cast<std::size_t>(
                std::to_chars(digits_, digits_ + sizeof digits_, number).ptr - digits_);
        } else { // one up: carry through the nines
            std::size_t at = length_;
            while (at > 0 && digits_[at - 1] == '9')
                digits_[--at] = '0';
            if (at > 0) {
                ++digits_[at - 1];
            } else {
                std::memmove(digits_ + 1, digits_, length_++);
                digits_[0] = '1';
            }
        }
        next_ = number + 1;
        std::memcpy(out, digits_, sizeof digits_);
        return out + length_;
    }

    static char* PutAddress(char* out, std::uint32_t address, Prefix& prefix) {
        if (address >> 8 != prefix.top) {
            prefix.top = address >> 8;
            char* end = prefix.text;
            for (int shift = 24; shift > 0; shift -= 8) {
                end = PutOctet(end, address >> shift);
                *end++ = '.';
            }
            prefix.length = static_cast<std::size_t>(end - prefix.text);
        }
        std::memcpy(out, prefix.text, sizeof prefix.text);
        return PutOctet(out + prefix.length, address);
    }

    Prefix prefixes_[4];
    std::uint32_t next_ = ~std::uint32_t{0}; // the number after the last one written
    char digits_[kSlack] = {'0'};
    std::size_t length_ = 1;
};

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
    char text[15 + kSlack];
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
    char line[kLongestLine + kSlack];
    text.append(line, LineWriter().Put(line, row, separator));
}

bool WriteSubnetRows(const SubnetList& list, std::uint32_t first, std::uint32_t end, char separator,
                     const TextSink& write) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    std::string buffer(kPiece + kLongestLine + kSlack, '\0');
    char* const start = buffer.data();
    char* out = start;
    LineWriter lines;
    for (std::uint32_t number = first; number < end && number < list.Count(); ++number) {
        out = lines.Put(out, list.Row(number), separator);
        if (static_cast<std::size_t>(out - start) >= kPiece) {
            if (!write(std::string_view(start, static_cast<std::size_t>(out - start))))
                return false;
            out = start;
        }
    }
    return out == start || write(std::string_view(start, static_cast<std::size_t>(out - start)));
}

} // namespace maskwell
