// SPDX-License-Identifier: MIT
#include "tests/text/TextRun.h"

#include "app/text/CommandLine.h"
#include "app/text/TextCommands.h"

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace maskwell::test {

namespace {

std::string OctetsIn(std::uint32_t value, unsigned base) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        unsigned octet = value >> shift & 0xFF;
        std::string digits;
        for (int i = 0; i < (base == 2 ? 8 : 2); ++i, octet /= base)
            digits.insert(digits.begin(), "0123456789ABCDEF"[octet % base]);
        text += (shift < 24 ? "." : "") + digits;
    }
    return text;
}

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File TemporaryFile(std::string_view contents) {
    File file(std::tmpfile(), &std::fclose);
    if (!contents.empty()) // an empty view may have no data to write from
        std::fwrite(contents.data(), 1, contents.size(), file.get());
    std::fflush(file.get());
    ::lseek(fileno(file.get()), 0, SEEK_SET);
    return file;
}

std::string Contents(std::FILE* file) {
    std::string text;
    ::lseek(fileno(file), 0, SEEK_SET);
    char block[4096];
    for (ssize_t got; (got = ::read(fileno(file), block, sizeof block)) > 0;)
        text.append(block, static_cast<std::size_t>(got));
    return text;
}

} // namespace

std::string Dotted(std::uint32_t value) {
    return std::to_string(value >> 24) + "." + std::to_string(value >> 16 & 0xFF) + "." +
           std::to_string(value >> 8 & 0xFF) + "." + std::to_string(value & 0xFF);
}

std::vector<std::pair<std::string, std::string>> ExpectedFields(std::uint32_t address, int bits) {
    const std::uint32_t mask = bits == 0 ? 0 : ~std::uint32_t{0} << (32 - bits);
    const std::uint32_t network = address & mask;
    const std::uint32_t broadcast = network | ~mask;
    const unsigned first = address >> 24;
    const std::string letter = first == 127  ? ""
                               : first < 128 ? "A"
                               : first < 192 ? "B"
                               : first < 224 ? "C"
                                             : "D";
    const int classBits = letter == "B" ? 16 : letter == "C" ? 24 : 8;
    const int subnetBits = bits - classBits;
    const long long subnets = subnetBits <= 0 ? 1 : (1LL << subnetBits) - 2;
    return {{"address", Dotted(address)},
            {"prefix", std::to_string(bits)},
            {"mask", Dotted(mask)},
            {"wildcard", Dotted(~mask)},
            {"network", Dotted(network)},
            {"broadcast", Dotted(broadcast)},
            {"first_host", Dotted(network + 1)},
            {"last_host", Dotted(broadcast - 1)},
            {"max_subnets", std::to_string(subnets)},
            {"max_hosts", std::to_string((1LL << (32 - bits)) - 2)},
            {"class", letter},
            {"binary", OctetsIn(address, 2)},
            {"hex", OctetsIn(address, 16)}};
}

std::string ExpectedBlock(std::uint32_t address, int bits) {
    const auto fields = ExpectedFields(address, bits);
    const auto value = [&](std::size_t i) { return fields[i].second; };
    const auto line = [](const char* label, const std::string& text) {
        return std::string(label) + (text.empty() ? ":" : ": ") + text + "\n";
    };
    return line("address", value(0) + "/" + value(1)) + line("subnet mask", value(2)) +
           line("wildcard mask", value(3)) +
           line("host address range", value(6) + " - " + value(7)) + line("subnet ID", value(4)) +
           line("subnet broadcast", value(5)) + line("max subnets", value(8)) +
           line("max hosts per subnet", value(9)) + line("address class", value(10)) +
           line("binary", value(11)) + line("hexadecimal", value(12));
}

std::vector<std::vector<std::string>> ExpectedSubnets(std::uint32_t address, int bits) {
    const unsigned first = address >> 24;
    const int classBits = first >= 128 && first < 192 ? 16 : first >= 192 && first < 224 ? 24 : 8;
    const std::uint32_t network = address & ~std::uint32_t{0} << (32 - classBits);
    const std::uint32_t count = std::uint32_t{1} << (bits - classBits);
    std::vector<std::vector<std::string>> rows;
    for (std::uint32_t number = 0; number < count; ++number) {
        const std::uint32_t id = network + (number << (32 - bits));
        const std::uint32_t broadcast = id + (std::uint32_t{1} << (32 - bits)) - 1;
        const char* mark = count == 1            ? ""
                           : number == 0         ? "zero"
                           : number == count - 1 ? "all-ones"
                                                 : "";
        rows.push_back({std::to_string(number), Dotted(id), Dotted(id + 1), Dotted(broadcast - 1),
                        Dotted(broadcast), mark});
    }
    return rows;
}

std::string ExpectedList(std::uint32_t address, int bits) {
    std::string text;
    for (const std::vector<std::string>& row : ExpectedSubnets(address, bits)) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i > 0 ? "\t" : "") + row[i];
        text += '\n';
    }
    return text;
}

TextOutcome RunText(const std::vector<std::string_view>& arguments, std::string_view input) {
    const File in = TemporaryFile(input);
    const File out = TemporaryFile({});
    const File errors = TemporaryFile({});
    TextOutcome outcome;
    outcome.ExitCode = RunWithoutWindow(
        ReadCommandLine(arguments), {fileno(in.get()), fileno(out.get()), fileno(errors.get())});
    outcome.Output = Contents(out.get());
    outcome.Problems = Contents(errors.get());
    return outcome;
}

} // namespace maskwell::test
