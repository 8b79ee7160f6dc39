// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditDrag.h"

#include "controls/advedit/AdvEditDragDrop.h"
#include "controls/advedit/AdvEditFieldView.h"
#include "platform/dragdrop/OleDragDrop.h"

#include <QCursor>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>
#include <utility>

namespace maskwell {

namespace {

// Drag and drop on a thread: started once by the first field, ended with the
// thread.
struct OleOnThisThread {
    bool attempted = false;
    bool started = false;
    ~OleOnThisThread() {
        if (started)
            OleUninitialize();
    }
};
thread_local OleOnThisThread oleOnThisThread;

void StartOle() {
    if (std::exchange(oleOnThisThread.attempted, true))
        return;
    const HRESULT result = OleInitialize(nullptr);
    oleOnThisThread.started = SUCCEEDED(result);
    CheckOleInitialize(result);
}

bool ControlHeld() {
    return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
}

QRect DropCaretArea(const QPoint& point, int fontHeight) {
    return {point, QPoint(point.x() + 1, point.y() + fontHeight)};
}

int FontHeight(const QWidget& widget) {
    return QFontInfo(widget.font()).pixelSize();
}

} // namespace

// The field's drop target: the caret follows the pointer while a drag is over
// the field, and the text dropped goes into it.
class TEditDropTarget : public TAEDropTarget {
public:
    TEditDropTarget(TEditDragDrop& dragDrop, const TFieldView& field)
        : dragDrop_(&dragDrop), field_(field) {}

    // A read-only field refuses every drop, from the first look on.
    HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        const HRESULT result = TAEDropTarget::DragEnter(data, keyState, point, effect);
        if (ReadOnly() && effect)
            *effect = DROPEFFECT_NONE;
        return result;
    }

    // The caret goes when the drag leaves, and with any drop: one of files
    // alone drops no text that would take it away.
    HRESULT DragLeave() override {
        if (dragDrop_)
            dragDrop_->ClearDropCaret();
        return TAEDropTarget::DragLeave();
    }
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        if (ReadOnly() && effect) {
            *effect = DROPEFFECT_NONE;
            dragDrop_->ClearDropCaret();
            return S_OK;
        }
        const HRESULT result = TAEDropTarget::Drop(data, keyState, point, effect);
        if (dragDrop_)
            dragDrop_->ClearDropCaret();
        return result;
    }

protected:
    ~TEditDropTarget() override = default;

    void DropText(const QPoint& point, const QString& text) override {
        if (dragDrop_)
            dragDrop_->DropText(point, text);
    }
    void DragMouseMove(const QPoint&, bool& allow) override {
        if (ReadOnly())
            allow = false; // no caret shows where nothing can go
        else if (dragDrop_)
            dragDrop_->UpdateDropCaret();
    }

private:
    // The field is gone with its drag and drop.
    bool ReadOnly() const { return dragDrop_ && field_.ReadOnly(); }

    QPointer<TEditDragDrop> dragDrop_;
    const TFieldView& field_;
};

TEditDragDrop::TEditDragDrop(TFieldView& field) : QObject(&field.Widget()), field_(field) {
    StartOle();
}

void TEditDragDrop::SetDropTarget(bool on) {
    dropTarget_ = on;
    QWidget* widget = &field_.Widget();
    if (on) {
        // A second "on" keeps the one registration there is.
        if (dropTargetRegistered_)
            return;
        const auto target = ComPtr<TEditDropTarget>::Adopt(new TEditDropTarget(*this, field_));
        dropTargetRegistered_ = RegisterDragDrop(widget, target.get()) == S_OK;
    } else if (dropTargetRegistered_) {
        RevokeDragDrop(widget);
        dropTargetRegistered_ = false;
    }
}

// --- Drop caret --------------------------------------------------------------

void TEditDragDrop::UpdateDropCaret() {
    QWidget& widget = field_.Widget();
    const QPoint point =
        field_.CaretPointOfChar(field_.CharIndexAt(widget.mapFromGlobal(QCursor::pos())));
    if (point == dropCaretPoint_)
        return;
    const int fontHeight = FontHeight(widget);
    if (dropCaretPoint_ != QPoint(-1, -1))
        widget.update(DropCaretArea(dropCaretPoint_, fontHeight));
    widget.update(DropCaretArea(point, fontHeight));
    dropCaretPoint_ = point;
}

