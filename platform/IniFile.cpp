// SPDX-License-Identifier: MIT
#include "platform/IniFile.h"

#include "platform/DigitValue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace maskwell {

namespace {

constexpr qsizetype MaxStringLength = 2047;

// One physical line kept as bytes, so that lines a write does not touch go back
// byte for byte, whatever their encoding.
struct Line {
    QByteArray text;
    QByteArray end; // "\n", "\r\n", or empty on a last line without a break
};

std::vector<Line> SplitLines(const QByteArray& bytes) {
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0) {
            lines.push_back({bytes.mid(start), {}});
            break;
        }
        const bool crlf = lf > start && bytes[lf - 1] == '\r';
        const qsizetype textEnd = crlf ? lf - 1 : lf;
        lines.push_back({bytes.mid(start, textEnd - start), crlf ? "\r\n" : "\n"});
        start = lf + 1;
    }
    return lines;
}

QByteArray JoinLines(const std::vector<Line>& lines) {
    QByteArray bytes;
    for (const Line& line : lines)
        bytes += line.text + line.end;
    return bytes;
}

// The file keeps the line break it already uses; a new file gets LF.
QByteArray LineBreakOf(const std::vector<Line>& lines) {
    for (const Line& line : lines)
        if (!line.end.isEmpty())
            return line.end;
    return "\n";
}

struct Entry {
    enum Kind { Other, Section, Key } kind = Other;
    QString name;
    QString value;
};

Entry ParseLine(QByteArray text, bool firstLine) {
    if (firstLine && text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    // QString::fromUtf8 would drop a U+FEFF that starts any line; only the
    // file's own first bytes are a byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                  QStringConverter::Flag::Stateless);
    const QString line = QString(utf8.decode(text)).trimmed();
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']');
        return {Entry::Section, line.mid(1, close < 0 ? -1 : close - 1).trimmed(), {}};
    }
    if (line.startsWith(u';') || line.startsWith(u'#'))
        return {};
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return {};
    return {Entry::Key, line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
}

// Only a line holding "[" can be a section header: the others need not be
// decoded while a section is looked for.
bool MayBeSection(const QByteArray& text) {
    return text.contains('[');
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key lives in the file, or where it would go.
struct Place {
    int sectionLine = -1;
    int keyLine = -1;
    int insertAt = -1; // after the section's last key line (or its header)
    QString value;
};

Place Find(const std::vector<Line>& lines, const QString& section, const QString& key) {
    Place place;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (place.sectionLine < 0 && !MayBeSection(lines[i].text))
            continue;
        const Entry entry = ParseLine(lines[i].text, i == 0);
        if (entry.kind == Entry::Section) {
            if (place.sectionLine >= 0)
                break;
            if (SameName(entry.name, section))
                place.sectionLine = place.insertAt = i;
        } else if (entry.kind == Entry::Key && place.sectionLine >= 0) {
            place.insertAt = i;
            if (SameName(entry.name, key)) {
                place.keyLine = i;
                place.value = entry.value;
                break;
            }
        }
    }
    ++place.insertAt;
    return place;
}

QString Unquoted(const QString& value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        return value.mid(1, value.size() - 2);
    return value;
}

QString CutToMaxLength(QString value) {
    if (value.size() > MaxStringLength)
        value.truncate(value[MaxStringLength - 1].isHighSurrogate() ? MaxStringLength - 1
                                                                    : MaxStringLength);
    return value;
}

// A line break inside a name or value would put stray lines into the file;
// only what a reader would get back, the first line, is written.
QString FirstLine(const QString& text) {
    const auto end =
        std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return text.left(end - text.begin());
}

// Hexadecimal digits give a 32-bit pattern ("$FFFFFFFF" is -1); a decimal
// number must lie within the int range. Wider numbers are unreadable.
std::optional<int> ParseInteger(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    int base = 10;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        i = 2;
        base = 16;
    } else {
        while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            negative = text[i++] == u'-';
        if (i < text.size() && text[i] == u'$') {
            ++i;
            base = 16;
        }
    }
    if (i == text.size())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > 0xFFFFFFFFu)
            return std::nullopt;
    }
    if (base == 16) {
        const auto pattern = static_cast<std::uint32_t>(magnitude);
        return static_cast<std::int32_t>(negative ? 0u - pattern : pattern);
    }
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

// Reads a regular file only: opening a fifo would wait for a writer, and a
// device may never end.
std::optional<QByteArray> ReadAll(const QString& path, QIODevice::OpenMode mode) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(mode | QIODevice::ExistingOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The current contents for a write. A file that exists but cannot be read and
// written is refused here: rewriting it from nothing would lose its lines, and
// replacing a read-only file would overrule its owner.
std::optional<QByteArray> ContentsToRewrite(const QString& path) {
    if (std::optional<QByteArray> bytes = ReadAll(path, QIODevice::ReadWrite))
        return bytes;
    if (QFileInfo::exists(path))
        return std::nullopt;
    return QByteArray();
}

// Writes every byte or says it could not. Unbuffered, so that a refused write
// (full disk, quota, file size limit) is seen here and not lost in a flush that
// QSaveFile::commit() does not check.
qint64 WriteFully(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    return written;
}

// Rewrites the file in place, for a folder that forbids new files beside it.
// The old bytes are kept in memory; when the new ones are refused part way, the
// part already overwritten gets its old bytes back (they lie within the old
// size, where the space is already the file's) and the old size is restored.
// What cannot be helped: a crash between the write and the restore, or a file
// system that refuses even the old bytes (copy-on-write ones, when full), leaves
// a mixed file; the error is raised all the same.
bool SaveInPlace(const QString& path, const QByteArray& old, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly))
        return false;
    const qint64 written = WriteFully(file, bytes);
    bool saved = written == bytes.size() && file.resize(bytes.size());
    if (saved) {
        // What the disk gives back is what was meant.
        saved = file.seek(0) && file.readAll() == bytes;
    }
    if (saved)
        return true;
    // Whatever the refused write overwrote, the same limit lets the old bytes
    // back over it: they go where the new ones went, from the start.
    if (file.seek(0))
        WriteFully(file, old);
    file.resize(old.size());
    return false;
}

