// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditText.h"

#include "tests/controls/advedit/AdvEditFixture.h"

#include <limits>

namespace maskwell {
namespace {

using AdvEditText = test::UsSeparators;

TEST_F(AdvEditText, ClassifiesNumbersByTheirCharacters) {
    EXPECT_EQ(ClassifyText(""), tcOther);
    EXPECT_EQ(ClassifyText("12"), tcInteger);
    EXPECT_EQ(ClassifyText("-12"), tcInteger);
    EXPECT_EQ(ClassifyText("1,234.5"), tcFloat);
    EXPECT_EQ(ClassifyText("1,234,567"), tcFloat);
    EXPECT_EQ(ClassifyText("1A"), tcHex);
    EXPECT_EQ(ClassifyText("12a"), tcHex);
    EXPECT_EQ(ClassifyText("abc"), tcHex);
    EXPECT_EQ(ClassifyText("xyz"), tcOther);
    EXPECT_EQ(ClassifyText("1.5e3"), tcOther); // no exponents
    EXPECT_EQ(ClassifyText("15e3"), tcHex);
}

TEST_F(AdvEditText, MoreThanOneSignOrDecimalSeparatorIsNoNumber) {
    EXPECT_EQ(ClassifyText("--1"), tcOther);
    EXPECT_EQ(ClassifyText("1.2.3"), tcOther);
    EXPECT_EQ(ClassifyText("-FF-"), tcOther);
}

TEST_F(AdvEditText, ThousandSeparatorsMustBeThreeApart) {
    EXPECT_EQ(ClassifyText(",12"), tcOther);
    EXPECT_EQ(ClassifyText("1,2,3"), tcOther);
    EXPECT_EQ(ClassifyText("12,345"), tcFloat); // only a minimum distance is asked for
}

TEST_F(AdvEditText, ClassificationFollowsTheLocaleSeparators) {
    SetDecimalSeparator(u',');
    SetThousandSeparator(u'.');
    EXPECT_EQ(ClassifyText("1.234,5"), tcFloat);
    EXPECT_EQ(ClassifyText("1,2,3"), tcOther);
    EXPECT_EQ(ClassifyText("1.2.3"), tcOther); // separators too close
    EXPECT_EQ(ClassifyText("1.234.567"), tcFloat);
}

TEST_F(AdvEditText, ParsesLenientlyAndGivesZeroForAnythingElse) {
    EXPECT_DOUBLE_EQ(ParseFloatLenient("1,234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(ParseFloatLenient("-0.25"), -0.25);
    EXPECT_DOUBLE_EQ(ParseFloatLenient(" 12 "), 12);
    EXPECT_DOUBLE_EQ(ParseFloatLenient(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseFloatLenient("5."), 5);
    EXPECT_DOUBLE_EQ(ParseFloatLenient("1e3"), 1000);
    for (const char* bad : {"", "-", ".", "abc", "1.2.3", "12a", "1e", "inf", "nan", "1e999"})
        EXPECT_EQ(ParseFloatLenient(bad), 0) << bad;
}

TEST_F(AdvEditText, ParsingUsesTheLocaleDecimalSeparator) {
    SetDecimalSeparator(u',');
    SetThousandSeparator(u'.');
    EXPECT_DOUBLE_EQ(ParseFloatLenient("1.234,5"), 1234.5);
    EXPECT_EQ(ParseFloatLenient("1,2,3"), 0);
}

TEST_F(AdvEditText, HexTextCountsForeignCharactersAsZeroAndWrapsAt32Bits) {
    EXPECT_EQ(HexTextToInt("FF"), 255);
    EXPECT_EQ(HexTextToInt("ff"), 255);
    EXPECT_EQ(HexTextToInt("1G"), 16);
    EXPECT_EQ(HexTextToInt("-1"), 1);
    EXPECT_EQ(HexTextToInt("7FFFFFFF"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(HexTextToInt("FFFFFFFF"), -1);
    EXPECT_EQ(HexTextToInt("100000001"), 1);
    EXPECT_EQ(HexTextToInt(""), 0);
}

TEST_F(AdvEditText, MixedCaseCapitalisesWordsOfNames) {
    EXPECT_EQ(MixedCaseText("o'neil-smith"), "O'Neil-Smith");
    EXPECT_EQ(MixedCaseText("mcdonald"), "McDonald");
    EXPECT_EQ(MixedCaseText("old mcdonald"), "Old McDonald");
    EXPECT_EQ(MixedCaseText("henry iii"), "Henry III");
    EXPECT_EQ(MixedCaseText("henry ii"), "Henry II");
    EXPECT_EQ(MixedCaseText("JOHN SMITH"), "John Smith");
    EXPECT_EQ(MixedCaseText("louis xiv"), "Louis Xiv");
    EXPECT_EQ(MixedCaseText("the iii king"), "The Iii King"); // numerals only at the end
    EXPECT_EQ(MixedCaseText("élan"), "élan");                 // ASCII letters only
}

TEST_F(AdvEditText, UrlsAreWebAddressesOrMailAddresses) {
    EXPECT_TRUE(IsUrlText("http://example.org"));
    EXPECT_TRUE(IsUrlText("me@example.org"));
    EXPECT_FALSE(IsUrlText("@me"));
    EXPECT_FALSE(IsUrlText("example.org"));
}

TEST_F(AdvEditText, ValueLosesAPresentPrefixAndAlwaysTheSuffixLength) {
    EXPECT_EQ(ValueOfWindowText("$12", "$", ""), "12");
    EXPECT_EQ(ValueOfWindowText("12 kg", "", " kg"), "12");
    EXPECT_EQ(ValueOfWindowText("x12 kg", "$", " kg"), "x12");
    EXPECT_EQ(ValueOfWindowText("12 lb", "", " kg"), "12"); // suffix cut unchecked
    EXPECT_EQ(ValueOfWindowText("1", "", " kg"), "");
}

TEST_F(AdvEditText, AssignedValuesAreNormalisedByType) {
    EXPECT_EQ(NormalizedValue("12a", etNumeric, 0), "0");
    EXPECT_EQ(NormalizedValue("-12", etNumeric, 0), "-12");
    EXPECT_EQ(NormalizedValue("ff", etHex, 0), "FF");
    EXPECT_EQ(NormalizedValue("1.5", etHex, 0), "0");
    EXPECT_EQ(NormalizedValue("xyz", etHex, 0), "0");
    EXPECT_EQ(NormalizedValue("3", etFloat, 2), "3.00");
    EXPECT_EQ(NormalizedValue("1,2,3", etFloat, 2), "0.00");
    EXPECT_EQ(NormalizedValue("1234.5", etFloat, 2), "1234.50");
    EXPECT_EQ(NormalizedValue("1234.5", etMoney, 2), "1,234.50");
    EXPECT_EQ(NormalizedValue("-1234567.456", etMoney, 2), "-1,234,567.46");
    EXPECT_EQ(NormalizedValue("1234.5", etMoney, 0), "1234.5"); // free format
    EXPECT_EQ(NormalizedValue("abc", etMoney, 0), "0");
    EXPECT_EQ(NormalizedValue("", etFloat, 2), "");
    EXPECT_EQ(NormalizedValue("12a", etString, 2), "12a");
}

TEST_F(AdvEditText, ValuesReadAsNumbersByType) {
    EXPECT_DOUBLE_EQ(FloatValueOf("1,234.5", etFloat), 1234.5);
    EXPECT_DOUBLE_EQ(FloatValueOf("1,234.", etMoney), 1234);
    EXPECT_EQ(FloatValueOf("-", etMoney), 0);
    EXPECT_EQ(FloatValueOf("", etNumeric), 0);
    EXPECT_EQ(FloatValueOf("ff", etHex), 255);
    EXPECT_EQ(FloatValueOf("12", etString), 0);
}

TEST_F(AdvEditText, NumbersAreWrittenInTheTypesFormat) {
    EXPECT_EQ(FloatValueText(1234.5, etFloat, -1), "1234.5");
    EXPECT_EQ(FloatValueText(1234.5, etFloat, 3), "1234.500");
    EXPECT_EQ(FloatValueText(2, etFloat, 0), "2");
    EXPECT_EQ(FloatValueText(1234.5, etMoney, 0), "1234.5");
    EXPECT_EQ(FloatValueText(1234.5, etMoney, 2), "1234.50"); // grouped later
    EXPECT_EQ(IntValueText(255, etHex), "FF");
    EXPECT_EQ(IntValueText(-1, etHex), "FFFFFFFF");
    EXPECT_EQ(IntValueText(-5, etNumeric), "-5");
}

TEST_F(AdvEditText, MoneyIsRegroupedKeepingSignAndTypedFraction) {
    EXPECT_EQ(RegroupedMoney("1234", true), "1,234");
    EXPECT_EQ(RegroupedMoney("1,2,34.5", true), "1,234.5");
    EXPECT_EQ(RegroupedMoney("-1234567.", true), "-1,234,567.");
    EXPECT_EQ(RegroupedMoney("1234.50", false), "1234.50");
    EXPECT_EQ(RegroupedMoney("1,234", false), "1234");
    EXPECT_EQ(RegroupedMoney("", true), "");
}

} // namespace
} // namespace maskwell
