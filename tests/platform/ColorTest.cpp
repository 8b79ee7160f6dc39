// SPDX-License-Identifier: MIT
#include "platform/Color.h"

#include <gtest/gtest.h>

namespace maskwell {
namespace {

TEST(Color, PlainColoursKeepRedInTheLowestByte) {
    EXPECT_EQ(ResolveColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ResolveColor(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(ResolveColor(0x3F610C), QColor(12, 97, 63));
    EXPECT_EQ(RGBColor(12, 97, 63), 0x3F610Cu);
    EXPECT_EQ(ToTColor(QColor(213, 255, 213)), 14024661u);
}

TEST(Color, SystemColoursComeFromThePaletteWhenDrawn) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(7, 8, 9));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(10, 11, 12));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_EQ(ResolveColor(clBtnFace, palette), QColor(1, 2, 3));
    EXPECT_EQ(ResolveColor(clBtnHighlight, palette), QColor(4, 5, 6));
    EXPECT_EQ(ResolveColor(clBtnShadow, palette), QColor(7, 8, 9));
    EXPECT_EQ(ResolveColor(clGrayText, palette), QColor(10, 11, 12));
}

TEST(Color, ContrastRatioFollowsTheRelativeLuminance) {
    const struct {
        const char* Name;
        QColor One, Other;
        double Expected;
    } cases[] = {
        {"black on white", Qt::black, Qt::white, 21.0},
        {"white on black, order does not matter", Qt::white, Qt::black, 21.0},
        {"equal colours", QColor(238, 238, 238), QColor(238, 238, 238), 1.0},
        {"grey 119 on white, just below AA", QColor(119, 119, 119), Qt::white, 4.48},
        {"black on pale green", Qt::black, QColor(213, 255, 213), 19.09},
        {"white on light grey", Qt::white, QColor(238, 238, 238), 1.16},
        {"navy 140 on white", QColor(0, 0, 140), Qt::white, 15.23},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ContrastRatio(c.One, c.Other), c.Expected, 0.01) << c.Name;
}

} // namespace
} // namespace maskwell
