#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quelbor {

// The text a box of the window shows, by the box's object name.
using BoxText = std::function<std::string(std::string_view box)>;

// A row of the report's table: the window's caption of a box, split into what it names and
// its unit (after the last " in "), and the box's text.
struct ReportRow
{
    std::string caption;
    std::string value;
    std::string unit;
    bool continued = false; // the caption goes on from the row above, as in the window
};

struct ReportSection
{
    std::string heading;
    std::vector<ReportRow> rows;
};

// The seven inputs and the six results under the window's own headings "Eingabedaten:" and
// "Rechenergebnisse:", in the window's order. The inputs' decimal points, typed as comma or
// point, are written with the separator the results show.
std::vector<ReportSection> reportSections(const BoxText &boxText, std::string_view separator);

// The row of a box without its value: its caption and unit.
ReportRow captionRow(std::string_view box);

// The window's caption of a control, by its object name, without the blanks around it.
std::string windowCaption(std::string_view name);

} // namespace quelbor
