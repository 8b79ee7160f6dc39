// SPDX-License-Identifier: MIT
#pragma once

#include "core/CalculatorState.h"

#include <optional>
#include <string_view>

namespace maskwell {

// Where a mask length cuts the address: the octet that holds the boundary
// between network and host bits (2, 3 or 4, counted from 1 at the left) and how
// many consecutive values of that octet one subnet spans. A whole network
// octet is block size 256: mask bits 16 on octet 2, mask bits 24 on octet 4.
struct MaskCut {
    int blockSize;
    int octetPosition;
};

// The cut for a mask-bits text "10" to "30", compared as a whole text; none for
// any other text, the empty one included.
std::optional<MaskCut> MaskCutOf(std::string_view maskBits);

// Computes the results for the mask bits shown in CB2, or empties E1..E3 when
// CB2 shows none, then refreshes the Address Info page.
void StartCalc(CalculatorState& state);

// Writes the host range, subnet ID and broadcast of the subnet that holds the
// address into E1, E2 and E3, in that order.
void MegaCalc(CalculatorState& state, int blockSize, int octetPosition);

} // namespace maskwell
