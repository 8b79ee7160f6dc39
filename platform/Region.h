// SPDX-License-Identifier: MIT
#pragma once

#include <QBrush>
#include <QRegion>

class QPainter;

namespace maskwell {

// Regions as the desktop's region functions build them, exact to the pixel, as
// plain QRegion values (no handle to delete). Coordinates are corner pairs, not
// origin and size: (x1, y1) is the first pixel, (x2, y2) lies just outside.
//
// Rectangle: CreateRectRgn(x1, y1, x2, y2) covers x1..x2-1 and y1..y2-1; the
// right and bottom edges are excluded, so (0, 0, 10, 5) is 10 x 5 pixels.
//
// Rounded rectangle and ellipse are one pixel smaller than that at the right and
// bottom, as on the desktop: their figure fills the box x1..x2-2, y1..y2-2.
// That is why callers pass (0, 0, W + 1, H + 1) to cover a W x H control, and
// why a ring nested i pixels deep is (i, i, W + 1 - i, H + 1 - i) as a round
// rectangle but (i, i, W - i, H - i) as a rectangle.
//
// Corner rule. Within the box (bw x bh pixels), each corner is a quarter of a
// cw x ch ellipse with cw = min(w, bw) and ch = min(h, bh). A pixel belongs to
// the region when its centre lies inside the figure: the cross of the two
// straight bands, or one of the four corner ellipses (with whole-pixel sizes
// no pixel centre falls exactly on a corner's curve). Each corner is the
// mirror image of the top-left one, so the region is symmetric about both
// centre lines whatever the sizes. For a pixel (i, j) counted from the top-left
// corner ellipse's box, it is inside when
//   (2i + 1 - cw)^2 * ch^2 + (2j + 1 - ch)^2 * cw^2 < cw^2 * ch^2,
// evaluated in integers. A 16 x 16 box with an 8 x 8 corner loses 2, 1, 0, 0
// pixels at the ends of its first four rows (and likewise at the bottom).
//
// Degenerate cases: swapped corners are put in order; a corner of zero or
// negative width or height gives square corners (the rectangle of the box); a
// corner larger than the box is clipped to it, so a corner at least as large as
// the box gives the ellipse; a box without pixels gives an empty region.
//
// Ellipse: CreateEllipticRgn is the round rectangle whose corner is the whole
// box. It is the true ellipse of the box sampled at pixel centres; QPainter's
// aliased fill of that ellipse agrees except for single pixels along the curve,
// where Qt's straight-segment approximation of the curve passes the other side
// of a pixel centre.
QRegion CreateRectRgn(int x1, int y1, int x2, int y2);
QRegion CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h);
QRegion CreateEllipticRgn(int x1, int y1, int x2, int y2);

// True when the pixel (x, y) belongs to the region.
bool PtInRegion(const QRegion& region, int x, int y);

// Fills exactly the region's pixels with the brush, whatever the painter's pen,
// brush and antialiasing are. A TColor has to be resolved first
// (ResolveColor); QColor's own conversion from an integer reads it the other
// way round (blue in the lowest byte).
void FillRgn(QPainter& painter, const QRegion& region, const QBrush& brush);

// Moves the region in place.
void OffsetRgn(QRegion& region, int dx, int dy);

} // namespace maskwell
