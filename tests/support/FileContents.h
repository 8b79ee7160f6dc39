// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace maskwell::test {

// Makes the bytes the whole of the file; false when it cannot be written.
inline bool WriteWholeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// The whole of the file, or `missing` when it cannot be read.
inline QByteArray WholeFile(const QString& path, const QByteArray& missing = {}) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : missing;
}

} // namespace maskwell::test
