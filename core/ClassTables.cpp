// SPDX-License-Identifier: MIT
#include "core/ClassTables.h"

#include <array>

namespace maskwell {

namespace {

using namespace std::string_view_literals;

// Class A offers mask bits 10 to 30; the class B and C lists are the tails of
// these, from mask bits 18 and 24.
constexpr std::array kClassAMasks{
    "255.192.0.0"sv,     "255.224.0.0"sv,     "255.240.0.0"sv,     "255.248.0.0"sv,
    "255.252.0.0"sv,     "255.254.0.0"sv,     "255.255.0.0"sv,     "255.255.128.0"sv,
    "255.255.192.0"sv,   "255.255.224.0"sv,   "255.255.240.0"sv,   "255.255.248.0"sv,
    "255.255.252.0"sv,   "255.255.254.0"sv,   "255.255.255.0"sv,   "255.255.255.128"sv,
    "255.255.255.192"sv, "255.255.255.224"sv, "255.255.255.240"sv, "255.255.255.248"sv,
    "255.255.255.252"sv,
};
constexpr std::array kClassAInversedMasks{
    "0.63.255.255"sv, "0.31.255.255"sv, "0.15.255.255"sv, "0.7.255.255"sv, "0.3.255.255"sv,
    "0.1.255.255"sv,  "0.0.255.255"sv,  "0.0.127.255"sv,  "0.0.63.255"sv,  "0.0.31.255"sv,
    "0.0.15.255"sv,   "0.0.7.255"sv,    "0.0.3.255"sv,    "0.0.1.255"sv,   "0.0.0.255"sv,
    "0.0.0.127"sv,    "0.0.0.63"sv,     "0.0.0.31"sv,     "0.0.0.15"sv,    "0.0.0.7"sv,
    "0.0.0.3"sv,
};
constexpr std::array kClassAMaskBits{
    "10"sv, "11"sv, "12"sv, "13"sv, "14"sv, "15"sv, "16"sv, "17"sv, "18"sv, "19"sv, "20"sv,
    "21"sv, "22"sv, "23"sv, "24"sv, "25"sv, "26"sv, "27"sv, "28"sv, "29"sv, "30"sv,
};
constexpr std::array kClassAMaxHosts{
    "4194302"sv, "2097150"sv, "1048574"sv, "524286"sv, "262142"sv, "131070"sv, "65534"sv,
    "32766"sv,   "16382"sv,   "8190"sv,    "4094"sv,   "2046"sv,   "1022"sv,   "510"sv,
    "254"sv,     "126"sv,     "62"sv,      "30"sv,     "14"sv,     "6"sv,      "2"sv,
};

// Maximum subnets count the subnet bits beyond the class's own network part,
// 2^n - 2 (the all-zeros and all-ones subnets excluded). Class B and C keep
// their own lists: a class B network cut at /18 has 2 subnets, not the 1022 a
// class A network has there. The unsubnetted class C network shows "1".
constexpr std::array kClassAMaxSubnets{
    "2"sv,     "6"sv,      "14"sv,     "30"sv,     "62"sv,      "126"sv,     "254"sv,
    "510"sv,   "1022"sv,   "2046"sv,   "4094"sv,   "8190"sv,    "16382"sv,   "32766"sv,
    "65534"sv, "131070"sv, "262142"sv, "524286"sv, "1048574"sv, "2097150"sv, "4194302"sv,
};
constexpr std::array kClassBMaxSubnets{
    "2"sv,   "6"sv,    "14"sv,   "30"sv,   "62"sv,   "126"sv,   "254"sv,
    "510"sv, "1022"sv, "2046"sv, "4094"sv, "8190"sv, "16382"sv,
};
constexpr std::array kClassCMaxSubnets{"1"sv, "0"sv, "2"sv, "6"sv, "14"sv, "30"sv, "62"sv};

constexpr std::size_t kClassBFirstRow = 8;  // mask bits 18
constexpr std::size_t kClassCFirstRow = 14; // mask bits 24

template <std::size_t N>
constexpr std::span<const std::string_view> Tail(const std::array<std::string_view, N>& list,
                                                 std::size_t first) {
    return std::span<const std::string_view>(list).subspan(first);
}

const ClassLists kClassA{kClassAMasks,      kClassAInversedMasks, kClassAMaskBits,
                         kClassAMaxSubnets, kClassAMaxHosts,      8};
const ClassLists kClassB{
    Tail(kClassAMasks, kClassBFirstRow),    Tail(kClassAInversedMasks, kClassBFirstRow),
    Tail(kClassAMaskBits, kClassBFirstRow), kClassBMaxSubnets,
    Tail(kClassAMaxHosts, kClassBFirstRow), 16};
const ClassLists kClassC{
    Tail(kClassAMasks, kClassCFirstRow),    Tail(kClassAInversedMasks, kClassCFirstRow),
    Tail(kClassAMaskBits, kClassCFirstRow), kClassCMaxSubnets,
    Tail(kClassAMaxHosts, kClassCFirstRow), 24};

const std::array<AddressClassInfo, 4> kAddressClasses{{
    {"a", 0, "Class A: 1.0.0.0 -- 126.255.255.255", "Class A Bit Map (n=network;h=host)",
     "0nnnnnnn.hhhhhhhh.hhhhhhhh.hhhhhhhh", &kClassA},
    {"b", 1, "Class B: 128.0.0.0 -- 191.255.255.255", "Class B Bit Map (n=network;h=host)",
     "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh", &kClassB},
    {"c", 2, "Class C: 192.0.0.0 -- 223.255.255.255", "Class C Bit Map (n=network;h=host)",
     "110nnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh", &kClassC},
    {"d", 3, "Class D/Multicast: 224.0.0.0 -- 239.255.255.255", "Multicast Bit Map (g=group)",
     "1110gggg.gggggggg.gggggggg.gggggggg", nullptr},
}};

} // namespace

const ClassLists& ClassALists() {
    return kClassA;
}
const ClassLists& ClassBLists() {
    return kClassB;
}
const ClassLists& ClassCLists() {
    return kClassC;
}

std::span<const AddressClassInfo> AddressClasses() {
    return kAddressClasses;
}

std::optional<AddressClassInfo> ClassOfFirstOctet(long long firstOctet) {
    if (firstOctet > 0 && firstOctet < 127)
        return kAddressClasses[0];
    if (firstOctet > 127 && firstOctet < 192)
        return kAddressClasses[1];
    if (firstOctet > 191 && firstOctet < 224)
        return kAddressClasses[2];
    if (firstOctet > 223)
        return kAddressClasses[3];
    return std::nullopt;
}

const AddressClassInfo* ClassOfLetter(std::string_view letter) {
    for (const AddressClassInfo& info : kAddressClasses)
        if (info.Letter == letter)
            return &info;
    return nullptr;
}

} // namespace maskwell
