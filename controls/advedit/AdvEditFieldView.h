// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace maskwell {

// What the advanced edit's collaborators (its look, its drag and drop) see of
// the field: the widget it is (to paint on, colour, focus and place things by),
// its text and selection, and where its characters stand. Indexes count in the
// whole window text (prefix, value, suffix); points are client coordinates.
class TFieldView {
public:
    virtual QWidget& Widget() const = 0;

    // The value: the window text without prefix and suffix.
    virtual QString Value() const = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual QString SelectedText() const = 0;
    virtual bool ReadOnly() const = 0;
    // The text is shown masked (a password).
    virtual bool Masked() const = 0;

    // The character at a point, and the top-left point of a character: past
    // the last one, the point just right of it; (0, 0) for an empty text.
    virtual int CharIndexAt(const QPoint& point) const = 0;
    virtual QPoint CaretPointOfChar(int index) const = 0;

    // Editing as the user's keys would: the caret moved, text put in at the
    // caret (over the selection), the selection taken out.
    virtual void SetCaret(int index) = 0;
    virtual void Insert(const QString& text) = 0;
    virtual void DeleteSelection() = 0;

    // The 3D frame, and the margins between the client and the formatting
    // rectangle (where the text goes).
    virtual bool Framed() const = 0;
    virtual void SetFramed(bool framed) = 0;
    virtual QMargins TextMargins() const = 0;
    virtual void SetTextMargins(const QMargins& margins) = 0;

protected:
    ~TFieldView() = default;
};

} // namespace maskwell
