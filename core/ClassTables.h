// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace maskwell {

// The four parallel selector lists of one address class: row i of each list
// describes the same mask (mask bits 10 to 30 for class A, 18 to 30 for B,
// 24 to 30 for C), and the length of the class's own network part.
struct ClassLists {
    std::span<const std::string_view> Masks;         // "255.255.255.0"
    std::span<const std::string_view> InversedMasks; // "0.0.0.255"
    std::span<const std::string_view> MaskBits;      // "24"
    std::span<const std::string_view> MaxSubnets;    // classful subnets at that length
    std::span<const std::string_view> MaxHosts;      // 2^(32 - bits) - 2
    int NetworkBits;                                 // 8, 16 or 24: the classful network
};

const ClassLists& ClassALists();
const ClassLists& ClassBLists();
const ClassLists& ClassCLists();

// What the Address Info page shows for a class: its row in the class selector,
// the row's text, the bit map title and pattern.
struct AddressClassInfo {
    std::string_view Letter; // "a", "b", "c", "d"
    int Row;                 // row of the class selector
    std::string_view RowText;
    std::string_view Title;
    std::string_view Pattern;
    const ClassLists* Lists; // null for multicast, which offers no masks
};

// The four rows of the class selector, in order.
std::span<const AddressClassInfo> AddressClasses();

// The class of a first octet: 1..126 A, 128..191 B, 192..223 C, 224 and up D;
// none for 0 and below and for 127, which leave the class as it was.
std::optional<AddressClassInfo> ClassOfFirstOctet(long long firstOctet);

// The class of a letter kept in the calculator state ("a".."d"), if any.
const AddressClassInfo* ClassOfLetter(std::string_view letter);

} // namespace maskwell
