// SPDX-License-Identifier: MIT
// TAdvEdit's input: keys, characters, mouse, focus and clipboard. One QKeyEvent
// carries what the rules treat as two steps: the key press (navigation and
// editing keys) and the typed character (the event's text). The key rules run
// first, then the character rules; the base edit sees only what they pass.
#include "controls/advedit/AdvEdit.h"
#include "controls/advedit/AdvEditLookup.h"
#include "controls/advedit/AdvEditMenu.h"
#include "controls/advedit/AdvEditText.h"
#include "platform/ErrorBox.h"
#include "platform/Locale.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace maskwell {

namespace {

constexpr QChar kBackspace = QChar(8);
constexpr QChar kEnter = QChar(13);
constexpr QChar kEscape = QChar(27);

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// Keys the field handles itself even when they type nothing.
bool IsFieldKey(const QKeyEvent& event) {
    const int key = event.key();
    return IsNavigationKey(key) || key == Qt::Key_Delete || key == Qt::Key_Escape ||
           IsEnterKey(key) || event.matches(QKeySequence::SelectAll) ||
           event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo);
}

// The characters a key event types. Control, Alt and Meta combinations type
// nothing; Backspace, Enter and Escape are characters as well as keys.
QString TypedChars(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return QString(kBackspace);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(kEnter);
    case Qt::Key_Escape:
        return QString(kEscape);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    QString chars;
    for (const QChar c : event.text())
        if (c.isPrint())
            chars += c;
    return chars;
}

} // namespace

// --- Keyboard ----------------------------------------------------------------

void TAdvEdit::keyPressEvent(QKeyEvent* event) {
    Guarded([&] { HandleKeyPress(*event); });
}

void TAdvEdit::keyReleaseEvent(QKeyEvent* event) {
    Guarded([&] {
        int key = event->key();
        if (OnKeyUp)
            OnKeyUp(this, key, event->modifiers());
        if (key != 0)
            QLineEdit::keyReleaseEvent(event);
    });
}

void TAdvEdit::HandleKeyPress(QKeyEvent& event) {
    event.accept();
    // The clipboard keys are commands, whatever the edit type lets through.
    if (event.matches(QKeySequence::Copy))
        return CopyToClipboard();
    if (event.matches(QKeySequence::Cut))
        return CutToClipboard();
    if (event.matches(QKeySequence::Paste))
        return PasteFromClipboard();

    const int key = event.key();
    bool keyTaken = false;
    if (key == Qt::Key_Escape || IsEnterKey(key))
        keyTaken = SpecialKey(key);
    if (!keyTaken)
        KeyDown(event, key);
    const QString chars = TypedChars(event);
    for (const QChar ch : chars)
        TypeChar(event, ch);
    if (chars.isEmpty() && !IsFieldKey(event))
        event.ignore(); // function keys and Alt combinations belong to the window
}

// Escape and Enter, before the field's own key handling. True when the key
// itself is done with (the Escape undo).
bool TAdvEdit::SpecialKey(int key) {
    QWidget* parent = parentWidget();
    if (key == Qt::Key_Escape) {
        if (!value_.CanUndo())
            return false;
        SetText(value_.UndoText());
        look_.SetCurrentFontColor(look_.FocusFontColor());
        SelectValue();
        SetModified(false);
        // The window around still hears the Escape (a dialog closes on it).
        if (parent)
            PostKey(parent, Qt::Key_Escape, true);
        return true;
    }
    // Qt has no key preview on forms: the parent always hears the Enter.
    if (parent)
        PostKey(parent, key, true);
    return false;
}

void TAdvEdit::KeyDown(QKeyEvent& event, int key) {
    // Enter chooses from a shown lookup list; the list takes its other keys
    // before the field sees them.
    if (IsEnterKey(key) && lookupList_->Visible()) {
        lookupList_->Choose();
        return;
    }
    if (IsEnterKey(key) && returnIsTab_) {
        key = Qt::Key_Tab;
        if (isVisible())
            PostKey(this, Qt::Key_Tab, false);
    }
    const KeyDecision decision =
        DecideKeyDown(Settings(), Field(), key, event.modifiers() & Qt::ShiftModifier);
    if (decision.setModified)
        SetModified(true);
    if (decision.action == KeyAction::Consume)
        return;
    if (decision.action == KeyAction::Select) {
        ApplySelection(decision.selection);
        return;
    }
    DefaultKeyDown(event, key);
    if (key == Qt::Key_Delete && value_.Type() == etMoney)
        FormatMoney();
    // A selection reaching into the prefix (Select All) keeps its value part;
    // a bare key such as Ctrl alone must not drop it.
    const int p = static_cast<int>(value_.Prefix().size());
    if (p > 0 && SelStart() < p) {
        const int end = SelStart() + SelLength();
        if (end > p)
            ApplySelection({p, end - p});
        else
            SetCaret(p);
    }
}

