// The functions the page's script calls: the window's design, the two button actions and how
// the last of them ended.
#include "buttonactions.h"
#include "calculationerror.h"
#include "handedback.h"
#include "pagedesign.h"
#include "pagewindow.h"

#include <emscripten.h>

#include <functional>
#include <string>

namespace {

using namespace quelbor;

// The page's window with the model record and the water-loading scale it owns for the life
// of the page, as the window owns them for the life of the program.
struct PageState
{
    PageWindow window;
    DryingModel model;
    LoadingScale scale;
};

PageState &state()
{
    static PageState page;
    return page;
}

// Whether the last press ended in a fault of the page rather than in an error of the
// calculation.
bool &lastPressFaulted()
{
    static bool faulted = false;
    return faulted;
}

// Runs a button action and returns its error report. An error of the calculation is the
// window's own report: what the action showed, wrote and drew up to it stays, as on the
// desktop. Any other failure is a fault of the page, which then puts itself back as it was
// before the press.
std::string pressed(const std::function<void()> &action)
{
    bool calculationError = false;
    const auto report = failureReport([&] {
        try {
            action();
        } catch (const CalculationError &) {
            calculationError = true;
            throw;
        }
    });
    lastPressFaulted() = report.has_value() && !calculationError;
    return report.value_or("");
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char *quelbor_design()
{
    return handedBack(pageDesignJson());
}

// Each returns the error report that ended the action, or an empty text.
EMSCRIPTEN_KEEPALIVE const char *quelbor_rechne()
{
    PageState &page = state();
    return handedBack(pressed([&page] { pressRechne(page.window, page.model, page.scale); }));
}

EMSCRIPTEN_KEEPALIVE const char *quelbor_nochmal()
{
    PageState &page = state();
    return handedBack(pressed([&page] { pressNochmal(page.window); }));
}

// 1 when the last press ended in a fault of the page, 0 otherwise.
EMSCRIPTEN_KEEPALIVE int quelbor_press_faulted()
{
    return lastPressFaulted() ? 1 : 0;
}
}
