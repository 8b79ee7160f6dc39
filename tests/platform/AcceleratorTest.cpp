// SPDX-License-Identifier: MIT
#include "platform/Accelerator.h"

#include <gtest/gtest.h>

namespace maskwell {
namespace {

void ExpectShown(const QString& caption, const QString& text, qsizetype underline) {
    const PrefixedText shown = StripAcceleratorPrefix(caption);
    EXPECT_EQ(shown.text, text) << caption.toStdString();
    EXPECT_EQ(shown.underline, underline) << caption.toStdString();
}

TEST(Accelerator, PrefixUnderlinesTheNextCharacterAndHidesItself) {
    ExpectShown("&OK", "OK", 0);
    ExpectShown("Save &As", "Save As", 5);
    ExpectShown("E&xit", "Exit", 1);
    ExpectShown("Plain", "Plain", -1);
    ExpectShown("", "", -1);
}

TEST(Accelerator, DoubledPrefixShowsOneAmpersandAndUnderlinesNothing) {
    ExpectShown("Fish && Chips", "Fish & Chips", -1);
    ExpectShown("&&&x", "&x", 1);
    ExpectShown("a&&&&b", "a&&b", -1);
}

TEST(Accelerator, LastPrefixWinsAndATrailingPrefixIsDropped) {
    ExpectShown("&a&b", "ab", 1);
    ExpectShown("abc&", "abc", -1);
    EXPECT_EQ(AcceleratorChar("&a&b"), QChar(u'b'));
    EXPECT_TRUE(AcceleratorChar("abc&").isNull());
    EXPECT_TRUE(AcceleratorChar("Fish && Chips").isNull());
}

TEST(Accelerator, KeyMatchesWithoutRegardToCase) {
    EXPECT_TRUE(IsAccel(u'x', "E&xit"));
    EXPECT_TRUE(IsAccel(u'X', "E&xit"));
    EXPECT_TRUE(IsAccel(u'o', "&OK"));
    EXPECT_FALSE(IsAccel(u'e', "E&xit"));
    EXPECT_FALSE(IsAccel(u'&', "Fish && Chips"));
    EXPECT_FALSE(IsAccel(QChar(), "Plain"));
}

} // namespace
} // namespace maskwell
