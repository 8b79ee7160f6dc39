// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <ostream>

// Lets GoogleTest show Qt values as text in failure messages. Qt's types live in
// the global namespace, so their printers must too. GoogleTest makes one printer
// instance per type and executable, in whichever file comes first, so the test
// support library puts this header in front of every test file (-include).
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

inline void PrintTo(const QColor& color, std::ostream* out) {
    *out << "rgba(" << color.red() << ", " << color.green() << ", " << color.blue() << ", "
         << color.alpha() << ")";
}
