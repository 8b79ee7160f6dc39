// SPDX-License-Identifier: MIT
// TAdvEdit's drag and drop: the drop target it registers for itself while
// OleDropTarget is on, the drag of its selected text while OleDropSource is
// on, and the drop caret that shows where a drag over it would drop.
#include "controls/advedit/AdvEdit.h"
#include "controls/advedit/AdvEditDragDrop.h"
#include "platform/dragdrop/OleDragDrop.h"

#include <QCursor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <algorithm>
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

bool ControlHeld() {
    return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
}

} // namespace

// The field's drop target: the caret follows the pointer while a drag is over
// the field, and the text dropped goes into it.
class TEditDropTarget : public TAEDropTarget {
public:
    explicit TEditDropTarget(TAdvEdit* edit) : edit_(edit) {}

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
        if (edit_)
            edit_->ClearDropCaret();
        return TAEDropTarget::DragLeave();
    }
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override {
        if (ReadOnly() && effect) {
            *effect = DROPEFFECT_NONE;
            edit_->ClearDropCaret();
            return S_OK;
        }
        const HRESULT result = TAEDropTarget::Drop(data, keyState, point, effect);
        if (edit_)
            edit_->ClearDropCaret();
        return result;
    }

protected:
    ~TEditDropTarget() override = default;

    void DropText(const QPoint& point, const QString& text) override {
        if (edit_)
            edit_->DropText(point, text);
    }
    void DragMouseMove(const QPoint&, bool& allow) override {
        if (ReadOnly())
            allow = false; // no caret shows where nothing can go
        else if (edit_)
            edit_->UpdateDropCaret();
    }

private:
    bool ReadOnly() const { return edit_ && edit_->isReadOnly(); }

    QPointer<TAdvEdit> edit_;
};

void TAdvEdit::StartOle() {
    if (std::exchange(oleOnThisThread.attempted, true))
        return;
    const HRESULT result = OleInitialize(nullptr);
    oleOnThisThread.started = SUCCEEDED(result);
    CheckOleInitialize(result);
}

void TAdvEdit::SetOleDropTarget(bool on) {
    oleDropTarget_ = on;
    if (on) {
        // A second "on" keeps the one registration there is.
        if (dropTargetRegistered_)
            return;
        const auto target = ComPtr<TEditDropTarget>::Adopt(new TEditDropTarget(this));
        dropTargetRegistered_ = RegisterDragDrop(this, target.get()) == S_OK;
    } else if (dropTargetRegistered_) {
        RevokeDragDrop(this);
        dropTargetRegistered_ = false;
    }
}

// --- Drop caret --------------------------------------------------------------

namespace {

QRect DropCaretArea(const QPoint& point, int fontHeight) {
    return {point, QPoint(point.x() + 1, point.y() + fontHeight)};
}

} // namespace

void TAdvEdit::UpdateDropCaret() {
    const QPoint point = CaretPointOfChar(CharIndexAt(mapFromGlobal(QCursor::pos())));
    if (point == dropCaretPoint_)
        return;
    const int fontHeight = QFontInfo(font()).pixelSize();
    if (dropCaretPoint_ != QPoint(-1, -1))
        update(DropCaretArea(dropCaretPoint_, fontHeight));
    update(DropCaretArea(point, fontHeight));
    dropCaretPoint_ = point;
}

void TAdvEdit::ClearDropCaret() {
    const QPoint old = std::exchange(dropCaretPoint_, QPoint(-1, -1));
    if (old != QPoint(-1, -1))
        update(DropCaretArea(old, QFontInfo(font()).pixelSize()));
}

// --- Drop target -------------------------------------------------------------

void TAdvEdit::DropText(const QPoint& screenPoint, QString text) {
    if (isReadOnly())
        return; // insert() and del() would not ask
    if (const qsizetype cr = text.indexOf(u'\r'); cr >= 0)
        text.truncate(cr);
    if (const qsizetype lf = text.indexOf(u'\n'); lf >= 0)
        text.truncate(lf);
    if (selfDrag_) {
        const int at = CharIndexAt(mapFromGlobal(screenPoint));
        const int start = SelStart();
        if (start <= at && at <= start + SelLength()) {
            selfDropIgnored_ = true; // dropped onto the dragged text itself
            return;
        }
        if (!ControlHeld() && hasSelectedText())
            del(); // a move within the field
    }
    ClearDropCaret();
    setCursorPosition(CharIndexAt(mapFromGlobal(QCursor::pos())));
    insert(text);
    repaint();
}

// --- Drag source -------------------------------------------------------------

bool TAdvEdit::DragSourcePress(const QMouseEvent& event) {
    pressWithheld_ = false;
    if (event.button() != Qt::LeftButton)
        return false;
    const int at = CharIndexAt(event.position().toPoint());
    const int start = SelStart();
    const int length = SelLength();
    if (length == 0 || at < start || at > start + length || !hasFocus() || focusFromClick_)
        return false;
    dragPending_ = true;
    pressWithheld_ = true;
    return true;
}

bool TAdvEdit::BaseSeesMouseMove(const QMouseEvent& event) const {
    return !(pressWithheld_ && (event.buttons() & Qt::LeftButton));
}

void TAdvEdit::DragSourceMove() {
    if (!std::exchange(dragPending_, false))
        return;
    // A masked text never leaves the field, as with the clipboard.
    if (!hasSelectedText() || !oleDropSource_ || echoMode() != QLineEdit::Normal)
        return;
    const QString text = selectedText();
    const QPointer<TAdvEdit> alive(this);
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
            isReadOnly() ? DWORD(DROPEFFECT_COPY) : DWORD(DROPEFFECT_COPY | DROPEFFECT_MOVE);
        result = StartOleDrag(text, QString(), allowed, effect);
    }
    if (!alive)
        return; // closed during the drag
    // Qt's drag took the release; the base edit will not track the button.
    pressWithheld_ = false;
    if (result == DRAGDROP_S_DROP && !ControlHeld() && !selfDropIgnored_ && hasSelectedText() &&
        !isReadOnly())
        del(); // moved away
    ClearDropCaret();
    repaint();
}

void TAdvEdit::DragSourceRelease(const QMouseEvent& event) {
    pressWithheld_ = false;
    if (!std::exchange(dragPending_, false))
        return;
    setCursorPosition(CharIndexAt(event.position().toPoint()));
}

} // namespace maskwell
