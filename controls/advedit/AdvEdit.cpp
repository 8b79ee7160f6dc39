// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEdit.h"

#include "controls/advedit/AdvEditFieldView.h"
#include "controls/advedit/AdvEditLookup.h"
#include "controls/advedit/AdvEditPersistence.h"
#include "controls/advedit/AdvEditText.h"
#include "platform/ErrorBox.h"
#include "platform/Locale.h"

#include <QFocusEvent>
#include <QPainter>
#include <QProxyStyle>
#include <algorithm>

namespace maskwell {

namespace {

// The application's style, but masking with a character of the field's own.
class PasswordCharStyle : public QProxyStyle {
public:
    explicit PasswordCharStyle(QChar passwordChar) : passwordChar_(passwordChar) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return passwordChar_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    QChar passwordChar_;
};

} // namespace

// The field as its collaborators see it.
class TAdvEdit::FieldView final : public TFieldView {
public:
    explicit FieldView(TAdvEdit& edit) : edit_(edit) {}

    QWidget& Widget() const override { return edit_; }
    QString Value() const override { return edit_.Text(); }
    int SelStart() const override { return edit_.SelStart(); }
    int SelLength() const override { return edit_.SelLength(); }
    QString SelectedText() const override { return edit_.selectedText(); }
    bool ReadOnly() const override { return edit_.isReadOnly(); }
    bool Masked() const override { return edit_.echoMode() != QLineEdit::Normal; }
    int CharIndexAt(const QPoint& point) const override { return edit_.CharIndexAt(point); }
    QPoint CaretPointOfChar(int index) const override { return edit_.CaretPointOfChar(index); }
    void SetCaret(int index) override { edit_.setCursorPosition(index); }
    void Insert(const QString& text) override { edit_.insert(text); }
    void DeleteSelection() override { edit_.del(); }
    bool Framed() const override { return edit_.hasFrame(); }
    void SetFramed(bool framed) override { edit_.SetBorderStyle(framed ? bsSingle : bsNone); }
    QMargins TextMargins() const override { return edit_.textMargins(); }
    void SetTextMargins(const QMargins& margins) override { edit_.setTextMargins(margins); }

private:
    TAdvEdit& edit_;
};

TAdvEdit::TAdvEdit(QWidget* parent)
    : QLineEdit(parent), view_(std::make_unique<FieldView>(*this)), look_(*view_), label_(*this),
      lookupList_(new TLookupList(*this)), dragDrop_(new TEditDragDrop(*view_)) {
    // Drops come in only through the drop target that OleDropTarget registers.
    setAcceptDrops(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QLineEdit::textChanged, this, [this] { Guarded([this] { Change(); }); });
    connect(dragDrop_, &TEditDragDrop::Dropped, this, &TAdvEdit::TextDropped);
    connect(dragDrop_, &TEditDragDrop::DraggedOut, this, &TAdvEdit::TextDragged);
    connect(&look_, &TEditLook::ColorChanged, this, &TAdvEdit::ColorChanged);
    connect(&look_, &TEditLook::FontColorChanged, this, &TAdvEdit::FontColorChanged);
    connect(&look_, &TEditLook::FocusColorChanged, this, &TAdvEdit::FocusColorChanged);
    connect(lookupList_, &TLookupList::Chosen, this,
            [this](const QString& text) { Guarded([&] { LookupChosen(text); }); });
}

TAdvEdit::~TAdvEdit() = default;

// --- Value -------------------------------------------------------------------

QString TAdvEdit::Text() const {
    return value_.ValueOf(text());
}

void TAdvEdit::SetText(const QString& value) {
    const QString normalized = value_.Normalized(value);
    WriteWindowText(value_.Composed(normalized));
    SetModified(false);
    if (look_.ShowURL())
        look_.SetUrlLook(IsUrlText(normalized));
}

double TAdvEdit::FloatValue() const {
    return value_.FloatValueOf(text());
}

void TAdvEdit::SetFloatValue(double value) {
    SetText(value_.FloatText(value));
    if (value_.Type() == etMoney)
        FormatMoney();
    SetModified(true);
}

void TAdvEdit::SetIntValue(std::int32_t value) {
    SetText(value_.IntText(value));
    SetModified(true);
}

void TAdvEdit::FormatMoney() {
    if (const auto regrouped = value_.Regrouped(text(), SelStart())) {
        WriteWindowText(regrouped->windowText);
        SetCaret(regrouped->caret);
    }
}

void TAdvEdit::SelectValue() {
    ApplySelection(value_.ValueSelection(text(), look_.ShowURL()));
}

void TAdvEdit::CaretBeforeDecimal() {
    SetCaret(value_.CaretBeforeDecimal(text()));
}

void TAdvEdit::CaretAfterDecimal() {
    SetCaret(value_.CaretAfterDecimal(text()));
}

void TAdvEdit::SetModified(bool modified) {
    if (loading_)
        return;
    look_.ModifiedChanged(modified);
    setModified(modified);
}

void TAdvEdit::SetError(bool error) {
    if (loading_ || error == value_.Error())
        return;
    value_.SetError(error);
    look_.ErrorChanged(error, hasFocus());
}

TLookupSettings& TAdvEdit::Lookup() {
    return lookupList_->Settings();
}

const TLookupSettings& TAdvEdit::Lookup() const {
    return lookupList_->Settings();
}

void TAdvEdit::LookupChosen(QString text) {
    if (OnLookupSelect)
        OnLookupSelect(this, text);
    SetText(text);
    SelectValue();
    emit LookupSelected(Text());
}

bool TAdvEdit::IsUrl() const {
    return IsUrlText(Text());
}

int TAdvEdit::CharIndexAt(const QPoint& point) {
    return cursorPositionAt(point);
}

QPoint TAdvEdit::CaretPointOfChar(int index) const {
    const QString shown = displayText();
    const int n = static_cast<int>(shown.size());
    if (n == 0)
        return {0, 0};
    const QFontMetrics metrics(font());
    if (index >= n) // no character there: just right of the last one
        return CaretPointOfChar(n - 1) + QPoint(metrics.horizontalAdvance(shown[n - 1]), 0);
    index = std::max(index, 0);
    // Qt tells where its own caret is (its rectangle starts 5 pixels before
    // the caret line); every other character is measured from there.
    const QRect caret = cursorRect();
    const QFontMetricsF exact(font());
    const int x = caret.x() + 5 +
                  qRound(exact.horizontalAdvance(shown.left(index)) -
                         exact.horizontalAdvance(shown.left(cursorPosition())));
    return {x, caret.y()};
}

TypingSettings TAdvEdit::Settings() const {
    return value_.Typing(isReadOnly());
}

FieldState TAdvEdit::Field() const {
    return {text(), SelStart(), SelLength()};
}

int TAdvEdit::SelStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int TAdvEdit::SelLength() const {
    return hasSelectedText() ? selectionLength() : 0;
}

void TAdvEdit::SetCaret(int position) {
    setCursorPosition(std::clamp(position, 0, static_cast<int>(text().size())));
}

void TAdvEdit::ApplySelection(Selection selection) {
    const int size = static_cast<int>(text().size());
    const int start = std::clamp(selection.start, 0, size);
    const int end = std::clamp(selection.start + selection.length, 0, size);
    if (start == end)
        setCursorPosition(start);
    else
        setSelection(start, end - start);
}

void TAdvEdit::WriteWindowText(const QString& text) {
    if (QLineEdit::text() == text)
        return;
    setText(text);
    setCursorPosition(0);
}

void TAdvEdit::NudgeWidth() {
    SetWidth(width() + 1);
    SetWidth(width() - 1);
}

void TAdvEdit::Change() {
    if (look_.ShowURL() && IsUrl() != look_.UrlLook())
        look_.SetUrlLook(!look_.UrlLook());
    if (look_.Transparent())
        update();
    emit TextChanged();
    if (loading_ || !OnValueValidate)
        return;
    bool isValid = true;
    OnValueValidate(this, Text(), isValid);
    if (look_.ShowError())
        SetError(!isValid);
}

QSize TAdvEdit::minimumSizeHint() const {
    const QSize hint = QLineEdit::minimumSizeHint();
    return {hint.width(), std::min(hint.height(), kDefaultHeight)};
}

// --- Property setters --------------------------------------------------------

void TAdvEdit::SetHeight(int height) {
    if (loading_)
        loadHeight_ = height;
    SetBounds(x(), y(), width(), height);
}

void TAdvEdit::SetWidth(int width) {
    SetBounds(x(), y(), width, height());
}

void TAdvEdit::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
    label_.Place();
}

