// SPDX-License-Identifier: MIT
#pragma once

#include "tests/support/QtPrinters.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace maskwell::test {

// Closes every modal box the code under test opens while this object lives,
// and records the text each one showed. It watches for the box being shown
// and closes it from inside the box's own event loop, once that runs.
class ModalBoxCloser : public QObject {
public:
    // inspect, when given, sees each box in its running loop before it closes.
    explicit ModalBoxCloser(std::function<void(QWidget* modal)> inspect = {});
    ~ModalBoxCloser() override;
    ModalBoxCloser(const ModalBoxCloser&) = delete;
    ModalBoxCloser& operator=(const ModalBoxCloser&) = delete;

    const QStringList& Texts() const { return texts_; }

    // True while any closer is alive; the test main's watchdog stays quiet then.
    static bool Active();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close(QWidget* modal);

    std::function<void(QWidget*)> inspect_;
    QStringList texts_;
};

// Installed by the test main: a modal box that no closer expects fails the
// running test and is closed, so an unexpected box never hangs the suite.
void InstallUnexpectedModalWatchdog();

// Shows what a modal widget says: a message box's text, else its title.
QString ModalText(QWidget* modal);

} // namespace maskwell::test
