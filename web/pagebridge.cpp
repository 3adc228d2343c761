#include "pagebridge.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

// Each call goes to Module.page, the object page.js hands to the module before the first call.
// clang-format off
EM_JS(int, quelbor_js_set_visible, (const char *name, int visible), {
    return Module.page.setVisible(UTF8ToString(name), visible !== 0) ? 1 : 0;
});
EM_JS(int, quelbor_js_set_left, (const char *name, int pixels), {
    return Module.page.setLeft(UTF8ToString(name), pixels) ? 1 : 0;
});
EM_JS(int, quelbor_js_set_client_size, (int width, int height), {
    return Module.page.setClientSize(width, height) ? 1 : 0;
});
EM_JS(char *, quelbor_js_text, (const char *name), {
    const text = Module.page.text(UTF8ToString(name));
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(int, quelbor_js_set_text, (const char *name, const char *text), {
    return Module.page.setText(UTF8ToString(name), UTF8ToString(text)) ? 1 : 0;
});
EM_JS(char *, quelbor_js_decimal_separator, (), {
    const text = Module.page.decimalSeparator();
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(int, quelbor_js_draw_line, (const char *surface, double x1, double y1, double x2, double y2,
                                  int red, int green, int blue, int width), {
    return Module.page.drawLine(UTF8ToString(surface), x1, y1, x2, y2, [red, green, blue], width)
        ? 1 : 0;
});
EM_JS(int, quelbor_js_fill_box, (const char *surface, double x1, double y1, double x2, double y2,
                                 int red, int green, int blue), {
    return Module.page.fillBox(UTF8ToString(surface), x1, y1, x2, y2, [red, green, blue]) ? 1 : 0;
});
// clang-format on

namespace quelbor::page {

namespace {

std::string taken(char *text)
{
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return owned.get();
}

} // namespace

bool setVisible(const std::string &name, bool visible)
{
    return quelbor_js_set_visible(name.c_str(), visible ? 1 : 0) != 0;
}

bool setLeft(const std::string &name, int pixels)
{
    return quelbor_js_set_left(name.c_str(), pixels) != 0;
}

bool setClientSize(int widthPixels, int heightPixels)
{
    return quelbor_js_set_client_size(widthPixels, heightPixels) != 0;
}

std::string text(const std::string &name)
{
    return taken(quelbor_js_text(name.c_str()));
}

bool setText(const std::string &name, const std::string &text)
{
    return quelbor_js_set_text(name.c_str(), text.c_str()) != 0;
}

std::string decimalSeparator()
{
    return taken(quelbor_js_decimal_separator());
}

bool drawLine(const std::string &surface, double x1, double y1, double x2, double y2, int red,
              int green, int blue, int width)
{
    return quelbor_js_draw_line(surface.c_str(), x1, y1, x2, y2, red, green, blue, width) != 0;
}

bool fillBox(const std::string &surface, double x1, double y1, double x2, double y2, int red,
             int green, int blue)
{
    return quelbor_js_fill_box(surface.c_str(), x1, y1, x2, y2, red, green, blue) != 0;
}

} // namespace quelbor::page