// Writes beside the file and renames, so a failure leaves the old file whole.
// Only where the directory forbids new files but the file may be written is it
// rewritten in place.
bool Save(const QString& path, const QByteArray& old, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QFileInfo::exists(path) && SaveInPlace(path, old, bytes);
    if (WriteFully(file, bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// Sets the key's line in the lines of a file, adding the key (and its
// section) where it is missing.
void SetValue(std::vector<Line>& lines, const QString& section, const QString& key,
              const QString& value) {
    const QByteArray lineBreak = LineBreakOf(lines);
    const QString sectionName = FirstLine(section);
    const QString keyName = FirstLine(key);
    const QByteArray keyLine = (keyName + u'=' + FirstLine(value)).toUtf8();
    const Place place = Find(lines, sectionName, keyName);

    std::vector<Line> added;
    if (place.keyLine >= 0)
        lines[place.keyLine].text = keyLine;
    else if (place.sectionLine >= 0)
        added = {{keyLine, lineBreak}};
    else
        added = {{('[' + sectionName + ']').toUtf8(), lineBreak}, {keyLine, lineBreak}};

    const int insertAt = place.sectionLine >= 0 ? place.insertAt : static_cast<int>(lines.size());
    if (!added.empty() && insertAt == static_cast<int>(lines.size()) && !lines.empty() &&
        lines.back().end.isEmpty())
        lines.back().end = lineBreak;
    lines.insert(lines.begin() + insertAt, added.begin(), added.end());
}

} // namespace

WriteError::WriteError(const QString& path)
    : Error(QStringLiteral("Unable to write to %1").arg(path).toStdString()) {}

TIniFile::TIniFile(QString fileName)
    : fileName_(std::move(fileName)), path_(QDir::current().absoluteFilePath(fileName_)) {}

const QString& TIniFile::FileName() const {
    return fileName_;
}

QString TIniSection::ReadString(const QString& key, const QString& defaultValue) const {
    for (const auto& [name, value] : keys_)
        if (SameName(name, key))
            return CutToMaxLength(Unquoted(value));
    return defaultValue;
}

int TIniSection::ReadInteger(const QString& key, int defaultValue) const {
    return ReadInteger(key).value_or(defaultValue);
}

std::optional<int> TIniSection::ReadInteger(const QString& key) const {
    return ParseInteger(ReadString(key, QString()));
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    return ReadSection(section).ReadString(key, defaultValue);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    return ReadSection(section).ReadInteger(key, defaultValue);
}

TIniSection TIniFile::ReadSection(const QString& section) const {
    return ReadSections({section}).front();
}

std::vector<TIniSection> TIniFile::ReadSections(const QStringList& sections) const {
    std::vector<TIniSection> result(static_cast<std::size_t>(sections.size()));
    const std::optional<QByteArray> bytes = ReadAll(path_, QIODevice::ReadOnly);
    if (!bytes)
        return result;
    const std::vector<Line> lines = SplitLines(*bytes);
    std::vector<bool> seen(result.size());
    std::size_t found = 0;
    TIniSection* reading = nullptr;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (!reading && !MayBeSection(lines[i].text))
            continue;
        const Entry entry = ParseLine(lines[i].text, i == 0);
        if (entry.kind == Entry::Section) {
            reading = nullptr;
            for (std::size_t k = 0; k < result.size() && !reading; ++k)
                if (!seen[k] && SameName(entry.name, sections[static_cast<qsizetype>(k)])) {
                    seen[k] = true; // only the first section of a name counts
                    ++found;
                    reading = &result[k];
                }
            if (!reading && found == result.size())
                break; // every section read whole
        } else if (entry.kind == Entry::Key && reading) {
            reading->keys_.emplace_back(entry.name, entry.value);
        }
    }
    return result;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    WriteStrings(section, {{key, value}});
}

void TIniFile::WriteStrings(const QString& section,
                            const std::vector<std::pair<QString, QString>>& values) {
    std::vector<TIniValue> inSection;
    inSection.reserve(values.size());
    for (const auto& [key, value] : values)
        inSection.push_back({section, key, value});
    WriteValues(inSection);
}

void TIniFile::WriteValues(const std::vector<TIniValue>& values) {
    const std::optional<QByteArray> old = ContentsToRewrite(path_);
    if (!old)
        throw WriteError(path_);
    std::vector<Line> lines = SplitLines(*old);
    for (const TIniValue& value : values)
        SetValue(lines, value.section, value.key, value.value);
    if (!Save(path_, *old, JoinLines(lines)))
        throw WriteError(path_);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

bool FileExists(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() && !info.isDir();
}

} // namespace maskwell
