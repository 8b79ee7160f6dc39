// SPDX-License-Identifier: MIT
#pragma once

#include "core/CalculatorState.h"

namespace maskwell {

// Shows the title and bit map pattern of the class row selected in CBA1; a
// text that matches no row changes nothing.
void UpdateAddressInfo(CalculatorState& state);

// The user picked a class in CBA1: moves the address into that class by
// replacing its first octet (unless it is there already), then rebuilds.
void CBA1Change(CalculatorState& state);

} // namespace maskwell
