// SPDX-License-Identifier: MIT
// One typed digit in the running main window, in one process (offscreen by
// default): the key press and release, every handler they run, and then the
// posted repaint requests with the paint pass itself, so the clock stops only
// when the frame that shows the digit has been drawn. Start-up and memory are
// measured from outside, by bench/startup.sh.
#include "app/Main.h"
#include "controls/IPEdit.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace maskwell {
namespace {

// Counts the paint events one widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int Count() const { return count_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count_;
        return QObject::eventFilter(watched, event);
    }

private:
    int count_ = 0;
};

// The digit as the window gets it from the keyboard, and the frame it
// causes: posted events (the repaint requests among them) are processed,
// which paints into the window's backing store and flushes it.
[[gnu::noinline]] void TypeDigitAndPaint(QWidget& field, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &press);
    QApplication::sendEvent(&field, &release);
    QApplication::processEvents();
}

struct Window {
    QTemporaryDir folder;
    TMaskwellForm form{folder.filePath("maskwell.ini")};

    Window() {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form) ||
            !QTest::qWaitFor([&] { return form.Activated(); }))
            std::abort();
        QApplication::processEvents();
    }
};

// Sets the address without timing it, leaving the last octet's text
// selected or the caret at its end as typing there would.
void Prepare(Window& window, const QString& address, bool selectLast) {
    window.form.IPE->SetText(address);
    window.form.RebindCheckbox();
    TIPByteEdit* last = window.form.IPE->ByteEdit(3);
    last->setFocus(Qt::OtherFocusReason);
    selectLast ? last->selectAll() : last->end(false);
    QApplication::processEvents();
}

void Finish(benchmark::State& run, const PaintCounter& paints) {
    if (paints.Count() < run.iterations())
        run.SkipWithError("a typed digit was not painted");
}

// A digit that only edits the field: "1" typed over the selected last octet.
void TypedDigitWithinField(benchmark::State& run) {
    Window window;
    TIPByteEdit* last = window.form.IPE->ByteEdit(3);
    const PaintCounter paints(*last);
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        run.PauseTiming();
        Prepare(window, "10.1.2.125", true);
        run.ResumeTiming();
        TypeDigitAndPaint(*last, Qt::Key_1, "1");
    }
    Finish(run, paints);
}

// The third digit of the last octet: the control repairs the address and the
// window rebuilds the selectors for the same class and recomputes everything,
// the common case while typing an address.
void TypedDigitSameClass(benchmark::State& run) {
    Window window;
    TIPByteEdit* last = window.form.IPE->ByteEdit(3);
    const PaintCounter paints(*last);
    const char* octets[] = {"12", "20", "25"};
    int next = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        run.PauseTiming();
        Prepare(window, QStringLiteral("10.1.2.") + octets[next++ % 3], false);
        run.ResumeTiming();
        TypeDigitAndPaint(*last, Qt::Key_4, "4");
    }
    Finish(run, paints);
}

// The same digit with the class changed by untimed edits before it (class A
// and B in turn), so the selectors get other lists.
void TypedDigitNewClass(benchmark::State& run) {
    Window window;
    TIPByteEdit* last = window.form.IPE->ByteEdit(3);
    const PaintCounter paints(*last);
    const char* octets[] = {"12", "20", "25"};
    int next = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores): the benchmark loop needs no counter
    for (auto _ : run) {
        run.PauseTiming();
        const bool classA = next % 2;
        Prepare(window, (classA ? "172.1.2." : "10.1.2.") + QString(octets[next++ % 3]), false);
        window.form.IPE->ByteEdit(0)->SetText(classA ? "10" : "172");
        run.ResumeTiming();
        TypeDigitAndPaint(*last, Qt::Key_4, "4");
    }
    Finish(run, paints);
}

} // namespace
} // namespace maskwell

namespace {
QtMessageHandler defaultHandler = nullptr;
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's remark on every fixed-size window drowns the table.
    defaultHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QLatin1String("propagateSizeHints")))
                defaultHandler(type, context, text);
        });
    QApplication app(argc, argv);
    QApplication::setApplicationName("Maskwell");
    maskwell::InstallFontSubstitutions();
    // A fixed number of digits when asked (bench/callgrind.sh divides the
    // instructions counted by it), else as many as the library wants.
    const int digits = qEnvironmentVariableIntValue("MASKWELL_BENCH_DIGITS");
    for (const auto& [name, function] :
         {std::pair{"TypedDigitWithinField", &maskwell::TypedDigitWithinField},
          std::pair{"TypedDigitSameClass", &maskwell::TypedDigitSameClass},
          std::pair{"TypedDigitNewClass", &maskwell::TypedDigitNewClass}}) {
        auto* bench = benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMicrosecond);
        if (digits > 0)
            bench->Iterations(digits);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
