#include "pagedesign.h"

#include "controlgeometry.h"
#include "controltable.h"
#include "copiedcolumns.h"
#include "pagejsonwriter.h"
#include "twips.h"
#include "windowdesign.h"

#include <algorithm>
#include <iterator>

namespace quelbor {

namespace {

constexpr double windowFontPoints = 12;

const char *kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::TextBox:
        return "textbox";
    case ControlKind::Button:
        return "button";
    case ControlKind::Surface:
        return "surface";
    case ControlKind::Image:
        return "image";
    case ControlKind::Line:
        break;
    }
    return "line";
}

const char *alignName(TextAlign align)
{
    switch (align) {
    case TextAlign::Centre:
        return "center";
    case TextAlign::Right:
        return "right";
    case TextAlign::Left:
        break;
    }
    return "left";
}

// The control's place in the keyboard order, counted from 1, or 0 when it has none.
int tabPosition(std::string_view name)
{
    const auto &order = windowDesign::tabOrder;
    const auto found = std::find(std::begin(order), std::end(order), name);
    return found == std::end(order) ? 0 : static_cast<int>(found - std::begin(order)) + 1;
}

void writeControl(PageJsonWriter &json, const ControlDesign &design)
{
    const TwipsRect rect = controlRect(design);
    json.open({}, '{');
    json.text("name", design.name);
    json.text("kind", kindName(design.kind));
    json.text("text", design.text);
    json.numbers("twips", {rect.left, rect.top, rect.width, rect.height});
    json.numbers("pixels", {static_cast<double>(twipsToPixels(rect.left)),
                            static_cast<double>(twipsToPixels(rect.top)),
                            static_cast<double>(twipsToPixels(rect.width)),
                            static_cast<double>(twipsToPixels(rect.height))});
    json.number("points", design.pointSize == windowFont ? windowFontPoints : design.pointSize);
    json.flag("underlined", design.style == TextStyle::Underlined);
    json.flag("italic", design.style == TextStyle::Italic);
    json.numbers("colour",
                 {static_cast<double>(design.colour.red), static_cast<double>(design.colour.green),
                  static_cast<double>(design.colour.blue)});
    json.text("align", alignName(design.align));
    json.flag("visible", design.atStart == AtStart::Visible);
    json.number("tabPosition", tabPosition(design.name));
    json.text("caption", design.caption);
    json.text("description", design.description);
    json.close('}');
}

void writeCopiedBox(PageJsonWriter &json, const CopiedColumn &copied)
{
    json.open({}, '{');
    json.text("box", copied.box);
    json.flag("number", copied.number);
    json.close('}');
}

} // namespace

std::string pageDesignJson()
{
    PageJsonWriter json;
    json.open({}, '{');
    json.text("caption", windowDesign::caption);
    json.numbers("clientPixels",
                 {static_cast<double>(twipsToPixels(windowDesign::startClientWidth)),
                  static_cast<double>(twipsToPixels(windowDesign::startClientHeight))});
    json.open("controls", '[');
    for (const ControlDesign &design : controlTable())
        writeControl(json, design);
    json.close(']');
    json.open("copied", '[');
    for (const CopiedColumn &copied : copiedColumns)
        writeCopiedBox(json, copied);
    json.close(']');
    json.close('}');
    return json.take();
}

} // namespace quelbor
