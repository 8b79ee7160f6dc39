// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEdit.h"

#include "controls/advedit/AdvEditPersistence.h"
#include "controls/advedit/AdvEditText.h"
#include "platform/ErrorBox.h"
#include "platform/Locale.h"

#include <QEvent>
#include <QLabel>
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

TAdvEdit::TAdvEdit(QWidget* parent) : QLineEdit(parent) {
    StartOle();
    // Drops come in only through the drop target that OleDropTarget registers.
    setAcceptDrops(false);
    setFocusPolicy(Qt::StrongFocus);
    normalFontColor_ = fontColor_;
    ApplyColors();
    connect(this, &QLineEdit::textChanged, this, [this] { Guarded([this] { Change(); }); });
}

TAdvEdit::~TAdvEdit() {
    // This class's own: a subclass's override is gone by now.
    Guarded([this] { TAdvEdit::SavePersistence(); });
    delete label_; // the parent's child, but the field's to free
}

// --- Value -------------------------------------------------------------------

QString TAdvEdit::Text() const {
    return ValueOfWindowText(text(), prefix_, suffix_);
}

void TAdvEdit::SetText(const QString& value) {
    const QString normalized = NormalizedValue(value, editType_, precision_);
    WriteWindowText(prefix_ + normalized + suffix_);
    SetModified(false);
    if (showUrl_)
        SetUrlLook(IsUrlText(normalized));
}

double TAdvEdit::FloatValue() const {
    return FloatValueOf(Text(), editType_);
}

void TAdvEdit::SetFloatValue(double value) {
    SetText(FloatValueText(value, editType_, precision_));
    if (editType_ == etMoney)
        FormatMoney();
    SetModified(true);
}

void TAdvEdit::SetIntValue(std::int32_t value) {
    SetText(IntValueText(value, editType_));
    SetModified(true);
}

void TAdvEdit::FormatMoney() {
    const QString value = Text();
    if (value.isEmpty())
        return;
    const int selStart = SelStart();
    const QString regrouped = RegroupedMoney(value, autoThousandSeparator_);
    WriteWindowText(prefix_ + regrouped + suffix_);
    SetCaret(selStart + static_cast<int>(regrouped.size() - value.size()));
}

void TAdvEdit::SelectValue() {
    const QString value = Text();
    const int length = static_cast<int>(value.size());
    int start = static_cast<int>(prefix_.size());
    if (showUrl_) {
        if (const qsizetype scheme = value.indexOf(u"://"); scheme >= 0)
            start = static_cast<int>(scheme) + 1 + 2;
        else if (const qsizetype mail = value.indexOf(u"mailto:"); mail >= 0)
            start = static_cast<int>(mail) + 1 + 6;
    }
    ApplySelection({start, length});
}

void TAdvEdit::CaretBeforeDecimal() {
    const int point = DecimalSeparatorPos(Text());
    SetCaret(static_cast<int>(prefix_.size()) + (point > 0 ? point - 1 : 0));
}

void TAdvEdit::CaretAfterDecimal() {
    const int point = DecimalSeparatorPos(Text());
    SetCaret(static_cast<int>(prefix_.size()) + point);
}

void TAdvEdit::SetModified(bool modified) {
    if (loading_)
        return;
    if (showModified_)
        SetCurrentFontColor(modified ? modifiedColor_ : normalFontColor_);
    setModified(modified);
}

void TAdvEdit::SetError(bool error) {
    if (loading_ || error == error_)
        return;
    error_ = error;
    if (!showError_)
        return;
    if (error) {
        SetBackground(errorColor_);
        SetCurrentFontColor(errorFontColor_);
    } else if (hasFocus()) {
        SetBackground(focusColor_);
        SetCurrentFontColor(focusFontColor_);
    } else {
        SetBackground(normalColor_);
        SetCurrentFontColor(normalFontColor_);
    }
}

bool TAdvEdit::IsUrl() const {
    return IsUrlText(Text());
}

int TAdvEdit::CharIndexAt(const QPoint& point) {
    return cursorPositionAt(point);
}

TypingSettings TAdvEdit::Settings() const {
    TypingSettings settings;
    settings.editType = editType_;
    settings.prefix = prefix_;
    settings.suffix = suffix_;
    settings.precision = precision_;
    settings.isSigned = signed_;
    settings.lengthLimit = lengthLimit_;
    settings.tabOnFullLength = tabOnFullLength_;
    settings.excelStyleDecimalSeparator = excelStyleDecimalSeparator_;
    settings.canUndo = canUndo_;
    settings.readOnly = isReadOnly();
    return settings;
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
    if (showUrl_ && IsUrl() != urlLook_)
        SetUrlLook(!urlLook_);
    if (transparent_)
        update();
    Fire(OnChange, this);
    emit TextChanged();
    if (loading_ || !OnValueValidate)
        return;
    bool isValid = true;
    OnValueValidate(this, Text(), isValid);
    if (showError_)
        SetError(!isValid);
}

