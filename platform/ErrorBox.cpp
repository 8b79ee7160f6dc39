#include "platform/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace maskwell {

namespace {

ErrorBoxSink& CurrentSink() {
    static ErrorBoxSink sink;
    return sink;
}

void ShowModalErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, QApplication::activeWindow());
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
