// SPDX-License-Identifier: MIT
#pragma once

#include "core/AddressInput.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace maskwell {

// Subnet zero and the all-ones subnet are listed but marked: the classful
// "max subnets" count leaves them out.
enum class SubnetMark { None, Zero, AllOnes };

// One subnet, addresses as 32-bit values (the first octet in the top byte).
struct SubnetRow {
    std::uint32_t Number; // the value of its subnet bits: 0 is subnet zero
    std::uint32_t Id;
    std::uint32_t FirstHost;
    std::uint32_t LastHost;
    std::uint32_t Broadcast;
    SubnetMark Mark;

    bool operator==(const SubnetRow&) const = default;
};

// Every subnet of an address's classful network at one mask length, in
// order. The network is the first octet for class A and for class D (which
// offers the class A masks), two octets for class B and three for class C;
// a mask of n bits beyond it makes 2^n subnets, one row when n is 0. A row is
// computed when asked for: the list holds a few numbers whatever its length.
class SubnetList {
public:
    // The empty list of an address without a mask.
    SubnetList();

    // The list for the address and its mask bits, or an empty one saying why:
    // no mask, an address of no class (first octet 0 or 127), or mask bits the
    // class does not offer.
    static SubnetList Of(const AddressInput& address);

    std::uint32_t Count() const { return count_; }
    // The row of subnet `number`, which must be below Count().
    SubnetRow Row(std::uint32_t number) const;
    // The number of the subnet that holds the address, if it is in the network.
    std::optional<std::uint32_t> RowOf(std::uint32_t address) const;

    std::uint32_t Network() const { return network_; }
    int MaskBits() const { return maskBits_; }
    int SubnetBits() const { return subnetBits_; }
    // Why the list is empty, as one line ("no mask is chosen"); empty when it is not.
    const std::string& Why() const { return why_; }

    bool operator==(const SubnetList&) const = default;

private:
    std::uint32_t network_ = 0;
    int maskBits_ = 0;
    int subnetBits_ = 0;
    std::uint32_t count_ = 0;
    std::string why_;
};

// The octets as one 32-bit value, the first in the top byte.
std::uint32_t AddressValue(const std::array<int, 4>& octets);

} // namespace maskwell
