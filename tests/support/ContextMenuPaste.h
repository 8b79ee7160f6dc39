// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>

namespace maskwell::test {

// Opens a line edit's own context menu as a right click at `at` would and
// returns its Paste item, or null (with a test failure) when either is missing.
inline QAction* ContextMenuPaste(QLineEdit* field, QPoint at) {
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        ADD_FAILURE() << "no context menu opened";
        return nullptr;
    }
    for (QAction* action : menu->actions())
        if (action->text().startsWith("&Paste"))
            return action;
    ADD_FAILURE() << "the context menu has no Paste";
    return nullptr;
}

} // namespace maskwell::test
