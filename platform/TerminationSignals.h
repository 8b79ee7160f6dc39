// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

namespace maskwell {

// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) as a Qt
// signal on the thread that created this object, so that the program can end
// the way it ends when asked from its window. The handler only writes the
// signal's number into a pipe, the one kind of work a signal handler may do;
// a socket notifier reads it in the event loop. A signal ignored when this is
// created (nohup, a background job) stays ignored. After the first of them the
// three take their default action again, so that a second one ends a program
// that does not end. One instance at a time; destroying it restores the
// actions that were there before.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // The first signal received, 0 before any.
    int Received() const { return received_; }

    // Ends the process by the signal's default action, as it would have ended
    // without a handler: a shell then sees the signal, not an exit status.
    static void RaiseWithDefaultAction(int signal);

signals:
    void Terminate(int signal);

private:
    void ReadPipe();

    int received_ = 0;
    int readEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace maskwell
