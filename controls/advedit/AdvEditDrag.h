// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QMouseEvent;

namespace maskwell {

class TFieldView;

// A field's drag and drop: the drop target it registers for the field while
// DropTarget is on, the drag of the field's selected text while DropSource is
// on, and the drop caret that shows where a drag over the field would drop.
// The field routes its mouse events here (Press, Move, Release) and paints
// the drop caret where DropCaretPoint() says.
class TEditDragDrop : public QObject {
    Q_OBJECT

public:
    explicit TEditDragDrop(TFieldView& field);

    bool DropTarget() const { return dropTarget_; }
    void SetDropTarget(bool on);
    bool DropSource() const { return dropSource_; }
    void SetDropSource(bool on) { dropSource_ = on; }

    // Where a drag over the field would drop its text, (-1, -1) while there
    // is none.
    QPoint DropCaretPoint() const { return dropCaretPoint_; }
    void UpdateDropCaret();
    void ClearDropCaret();

    // Text dropped at a screen point: its first line goes in at the pointer.
    void DropText(const QPoint& screenPoint, QString text);

    // The drag source's part of the field's mouse handling. A left press
    // inside the selection of a field that already had the focus waits for a
    // move (a drag) or the release (the caret goes there); the line edit sees
    // neither that press nor the moves while the button stays down. Press is
    // true when it kept the press from the line edit.
    bool Press(const QMouseEvent& event, bool hadFocus);
    bool LineEditSeesMove(const QMouseEvent& event) const;
    void Move();
    void Release(const QMouseEvent& event);

signals:
    // Text from a drop went into the field.
    void Dropped(const QString& text);
    // The field's selected text was dropped somewhere else in it or outside:
    // moved, or copied (Control held, or a read-only field).
    void DraggedOut(const QString& text, bool moved);

private:
    TFieldView& field_;
    bool dropTarget_ = false;
    bool dropSource_ = false;
    bool dropTargetRegistered_ = false;
    QPoint dropCaretPoint_{-1, -1};
    bool selfDrag_ = false;        // a drag started here is running
    bool selfDropIgnored_ = false; // it was dropped onto its own text
    bool dragPending_ = false;     // the left button went down in the selection
    bool pressWithheld_ = false;   // ... and the line edit did not see it
};

} // namespace maskwell
