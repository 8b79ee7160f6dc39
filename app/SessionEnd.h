// SPDX-License-Identifier: MIT
#pragma once

#include "platform/TerminationSignals.h"

#include <QObject>

class QSessionManager;

namespace maskwell {

class TMaskwellForm;

// Every way the running program ends stores what the window shows, as File >
// Exit does:
// - SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C) close
//   the window and quit, as File > Exit;
// - the session manager's save request (commitDataRequest, before a logout)
//   stores the settings and leaves the window open;
// - a lost display connection, which Qt's window system plugin answers with
//   exit(): the settings are stored on the way out, without a box.
// One instance at a time, living no longer than the window.
class SessionEnd : public QObject {
    Q_OBJECT

public:
    explicit SessionEnd(TMaskwellForm& form);
    ~SessionEnd() override;

    // The termination signal that ended the program, 0 for none.
    int Signal() const { return signals_.Received(); }

    // Answers the session manager's request to save: a refused write is shown
    // only where the session manager allows it, else said on standard error.
    void CommitData(QSessionManager& manager);

private:
    // Stores the settings where no box can be shown.
    void StoreWithoutBox();
    static void StoreAtExit();

    TMaskwellForm& form_;
    TerminationSignals signals_;
};

} // namespace maskwell
