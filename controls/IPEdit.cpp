// SPDX-License-Identifier: MIT
#include "controls/IPEdit.h"

#include "controls/OctetText.h"
#include "core/Error.h"
#include "platform/ErrorBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <algorithm>
#include <optional>

namespace maskwell {

namespace {

// Qt's own limit of a line edit's text, i.e. none.
constexpr int kUnlimitedLength = 32767;

// Switching windows, opening a popup or a context menu and visiting the menu
// bar take the keyboard away for a while; the focus stays where it is.
bool LeavesFocusInPlace(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

// The character a key press types as the platform's edit fields see it:
// Control with a letter types its control code (so the copy, cut and paste
// shortcuts arrive as characters); Delete, Tab and Alt combinations type none.
std::optional<char16_t> TypedCharacter(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete)
        return std::nullopt;
    if (control && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return static_cast<char16_t>(key - Qt::Key_A + 1);
        if (key == Qt::Key_Backspace)
            return u'\x7F';
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return u'\n';
        return std::nullopt;
    }
    if (alt && !control)
        return std::nullopt;
    if (key == Qt::Key_Backspace)
        return u'\b';
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    return text.front().unicode();
}

bool TypedWithAltOrMeta(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return (modifiers & (Qt::AltModifier | Qt::MetaModifier)) &&
           !modifiers.testFlag(Qt::ControlModifier) && !event.text().isEmpty() &&
           event.text().front().isPrint();
}

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

// ---- TIPByteEdit

TIPByteEdit::TIPByteEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setText(QStringLiteral("0"));
    // Text reaches a field only by typing (through the key filter), by code
    // and by the clipboard, as in the platform's plain edit fields.
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TIPByteEdit::SetAlignment(TAlignment value) {
    if (value == alignment_)
        return;
    alignment_ = value;
    const Qt::Alignment horizontal = value == taLeftJustify    ? Qt::AlignLeft
                                     : value == taRightJustify ? Qt::AlignRight
                                                               : Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignVCenter);
}

int TIPByteEdit::EditLimit() const {
    return maxLength_ > 0 ? maxLength_ : kUnlimitedLength;
}

void TIPByteEdit::SetMaxLength(int value) {
    maxLength_ = std::max(value, 0);
    // A longer text written by code keeps its length until it is replaced.
    if (text().size() <= EditLimit())
        setMaxLength(EditLimit());
}

void TIPByteEdit::SetText(const QString& value) {
    if (value == text())
        return;
    // Qt cuts any text to the edit limit; code may write past it.
    if (value.size() > maxLength())
        setMaxLength(static_cast<int>(value.size()));
    setText(value);
    if (value.size() <= EditLimit() && maxLength() != EditLimit())
        setMaxLength(EditLimit());
}

void TIPByteEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::MouseFocusReason && !LeavesFocusInPlace(reason))
        selectAll();
}

// ---- TIPEdit

class TIPEdit::Fields : public OctetFields {
public:
    explicit Fields(const TIPEdit& owner) : owner_(owner) {}
    QString OctetText(int index) const override { return owner_.ByteEdit(index)->Text(); }
    void SetOctetText(int index, const QString& text) override {
        owner_.ByteEdit(index)->SetText(text);
    }

private:
    const TIPEdit& owner_;
};

TIPEdit::TIPEdit(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    resize(185, 21);
    SetColor(clWindow);

    for (int i = 0; i < 4; ++i) {
        auto* field = new TIPByteEdit(this);
        field->SetTag(i);
        field->SetMaxLength(3);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, [this] { ByteChange(); });
        FByteEdits[static_cast<std::size_t>(i)] = field;

        auto* dot = new QLabel(QStringLiteral("."), this);
        dot->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        dot->adjustSize();
        dot->installEventFilter(this);
        FDotLabels[static_cast<std::size_t>(i)] = dot;
    }
    FDotLabels[3]->clear();
    FDotLabels[3]->adjustSize();
    FDotLabels[3]->hide();

    // setFocus() on the control lands in the first field.
    setFocusProxy(FByteEdits[0]);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && !isAncestorOf(now))
            focusWithin_ = false;
    });
}

