// SPDX-License-Identifier: MIT
#include "app/WindowAccessibility.h"

#include "app/About.h"
#include "app/Main.h"
#include "app/SubnetsWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace maskwell {

namespace {

QAccessibleInterface* WindowInterface(const QString&, QObject* object) {
    if (auto* about = qobject_cast<TAboutF*>(object))
        return new QAccessibleWidget(about, QAccessible::Dialog);
    if (auto* form = qobject_cast<TMaskwellForm*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    if (auto* subnets = qobject_cast<TSubnetsWindow*>(object))
        return new QAccessibleWidget(subnets, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&WindowInterface);
        return true;
    }();
    (void)installed;
}

} // namespace maskwell
