// SPDX-License-Identifier: MIT
#pragma once

#include "core/CalculatorState.h"

#include <string>
#include <vector>

namespace maskwell {

// Plain in-memory pieces for running the calculator without a window: in the
// tests, the benchmarks and anywhere windowless.
class MemorySelector final : public Selector {
public:
    MemorySelector() = default;
    explicit MemorySelector(std::span<const std::string_view> items) { AddItems(items); }

    void Clear() override;
    void AddItems(std::span<const std::string_view> items) override;
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Item(int row) const override { return items_.at(static_cast<std::size_t>(row)); }
    int ItemIndex() const override { return index_; }
    void SetItemIndex(int row) override { index_ = row >= 0 && row < Count() ? row : -1; }

    const std::vector<std::string>& Items() const { return items_; }
    // How many times the list has been emptied.
    int Clears() const { return clears_; }

private:
    std::vector<std::string> items_;
    int index_ = -1;
    int clears_ = 0;
};

class MemoryTextField final : public TextField {
public:
    MemoryTextField() = default;
    explicit MemoryTextField(std::string text) : text_(std::move(text)) {}
    std::string Text() const override { return text_; }
    void SetText(std::string_view text) override { text_.assign(text); }

private:
    std::string text_;
};

class MemoryCheckField final : public CheckField {
public:
    bool Checked() const override { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }

private:
    bool checked_ = false;
};

// Records every notice instead of showing it; while holding back, as a window
// does while the user types, it records none and says so.
class RecordingNoticeSink final : public NoticeSink {
public:
    bool Notice(std::string_view text) override {
        if (holdBack_)
            return false;
        notices_.emplace_back(text);
        return true;
    }
    const std::vector<std::string>& Notices() const { return notices_; }
    void HoldBack(bool holdBack) { holdBack_ = holdBack; }

private:
    std::vector<std::string> notices_;
    bool holdBack_ = false;
};

// A whole calculator in memory, starting as the main window does: address
// 192.168.0.1, the class A lists in normal form with nothing selected, the
// first class row chosen, every result empty.
class MemoryCalculator {
public:
    MemoryCalculator();
    MemoryCalculator(const MemoryCalculator&) = delete;
    MemoryCalculator& operator=(const MemoryCalculator&) = delete;

    MemoryTextField IPE{"192.168.0.1"};
    MemorySelector CB1, CB2, CB3, CB4;
    MemoryCheckField ChB1;
    MemoryTextField E1, E2, E3;
    MemorySelector CBA1;
    MemoryTextField L10, EA1, EA2, EA3;
    RecordingNoticeSink Notices;

    CalculatorState State{IPE, CB1,  CB2, CB3, CB4, ChB1, E1,     E2,
                          E3,  CBA1, L10, EA1, EA2, EA3,  Notices};
};

} // namespace maskwell
