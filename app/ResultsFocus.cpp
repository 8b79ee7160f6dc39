// SPDX-License-Identifier: MIT
#include "app/ResultsFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace maskwell {

TResultsFocus::TResultsFocus(ShownResults shownResults, QObject* parent)
    : QObject(parent), shownResults_(std::move(shownResults)) {}

void TResultsFocus::Watch(QWidget* field) {
    field->installEventFilter(this);
}

void TResultsFocus::GoToResults() {
    const std::vector<QWidget*> results = shownResults_();
    QWidget* focus = QApplication::focusWidget();
    if (std::find(results.begin(), results.end(), focus) != results.end()) {
        GoBack();
        return;
    }
    if (results.empty())
        return;
    cameFrom_ = focus;
    results.front()->setFocus(Qt::ShortcutFocusReason);
}

// Back where the user came from; after a click into a result, on to the
// next control of the tab order.
void TResultsFocus::GoBack() {
    if (cameFrom_ && cameFrom_->isVisible() && cameFrom_->isEnabled()) {
        cameFrom_->setFocus(Qt::ShortcutFocusReason);
    } else if (QWidget* focus = QApplication::focusWidget()) {
        QWidget* next = focus->nextInFocusChain();
        while (next != focus &&
               !((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()))
            next = next->nextInFocusChain();
        next->setFocus(Qt::TabFocusReason);
    }
    cameFrom_.clear();
}

bool TResultsFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);
    if (key->key() == Qt::Key_Escape) {
        GoBack();
        return true;
    }
    if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down)
        return QObject::eventFilter(watched, event);
    const std::vector<QWidget*> results = shownResults_();
    const auto at = std::find(results.begin(), results.end(), watched);
    if (at != results.end()) {
        const bool down = key->key() == Qt::Key_Down;
        if (down && at + 1 != results.end())
            at[1]->setFocus(Qt::OtherFocusReason);
        else if (!down && at != results.begin())
            at[-1]->setFocus(Qt::OtherFocusReason);
    }
    return true; // the first and the last result keep the focus
}

} // namespace maskwell
