#include "labreport.h"

#include "reportcharts.h"
#include "reportuncertainty.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <numeric>
#include <utility>

namespace quelbor {

namespace {

// The page and its parts, in millimetres: A4 landscape; below the heading the details in two
// columns across the page, then the table in the left column with the shrinkage chart below
// it, and the diffusivity chart in the right column.
constexpr double pageWidth = 297;
constexpr double pageHeight = 210;
constexpr double margin = 15;
constexpr double headTop = 11;
constexpr double titleHeight = 8;
constexpr double bodyTop = 28;
constexpr double footerRule = 196;
constexpr double leftColumnRight = 142;
constexpr double rightColumnLeft = 150;
constexpr double lineHeight = 4.8;
constexpr double detailLabelWidth = 26;
constexpr double sectionGap = 3;
constexpr double captionWidth = 76;
constexpr double valueWidth = 20;
constexpr double unitGap = 3;
constexpr double continuedIndent = 4;

constexpr double titlePoints = 15;
constexpr double headPoints = 9.5;
constexpr double sectionPoints = 10.5;
constexpr double tablePoints = 9;
constexpr double footerPoints = 8;
constexpr double smallPoints = 8;
constexpr double smallLineHeight = 3.9;
// About the characters of smallPoints that fit across the right column: a note of more UTF-8
// bytes wraps to two lines.
constexpr std::size_t smallLineCharacters = 80;

// The uncertainty section's columns, from the right column's left edge.
struct UncertaintyColumn
{
    double left;
    double width;
    TextAlign align;
    std::string UncertaintyRow::*text;
};

constexpr UncertaintyColumn uncertaintyColumns[] = {
    {0, 53, TextAlign::Left, &UncertaintyRow::caption},
    {53, 14, TextAlign::Right, &UncertaintyRow::u},
    {67, 15, TextAlign::Right, &UncertaintyRow::expanded},
    {82, 29, TextAlign::Right, &UncertaintyRow::interval},
    {112, 20, TextAlign::Left, &UncertaintyRow::unit},
};

std::string twoDigits(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

std::string calculatedText(const CalculationTime &time)
{
    return "berechnet am " + twoDigits(time.day) + "." + twoDigits(time.month) + "." +
           std::to_string(time.year) + " um " + twoDigits(time.hour) + ":" +
           twoDigits(time.minute) + " Uhr";
}

struct Detail
{
    const char *label;
    std::string value;
};

struct DetailRow
{
    Detail left;
    Detail right;
};

class Layout
{
public:
    ReportPage page{{}, pageWidth, pageHeight, {}, {}, {}};
    double y = bodyTop;

    // Rows of two details each, in the two columns: a label and its value, a value wrapped
    // over two lines where needed. Rows with neither detail given are left out.
    void details(std::initializer_list<DetailRow> rows)
    {
        constexpr double columns[] = {margin, rightColumnLeft};
        constexpr double rights[] = {leftColumnRight, pageWidth - margin};
        for (const DetailRow &row : rows) {
            bool given = false;
            for (std::size_t column = 0; column < 2; ++column) {
                const auto &[label, value] = column == 0 ? row.left : row.right;
                if (value.empty())
                    continue;
                text(columns[column], y, detailLabelWidth, lineHeight, label, headPoints, true);
                text(columns[column] + detailLabelWidth, y,
                     rights[column] - columns[column] - detailLabelWidth, 2 * lineHeight, value,
                     headPoints, false, TextAlign::Left, true);
                given = true;
            }
            if (given)
                y += 2 * lineHeight;
        }
    }

    void text(double left, double top, double width, double height, std::string content,
              double points, bool bold, TextAlign align = TextAlign::Left, bool wrap = false)
    {
        if (content.empty())
            return;
        page.texts.push_back(
            {left, top, width, height, std::move(content), points, bold, align, wrap});
    }

    void section(const ReportSection &section)
    {
        y += sectionGap;
        text(margin, y, leftColumnRight - margin, lineHeight + 1, section.heading, sectionPoints,
             true);
        y += lineHeight + 1;
        const double valueLeft = margin + captionWidth;
        const double unitLeft = valueLeft + valueWidth + unitGap;
        for (const ReportRow &row : section.rows) {
            const double indent = row.continued ? continuedIndent : 0;
            text(margin + indent, y, captionWidth - indent, lineHeight, row.caption, tablePoints,
                 false);
            text(valueLeft, y, valueWidth, lineHeight, row.value, tablePoints, true,
                 TextAlign::Right);
            text(unitLeft, y, leftColumnRight - unitLeft, lineHeight, row.unit, tablePoints, false);
            y += lineHeight;
        }
    }

    // The uncertainty section in the right column, its last line at `bottom`: the heading with
    // the trials beside it, a row of column headings and one for each result, the inputs'
    // uncertainties two to a line, then the faults. Returns its top.
    double uncertainty(const ReportUncertainty &section, double bottom)
    {
        const double width = pageWidth - margin - rightColumnLeft;
        std::vector<double> faultHeights(section.faults.size());
        std::transform(section.faults.begin(), section.faults.end(), faultHeights.begin(),
                       [](const std::string &fault) {
                           return (fault.size() > smallLineCharacters ? 2 : 1) * smallLineHeight;
                       });
        const std::size_t inputLines = (section.inputs.size() + 1) / 2;
        const double top =
            std::accumulate(faultHeights.begin(), faultHeights.end(),
                            bottom - (lineHeight + 1) -
                                double(section.rows.size() + 1 + inputLines) * smallLineHeight,
                            std::minus<>());
        y = top;
        constexpr double headingWidth = 40;
        text(rightColumnLeft, y, headingWidth, lineHeight + 1, "Messunsicherheit", sectionPoints,
             true);
        text(rightColumnLeft + headingWidth, y + 1, width - headingWidth, smallLineHeight,
             section.trials, smallPoints, false, TextAlign::Right);
        y += lineHeight + 1;
        uncertaintyRow(section.headings, true);
        for (const UncertaintyRow &row : section.rows)
            uncertaintyRow(row, false);
        for (std::size_t at = 0; at < section.inputs.size(); ++at) {
            text(rightColumnLeft + double(at % 2) * width / 2, y, width / 2, smallLineHeight,
                 section.inputs[at], smallPoints, false);
            if (at % 2 == 1 || at + 1 == section.inputs.size())
                y += smallLineHeight;
        }
        for (std::size_t at = 0; at < section.faults.size(); ++at) {
            text(rightColumnLeft, y, width, faultHeights[at], section.faults[at], smallPoints,
                 false, TextAlign::Left, true);
            y += faultHeights[at];
        }
        return top;
    }

    void uncertaintyRow(const UncertaintyRow &row, bool headings)
    {
        for (const UncertaintyColumn &column : uncertaintyColumns)
            text(rightColumnLeft + column.left, y, column.width, smallLineHeight, row.*column.text,
                 smallPoints, headings, column.align);
        y += smallLineHeight;
    }

    // The chart as large as fits the box with the window's proportions, centred across it
    // and at its top.
    void chart(const ChartArea &area, double left, double top, double width, double height)
    {
        const double scale = std::min(width / area.source.width, height / area.source.height);
        const double drawnWidth = area.source.width * scale;
        page.charts.push_back({area.controls, area.source, left + (width - drawnWidth) / 2, top,
                               drawnWidth, area.source.height * scale});
    }
};

} // namespace

ReportPage labReport(const ReportDetails &details, const BoxText &boxText,
                     std::string_view separator, const UncertaintyEvaluation *uncertainty)
{
    Layout layout;
    layout.page.title =
        windowCaption("Label40") + (details.body.empty() ? "" : ": " + details.body);
    const double contentWidth = pageWidth - 2 * margin;
    layout.text(margin, headTop, contentWidth, titleHeight, windowCaption("Label40"), titlePoints,
                true);
    layout.text(margin, headTop + titleHeight, contentWidth, lineHeight,
                details.program + ", " + calculatedText(details.calculated), headPoints, false);
    const double headRule = headTop + titleHeight + lineHeight + 1.5;
    layout.page.rules.push_back({margin, headRule, pageWidth - margin, headRule});

    // Across the page row by row, so that they read in this order.
    layout.details({{{"Labor:", details.lab}, {"Bearbeiter:", details.operatorName}},
                    {{"Bezeichnung:", details.body.empty() ? "–" : details.body},
                     {"Bemerkung:", details.remark}}});
    const double tableTop = layout.y;
    for (const ReportSection &section : reportSections(boxText, separator))
        layout.section(section);

    const double chartBottom = footerRule - 3;
    const double shrinkageTop = layout.y + sectionGap + 2;
    layout.chart(shrinkageChartArea(), margin, shrinkageTop, leftColumnRight - margin,
                 chartBottom - shrinkageTop);
    const double diffusivityBottom =
        uncertainty ? layout.uncertainty(reportUncertainty(*uncertainty, separator), chartBottom) -
                          sectionGap
                    : chartBottom;
    layout.chart(diffusivityChartArea(), rightColumnLeft, tableTop + sectionGap,
                 pageWidth - margin - rightColumnLeft, diffusivityBottom - tableTop - sectionGap);

    layout.page.rules.push_back({margin, footerRule, pageWidth - margin, footerRule});
    layout.text(margin, footerRule + 1, contentWidth / 2, lineHeight,
                "Erstellt mit " + details.program, footerPoints, false);
    layout.text(margin + contentWidth / 2, footerRule + 1, contentWidth / 2, lineHeight,
                "Seite 1 von 1", footerPoints, false, TextAlign::Right);
    return layout.page;
}

} // namespace quelbor
