// SPDX-License-Identifier: MIT
#include "core/MemoryCalculator.h"

#include "core/ClassTables.h"

namespace maskwell {

void MemorySelector::Clear() {
    items_.clear();
    index_ = -1;
    ++clears_;
}

void MemorySelector::AddItems(std::span<const std::string_view> items) {
    items_.insert(items_.end(), items.begin(), items.end());
}

MemoryCalculator::MemoryCalculator() {
    const ClassLists& classA = ClassALists();
    CB1.AddItems(classA.Masks);
    CB2.AddItems(classA.MaskBits);
    CB3.AddItems(classA.MaxSubnets);
    CB4.AddItems(classA.MaxHosts);
    for (const AddressClassInfo& info : AddressClasses()) {
        const std::string_view row = info.RowText;
        CBA1.AddItems(std::span(&row, 1));
    }
    CBA1.SetItemIndex(0);
}

} // namespace maskwell
