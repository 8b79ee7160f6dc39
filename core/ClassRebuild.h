// SPDX-License-Identifier: MIT
#pragma once

#include "core/CalculatorState.h"

namespace maskwell {

// Runs whenever the address has changed: decides the class from the first
// octet, refills the four mask selectors with that class's lists (CB1 in the
// form ChB1 names), carries the chosen mask over when the new lists hold it,
// fills the class texts of the Address Info page, recomputes the results and
// writes the binary and hexadecimal forms of the address. Lists that are
// already the class's, with a mask chosen, are left in place rather than
// refilled: the outcome is the same.
void RebindCheckbox(CalculatorState& state);

// Fills a selector afresh with a list.
void Refill(Selector& selector, std::span<const std::string_view> items);

} // namespace maskwell
