// SPDX-License-Identifier: MIT
#include "platform/Color.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace maskwell {

namespace {

// System colours without a palette role keep the classic desktop values.
QColor ClassicSystemColor(int index) {
    switch (index) {
    case 0:
        return QColor(212, 208, 200); // scroll bar
    case 1:
        return QColor(58, 110, 165); // desktop
    case 2:
        return QColor(10, 36, 106); // active caption
    case 3:
        return QColor(128, 128, 128); // inactive caption
    case 4:
        return QColor(212, 208, 200); // menu
    case 6:                           // window frame
    case 7:                           // menu text
        return QColor(0, 0, 0);
    case 9:
        return QColor(255, 255, 255); // caption text
    case 10:                          // active border
    case 11:                          // inactive border
        return QColor(212, 208, 200);
    case 12:
        return QColor(128, 128, 128); // application workspace
    case 19:
        return QColor(212, 208, 200); // inactive caption text
    case 26:
        return QColor(0, 0, 128); // hot light
    case 27:
        return QColor(166, 202, 240); // gradient active caption
    case 28:
        return QColor(192, 192, 192); // gradient inactive caption
    default:
        return QColor(0, 0, 0);
    }
}

QColor PaletteColor(int index, const QPalette& palette) {
    switch (index) {
    case 5:
        return palette.color(QPalette::Active, QPalette::Base);
    case 8:
        return palette.color(QPalette::Active, QPalette::Text);
    case 13:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case 14:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 15:
        return palette.color(QPalette::Active, QPalette::Button);
    case 16:
        return palette.color(QPalette::Active, QPalette::Dark);
    case 17:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 18:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case 20:
        return palette.color(QPalette::Active, QPalette::Light);
    case 21:
        return palette.color(QPalette::Active, QPalette::Shadow);
    case 22:
        return palette.color(QPalette::Active, QPalette::Midlight);
    case 23:
        return palette.color(QPalette::Active, QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::Active, QPalette::ToolTipBase);
    default:
        return ClassicSystemColor(index);
    }
}

} // namespace

QColor ResolveColor(TColor color, const QPalette& palette) {
    if (!IsSystemColor(color))
        return QColor(static_cast<int>(color & 0xFF), static_cast<int>(color >> 8 & 0xFF),
                      static_cast<int>(color >> 16 & 0xFF));
    // Derived palette shades carry more than 8 bits per channel; drawing and
    // comparing happen in 8-bit RGB.
    return QColor::fromRgb(PaletteColor(static_cast<int>(color & 0xFF), palette).rgb());
}

QColor ResolveColor(TColor color) {
    return ResolveColor(color, QGuiApplication::palette());
}

namespace {

double RelativeLuminance(const QColor& colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) +
           0.0722 * channel(rgb.blue());
}

} // namespace

double ContrastRatio(const QColor& one, const QColor& other) {
    const double a = RelativeLuminance(one);
    const double b = RelativeLuminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace maskwell
