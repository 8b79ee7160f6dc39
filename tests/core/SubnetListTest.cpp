// SPDX-License-Identifier: MIT
#include "core/SubnetList.h"

#include "core/ClassTables.h"
#include "core/MemoryCalculator.h"
#include "core/SubnetComputation.h"
#include "core/SubnetListText.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace maskwell {
namespace {

SubnetList ListOf(std::string_view text) {
    const std::optional<AddressInput> input = ParseAddressInput(text);
    EXPECT_TRUE(input) << text;
    return input ? SubnetList::Of(*input) : SubnetList();
}

std::string Line(const SubnetList& list, std::uint32_t number) {
    std::string text;
    AppendSubnetRow(text, list.Row(number), '\t');
    return text;
}

struct RowCase {
    const char* name;
    const char* address; // with its mask bits
    std::uint32_t count;
    std::uint32_t number;
    const char* line; // the row as the command line prints it
};

class SubnetRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(SubnetRows, MatchTheClassfulNetworkCutAtTheMask) {
    const SubnetList list = ListOf(GetParam().address);
    EXPECT_EQ(list.Why(), "");
    ASSERT_EQ(list.Count(), GetParam().count);
    EXPECT_EQ(Line(list, GetParam().number), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    SubnetList, SubnetRows,
    ::testing::Values(
        RowCase{"A10First", "10.200.3.4/10", 4, 0,
                "0\t10.0.0.0\t10.0.0.1\t10.63.255.254\t10.63.255.255\tzero\n"},
        RowCase{"A10Middle", "10.200.3.4/10", 4, 1,
                "1\t10.64.0.0\t10.64.0.1\t10.127.255.254\t10.127.255.255\t\n"},
        RowCase{"A10Last", "10.200.3.4/10", 4, 3,
                "3\t10.192.0.0\t10.192.0.1\t10.255.255.254\t10.255.255.255\tall-ones\n"},
        RowCase{"A16Middle", "10.5.1.1/16", 256, 5,
                "5\t10.5.0.0\t10.5.0.1\t10.5.255.254\t10.5.255.255\t\n"},
        RowCase{"A30Middle", "10.1.2.3/30", 4194304, 2097152,
                "2097152\t10.128.0.0\t10.128.0.1\t10.128.0.2\t10.128.0.3\t\n"},
        RowCase{"A30Last", "10.1.2.3/30", 4194304, 4194303,
                "4194303\t10.255.255.252\t10.255.255.253\t10.255.255.254\t10.255.255.255\t"
                "all-ones\n"},
        RowCase{"B18First", "172.16.77.9/18", 4, 0,
                "0\t172.16.0.0\t172.16.0.1\t172.16.63.254\t172.16.63.255\tzero\n"},
        RowCase{"B20Middle", "172.16.77.9/20", 16, 4,
                "4\t172.16.64.0\t172.16.64.1\t172.16.79.254\t172.16.79.255\t\n"},
        RowCase{"B30Last", "191.255.0.1/30", 16384, 16383,
                "16383\t191.255.255.252\t191.255.255.253\t191.255.255.254\t191.255.255.255\t"
                "all-ones\n"},
        RowCase{"C24OneUnmarkedRow", "192.168.5.130/24", 1, 0,
                "0\t192.168.5.0\t192.168.5.1\t192.168.5.254\t192.168.5.255\t\n"},
        RowCase{"C25BothMarked", "192.168.5.130/25", 2, 1,
                "1\t192.168.5.128\t192.168.5.129\t192.168.5.254\t192.168.5.255\tall-ones\n"},
        RowCase{"C26Middle", "192.168.5.130/26", 4, 2,
                "2\t192.168.5.128\t192.168.5.129\t192.168.5.190\t192.168.5.191\t\n"},
        RowCase{"C30Last", "223.0.0.9/30", 64, 63,
                "63\t223.0.0.252\t223.0.0.253\t223.0.0.254\t223.0.0.255\tall-ones\n"},
        RowCase{"DCutAsClassA", "224.1.2.3/12", 16, 0,
                "0\t224.0.0.0\t224.0.0.1\t224.15.255.254\t224.15.255.255\tzero\n"},
        RowCase{"DLast", "239.1.2.3/30", 4194304, 4194303,
                "4194303\t239.255.255.252\t239.255.255.253\t239.255.255.254\t239.255.255.255\t"
                "all-ones\n"}),
    [](const ::testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

struct EmptyCase {
    const char* name;
    const char* address;
    const char* why;
};

class EmptyList : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyList, SaysWhy) {
    const SubnetList list = ListOf(GetParam().address);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Why(), GetParam().why);
    EXPECT_FALSE(list.RowOf(0x0A000000));
}

INSTANTIATE_TEST_SUITE_P(
    SubnetList, EmptyList,
    ::testing::Values(
        EmptyCase{"NoMask", "10.1.2.3", "no mask is chosen"},
        EmptyCase{"Loopback", "127.0.0.1/24", "127.0.0.1 is in no address class"},
        EmptyCase{"ZeroFirstOctet", "0.1.2.3/24", "0.1.2.3 is in no address class"},
        EmptyCase{"ClassAtEight", "10.0.0.0/8",
                  "mask bits 8 is not offered for a class A address; choose 10 to 30"},
        EmptyCase{"CShorterThanItsNetwork", "192.168.0.1/16",
                  "mask bits 16 is not offered for a class C address; choose 24 to 30"},
        EmptyCase{"DBeyondThirty", "224.0.0.1/31",
                  "mask bits 31 is not offered for a class D address; choose 10 to 30"}),
    [](const ::testing::TestParamInfo<EmptyCase>& info) { return std::string(info.param.name); });

// The unmarked rows are the "max subnets" the window lists for every mask of
// every class.
TEST(SubnetList, UnmarkedRowsNumberTheMaxSubnets) {
    for (const auto& [first, lists] :
         {std::pair{"10.0.0.1", &ClassALists()}, std::pair{"172.16.0.1", &ClassBLists()},
          std::pair{"192.168.0.1", &ClassCLists()}}) {
        for (std::size_t row = 0; row < lists->MaskBits.size(); ++row) {
            const SubnetList list =
                ListOf(std::string(first) + "/" + std::string(lists->MaskBits[row]));
            std::uint32_t unmarked = 0;
            for (std::uint32_t number = 0; number < list.Count(); ++number)
                unmarked += list.Row(number).Mark == SubnetMark::None ? 1 : 0;
            EXPECT_EQ(std::to_string(unmarked), lists->MaxSubnets[row])
                << first << "/" << lists->MaskBits[row];
        }
    }
}

// The row holding an address is the subnet the calculator computes for it,
// and its bounds are the 32-bit network and broadcast.
TEST(SubnetList, RowOfTheAddressIsTheCalculatorsSubnet) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> firstOctet(1, 239);
    std::uniform_int_distribution<int> octet(0, 255);
    MemoryCalculator calc;
    for (int sample = 0; sample < 400; ++sample) {
        const std::array<int, 4> octets{firstOctet(random), octet(random), octet(random),
                                        octet(random)};
        if (octets[0] == 127)
            continue;
        const std::uint32_t address = AddressValue(octets);
        const std::optional<AddressClassInfo> info = ClassOfFirstOctet(octets[0]);
        const ClassLists& lists = info->Lists ? *info->Lists : ClassALists();
        for (const std::string_view bitsText : lists.MaskBits) {
            const int bits = std::stoi(std::string(bitsText));
            const SubnetList list = SubnetList::Of({octets, bits});
            const std::optional<std::uint32_t> number = list.RowOf(address);
            ASSERT_TRUE(number);
            const SubnetRow row = list.Row(*number);
            const std::uint32_t mask = ~std::uint32_t{0} << (32 - bits);
            ASSERT_EQ(row.Id, address & mask);
            ASSERT_EQ(row.Broadcast, address | ~mask);
            ASSERT_EQ(list.Row(0).Id, address & ~std::uint32_t{0} << (32 - lists.NetworkBits));

            calc.IPE.SetText(DottedText(address));
            calc.CB2.SetItemIndex(bits - 10);
            StartCalc(calc.State);
            ASSERT_EQ(DottedText(row.FirstHost) + " - " + DottedText(row.LastHost), calc.E1.Text());
            ASSERT_EQ(DottedText(row.Id), calc.E2.Text());
            ASSERT_EQ(DottedText(row.Broadcast), calc.E3.Text());
        }
    }
}

TEST(SubnetListText, StreamsInBoundedPiecesThatJoinToTheRows) {
    const SubnetList small = ListOf("172.16.0.1/20");
    std::string streamed;
    EXPECT_TRUE(WriteSubnetRows(small, 0, small.Count(), ',', [&](std::string_view piece) {
        streamed += piece;
        return true;
    }));
    std::string expected;
    AppendSubnetHeader(expected, ',');
    EXPECT_EQ(expected, "Number,Subnet ID,First Host,Last Host,Broadcast,Mark\n");
    expected.clear();
    for (std::uint32_t number = 0; number < small.Count(); ++number)
        AppendSubnetRow(expected, small.Row(number), ',');
    EXPECT_EQ(streamed, expected);

    const SubnetList large = ListOf("10.0.0.0/30");
    std::size_t pieces = 0, largest = 0, lines = 0;
    EXPECT_TRUE(WriteSubnetRows(large, 0, large.Count(), '\t', [&](std::string_view piece) {
        ++pieces;
        largest = std::max(largest, piece.size());
        lines += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
        return true;
    }));
    EXPECT_EQ(lines, 4194304u);
    EXPECT_LT(largest, (std::size_t{1} << 20) + 100);
    EXPECT_GT(pieces, 100u);

    int offered = 0;
    EXPECT_FALSE(WriteSubnetRows(large, 0, large.Count(), '\t', [&](std::string_view) {
        ++offered;
        return false;
    }));
    EXPECT_EQ(offered, 1) << "a refused piece stops the writing";
}

} // namespace
} // namespace maskwell
