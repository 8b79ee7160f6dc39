// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditMenu.h"

#include "platform/ErrorBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace maskwell {

void PopupEditMenu(QLineEdit& edit, const QPoint& at, const TEditMenuActions& actions) {
    auto* menu = new QMenu(&edit);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool writable = !edit.isReadOnly();
    const bool selection = edit.hasSelectedText();
    const bool visibleText = edit.echoMode() == QLineEdit::Normal;
    const auto add = [&edit, menu](const QString& text, QKeySequence::StandardKey keys,
                                   bool enabled, std::function<void()> action) {
        const QString shortcut = QKeySequence(keys).toString(QKeySequence::NativeText);
        QAction* item = menu->addAction(shortcut.isEmpty() ? text : text + u'\t' + shortcut);
        item->setEnabled(enabled);
        QObject::connect(item, &QAction::triggered, &edit,
                         [action = std::move(action)] { Guarded(action); });
    };
    add(QLineEdit::tr("&Undo"), QKeySequence::Undo, writable && edit.isUndoAvailable(),
        actions.undo);
    add(QLineEdit::tr("&Redo"), QKeySequence::Redo, writable && edit.isRedoAvailable(),
        actions.redo);
    menu->addSeparator();
    add(QLineEdit::tr("Cu&t"), QKeySequence::Cut, writable && selection && visibleText,
        actions.cut);
    add(QLineEdit::tr("&Copy"), QKeySequence::Copy, selection && visibleText, actions.copy);
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    add(QLineEdit::tr("&Paste"), QKeySequence::Paste,
        writable && clip && clip->hasText() && !clip->text().isEmpty(), actions.paste);
    add(QLineEdit::tr("Delete"), QKeySequence::UnknownKey, writable && selection,
        actions.deleteSelection);
    menu->addSeparator();
    const QString text = edit.text();
    add(QLineEdit::tr("Select All"), QKeySequence::SelectAll,
        !text.isEmpty() && edit.selectedText().size() != text.size(),
        [&edit] { edit.selectAll(); });
    menu->popup(at);
}

} // namespace maskwell
