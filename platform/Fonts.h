// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace maskwell {

// The windows are designed in "MS Sans Serif", "Verdana", "Courier New", "Arial"
// and "Book Antiqua". Maps each to an installed font of the same metrics or
// design (Liberation Sans and Mono, DejaVu Sans, P052); run once at start-up,
// before the first window is built.
void InstallFontSubstitutions();

// The family a font of the given name is drawn in: the name itself when that
// font is installed, else its stand-in from InstallFontSubstitutions.
QString InstalledFamily(const QString& family);

// A font as the forms give it: a family and a character height in pixels.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

} // namespace maskwell
