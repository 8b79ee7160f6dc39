// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace maskwell {

// A drop-down list as the calculator sees it: ordered texts and a selected row
// (-1 for none). Emptying the list clears the selection, adding rows selects
// nothing, and selecting a row from code never runs the selector's change
// handler; a row outside the list leaves it without a selection.
class Selector {
public:
    virtual ~Selector() = default;

    virtual void Clear() = 0;
    virtual void AddItems(std::span<const std::string_view> items) = 0;
    virtual int Count() const = 0;
    virtual std::string Item(int row) const = 0;
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int row) = 0;

    // Whether the list is exactly these texts, row for row.
    virtual bool Holds(std::span<const std::string_view> items) const {
        if (Count() != static_cast<int>(items.size()))
            return false;
        for (int row = 0; row < Count(); ++row)
            if (Item(row) != items[static_cast<std::size_t>(row)])
                return false;
        return true;
    }

    // The selected row's text, or the empty text.
    std::string Text() const {
        const int row = ItemIndex();
        return row >= 0 && row < Count() ? Item(row) : std::string();
    }
};

} // namespace maskwell
