#pragma once

#include <QImage>

namespace maskwell {

// The copy buttons' 16 x 15 glyph: a clipboard with an arrow pointing into it;
// the button face shows through where the drawing has its bottom-left colour.
QImage CopyGlyph();

// The main window's 32 x 32 icon: a small calculator with a display and keys.
QImage WindowIcon();

} // namespace maskwell
