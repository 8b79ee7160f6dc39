// SPDX-License-Identifier: MIT
#include "core/SelectorLinkage.h"

#include "core/SubnetComputation.h"

namespace maskwell {

namespace {

// Rows 0 to 20 cover the longest list, class A's; the lists of a class are
// equally long, so a row read from one is valid in the others.
constexpr int kLastLinkedRow = 20;

void FollowRow(CalculatorState& state, const Selector& picked, Selector& first, Selector& second,
               Selector& third) {
    const int row = picked.ItemIndex();
    if (row >= 0 && row <= kLastLinkedRow) {
        first.SetItemIndex(row);
        second.SetItemIndex(row);
        third.SetItemIndex(row);
    }
    StartCalc(state);
}

} // namespace

void CB1Change(CalculatorState& state) {
    FollowRow(state, state.CB1, state.CB2, state.CB3, state.CB4);
}
void CB2Change(CalculatorState& state) {
    FollowRow(state, state.CB2, state.CB1, state.CB3, state.CB4);
}
void CB3Change(CalculatorState& state) {
    FollowRow(state, state.CB3, state.CB1, state.CB2, state.CB4);
}
void CB4Change(CalculatorState& state) {
    FollowRow(state, state.CB4, state.CB1, state.CB2, state.CB3);
}

} // namespace maskwell
