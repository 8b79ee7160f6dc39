// SPDX-License-Identifier: MIT
#pragma once

#include "core/Error.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace maskwell {

// A settings write the system refused: "Unable to write to %s" with the full path.
class WriteError : public Error {
public:
    explicit WriteError(const QString& path);
};

// One value to write: its section, key and text.
struct TIniValue {
    QString section;
    QString key;
    QString value;
};

// The keys of one section of a private-profile file as they stood when the
// file was read: every lookup after that is in memory. Reading follows the
// rules of TIniFile below.
class TIniSection {
public:
    QString ReadString(const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& key, int defaultValue) const;
    // The integer under the key, or none when the key is missing or its value
    // is no integer.
    std::optional<int> ReadInteger(const QString& key) const;

private:
    friend class TIniFile;
    std::vector<std::pair<QString, QString>> keys_; // name and raw value, in file order
};

// A private-profile (INI) file, read a value or a section at a time and
// written a value or several values at a time.
//
// Reading: sections and keys match without regard to case, the first matching
// section and the first matching key in it win, blanks around names and values
// are ignored, a value in matching double or single quotes loses them, and a
// string is cut to 2047 characters. Anything missing or unreadable yields the
// default; reading never throws.
//
// Only a regular file (or a link to one) is read or written: anything else by
// the name (a fifo, a device) reads as no file and refuses every write, so that
// neither blocks nor replaces it.
//
// Writing: every write goes to the file at once, as a whole new file renamed over
// the old one, and changes only the keys' own lines (or adds a key at the end of
// its section, or the section at the end of the file). Every other line, the
// line endings and the text encoding (UTF-8) stay as they were.
class TIniFile {
public:
    // Binding does not touch the disk. A relative name is taken against the
    // working directory of this moment.
    explicit TIniFile(QString fileName);

    // The name as given.
    const QString& FileName() const;

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // "0x1F" (longer than two characters) and "$1F" are hexadecimal; otherwise
    // blanks, a sign and decimal digits. Anything else, or a number beyond 32
    // bits, yields the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // The whole section in one read of the file.
    TIniSection ReadSection(const QString& section) const;
    // Several whole sections in one read of the file, in the order named.
    std::vector<TIniSection> ReadSections(const QStringList& sections) const;

    // Throws WriteError when the file cannot be written.
    void WriteString(const QString& section, const QString& key, const QString& value);
    // Writes every key in one replacement of the file: all of them, or, when
    // the write is refused (WriteError), none.
    void WriteStrings(const QString& section,
                      const std::vector<std::pair<QString, QString>>& values);
    // The same for keys of several sections.
    void WriteValues(const std::vector<TIniValue>& values);
    // Written as decimal text.
    void WriteInteger(const QString& section, const QString& key, int value);

private:
    QString fileName_;
    QString path_; // absolute: what is read, written and named in a WriteError
};

// True for an existing file (not a directory).
bool FileExists(const QString& fileName);

} // namespace maskwell
