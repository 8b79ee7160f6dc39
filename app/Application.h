#pragma once

namespace maskwell {

// What the running program tells the desktop and the toolkit about itself,
// right after the QApplication exists: its name and version, its desktop entry
// (whose name is the application id, so a Wayland compositor finds the entry
// and its icon), the window icon and the font substitutions.
void SetUpApplication();

} // namespace maskwell