void TEditDragDrop::ClearDropCaret() {
    const QPoint old = std::exchange(dropCaretPoint_, QPoint(-1, -1));
    if (old != QPoint(-1, -1))
        field_.Widget().update(DropCaretArea(old, FontHeight(field_.Widget())));
}

// --- Drop target -------------------------------------------------------------

void TEditDragDrop::DropText(const QPoint& screenPoint, QString text) {
    if (field_.ReadOnly())
        return; // Insert() and DeleteSelection() would not ask
    if (const qsizetype cr = text.indexOf(u'\r'); cr >= 0)
        text.truncate(cr);
    if (const qsizetype lf = text.indexOf(u'\n'); lf >= 0)
        text.truncate(lf);
    QWidget& widget = field_.Widget();
    if (selfDrag_) {
        const int at = field_.CharIndexAt(widget.mapFromGlobal(screenPoint));
        const int start = field_.SelStart();
        if (start <= at && at <= start + field_.SelLength()) {
            selfDropIgnored_ = true; // dropped onto the dragged text itself
            return;
        }
        if (!ControlHeld() && field_.SelLength() > 0)
            field_.DeleteSelection(); // a move within the field
    }
    ClearDropCaret();
    field_.SetCaret(field_.CharIndexAt(widget.mapFromGlobal(QCursor::pos())));
    field_.Insert(text);
    widget.repaint();
    emit Dropped(text);
}

// --- Drag source -------------------------------------------------------------

bool TEditDragDrop::Press(const QMouseEvent& event, bool hadFocus) {
    pressWithheld_ = false;
    if (event.button() != Qt::LeftButton)
        return false;
    const int at = field_.CharIndexAt(event.position().toPoint());
    const int start = field_.SelStart();
    const int length = field_.SelLength();
    if (length == 0 || at < start || at > start + length || !hadFocus)
        return false;
    dragPending_ = true;
    pressWithheld_ = true;
    return true;
}

bool TEditDragDrop::LineEditSeesMove(const QMouseEvent& event) const {
    return !(pressWithheld_ && (event.buttons() & Qt::LeftButton));
}

void TEditDragDrop::Move() {
    if (!std::exchange(dragPending_, false))
        return;
    // A masked text never leaves the field, as with the clipboard.
    if (field_.SelLength() == 0 || !dropSource_ || field_.Masked())
        return;
    const QString text = field_.SelectedText();
    const QPointer<TEditDragDrop> alive(this);
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result = DRAGDROP_S_CANCEL;
    {
        selfDrag_ = true;
        selfDropIgnored_ = false;
        const auto endSelfDrag = qScopeGuard([this, &alive] {
            if (alive)
                selfDrag_ = false;
        });
        // A read-only text can be copied away, never moved.
        const DWORD allowed =
            field_.ReadOnly() ? DWORD(DROPEFFECT_COPY) : DWORD(DROPEFFECT_COPY | DROPEFFECT_MOVE);
        result = StartOleDrag(text, QString(), allowed, effect);
    }
    if (!alive)
        return; // closed during the drag
    // Qt's drag took the release; the line edit will not track the button.
    pressWithheld_ = false;
    const bool dropped = result == DRAGDROP_S_DROP && !selfDropIgnored_;
    const bool moved = dropped && !ControlHeld() && !field_.ReadOnly();
    if (moved && field_.SelLength() > 0)
        field_.DeleteSelection(); // moved away
    ClearDropCaret();
    field_.Widget().repaint();
    if (dropped)
        emit DraggedOut(text, moved);
}

void TEditDragDrop::Release(const QMouseEvent& event) {
    pressWithheld_ = false;
    if (!std::exchange(dragPending_, false))
        return;
    field_.SetCaret(field_.CharIndexAt(event.position().toPoint()));
}

} // namespace maskwell
