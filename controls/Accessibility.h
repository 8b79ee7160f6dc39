// SPDX-License-Identifier: MIT
#pragma once

namespace maskwell {

// Makes the controls drawn by this program known to assistive technologies
// (screen readers): the 3D label is static text named by its caption (a link
// with a press action when it is one), the glyph check box a check box with
// its caption, checked state and toggle action, the fancy button a push
// button with its caption and press action, the page control a page tab list
// of named page tabs that hold their pages. A drop-down list is named by its
// accessible name with its row as its value, and a row picked through it is
// a user's pick (AccessibleSelector.h); a tool button that runs an action
// tells the action's shortcut. Qt's own widgets describe themselves; a
// drop-down list's popup list, unnamed, is named after its box when first
// reached. Presses and picks run after the call that asked for them has
// returned, as they may open a box.
// Call once the application exists; later calls do nothing.
void InstallControlAccessibility();

} // namespace maskwell
