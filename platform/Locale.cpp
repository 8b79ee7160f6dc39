// SPDX-License-Identifier: MIT
#include "platform/Locale.h"

#include <QLocale>

namespace maskwell {

namespace {

NumberSeparators& Current() {
    static NumberSeparators separators = SeparatorsOf(QLocale::system());
    return separators;
}

} // namespace

NumberSeparators SeparatorsOf(const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    const QString thousand = locale.groupSeparator();
    NumberSeparators result;
    result.decimal = decimal.size() == 1 ? decimal.at(0) : QChar(u'.');
    if (thousand.size() == 1 && thousand.at(0) != result.decimal)
        result.thousand = thousand.at(0);
    else
        result.thousand = result.decimal == u',' ? QChar(u'.') : QChar(u',');
    return result;
}

QChar DecimalSeparator() {
    return Current().decimal;
}
QChar ThousandSeparator() {
    return Current().thousand;
}
void SetDecimalSeparator(QChar separator) {
    Current().decimal = separator;
}
void SetThousandSeparator(QChar separator) {
    Current().thousand = separator;
}

} // namespace maskwell
