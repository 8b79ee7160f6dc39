#include "platform/NumberFormat.h"

#include "platform/Locale.h"

#include <algorithm>

namespace maskwell {

namespace {

// Qt formats with "." and no grouping whatever the locale; only the separator
// characters are ours to put in.
QString WithDecimalSeparator(QString text) {
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0)
        text[point] = DecimalSeparator();
    return text;
}

// A rounded zero prints without its sign.
QString WithoutNegativeZero(QString text) {
    if (text.startsWith(u'-') &&
        std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) { return c == u'0' || c == u'.'; }))
        text.remove(0, 1);
    return text;
}

} // namespace

QString FormatFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 18);
    return WithDecimalSeparator(WithoutNegativeZero(QString::number(value, 'f', decimals)));
}

QString FormatNumber(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 18);
    QString text = WithoutNegativeZero(QString::number(value, 'f', decimals));
    qsizetype end = text.indexOf(u'.');
    if (end < 0)
        end = text.size();
    else
        text[end] = DecimalSeparator(); // before grouping: the separators may be swapped
    const qsizetype begin = text.startsWith(u'-') ? 1 : 0;
    for (qsizetype at = end - 3; at > begin; at -= 3)
        text.insert(at, ThousandSeparator());
    return text;
}

QString FormatGeneral(double value) {
    QString text = QString::number(value, 'g', 15).toUpper();
    if (text == u"-0")
        text = QStringLiteral("0");
    return WithDecimalSeparator(text);
}

} // namespace maskwell
