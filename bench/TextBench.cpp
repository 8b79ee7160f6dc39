// SPDX-License-Identifier: MIT
// The advanced edit's text rules on long texts. MixedCaseText runs on every
// key typed into a mixed-case field, so its cost per character must not grow
// with the text; the word rules as first written (a search of the whole text
// after each character) are measured beside it for the ratio.
#include "controls/advedit/AdvEditText.h"
#include "tests/support/MixedCaseReference.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

QString NamesOfLength(int length) {
    // No " Mc" in it: the first-written rules then search the whole text each time.
    const QString names = QStringLiteral("o'neil-smith donald henry iii ");
    QString text;
    while (text.size() < length)
        text += names;
    text.truncate(length);
    return text;
}

void MixedCaseText(benchmark::State& run) {
    const QString text = NamesOfLength(static_cast<int>(run.range(0)));
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run)
        benchmark::DoNotOptimize(maskwell::MixedCaseText(text));
    run.SetComplexityN(run.range(0));
}
BENCHMARK(MixedCaseText)->RangeMultiplier(4)->Range(512, 32767)->Complexity();

void MixedCaseFirstWritten(benchmark::State& run) {
    const QString text = NamesOfLength(static_cast<int>(run.range(0)));
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run)
        benchmark::DoNotOptimize(maskwell::test::MixedCaseReference(text));
    run.SetComplexityN(run.range(0));
}
BENCHMARK(MixedCaseFirstWritten)->RangeMultiplier(4)->Range(512, 32767)->Complexity();

} // namespace

BENCHMARK_MAIN();
