// SPDX-License-Identifier: MIT
#pragma once

namespace maskwell {

// The program's windows as assistive technologies know windows: the main
// window and the Subnets window are frames and the About window a dialog (as
// plain widgets, Qt would show them as fillers). Call once the application exists; later calls do
// nothing.
void InstallWindowAccessibility();

} // namespace maskwell
