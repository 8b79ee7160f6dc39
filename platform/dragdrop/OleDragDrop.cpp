// SPDX-License-Identifier: MIT
#include "platform/dragdrop/OleDragDrop.h"

#include "platform/ErrorBox.h"
#include "platform/dragdrop/OleMimeData.h"

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace maskwell {

namespace {

thread_local int oleUsers = 0;

bool OleReady() {
    return oleUsers > 0;
}

DragDropHandler& CurrentHandler() {
    static DragDropHandler handler;
    return handler;
}

POINTL ScreenPoint(const QWidget& window, const QDropEvent& event) {
    const QPoint global = window.mapToGlobal(event.position().toPoint());
    return {global.x(), global.y()};
}

// Carries Qt's drag events over one widget to the drop target registered for
// it. It is a child of the widget, so the registration ends with the widget.
class DropTargetBridge : public QObject {
public:
    DropTargetBridge(QWidget* window, IDropTarget* target)
        : QObject(window), window_(window), target_(ComPtr<IDropTarget>::Share(target)),
          acceptedDropsBefore_(window->acceptDrops()) {
        window->setAcceptDrops(true);
        window->installEventFilter(this);
    }
    ~DropTargetBridge() override { EndDrag(); }
    DropTargetBridge(const DropTargetBridge&) = delete;
    DropTargetBridge& operator=(const DropTargetBridge&) = delete;

    void Revoke() {
        window_->removeEventFilter(this);
        window_->setAcceptDrops(acceptedDropsBefore_);
        delete this;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::DragEnter:
            Enter(*static_cast<QDragEnterEvent*>(event));
            return true;
        case QEvent::DragMove:
            Over(*static_cast<QDragMoveEvent*>(event));
            return true;
        case QEvent::DragLeave:
            Leave();
            return true;
        case QEvent::Drop:
            Dropped(*static_cast<QDropEvent*>(event));
            return true;
        default:
            return false;
        }
    }

private:
    void Enter(QDragEnterEvent& event) {
        EndDrag();
        data_ = ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(event.mimeData()));
        allowed_ = EffectsOf(event.possibleActions());
        DWORD effect = allowed_;
        HRESULT result = E_FAIL;
        Guarded([&] {
            result = target_->DragEnter(data_.get(), KeyStateOf(event.buttons(), event.modifiers()),
                                        ScreenPoint(*window_, event), &effect);
        });
        Answer(event, result, effect);
        // The widget stays the drag's target whatever it answered, as the
        // moves that follow may change the answer.
        event.accept();
    }

    void Over(QDragMoveEvent& event) {
        if (!data_) {
            event.ignore();
            return;
        }
        allowed_ = EffectsOf(event.possibleActions());
        DWORD effect = allowed_;
        HRESULT result = E_FAIL;
        Guarded([&] {
            result = target_->DragOver(KeyStateOf(event.buttons(), event.modifiers()),
                                       ScreenPoint(*window_, event), &effect);
        });
        Answer(event, result, effect);
    }

    void Leave() {
        if (!data_)
            return;
        Guarded([&] { target_->DragLeave(); });
        EndDrag();
    }

    void Dropped(QDropEvent& event) {
        if (!data_ || lastEffect_ == DROPEFFECT_NONE) {
            Leave();
            event.setDropAction(Qt::IgnoreAction);
            event.ignore();
            return;
        }
        DWORD effect = EffectsOf(event.possibleActions());
        allowed_ = effect;
        HRESULT result = E_FAIL;
        Guarded([&] {
            result = target_->Drop(data_.get(), KeyStateOf(event.buttons(), event.modifiers()),
                                   ScreenPoint(*window_, event), &effect);
        });
        Answer(event, result, effect);
        EndDrag();
    }

    // The answer narrowed to what the source allows. A target that wants the
    // drop but only in a way the source does not offer (a move from a source
    // that only copies, as most other programs' text sources do) gets the
    // source's own proposal instead of no drop at all.
    void Answer(QDropEvent& event, HRESULT result, DWORD effect) {
        lastEffect_ = DROPEFFECT_NONE;
        if (SUCCEEDED(result) && effect != DROPEFFECT_NONE) {
            lastEffect_ = effect & allowed_;
            if (lastEffect_ == DROPEFFECT_NONE)
                lastEffect_ = EffectsOf(event.proposedAction()) & allowed_;
        }
        const Qt::DropAction action = DropActionOf(lastEffect_);
        event.setDropAction(action);
        event.setAccepted(action != Qt::IgnoreAction);
    }

    void EndDrag() {
        if (data_)
            data_->Detach();
        data_ = {};
        lastEffect_ = DROPEFFECT_NONE;
    }

    QWidget* window_;
    ComPtr<IDropTarget> target_;
    bool acceptedDropsBefore_;
    ComPtr<TMimeDataObject> data_;
    DWORD allowed_ = DROPEFFECT_NONE;
    DWORD lastEffect_ = DROPEFFECT_NONE;
};

DropTargetBridge* BridgeOf(QWidget* window) {
    for (QObject* child : window->children())
        if (auto* bridge = dynamic_cast<DropTargetBridge*>(child))
            return bridge;
    return nullptr;
}

