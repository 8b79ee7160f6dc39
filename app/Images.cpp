// SPDX-License-Identifier: MIT
#include "app/Images.h"

#include "platform/PixelMap.h"

#include <QPixmap>

namespace maskwell {

QImage CopyGlyph() {
    // A is the transparent colour (212, 208, 200 in the drawing).
    static const PixelKey keys[] = {
        {'A', 0x00000000}, {'B', 0xFF808080}, {'C', 0xFF808000}, {'D', 0xFFFFFFFF},
        {'E', 0xFFC0C0C0}, {'F', 0xFF000000}, {'G', 0xFFEEEEEE}, {'H', 0xFF008080},
    };
    return ImageFromPixelMap({"AAAAAAAABBBBAAAA", "AAAACCCBBDEFCCCC", "AAAACEEBDEEBFEBC",
                              "AAAACEDFFFFFFDBC", "AAAFFEDDDDDDDDBC", "AAAFGFHHHHHHHHBC",
                              "FFFFGGFDDDDDDDBC", "FGGGGGGFHHHHHHBC", "FGGGGGGGFDDDDDBC",
                              "FGGGGGGFHHHHHHBC", "FFFFGGFDDDDDDDBC", "AAAFGFHHHHHHHHBC",
                              "AAAFFEDDDDDDDDBC", "AAAACBBBBBBBBBBC", "AAAACCCCCCCCCCCC"},
                             keys);
}

QImage WindowIcon() {
    static const PixelKey keys[] = {
        {'.', 0x00000000}, {'A', 0xFF8080FF}, {'B', 0xFF008080}, {'C', 0xFF000000},
        {'D', 0xFFFFEAEA}, {'E', 0xFFFFFFFF}, {'F', 0xFFFF0000},
    };
    const QString clear(32, u'.');
    return ImageFromPixelMap({clear,
                              clear,
                              clear,
                              "...AAAAAAAAAAAAAAAAAAAAAAAAAA...",
                              "..BBBBBBBBBBBBBBBBBBBBBBBBBBBB..",
                              ".ABCCCCCCCCCCCCCCCCCCCCCCCCCCBA.",
                              ".ABCDDDDDDDDDDDDDDDDDDDDDDDDCBA.",
                              ".ABCDDCCDCCCDCCCDDDDCCDCCCDDCBA.",
                              ".ABCDCDCDCDCDCDCDDDCDCDCDDDDCBA.",
                              ".ABCDDDCDCCCDDDCDDDDDCDCDDDDCBA.",
                              ".ABCDDDCDDDCDDDCDDDDDCDCCCDDCBA.",
                              ".ABCDDDCDDDCDDCDDCCDDCDCDCDDCBA.",
                              ".ABCDDDCDCCCDCCCDCCDDCDCCCDDCBA.",
                              ".ABCDDDDDDDDDDDDDDDDDDDDDDDDCBA.",
                              ".ABCCCCCCCCCCCCCCCCCCCCCCCCCCBA.",
                              ".ABBBBBBBBBBBBBBBBBBBBBBBBBBBBA.",
                              ".ABEEBBEEBBEEBBEEBBEEBBEEBBFFBA.",
                              ".ABEEBBEEBBEEBBEEBBEEBBEEBBFFBA.",
                              ".ABBBBBBBBBBBBBBBBBBBBBBBBBBBBA.",
                              ".ABBBBBBBBBBBBBBBBBBBBBBBBBBBBA.",
                              ".ABEEBBEEBBEEBBEEBBEEBBEEEEEEBA.",
                              ".ABEEBBEEBBEEBBEEBBEEBBEEEEEEBA.",
                              ".ABBBBBBBBBBBBBBBBBBBBBBBBBBBBA.",
                              "..BBBBBBBBBBBBBBBBBBBBBBBBBBBB..",
                              "...AAAAAAAAAAAAAAAAAAAAAAAAAA...",
                              clear,
                              clear,
                              clear,
                              clear,
                              clear,
                              clear,
                              clear},
                             keys);
}

namespace {

QImage Scaled(const QImage& drawing, int size) {
    const Qt::TransformationMode mode =
        size >= drawing.width() ? Qt::FastTransformation : Qt::SmoothTransformation;
    return drawing.scaled(size, size, Qt::IgnoreAspectRatio, mode)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage WindowIconAtSize(int size) {
    return Scaled(WindowIcon(), size);
}

QIcon ApplicationIcon() {
    const QImage drawing = WindowIcon(); // drawn once, then scaled to each size
    QIcon icon;
    for (const int size : kWindowManagerSizes)
        icon.addPixmap(QPixmap::fromImage(Scaled(drawing, size)));
    return icon;
}

} // namespace maskwell
