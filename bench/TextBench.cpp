// SPDX-License-Identifier: MIT
// The advanced edit's text rules on long texts. MixedCaseText runs on every
// key typed into a mixed-case field, so its cost per character must not grow
// with the text; the word rules as first written (a search of the whole text
// after each character) are measured beside it for the ratio.
#include "controls/advedit/AdvEditText.h"

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

QString MixedCaseFirstWritten(const QString& text) {
    const auto upper = [](QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; };
    const auto lower = [](QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c; };
    QString result;
    bool wordStart = true;
    const int n = static_cast<int>(text.size());
    for (int i = 1; i <= n; ++i) {
        const QChar c = text[i - 1];
        if (QStringLiteral(" ',-.").contains(c)) {
            result += c;
            wordStart = true;
        } else {
            result += wordStart ? upper(c) : lower(c);
            wordStart = false;
        }
        if (result == u"Mc" || (i > 2 && result.indexOf(u" Mc") + 1 == i - 2) ||
            (i > n - 3 && (result.endsWith(u" I") || result.endsWith(u" II"))))
            wordStart = true;
    }
    return result;
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
        benchmark::DoNotOptimize(MixedCaseFirstWritten(text));
    run.SetComplexityN(run.range(0));
}
BENCHMARK(MixedCaseFirstWritten)->RangeMultiplier(4)->Range(512, 32767)->Complexity();

} // namespace

BENCHMARK_MAIN();
