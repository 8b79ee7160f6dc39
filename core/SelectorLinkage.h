// SPDX-License-Identifier: MIT
#pragma once

#include "core/CalculatorState.h"

namespace maskwell {

// The four mask selectors are four views of one choice: a pick in one moves the
// other three to the same row, by position only, and recomputes the results.
void CB1Change(CalculatorState& state);
void CB2Change(CalculatorState& state);
void CB3Change(CalculatorState& state);
void CB4Change(CalculatorState& state);

} // namespace maskwell