TIPEdit::~TIPEdit() {
    // Taking the fields away moves the focus; that is neither a repair nor an exit.
    for (std::size_t i = 0; i < 4; ++i) {
        FByteEdits[i]->removeEventFilter(this);
        FByteEdits[i]->disconnect(this);
        FDotLabels[i]->removeEventFilter(this);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        delete FByteEdits[i];
        delete FDotLabels[i];
    }
}

QString TIPEdit::Text() const {
    QStringList octets;
    for (const TIPByteEdit* field : FByteEdits)
        octets << field->Text();
    return octets.join(u'.');
}

void TIPEdit::SetText(const QString& value) {
    const QStringList octets = OctetTextsOfAddress(value);
    for (qsizetype i = 0; i < octets.size(); ++i)
        FByteEdits[static_cast<std::size_t>(i)]->SetText(octets[i]);
}

std::uint32_t TIPEdit::Value() const {
    std::array<QString, 4> octets;
    for (std::size_t i = 0; i < 4; ++i)
        octets[i] = FByteEdits[i]->Text();
    return OctetsValue(octets);
}

void TIPEdit::SetValue(std::uint32_t value) {
    const std::array<QString, 4> octets = OctetTextsOfValue(value);
    for (int i = 3; i >= 0; --i)
        FByteEdits[static_cast<std::size_t>(i)]->SetText(octets[static_cast<std::size_t>(i)]);
}

void TIPEdit::SetColor(TColor value) {
    color_ = value;
    QPalette colours = palette();
    const QColor colour = ResolveColor(value, colours);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Window, colour);
        colours.setColor(group, QPalette::Base, colour);
    }
    setPalette(colours); // the fields and dots take it from here
}

int TIPEdit::FieldIndex(const QObject* object) const {
    const auto found = std::find(FByteEdits.begin(), FByteEdits.end(), object);
    return found == FByteEdits.end() ? -1 : static_cast<int>(found - FByteEdits.begin());
}

int TIPEdit::DotIndex(const QObject* object) const {
    const auto found = std::find(FDotLabels.begin(), FDotLabels.end(), object);
    return found == FDotLabels.end() ? -1 : static_cast<int>(found - FDotLabels.begin());
}

bool TIPEdit::eventFilter(QObject* watched, QEvent* event) {
    if (const int field = FieldIndex(watched); field >= 0) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return ByteKeyPress(field, static_cast<const QKeyEvent&>(*event));
        case QEvent::KeyRelease:
            ByteKeyUp(field, static_cast<const QKeyEvent&>(*event));
            return false;
        case QEvent::FocusIn:
            ByteFocusIn(static_cast<const QFocusEvent&>(*event));
            // A field the focus only passes through on its way to field 0
            // never takes it in.
            return FByteEdits[static_cast<std::size_t>(field)] != QApplication::focusWidget();
        case QEvent::FocusOut:
            ByteExit(static_cast<const QFocusEvent&>(*event));
            return false;
        case QEvent::ContextMenu:
            return ByteContextMenu(FByteEdits[static_cast<std::size_t>(field)],
                                   static_cast<const QContextMenuEvent&>(*event));
        case QEvent::MouseButtonRelease:
            // The X11 selection paste, where the desktop has a selection.
            if (static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton) {
                const QClipboard* clipboard = QGuiApplication::clipboard();
                if (clipboard->supportsSelection())
                    Paste(clipboard->text(QClipboard::Selection));
                return true;
            }
            [[fallthrough]];
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            PartMouse(FByteEdits[static_cast<std::size_t>(field)],
                      static_cast<const QMouseEvent&>(*event), false);
            return false;
        default:
            return false;
        }
    }
    if (const int dot = DotIndex(watched); dot >= 0) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // Taken here so that the panel underneath does not see it too.
            return PartMouse(FDotLabels[static_cast<std::size_t>(dot)],
                             static_cast<const QMouseEvent&>(*event), true);
        default:
            return false;
        }
    }
    return QFrame::eventFilter(watched, event);
}

