// SPDX-License-Identifier: MIT
#include "platform/MenuBar.h"

#include "platform/ErrorBox.h"

#include <QActionEvent>
#include <QKeyEvent>
#include <QSet>
#include <QShortcut>
#include <QStyleOptionMenuItem>

namespace maskwell {

namespace {

// Where the letter of one caption lies, given the letters already taken.
int MnemonicPosition(const QString& caption, QSet<QChar>& taken) {
    const auto free = [&](qsizetype at) {
        return caption.at(at).isLetter() && !taken.contains(caption.at(at).toUpper());
    };
    qsizetype found = -1;
    for (qsizetype at = 0; at < caption.size() && found < 0; ++at)
        if ((at == 0 || caption.at(at - 1).isSpace()) && free(at))
            found = at;
    for (qsizetype at = 0; at < caption.size() && found < 0; ++at)
        if (free(at))
            found = at;
    if (found >= 0)
        taken.insert(caption.at(found).toUpper());
    return static_cast<int>(found);
}

// The caption as the style draws it: an "&" before its letter.
void MarkLetter(QStyleOptionMenuItem& option, const QList<QAction*>& actions,
                const QAction* action) {
    const qsizetype index = actions.indexOf(action);
    const int position = index < 0 ? -1 : MnemonicPositions(actions).at(index);
    if (position >= 0 && position < option.text.size())
        option.text.insert(position, u'&');
}

// The enabled, visible command whose letter a key types, if any.
QAction* ActionOfLetter(const QList<QAction*>& actions, const QKeyEvent& key) {
    if (key.text().size() != 1 || !key.text().front().isLetter())
        return nullptr;
    const QChar letter = key.text().front().toUpper();
    const QList<int> positions = MnemonicPositions(actions);
    for (qsizetype i = 0; i < actions.size(); ++i) {
        QAction* action = actions.at(i);
        if (positions.at(i) >= 0 && action->isEnabled() && action->isVisible() &&
            action->text().at(positions.at(i)).toUpper() == letter)
            return action;
    }
    return nullptr;
}

} // namespace

QList<int> MnemonicPositions(const QList<QAction*>& actions) {
    QSet<QChar> taken;
    for (const QAction* action : actions) {
        const qsizetype marked = action->text().indexOf(u'&');
        if (marked >= 0 && marked + 1 < action->text().size())
            taken.insert(action->text().at(marked + 1).toUpper());
    }
    QList<int> positions;
    for (const QAction* action : actions)
        positions << (action->isSeparator() || action->text().contains(u'&')
                          ? -1
                          : MnemonicPosition(action->text(), taken));
    return positions;
}

// Named for assistive technologies, which would find an untitled popup.
TMenu::TMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {
    setAccessibleName(title);
}

void TMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    MarkLetter(*option, actions(), action);
}

// The letter runs its command as Return does once the command is highlighted.
void TMenu::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers held = event->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier);
    if (QAction* action = held == Qt::NoModifier ? ActionOfLetter(actions(), *event) : nullptr) {
        setActiveAction(action);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QMenu::keyPressEvent(&enter);
        return;
    }
    QMenu::keyPressEvent(event);
}

TMenuBar::TMenuBar(QWidget* parent) : QMenuBar(parent) {}

TMenu* TMenuBar::AddMenu(const QString& title) {
    auto* menu = new TMenu(title, this);
    addMenu(menu);
    return menu;
}

void TMenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    MarkLetter(*option, actions(), action);
}

void TMenuBar::actionEvent(QActionEvent* event) {
    QMenuBar::actionEvent(event);
    BindLetters();
}

void TMenuBar::BindLetters() {
    qDeleteAll(letters_);
    letters_.clear();
    const QList<QAction*> bar = actions();
    const QList<int> positions = MnemonicPositions(bar);
    for (qsizetype i = 0; i < bar.size(); ++i) {
        if (positions.at(i) < 0)
            continue;
        QAction* action = bar.at(i);
        const QChar letter = action->text().at(positions.at(i)).toUpper();
        if (letter.unicode() < u'A' || letter.unicode() > u'Z')
            continue; // Alt with a letter outside A..Z has no portable key
        auto* shortcut = new QShortcut(
            QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + (letter.unicode() - u'A'))), this);
        connect(shortcut, &QShortcut::activated, this, [this, action] { Open(action); });
        letters_ << shortcut;
    }
}

// A menu opens with its first command highlighted, so that Return runs it.
void TMenuBar::Open(QAction* action) {
    if (!action->isEnabled() || !action->isVisible())
        return;
    QMenu* menu = action->menu();
    if (!menu) {
        Guarded([action] { action->trigger(); });
        return;
    }
    setActiveAction(action);
    for (QAction* command : menu->actions())
        if (!command->isSeparator() && command->isEnabled() && command->isVisible()) {
            menu->setActiveAction(command);
            break;
        }
}

void TMenuBar::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers held = event->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier);
    if (QAction* action = held == Qt::NoModifier && activeAction()
                              ? ActionOfLetter(actions(), *event)
                              : nullptr) {
        Open(action);
        return;
    }
    QMenuBar::keyPressEvent(event);
}

} // namespace maskwell
