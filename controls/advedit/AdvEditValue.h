// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEditTypes.h"
#include "controls/advedit/AdvEditTyping.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace maskwell {

// The value model of an advanced edit: the edit type and the rules that go
// with it (prefix and suffix, precision, sign, length limit, undo), and what
// the field keeps about its value (the error state, the text Escape goes back
// to). It works on the window text the field hands it and answers with the
// window text, caret or selection the field is to take; it holds no text of
// its own and knows no window. The modified state stays the line edit's own
// flag: Qt's editing sets it, and a second copy would fall behind it.
class TEditValue {
public:
    TAdvEditType Type() const { return rules_.editType; }
    // Stores a new type: false when it is the type already. A password
    // field gives up CanUndo.
    bool SetType(TAdvEditType type);
    // The float types: etFloat and etMoney.
    bool IsFloatType() const { return rules_.editType == etFloat || rules_.editType == etMoney; }
    const QString& Prefix() const { return rules_.prefix; }
    void SetPrefix(const QString& prefix) { rules_.prefix = prefix; }
    const QString& Suffix() const { return rules_.suffix; }
    void SetSuffix(const QString& suffix) { rules_.suffix = suffix; }
    int Precision() const { return rules_.precision; }
    // Stored only for the float types, and only when it changes: false when
    // the precision stays as it was.
    bool SetPrecision(int precision);
    bool Signed() const { return rules_.isSigned; }
    void SetSigned(bool on) { rules_.isSigned = on; }
    int LengthLimit() const { return rules_.lengthLimit; }
    void SetLengthLimit(int limit) { rules_.lengthLimit = limit; }
    bool TabOnFullLength() const { return rules_.tabOnFullLength; }
    void SetTabOnFullLength(bool on) { rules_.tabOnFullLength = on; }
    bool ExcelStyleDecimalSeparator() const { return rules_.excelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool on) { rules_.excelStyleDecimalSeparator = on; }
    bool CanUndo() const { return rules_.canUndo; }
    // False when it stays as it was; never on for a password field.
    bool SetCanUndo(bool on);
    bool AutoThousandSeparator() const { return autoThousandSeparator_; }
    void SetAutoThousandSeparator(bool on) { autoThousandSeparator_ = on; }

    bool Error() const { return error_; }
    void SetError(bool error) { error_ = error; }
    // The value at focus entry, which Escape restores.
    const QString& UndoText() const { return undoText_; }
    void SetUndoText(const QString& text) { undoText_ = text; }

    // The rules for the typing decisions; readOnly is the line edit's.
    TypingSettings Typing(bool readOnly) const;

    // The value inside a window text.
    QString ValueOf(const QString& windowText) const;
    // The window text around a value, as it stands.
    QString Composed(const QString& value) const { return Prefix() + value + Suffix(); }
    // A value as assigning it stores it: normalised for the type.
    QString Normalized(const QString& value) const;
    double FloatValueOf(const QString& windowText) const;
    // The value a number is assigned as (money before its regrouping).
    QString FloatText(double value) const;
    QString IntText(std::int32_t value) const;

    // The money value of a window text regrouped, with the caret moved by
    // what the regrouping added or took away; nothing for an empty value.
    struct Regrouping {
        QString windowText;
        int caret = 0;
    };
    std::optional<Regrouping> Regrouped(const QString& windowText, int selStart) const;

    // The selection that selects the value; with urlParts, a web or mail
    // address is selected from behind its "://" or "mailto:".
    Selection ValueSelection(const QString& windowText, bool urlParts) const;
    // The caret just before and just after the decimal separator (at the
    // start, and at the end of the value, without one).
    int CaretBeforeDecimal(const QString& windowText) const;
    int CaretAfterDecimal(const QString& windowText) const;

    // What a new type or precision asks of the value there is: nothing,
    // SetIntValue(0), SetFloatValue(0), or SetFloatValue(FloatValue()).
    enum class Refit { None, IntZero, FloatZero, Reformat };
    Refit RefitForType(const QString& windowText) const;
    Refit RefitForPrecision(const QString& windowText) const;

private:
    TypingSettings rules_;
    bool autoThousandSeparator_ = true;
    bool error_ = false;
    QString undoText_;
};

} // namespace maskwell
