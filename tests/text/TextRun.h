// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace maskwell::test {

constexpr std::uint32_t Address(unsigned a, unsigned b, unsigned c, unsigned d) {
    return a << 24 | b << 16 | c << 8 | d;
}

std::string Dotted(std::uint32_t value);

// The fields --print gives for an address under a prefix, worked out on
// 32-bit numbers: network = address AND mask, broadcast = network OR NOT mask;
// subnets counted beyond the class's own network bits (multicast and 127.x,
// which has no class, are offered the class A lists). In the order of the
// JSON keys; numbers as their digits, a missing class empty.
std::vector<std::pair<std::string, std::string>> ExpectedFields(std::uint32_t address, int bits);

// The same as the text block --print writes.
std::string ExpectedBlock(std::uint32_t address, int bits);

// The subnets --list gives for an address under a prefix, worked out on 32-bit
// numbers: the classful network (8 bits for classes A and D, 16 for B, 24 for
// C) cut into 2^n subnets, the first and last marked when n > 0. Each row's
// fields in the order of the JSON keys, an unmarked row's mark empty.
std::vector<std::vector<std::string>> ExpectedSubnets(std::uint32_t address, int bits);

// The same as the tab-separated lines --list writes.
std::string ExpectedList(std::uint32_t address, int bits);

struct TextOutcome {
    int ExitCode = 0;
    std::string Output;
    std::string Problems;
};

// Runs the maskwell command's text paths in this process: the arguments
// (program name first) read as the program reads them, `input` as standard
// input, both output streams caught.
TextOutcome RunText(const std::vector<std::string_view>& arguments, std::string_view input = {});

} // namespace maskwell::test
