// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;

namespace maskwell {

// Format bits of DrawText, with the desktop's values.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// Draws text in a rectangle the way the desktop's DrawText does, with the
// painter's font and pen colour and no background, clipped to the rectangle.
// The rectangle is an ordinary QRect: rect.x() .. rect.x() + rect.width() is
// the desktop's left .. right.
//
// - Prefix (unless DT_NOPREFIX): "&x" draws x underlined, "&&" draws "&"
//   (see Accelerator.h). The underline is one line of the font's line width at
//   its underline position, in the pen colour, under that character only.
// - Lines: without DT_SINGLELINE, "\r\n", "\n" and "\r" start a new line; with
//   it, each of those characters draws as a space. Lines are fm.height() apart.
// - DT_WORDBREAK (multi-line only): a line wider than the rectangle breaks
//   after the last word that fits; the spaces at the break are dropped. A word
//   wider than the rectangle is not split: it stands alone and is clipped.
// - DT_EXPANDTABS: a tab advances to the next multiple of eight average
//   character widths from the line's start; without it a tab draws as a space.
// - DT_END_ELLIPSIS: a line wider than the rectangle keeps as many leading
//   characters as fit before "...". DT_PATH_ELLIPSIS (checked first): the part
//   from the last "\" or "/" on is kept whole, and the characters just before
//   that separator give way to "..." (in a narrow rectangle
//   "C:\Program Files\Maskwell\maskwell.ini" gives "C:\Progr...\maskwell.ini");
//   a line without a separator ends with "..." as for DT_END_ELLIPSIS.
// - Horizontal: DT_LEFT, DT_CENTER (left + (width - line width) / 2, dividing
//   toward zero) or DT_RIGHT (DT_CENTER wins when both are given), per line.
// - Vertical, only with DT_SINGLELINE: top, DT_VCENTER (top + (height - line
//   height) / 2) or DT_BOTTOM (bottom - line height); DT_VCENTER wins.
//   Multi-line text always starts at the top.
// - DT_CALCRECT: draws nothing; sets the rectangle's width and height to the
//   text's extent (widest line, lines times line height), keeping its top-left.
// Returns the height of the text: the number of lines times the line height.
// An empty text is one empty line.
int DrawText(QPainter& painter, const QString& text, QRect& rect, unsigned flags);

// Draws one line of text, as is (no prefix, no clipping), with the top-left
// corner of its text cell at (x, y): the baseline is y + ascent.
void TextOut(QPainter& painter, int x, int y, const QString& text);

// Width and height of a text in a font, like GetTextExtentPoint32: the advance
// width of the text and the font's height (ascent + descent).
QSize TextExtent(const QFont& font, const QString& text);

// How DrawText lays a text out, for measuring and for tests.
struct TextLine {
    QString text;             // what is drawn: prefixes removed, ellipsis applied
    qsizetype underline = -1; // index in text of the underlined character, or -1
    QPoint origin;            // top-left corner of the line's text cell
    int width = 0;            // advance width, tabs expanded
};

struct TextLayout {
    std::vector<TextLine> lines;
    int lineHeight = 0;
    QSize extent; // widest line by the height of all lines
};

TextLayout LayoutText(const QFontMetrics& metrics, const QString& text, const QRect& rect,
                      unsigned flags);

} // namespace maskwell
