// SPDX-License-Identifier: MIT
#include "designer/CheckBoxTaskMenu.h"

#include "controls/DesignTime.h"
#include "controls/QlCheckBox.h"

#include <QAction>

namespace maskwell::designer {

CheckBoxTaskMenu::CheckBoxTaskMenu(TQlCheckBox* checkBox, QObject* parent)
    : QObject(parent), checkBox_(checkBox), about_(new QAction(tr("About..."), this)) {
    connect(about_, &QAction::triggered, this, [this] {
        if (checkBox_)
            ShowDesignTimeAbout(checkBox_);
    });
}

QList<QAction*> CheckBoxTaskMenu::taskActions() const {
    return {about_};
}

QObject* CheckBoxTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                  QObject* parent) const {
    if (iid != QLatin1String(Q_TYPEID(QDesignerTaskMenuExtension)))
        return nullptr;
    if (auto* checkBox = qobject_cast<TQlCheckBox*>(object))
        return new CheckBoxTaskMenu(checkBox, parent);
    return nullptr;
}

} // namespace maskwell::designer
