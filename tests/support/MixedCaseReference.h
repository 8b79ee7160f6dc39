// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace maskwell::test {

// The mixed-case word rules as they were first written: after each character
// the text so far is searched for " Mc" and a closing " I" or " II". Slow on
// long texts, and plain to read: the reference the linear walk of
// MixedCaseText is checked against (a test, a fuzz harness) and measured
// beside (a benchmark).
inline QString MixedCaseReference(const QString& text) {
    const auto upper = [](QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; };
    const auto lower = [](QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c; };
    QString result;
    bool wordStart = true;
    const int n = static_cast<int>(text.size());
    for (int i = 1; i <= n; ++i) {
        const QChar c = text[i - 1];
        if (QStringLiteral(" ',-.").contains(c)) {
            result += c;
            wordStart = true;
        } else {
            result += wordStart ? upper(c) : lower(c);
            wordStart = false;
        }
        const bool afterMc = result == u"Mc" || (i > 2 && result.indexOf(u" Mc") + 1 == i - 2);
        const bool atClosingNumeral =
            i > n - 3 && (result.endsWith(u" I") || result.endsWith(u" II"));
        if (afterMc || atClosingNumeral)
            wordStart = true;
    }
    return result;
}

} // namespace maskwell::test
