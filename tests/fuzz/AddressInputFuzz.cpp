// SPDX-License-Identifier: MIT
// The address reader behind every paste and the command line: any text.
// Properties: blanks and line ends around the text change nothing; an accepted
// text holds only digits, dots, a slash and blanks, gives octets of 0..255 and
// mask bits of 0..32; and the address written back, alone or with its mask as
// a prefix, a dotted mask or a wildcard, reads as the same address and mask.
#include "core/AddressInput.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstdint>
#include <optional>
#include <string>

namespace maskwell::fuzz {

namespace {

std::string Dotted(std::uint32_t value) {
    return std::to_string(value >> 24) + '.' + std::to_string(value >> 16 & 255) + '.' +
           std::to_string(value >> 8 & 255) + '.' + std::to_string(value & 255);
}

std::uint32_t MaskOf(int bits) {
    return bits == 0 ? 0u : ~std::uint32_t{0} << (32 - bits);
}

bool Same(const std::optional<AddressInput>& a, const std::optional<AddressInput>& b) {
    if (a.has_value() != b.has_value())
        return false;
    return !a || (a->Octets == b->Octets && a->MaskBits == b->MaskBits);
}

std::string Shown(const std::optional<AddressInput>& input) {
    if (!input)
        return "nothing";
    return input->Dotted() + (input->MaskBits ? "/" + std::to_string(*input->MaskBits) : "");
}

void RequireReadsAs(const std::string& text, const AddressInput& expected,
                    const std::string& from) {
    const std::optional<AddressInput> again = ParseAddressInput(text);
    Require(Same(again, expected),
            '"' + text + "\" (written back from \"" + from + "\") read as " + Shown(again));
}

} // namespace

void RunAddressInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<AddressInput> input = ParseAddressInput(text);
    Require(Same(ParseAddressInput(" \t" + text + " \r\n"), input),
            "blanks around \"" + text + "\" changed what it reads as");
    if (!input)
        return;

    for (const char c : text)
        Require((c >= '0' && c <= '9') || c == '.' || c == '/' || c == ' ' || c == '\t' ||
                    c == '\r' || c == '\n',
                "\"" + text + "\" was accepted with the character " + std::to_string(c));
    for (const int octet : input->Octets)
        Require(octet >= 0 && octet <= 255, "an octet of " + std::to_string(octet));

    RequireReadsAs(input->Dotted(), AddressInput{input->Octets, std::nullopt}, text);
    if (!input->MaskBits)
        return;
    const int bits = *input->MaskBits;
    Require(bits >= 0 && bits <= 32, "mask bits of " + std::to_string(bits));
    RequireReadsAs(input->Dotted() + "/" + std::to_string(bits), *input, text);
    RequireReadsAs(input->Dotted() + " " + Dotted(MaskOf(bits)), *input, text);
    // A wildcard of all ones or all zeros reads as a mask (/32, /0) instead.
    if (bits != 0 && bits != 32)
        RequireReadsAs(input->Dotted() + "/" + Dotted(~MaskOf(bits)), *input, text);
}

} // namespace maskwell::fuzz
