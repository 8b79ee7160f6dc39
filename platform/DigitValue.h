// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>

namespace maskwell {

// The value of a digit in a number of the given base (up to 16; letters in
// either case), or -1 when the character is no digit of that base.
constexpr int DigitValue(QChar character, int base = 16) {
    const char16_t c = character.unicode();
    int digit = -1;
    if (c >= u'0' && c <= u'9')
        digit = c - u'0';
    else if (c >= u'a' && c <= u'f')
        digit = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        digit = c - u'A' + 10;
    return digit < base ? digit : -1;
}

} // namespace maskwell
