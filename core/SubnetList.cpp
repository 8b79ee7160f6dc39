// SPDX-License-Identifier: MIT
#include "core/SubnetList.h"

#include "core/AddressEntry.h"
#include "core/AddressText.h"
#include "core/ClassTables.h"

#include <algorithm>

namespace maskwell {

namespace {

std::uint32_t PrefixMask(int bits) {
    return bits <= 0 ? 0 : ~std::uint32_t{0} << (32 - bits);
}

} // namespace

SubnetList::SubnetList() : why_("no mask is chosen") {}

SubnetList SubnetList::Of(const AddressInput& address) {
    SubnetList list;
    if (!address.MaskBits)
        return list;
    const int bits = *address.MaskBits;
    const std::optional<AddressClassInfo> addressClass = ClassOfFirstOctet(address.Octets[0]);
    if (!addressClass) {
        list.why_ = address.Dotted() + " is in no address class";
        return list;
    }
    // Multicast has no lists of its own; it is offered every length, as class A is.
    const ClassLists& lists = addressClass->Lists ? *addressClass->Lists : ClassALists();
    if (std::find(lists.MaskBits.begin(), lists.MaskBits.end(), DecimalText(bits)) ==
        lists.MaskBits.end()) {
        const char letter = static_cast<char>(addressClass->Letter.front() - 'a' + 'A');
        list.why_ = MaskNotOfferedText(std::string_view(&letter, 1), bits, lists.MaskBits.front(),
                                       lists.MaskBits.back());
        return list;
    }
    list.why_.clear();
    list.maskBits_ = bits;
    list.subnetBits_ = bits - lists.NetworkBits;
    list.network_ = AddressValue(address.Octets) & PrefixMask(lists.NetworkBits);
    list.count_ = std::uint32_t{1} << list.subnetBits_;
    return list;
}

SubnetRow SubnetList::Row(std::uint32_t number) const {
    const int hostBits = 32 - maskBits_;
    const std::uint32_t id = network_ | number << hostBits;
    const std::uint32_t broadcast = id | ~PrefixMask(maskBits_);
    SubnetMark mark = SubnetMark::None;
    if (subnetBits_ > 0 && number == 0)
        mark = SubnetMark::Zero;
    else if (subnetBits_ > 0 && number == count_ - 1)
        mark = SubnetMark::AllOnes;
    return {number, id, id + 1, broadcast - 1, broadcast, mark};
}

std::optional<std::uint32_t> SubnetList::RowOf(std::uint32_t address) const {
    if (count_ == 0 || (address & PrefixMask(maskBits_ - subnetBits_)) != network_)
        return std::nullopt;
    return (address - network_) >> (32 - maskBits_);
}

std::uint32_t AddressValue(const std::array<int, 4>& octets) {
    std::uint32_t value = 0;
    for (const int octet : octets)
        value = value << 8 | (static_cast<std::uint32_t>(octet) & 0xFF);
    return value;
}

} // namespace maskwell