bool TIPEdit::ByteKeyPress(int index, const QKeyEvent& event) {
    if (IsModifierKey(event.key()))
        return false;
    const bool justAdvanced = justAdvanced_ == index;
    justAdvanced_ = -1;
    fillingKey_.reset(); // another key went down: the digit's release no longer moves on
    if (event.matches(QKeySequence::Paste)) {
        Paste(QGuiApplication::clipboard()->text());
        return true;
    }
    // A character typed with Alt or Meta held is no digit; the base edit would
    // type it all the same. (Alt with a menu's letter never gets here: the
    // menu's shortcut takes it first.)
    if (TypedWithAltOrMeta(event))
        return true;
    const std::optional<char16_t> character = TypedCharacter(event);
    if (!character)
        return false; // a key that types nothing edits as usual
    const TIPByteEdit* field = FByteEdits[static_cast<std::size_t>(index)];
    const OctetFieldState state{index, field->Text().size(), field->selectedText().size(),
                                field->cursorPosition() == field->Text().size(), justAdvanced};
    switch (FilterOctetCharacter(*character, state)) {
    case OctetKeyVerdict::Accept:
        return false;
    case OctetKeyVerdict::Fill:
        fillingKey_ = KeyDown{index, event.key(), event.nativeScanCode()};
        return false;
    case OctetKeyVerdict::Discard:
        return true;
    case OctetKeyVerdict::MoveToNextField:
        MoveToField(index + 1);
        return true;
    case OctetKeyVerdict::CarryToNextField:
        MoveToField(index + 1);
        // Typed over the next field's text, which the move selected.
        ByteEdit(index + 1)->insert(QString(QChar(*character)));
        return true;
    }
    return true;
}

void TIPEdit::ByteKeyUp(int index, const QKeyEvent& event) {
    if (event.isAutoRepeat())
        return; // a held key is released once, at the end
    // Only the release of the digit that filled the field moves on: arrows,
    // Tab, Shift, the Ctrl combinations and the keys of a paste never do.
    if (!fillingKey_ || fillingKey_->field != index || !fillingKey_->IsReleasedBy(event))
        return;
    fillingKey_.reset();
    const TIPByteEdit* field = FByteEdits[static_cast<std::size_t>(index)];
    switch (OctetKeyUp(index, field->Text().size())) {
    case OctetKeyUpAction::None:
        break;
    case OctetKeyUpAction::Repair:
        Guarded([&] {
            ValidateOctets();
            FByteEdits[3]->selectAll();
        });
        break;
    case OctetKeyUpAction::MoveToNextField:
        MoveToField(index + 1);
        justAdvanced_ = index + 1;
        break;
    }
}

bool TIPEdit::KeyDown::IsReleasedBy(const QKeyEvent& event) const {
    // Told by the scan code where the platform gives one: the key's symbol
    // may change when a modifier comes up first.
    if (scanCode != 0 && event.nativeScanCode() != 0)
        return scanCode == event.nativeScanCode();
    return key == event.key();
}

void TIPEdit::MoveToField(int index) {
    FFocusMoved = true;
    TIPByteEdit* next = FByteEdits[static_cast<std::size_t>(index)];
    // Selected before the move: when leaving this field brings up a box (the
    // repair's error, the multicast notice), the focus arrives only after the
    // box has closed, and must still find the text ready to be typed over.
    next->selectAll();
    next->setFocus(Qt::OtherFocusReason);
}

void TIPEdit::ByteFocusIn(const QFocusEvent& event) {
    const bool entering = !focusWithin_;
    focusWithin_ = true;
    if (entering && !LeavesFocusInPlace(event.reason()))
        PanelEnter();
}

void TIPEdit::PanelEnter() {
    // The field the focus arrived in is passed over, not left.
    redirecting_ = true;
    FByteEdits[0]->setFocus(Qt::OtherFocusReason);
    redirecting_ = false;
    emit FocusEntered();
}

void TIPEdit::ByteExit(const QFocusEvent& event) {
    if (redirecting_ || LeavesFocusInPlace(event.reason()))
        return;
    justAdvanced_ = -1;
    fillingKey_.reset();
    QWidget* now = QApplication::focusWidget();
    const bool stays = now != nullptr && isAncestorOf(now);
    {
        const QScopedValueRollback<bool> moving(movingBetweenFields_, stays);
        Guarded([&] { ValidateOctets(); });
    }
    now = QApplication::focusWidget();
    if (focusWithin_ && (now == nullptr || !isAncestorOf(now))) {
        focusWithin_ = false;
        emit FocusExited();
    }
}

