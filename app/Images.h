// SPDX-License-Identifier: MIT
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
inline constexpr int kIconThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The sizes the running window offers its window manager (title bar, task bar,
// window switcher, up to twice the common 64 at a doubled scale). The 256
// pixel picture is left to the installed icon theme: sent with the window it
// would cost about a megabyte of memory at start-up for a size no window
// manager draws from the window itself.
inline constexpr int kWindowManagerSizes[] = {16, 22, 24, 32, 48, 64, 128};

// The window icon with a picture at each window manager size.
QIcon ApplicationIcon();

} // namespace maskwell
