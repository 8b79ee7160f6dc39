// SPDX-License-Identifier: MIT
// The advanced edit's text rules: an edit type, a precision, the separators of
// one of the machine's locales, a value (as text or as a number), a prefix and
// suffix, a selection, then a typed character or a paste. Properties: every
// value the field writes classifies as its own type and writing it again keeps
// it; a free-format number reads back as itself; a typed "-" changes at most a
// number's sign; a range separator never lands beside another; a paste keeps
// the value outside the selection; the mixed case follows the word rules.
#include "controls/advedit/AdvEditText.h"
#include "controls/advedit/AdvEditTyping.h"
#include "platform/Locale.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/MixedCaseReference.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace maskwell::fuzz {

namespace {

// The separators of every locale Qt knows, each pair once.
const std::vector<NumberSeparators>& LocaleSeparators() {
    static const std::vector<NumberSeparators> all = [] {
        std::vector<NumberSeparators> pairs;
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const NumberSeparators s = SeparatorsOf(locale);
            if (std::none_of(pairs.begin(), pairs.end(), [&](const NumberSeparators& p) {
                    return p.decimal == s.decimal && p.thousand == s.thousand;
                }))
                pairs.push_back(s);
        }
        return pairs;
    }();
    return all;
}

bool IsNumberType(TAdvEditType type) {
    return type == etNumeric || type == etFloat || type == etMoney;
}

// A value written by the field is of its type.
void RequireOwnType(const QString& value, TAdvEditType type, const char* how) {
    if (value.isEmpty())
        return;
    const TTextClass kind = ClassifyText(value);
    bool holds = true;
    if (type == etNumeric)
        holds = kind == tcInteger;
    else if (type == etFloat || type == etMoney)
        holds = kind <= tcFloat;
    else if (type == etHex)
        holds = kind == tcInteger || kind == tcHex;
    Require(holds, std::string(how) + " wrote " + Quoted(value) + " for type " +
                       std::to_string(type) + ", which it does not read as one");
}

// SetText: the value as stored, checked.
QString Assigned(const QString& value, TAdvEditType type, int precision) {
    QString stored = NormalizedValue(value, type, precision);
    RequireOwnType(stored, type, "an assignment");
    Require(NormalizedValue(stored, type, precision) == stored,
            "storing " + Quoted(stored) + " again gave " +
                Quoted(NormalizedValue(stored, type, precision)));
    return stored;
}

// SetFloatValue: the number's text assigned, then regrouped for money.
QString FloatAssigned(double number, TAdvEditType type, int precision, bool grouped) {
    QString stored = Assigned(FloatValueText(number, type, precision), type, precision);
    if (type == etMoney && !stored.isEmpty()) {
        stored = RegroupedMoney(stored, grouped);
        RequireOwnType(stored, type, "a money regrouping");
    }
    return stored;
}

bool IsRangeSeparator(QChar c) {
    return c == u',' || c == u'-' || c == u';';
}

bool HasAdjacentRangeSeparators(const QString& value) {
    for (qsizetype i = 1; i < value.size(); ++i)
        if (IsRangeSeparator(value[i - 1]) && IsRangeSeparator(value[i]))
            return true;
    return false;
}

} // namespace

