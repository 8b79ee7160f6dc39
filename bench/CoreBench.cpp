// SPDX-License-Identifier: MIT
// The calculator's per-event cost on the in-memory state: one address change
// (the class rebuild with its selector refill, linkage, computation, Address
// Info refresh and the binary and hex texts) and one pick in a selector; and
// the subnet list's text, 4,194,304 lines of a class A network at 30 bits.
#include "core/ClassRebuild.h"
#include "core/MemoryCalculator.h"
#include "core/SelectorLinkage.h"
#include "core/SubnetListText.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace maskwell {
namespace {

void AddressChange(benchmark::State& run) {
    MemoryCalculator calc;
    calc.CB1.SetItemIndex(14); // 255.255.255.0, carried over between the classes
    const std::array<std::string_view, 3> addresses{"10.1.2.3", "172.16.77.9", "192.168.5.130"};
    std::size_t next = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        calc.IPE.SetText(addresses[next]);
        next = (next + 1) % addresses.size();
        RebindCheckbox(calc.State);
        benchmark::DoNotOptimize(calc.E1.Text());
    }
}
BENCHMARK(AddressChange);

void MaskBitsPick(benchmark::State& run) {
    MemoryCalculator calc;
    calc.IPE.SetText("10.200.3.4");
    RebindCheckbox(calc.State);
    int row = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        calc.CB2.SetItemIndex(row);
        row = (row + 1) % calc.CB2.Count();
        CB2Change(calc.State);
        benchmark::DoNotOptimize(calc.E3.Text());
    }
}
BENCHMARK(MaskBitsPick);

void SubnetListText(benchmark::State& run) {
    const SubnetList list = SubnetList::Of({{10, 0, 0, 0}, 30});
    std::size_t bytes = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        bytes = 0;
        WriteSubnetRows(list, 0, list.Count(), '\t', [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
    run.counters["lines/s"] = benchmark::Counter(static_cast<double>(list.Count()),
                                                 benchmark::Counter::kIsIterationInvariantRate);
    run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations() * bytes));
}
BENCHMARK(SubnetListText)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace maskwell

BENCHMARK_MAIN();
