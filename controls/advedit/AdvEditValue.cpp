// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditValue.h"

#include "controls/advedit/AdvEditText.h"

namespace maskwell {

bool TEditValue::SetType(TAdvEditType type) {
    if (type == rules_.editType)
        return false;
    rules_.editType = type;
    if (type == etPassword)
        rules_.canUndo = false;
    return true;
}

bool TEditValue::SetPrecision(int precision) {
    if (precision == rules_.precision || !IsFloatType())
        return false;
    rules_.precision = precision;
    return true;
}

bool TEditValue::SetCanUndo(bool on) {
    if (on == rules_.canUndo)
        return false;
    rules_.canUndo = on && rules_.editType != etPassword;
    return true;
}

TypingSettings TEditValue::Typing(bool readOnly) const {
    TypingSettings typing = rules_;
    typing.readOnly = readOnly;
    return typing;
}

QString TEditValue::ValueOf(const QString& windowText) const {
    return ValueOfWindowText(windowText, rules_.prefix, rules_.suffix);
}

QString TEditValue::Normalized(const QString& value) const {
    return NormalizedValue(value, rules_.editType, rules_.precision);
}

double TEditValue::FloatValueOf(const QString& windowText) const {
    return maskwell::FloatValueOf(ValueOf(windowText), rules_.editType);
}

QString TEditValue::FloatText(double value) const {
    return FloatValueText(value, rules_.editType, rules_.precision);
}

QString TEditValue::IntText(std::int32_t value) const {
    return IntValueText(value, rules_.editType);
}

std::optional<TEditValue::Regrouping> TEditValue::Regrouped(const QString& windowText,
                                                            int selStart) const {
    const QString value = ValueOf(windowText);
    if (value.isEmpty())
        return std::nullopt;
    const QString regrouped = RegroupedMoney(value, autoThousandSeparator_);
    return Regrouping{Composed(regrouped),
                      selStart + static_cast<int>(regrouped.size() - value.size())};
}

Selection TEditValue::ValueSelection(const QString& windowText, bool urlParts) const {
    const QString value = ValueOf(windowText);
    int start = static_cast<int>(rules_.prefix.size());
    if (urlParts) {
        if (const qsizetype scheme = value.indexOf(u"://"); scheme >= 0)
            start = static_cast<int>(scheme) + 1 + 2;
        else if (const qsizetype mail = value.indexOf(u"mailto:"); mail >= 0)
            start = static_cast<int>(mail) + 1 + 6;
    }
    return {start, static_cast<int>(value.size())};
}

int TEditValue::CaretBeforeDecimal(const QString& windowText) const {
    const int point = DecimalSeparatorPos(ValueOf(windowText));
    return static_cast<int>(rules_.prefix.size()) + (point > 0 ? point - 1 : 0);
}

int TEditValue::CaretAfterDecimal(const QString& windowText) const {
    return static_cast<int>(rules_.prefix.size()) + DecimalSeparatorPos(ValueOf(windowText));
}

TEditValue::Refit TEditValue::RefitForType(const QString& windowText) const {
    const TAdvEditType type = rules_.editType;
    const TTextClass kind = ClassifyText(ValueOf(windowText));
    if ((type == etNumeric && kind != tcInteger) ||
        (type == etHex && (kind == tcFloat || kind == tcOther)))
        return Refit::IntZero;
    if (IsFloatType() && kind > tcFloat)
        return Refit::FloatZero;
    return Refit::None;
}

TEditValue::Refit TEditValue::RefitForPrecision(const QString& windowText) const {
    return ClassifyText(ValueOf(windowText)) > tcFloat ? Refit::FloatZero : Refit::Reformat;
}

} // namespace maskwell
