// SPDX-License-Identifier: MIT
#include "platform/NumberFormat.h"

#include "platform/Locale.h"
#include "tests/support/QtPrinters.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

class NumberFormat : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(u'.');
        SetThousandSeparator(u',');
    }
};

TEST_F(NumberFormat, FixedHasTheDecimalsAndNoGroups) {
    EXPECT_EQ(FormatFixed(1234.5, 2), "1234.50");
    EXPECT_EQ(FormatFixed(-1234.567, 2), "-1234.57");
    EXPECT_EQ(FormatFixed(7, 0), "7");
    EXPECT_EQ(FormatFixed(-0.001, 2), "0.00"); // no negative zero
}

TEST_F(NumberFormat, NumberGroupsTheIntegerPartInThrees) {
    EXPECT_EQ(FormatNumber(1234567.891, 2), "1,234,567.89");
    EXPECT_EQ(FormatNumber(-1234.5, 2), "-1,234.50");
    EXPECT_EQ(FormatNumber(999, 2), "999.00");
    EXPECT_EQ(FormatNumber(-100, 0), "-100");
    EXPECT_EQ(FormatNumber(1000, 0), "1,000");
}

TEST_F(NumberFormat, GeneralIsShortestWithAnExponentForExtremes) {
    EXPECT_EQ(FormatGeneral(1234.5), "1234.5");
    EXPECT_EQ(FormatGeneral(0.1), "0.1");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(-2), "-2");
    EXPECT_EQ(FormatGeneral(1e20), "1E+20");
    EXPECT_EQ(FormatGeneral(1.5e-7), "1.5E-07");
}

TEST_F(NumberFormat, UsesTheLocaleSeparatorsEvenWhenTheyAreSwapped) {
    SetDecimalSeparator(u',');
    SetThousandSeparator(u'.');
    EXPECT_EQ(FormatNumber(1234567.5, 2), "1.234.567,50");
    EXPECT_EQ(FormatFixed(1234.5, 1), "1234,5");
    EXPECT_EQ(FormatGeneral(0.25), "0,25");
}

TEST(Locale, SeparatorsComeFromTheLocale) {
    const NumberSeparators c = SeparatorsOf(QLocale::c());
    EXPECT_EQ(c.decimal, u'.');
    EXPECT_EQ(c.thousand, u',');
    const NumberSeparators german = SeparatorsOf(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimal, u',');
    EXPECT_EQ(german.thousand, u'.');
    const NumberSeparators swiss = SeparatorsOf(QLocale(QLocale::German, QLocale::Switzerland));
    EXPECT_EQ(swiss.decimal, u'.');
    EXPECT_EQ(swiss.thousand, QChar(0x2019));
}

} // namespace
} // namespace maskwell
