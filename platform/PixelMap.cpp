// SPDX-License-Identifier: MIT
#include "platform/PixelMap.h"

#include "core/Error.h"

#include <algorithm>

namespace maskwell {

QImage ImageFromPixelMap(const QStringList& rows, std::span<const PixelKey> keys) {
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(rows.front().size()) : 0;
    const bool transparent =
        std::ranges::any_of(keys, [](const PixelKey& key) { return qAlpha(key.colour) < 255; });
    QImage image(width, height, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const QString& row = rows[y];
        if (row.size() != width)
            throw Error("Pixel map row " + std::to_string(y) + " is not " + std::to_string(width) +
                        " pixels wide");
        for (int x = 0; x < width; ++x) {
            const auto key = std::ranges::find(keys, row[x].toLatin1(), &PixelKey::key);
            if (key == keys.end())
                throw Error("Pixel map key '" + row.mid(x, 1).toStdString() + "' has no colour");
            image.setPixel(x, y, key->colour);
        }
    }
    return image;
}

} // namespace maskwell
