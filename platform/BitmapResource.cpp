#include "platform/BitmapResource.h"

#include "core/Error.h"

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

QRgb KeyColour(QChar key, const Resource& resource) {
    switch (key.unicode()) {
    case u'S':
        return 0xC0C0C0;
    case u'G':
        return 0x808080;
    case u'K':
        return 0x000000;
    case u'W':
        return 0xFFFFFF;
    case u'R':
        return resource.mark;
    case u'r':
        return resource.markShade;
    default:
        throw Error("Bad pixel key in bitmap resource " + std::string(resource.name));
    }
}

QImage Decode(const Resource& resource) {
    const QStringList rows = MapRows(resource.map);
    if (rows.size() != kSide)
        throw Error("Bad pixel map for bitmap resource " + std::string(resource.name));
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
        if (rows[y].size() != kSide)
            throw Error("Bad pixel map for bitmap resource " + std::string(resource.name));
        for (int x = 0; x < kSide; ++x)
            image.setPixel(x, y, 0xFF000000 | KeyColour(rows[y][x], resource));
    }
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
