// SPDX-License-Identifier: MIT
#include "platform/ConfigFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>

namespace maskwell {

namespace {

QString HomeFolder() {
    QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return QFile::decodeName(entry->pw_dir);
    return QDir::rootPath();
}

} // namespace

QString UserConfigFolder() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configHome))
        return QDir::cleanPath(configHome);
    return QDir::cleanPath(HomeFolder() + QStringLiteral("/.config"));
}

QString ConfigFilePath(const QString& executableDir, const QString& userConfigDir,
                       const QString& folder, const QString& fileName) {
    const QDir besideProgram(executableDir);
    QString beside = besideProgram.filePath(fileName);
    const QFileInfo file(beside);
    if (file.isFile())
        return beside; // a portable copy, or the build tree's own file
    // Something else by that name would fail the write: no file here.
    const bool occupied = file.exists() || file.isSymLink();
    if (!occupied && QFileInfo::exists(besideProgram.filePath(BuildTreeMarkerName)) &&
        QFileInfo(executableDir).isWritable())
        return beside;
    return QDir(userConfigDir).filePath(folder + u'/' + fileName);
}

} // namespace maskwell
