#include "tests/support/ModalBoxCloser.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
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

ModalBoxCloser::ModalBoxCloser() {
    ++activeClosers;
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &ModalBoxCloser::CloseActiveModal);
    timer_.start();
}

ModalBoxCloser::~ModalBoxCloser() {
    --activeClosers;
}

bool ModalBoxCloser::Active() {
    return activeClosers > 0;
}

void ModalBoxCloser::CloseActiveModal() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        texts_ << ModalText(modal);
        CloseModal(modal);
    }
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
