// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dragdrop/OleInterfaces.h"

#include <Qt>
#include <functional>

class QWidget;

// Drag and drop between data objects, drop sources and drop targets, carried
// by Qt's drag and drop, so that it works with every other program on the
// desktop that speaks Qt's (the X server's) protocol.
//
// A registered drop target hears Qt's drag events over its widget: DragEnter,
// DragOver (for every move, and right after DragEnter), DragLeave and Drop,
// with the incoming data as a data object (OleMimeData.h), the key state
// (MK_* from the event's buttons and modifiers), the pointer in screen
// coordinates and, coming in, the effects the source allows. The effect it
// answers, narrowed to the allowed ones, becomes the event's drop action;
// DROPEFFECT_NONE refuses the drop there. An answer wholly outside the
// allowed effects becomes the source's proposed action, so that a target that
// would move still takes text from a source that only copies. As on the
// desktop, a drop target whose last answer was DROPEFFECT_NONE gets DragLeave
// instead of Drop.
namespace maskwell {

// The drag-and-drop services of the calling thread. The first call answers
// S_OK, later ones S_FALSE; each successful call wants an OleUninitialize.
// Qt carries drags only on the thread that runs its GUI, so any other thread
// (or a program without a GUI application) gets E_UNEXPECTED; a non-null
// reserved argument gets E_INVALIDARG.
HRESULT OleInitialize(void* reserved);
void OleUninitialize();

// Registers `target` (which gains a reference) for drags over `window`.
// CO_E_NOTINITIALIZED before OleInitialize on this thread,
// DRAGDROP_E_INVALIDHWND without a window, E_INVALIDARG without a target,
// DRAGDROP_E_ALREADYREGISTERED for a window registered before. The widget
// then accepts drops; its own drag-and-drop handling no longer sees them. The
// registration lasts while the widget does (it survives re-parenting and any
// re-creation of the native window) and ends with RevokeDragDrop or the
// widget's destruction, either of which releases the target.
HRESULT RegisterDragDrop(QWidget* window, IDropTarget* target);
// DRAGDROP_E_NOTREGISTERED for a window that holds no registration.
HRESULT RevokeDragDrop(QWidget* window);

// Runs a drag of `data` until it is dropped or given up: a QDrag with the
// data as Qt data (OleMimeData.h) and the allowed effects as its actions.
// The source hears QueryContinueDrag for every key and mouse event of the
// drag and GiveFeedback for every change of the target's answer.
// DRAGDROP_S_DROP with the effect the target took, or DRAGDROP_S_CANCEL with
// DROPEFFECT_NONE; E_INVALIDARG without data, source or effect; E_UNEXPECTED
// before OleInitialize. Qt's offscreen platform carries no drags: there every
// drag ends at once, given up.
HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD allowedEffects, DWORD* effect);

// Tests replace the drag (which needs a real display) by their own. An empty
// handler restores the real one; the previous handler is returned.
using DragDropHandler =
    std::function<HRESULT(IDataObject* data, IDropSource* source, DWORD allowed, DWORD* effect)>;
DragDropHandler SetDragDropHandler(DragDropHandler handler);

// The key state of mouse buttons and keyboard modifiers.
DWORD KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
DWORD EffectsOf(Qt::DropActions actions);
Qt::DropActions DropActionsOf(DWORD effects);
// The one action for an effect: copy before move before link.
Qt::DropAction DropActionOf(DWORD effect);

} // namespace maskwell