// Asks the drop source, for every key and mouse event during a drag, whether
// the drag goes on. Installed once the drag's own loop runs, so that it sees
// the events before Qt's drag does.
class DragQueryFilter : public QObject {
public:
    explicit DragQueryFilter(IDropSource* source) : source_(source) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            const bool escape = event->type() == QEvent::KeyPress && key.key() == Qt::Key_Escape;
            return Ask(escape, KeyStateOf(QGuiApplication::mouseButtons(), key.modifiers()), escape,
                       false);
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            const auto& mouse = *static_cast<QMouseEvent*>(event);
            return Ask(false, KeyStateOf(mouse.buttons(), mouse.modifiers()), false,
                       event->type() == QEvent::MouseButtonRelease);
        }
        default:
            return false;
        }
    }

private:
    // Qt's drag cancels on Escape and drops on a button release by itself;
    // the source's answer changes that only where it differs.
    bool Ask(bool escape, DWORD keyState, bool qtCancels, bool qtDrops) {
        HRESULT answer = S_OK;
        Guarded([&] { answer = source_->QueryContinueDrag(escape ? TRUE : FALSE, keyState); });
        if (answer == DRAGDROP_S_CANCEL && !qtCancels) {
            QDrag::cancel();
            return true;
        }
        if (answer == S_OK && (qtCancels || qtDrops))
            return true; // the drag goes on
        return false;
    }

    IDropSource* source_;
};

HRESULT RunQtDrag(IDataObject* data, IDropSource* source, DWORD allowed, DWORD* effect) {
    QObject* origin = QApplication::widgetAt(QCursor::pos());
    if (!origin)
        origin = QApplication::focusWidget();
    if (!origin)
        origin = QCoreApplication::instance();
    // Qt deletes the drag itself once it has ended.
    auto* drag = new QDrag(origin);
    drag->setMimeData(MimeDataFromDataObject(data).release());
    QObject::connect(drag, &QDrag::actionChanged, drag,
                     [held = ComPtr<IDropSource>::Share(source)](Qt::DropAction action) {
                         Guarded([&] { held->GiveFeedback(EffectsOf(action)); });
                     });

    DragQueryFilter filter(source);
    QTimer::singleShot(0, &filter,
                       [&filter] { QCoreApplication::instance()->installEventFilter(&filter); });
    // Without a key held, a drag moves where it may, as on the desktop.
    const Qt::DropAction action = drag->exec(
        DropActionsOf(allowed), (allowed & DROPEFFECT_MOVE) ? Qt::MoveAction : Qt::IgnoreAction);
    QCoreApplication::instance()->removeEventFilter(&filter);

    *effect = EffectsOf(action) & allowed;
    if (*effect == DROPEFFECT_NONE)
        return DRAGDROP_S_CANCEL;
    return DRAGDROP_S_DROP;
}

} // namespace

HRESULT OleInitialize(void* reserved) {
    if (reserved)
        return E_INVALIDARG;
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread())
        return E_UNEXPECTED;
    return oleUsers++ == 0 ? S_OK : S_FALSE;
}

void OleUninitialize() {
    if (oleUsers > 0)
        --oleUsers;
}

HRESULT RegisterDragDrop(QWidget* window, IDropTarget* target) {
    if (!OleReady())
        return CO_E_NOTINITIALIZED;
    if (!window)
        return DRAGDROP_E_INVALIDHWND;
    if (!target)
        return E_INVALIDARG;
    if (BridgeOf(window))
        return DRAGDROP_E_ALREADYREGISTERED;
    new DropTargetBridge(window, target);
    return S_OK;
}

HRESULT RevokeDragDrop(QWidget* window) {
    if (!window)
        return DRAGDROP_E_INVALIDHWND;
    DropTargetBridge* bridge = BridgeOf(window);
    if (!bridge)
        return DRAGDROP_E_NOTREGISTERED;
    bridge->Revoke();
    return S_OK;
}

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD allowedEffects, DWORD* effect) {
    if (!data || !source || !effect)
        return E_INVALIDARG;
    if (!OleReady())
        return E_UNEXPECTED;
    const ComPtr<IDataObject> heldData = ComPtr<IDataObject>::Share(data);
    const ComPtr<IDropSource> heldSource = ComPtr<IDropSource>::Share(source);
    *effect = DROPEFFECT_NONE;
    if (const DragDropHandler handler = CurrentHandler())
        return handler(data, source, allowedEffects, effect);
    return RunQtDrag(data, source, allowedEffects, effect);
}

DragDropHandler SetDragDropHandler(DragDropHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

DWORD KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    DWORD state = 0;
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        state |= MK_CONTROL;
    if (modifiers & Qt::AltModifier)
        state |= MK_ALT;
    return state;
}

DWORD EffectsOf(Qt::DropActions actions) {
    DWORD effects = DROPEFFECT_NONE;
    if (actions & Qt::CopyAction)
        effects |= DROPEFFECT_COPY;
    if (actions & Qt::MoveAction) // also Qt::TargetMoveAction
        effects |= DROPEFFECT_MOVE;
    if (actions & Qt::LinkAction)
        effects |= DROPEFFECT_LINK;
    return effects;
}

Qt::DropActions DropActionsOf(DWORD effects) {
    Qt::DropActions actions;
    if (effects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    if (effects & DROPEFFECT_LINK)
        actions |= Qt::LinkAction;
    return actions;
}

Qt::DropAction DropActionOf(DWORD effect) {
    if (effect & DROPEFFECT_COPY)
        return Qt::CopyAction;
    if (effect & DROPEFFECT_MOVE)
        return Qt::MoveAction;
    if (effect & DROPEFFECT_LINK)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

} // namespace maskwell
