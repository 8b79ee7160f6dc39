// SPDX-License-Identifier: MIT
#include "core/AddressInput.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace maskwell {
namespace {

struct InputCase {
    friend void PrintTo(const InputCase& c, std::ostream* out) { *out << '"' << c.Text << '"'; }
    const char* Name;
    std::string_view Text;
    bool Accepted;
    std::array<int, 4> Octets = {};
    std::optional<int> MaskBits = std::nullopt;
};

class ParseAddressInputRow : public ::testing::TestWithParam<InputCase> {};

TEST_P(ParseAddressInputRow, ReadsOrRefuses) {
    const InputCase& c = GetParam();
    const std::optional<AddressInput> input = ParseAddressInput(c.Text);
    ASSERT_EQ(input.has_value(), c.Accepted);
    if (!input)
        return;
    EXPECT_EQ(input->Octets, c.Octets);
    EXPECT_EQ(input->MaskBits, c.MaskBits);
}

constexpr std::array<int, 4> net10{10, 20, 30, 40};

INSTANTIATE_TEST_SUITE_P(
    AddressInput, ParseAddressInputRow,
    ::testing::Values(
        // Accepted forms.
        InputCase{"Plain", "10.20.30.40", true, net10},
        InputCase{"SlashBits", "10.20.30.40/22", true, net10, 22},
        InputCase{"BlankBits", "10.20.30.40 22", true, net10, 22},
        InputCase{"SlashMask", "10.20.30.40/255.255.240.0", true, net10, 20},
        InputCase{"BlankMask", "10.20.30.40 255.255.240.0", true, net10, 20},
        InputCase{"SlashWildcard", "10.20.30.40/0.0.15.255", true, net10, 20},
        InputCase{"BlankWildcard", "10.20.30.40 0.0.0.3", true, net10, 30},
        InputCase{"SurroundingBlanksAndTabs", " \t10.20.30.40/22\t ", true, net10, 22},
        InputCase{"TrailingNewline", "10.20.30.40\n", true, net10},
        InputCase{"TrailingCrLf", "10.20.30.40/22\r\n", true, net10, 22},
        InputCase{"TabBetween", "10.20.30.40\t22", true, net10, 22},
        InputCase{"BlanksAroundSlash", "10.20.30.40 / 22", true, net10, 22},
        InputCase{"SeveralBlanksBetween", "10.20.30.40   255.255.255.0", true, net10, 24},
        // Edges.
        InputCase{"LeadingZerosAreDecimal", "010.020.030.040/08", true, net10, 8},
        InputCase{"PrefixZero", "10.20.30.40/0", true, net10, 0},
        InputCase{"PrefixThirtyTwo", "10.20.30.40/32", true, net10, 32},
        InputCase{"PrefixThirtyOne", "10.20.30.40/31", true, net10, 31},
        InputCase{"AllOnesAddress", "255.255.255.255", true, {255, 255, 255, 255}},
        InputCase{"AllZerosAddress", "0.0.0.0", true, {0, 0, 0, 0}},
        InputCase{"AllOnesIsAMaskNotAWildcard", "10.20.30.40 255.255.255.255", true, net10, 32},
        InputCase{"AllZerosIsAMaskNotAWildcard", "10.20.30.40/0.0.0.0", true, net10, 0},
        // Refused.
        InputCase{"Empty", "", false}, InputCase{"BlanksOnly", " \t\r\n", false},
        InputCase{"Letters", "router", false}, InputCase{"LetterInAnOctet", "10.20.3x.40", false},
        InputCase{"ThreeOctets", "1.2.3", false}, InputCase{"FiveOctets", "1.2.3.4.5", false},
        InputCase{"TrailingDot", "10.20.30.40.", false},
        InputCase{"EmptyOctet", "10..30.40", false},
        InputCase{"OctetAbove255", "10.256.30.40", false},
        InputCase{"FourDigitOctet", "0010.20.30.40", false},
        InputCase{"SignedOctet", "-10.20.30.40", false},
        InputCase{"HexOctet", "0x0A.20.30.40", false},
        InputCase{"SpaceInsideTheAddress", "10. 20.30.40", false},
        InputCase{"TwoAddresses", "10.20.30.40 10.20.30.41", false},
        InputCase{"TwoAddressesOnTwoLines", "10.20.30.40\r\n10.20.30.41", false},
        InputCase{"Ipv6", "fe80::1/64", false},
        InputCase{"Ipv4MappedIpv6", "::ffff:10.20.30.40", false},
        InputCase{"PrefixAbove32", "10.20.30.40/33", false},
        InputCase{"PrefixThreeDigits", "10.20.30.40/024", false},
        InputCase{"NegativePrefix", "10.20.30.40/-1", false},
        InputCase{"SlashWithoutPrefix", "10.20.30.40/", false},
        InputCase{"TwoSlashes", "10.20.30.40//22", false},
        InputCase{"TwoPrefixes", "10.20.30.40/22/24", false},
        InputCase{"TextAfterPrefix", "10.20.30.40/22 gw", false},
        InputCase{"NonContiguousMask", "10.20.30.40/255.0.255.0", false},
        InputCase{"ThreeOctetMask", "10.20.30.40/255.255.0", false},
        InputCase{"GluedText", "10.20.30.40x", false}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return info.param.Name; });

struct RefusalCase {
    friend void PrintTo(const RefusalCase& c, std::ostream* out) { *out << '"' << c.Text << '"'; }
    const char* Name;
    std::string_view Text;
    std::string_view Reason; // empty: the general hint answers it
};

class AddressInputRefusalRow : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(AddressInputRefusalRow, NamesWhatToMend) {
    ASSERT_FALSE(ParseAddressInput(GetParam().Text));
    EXPECT_EQ(AddressInputRefusal(GetParam().Text), GetParam().Reason);
}

INSTANTIATE_TEST_SUITE_P(
    AddressInput, AddressInputRefusalRow,
    ::testing::Values(RefusalCase{"LongOctet", "1000.1.1.1", "octet 1000 is above 255"},
                      RefusalCase{"OctetOfAShortAddress", "10.300.1", "octet 300 is above 255"},
                      RefusalCase{"OctetOfTheMask", "10.1.1.1 255.256.0.0",
                                  "octet 256 is above 255"},
                      RefusalCase{"ThreeDigitBits", "10.1.1.1/100", "mask bits 100 is above 32"},
                      RefusalCase{"BitsAfterAShortAddress", "10.1.1/33", ""},
                      RefusalCase{"ZeroPaddedBitsInRange", "10.1.1.1/024", ""},
                      RefusalCase{"WildcardWithAGap", "10.1.1.1/0.255.0.255",
                                  "mask 0.255.0.255 is not contiguous"},
                      RefusalCase{"Letters", "router", ""}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.Name; });

TEST(AddressInput, DottedWritesPlainDecimalOctets) {
    EXPECT_EQ(ParseAddressInput("010.000.002.255")->Dotted(), "10.0.2.255");
}

} // namespace
} // namespace maskwell