void TAdvEdit::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    // Without a tab stop the field still takes the focus when clicked.
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TAdvEdit::SetAutoThousandSeparator(bool on) {
    value_.SetAutoThousandSeparator(on);
    if (value_.IsFloatType())
        FormatMoney();
}

void TAdvEdit::SetEditAlign(TEditAlign align) {
    if (align == editAlign_)
        return;
    editAlign_ = align;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (align == eaRight)
        horizontal = Qt::AlignRight;
    else if (align == eaCenter)
        horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignVCenter);
    NudgeWidth();
    emit EditAlignChanged();
}

void TAdvEdit::SetEditType(TAdvEditType type) {
    const bool couldUndo = CanUndo();
    if (!value_.SetType(type))
        return;
    if (CanUndo() != couldUndo)
        emit CanUndoChanged();
    SetPasswordChar(type == etPassword ? QChar(u'*') : QChar());
    Refit(value_.RefitForType(text()));
}

void TAdvEdit::SetPrecision(int precision) {
    if (value_.SetPrecision(precision))
        Refit(value_.RefitForPrecision(text()));
}

void TAdvEdit::Refit(TEditValue::Refit refit) {
    switch (refit) {
    case TEditValue::Refit::None:
        break;
    case TEditValue::Refit::IntZero:
        SetIntValue(0);
        break;
    case TEditValue::Refit::FloatZero:
        SetFloatValue(0);
        break;
    case TEditValue::Refit::Reformat:
        SetFloatValue(FloatValue());
        break;
    }
}

