// SPDX-License-Identifier: MIT
#include "tests/support/ModalBoxCloser.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace maskwell::test {

namespace {

int activeClosers = 0;

void CloseModal(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->done(QDialog::Rejected);
    else
        modal->close();
}

} // namespace

QString ModalText(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        return box->text();
    return modal->windowTitle();
}

ModalBoxCloser::ModalBoxCloser(std::function<void(QWidget*)> inspect)
    : inspect_(std::move(inspect)) {
    ++activeClosers;
    qApp->installEventFilter(this);
}

ModalBoxCloser::~ModalBoxCloser() {
    qApp->removeEventFilter(this);
    --activeClosers;
}

bool ModalBoxCloser::Active() {
    return activeClosers > 0;
}

bool ModalBoxCloser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // Queued: it runs once the box's own loop has started.
        if (widget->isWindow() && widget->isModal())
            QMetaObject::invokeMethod(
                this, [this, box = QPointer<QWidget>(widget)] { Close(box); },
                Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void ModalBoxCloser::Close(QWidget* modal) {
    if (modal == nullptr || !modal->isVisible())
        return;
    if (inspect_)
        inspect_(modal);
    texts_ << ModalText(modal);
    CloseModal(modal);
}

void InstallUnexpectedModalWatchdog() {
    auto* watchdog = new QTimer(qApp);
    watchdog->setInterval(20);
    QObject::connect(watchdog, &QTimer::timeout, qApp, [] {
        if (ModalBoxCloser::Active())
            return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal box: " << ModalText(modal).toStdString();
            CloseModal(modal);
        }
    });
    watchdog->start();
}

} // namespace maskwell::test
