// SPDX-License-Identifier: MIT
#include "platform/Accelerator.h"

namespace maskwell {

PrefixedText StripAcceleratorPrefix(const QString& caption) {
    PrefixedText result;
    result.text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            result.text += caption[i];
            continue;
        }
        if (++i == caption.size())
            break;
        if (caption[i] != u'&')
            result.underline = result.text.size();
        result.text += caption[i];
    }
    return result;
}

QChar AcceleratorChar(const QString& caption) {
    const PrefixedText shown = StripAcceleratorPrefix(caption);
    return shown.underline < 0 ? QChar() : shown.text[shown.underline];
}

bool IsAccel(QChar key, const QString& caption) {
    const QChar accelerator = AcceleratorChar(caption);
    return !accelerator.isNull() && !key.isNull() && accelerator.toUpper() == key.toUpper();
}

} // namespace maskwell
