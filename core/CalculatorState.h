// SPDX-License-Identifier: MIT
#pragma once

#include "core/Fields.h"
#include "core/Selector.h"

#include <string>

namespace maskwell {

// The whole state of the calculator. Each piece lives in a control of the main
// window and carries that control's name; the calculator reads the texts and
// selections afresh at every event and keeps nothing of its own between events,
// except the class letter and the address last announced as multicast, which
// have no control.
struct CalculatorState {
    TextField& IPE;   // the dotted address
    Selector& CB1;    // subnet mask, normal or inversed form
    Selector& CB2;    // mask bits "10" to "30"
    Selector& CB3;    // maximum subnets
    Selector& CB4;    // maximum hosts per subnet
    CheckField& ChB1; // checked: masks in inversed (wildcard) form
    TextField& E1;    // host address range
    TextField& E2;    // subnet ID
    TextField& E3;    // subnet broadcast
    Selector& CBA1;   // address class row of the Address Info page
    TextField& L10;   // bit map title
    TextField& EA1;   // bit map pattern
    TextField& EA2;   // address in binary
    TextField& EA3;   // address in hexadecimal
    NoticeSink& Notices;
    std::string AddressClass{}; // "a", "b", "c", "d", or empty before the first decision
    // The class D address the multicast notice was given for; empty once a
    // rebuild meets an address of no class or another class.
    std::string MulticastNoticed{};
};

} // namespace maskwell
