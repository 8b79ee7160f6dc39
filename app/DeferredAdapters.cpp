// SPDX-License-Identifier: MIT
#include "app/DeferredAdapters.h"

#include <utility>
#include <vector>

namespace maskwell {

void DeferredTextField::SetText(std::string_view text) {
    if (widget_)
        widget_->SetText(text);
    else
        value_.assign(text);
}

void DeferredTextField::Attach(std::unique_ptr<TextField> widget) {
    widget->SetText(value_);
    widget_ = std::move(widget);
    std::string().swap(value_); // the widget holds the text now
}

DeferredSelector::DeferredSelector(std::span<const std::string_view> items, int index)
    : held_(items) {
    held_.SetItemIndex(index);
}

void DeferredSelector::Attach(std::unique_ptr<Selector> widget) {
    const std::vector<std::string_view> rows(held_.Items().begin(), held_.Items().end());
    if (!widget->Holds(rows)) {
        widget->Clear();
        widget->AddItems(rows);
    }
    widget->SetItemIndex(held_.ItemIndex());
    widget_ = std::move(widget);
    held_ = MemorySelector(); // the widget holds the rows now
}

} // namespace maskwell
