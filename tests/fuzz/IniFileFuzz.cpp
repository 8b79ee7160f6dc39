// SPDX-License-Identifier: MIT
// The INI file: any bytes as the file, then one key written and read back.
// Properties: the value reads back; every other line stays byte for byte (at
// most the key's own line changes, or the key line, and the section header
// when it is new, are added); writing the same value again changes nothing.
#include "platform/IniFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/FileContents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

namespace maskwell::fuzz {

namespace {

// Names that the format can hold: no blanks around them, no line breaks and
// none of the characters that start a section, a comment or a value.
QString Name(FuzzInput& in, const char* fallback) {
    QString name;
    for (const QChar c : in.Text(12))
        if (c.unicode() > u' ' && c != u'=' && c != u'[' && c != u']' && c != u';' && c != u'#' &&
            !c.isSpace() && !c.isSurrogate())
            name += c;
    return name.isEmpty() ? QString::fromLatin1(fallback) : name;
}

// A value the reader gives back as written: no line break, no blanks around
// it, not wrapped in quotes. Dropping a closing quote can leave the value
// wrapped again (a run of quotes) or ending in a blank, so repeat until it
// is neither.
QString Value(FuzzInput& in) {
    QString value;
    for (const QChar c : in.Text(40))
        if (c != u'\r' && c != u'\n' && !c.isSurrogate())
            value += c;
    for (;;) {
        value = value.trimmed();
        if (value.size() < 2 || value.front() != value.back() ||
            (value.front() != u'"' && value.front() != u'\''))
            return value;
        value.chop(1);
    }
}

// Lines with their breaks, so that a kept line compares byte for byte.
std::vector<QByteArray> RawLines(const QByteArray& bytes) {
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        const qsizetype end = lf < 0 ? bytes.size() : lf + 1;
        lines.push_back(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

QByteArray WithoutBreak(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

// In memory where the system has it: every write is synced to the disk.
QString TempRoot() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

const QString& Folder() {
    static QTemporaryDir dir(TempRoot() + QStringLiteral("/maskwell-fuzz-ini-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

} // namespace

void RunIniFile(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const QString section = Name(in, "conf");
    const QString key = Name(in, "ipaddr");
    const QString value = Value(in);
    const QByteArray before = QByteArray::fromStdString(in.Rest());

    const QString path = Folder() + QStringLiteral("/fuzz.ini");
    {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot set up the file");
        file.write(before);
    }
    TIniFile ini(path);
    ini.WriteString(section, key, value);
    const QByteArray after = test::WholeFile(path);
    Require(ini.ReadString(section, key, QStringLiteral("<missing>")) == value,
            "written " + Quoted(value) + " read back as " +
                Quoted(ini.ReadString(section, key, QStringLiteral("<missing>"))));

    // Only the key's line and a new section header may differ.
    const std::vector<QByteArray> old = RawLines(before);
    const std::vector<QByteArray> now = RawLines(after);
    std::size_t head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head])
        ++head;
    // A last line without a break gets one when lines are added after it.
    if (head + 1 == old.size() && !old.back().endsWith('\n') && head < now.size() &&
        now[head].size() > old.back().size() && now[head].startsWith(old.back()) &&
        WithoutBreak(now[head].mid(old.back().size())).isEmpty())
        ++head;
    std::size_t tail = 0;
    while (tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const std::size_t removed = old.size() - head - tail;
    const std::size_t added = now.size() - head - tail;
    Require(removed <= 1 && added <= 2 && added >= removed,
            "lines other than the key's changed: " + std::to_string(removed) + " removed, " +
                std::to_string(added) + " added");
    const QByteArray keyLine = (key + u'=' + value).toUtf8();
    const QByteArray header = (u'[' + section + u']').toUtf8();
    for (std::size_t i = head; i < head + added; ++i) {
        const QByteArray line = WithoutBreak(now[i]);
        Require(line == keyLine || (line == header && added == 2 && removed == 0),
                "an unexpected line was written: " + line.toStdString());
    }

    // The same value once more changes nothing.
    ini.WriteString(section, key, value);
    Require(test::WholeFile(path) == after, "writing the same value again changed the file");
}

} // namespace maskwell::fuzz
