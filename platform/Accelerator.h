// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QString>

namespace maskwell {

// The accelerator prefix of captions: "&x" shows x underlined and makes x the
// caption's accelerator key; "&&" shows one "&". A caption with several "&x"
// underlines and answers to the last one only; a lone "&" at the very end is
// dropped.
struct PrefixedText {
    QString text;             // the caption as shown, prefixes removed
    qsizetype underline = -1; // index in text of the underlined character, or -1
};

PrefixedText StripAcceleratorPrefix(const QString& caption);

// The caption's accelerator character as written in it, or a null QChar.
QChar AcceleratorChar(const QString& caption);

// True when key is the caption's accelerator, letters compared without regard
// to case (a caption "E&xit" answers to both x and X).
bool IsAccel(QChar key, const QString& caption);

} // namespace maskwell
