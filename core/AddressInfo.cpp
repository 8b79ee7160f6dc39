// SPDX-License-Identifier: MIT
#include "core/AddressInfo.h"

#include "core/AddressText.h"
#include "core/ClassRebuild.h"
#include "core/ClassTables.h"

#include <iterator>
#include <limits>
#include <string>

namespace maskwell {

namespace {

// The first octet each class row moves an address to, and the range of first
// octets it leaves alone (the leading bits 0, 10, 110 and 1110).
struct ClassMove {
    int low;
    int high;
    std::string_view newFirstOctet;
};

constexpr ClassMove kClassMoves[] = {
    {std::numeric_limits<int>::min(), 127, "1"},
    {128, 191, "128"},
    {192, 223, "192"},
    {224, std::numeric_limits<int>::max(), "224"},
};

} // namespace

void UpdateAddressInfo(CalculatorState& state) {
    const std::string rowText = state.CBA1.Text();
    for (const AddressClassInfo& info : AddressClasses()) {
        if (info.RowText == rowText) {
            state.L10.SetText(info.Title);
            state.EA1.SetText(info.Pattern);
            return;
        }
    }
}

void CBA1Change(CalculatorState& state) {
    const std::string address = state.IPE.Text();
    const std::size_t dot = address.find('.');
    const int firstOctet = DecimalValue(std::string_view(address).substr(0, dot));
    const std::string rest = dot == std::string::npos ? std::string() : address.substr(dot + 1);

    const int row = state.CBA1.ItemIndex();
    if (row >= 0 && row < static_cast<int>(std::size(kClassMoves))) {
        const ClassMove& move = kClassMoves[row];
        if (firstOctet < move.low || firstOctet > move.high)
            state.IPE.SetText(std::string(move.newFirstOctet) + "." + rest);
    }
    RebindCheckbox(state);
    UpdateAddressInfo(state);
}

} // namespace maskwell
