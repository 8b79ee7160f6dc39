// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEditTypes.h"

#include <QString>
#include <optional>

// The decisions of the advanced edit's keyboard, mouse and paste rules, taken
// on a snapshot of the field. The widget turns Qt events into these calls and
// carries out what they decide.
namespace maskwell {

// The settings the rules look at.
struct TypingSettings {
    TAdvEditType editType = etString;
    QString prefix;
    QString suffix;
    int precision = 0;
    bool isSigned = false;
    int lengthLimit = 0;
    bool tabOnFullLength = false;
    bool excelStyleDecimalSeparator = false;
    bool canUndo = true;
    bool readOnly = false;
};

// The whole window text (prefix + value + suffix) and its selection; the caret
// is the selection start, as the rules count it.
struct FieldState {
    QString text;
    int selStart = 0;
    int selLength = 0;

    int Caret() const { return selStart; }
    int SelEnd() const { return selStart + selLength; }
};

// A selection to apply, as QLineEdit::setSelection takes it: a negative length
// leaves the caret at the start of the selected range.
struct Selection {
    int start = 0;
    int length = 0;
    friend bool operator==(const Selection&, const Selection&) = default;
};

QString ValueOf(const TypingSettings& settings, const FieldState& field);
// Prefix length + value length: the index just after the value.
int EndOfValue(const TypingSettings& settings, const FieldState& field);

// 1-based position of the decimal separator once thousand separators are gone,
// or the length + 1: one more than the characters of the integer part.
int IntPartEnd(const QString& text);

// The caret index from which on the integer part is behind the caret.
int DecimalCaretPos(const QString& value, int prefixLength, int suffixLength);

// The decimal part is full and the caret stands in it.
bool DecimalsFull(const QString& value, int caret, int prefixLength, int precision);

// A thousand separator typed at the caret would not stand exactly three places
// from its nearest neighbour.
bool ThousandSeparatorMisplaced(const QString& value, int caret, int prefixLength);

// The value with its sign switched ("-" added in front or taken away) and where
// the caret goes.
struct SignToggle {
    QString value;
    int caret = 0;
};
SignToggle ToggledSign(const QString& value, int caret, int prefixLength);

// The value as a Backspace or a Delete would leave it.
QString ValueAfterBackspace(const TypingSettings& settings, const FieldState& field);
QString ValueAfterDelete(const TypingSettings& settings, const FieldState& field);

// What becomes of one typed character.
enum class CharAction {
    Consume,            // nothing happens at all
    KeyPressOnly,       // Enter: the key-press event sees it, nothing is typed
    DefaultOnly,        // the base edit's handling, nothing after it
    Type,               // typed (as `ch`), then the steps after a character
    Drop,               // not typed, but the steps after a character run
    Refuse,             // not typed, nothing after it
    RefuseAfterDecimal, // the caret moves behind the decimal separator; not typed
    Overtype,           // the character after the caret is selected, then Type
    StartDecimal,       // the empty value becomes "0" + decimal separator
    ToggleSign,         // "-" switches the sign of the value
};
struct CharDecision {
    CharAction action = CharAction::Type;
    QChar ch;
};
CharDecision DecideChar(const TypingSettings& settings, const FieldState& field, QChar ch,
                        bool fromKeypad);

// After a typed character of etMoney: the value is regrouped unless it is empty,
// a lone "-", or the character was the decimal separator.
bool RegroupsAfterTyping(const QString& value, QChar typed);

// Whether the steps after a character post a Tab: the integer part is full and
// the caret stands right after it.
bool TabsOnFullLength(const TypingSettings& settings, const FieldState& field);

// What becomes of a key press (navigation and editing keys, Qt::Key codes).
enum class KeyAction {
    Default, // the base edit handles the key
    Consume, // nothing more happens
    Select,  // `selection` is applied, nothing more happens
};
struct KeyDecision {
    KeyAction action = KeyAction::Default;
    bool setModified = false; // the field is marked modified first
    Selection selection;
};
KeyDecision DecideKeyDown(const TypingSettings& settings, const FieldState& field, int key,
                          bool shift);

// After a mouse release: the caret and selection kept out of prefix and suffix,
// or nothing when they already are.
std::optional<Selection> SelectionAfterMouseRelease(const TypingSettings& settings,
                                                    const FieldState& field);

// A paste: the value with the selection replaced by the pasted text, and the
// selection that follows (the pasted text selected when it replaced one, the
// caret after it otherwise).
struct PasteMerge {
    QString value;
    Selection selection;
};
PasteMerge MergePaste(const TypingSettings& settings, const FieldState& field,
                      const QString& pasted);

enum class PasteAction {
    Ignore,             // the value stays
    SetText,            // the value is assigned
    SetTextModified,    // assigned and marked modified
    SetTextReformatted, // assigned, written again as a number, marked modified
};
struct PasteDecision {
    PasteAction action = PasteAction::Ignore;
    QString value;
};
PasteDecision DecidePaste(const TypingSettings& settings, const QString& newValue,
                          const QString& pasted);

// The selected part of the value, as the clipboard events receive it.
QString SelectedValuePart(const TypingSettings& settings, const FieldState& field);

} // namespace maskwell
