#pragma once

#include "drawingsurface.h"
#include "rgb.h"

#include <string_view>

namespace quelbor {

enum class ControlKind {
    Label,   // static text on white, no frame
    TextBox, // single-line editable text
    Button,  // command button with a white face
    Surface, // drawing surface with its own logical extent
    Image,   // fixed image ":/images/<name>.svg", box exactly the image's size
    Line,    // separator line, 2 pixels wide, in the window-text colour
};

enum class TextStyle { Plain, Underlined, Italic };
enum class TextAlign { Left, Centre, Right };
enum class AtStart { Visible, Hidden };

namespace textColours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb darkRed{192, 0, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb purple{64, 0, 64};
} // namespace textColours

// Font size that stands for the window's own font, Arial 12 pt bold.
inline constexpr double windowFont = 0;

// One control of the main window as designed. Positions and sizes are twips in the window's
// client area: Left, Top, Width, Height of the outer rectangle; for a Line the four numbers are
// the x and y of its start and the x and y of its end. Every text is Arial bold.
struct ControlDesign
{
    std::string_view name;
    ControlKind kind;
    std::string_view text; // UTF-8: caption, default text, or empty
    int left;
    int top;
    int width;
    int height;
    double pointSize; // windowFont for the window's own font
    TextStyle style;
    Rgb colour;
    TextAlign align;
    AtStart atStart;
    LogicalExtent extent{}; // surfaces only
};

} // namespace quelbor
