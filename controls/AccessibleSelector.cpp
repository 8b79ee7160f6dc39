// SPDX-License-Identifier: MIT
#include "controls/AccessibleSelector.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>

namespace maskwell {

namespace {

// Keeps the list's selection on the box's row, and takes a row selected in
// the list while it is closed (only an assistive technology does that) as a
// pick. While the list is open, its selection follows the user's browsing
// and the box its own keys.
void BindListSelection(QComboBox* box) {
    QAbstractItemView* list = box->view();
    const auto showRow = [box, list](int row) {
        QItemSelectionModel* selection = list->selectionModel();
        if (!selection || list->isVisible())
            return;
        if (row < 0)
            selection->clearSelection();
        else
            selection->select(box->model()->index(row, box->modelColumn()),
                              QItemSelectionModel::ClearAndSelect);
    };
    QObject::connect(box, &QComboBox::currentIndexChanged, box, showRow);
    showRow(box->currentIndex());
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, box,
                     [box, list](const QItemSelection& selected) {
                         if (selected.isEmpty() || list->isVisible())
                             return;
                         const int row = selected.indexes().constFirst().row();
                         if (row != box->currentIndex())
                             QMetaObject::invokeMethod(
                                 box, [box, row] { PickRow(*box, row); }, Qt::QueuedConnection);
                     });
}

} // namespace

void NamePopupList(QObject* object) {
    auto* list = qobject_cast<QAbstractItemView*>(object);
    if (!list || !list->accessibleName().isEmpty() || !list->parentWidget())
        return;
    auto* box = qobject_cast<QComboBox*>(list->parentWidget()->parentWidget());
    if (box && box->view() == list && !box->accessibleName().isEmpty())
        list->setAccessibleName(box->accessibleName() + QStringLiteral(" list"));
}

void PickRow(QComboBox& box, int row) {
    if (row < 0 || row >= box.count())
        return;
    box.setCurrentIndex(row);
    emit box.activated(row);
    emit box.textActivated(box.itemText(row));
}

SelectorAccessible::SelectorAccessible(QComboBox* box)
    : QAccessibleWidget(box, QAccessible::ComboBox) {
    BindListSelection(box);
}

QComboBox* SelectorAccessible::box() const {
    return static_cast<QComboBox*>(widget());
}

QString SelectorAccessible::text(QAccessible::Text kind) const {
    switch (kind) {
    case QAccessible::Name:
        // Unnamed, it is known by what it shows, as Qt's own combo box is.
        return widget()->accessibleName().isEmpty() ? box()->currentText()
                                                    : widget()->accessibleName();
    case QAccessible::Value:
        return box()->currentText();
    default:
        return QAccessibleWidget::text(kind);
    }
}

QAccessible::State SelectorAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = box()->view()->isVisible();
    return state;
}

int SelectorAccessible::childCount() const {
    return 1;
}

QAccessibleInterface* SelectorAccessible::child(int index) const {
    if (index != 0)
        return nullptr;
    NamePopupList(box()->view()); // the box may have been named after its list was made
    return QAccessible::queryAccessibleInterface(box()->view());
}

int SelectorAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child->object() == box()->view() ? 0 : -1;
}

QStringList SelectorAccessible::actionNames() const {
    return {QAccessibleActionInterface::showMenuAction(),
            QAccessibleActionInterface::pressAction()};
}

// Opens the list, or closes it when it is open. The list is a popup, so the
// call returns at once.
void SelectorAccessible::doAction(const QString& action) {
    if (action != QAccessibleActionInterface::showMenuAction() &&
        action != QAccessibleActionInterface::pressAction())
        return;
    if (box()->view()->isVisible())
        box()->hidePopup();
    else
        box()->showPopup();
}

} // namespace maskwell
