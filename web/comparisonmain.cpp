// The functions the section "Vergleich" of the page calls (comparisonsection.js): the bodies kept
// for comparison, each calculated by the window's press, their table, both charts drawn onto
// canvases of the page by the same overlay drawing as the desktop's window "Vergleich", the
// table for the clipboard, and the tables it is opened from and saved as, those of the desktop.
#include "canvassurface.h"
#include "comparisoncolumns.h"
#include "comparisonlist.h"
#include "comparisontable.h"
#include "handedback.h"
#include "overlaychart.h"
#include "pagejsonwriter.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using namespace quelbor;

// The input texts in the order the section hands them over, one a line.
constexpr std::array<std::string InputTexts::*, 7> inputOrder{
    &InputTexts::rhoSE,     &InputTexts::Xanf,      &InputTexts::Xmess,     &InputTexts::ksiSE,
    &InputTexts::kappaMess, &InputTexts::thetaMess, &InputTexts::KappaSteig};

ComparisonList &comparison()
{
    static ComparisonList list;
    return list;
}

// Runs a change of the list; false when the row is none of it.
template <typename Change> int changed(Change change)
{
    try {
        change(comparison());
        return 1;
    } catch (const std::out_of_range &) {
        return 0;
    }
}

double number(int value)
{
    return static_cast<double>(value);
}

void writeColour(PageJsonWriter &json, Rgb colour)
{
    json.numbers("colour", {number(colour.red), number(colour.green), number(colour.blue)});
}

void writeTicks(PageJsonWriter &json, std::string_view key, const std::vector<AxisTick> &ticks)
{
    json.open(key, '[');
    for (const AxisTick &tick : ticks) {
        json.open({}, '{');
        json.number("position", tick.position);
        json.text("text", tick.text);
        json.close('}');
    }
    json.close(']');
}

void writeAxes(PageJsonWriter &json, std::string_view key, const OverlayAxes &axes)
{
    json.open(key, '{');
    json.numbers("extent", {axes.extent.width, axes.extent.height});
    json.text("title", axes.title);
    json.text("horizontalTitle", axes.horizontalTitle);
    json.text("verticalTitle", axes.verticalTitle);
    writeTicks(json, "horizontalTicks", axes.horizontalTicks);
    writeTicks(json, "verticalTicks", axes.verticalTicks);
    json.close('}');
}

void writeBody(PageJsonWriter &json, const ComparedBody &body, std::string_view separator)
{
    json.open({}, '{');
    json.text("name", body.name);
    json.open("texts", '[');
    for (const auto input : inputOrder)
        json.text({}, body.texts.*input);
    json.close(']');
    json.open("cells", '[');
    for (const ComparisonColumn &column : comparisonColumns())
        json.text({}, cellText(body, column, separator));
    json.close(']');
    json.text("error", body.error);
    json.flag("calculated", body.calculated);
    json.flag("shown", body.shown);
    writeColour(json, overlayColour(body, LineRole::Curve));
    json.number("palette", static_cast<double>(body.colour));
    json.close('}');
}

// A body's colour as the script hands it over: an index of the palette, or -1 for a new body.
std::optional<std::size_t> keptColour(int palette)
{
    return palette < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(palette));
}

} // namespace

