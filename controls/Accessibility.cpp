// SPDX-License-Identifier: MIT
#include "controls/Accessibility.h"

#include "controls/Label3D.h"
#include "controls/QlCheckBox.h"
#include "controls/QlFancyButton.h"
#include "platform/PageControl.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

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

class FancyButtonAccessible : public CaptionedControl<TQlFancyButton> {
public:
    explicit FancyButtonAccessible(TQlFancyButton* button)
        : CaptionedControl(button, QAccessible::Button) {}

    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction())
            control()->Activate();
    }
};

// A drop-down list's popup list is made on first use: when an assistive
// technology first reaches it, it gets a name from its box ("Mask bits" gives
// "Mask bits list"). Naming it up front would build four popups at start-up.
void NamePopupList(QObject* object) {
    auto* list = qobject_cast<QAbstractItemView*>(object);
    if (!list || !list->accessibleName().isEmpty() || !list->parentWidget())
        return;
    auto* box = qobject_cast<QComboBox*>(list->parentWidget()->parentWidget());
    if (box && box->view() == list && !box->accessibleName().isEmpty())
        list->setAccessibleName(box->accessibleName() + QStringLiteral(" list"));
}

QAccessibleInterface* ControlInterface(const QString&, QObject* object) {
    NamePopupList(object); // Qt's own interface describes the list itself
    if (auto* label = qobject_cast<TLabel3D*>(object))
        return new CaptionedControl<TLabel3D>(label, QAccessible::StaticText);
    if (auto* box = qobject_cast<TQlCheckBox*>(object))
        return new CheckBoxAccessible(box);
    if (auto* button = qobject_cast<TQlFancyButton*>(object))
        return new FancyButtonAccessible(button);
    if (auto* pages = qobject_cast<TPageControl*>(object))
        return new QAccessibleWidget(pages, QAccessible::PageTabList);
    if (auto* page = qobject_cast<TTabSheet*>(object))
        return new QAccessibleWidget(page, QAccessible::PropertyPage);
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
