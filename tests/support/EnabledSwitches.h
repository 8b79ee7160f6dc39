// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <span>

namespace maskwell::test {

// The ways a control's enabled state can be switched: its own Enabled
// property, Qt's setter, or its parent's state.
enum class Switch { OwnOff, OwnOn, QtOff, QtOn, ParentOff, ParentOn };

// Switches `control` (a control with SetEnabled) step by step.
template <typename Control>
void ApplySwitches(std::span<const Switch> steps, Control& control, QWidget& parent) {
    for (const Switch step : steps) {
        switch (step) {
        case Switch::OwnOff:
            control.SetEnabled(false);
            break;
        case Switch::OwnOn:
            control.SetEnabled(true);
            break;
        case Switch::QtOff:
            control.setEnabled(false);
            break;
        case Switch::QtOn:
            control.setEnabled(true);
            break;
        case Switch::ParentOff:
            parent.setEnabled(false);
            break;
        case Switch::ParentOn:
            parent.setEnabled(true);
            break;
        }
    }
}

} // namespace maskwell::test
