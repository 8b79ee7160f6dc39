// SPDX-License-Identifier: MIT
#include "controls/OctetText.h"

#include "core/DecimalValue.h"
#include "platform/DigitValue.h"

#include <algorithm>
#include <limits>

namespace maskwell {

namespace {

std::int32_t DecimalValueOf(const QString& text) {
    return DecimalValue(text.toStdString());
}

bool IsBlankOrControl(QChar character) {
    return character.unicode() <= u' ';
}

// The decimal text of an octet clamped into [low, high]. Any sign and any
// number of digits is read (so that a long run of digits clamps rather than
// overflows); a text that is no decimal number raises ConversionError.
QString ClampedOctetText(const QString& text, int low, int high) {
    qsizetype i = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    const bool negative = text.startsWith(u'-');
    if (i == text.size())
        DecimalValueOf(text); // throws
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            DecimalValueOf(text); // throws
        magnitude = std::min<std::int64_t>(magnitude * 10 + (c.unicode() - u'0'), 1000);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return QString::number(std::clamp<std::int64_t>(value, low, high));
}

bool IsAllZeros(const QString& text, qsizetype minLength) {
    return text.size() >= minLength && text.size() <= 3 && text.count(u'0') == text.size();
}

} // namespace

OctetKeyVerdict FilterOctetCharacter(char16_t character, const OctetFieldState& field) {
    constexpr char16_t selectAll = 0x01; // Ctrl+A
    constexpr char16_t copy = 0x03;      // Ctrl+C
    if (character == u'\b' || character == selectAll || character == copy)
        return OctetKeyVerdict::Accept;
    if (character >= u'0' && character <= u'9') {
        const qsizetype kept = field.textLength - field.selectedLength;
        if (kept >= 3)
            return field.index < 3 && field.cursorAtEnd ? OctetKeyVerdict::CarryToNextField
                                                        : OctetKeyVerdict::Discard;
        return kept == 2 ? OctetKeyVerdict::Fill : OctetKeyVerdict::Accept;
    }
    if (character == u'.' && field.index < 3 && !field.justAdvanced)
        return OctetKeyVerdict::MoveToNextField;
    return OctetKeyVerdict::Discard;
}

OctetKeyUpAction OctetKeyUp(int index, qsizetype textLength) {
    if (textLength != 3)
        return OctetKeyUpAction::None;
    return index == 3 ? OctetKeyUpAction::Repair : OctetKeyUpAction::MoveToNextField;
}

void RepairOctets(OctetFields& fields) {
    if (fields.OctetText(0).isEmpty())
        fields.SetOctetText(0, QStringLiteral("1"));
    for (int i = 1; i <= 3; ++i)
        if (fields.OctetText(i).isEmpty())
            fields.SetOctetText(i, QStringLiteral("0"));
    if (IsAllZeros(fields.OctetText(0), 1))
        fields.SetOctetText(0, QStringLiteral("1"));
    for (int i = 1; i <= 3; ++i)
        if (IsAllZeros(fields.OctetText(i), 2))
            fields.SetOctetText(i, QStringLiteral("0"));
    for (int i = 0; i <= 3; ++i) {
        const QString text = fields.OctetText(i);
        if (text.size() > 1 && text.front() == u'0') {
            qsizetype zeros = 0;
            // One digit always stays: "0000" is 0, not an empty field.
            while (zeros < text.size() - 1 && text[zeros] == u'0')
                ++zeros;
            fields.SetOctetText(i, text.mid(zeros));
        }
    }
    // A pasted sign ("-5", "+7", "-0") is no part of an octet: the value is
    // clamped into the field's range from below as well as from above, and the
    // text written plain.
    for (int i = 0; i <= 3; ++i) {
        const QString text = fields.OctetText(i);
        const QString clamped = ClampedOctetText(text, i == 0 ? 1 : 0, i == 0 ? 239 : 255);
        if (clamped != text)
            fields.SetOctetText(i, clamped);
    }
}

std::int32_t LenientIntegerValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                        : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0 || magnitude * base + digit > limit)
            break;
        magnitude = magnitude * base + digit;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

QString NormalizeOctetText(QStringView part) {
    return QString::number(LenientIntegerValue(part) % 256);
}

QStringList OctetTextsOfAddress(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlankOrControl(text[first]))
        ++first;
    while (last > first && IsBlankOrControl(text[last - 1]))
        --last;
    // The closing "." makes the last part end like every other one.
    const QString rest = text.mid(first, last - first) + u'.';
    QStringList octets;
    qsizetype start = 0;
    while (octets.size() < 4) {
        const qsizetype dot = rest.indexOf(u'.', start);
        if (dot < 0)
            break;
        octets << NormalizeOctetText(QStringView(rest).mid(start, dot - start));
        start = dot + 1;
    }
    return octets;
}

std::uint32_t OctetsValue(const std::array<QString, 4>& octets) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(DecimalValueOf(octets[i])) << (24 - 8 * i);
    return value;
}

std::array<QString, 4> OctetTextsOfValue(std::uint32_t value) {
    std::array<QString, 4> octets;
    for (int i = 3; i >= 0; --i) {
        octets[i] = QString::number(value & 0xFF);
        value >>= 8;
    }
    return octets;
}

} // namespace maskwell