// The base edit's handling of a key press: the key-down event, then the
// navigation and editing keys. Characters are typed by the character rules.
void TAdvEdit::DefaultKeyDown(QKeyEvent& event, int key) {
    if (OnKeyDown) {
        int handlerKey = key;
        OnKeyDown(this, handlerKey, event.modifiers());
        if (handlerKey == 0)
            return;
    }
    if (IsNavigationKey(key) || event.matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(&event);
        event.accept();
    } else if (key == Qt::Key_Delete) {
        if (!isReadOnly())
            del();
    } else if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo)) {
        QLineEdit::keyPressEvent(&event);
        if (isModified())
            SetModified(true);
    }
}

void TAdvEdit::TypeChar(QKeyEvent& event, QChar ch) {
    const FieldState field = Field();
    const int p = static_cast<int>(value_.Prefix().size());
    const CharDecision decision =
        DecideChar(Settings(), field, ch, event.modifiers() & Qt::KeypadModifier);
    switch (decision.action) {
    case CharAction::Consume:
    case CharAction::Refuse:
        return;
    case CharAction::KeyPressOnly:
        if (OnKeyPress) {
            QChar key = kEnter; // the handler's change is of no consequence
            OnKeyPress(this, key);
        }
        return;
    case CharAction::DefaultOnly:
        DefaultChar(event, decision.ch);
        return;
    case CharAction::RefuseAfterDecimal:
        CaretAfterDecimal();
        return;
    case CharAction::StartDecimal:
        WriteWindowText(value_.Composed(u'0' + QString(DecimalSeparator())));
        SetCaret(p + 2);
        SetModified(true);
        return;
    case CharAction::ToggleSign: {
        const SignToggle toggled = ToggledSign(Text(), field.Caret(), p);
        WriteWindowText(value_.Composed(toggled.value));
        SetCaret(toggled.caret);
        SetModified(true);
        if (field.selLength > 0)
            ApplySelection({toggled.caret, field.selLength});
        if (value_.Type() != etNumeric)
            return;
        break;
    }
    case CharAction::Drop:
        break;
    case CharAction::Overtype:
        ApplySelection({field.Caret(), 1});
        [[fallthrough]];
    case CharAction::Type:
        DefaultChar(event, decision.ch);
        if (value_.Type() == etMixedCase) {
            // Reshaping what was just typed keeps it a modification. The
            // caret goes behind an inserted character and stays where a
            // deletion left it.
            const bool modified = isModified();
            const int caret = decision.ch == kBackspace ? SelStart() : field.Caret() + 1;
            WriteWindowText(value_.Composed(MixedCaseText(Text())));
            SetCaret(caret);
            setModified(modified);
        } else if (value_.Type() == etMoney && RegroupsAfterTyping(Text(), decision.ch)) {
            if (isModified())
                SetModified(true);
            FormatMoney();
        }
        break;
    }
    StepsAfterChar();
}

// The base edit's handling of a character: the key-press event, then typing.
void TAdvEdit::DefaultChar(QKeyEvent& event, QChar ch) {
    if (OnKeyPress) {
        OnKeyPress(this, ch);
        if (ch.isNull())
            return;
    }
    if (ch == kEscape) {
        // Without the undo the window around handles Escape: leave it unaccepted.
        if (!value_.CanUndo())
            QLineEdit::keyPressEvent(&event);
        return;
    }
    if (isReadOnly())
        return;
    if (ch == kBackspace)
        backspace();
    else if (ch.isPrint())
        insert(QString(ch));
}

void TAdvEdit::StepsAfterChar() {
    if (TabsOnFullLength(Settings(), Field()))
        PostKey(this, Qt::Key_Tab, false);
    if (isModified())
        SetModified(true);
    lookupList_->Update(Text());
}

