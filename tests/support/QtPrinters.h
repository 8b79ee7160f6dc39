#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Lets GoogleTest show Qt strings as text in failure messages. Qt's types live
// in the global namespace, so their printers must too. Include it in every test
// file of an executable that compares Qt strings: GoogleTest's printer for a type
// is one template instance per executable, made in whichever file comes first.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i) {
        *out << (i > 0 ? ", " : "");
        PrintTo(texts[i], out);
    }
    *out << '}';
}
