// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

namespace maskwell {

class TPageControl;
class TTabSheet;

// The page control as assistive technologies know a notebook: a page tab list
// whose children are its tabs; each tab a page tab named by its caption,
// selected while its page shows and holding that page; each page a panel
// named by its caption. The stack the pages sit in is left out.

class PageControlAccessible : public QAccessibleWidget {
public:
    explicit PageControlAccessible(TPageControl* pages);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

private:
    TPageControl* pages() const;
};

class PageTabAccessible : public QAccessibleWidget {
public:
    PageTabAccessible(QAbstractButton* tab, TPageControl* pages);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    int index() const;

    TPageControl* pages_;
};

class PageAccessible : public QAccessibleWidget {
public:
    PageAccessible(TTabSheet* page, TPageControl* pages);

    QString text(QAccessible::Text kind) const override;
    QAccessibleInterface* parent() const override;

private:
    TPageControl* pages_;
};

} // namespace maskwell
