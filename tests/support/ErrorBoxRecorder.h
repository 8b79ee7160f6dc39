// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ErrorBox.h"
#include "tests/support/QtPrinters.h"

#include <QStringList>

namespace maskwell::test {

// Records what would have gone into the application's error box while it lives.
// Outside a recorder the test main fails any test that shows an error box.
class ErrorBoxRecorder {
public:
    ErrorBoxRecorder()
        : previous_(SetErrorBoxSink([this](const QString& message) { messages_ << message; })) {}
    ~ErrorBoxRecorder() { SetErrorBoxSink(std::move(previous_)); }
    ErrorBoxRecorder(const ErrorBoxRecorder&) = delete;
    ErrorBoxRecorder& operator=(const ErrorBoxRecorder&) = delete;

    const QStringList& Messages() const { return messages_; }

private:
    QStringList messages_;
    ErrorBoxSink previous_;
};

} // namespace maskwell::test
