// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace maskwell {

// Property types of the desktop toolkit's controls, with its value names and
// ordinals, for controls that publish the toolkit's own properties. They are
// registered with Qt's meta-object system so that forms store them by name.
namespace ControlTypes {
Q_NAMESPACE

// Horizontal placement of a control's text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

// Vertical placement of a label's text.
enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

// Line style of a pen. psClear draws nothing; psInsideFrame draws solid and
// keeps a figure's outline inside its bounds however wide the pen is.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Q_ENUM_NS(TPenStyle)

} // namespace ControlTypes

using ControlTypes::TAlignment;
using ControlTypes::TPenStyle;
using ControlTypes::TTextLayout;
using enum ControlTypes::TAlignment;
using enum ControlTypes::TPenStyle;
using enum ControlTypes::TTextLayout;

} // namespace maskwell
