// SPDX-License-Identifier: MIT
#include "platform/BitmapResource.h"

#include "core/Error.h"

#include <QList>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace maskwell {
namespace {

constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kGray = qRgb(128, 128, 128);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kDarkRed = qRgb(128, 0, 0);

// The inside of the sunken box, where the mark is drawn.
bool InsideTheBox(int x, int y) {
    return x >= 3 && x <= 12 && y >= 3 && y <= 12;
}

// What every one of the six images must satisfy.
struct ImageCase {
    const char* name;
    QList<QRgb> colours;          // the only colours it may use
    std::optional<QRgb> interior; // the inside of an empty box; none: marked
};

class BitmapImage : public ::testing::TestWithParam<ImageCase> {
protected:
    QImage image = LoadBitmapResource(GetParam().name);
};

TEST_P(BitmapImage, IsAnOpaque16By16ImageInItsColours) {
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_FALSE(image.hasAlphaChannel());
    QSet<QRgb> used;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            used.insert(image.pixel(x, y));
    for (const QRgb colour : used)
        EXPECT_TRUE(GetParam().colours.contains(colour)) << "stray colour " << std::hex << colour;
    for (const QRgb colour : GetParam().colours)
        EXPECT_TRUE(used.contains(colour)) << "colour not used " << std::hex << colour;
}

// The silver frame and the sunken box: gray and black edges at the top and
// left, silver and white at the bottom.
TEST_P(BitmapImage, HasTheFrameAndTheSunkenBox) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(image.pixel(i, 0), kSilver) << "top row " << i;
        EXPECT_EQ(image.pixel(i, 15), kSilver) << "bottom row " << i;
        EXPECT_EQ(image.pixel(0, i), kSilver) << "left column " << i;
    }
    for (int i = 1; i <= 13; ++i)
        EXPECT_EQ(image.pixel(1, i), kGray) << "gray edge " << i;
    for (int i = 2; i <= 12; ++i)
        EXPECT_EQ(image.pixel(2, i), kBlack) << "black edge " << i;
    for (int x = 2; x <= 11; ++x)
        EXPECT_EQ(image.pixel(x, 2), kBlack) << "black top " << x;
    for (int x = 2; x <= 13; ++x)
        EXPECT_EQ(image.pixel(x, 13), kSilver) << "silver bottom " << x;
    for (int x = 1; x <= 14; ++x)
        EXPECT_EQ(image.pixel(x, 14), kWhite) << "white bottom " << x;
}

// An empty box is one colour inside; a marked one is not.
TEST_P(BitmapImage, InsideOfTheBoxIsEmptyOrMarked) {
    QSet<QRgb> inside;
    for (int y = 3; y <= 12; ++y)
        for (int x = 3; x <= 12; ++x)
            inside.insert(image.pixel(x, y));
    if (GetParam().interior) {
        EXPECT_EQ(inside, QSet<QRgb>{*GetParam().interior});
    } else {
        EXPECT_GE(inside.size(), 2) << "the mark drawn on the ground";
    }
}

const QList<QRgb> kBoxColours{kSilver, kGray, kBlack, kWhite};

INSTANTIATE_TEST_SUITE_P(
    BitmapResource, BitmapImage,
    ::testing::Values(
        ImageCase{"CHKOFF", kBoxColours, kWhite}, ImageCase{"CHKDISABLEDOFF", kBoxColours, kSilver},
        ImageCase{"CHKDISABLEDON", kBoxColours, std::nullopt},
        ImageCase{"CHKRED", kBoxColours + QList<QRgb>{kRed, kDarkRed}, std::nullopt},
        ImageCase{"CHKGRE", kBoxColours + QList<QRgb>{qRgb(0, 255, 0), qRgb(0, 128, 0)},
                  std::nullopt},
        ImageCase{"CHKBLU", kBoxColours + QList<QRgb>{qRgb(0, 0, 255), qRgb(0, 0, 128)},
                  std::nullopt}),
    [](const ::testing::TestParamInfo<ImageCase>& info) { return std::string(info.param.name); });

// A copy of the red image with each pixel mapped.
QImage Mapped(const std::function<QRgb(int x, int y, QRgb pixel)>& map) {
    QImage image = LoadBitmapResource("CHKRED");
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, map(x, y, image.pixel(x, y)));
    return image;
}

QImage Recoloured(QRgb mark, QRgb shade) {
    return Mapped([=](int, int, QRgb pixel) {
        return pixel == kRed ? mark : pixel == kDarkRed ? shade : pixel;
    });
}

TEST(BitmapResource, GreenAndBlueMarksAreTheRedOneRecoloured) {
    EXPECT_EQ(LoadBitmapResource("CHKGRE"), Recoloured(qRgb(0, 255, 0), qRgb(0, 128, 0)));
    EXPECT_EQ(LoadBitmapResource("CHKBLU"), Recoloured(qRgb(0, 0, 255), qRgb(0, 0, 128)));
}

// The disabled mark is the red one in gray, on a silver inside.
TEST(BitmapResource, DisabledMarkIsTheRedOneGreyedOnSilver) {
    const QImage greyed = Mapped([](int x, int y, QRgb pixel) {
        if (pixel == kRed || pixel == kDarkRed)
            return kGray;
        return pixel == kWhite && InsideTheBox(x, y) ? kSilver : pixel;
    });
    EXPECT_EQ(LoadBitmapResource("CHKDISABLEDON"), greyed);
}

// The mark leaves the box at the upper right, crosses the inside and throws a
// gray shadow there.
TEST(BitmapResource, MarkLeavesTheBoxAndThrowsAShadow) {
    const QImage red = LoadBitmapResource("CHKRED");
    int markInside = 0;
    int shadowInside = 0;
    int markOutsideTopRight = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb pixel = red.pixel(x, y);
            const bool mark = pixel == kRed || pixel == kDarkRed;
            if (InsideTheBox(x, y)) {
                markInside += mark;
                shadowInside += pixel == kGray;
            } else if (mark) {
                EXPECT_TRUE(x >= 11 && y <= 3) << "mark outside the box at " << x << "," << y;
                markOutsideTopRight += x == 15;
            }
        }
    EXPECT_GT(markInside, 0);
    EXPECT_GT(shadowInside, 0);
    EXPECT_GT(markOutsideTopRight, 0) << "the mark reaches the image's right edge";
}

TEST(BitmapResource, NamesCompareWithoutRegardToCase) {
    EXPECT_EQ(LoadBitmapResource("chkred"), LoadBitmapResource("CHKRED"));
    EXPECT_EQ(LoadBitmapResource("ChkDisabledOff"), LoadBitmapResource("CHKDISABLEDOFF"));
}

TEST(BitmapResource, UnknownNameIsTheMissingResourceError) {
    try {
        LoadBitmapResource("CHKPURPLE");
        FAIL() << "no error for an unknown resource";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Resource CHKPURPLE not found");
    }
    EXPECT_THROW(LoadBitmapResource(""), Error);
    EXPECT_THROW(LoadBitmapResource("CHKOFF "), Error);
}

} // namespace
} // namespace maskwell
