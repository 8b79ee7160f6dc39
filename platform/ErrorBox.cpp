// SPDX-License-Identifier: MIT
#include "platform/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace maskwell {

namespace {

ErrorBoxSink& CurrentSink() {
    static ErrorBoxSink sink;
    return sink;
}

// The box is a dialog of the window the user works in: the active one, or
// (where the compositor has not said which is active) the first one shown.
QWidget* BoxParent() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowType() == Qt::Window)
            return widget;
    return nullptr;
}

void ShowModalErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, BoxParent());
    box.exec();
}

} // namespace

void ShowErrorBox(const QString& message) {
    if (const ErrorBoxSink& sink = CurrentSink())
        sink(message);
    else
        ShowModalErrorBox(message);
}

ErrorBoxSink SetErrorBoxSink(ErrorBoxSink sink) {
    return std::exchange(CurrentSink(), std::move(sink));
}

} // namespace maskwell
