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

// Virtual-key code of the main keyboard's "." key.
inline constexpr int vkOemPeriod = 190;

// What a character typed into octet field `index` (0 to 3) does.
enum class OctetKeyVerdict {
    Accept,          // the field takes it
    Discard,         // it is dropped
    MoveToNextField, // it is dropped and the next field takes the focus
};

// Digits and backspace are taken, "." moves on (dropped in the last field),
// anything else, control characters included, is dropped. `justAdvanced` is true
// while the field is the one the control moved into after three digits and no
// other key has been pressed there: a "." typed then only confirms that move,
// so that 192.168.0.1 typed with its dots lands in four fields.
OctetKeyVerdict FilterOctetCharacter(char16_t character, int index, bool justAdvanced);

// What the release of a key (by its virtual-key code) does in octet field `index`
// holding `textLength` characters.
enum class OctetKeyUpAction {
    None,
    Repair,          // the last field is full: repair the address
    MoveToNextField, // the field is full: the next one takes the focus
};

OctetKeyUpAction OctetKeyUp(int virtualKey, int index, qsizetype textLength);

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
