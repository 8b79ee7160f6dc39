// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

namespace maskwell {

// An icon drawn from a small pixel drawing that stays sharp at any device
// pixel ratio: each size asked for is the drawing scaled by nearest neighbour,
// so at a ratio of 2 every drawn pixel becomes a 2 x 2 block and no colour
// appears that the drawing lacks (a pixmap icon would be smoothed instead).
QIcon CrispIcon(const QImage& drawing);

} // namespace maskwell