void TAdvEdit::SetCanUndo(bool on) {
    const bool couldUndo = CanUndo();
    if (value_.SetCanUndo(on))
        NudgeWidth();
    if (CanUndo() != couldUndo)
        emit CanUndoChanged();
}

void TAdvEdit::SetPrefix(const QString& prefix) {
    const QString value = Text();
    value_.SetPrefix(prefix);
    WriteWindowText(value);
    SetText(value);
}

void TAdvEdit::SetSuffix(const QString& suffix) {
    const QString value = Text();
    value_.SetSuffix(suffix);
    WriteWindowText(value);
    SetText(value);
}

void TAdvEdit::SetBorderStyle(TBorderStyle style) {
    const bool changed = style != BorderStyle();
    setFrame(style == bsSingle);
    if (changed)
        emit BorderStyleChanged();
}

void TAdvEdit::SetLabelFont(const QFont& font) {
    const bool changed = font != label_.Font();
    label_.SetFont(font);
    if (changed)
        emit LabelFontChanged();
}

void TAdvEdit::SetMaxLength(int length) {
    maxLength_ = length;
    setMaxLength(length > 0 ? length : 32767);
}

void TAdvEdit::SetPasswordChar(QChar passwordChar) {
    const bool changed = passwordChar != passwordChar_;
    passwordChar_ = passwordChar;
    setEchoMode(passwordChar.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    if (changed)
        emit PasswordCharChanged();
    if (passwordChar.isNull() || (!changed && passwordStyle_))
        return;
    // The line edit masks with the character its style names; this field's
    // own style names the set one.
    QStyle* old = passwordStyle_;
    passwordStyle_ = new PasswordCharStyle(passwordChar);
    passwordStyle_->setParent(this);
    setStyle(passwordStyle_);
    delete old;
}

// --- Qt's events to the look and the label ----------------------------------

bool TAdvEdit::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        bool shown = false;
        Guarded([&] { shown = look_.ShowLargeTextHint(); });
        if (shown)
            return true;
    }
    Guarded([&] { EventBefore(*event); });
    const bool handled = QLineEdit::event(event);
    Guarded([&] { EventAfter(*event); });
    return handled;
}