void RunAdvEditText(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const auto& separators = LocaleSeparators();
    const NumberSeparators locale = separators[static_cast<std::size_t>(
        in.Between(0, static_cast<int>(separators.size()) - 1))];
    SetDecimalSeparator(locale.decimal);
    SetThousandSeparator(locale.thousand);

    TypingSettings settings;
    settings.editType = static_cast<TAdvEditType>(in.Between(etString, etAlphaNumeric));
    settings.precision = in.Between(-2, 4);
    settings.isSigned = in.Flag();
    settings.prefix = in.Text(3);
    settings.suffix = in.Text(3);
    const bool grouped = in.Flag();
    const TAdvEditType type = settings.editType;
    const int precision = settings.precision;

    // The value: assigned as text, or as a number.
    QString value;
    if (in.Flag()) {
        double number = 0;
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | in.Byte();
        std::memcpy(&number, &bits, sizeof number);
        if (type == etFloat || type == etMoney) {
            value = FloatAssigned(number, type, precision, grouped);
            // Money keeps at most 255 characters from the decimal separator on,
            // so its tiniest numbers end as zeros.
            const double smallest = type == etMoney ? 1e-200 : 0;
            if (std::isfinite(number) && std::fabs(number) < 1e300 &&
                (number == 0 || std::fabs(number) >= smallest) &&
                ((type == etFloat && precision < 0) || (type == etMoney && precision < 1))) {
                const double back = FloatValueOf(value, type);
                Require(std::fabs(back - number) <= std::fabs(number) * 1e-14,
                        "the free-format number " + std::to_string(number) + " was stored as " +
                            Quoted(value));
            }
        } else {
            value = Assigned(IntValueText(static_cast<std::int32_t>(bits), type), type, precision);
        }
    } else {
        value = Assigned(in.Text(24), type, precision);
    }
    if (type == etMixedCase && value.size() <= 128) {
        Require(MixedCaseText(value) == test::MixedCaseReference(value),
                "the mixed case of " + Quoted(value));
    }

    const QString& prefix = settings.prefix;
    const int p = static_cast<int>(prefix.size());
    const QString text = prefix + value + settings.suffix;
    const int length = static_cast<int>(text.size());

    if (in.Flag()) {
        // A paste over any selection (Select All reaches into the prefix).
        const int start = in.Between(0, length);
        const FieldState field{text, start, in.Between(0, length - start)};
        const QString pasted = in.Text(16);
        const PasteMerge merged = MergePaste(settings, field, pasted);
        const int from = std::clamp(field.selStart - p, 0, static_cast<int>(value.size()));
        const int to = std::clamp(field.SelEnd() - p, from, static_cast<int>(value.size()));
        Require(merged.value.size() == value.size() - (to - from) + pasted.size() &&
                    merged.value.startsWith(value.left(from)) &&
                    merged.value.endsWith(value.mid(to)),
                "pasting " + Quoted(pasted) + " over " + std::to_string(field.selStart) + "+" +
                    std::to_string(field.selLength) + " of " + Quoted(text) + " gave " +
                    Quoted(merged.value));
        const PasteDecision decision = DecidePaste(settings, merged.value, pasted);
        switch (decision.action) {
        case PasteAction::Ignore:
            break;
        case PasteAction::SetText:
        case PasteAction::SetTextModified:
            Assigned(decision.value, type, precision);
            break;
        case PasteAction::SetTextReformatted: {
            const QString stored = Assigned(decision.value, type, precision);
            FloatAssigned(FloatValueOf(stored, type), type, precision, grouped);
            break;
        }
        }
        return;
    }

    // A typed character over a caret or selection inside the value.
    const int start = p + in.Between(0, static_cast<int>(value.size()));
    const FieldState field{text, start, in.Between(0, p + static_cast<int>(value.size()) - start)};
    const QString alphabet =
        QStringLiteral("0123456789-,.;+eE aZfF\b") + locale.decimal + locale.thousand;
    const QChar typed = alphabet[in.Between(0, static_cast<int>(alphabet.size()) - 1)];
    const CharDecision decision = DecideChar(settings, field, typed, in.Flag());
    QString after = text;
    switch (decision.action) {
    case CharAction::Overtype:
    case CharAction::Type: {
        int selStart = field.selStart;
        int selLength = decision.action == CharAction::Overtype ? 1 : field.selLength;
        if (decision.ch == QChar(8)) {
            if (selLength == 0 && selStart > 0) {
                --selStart;
                selLength = 1;
            }
            after.remove(selStart, selLength);
        } else if (decision.ch.isPrint()) {
            after.replace(selStart, selLength, decision.ch);
        }
        break;
    }
    case CharAction::ToggleSign:
        after = prefix + ToggledSign(value, field.Caret(), p).value + settings.suffix;
        break;
    case CharAction::StartDecimal:
        after = prefix + u'0' + DecimalSeparator() + settings.suffix;
        break;
    default:
        break;
    }
    QString typedValue = ValueOfWindowText(after, prefix, settings.suffix);
    if (type == etMoney &&
        (decision.action == CharAction::Type || decision.action == CharAction::Overtype) &&
        RegroupsAfterTyping(typedValue, decision.ch)) {
        typedValue = RegroupedMoney(typedValue, grouped);
        RequireOwnType(typedValue, type, "money typing");
    }
    if (typed == u'-' && settings.isSigned && IsNumberType(type) && field.selStart > p &&
        FloatValueOf(value, type) != 0 && ClassifyText(value) <= tcFloat) {
        Require(std::fabs(FloatValueOf(typedValue, type)) == std::fabs(FloatValueOf(value, type)),
                "a \"-\" typed over " + std::to_string(field.selStart) + "+" +
                    std::to_string(field.selLength) + " turned " + Quoted(value) + " into " +
                    Quoted(typedValue));
    }
    if (type == etRange && IsRangeSeparator(typed) && !HasAdjacentRangeSeparators(value))
        Require(!HasAdjacentRangeSeparators(typedValue), "typing " + Quoted(QString(typed)) +
                                                             " turned " + Quoted(value) + " into " +
                                                             Quoted(typedValue));
}

} // namespace maskwell::fuzz
