#pragma once

#include <QIcon>
#include <QImage>

namespace maskwell {

// The copy buttons' 16 x 15 glyph: a clipboard with an arrow pointing into it;
// the button face shows through where the drawing has its bottom-left colour.
QImage CopyGlyph();

// The main window's 32 x 32 icon: a small calculator with a display and keys.
QImage WindowIcon();

// The window icon at size x size pixels, for the desktop's icon theme. Larger
// sizes repeat each drawn pixel (nearest neighbour, so edges stay sharp and no
// colour appears that the drawing lacks); smaller ones average the pixels they
// merge, so no one-pixel line of the drawing disappears.
QImage WindowIconAtSize(int size);

// The sizes the desktop's icon theme gets, in pixels.
inline constexpr int IconThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The window icon with a picture at each of those sizes.
QIcon ApplicationIcon();

} // namespace maskwell
