// SPDX-License-Identifier: MIT
#include "app/Images.h"

#include <QSet>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

TEST(Images, CopyGlyphIs16By15WithTheFaceShowingThroughItsBackground) {
    const QImage glyph = CopyGlyph();
    ASSERT_EQ(glyph.size(), QSize(16, 15));
    EXPECT_EQ(qAlpha(glyph.pixel(0, 14)), 0) << "bottom-left is the transparent colour";
    EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0);
    EXPECT_EQ(glyph.pixelColor(8, 0), QColor(128, 128, 128));  // B
    EXPECT_EQ(glyph.pixelColor(4, 1), QColor(128, 128, 0));    // C
    EXPECT_EQ(glyph.pixelColor(11, 1), QColor(0, 0, 0));       // F
    EXPECT_EQ(glyph.pixelColor(10, 1), QColor(192, 192, 192)); // E
    EXPECT_EQ(glyph.pixelColor(6, 5), QColor(0, 128, 128));    // H
    EXPECT_EQ(glyph.pixelColor(1, 7), QColor(238, 238, 238));  // G
    EXPECT_EQ(glyph.pixelColor(15, 14), QColor(128, 128, 0));  // C, bottom-right
}

TEST(Images, WindowIconIs32By32WithItsDrawingInRows4To25) {
    const QImage icon = WindowIcon();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    for (const int row : {0, 1, 2, 25, 31})
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(qAlpha(icon.pixel(x, row)), 0) << x << "," << row;
    EXPECT_EQ(icon.pixelColor(3, 3), QColor(128, 128, 255));  // A, first drawn row
    EXPECT_EQ(icon.pixelColor(2, 4), QColor(0, 128, 128));    // B
    EXPECT_EQ(icon.pixelColor(4, 6), QColor(255, 234, 234));  // D, the display
    EXPECT_EQ(icon.pixelColor(27, 16), QColor(255, 0, 0));    // F, the red key
    EXPECT_EQ(icon.pixelColor(3, 16), QColor(255, 255, 255)); // E
    EXPECT_EQ(icon.pixelColor(28, 24), QColor(128, 128, 255));
}

// The icon theme pictures, one row per size: enlargements repeat each drawn
// pixel whole (at 2x, 4x and 8x exactly as blocks; at 1.5x some pixels take
// two columns), so they hold only the drawing's colours; reductions average.
class WindowIconSizes : public ::testing::TestWithParam<int> {};

TEST_P(WindowIconSizes, KeepTheDrawingSharpWhenEnlarged) {
    const int size = GetParam();
    const QImage drawing = WindowIcon();
    const QImage icon = WindowIconAtSize(size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the clear corner stays clear";
    if (size < drawing.width()) {
        EXPECT_GT(qAlpha(icon.pixel(size / 2, size / 2)), 0) << "the keys are still there";
        return;
    }
    QSet<QRgb> colours;
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x)
            colours.insert(drawing.pixel(x, y));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            ASSERT_TRUE(colours.contains(icon.pixel(x, y))) << x << "," << y;
    if (size % drawing.width() == 0) {
        const int factor = size / drawing.width();
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(icon.pixel(x, y), drawing.pixel(x / factor, y / factor)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(ThemeSizes, WindowIconSizes, ::testing::ValuesIn(kIconThemeSizes),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Size" + std::to_string(info.param);
                         });

} // namespace
} // namespace maskwell
