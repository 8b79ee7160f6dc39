// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEditTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// The window-free geometry of the advanced edit's look: where the attached
// label goes and the points of the red zigzag under a marked range.
namespace maskwell {

// Top-left corner of the attached label for a field with the given bounds
// (in the parent's coordinates). labelSize is the auto-sized label,
// captionWidth the width of the caption as written (accelerator "&" included).
QPoint LabelPlacement(TLabelPosition position, const QRect& field, QSize labelSize,
                      int captionWidth, int margin);

// The corners of the red zigzag under a marked range, in client coordinates:
// p1 and p2 are the top-left points of its first and last character, t the
// font's text height minus one. Teeth 3 pixels wide and 3 deep run along the
// bottom of the line from p1 to just past p2.
std::vector<QPoint> ErrorMarkerPoints(QPoint p1, QPoint p2, int t);

} // namespace maskwell
