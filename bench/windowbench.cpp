// Speed of the real window on the offscreen platform: building and first showing it, and the
// two button actions with both charts rasterised into their images and painted. Each run is
// checked, outside the timed part, to have drawn what the action draws.

#include "windowbench.h"

#include "quelborwindow.h"
#include "windowprobe.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace quelbor {

namespace {

constexpr std::chrono::milliseconds paintLimit{5000};

bool failed = false;

// Minor page faults of the process so far: fresh memory touched for the first time, such as
// a window image reallocated after the window changed size.
long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

void countPerIteration(benchmark::State &state, const char *name, double total)
{
    state.counters[name] = benchmark::Counter(total, benchmark::Counter::kAvgIterations);
}

void fail(benchmark::State &state, const std::string &why)
{
    failed = true;
    state.SkipWithError(why.c_str());
}

// Construct, show, and handle events until the window has painted itself once; the window
// is destroyed outside the timed part.
void firstShow(benchmark::State &state)
{
    const long faults = minorFaults();
    for (auto _ : state) {
        auto window = std::make_unique<QuelborWindow>();
        auto probe = std::make_unique<WindowProbe>(*window);
        if (!probe->showAndWaitForPaint(paintLimit)) {
            fail(state, "the window was not painted");
            break;
        }
        state.PauseTiming();
        probe.reset();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    countPerIteration(state, "pageFaults", static_cast<double>(minorFaults() - faults));
}

// Which of the two actions of a "Rechne !" / "Nochmal !" round are timed; the others run with
// the timer paused.
struct RoundTiming
{
    const char *name;
    bool rechne;
    bool nochmal;
};

constexpr RoundTiming roundTimings[] = {
    {"QuelborWindow/onRechne", true, false},
    {"QuelborWindow/onNochmal", false, true},
    {"QuelborWindow/onRechne+onNochmal", true, true},
};

// Runs one action and then every event it left queued (the repaints of resized and shown
// controls), timed or not.
template <typename Action> void runAction(benchmark::State &state, bool timed, Action action)
{
    if (timed)
        state.ResumeTiming();
    action();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (timed)
        state.PauseTiming();
}

bool checkRound(benchmark::State &state, const WindowProbe &probe, bool afterRechne)
{
    if (!probe.errors().isEmpty()) {
        fail(state, "the window reported: " + probe.errors().first().toStdString());
        return false;
    }
    const bool inked = probe.kappaInk() > 0 && probe.schwindungInk() > 0;
    const bool blank = probe.kappaInk() == 0 && probe.schwindungInk() == 0;
    if (afterRechne ? !inked : !blank) {
        fail(state, afterRechne ? "a chart was not drawn" : "a chart was not painted white");
        return false;
    }
    return true;
}

void actionRound(benchmark::State &state, RoundTiming timing)
{
    QuelborWindow window;
    WindowProbe probe(window);
    if (!probe.showAndWaitForPaint(paintLimit)) {
        fail(state, "the window was not painted");
        return;
    }
    const WindowProbe::Paints start = probe.paints();
    const long faults = minorFaults();
    for (auto _ : state) {
        state.PauseTiming();
        const WindowProbe::Paints before = probe.paints();
        runAction(state, timing.rechne, [&window] { window.onRechne(); });
        const WindowProbe::Paints after = probe.paints();
        if (after.kappa == before.kappa || after.schwindung == before.schwindung) {
            fail(state, "a chart was not painted on the window");
            break;
        }
        if (!checkRound(state, probe, true))
            break;
        runAction(state, timing.nochmal, [&window] { window.onNochmal(); });
        if (!checkRound(state, probe, false))
            break;
        state.ResumeTiming();
    }
    const WindowProbe::Paints end = probe.paints();
    countPerIteration(state, "windowPaints", end.window - start.window);
    countPerIteration(state, "pageFaults", static_cast<double>(minorFaults() - faults));
}

const bool registered = [] {
    benchmark::RegisterBenchmark("QuelborWindow/firstShow", firstShow)
        ->Unit(benchmark::kMillisecond);
    for (const RoundTiming &timing : roundTimings)
        benchmark::RegisterBenchmark(timing.name, actionRound, timing)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

bool windowBenchmarksFailed()
{
    return failed;
}

} // namespace quelbor