void TAdvEdit::PostKey(QObject* receiver, int key, bool withRelease) {
    QCoreApplication::postEvent(receiver, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    if (withRelease)
        QCoreApplication::postEvent(receiver,
                                    new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

// Text an input method commits (dead keys, compose, an IME) is typed as
// the keys would type it, one character at a time through the same rules;
// the composition shown while it is under way is the base edit's.
void TAdvEdit::inputMethodEvent(QInputMethodEvent* event) {
    Guarded([&] {
        const QString committed = event->commitString();
        if (committed.isEmpty()) {
            QLineEdit::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent composition(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&composition);
        event->accept();
        for (qsizetype i = 0; i < committed.size(); ++i) {
            const QChar ch = committed[i];
            if (ch.isHighSurrogate() && i + 1 < committed.size()) {
                // Beyond the rules' reach (a character of two halves): only a
                // field that takes every character takes it.
                const QString pair = committed.mid(i++, 2);
                const TAdvEditType type = value_.Type();
                if ((type == etString || type == etPassword) && value_.LengthLimit() <= 0 &&
                    !isReadOnly()) {
                    insert(pair);
                    StepsAfterChar();
                }
                continue;
            }
            if (!ch.isPrint())
                continue;
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            TypeChar(key, ch);
        }
    });
}

// --- Mouse -------------------------------------------------------------------

void TAdvEdit::mousePressEvent(QMouseEvent* event) {
    Guarded([&] {
        if (dragDrop_->Press(*event, hasFocus() && !focusFromClick_))
            return;
        QLineEdit::mousePressEvent(event);
        emit MousePressed(event->button(), event->modifiers(), event->position().toPoint());
    });
}

void TAdvEdit::mouseMoveEvent(QMouseEvent* event) {
    Guarded([&] {
        if (dragDrop_->LineEditSeesMove(*event))
            QLineEdit::mouseMoveEvent(event);
        emit MouseMoved(event->modifiers(), event->position().toPoint());
        dragDrop_->Move();
    });
}

void TAdvEdit::mouseReleaseEvent(QMouseEvent* event) {
    Guarded([&] {
        // The middle button pastes the X11 selection, a way past the paste rules.
        if (event->button() == Qt::MiddleButton) {
            event->accept();
            return;
        }
        if (event->button() == Qt::LeftButton)
            dragDrop_->Release(*event);
        QLineEdit::mouseReleaseEvent(event);
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton) {
            if (const std::optional<Selection> kept =
                    SelectionAfterMouseRelease(Settings(), Field()))
                ApplySelection(*kept);
        }
        emit MouseReleased(event->button(), event->modifiers(), at);
        if (event->button() == Qt::LeftButton && rect().contains(at))
            emit Clicked();
    });
}

void TAdvEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    Guarded([&] {
        QLineEdit::mouseDoubleClickEvent(event);
        emit DoubleClicked();
    });
}

// --- Focus -------------------------------------------------------------------

void TAdvEdit::focusInEvent(QFocusEvent* event) {
    Guarded([&] {
        // Selecting on entry is the field's own decision (AutoSelect), so the
        // base edit is not told that the focus came by Tab.
        const Qt::FocusReason reason = event->reason();
        const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::ShortcutFocusReason;
        QFocusEvent neutral(QEvent::FocusIn, tabbed ? Qt::OtherFocusReason : reason);
        QLineEdit::focusInEvent(&neutral);
        // A popup (the context menu) takes the keyboard only for a moment.
        if (reason == Qt::PopupFocusReason)
            return;
        emit FocusEntered();
        if (!loading_)
            FocusEntry();
    });
}

void TAdvEdit::focusOutEvent(QFocusEvent* event) {
    Guarded([&] {
        const bool popup = event->reason() == Qt::PopupFocusReason;
        if (!popup && !loading_)
            FocusExitBeforeBase();
        QLineEdit::focusOutEvent(event);
        if (popup)
            return;
        emit FocusExited();
        if (!loading_)
            FocusExitAfterBase();
    });
}

void TAdvEdit::FocusEntry() {
    value_.SetUndoText(Text());
    look_.FocusEntered(value_.Error(), IsUrl());
    if (autoSelect_)
        SelectValue();
    else if (value_.IsFloatType())
        CaretBeforeDecimal();
    label_.FocusChanged(true);
    if (focusWidthInc_ > 0 && !alignSwitching_)
        SetWidth(width() + focusWidthInc_);
    if (focusAlign_ != eaDefault && focusAlign_ != editAlign_) {
        savedAlign_ = editAlign_;
        alignSwitched_ = true;
        alignSwitching_ = true;
        SetEditAlign(focusAlign_);
        alignSwitching_ = false;
    }
    if ((!look_.EmptyText().isEmpty() && Text().isEmpty()) || look_.FocusBorder())
        repaint();
}

void TAdvEdit::FocusExitBeforeBase() {
    look_.FocusLeft(value_.Error(), IsUrl());
    label_.FocusChanged(false);
    if (value_.IsFloatType()) {
        if (Text().isEmpty())
            SetFloatValue(0);
        if (value_.Precision() > 0)
            SetFloatValue(FloatValue());
    }
    if (value_.Type() == etNumeric && Text().isEmpty())
        SetText(QStringLiteral("0"));
    if (OnValueValidate) {
        bool isValid = true; // only heard here; the error look follows changes
        OnValueValidate(this, Text(), isValid);
    }
}

void TAdvEdit::FocusExitAfterBase() {
    if (look_.FocusBorder())
        repaint();
    if (alignSwitching_)
        return;
    if (focusWidthInc_ > 0)
        SetWidth(width() - focusWidthInc_);
    // Only an alignment switched at entry is switched back.
    if (alignSwitched_ && focusAlign_ != eaDefault && savedAlign_ != editAlign_)
        SetEditAlign(savedAlign_);
    alignSwitched_ = false;
    if ((!look_.EmptyText().isEmpty() && Text().isEmpty()) || look_.ErrorMarkerLen() > 0)
        repaint();
}

// --- Clipboard ---------------------------------------------------------------

void TAdvEdit::CopyToClipboard() {
    if (OnClipboardCopy) {
        bool allow = true;
        OnClipboardCopy(this, SelectedValuePart(Settings(), Field()), allow);
        if (!allow)
            return;
    }
    copy();
}

void TAdvEdit::CutToClipboard() {
    if (OnClipboardCut) {
        bool allow = true;
        OnClipboardCut(this, SelectedValuePart(Settings(), Field()), allow);
        if (!allow)
            return;
    }
    // A masked text never leaves the field; a read-only one is only copied.
    if (echoMode() != QLineEdit::Normal || !hasSelectedText())
        return;
    copy();
    if (!isReadOnly())
        del();
}

void TAdvEdit::PasteFromClipboard() {
    if (isReadOnly())
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) {
        lookupList_->Update(Text());
        return;
    }
    const QString pasted = data->text();
    const TypingSettings settings = Settings();
    const FieldState field = Field();
    if (OnClipboardPaste) {
        bool allow = true;
        OnClipboardPaste(this, SelectedValuePart(settings, field), allow);
        if (!allow)
            return;
    }
    const PasteMerge merged = MergePaste(settings, field, pasted);
    const PasteDecision decision = DecidePaste(settings, merged.value, pasted);
    switch (decision.action) {
    case PasteAction::Ignore:
        break;
    case PasteAction::SetText:
        SetText(decision.value);
        break;
    case PasteAction::SetTextModified:
        SetText(decision.value);
        SetModified(true);
        break;
    case PasteAction::SetTextReformatted:
        SetText(decision.value);
        SetFloatValue(FloatValue());
        SetModified(true);
        break;
    }
    if (value_.Type() == etMoney && Text().size() > 3)
        SelectValue();
    else
        ApplySelection(merged.selection);
    switch (value_.Type()) {
    case etString:
    case etUppercase:
    case etMixedCase:
    case etLowerCase:
    case etPassword:
        SetModified(true);
        break;
    default:
        break;
    }
    lookupList_->Update(Text());
}

// The line edit's own menu calls its clipboard slots directly; this one sends
// every entry through the field's rules.
void TAdvEdit::contextMenuEvent(QContextMenuEvent* event) {
    Guarded([&] {
        const auto undoOrRedo = [this](void (QLineEdit::*step)()) {
            (this->*step)();
            if (isModified())
                SetModified(true);
        };
        TEditMenuActions actions;
        actions.undo = [undoOrRedo] { undoOrRedo(&QLineEdit::undo); };
        actions.redo = [undoOrRedo] { undoOrRedo(&QLineEdit::redo); };
        actions.cut = [this] { CutToClipboard(); };
        actions.copy = [this] { CopyToClipboard(); };
        actions.paste = [this] { PasteFromClipboard(); };
        actions.deleteSelection = [this] {
            QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
            HandleKeyPress(del);
        };
        PopupEditMenu(*this, event->globalPos(), actions);
    });
}

} // namespace maskwell
