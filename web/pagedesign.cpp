#include "pagedesign.h"

#include "controlgeometry.h"
#include "controltable.h"
#include "twips.h"
#include "windowdesign.h"

#include <nlohmann/json.hpp>

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

nlohmann::json controlJson(const ControlDesign &design)
{
    const TwipsRect rect = controlRect(design);
    return {
        {"name", design.name},
        {"kind", kindName(design.kind)},
        {"text", design.text},
        {"twips", {rect.left, rect.top, rect.width, rect.height}},
        {"pixels",
         {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
          twipsToPixels(rect.height)}},
        {"points", design.pointSize == windowFont ? windowFontPoints : design.pointSize},
        {"underlined", design.style == TextStyle::Underlined},
        {"italic", design.style == TextStyle::Italic},
        {"colour", {design.colour.red, design.colour.green, design.colour.blue}},
        {"align", alignName(design.align)},
        {"visible", design.atStart == AtStart::Visible},
        {"tabPosition", tabPosition(design.name)},
    };
}

} // namespace

std::string pageDesignJson()
{
    nlohmann::json controls = nlohmann::json::array();
    for (const ControlDesign &design : controlTable())
        controls.push_back(controlJson(design));
    const nlohmann::json page = {
        {"caption", windowDesign::caption},
        {"clientPixels",
         {twipsToPixels(windowDesign::startClientWidth),
          twipsToPixels(windowDesign::startClientHeight)}},
        {"controls", controls},
    };
    return page.dump();
}

} // namespace quelbor
