// SPDX-License-Identifier: MIT
#include "app/TerminalText.h"

#include <QList>

namespace maskwell {

namespace {

bool NeedsEscape(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format ||
           category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
}

QString Escape(char32_t c) {
    switch (c) {
    case U'\n':
        return QStringLiteral("\\n");
    case U'\r':
        return QStringLiteral("\\r");
    case U'\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    const int digits = c < 0x100 ? 2 : 4;
    return (digits == 2 ? QStringLiteral("\\x") : QStringLiteral("\\u")) +
           QString::number(static_cast<uint>(c), 16).rightJustified(digits, u'0').toUpper();
}

} // namespace

QString PrintableArgument(QStringView text) {
    QString shown;
    qsizetype characters = 0;
    for (const char32_t c : text.toUcs4()) {
        if (characters == PrintableArgumentLength) {
            shown += u'\u2026';
            break;
        }
        if (NeedsEscape(c))
            shown += Escape(c);
        else
            shown += QString::fromUcs4(&c, 1);
        ++characters;
    }
    return shown;
}

} // namespace maskwell
