// SPDX-License-Identifier: MIT
#include "platform/NumberFormat.h"

#include "platform/Locale.h"

#include <algorithm>
#include <cmath>

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

QString FormatPlain(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // "-d.dddddddddddddde-XX": 15 significant digits and the decimal exponent.
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    QString digits = scientific.left(e).remove(u'.');
    const int exponent = scientific.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    if (digits == u"0")
        return QStringLiteral("0");
    QString text;
    if (exponent < 0) {
        text = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    }
    return WithDecimalSeparator((value < 0 ? QStringLiteral("-") : QString()) + text);
}

} // namespace maskwell