extern "C" {

// Keeps the body of the name and the seven input texts (one a line, in the order of
// inputOrder), calculated as one "Rechne !" of the window, in its kept colour (`palette`).
EMSCRIPTEN_KEEPALIVE void quelbor_comparison_add(const char *name, const char *inputLines,
                                                 int palette)
{
    // Split by hand: a string stream would bring the library's locales into the page's module.
    InputTexts texts;
    std::string_view lines(inputLines);
    for (const auto input : inputOrder) {
        const std::size_t end = std::min(lines.find('\n'), lines.size());
        texts.*input = std::string(lines.substr(0, end));
        lines.remove_prefix(std::min(end + 1, lines.size()));
    }
    comparison().add(calculateBody(name, texts), keptColour(palette));
}

// Keeps a body of the name whose row of a table could not be read, with why, as it was opened.
EMSCRIPTEN_KEEPALIVE void quelbor_comparison_add_unread(const char *name, const char *error,
                                                        int palette)
{
    comparison().add(unreadBody(name, error), keptColour(palette));
}

// Adds the bodies of the table at the path of the module's file system, read and calculated as
// the desktop's "Öffnen …" does; returns why the file is refused (and adds nothing), or an
// empty text.
EMSCRIPTEN_KEEPALIVE const char *quelbor_comparison_open(const char *path)
{
    TableOpening opening = openComparisonTable(path);
    if (opening.refusal.empty()) {
        for (ComparedBody &body : opening.bodies)
            comparison().add(std::move(body));
    }
    return handedBack(std::move(opening.refusal));
}

// The largest table opened, in bytes: of a larger file the page hands over one byte more, for
// the refusal.
EMSCRIPTEN_KEEPALIVE double quelbor_comparison_largest_table()
{
    return static_cast<double>(largestTableBytes);
}

// The comparison as the CSV table the desktop's "Speichern …" writes, ended by a zero byte (a
// name holds none).
EMSCRIPTEN_KEEPALIVE const char *quelbor_comparison_table()
{
    return handedBack(comparisonTableText(comparison().bodies()));
}

// Each returns 1 when done, 0 when there is no such row.
EMSCRIPTEN_KEEPALIVE int quelbor_comparison_remove(int row)
{
    return changed([row](ComparisonList &list) { list.remove(static_cast<std::size_t>(row)); });
}

EMSCRIPTEN_KEEPALIVE int quelbor_comparison_move(int from, int to)
{
    return changed([from, to](ComparisonList &list) {
        list.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    });
}

EMSCRIPTEN_KEEPALIVE int quelbor_comparison_rename(int row, const char *name)
{
    return changed(
        [row, name](ComparisonList &list) { list.rename(static_cast<std::size_t>(row), name); });
}

EMSCRIPTEN_KEEPALIVE int quelbor_comparison_set_shown(int row, int shown)
{
    return changed([row, shown](ComparisonList &list) {
        list.setShown(static_cast<std::size_t>(row), shown != 0);
    });
}

EMSCRIPTEN_KEEPALIVE void quelbor_comparison_clear()
{
    comparison() = ComparisonList();
}

// The comparison as JSON: the table's column captions, a row a body (name, input texts, the
// cells as the table shows them with the given decimal separator, error, whether shown, colour),
// the legend, and both charts' axes.
EMSCRIPTEN_KEEPALIVE const char *quelbor_comparison_json(const char *separator)
{
    const auto &bodies = comparison().bodies();
    PageJsonWriter json;
    json.open({}, '{');
    json.open("columns", '[');
    for (const ComparisonColumn &column : comparisonColumns())
        json.text({}, column.caption);
    json.close(']');
    json.open("bodies", '[');
    for (const ComparedBody &body : bodies)
        writeBody(json, body, separator);
    json.close(']');
    json.open("legend", '[');
    for (const LegendEntry &entry : overlayLegend(bodies)) {
        json.open({}, '{');
        json.text("name", entry.name);
        writeColour(json, entry.colour);
        json.close('}');
    }
    json.close(']');
    writeAxes(json, "diffusivity", diffusivityAxes(bodies));
    writeAxes(json, "shrinkage", shrinkageAxes(bodies));
    json.close('}');
    return handedBack(json.take());
}

// The table for a spreadsheet, as the desktop's window "Vergleich" copies it.
EMSCRIPTEN_KEEPALIVE const char *quelbor_comparison_clipboard(const char *separator)
{
    return handedBack(comparisonClipboardTable(comparison().bodies(), separator));
}

// Draws both charts onto the page's canvases of the given names and sizes in CSS pixels;
// returns why it failed, or an empty text.
EMSCRIPTEN_KEEPALIVE const char *
quelbor_comparison_draw(const char *diffusivity, double diffusivityWidth, double diffusivityHeight,
                        const char *shrinkage, double shrinkageWidth, double shrinkageHeight)
{
    const auto &bodies = comparison().bodies();
    try {
        const OverlayAxes kappaAxes = diffusivityAxes(bodies);
        CanvasSurface kappa(diffusivity, kappaAxes.extent, diffusivityWidth, diffusivityHeight);
        drawDiffusivityOverlay(bodies, kappaAxes, kappa);
        const OverlayAxes shrinkageOnes = shrinkageAxes(bodies);
        CanvasSurface schwindung(shrinkage, shrinkageOnes.extent, shrinkageWidth, shrinkageHeight);
        drawShrinkageOverlay(bodies, shrinkageOnes, schwindung);
        return handedBack({});
    } catch (const std::exception &error) {
        return handedBack(error.what());
    }
}
}