// --- Colours -----------------------------------------------------------------

void TAdvEdit::SetBackground(TColor color) {
    color_ = color;
    ApplyColors();
}

void TAdvEdit::SetCurrentFontColor(TColor color) {
    fontColor_ = color;
    ApplyColors();
}

void TAdvEdit::ApplyColors() {
    // System colours resolve against the application's palette, never against
    // this field's own, which holds the last colours set.
    QPalette colors = palette();
    // A transparent field lets its parent show through.
    const QColor background = transparent_ ? QColor(Qt::transparent) : ResolveColor(color_);
    const QColor foreground = ResolveColor(fontColor_);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colors.setColor(group, QPalette::Base, background);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        colors.setColor(group, QPalette::Text, foreground);
    setPalette(colors);
}

void TAdvEdit::SetColor(TColor color) {
    normalColor_ = color;
    SetBackground(color);
}

void TAdvEdit::SetFontColor(TColor color) {
    SetCurrentFontColor(color);
}

void TAdvEdit::SetDisabledColor(TColor color) {
    disabledColor_ = color;
    update();
}

QSize TAdvEdit::minimumSizeHint() const {
    const QSize hint = QLineEdit::minimumSizeHint();
    return {hint.width(), std::min(hint.height(), DefaultHeight)};
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
    if (label_)
        PlaceLabel();
}

void TAdvEdit::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    // Without a tab stop the field still takes the focus when clicked.
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TAdvEdit::SetAutoThousandSeparator(bool on) {
    autoThousandSeparator_ = on;
    if (editType_ == etFloat || editType_ == etMoney)
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
}

void TAdvEdit::SetEditType(TAdvEditType type) {
    if (type == editType_)
        return;
    editType_ = type;
    if (type == etPassword) {
        SetPasswordChar(u'*');
        canUndo_ = false;
    } else {
        SetPasswordChar(QChar());
    }
    const TTextClass kind = ClassifyText(Text());
    if ((type == etNumeric && kind != tcInteger) ||
        (type == etHex && (kind == tcFloat || kind == tcOther)))
        SetIntValue(0);
    else if ((type == etFloat || type == etMoney) && kind > tcFloat)
        SetFloatValue(0);
}

void TAdvEdit::SetPrecision(int precision) {
    if (precision == precision_ || (editType_ != etFloat && editType_ != etMoney))
        return;
    precision_ = precision;
    if (ClassifyText(Text()) > tcFloat)
        SetFloatValue(0);
    else
        SetFloatValue(FloatValue());
}

void TAdvEdit::SetCanUndo(bool on) {
    if (on == canUndo_)
        return;
    canUndo_ = on && editType_ != etPassword;
    NudgeWidth();
}

void TAdvEdit::SetPrefix(const QString& prefix) {
    const QString value = Text();
    prefix_ = prefix;
    WriteWindowText(value);
    SetText(value);
}

void TAdvEdit::SetSuffix(const QString& suffix) {
    const QString value = Text();
    suffix_ = suffix;
    WriteWindowText(value);
    SetText(value);
}

void TAdvEdit::SetMaxLength(int length) {
    maxLength_ = length;
    setMaxLength(length > 0 ? length : 32767);
}

void TAdvEdit::SetPasswordChar(QChar passwordChar) {
    const bool changed = passwordChar != passwordChar_;
    passwordChar_ = passwordChar;
    setEchoMode(passwordChar.isNull() ? QLineEdit::Normal : QLineEdit::Password);
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
    const bool enabled = isEnabled();
    if (enabled) {
        SetBackground(normalColor_);
    } else {
        normalColor_ = color_;
        SetBackground(disabledColor_);
    }
    if (label_ && !labelAlwaysEnabled_)
        label_->setEnabled(enabled);
}

void TAdvEdit::SetVisible(bool visible) {
    setVisible(visible);
    if (label_)
        label_->setVisible(visible);
}

// --- Loading and persistence -------------------------------------------------

void TAdvEdit::Loaded() {
    loading_ = false;
    normalColor_ = color_;
    normalFontColor_ = fontColor_;
    savedBorderStyle_ = BorderStyle();
    ApplyFlat();
    PlaceLabel();
    if (!isEnabled())
        SetBackground(disabledColor_); // the normal colour keeps the stored Color
    SetBounds(x(), y(), width(), loadHeight_ >= 0 ? loadHeight_ : height());
    LoadPersistence();
}

void TAdvEdit::LoadPersistence() {
    if (!persistence_.Enable() || objectName().isEmpty())
        return;
    // Stored with prefix and suffix, so it becomes the window text as it is.
    if (const std::optional<QString> stored = ReadPersistedText(persistence_, objectName()))
        WriteWindowText(*stored);
}

void TAdvEdit::SavePersistence() {
    if (!persistence_.Enable() || objectName().isEmpty())
        return;
    WritePersistedText(persistence_, objectName(), prefix_ + Text() + suffix_);
}

} // namespace maskwell
