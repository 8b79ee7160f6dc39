// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEditSettings.h"

#include <QString>
#include <optional>

// Where an advanced edit keeps its window text between runs: a private-profile
// INI file (plInifile) or the per-user settings store standing in for the
// registry (plRegistry), under the field's name in Persistence.Section.
namespace maskwell {

// The INI file of an empty Key: the program's name with the extension ".INI",
// where the settings file would be (ConfigFile.h): beside the program for a
// portable copy or in the build tree, else in a folder named after the program
// in the user's configuration folder.
QString DefaultIniFileName();

// The stored text, or nothing when the entry is missing. An empty Key of an INI
// file first becomes DefaultIniFileName().
std::optional<QString> ReadPersistedText(TPersistence& persistence, const QString& name);

// Throws WriteError when the INI file cannot be written.
void WritePersistedText(TPersistence& persistence, const QString& name, const QString& text);

} // namespace maskwell
