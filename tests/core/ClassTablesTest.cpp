// SPDX-License-Identifier: MIT
#include "core/ClassTables.h"

#include "core/AddressText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace maskwell {
namespace {

std::uint32_t AddressValue(std::string_view dotted) {
    std::uint32_t value = 0;
    for (int i = 1; i <= 4; ++i)
        value = value << 8 | static_cast<std::uint32_t>(OctetOf(dotted, i));
    return value;
}

std::string Decimal(long long value) {
    return std::to_string(value);
}

struct ClassCase {
    const ClassLists& Lists;
    std::size_t Rows;
    int FirstMaskBits;
    int NetworkBits; // the class's own network part
};

class EveryClass : public ::testing::TestWithParam<int> {
protected:
    static ClassCase Case(int index) {
        switch (index) {
        case 0:
            return {ClassALists(), 21, 10, 8};
        case 1:
            return {ClassBLists(), 13, 18, 16};
        default:
            return {ClassCLists(), 7, 24, 24};
        }
    }
};

TEST_P(EveryClass, ListsAreParallelAndDescribeTheSameMaskInEveryRow) {
    const ClassCase c = Case(GetParam());
    const ClassLists& lists = c.Lists;
    ASSERT_EQ(lists.Masks.size(), c.Rows);
    ASSERT_EQ(lists.InversedMasks.size(), c.Rows);
    ASSERT_EQ(lists.MaskBits.size(), c.Rows);
    ASSERT_EQ(lists.MaxSubnets.size(), c.Rows);
    ASSERT_EQ(lists.MaxHosts.size(), c.Rows);
    EXPECT_EQ(lists.NetworkBits, c.NetworkBits);

    for (std::size_t row = 0; row < c.Rows; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const int bits = c.FirstMaskBits + static_cast<int>(row);
        const std::uint32_t mask = ~std::uint32_t{0} << (32 - bits);
        EXPECT_EQ(lists.MaskBits[row], Decimal(bits));
        EXPECT_EQ(AddressValue(lists.Masks[row]), mask);
        EXPECT_EQ(AddressValue(lists.InversedMasks[row]), ~mask);
        EXPECT_EQ(lists.MaxHosts[row], Decimal((1LL << (32 - bits)) - 2));
        const int subnetBits = bits - c.NetworkBits;
        const std::string subnets = subnetBits == 0 ? "1" : Decimal((1LL << subnetBits) - 2);
        EXPECT_EQ(lists.MaxSubnets[row], subnets);
    }
}

INSTANTIATE_TEST_SUITE_P(ClassTables, EveryClass, ::testing::Values(0, 1, 2));

TEST(ClassTables, SubnetCountsFollowTheClassNotClassA) {
    // A class B network cut at /18 has 2 subnets; class C at /30 has 62.
    EXPECT_EQ(ClassBLists().MaxSubnets.front(), "2");
    EXPECT_EQ(ClassBLists().MaxSubnets.back(), "16382");
    EXPECT_EQ(ClassCLists().MaxSubnets[1], "0");
    EXPECT_EQ(ClassCLists().MaxSubnets.back(), "62");
    EXPECT_EQ(ClassALists().MaxSubnets[8], "1022");
}

TEST(ClassTables, ClassRowsCarryTheirPageTexts) {
    const auto classes = AddressClasses();
    ASSERT_EQ(classes.size(), 4u);
    EXPECT_EQ(classes[0].RowText, "Class A: 1.0.0.0 -- 126.255.255.255");
    EXPECT_EQ(classes[1].Title, "Class B Bit Map (n=network;h=host)");
    EXPECT_EQ(classes[2].Pattern, "110nnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh");
    EXPECT_EQ(classes[3].RowText, "Class D/Multicast: 224.0.0.0 -- 239.255.255.255");
    EXPECT_EQ(classes[3].Title, "Multicast Bit Map (g=group)");
    EXPECT_EQ(classes[3].Pattern, "1110gggg.gggggggg.gggggggg.gggggggg");
    EXPECT_EQ(classes[3].Lists, nullptr);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(classes[static_cast<std::size_t>(row)].Row, row);
}

TEST(ClassTables, FirstOctetDecidesTheClassAtEveryBoundary) {
    const auto letter = [](long long f) {
        const auto info = ClassOfFirstOctet(f);
        return info ? std::string(info->Letter) : std::string("-");
    };
    EXPECT_EQ(letter(-1), "-");
    EXPECT_EQ(letter(0), "-");
    EXPECT_EQ(letter(1), "a");
    EXPECT_EQ(letter(126), "a");
    EXPECT_EQ(letter(127), "-");
    EXPECT_EQ(letter(128), "b");
    EXPECT_EQ(letter(191), "b");
    EXPECT_EQ(letter(192), "c");
    EXPECT_EQ(letter(223), "c");
    EXPECT_EQ(letter(224), "d");
    EXPECT_EQ(letter(239), "d");
    EXPECT_EQ(letter(255), "d");
    EXPECT_EQ(letter(300), "d");
}

} // namespace
} // namespace maskwell
