// SPDX-License-Identifier: MIT
#include "app/SessionEnd.h"

#include "app/Main.h"
#include "platform/ErrorBox.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace maskwell {

namespace {

// The live instance, for the handler that exit() runs.
SessionEnd* current = nullptr;

} // namespace

SessionEnd::SessionEnd(TMaskwellForm& form) : form_(form) {
    current = this;
    static const bool registered = std::atexit(&SessionEnd::StoreAtExit) == 0;
    static_cast<void>(registered);
    connect(&signals_, &TerminationSignals::Terminate, this,
            [this] { Guarded([this] { form_.Exit1Click(); }); });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& manager) { CommitData(manager); });
}

SessionEnd::~SessionEnd() {
    current = nullptr;
}

void SessionEnd::CommitData(QSessionManager& manager) {
    try {
        form_.FormClose();
    } catch (const std::exception& failure) {
        const QString message = QString::fromUtf8(failure.what());
        if (manager.allowsErrorInteraction()) {
            ShowErrorBox(message);
            manager.release();
        } else {
            std::fprintf(stderr, "maskwell: %s\n", failure.what());
        }
    }
}

void SessionEnd::StoreWithoutBox() {
    try {
        form_.FormClose();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "maskwell: %s\n", failure.what());
    }
}

// Runs on every exit; only an exit() that ends the program while the window
// still lives (the display connection lost) finds an instance.
void SessionEnd::StoreAtExit() {
    if (current)
        current->StoreWithoutBox();
}

} // namespace maskwell
