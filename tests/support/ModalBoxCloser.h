#pragma once

#include "tests/support/QtPrinters.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace maskwell::test {

// Closes every modal box the code under test opens while this object lives,
// and records the text each one showed. A modal box runs its own event loop,
// in which the polling timer fires; the box is closed from inside that loop.
class ModalBoxCloser : public QObject {
public:
    ModalBoxCloser();
    ~ModalBoxCloser() override;

    const QStringList& Texts() const { return texts_; }

    // True while any closer is alive; the test main's watchdog stays quiet then.
    static bool Active();

private:
    void CloseActiveModal();

    QTimer timer_;
    QStringList texts_;
};

// Installed by the test main: a modal box that no closer expects fails the
// running test and is closed, so an unexpected box never hangs the suite.
void InstallUnexpectedModalWatchdog();

// Shows what a modal widget says: a message box's text, else its title.
QString ModalText(QWidget* modal);

} // namespace maskwell::test
