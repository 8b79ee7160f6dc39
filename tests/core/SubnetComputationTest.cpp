// SPDX-License-Identifier: MIT
#include "core/SubnetComputation.h"

#include "core/AddressText.h"
#include "core/Error.h"
#include "core/MemoryCalculator.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace maskwell {
namespace {

class SubnetComputation : public ::testing::Test {
protected:
    // Selects the mask-bits row in CB2 and computes as a pick in the list would.
    void Compute(std::string_view address, int maskBits) {
        calc.IPE.SetText(address);
        calc.CB2.SetItemIndex(maskBits - 10);
        ASSERT_EQ(calc.CB2.Text(), std::to_string(maskBits));
        StartCalc(calc.State);
    }
    std::string Results() const {
        return calc.E1.Text() + " | " + calc.E2.Text() + " | " + calc.E3.Text();
    }

    MemoryCalculator calc;
};

struct WorkedCase {
    const char* name;
    const char* address;
    int bits;
    const char* expected; // host range | subnet ID | broadcast
};

class WorkedResults : public SubnetComputation, public ::testing::WithParamInterface<WorkedCase> {};

TEST_P(WorkedResults, HostRangeSubnetIdAndBroadcast) {
    Compute(GetParam().address, GetParam().bits);
    EXPECT_EQ(Results(), GetParam().expected);
}

// ClassCUnderClassALength: the class plays no part. CopiedOctetsRewritten:
// copied octets are rewritten from their values.
INSTANTIATE_TEST_SUITE_P(
    SubnetComputation, WorkedResults,
    ::testing::Values(
        WorkedCase{"ClassC24", "192.168.0.1", 24,
                   "192.168.0.1 - 192.168.0.254 | 192.168.0.0 | 192.168.0.255"},
        WorkedCase{"ClassC26", "192.168.5.130", 26,
                   "192.168.5.129 - 192.168.5.190 | 192.168.5.128 | 192.168.5.191"},
        WorkedCase{"ClassC30HostAddress", "192.168.1.7", 30,
                   "192.168.1.5 - 192.168.1.6 | 192.168.1.4 | 192.168.1.7"},
        WorkedCase{"ClassC30SubnetId", "192.168.1.4", 30,
                   "192.168.1.5 - 192.168.1.6 | 192.168.1.4 | 192.168.1.7"},
        WorkedCase{"ClassB20", "172.16.77.9", 20,
                   "172.16.64.1 - 172.16.79.254 | 172.16.64.0 | 172.16.79.255"},
        WorkedCase{"ClassB23", "172.16.0.5", 23,
                   "172.16.0.1 - 172.16.1.254 | 172.16.0.0 | 172.16.1.255"},
        WorkedCase{"ClassA12", "10.200.3.4", 12,
                   "10.192.0.1 - 10.207.255.254 | 10.192.0.0 | 10.207.255.255"},
        WorkedCase{"ClassA16", "10.5.1.1", 16, "10.5.0.1 - 10.5.255.254 | 10.5.0.0 | 10.5.255.255"},
        WorkedCase{"ClassA24", "10.5.1.1", 24, "10.5.1.1 - 10.5.1.254 | 10.5.1.0 | 10.5.1.255"},
        WorkedCase{"ClassA10", "10.5.1.1", 10,
                   "10.0.0.1 - 10.63.255.254 | 10.0.0.0 | 10.63.255.255"},
        WorkedCase{"ClassA10LastAddress", "10.255.255.255", 10,
                   "10.192.0.1 - 10.255.255.254 | 10.192.0.0 | 10.255.255.255"},
        WorkedCase{"ClassC25Broadcast", "192.168.1.255", 25,
                   "192.168.1.129 - 192.168.1.254 | 192.168.1.128 | 192.168.1.255"},
        WorkedCase{"ClassCUnderClassALength", "192.168.1.1", 12,
                   "192.160.0.1 - 192.175.255.254 | 192.160.0.0 | 192.175.255.255"},
        WorkedCase{"CopiedOctetsRewritten", "010.0.255.3", 24,
                   "10.0.255.1 - 10.0.255.254 | 10.0.255.0 | 10.0.255.255"}),
    [](const ::testing::TestParamInfo<WorkedCase>& info) { return std::string(info.param.name); });

std::string DottedValue(std::uint32_t value) {
    return std::to_string(value >> 24) + "." + std::to_string(value >> 16 & 255) + "." +
           std::to_string(value >> 8 & 255) + "." + std::to_string(value & 255);
}

TEST_F(SubnetComputation, EveryRowMatchesThe32BitNetworkArithmetic) {
    std::mt19937 random(20261208);
    const std::uint32_t edges[] = {0, 1, 127, 128, 191, 192, 223, 224, 239, 254, 255};
    std::uniform_int_distribution<int> anyOctet(0, 255);
    std::uniform_int_distribution<int> edgeIndex(0, static_cast<int>(std::size(edges)) - 1);
    std::bernoulli_distribution takeEdge(0.3);
    const auto octet = [&] {
        return takeEdge(random) ? edges[edgeIndex(random)]
                                : static_cast<std::uint32_t>(anyOctet(random));
    };

    for (int sample = 0; sample < 3000; ++sample) {
        const std::uint32_t address = octet() << 24 | octet() << 16 | octet() << 8 | octet();
        const std::string text = DottedValue(address);
        for (int bits = 10; bits <= 30; ++bits) {
            const std::uint32_t mask = ~std::uint32_t{0} << (32 - bits);
            const std::uint32_t network = address & mask;
            const std::uint32_t broadcast = network | ~mask;
            Compute(text, bits);
            const std::string expected = DottedValue(network + 1) + " - " +
                                         DottedValue(broadcast - 1) + " | " + DottedValue(network) +
                                         " | " + DottedValue(broadcast);
            ASSERT_EQ(Results(), expected) << text << "/" << bits;
        }
    }
}

TEST_F(SubnetComputation, OnlyTheTwentyOneMaskBitsTextsCompute) {
    for (const char* text : {"", "8", "9", "31", "32", "010", "24 ", "+24"})
        EXPECT_FALSE(MaskCutOf(text).has_value()) << "'" << text << "'";
    EXPECT_EQ(MaskCutOf("16")->blockSize, 256);
    EXPECT_EQ(MaskCutOf("16")->octetPosition, 2);
    EXPECT_EQ(MaskCutOf("17")->blockSize, 128);
    EXPECT_EQ(MaskCutOf("17")->octetPosition, 3);
    EXPECT_EQ(MaskCutOf("24")->octetPosition, 4);
}

TEST_F(SubnetComputation, NothingSelectedEmptiesResultsAndRefreshesAddressInfo) {
    calc.E1.SetText("old range");
    calc.E2.SetText("old id");
    calc.E3.SetText("old broadcast");
    calc.CBA1.SetItemIndex(2);
    StartCalc(calc.State);
    EXPECT_EQ(Results(), " |  | ") << "results of an earlier address never stay";
    EXPECT_EQ(calc.L10.Text(), "Class C Bit Map (n=network;h=host)");
    EXPECT_EQ(calc.EA1.Text(), "110nnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh");
}

TEST_F(SubnetComputation, UnknownOctetPositionWritesNothing) {
    calc.E1.SetText("kept");
    MegaCalc(calc.State, 64, 1);
    MegaCalc(calc.State, 64, 5);
    EXPECT_EQ(calc.E1.Text(), "kept");
}

TEST_F(SubnetComputation, BadFieldStopsBeforeAnyResultAndBeforeAddressInfo) {
    Compute("192.168.0.1", 24);
    calc.L10.SetText("");
    calc.CBA1.SetItemIndex(1);
    const struct {
        const char* Address;
        const char* Message;
    } cases[] = {{"192.168..1", "'' is not a valid integer value"},
                 {"192.168.0.x", "'x' is not a valid integer value"}};
    for (const auto& [address, message] : cases) {
        calc.IPE.SetText(address);
        try {
            StartCalc(calc.State);
            ADD_FAILURE() << address << " computed";
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), message);
        }
        EXPECT_EQ(Results(), "192.168.0.1 - 192.168.0.254 | 192.168.0.0 | 192.168.0.255");
        EXPECT_EQ(calc.L10.Text(), "") << "address info refreshed after a failure";
    }
}

TEST_F(SubnetComputation, OctetsAbove255RunThroughTheSameFormulas) {
    Compute("10.1.300.7", 23);
    EXPECT_EQ(Results(), "10.1.300.1 - 10.1.301.254 | 10.1.300.0 | 10.1.301.255");
}

} // namespace
} // namespace maskwell
