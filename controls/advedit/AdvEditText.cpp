// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditText.h"

#include "platform/DigitValue.h"
#include "platform/Locale.h"
#include "platform/NumberFormat.h"

#include <cmath>

namespace maskwell {

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QChar AsciiUpper(QChar c) {
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}
QChar AsciiLower(QChar c) {
    return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c;
}

bool IsWordBreak(QChar c) {
    return c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.';
}

// Sign, digits, the locale's decimal separator and an exponent, in C form for
// the conversion; empty when the text is no such number.
QString CanonicalNumber(const QString& text) {
    const QChar decimal = DecimalSeparator();
    QString out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        out += text[i++];
    int digits = 0;
    for (; i < n && IsDigit(text[i]); ++i, ++digits)
        out += text[i];
    if (i < n && text[i] == decimal) {
        out += u'.';
        for (++i; i < n && IsDigit(text[i]); ++i, ++digits)
            out += text[i];
    }
    if (digits == 0)
        return {};
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        out += u'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            out += text[i++];
        int exponentDigits = 0;
        for (; i < n && IsDigit(text[i]); ++i, ++exponentDigits)
            out += text[i];
        if (exponentDigits == 0)
            return {};
    }
    return i == n ? out : QString();
}

} // namespace

TTextClass ClassifyText(const QString& text) {
    if (text.isEmpty())
        return tcOther;
    const QChar decimal = DecimalSeparator();
    const QChar thousand = ThousandSeparator();
    bool isInteger = true;
    bool isFloat = true;
    bool isHex = true;
    int decimals = 0;
    int minuses = 0;
    int lastThousand = -1;
    for (int i = 1; i <= text.size(); ++i) {
        const QChar c = text[i - 1];
        const bool digit = IsDigit(c);
        if (!digit && c != u'-')
            isInteger = false;
        // The locale's own separators count like "," and "." do: the field
        // writes them (U+2019, U+202F, U+066B, ...) and must read them back.
        if (!digit && c != u',' && c != u'-' && c != u'.' && c != decimal && c != thousand)
            isFloat = false;
        if (c == thousand) {
            // Groups of three: a separator closer than that to the previous one
            // (or to the start) is no number.
            if (i - lastThousand < 3)
                isFloat = false;
            lastThousand = i;
        }
        if (!digit && c != u'-' && DigitValue(c) < 0)
            isHex = false;
        if (c == decimal)
            ++decimals;
        if (c == u'-')
            ++minuses;
    }
    if (minuses > 1 || decimals > 1)
        return tcOther;
    if (isInteger)
        return tcInteger;
    if (isFloat)
        return tcFloat;
    if (isHex)
        return tcHex;
    return tcOther;
}

QString StripThousandSeparators(QString text) {
    return text.remove(ThousandSeparator());
}

