// SPDX-License-Identifier: MIT
#pragma once

#include "core/CalculatorState.h"

namespace maskwell {

// Switches the subnet mask list between normal masks and their inversed
// (wildcard) forms after ChB1 has taken its new state. Only CB1's texts
// change; the chosen row, the other selectors and the results stay.
void ChB1Click(CalculatorState& state);

// Whether the subnet mask list shows the inversed (wildcard) form. It is the
// form ChB1 names, except after a toggle that met a multicast address or no
// class yet, which leaves the list as it was until the next class rebuild.
bool ListsInversedMasks(const CalculatorState& state);

} // namespace maskwell
