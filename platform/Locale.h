// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>

class QLocale;

namespace maskwell {

// The two characters the number formats of the edit controls use. They are read
// once, on first use, from the user's locale; tests set them explicitly.
struct NumberSeparators {
    QChar decimal;
    QChar thousand;
};

// The separators a locale gives, made usable: a separator that is empty or
// longer than one character falls back to "." for the decimal separator and to
// "," (or "." where "," is the decimal separator) for the thousand separator,
// and so does a thousand separator equal to the decimal separator.
NumberSeparators SeparatorsOf(const QLocale& locale);

QChar DecimalSeparator();
QChar ThousandSeparator();
void SetDecimalSeparator(QChar separator);
void SetThousandSeparator(QChar separator);

} // namespace maskwell
