// SPDX-License-Identifier: MIT
#include "core/AddressEntry.h"

#include "core/AddressText.h"
#include "core/ClassRebuild.h"
#include "core/ClassTables.h"
#include "core/SelectorLinkage.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace maskwell {

namespace {

// The class a first octet text names, without raising anything for a field
// that is being edited: "" for 127, for 0 and for a text that is no number.
std::string ClassLetterOf(std::string_view address) {
    const std::string_view first = address.substr(0, address.find('.'));
    if (first.empty() || first.size() > 3)
        return {};
    long long value = 0;
    for (const char c : first) {
        if (c < '0' || c > '9')
            return {};
        value = value * 10 + (c - '0');
    }
    const std::optional<AddressClassInfo> info = ClassOfFirstOctet(value);
    return info ? std::string(info->Letter) : std::string();
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The normal and inversed mask of a mask-bits text, from the one table that
// lists every length the selectors offer.
std::pair<std::string, std::string> MasksOf(std::string_view maskBits) {
    const ClassLists& lists = ClassALists();
    for (std::size_t row = 0; row < lists.MaskBits.size(); ++row)
        if (lists.MaskBits[row] == maskBits)
            return {std::string(lists.Masks[row]), std::string(lists.InversedMasks[row])};
    return {};
}

// A multicast address has no mask lists of its own: the selectors keep those
// of the class before it. A mask given with one is therefore looked up in the
// lists of every length (the class A lists), whatever came before, so that the
// same paste gives the same result every time, as on the command line.
bool SelectMulticastMaskBits(CalculatorState& state, int bits) {
    const ClassLists& every = ClassALists();
    const std::string text = DecimalText(bits);
    if (std::find(every.MaskBits.begin(), every.MaskBits.end(), text) == every.MaskBits.end()) {
        state.Notices.Notice(
            MaskNotOfferedText("D", bits, every.MaskBits.front(), every.MaskBits.back()));
        return false;
    }
    if (!state.CB2.Holds(every.MaskBits)) {
        Refill(state.CB1, state.ChB1.Checked() ? every.InversedMasks : every.Masks);
        Refill(state.CB2, every.MaskBits);
        Refill(state.CB3, every.MaxSubnets);
        Refill(state.CB4, every.MaxHosts);
    }
    return SelectMaskBits(state, bits);
}

} // namespace

bool TakeAddressInput(CalculatorState& state, const AddressInput& input,
                      const std::function<void()>& repairAddress) {
    state.IPE.SetText(input.Dotted());
    if (repairAddress)
        repairAddress();
    RebindCheckbox(state);
    if (!input.MaskBits)
        return true;
    if (ClassLetterOf(state.IPE.Text()) == "d")
        return SelectMulticastMaskBits(state, *input.MaskBits);
    return SelectMaskBits(state, *input.MaskBits);
}

bool SelectMaskBits(CalculatorState& state, int bits) {
    const std::string text = DecimalText(bits);
    for (int row = 0; row < state.CB2.Count(); ++row) {
        if (state.CB2.Item(row) == text) {
            state.CB2.SetItemIndex(row);
            CB2Change(state);
            return true;
        }
    }
    state.Notices.Notice(MaskNotOfferedText(state, bits));
    return false;
}

std::string MaskNotOfferedText(const CalculatorState& state, int bits) {
    const int rows = state.CB2.Count();
    return MaskNotOfferedText(Upper(ClassLetterOf(state.IPE.Text())), bits,
                              rows > 0 ? state.CB2.Item(0) : std::string(),
                              rows > 0 ? state.CB2.Item(rows - 1) : std::string());
}

std::string MaskNotOfferedText(std::string_view classLetter, int bits,
                               std::string_view firstOffered, std::string_view lastOffered) {
    std::string text = "mask bits " + DecimalText(bits) + " is not offered for " +
                       (classLetter.empty() ? std::string("this address")
                                            : "a class " + std::string(classLetter) + " address");
    if (!firstOffered.empty())
        text.append("; choose ").append(firstOffered).append(" to ").append(lastOffered);
    return text;
}

bool PasteAddress(CalculatorState& state, std::string_view text,
                  const std::function<void()>& repairAddress) {
    const std::optional<AddressInput> input = ParseAddressInput(text);
    if (!input) {
        std::string reason = AddressInputRefusal(text);
        if (reason.empty())
            reason = text.find_first_not_of(" \t\r\n") == std::string_view::npos
                         ? "the clipboard is empty"
                         : std::string(kAddressInputHint);
        state.Notices.Notice(reason);
        return false;
    }
    TakeAddressInput(state, *input, repairAddress);
    return true;
}

std::string ResultSummaryText(const CalculatorState& state) {
    const std::string address = state.IPE.Text();
    const std::string maskBits = state.CB2.Text();
    const auto [mask, wildcard] = MasksOf(maskBits);
    // Without a mask the result fields may still show the last mask's results.
    const auto withMask = [&maskBits](const std::string& text) {
        return maskBits.empty() ? std::string() : text;
    };
    const std::string addressWithBits = maskBits.empty() ? address : address + "/" + maskBits;
    const std::string range = withMask(state.E1.Text());
    const std::string subnetId = withMask(state.E2.Text());
    const std::string broadcast = withMask(state.E3.Text());
    const std::string subnets = withMask(state.CB3.Text());
    const std::string hosts = withMask(state.CB4.Text());
    // The class the window shows: 127.x and 0.x keep the one before.
    const std::string letter = Upper(state.AddressClass);
    const std::string binary = state.EA2.Text();
    const std::string hex = state.EA3.Text();
    std::string text;
    AppendResultSummary(text, {addressWithBits, mask, wildcard, range, subnetId, broadcast, subnets,
                               hosts, letter, binary, hex});
    return text;
}

void AppendResultSummary(std::string& text, const ResultSummaryValues& values) {
    static constexpr ResultSummaryValues labels{
        "address",       "subnet mask",      "wildcard mask", "host address range",
        "subnet ID",     "subnet broadcast", "max subnets",   "max hosts per subnet",
        "address class", "binary",           "hexadecimal"};
    for (std::size_t i = 0; i < labels.size(); ++i)
        text.append(labels[i])
            .append(values[i].empty() ? ":" : ": ")
            .append(values[i])
            .append("\n");
}

} // namespace maskwell
