// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ShellOpen.h"

#include <QStringList>

namespace maskwell::test {

// Records what would have been handed to the shell's "open" while it lives.
// Outside a recorder the test main fails any test that opens something.
class ShellOpenRecorder {
public:
    ShellOpenRecorder()
        : previous_(SetShellOpenHandler([this](const QString& target) { targets_ << target; })) {}
    ~ShellOpenRecorder() { SetShellOpenHandler(std::move(previous_)); }
    ShellOpenRecorder(const ShellOpenRecorder&) = delete;
    ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

    const QStringList& Targets() const { return targets_; }

private:
    QStringList targets_;
    ShellOpenHandler previous_;
};

} // namespace maskwell::test
