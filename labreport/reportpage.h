#pragma once

#include "controldesign.h"
#include "controlgeometry.h"

#include <string>
#include <string_view>
#include <vector>

namespace quelbor {

// One page of a report as a toolkit draws it, in millimetres from the page's top-left corner.

// A text in a box: one line cut off at the box's edges, or word-wrapped when `wrap` is set.
struct PageText
{
    double left;
    double top;
    double width;
    double height;
    std::string text; // UTF-8
    double points;    // font size on a page printed at its own size
    bool bold = false;
    TextAlign align = TextAlign::Left;
    bool wrap = false;
};

// A thin black rule.
struct PageRule
{
    double x1;
    double y1;
    double x2;
    double y2;
};

// A part of the window drawn onto the page as the window shows it: the listed controls, in
// their places within `source` (twips of the window), scaled into the box on the page.
struct PageChart
{
    std::vector<std::string_view> controls;
    TwipsRect source;
    double left;
    double top;
    double width;
    double height;
};

struct ReportPage
{
    std::string title; // for the document's properties
    double width;
    double height;
    std::vector<PageText> texts; // in reading order
    std::vector<PageRule> rules;
    std::vector<PageChart> charts;
};

} // namespace quelbor
