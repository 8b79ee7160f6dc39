// SPDX-License-Identifier: MIT
#pragma once

#include "core/AddressInput.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace maskwell {

// The results the window shows for one address under one mask, worked out in
// a single step on 32-bit numbers: the command line answers a script that may
// ask for a million addresses, where driving the selectors costs too much. The
// class tables give what they give the window (the masks a class offers and
// the texts of the mask, wildcard, maximum subnets and hosts), and a fresh
// window's calculator gives the same results for the same input.
struct AddressResults {
    std::uint32_t Address = 0;
    int MaskBits = 0;
    std::string_view ClassLetter; // "A" to "D"; empty for 127.x.x.x, which has no class
    std::string_view Mask;        // the class table's texts in the row of MaskBits
    std::string_view Wildcard;
    std::string_view MaxSubnets;
    std::string_view MaxHosts;

    std::uint32_t Network() const;   // the subnet ID: every host bit 0
    std::uint32_t Broadcast() const; // every host bit 1
};

// The results for an address as a new window takes it from a paste: with
// maskBitsWithoutMask when the input names no mask, and in the lists of the
// address's class; a multicast address and 127.x.x.x, which leave a new
// window's lists as they are, are offered every length (class A's lists). The
// octets are taken as they are, repaired or not. Nothing, with the notice a
// paste gives in `refusal` ("mask bits 16 is not offered for a class C address;
// choose 24 to 30"), for a mask those lists do not offer.
std::optional<AddressResults> WorkOutResults(const AddressInput& input, int maskBitsWithoutMask,
                                             std::string& refusal);

} // namespace maskwell
