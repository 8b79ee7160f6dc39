// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <qnamespace.h>

class QObject;

// The enumerations and event types of the advanced edit. The order of each
// enumeration is its stored ordinal.
namespace maskwell {

// Registered with the meta-object system so that forms store them by name.
namespace AdvEditEnums {
Q_NAMESPACE

enum TAdvEditType {
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric
};
Q_ENUM_NS(TAdvEditType)

enum TEditAlign { eaLeft, eaRight, eaDefault, eaCenter };
Q_ENUM_NS(TEditAlign)

enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter
};
Q_ENUM_NS(TLabelPosition)

enum TPersistenceLocation { plInifile, plRegistry };
Q_ENUM_NS(TPersistenceLocation)

enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

} // namespace AdvEditEnums

using AdvEditEnums::TAdvEditType;
using AdvEditEnums::TBorderStyle;
using AdvEditEnums::TEditAlign;
using AdvEditEnums::TLabelPosition;
using AdvEditEnums::TPersistenceLocation;
using enum AdvEditEnums::TAdvEditType;
using enum AdvEditEnums::TBorderStyle;
using enum AdvEditEnums::TEditAlign;
using enum AdvEditEnums::TLabelPosition;
using enum AdvEditEnums::TPersistenceLocation;

// The handler may declare the value invalid.
using TValueValidateEvent =
    std::function<void(QObject* sender, const QString& value, bool& isValid)>;

// The handler may forbid the clipboard operation on the given part of the value.
using TClipboardEvent = std::function<void(QObject* sender, const QString& value, bool& allow)>;

// The handler may replace the text a lookup choice puts into the field.
using TLookupSelectEvent = std::function<void(QObject* sender, QString& value)>;

// The framework's keyboard events: a handler that sets the key to 0 stops the
// control's own handling of it.
using TKeyPressEvent = std::function<void(QObject* sender, QChar& key)>;
using TKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)>;

} // namespace maskwell
