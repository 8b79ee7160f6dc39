// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

namespace maskwell {

// How much of an argument a message quotes before it is cut.
inline constexpr qsizetype PrintableArgumentLength = 80;

// An argument as a one-line message may quote it: control characters and
// invisible format characters written as escapes ("\n", "\t", "\r", "\x1B",
// "\u202E"), so that the message stays one line and cannot steer the terminal,
// and anything past PrintableArgumentLength characters cut off with "…".
QString PrintableArgument(QStringView text);

} // namespace maskwell