void TAdvEdit::EventBefore(QEvent& event) {
    switch (event.type()) {
    case QEvent::FocusIn:
        // Qt hands the focus over before the press that brought it arrives.
        focusFromClick_ = static_cast<QFocusEvent&>(event).reason() == Qt::MouseFocusReason;
        break;
    case QEvent::FocusOut:
        focusFromClick_ = false;
        break;
    case QEvent::MouseButtonPress:
        look_.Pressed(event, hasFocus() && !focusFromClick_);
        break;
    default:
        break;
    }
}

void TAdvEdit::EventAfter(QEvent& event) {
    look_.EventAfter(event);
    switch (event.type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // A label turned bold or plain is placed again, so that it does not
        // run into the field.
        if (label_.FocusLabel())
            label_.Place();
        break;
    case QEvent::MouseButtonPress:
        focusFromClick_ = false; // the press that brought the focus is over
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        label_.Place();
        break;
    case QEvent::FontChange:
        if (loading_)
            SetLabelFont(font());
        break;
    case QEvent::Hide:
        // The text is stored while the field is whole, never as it goes.
        if (!loading_)
            SavePersistence();
        break;
    default:
        break;
    }
}

void TAdvEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    Guarded([this] {
        QPainter painter(this);
        look_.Paint(painter, dragDrop_->DropCaretPoint());
    });
}

void TAdvEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        Guarded([this] { EnabledChanged(); });
}

// Qt reports only real changes, whether the field itself or a parent was
// switched; while loading, Loaded() applies the look once.
void TAdvEdit::EnabledChanged() {
    if (loading_)
        return;
    look_.EnabledChanged(isEnabled());
    label_.FieldEnabledChanged(isEnabled());
}

void TAdvEdit::SetVisible(bool visible) {
    setVisible(visible);
    label_.FieldVisibilityChanged(visible);
}

// --- Loading and persistence -------------------------------------------------

void TAdvEdit::Loaded() {
    loading_ = false;
    look_.Loaded();
    label_.Place();
    if (!isEnabled())
        look_.SetBackground(look_.DisabledColor()); // the normal colour keeps the stored Color
    SetBounds(x(), y(), width(), loadHeight_ >= 0 ? loadHeight_ : height());
    LoadPersistence();
}

void TAdvEdit::LoadPersistence() {
    if (!persistence_.Enable() || objectName().isEmpty())
        return;
    const QString key = persistence_.Key();
    // Stored with prefix and suffix, so it becomes the window text as it is.
    const std::optional<QString> stored = ReadPersistedText(persistence_, objectName());
    if (persistence_.Key() != key)
        emit Persistence_KeyChanged(); // the default file
    if (stored)
        WriteWindowText(*stored);
}

void TAdvEdit::SavePersistence() {
    if (!persistence_.Enable() || objectName().isEmpty())
        return;
    const QString key = persistence_.Key();
    WritePersistedText(persistence_, objectName(), value_.Composed(Text()));
    if (persistence_.Key() != key)
        emit Persistence_KeyChanged();
}

void TAdvEdit::SetPersistenceKey(const QString& key) {
    if (key == persistence_.Key())
        return;
    persistence_.SetKey(key);
    emit Persistence_KeyChanged();
}

} // namespace maskwell
