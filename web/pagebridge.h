#pragma once

#include <string>

// The web page's own toolkit, written in the page's script (page.js): what the window's controls
// and surfaces are in the browser. Names are the control table's; positions and sizes are CSS
// pixels, already worked out here in C++. Each operation that can fail returns false then.
namespace quelbor::page {

bool setVisible(const std::string &name, bool visible);
bool setLeft(const std::string &name, int pixels);
bool setClientSize(int widthPixels, int heightPixels);
std::string text(const std::string &name);
bool setText(const std::string &name, const std::string &text);
std::string decimalSeparator();
bool drawLine(const std::string &surface, double x1, double y1, double x2, double y2, int red,
              int green, int blue, int width);
bool fillBox(const std::string &surface, double x1, double y1, double x2, double y2, int red,
             int green, int blue);

} // namespace quelbor::page
