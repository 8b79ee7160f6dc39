// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEditTypes.h"

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace maskwell {

// Top-left corner of the attached label for a field with the given bounds
// (in the parent's coordinates). labelSize is the auto-sized label,
// captionWidth the width of the caption as written (accelerator "&" included).
QPoint LabelPlacement(TLabelPosition position, const QRect& field, QSize labelSize,
                      int captionWidth, int margin);

// The label attached to a field: made by the first caption, on the field's
// parent, and placed beside the field by Position and Margin. It is enabled
// and shown with the field and, with FocusLabel, bold while the field has the
// focus. It knows the field only as a widget: its parent, bounds, visibility,
// enabled state and focus.
class TAttachedLabel {
public:
    explicit TAttachedLabel(QWidget& field);
    // The label is the parent's child, but the field's to free.
    ~TAttachedLabel();
    TAttachedLabel(const TAttachedLabel&) = delete;
    TAttachedLabel& operator=(const TAttachedLabel&) = delete;

    // The empty text while there is no label.
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TLabelPosition Position() const { return position_; }
    void SetPosition(TLabelPosition position);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool AlwaysEnabled() const { return alwaysEnabled_; }
    void SetAlwaysEnabled(bool on);
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    bool FocusLabel() const { return focusLabel_; }
    void SetFocusLabel(bool on) { focusLabel_ = on; }

    bool Exists() const { return !label_.isNull(); }
    // Moves, sizes and styles the label by the field as it is now.
    void Place();
    // The field's focus came or went: with FocusLabel, bold is added or taken
    // away (Place() then makes room for it).
    void FocusChanged(bool focused);
    void FieldEnabledChanged(bool enabled);
    void FieldVisibilityChanged(bool visible);

private:
    QWidget& field_;
    QString caption_;
    TLabelPosition position_ = lpLeftTop;
    int margin_ = 4;
    bool transparent_ = false;
    bool alwaysEnabled_ = false;
    QFont font_;
    bool focusLabel_ = false;
    QPointer<QLabel> label_;
};

} // namespace maskwell
