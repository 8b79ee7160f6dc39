// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>

// The rules of the address control that need no window: what a typed key does,
// how the octet texts are repaired, and how the address is read and written as
// text and as a number. The widget in IPEdit.h only translates events into these.
namespace maskwell {

// An octet field as the key rules see it when a key goes down in it.
struct OctetFieldState {
    int index = 0; // 0 to 3, the first octet first
    qsizetype textLength = 0;
    qsizetype selectedLength = 0;
    bool cursorAtEnd = true;
    // The control moved into this field after three digits, and no other key
    // has gone down here since: a "." typed now only confirms that move, so
    // that 192.168.0.1 typed with its dots lands in four fields.
    bool justAdvanced = false;
};

// What a character typed into an octet field does.
enum class OctetKeyVerdict {
    Accept,           // the field takes it (or, for Ctrl+A and Ctrl+C, selects or copies)
    Fill,             // the field takes it and is full: the key's release moves on
    Discard,          // it is dropped
    MoveToNextField,  // it is dropped and the next field takes the focus
    CarryToNextField, // the field is full: the next field takes the focus and the digit
};

// Digits and backspace are typed, "." moves on (dropped in the last field),
// Ctrl+A and Ctrl+C select and copy, anything else, control characters
// included, is dropped. A digit that finds fields 0 to 2 full, nothing
// selected and the cursor at the end, starts the next field, so that a quick
// typist who presses it before the third digit's key is up loses nothing. A
// full field refuses a digit typed inside it, and so does the last field.
OctetKeyVerdict FilterOctetCharacter(char16_t character, const OctetFieldState& field);

// What the release of the digit key that filled octet field `index` does, the
// field now holding `textLength` characters. Releasing any other key does nothing.
enum class OctetKeyUpAction {
    None,
    Repair,          // the last field is full: repair the address
    MoveToNextField, // the field is full: the next one takes the focus
};

OctetKeyUpAction OctetKeyUp(int index, qsizetype textLength);

// The four octet texts of an address, read and written one at a time: each
// write takes effect (and is announced) before the next step reads anything.
class OctetFields {
public:
    virtual ~OctetFields() = default;
    virtual QString OctetText(int index) const = 0;
    virtual void SetOctetText(int index, const QString& text) = 0;
};

// Repairs the octets the way leaving a field does: empty fields become "1"
// (first) or "0", all-zero texts likewise, leading zeros go, the first octet is
// clamped to 1..239 and the others to 0..255, any sign dropped ("-5" becomes the
// lowest value, "+7" is "7"). A text that is not a decimal number raises
// ConversionError at the clamping; the writes made before it stay.
void RepairOctets(OctetFields& fields);

// An integer read the lenient way: leading blanks, an optional sign, "$", "x"
// or "0x" for hexadecimal, then digits up to the first character that does not
// fit (or would take the value beyond 32 bits). Nothing readable gives 0.
std::int32_t LenientIntegerValue(QStringView text);

// The octet text written for one part of an address: its lenient value,
// remainder by 256 keeping the sign, in decimal ("300" -> "44", "-1" -> "-1").
QString NormalizeOctetText(QStringView part);

// The octet texts that writing `text` as the address sets, field 0 first: at
// most four, fewer when the text has fewer parts (the other fields keep theirs).
QStringList OctetTextsOfAddress(const QString& text);

// The address as a number, the first octet most significant. Each text must be
// a decimal integer, else ConversionError names it.
std::uint32_t OctetsValue(const std::array<QString, 4>& octets);

// The four decimal octet texts of a number, the most significant first.
std::array<QString, 4> OctetTextsOfValue(std::uint32_t value);

} // namespace maskwell
