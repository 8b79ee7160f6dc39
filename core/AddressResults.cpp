// SPDX-License-Identifier: MIT
#include "core/AddressResults.h"

#include "core/AddressEntry.h"
#include "core/ClassTables.h"

#include <array>

namespace maskwell {

namespace {

constexpr std::array<std::string_view, 4> kClassLetters{"A", "B", "C", "D"};

// The mask bits of a two-digit row text of the tables ("10" to "30").
int MaskBitsOfRow(std::string_view text) {
    return (text[0] - '0') * 10 + (text[1] - '0');
}

std::uint32_t MaskOf(int bits) {
    return bits == 0 ? 0 : ~std::uint32_t{0} << (32 - bits);
}

} // namespace

std::uint32_t AddressResults::Network() const {
    return Address & MaskOf(MaskBits);
}

std::uint32_t AddressResults::Broadcast() const {
    return Network() | ~MaskOf(MaskBits);
}

std::optional<AddressResults> WorkOutResults(const AddressInput& input, int maskBitsWithoutMask,
                                             std::string& refusal) {
    const std::optional<AddressClassInfo> info = ClassOfFirstOctet(input.Octets[0]);
    const ClassLists& lists = info && info->Lists ? *info->Lists : ClassALists();
    const int bits = input.MaskBits.value_or(maskBitsWithoutMask);
    const int firstBits = MaskBitsOfRow(lists.MaskBits.front());
    const int row = bits - firstBits;
    const std::string_view letter = info ? kClassLetters[static_cast<std::size_t>(info->Row)] : "";
    if (row < 0 || row >= static_cast<int>(lists.MaskBits.size())) {
        refusal = MaskNotOfferedText(letter, bits, lists.MaskBits.front(), lists.MaskBits.back());
        return std::nullopt;
    }
    AddressResults results;
    for (const int octet : input.Octets)
        results.Address = results.Address << 8 | static_cast<std::uint32_t>(octet);
    results.MaskBits = bits;
    results.ClassLetter = letter;
    const auto at = static_cast<std::size_t>(row);
    results.Mask = lists.Masks[at];
    results.Wildcard = lists.InversedMasks[at];
    results.MaxSubnets = lists.MaxSubnets[at];
    results.MaxHosts = lists.MaxHosts[at];
    return results;
}

} // namespace maskwell
