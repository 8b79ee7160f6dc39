// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditTyping.h"

#include "controls/advedit/AdvEditText.h"
#include "platform/Locale.h"

#include <algorithm>
#include <cstdlib>

namespace maskwell {

namespace {

constexpr QChar kBackspace = QChar(8);
constexpr QChar kTab = QChar(9);
constexpr QChar kEnter = QChar(13);
constexpr QChar kEscape = QChar(27);

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool IsHexLetter(QChar c) {
    return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}
bool IsControlPassed(QChar c) {
    return c == kBackspace || c == kTab || c == kEnter;
}
bool IsRangeSeparator(QChar c) {
    return c == u',' || c == u'-' || c == u';';
}

int Length(const QString& text) {
    return static_cast<int>(text.size());
}

// etRange keeps separators apart: none at the start, none next to another.
bool RangeSeparatorRefused(const FieldState& field, int prefixLength) {
    const int caret = field.Caret();
    if (caret <= prefixLength)
        return true;
    // The neighbours once the typed character has replaced the selection.
    const int end = field.SelEnd();
    const QChar before = caret - 1 < Length(field.text) ? field.text[caret - 1] : QChar(u' ');
    const QChar at = end < Length(field.text) ? field.text[end] : QChar(u' ');
    return IsRangeSeparator(before) || IsRangeSeparator(at);
}

CharDecision DecideNumberChar(const TypingSettings& settings, const FieldState& field,
                              const QString& value, QChar ch) {
    const QChar decimal = DecimalSeparator();
    const QChar thousand = ThousandSeparator();
    const bool isFloat = settings.editType == etFloat;
    const int p = Length(settings.prefix);
    const int caret = field.Caret();
    const bool noSelection = field.selLength == 0;
    const QString selected = field.text.mid(field.selStart, field.selLength);
    const auto refuse = [](CharAction action = CharAction::Refuse) {
        return CharDecision{action, QChar()};
    };

    if (ch == decimal) {
        const bool refused = isFloat ? !selected.contains(decimal) &&
                                           (value.contains(decimal) || settings.precision == 0)
                                     : value.contains(decimal) || settings.precision == 0;
        if (refused)
            return refuse(settings.precision > 0 ? CharAction::RefuseAfterDecimal
                                                 : CharAction::Refuse);
    }
    if (isFloat) {
        if ((ch == u',' || ch == u'.') && ch != decimal && ch != thousand)
            return refuse();
        if (ch == u',' && value.contains(u',') && !selected.contains(u',') && thousand != u',')
            return refuse();
    }
    const bool accepted = isFloat
                              ? IsControlPassed(ch) || IsDigit(ch) || ch == u',' || ch == u'-' ||
                                    ch == u'.' || ch == decimal || ch == thousand
                              : IsControlPassed(ch) || IsDigit(ch) || ch == u'-' || ch == decimal;
    if (!accepted)
        return {CharAction::Drop, ch};
    if ((ch == thousand || ch == decimal) && ThousandSeparatorMisplaced(value, caret, p))
        return refuse();
    if (DecimalsFull(value, caret, p, settings.precision) && (IsDigit(ch) || ch == decimal) &&
        noSelection) {
        // A full decimal part is typed over, digit by digit.
        if (caret - p >= DecimalSeparatorPos(value) && IsDigit(ch) &&
            caret < EndOfValue(settings, field))
            return {CharAction::Overtype, ch};
        return refuse();
    }
    if (caret == 0 && value.isEmpty() && ch == decimal)
        return {CharAction::StartDecimal, ch};
    // A "-" typed over a selection inside the number would land in its middle
    // ("1,-34.50"), which reads as no number: it switches the sign instead. Over
    // a selection at the start of the value it is the sign typed in front.
    if (ch == u'-' && (noSelection || caret > p))
        return {CharAction::ToggleSign, ch};
    return {CharAction::Type, ch};
}

} // namespace

QString ValueOf(const TypingSettings& settings, const FieldState& field) {
    return ValueOfWindowText(field.text, settings.prefix, settings.suffix);
}

int EndOfValue(const TypingSettings& settings, const FieldState& field) {
    return Length(settings.prefix) + Length(ValueOf(settings, field));
}

int IntPartEnd(const QString& text) {
    const QString plain = StripThousandSeparators(text);
    const qsizetype point = plain.indexOf(DecimalSeparator());
    return static_cast<int>(point >= 0 ? point + 1 : plain.size() + 1);
}

int DecimalCaretPos(const QString& value, int prefixLength, int suffixLength) {
    const int point = DecimalSeparatorPos(value);
    return point > 0 ? point + prefixLength : Length(value) + prefixLength + suffixLength + 1;
}

bool DecimalsFull(const QString& value, int caret, int prefixLength, int precision) {
    const int c = caret - prefixLength;
    if (precision <= 0 || Length(value) - c > precision)
        return false;
    const int point = DecimalSeparatorPos(value);
    if (point == 0)
        return false;
    return c >= point && Length(value) - point >= precision;
}

bool ThousandSeparatorMisplaced(const QString& value, int caret, int prefixLength) {
    const QChar thousand = ThousandSeparator();
    QString rest = value;
    if (!rest.contains(thousand))
        return false;
    int b = caret - prefixLength;
    int nearest = Length(rest);
    bool misplaced = false;
    while (rest.contains(thousand)) {
        const int s = static_cast<int>(rest.indexOf(thousand)) + 1;
        const int distance = std::abs(s - b);
        if (distance < nearest)
            nearest = distance;
        if (distance < 3) {
            misplaced = true;
            break;
        }
        if (b > s)
            b -= s;
        rest.remove(0, s);
    }
    return misplaced || nearest > 3;
}

SignToggle ToggledSign(const QString& value, int caret, int prefixLength) {
    SignToggle result{value, caret};
    const qsizetype minus = value.indexOf(u'-');
    if (minus >= 0) {
        result.value.remove(minus, 1);
        result.caret = caret > 0 && caret > prefixLength ? caret - 1 : prefixLength;
    } else {
        result.value.prepend(u'-');
        result.caret = caret + 1;
    }
    return result;
}

QString ValueAfterBackspace(const TypingSettings& settings, const FieldState& field) {
    QString text = field.text;
    if (field.selLength > 0)
        text.remove(field.selStart, field.selLength);
    else if (field.selStart > 0)
        text.remove(field.selStart - 1, 1);
    return ValueOfWindowText(text, settings.prefix, settings.suffix);
}

QString ValueAfterDelete(const TypingSettings& settings, const FieldState& field) {
    QString text = field.text;
    text.remove(field.selStart, field.selLength > 0 ? field.selLength : 1);
    return ValueOfWindowText(text, settings.prefix, settings.suffix);
}

CharDecision DecideChar(const TypingSettings& settings, const FieldState& field, QChar ch,
                        bool fromKeypad) {
    if (ch == kEnter)
        return {CharAction::KeyPressOnly, ch};
    if (ch == kEscape && !settings.canUndo)
        return {CharAction::DefaultOnly, ch};
    // The base edit would refuse the change anyway; no rule may write around it.
    if (settings.readOnly)
        return {CharAction::DefaultOnly, ch};

    const QChar decimal = DecimalSeparator();
    const int p = Length(settings.prefix);
    const QString value = ValueOf(settings, field);
    const int caret = field.Caret();
    const bool noSelection = field.selLength == 0;
    const int limit = settings.lengthLimit;

    if (ch == u'.' && settings.excelStyleDecimalSeparator && fromKeypad)
        ch = decimal;
    if (ch == kBackspace && p > 0 && caret <= p && noSelection)
        return {CharAction::Consume, ch};
    if (limit > 0 && IntPartEnd(value) > limit && noSelection &&
        caret < DecimalCaretPos(value, p, Length(settings.suffix)) && ch != kBackspace &&
        ch != decimal)
        return {CharAction::Consume, ch};
    if (ch == kBackspace && limit > 0 &&
        IntPartEnd(ValueAfterBackspace(settings, field)) - 1 > limit)
        return {CharAction::Consume, ch};

    const TAdvEditType type = settings.editType;
    const bool numberType = type == etNumeric || type == etFloat || type == etMoney;
    if (numberType && ch == u'-' && !settings.isSigned)
        return {CharAction::Consume, ch};

    switch (type) {
    case etString:
    case etPassword:
    case etMixedCase:
        return {CharAction::Type, ch};
    case etUppercase:
        return {CharAction::Type, ch.toUpper()};
    case etLowerCase:
        return {CharAction::Type, ch.toLower()};
    case etNumeric:
        if (IsDigit(ch) || IsControlPassed(ch))
            return {CharAction::Type, ch};
        if (ch == u'-')
            return {CharAction::ToggleSign, ch};
        return {CharAction::Drop, ch};
    case etFloat:
    case etMoney:
        return DecideNumberChar(settings, field, value, ch);
    case etRange:
        if (IsDigit(ch) || IsControlPassed(ch))
            return {CharAction::Type, ch};
        if (IsRangeSeparator(ch))
            return {RangeSeparatorRefused(field, p) ? CharAction::Refuse : CharAction::Type, ch};
        return {CharAction::Drop, ch};
    case etHex:
        if (IsControlPassed(ch) || ch == u'-' || IsDigit(ch) || IsHexLetter(ch))
            return {CharAction::Type, ch};
        return {CharAction::Drop, ch};
    case etAlphaNumeric:
        if (IsControlPassed(ch) || IsDigit(ch) || IsAsciiLetter(ch))
            return {CharAction::Type, ch};
        return {CharAction::Drop, ch};
    }
    return {CharAction::Type, ch};
}

bool RegroupsAfterTyping(const QString& value, QChar typed) {
    return !value.isEmpty() && value != u"-" && typed != DecimalSeparator();
}

bool TabsOnFullLength(const TypingSettings& settings, const FieldState& field) {
    const int limit = settings.lengthLimit;
    if (!settings.tabOnFullLength || limit <= 0 || field.selLength > 0)
        return false;
    const QString value = ValueOf(settings, field);
    if (IntPartEnd(value) <= limit)
        return false;
    // Counted in integer digits behind the prefix, so that a prefix or a
    // thousand separator does not keep the Tab from coming.
    const int beforeCaret = field.Caret() - Length(settings.prefix);
    return beforeCaret >= 0 && Length(StripThousandSeparators(value.left(beforeCaret))) == limit;
}

KeyDecision DecideKeyDown(const TypingSettings& settings, const FieldState& field, int key,
                          bool shift) {
    const int p = Length(settings.prefix);
    const bool hasPrefix = p > 0;
    const bool hasSuffix = !settings.suffix.isEmpty();
    const int end = EndOfValue(settings, field);
    const int caret = field.Caret();
    // A read-only field is never marked modified by a key it refuses anyway.
    const bool modifies = !settings.readOnly;
    KeyDecision decision;
    const auto consume = [&decision] {
        decision.action = KeyAction::Consume;
        return decision;
    };
    const auto select = [&decision](Selection selection) {
        decision.action = KeyAction::Select;
        decision.selection = selection;
        return decision;
    };

    if (key == Qt::Key_Right && hasSuffix && field.SelEnd() >= end)
        return consume();
    if (key == Qt::Key_Delete && hasSuffix) {
        if (field.SelEnd() >= end && field.selLength == 0)
            return consume();
        decision.setModified = modifies;
    }
    if (key == Qt::Key_Left && hasPrefix && field.SelEnd() <= p)
        return consume();
    if (key == Qt::Key_End && hasSuffix)
        return select(shift ? Selection{caret, end - caret} : Selection{end, 0});
    if (key == Qt::Key_Home && hasPrefix)
        return select(shift ? Selection{end, p - end} : Selection{p, 0});
    if (key == Qt::Key_Backspace && hasPrefix) {
        if (caret <= p + 1)
            return consume();
        decision.setModified = modifies;
    }
    if (key == Qt::Key_Delete && caret >= p) {
        if (settings.lengthLimit > 0 &&
            IntPartEnd(ValueAfterDelete(settings, field)) - 1 > settings.lengthLimit)
            return consume();
        decision.setModified = modifies;
    }
    return decision;
}

std::optional<Selection> SelectionAfterMouseRelease(const TypingSettings& settings,
                                                    const FieldState& field) {
    const int p = Length(settings.prefix);
    const int end = EndOfValue(settings, field);
    Selection selection{field.selStart, field.selLength};
    if (p > 0 && selection.start < p)
        selection = {p, Length(ValueOf(settings, field))};
    if (!settings.suffix.isEmpty()) {
        if (selection.start > end)
            selection = {end, 0};
        else if (selection.start + selection.length > end)
            selection.length = end - selection.start;
    }
    if (selection == Selection{field.selStart, field.selLength})
        return std::nullopt;
    return selection;
}

PasteMerge MergePaste(const TypingSettings& settings, const FieldState& field,
                      const QString& pasted) {
    QString value = ValueOf(settings, field);
    const int p = Length(settings.prefix);
    // Only the part of the selection that lies in the value is replaced: the
    // selected prefix or suffix characters are not part of it.
    const int start = std::clamp(field.selStart - p, 0, Length(value));
    const int end = std::clamp(field.SelEnd() - p, start, Length(value));
    value.replace(start, end - start, pasted);
    const Selection selection = field.selLength > 0 ? Selection{p + start, Length(pasted)}
                                                    : Selection{p + start + Length(pasted), 0};
    return {value, selection};
}

PasteDecision DecidePaste(const TypingSettings& settings, const QString& newValue,
                          const QString& pasted) {
    switch (settings.editType) {
    case etString:
    case etPassword:
        return {PasteAction::SetText, newValue};
    case etNumeric:
        if (ClassifyText(newValue) == tcInteger)
            return {PasteAction::SetTextModified, newValue};
        return {};
    case etFloat:
    case etMoney:
        if (ClassifyText(newValue) > tcFloat ||
            (settings.precision == 0 && pasted.contains(DecimalSeparator())))
            return {};
        return {PasteAction::SetTextReformatted, newValue};
    case etUppercase:
        return {PasteAction::SetText, newValue.toUpper()};
    case etLowerCase:
        return {PasteAction::SetText, newValue.toLower()};
    case etMixedCase:
        return {PasteAction::SetText, MixedCaseText(newValue)};
    case etAlphaNumeric:
        if (std::all_of(newValue.cbegin(), newValue.cend(),
                        [](QChar c) { return IsDigit(c) || IsAsciiLetter(c); }))
            return {PasteAction::SetTextModified, newValue};
        return {};
    case etRange:
    case etHex:
        return {};
    }
    return {};
}

QString SelectedValuePart(const TypingSettings& settings, const FieldState& field) {
    const QString value = ValueOf(settings, field);
    const int p = Length(settings.prefix);
    const int start = std::clamp(field.selStart - p, 0, Length(value));
    const int end = std::clamp(field.SelEnd() - p, start, Length(value));
    return value.mid(start, end - start);
}

} // namespace maskwell
