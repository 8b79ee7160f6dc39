// SPDX-License-Identifier: MIT
#include "platform/BitmapResource.h"

#include "core/Error.h"
#include "platform/PixelMap.h"

#include <QColor>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace maskwell {

namespace {

// The check box images as drawn, top row first, one column per image. Keys:
// S silver, G gray, K black, W white, R red, r dark red.
constexpr std::string_view kCheckBoxMaps = R"(
CHKOFF            CHKRED            CHKDISABLEDON     CHKDISABLEDOFF
SSSSSSSSSSSSSSSS  SSSSSSSSSSSSSSSS  SSSSSSSSSSSSSSSS  SSSSSSSSSSSSSSSS
SGGGGGGGGGGGGGSS  SGGGGGGGGGGGGGGR  SGGGGGGGGGGGGGGG  SGGGGGGGGGGGGGGS
SGKKKKKKKKKKGSWS  SGKKKKKKKKKKGRRr  SGKKKKKKKKKKGGGG  SGKKKKKKKKKKKKWS
SGKWWWWWWWWWWSWS  SGKWWWWWWWWRRrGS  SGKSSSSSSSSGGGGS  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKRGWWWWWRrGGWG  SGKGGSSSSSGGGGWG  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKrRGWWWRrGWSGG  SGKGGGSSSGGGSSGG  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKGRGWGRrGWWGGG  SGKGGGSGGGGSSGGG  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKWRRGRrGWWGGGS  SGKSGGGGGGSSGGGS  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKWrRRrGWWGGGWS  SGKSGGGGGSSGGGWS  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKWGrrGGWGGGSWS  SGKSGGGGGSGGGSWS  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKWWrGGGGGGWSWS  SGKSSGGGGGGGSSWS  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKWWWWGGGGWWSWS  SGKSSSSGGGGSSSWS  SGKSSSSSSSSSSSWS
SGKWWWWWWWWWWSWS  SGKWWWWWGGWWWSWS  SGKSSSSSGGSSSSWS  SGKSSSSSSSSSSSWS
SGSSSSSSSSSSSSWS  SGSSSSSSSSSSSSWS  SGSSSSSSSSSSSSWS  SGSSSSSSSSSSSSWS
SWWWWWWWWWWWWWWS  SWWWWWWWWWWWWWWS  SWWWWWWWWWWWWWWS  SWWWWWWWWWWWWWWS
SSSSSSSSSSSSSSSS  SSSSSSSSSSSSSSSS  SSSSSSSSSSSSSSSS  SSSSSSSSSSSSSSSS
)";

constexpr int kSide = 16;

// The green and blue marks are the red one with its two reds swapped out.
struct Resource {
    std::string_view name;
    std::string_view map;
    QRgb mark;
    QRgb markShade;
};

constexpr std::array kResources{
    Resource{"CHKOFF", "CHKOFF", 0xFF0000, 0x800000},
    Resource{"CHKRED", "CHKRED", 0xFF0000, 0x800000},
    Resource{"CHKGRE", "CHKRED", 0x00FF00, 0x008000},
    Resource{"CHKBLU", "CHKRED", 0x0000FF, 0x000080},
    Resource{"CHKDISABLEDON", "CHKDISABLEDON", 0xFF0000, 0x800000},
    Resource{"CHKDISABLEDOFF", "CHKDISABLEDOFF", 0xFF0000, 0x800000},
};

// The rows of one map, taken from its column of the drawing.
QStringList MapRows(std::string_view map) {
    const QStringList lines = QString::fromLatin1(kCheckBoxMaps.data(), kCheckBoxMaps.size())
                                  .split(u'\n', Qt::SkipEmptyParts);
    const qsizetype column =
        lines.front().split(u' ', Qt::SkipEmptyParts).indexOf(QLatin1String(map));
    QStringList rows;
    for (qsizetype i = 1; i < lines.size(); ++i)
        rows << lines[i].split(u' ', Qt::SkipEmptyParts).value(column);
    return rows;
}

QImage Decode(const Resource& resource) {
    const PixelKey keys[] = {{'S', 0xFFC0C0C0},
                             {'G', 0xFF808080},
                             {'K', 0xFF000000},
                             {'W', 0xFFFFFFFF},
                             {'R', 0xFF000000 | resource.mark},
                             {'r', 0xFF000000 | resource.markShade}};
    QImage image = ImageFromPixelMap(MapRows(resource.map), keys);
    if (image.size() != QSize(kSide, kSide))
        throw Error("Bad pixel map for bitmap resource " + std::string(resource.name));
    return image;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

QImage LoadBitmapResource(std::string_view name) {
    for (const Resource& resource : kResources)
        if (SameName(resource.name, name))
            return Decode(resource);
    throw Error("Resource " + std::string(name) + " not found");
}

} // namespace maskwell
