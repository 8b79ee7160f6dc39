// SPDX-License-Identifier: MIT
#include "core/SubnetComputation.h"

#include "core/AddressInfo.h"
#include "core/AddressText.h"

#include <array>
#include <cstdint>
#include <string>

namespace maskwell {

namespace {

struct MaskBitsRow {
    std::string_view bits;
    MaskCut cut;
};

constexpr std::array<MaskBitsRow, 21> kMaskBitsRows{{
    {"10", {64, 2}},  {"11", {32, 2}},  {"12", {16, 2}},  {"13", {8, 2}},  {"14", {4, 2}},
    {"15", {2, 2}},   {"16", {256, 2}}, {"17", {128, 3}}, {"18", {64, 3}}, {"19", {32, 3}},
    {"20", {16, 3}},  {"21", {8, 3}},   {"22", {4, 3}},   {"23", {2, 3}},  {"24", {256, 4}},
    {"25", {128, 4}}, {"26", {64, 4}},  {"27", {32, 4}},  {"28", {16, 4}}, {"29", {8, 4}},
    {"30", {4, 4}},
}};

std::string Dotted(std::string_view o1, std::string_view o2, std::string_view o3,
                   std::string_view o4) {
    std::string text;
    text.reserve(o1.size() + o2.size() + o3.size() + o4.size() + 3);
    text.append(o1).append(1, '.').append(o2).append(1, '.').append(o3).append(1, '.').append(o4);
    return text;
}

} // namespace

std::optional<MaskCut> MaskCutOf(std::string_view maskBits) {
    for (const MaskBitsRow& row : kMaskBitsRows)
        if (row.bits == maskBits)
            return row.cut;
    return std::nullopt;
}

void StartCalc(CalculatorState& state) {
    if (const std::optional<MaskCut> cut = MaskCutOf(state.CB2.Text())) {
        MegaCalc(state, cut->blockSize, cut->octetPosition);
    } else {
        // Without a mask there are no results; any shown belong to an
        // earlier address or mask.
        state.E1.SetText("");
        state.E2.SetText("");
        state.E3.SetText("");
    }
    UpdateAddressInfo(state);
}

void MegaCalc(CalculatorState& state, int blockSize, int octetPosition) {
    const std::string address = state.IPE.Text();
    // Wider than an octet on purpose: the core clamps nothing, so an octet
    // above 255 runs through the same formulas.
    const std::array<std::int32_t, 4> octets = OctetsOf(address);
    const std::int64_t o1 = octets[0];
    const std::int64_t o2 = octets[1];
    const std::int64_t o3 = octets[2];
    const std::int64_t block = blockSize;
    const std::int64_t ok =
        octetPosition >= 1 && octetPosition <= 4 ? octets[octetPosition - 1] : 0;
    const std::int64_t first = block != 0 ? ok / block * block : 0;
    const std::int64_t last = first + block - 1;

    const std::string d1 = DecimalText(o1);
    const std::string d2 = DecimalText(o2);
    const std::string d3 = DecimalText(o3);
    const std::string s = DecimalText(first);
    const std::string l = DecimalText(last);

    switch (octetPosition) {
    case 4:
        state.E1.SetText(Dotted(d1, d2, d3, DecimalText(first + 1)) + " - " +
                         Dotted(d1, d2, d3, DecimalText(last - 1)));
        state.E2.SetText(Dotted(d1, d2, d3, s));
        state.E3.SetText(Dotted(d1, d2, d3, l));
        break;
    case 3:
        state.E1.SetText(Dotted(d1, d2, s, "1") + " - " + Dotted(d1, d2, l, "254"));
        state.E2.SetText(Dotted(d1, d2, s, "0"));
        state.E3.SetText(Dotted(d1, d2, l, "255"));
        break;
    case 2:
        if (blockSize == 256) { // the whole second octet is network
            state.E1.SetText(Dotted(d1, d2, "0", "1") + " - " + Dotted(d1, d2, "255", "254"));
            state.E2.SetText(Dotted(d1, d2, "0", "0"));
            state.E3.SetText(Dotted(d1, d2, "255", "255"));
        } else {
            state.E1.SetText(Dotted(d1, s, "0", "1") + " - " + Dotted(d1, l, "255", "254"));
            state.E2.SetText(Dotted(d1, s, "0", "0"));
            state.E3.SetText(Dotted(d1, l, "255", "255"));
        }
        break;
    default:
        break;
    }
}

} // namespace maskwell
