// SPDX-License-Identifier: MIT
#pragma once

namespace maskwell {

// The program's windows as assistive technologies know windows: the main
// window is a frame and the About window a dialog (as plain widgets, Qt would
// show both as fillers). Call once the application exists; later calls do
// nothing.
void InstallWindowAccessibility();

} // namespace maskwell
