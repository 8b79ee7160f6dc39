// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where a program keeps a file of its own between runs.
namespace maskwell {

// The build writes this file next to the executables it builds; an install
// never copies it, so it tells the build tree from an installed program.
inline constexpr const char* BuildTreeMarkerName = "maskwell-build-tree";

// The user's configuration folder by the XDG base directory rules:
// $XDG_CONFIG_HOME when it is an absolute path (a relative one is no path at
// all: the file would depend on the working folder), else ~/.config. The home
// is HOME when that names an absolute folder, else the password database's
// entry (HOME may be unset under cron or a service manager).
QString UserConfigFolder();

// An installed program never writes beside its executable: the file lives
// there only when a regular file by that name (or a link to one) is already
// there, which makes a portable copy, or when the executable runs from its
// build tree (the marker above) and may write there. Otherwise it is
// folder/fileName in the user's configuration folder. Anything else by that
// name beside the executable (a folder, a fifo, a dangling link) counts as no
// file.
QString ConfigFilePath(const QString& executableDir, const QString& userConfigDir,
                       const QString& folder, const QString& fileName);

} // namespace maskwell
