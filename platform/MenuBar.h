// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QMenu>
#include <QMenuBar>

class QShortcut;

namespace maskwell {

// Menus whose commands are reached by a letter of their captions while the
// captions' texts keep no "&": each caption takes its first letter, or, when
// an earlier caption of the same menu has that one, the first free letter
// that starts one of its words, then any free letter of it. The letter is
// drawn underlined wherever the style underlines mnemonics.

// The letter of each caption as its position in the caption, -1 for none (a
// separator, a caption with an "&" of its own, or one without a free letter).
QList<int> MnemonicPositions(const QList<QAction*>& actions);

// A menu of a TMenuBar: the letter alone runs its command while it is open.
class TMenu : public QMenu {
    Q_OBJECT

public:
    explicit TMenu(const QString& title, QWidget* parent = nullptr);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Alt with a caption's letter opens its menu with the first command
// highlighted, as a menu opened from the keyboard is, or runs a command that
// sits on the bar itself; so does the letter alone once Alt has been pressed
// and released to reach the bar.
class TMenuBar : public QMenuBar {
    Q_OBJECT

public:
    explicit TMenuBar(QWidget* parent = nullptr);

    TMenu* AddMenu(const QString& title);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void actionEvent(QActionEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BindLetters();
    void Open(QAction* action);

    QList<QShortcut*> letters_;
};

} // namespace maskwell
