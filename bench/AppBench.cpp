// The program's costs a user feels, measured headless (offscreen) in one
// process: start-up to the end of the first activation against an empty Qt
// window shown the same way; one typed digit in the address, through the
// repair, the class rebuild, the computation and every widget update; and the
// memory the running window holds.
#include "app/About.h"
#include "app/Main.h"
#include "controls/IPEdit.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <fstream>
#include <memory>
#include <string>

namespace maskwell {
namespace {

// Shows a window and waits until it is active, as a desktop shows a new one.
void ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        std::abort();
}

void EmptyWindowShown(benchmark::State& run) {
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        QWidget window;
        window.resize(292, 317);
        ShowActive(window);
        QApplication::processEvents();
    }
}
BENCHMARK(EmptyWindowShown)->Unit(benchmark::kMillisecond);

void StartupToFirstActivation(benchmark::State& run) {
    QTemporaryDir folder;
    const QString settings = folder.filePath("maskwell.ini");
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        TMaskwellForm form(settings);
        TAboutF about(form);
        form.SetAboutWindow(&about);
        ShowActive(form);
        QApplication::processEvents();
        if (!form.Activated())
            run.SkipWithError("the first activation did not run");
    }
}
BENCHMARK(StartupToFirstActivation)->Unit(benchmark::kMillisecond);

// The third digit of the last octet: the control repairs the address and the
// window recomputes everything from it.
void TypedDigitThroughAllUpdates(benchmark::State& run) {
    QTemporaryDir folder;
    TMaskwellForm form(folder.filePath("maskwell.ini"));
    ShowActive(form);
    TIPByteEdit* last = form.IPE->ByteEdit(3);
    last->setFocus(Qt::TabFocusReason);
    const char* octets[] = {"12", "20", "25"};
    int next = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        run.PauseTiming();
        form.IPE->ByteEdit(0)->SetText(next % 2 ? "10" : "172"); // class A and B in turn
        last->SetText(octets[next++ % 3]);
        last->end(false);
        run.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, "4");
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_4, Qt::NoModifier, "4");
        QApplication::sendEvent(last, &press);
        QApplication::sendEvent(last, &release);
    }
}
BENCHMARK(TypedDigitThroughAllUpdates)->Unit(benchmark::kMicrosecond);

long PeakResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void PeakMemoryOfTheRunningWindow(benchmark::State& run) {
    QTemporaryDir folder;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        TMaskwellForm form(folder.filePath("maskwell.ini"));
        ShowActive(form);
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.grab());
    }
    run.counters["peak_rss_KiB"] = static_cast<double>(PeakResidentKiB());
}
BENCHMARK(PeakMemoryOfTheRunningWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace maskwell

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Maskwell");
    maskwell::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
