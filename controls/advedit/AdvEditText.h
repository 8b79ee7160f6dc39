// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEditTypes.h"

#include <QString>
#include <cstdint>

// The value text of an advanced edit: what kind of number a text is, how it
// reads as a number, and how a value is normalised and formatted for an edit
// type. Everything here works on plain text with the locale's separators
// (platform/Locale.h); no window is involved.
namespace maskwell {

// The kinds ClassifyText tells apart, compared by their numbers: anything
// greater than tcFloat is no number the float types accept.
enum TTextClass { tcInteger = 0, tcFloat = 1, tcOther = 2, tcHex = 5 };

TTextClass ClassifyText(const QString& text);

QString StripThousandSeparators(QString text);

// The text as a number: thousand separators removed, the decimal separator of
// the locale, an optional exponent; anything that does not convert gives 0.
double ParseFloatLenient(const QString& text);

// Hexadecimal digits summed from the right; any other character counts 0 and
// the sum wraps at 32 bits.
std::int32_t HexTextToInt(const QString& text);

// Names as people write them: O'Neil-Smith, McDonald, Henry III.
QString MixedCaseText(const QString& text);

// A web address ("://") or an e-mail address ("@" after the first character).
bool IsUrlText(const QString& value);

// 1-based position of the decimal separator in value, 0 when there is none.
int DecimalSeparatorPos(const QString& value);

// The value inside a window text: a leading prefix is removed when it is there,
// the suffix's length is always cut from the end.
QString ValueOfWindowText(const QString& windowText, const QString& prefix, const QString& suffix);

// A value as the field stores it when it is assigned: replaced by "0" when it
// does not fit the type, formatted to precision decimals for the float types,
// upper case for hexadecimal.
QString NormalizedValue(QString value, TAdvEditType type, int precision);

// The value read as a number for the type; 0 for the text types.
double FloatValueOf(const QString& value, TAdvEditType type);

// The text a number is written with into a float (etFloat, etMoney) field,
// before money grouping; other types get the general format.
QString FloatValueText(double value, TAdvEditType type, int precision);

// The text an integer is written with: upper-case hexadecimal for etHex (the
// 32-bit pattern of a negative number), decimal otherwise.
QString IntValueText(std::int32_t value, TAdvEditType type);

// A money value with its integer part regrouped: sign, the integer part of its
// number (grouped when autoThousandSeparator), and its fraction as typed.
QString RegroupedMoney(const QString& value, bool autoThousandSeparator);

} // namespace maskwell
