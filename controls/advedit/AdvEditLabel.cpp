// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditLabel.h"

#include "platform/Accelerator.h"
#include "platform/TextDrawing.h"

#include <QEvent>
#include <QLabel>

namespace maskwell {

namespace {

// The attached label sizes itself to its caption whenever its text or font
// changes, keeping its top-left corner (bold while focused makes it wider).
class TEditLabel : public QLabel {
public:
    explicit TEditLabel(QWidget* parent) : QLabel(parent) {}

    void AutoSize() { resize(TextExtent(font(), StripAcceleratorPrefix(text()).text)); }

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            AutoSize();
    }
};

} // namespace

QPoint LabelPlacement(TLabelPosition position, const QRect& field, QSize labelSize,
                      int captionWidth, int margin) {
    const int l = field.x();
    const int t = field.y();
    const int w = field.width();
    const int h = field.height();
    const int lw = labelSize.width();
    const int lh = labelSize.height();
    switch (position) {
    case lpLeftTop:
        return {l - captionWidth - margin, t};
    case lpLeftCenter:
        return {l - captionWidth - margin, t + (h - lh) / 2};
    case lpLeftBottom:
        return {l - captionWidth - margin, t + h - lh};
    case lpTopLeft:
        return {l, t - lh - margin};
    case lpBottomLeft:
        return {l, t + h + margin};
    case lpLeftTopLeft:
        return {l - margin, t};
    case lpLeftCenterLeft:
        return {l - margin, t + (h - lh) / 2};
    case lpLeftBottomLeft:
        return {l - margin, t + h - lh};
    case lpTopCenter:
        return {l + (w - lw) / 2, t - lh - margin};
    case lpBottomCenter:
        return {l + (w - lw) / 2, t + h + margin};
    }
    return {l, t};
}

TAttachedLabel::TAttachedLabel(QWidget& field) : field_(field) {}

TAttachedLabel::~TAttachedLabel() {
    delete label_;
}

void TAttachedLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    if (!label_) {
        auto* label = new TEditLabel(field_.parentWidget());
        label->setBuddy(&field_);
        label->setFont(font_);
        label->setEnabled(field_.isEnabled() || alwaysEnabled_);
        label_ = label;
    }
    label_->setText(caption);
    Place();
}

void TAttachedLabel::SetPosition(TLabelPosition position) {
    position_ = position;
    Place();
}

void TAttachedLabel::SetMargin(int margin) {
    margin_ = margin;
    Place();
}

void TAttachedLabel::SetTransparent(bool on) {
    transparent_ = on;
    Place();
}

void TAttachedLabel::SetAlwaysEnabled(bool on) {
    alwaysEnabled_ = on;
    if (on && label_)
        label_->setEnabled(true);
    field_.update();
}

void TAttachedLabel::SetFont(const QFont& font) {
    font_ = font;
    Place();
}

void TAttachedLabel::Place() {
    if (!label_)
        return;
    auto* label = static_cast<TEditLabel*>(label_.data());
    QWidget* parent = field_.parentWidget();
    if (label->parentWidget() != parent)
        label->setParent(parent);
    label->setAutoFillBackground(!transparent_);
    // The font comes first so that the label is placed at its new size; a
    // focused field keeps its label bold.
    QFont font = font_;
    if (focusLabel_ && field_.hasFocus())
        font.setBold(true);
    label->setFont(font);
    label->AutoSize();
    const int captionWidth = TextExtent(font, caption_).width();
    label->move(LabelPlacement(position_, field_.geometry(), label->size(), captionWidth, margin_));
    // A field without a parent has nowhere to show its label.
    label->setVisible(!field_.isHidden() && label->parentWidget());
}

void TAttachedLabel::FocusChanged(bool focused) {
    if (!focusLabel_ || !label_)
        return;
    QFont font = label_->font();
    font.setBold(focused);
    label_->setFont(font);
}

void TAttachedLabel::FieldEnabledChanged(bool enabled) {
    if (label_ && !alwaysEnabled_)
        label_->setEnabled(enabled);
}

void TAttachedLabel::FieldVisibilityChanged(bool visible) {
    if (label_)
        label_->setVisible(visible);
}

} // namespace maskwell
