// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace maskwell {

// A drop-down list (a combo box without typing) as assistive technologies
// should know it: named by the name it was given (Qt on Linux names a combo
// box after its current row, whatever its name), with its current row as its
// value and the list of its rows as its child. The row shown is the list's
// selected row.
//
// A row chosen through the interface (selecting a row of its list) is a
// user's pick: the box moves to it and emits activated and textActivated as
// a pick with the keys or the pointer does, so handlers bound to activated
// run. That happens after the call has returned, so whatever the pick opens
// (a notice box, say) does not keep the caller waiting.
class SelectorAccessible : public QAccessibleWidget {
public:
    explicit SelectorAccessible(QComboBox* box);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    QComboBox* box() const;
};

// Names a drop-down list's popup list after its box ("Mask bits" gives "Mask
// bits list") when the list has no name and the box has one. The list is
// made on first use, so this runs when an assistive technology first reaches
// the list, or the box names its child; naming lists up front would build
// every popup at start-up.
void NamePopupList(QObject* list);

// Picks the row as a user does: the box moves to it and emits activated and
// textActivated. A row outside the list picks nothing.
void PickRow(QComboBox& box, int row);

} // namespace maskwell
