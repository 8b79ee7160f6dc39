// SPDX-License-Identifier: MIT
#pragma once

#include <QDesignerTaskMenuExtension>
#include <QExtensionFactory>
#include <QPointer>

class QAction;

namespace maskwell {
class TQlCheckBox;
}

namespace maskwell::designer {

// The check box's entries in the designer's context menu: "About...".
class CheckBoxTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    CheckBoxTaskMenu(TQlCheckBox* checkBox, QObject* parent);

    QAction* preferredEditAction() const override { return nullptr; }
    QList<QAction*> taskActions() const override;

private:
    QPointer<TQlCheckBox> checkBox_;
    QAction* about_;
};

// Makes the task menu for every check box on a form.
class CheckBoxTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT

public:
    explicit CheckBoxTaskMenuFactory(QExtensionManager* parent) : QExtensionFactory(parent) {}

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

} // namespace maskwell::designer
