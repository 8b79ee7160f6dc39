// SPDX-License-Identifier: MIT
// The settings file of a window's start and close on a file grown large by
// other sections (20 MB): the load beside one read of the section, and the
// store beside one write of its three keys, their floors. A load at the
// floor reads the file once; a store at the floor replaces it once.
#include "app/SettingsFile.h"
#include "core/MemoryCalculator.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace maskwell {
namespace {

struct LargeSettingsFile {
    QTemporaryDir folder;
    QString path = folder.filePath("maskwell.ini");

    LargeSettingsFile() {
        QByteArray bytes = "[log]\n";
        while (bytes.size() < qsizetype{20} * 1024 * 1024)
            bytes += "line=a line that some other program left in the file\n";
        bytes += "[conf]\nipaddr=10.1.2.3\nmask=3\nmaskbits=13\n";
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
};

void SettingsLoad(benchmark::State& run) {
    const LargeSettingsFile file;
    const TIniFile ini(file.path);
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        MemoryCalculator calc;
        LoadSettings(ini, calc.State, {});
        benchmark::DoNotOptimize(calc.CB2.ItemIndex());
    }
}

void OneSectionRead(benchmark::State& run) {
    const LargeSettingsFile file;
    const TIniFile ini(file.path);
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run)
        benchmark::DoNotOptimize(ini.ReadSection(SettingsSection).ReadString(AddressKey, {}));
}

void SettingsStore(benchmark::State& run) {
    const LargeSettingsFile file;
    TIniFile ini(file.path);
    MemoryCalculator calc;
    LoadSettings(ini, calc.State, {});
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run)
        StoreSettings(ini, calc.State);
}

void OneWrite(benchmark::State& run) {
    const LargeSettingsFile file;
    TIniFile ini(file.path);
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run)
        ini.WriteStrings(SettingsSection,
                         {{AddressKey, "10.1.2.3"}, {MaskKey, "3"}, {MaskBitsKey, "13"}});
}

BENCHMARK(SettingsLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(OneSectionRead)->Unit(benchmark::kMillisecond);
BENCHMARK(SettingsStore)->Unit(benchmark::kMillisecond);
BENCHMARK(OneWrite)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace maskwell

BENCHMARK_MAIN();
