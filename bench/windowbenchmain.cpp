// The window benchmarks need an application object before any widget exists, so they have
// their own main. Before the repeated runs it measures, once, what a user waits for at
// start-up: the application object, the first window painted and the first "Rechne !" in a
// fresh process, when fonts and images are loaded for the first time.

#include "quelborwindow.h"
#include "windowbench.h"
#include "windowprobe.h"
#include "windowtransfer.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

std::string milliseconds(const QElapsedTimer &timer)
{
    return std::to_string(static_cast<double>(timer.nsecsElapsed()) / 1e6);
}

// One window from nothing to its first calculation; false when it was not painted.
bool measureColdStart(const QElapsedTimer &sinceMain)
{
    benchmark::AddCustomContext("cold: application object (ms)", milliseconds(sinceMain));
    QElapsedTimer timer;
    timer.start();
    quelbor::QuelborWindow window;
    quelbor::WindowProbe probe(window);
    if (!probe.showAndWaitForPaint(std::chrono::seconds(10)))
        return false;
    benchmark::AddCustomContext("cold: first window painted (ms)", milliseconds(timer));
    timer.start();
    window.onRechne();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    benchmark::AddCustomContext("cold: first Rechne (ms)", milliseconds(timer));
    return probe.errors().isEmpty() && probe.kappaInk() > 0 && probe.schwindungInk() > 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    // Measured without a display server unless another platform is asked for, so that the
    // figures compare across machines.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quelbor::sendWindowPicturesOverConnection(); // as the program does
    QApplication application(argc, argv);
    benchmark::AddCustomContext("Qt", qVersion());
    benchmark::AddCustomContext("platform", QApplication::platformName().toStdString());
    if (!measureColdStart(sinceMain)) {
        std::fputs("the first window did not calculate and paint\n", stderr);
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return quelbor::windowBenchmarksFailed() ? 1 : 0;
}
