// SPDX-License-Identifier: MIT
#include "core/ClassRebuild.h"

#include "core/AddressText.h"
#include "core/ClassTables.h"
#include "core/SelectorLinkage.h"

#include <optional>

namespace maskwell {

void Refill(Selector& selector, std::span<const std::string_view> items) {
    selector.Clear();
    selector.AddItems(items);
}

void RebindCheckbox(CalculatorState& state) {
    const std::string rememberedMask = state.CB1.Text();

    const std::string address = state.IPE.Text();
    const std::optional<AddressClassInfo> addressClass = ClassOfFirstOctet(OctetOf(address, 1));
    if (!addressClass || addressClass->Lists)
        state.MulticastNoticed.clear();
    if (addressClass) {
        state.AddressClass = addressClass->Letter;
        if (const ClassLists* lists = addressClass->Lists) {
            const auto masks = state.ChB1.Checked() ? lists->InversedMasks : lists->Masks;
            // With a mask chosen and the four lists already those of the class,
            // emptying and refilling them would end exactly where they stand:
            // the carry-over below finds the chosen row again and the linkage
            // moves the other three to it. Only the emptying and refilling of
            // every list on every typed address is saved.
            const bool unchanged = state.CB1.ItemIndex() >= 0 && state.CB1.Holds(masks) &&
                                   state.CB2.Holds(lists->MaskBits) &&
                                   state.CB3.Holds(lists->MaxSubnets) &&
                                   state.CB4.Holds(lists->MaxHosts);
            if (!unchanged) {
                Refill(state.CB1, masks);
                Refill(state.CB2, lists->MaskBits);
                Refill(state.CB3, lists->MaxSubnets);
                Refill(state.CB4, lists->MaxHosts);
            }
        } else if (state.MulticastNoticed != address) {
            // Multicast offers no masks: the selectors stay as they are. The
            // notice comes once per address, not at every rebuild of it.
            if (state.Notices.Notice("multicast or class d"))
                state.MulticastNoticed = address;
        }
        state.CBA1.SetItemIndex(addressClass->Row);
        state.L10.SetText(addressClass->Title);
        state.EA1.SetText(addressClass->Pattern);
    }

    // Keep the chosen mask where the new list has it (in the same form), else
    // fall back to the first row; with nothing chosen, nothing gets chosen.
    for (int row = 0; row < state.CB1.Count(); ++row)
        if (state.CB1.Item(row) == rememberedMask)
            state.CB1.SetItemIndex(row);
    if (state.CB1.Text() != rememberedMask)
        state.CB1.SetItemIndex(0);

    CB1Change(state);

    state.EA2.SetText(BinaryAddressText(address));
    state.EA3.SetText(HexAddressText(address));
}

} // namespace maskwell
