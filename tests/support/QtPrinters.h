#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Lets GoogleTest show Qt strings as text in its failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i)
        *out << (i ? ", " : "") << '"' << texts[i].toStdString() << '"';
    *out << '}';
}

#include <QColor>

inline void PrintTo(const QColor& color, std::ostream* out) {
    *out << "rgba(" << color.red() << ", " << color.green() << ", " << color.blue() << ", "
         << color.alpha() << ")";
}
