// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Numbers as the edit controls show them, with the locale's separators
// (platform/Locale.h). The names follow the format letters they stand for.
namespace maskwell {

// "%.Nf": fixed decimals, no grouping ("-1234.50"). decimals is clamped to 0..18.
QString FormatFixed(double value, int decimals);

// "%.Nn": fixed decimals with the integer part grouped in threes ("-1,234.50").
QString FormatNumber(double value, int decimals);

// "%g": the shortest text with up to 15 significant digits; an exponent
// ("1.5E+20", "1E-05") when the decimal exponent is below -4 or at least 15.
QString FormatGeneral(double value);

// The digits of "%g" (up to 15 significant, trailing zeros dropped) written
// out without an exponent: "100000000000000000000", "0.00001", "-1234.5".
// A value that is not finite is written "0".
QString FormatPlain(double value);

} // namespace maskwell
