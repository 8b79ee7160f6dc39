// SPDX-License-Identifier: MIT
#include "platform/TerminationSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace maskwell {

namespace {

constexpr std::array<int, 3> handledSignals = {SIGTERM, SIGHUP, SIGINT};

// The pipe's write end, for the handler; -1 while no instance lives.
volatile std::sig_atomic_t writeEnd = -1;
std::array<struct sigaction, handledSignals.size()> previousActions{};
// Whether the handler was installed; a signal ignored at start (nohup, a
// background job of a shell without job control) stays ignored.
std::array<bool, handledSignals.size()> handled{};

extern "C" void WriteSignalNumber(int signal) {
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signal);
    // A full pipe already holds a signal for the event loop: nothing is lost.
    const ssize_t written = writeEnd >= 0 ? write(writeEnd, &number, 1) : 0;
    static_cast<void>(written);
    errno = savedErrno;
}

void SetAction(int signal, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default action
    readEnd_ = ends[0];
    writeEnd = ends[1];
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::ReadPipe);
    for (std::size_t i = 0; i < handledSignals.size(); ++i) {
        sigaction(handledSignals[i], nullptr, &previousActions[i]);
        handled[i] = previousActions[i].sa_handler != SIG_IGN;
        if (handled[i])
            SetAction(handledSignals[i], &WriteSignalNumber);
    }
}

TerminationSignals::~TerminationSignals() {
    if (readEnd_ < 0)
        return;
    for (std::size_t i = 0; i < handledSignals.size(); ++i)
        if (handled[i])
            sigaction(handledSignals[i], &previousActions[i], nullptr);
    const int ends[2] = {readEnd_, writeEnd};
    writeEnd = -1;
    close(ends[0]);
    close(ends[1]);
}

void TerminationSignals::RaiseWithDefaultAction(int signal) {
    SetAction(signal, SIG_DFL);
    std::raise(signal);
}

void TerminationSignals::ReadPipe() {
    unsigned char number = 0;
    while (read(readEnd_, &number, 1) == 1) {
        if (received_ != 0)
            continue;
        received_ = number;
        for (std::size_t i = 0; i < handledSignals.size(); ++i)
            if (handled[i])
                SetAction(handledSignals[i], SIG_DFL);
        emit Terminate(received_);
    }
}

} // namespace maskwell
