// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Addresses as people write them in tickets, router configurations and chats,
// read into four octets and an optional prefix length. Window-free: every paste
// into the address control and the command line go through this one reader.
namespace maskwell {

struct AddressInput {
    std::array<int, 4> Octets{}; // 0 to 255 each, the first octet first
    std::optional<int> MaskBits; // 0 to 32 when a prefix or mask was given

    // The octets as dotted decimal text, "10.1.2.3".
    std::string Dotted() const;
};

// Reads one address, surrounding blanks, tabs and line ends ignored:
//   a.b.c.d
//   a.b.c.d/nn            a.b.c.d nn             (nn from 0 to 32)
//   a.b.c.d/255.255.240.0 a.b.c.d 255.255.240.0  (a contiguous mask)
//   a.b.c.d/0.0.15.255    a.b.c.d 0.0.15.255     (a wildcard, read as its mask)
// Octets are decimal, at most three digits (leading zeros allowed, never
// octal) and at most 255. A dotted text that reads both ways is a mask:
// 0.0.0.0 is /0 and 255.255.255.255 is /32. Anything else (letters, a second
// address, a missing octet, blanks inside the address) reads as nothing.
std::optional<AddressInput> ParseAddressInput(std::string_view text);

// Why ParseAddressInput refuses text, where the reason is one a user can act
// on: "octet 300 is above 255", "mask bits 33 is above 32", "mask 255.0.255.0
// is not contiguous". Empty for any other refused text (blank, letters, a
// missing octet...), which kAddressInputHint answers.
std::string AddressInputRefusal(std::string_view text);

// What the reader accepts, said to a user who gave it something else.
inline constexpr std::string_view kAddressInputHint =
    "paste an IPv4 address such as 192.168.1.10 or 192.168.1.10/24";

} // namespace maskwell
