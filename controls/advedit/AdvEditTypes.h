#pragma once

#include <QString>
#include <functional>
#include <qnamespace.h>

class QObject;

// The enumerations and event types of the advanced edit. The order of each
// enumeration is its stored ordinal.
namespace maskwell {

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

enum TEditAlign { eaLeft, eaRight, eaDefault, eaCenter };

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

enum TPersistenceLocation { plInifile, plRegistry };

enum TBorderStyle { bsNone, bsSingle };

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
