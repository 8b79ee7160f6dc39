// SPDX-License-Identifier: MIT
#pragma once

#include "app/SettingsFile.h"
#include "core/AddressInput.h"
#include "core/CalculatorState.h"

#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace maskwell {

class TSubnetsWindow;

// Keeps the Subnets window beside the main window. The window is built when
// first opened, so that a start with it closed costs nothing. While it is
// open, every round of events that changed a result (a new address or mask)
// shows it the address and mask bits the calculator holds; a subnet chosen in
// it is handed to takeAddress. It also says what the settings file keeps of
// the window.
class TSubnetListLink : public QObject {
    Q_OBJECT

public:
    TSubnetListLink(QWidget& mainWindow, const CalculatorState& state,
                    const QList<QLineEdit*>& results,
                    std::function<void(const AddressInput&)> takeAddress);

    // Opens the window (building it the first time) and gives it the keyboard.
    void Open();
    // At start-up: the size the settings file keeps, and the window opened
    // when it was open at the last exit, without taking the keyboard from
    // the main window.
    void Restore(const std::optional<SubnetListSettings>& stored);
    // What to store: none while the window was never built and the file had
    // nothing on it.
    std::optional<SubnetListSettings> Settings() const;

    // Null until first opened.
    TSubnetsWindow* Window() const { return window_; }

private:
    void Build();
    void FollowSoon();
    void Follow();

    QWidget& mainWindow_;
    const CalculatorState& state_;
    QList<QLineEdit*> results_;
    std::function<void(const AddressInput&)> takeAddress_;
    std::optional<SubnetListSettings> stored_;
    TSubnetsWindow* window_ = nullptr;
    bool followPending_ = false;
};

} // namespace maskwell
