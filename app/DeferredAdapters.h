// SPDX-License-Identifier: MIT
#pragma once

#include "core/Fields.h"
#include "core/MemoryCalculator.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace maskwell {

// Views of widgets that are built only when first shown. Until the widget
// exists the value is held here; attaching the widget's own view gives it
// the value, and from then on the widget holds it and these only forward.

// A text (a result field, a caption).
class DeferredTextField final : public TextField {
public:
    std::string Text() const override { return widget_ ? widget_->Text() : value_; }
    void SetText(std::string_view text) override;

    // Once only; the view's widget takes the held text.
    void Attach(std::unique_ptr<TextField> widget);
    bool Attached() const { return widget_ != nullptr; }

private:
    std::string value_;
    std::unique_ptr<TextField> widget_;
};

// A drop-down list: its rows and selected row.
class DeferredSelector final : public Selector {
public:
    DeferredSelector(std::span<const std::string_view> items, int index);

    void Clear() override { Target().Clear(); }
    void AddItems(std::span<const std::string_view> items) override { Target().AddItems(items); }
    int Count() const override { return Target().Count(); }
    std::string Item(int row) const override { return Target().Item(row); }
    int ItemIndex() const override { return Target().ItemIndex(); }
    void SetItemIndex(int row) override { Target().SetItemIndex(row); }
    bool Holds(std::span<const std::string_view> items) const override {
        return Target().Holds(items);
    }

    // Once only; the view's widget takes the held rows and selection.
    void Attach(std::unique_ptr<Selector> widget);
    bool Attached() const { return widget_ != nullptr; }

private:
    Selector& Target() { return widget_ ? *widget_ : static_cast<Selector&>(held_); }
    const Selector& Target() const {
        return widget_ ? *widget_ : static_cast<const Selector&>(held_);
    }

    MemorySelector held_;
    std::unique_ptr<Selector> widget_;
};

} // namespace maskwell
