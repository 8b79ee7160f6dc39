// SPDX-License-Identifier: MIT
#include "core/AddressText.h"

#include "core/Error.h"

#include <gtest/gtest.h>

namespace maskwell {
namespace {

TEST(DecimalValue, ReadsSignedDecimalIntegers) {
    EXPECT_EQ(DecimalValue("0"), 0);
    EXPECT_EQ(DecimalValue("007"), 7);
    EXPECT_EQ(DecimalValue("-1"), -1);
    EXPECT_EQ(DecimalValue("+12"), 12);
    EXPECT_EQ(DecimalValue("2147483647"), 2147483647);
    EXPECT_EQ(DecimalValue("-2147483648"), -2147483647 - 1);
}

TEST(DecimalValue, RejectsAnythingElseNamingTheText) {
    for (const char* bad : {"", "-", "+", "x", "1x", " 1", "1 ", "0x10", "$10", "+-1", "2147483648",
                            "-2147483649", "99999999999999999999"}) {
        try {
            DecimalValue(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(OctetOf, ReadsTheNthFieldAndRepeatsTheLastOne) {
    EXPECT_EQ(OctetOf("192.168.0.1", 1), 192);
    EXPECT_EQ(OctetOf("192.168.0.1", 4), 1);
    EXPECT_EQ(OctetOf("192.168.0.1", 0), 0);
    EXPECT_EQ(OctetOf("192.168.0.1", -3), 0);
    EXPECT_EQ(OctetOf("10.1", 4), 1);
    EXPECT_EQ(OctetOf("10.010.0.1", 2), 10);
}

TEST(OctetOf, ConvertsEveryFieldOnTheWay) {
    EXPECT_EQ(OctetOf("7.x.0.1", 1), 7);
    EXPECT_THROW(OctetOf("7.x.0.1", 3), ConversionError);
    try {
        OctetOf("192..0.1", 2);
        ADD_FAILURE() << "empty field accepted";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
}

TEST(OctetsOf, AgreesWithOctetOfFieldByField) {
    for (const char* text : {"192.168.0.1", "10.1", "7", "1.2.3.4.5", "010.0.300.-1"}) {
        const auto octets = OctetsOf(text);
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(octets[static_cast<std::size_t>(i - 1)], OctetOf(text, i))
                << text << " field " << i;
    }
    try {
        OctetsOf("1.x..y");
        ADD_FAILURE() << "accepted";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value") << "the leftmost bad field";
    }
}

TEST(BinaryText, PadsToTheWidthButNeverShortens) {
    EXPECT_EQ(BinaryText(0, 8), "00000000");
    EXPECT_EQ(BinaryText(255, 8), "11111111");
    EXPECT_EQ(BinaryText(5, 8), "00000101");
    EXPECT_EQ(BinaryText(256, 8), "100000000");
    EXPECT_EQ(BinaryText(0, 0), "0");
}

TEST(AddressForms, BinaryAndHexOfWholeAddresses) {
    EXPECT_EQ(BinaryAddressText("192.168.0.1"), "11000000.10101000.00000000.00000001");
    EXPECT_EQ(BinaryAddressText("0.0.0.0"), "00000000.00000000.00000000.00000000");
    EXPECT_EQ(HexAddressText("192.168.0.1"), "C0.A8.00.01");
    EXPECT_EQ(HexAddressText("10.0.0.255"), "0A.00.00.FF");
    EXPECT_EQ(HexAddressText("1.2.3.300"), "01.02.03.12C");
}

} // namespace
} // namespace maskwell
