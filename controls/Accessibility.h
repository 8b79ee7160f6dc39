// SPDX-License-Identifier: MIT
#pragma once

namespace maskwell {

// Makes the controls drawn by this program known to assistive technologies
// (screen readers): the 3D label is static text named by its caption, the
// glyph check box a check box with its caption, checked state and toggle
// action, the fancy button a push button with its caption and press action,
// the page control a page tab list. Qt's own widgets describe themselves; a
// drop-down list's popup list, unnamed, is named after its box when first
// reached.
// Call once the application exists; later calls do nothing.
void InstallControlAccessibility();

} // namespace maskwell
