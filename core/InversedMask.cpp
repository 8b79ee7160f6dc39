// SPDX-License-Identifier: MIT
#include "core/InversedMask.h"

#include "core/ClassRebuild.h"
#include "core/ClassTables.h"

namespace maskwell {

void ChB1Click(CalculatorState& state) {
    const AddressClassInfo* addressClass = ClassOfLetter(state.AddressClass);
    if (addressClass == nullptr || addressClass->Lists == nullptr)
        return; // no class decided yet, or multicast: CB1 keeps its form
    const ClassLists& lists = *addressClass->Lists;
    Refill(state.CB1, state.ChB1.Checked() ? lists.InversedMasks : lists.Masks);
    const int row = state.CB2.ItemIndex();
    if (row >= 0 && row < state.CB1.Count())
        state.CB1.SetItemIndex(row);
}

// Every normal list begins with a mask of 255 in the first octet, every
// inversed one with its complement.
bool ListsInversedMasks(const CalculatorState& state) {
    return state.CB1.Count() > 0 && state.CB1.Item(0).starts_with("0.");
}

} // namespace maskwell