bool TIPEdit::PartMouse(QWidget* part, const QMouseEvent& event, bool isDot) {
    if (!part->isEnabled() || event.button() != Qt::LeftButton)
        return false;
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        pressed_ = part;
        justAdvanced_ = -1;
        break;
    case QEvent::MouseButtonRelease: {
        const bool click = pressed_ == part && part->rect().contains(event.position().toPoint());
        pressed_ = nullptr;
        if (click)
            isDot ? DotClick() : ByteClick();
        break;
    }
    case QEvent::MouseButtonDblClick:
        // The release that ends a double-click is no click of its own.
        pressed_ = nullptr;
        PartDblClick();
        break;
    default:
        break;
    }
    return true;
}

void TIPEdit::ByteClick() {
    if (FFocusMoved) {
        FFocusMoved = false; // the click that follows an automatic move is taken
        return;
    }
    emit Clicked();
}

void TIPEdit::DotClick() {
    emit Clicked();
}

void TIPEdit::PartDblClick() {
    emit DoubleClicked();
}

void TIPEdit::ByteChange() {
    emit TextChanged();
}

uint TIPEdit::ValueProperty() const {
    try {
        return Value();
    } catch (const ConversionError&) {
        return 0;
    }
}

// The free area between and around the fields; the border is not part of it.
// The panel keeps its mouse events: they do not reach the window beneath.
void TIPEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && contentsRect().contains(event->position().toPoint()))
        pressed_ = this;
    event->accept();
}

void TIPEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ == this && contentsRect().contains(event->position().toPoint());
    pressed_ = nullptr;
    if (click)
        emit Clicked();
}

void TIPEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = nullptr; // its release is no click
    event->accept();
}

// The field's own menu, with its Paste handed to the paste handler instead.
bool TIPEdit::ByteContextMenu(TIPByteEdit* field, const QContextMenuEvent& event) {
    QMenu* menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The entry is known by what it is connected to, not by its translated
    // text; the toolkit connects it by name (or by function in later versions).
    for (QAction* action : menu->actions())
        if (disconnect(action, SIGNAL(triggered()), field, SLOT(paste())) ||
            disconnect(action, &QAction::triggered, field, &QLineEdit::paste))
            connect(action, &QAction::triggered, this,
                    [this] { Paste(QGuiApplication::clipboard()->text()); });
    menu->popup(event.globalPos());
    return true;
}

void TIPEdit::Paste(const QString& text) {
    justAdvanced_ = -1;
    fillingKey_.reset();
    emit PasteRequested(text);
}

void TIPEdit::ValidateOctets() {
    Fields fields(*this);
    RepairOctets(fields);
    emit OctetsRepaired();
}

void TIPEdit::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    ArrangeFields();
}

void TIPEdit::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // The dots have taken the new font already; they size to their caption.
        for (QLabel* dot : FDotLabels)
            dot->adjustSize();
        ArrangeFields();
    }
}

void TIPEdit::ArrangeFields() {
    if (FDotLabels[0] == nullptr)
        return; // a resize while the children are being made
    ++arrangeRuns_;
    const QRect client = contentsRect();
    const int frame = width() - client.width();
    const QFontMetrics metrics(FDotLabels[0]->font());
    const int minFieldWidth = metrics.horizontalAdvance(QStringLiteral("000"));
    const int fieldHeight = metrics.height();
    const int dotWidth = FDotLabels[0]->width();
    const int fieldWidth = std::max((width() - frame - 3 * dotWidth) / 4, minFieldWidth);

    if (fieldHeight + frame > height()) {
        GrowTo(width(), fieldHeight + frame);
        return;
    }
    if (4 * fieldWidth + 3 * dotWidth + frame > width()) {
        GrowTo(4 * fieldWidth + 3 * dotWidth + frame, height());
        return;
    }
    const int top = client.top() + (client.height() - fieldHeight) / 2;
    for (std::size_t i = 0; i < 4; ++i) {
        const int left = client.left() + static_cast<int>(i) * (dotWidth + fieldWidth);
        FByteEdits[i]->setGeometry(left, top, fieldWidth, fieldHeight);
        FDotLabels[i]->setGeometry(left + fieldWidth, top, FDotLabels[i]->width(), fieldHeight);
    }
}

void TIPEdit::GrowTo(int width, int height) {
    const int runs = arrangeRuns_;
    resize(width, height);
    // A hidden widget gets its resize event only when shown: lay out now.
    if (arrangeRuns_ == runs)
        ArrangeFields();
}

} // namespace maskwell
