// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <functional>

class QLineEdit;

namespace maskwell {

// What the entries of a field's menu run: the field's own rules, where the
// line edit's menu would call its clipboard and undo slots directly.
struct TEditMenuActions {
    std::function<void()> undo;
    std::function<void()> redo;
    std::function<void()> cut;
    std::function<void()> copy;
    std::function<void()> paste;
    std::function<void()> deleteSelection;
};

// Pops up the line edit's menu at a screen point, each entry enabled as the
// line edit's own would be; Select All is the line edit's own.
void PopupEditMenu(QLineEdit& edit, const QPoint& at, const TEditMenuActions& actions);

} // namespace maskwell
