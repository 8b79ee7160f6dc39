// SPDX-License-Identifier: MIT
#include "app/FormStyle.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

QImage Drawn(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The two overflow arrows come from the style's own drawing; a stroke pixel
// of each chevron and one beside it tell the direction.
struct ArrowCase {
    const char* Name;
    QStyle::StandardPixmap Icon;
    QPoint Stroke;
    QPoint Clear;
};

class OverflowArrow : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(OverflowArrow, IsDrawnInCodeAndPointsTheWayTheBarRuns) {
    const ArrowCase& c = GetParam();
    TFormStyle style;
    const QImage image = Drawn(style.standardIcon(c.Icon));
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image, OverflowArrows(c.Icon == QStyle::SP_ToolBarVerticalExtensionButton)
                         .convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(image.pixel(c.Stroke), 0xFF000000);
    EXPECT_EQ(qAlpha(image.pixel(c.Clear)), 0);
}

INSTANTIATE_TEST_SUITE_P(
    FormStyle, OverflowArrow,
    ::testing::Values(
        ArrowCase{"Horizontal", QStyle::SP_ToolBarHorizontalExtensionButton, {3, 4}, {4, 3}},
        ArrowCase{"Vertical", QStyle::SP_ToolBarVerticalExtensionButton, {11, 3}, {12, 4}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(FormStyle, OtherIconsAreTheBaseStyles) {
    TFormStyle style;
    QProxyStyle base;
    const QIcon mine = style.standardIcon(QStyle::SP_ArrowUp);
    const QIcon theirs = base.standardIcon(QStyle::SP_ArrowUp);
    ASSERT_FALSE(theirs.isNull());
    EXPECT_EQ(Drawn(mine), Drawn(theirs));
}

bool ImagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

TEST(FormStyle, AMenuBarUnderItReadsNoImageFile) {
    if (ImagePluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded an image plugin";
    QApplication::setStyle(new TFormStyle);
    QWidget window;
    QMenuBar bar(&window);
    bar.addAction(QStringLiteral("About"));
    EXPECT_FALSE(ImagePluginLoaded());
}

} // namespace
} // namespace maskwell
