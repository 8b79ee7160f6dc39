#include "platform/BitmapResource.h"

#include "core/Error.h"

#include <QHash>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

// The images as drawn, one per resource (the three marks share one drawing).
const QStringList kOff{
    "SSSSSSSSSSSSSSSS", "SGGGGGGGGGGGGGSS", "SGKKKKKKKKKKGSWS", "SGKWWWWWWWWWWSWS",
    "SGKWWWWWWWWWWSWS", "SGKWWWWWWWWWWSWS", "SGKWWWWWWWWWWSWS", "SGKWWWWWWWWWWSWS",
    "SGKWWWWWWWWWWSWS", "SGKWWWWWWWWWWSWS", "SGKWWWWWWWWWWSWS", "SGKWWWWWWWWWWSWS",
    "SGKWWWWWWWWWWSWS", "SGSSSSSSSSSSSSWS", "SWWWWWWWWWWWWWWS", "SSSSSSSSSSSSSSSS",
};

const QStringList kMark{
    "SSSSSSSSSSSSSSSS", "SGGGGGGGGGGGGGGR", "SGKKKKKKKKKKGRRr", "SGKWWWWWWWWRRrGS",
    "SGKRGWWWWWRrGGWG", "SGKrRGWWWRrGWSGG", "SGKGRGWGRrGWWGGG", "SGKWRRGRrGWWGGGS",
    "SGKWrRRrGWWGGGWS", "SGKWGrrGGWGGGSWS", "SGKWWrGGGGGGWSWS", "SGKWWWWGGGGWWSWS",
    "SGKWWWWWGGWWWSWS", "SGSSSSSSSSSSSSWS", "SWWWWWWWWWWWWWWS", "SSSSSSSSSSSSSSSS",
};

const QStringList kDisabledOn{
    "SSSSSSSSSSSSSSSS", "SGGGGGGGGGGGGGGG", "SGKKKKKKKKKKGGGG", "SGKSSSSSSSSGGGGS",
    "SGKGGSSSSSGGGGWG", "SGKGGGSSSGGGSSGG", "SGKGGGSGGGGSSGGG", "SGKSGGGGGGSSGGGS",
    "SGKSGGGGGSSGGGWS", "SGKSGGGGGSGGGSWS", "SGKSSGGGGGGGSSWS", "SGKSSSSGGGGSSSWS",
    "SGKSSSSSGGSSSSWS", "SGSSSSSSSSSSSSWS", "SWWWWWWWWWWWWWWS", "SSSSSSSSSSSSSSSS",
};

const QStringList kDisabledOff{
    "SSSSSSSSSSSSSSSS", "SGGGGGGGGGGGGGGS", "SGKKKKKKKKKKKKWS", "SGKSSSSSSSSSSSWS",
    "SGKSSSSSSSSSSSWS", "SGKSSSSSSSSSSSWS", "SGKSSSSSSSSSSSWS", "SGKSSSSSSSSSSSWS",
    "SGKSSSSSSSSSSSWS", "SGKSSSSSSSSSSSWS", "SGKSSSSSSSSSSSWS", "SGKSSSSSSSSSSSWS",
    "SGKSSSSSSSSSSSWS", "SGSSSSSSSSSSSSWS", "SWWWWWWWWWWWWWWS", "SSSSSSSSSSSSSSSS",
};

const QHash<QChar, QRgb> kCommonKeys{
    {u'S', qRgb(192, 192, 192)},
    {u'G', qRgb(128, 128, 128)},
    {u'K', qRgb(0, 0, 0)},
    {u'W', qRgb(255, 255, 255)},
};

QHash<QChar, QRgb> WithMark(QRgb mark, QRgb shade) {
    QHash<QChar, QRgb> keys = kCommonKeys;
    keys.insert(u'R', mark);
    keys.insert(u'r', shade);
    return keys;
}

void ExpectImage(const char* name, const QStringList& map, const QHash<QChar, QRgb>& keys) {
    const QImage image = LoadBitmapResource(name);
    ASSERT_EQ(image.size(), QSize(16, 16)) << name;
    EXPECT_FALSE(image.hasAlphaChannel()) << name;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(image.pixel(x, y), keys.value(map[y][x], 0x12345678))
                << name << " pixel " << x << "," << y;
}

TEST(BitmapResource, UncheckedAndDisabledImagesMatchTheirDrawings) {
    ExpectImage("CHKOFF", kOff, kCommonKeys);
    ExpectImage("CHKDISABLEDON", kDisabledOn, kCommonKeys);
    ExpectImage("CHKDISABLEDOFF", kDisabledOff, kCommonKeys);
}

TEST(BitmapResource, RedMarkAndItsGreenAndBlueCopies) {
    ExpectImage("CHKRED", kMark, WithMark(qRgb(255, 0, 0), qRgb(128, 0, 0)));
    ExpectImage("CHKGRE", kMark, WithMark(qRgb(0, 255, 0), qRgb(0, 128, 0)));
    ExpectImage("CHKBLU", kMark, WithMark(qRgb(0, 0, 255), qRgb(0, 0, 128)));
    // The mark's tip leaves the box at the upper right, in both shades.
    EXPECT_EQ(LoadBitmapResource("CHKBLU").pixel(15, 1), qRgb(0, 0, 255));
    EXPECT_EQ(LoadBitmapResource("CHKBLU").pixel(15, 2), qRgb(0, 0, 128));
    EXPECT_EQ(LoadBitmapResource("CHKGRE").pixel(3, 5), qRgb(0, 128, 0));
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
