// SPDX-License-Identifier: MIT
#include "controls/DesignTime.h"

#include <QObject>
#include <QWidget>
#include <unordered_set>

namespace maskwell {

namespace {

// GUI thread only, as the controls are. A marked control leaves the set when
// it is destroyed, so a later control at the same address is not taken for it.
std::unordered_set<const QObject*>& Marked() {
    static std::unordered_set<const QObject*> marked;
    return marked;
}

DesignTimeAboutBox& AboutBox() {
    static DesignTimeAboutBox show;
    return show;
}

} // namespace

void MarkDesignTime(QWidget* control) {
    if (!control || !Marked().insert(control).second)
        return;
    QObject::connect(control, &QObject::destroyed, [](QObject* gone) { Marked().erase(gone); });
    control->update();
}

bool IsDesignTime(const QWidget* control) {
    return control && Marked().contains(control);
}

void SetDesignTimeAboutBox(DesignTimeAboutBox show) {
    AboutBox() = std::move(show);
}

void ShowDesignTimeAbout(QWidget* control) {
    if (IsDesignTime(control) && AboutBox())
        AboutBox()(control);
}

} // namespace maskwell
