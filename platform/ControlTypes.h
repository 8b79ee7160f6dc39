#pragma once

namespace maskwell {

// Property types of the desktop toolkit's controls, with its value names and
// ordinals, for controls that publish the toolkit's own properties.

// Horizontal placement of a control's text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Vertical placement of a label's text.
enum TTextLayout { tlTop, tlCenter, tlBottom };

// Line style of a pen. psClear draws nothing; psInsideFrame draws solid and
// keeps a figure's outline inside its bounds however wide the pen is.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

} // namespace maskwell