double ParseFloatLenient(const QString& text) {
    const QString number = CanonicalNumber(StripThousandSeparators(text).trimmed());
    if (number.isEmpty())
        return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

std::int32_t HexTextToInt(const QString& text) {
    std::uint32_t sum = 0;
    for (const QChar c : text) {
        const int digit = DigitValue(c);
        sum = sum * 16u + static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
    }
    return static_cast<std::int32_t>(sum);
}

QString MixedCaseText(const QString& text) {
    QString result;
    result.reserve(text.size());
    bool wordStart = true;
    // Whether " Mc" has occurred yet: only its first occurrence starts a word.
    bool spaceMcSeen = false;
    const int n = static_cast<int>(text.size());
    for (int i = 1; i <= n; ++i) {
        const QChar c = text[i - 1];
        if (IsWordBreak(c)) {
            result += c;
            wordStart = true;
        } else {
            result += wordStart ? AsciiUpper(c) : AsciiLower(c);
            wordStart = false;
        }
        // "Mc" starts a word of its own (McDonald); roman numerals I, II and III
        // at the very end stay upper case. Only the last three characters are
        // looked at, so the walk stays linear in the length.
        const bool endsWithSpaceMc = i > 2 && result.endsWith(u" Mc");
        const bool firstSpaceMc = endsWithSpaceMc && !spaceMcSeen;
        spaceMcSeen = spaceMcSeen || endsWithSpaceMc;
        if ((i == 2 && result == u"Mc") || firstSpaceMc ||
            (i > n - 3 && (result.endsWith(u" I") || result.endsWith(u" II"))))
            wordStart = true;
    }
    return result;
}

bool IsUrlText(const QString& value) {
    return value.contains(u"://") || value.indexOf(u'@') > 0;
}

int DecimalSeparatorPos(const QString& value) {
    return static_cast<int>(value.indexOf(DecimalSeparator())) + 1;
}

QString ValueOfWindowText(const QString& windowText, const QString& prefix, const QString& suffix) {
    QString value = windowText;
    if (!prefix.isEmpty() && value.startsWith(prefix))
        value.remove(0, prefix.size());
    if (!suffix.isEmpty())
        value.chop(suffix.size());
    return value;
}

QString NormalizedValue(QString value, TAdvEditType type, int precision) {
    if (!value.isEmpty()) {
        const TTextClass kind = ClassifyText(value);
        switch (type) {
        case etNumeric:
            if (kind != tcInteger)
                value = QStringLiteral("0");
            break;
        case etFloat:
        case etMoney:
            if (kind > tcFloat)
                value = QStringLiteral("0");
            break;
        case etHex:
            if (kind == tcFloat || kind == tcOther)
                value = QStringLiteral("0");
            break;
        default:
            break;
        }
    }
    if (precision > 0 && !value.isEmpty()) {
        if (type == etMoney)
            value = FormatNumber(ParseFloatLenient(value), precision);
        else if (type == etFloat)
            value = FormatFixed(ParseFloatLenient(value), precision);
    }
    if (type == etHex)
        value = value.toUpper();
    return value;
}

double FloatValueOf(const QString& value, TAdvEditType type) {
    switch (type) {
    case etNumeric:
    case etFloat:
        return value.isEmpty() ? 0 : ParseFloatLenient(value);
    case etMoney: {
        QString plain = StripThousandSeparators(value);
        if (plain.endsWith(DecimalSeparator()))
            plain.chop(1);
        return plain.isEmpty() || plain == u"-" ? 0 : ParseFloatLenient(plain);
    }
    case etHex:
        return HexTextToInt(value);
    default:
        return 0;
    }
}

QString FloatValueText(double value, TAdvEditType type, int precision) {
    if (type == etFloat && precision >= 0)
        return FormatFixed(value, precision);
    if (type == etMoney && precision >= 1)
        return FormatFixed(value, precision);
    // Free format: the general format's digits, but never an exponent, which
    // no number field reads back ("1E+20" would be stored as "0").
    if (type == etFloat || type == etMoney)
        return FormatPlain(value);
    return FormatGeneral(value);
}

QString IntValueText(std::int32_t value, TAdvEditType type) {
    if (type == etHex)
        return QString::number(static_cast<std::uint32_t>(value), 16).toUpper();
    return QString::number(value);
}

QString RegroupedMoney(const QString& value, bool autoThousandSeparator) {
    if (value.isEmpty())
        return value;
    const QChar decimal = DecimalSeparator();
    QString rest = value;
    QString sign;
    if (rest.startsWith(u'-')) {
        rest.remove(0, 1);
        sign = QStringLiteral("-");
    }
    const qsizetype point = rest.indexOf(decimal);
    const QString fraction = point >= 0 ? rest.mid(point, 255) : QString();
    const double whole = std::trunc(std::fabs(FloatValueOf(value, etMoney)));
    QString integer = autoThousandSeparator ? FormatNumber(whole, 2) : FormatFixed(whole, 2);
    integer.truncate(integer.indexOf(decimal));
    return sign + integer + fraction;
}

} // namespace maskwell
