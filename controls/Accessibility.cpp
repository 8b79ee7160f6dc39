// SPDX-License-Identifier: MIT
#include "controls/Accessibility.h"

#include "controls/AccessiblePages.h"
#include "controls/AccessibleSelector.h"
#include "controls/Label3D.h"
#include "controls/QlCheckBox.h"
#include "controls/QlFancyButton.h"
#include "platform/PageControl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QToolButton>

namespace maskwell {

namespace {

// A widget of ours whose name, unless one was set, is its caption.
template <typename Control> class CaptionedControl : public QAccessibleWidget {
public:
    CaptionedControl(Control* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return control()->Caption();
        return QAccessibleWidget::text(kind);
    }

protected:
    Control* control() const { return static_cast<Control*>(widget()); }
};

class CheckBoxAccessible : public CaptionedControl<TQlCheckBox> {
public:
    explicit CheckBoxAccessible(TQlCheckBox* box) : CaptionedControl(box, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = control()->Checked();
        state.disabled = !control()->Enabled();
        return state;
    }
    QStringList actionNames() const override {
        return {QAccessibleActionInterface::toggleAction()};
    }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::toggleAction())
            control()->Activate();
    }
};

// Runs a control's click once the caller has been answered: a click may open
// a modal box, and a box opened inside the call would keep an assistive
// technology waiting for its answer until the box closes.
template <typename Control> void ActivateAfterReturn(Control* control) {
    QMetaObject::invokeMethod(
        control, [control] { control->Activate(); }, Qt::QueuedConnection);
}

class FancyButtonAccessible : public CaptionedControl<TQlFancyButton> {
public:
    explicit FancyButtonAccessible(TQlFancyButton* button)
        : CaptionedControl(button, QAccessible::Button) {}

    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction())
            ActivateAfterReturn(control());
    }
};

// A 3D label is static text, unless it is a link: in a link style, or taking
// the focus so that the keyboard can click it.
class LabelAccessible : public CaptionedControl<TLabel3D> {
public:
    explicit LabelAccessible(TLabel3D* label)
        : CaptionedControl(label, IsLink(label) ? QAccessible::Link : QAccessible::StaticText) {}

    QStringList actionNames() const override {
        if (!IsLink(control()))
            return {};
        return {QAccessibleActionInterface::pressAction()};
    }
    void doAction(const QString& action) override {
        if (IsLink(control()) && action == QAccessibleActionInterface::pressAction())
            ActivateAfterReturn(control());
    }

private:
    static bool IsLink(const TLabel3D* label) {
        return label->IsLink() || (label->focusPolicy() & Qt::TabFocus);
    }
};

// A tool button as Qt describes it, and with the key of its press: the
// shortcut of the action it runs (its default action) or its own. The copy
// buttons' keys belong to the window's commands, so that they work on every
// page, and only this tells them.
class ToolButtonAccessible : public QAccessibleWidget {
public:
    explicit ToolButtonAccessible(QToolButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            const QString caption = QString(button()->text()).remove(u'&');
            return caption.isEmpty() ? button()->toolTip() : caption;
        }
        if (kind == QAccessible::Accelerator)
            return Key();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction())
            QMetaObject::invokeMethod(button(), &QToolButton::click, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != QAccessibleActionInterface::pressAction() || Key().isEmpty())
            return {};
        return {Key()};
    }

private:
    QToolButton* button() const { return static_cast<QToolButton*>(widget()); }
    QString Key() const {
        const QAction* action = button()->defaultAction();
        return (action ? action->shortcut() : button()->shortcut())
            .toString(QKeySequence::NativeText);
    }
};

// The page control a tab or page belongs to, if any.
TPageControl* PageControlOf(QWidget* widget) {
    for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget())
        if (auto* pages = qobject_cast<TPageControl*>(parent))
            return pages;
    return nullptr;
}

QAccessibleInterface* ControlInterface(const QString&, QObject* object) {
    NamePopupList(object); // Qt's own interface describes the list itself
    if (auto* label = qobject_cast<TLabel3D*>(object))
        return new LabelAccessible(label);
    if (auto* box = qobject_cast<TQlCheckBox*>(object))
        return new CheckBoxAccessible(box);
    if (auto* button = qobject_cast<TQlFancyButton*>(object))
        return new FancyButtonAccessible(button);
    if (auto* pages = qobject_cast<TPageControl*>(object))
        return new PageControlAccessible(pages);
    if (auto* page = qobject_cast<TTabSheet*>(object)) {
        if (TPageControl* pages = PageControlOf(page))
            return new PageAccessible(page, pages);
        return nullptr;
    }
    if (auto* tab = qobject_cast<TFlatTabButton*>(object)) {
        if (auto* pages = qobject_cast<TPageControl*>(tab->parentWidget()))
            return new PageTabAccessible(tab, pages);
        return nullptr;
    }
    if (auto* box = qobject_cast<QComboBox*>(object); box && !box->isEditable())
        return new SelectorAccessible(box);
    // One with a menu is Qt's, which tells the menu.
    if (auto* button = qobject_cast<QToolButton*>(object); button && !button->menu())
        return new ToolButtonAccessible(button);
    return nullptr;
}

} // namespace

void InstallControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&ControlInterface);
        return true;
    }();
    (void)installed;
}

} // namespace maskwell
