// SPDX-License-Identifier: MIT
#pragma once

#include "core/CalculatorState.h"

namespace maskwell {

// Switches the subnet mask list between normal masks and their inversed
// (wildcard) forms after ChB1 has taken its new state. Only CB1's texts
// change; the chosen row, the other selectors and the results stay.
void ChB1Click(CalculatorState& state);

} // namespace maskwell
