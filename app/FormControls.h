// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Bevel.h"
#include "platform/Color.h"
#include "platform/ControlTypes.h"

#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QWidget;

namespace maskwell {

class TLabel3D;

// Controls the way both windows' forms place them.

// A panel with a one-pixel raised frame.
QFrame* RaisedPanel(QWidget* parent, const QRect& box);

// A plain transparent label (no effect, no border) in the form's box. Where
// the installed font draws the caption wider than the box, the box grows so
// that the text keeps the place its alignment gives it and nothing is cut:
// evenly on both sides when centred, to the right when left-aligned.
TLabel3D* FormLabel(QWidget* parent, const QString& caption, const QRect& box, const QFont& font,
                    TAlignment alignment = taCenter, TColor color = clWindowText);

// An etched line along one side of its box.
TBevel* BevelLine(QWidget* parent, TBevel::TBevelShape shape, const QRect& box);

} // namespace maskwell
