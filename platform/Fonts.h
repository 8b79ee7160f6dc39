#pragma once

#include <QFont>
#include <QString>

namespace maskwell {

// The windows are designed in "MS Sans Serif", "Verdana", "Courier New", "Arial"
// and "Book Antiqua". Maps each to an installed font of the same metrics or
// design (Liberation Sans and Mono, DejaVu Sans, P052); run once at start-up,
// before the first window is built.
void InstallFontSubstitutions();

// A font as the forms give it: a family and a character height in pixels.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

} // namespace maskwell
