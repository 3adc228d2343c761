// The functions the page's script calls: the window's design and the two button actions.
#include "buttonactions.h"
#include "pagedesign.h"
#include "pagewindow.h"

#include <emscripten.h>

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

// The text handed back to the script stays valid until the next call.
const char *handedBack(std::string text)
{
    static std::string last;
    last = std::move(text);
    return last.c_str();
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
    return handedBack(
        failureReport([&page] { pressRechne(page.window, page.model, page.scale); }).value_or(""));
}

EMSCRIPTEN_KEEPALIVE const char *quelbor_nochmal()
{
    PageState &page = state();
    return handedBack(failureReport([&page] { pressNochmal(page.window); }).value_or(""));
}
}
