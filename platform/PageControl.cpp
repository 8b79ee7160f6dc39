// SPDX-License-Identifier: MIT
#include "platform/PageControl.h"

#include "platform/Color.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace maskwell {

namespace {

constexpr int kTabTop = 2;
constexpr int kTabHeight = 20;
constexpr int kTabGap = 3;
constexpr int kPageMargin = 4;

} // namespace

TTabSheet::TTabSheet(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {}

void TTabSheet::mousePressEvent(QMouseEvent* event) {
    // A press a child control passed on is not a press on the free area.
    const bool onChild = childAt(event->position().toPoint()) != nullptr;
    if (!onChild && isSignalConnected(QMetaMethod::fromSignal(&TTabSheet::MousePressed)))
        emit MousePressed(event);
    else
        QWidget::mousePressEvent(event);
}

TFlatTabButton::TFlatTabButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::NoFocus); // the page control holds the focus for its tabs
}

QSize TFlatTabButton::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text()) + 16, kTabHeight};
}

void TFlatTabButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect();
    const QColor face = ResolveColor(clBtnFace, palette());
    const QColor shadow = ResolveColor(clBtnShadow, palette());
    const QColor highlight = ResolveColor(clBtnHighlight, palette());
    if (isChecked()) {
        // A pushed flat button: a dithered face inside a sunken edge.
        painter.fillRect(box, face);
        painter.fillRect(box.adjusted(1, 1, -1, -1), QBrush(highlight, Qt::Dense4Pattern));
        painter.setPen(shadow);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(highlight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    } else if (isDown()) {
        painter.fillRect(box, face);
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QRect textBox = isChecked() ? box.translated(1, 1) : box;
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (parentWidget() && parentWidget()->hasFocus() && isChecked()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = box.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

TPageControl::TPageControl(QWidget* parent) : QWidget(parent), stack_(new QStackedWidget(this)) {
    setFocusPolicy(Qt::TabFocus);
    const auto bind = [this](const QKeySequence& keys, int delta) {
        auto* shortcut = new QShortcut(keys, this);
        // From anywhere in the window, as a dialog's pages switch: also from
        // a control outside the pages, such as the address line above them.
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, delta] { Step(delta); });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

TTabSheet* TPageControl::AddPage(const QString& caption) {
    auto* page = new TTabSheet(caption);
    auto* tab = new TFlatTabButton(caption, this);
    const int index = PageCount();
    pages_.push_back(page);
    tabs_.push_back(tab);
    stack_->addWidget(page);
    connect(tab, &QAbstractButton::clicked, this, [this, index] { SetActivePageIndex(index); });
    if (index == 0)
        SetActivePageIndex(0);
    ArrangeTabs();
    tab->show();
    return page;
}

int TPageControl::ActivePageIndex() const {
    return stack_->currentIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount())
        return;
    // The focus on the outgoing page comes to the page control, as a click on
    // a tab gives it there. Left to the stack, it would wander along the tab
    // chain through whatever control comes next (the address control, which
    // repairs its octets when left).
    QWidget* focus = QApplication::focusWidget();
    if (focus && index != ActivePageIndex() && stack_->currentWidget() &&
        stack_->currentWidget()->isAncestorOf(focus))
        setFocus(Qt::OtherFocusReason);
    const int previous = ActivePageIndex();
    stack_->setCurrentIndex(index);
    tabs_[static_cast<std::size_t>(index)]->setChecked(true);
    update();
    if (previous != index)
        AnnouncePageSwitch(previous, index);
}

int TPageControl::IndexOfTab(const QAbstractButton* tab) const {
    const auto found = std::find(tabs_.begin(), tabs_.end(), tab);
    return found == tabs_.end() ? -1 : static_cast<int>(found - tabs_.begin());
}

int TPageControl::IndexOfPage(const QWidget* page) const {
    const auto found = std::find(pages_.begin(), pages_.end(), page);
    return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

// What a screen reader needs to say the new page: the tabs' selection (their
// selected states) and, while the keys are here, the focus on the new tab.
void TPageControl::AnnouncePageSwitch(int previous, int index) {
    if (previous >= 0) {
        QAccessibleEvent removed(Tab(previous), QAccessible::SelectionRemove);
        QAccessible::updateAccessibility(&removed);
    }
    QAccessibleEvent selected(Tab(index), QAccessible::Selection);
    QAccessible::updateAccessibility(&selected);
    if (hasFocus() && !tabFocusPending_)
        AnnounceFocusedTab();
}

void TPageControl::AnnounceFocusedTab() {
    QAccessibleEvent event(Tab(ActivePageIndex()), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QRect TPageControl::PageRect() const {
    const int top = kTabTop + kTabHeight + kPageMargin;
    return {kPageMargin, top, width() - 2 * kPageMargin, height() - top - kPageMargin};
}

void TPageControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeTabs();
}

// Only keys meant for the page control itself: a Left or Right that a control
// on a page passes on (a drop-down list does) is not a page switch.
void TPageControl::keyPressEvent(QKeyEvent* event) {
    if (focusWidget() != this) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        Step(-1);
        break;
    case Qt::Key_Right:
        Step(1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}

void TPageControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ArrangeTabs();
}

void TPageControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    for (TFlatTabButton* tab : tabs_)
        tab->update(); // the active tab shows the focus
    // The keys act on the active tab, so that is what takes the focus for an
    // assistive technology, after Qt has announced the page control itself.
    tabFocusPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            tabFocusPending_ = false;
            if (hasFocus() && PageCount() > 0)
                AnnounceFocusedTab();
        },
        Qt::QueuedConnection);
}

void TPageControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    for (TFlatTabButton* tab : tabs_)
        tab->update();
}

void TPageControl::ArrangeTabs() {
    int left = kPageMargin;
    for (TFlatTabButton* tab : tabs_) {
        const QSize size = tab->sizeHint();
        tab->setGeometry(left, kTabTop, size.width(), size.height());
        left += size.width() + kTabGap;
    }
    stack_->setGeometry(PageRect());
}

void TPageControl::Step(int delta) {
    if (PageCount() > 0)
        SetActivePageIndex((ActivePageIndex() + delta + PageCount()) % PageCount());
}

} // namespace maskwell
