// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace maskwell {

// A colour as the controls store it: red in the lowest byte, then green, then
// blue. A value whose high byte is 0xFF names a system colour by its index in
// the low byte and is looked up in the palette when it is drawn.
using TColor = std::uint32_t;

constexpr TColor RGBColor(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr TColor SystemColor(int index) {
    return 0xFF000000u | static_cast<TColor>(index & 0xFF);
}
constexpr bool IsSystemColor(TColor color) {
    return (color >> 24) == 0xFF;
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

// The colour to draw with: a plain colour as it is, a system colour from the
// palette (the application's palette when none is given).
QColor ResolveColor(TColor color, const QPalette& palette);
QColor ResolveColor(TColor color);

// The contrast ratio of two colours as the web content accessibility
// guidelines define it: (L1 + 0.05) / (L2 + 0.05) of their relative
// luminances, lighter over darker; 1 for equal colours, 21 for black on white.
// Text is readable at 4.5 and above.
double ContrastRatio(const QColor& one, const QColor& other);

// A plain colour from an opaque QColor.
inline TColor ToTColor(const QColor& color) {
    return RGBColor(color.red(), color.green(), color.blue());
}

} // namespace maskwell
