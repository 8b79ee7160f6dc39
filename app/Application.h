// SPDX-License-Identifier: MIT
#pragma once

namespace maskwell {

// What the running program tells the desktop and the toolkit about itself,
// right after the QApplication exists: its name and version, its desktop entry
// (whose name is the application id, so a Wayland compositor finds the entry
// and its icon), the window icon, the font substitutions and the accessibility of the
// program's own controls and windows.
void SetUpApplication();

} // namespace maskwell
