#pragma once

namespace maskwell {

// Horizontal text alignment of the controls, with the ordinals their stored
// forms use.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

} // namespace maskwell
