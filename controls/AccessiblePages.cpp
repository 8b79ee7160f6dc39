// SPDX-License-Identifier: MIT
#include "controls/AccessiblePages.h"

#include "platform/PageControl.h"

#include <QAbstractButton>

namespace maskwell {

PageControlAccessible::PageControlAccessible(TPageControl* pages)
    : QAccessibleWidget(pages, QAccessible::PageTabList) {}

TPageControl* PageControlAccessible::pages() const {
    return static_cast<TPageControl*>(widget());
}

int PageControlAccessible::childCount() const {
    return pages()->PageCount();
}

QAccessibleInterface* PageControlAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return QAccessible::queryAccessibleInterface(pages()->Tab(index));
}

int PageControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child ? pages()->IndexOfTab(qobject_cast<const QAbstractButton*>(child->object())) : -1;
}

QAccessibleInterface* PageControlAccessible::focusChild() const {
    if (!pages()->hasFocus() || childCount() == 0)
        return nullptr;
    return child(pages()->ActivePageIndex());
}

PageTabAccessible::PageTabAccessible(QAbstractButton* tab, TPageControl* pages)
    : QAccessibleWidget(tab, QAccessible::PageTab), pages_(pages) {}

int PageTabAccessible::index() const {
    return pages_->IndexOfTab(static_cast<QAbstractButton*>(widget()));
}

QString PageTabAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<QAbstractButton*>(widget())->text().remove(u'&');
    return QAccessibleWidget::text(kind);
}

// A tab is selected while its page shows, and has the focus while the page
// control has it; the keys that move between tabs are the page control's.
QAccessible::State PageTabAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const bool active = index() == pages_->ActivePageIndex();
    state.selectable = true;
    state.selected = active;
    state.focusable = pages_->focusPolicy() != Qt::NoFocus;
    state.focused = active && pages_->hasFocus();
    return state;
}

QAccessibleInterface* PageTabAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(pages_);
}

int PageTabAccessible::childCount() const {
    return index() >= 0 ? 1 : 0;
}

QAccessibleInterface* PageTabAccessible::child(int position) const {
    if (position != 0 || index() < 0)
        return nullptr;
    return QAccessible::queryAccessibleInterface(pages_->Page(index()));
}

int PageTabAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && index() >= 0 && child->object() == pages_->Page(index()) ? 0 : -1;
}

QStringList PageTabAccessible::actionNames() const {
    return {QAccessibleActionInterface::pressAction()};
}

void PageTabAccessible::doAction(const QString& action) {
    if (action == QAccessibleActionInterface::pressAction())
        pages_->SetActivePageIndex(index());
}

PageAccessible::PageAccessible(TTabSheet* page, TPageControl* pages)
    : QAccessibleWidget(page, QAccessible::Pane), pages_(pages) {}

QString PageAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return static_cast<TTabSheet*>(widget())->Caption();
    return QAccessibleWidget::text(kind);
}

QAccessibleInterface* PageAccessible::parent() const {
    const int index = pages_->IndexOfPage(widget());
    if (index < 0)
        return QAccessibleWidget::parent();
    return QAccessible::queryAccessibleInterface(pages_->Tab(index));
}

} // namespace maskwell
