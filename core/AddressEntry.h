// SPDX-License-Identifier: MIT
#pragma once

#include "core/AddressInput.h"
#include "core/CalculatorState.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

// An address given as a whole text (pasted, or named on the command line)
// entering the calculator, and the calculator's results going out as one text.
namespace maskwell {

// Writes the octets into the address, runs repairAddress (which brings them
// into the range the address control keeps after a repair), runs the class
// rebuild once and then, when a mask was given, selects it. A class D address,
// which keeps the lists of the class before it, is offered every length (the
// class A lists) whatever that class was. Returns false when the mask bits are
// not offered; the notice saying which bits are offered has then been given,
// the address is taken and the mask stays as it was.
bool TakeAddressInput(CalculatorState& state, const AddressInput& input,
                      const std::function<void()>& repairAddress);

// Selects the row of mask bits `bits` in the four selectors and recomputes, or,
// when CB2 does not list those bits, gives the notice of MaskNotOfferedText and
// changes nothing. Returns whether the row was selected.
bool SelectMaskBits(CalculatorState& state, int bits);

// "mask bits 16 is not offered for a class C address; choose 24 to 30", the
// range being that of the mask-bits list the selectors hold now.
std::string MaskNotOfferedText(const CalculatorState& state, int bits);

// The same notice for a class letter ("C"; empty for an address of no class)
// and the first and last mask bits offered (the choice is left out when the
// first is empty).
std::string MaskNotOfferedText(std::string_view classLetter, int bits,
                               std::string_view firstOffered, std::string_view lastOffered);

// Reads text as an address and takes it; text that is no address changes
// nothing and gives a notice saying why: the clipboard is empty, the reader's
// refusal, or else kAddressInputHint. Returns whether the address was taken.
bool PasteAddress(CalculatorState& state, std::string_view text,
                  const std::function<void()>& repairAddress);

// The results as one plain text, one "label: value" line each: the address
// with its prefix, subnet mask, wildcard mask, host range, subnet ID,
// broadcast, max subnets, max hosts per subnet, class, binary and hexadecimal.
// With no mask selected every value that depends on the mask is empty, also
// when the result fields still show the results of an earlier mask.
std::string ResultSummaryText(const CalculatorState& state);

// The values of the summary's lines, in their order.
using ResultSummaryValues = std::array<std::string_view, 11>;

// Appends the summary of these values to text: "label: value" lines, or
// "label:" alone for an empty value. The one writer of the summary's labels,
// for the window's copy and the command line alike.
void AppendResultSummary(std::string& text, const ResultSummaryValues& values);

} // namespace maskwell
