// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QStringList>
#include <span>

namespace maskwell {

// One character of a pixel map and the colour it stands for (ARGB; an alpha
// below 255 makes the image carry transparency).
struct PixelKey {
    char key;
    QRgb colour;
};

// Builds an image from rows of key characters, top row first, all rows of the
// same length. A character without a key, or ragged rows, throw maskwell::Error.
QImage ImageFromPixelMap(const QStringList& rows, std::span<const PixelKey> keys);

} // namespace maskwell
